#pragma once

#include "BulkDownloadItem.h"

#include <QByteArray>
#include <QList>
#include <optional>

// The stored form of the queue: a compact JSON array with one object per item, members
// "id", "url", "status", "progress", "format", "videoQuality", "audioQuality" in this order.
namespace DownloadItemsDocument {

// The document, or none with the reason in error when an item cannot be written.
std::optional<QByteArray> encode(const QList<BulkDownloadItem>& items, QString& error);

// The items of a document, each with a new id; an item stored as Downloading is Cancelled,
// since nothing downloads it any more. Any missing member, wrong type or unknown
// status rejects the whole document: none and the reason in error.
std::optional<QList<BulkDownloadItem>> decode(const QByteArray& document, QString& error);

} // namespace DownloadItemsDocument
