#include "ToolCheck.h"

#include "RuntimeChoice.h"
#include "core/diagnostics/Diagnostics.h"
#include "core/process/LaunchError.h"
#include "core/process/ToolRun.h"
#include "core/toolstore/FileManagerHelper.h"
#include "core/toolstore/ToolLocation.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Whether the installed tool at path can be started; a file that exists may still be no
// program this machine runs (not executable, a page saved in its place). Only the start
// decides: the installer proved the tool's answer when it put it there. The tool is then
// left to answer versionOption rather than cut off mid-start, which could leave a
// self-unpacking program's temporary files behind; the time limit bounds the wait.
QCoro::Task<bool> canStart(QString path, QString versionOption) {
    if (!QFileInfo(path).isFile())
        co_return false;
    const QStringList arguments{versionOption};
    ToolRun probe({.program = path, .arguments = arguments, .timeLimit = std::chrono::seconds(10)});
    try {
        co_await probe.start();
    } catch (const LaunchError& error) {
        qCInfo(lcTools) << path << "cannot be started:" << error.description();
        co_return false;
    }
    co_await probe.result();
    co_return true;
}

// When the tools folder still has no such tool (offline, a failing server), the system's own
// one stands in, as the downloads use it (ToolLocation); it is named once it has proved itself
// by its version answer. The next check fetches Morvi's own copy again.
QCoro::Task<> reportStandIn(QString toolsFolderPath, QString versionOption,
                            ToolInstaller::LogHandler log) {
    const std::optional<LocatedTool> tool = ToolLocation::find(toolsFolderPath);
    if (!tool || tool->origin != LocatedTool::Origin::system)
        co_return;
    const QString name = QFileInfo(toolsFolderPath).fileName();
    if (const auto answer = co_await ToolLocation::version(tool->path, versionOption)) {
        log(QCoreApplication::translate("ToolCheck", "Using the system's %1 %2 at %3 for now.")
                .arg(name, answer->version, tool->path));
    } else {
        log(QCoreApplication::translate("ToolCheck", "The system's %1 at %2 does not run.")
                .arg(name, tool->path));
    }
}

} // namespace

QCoro::Task<> ToolCheck::run(std::shared_ptr<ToolInstaller> installer,
                             ToolInstaller::LogHandler logHandler) {
    const FileManagerHelper tools;
    logHandler(QCoreApplication::translate("ToolCheck", "Checking for updates..."));
    logHandler(
        QCoreApplication::translate("ToolCheck", "Checking and installing necessary plugins..."));
    if (co_await canStart(tools.ytDlpPath, "--version")) {
        co_await installer->updateYtDlp(logHandler);
    } else {
        logHandler(QCoreApplication::translate("ToolCheck", "Downloading plugin 1..."));
        co_await installer->downloadYtDlp(logHandler);
    }
    // Only the converter is looked for: a missing probe tool alone is not reinstalled.
    if (!co_await canStart(tools.ffmpegPath, "-version")) {
        logHandler(QCoreApplication::translate("ToolCheck", "Downloading plugin 2..."));
        co_await installer->downloadFFmpeg(logHandler);
    }
    const QString runtimeVersionOption = "--version";
    if (co_await canStart(tools.jsRuntimePath, runtimeVersionOption)) {
        co_await installer->updateJsRuntime(logHandler);
    } else {
        logHandler(QCoreApplication::translate("ToolCheck", "Downloading plugin 4..."));
        co_await installer->downloadJsRuntime(logHandler);
    }
    co_await reportStandIn(tools.ytDlpPath, "--version", logHandler);
    co_await reportStandIn(tools.ffmpegPath, "-version", logHandler);
    // Asked again: the runtime may have been installed or replaced just now.
    const bool ownRuntime = co_await canStart(tools.jsRuntimePath, runtimeVersionOption);
    co_await RuntimeChoice::choose(ownRuntime, logHandler);
    logHandler(QCoreApplication::translate("ToolCheck", "Update check completed."));
}
