#pragma once

#include <QString>
#include <QStringList>

// What one run of the downloader said that the main window reports afterwards: the
// file it wrote last and its last "ERROR:" lines. Fed the run's output chunk by chunk,
// as it arrives; a line split across chunks is read whole.
class DownloaderOutput {
public:
    void read(QStringView chunk);
    // Reads the last line, which no line break ended.
    void end();

    // The final file's name as the downloader printed it (relative to its working
    // folder unless absolute); "" when no line named one.
    QString finalFile() const { return file; }
    // The last few "ERROR:" lines, oldest first, without the advice to report the error.
    QStringList errors() const { return errorLines; }

private:
    void readLine(QStringView line);

    QString pending;
    QString file;
    QStringList errorLines;
};
