#pragma once

#include <QString>

// What this program was built as, fixed by the build; the command line and the about
// window both show it.
namespace BuildInfo {
// The version and build number, "1.0.0" and "1" when the build gave none.
QString version();
QString buildNumber();
// The maker's web site this program was built with, "" when none was given.
QString website();
} // namespace BuildInfo
