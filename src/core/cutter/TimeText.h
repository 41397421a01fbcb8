#pragma once

#include <QString>

// "HH:MM:SS" texts of the media cutter. Minutes and seconds may exceed 59 and each
// field may carry a fraction ("00:01:23.45"); the decimal separator is always ".".

// Hours × 3600 + minutes × 60 + seconds; 0 unless the text is exactly three
// ":"-separated numbers.
double timeToSeconds(const QString& text);

// The whole seconds (truncated) as "%02d:%02d:%02d"; hours above 99 take more digits.
QString formatTime(double seconds);
