#include "TimeText.h"

#include "core/text/CLocaleNumber.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

double timeToSeconds(const QString& text) {
    const QStringList pieces = text.split(u':');
    if (pieces.size() != 3)
        return 0;
    const auto hours = readCLocaleNumber(pieces[0]);
    const auto minutes = readCLocaleNumber(pieces[1]);
    const auto seconds = readCLocaleNumber(pieces[2]);
    if (!hours || !minutes || !seconds)
        return 0;
    return *minutes * 60 + *hours * 3600 + *seconds;
}

QString formatTime(double seconds) {
    // Bounded so that the conversion to an integer is always defined; real lengths
    // stay far below the bound.
    const double bounded = std::isfinite(seconds) ? std::clamp(seconds, -1e15, 1e15) : 0.0;
    const auto t = static_cast<long long>(bounded);
    return QString::asprintf("%02lld:%02lld:%02lld", t / 3600, (t % 3600) / 60, t % 60);
}
