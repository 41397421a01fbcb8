#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

void JsonWriter::beginArray() {
    beginValue();
    out += '[';
}

void JsonWriter::endArray() {
    out += ']';
    afterValue = true;
}

void JsonWriter::beginObject() {
    beginValue();
    out += '{';
}

void JsonWriter::endObject() {
    out += '}';
    afterValue = true;
}

void JsonWriter::name(QStringView text) {
    beginValue();
    appendQuoted(text);
    out += ':';
}

void JsonWriter::string(QStringView text) {
    beginValue();
    appendQuoted(text);
    afterValue = true;
}

void JsonWriter::number(double value) {
    if (!std::isfinite(value))
        throw std::invalid_argument("Unable to encode " + std::to_string(value) +
                                    " directly in JSON.");
    beginValue();
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
    out.append(buffer, result.ptr - buffer);
    afterValue = true;
}

// A comma separates a value or member from the one before it in the same array or
// object; a member's value follows its colon directly.
void JsonWriter::beginValue() {
    if (afterValue)
        out += ',';
    afterValue = false;
}

void JsonWriter::appendQuoted(QStringView text) {
    static const char hexDigits[] = "0123456789abcdef";
    out += '"';
    // UTF-8 bytes of characters beyond ASCII are all 0x80 or above, so scanning the
    // bytes finds exactly the characters that need escaping.
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '/':
            out += "\\/";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += hexDigits[c >> 4];
                out += hexDigits[c & 0xf];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}
