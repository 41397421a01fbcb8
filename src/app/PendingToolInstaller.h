#pragma once

#include "single/ToolInstaller.h"

// Holds the place of the tool installer until it is built: installs and updates
// nothing, so the tool check reports only its own lines.
class PendingToolInstaller : public ToolInstaller {
public:
    QCoro::Task<> downloadYtDlp(LogHandler) override { co_return; }
    QCoro::Task<> updateYtDlp(LogHandler) override { co_return; }
    QCoro::Task<> downloadFFmpeg(LogHandler) override { co_return; }
};
