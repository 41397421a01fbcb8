#pragma once

#include <QString>

// A progress value as every window prints it: the whole percent, truncated, in the user's
// language ("42%", "42 %"). A value that is not a number prints as 0.
QString percentText(double progress);
