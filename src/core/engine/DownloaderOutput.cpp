#include "DownloaderOutput.h"

#include <QRegularExpression>

namespace {

// The part of a line that matters here is at its start; a longer line is cut, so that a
// tool printing megabytes without a line break costs no more than this.
constexpr qsizetype longestLine = 4096;
constexpr qsizetype errorsKept = 3;

// The file a line names, or an empty view.
QStringView namedFile(QStringView line) {
    for (const QStringView prefix :
         {QStringView(u"[download] Destination: "), QStringView(u"[ExtractAudio] Destination: ")}) {
        if (line.startsWith(prefix))
            return line.sliced(prefix.size());
    }
    static constexpr QStringView merging = u"[Merger] Merging formats into \"";
    if (line.startsWith(merging) && line.endsWith(u'"'))
        return line.sliced(merging.size()).chopped(1);
    static constexpr QStringView kept = u"[download] ";
    static constexpr QStringView already = u" has already been downloaded";
    if (line.startsWith(kept) && line.endsWith(already))
        return line.sliced(kept.size()).chopped(already.size());
    return {};
}

// The downloader ends some errors with advice to report them upstream or to update; the
// reason before it is what the user needs.
QString withoutAdvice(QString line) {
    static const QRegularExpression advice(
        R"((?:;\s*|\s+)(?:please report this issue|confirm you are on the latest version|)"
        R"(make sure you are using the latest version)\b.*$)",
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = advice.match(line);
    if (match.hasMatch())
        line.truncate(match.capturedStart());
    return line;
}

} // namespace

void DownloaderOutput::read(QStringView chunk) {
    qsizetype start = 0;
    // Each kind of line break is searched many characters at a time.
    qsizetype feed = chunk.indexOf(u'\n');
    qsizetype carriageReturn = chunk.indexOf(u'\r');
    while (feed >= 0 || carriageReturn >= 0) {
        const qsizetype at = feed < 0             ? carriageReturn
                             : carriageReturn < 0 ? feed
                                                  : std::min(feed, carriageReturn);
        if (pending.isEmpty()) {
            readLine(chunk.sliced(start, at - start));
        } else {
            pending += chunk.sliced(start, std::min(at - start, longestLine));
            readLine(pending);
            pending.clear();
        }
        start = at + 1;
        if (at == feed)
            feed = chunk.indexOf(u'\n', start);
        if (at == carriageReturn)
            carriageReturn = chunk.indexOf(u'\r', start);
    }
    const qsizetype room = longestLine - pending.size();
    if (room > 0)
        pending += chunk.sliced(start, std::min(chunk.size() - start, room));
}

void DownloaderOutput::end() {
    readLine(pending);
    pending.clear();
}

void DownloaderOutput::readLine(QStringView line) {
    if (line.startsWith(u"ERROR:")) {
        errorLines << withoutAdvice(line.left(longestLine).toString());
        if (errorLines.size() > errorsKept)
            errorLines.removeFirst();
    } else if (const QStringView name = namedFile(line); !name.isEmpty()) {
        file = name.trimmed().toString();
    }
}
