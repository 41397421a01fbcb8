// Morvi's controllers against Debian's real yt-dlp and ffmpeg, downloading media that the
// test makes itself and serves on 127.0.0.1.
#include "LoopbackHttpServer.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "cutter/MediaCutterViewModel.h"
#include "queue/BulkDownloadViewModel.h"
#include "single/LogModel.h"
#include "single/MainWindowViewModel.h"
#include "tools/AppUpdater.h"
#include "tools/FileManagerHelper.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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
    ffprobe.start("/usr/bin/ffprobe", {"-v", "error", "-show_entries",
                                       "stream=codec_type,height:format=format_name,duration",
                                       "-of", "json", path});
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
        const QHash<QString, QByteArray> types{{"mp4", "video/mp4"},
                                               {"mpd", "application/dash+xml"},
                                               {"m4s", "video/iso.segment"}};
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
                                 "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a",
                                 "aac", "-shortest"}));
        QVERIFY(TestMedia::make(
            site.filePath("stream.mpd"),
            {"-f", "lavfi", "-i", "testsrc=size=1280x720:rate=25:duration=4", "-f", "lavfi", "-i",
             "sine=duration=4", "-map", "0:v", "-map", "0:v", "-map", "1:a", "-c:v", "libx264",
             "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-s:v:0", "640x360", "-s:v:1",
             "1280x720", "-c:a", "aac", "-f", "dash", "-adaptation_sets",
             "id=0,streams=v id=1,streams=a"}));
        serveSite();
        QFile::copy("/usr/bin/yt-dlp", tools.ytDlpPath);
        QFile(tools.ytDlpPath).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        TestMedia::installConverter();
        QFile::link("/usr/bin/ffprobe", tools.toolsFolderPath + "/ffprobe");
    }
};

MORVI_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
