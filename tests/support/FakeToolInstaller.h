#pragma once

#include "core/tools/ToolInstaller.h"

#include <QCoreApplication>
#include <QCoroTimer>
#include <QStringList>
#include <chrono>

// Stands in for the tool installer: reports the real one's success lines, a moment apart.
class FakeToolInstaller : public ToolInstaller {
public:
    QCoro::Task<> downloadYtDlp(LogHandler logHandler) override {
        return run("downloadYtDlp", logHandler, {"Plugin 1 downloaded successfully."});
    }
    QCoro::Task<> updateYtDlp(LogHandler logHandler) override {
        return run("updateYtDlp", logHandler,
                   {"Updating plugin 1...", "Plugin 1 update completed."});
    }
    QCoro::Task<> downloadFFmpeg(LogHandler logHandler) override {
        return run("downloadFFmpeg", logHandler,
                   {"Extracting plugin 2...", "Plugin 2 downloaded successfully.",
                    "Downloading plugin 3...", "Plugin 3 downloaded successfully."});
    }

    // The operations called, and those that ran to their end.
    QStringList calls, finished;

private:
    QCoro::Task<> run(QString name, LogHandler logHandler, QStringList lines) {
        calls << name;
        for (const QString& line : lines) {
            co_await QCoro::sleepFor(std::chrono::milliseconds(5));
            logHandler(QCoreApplication::translate("AppUpdater", qPrintable(line)));
        }
        finished << name;
    }
};
