#include "TimeText.h"

#include <QStringList>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

// The whole piece as a number, read in the C locale so that a user's locale with a
// decimal comma changes nothing; leading white space is not a number either.
std::optional<double> readNumber(const QString& piece) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const QByteArray bytes = piece.toLatin1();
    if (bytes.isEmpty() || std::isspace(static_cast<unsigned char>(bytes.front())))
        return std::nullopt;
    char* end = nullptr;
    const double value = strtod_l(bytes.constData(), &end, cLocale);
    if (end != bytes.constData() + bytes.size())
        return std::nullopt;
    return value;
}

} // namespace

double timeToSeconds(const QString& text) {
    const QStringList pieces = text.split(u':');
    if (pieces.size() != 3)
        return 0;
    const auto hours = readNumber(pieces[0]);
    const auto minutes = readNumber(pieces[1]);
    const auto seconds = readNumber(pieces[2]);
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
