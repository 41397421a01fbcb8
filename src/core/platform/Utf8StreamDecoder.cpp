#include "Utf8StreamDecoder.h"

#include "StrictUtf8.h"

namespace {

// How many bytes at the end of bytes begin a character that needs more bytes than are there.
qsizetype incompleteTail(const QByteArray& bytes) {
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: its lead byte is further back
        if (byte < 0xC2 || byte > 0xF4)
            return 0; // a whole character, or a byte that never begins one
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        return length > back ? back : 0;
    }
    return 0;
}

} // namespace

std::optional<QString> Utf8StreamDecoder::decode(const QByteArray& chunk) {
    QByteArray bytes = carried + chunk;
    const qsizetype tail = incompleteTail(bytes);
    carried = bytes.last(tail);
    bytes.chop(tail);
    if (bytes.isEmpty())
        return std::nullopt;
    return decodeStrictUtf8(bytes).value_or(QString());
}

std::optional<QString> Utf8StreamDecoder::finish() {
    if (carried.isEmpty())
        return std::nullopt;
    carried.clear();
    return QString();
}
