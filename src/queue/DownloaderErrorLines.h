#pragma once

#include <QString>
#include <QStringList>

// The downloader's last run of "ERROR:" lines in one download's output, read chunk by
// chunk as the output comes: why that download failed, in the downloader's words.
class DownloaderErrorLines {
public:
    void read(QStringView chunk);
    // The lines of the last run, one per line; "" when the output had none.
    QString reason();

private:
    void endLine();

    QString pending;
    QStringList last;
    bool inErrors = false;
};
