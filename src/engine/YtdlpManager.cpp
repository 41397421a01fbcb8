#include "YtdlpManager.h"

#include "DownloadChoices.h"
#include "YtdlpError.h"
#include "platform/ToolRun.h"

#include <QFileInfo>
#include <QVarLengthArray>
#include <array>
#include <clocale>
#include <cstdlib>

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

bool isLineBreak(char16_t c) {
    if (c > u'\r')
        return c == 0x85 || c == 0x2028 || c == 0x2029;
    return c >= u'\n';
}

bool isWordBreak(char16_t c) {
    if (c < 0x80)
        return c == u' ' || c == u'\t';
    return QChar::category(c) == QChar::Separator_Space;
}

// Reads the whole text as a number the way strtod does in the C locale, whatever the
// user's locale says about decimal separators.
std::optional<double> parseNumber(QStringView text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    QVarLengthArray<char, 64> bytes;
    for (const QChar c : text) {
        if (c.unicode() == 0 || c.unicode() >= 0x80)
            return std::nullopt; // no number holds such a character
        bytes.append(static_cast<char>(c.unicode()));
    }
    if (bytes.isEmpty())
        return std::nullopt;
    bytes.append('\0');
    char* end = nullptr;
    const double value = strtod_l(bytes.constData(), &end, cLocale);
    if (end != bytes.constData() + bytes.size() - 1)
        return std::nullopt;
    return value;
}

// The first word of the line that ends in "%" and is a number before it. Words are found
// from their "%" backwards, so the rest of the line is never split.
std::optional<double> percentageOf(QStringView line) {
    for (qsizetype percent = line.indexOf(u'%'); percent >= 0;
         percent = line.indexOf(u'%', percent + 1)) {
        const bool endsWord =
            percent + 1 == line.size() || isWordBreak(line[percent + 1].unicode());
        if (!endsWord)
            continue;
        qsizetype start = percent;
        while (start > 0 && !isWordBreak(line[start - 1].unicode()))
            --start;
        if (const auto value = parseNumber(line.sliced(start, percent - start)))
            return value;
    }
    return std::nullopt;
}

} // namespace

YtdlpManager::~YtdlpManager() {
    if (currentProcess)
        currentProcess->stop();
}

QStringList YtdlpManager::buildArguments(const QString& format, const QString& videoQuality,
                                         const QString& audioQuality,
                                         bool downloadPlaylists) const {
    QStringList arguments{"-o", "%(title)s.%(ext)s", "--add-metadata"};
    if (!downloadPlaylists)
        arguments << "--no-playlist";
    if (DownloadChoices::isAudioFormat(format)) {
        arguments << "--embed-thumbnail"
                  << "--extract-audio"
                  << "--audio-format" << format.toLower() << "--audio-quality" << audioQuality
                  << "--convert-thumbnails"
                  << "jpg"
                  << "--ffmpeg-location" << fileManager.ffmpegPath;
    } else {
        arguments << "--merge-output-format"
                  << "mp4"
                  << "--postprocessor-args"
                  << "-c:v copy -c:a aac -b:a 192k"
                  << "--ffmpeg-location" << fileManager.ffmpegPath << formatSelector(videoQuality);
    }
    return arguments;
}

QCoro::Task<> YtdlpManager::downloadVideo(QString url, QString format, QString videoQuality,
                                          QString audioQuality, QString outputPath,
                                          bool downloadPlaylists, ProgressHandler progressHandler,
                                          LogHandler logHandler) {
    if (!QFileInfo::exists(fileManager.ytDlpPath))
        throw YtdlpError::ytDlpNotFound();
    if (!QFileInfo::exists(fileManager.ffmpegPath))
        throw YtdlpError::ffmpegNotFound();

    // Only Morvi's own options steer the downloader: no configuration file from the
    // output folder, and the typed address can never be read as an option.
    QStringList arguments = buildArguments(format, videoQuality, audioQuality, downloadPlaylists);
    arguments << "--ignore-config"
              << "--" << url;

    const auto deliver = [logHandler, progressHandler](const QString& text) {
        logHandler(text);
        processOutput(text, progressHandler);
    };
    ToolRun process({.program = fileManager.ytDlpPath,
                     .arguments = arguments,
                     .workingDirectory = outputPath,
                     .read = ToolRun::Read::BothStreams,
                     .input = ToolRun::Input::Forwarded},
                    deliver);
    currentProcess = &process;

    co_await process.start();
    // From here on this manager may be gone (its window closed): touch only the frame.
    const int status = (co_await process.result()).status;
    if (status != 0)
        throw YtdlpError::downloadFailed("Process exited with code " + QString::number(status));
}

void YtdlpManager::stopDownload() {
    if (currentProcess)
        currentProcess->stop();
    currentProcess = nullptr;
}

void YtdlpManager::processOutput(QStringView text, const ProgressHandler& progressHandler) {
    // Only lines that hold the tag matter: find each tag, then the line around it.
    static constexpr QStringView tag = u"[download]";
    qsizetype from = 0;
    for (qsizetype found = text.indexOf(tag); found >= 0; found = text.indexOf(tag, from)) {
        qsizetype start = found;
        while (start > from && !isLineBreak(text[start - 1].unicode()))
            --start;
        qsizetype end = found + tag.size();
        while (end < text.size() && !isLineBreak(text[end].unicode()))
            ++end;
        if (const auto value = percentageOf(text.sliced(start, end - start))) {
            DownloadProgress progress;
            progress.percent = *value;
            progressHandler(progress);
        }
        from = end;
    }
}
