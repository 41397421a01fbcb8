#include "MediaCutterViewModel.h"

#include "CutProgress.h"
#include "MediaCutterError.h"
#include "SameFile.h"
#include "core/desktop/Dialogs.h"
#include "core/desktop/StandardFolders.h"
#include "core/diagnostics/Failure.h"
#include "core/media/MediaProbe.h"
#include "core/model/AssignProperty.h"
#include "core/model/LogModel.h"
#include "core/process/ToolRun.h"
#include "core/text/LineSplitter.h"
#include "core/text/TimeText.h"
#include "core/toolstore/ToolLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QUrl>
#include <cmath>

namespace {

const QString mediaFilePatterns =
    "*.mp4 *.m4v *.mov *.mkv *.webm *.avi *.mpg *.mpeg *.ts *.mts "
    "*.m2ts *.flv *.wmv *.3gp *.ogv *.mp3 *.m4a *.aac *.wav *.flac *.ogg *.oga *.opus *.wma "
    "*.aif *.aiff *.mka";

// The file name without its last extension; a leading dot does not start one.
QString withoutLastExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

// The converter also ends with status 0 when it copied nothing: a start past the end of
// the file leaves an output without streams, and a range without a keyframe loses the
// video of a stream copy. Neither may pass for a complete cut: an empty output fails,
// lost video gives the note returned for the log.
QCoro::Task<QString> checkOutput(QString inputPath, QString outputPath) {
    const MediaProbe::Info output =
        co_await MediaProbe::readInBackground(outputPath, MediaProbe::Depth::streams);
    if (!output.failure.isEmpty() || (!output.hasAudio && !output.hasVideo))
        throw MediaCutterError::cuttingFailed(
            MediaCutterViewModel::tr("The output file is empty: no audio or video lies between "
                                     "the start and end times"));
    if (output.hasVideo)
        co_return QString();
    const MediaProbe::Info input =
        co_await MediaProbe::readInBackground(inputPath, MediaProbe::Depth::streams);
    if (!input.hasVideo)
        co_return QString();
    co_return MediaCutterViewModel::tr("The video was dropped: a stream copy can only start at a "
                                       "keyframe, and there is none between the start and end "
                                       "times");
}

// Whether a line of the converter reports an error; its closing "Conversion failed!" only
// repeats that the cut failed.
bool reportsError(const QString& line) {
    static const QRegularExpression error(
        "error|invalid|could not|cannot|unable|failed|no such file|permission denied|not found",
        QRegularExpression::CaseInsensitiveOption);
    return line != "Conversion failed!" && error.match(line).hasMatch();
}

} // namespace

MediaCutterViewModel::MediaCutterViewModel(Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , dialogs(dialogs)
    , log(new LogModel(this)) {
    setDefaultOutputPath();
}

template <typename T>
void MediaCutterViewModel::assign(T& field, const T& value,
                                  void (MediaCutterViewModel::*changed)()) {
    if (assignProperty(this, field, value, changed))
        refreshCanStartCutting();
}

void MediaCutterViewModel::setSelectedFilePath(const QString& value) {
    assign(selectedFile, value, &MediaCutterViewModel::selectedFilePathChanged);
}

void MediaCutterViewModel::setStartTime(const QString& value) {
    assign(start, value, &MediaCutterViewModel::startTimeChanged);
}

void MediaCutterViewModel::setEndTime(const QString& value) {
    assign(end, value, &MediaCutterViewModel::endTimeChanged);
}

void MediaCutterViewModel::setOutputFileName(const QString& value) {
    assign(fileName, value, &MediaCutterViewModel::outputFileNameChanged);
}

void MediaCutterViewModel::setOutputFormat(const QString& value) {
    assign(format, value, &MediaCutterViewModel::outputFormatChanged);
}

void MediaCutterViewModel::setOutputPath(const QString& value) {
    assign(folder, value, &MediaCutterViewModel::outputPathChanged);
}

void MediaCutterViewModel::setCutting(bool value) {
    assign(cutting, value, &MediaCutterViewModel::isCuttingChanged);
}

void MediaCutterViewModel::setLastOutputFile(const QString& value) {
    assign(lastOutput, value, &MediaCutterViewModel::lastOutputFileChanged);
}

void MediaCutterViewModel::setProgress(double value) {
    assign(progress, value, &MediaCutterViewModel::cuttingProgressChanged);
}

void MediaCutterViewModel::refreshCanStartCutting() {
    const bool value = !fileName.isEmpty() && !folder.isEmpty() && !selectedFile.isEmpty() &&
                       isClockField(start) && isClockField(end);
    if (value == canStart)
        return;
    canStart = value;
    emit canStartCuttingChanged();
}

void MediaCutterViewModel::setDefaultOutputPath() {
    setOutputPath(StandardFolders::downloads());
}

void MediaCutterViewModel::chooseMediaFile() {
    const QString startFolder =
        selectedFile.isEmpty() ? StandardFolders::downloads() : QFileInfo(selectedFile).path();
    const QString path =
        //: A file chooser's filter: %1 are the file name patterns.
        dialogs.chooseFile(startFolder, tr("Video and audio files (%1)").arg(mediaFilePatterns));
    if (!path.isEmpty())
        chooseMediaFile(path);
}

void MediaCutterViewModel::chooseMediaFile(const QString& path) {
    setSelectedFilePath(path);
    setOutputFileName(withoutLastExtension(QFileInfo(path).fileName()) + "_cut");
    loadMediaInfo(path);
}

void MediaCutterViewModel::chooseOutputFolder() {
    const QString chosen = dialogs.chooseFolder(folder);
    if (!chosen.isEmpty())
        setOutputPath(chosen);
}

QCoro::Task<> MediaCutterViewModel::loadMediaInfo(QString path) {
    QPointer self(this);
    const MediaProbe::Info info = co_await MediaProbe::readInBackground(path);
    // The window may have closed, or another file been chosen, while the file was read.
    if (!self || path != selectedFile)
        co_return;
    if (!info.failure.isEmpty()) {
        //: A log line: the chosen file could not be read; %1 says why.
        addLogMessage(tr("Failed to get media info: %1").arg(info.failure));
        co_return;
    }
    // A length the file does not state leaves the end time as the user has it.
    if (info.duration && std::isfinite(*info.duration)) {
        assign(duration, info.duration, &MediaCutterViewModel::mediaDurationChanged);
        setEndTime(formatTime(*info.duration));
    }
    if (info.hasVideo)
        //: The chosen file's kind: it holds video.
        assign(kind, tr("Video"), &MediaCutterViewModel::mediaFormatChanged);
    else if (info.hasAudio)
        //: The chosen file's kind: it holds sound only.
        assign(kind, tr("Audio"), &MediaCutterViewModel::mediaFormatChanged);
}

void MediaCutterViewModel::showOutputInFolder() {
    if (!lastOutput.isEmpty())
        dialogs.openUrl(QUrl::fromLocalFile(QFileInfo(lastOutput).path()));
}

QString MediaCutterViewModel::outputFilePath() const {
    return QDir::cleanPath(folder + "/" + fileName + "." + format);
}

QCoro::Task<> MediaCutterViewModel::startCutting() {
    if (!canStartCutting())
        co_return;
    setCutting(true);
    setProgress(0);
    setLastOutputFile({});
    log->clear();

    const double startSeconds = timeToSeconds(start);
    const double endSeconds = timeToSeconds(end);
    if (!(endSeconds > startSeconds)) {
        addLogMessage(tr("Error: Start time must be before end time"));
        setCutting(false);
        co_return;
    }
    const QString input = selectedFile;
    const QString output = outputFilePath();
    addLogMessage(tr("Starting media cutting..."));
    //: A log line: the file being cut.
    addLogMessage(tr("Input: %1").arg(input));
    //: A log line: the file the cut makes.
    addLogMessage(tr("Output: %1").arg(output));
    //: A log line: the cut's times, HH:MM:SS.
    addLogMessage(tr("Start: %1, End: %2").arg(start, end));
    converterError.clear();

    // A failed cut leaves what the converter made of a new output (often an empty file);
    // a file that was there before is the user's and stays.
    const QFileInfo outputBefore(output);
    const bool outputExisted = outputBefore.exists() || outputBefore.isSymLink();
    QPointer self(this);
    std::optional<QString> failure;
    try {
        // The converter's "-y" would empty the input before reading it.
        if (isSameFile(input, output))
            throw MediaCutterError::cuttingFailed(
                tr("The output file is the input file: choose another name or folder"));
        co_await cutMediaWithFFmpeg(input, output, startSeconds, endSeconds);
    } catch (...) {
        failure = Failure::caught().description;
    }
    if (failure && !outputExisted)
        QFile::remove(output);
    if (self)
        self->finishCut(failure, output);
}

void MediaCutterViewModel::finishCut(const std::optional<QString>& failure, const QString& output) {
    if (failure) {
        addLogMessage(tr("Media cutting failed: %1").arg(*failure));
        if (!converterError.isEmpty())
            //: A log line: the converter's own last error line.
            addLogMessage(tr("FFmpeg: %1").arg(converterError));
    } else {
        addLogMessage(tr("Media cutting completed successfully!"));
        setProgress(100);
        setLastOutputFile(output);
    }
    setCutting(false);
    emit cutEnded(!failure);
}

QCoro::Task<> MediaCutterViewModel::cutMediaWithFFmpeg(QString inputPath, QString outputPath,
                                                       double startTime, double endTime) {
    // The system's own converter stands in when the tools folder has none.
    const std::optional<LocatedTool> ffmpeg = ToolLocation::find(fileManager.ffmpegPath);
    if (!ffmpeg)
        throw MediaCutterError::ffmpegNotFound();
    const double cutLength = endTime - startTime;
    const QStringList arguments{"-i",
                                inputPath,
                                "-ss",
                                formatTime(startTime),
                                "-t",
                                formatTime(cutLength),
                                "-c",
                                "copy",
                                "-avoid_negative_ts",
                                "make_zero",
                                "-y",
                                outputPath};

    QPointer self(this);
    LineSplitter lines;
    const auto deliver = [self, cutLength, &lines](ToolRun::Stream, const QString& text) {
        if (!self)
            return;
        self->addLogMessage(text);
        lines.feed(text, [self, cutLength](QStringView line, LineSplitter::End) {
            self->readConverterLine(line, cutLength);
        });
    };
    // Nothing of interest goes to standard output.
    ToolRun converter(
        {.program = ffmpeg->path, .arguments = arguments, .read = ToolRun::Read::StandardError},
        deliver);
    co_await converter.start();
    // From here on the window may have closed: only self may reach the controller.
    const int status = (co_await converter.result()).status;
    lines.finish([self, cutLength](QStringView line, LineSplitter::End) {
        if (self)
            self->readConverterLine(line, cutLength);
    });
    if (status != 0)
        //: Why a cut failed: the converter's exit status.
        throw MediaCutterError::cuttingFailed(tr("FFmpeg exited with code %1").arg(status));
    const QString note = co_await checkOutput(inputPath, outputPath);
    if (!note.isEmpty() && self)
        self->addLogMessage(note);
}

void MediaCutterViewModel::readConverterLine(QStringView line, double cutLength) {
    if (const QString text = line.trimmed().toString(); reportsError(text))
        converterError = text;
    else
        updateProgress(line, cutLength);
}

void MediaCutterViewModel::updateProgress(QStringView line, double cutLength) {
    if (const std::optional<double> percent = cutProgress(line, cutLength))
        setProgress(*percent);
}

void MediaCutterViewModel::addLogMessage(const QString& message) {
    log->append(message);
}
