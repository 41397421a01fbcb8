#pragma once

#include "DownloadEngine.h"
#include "core/toolstore/FileManagerHelper.h"

#include <QCoroTask>
#include <QPointer>

class ToolRun;

// Runs one download at a time as a yt-dlp child process: builds its command line,
// streams its output to the caller as log text and progress, and stops it on request.
class YtdlpManager : public DownloadEngine {
public:
    YtdlpManager() = default;
    // Ends a download that is still running, with every process it started.
    ~YtdlpManager() override;
    YtdlpManager(const YtdlpManager&) = delete;
    YtdlpManager& operator=(const YtdlpManager&) = delete;

    // Reports the latest complete progress line of each read to progressHandler. Returns
    // the final file on exit status 0; throws YtdlpError, or LaunchError when the tool
    // cannot be started.
    QCoro::Task<QString> downloadVideo(DownloadRequest request, ProgressHandler progressHandler,
                                       LogHandler logHandler) override;

    // Ends the running download's process group (the downloader and its converter);
    // the running downloadVideo then fails with the child's status.
    void stopDownload() override;
    // Both the downloader and the converter are in the tools folder or on the system.
    bool hasTools() const override;

private:
    FileManagerHelper fileManager;
    QPointer<ToolRun> currentProcess;
};
