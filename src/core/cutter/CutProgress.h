#pragma once

#include <QStringView>
#include <optional>

// How far a cut of cutLength seconds has come, in percent, by the "time=" word of one
// complete line of the converter's output; none when the line has no such word. A time
// past the end, or no number at all, counts as done.
std::optional<double> cutProgress(QStringView line, double cutLength);
