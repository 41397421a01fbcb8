#pragma once

#include "CookieSource.h"

#include <QString>
#include <optional>

// Whether a cookie source can be handed to the downloader now. A cookies.txt file is read
// here, line by line, only to see that every line is one the downloader takes: a line it
// cannot read it prints whole to its errors, cookie and all, and those reach the log and
// what the user may copy. Nothing of the file is kept.
namespace CookieCheck {

// Why the file cannot be handed over, in the user's language, naming the file and at most a
// line number; none when it can.
std::optional<QString> fileProblem(const QString& path);
// Why the source cannot be used now (its profile folder gone, its file unfit); none when it can.
std::optional<QString> problem(const CookieSource& source);

} // namespace CookieCheck
