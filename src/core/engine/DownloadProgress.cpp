#include "DownloadProgress.h"

#include <QStringList>
#include <cmath>

QString sizeText(double bytes) {
    static const char* const units[] = {"KiB", "MiB", "GiB", "TiB"};
    if (bytes < 1024)
        return QString::number(std::floor(bytes), 'f', 0) + " B";
    int unit = -1;
    while (bytes >= 1024 && unit < 3) {
        bytes /= 1024;
        ++unit;
    }
    return QString::number(bytes, 'f', 1) + " " + units[unit];
}

QString durationText(double seconds) {
    const qint64 whole = std::llround(seconds);
    if (whole < 60)
        return QString::number(whole) + " s";
    if (whole < 3600)
        return QString("%1 min %2 s").arg(whole / 60).arg(whole % 60);
    return QString("%1 h %2 min").arg(whole / 3600).arg(whole % 3600 / 60);
}

namespace {

bool usable(const std::optional<double>& value) {
    return value && std::isfinite(*value) && *value >= 0 && *value < 1e18;
}

} // namespace

QString progressDetailsText(const DownloadProgress& progress) {
    QStringList parts;
    if (usable(progress.totalBytes)) {
        const QString total =
            (progress.totalIsEstimate ? "~" : "") + sizeText(*progress.totalBytes);
        if (std::isfinite(progress.percent) && progress.percent >= 0 && progress.percent <= 100)
            parts << sizeText(*progress.totalBytes * progress.percent / 100) + " of " + total;
        else
            parts << total;
    }
    if (usable(progress.bytesPerSecond))
        parts << sizeText(*progress.bytesPerSecond) + "/s";
    if (usable(progress.secondsLeft))
        parts << durationText(*progress.secondsLeft) + " left";
    return parts.join(u" · ");
}
