#include "CLocaleNumber.h"

#include <QVarLengthArray>
#include <charconv>

std::optional<double> readCLocaleNumber(QStringView text) {
    QVarLengthArray<char, 64> bytes;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return std::nullopt; // no number holds such a character
        bytes.append(static_cast<char>(c.unicode()));
    }
    // std::from_chars reads no sign "+" of its own; a second sign is no number.
    const char* begin = bytes.begin();
    if (begin != bytes.end() && *begin == '+' && ++begin != bytes.end() && *begin == '-')
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(begin, bytes.end(), value);
    if (error != std::errc() || end != bytes.end())
        return std::nullopt;
    return value;
}
