#include "QueueStoreWriter.h"

#include "DownloadItemsDocument.h"
#include "core/storage/KeyValueStore.h"

#include <QTextStream>

void QueueStoreWriter::saveItems(const QString& key, QList<BulkDownloadItem> items) {
    const quint64 number = ++newestList;
    writer.start([this, number, key, items = std::move(items)] {
        if (number != newestList)
            return; // a newer list follows
        QString error;
        if (const auto document = DownloadItemsDocument::encode(items, error))
            store.setData(key, *document);
        else
            QTextStream(stdout) << "Error encoding download items: " << error << Qt::endl;
    });
}
