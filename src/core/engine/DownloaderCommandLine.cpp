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

// Today's choices give today's lines: "--add-metadata" brings the chapters along.
QStringList metadataOptions(const DownloadOptions& chosen) {
    if (chosen.embedMetadata)
        return chosen.wantsChapters() ? QStringList{"--add-metadata"}
                                      : QStringList{"--add-metadata", "--no-embed-chapters"};
    return chosen.wantsChapters() ? QStringList{"--embed-chapters"} : QStringList{};
}

QStringList audioOptions(const FormatChoice& choice, const DownloadOptions& chosen,
                         const QString& converterPath) {
    QStringList arguments;
    if (chosen.audioCover)
        arguments << "--embed-thumbnail";
    arguments << "--extract-audio"
              << "--audio-format" << choice.format.toLower() << "--audio-quality"
              << choice.audioQuality;
    if (chosen.audioCover)
        arguments << "--convert-thumbnails"
                  << "jpg";
    return arguments << "--ffmpeg-location" << converterPath;
}

QStringList subtitleOptions(const DownloadOptions& chosen) {
    if (chosen.subtitles == DownloadOptions::Subtitles::off || chosen.subtitleLanguages.isEmpty())
        return {};
    QStringList arguments{"--write-subs"};
    if (chosen.automaticCaptions)
        arguments << "--write-auto-subs";
    arguments << "--sub-langs" << chosen.subtitleLanguages;
    // The files are deleted once embedded: "--write-subs" alone would keep them.
    if (chosen.subtitles == DownloadOptions::Subtitles::embedded)
        return arguments << "--embed-subs"
                         << "--compat-options"
                         << "no-keep-subs";
    return arguments << "--convert-subs"
                     << "srt";
}

QStringList videoOptions(const FormatChoice& choice, const DownloadOptions& chosen,
                         const QString& converterPath) {
    QStringList arguments{"--merge-output-format", "mp4",
                          "--postprocessor-args",  "-c:v copy -c:a aac -b:a 192k",
                          "--ffmpeg-location",     converterPath};
    arguments += formatSelector(choice.videoQuality);
    if (chosen.videoThumbnail)
        arguments << "--embed-thumbnail";
    return arguments + subtitleOptions(chosen);
}

// Whole seconds are written without a fraction; the downloader reads the C locale's numbers.
QString sectionText(const MediaSection& section) {
    const QString end = section.end ? QString::number(*section.end) : QString("inf");
    return '*' + QString::number(section.start) + '-' + end;
}

QStringList transferOptions(const DownloadRequest& request) {
    const DownloadOptions& chosen = request.download;
    QStringList arguments;
    if (chosen.rateLimitKiB > 0)
        arguments << "-r" << QString::number(chosen.rateLimitKiB) + 'K';
    if (request.section)
        arguments << "--download-sections" << sectionText(*request.section);
    if (chosen.sponsorBlock != DownloadOptions::SponsorBlock::off &&
        !chosen.sponsorCategories.isEmpty())
        arguments << (chosen.sponsorBlock == DownloadOptions::SponsorBlock::mark
                          ? "--sponsorblock-mark"
                          : "--sponsorblock-remove")
                  << chosen.sponsorCategories.join(',');
    return arguments;
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
    const DownloadOptions& chosen = request.download;
    QStringList arguments = QStringList{"-o", chosen.fileNameTemplate} + metadataOptions(chosen);
    if (!request.downloadPlaylists)
        arguments << "--no-playlist";
    if (chosen.restrictFileNames)
        arguments << "--restrict-filenames";
    arguments += request.choice.isAudio() ? audioOptions(request.choice, chosen, converterPath)
                                          : videoOptions(request.choice, chosen, converterPath);
    return arguments + transferOptions(request) + siteOptions(request.options);
}

QStringList forDownload(const DownloadRequest& request, const QString& converterPath) {
    return options(request, converterPath) + ending(request.url);
}

QStringList forDocument(const QStringList& runOptions, const DownloaderOptions& options,
                        const QString& address) {
    return runOptions + siteOptions(options) + ending(address);
}

} // namespace DownloaderCommandLine
