#pragma once

#include "DownloadStatus.h"

#include <QString>
#include <QUuid>

// One address of the download queue with the choices it was added with.
struct BulkDownloadItem {
    QUuid id;
    QString url;
    DownloadStatus status = DownloadStatus::pending;
    double progress = 0; // percent, 0 to 100
    QString format;
    QString videoQuality;
    QString audioQuality;

    // A new entry: a fresh random id, Pending, progress 0.
    static BulkDownloadItem create(QString url, QString format, QString videoQuality,
                                   QString audioQuality) {
        return {QUuid::createUuid(), std::move(url),          DownloadStatus::pending, 0,
                std::move(format),   std::move(videoQuality), std::move(audioQuality)};
    }

    bool operator==(const BulkDownloadItem&) const = default;
};
