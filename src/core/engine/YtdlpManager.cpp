#include "YtdlpManager.h"

#include "DownloadChoices.h"
#include "YtdlpError.h"
#include "core/platform/CLocaleNumber.h"
#include "core/platform/ToolRun.h"
#include "core/tools/ToolLocation.h"

#include <algorithm>
#include <array>
#include <cmath>

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

// The words of one line, blanks skipped: consecutive blanks make no word of their own.
class Words {
public:
    explicit Words(QStringView line)
        : line(line) {}

    QStringView next() {
        while (at < line.size() && isWordBreak(line[at].unicode()))
            ++at;
        const qsizetype start = at;
        while (at < line.size() && !isWordBreak(line[at].unicode()))
            ++at;
        return line.sliced(start, at - start);
    }

private:
    QStringView line;
    qsizetype at = 0;
};

// What a unit such as "MiB" or "kB" counts: binary units 1024, decimal ones 1000, as
// the downloader means them; 0 for what is no unit.
double unitFactor(QStringView unit) {
    static constexpr char16_t prefixes[] = u"KMGTPE";
    const auto power = [](char16_t prefix) {
        const char16_t* found = std::char_traits<char16_t>::find(prefixes, 6, prefix);
        return found ? static_cast<int>(found - prefixes) + 1 : 0;
    };
    if (unit == u"B")
        return 1;
    if (unit.size() == 3 && unit[1] == u'i' && unit[2] == u'B' && power(unit[0].unicode()))
        return std::ldexp(1.0, 10 * power(unit[0].unicode()));
    const char16_t prefix = unit.size() == 2 ? unit[0].unicode() : 0;
    if (unit.size() == 2 && unit[1] == u'B' && (prefix == u'k' || power(prefix)))
        return std::pow(1000.0, prefix == u'k' ? 1 : power(prefix));
    return 0;
}

// A size such as "14.74MiB", "512B" or "1.2MB"; "Unknown", "N/A" and the like give
// nothing.
std::optional<double> byteCount(QStringView word) {
    qsizetype unitStart = word.size();
    while (unitStart > 0 && word[unitStart - 1].isLetter())
        --unitStart;
    const double factor = unitFactor(word.sliced(unitStart));
    const auto number = factor > 0 ? readCLocaleNumber(word.first(unitStart)) : std::nullopt;
    if (number && std::isfinite(*number) && *number >= 0)
        return *number * factor;
    return std::nullopt;
}

// A time left such as "00:17" or "01:02:03"; "Unknown" and "--:--:--" give nothing.
std::optional<double> duration(QStringView word) {
    if (word.isEmpty())
        return std::nullopt;
    double seconds = 0;
    int fields = 0;
    qsizetype at = 0;
    while (at <= word.size()) {
        qsizetype colon = word.indexOf(u':', at);
        if (colon < 0)
            colon = word.size();
        const QStringView field = word.sliced(at, colon - at);
        if (field.isEmpty() || ++fields > 3)
            return std::nullopt;
        double value = 0;
        for (const QChar c : field) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = value * 10 + (c.unicode() - u'0');
        }
        seconds = seconds * 60 + value;
        at = colon + 1;
    }
    return seconds;
}

// The size, speed and time left that follow the percentage, in any order the
// downloader writes them ("of [~]SIZE", "at SPEED/s", "ETA TIME"); the rest is passed over.
void readDetails(Words& words, DownloadProgress& progress) {
    for (QStringView word = words.next(); !word.isEmpty(); word = words.next()) {
        if (word == u"of") {
            QStringView size = words.next();
            const bool estimate = size.startsWith(u'~');
            if (size == u"~")
                size = words.next();
            else if (estimate)
                size = size.sliced(1);
            progress.totalBytes = byteCount(size);
            progress.totalIsEstimate = estimate && progress.totalBytes;
        } else if (word == u"at") {
            const QStringView speed = words.next();
            if (speed.endsWith(u"/s"))
                progress.bytesPerSecond = byteCount(speed.chopped(2));
        } else if (word == u"ETA") {
            progress.secondsLeft = duration(words.next());
        }
    }
}

// What a "[download]" line says after its tag: nothing unless the first word there is
// a number followed by "%" (a file name holding "50%" further on is no progress).
std::optional<DownloadProgress> progressAfterTag(QStringView rest) {
    Words words(rest);
    // The rest of the word that holds the tag belongs to the tag.
    if (!rest.isEmpty() && !isWordBreak(rest[0].unicode()))
        words.next();
    const QStringView first = words.next();
    if (!first.endsWith(u'%'))
        return std::nullopt;
    const auto percent = readCLocaleNumber(first.chopped(1));
    if (!percent)
        return std::nullopt;
    DownloadProgress progress;
    progress.percent = *percent;
    readDetails(words, progress);
    return progress;
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
    // The system's own tools stand in for those the tools folder lacks.
    const std::optional<LocatedTool> downloader = ToolLocation::find(fileManager.ytDlpPath);
    if (!downloader)
        throw YtdlpError::ytDlpNotFound();
    const std::optional<LocatedTool> converter = ToolLocation::find(fileManager.ffmpegPath);
    if (!converter)
        throw YtdlpError::ffmpegNotFound();

    // Only Morvi's own options steer the downloader: no configuration file from the
    // output folder, and the typed address can never be read as an option.
    QStringList arguments = buildArguments(format, videoQuality, audioQuality, downloadPlaylists);
    arguments[arguments.indexOf("--ffmpeg-location") + 1] = converter->path;
    arguments << "--ignore-config"
              << "--" << url;

    const auto deliver = [logHandler, progressHandler](const QString& text) {
        logHandler(text);
        processOutput(text, progressHandler);
    };
    ToolRun process({.program = downloader->path,
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

bool YtdlpManager::hasTools() const {
    return ToolLocation::find(fileManager.ytDlpPath) && ToolLocation::find(fileManager.ffmpegPath);
}

void YtdlpManager::processOutput(QStringView text, const ProgressHandler& progressHandler) {
    // Only lines that hold the tag matter: find each tag, then the rest of its line.
    static constexpr QStringView tag = u"[download]";
    qsizetype from = 0;
    for (qsizetype found = text.indexOf(tag); found >= 0; found = text.indexOf(tag, from)) {
        const qsizetype after = found + tag.size();
        qsizetype end = after;
        while (end < text.size() && !isLineBreak(text[end].unicode()))
            ++end;
        if (const auto progress = progressAfterTag(text.sliced(after, end - after)))
            progressHandler(*progress);
        from = end;
    }
}
