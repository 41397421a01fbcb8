#pragma once

#include <QString>
#include <optional>

// What one progress line of the downloader tells: its percentage, and beside it what it
// knows of the size, the speed and the time left. Values the line does not give, or
// gives as "Unknown", are empty.
struct DownloadProgress {
    double percent = 0;
    std::optional<double> totalBytes;
    // The total is an estimate ("~") while fragments are still being counted.
    bool totalIsEstimate = false;
    std::optional<double> bytesPerSecond;
    std::optional<double> secondsLeft;
};

// The line under a progress bar beside its percentage, such as
// "12.3 MiB of 48.0 MiB · 2.1 MiB/s · 17 s left"; the parts that are not known are left
// out, and "" when none is.
QString progressDetailsText(const DownloadProgress& progress);

// A byte count such as "512 B" or "12.3 MiB".
QString sizeText(double bytes);
// A length of time such as "17 s", "3 min 25 s" or "1 h 2 min".
QString durationText(double seconds);
