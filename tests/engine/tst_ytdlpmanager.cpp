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
    QString error;
};

QCoro::Task<Outcome> download(YtdlpManager& manager, QString url, QString outputPath) {
    Outcome outcome;
    try {
        co_await manager.downloadVideo(
            url, "MP4", "720p", "192k", outputPath, false,
            [&](const DownloadProgress& update) { outcome.progress << update.percent; },
            [&](const QString& text) { outcome.log << text; });
    } catch (const YtdlpError& error) {
        outcome.error = error.description();
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

    // The downloader is looked for first, in the tools folder, then on the search path;
    // nothing runs without both tools.
    void toolsAreLookedFor_data() {
        QTest::addColumn<QStringList>("inToolsFolder");
        QTest::addColumn<QStringList>("onSearchPath");
        QTest::addColumn<QString>("error");
        const QStringList both{"yt-dlp", "ffmpeg"};
        QTest::newRow("neither") << QStringList() << QStringList()
                                 << "Downloader plugin not found. Please ensure it's installed.";
        QTest::newRow("no converter")
            << QStringList{"yt-dlp"} << QStringList()
            << "Converter plugin not found. Please ensure it's installed.";
        QTest::newRow("the system's tools") << QStringList() << both << QString();
        QTest::newRow("the tools folder's first") << both << both << QString();
    }
    void toolsAreLookedFor() {
        QFETCH(QStringList, inToolsFolder);
        QFETCH(QStringList, onSearchPath);
        QFETCH(QString, error);
        const QString system = QDir::homePath() + "/system/" + QTest::currentDataTag();
        QDir().mkpath(system);
        for (const QString& name : inToolsFolder)
            FakeTools::installOne(name);
        for (const QString& name : onSearchPath)
            FakeTools::installOne(name, system);
        const QString argsFile = QDir::homePath() + "/args";
        QFile::remove(argsFile);
        FakeTools::configure({{"FAKE_ARGS_FILE", argsFile}});
        // The fakes need the shell's helpers; Debian's own tools come after them.
        const SearchPath path(error.isEmpty() ? system + ":/usr/bin" : system);
        YtdlpManager manager;
        QCOMPARE(run(manager).error, error);
        const QStringList arguments = FakeTools::recordedArguments(argsFile);
        const QString converter = inToolsFolder.isEmpty() ? system + "/ffmpeg" : tools.ffmpegPath;
        QCOMPARE(arguments.value(arguments.indexOf("--ffmpeg-location") + 1),
                 error.isEmpty() ? converter : QString());
    }

    void successfulRunStreamsLogAndProgress() {
        FakeTools::install();
        const QString argsFile = QDir::homePath() + "/args";
        FakeTools::configure({{"FAKE_ARGS_FILE", argsFile},
                              {"FAKE_PROGRESS", "10 50.5 100"},
                              {"FAKE_STDERR", "WARNING: slow server\\n"},
                              {"FAKE_OUTPUT_FILE", "clip.mp4"}});
        YtdlpManager manager;
        manager.stopDownload(); // nothing runs yet: no process (group) is signalled
        Outcome outcome = run(manager, " https://youtu.be/abc ");
        manager.stopDownload(); // nor the ended one
        QCOMPARE(outcome.error, QString());
        QCOMPARE(outcome.progress, (QList<double>{10, 50.5, 100}));
        QVERIFY(outcome.log.contains("WARNING: slow server\n"));
        QVERIFY(outcome.log.filter("[download]").join("").startsWith("\r[download]    10% of"));
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
        FakeTools::configure({{"FAKE_CHILD_PID_FILE", childPidFile}, {"FAKE_SLEEP", "30"}});
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
        QCOMPARE(QCoro::waitFor(task).error, "Download failed: Process exited with code 15");
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
