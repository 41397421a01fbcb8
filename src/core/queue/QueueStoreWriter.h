#pragma once

#include "BulkDownloadItem.h"

#include <QFuture>
#include <QThreadPool>
#include <QtConcurrentRun>
#include <atomic>
#include <type_traits>

class KeyValueStore;

// Writes the queue's values into the key-value store one after another on a thread of
// its own, so that encoding and writing a long queue never holds up the window. A list
// still waiting is dropped when a newer one comes, so an older list never lands after
// a newer one.
class QueueStoreWriter {
public:
    explicit QueueStoreWriter(KeyValueStore& store);
    // Waits for the writes still queued: nothing asked for is lost.
    ~QueueStoreWriter();
    QueueStoreWriter(const QueueStoreWriter&) = delete;
    QueueStoreWriter& operator=(const QueueStoreWriter&) = delete;

    // Stores the list as its JSON document under key; when it cannot be encoded, prints
    // "Error encoding download items: " and the reason, and the store keeps its value.
    void saveItems(const QString& key, QList<BulkDownloadItem> items);
    void setData(const QString& key, const QByteArray& value);
    void setString(const QString& key, const QString& value);
    // Runs read with the store on the writer's thread, after the writes asked for before;
    // co_await on the result resumes on the caller's thread.
    template <typename Read> QFuture<std::invoke_result_t<Read, KeyValueStore&>> read(Read read) {
        return QtConcurrent::run(&writer, [this, read = std::move(read)] { return read(store); });
    }
    // Returns once every write asked for so far has reached the store.
    void waitForDone();

private:
    KeyValueStore& store;
    QThreadPool writer;
    std::atomic<quint64> newestList = 0;
};
