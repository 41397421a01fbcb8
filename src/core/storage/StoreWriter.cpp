#include "StoreWriter.h"

#include "KeyValueStore.h"

StoreWriter::StoreWriter(KeyValueStore& store)
    : store(store) {
    // One thread takes the writes in the order they were asked for.
    writer.setMaxThreadCount(1);
}

StoreWriter::~StoreWriter() {
    waitForDone();
}

void StoreWriter::setData(const QString& key, const QByteArray& value) {
    writer.start([this, key, value] { store.setData(key, value); });
}

void StoreWriter::setString(const QString& key, const QString& value) {
    writer.start([this, key, value] { store.setString(key, value); });
}

void StoreWriter::waitForDone() {
    writer.waitForDone();
}
