#include "CollectLog.h"
#include "LoopbackHttpServer.h"
#include "StoredZip.h"
#include "TestHome.h"
#include "tools/AppUpdater.h"
#include "tools/ToolCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

const QByteArray ytDlpScript = "#!/bin/sh\necho downloader\n";
const QByteArray ffmpegScript = "#!/bin/sh\necho converter\n";
const QByteArray ffprobeScript = "#!/bin/sh\necho probe\n";

QString outputOf(const QString& program, const QStringList& arguments = {}) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QString checking = "Checking for updates...";
const QString installing = "Checking and installing necessary plugins...";
const QString completed = "Update check completed.";

} // namespace

class TestToolCheck : public QObject {
    Q_OBJECT
    FileManagerHelper tools;
    QString ffprobePath = tools.toolsFolderPath + "/ffprobe";
    std::unique_ptr<LoopbackHttpServer> server;
    // Where the release download redirects to: another origin, as on the real service.
    std::unique_ptr<LoopbackHttpServer> assetServer;

    std::shared_ptr<AppUpdater> updater() const {
        return std::make_shared<AppUpdater>(
            ToolEndpoints{server->url("/releases/latest/download/yt-dlp_linux"),
                          server->url("/ffmpeg.zip"), server->url("/ffprobe.zip")});
    }
    QStringList runCheck() {
        return collectLog([this](LogCallback log) { return ToolCheck::run(updater(), log); });
    }
    void serveAllTools() {
        assetServer->serve("/asset/yt-dlp_linux", ytDlpScript);
        server->redirect("/releases/latest/download/yt-dlp_linux",
                         assetServer->url("/asset/yt-dlp_linux"));
        server->serve("/ffmpeg.zip", storedZip({{"ffmpeg", ffmpegScript}}));
        server->serve("/ffprobe.zip", storedZip({{"ffprobe", ffprobeScript}}));
    }

private slots:
    void init() {
        QDir(tools.toolsFolderPath).removeRecursively();
        QDir(tools.tempFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        FakeTools::configure();
        server = std::make_unique<LoopbackHttpServer>();
        assetServer = std::make_unique<LoopbackHttpServer>();
    }

    void emptyToolsFolderInstallsAllThree() {
        serveAllTools();
        QCOMPARE(runCheck(),
                 (QStringList{checking, installing, "Downloading plugin 1...",
                              "Plugin 1 downloaded successfully.", "Downloading plugin 2...",
                              "Extracting plugin 2...", "Plugin 2 downloaded successfully.",
                              "Downloading plugin 3...", "Plugin 3 downloaded successfully.",
                              completed}));
        QCOMPARE(server->requestedPaths(), (QStringList{"/releases/latest/download/yt-dlp_linux",
                                                        "/ffmpeg.zip", "/ffprobe.zip"}));
        QCOMPARE(assetServer->requestedPaths(), QStringList{"/asset/yt-dlp_linux"});
        QCOMPARE(outputOf(tools.ytDlpPath), "downloader\n");
        QCOMPARE(outputOf(tools.ffmpegPath), "converter\n");
        QCOMPARE(outputOf(ffprobePath), "probe\n");
    }

    // Nothing is fetched, and a missing probe tool alone is not reinstalled.
    void bothToolsPresentAndCurrent() {
        serveAllTools();
        FakeTools::install();
        const QString argsFile = QDir::homePath() + "/args";
        FakeTools::configure({{"FAKE_ARGS_FILE", argsFile}});
        QCOMPARE(runCheck(), (QStringList{checking, installing, "Updating plugin 1...",
                                          "Plugin 1 update completed.", completed}));
        QCOMPARE(FakeTools::recordedArguments(argsFile), QStringList{"--update"});
        QCOMPARE(server->requestedPaths(), QStringList());
        QVERIFY(!QFile::exists(ffprobePath));
    }

    void failingUpdateIsLoggedAndTheCheckEnds() {
        serveAllTools();
        FakeTools::install();
        FakeTools::configure({{"FAKE_UPDATE_OUTPUT", "ERROR: Unable to check for updates\\n"},
                              {"FAKE_UPDATE_EXIT", "1"}});
        QCOMPARE(runCheck(),
                 (QStringList{checking, installing, "Updating plugin 1...",
                              "Plugin 1 update failed: ERROR: Unable to check for updates\n",
                              completed}));
    }

    void missingDownloaderWithConverterPresent() {
        serveAllTools();
        FakeTools::installOne("ffmpeg");
        QCOMPARE(runCheck(), (QStringList{checking, installing, "Downloading plugin 1...",
                                          "Plugin 1 downloaded successfully.", completed}));
        QCOMPARE(server->requestedPaths(), QStringList{"/releases/latest/download/yt-dlp_linux"});
    }

    void presentDownloaderWithConverterMissing() {
        serveAllTools();
        FakeTools::installOne("yt-dlp");
        QCOMPARE(
            runCheck(),
            (QStringList{checking, installing, "Updating plugin 1...", "Plugin 1 update completed.",
                         "Downloading plugin 2...", "Extracting plugin 2...",
                         "Plugin 2 downloaded successfully.", "Downloading plugin 3...",
                         "Plugin 3 downloaded successfully.", completed}));
    }

    void noServerListening() {
        server->stopListening();
        QCOMPARE(
            runCheck(),
            (QStringList{checking, installing, "Downloading plugin 1...",
                         "Failed to download yt-dlp: Connection refused", "Downloading plugin 2...",
                         "Failed to download Plugin 2: Connection refused", completed}));
        QCOMPARE(QDir(tools.toolsFolderPath).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void notFoundIsAFailure() {
        QCOMPARE(
            runCheck(),
            (QStringList{checking, installing, "Downloading plugin 1...",
                         "Failed to download yt-dlp: HTTP status 404", "Downloading plugin 2...",
                         "Failed to download Plugin 2: HTTP status 404", completed}));
        QVERIFY(!QFile::exists(tools.ytDlpPath));
    }

    // The owner of the installer (the main window's controller) may go away mid-check.
    void checkOutlivesTheInstallerItWasGiven() {
        serveAllTools();
        QStringList lines;
        auto installer = updater();
        auto check = ToolCheck::run(installer, [&](const QString& line) { lines << line; });
        installer.reset();
        QCoro::waitFor(check);
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.last(), completed);
        QCOMPARE(outputOf(ffprobePath), "probe\n");
    }
};

MORVI_TEST_MAIN(TestToolCheck)
#include "tst_toolcheck.moc"
