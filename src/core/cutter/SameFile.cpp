#include "SameFile.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

// The path with its folder's links and ".." resolved; the file itself need not exist.
QString resolved(const QString& path) {
    const QFileInfo file(path);
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(file.absoluteFilePath())
                            : folder + "/" + file.fileName();
}

} // namespace

bool isSameFile(const QString& inputPath, const QString& outputPath) {
    struct stat input {};
    struct stat output {};
    if (::stat(QFile::encodeName(inputPath).constData(), &input) == 0 &&
        ::stat(QFile::encodeName(outputPath).constData(), &output) == 0)
        return input.st_dev == output.st_dev && input.st_ino == output.st_ino;
    // One of them is missing: only the same resolved path names the same file.
    return resolved(inputPath) == resolved(outputPath);
}
