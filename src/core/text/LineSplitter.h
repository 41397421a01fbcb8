#pragma once

#include <QString>
#include <QStringView>
#include <functional>

// Where lines end, the one rule for every text Morvi reads. "\n", "\r" and "\r\n" end a line
// of any text. Text a person gives (typed, pasted, dropped or loaded from a file) is also
// ended by the other Unicode line separators: vertical tab, form feed, U+0085, U+2028 and
// U+2029. A tool's output holds those inside its lines (a title may carry them), so there
// they end none.
//
// An object cuts one stream of a tool's output, read in chunks, into lines. A line cut
// between two reads is held and completed by the next read, so that it is read once, whole;
// a line is passed on as soon as its break is read, so a "\r\n" cut between two reads ends
// its line at the "\r", and its "\n" ends an empty line. A line keeps at most its first
// longestLine characters: a tool printing megabytes without a line break costs no more
// than that.
class LineSplitter {
public:
    // What ended a line: a lone "\r", a "\n" (with or without a "\r" before it), or the
    // end of the stream.
    enum class End { carriageReturn, lineFeed, stream };
    // Receives each line without its break; the text is valid during the call only.
    using LineHandler = std::function<void(QStringView line, End end)>;
    // Whose text it is: which characters end its lines.
    enum class Breaks { tool, person };

    explicit LineSplitter(qsizetype longestLine = 4096)
        : longestLine(longestLine) {}

    // Passes on each line that chunk completes and holds the rest.
    void feed(QStringView chunk, const LineHandler& onLine);
    // The stream has ended: passes on the held line, if any.
    void finish(const LineHandler& onLine);

    // Calls visit with each line of a whole text, without its break; the break that ends
    // the text adds no empty last line.
    static void forEachLine(QStringView text, Breaks breaks,
                            const std::function<void(QStringView line)>& visit);
    // The text with addition after it, on a line of its own, so that it never runs on from
    // a line typed before it.
    static QString appendedOnItsOwnLine(const QString& text, const QString& addition);

private:
    void hold(QStringView piece);

    qsizetype longestLine;
    QString held;
    // The last read ended with a "\r": a "\n" that begins the next read completes it.
    bool lastReturn = false;
};
