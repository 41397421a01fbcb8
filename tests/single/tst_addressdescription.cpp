#include "LoopbackHttpServer.h"
#include "TestHome.h"
#include "core/single/AddressDescription.h"
#include "core/tools/FileManagerHelper.h"

namespace {

using State = AddressDescription::State;

// Two video heights, as an adaptive stream's manifest lists them.
const QByteArray manifest = R"(<?xml version="1.0"?>
<MPD xmlns="urn:mpeg:dash:schema:mpd:2011" type="static" mediaPresentationDuration="PT4S"
     minBufferTime="PT1S" profiles="urn:mpeg:dash:profile:isoff-on-demand:2011"><Period>
<AdaptationSet mimeType="video/mp4">
<Representation id="v360" codecs="avc1.64001e" width="640" height="360" bandwidth="500000">
<BaseURL>v360.mp4</BaseURL></Representation>
<Representation id="v720" codecs="avc1.64001f" width="1280" height="720" bandwidth="1500000">
<BaseURL>v720.mp4</BaseURL></Representation></AdaptationSet></Period></MPD>
)";

const QByteArray posterPage = "<html><head><title>A poster page</title></head><body>"
                              "<video poster=\"/poster.pbm\" src=\"/clip.mp4\"></video>"
                              "</body></html>";

// Sizes as an extractor that knows them reports them: exact, approximate or none. No "//"
// in it: moc would take it for a comment.
const QByteArray sizedDocument = R"({"title": "Clip", "uploader": "Someone", "duration": 205,
"thumbnail": "file:/etc/hostname", "formats": [
{"vcodec": "none", "acodec": "opus", "tbr": 64, "filesize_approx": 500},
{"vcodec": "none", "acodec": "mp4a.40.2", "tbr": 128, "filesize": 1000},
{"vcodec": "avc1", "acodec": "none", "height": 360, "tbr": 500, "filesize_approx": 10000},
{"vcodec": "avc1", "acodec": "none", "height": 720, "tbr": 1500, "filesize": 30000},
{"vcodec": "vp9", "acodec": "none", "height": 1080, "tbr": 3000}]})";

[[nodiscard]] bool settled(const AddressDescription& description) {
    return QTest::qWaitFor([&] { return description.state() != State::describing; }, 30000);
}

} // namespace

class TestAddressDescription : public QObject {
    Q_OBJECT
    FileManagerHelper tools;
    LoopbackHttpServer server;

private slots:
    void initTestCase() {
        server.serve("/stream.mpd", manifest, 200, "application/dash+xml");
        server.serve("/page.html", posterPage, 200, "text/html");
        server.serve("/clip.mp4", QByteArray(1000, 'x'), 200, "video/mp4");
        // A 16x9 image in the plainest format Qt reads.
        server.serve("/poster.pbm", "P1 16 9 " + QByteArray("0 ").repeated(16 * 9), 200,
                     "image/x-portable-bitmap");
    }

    // Debian's downloader on 127.0.0.1: the heights a manifest offers, the title and the
    // thumbnail of a page with a poster, the reason of a failure.
    void realDownloader_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("described");
        QTest::newRow("manifest") << "/stream.mpd"
                                  << "heights 360 720";
        QTest::newRow("page with a poster") << "/page.html"
                                            << "A poster page (1), 16x9 thumbnail";
        QTest::newRow("missing page")
            << "/gone.html"
            << "failed: [generic] None: Unable to download webpage: HTTP Error 404";
    }
    void realDownloader() {
        QFETCH(QString, path);
        QFETCH(QString, described);
        if (!QFile::exists("/usr/bin/yt-dlp"))
            QSKIP("Debian's yt-dlp is needed");
        QFile::remove(tools.ytDlpPath);
        QFile::link("/usr/bin/yt-dlp", tools.ytDlpPath);
        AddressDescription description;
        description.setAddress(server.url(path).toString(), false);
        QVERIFY(settled(description));
        const MediaDescription& media = description.description();
        QString said;
        if (description.state() == State::failed) {
            said = "failed: " + description.failure();
        } else if (media.title.startsWith("A poster page")) {
            QVERIFY(QTest::qWaitFor([&] { return !description.thumbnail().isNull(); }, 5000));
            const QSize size = description.thumbnail().size();
            said = QString("%1, %2x%3 thumbnail")
                       .arg(media.title)
                       .arg(size.width())
                       .arg(size.height());
        } else {
            QList<int> heights = media.heights().values();
            std::sort(heights.begin(), heights.end());
            said = "heights";
            for (const int height : heights)
                said += " " + QString::number(height);
        }
        QVERIFY2(said.startsWith(described), qPrintable(said));
    }

    // The size the chosen format and quality would download; "~" marks an approximate size,
    // "" an unknown one.
    void sizeEstimate_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("quality");
        QTest::addColumn<QString>("size");
        QTest::newRow("audio: the best sound track") << "MP3" << QString("1080p") << "1000";
        QTest::newRow("720p: its video and the sound") << "MP4" << QString("720p") << "31000";
        QTest::newRow("480p: the tallest within it") << "MP4" << QString("480p") << "~11000";
        QTest::newRow("Lowest Available") << "MP4" << QString("Lowest Available") << "~11000";
        QTest::newRow("1080p: size unknown") << "MP4" << QString("1080p") << "";
    }
    void sizeEstimate() {
        QFETCH(QString, format);
        QFETCH(QString, quality);
        QFETCH(QString, size);
        QString error;
        const auto estimate =
            MediaDescription::fromJson(sizedDocument, error).value().estimate(format, quality);
        QCOMPARE(estimate ? (estimate->approximate ? "~" : "") + QString::number(estimate->bytes)
                          : QString(),
                 size);
    }

    // A new address, or a download start, ends the running description with its processes.
    // The scripted downloader is asked for the document of an address that is never taken as
    // an option, and a warning after its document spoils nothing; a thumbnail that is no web
    // address is not fetched.
    void runningDescriptionIsEnded() {
        FakeTools::installOne("yt-dlp");
        const QString pidFile = QDir::homePath() + "/describing.pid";
        const QString argsFile = QDir::homePath() + "/description-args";
        FakeTools::configure({{"FAKE_DESCRIPTION_PID_FILE", pidFile}});
        AddressDescription description;
        description.setAddress("https://youtu.be/first", false);
        qint64 pid = FakeTools::waitForChildPid(pidFile);
        QVERIFY(pid > 0);
        description.cancel();
        QVERIFY(waitForProcessGone(pid));
        QCOMPARE(description.state(), State::idle);

        // Last the run that settles: by then the ended runs have seen their ends.
        QFile::remove(pidFile);
        description.setAddress("https://youtu.be/second", false);
        pid = FakeTools::waitForChildPid(pidFile);
        QVERIFY(pid > 0);
        FakeTools::configure({{"FAKE_DESCRIPTION", sizedDocument},
                              {"FAKE_DESCRIPTION_ARGS_FILE", argsFile},
                              {"FAKE_STDERR", "WARNING: after the document\\n"}});
        description.setAddress(" -https://youtu.be/x ", true);
        QVERIFY(waitForProcessGone(pid));
        QVERIFY(settled(description));
        QCOMPARE(FakeTools::recordedArguments(argsFile),
                 (QStringList{"-J", "--ignore-config", "--", "-https://youtu.be/x"}));
        const MediaDescription& media = description.description();
        QCOMPARE((QStringList{media.title, media.uploader, QString::number(*media.seconds)}),
                 (QStringList{"Clip", "Someone", "205"}));
        QTest::qWait(50);
        QVERIFY(description.thumbnail().isNull());
    }
};

MORVI_TEST_MAIN(TestAddressDescription)
#include "tst_addressdescription.moc"
