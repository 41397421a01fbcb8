#pragma once

#include <QString>
#include <QStringView>
#include <functional>

// Cuts one stream of text, read in chunks, into lines: "\n", "\r" and "\r\n" each end a
// line. A line cut between two reads is held and completed by the next read, so that it
// is read once, whole; a line is passed on as soon as its break is read, so a "\r\n" cut
// between two reads ends its line at the "\r", and its "\n" ends an empty line. A line
// keeps at most its first longestLine characters: a tool printing megabytes without a
// line break costs no more than that.
class LineSplitter {
public:
    // What ended a line: a lone "\r", a "\n" (with or without a "\r" before it), or the
    // end of the stream.
    enum class End { carriageReturn, lineFeed, stream };
    // Receives each line without its break; the text is valid during the call only.
    using LineHandler = std::function<void(QStringView line, End end)>;

    explicit LineSplitter(qsizetype longestLine = 4096)
        : longestLine(longestLine) {}

    // Passes on each line that chunk completes and holds the rest.
    void feed(QStringView chunk, const LineHandler& onLine);
    // The stream has ended: passes on the held line, if any.
    void finish(const LineHandler& onLine);

private:
    void hold(QStringView piece);

    qsizetype longestLine;
    QString held;
    // The last read ended with a "\r": a "\n" that begins the next read completes it.
    bool lastReturn = false;
};
