#include "YtdlpManager.h"

#include "DownloadChoices.h"
#include "DownloaderOutput.h"
#include "YtdlpError.h"
#include "core/process/ToolRun.h"
#include "core/toolstore/ToolLocation.h"

#include <array>

namespace {

struct FormatSelector {
    const char* quality;
    QStringList arguments;
};

const QString sortByCompatibility = "vcodec:h264,res,acodec:aac";

const std::array<FormatSelector, 9>& formatSelectors() {
    static const std::array<FormatSelector, 9> selectors{{
        {"Best", {"-f", "best"}},
        {"Highest Available", {"-f", "bestvideo+bestaudio"}},
        {"Lowest Available", {"-f", "worst"}},
        {"2160p", {"-f", "bestvideo[height<=2160]+bestaudio/best[height<=2160]"}},
        {"1440p", {"-f", "bestvideo[height<=1440]+bestaudio/best[height<=1440]"}},
        {"1080p",
         {"-S", sortByCompatibility, "-f", "bestvideo[height<=1080]+bestaudio/best[height<=1080]"}},
        {"720p",
         {"-S", sortByCompatibility, "-f", "bestvideo[height<=720]+bestaudio/best[height<=720]"}},
        {"480p",
         {"-S", sortByCompatibility, "-f", "bestvideo[height<=480]+bestaudio/best[height<=480]"}},
        {"360p",
         {"-S", sortByCompatibility, "-f", "bestvideo[height<=360]+bestaudio/best[height<=360]"}},
    }};
    return selectors;
}

QStringList formatSelector(const QString& videoQuality) {
    for (const FormatSelector& selector : formatSelectors()) {
        if (videoQuality == QLatin1String(selector.quality))
            return selector.arguments;
    }
    return {"-f", "bestvideo+bestaudio"};
}

} // namespace

YtdlpManager::~YtdlpManager() {
    if (currentProcess)
        currentProcess->stop();
}

QStringList YtdlpManager::buildArguments(const QString& format, const QString& videoQuality,
                                         const QString& audioQuality,
                                         bool downloadPlaylists) const {
    return argumentsFor(format, videoQuality, audioQuality, downloadPlaylists,
                        fileManager.ffmpegPath);
}

QStringList YtdlpManager::argumentsFor(const QString& format, const QString& videoQuality,
                                       const QString& audioQuality, bool downloadPlaylists,
                                       const QString& converter) {
    QStringList arguments{"-o", "%(title)s.%(ext)s", "--add-metadata"};
    if (!downloadPlaylists)
        arguments << "--no-playlist";
    if (DownloadChoices::isAudioFormat(format)) {
        arguments << "--embed-thumbnail"
                  << "--extract-audio"
                  << "--audio-format" << format.toLower() << "--audio-quality" << audioQuality
                  << "--convert-thumbnails"
                  << "jpg"
                  << "--ffmpeg-location" << converter;
    } else {
        arguments << "--merge-output-format"
                  << "mp4"
                  << "--postprocessor-args"
                  << "-c:v copy -c:a aac -b:a 192k"
                  << "--ffmpeg-location" << converter << formatSelector(videoQuality);
    }
    return arguments;
}

QCoro::Task<QString> YtdlpManager::downloadVideo(QString url, QString format, QString videoQuality,
                                                 QString audioQuality, QString outputPath,
                                                 bool downloadPlaylists,
                                                 ProgressHandler progressHandler,
                                                 LogHandler logHandler) {
    // The system's own tools stand in for those the tools folder lacks.
    const std::optional<LocatedTool> downloader = ToolLocation::find(fileManager.ytDlpPath);
    if (!downloader)
        throw YtdlpError::ytDlpNotFound();
    const std::optional<LocatedTool> converter = ToolLocation::find(fileManager.ffmpegPath);
    if (!converter)
        throw YtdlpError::ffmpegNotFound();

    // Only Morvi's own options steer the downloader: no configuration file from the
    // output folder, and the typed address can never be read as an option.
    const QStringList options =
        argumentsFor(format, videoQuality, audioQuality, downloadPlaylists, converter->path) +
        QStringList{"--ignore-config", "--", url};

    DownloaderOutput said;
    const auto deliver = [&said, logHandler, progressHandler](ToolRun::Stream stream,
                                                              const QString& text) {
        logHandler(text);
        said.read(stream, text);
        if (const auto progress = said.takeProgress())
            progressHandler(*progress);
    };
    ToolRun process({.program = downloader->path,
                     .arguments = options,
                     .workingDirectory = outputPath,
                     .read = ToolRun::Read::BothStreams,
                     .input = ToolRun::Input::Forwarded},
                    deliver);
    currentProcess = &process;

    co_await process.start();
    // From here on this manager may be gone (its window closed): touch only the frame.
    const int status = (co_await process.result()).status;
    said.end();
    if (status != 0)
        throw YtdlpError::downloadFailed(YtdlpError::tr("Process exited with code %1").arg(status),
                                         said.errors());
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
