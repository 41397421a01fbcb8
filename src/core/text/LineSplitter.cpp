#include "LineSplitter.h"

#include <algorithm>
#include <utility>

namespace {

bool isPersonsBreak(char16_t c) {
    return (c >= u'\n' && c <= u'\r') || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// The line breaks of one text, found from left to right.
class BreakFinder {
public:
    // Where a break starts, and how many characters it takes ("\r\n" two); at -1 for none.
    struct Found {
        qsizetype at;
        qsizetype length;
    };

    BreakFinder(QStringView text, LineSplitter::Breaks breaks)
        : text(text)
        , breaks(breaks) {}

    // The first break at or after from.
    Found next(qsizetype from) {
        const qsizetype at =
            breaks == LineSplitter::Breaks::tool ? nextToolBreak(from) : nextPersonsBreak(from);
        if (at < 0)
            return {-1, 0};
        const bool pair = text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n';
        return {at, pair ? 2 : 1};
    }

private:
    // Each kind of break is searched many characters at a time; one found beyond the other
    // is kept for a later call.
    qsizetype nextToolBreak(qsizetype from) {
        if (nextFeed == -2 || (nextFeed >= 0 && nextFeed < from))
            nextFeed = text.indexOf(u'\n', from);
        if (nextReturn == -2 || (nextReturn >= 0 && nextReturn < from))
            nextReturn = text.indexOf(u'\r', from);
        if (nextFeed < 0 || nextReturn < 0)
            return std::max(nextFeed, nextReturn);
        return std::min(nextFeed, nextReturn);
    }

    qsizetype nextPersonsBreak(qsizetype from) const {
        const auto found = std::find_if(text.begin() + from, text.end(),
                                        [](QChar c) { return isPersonsBreak(c.unicode()); });
        return found == text.end() ? -1 : found - text.begin();
    }

    QStringView text;
    LineSplitter::Breaks breaks;
    qsizetype nextFeed = -2; // -2 until searched
    qsizetype nextReturn = -2;
};

} // namespace

void LineSplitter::feed(QStringView chunk, const LineHandler& onLine) {
    if (chunk.isEmpty())
        return;
    qsizetype start = 0;
    if (std::exchange(lastReturn, false) && chunk.startsWith(u'\n')) {
        start = 1;
        onLine({}, End::lineFeed);
    }
    BreakFinder breaks(chunk, Breaks::tool);
    for (auto found = breaks.next(start); found.at >= 0; found = breaks.next(start)) {
        const bool lone = chunk[found.at] == u'\r' && found.length == 1;
        lastReturn = lone && found.at == chunk.size() - 1;
        const End end = lone ? End::carriageReturn : End::lineFeed;
        const QStringView line = chunk.sliced(start, found.at - start);
        if (held.isEmpty()) {
            onLine(line.first(std::min(line.size(), longestLine)), end);
        } else {
            hold(line);
            onLine(held, end);
            held.resize(0);
        }
        start = found.at + found.length;
    }
    hold(chunk.sliced(start));
}

void LineSplitter::finish(const LineHandler& onLine) {
    if (!held.isEmpty())
        onLine(held, End::stream);
    held.resize(0);
    lastReturn = false;
}

void LineSplitter::hold(QStringView piece) {
    const qsizetype room = longestLine - held.size();
    if (room > 0)
        held += piece.first(std::min(piece.size(), room));
}

void LineSplitter::forEachLine(QStringView text, Breaks breaks,
                               const std::function<void(QStringView line)>& visit) {
    BreakFinder finder(text, breaks);
    qsizetype start = 0;
    for (auto found = finder.next(0); found.at >= 0; found = finder.next(start)) {
        visit(text.sliced(start, found.at - start));
        start = found.at + found.length;
    }
    if (start < text.size() || text.isEmpty())
        visit(text.sliced(start));
}

QString LineSplitter::appendedOnItsOwnLine(const QString& text, const QString& addition) {
    if (addition.isEmpty())
        return text;
    const bool needsBreak = !text.isEmpty() && !isPersonsBreak(text.back().unicode());
    return text + (needsBreak ? "\n" : "") + addition;
}
