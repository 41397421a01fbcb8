// Morvi's controllers against Debian's real yt-dlp and ffmpeg, downloading media that the
// test makes itself and serves on 127.0.0.1.
#include "LoopbackHttpServer.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "platform/LogModel.h"
#include "single/MainWindowViewModel.h"
#include "tools/AppUpdater.h"
#include "tools/FileManagerHelper.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

namespace {

const int downloadTimeoutMs = 120000;

struct Probe {
    QString container;
    QStringList codecTypes;
    int height = 0;
    double duration = 0;
};

// What Debian's ffprobe says of a file: its container, its streams' kinds, the video height.
Probe probe(const QString& path) {
    QProcess ffprobe;
    ffprobe.start("/usr/bin/ffprobe",
                  {"-v", "error", "-show_entries",
                   "stream=codec_type,height:format=format_name,duration", "-of", "json", path});
    ffprobe.waitForFinished(30000);
    const QJsonObject root = QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
    Probe result;
    result.container = root["format"]["format_name"].toString();
    result.duration = root["format"]["duration"].toString().toDouble();
    for (const QJsonValue stream : root["streams"].toArray()) {
        result.codecTypes << stream["codec_type"].toString();
        result.height = std::max(result.height, stream["height"].toInt());
    }
    return result;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// The processes whose working folder is this one: a download's downloader and converter.
QList<qint64> processesWorkingIn(const QString& folder) {
    QList<qint64> pids;
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (isPid && processIsAlive(pid) &&
            QFileInfo("/proc/" + entry + "/cwd").symLinkTarget() == canonical)
            pids << pid;
    }
    return pids;
}

struct SingleRun {
    QStringList log;
    QList<double> progress;
    QList<RecordingDialogs::Alert> alerts;
    QStringList files;
    QString completedFile;
};

// One download through the main window's controller, as the window starts it.
SingleRun downloadThroughMainWindow(const QString& url, const QString& format,
                                    const QString& videoQuality, const QString& folder) {
    RecordingDialogs dialogs;
    MainWindowViewModel controller(dialogs, std::make_shared<AppUpdater>());
    SingleRun run;
    QObject::connect(&controller, &MainWindowViewModel::downloadProgressChanged,
                     [&] { run.progress << controller.downloadProgress(); });
    controller.setUrlText(url);
    controller.setSelectedFormat(format);
    controller.setSelectedVideoQuality(videoQuality);
    controller.setOutputPath(folder);
    controller.startDownload();
    const bool ended =
        QTest::qWaitFor([&] { return !controller.isDownloading(); }, downloadTimeoutMs);
    run.log = controller.logMessages()->entries();
    if (!ended)
        run.log << "the download did not end";
    run.alerts = dialogs.alerts;
    run.files = filesIn(folder);
    run.completedFile = controller.completedFile();
    return run;
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
    QTemporaryDir site;
    LoopbackHttpServer server;
    RecordingDialogs dialogs;
    FileManagerHelper tools;

    QString plainUrl() const { return server.url("/plain.mp4").toString() + "?v=youtu.be"; }
    QString streamUrl() const { return server.url("/stream.mpd").toString() + "?v=youtu.be"; }

    static QString freshFolder(const QString& name) {
        const QString folder = QDir::homePath() + "/out/" + name;
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        return folder;
    }

    void serveSite() {
        const QHash<QString, QByteArray> types{
            {"mp4", "video/mp4"}, {"mpd", "application/dash+xml"}, {"m4s", "video/iso.segment"}};
        for (const QString& name : QDir(site.path()).entryList(QDir::Files)) {
            QFile file(site.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            server.serve("/" + name, file.readAll(), 200, types.value(QFileInfo(name).suffix()));
        }
    }

private slots:
    void initTestCase() {
        if (!QFile::exists("/usr/bin/yt-dlp") || !TestMedia::available())
            QSKIP("Debian's yt-dlp and ffmpeg are needed");
        QVERIFY(TestMedia::make(site.filePath("plain.mp4"),
                                {"-f", "lavfi", "-i", "testsrc=size=640x360:rate=25:duration=4",
                                 "-f", "lavfi", "-i", "sine=frequency=440:duration=4", "-c:v",
                                 "libx264", "-preset", "ultrafast", "-g", "25", "-pix_fmt",
                                 "yuv420p", "-c:a", "aac", "-shortest"}));
        // Two video heights and one audio stream, as an adaptive stream offers them.
        const QString stream = "-f lavfi -i testsrc=size=1280x720:rate=25:duration=4 -f lavfi -i "
                               "sine=duration=4 -map 0:v -map 0:v -map 1:a -c:v libx264 -preset "
                               "ultrafast -pix_fmt yuv420p -s:v:0 640x360 -s:v:1 1280x720 -c:a "
                               "aac -f dash -adaptation_sets";
        QVERIFY(TestMedia::make(site.filePath("stream.mpd"),
                                stream.split(' ') << "id=0,streams=v id=1,streams=a"));
        serveSite();
        QFile::copy("/usr/bin/yt-dlp", tools.ytDlpPath);
        QFile(tools.ytDlpPath).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        TestMedia::installConverter();
        QFile::link("/usr/bin/ffprobe", tools.toolsFolderPath + "/ffprobe");
    }
    void singleDownload_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("quality");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QStringList>("streams");
        QTest::addColumn<int>("height");
        const QStringList audio{"audio"}, both{"video", "audio"};
        const auto row = [](const char* name, const QString& format, const QString& quality,
                            const QString& file, const QString& container,
                            const QStringList& streams, int height) {
            QTest::newRow(name) << format << quality << file << container << streams << height;
        };
        row("MP3", "MP3", "1080p", "plain.mp3", "mp3", audio, 0);
        row("M4A", "M4A", "1080p", "plain.m4a", "mp4", audio, 0);
        row("MP4 Best, one merged format", "MP4", "Best", "plain.mp4", "mp4", both, 360);
        row("MP4 720p, adaptive", "MP4", "720p", "stream.mp4", "mp4", both, 720);
        row("MP4 360p, adaptive", "MP4", "360p", "stream.mp4", "mp4", both, 360);
        row("MP4 Highest Available, adaptive", "MP4", "Highest Available", "stream.mp4", "mp4",
            both, 720);
    }
    void singleDownload() {
        QFETCH(QString, format);
        QFETCH(QString, quality);
        QFETCH(QString, file);
        QFETCH(QString, container);
        QFETCH(QStringList, streams);
        QFETCH(int, height);
        const QString folder = freshFolder(QTest::currentDataTag());
        const QString url = file.startsWith("stream") ? streamUrl() : plainUrl();

        const SingleRun run = downloadThroughMainWindow(url, format, quality, folder);
        QVERIFY2(run.alerts.isEmpty(), qPrintable(run.log.join('\n')));
        QCOMPARE(run.log.last().mid(11), "Download and conversion completed successfully.");
        QVERIFY(run.log.filter(QRegularExpression("\\[download\\] +100(\\.0)?% of")).size() > 0);
        QVERIFY(!run.progress.isEmpty());
        QCOMPARE(run.progress.last(), 100.0);
        QCOMPARE(run.files, QStringList{file});
        // "Open File" names the file the downloader wrote, whatever steps it took.
        QCOMPARE(run.completedFile, folder + "/" + file);

        const Probe result = probe(folder + "/" + file);
        QVERIFY2(result.container.contains(container), qPrintable(result.container));
        QCOMPARE(result.codecTypes, streams);
        QCOMPARE(result.height, height);
    }

    void stopEndsTheRealDownloadAndItsProcesses() {
        QFile file(site.filePath("plain.mp4"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        server.serveSlowly("/slow.mp4", file.readAll(), "video/mp4", 4096, 100);
        const QString folder = freshFolder("stop");
        RecordingDialogs dialogs;
        MainWindowViewModel controller(dialogs, std::make_shared<AppUpdater>());
        controller.setUrlText(server.url("/slow.mp4").toString() + "?v=youtu.be");
        controller.setSelectedFormat("MP4");
        controller.setSelectedVideoQuality("Best");
        controller.setOutputPath(folder);
        controller.startDownload();
        QVERIFY(QTest::qWaitFor([&] { return controller.downloadProgress() > 0; }, 60000));
        QVERIFY(!processesWorkingIn(folder).isEmpty());

        controller.stopDownload();
        QVERIFY(!controller.isDownloading());
        QVERIFY(controller.logMessages()->entries().last().endsWith(
            "] Download was stopped by the user."));
        QVERIFY(QTest::qWaitFor([&] { return !dialogs.alerts.isEmpty(); }, 30000));
        QCOMPARE(dialogs.alerts.first(),
                 (RecordingDialogs::Alert{"Download Failed",
                                          "Download failed: Process exited with code 15"}));
        QVERIFY(controller.logMessages()->entries().last().endsWith(
            "] Download failed: Download failed: Process exited with code 15"));
        QVERIFY(QTest::qWaitFor([&] { return processesWorkingIn(folder).isEmpty(); }, 10000));
    }
};

MORVI_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
