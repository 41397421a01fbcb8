#include "LineSplitter.h"

#include <algorithm>
#include <utility>

void LineSplitter::feed(QStringView chunk, const LineHandler& onLine) {
    if (chunk.isEmpty())
        return;
    qsizetype start = 0;
    if (std::exchange(lastReturn, false) && chunk.startsWith(u'\n')) {
        start = 1;
        onLine({}, End::lineFeed);
    }
    // Each kind of break is searched many characters at a time.
    qsizetype nextFeed = chunk.indexOf(u'\n', start);
    qsizetype nextReturn = chunk.indexOf(u'\r', start);
    while (nextFeed >= 0 || nextReturn >= 0) {
        const qsizetype at =
            nextFeed < 0 || (nextReturn >= 0 && nextReturn < nextFeed) ? nextReturn : nextFeed;
        const bool last = at == chunk.size() - 1;
        lastReturn = last && at == nextReturn;
        const bool twoCharacters = at == nextReturn && !last && chunk[at + 1] == u'\n';
        const End end = at == nextReturn && !twoCharacters ? End::carriageReturn : End::lineFeed;
        const QStringView line = chunk.sliced(start, at - start);
        if (held.isEmpty()) {
            onLine(line.first(std::min(line.size(), longestLine)), end);
        } else {
            hold(line);
            onLine(held, end);
            held.resize(0);
        }
        start = at + (twoCharacters ? 2 : 1);
        if (nextFeed >= 0 && nextFeed < start)
            nextFeed = chunk.indexOf(u'\n', start);
        if (nextReturn >= 0 && nextReturn < start)
            nextReturn = chunk.indexOf(u'\r', start);
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
