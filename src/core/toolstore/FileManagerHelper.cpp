#include "FileManagerHelper.h"

#include "core/desktop/StandardFolders.h"
#include "core/diagnostics/Diagnostics.h"

#include <QFileInfo>
#include <filesystem>

namespace {
QString baseFolder() {
    return StandardFolders::userData() + "/Velnor";
}
} // namespace

FileManagerHelper::FileManagerHelper()
    : tempFolderPath(baseFolder() + "/temp")
    , ytDlpPath(baseFolder() + "/tools/yt-dlp")
    , ffmpegPath(baseFolder() + "/tools/ffmpeg")
    , toolsFolderPath(baseFolder() + "/tools")
    , jsRuntimePath(baseFolder() + "/tools/deno") {
    createDirectoriesIfNeeded();
}

void FileManagerHelper::createDirectoriesIfNeeded() const {
    const QString folders[] = {tempFolderPath, QFileInfo(ytDlpPath).path(),
                               QFileInfo(ffmpegPath).path()};
    for (const QString& folder : folders) {
        std::error_code error;
        std::filesystem::create_directories(folder.toStdString(), error);
        if (error) {
            Diagnostics::printLine("Failed to create directory " + folder + ": " +
                                   QString::fromStdString(error.message()));
        }
    }
}
