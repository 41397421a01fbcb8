#include "StandardFolders.h"

#include <QStandardPaths>

QString StandardFolders::downloads() {
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::DownloadLocation);
    return folders.isEmpty() ? QString() : folders.first();
}

QString StandardFolders::userData() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}
