#include "DownloadStatus.h"

#include <QCoreApplication>

namespace {

// In the order of the enumeration; marked so that the queue table shows them translated.
constexpr const char* rawValues[] = {
    //: A queue item's status: waiting for its download.
    QT_TRANSLATE_NOOP("DownloadStatus", "Pending"),
    //: A queue item's status: its download runs.
    QT_TRANSLATE_NOOP("DownloadStatus", "Downloading"),
    //: A queue item's status: downloaded.
    QT_TRANSLATE_NOOP("DownloadStatus", "Completed"),
    //: A queue item's status: its download failed.
    QT_TRANSLATE_NOOP("DownloadStatus", "Failed"),
    //: A queue item's status: stopped before it ended.
    QT_TRANSLATE_NOOP("DownloadStatus", "Cancelled"),
};

const char* rawText(DownloadStatus status) {
    return rawValues[static_cast<std::size_t>(status)];
}

} // namespace

QString rawValue(DownloadStatus status) {
    return QString::fromLatin1(rawText(status));
}

QString shownStatus(DownloadStatus status) {
    return QCoreApplication::translate("DownloadStatus", rawText(status));
}

std::optional<DownloadStatus> downloadStatusFromRawValue(QStringView text) {
    for (const DownloadStatus status : allDownloadStatuses) {
        if (text == rawValue(status))
            return status;
    }
    return std::nullopt;
}
