#pragma once

#include "BulkDownloadItem.h"
#include "core/storage/KeyValueStore.h"
#include "core/storage/StoreWriter.h"

#include <atomic>
#include <functional>

// The queue's writer: a list still waiting is dropped when a newer one comes, so an older
// list never lands after a newer one.
class QueueStoreWriter : public StoreWriter {
public:
    // Told, on the writer's thread, how each list's write went.
    using Written = std::function<void(const KeyValueStore::WriteFailure&)>;

    QueueStoreWriter(KeyValueStore& store, Written written)
        : StoreWriter(store)
        , written(std::move(written)) {}
    // Waits before the list counter goes, which the queued writes still read.
    ~QueueStoreWriter() { waitForDone(); }

    // Stores the list as its JSON document under key; when it cannot be encoded, prints
    // "Error encoding download items: " and the reason, and the store keeps its value.
    void saveItems(const QString& key, QList<BulkDownloadItem> items);

private:
    const Written written;
    std::atomic<quint64> newestList = 0;
};
