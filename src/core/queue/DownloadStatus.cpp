#include "DownloadStatus.h"

QString rawValue(DownloadStatus status) {
    switch (status) {
    case DownloadStatus::pending:
        return "Pending";
    case DownloadStatus::downloading:
        return "Downloading";
    case DownloadStatus::completed:
        return "Completed";
    case DownloadStatus::failed:
        return "Failed";
    case DownloadStatus::cancelled:
        return "Cancelled";
    }
    return {};
}

std::optional<DownloadStatus> downloadStatusFromRawValue(QStringView text) {
    for (const DownloadStatus status : allDownloadStatuses) {
        if (text == rawValue(status))
            return status;
    }
    return std::nullopt;
}
