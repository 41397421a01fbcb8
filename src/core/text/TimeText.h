#pragma once

#include <QString>
#include <optional>

// Times as the tools print them and the cutter's fields take them: "H:M:S", "M:S" or "S",
// ":"-separated numbers as the C locale writes them, each finite and not negative. Minutes
// and seconds may exceed 59 and each field may carry a fraction ("00:01:23.45").

// The seconds of such a time, or none.
std::optional<double> readClockTime(QStringView text);

// Whether the text is a time as the cutter's fields and the download's part take it:
// exactly "HH:MM:SS", two digits each.
bool isClockField(const QString& text);

// readClockTime of a text of exactly three fields, the cutter's "HH:MM:SS"; 0 for anything
// else.
double timeToSeconds(const QString& text);

// The whole seconds (truncated) as "%02d:%02d:%02d"; hours above 99 take more digits.
QString formatTime(double seconds);
