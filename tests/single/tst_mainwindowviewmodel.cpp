#include "CollectLog.h"
#include "FakeToolInstaller.h"
#include "RecordingDialogs.h"
#include "ScriptedEngine.h"
#include "TestHome.h"
#include "core/platform/LogModel.h"
#include "core/platform/SettingsStore.h"
#include "core/queue/BulkDownloadViewModel.h"
#include "core/single/MainWindowViewModel.h"

namespace {

// Remembers what the log and the busy flag were when an alert appeared.
class SnapshotDialogs : public RecordingDialogs {
public:
    const MainWindowViewModel* viewModel = nullptr;
    QStringList logAtAlert;
    bool downloadingAtAlert = true;

    void showAlert(const QString& title, const QString& message,
                   const QString& details = {}) override {
        RecordingDialogs::showAlert(title, message, details);
        logAtAlert = viewModel->logMessages()->entries();
        downloadingAtAlert = viewModel->isDownloading();
    }
};

// The user's settings, noting which threads write them.
class ThreadNotingStore : public SettingsStore {
public:
    explicit ThreadNotingStore(QList<QThread*>& writers)
        : writers(writers) {}
    void setString(const QString& key, const QString& value) override {
        writers << QThread::currentThread();
        SettingsStore::setString(key, value);
    }

private:
    QList<QThread*>& writers;
};

} // namespace

class TestMainWindowViewModel : public QObject {
    Q_OBJECT
    SnapshotDialogs dialogs;
    ScriptedEngine* engine = nullptr;
    std::shared_ptr<FakeToolInstaller> installer;
    std::unique_ptr<MainWindowViewModel> viewModel;

    QStringList log() const { return viewModel->logMessages()->entries(); }

    void start(const QString& url = "https://youtu.be/abc",
               const QString& folder = QDir::homePath()) {
        viewModel->setOutputPath(folder);
        viewModel->setUrlText(url);
        viewModel->startDownload();
    }

    [[nodiscard]] bool finish() {
        engine->finish();
        return QTest::qWaitFor([&] { return !viewModel->isDownloading(); }, 5000);
    }

private slots:
    void init() {
        QSettings("Velnor", "Morvi").clear();
        dialogs = SnapshotDialogs();
        auto scripted = std::make_unique<ScriptedEngine>();
        engine = scripted.get();
        installer = std::make_shared<FakeToolInstaller>();
        viewModel =
            std::make_unique<MainWindowViewModel>(dialogs, installer, nullptr, std::move(scripted));
        dialogs.viewModel = viewModel.get();
        viewModel->logMessages()->setClock([] { return QTime(12, 0, 0); });
    }

    void cleanup() {
        if (engine->running())
            QVERIFY(finish());
        viewModel.reset();
    }

    void successfulDownload() {
        viewModel->setSelectedFormat("MP4");
        viewModel->setSelectedVideoQuality("720p");
        viewModel->setSelectedMp3Quality("320k");
        start("  https://youtu.be/abc \t");
        // The switch is read when the download starts, not later.
        viewModel->setDownloadPlaylists(true);
        QCOMPARE(engine->requests.size(), 1);
        QCOMPARE(engine->requests.first().fields(),
                 (QStringList{"  https://youtu.be/abc \t", "MP4", "720p", "320k", QDir::homePath(),
                              "single"}));

        engine->log("[download] Destination: clip.f1.mp4\n[Merger] Merging formats into \"cl");
        // At most one update per frame: the first at once, a burst's latest a frame later.
        QSignalSpy shown(viewModel.get(), &MainWindowViewModel::downloadProgressChanged);
        engine->progress(DownloadProgress{25, 48 * 1048576.0, false, {}, {}});
        QCOMPARE(viewModel->downloadDetails(), u"12.0 MiB of 48.0 MiB"_qs);
        engine->progress(DownloadProgress{30, {}, false, {}, {}});
        engine->progress(DownloadProgress{qQNaN(), {}, false, {}, {}});
        QCOMPARE(viewModel->downloadProgress(), 25.0);
        QTRY_COMPARE(shown.size(), 2);
        QCOMPARE(viewModel->downloadProgress(), 30.0); // the newest number, not the last shown
        QCOMPARE(viewModel->downloadDetails(), QString());
        engine->log("ip.mp4\"\n");
        engine->file = "sub/clip.mp4";
        QSignalSpy ended(viewModel.get(), &MainWindowViewModel::downloadEnded);
        QVERIFY(finish());
        QCOMPARE(ended.value(0), (QVariantList{true, "clip.mp4"}));
        QCOMPARE(log(), stamped({"Getting ready to download...",
                                 "[download] Destination: clip.f1.mp4\n[Merger] Merging formats "
                                 "into \"cl",
                                 "ip.mp4\"\n", "Download and conversion completed successfully."}));
        QCOMPARE(viewModel->downloadProgress(), 100.0);
        QVERIFY(dialogs.alerts.isEmpty());

        QCOMPARE(viewModel->completedFile(), QDir::homePath() + "/sub/clip.mp4");
        start();
        QVERIFY(viewModel->completedFolder().isEmpty());
    }

    // A refused start shows one alert and starts nothing; a failed download shows the
    // downloader's error lines and offers no file; log and idle window precede the alert. The
    // started row also finds no tools: the tool check runs once more before its download.
    void startIsCheckedAndFailureShown_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("toolErrors");
        const QString downloads = QDir::homePath() + "/Downloads";
        const QString url = "https://youtu.be/abc";
        const QString failed = "Download Failed";
        QTest::newRow("blank address") << QString::fromUtf16(u"\t\r\n \u00a0\u3000") << downloads
                                       << "Error" << QString("Please enter a valid URL.") << "";
        QTest::newRow("blank folder")
            << url << " \t" << failed << "No output folder is chosen." << QString();
        QTest::newRow("a file, not a folder")
            << url << "/etc/hostname" << failed
            << "The output folder \"/etc/hostname\" does not exist." << QString();
        QTest::newRow("missing Downloads is made, no tools")
            << url << downloads + "/" << QString() << QString() << QString();
        QTest::newRow("the download fails")
            << url << downloads << failed << "Download failed: code 1"
            << "ERROR: two\nERROR: three";
    }
    void startIsCheckedAndFailureShown() {
        QFETCH(QString, url);
        QFETCH(QString, folder);
        QFETCH(QString, title);
        QFETCH(QString, failure);
        QFETCH(QString, toolErrors);
        QDir(QDir::homePath() + "/Downloads").removeRecursively();
        viewModel->addLogMessage("Update check completed.");
        engine->file = "a.mp3";
        engine->toolErrors = toolErrors.split('\n', Qt::SkipEmptyParts);
        engine->tools = !title.isEmpty();
        if (!toolErrors.isEmpty())
            engine->outcomes = {"code 1"};
        start(url, folder);
        if (title.isEmpty()) {
            QVERIFY(QFileInfo(folder).isDir());
            QTRY_COMPARE(engine->requests.size(), 1);
            QCOMPARE(installer->finished, (QStringList{"downloadYtDlp", "downloadFFmpeg"}));
            return;
        }
        QTRY_VERIFY(!viewModel->isDownloading());
        QCOMPARE(engine->requests.size(), toolErrors.isEmpty() ? 0 : 1);
        QCOMPARE(dialogs.alerts, (QList<RecordingDialogs::Alert>{{title, failure, toolErrors}}));
        QCOMPARE(log(), stamped(title == "Error" ? QStringList{"Update check completed."}
                                                 : QStringList{"Getting ready to download...",
                                                               "Download failed: " + failure}));
        QVERIFY(!dialogs.downloadingAtAlert);
        QCOMPARE(dialogs.logAtAlert, log());
        QVERIFY(viewModel->completedFile().isEmpty() && viewModel->completedFolder().isEmpty());
    }

    // Both windows' choices come back under keys of their own; an unknown value gives the default.
    void choicesAreRemembered_data() {
        QTest::addColumn<QStringList>("stored"); // format, qualities, playlist switch
        QTest::addColumn<QStringList>("read");
        QTest::newRow("known") << QStringList{"M4A", "Lowest Available", "64k", "true"}
                               << QStringList{"M4A", "Lowest Available", "64k", "true"};
        QTest::newRow("unknown") << QStringList{"mp4", "1080", "", "yes"}
                                 << QStringList{"MP3", "1080p", "192k", "false"};
    }
    void choicesAreRemembered() {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, read);
        const QStringList keys{"Format", "VideoQuality", "AudioQuality", "DownloadPlaylists"};
        for (qsizetype i = 0; i < stored.size(); ++i) {
            SettingsStore().setString("main" + keys[i], stored[i]);
            SettingsStore().setString("bulkDownload" + keys[i], stored[i]);
        }
        QList<QThread*> writers;
        auto main = std::make_unique<MainWindowViewModel>(
            dialogs, installer, nullptr, nullptr, std::make_unique<ThreadNotingStore>(writers));
        QCOMPARE(
            (QStringList{main->selectedFormat(), main->selectedVideoQuality(),
                         main->selectedMp3Quality(), main->downloadPlaylists() ? "true" : "false"}),
            read);
        BulkDownloadViewModel queue(dialogs);
        QVERIFY(QTest::qWaitFor([&] { return !queue.isLoading(); }));
        QCOMPARE((QStringList{queue.selectedFormat(), queue.selectedVideoQuality(),
                              queue.selectedAudioQuality()}),
                 read.first(3));
        main->setSelectedVideoQuality("480p");
        main->setDownloadPlaylists(read[3] != "true");
        queue.setSelectedFormat("MP4");
        queue.waitUntilSaved();
        main.reset(); // the writes are not lost when the window closes
        // Off the main thread: the settings file holds the whole queue.
        QCOMPARE(writers.size(), 2);
        QVERIFY(!writers.contains(QThread::currentThread()));
        const MainWindowViewModel nextMain(dialogs, installer);
        QCOMPARE(nextMain.selectedVideoQuality(), "480p");
        QCOMPARE(nextMain.downloadPlaylists(), read[3] != "true");
        const BulkDownloadViewModel nextQueue(dialogs);
        QVERIFY(QTest::qWaitFor([&] { return !nextQueue.isLoading(); }));
        QCOMPARE(nextQueue.selectedFormat(), "MP4");
    }

    // A second start is refused: the stop must reach the running download.
    void stopClearsTheBusyFlagAtOnceAndReportsTheEndLater() {
        start();
        engine->progress(DownloadProgress{40, {}, false, {}, {}});
        start("https://youtu.be/other");
        QCOMPARE(engine->requests.size(), 1);
        QCOMPARE(viewModel->downloadProgress(), 40.0);
        viewModel->stopDownload();
        QCOMPARE(engine->stops, 1);
        QVERIFY(!viewModel->isDownloading());
        QCOMPARE(log().last(), "[12:00:00] Download was stopped by the user.");
        QVERIFY(dialogs.alerts.isEmpty());
        QTRY_COMPARE(dialogs.alerts.size(), 1);
        QCOMPARE(log().last(), "[12:00:00] Download failed: Download failed: Process exited "
                               "with code 15");
    }

    void stoppedRunEndingLateLeavesTheNextDownloadAlone() {
        FakeTools::install();
        FakeTools::configure({{"FAKE_IGNORE_TERM", "1"}, {"FAKE_SLEEP", "0.5"}});
        MainWindowViewModel real(dialogs, std::make_shared<FakeToolInstaller>());
        real.setUrlText("https://youtu.be/first");
        real.startDownload();
        real.stopDownload();

        FakeTools::configure({{"FAKE_PROGRESS", "5"}, {"FAKE_SLEEP", "1.5"}});
        real.setUrlText("https://youtu.be/second");
        real.startDownload();
        QTest::qWait(1000); // the first run has ended by now
        QVERIFY(real.isDownloading());
        QCOMPARE(real.downloadProgress(), 5.0);
        QVERIFY(QTest::qWaitFor([&] { return !real.isDownloading(); }, 5000));
        QCOMPARE(real.logMessages()->entries().filter("completed successfully").size(), 1);
        QVERIFY(dialogs.alerts.isEmpty());
    }
};

MORVI_TEST_MAIN(TestMainWindowViewModel)
#include "tst_mainwindowviewmodel.moc"
