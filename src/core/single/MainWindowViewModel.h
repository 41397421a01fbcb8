#pragma once

#include "core/engine/DownloadEngine.h"
#include "core/engine/DownloaderFailure.h"
#include "core/engine/FormatChoice.h"
#include "core/engine/MediaSection.h"
#include "core/installer/ToolInstaller.h"
#include "core/model/FrameThrottle.h"
#include "core/single/MediaDescription.h"
#include "core/storage/KeyValueStore.h"
#include "core/storage/StoreWriter.h"
#include "core/toolstore/FileManagerHelper.h"

#include <QCoroTask>
#include <QObject>
#include <memory>
#include <optional>

class AddressDescription;
class Dialogs;
class LogModel;

// The main window's controller: the address, format, quality and folder choices, one
// download at a time through the engine with its log and progress, and the tool check
// that runs each time the window appears. Lives on the main thread.
class MainWindowViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString urlText READ urlText WRITE setUrlText NOTIFY urlTextChanged)
    Q_PROPERTY(QString selectedFormat READ selectedFormat WRITE setSelectedFormat NOTIFY
                   selectedFormatChanged)
    Q_PROPERTY(QString selectedVideoQuality READ selectedVideoQuality WRITE setSelectedVideoQuality
                   NOTIFY selectedVideoQualityChanged)
    Q_PROPERTY(QString selectedMp3Quality READ selectedMp3Quality WRITE setSelectedMp3Quality NOTIFY
                   selectedMp3QualityChanged)
    Q_PROPERTY(QString outputPath READ outputPath WRITE setOutputPath NOTIFY outputPathChanged)
    Q_PROPERTY(LogModel* logMessages READ logMessages CONSTANT)
    Q_PROPERTY(double downloadProgress READ downloadProgress NOTIFY downloadProgressChanged)
    Q_PROPERTY(QString downloadDetails READ downloadDetails NOTIFY downloadProgressChanged)
    Q_PROPERTY(QString completedFolder READ completedFolder NOTIFY completedChanged)
    Q_PROPERTY(QString completedFile READ completedFile NOTIFY completedChanged)
    Q_PROPERTY(bool isDownloading READ isDownloading NOTIFY isDownloadingChanged)
    Q_PROPERTY(bool canStartDownload READ canStartDownload NOTIFY canStartDownloadChanged)
    Q_PROPERTY(bool downloadPlaylists READ downloadPlaylists WRITE setDownloadPlaylists NOTIFY
                   downloadPlaylistsChanged)
    Q_PROPERTY(QString sectionStart READ sectionStart WRITE setSectionStart NOTIFY sectionChanged)
    Q_PROPERTY(QString sectionEnd READ sectionEnd WRITE setSectionEnd NOTIFY sectionChanged)
    Q_PROPERTY(QString sectionProblem READ sectionProblem NOTIFY sectionChanged)

public:
    // The installer is shared with the tool checks still running, so that a check
    // outlives a window closed in the middle of it.
    // Without an engine the controller runs the downloader; without a store it keeps its
    // choices in a settings file of its own (MainWindowSettings).
    MainWindowViewModel(Dialogs& dialogs, std::shared_ptr<ToolInstaller> installer,
                        QObject* parent = nullptr, std::unique_ptr<DownloadEngine> engine = {},
                        std::unique_ptr<KeyValueStore> store = {});
    ~MainWindowViewModel() override;

    QString urlText() const { return url; }
    QString selectedFormat() const { return choice.format; }
    QString selectedVideoQuality() const { return choice.videoQuality; }
    QString selectedMp3Quality() const { return choice.audioQuality; }
    QString outputPath() const { return output; }
    LogModel* logMessages() const { return logModel; }
    double downloadProgress() const { return progress; }
    // Size, speed and time left of the running download, such as
    // "12.3 MiB of 48.0 MiB · 2.1 MiB/s · 17 s left"; "" when nothing of that is known.
    QString downloadDetails() const { return details; }
    // After a successful download: the folder it went to, and the final file when the
    // downloader named it; "" otherwise.
    QString completedFolder() const { return doneFolder; }
    QString completedFile() const { return doneFile; }
    bool isDownloading() const { return downloading; }
    // Whether "Download" can be pressed: no download runs and the address is not empty.
    // Blanks can, and are refused then, so that a press is never silently lost.
    bool canStartDownload() const { return !downloading && !url.isEmpty(); }
    bool downloadPlaylists() const { return playlists; }
    // What the downloader says of the address, asked whenever it changes.
    AddressDescription* addressDescription() const { return describer; }
    // The part of the video to download, from and to "HH:MM:SS" as the cutter takes them; an
    // empty start is the beginning, an empty end the video's end, both empty the whole video.
    QString sectionStart() const { return partStart; }
    QString sectionEnd() const { return partEnd; }
    // Why the part cannot be downloaded, checked against the described length when it is
    // known; "" when it can.
    QString sectionProblem() const;
    // The part asked for; none for the whole video, or while it has a problem.
    std::optional<MediaSection> section() const;
    // The size the chosen format, quality and part would download, when the description
    // tells it.
    std::optional<MediaDescription::SizeEstimate> sizeEstimate() const;

    void setUrlText(const QString& value);
    void setSelectedFormat(const QString& value);
    void setSelectedVideoQuality(const QString& value);
    void setSelectedMp3Quality(const QString& value);
    void setOutputPath(const QString& value);
    void setDownloadPlaylists(bool value);
    void setSectionStart(const QString& value);
    void setSectionEnd(const QString& value);

    // Points the output folder at the user's Downloads folder ("" when there is none).
    void setDefaultOutputPath();
    // Lets the user pick the output folder; a cancelled chooser changes nothing.
    void chooseOutputFolder();
    // Installs the missing tools and updates the downloader, logging each step.
    QCoro::Task<> checkForUpdates();
    // Starts downloading the typed address, unless it is blank, its part has a problem or a
    // download runs; returns at once.
    void startDownload();
    // Ends the running download. Its end is no failure: what it downloaded so far stays for a
    // later download of the same address to continue, which the log says when the tool has
    // ended.
    void stopDownload();
    // Shows the completed download's folder or file in the desktop's own application.
    void openCompletedFolder();
    void openCompletedFile();
    // Appends "[HH:mm:ss] message" to the log.
    void addLogMessage(const QString& message);
    void showAlert(const QString& title, const QString& message, const QString& details = {});

signals:
    void urlTextChanged();
    void selectedFormatChanged();
    void selectedVideoQualityChanged();
    void selectedMp3QualityChanged();
    void outputPathChanged();
    void downloadProgressChanged();
    void isDownloadingChanged();
    void canStartDownloadChanged();
    void downloadPlaylistsChanged();
    // The part's fields, or the length they are checked against.
    void sectionChanged();
    void completedChanged();
    // A download has ended by itself or failed, not counting one that was replaced or
    // stopped; file is the name of the file it wrote last, "" when the downloader named none.
    void downloadEnded(bool succeeded, const QString& file);
    // The user chose to open Preferences from a failure's alert, to choose a browser to sign in
    // with.
    void preferencesRequested();

private:
    struct Outcome {
        std::optional<QString> failure;
        QString file;
        QStringList toolErrors;
        DownloaderFailure meaning;
    };

    QCoro::Task<> runDownload(int run);
    std::optional<QString> prepareOutputFolder() const;
    void finishDownload(const Outcome& outcome, const DownloadRequest& request);
    void finishStoppedDownload();
    void reportFailure(const Outcome& outcome, const DownloadRequest& request);
    static QString actionLabel(DownloaderFailure::Action action);
    void perform(DownloaderFailure::Action action, const DownloadRequest& failed);
    // Shows value at once; an update of the running download waits for its frame.
    void setDownloadProgress(const DownloadProgress& value);
    void showDownloadProgress();
    void showPendingLog();
    void setCompleted(const QString& folder, const QString& file);
    void setIsDownloading(bool value);

    void readRememberedChoices();
    // Takes over, once, the choices that earlier versions kept beside the queue; a choice the
    // user makes first ends the need.
    QCoro::Task<> takeOverSharedChoices();
    void remember(const QString& key, const QString& value);

    Dialogs& dialogs;
    std::unique_ptr<KeyValueStore> settings;
    StoreWriter settingsWriter;
    QString url;
    FormatChoice choice;
    QString output;
    LogModel* logModel;
    AddressDescription* describer;
    double progress = 0.0;
    QString details;
    // The latest update of the running download, shown at most once per frame.
    DownloadProgress latestProgress;
    FrameThrottle progressFrames;
    // The running download's output read since the log last showed it: a flood of small
    // reads becomes one log entry per frame.
    QString pendingLog;
    FrameThrottle logFrames;
    QString doneFolder;
    QString doneFile;
    bool downloading = false;
    bool playlists = false;
    bool choicesTakenOver = true;
    QString partStart;
    QString partEnd;
    FileManagerHelper fileManager;
    std::unique_ptr<DownloadEngine> engine;
    std::shared_ptr<ToolInstaller> appUpdater;
    // Numbers the downloads, so that a stopped run ending late cannot end the next one.
    int currentRun = 0;
    // The run the user stopped: its end is the stop's, not a failure.
    int stoppedRun = 0;
};
