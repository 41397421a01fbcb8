#pragma once

#include "AppUpdater.h"

namespace ToolCheck {
// The check the main window runs each time it appears: updates the downloader when it is
// installed, installs it when it is not, installs the converter and the probe tool when
// the converter is missing. Logs the check's own lines around the installer's, all through
// logHandler, and always ends with "Update check completed.".
// Works on its own copy of the installer, so it runs to its end even when the owner is gone.
QCoro::Task<> run(AppUpdater updater, AppUpdater::LogHandler logHandler);
} // namespace ToolCheck
