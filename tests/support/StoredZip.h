#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct ZipEntry {
    QString name;
    QByteArray content; // for a link, its target
    bool link = false;
};

// A zip archive of the given entries, stored without compression: files with the permissions
// rw-r--r-- (not executable), links as unzip recreates them. Enough for /usr/bin/unzip, and no
// zip program is needed.
QByteArray storedZip(const QList<ZipEntry>& entries);
