#include "StoreWriter.h"

#include "KeyValueStore.h"
#include "core/diagnostics/Diagnostics.h"

namespace {

void logFailure(const QString& key, const KeyValueStore::WriteFailure& failure) {
    if (failure)
        qCWarning(lcSettings) << "Could not store" << key << "-" << *failure;
}

} // namespace

StoreWriter::StoreWriter(KeyValueStore& store)
    : store(store) {
    // One thread takes the writes in the order they were asked for.
    writer.setMaxThreadCount(1);
}

StoreWriter::~StoreWriter() {
    waitForDone();
}

void StoreWriter::setData(const QString& key, const QByteArray& value) {
    writer.start([this, key, value] { logFailure(key, store.setData(key, value)); });
}

void StoreWriter::setString(const QString& key, const QString& value) {
    writer.start([this, key, value] { logFailure(key, store.setString(key, value)); });
}

void StoreWriter::waitForDone() {
    writer.waitForDone();
}
