#include "DownloaderErrorLines.h"

void DownloaderErrorLines::read(QStringView chunk) {
    // Progress updates end with a carriage return alone.
    for (const QChar c : chunk) {
        if (c == u'\n' || c == u'\r')
            endLine();
        else
            pending += c;
    }
}

QString DownloaderErrorLines::reason() {
    endLine();
    return last.join('\n');
}

void DownloaderErrorLines::endLine() {
    const bool error = pending.startsWith(u"ERROR:");
    if (error && !inErrors)
        last.clear();
    if (error)
        last << pending.trimmed();
    if (!pending.isEmpty())
        inErrors = error;
    pending.clear();
}
