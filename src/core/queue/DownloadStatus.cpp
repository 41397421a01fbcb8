#include "DownloadStatus.h"

#include <QCoreApplication>

namespace {

// In the order of the enumeration; marked so that the queue table shows them translated.
constexpr const char* rawValues[] = {
    QT_TRANSLATE_NOOP("DownloadStatus", "Pending"),
    QT_TRANSLATE_NOOP("DownloadStatus", "Downloading"),
    QT_TRANSLATE_NOOP("DownloadStatus", "Completed"),
    QT_TRANSLATE_NOOP("DownloadStatus", "Failed"),
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
