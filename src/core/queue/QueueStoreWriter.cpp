#include "QueueStoreWriter.h"

#include "DownloadItemsDocument.h"
#include "core/platform/KeyValueStore.h"

#include <QTextStream>

QueueStoreWriter::QueueStoreWriter(KeyValueStore& store)
    : store(store) {
    // One thread takes the writes in the order they were asked for.
    writer.setMaxThreadCount(1);
}

QueueStoreWriter::~QueueStoreWriter() {
    waitForDone();
}

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

void QueueStoreWriter::setData(const QString& key, const QByteArray& value) {
    writer.start([this, key, value] { store.setData(key, value); });
}

void QueueStoreWriter::setString(const QString& key, const QString& value) {
    writer.start([this, key, value] { store.setString(key, value); });
}

void QueueStoreWriter::waitForDone() {
    writer.waitForDone();
}
