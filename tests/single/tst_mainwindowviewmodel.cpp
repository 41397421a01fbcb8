#include "FakeToolInstaller.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "engine/YtdlpManager.h"
#include "platform/LogModel.h"
#include "single/MainWindowViewModel.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

const QRegularExpression stampPattern(R"(^\[\d\d:\d\d:\d\d\] )");

// The log without its time stamps, after checking that every entry has one.
QStringList messages(const MainWindowViewModel& viewModel) {
    QStringList result;
    for (const QString& entry : viewModel.logMessages()->entries()) {
        if (!stampPattern.match(entry).hasMatch())
            return {"unstamped entry: " + entry};
        result << entry.mid(11);
    }
    return result;
}

// Remembers what the log and the busy flag were when an alert appeared.
class SnapshotDialogs : public RecordingDialogs {
public:
    const MainWindowViewModel* viewModel = nullptr;
    QStringList logAtAlert;
    bool downloadingAtAlert = true;

    void showAlert(const QString& title, const QString& message) override {
        RecordingDialogs::showAlert(title, message);
        logAtAlert = messages(*viewModel);
        downloadingAtAlert = viewModel->isDownloading();
    }
};

} // namespace

class TestMainWindowViewModel : public QObject {
    Q_OBJECT
    FileManagerHelper tools;
    QString argsFile;
    SnapshotDialogs dialogs;
    std::shared_ptr<FakeToolInstaller> installer;
    std::unique_ptr<MainWindowViewModel> viewModel;

    bool waitUntilIdle(int timeoutMs = 5000) {
        return QTest::qWaitFor([&] { return !viewModel->isDownloading(); }, timeoutMs);
    }

private slots:
    void init() {
        QDir(tools.toolsFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        argsFile = QDir::homePath() + "/args";
        QFile::remove(argsFile);
        FakeTools::configure({{"FAKE_ARGS_FILE", argsFile}});
        dialogs = SnapshotDialogs();
        installer = std::make_shared<FakeToolInstaller>();
        viewModel = std::make_unique<MainWindowViewModel>(dialogs, installer);
        dialogs.viewModel = viewModel.get();
    }

    void cleanup() {
        viewModel.reset();
        installer.reset();
    }

    void startsWithItsDefaults() {
        QDir(tools.toolsFolderPath).removeRecursively();
        MainWindowViewModel fresh(dialogs, installer);
        QCOMPARE((QStringList{fresh.urlText(), fresh.selectedFormat(), fresh.selectedVideoQuality(),
                              fresh.selectedMp3Quality(), fresh.outputPath()}),
                 (QStringList{"", "MP3", "1080p", "192k", QDir::homePath() + "/Downloads"}));
        QCOMPARE(fresh.downloadProgress(), 0.0);
        QVERIFY(!fresh.isDownloading() && !fresh.downloadPlaylists());
        QVERIFY(fresh.logMessages()->entries().isEmpty());
        QVERIFY(QFileInfo(tools.toolsFolderPath).isDir());
    }

    void logEntriesAreStampedWithTheTimeOfDay() {
        const QString before = QTime::currentTime().toString("HH:mm:ss");
        viewModel->addLogMessage("Getting ready to download...");
        viewModel->addLogMessage("first\nsecond");
        const QString after = QTime::currentTime().toString("HH:mm:ss");
        const QStringList entries = viewModel->logMessages()->entries();
        QCOMPARE(entries.size(), 2);
        const QString time = entries[0].mid(1, 8);
        QVERIFY(time == before || time == after);
        QCOMPARE(entries[0], "[" + time + "] Getting ready to download...");
        QVERIFY(entries[1].endsWith("] first\nsecond"));
    }

    // The check's branches are tested with the check itself; here, that its lines reach the log.
    void toolCheck_data() {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("expectedCalls");
        QTest::addColumn<QStringList>("expectedLog");
        const QStringList begin{"Checking for updates...",
                                "Checking and installing necessary plugins..."};
        const QStringList download1{"Downloading plugin 1...", "Plugin 1 downloaded successfully."};
        const QStringList download23{"Downloading plugin 2...", "Extracting plugin 2...",
                                     "Plugin 2 downloaded successfully.", "Downloading plugin 3...",
                                     "Plugin 3 downloaded successfully."};
        const QStringList end{"Update check completed."};
        QTest::newRow("tools folder empty")
            << QStringList{} << QStringList{"downloadYtDlp", "downloadFFmpeg"}
            << begin + download1 + download23 + end;
    }

    void toolCheck() {
        QFETCH(QStringList, present);
        QFETCH(QStringList, expectedCalls);
        QFETCH(QStringList, expectedLog);
        for (const QString& tool : present)
            FakeTools::installOne(tool);
        viewModel->addLogMessage("earlier line");
        QCoro::waitFor(viewModel->checkForUpdates());
        QCOMPARE(installer->calls, expectedCalls);
        QCOMPARE(messages(*viewModel), QStringList{"earlier line"} + expectedLog);
        QVERIFY(!viewModel->isDownloading());
        QVERIFY(dialogs.alerts.isEmpty());
    }

    void toolCheckOutlivesItsWindow() {
        auto task = viewModel->checkForUpdates();
        viewModel.reset();
        installer->delay = std::chrono::milliseconds(1);
        QCoro::waitFor(task);
        QCOMPARE(installer->finished, (QStringList{"downloadYtDlp", "downloadFFmpeg"}));
    }

    void successfulDownload() {
        FakeTools::install();
        FakeTools::configure({{"FAKE_ARGS_FILE", argsFile}, {"FAKE_PROGRESS", "10 45.3"}});
        viewModel->addLogMessage("Update check completed.");
        viewModel->setUrlText("https://youtu.be/abc");
        viewModel->setSelectedFormat("MP4");
        viewModel->setSelectedVideoQuality("720p");
        viewModel->setSelectedMp3Quality("320k");
        QList<double> progress;
        connect(viewModel.get(), &MainWindowViewModel::downloadProgressChanged, this,
                [&] { progress << viewModel->downloadProgress(); });

        viewModel->startDownload();
        QVERIFY(viewModel->isDownloading());
        QCOMPARE(messages(*viewModel), QStringList{"Getting ready to download..."});
        // The switch is read when the download starts, not later.
        viewModel->setDownloadPlaylists(true);
        QVERIFY(waitUntilIdle());

        QCOMPARE(progress, (QList<double>{10, 45.3, 100}));
        QCOMPARE(viewModel->downloadProgress(), 100.0);
        const QStringList log = messages(*viewModel);
        QCOMPARE(log.first(), "Getting ready to download...");
        QVERIFY(log[1].startsWith("\r[download]    10% of"));
        QCOMPARE(log.last(), "Download and conversion completed successfully.");
        QVERIFY(dialogs.alerts.isEmpty());

        QCOMPARE(FakeTools::recordedArguments(argsFile),
                 YtdlpManager().buildArguments("MP4", "720p", "320k", false) +
                     (QStringList{"--ignore-config", "--", "https://youtu.be/abc"}));
    }

    void blankAddressIsRefused_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << "";
        QTest::newRow("spaces") << "   ";
        QTest::newRow("tabs and line breaks") << "\t\n \r\n";
        QTest::newRow("no-break and ideographic spaces") << QString::fromUtf16(u"\u00a0\u3000");
    }

    void blankAddressIsRefused() {
        QFETCH(QString, address);
        FakeTools::install();
        viewModel->addLogMessage("Update check completed.");
        const QStringList logBefore = viewModel->logMessages()->entries();
        QSignalSpy busySpy(viewModel.get(), &MainWindowViewModel::isDownloadingChanged);
        viewModel->setUrlText(address);
        viewModel->startDownload();
        QCOMPARE(dialogs.alerts,
                 (QList<RecordingDialogs::Alert>{{"Error", "Please enter a valid URL."}}));
        QCOMPARE(viewModel->logMessages()->entries(), logBefore);
        QCOMPARE(busySpy.count(), 0);
        QCOMPARE(viewModel->urlText(), address);
        QTest::qWait(50);
        QVERIFY(!QFile::exists(argsFile));
    }

    void addressReachesTheEngineAsTyped() {
        FakeTools::install();
        viewModel->setUrlText("  https://youtu.be/abc \t");
        viewModel->startDownload();
        QVERIFY(waitUntilIdle());
        QCOMPARE(FakeTools::recordedArguments(argsFile).last(), "  https://youtu.be/abc \t");
    }

    void nonZeroExitReportsTheEngineError() {
        FakeTools::install();
        FakeTools::configure({{"FAKE_PROGRESS", "30"}, {"FAKE_EXIT", "1"}});
        viewModel->setUrlText("https://youtu.be/abc");
        viewModel->startDownload();
        QVERIFY(QTest::qWaitFor([&] { return !dialogs.alerts.isEmpty(); }, 5000));
        const QString failure = "Download failed: Process exited with code 1";
        QCOMPARE(dialogs.alerts, (QList<RecordingDialogs::Alert>{{"Download Failed", failure}}));
        QCOMPARE(dialogs.logAtAlert.last(), "Download failed: " + failure);
        QVERIFY(!dialogs.downloadingAtAlert);
        QCOMPARE(messages(*viewModel), dialogs.logAtAlert);
        QCOMPARE(viewModel->downloadProgress(), 30.0);
        QVERIFY(!viewModel->isDownloading());
    }

    void missingToolFailsTheDownload_data() {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("description");
        QTest::newRow("downloader") << "ffmpeg"
                                    << "Downloader plugin not found. Please ensure it's installed.";
        QTest::newRow("converter") << "yt-dlp"
                                   << "Converter plugin not found. Please ensure it's installed.";
    }

    void missingToolFailsTheDownload() {
        QFETCH(QString, installed);
        QFETCH(QString, description);
        FakeTools::installOne(installed);
        viewModel->setUrlText("https://youtu.be/abc");
        viewModel->startDownload();
        QVERIFY(QTest::qWaitFor([&] { return !dialogs.alerts.isEmpty(); }, 5000));
        QCOMPARE(dialogs.alerts,
                 (QList<RecordingDialogs::Alert>{{"Download Failed", description}}));
        QCOMPARE(messages(*viewModel),
                 (QStringList{"Getting ready to download...", "Download failed: " + description}));
        QCOMPARE(viewModel->downloadProgress(), 0.0);
    }

    void stopClearsTheBusyFlagAtOnceAndReportsTheEndLater() {
        FakeTools::install();
        FakeTools::configure({{"FAKE_PROGRESS", "20"}, {"FAKE_SLEEP", "30"}});
        viewModel->setUrlText("https://youtu.be/abc");
        viewModel->startDownload();
        QVERIFY(QTest::qWaitFor([&] { return viewModel->downloadProgress() == 20.0; }, 5000));

        viewModel->stopDownload();
        QVERIFY(!viewModel->isDownloading());
        QCOMPARE(messages(*viewModel).last(), "Download was stopped by the user.");
        QVERIFY(dialogs.alerts.isEmpty());

        QVERIFY(QTest::qWaitFor([&] { return !dialogs.alerts.isEmpty(); }, 5000));
        const QString failure = "Download failed: Process exited with code 15";
        QCOMPARE(dialogs.alerts, (QList<RecordingDialogs::Alert>{{"Download Failed", failure}}));
        const QStringList log = messages(*viewModel);
        QCOMPARE(log.mid(log.size() - 2),
                 (QStringList{"Download was stopped by the user.", "Download failed: " + failure}));
        QCOMPARE(viewModel->downloadProgress(), 20.0);
    }

    void stoppedRunEndingLateLeavesTheNextDownloadAlone() {
        FakeTools::install();
        FakeTools::configure({{"FAKE_IGNORE_TERM", "1"}, {"FAKE_SLEEP", "0.5"}});
        viewModel->setUrlText("https://youtu.be/first");
        viewModel->startDownload();
        viewModel->stopDownload();

        FakeTools::configure({{"FAKE_PROGRESS", "5"}, {"FAKE_SLEEP", "1.5"}});
        viewModel->setUrlText("https://youtu.be/second");
        viewModel->startDownload();
        QTest::qWait(1000); // the first run has ended by now
        QVERIFY(viewModel->isDownloading());
        QCOMPARE(viewModel->downloadProgress(), 5.0);
        QVERIFY(!messages(*viewModel).contains("Download and conversion completed successfully."));

        QVERIFY(waitUntilIdle());
        QCOMPARE(messages(*viewModel).filter("completed successfully").size(), 1);
        QVERIFY(dialogs.alerts.isEmpty());
    }

    void chunkOfTwoLinesIsOneEntry() {
        FakeTools::install();
        FakeTools::configure({{"FAKE_FINAL", "first line\\nsecond line\\n"}});
        viewModel->setUrlText("https://youtu.be/abc");
        viewModel->startDownload();
        QVERIFY(waitUntilIdle());
        const QStringList entries = viewModel->logMessages()->entries();
        QCOMPARE(entries.size(), 3);
        QVERIFY(stampPattern.match(entries[1]).hasMatch());
        QCOMPARE(entries[1].mid(11), "first line\nsecond line\n");
    }

    void closingTheWindowEndsItsDownload() {
        FakeTools::install();
        const QString childPidFile = QDir::homePath() + "/child.pid";
        QFile::remove(childPidFile);
        FakeTools::configure({{"FAKE_CHILD_PID_FILE", childPidFile}, {"FAKE_SLEEP", "30"}});
        viewModel->setUrlText("https://youtu.be/abc");
        viewModel->startDownload();
        const qint64 childPid = FakeTools::waitForChildPid(childPidFile);
        QVERIFY(childPid > 0);

        viewModel.reset();
        QVERIFY(waitForProcessGone(childPid));
        QTest::qWait(100); // the ended run finds its controller gone
        QVERIFY(dialogs.alerts.isEmpty());
    }

    void chooseOutputFolder() {
        const QString start = viewModel->outputPath();
        dialogs.folderAnswers = QStringList{"/tmp/chosen", ""};
        viewModel->chooseOutputFolder();
        QCOMPARE(viewModel->outputPath(), "/tmp/chosen");
        viewModel->chooseOutputFolder(); // cancelled
        QCOMPARE(viewModel->outputPath(), "/tmp/chosen");
        QCOMPARE(dialogs.folderStarts, (QStringList{start, "/tmp/chosen"}));
    }
};

MORVI_TEST_MAIN(TestMainWindowViewModel)
#include "tst_mainwindowviewmodel.moc"
