#pragma once

#include "FileManagerHelper.h"
#include "ToolEndpoints.h"
#include "ToolInstaller.h"

// Puts the downloader, the converter and the probe tool into the tools folder and runs the
// downloader's self-update. The operations report only through their log callback, on the
// calling (main) thread, and return once their last line is delivered; they never fail
// towards the caller.
//
// Each operation works on copies of the addresses and paths it needs, so it runs to its end
// even when the installer is destroyed meanwhile. The installer itself is a small value.
class AppUpdater : public ToolInstaller {
public:
    explicit AppUpdater(ToolEndpoints endpoints = ToolEndpoints::forThisMachine());

    // Installs the downloader at fileManager.ytDlpPath.
    QCoro::Task<> downloadYtDlp(LogHandler logHandler) override;
    // Runs the installed downloader with "--update".
    QCoro::Task<> updateYtDlp(LogHandler logHandler) override;
    // Installs the converter, then the probe tool, from their archives.
    QCoro::Task<> downloadFFmpeg(LogHandler logHandler) override;

    // Unpacks the archive into destination, overwriting; throws ExitStatusError
    // ("UnzipError", status) or LaunchError.
    static QCoro::Task<> unzipFile(QString zipPath, QString destination);
    // Adds execute permission; throws ExitStatusError ("ChmodError", status) or LaunchError.
    static QCoro::Task<> makeExecutable(QString path);

    const FileManagerHelper fileManager;

private:
    ToolEndpoints endpoints;
};
