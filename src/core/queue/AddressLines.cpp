#include "AddressLines.h"

#include "core/text/StrictUtf8.h"

#include <QFile>
#include <QSet>

namespace {

bool isLineBreak(char16_t c) {
    return (c >= u'\n' && c <= u'\r') || c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool isAcceptedAddress(QStringView line) {
    return line.contains(u"http") && (line.contains(u"youtube.com") || line.contains(u"youtu.be"));
}

} // namespace

AddressLines::Sorted AddressLines::sort(QStringView text) {
    Sorted sorted;
    QSet<QStringView> seen;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && !isLineBreak(text[end].unicode()))
            ++end;
        const QStringView line = text.sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty())
            continue;
        if (!isAcceptedAddress(line))
            ++sorted.notAddresses;
        else if (seen.contains(line))
            ++sorted.repeated;
        else {
            seen.insert(line);
            sorted.addresses << line.toString();
        }
    }
    return sorted;
}

QStringList AddressLines::accepted(QStringView text) {
    return sort(text).addresses;
}

AddressLines::FileText AddressLines::readFile(const QString& path, qsizetype largeText) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return {{}, file.errorString()};
    const std::optional<QString> text = decodeStrictUtf8(bytes);
    if (!text)
        return {{}, "the file is not UTF-8 text"};
    if (text->size() >= largeText)
        return {accepted(*text).join('\n'), {}};
    return {*text, {}};
}
