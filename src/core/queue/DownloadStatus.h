#pragma once

#include <QString>
#include <array>
#include <optional>

// Where a queue item is in its life. The raw values are stored as they are; the queue table
// shows them translated.
enum class DownloadStatus { pending, downloading, completed, failed, cancelled };

inline constexpr std::array<DownloadStatus, 5> allDownloadStatuses{
    DownloadStatus::pending, DownloadStatus::downloading, DownloadStatus::completed,
    DownloadStatus::failed, DownloadStatus::cancelled};

QString rawValue(DownloadStatus status);
// The raw value in the user's language.
QString shownStatus(DownloadStatus status);
// The status whose raw value is exactly text (case-sensitive), if any.
std::optional<DownloadStatus> downloadStatusFromRawValue(QStringView text);

// Pending or Downloading: what a stop cancels.
inline bool isUnfinished(DownloadStatus status) {
    return status == DownloadStatus::pending || status == DownloadStatus::downloading;
}
