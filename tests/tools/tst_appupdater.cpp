#include "CollectLog.h"
#include "LoopbackHttpServer.h"
#include "StoredZip.h"
#include "TestHome.h"
#include "tools/AppUpdater.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>

namespace {

using namespace std::chrono_literals;

const QByteArray newYtDlp = "#!/bin/sh\necho new downloader\n";
const QByteArray ffmpegScript = "#!/bin/sh\necho converter\n";
const QByteArray ffprobeScript = "#!/bin/sh\necho probe\n";
const QByteArray portalPage = "<!DOCTYPE html><html><body>Sign in to the network</body></html>\n";
// What starting a file that is no program gives.
const QString notAProgram =
    "The downloaded file is not a program that runs here: execvp: Exec format error";

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
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden |
                                  QDir::System);
}

} // namespace

class TestAppUpdater : public QObject {
    Q_OBJECT
    FileManagerHelper tools;
    QString ffprobePath = tools.toolsFolderPath + "/ffprobe";
    std::unique_ptr<LoopbackHttpServer> server;

    AppUpdater updater() const {
        return AppUpdater(
            {server->url("/yt-dlp"), server->url("/ffmpeg.zip"), server->url("/ffprobe.zip")}, 1s);
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

    // The release download redirects to another origin, as on the real service.
    void downloaderReplacesTheOldOne() {
        LoopbackHttpServer assetServer;
        assetServer.serve("/asset/yt-dlp_linux", newYtDlp);
        server->redirect("/yt-dlp", assetServer.url("/asset/yt-dlp_linux"));
        FakeTools::installOne("yt-dlp");
        QCOMPARE(downloadYtDlp(), QStringList{"Plugin 1 downloaded successfully."});
        QCOMPARE(outputOf(tools.ytDlpPath), "new downloader\n");
        QCOMPARE(entriesOf(tools.toolsFolderPath), QStringList{"yt-dlp"});
    }

    // Whatever a server sends, only a program that answers "--version" replaces the old one.
    void badDownloadLeavesTheOldDownloader_data() {
        QTest::addColumn<QString>("serving");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("reason");
        QTest::newRow("404") << "404" << portalPage << "HTTP status 404";
        QTest::newRow("500") << "500" << portalPage << "HTTP status 500";
        QTest::newRow("cut off") << "cut" << QByteArray(200000, 'x')
                                 << "The download broke off after 70000 of 200000 bytes.";
        QTest::newRow("stalled") << "stall" << QByteArray(200000, 'x')
                                 << "The transfer stalled: nothing arrived for 1 s.";
        QTest::newRow("no server") << "none" << QByteArray() << "Connection refused";
        QTest::newRow("empty body") << "200" << QByteArray() << notAProgram;
        QTest::newRow("garbage") << "200" << QByteArray("\x7f\x45\x4c\x46garbage") << notAProgram;
        QTest::newRow("HTML page") << "200" << portalPage << notAProgram;
        QTest::newRow("program failing its check")
            << "200" << QByteArray("#!/bin/sh\nexit 3\n")
            << "The downloaded program failed \"--version\" (exit status 3).";
    }
    void badDownloadLeavesTheOldDownloader() {
        QFETCH(QString, serving);
        QFETCH(QByteArray, body);
        QFETCH(QString, reason);
        FakeTools::installOne("yt-dlp");
        const QByteArray before = contentOf(tools.ytDlpPath);
        if (serving == "cut")
            server->serveCutOff("/yt-dlp", body, 70000);
        else if (serving == "stall") // the second piece would come after a minute
            server->serveSlowly("/yt-dlp", body, {}, 1000, 60000);
        else if (serving == "none")
            server->stopListening();
        else
            server->serve("/yt-dlp", body, serving.toInt());

        QCOMPARE(downloadYtDlp(), QStringList{"Failed to download yt-dlp: " + reason});
        QCOMPARE(entriesOf(tools.toolsFolderPath), QStringList{"yt-dlp"});
        QCOMPARE(contentOf(tools.ytDlpPath), before);
        QCOMPARE(outputOf(tools.ytDlpPath, {"--version"}), "2023.03.04\n");
    }

    // The program may come alone in one sub-folder, as some builds pack it.
    void converterAndProbeToolAreInstalled_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("top level") << QString();
        QTest::newRow("in a sub-folder") << QString("ffmpeg-5.1/");
    }
    void converterAndProbeToolAreInstalled() {
        QFETCH(QString, folder);
        FakeTools::installOne("ffmpeg");
        server->serve("/ffmpeg.zip", storedZip({{folder + "ffmpeg", ffmpegScript}}));
        server->serve("/ffprobe.zip", storedZip({{folder + "ffprobe", ffprobeScript}}));
        QCOMPARE(downloadFFmpeg(),
                 (QStringList{"Extracting plugin 2...", "Plugin 2 downloaded successfully.",
                              "Downloading plugin 3...", "Plugin 3 downloaded successfully."}));
        QCOMPARE(outputOf(tools.ffmpegPath), "converter\n");
        QCOMPARE(outputOf(ffprobePath), "probe\n");
        QCOMPARE(entriesOf(tools.toolsFolderPath), (QStringList{"ffmpeg", "ffprobe"}));
        // The archives stay in the temp folder; nothing unpacked does.
        QCOMPARE(entriesOf(tools.tempFolderPath), (QStringList{"ffmpeg.zip", "ffprobe.zip"}));
    }

    // A bad converter archive replaces nothing; a bad probe tool archive ends the operation
    // after the converter.
    void badArchiveReplacesNothing_data() {
        QTest::addColumn<QList<ZipEntry>>("ffmpegZip");
        QTest::addColumn<int>("ffprobeStatus");
        QTest::addColumn<QList<ZipEntry>>("ffprobeZip");
        QTest::addColumn<QStringList>("lines");
        const QList<ZipEntry> goodFfmpeg{{"ffmpeg", ffmpegScript}};
        const QList<ZipEntry> goodFfprobe{{"ffprobe", ffprobeScript}};
        const QString failed = "Failed to download Plugin 2: ";
        const QStringList extracting{"Extracting plugin 2..."};
        const QStringList converterInstalled{"Extracting plugin 2...",
                                             "Plugin 2 downloaded successfully.",
                                             "Downloading plugin 3..."};
        const QString outside = QDir::homePath() + "/outside";

        QTest::newRow("not a zip")
            << QList<ZipEntry>() << 200 << goodFfprobe
            << extracting + QStringList{failed + "The operation couldn't be completed. "
                                                 "(UnzipError error 9.)"};
        QTest::newRow("without the converter")
            << QList<ZipEntry>{{"readme.txt", "hello"}} << 200 << goodFfprobe
            << extracting + QStringList{failed + "The archive holds no \"ffmpeg\"."};
        QTest::newRow("converter in a sub-folder among other entries")
            << QList<ZipEntry>{{"build/ffmpeg", ffmpegScript}, {"readme.txt", "hello"}} << 200
            << goodFfprobe << extracting + QStringList{failed + "The archive holds no \"ffmpeg\"."};
        QTest::newRow("converter is an HTML page")
            << QList<ZipEntry>{{"ffmpeg", portalPage}} << 200 << goodFfprobe
            << extracting + QStringList{failed + notAProgram};
        QTest::newRow("converter is a link out of the tools folder")
            << QList<ZipEntry>{{"ffmpeg", outside.toUtf8(), true}} << 200 << goodFfprobe
            << extracting + QStringList{failed + "The archive's \"ffmpeg\" is not a regular file."};
        QTest::newRow("converter is a link in its sub-folder")
            << QList<ZipEntry>{{"build/ffmpeg", outside.toUtf8(), true}} << 200 << goodFfprobe
            << extracting + QStringList{failed + "The archive's \"ffmpeg\" is not a regular file."};
        QTest::newRow("probe tool download fails")
            << goodFfmpeg << 500 << goodFfprobe
            << converterInstalled + QStringList{failed + "HTTP status 500"};
        QTest::newRow("probe tool is an HTML page")
            << goodFfmpeg << 200 << QList<ZipEntry>{{"ffprobe", portalPage}}
            << converterInstalled + QStringList{failed + notAProgram};
    }
    void badArchiveReplacesNothing() {
        QFETCH(QList<ZipEntry>, ffmpegZip);
        QFETCH(int, ffprobeStatus);
        QFETCH(QList<ZipEntry>, ffprobeZip);
        QFETCH(QStringList, lines);
        FakeTools::installOne("ffmpeg");
        const QString outside = QDir::homePath() + "/outside";
        QFile file(outside);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not the converter\n");
        file.close();
        const QFile::Permissions outsidePermissions = file.permissions();
        server->serve("/ffmpeg.zip", ffmpegZip.isEmpty() ? portalPage : storedZip(ffmpegZip));
        server->serve("/ffprobe.zip", storedZip(ffprobeZip), ffprobeStatus);

        QCOMPARE(downloadFFmpeg(), lines);
        const bool converterReplaced = lines.contains("Plugin 2 downloaded successfully.");
        QCOMPARE(outputOf(tools.ffmpegPath, {"-version"}),
                 converterReplaced ? "converter\n" : "ffmpeg version 5.1\n");
        QCOMPARE(entriesOf(tools.toolsFolderPath), QStringList{"ffmpeg"});
        QCOMPARE(entriesOf(tools.tempFolderPath).filter("staging"), QStringList());
        QCOMPARE(contentOf(outside), "not the converter\n");
        QCOMPARE(file.permissions(), outsidePermissions);
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

    void updateThatCannotStartSaysWhy() {
        FakeTools::installOne("yt-dlp");
        QFile(tools.ytDlpPath).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(updateYtDlp(),
                 (QStringList{"Updating plugin 1...",
                              "Failed to update plugin 1: execvp: Permission denied"}));
    }
};

MORVI_TEST_MAIN(TestAppUpdater)
#include "tst_appupdater.moc"
