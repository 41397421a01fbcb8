#include "IniText.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace {

constexpr QLatin1StringView byteArrayStart("@ByteArray(");

// A line of the file: from its first byte to its end, a '\r' before its '\n' left out.
struct LineRange {
    qsizetype start;
    qsizetype end;
};

// Where the key's last line in the general section is, and the end of that section's last line
// that is not blank, where a new line goes; neither when the file has no such line.
struct Place {
    std::optional<LineRange> line;
    std::optional<qsizetype> sectionEnd;
};

Place placeOf(QByteArrayView text, QByteArrayView name) {
    Place place;
    bool general = true; // lines before any section header belong to the general section
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView line = text.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArrayView trimmed = line.trimmed();
        if (trimmed.startsWith('['))
            general = trimmed == "[General]";
        if (general && !trimmed.isEmpty()) {
            place.sectionEnd = end;
            const qsizetype equals = line.indexOf('=');
            if (equals > 0 && line.first(equals).trimmed() == name)
                place.line = LineRange{start, start + line.size()};
        }
        start = end + 1;
    }
    return place;
}

int digitValue(char digit, int base) {
    const int value = digit >= '0' && digit <= '9'   ? digit - '0'
                      : digit >= 'a' && digit <= 'f' ? digit - 'a' + 10
                      : digit >= 'A' && digit <= 'F' ? digit - 'A' + 10
                                                     : -1;
    return value < base ? value : -1;
}

// Reads the escape whose backslash ends before i into value; returns where the text goes on.
// Numbers take every digit that follows (hence the writer escapes a digit after one).
qsizetype unescapeOne(QByteArrayView typed, qsizetype i, QString& value) {
    if (i >= typed.size())
        return i;
    const char kind = typed[i++];
    static constexpr std::pair<char, char> named[] = {
        {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
        {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    for (const auto& [letter, meant] : named) {
        if (kind == letter) {
            value += QLatin1Char(meant);
            return i;
        }
    }
    if (kind == 'x' || digitValue(kind, 8) >= 0) {
        const int base = kind == 'x' ? 16 : 8;
        auto code = char16_t(kind == 'x' ? 0 : kind - '0');
        const qsizetype first = i;
        for (int digit = 0; i < typed.size() && (digit = digitValue(typed[i], base)) >= 0; ++i)
            code = char16_t(code * base + digit);
        if (kind != 'x' || i > first)
            value += QChar(code);
        return i;
    }
    // A backslash before the line's end joins the next line; any other escape means nothing.
    const bool lineEnd = kind == '\n' || kind == '\r';
    if (lineEnd && i < typed.size() && (typed[i] == '\n' || typed[i] == '\r') && typed[i] != kind)
        ++i;
    return i;
}

// Unquoted text between two delimiters, decoded in place: UTF-16 is never longer than UTF-8.
void appendPlain(QString& value, QStringDecoder& utf8, QByteArrayView plain) {
    const qsizetype at = value.size();
    value.resize(at + plain.size());
    QChar* end = utf8.appendToBuffer(value.data() + at, plain);
    value.truncate(end - value.constData());
}

// The values typed text holds, as QSettings reads them: one, or several for a list. Commas
// outside quotes part the values; blanks around an unquoted value are not part of it.
QStringList valuesOf(QByteArrayView typed) {
    QStringList values;
    QString value;
    value.reserve(typed.size());
    QStringDecoder utf8(QStringDecoder::Utf8);
    bool inQuotes = false;
    bool quoted = false;
    qsizetype kept = 0; // blanks before here came from escapes or quotes, and stay
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < typed.size() && (typed[i] == ' ' || typed[i] == '\t'))
            ++i;
        kept = value.size();
    };
    const auto endValue = [&] {
        while (!quoted && value.size() > kept && (value.back() == u' ' || value.back() == u'\t'))
            value.chop(1);
        values.append(std::exchange(value, {}));
        quoted = false;
    };
    skipBlanks();
    while (i < typed.size()) {
        const char next = typed[i];
        if (next == '\\') {
            i = unescapeOne(typed, i + 1, value);
            kept = value.size();
        } else if (next == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (next == ',' && !inQuotes) {
            endValue();
            ++i;
            skipBlanks();
        } else {
            qsizetype end = i + 1;
            while (end < typed.size() && typed[end] != '\\' && typed[end] != '"' &&
                   typed[end] != ',')
                ++end;
            appendPlain(value, utf8, typed.sliced(i, end - i));
            i = end;
        }
    }
    endValue();
    return values;
}

const char* namedEscape(char16_t code) {
    switch (code) {
    case '\a':
        return "\\a";
    case '\b':
        return "\\b";
    case '\f':
        return "\\f";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    case '\v':
        return "\\v";
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    default:
        return nullptr;
    }
}

// A value's text escaped for its line. A string's other characters go as UTF-8; a byte
// array's bytes past ASCII go as numbers. Quotes keep separators and outer blanks.
template <typename Units> QByteArray escaped(const Units& units) {
    constexpr bool isString = std::is_same_v<Units, QString>;
    QByteArray out;
    out.reserve(units.size() + units.size() / 8 + 2);
    QStringEncoder utf8(QStringEncoder::Utf8);
    bool quotes = false;
    bool digitWouldJoin = false;
    for (const auto unit : units) {
        char16_t code = 0;
        if constexpr (isString)
            code = unit.unicode();
        else
            code = uchar(unit);
        quotes = quotes || code == ';' || code == ',' || code == '=';
        if (digitWouldJoin && code < 0x80 && digitValue(char(code), 16) >= 0) {
            out += "\\x" + QByteArray::number(uint(code), 16);
            continue;
        }
        digitWouldJoin = false;
        if (code == 0) {
            out += "\\0";
            digitWouldJoin = true;
        } else if (const char* name = namedEscape(code)) {
            out += name;
        } else if (code < 0x20 || (code >= 0x7f && !isString)) {
            out += "\\x" + QByteArray::number(uint(code), 16);
            digitWouldJoin = true;
        } else if (code >= 0x7f) {
            if constexpr (isString)
                out += QByteArray(utf8(QStringView(&unit, 1)));
        } else {
            out += char(code);
        }
    }
    if (quotes || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

} // namespace

namespace IniText {

std::optional<QByteArray> typed(QByteArrayView fileText, const QString& key) {
    const Place place = placeOf(fileText, key.toUtf8());
    if (!place.line)
        return std::nullopt;
    QByteArrayView line = fileText.sliced(place.line->start, place.line->end - place.line->start);
    qsizetype start = line.indexOf('=') + 1;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
        ++start;
    return line.sliced(start).toByteArray();
}

QByteArray withLine(QByteArrayView fileText, const QString& key, const QByteArrayView typed) {
    const QByteArray name = key.toUtf8();
    const QByteArray line = name + '=' + typed.toByteArray();
    const Place place = placeOf(fileText, name);
    QByteArray text;
    text.reserve(fileText.size() + line.size() + 12);
    if (place.line) {
        text.append(fileText.first(place.line->start)).append(line);
        text.append(fileText.sliced(place.line->end));
    } else if (place.sectionEnd) {
        text.append(fileText.first(*place.sectionEnd)).append('\n').append(line);
        text.append(*place.sectionEnd < fileText.size() ? fileText.sliced(*place.sectionEnd)
                                                        : QByteArrayView("\n"));
    } else {
        // As QSettings writes a new file: the general section first, sections apart by a line.
        text.append("[General]\n").append(line).append('\n');
        if (!fileText.isEmpty())
            text.append('\n').append(fileText);
    }
    return text;
}

QByteArray bytes(QByteArrayView typed) {
    const QStringList values = valuesOf(typed);
    const QString& value = values.first();
    if (values.size() != 1 || !value.startsWith(byteArrayStart) || !value.endsWith(u')'))
        return typed.toByteArray();
    return QStringView(value).sliced(byteArrayStart.size()).chopped(1).toLatin1();
}

QString string(QByteArrayView typed) {
    const QStringList values = valuesOf(typed);
    const QString& value = values.first();
    // A single "@" starts another type, "@(...)"; a string's own "@" is doubled.
    const bool otherType =
        value.startsWith(u'@') && !value.startsWith(u"@@") && value.endsWith(u')');
    if (values.size() != 1 || otherType)
        return QString::fromUtf8(typed);
    return value.startsWith(u"@@") ? value.sliced(1) : value;
}

QByteArray typedBytes(const QByteArray& value) {
    return escaped(QByteArray(byteArrayStart.latin1()) + value + ')');
}

QByteArray typedString(const QString& value) {
    return escaped(value.startsWith(u'@') ? u'@' + value : value);
}

} // namespace IniText
