#include "ToolCheck.h"

#include "FileManagerHelper.h"

#include <QFileInfo>

QCoro::Task<> ToolCheck::run(std::shared_ptr<ToolInstaller> installer,
                             ToolInstaller::LogHandler logHandler) {
    const FileManagerHelper tools;
    logHandler("Checking for updates...");
    logHandler("Checking and installing necessary plugins...");
    if (QFileInfo::exists(tools.ytDlpPath)) {
        co_await installer->updateYtDlp(logHandler);
    } else {
        logHandler("Downloading plugin 1...");
        co_await installer->downloadYtDlp(logHandler);
    }
    // Only the converter is looked for: a missing probe tool alone is not reinstalled.
    if (!QFileInfo::exists(tools.ffmpegPath)) {
        logHandler("Downloading plugin 2...");
        co_await installer->downloadFFmpeg(logHandler);
    }
    logHandler("Update check completed.");
}
