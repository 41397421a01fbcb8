#include "DownloaderCommandLine.h"

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

QStringList formatOptions(const FormatChoice& choice, const QString& converterPath) {
    if (choice.isAudio()) {
        return {"--embed-thumbnail",    "--extract-audio",
                "--audio-format",       choice.format.toLower(),
                "--audio-quality",      choice.audioQuality,
                "--convert-thumbnails", "jpg",
                "--ffmpeg-location",    converterPath};
    }
    return QStringList{"--merge-output-format", "mp4",
                       "--postprocessor-args",  "-c:v copy -c:a aac -b:a 192k",
                       "--ffmpeg-location",     converterPath} +
           formatSelector(choice.videoQuality);
}

// A profile given as a path (it holds a "/") is read from that folder, wherever it is: the
// downloader itself looks only in the browsers' usual folders, not in snap or Flatpak ones.
QStringList cookieOptions(const CookieSource& cookies) {
    switch (cookies.kind) {
    case CookieSource::Kind::browser:
        return {"--cookies-from-browser", cookies.profile.isEmpty()
                                              ? cookies.browser
                                              : cookies.browser + ':' + cookies.profile};
    case CookieSource::Kind::file:
        return {"--cookies", cookies.file};
    case CookieSource::Kind::none:
        break;
    }
    return {};
}

// The options that reach the sites, for every run that can reach one.
QStringList siteOptions(const DownloaderOptions& options) {
    QStringList arguments;
    if (!options.jsRuntime.isEmpty())
        arguments << "--js-runtimes" << options.jsRuntime;
    return arguments + cookieOptions(options.cookies);
}

QStringList ending(const QString& address) {
    return {"--ignore-config", "--", address};
}

} // namespace

namespace DownloaderCommandLine {

QStringList options(const DownloadRequest& request, const QString& converterPath) {
    QStringList arguments{"-o", "%(title)s.%(ext)s", "--add-metadata"};
    if (!request.downloadPlaylists)
        arguments << "--no-playlist";
    return arguments + formatOptions(request.choice, converterPath) + siteOptions(request.options);
}

QStringList forDownload(const DownloadRequest& request, const QString& converterPath) {
    return options(request, converterPath) + ending(request.url);
}

QStringList forDocument(const QStringList& runOptions, const DownloaderOptions& options,
                        const QString& address) {
    return runOptions + siteOptions(options) + ending(address);
}

} // namespace DownloaderCommandLine
