#pragma once

#include "platform/SettingsStore.h"
#include "queue/BulkDownloadViewModel.h"
#include "queue/DownloadItemsDocument.h"

#include <QSettings>
#include <QStringList>

// Shared by the queue's tests: the stored queue in the test's own settings file, and
// items written as "Status progress" so comparisons read like the table.
namespace QueueTesting {

inline void clearStore() {
    QSettings settings("Velnor", "Morvi");
    settings.clear();
    settings.sync();
}

inline BulkDownloadItem item(const QString& url, DownloadStatus status = DownloadStatus::pending,
                             double progress = 0, const QString& format = "MP3",
                             const QString& videoQuality = "1080p",
                             const QString& audioQuality = "192k") {
    BulkDownloadItem made = BulkDownloadItem::create(url, format, videoQuality, audioQuality);
    made.status = status;
    made.progress = progress;
    return made;
}

// Pending items at https://youtu.be/<name>, in the given order.
inline QList<BulkDownloadItem> pendingItems(const QStringList& names) {
    QList<BulkDownloadItem> made;
    for (const QString& name : names)
        made << item("https://youtu.be/" + name);
    return made;
}

inline void storeItems(const QList<BulkDownloadItem>& items) {
    QString error;
    SettingsStore().setData(BulkDownloadViewModel::downloadItemsKey,
                            *DownloadItemsDocument::encode(items, error));
}

inline std::optional<QByteArray> storedDocument() {
    return SettingsStore().data(BulkDownloadViewModel::downloadItemsKey);
}

inline QList<BulkDownloadItem> storedItems() {
    QString error;
    return DownloadItemsDocument::decode(storedDocument().value_or("none"), error)
        .value_or(QList<BulkDownloadItem>{});
}

inline QStringList states(const QList<BulkDownloadItem>& items) {
    QStringList shown;
    for (const BulkDownloadItem& each : items)
        shown << rawValue(each.status) + " " + QString::number(each.progress);
    return shown;
}

inline QStringList urls(const QList<BulkDownloadItem>& items) {
    QStringList shown;
    for (const BulkDownloadItem& each : items)
        shown << each.url;
    return shown;
}

} // namespace QueueTesting
