#include "TestHome.h"
#include "core/engine/YtdlpManager.h"

class TestYtdlpArguments : public QObject {
    Q_OBJECT

    // A row: the choices, the audio format the downloader is asked for (none for a video),
    // and what follows the converter's location.
    static void row(const char* name, const QString& format, const QString& quality, bool playlists,
                    const QString& audio, const QStringList& tail) {
        QTest::newRow(name) << format << quality << playlists << audio << tail;
    }

private slots:
    void arguments_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("quality");
        QTest::addColumn<bool>("playlists");
        QTest::addColumn<QString>("audio");
        QTest::addColumn<QStringList>("tail");
        const QStringList sorted{"-S", "vcodec:h264,res,acodec:aac", "-f"};
        const QString atMost = "bestvideo[height<=%1]+bestaudio/best[height<=%1]";
        row("MP3", "MP3", "720p", false, "mp3", {});
        row("M4A", "M4A", "Best", false, "m4a", {});
        row("720p with playlists", "MP4", "720p", true, "", sorted + QStringList{atMost.arg(720)});
        row("1440p unsorted", "MP4", "1440p", false, "", {"-f", atMost.arg(1440)});
        row("Highest", "MP4", "Highest Available", false, "", {"-f", "bestvideo+bestaudio"});
        row("Lowest", "MP4", "Lowest Available", false, "", {"-f", "worst"});
    }
    void arguments() {
        QFETCH(QString, format);
        QFETCH(QString, quality);
        QFETCH(bool, playlists);
        QFETCH(QString, audio);
        QFETCH(QStringList, tail);
        QStringList expected{"-o", "%(title)s.%(ext)s", "--add-metadata"};
        if (!playlists)
            expected << "--no-playlist";
        expected += audio.isEmpty()
                        ? QStringList{"--merge-output-format", "mp4", "--postprocessor-args",
                                      "-c:v copy -c:a aac -b:a 192k"}
                        : QStringList{"--embed-thumbnail",    "--extract-audio",
                                      "--audio-format",       audio,
                                      "--audio-quality",      "320k",
                                      "--convert-thumbnails", "jpg"};
        expected << "--ffmpeg-location" << FileManagerHelper().ffmpegPath << tail;
        QCOMPARE(YtdlpManager().buildArguments(format, quality, "320k", playlists), expected);
    }
};

MORVI_TEST_MAIN(TestYtdlpArguments)
#include "tst_ytdlparguments.moc"
