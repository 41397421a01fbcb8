#pragma once

#include <QString>

namespace StandardFolders {
// The user's Downloads folder, or "" when the desktop names none.
QString downloads();
// The per-user data folder (XDG data home) that holds Morvi's "Velnor" folder.
QString userData();
} // namespace StandardFolders
