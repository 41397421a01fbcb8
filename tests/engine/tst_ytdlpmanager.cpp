#include "TestHome.h"
#include "core/engine/YtdlpError.h"
#include "core/engine/YtdlpManager.h"

#include <QCoroTask>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

struct Outcome {
    QStringList log;
    QList<double> progress;
    QString file;
    QString error;
    QStringList toolErrors;
};

QCoro::Task<Outcome> download(YtdlpManager& manager, QString url, QString outputPath) {
    Outcome outcome;
    try {
        outcome.file = co_await manager.downloadVideo(
            url, "MP4", "720p", "192k", outputPath, false,
            [&](const DownloadProgress& update) { outcome.progress << update.percent; },
            [&](const QString& text) { outcome.log << text; });
    } catch (const YtdlpError& error) {
        outcome.error = error.description();
        outcome.toolErrors = error.toolErrors();
    }
    co_return outcome;
}

} // namespace

class TestYtdlpManager : public QObject {
    Q_OBJECT
    FileManagerHelper tools;
    QString output;

    Outcome run(YtdlpManager& manager, const QString& url = "https://youtu.be/x") {
        return QCoro::waitFor(download(manager, url, output));
    }

private slots:
    void init() {
        QDir(tools.toolsFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        output = QDir::homePath() + "/Downloads";
        QDir(output).removeRecursively();
        QDir().mkpath(output);
        FakeTools::configure();
    }

    // The downloader is looked for first; nothing runs without both tools.
    void missingToolStopsBeforeAnyRun() {
        YtdlpManager manager;
        QCOMPARE(run(manager).error, "Downloader plugin not found. Please ensure it's installed.");
        FakeTools::installOne("yt-dlp");
        QCOMPARE(run(manager).error, "Converter plugin not found. Please ensure it's installed.");
    }

    void successfulRunStreamsLogAndProgress() {
        FakeTools::install();
        const QString argsFile = QDir::homePath() + "/args";
        FakeTools::configure(
            {{"FAKE_ARGS_FILE", argsFile},
             {"FAKE_PROGRESS", "10 50.5 100"},
             {"FAKE_STDERR", "WARNING: slow\\n[download] Destination: clip.mp4\\n"},
             {"FAKE_OUTPUT_FILE", "clip.mp4"}});
        YtdlpManager manager;
        manager.stopDownload(); // nothing runs yet: no process (group) is signalled
        Outcome outcome = run(manager, " https://youtu.be/abc ");
        manager.stopDownload(); // nor the ended one
        QCOMPARE(outcome.error, QString());
        // The updates came in one read: only its latest is parsed.
        QCOMPARE(outcome.progress, QList<double>{100});
        QCOMPARE(outcome.file, "clip.mp4");
        QVERIFY(outcome.log.contains("WARNING: slow\n[download] Destination: clip.mp4\n"));
        QVERIFY(outcome.log.join("").contains("\r[download]    10% of"));
        QVERIFY(QFile::exists(output + "/clip.mp4"));

        QCOMPARE(FakeTools::recordedArguments(argsFile),
                 manager.buildArguments("MP4", "720p", "192k", false) +
                     QStringList({"--ignore-config", "--", " https://youtu.be/abc "}));
    }

    // A stop, or the end of the manager (its window closed), ends the downloader and its
    // converter child; another program's converter, by name "ffmpeg" too, outlives it.
    void stopEndsTheDownloadAndItsConverterOnly_data() {
        QTest::addColumn<bool>("destroyManager");
        QTest::newRow("stop") << false;
        QTest::newRow("manager destroyed") << true;
    }
    void stopEndsTheDownloadAndItsConverterOnly() {
        QFETCH(bool, destroyManager);
        FakeTools::install();
        const QString childPidFile = QDir::homePath() + "/child.pid";
        QFile::remove(childPidFile);
        FakeTools::configure({{"FAKE_CHILD_PID_FILE", childPidFile},
                              {"FAKE_SLEEP", "30"},
                              {"FAKE_STDERR", "ERROR: interrupted"}});
        QProcess bystander;
        FakeTools::startBystanderConverter(bystander);
        QVERIFY(bystander.state() == QProcess::Running);

        auto manager = std::make_unique<YtdlpManager>();
        auto task = download(*manager, "https://youtu.be/x", output);
        const qint64 childPid = FakeTools::waitForChildPid(childPidFile);
        QVERIFY(processIsAlive(childPid));
        if (destroyManager)
            manager.reset();
        else
            manager->stopDownload();
        const Outcome outcome = QCoro::waitFor(task);
        QCOMPARE(outcome.error, "Download failed: Process exited with code 15");
        QCOMPARE(outcome.toolErrors, QStringList{"ERROR: interrupted"});
        QVERIFY(waitForProcessGone(childPid));
        QVERIFY(processIsAlive(bystander.processId()));
        bystander.kill();
        bystander.waitForFinished();
    }

    // With Debian's real downloader: neither a crafted address nor a configuration file
    // in the output folder can act as an option ("--version" would end with status 0).
    void addressAndConfigFileNeverBecomeOptions() {
        if (!QFile::exists("/usr/bin/yt-dlp"))
            QSKIP("Debian's yt-dlp is not installed");
        FakeTools::installOne("ffmpeg");
        QFile::copy("/usr/bin/yt-dlp", tools.ytDlpPath);
        QFile(tools.ytDlpPath).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QFile config(output + "/yt-dlp.conf");
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("--version\n");
        config.close();

        YtdlpManager manager;
        QCOMPARE(run(manager, "--version").error, "Download failed: Process exited with code 1");
        QCOMPARE(run(manager, "not-a-url").error, "Download failed: Process exited with code 1");
    }
};

MORVI_TEST_MAIN(TestYtdlpManager)
#include "tst_ytdlpmanager.moc"
