#pragma once

#include "DownloadProgress.h"
#include "core/process/ToolRun.h"
#include "core/text/LineSplitter.h"

#include <QString>
#include <QStringList>
#include <optional>

// What one run of the downloader says, read as its output arrives: its progress and which
// part of the download runs, the file it wrote last, its last "ERROR:" lines and the
// "WARNING:" lines that can explain a failure. Each
// stream is cut into lines of its own, and a line is read once it is complete.
class DownloaderOutput {
public:
    void read(ToolRun::Stream stream, QStringView chunk);
    // The run has ended: reads the last line of each stream, which no line break ended.
    void end();

    // The latest complete progress line read since the last call, with the part it
    // belongs to; nothing when none came. Only this one line is parsed, however many came.
    std::optional<DownloadProgress> takeProgress();
    // The final file's name as the downloader printed it (relative to its working
    // folder unless absolute); "" when no line named one.
    QString finalFile() const { return file; }
    // The last few "ERROR:" lines, oldest first, without the advice to report the error.
    QStringList errors() const { return errorLines; }
    // The last few "WARNING:" lines that DownloaderFailure knows, oldest first: the one that
    // explains a failure may come long before it, among many others.
    QStringList warnings() const { return warningLines; }

private:
    struct Part {
        int number = 0;
        int count = 0;
        DownloadProgress::Content content = DownloadProgress::Content::unknown;
    };

    void readLine(QStringView line);
    void readErrorStreamLine(QStringView line, LineSplitter::End end);
    void readFormats(QStringView line);
    void keepError(const QString& line);
    void keepWarning(QStringView line);

    LineSplitter outputSplitter;
    LineSplitter errorSplitter;
    QString latestProgress;
    std::optional<Part> latestProgressPart;
    Part part;
    QString file;
    QStringList errorLines;
    QStringList warningLines;
    // An "ERROR:" line of standard error that only a "\r" has ended so far: it runs on to
    // the next "\n".
    std::optional<QString> openError;
};
