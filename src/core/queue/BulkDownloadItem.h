#pragma once

#include "DownloadStatus.h"
#include "core/engine/FormatChoice.h"

#include <QString>
#include <QUuid>

// One address of the download queue with the choices it was added with.
struct BulkDownloadItem {
    QUuid id;
    QString url;
    DownloadStatus status = DownloadStatus::pending;
    double progress = 0; // percent, 0 to 100
    FormatChoice choice;
    // Kept in memory only, never stored: what the row's tooltip tells. Size, speed and
    // time left while the item downloads; the reason of its last failure once it failed; the
    // options it was downloaded with.
    QString progressDetails;
    QString failureReason;
    // The options of its last run that differ from the defaults, as one line.
    QString downloadedWith;

    // A new entry: a fresh random id, Pending, progress 0.
    static BulkDownloadItem create(QString url, FormatChoice choice) {
        BulkDownloadItem item;
        item.id = QUuid::createUuid();
        item.url = std::move(url);
        item.choice = std::move(choice);
        return item;
    }

    bool operator==(const BulkDownloadItem&) const = default;
};

// Moved in memory as a whole when a long queue grows.
Q_DECLARE_TYPEINFO(BulkDownloadItem, Q_RELOCATABLE_TYPE);
