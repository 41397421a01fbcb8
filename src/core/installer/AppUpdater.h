#pragma once

#include "SigningKey.h"
#include "ToolEndpoints.h"
#include "ToolInstaller.h"
#include "core/toolstore/FileManagerHelper.h"

#include <QCoreApplication>
#include <chrono>

// Puts the downloader, the converter, the probe tool and the JavaScript runtime (Deno) into the
// tools folder and keeps the downloader and the runtime up to date. The operations report only
// through their log callback, on the calling (main) thread, and return once their last line is
// delivered; they never fail towards the caller.
//
// A fetched program replaces nothing until it has answered its version option; an installed
// tool is only ever replaced in one step, so a failed operation leaves the old tool working.
// Each operation works on copies of the addresses and paths it needs, so it runs to its end
// even when the installer is destroyed meanwhile. The installer itself is a small value.
//
// The downloader's checksum list must carry a good signature by its makers' key before any sum
// in it counts. A downloader so proved is noted in the tool check's finding (ToolFinding) as
// verified by that key.
class AppUpdater : public ToolInstaller {
    Q_DECLARE_TR_FUNCTIONS(AppUpdater)

public:
    // A transfer that receives nothing for transferTimeout fails. The downloader's checksum
    // list must be signed with downloaderKey.
    explicit AppUpdater(ToolEndpoints endpoints = ToolEndpoints::forThisMachine(),
                        std::chrono::milliseconds transferTimeout = std::chrono::seconds(30),
                        SigningKey downloaderKey = SigningKey::ytDlpRelease());

    // Installs the downloader at fileManager.ytDlpPath.
    QCoro::Task<> downloadYtDlp(LogHandler logHandler) override;
    // Replaces the installed downloader by the latest release's build when that is another one,
    // checked as downloadYtDlp checks it.
    QCoro::Task<> updateYtDlp(LogHandler logHandler) override;
    // Installs the converter, then the probe tool, from their archives.
    QCoro::Task<> downloadFFmpeg(LogHandler logHandler) override;
    // Installs the runtime at fileManager.jsRuntimePath from its release's archive.
    QCoro::Task<> downloadJsRuntime(LogHandler logHandler) override;
    // Installs the runtime again when its release's published sum differs from the installed
    // archive's.
    QCoro::Task<> updateJsRuntime(LogHandler logHandler) override;

    const FileManagerHelper fileManager;

private:
    ToolEndpoints endpoints;
    std::chrono::milliseconds transferTimeout;
    SigningKey downloaderKey;
};
