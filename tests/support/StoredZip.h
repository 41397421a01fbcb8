#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// A zip archive of the given files, stored without compression, each with the permissions
// rw-r--r-- (not executable). Enough for /usr/bin/unzip, and no zip program is needed.
QByteArray storedZip(const QList<std::pair<QString, QByteArray>>& files);
