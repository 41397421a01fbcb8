#include "ToolCheck.h"

#include <QFileInfo>

QCoro::Task<> ToolCheck::run(AppUpdater updater, AppUpdater::LogHandler logHandler) {
    logHandler("Checking for updates...");
    logHandler("Checking and installing necessary plugins...");
    if (QFileInfo::exists(updater.fileManager.ytDlpPath)) {
        co_await updater.updateYtDlp(logHandler);
    } else {
        logHandler("Downloading plugin 1...");
        co_await updater.downloadYtDlp(logHandler);
    }
    // Only the converter is looked for: a missing probe tool alone is not reinstalled.
    if (!QFileInfo::exists(updater.fileManager.ffmpegPath)) {
        logHandler("Downloading plugin 2...");
        co_await updater.downloadFFmpeg(logHandler);
    }
    logHandler("Update check completed.");
}
