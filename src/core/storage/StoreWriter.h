#pragma once

#include <QFuture>
#include <QThreadPool>
#include <QtConcurrentRun>
#include <type_traits>

class KeyValueStore;

// Writes values into the key-value store one after another on a thread of its own: the
// settings file holds the whole download queue, so even one small value means reading
// and writing a large file, which must never hold up a window.
class StoreWriter {
public:
    explicit StoreWriter(KeyValueStore& store);
    // Waits for the writes still queued: nothing asked for is lost.
    ~StoreWriter();
    StoreWriter(const StoreWriter&) = delete;
    StoreWriter& operator=(const StoreWriter&) = delete;

    // A write that fails is logged under morvi.settings.
    void setData(const QString& key, const QByteArray& value);
    void setString(const QString& key, const QString& value);
    // Runs read with the store on the writer's thread, after the writes asked for before;
    // co_await on the result resumes on the caller's thread.
    template <typename Read> QFuture<std::invoke_result_t<Read, KeyValueStore&>> read(Read read) {
        return QtConcurrent::run(&writer, [this, read = std::move(read)] { return read(store); });
    }
    // Returns once every write asked for so far has reached the store.
    void waitForDone();

protected:
    KeyValueStore& store;
    QThreadPool writer;
};
