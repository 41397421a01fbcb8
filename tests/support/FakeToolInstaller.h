#pragma once

#include "core/installer/ToolInstaller.h"

#include <QCoreApplication>
#include <QCoroTimer>
#include <QMap>
#include <QStringList>
#include <chrono>

// Stands in for the tool installer: reports the real one's success lines, a moment apart.
class FakeToolInstaller : public ToolInstaller {
public:
    static inline const QMap<QString, QStringList> linesOf{
        {"downloadYtDlp", {"Plugin 1 downloaded successfully."}},
        {"updateYtDlp", {"Updating plugin 1...", "Plugin 1 update completed."}},
        {"downloadFFmpeg",
         {"Extracting plugin 2...", "Plugin 2 downloaded successfully.", "Downloading plugin 3...",
          "Plugin 3 downloaded successfully."}},
        {"downloadJsRuntime", {"Extracting plugin 4...", "Plugin 4 downloaded successfully."}},
        {"updateJsRuntime", {"Updating plugin 4...", "Plugin 4 is up to date."}}};

    QCoro::Task<> downloadYtDlp(LogHandler log) override { return run("downloadYtDlp", log); }
    QCoro::Task<> updateYtDlp(LogHandler log) override { return run("updateYtDlp", log); }
    QCoro::Task<> downloadFFmpeg(LogHandler log) override { return run("downloadFFmpeg", log); }
    QCoro::Task<> downloadJsRuntime(LogHandler log) override {
        return run("downloadJsRuntime", log);
    }
    QCoro::Task<> updateJsRuntime(LogHandler log) override { return run("updateJsRuntime", log); }

    // The operations called, and those that ran to their end.
    QStringList calls, finished;

private:
    QCoro::Task<> run(QString name, LogHandler logHandler) {
        calls << name;
        for (const QString& line : linesOf[name]) {
            co_await QCoro::sleepFor(std::chrono::milliseconds(5));
            logHandler(QCoreApplication::translate("AppUpdater", qPrintable(line)));
        }
        finished << name;
    }
};
