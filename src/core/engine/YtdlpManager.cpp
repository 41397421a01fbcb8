#include "YtdlpManager.h"

#include "DownloaderCommandLine.h"
#include "DownloaderOutput.h"
#include "YtdlpError.h"
#include "core/process/ToolRun.h"
#include "core/toolstore/ToolLocation.h"

#include <QDir>
#include <QFileInfo>

namespace {

// What the downloader keeps of a file it is writing: the file with ".part" (with
// "-Frag<n>" for each fragment) and its resume record. On a full disk they only take space,
// and a later download starts over once space is free.
void removePartialFile(const QString& folder, const QString& file) {
    if (file.isEmpty())
        return;
    const QFileInfo target(QDir(folder), file);
    QDir dir = target.dir();
    const QString part = target.fileName() + ".part";
    // Compared as text: a title's brackets would be read as a pattern.
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (entry == part || entry.startsWith(part + "-Frag") ||
            entry == target.fileName() + ".ytdl")
            dir.remove(entry);
    }
}

} // namespace

YtdlpManager::~YtdlpManager() {
    if (currentProcess)
        currentProcess->stop();
}

QCoro::Task<QString> YtdlpManager::downloadVideo(DownloadRequest request,
                                                 ProgressHandler progressHandler,
                                                 LogHandler logHandler) {
    // The system's own tools stand in for those the tools folder lacks.
    const std::optional<LocatedTool> downloader = ToolLocation::find(fileManager.ytDlpPath);
    if (!downloader)
        throw YtdlpError::ytDlpNotFound();
    const std::optional<LocatedTool> converter = ToolLocation::find(fileManager.ffmpegPath);
    if (!converter)
        throw YtdlpError::ffmpegNotFound();

    const QStringList arguments = DownloaderCommandLine::forDownload(request, converter->path);

    DownloaderOutput said;
    const auto deliver = [&said, logHandler, progressHandler](ToolRun::Stream stream,
                                                              const QString& text) {
        logHandler(text);
        said.read(stream, text);
        if (const auto progress = said.takeProgress())
            progressHandler(*progress);
    };
    ToolRun process({.program = downloader->path,
                     .arguments = arguments,
                     .workingDirectory = request.outputPath,
                     .read = ToolRun::Read::BothStreams,
                     .input = ToolRun::Input::Forwarded},
                    deliver);
    currentProcess = &process;

    co_await process.start();
    // From here on this manager may be gone (its window closed): touch only the frame.
    const int status = (co_await process.result()).status;
    said.end();
    if (status != 0) {
        //: Why a download failed: the downloader's exit status.
        YtdlpError error =
            YtdlpError::downloadFailed(YtdlpError::tr("Process exited with code %1").arg(status),
                                       said.errors(), said.warnings());
        if (error.failure().diskFull)
            removePartialFile(request.outputPath, said.finalFile());
        throw error;
    }
    co_return said.finalFile();
}

void YtdlpManager::stopDownload() {
    if (currentProcess)
        currentProcess->stop();
    currentProcess = nullptr;
}

bool YtdlpManager::hasTools() const {
    return ToolLocation::find(fileManager.ytDlpPath) && ToolLocation::find(fileManager.ffmpegPath);
}
