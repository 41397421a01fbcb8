#include "QueueStore.h"

#include "BulkDownloadItemsModel.h"
#include "DownloadItemsDocument.h"
#include "core/diagnostics/Diagnostics.h"
#include "core/model/AssignProperty.h"

#include <QCoroFuture>
#include <QPointer>
#include <QTimer>
#include <malloc.h>

namespace {

// The store's raw queue and the rest it holds.
struct Read {
    std::optional<QByteArray> document;
    QString error;
    QueueStore::Stored stored;
};

} // namespace

QueueStore::QueueStore(std::unique_ptr<KeyValueStore> store, const BulkDownloadItemsModel& items,
                       QObject* parent)
    : QObject(parent)
    , userDefaults(std::move(store))
    , writer(*userDefaults,
             [this](const KeyValueStore::WriteFailure& writeFailure) {
                 QMetaObject::invokeMethod(
                     this, [this, writeFailure] { written(writeFailure); }, Qt::QueuedConnection);
             })
    , items(items) {}

QueueStore::~QueueStore() = default;

// Off the main thread: the settings file holds the whole queue, and reading any of its
// values parses all of it.
QCoro::Task<std::optional<QueueStore::Stored>> QueueStore::load() {
    const QPointer<QueueStore> self(this);
    loading = true;
    QFuture<Read> reading = writer.read([](KeyValueStore& store) {
        Read read{store.data(downloadItemsKey),
                  {},
                  {{}, store.string(outputPathKey), RememberedChoices::read(store, choicesPrefix)}};
        if (read.document)
            read.stored.items = DownloadItemsDocument::decode(*read.document, read.error);
        if (read.stored.items)
            read.document.reset();
        return read;
    });
    Read read = co_await reading;
    if (!self)
        co_return std::nullopt;
    if (read.document && !read.stored.items) {
        // Kept until the first write would replace it (see save).
        unreadableItems = read.document;
        Diagnostics::printLine("Error decoding download items: " + read.error);
    }
    co_return std::move(read.stored);
}

void QueueStore::endLoading() {
    loading = false;
    // Reading a long queue takes many times the room its items hold, which stays with the
    // process as free memory unless given back: once the reading's last copy is gone (after this
    // turn of the event loop), and on the writer's thread, as trimming takes a while.
    QTimer::singleShot(0, this,
                       [this] { writer.read([](KeyValueStore&) { return ::malloc_trim(0); }); });
    if (std::exchange(saveWhenLoaded, false))
        save();
}

void QueueStore::save() {
    if (loading) {
        saveWhenLoaded = true;
        return;
    }
    // A queue written by another version must not vanish just because this one cannot
    // read it: it moves aside before it is replaced.
    if (unreadableItems) {
        writer.setData(unreadableItemsKey, *unreadableItems);
        unreadableItems.reset();
        qCWarning(lcQueue) << "Kept the unreadable download queue under" << unreadableItemsKey;
    }
    writer.saveItems(downloadItemsKey, items.items());
}

void QueueStore::saveOutputPath(const QString& path) {
    writer.setString(outputPathKey, path);
}

void QueueStore::remember(RememberedChoices::Kind kind, const QString& value) {
    writer.setString(RememberedChoices::key(choicesPrefix, kind), value);
}

void QueueStore::waitUntilSaved() {
    writer.waitForDone();
}

void QueueStore::written(const KeyValueStore::WriteFailure& writeFailure) {
    const QString said = writeFailure
                             //: %1: the settings file and why it could not be written (a full disk,
                             //: a read-only file).
                             ? tr("The download queue could not be saved: %1").arg(*writeFailure)
                             : QString();
    assignProperty(this, failure, said, &QueueStore::saveFailureChanged);
}
