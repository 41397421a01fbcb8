#include "CLocaleNumber.h"

#include <QVarLengthArray>
#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>

namespace {

// Plain decimals such as "42.7" (the downloader's every number) without strtod: up to
// 15 digits over a power of ten up to 1e22, both exact, so the one division rounds
// exactly as strtod does.
std::optional<double> plainDecimal(QStringView text) {
    static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::int64_t digits = 0;
    int count = 0;
    int fraction = -1;
    for (const QChar c : text) {
        if (c == u'.' && fraction < 0) {
            fraction = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || ++count > 15)
            return std::nullopt;
        digits = digits * 10 + (c.unicode() - u'0');
        if (fraction >= 0)
            ++fraction;
    }
    if (count == 0 || fraction > 22)
        return std::nullopt;
    return static_cast<double>(digits) / powers[std::max(fraction, 0)];
}

} // namespace

std::optional<double> readCLocaleNumber(QStringView text) {
    if (const auto plain = plainDecimal(text))
        return plain;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    QVarLengthArray<char, 64> bytes;
    for (const QChar c : text) {
        if (c.unicode() == 0 || c.unicode() >= 0x80)
            return std::nullopt; // no number holds such a character
        bytes.append(static_cast<char>(c.unicode()));
    }
    if (bytes.isEmpty() || std::isspace(static_cast<unsigned char>(bytes.front())))
        return std::nullopt;
    bytes.append('\0');
    char* end = nullptr;
    const double value = strtod_l(bytes.constData(), &end, cLocale);
    if (end != bytes.constData() + bytes.size() - 1)
        return std::nullopt;
    return value;
}
