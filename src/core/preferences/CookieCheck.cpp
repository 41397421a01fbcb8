#include "CookieCheck.h"

#include "core/text/LineSplitter.h"
#include "core/text/StrictUtf8.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// A browser's export holds a few thousand cookies; anything far larger is not such a file.
constexpr qint64 largestFile = 16 * 1024 * 1024;

bool isAsciiNumber(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool isAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// What the downloader reads without complaint: comments and blank lines, and cookies of seven
// fields parted by tabs, in ASCII (the request header takes no more), with a numeric or empty
// expiry, whose "include subdomains" flag agrees with the leading dot of their domain.
bool isReadable(QStringView line) {
    if (line.startsWith(u"#HttpOnly_"))
        line = line.sliced(10);
    if (line.startsWith(u'#') || line.trimmed().isEmpty())
        return true;
    const QList<QStringView> fields = line.split(u'\t');
    if (fields.size() != 7 || !isAsciiNumber(fields[4]) || !isAscii(line))
        return false;
    // Skipped by the downloader after the checks above.
    if (line.trimmed().startsWith(u'#') || line.trimmed().startsWith(u'$'))
        return true;
    return (fields[1] == u"TRUE") == fields[0].startsWith(u'.');
}

// The first line the downloader would refuse (1 for a missing header), or 0.
qsizetype firstUnreadableLine(const QString& text) {
    qsizetype number = 0, unreadable = 0;
    const auto check = [&](QStringView line, LineSplitter::End) {
        ++number;
        const bool fine = number == 1 ? line.startsWith(u"# Netscape HTTP Cookie File") ||
                                            line.startsWith(u"# HTTP Cookie File")
                                      : isReadable(line);
        if (!fine && unreadable == 0)
            unreadable = number;
    };
    LineSplitter lines(largestFile);
    lines.feed(text, check);
    lines.finish(check);
    return unreadable;
}

} // namespace

namespace CookieCheck {

std::optional<QString> fileProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("CookieCheck", "The cookies file %1 is not there.")
            .arg(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("CookieCheck", "The cookies file %1 cannot be read.")
            .arg(path);
    if (file.size() > largestFile)
        return QCoreApplication::translate("CookieCheck", "%1 is too large to be a cookies file.")
            .arg(path);
    const std::optional<QString> text = decodeStrictUtf8(file.readAll());
    const qsizetype line = text ? firstUnreadableLine(*text) : 1;
    if (line == 1)
        return QCoreApplication::translate("CookieCheck",
                                           "%1 is not a cookies.txt file: its first line must be "
                                           "\"# Netscape HTTP Cookie File\".")
            .arg(path);
    if (line > 1)
        return QCoreApplication::translate(
                   "CookieCheck",
                   "Line %1 of %2 is not a cookie in the cookies.txt format. Export the file "
                   "from your browser again.")
            .arg(line)
            .arg(path);
    return std::nullopt;
}

std::optional<QString> problem(const CookieSource& source) {
    switch (source.kind) {
    case CookieSource::Kind::browser:
        if (!source.profile.isEmpty() && !QFileInfo(source.profile).isDir())
            return QCoreApplication::translate("CookieCheck",
                                               "The browser profile %1 is not there any more.")
                .arg(source.profile);
        return std::nullopt;
    case CookieSource::Kind::file:
        return fileProblem(source.file);
    case CookieSource::Kind::none:
        break;
    }
    return std::nullopt;
}

} // namespace CookieCheck
