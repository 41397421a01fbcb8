#include "DownloaderOutput.h"

#include "DownloaderFailure.h"

#include <QRegularExpression>
#include <algorithm>
#include <utility>

namespace {

// The part of a line that matters here is at its start; LineSplitter cuts a longer one.
constexpr qsizetype longestLine = 4096;
constexpr qsizetype errorsKept = 3;

// What lies between prefix and suffix when the line is made of the three; an empty view
// otherwise, also when the two overlap ("[download] has already been downloaded").
QStringView between(QStringView line, QStringView prefix, QStringView suffix) {
    if (line.size() < prefix.size() + suffix.size() || !line.startsWith(prefix) ||
        !line.endsWith(suffix))
        return {};
    return line.sliced(prefix.size(), line.size() - prefix.size() - suffix.size());
}

// The file a line names, or an empty view.
QStringView namedFile(QStringView line) {
    for (const QStringView prefix :
         {QStringView(u"[download] Destination: "), QStringView(u"[ExtractAudio] Destination: ")}) {
        if (line.startsWith(prefix))
            return line.sliced(prefix.size());
    }
    if (const QStringView merged = between(line, u"[Merger] Merging formats into \"", u"\"");
        !merged.isEmpty())
        return merged;
    return between(line, u"[download] ", u" has already been downloaded");
}

// What a downloaded file holds, by the extension the downloader gives each kind of stream.
DownloadProgress::Content contentOf(QStringView name) {
    const QStringView extension = name.sliced(name.lastIndexOf(u'.') + 1);
    static constexpr QStringView audio[] = {u"m4a", u"mp3",  u"opus", u"ogg",  u"oga",
                                            u"aac", u"flac", u"wav",  u"weba", u"mka"};
    static constexpr QStringView video[] = {u"mp4", u"m4v", u"mkv", u"mov", u"flv", u"3gp", u"avi"};
    const auto among = [extension](const auto& list) {
        return std::any_of(std::begin(list), std::end(list), [extension](QStringView known) {
            return extension.compare(known, Qt::CaseInsensitive) == 0;
        });
    };
    if (among(audio))
        return DownloadProgress::Content::audio;
    if (among(video))
        return DownloadProgress::Content::video;
    return DownloadProgress::Content::unknown;
}

// The downloader ends some errors with advice to report them upstream or to update; the
// reason before it is what the user needs.
QString withoutAdvice(QString line) {
    static const QRegularExpression advice(
        R"((?:;\s*|\s+)(?:please report this issue|confirm you are on the latest version|)"
        R"(make sure you are using the latest version)\b.*$)",
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = advice.match(line);
    if (match.hasMatch())
        line.truncate(match.capturedStart());
    return line;
}

} // namespace

void DownloaderOutput::read(ToolRun::Stream stream, QStringView chunk) {
    if (stream == ToolRun::Stream::output)
        outputSplitter.feed(chunk, [this](QStringView line, LineSplitter::End) { readLine(line); });
    else
        errorSplitter.feed(chunk, [this](QStringView line, LineSplitter::End end) {
            readErrorStreamLine(line, end);
        });
}

void DownloaderOutput::end() {
    outputSplitter.finish([this](QStringView line, LineSplitter::End) { readLine(line); });
    errorSplitter.finish(
        [this](QStringView line, LineSplitter::End end) { readErrorStreamLine(line, end); });
    if (openError)
        keepError(*std::exchange(openError, std::nullopt));
}

std::optional<DownloadProgress> DownloaderOutput::takeProgress() {
    if (!latestProgressPart)
        return std::nullopt;
    std::optional<DownloadProgress> progress = DownloadProgress::fromLine(latestProgress);
    if (progress) {
        progress->part = latestProgressPart->number;
        progress->parts = latestProgressPart->count;
        progress->content = latestProgressPart->content;
    }
    latestProgressPart.reset();
    return progress;
}

void DownloaderOutput::readLine(QStringView line) {
    if (DownloadProgress::startsLikeProgress(line)) {
        // Kept in the same buffer, line after line.
        latestProgress.resize(0);
        latestProgress.append(line);
        latestProgressPart = part;
    } else if (line.startsWith(u"ERROR:")) {
        keepError(line.toString());
    } else if (line.startsWith(u"WARNING:")) {
        keepWarning(line);
    } else if (line.startsWith(u"[info] ") && line.contains(u": Downloading ")) {
        readFormats(line);
    } else if (const QStringView name = namedFile(line); !name.isEmpty()) {
        file = name.trimmed().toString();
        if (line.startsWith(u"[download] Destination: "))
            part = {part.number + 1, part.count, contentOf(file)};
    }
}

// The downloader ends an error line with "\n" only: a "\r" inside one, as in
// "ERROR: \r[download] Got error: ...", does not end it.
void DownloaderOutput::readErrorStreamLine(QStringView line, LineSplitter::End end) {
    const bool ended = end != LineSplitter::End::carriageReturn;
    if (openError) {
        if (!line.trimmed().isEmpty() && openError->size() < longestLine) {
            if (!openError->endsWith(u' '))
                *openError += u' ';
            *openError += line.first(std::min(line.size(), longestLine - openError->size()));
        }
        if (ended)
            keepError(*std::exchange(openError, std::nullopt));
    } else if (!ended && line.startsWith(u"ERROR:")) {
        openError = line.toString();
    } else {
        readLine(line);
    }
}

// "[info] ID: Downloading 1 format(s): 137+140": a video+audio format is downloaded in
// parts, one per format id.
void DownloaderOutput::readFormats(QStringView line) {
    static constexpr QStringView formats = u"format(s): ";
    const qsizetype at = line.indexOf(formats);
    if (at < 0)
        return;
    const QStringView ids = line.sliced(at + formats.size());
    part = {0, static_cast<int>(ids.count(u'+') + ids.count(u',')) + 1, {}};
}

void DownloaderOutput::keepError(const QString& line) {
    errorLines << withoutAdvice(line);
    if (errorLines.size() > errorsKept)
        errorLines.removeFirst();
}

void DownloaderOutput::keepWarning(QStringView line) {
    if (!DownloaderFailure::knows(line))
        return;
    warningLines << withoutAdvice(line.toString());
    if (warningLines.size() > errorsKept)
        warningLines.removeFirst();
}
