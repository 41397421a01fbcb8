#include "MainWindowViewModel.h"

#include "AddressDescription.h"
#include "MainWindowSettings.h"
#include "core/desktop/Dialogs.h"
#include "core/desktop/StandardFolders.h"
#include "core/diagnostics/Failure.h"
#include "core/engine/RememberedChoices.h"
#include "core/engine/YtdlpError.h"
#include "core/engine/YtdlpManager.h"
#include "core/installer/ToolCheck.h"
#include "core/model/AssignProperty.h"
#include "core/model/LogModel.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>
#include <QtConcurrentRun>
#include <algorithm>
#include <utility>

namespace {

// The engine and the installer may call back from any thread; the controller is only
// touched on the main thread, and only while its window still exists.
template <typename Work> void onMainThread(Work work) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::AutoConnection);
}

ToolInstaller::LogHandler weakLog(QPointer<MainWindowViewModel> self) {
    return [self](const QString& text) {
        onMainThread([self, text] {
            if (self)
                self->addLogMessage(text);
        });
    };
}

// Shares the installer, like the tool check, so that the update runs to its end even when the
// window closes meanwhile. Where the system's downloader stands in for a missing one of the
// tools folder, Morvi's own is fetched instead.
QCoro::Task<> updateDownloader(std::shared_ptr<ToolInstaller> installer, QString installed,
                               ToolInstaller::LogHandler logHandler) {
    if (QFileInfo(installed).isFile())
        co_await installer->updateYtDlp(std::move(logHandler));
    else
        co_await installer->downloadYtDlp(std::move(logHandler));
}

// A keystroke brings at most one character; more at once is a paste, a drop or a completion,
// an address that need not wait for the typing to pause.
AddressDescription::Arrival arrivalOf(const QString& before, const QString& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return after.size() - head - tail > 1 ? AddressDescription::Arrival::whole
                                          : AddressDescription::Arrival::typed;
}

} // namespace

MainWindowViewModel::MainWindowViewModel(Dialogs& dialogs, std::shared_ptr<ToolInstaller> installer,
                                         QObject* parent, std::unique_ptr<DownloadEngine> engine,
                                         std::unique_ptr<KeyValueStore> store)
    : QObject(parent)
    , dialogs(dialogs)
    , settings(store ? std::move(store) : MainWindowSettings::open())
    , settingsWriter(*settings)
    , logModel(new LogModel(this))
    , describer(new AddressDescription(this))
    , progressFrames([this] { showDownloadProgress(); })
    , logFrames([this] { showPendingLog(); })
    , engine(engine ? std::move(engine) : std::make_unique<YtdlpManager>())
    , appUpdater(std::move(installer)) {
    setDefaultOutputPath();
    readRememberedChoices();
    for (const auto changed :
         {&MainWindowViewModel::urlTextChanged, &MainWindowViewModel::isDownloadingChanged})
        connect(this, changed, this, &MainWindowViewModel::canStartDownloadChanged);
    // The length the part is checked against comes with the description.
    connect(describer, &AddressDescription::changed, this, &MainWindowViewModel::sectionChanged);
}

MainWindowViewModel::~MainWindowViewModel() = default;

void MainWindowViewModel::readRememberedChoices() {
    const MainWindowSettings::Choices remembered = MainWindowSettings::read(*settings);
    choice = remembered.choice;
    playlists = remembered.playlists;
    choicesTakenOver = settings->string(MainWindowSettings::takenOverKey).has_value();
    if (!choicesTakenOver)
        takeOverSharedChoices();
}

QCoro::Task<> MainWindowViewModel::takeOverSharedChoices() {
    const QPointer<MainWindowViewModel> self(this);
    QFuture<std::optional<MainWindowSettings::Choices>> reading =
        QtConcurrent::run(&MainWindowSettings::readShared);
    const std::optional<MainWindowSettings::Choices> shared = co_await reading;
    // A choice made meanwhile wins over the older ones.
    if (!self || choicesTakenOver)
        co_return;
    if (shared) {
        setSelectedFormat(shared->choice.format);
        setSelectedVideoQuality(shared->choice.videoQuality);
        setSelectedMp3Quality(shared->choice.audioQuality);
        setDownloadPlaylists(shared->playlists);
    }
    remember(MainWindowSettings::takenOverKey, "true");
}

void MainWindowViewModel::remember(const QString& key, const QString& value) {
    settingsWriter.setString(key, value);
    if (!std::exchange(choicesTakenOver, true))
        settingsWriter.setString(MainWindowSettings::takenOverKey, "true");
}

void MainWindowViewModel::setUrlText(const QString& value) {
    const AddressDescription::Arrival arrival = arrivalOf(url, value);
    if (assignProperty(this, url, value, &MainWindowViewModel::urlTextChanged))
        describer->setAddress(url, playlists, arrival);
}

void MainWindowViewModel::setSelectedFormat(const QString& value) {
    if (assignProperty(this, choice.format, value, &MainWindowViewModel::selectedFormatChanged))
        remember(RememberedChoices::key(MainWindowSettings::choicesPrefix,
                                        RememberedChoices::Kind::format),
                 value);
}

void MainWindowViewModel::setSelectedVideoQuality(const QString& value) {
    if (assignProperty(this, choice.videoQuality, value,
                       &MainWindowViewModel::selectedVideoQualityChanged))
        remember(RememberedChoices::key(MainWindowSettings::choicesPrefix,
                                        RememberedChoices::Kind::videoQuality),
                 value);
}

void MainWindowViewModel::setSelectedMp3Quality(const QString& value) {
    if (assignProperty(this, choice.audioQuality, value,
                       &MainWindowViewModel::selectedMp3QualityChanged))
        remember(RememberedChoices::key(MainWindowSettings::choicesPrefix,
                                        RememberedChoices::Kind::audioQuality),
                 value);
}

void MainWindowViewModel::setOutputPath(const QString& value) {
    assignProperty(this, output, value, &MainWindowViewModel::outputPathChanged);
}

void MainWindowViewModel::setDownloadPlaylists(bool value) {
    if (!assignProperty(this, playlists, value, &MainWindowViewModel::downloadPlaylistsChanged))
        return;
    remember(MainWindowSettings::downloadPlaylistsKey, value ? "true" : "false");
    // A playlist's address describes the playlist only while playlists are on.
    describer->setAddress(url, playlists, AddressDescription::Arrival::whole);
}

void MainWindowViewModel::setSectionStart(const QString& value) {
    assignProperty(this, partStart, value.trimmed(), &MainWindowViewModel::sectionChanged);
}

void MainWindowViewModel::setSectionEnd(const QString& value) {
    assignProperty(this, partEnd, value.trimmed(), &MainWindowViewModel::sectionChanged);
}

QString MainWindowViewModel::sectionProblem() const {
    QString problem;
    MediaSection::fromFields(partStart, partEnd, describer->description().seconds, problem);
    return problem;
}

std::optional<MediaSection> MainWindowViewModel::section() const {
    QString problem;
    return MediaSection::fromFields(partStart, partEnd, describer->description().seconds, problem);
}

std::optional<MediaDescription::SizeEstimate> MainWindowViewModel::sizeEstimate() const {
    const MediaDescription& media = describer->description();
    if (media.isPlaylist || !sectionProblem().isEmpty())
        return std::nullopt;
    return media.estimate(choice.format, choice.videoQuality, section());
}

void MainWindowViewModel::setDownloadProgress(const DownloadProgress& value) {
    progressFrames.cancel();
    latestProgress = value;
    showDownloadProgress();
}

void MainWindowViewModel::showDownloadProgress() {
    const QString text = progressDetailsText(latestProgress);
    if (progress == latestProgress.percent && details == text)
        return;
    progress = latestProgress.percent;
    details = text;
    emit downloadProgressChanged();
}

void MainWindowViewModel::setCompleted(const QString& folder, const QString& file) {
    if (doneFolder == folder && doneFile == file)
        return;
    doneFolder = folder;
    doneFile = file;
    emit completedChanged();
}

void MainWindowViewModel::setIsDownloading(bool value) {
    assignProperty(this, downloading, value, &MainWindowViewModel::isDownloadingChanged);
}

void MainWindowViewModel::setDefaultOutputPath() {
    setOutputPath(StandardFolders::downloads());
}

void MainWindowViewModel::chooseOutputFolder() {
    const QString chosen = dialogs.chooseFolder(output);
    if (!chosen.isEmpty())
        setOutputPath(chosen);
}

QCoro::Task<> MainWindowViewModel::checkForUpdates() {
    // The check shares the installer, so it may outlive this controller's window.
    return ToolCheck::run(appUpdater, weakLog(this));
}

void MainWindowViewModel::startDownload() {
    // The engine follows one run: a second would leave the first beyond the stop button.
    if (downloading)
        return;
    if (url.trimmed().isEmpty()) {
        showAlert(
            //: An alert's title: the address field holds no address.
            tr("Error"),
            //: An alert's message: the address field holds no address.
            tr("Please enter a valid URL."));
        return;
    }
    if (const QString problem = sectionProblem(); !problem.isEmpty()) {
        showAlert(tr("Error"), problem);
        return;
    }
    // The download itself now asks the downloader.
    describer->cancel();
    setIsDownloading(true);
    setDownloadProgress({});
    setCompleted({}, {});
    logFrames.cancel();
    pendingLog.clear();
    logModel->clear();
    addLogMessage(tr("Getting ready to download..."));
    runDownload(++currentRun);
}

QCoro::Task<> MainWindowViewModel::runDownload(int run) {
    QPointer<MainWindowViewModel> self(this);
    // What a stopped run still prints while the next one runs belongs to neither.
    const auto isCurrent = [self, run] {
        return self && self->currentRun == run;
    };
    const auto progressHandler = [isCurrent, self](const DownloadProgress& update) {
        onMainThread([isCurrent, self, update] {
            if (isCurrent()) {
                // The newest real percentage may still be waiting for its frame.
                const double known = self->latestProgress.percent;
                self->latestProgress = update;
                self->latestProgress.percent = shownPercent(known, update);
                self->progressFrames.request();
            }
        });
    };
    const auto logHandler = [isCurrent, self](const QString& text) {
        onMainThread([isCurrent, self, text] {
            if (isCurrent()) {
                self->pendingLog += text;
                self->logFrames.request();
            }
        });
    };
    // The choices as they are at the start, whatever changes while the tools are looked for.
    DownloadRequest request{url,      choice, output, playlists, {}, DownloadOptions::current(),
                            section()};
    Outcome outcome{prepareOutputFolder(), {}, {}, {}};
    // Without any tool, the check that runs when the window appears gets another chance
    // (the network may be back) before the missing tool is reported.
    if (!outcome.failure && !engine->hasTools()) {
        co_await ToolCheck::run(appUpdater, weakLog(this));
        if (!isCurrent() || !self->downloading)
            co_return; // stopped meanwhile
    }
    // After the check, which may have found a JavaScript runtime.
    request.options = DownloaderOptions::current();
    for (const QString& notice : request.options.notices)
        self->addLogMessage(notice);
    try {
        if (!outcome.failure)
            outcome.file = co_await engine->downloadVideo(request, progressHandler, logHandler);
    } catch (...) {
        const Failure failure = Failure::caught();
        outcome.failure = failure.description;
        outcome.toolErrors = failure.toolErrors;
        outcome.meaning = YtdlpError::caughtMeaning();
    }
    // A stopped run that ends after the next download began must not end that one.
    if (!isCurrent())
        co_return;
    if (outcome.failure && self->stoppedRun == run) {
        self->finishStoppedDownload();
        co_return;
    }
    // Announced before the failure alert, which waits for the user.
    emit self->downloadEnded(!outcome.failure, QFileInfo(outcome.file).fileName());
    self->finishDownload(outcome, request);
}

std::optional<QString> MainWindowViewModel::prepareOutputFolder() const {
    // Without a folder the downloader would write into Morvi's own working folder.
    if (output.trimmed().isEmpty())
        return tr("No output folder is chosen.");
    if (QFileInfo(output).isDir())
        return std::nullopt;
    // A fresh account may have no Downloads folder yet; a folder the user chose and
    // that is gone is not made again behind their back.
    const QString downloads = StandardFolders::downloads();
    if (!downloads.isEmpty() && QDir::cleanPath(output) == QDir::cleanPath(downloads) &&
        QDir().mkpath(downloads))
        return std::nullopt;
    return tr("The output folder \"%1\" does not exist.").arg(output);
}

void MainWindowViewModel::finishDownload(const Outcome& outcome, const DownloadRequest& request) {
    logFrames.cancel();
    showPendingLog();
    pendingLog.clear();
    if (!outcome.failure) {
        addLogMessage(tr("Download and conversion completed successfully."));
        DownloadProgress done;
        done.percent = 100.0;
        setDownloadProgress(done);
        setIsDownloading(false);
        const QString& folder = request.outputPath;
        const QString& file = outcome.file;
        setCompleted(folder, file.isEmpty() ? QString() : QDir(folder).absoluteFilePath(file));
        return;
    }
    reportFailure(outcome, request);
}

// The downloader's own lines stay in the alert's details; the sentence, when they tell one,
// says what happened and the alert offers the step that may mend it.
void MainWindowViewModel::reportFailure(const Outcome& outcome, const DownloadRequest& request) {
    const DownloaderFailure& meaning = outcome.meaning;
    const QString reason = meaning.isKnown() ? meaning.sentence : *outcome.failure;
    //: A log line: %1 says why.
    addLogMessage(tr("Download failed: %1").arg(reason));
    setIsDownloading(false);
    QStringList details = outcome.toolErrors;
    if (!meaning.toolLine.isEmpty() && !details.contains(meaning.toolLine))
        details.prepend(meaning.toolLine);
    DownloaderFailure::Action action = meaning.action;
    // An audio download asks for no video quality: "Best" would download the same again.
    if (action == DownloaderFailure::Action::downloadBest && request.choice.isAudio())
        action = DownloaderFailure::Action::none;
    //: An alert's title.
    if (dialogs.showAlert(tr("Download Failed"), reason, details.join(u'\n'), actionLabel(action)))
        perform(action, request);
}

QString MainWindowViewModel::actionLabel(DownloaderFailure::Action action) {
    using Action = DownloaderFailure::Action;
    switch (action) {
    case Action::chooseBrowser:
        return tr("Open Preferences");
    case Action::updateDownloader:
        return tr("Update Downloader");
    case Action::downloadBest:
        return tr("Download with Best");
    case Action::checkTools:
        return tr("Check Again");
    case Action::none:
        break;
    }
    return {};
}

void MainWindowViewModel::perform(DownloaderFailure::Action action, const DownloadRequest& failed) {
    using Action = DownloaderFailure::Action;
    switch (action) {
    case Action::chooseBrowser:
        emit preferencesRequested();
        break;
    case Action::updateDownloader:
        updateDownloader(appUpdater, fileManager.ytDlpPath, weakLog(this));
        break;
    case Action::downloadBest:
        setUrlText(failed.url);
        setSelectedVideoQuality("Best"); // the vocabulary's value, never translated
        startDownload();
        break;
    case Action::checkTools:
        checkForUpdates();
        break;
    case Action::none:
        break;
    }
}

// The downloader continues its partial files when the same address is downloaded again.
void MainWindowViewModel::finishStoppedDownload() {
    logFrames.cancel();
    showPendingLog();
    pendingLog.clear();
    addLogMessage(tr("What was downloaded so far stays in the output folder: downloading the "
                     "same address again continues it."));
}

void MainWindowViewModel::stopDownload() {
    logFrames.cancel();
    showPendingLog();
    stoppedRun = currentRun;
    engine->stopDownload();
    setIsDownloading(false);
    addLogMessage(tr("Download was stopped by the user."));
}

void MainWindowViewModel::showPendingLog() {
    if (pendingLog.isEmpty())
        return;
    addLogMessage(pendingLog);
    // The log keeps a stamped copy; the buffer keeps its room for the next frame.
    pendingLog.resize(0);
}

void MainWindowViewModel::addLogMessage(const QString& message) {
    logModel->append(message);
}

void MainWindowViewModel::openCompletedFolder() {
    if (!doneFolder.isEmpty())
        dialogs.openUrl(QUrl::fromLocalFile(doneFolder));
}

void MainWindowViewModel::openCompletedFile() {
    if (!doneFile.isEmpty())
        dialogs.openUrl(QUrl::fromLocalFile(doneFile));
}

void MainWindowViewModel::showAlert(const QString& title, const QString& message,
                                    const QString& details) {
    dialogs.showAlert(title, message, details);
}
