#include "TestHome.h"
#include "engine/YtdlpManager.h"

class TestYtdlpArguments : public QObject {
    Q_OBJECT
    YtdlpManager manager;
    const QString ffmpeg = FileManagerHelper().ffmpegPath;

    QStringList videoHead() const {
        return {"-o",
                "%(title)s.%(ext)s",
                "--add-metadata",
                "--no-playlist",
                "--merge-output-format",
                "mp4",
                "--postprocessor-args",
                "-c:v copy -c:a aac -b:a 192k",
                "--ffmpeg-location",
                ffmpeg};
    }

private slots:
    void mp3WithoutPlaylists() {
        const QStringList expected{"-o",
                                   "%(title)s.%(ext)s",
                                   "--add-metadata",
                                   "--no-playlist",
                                   "--embed-thumbnail",
                                   "--extract-audio",
                                   "--audio-format",
                                   "mp3",
                                   "--audio-quality",
                                   "192k",
                                   "--convert-thumbnails",
                                   "jpg",
                                   "--ffmpeg-location",
                                   ffmpeg};
        QCOMPARE(manager.buildArguments("MP3", "720p", "192k", false), expected);
    }

    void mp4At720pWithPlaylists() {
        const QStringList expected{"-o",
                                   "%(title)s.%(ext)s",
                                   "--add-metadata",
                                   "--merge-output-format",
                                   "mp4",
                                   "--postprocessor-args",
                                   "-c:v copy -c:a aac -b:a 192k",
                                   "--ffmpeg-location",
                                   ffmpeg,
                                   "-S",
                                   "vcodec:h264,res,acodec:aac",
                                   "-f",
                                   "bestvideo[height<=720]+bestaudio/best[height<=720]"};
        QCOMPARE(manager.buildArguments("MP4", "720p", "64k", true), expected);
    }

    void m4aUsesLowerCaseFormatAndIgnoresVideoQuality() {
        const QStringList arguments = manager.buildArguments("M4A", "Best", "320k", false);
        QCOMPARE(arguments.mid(4, 6),
                 QStringList({"--embed-thumbnail", "--extract-audio", "--audio-format", "m4a",
                              "--audio-quality", "320k"}));
        QVERIFY(!arguments.contains("-f"));
    }

    void lowerCaseMp3IsAVideoDownload() {
        QCOMPARE(manager.buildArguments("mp3", "Best", "192k", false),
                 videoHead() + QStringList({"-f", "best"}));
    }

    void qualityRows_data() {
        QTest::addColumn<QString>("quality");
        QTest::addColumn<QStringList>("tail");
        const QString sort = "vcodec:h264,res,acodec:aac";
        QTest::newRow("Best") << "Best" << QStringList{"-f", "best"};
        QTest::newRow("Highest") << "Highest Available" << QStringList{"-f", "bestvideo+bestaudio"};
        QTest::newRow("Lowest") << "Lowest Available" << QStringList{"-f", "worst"};
        QTest::newRow("2160p") << "2160p"
                               << QStringList{
                                      "-f", "bestvideo[height<=2160]+bestaudio/best[height<=2160]"};
        QTest::newRow("1440p") << "1440p"
                               << QStringList{
                                      "-f", "bestvideo[height<=1440]+bestaudio/best[height<=1440]"};
        for (const char* height : {"1080", "720", "480", "360"}) {
            const QString h = height;
            QTest::newRow(height) << h + "p"
                                  << QStringList{"-S", sort, "-f",
                                                 QString("bestvideo[height<=%1]+bestaudio/"
                                                         "best[height<=%1]")
                                                     .arg(h)};
        }
        QTest::newRow("empty falls back") << "" << QStringList{"-f", "bestvideo+bestaudio"};
        QTest::newRow("unknown falls back") << "1080P" << QStringList{"-f", "bestvideo+bestaudio"};
        QTest::newRow("240p falls back") << "240p" << QStringList{"-f", "bestvideo+bestaudio"};
    }
    void qualityRows() {
        QFETCH(QString, quality);
        QFETCH(QStringList, tail);
        QCOMPARE(manager.buildArguments("MP4", quality, "192k", false), videoHead() + tail);
    }

    void neverAddsAnAddressOrFolder() {
        const QStringList arguments = manager.buildArguments("MP4", "Best", "192k", true);
        QCOMPARE(arguments.last(), QString("best"));
        QVERIFY(!arguments.contains("--"));
        QVERIFY(!arguments.contains("-P"));
    }
};

MORVI_TEST_MAIN(TestYtdlpArguments)
#include "tst_ytdlparguments.moc"
