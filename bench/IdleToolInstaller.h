#pragma once

#include "core/installer/ToolInstaller.h"

// The tool check's installer for measurements: fetches nothing, so that the figures
// do not depend on a network.
class IdleToolInstaller : public ToolInstaller {
public:
    QCoro::Task<> downloadYtDlp(LogHandler) override { co_return; }
    QCoro::Task<> updateYtDlp(LogHandler) override { co_return; }
    QCoro::Task<> downloadFFmpeg(LogHandler) override { co_return; }
    QCoro::Task<> downloadJsRuntime(LogHandler) override { co_return; }
    QCoro::Task<> updateJsRuntime(LogHandler) override { co_return; }
};
