#include "AddressLines.h"

#include "core/text/LineSplitter.h"
#include "core/text/StrictUtf8.h"

#include <QFile>
#include <QSet>

namespace {

bool isAcceptedAddress(QStringView line) {
    return line.contains(u"http") && (line.contains(u"youtube.com") || line.contains(u"youtu.be"));
}

} // namespace

AddressLines::Sorted AddressLines::sort(QStringView text) {
    Sorted sorted;
    QSet<QStringView> seen;
    LineSplitter::forEachLine(text, LineSplitter::Breaks::person, [&](QStringView untrimmed) {
        const QStringView line = untrimmed.trimmed();
        if (line.isEmpty())
            return;
        if (!isAcceptedAddress(line))
            sorted.refused << line.toString();
        else if (seen.contains(line))
            ++sorted.repeated;
        else {
            seen.insert(line);
            sorted.addresses << line.toString();
        }
    });
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
