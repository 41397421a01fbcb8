#pragma once

#include <QCoroTask>
#include <QString>
#include <functional>

// What the main window's tool check needs from the tool installer. Each operation
// reports its progress and its failures only as log lines, on the main thread, and
// returns once its last line has been delivered; none of them throws.
class ToolInstaller {
public:
    using LogHandler = std::function<void(const QString&)>;

    virtual ~ToolInstaller() = default;

    // Installs the downloader into the tools folder.
    virtual QCoro::Task<> downloadYtDlp(LogHandler logHandler) = 0;
    // Brings the installed downloader up to its latest release.
    virtual QCoro::Task<> updateYtDlp(LogHandler logHandler) = 0;
    // Installs the converter, then the probe tool.
    virtual QCoro::Task<> downloadFFmpeg(LogHandler logHandler) = 0;
    // Installs the JavaScript runtime that the downloader solves the sites' challenges with.
    virtual QCoro::Task<> downloadJsRuntime(LogHandler logHandler) = 0;
    // Replaces the installed runtime when its release has a newer build.
    virtual QCoro::Task<> updateJsRuntime(LogHandler logHandler) = 0;
};
