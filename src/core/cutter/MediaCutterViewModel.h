#pragma once

#include "core/model/LogModel.h"
#include "core/toolstore/FileManagerHelper.h"

#include <QCoroTask>
#include <QObject>
#include <QString>
#include <optional>

class Dialogs;

// The media cutter: a local audio or video file, a start and an end time, an output
// name, extension and folder; runs the converter to copy the streams between the two
// times without re-encoding, and reports its progress and a time-stamped log.
class MediaCutterViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString selectedFilePath READ selectedFilePath WRITE setSelectedFilePath NOTIFY
                   selectedFilePathChanged)
    Q_PROPERTY(QString startTime READ startTime WRITE setStartTime NOTIFY startTimeChanged)
    Q_PROPERTY(QString endTime READ endTime WRITE setEndTime NOTIFY endTimeChanged)
    Q_PROPERTY(QString outputFileName READ outputFileName WRITE setOutputFileName NOTIFY
                   outputFileNameChanged)
    Q_PROPERTY(
        QString outputFormat READ outputFormat WRITE setOutputFormat NOTIFY outputFormatChanged)
    Q_PROPERTY(QString outputPath READ outputPath WRITE setOutputPath NOTIFY outputPathChanged)
    Q_PROPERTY(LogModel* logMessages READ logMessages CONSTANT)
    Q_PROPERTY(bool isCutting READ isCutting NOTIFY isCuttingChanged)
    Q_PROPERTY(double cuttingProgress READ cuttingProgress NOTIFY cuttingProgressChanged)
    Q_PROPERTY(std::optional<double> mediaDuration READ mediaDuration NOTIFY mediaDurationChanged)
    Q_PROPERTY(QString mediaFormat READ mediaFormat NOTIFY mediaFormatChanged)
    Q_PROPERTY(bool canStartCutting READ canStartCutting NOTIFY canStartCuttingChanged)
    Q_PROPERTY(QString lastOutputFile READ lastOutputFile NOTIFY lastOutputFileChanged)

public:
    explicit MediaCutterViewModel(Dialogs& dialogs, QObject* parent = nullptr);

    QString selectedFilePath() const { return selectedFile; }
    QString startTime() const { return start; }
    QString endTime() const { return end; }
    QString outputFileName() const { return fileName; }
    // The output extension without its dot: "mp4", "mp3", "m4a" or "mov".
    QString outputFormat() const { return format; }
    QString outputPath() const { return folder; }
    LogModel* logMessages() const { return log; }
    bool isCutting() const { return cutting; }
    // Percent of the requested length copied so far.
    double cuttingProgress() const { return progress; }
    // The chosen file's length in seconds, once it has been read.
    std::optional<double> mediaDuration() const { return duration; }
    // "Video" or "Audio", in the user's language, once the chosen file has been read, else "".
    QString mediaFormat() const { return kind; }
    // Every field filled and both times exactly "HH:MM:SS"; the times are not compared.
    bool canStartCutting() const { return canStart; }
    // The file the last cut wrote when it succeeded; "" before that and while a cut runs.
    QString lastOutputFile() const { return lastOutput; }

    void setSelectedFilePath(const QString& value);
    void setStartTime(const QString& value);
    void setEndTime(const QString& value);
    void setOutputFileName(const QString& value);
    void setOutputFormat(const QString& value);
    void setOutputPath(const QString& value);

    // The output folder starts as the user's Downloads folder ("" when there is none).
    void setDefaultOutputPath();
    // Asks for a video or audio file; a chosen one becomes the input, names the output
    // after itself ("clip.mov" gives "clip_cut") and has its length and kind read.
    void chooseMediaFile();
    // Takes path as the input exactly as when it is chosen in the file chooser.
    void chooseMediaFile(const QString& path);
    void chooseOutputFolder();
    // Reads the length and kind of the file at path off the main thread. The result is
    // dropped when another file has been chosen meanwhile.
    QCoro::Task<> loadMediaInfo(QString path);

    // Opens the folder of lastOutputFile in the file manager.
    void showOutputInFolder();

    // Checks the input and runs one cut; the task ends when the cut has ended. An output
    // that is the input file itself fails before the converter starts.
    QCoro::Task<> startCutting();
    // Copies inputPath from startTime for (endTime - startTime) seconds into outputPath
    // with the converter of Morvi's tools folder. Throws MediaCutterError, or LaunchError
    // when the converter cannot be started; a cut that produced no audio or video fails.
    QCoro::Task<> cutMediaWithFFmpeg(QString inputPath, QString outputPath, double startTime,
                                     double endTime);
    // Sets the progress from the "time=" of one complete line of converter output, for a
    // cut of the given length in seconds.
    void updateProgress(QStringView line, double cutLength);
    void addLogMessage(const QString& message);

signals:
    void selectedFilePathChanged();
    void startTimeChanged();
    void endTimeChanged();
    void outputFileNameChanged();
    void outputFormatChanged();
    void outputPathChanged();
    void isCuttingChanged();
    void cuttingProgressChanged();
    void mediaDurationChanged();
    void mediaFormatChanged();
    void canStartCuttingChanged();
    void lastOutputFileChanged();
    // A cut that ran (or failed to start) has ended, after its result was logged.
    void cutEnded(bool succeeded);

private:
    template <typename T>
    void assign(T& field, const T& value, void (MediaCutterViewModel::*changed)());
    void refreshCanStartCutting();
    void setCutting(bool value);
    void setProgress(double value);
    void setLastOutputFile(const QString& value);
    // Reads one complete line of the converter: its progress, or the error it reports.
    void readConverterLine(QStringView line, double cutLength);
    // Logs the end of a cut: its result and, after a failure, the converter's last error
    // line.
    void finishCut(const std::optional<QString>& failure, const QString& output);
    QString outputFilePath() const;

    Dialogs& dialogs;
    FileManagerHelper fileManager;
    LogModel* log;
    QString selectedFile;
    QString start = "00:00:00";
    QString end = "00:00:00";
    QString fileName;
    QString format = "mp4";
    QString folder;
    bool cutting = false;
    double progress = 0;
    std::optional<double> duration;
    QString kind;
    bool canStart = false;
    QString lastOutput;
    // The running cut's last line that reports an error.
    QString converterError;
};
