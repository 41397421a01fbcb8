#pragma once

#include "BulkDownloadItem.h"
#include "core/storage/StoreWriter.h"

#include <atomic>

// The queue's writer: a list still waiting is dropped when a newer one comes, so an older
// list never lands after a newer one.
class QueueStoreWriter : public StoreWriter {
public:
    using StoreWriter::StoreWriter;
    // Waits before the list counter goes, which the queued writes still read.
    ~QueueStoreWriter() { waitForDone(); }

    // Stores the list as its JSON document under key; when it cannot be encoded, prints
    // "Error encoding download items: " and the reason, and the store keeps its value.
    void saveItems(const QString& key, QList<BulkDownloadItem> items);

private:
    std::atomic<quint64> newestList = 0;
};
