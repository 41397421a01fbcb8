#pragma once

#include "ToolInstaller.h"

#include <memory>

namespace ToolCheck {
// The check the main window runs each time it appears: updates the downloader when it is
// installed, installs it when it is not, installs the converter and the probe tool when
// the converter is missing, and updates or installs the JavaScript runtime. A tool that is there
// but cannot be started counts as missing. Then it names the system's tools that stand in for
// missing ones and chooses the runtime for the downloader in use (RuntimeChoice). Logs the
// check's own lines around the installer's, all through logHandler, and always ends with "Update
// check completed.". Shares the installer, so the check runs to its end even when its owner is
// gone.
QCoro::Task<> run(std::shared_ptr<ToolInstaller> installer, ToolInstaller::LogHandler logHandler);
} // namespace ToolCheck
