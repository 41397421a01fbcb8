#include "TimeText.h"

#include "CLocaleNumber.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

std::optional<double> readClockTime(QStringView text) {
    const QList<QStringView> fields = text.split(u':');
    if (fields.size() > 3)
        return std::nullopt;
    double seconds = 0;
    for (const QStringView field : fields) {
        const std::optional<double> value = readCLocaleNumber(field);
        if (!value || !std::isfinite(*value) || *value < 0)
            return std::nullopt;
        seconds = seconds * 60 + *value;
    }
    return seconds;
}

bool isClockField(const QString& text) {
    static const QRegularExpression clock(
        QRegularExpression::anchoredPattern(R"(\d{2}:\d{2}:\d{2})"));
    return clock.match(text).hasMatch();
}

double timeToSeconds(const QString& text) {
    return text.count(u':') == 2 ? readClockTime(text).value_or(0) : 0;
}

QString formatTime(double seconds) {
    // Bounded so that the conversion to an integer is always defined; real lengths
    // stay far below the bound.
    const double bounded = std::isfinite(seconds) ? std::clamp(seconds, -1e15, 1e15) : 0.0;
    const auto t = static_cast<long long>(bounded);
    return QString::asprintf("%02lld:%02lld:%02lld", t / 3600, (t % 3600) / 60, t % 60);
}
