#include "CollectLog.h"
#include "LoopbackHttpServer.h"
#include "StoredZip.h"
#include "TestHome.h"
#include "platform/LaunchError.h"
#include "platform/ToolProcess.h"
#include "tools/AppUpdater.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>

namespace {

const QByteArray newYtDlp = "#!/bin/sh\necho new downloader\n";
const QByteArray ffmpegScript = "#!/bin/sh\necho converter\n";
const QByteArray ffprobeScript = "#!/bin/sh\necho probe\n";

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString outputOf(const QString& program, const QStringList& arguments = {}) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
}

// What a task fails with, as the user would read it; "" when it succeeds. (QCoro::waitFor
// never returns when the task it waits for throws.)
QCoro::Task<QString> describeFailure(QCoro::Task<> task) {
    try {
        co_await task;
    } catch (const UserFacingError& error) {
        co_return error.description();
    }
    co_return QString();
}

QString failureOf(QCoro::Task<> task) {
    return QCoro::waitFor(describeFailure(std::move(task)));
}

} // namespace

class TestAppUpdater : public QObject {
    Q_OBJECT
    FileManagerHelper tools;
    QString ffprobePath = tools.toolsFolderPath + "/ffprobe";
    std::unique_ptr<LoopbackHttpServer> server;

    AppUpdater updater() const {
        return AppUpdater(
            {server->url("/yt-dlp"), server->url("/ffmpeg.zip"), server->url("/ffprobe.zip")});
    }
    QStringList downloadYtDlp() {
        return collectLog([this](LogCallback log) { return updater().downloadYtDlp(log); });
    }
    QStringList downloadFFmpeg() {
        return collectLog([this](LogCallback log) { return updater().downloadFFmpeg(log); });
    }
    QStringList updateYtDlp() {
        return collectLog([this](LogCallback log) { return updater().updateYtDlp(log); });
    }

private slots:
    void init() {
        QDir(tools.toolsFolderPath).removeRecursively();
        QDir(tools.tempFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        FakeTools::configure();
        server = std::make_unique<LoopbackHttpServer>();
    }

    void defaultEndpointsFitTheArchitecture_data() {
        QTest::addColumn<QString>("architecture");
        QTest::addColumn<QString>("ytDlp");
        QTest::addColumn<QString>("converterBuilds");
        const QString releases = "https://github.com/yt-dlp/yt-dlp/releases/latest/download/";
        const QString builds = "https://ffmpeg.martin-riedl.de/redirect/latest/linux/";
        QTest::newRow("x86-64") << "x86_64" << releases + "yt-dlp_linux"
                                << builds + "amd64/release/";
        QTest::newRow("aarch64") << "arm64" << releases + "yt-dlp_linux_aarch64"
                                 << builds + "arm64/release/";
    }
    void defaultEndpointsFitTheArchitecture() {
        QFETCH(QString, architecture);
        QFETCH(QString, ytDlp);
        QFETCH(QString, converterBuilds);
        const ToolEndpoints endpoints = ToolEndpoints::forArchitecture(architecture);
        QCOMPARE(endpoints.ytDlp, QUrl(ytDlp));
        QCOMPARE(endpoints.ffmpeg, QUrl(converterBuilds + "ffmpeg.zip"));
        QCOMPARE(endpoints.ffprobe, QUrl(converterBuilds + "ffprobe.zip"));
        if (QSysInfo::currentCpuArchitecture() == architecture)
            QCOMPARE(ToolEndpoints::forThisMachine().ytDlp, QUrl(ytDlp));
    }

    void downloadedYtDlpReplacesTheOldOneAndRuns() {
        FakeTools::installOne("yt-dlp");
        server->serve("/yt-dlp", newYtDlp);
        QCOMPARE(downloadYtDlp(), QStringList{"Plugin 1 downloaded successfully."});
        QCOMPARE(outputOf(tools.ytDlpPath), "new downloader\n");
        QCOMPARE(entriesOf(tools.toolsFolderPath), QStringList{"yt-dlp"});
    }

    // A failed transfer is reported and never replaces or creates the tool.
    void failedYtDlpDownloadWritesNothing_data() {
        QTest::addColumn<bool>("toolInstalled");
        QTest::addColumn<QString>("serving");
        QTest::addColumn<QString>("line");
        for (const bool installed : {false, true}) {
            const char* over = installed ? "over a working tool" : "into an empty folder";
            QTest::addRow("404 %s", over) << installed << QString("404") << "HTTP status 404";
            QTest::addRow("500 %s", over) << installed << QString("500") << "HTTP status 500";
            QTest::addRow("cut off %s", over)
                << installed << QString("cut")
                << "The download broke off after 70000 of 200000 bytes.";
        }
    }
    void failedYtDlpDownloadWritesNothing() {
        QFETCH(bool, toolInstalled);
        QFETCH(QString, serving);
        QFETCH(QString, line);
        if (toolInstalled)
            FakeTools::installOne("yt-dlp");
        const QByteArray before = contentOf(tools.ytDlpPath);
        if (serving == "cut")
            server->serveCutOff("/yt-dlp", QByteArray(200000, 'x'), 70000);
        else
            server->serve("/yt-dlp", "<html>error page</html>", serving.toInt());

        QCOMPARE(downloadYtDlp(), QStringList{"Failed to download yt-dlp: " + line});
        QCOMPARE(entriesOf(tools.toolsFolderPath),
                 toolInstalled ? QStringList{"yt-dlp"} : QStringList());
        QCOMPARE(contentOf(tools.ytDlpPath), before);
        if (toolInstalled) // the old tool still works
            QCOMPARE(outputOf(tools.ytDlpPath, {"--update"}),
                     "yt-dlp is up to date (stable@2023.03.04)\n");
    }

    void converterAndProbeToolAreUnpackedAndExecutable() {
        server->serve("/ffmpeg.zip", storedZip({{"ffmpeg", ffmpegScript}}));
        server->serve("/ffprobe.zip", storedZip({{"ffprobe", ffprobeScript}}));
        QCOMPARE(downloadFFmpeg(),
                 (QStringList{"Extracting plugin 2...", "Plugin 2 downloaded successfully.",
                              "Downloading plugin 3...", "Plugin 3 downloaded successfully."}));
        QCOMPARE(outputOf(tools.ffmpegPath), "converter\n");
        QCOMPARE(outputOf(ffprobePath), "probe\n");
        QCOMPARE(entriesOf(tools.toolsFolderPath), (QStringList{"ffmpeg", "ffprobe"}));
        // The archives stay in the temp folder.
        QCOMPARE(entriesOf(tools.tempFolderPath), (QStringList{"ffmpeg.zip", "ffprobe.zip"}));
        QCOMPARE(contentOf(tools.tempFolderPath + "/ffprobe.zip"),
                 storedZip({{"ffprobe", ffprobeScript}}));
    }

    // Every failure of the converter or the probe tool ends the operation with one line.
    void converterFailures_data() {
        QTest::addColumn<QByteArray>("ffmpegZip");
        QTest::addColumn<int>("ffprobeStatus");
        QTest::addColumn<QByteArray>("ffprobeZip");
        QTest::addColumn<QStringList>("lines");
        const QByteArray goodFfmpeg = storedZip({{"ffmpeg", ffmpegScript}});
        const QByteArray goodFfprobe = storedZip({{"ffprobe", ffprobeScript}});
        const QString failed = "Failed to download Plugin 2: ";
        const QString unzipError = "The operation couldn't be completed. (UnzipError error 9.)";
        const QStringList converterInstalled{"Extracting plugin 2...",
                                             "Plugin 2 downloaded successfully.",
                                             "Downloading plugin 3..."};

        QTest::newRow("converter archive is not a zip")
            << QByteArray("<html>not a zip</html>") << 200 << goodFfprobe
            << QStringList{"Extracting plugin 2...", failed + unzipError};
        QTest::newRow("converter archive without the converter")
            << storedZip({{"readme.txt", "hello"}}) << 200 << goodFfprobe
            << QStringList{"Extracting plugin 2...",
                           failed + "The operation couldn't be completed. (ChmodError error 1.)"};
        QTest::newRow("probe tool download fails")
            << goodFfmpeg << 500 << goodFfprobe
            << converterInstalled + QStringList{failed + "HTTP status 500"};
        QTest::newRow("probe tool archive is not a zip")
            << goodFfmpeg << 200 << QByteArray("garbage")
            << converterInstalled + QStringList{failed + unzipError};
    }
    void converterFailures() {
        QFETCH(QByteArray, ffmpegZip);
        QFETCH(int, ffprobeStatus);
        QFETCH(QByteArray, ffprobeZip);
        QFETCH(QStringList, lines);
        server->serve("/ffmpeg.zip", ffmpegZip);
        server->serve("/ffprobe.zip", ffprobeZip, ffprobeStatus);
        QCOMPARE(downloadFFmpeg(), lines);
        QVERIFY(!QFile::exists(ffprobePath));
        if (lines.contains("Plugin 2 downloaded successfully."))
            QCOMPARE(outputOf(tools.ffmpegPath), "converter\n");
    }

    void converterDownloadNeedsAListeningServer() {
        server->stopListening();
        QCOMPARE(downloadFFmpeg(), QStringList{"Failed to download Plugin 2: Connection refused"});
        QCOMPARE(entriesOf(tools.tempFolderPath), QStringList());
    }

    void updateSucceedsWithTheSingleArgument() {
        FakeTools::installOne("yt-dlp");
        const QString argsFile = QDir::homePath() + "/args";
        FakeTools::configure({{"FAKE_ARGS_FILE", argsFile}});
        QCOMPARE(updateYtDlp(),
                 (QStringList{"Updating plugin 1...", "Plugin 1 update completed."}));
        QCOMPARE(FakeTools::recordedArguments(argsFile), QStringList{"--update"});
    }

    // The whole output of both streams, in the order written, follows the failure line.
    void failedUpdateLogsItsOutput_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QString>("logged");
        QTest::newRow("both streams") << QString("Latest version: stable@2024.01.01\\n")
                                      << "ERROR: Unable to write to /opt/yt-dlp\\n"
                                      << "Latest version: stable@2024.01.01\n"
                                         "ERROR: Unable to write to /opt/yt-dlp\n";
        QTest::newRow("nothing printed") << QString() << QString() << QString();
        QTest::newRow("invalid UTF-8") << QString("\\xff\\xfe broken\\n") << QString() << QString();
    }
    void failedUpdateLogsItsOutput() {
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QFETCH(QString, logged);
        FakeTools::installOne("yt-dlp");
        FakeTools::configure({{"FAKE_UPDATE_OUTPUT", output},
                              {"FAKE_UPDATE_STDERR", errors},
                              {"FAKE_UPDATE_EXIT", "1"}});
        QCOMPARE(updateYtDlp(),
                 (QStringList{"Updating plugin 1...", "Plugin 1 update failed: " + logged}));
    }

    void updateThatCannotStartPassesOnTheLaunchError() {
        FakeTools::installOne("yt-dlp");
        QFile(tools.ytDlpPath).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        ToolProcess probe;
        const QString description = failureOf(probe.launch(tools.ytDlpPath, {}));
        QVERIFY(!description.isEmpty());
        QCOMPARE(updateYtDlp(), (QStringList{"Updating plugin 1...",
                                             "Failed to update plugin 1: " + description}));
    }

    void unzipOverwritesWithoutAsking() {
        const QString archive = tools.tempFolderPath + "/ffmpeg.zip";
        QFile file(archive);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(storedZip({{"ffmpeg", ffmpegScript}}));
        file.close();
        FakeTools::installOne("ffmpeg");
        QCOMPARE(failureOf(AppUpdater::unzipFile(archive, tools.toolsFolderPath)), QString());
        QCOMPARE(contentOf(tools.ffmpegPath), ffmpegScript);
        QVERIFY(!QFileInfo(tools.ffmpegPath).isExecutable());
        QCOMPARE(failureOf(AppUpdater::makeExecutable(tools.ffmpegPath)), QString());
        QVERIFY(QFileInfo(tools.ffmpegPath).isExecutable());
    }

    void helpersFailWithTheExitStatus() {
        const QString missing = tools.tempFolderPath + "/missing.zip";
        QCOMPARE(failureOf(AppUpdater::unzipFile(missing, tools.toolsFolderPath)),
                 "The operation couldn't be completed. (UnzipError error 9.)");
        QCOMPARE(failureOf(AppUpdater::makeExecutable(missing)),
                 "The operation couldn't be completed. (ChmodError error 1.)");
    }
};

MORVI_TEST_MAIN(TestAppUpdater)
#include "tst_appupdater.moc"
