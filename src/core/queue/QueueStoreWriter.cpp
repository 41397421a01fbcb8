#include "QueueStoreWriter.h"

#include "DownloadItemsDocument.h"
#include "core/diagnostics/Diagnostics.h"

void QueueStoreWriter::saveItems(const QString& key, QList<BulkDownloadItem> items) {
    const quint64 number = ++newestList;
    writer.start([this, number, key, items = std::move(items)] {
        if (number != newestList)
            return; // a newer list follows
        QString error;
        if (const auto document = DownloadItemsDocument::encode(items, error))
            written(store.setData(key, *document));
        else
            Diagnostics::printLine("Error encoding download items: " + error);
    });
}
