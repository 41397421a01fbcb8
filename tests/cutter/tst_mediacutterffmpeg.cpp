#include "RecordingDialogs.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "cutter/MediaCutterViewModel.h"
#include "cutter/TimeText.h"
#include "platform/LogModel.h"
#include "platform/MediaProbe.h"

#include <QCoroTask>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <unistd.h>

namespace {

QString lastMessage(const MediaCutterViewModel& cutter) {
    return cutter.logMessages()->entries().value(cutter.logMessages()->rowCount() - 1).mid(11);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The cutter against Debian's real converter and libavformat, on media made here.
class TestMediaCutterFfmpeg : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    QString media = QDir::homePath() + "/media";
    QString output = QDir::homePath() + "/out";

    QString file(const QString& name) const { return media + "/" + name; }

    void cut(MediaCutterViewModel& cutter, const QString& input, const QString& start,
             const QString& end, const QString& format, const QString& folder = {},
             const QString& name = "part") {
        cutter.setSelectedFilePath(input);
        cutter.setStartTime(start);
        cutter.setEndTime(end);
        cutter.setOutputFileName(name);
        cutter.setOutputFormat(format);
        cutter.setOutputPath(folder.isEmpty() ? output : folder);
        QCoro::waitFor(cutter.startCutting());
    }

private slots:
    void initTestCase() {
        if (!TestMedia::available())
            QSKIP("Debian's ffmpeg is not installed");
        QVERIFY(QDir().mkpath(media) && QDir().mkpath(output));
        QVERIFY(TestMedia::makeClip(file("clip.mp4"), 10));
        QVERIFY(TestMedia::makeClip(file("one keyframe.mp4"), 10, 1000));
        QVERIFY(TestMedia::makeTone(file("tone.m4a"), 10));
        QVERIFY(TestMedia::makeSongWithCover(file("song.mp3"), 5));
        QVERIFY(TestMedia::makeWithoutLength(file("no length.wav")));
        QFile text(file("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not media\n") > 0);
        TestMedia::installConverter();
    }

    void mediaInformation_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("duration");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("log");
        QTest::newRow("video") << QString("clip.mp4") << 10.0 << "Video" << QString();
        QTest::newRow("audio only") << QString("tone.m4a") << 10.0 << "Audio" << QString();
        QTest::newRow("cover art is not video")
            << QString("song.mp3") << 5.0 << "Audio" << QString();
        QTest::newRow("unknown length") << QString("no length.wav") << -1.0 << "Audio" << QString();
        QTest::newRow("not media") << QString("notes.txt") << -1.0 << ""
                                   << "Invalid data found when processing input";
    }
    void mediaInformation() {
        QFETCH(QString, name);
        QFETCH(double, duration);
        QFETCH(QString, kind);
        QFETCH(QString, log);
        MediaCutterViewModel cutter(dialogs);
        cutter.setEndTime("00:00:42");
        cutter.setSelectedFilePath(file(name));
        QCoro::waitFor(cutter.loadMediaInfo(file(name)));
        QVERIFY(qAbs(cutter.mediaDuration().value_or(-1) - duration) < 0.1);
        QCOMPARE(cutter.mediaFormat(), kind);
        // A length that is not known leaves the end time as it was.
        QCOMPARE(cutter.endTime(), duration < 0 ? "00:00:42" : formatTime(duration));
        QCOMPARE(lastMessage(cutter), log.isEmpty() ? "" : "Failed to get media info: " + log);
    }

    // A file read after another one was chosen (the user chose twice in a row) must
    // not fill in the information of the file chosen last.
    void resultForAnotherFileIsDropped() {
        MediaCutterViewModel cutter(dialogs);
        cutter.setSelectedFilePath(file("tone.m4a"));
        QSignalSpy kinds(&cutter, &MediaCutterViewModel::mediaFormatChanged);
        QCoro::waitFor(cutter.loadMediaInfo(file("clip.mp4")));
        QCOMPARE(kinds.size(), 0);
        QCoro::waitFor(cutter.loadMediaInfo(file("tone.m4a")));
        QCOMPARE(cutter.mediaFormat(), "Audio");
    }

    // A start past the end makes the converter write no stream, or a file that cannot be read.
    void realCut_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("streams");
        QTest::newRow("video and audio")
            << QString("clip.mp4") << 2 << 5 << QString("mp4") << "video audio";
        // The only keyframe is at 0: a stream copy drops the video, which the log says.
        QTest::newRow("video dropped")
            << QString("one keyframe.mp4") << 3 << 5 << QString("mp4") << "audio";
        QTest::newRow("audio with cover")
            << QString("song.mp3") << 1 << 3 << QString("mp4") << "audio";
        QTest::newRow("start past the end")
            << QString("clip.mp4") << 20 << 25 << QString("mp4") << "";
        QTest::newRow("unreadable output")
            << QString("song.mp3") << 20 << 25 << QString("mp3") << "";
    }
    void realCut() {
        QFETCH(QString, name);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, format);
        QFETCH(QString, streams);
        MediaCutterViewModel cutter(dialogs);
        cut(cutter, file(name), formatTime(start), formatTime(end), format);
        const QStringList log = cutter.logMessages()->entries();
        QCOMPARE(log.filter("] The video was dropped: a stream copy can only start at a keyframe, "
                            "and there is none between the start and end times")
                     .size(),
                 name.startsWith("one keyframe") ? 1 : 0);
        if (streams.isEmpty()) {
            QCOMPARE(lastMessage(cutter),
                     "Media cutting failed: Media cutting failed: The output file is empty: no "
                     "audio or video lies between the start and end times");
            QCOMPARE(cutter.lastOutputFile(), "");
            return;
        }
        QCOMPARE(lastMessage(cutter), "Media cutting completed successfully!");
        QCOMPARE(cutter.cuttingProgress(), 100.0);
        QCOMPARE(cutter.lastOutputFile(), output + "/part.mp4");
        const MediaProbe::Info result = MediaProbe::read(output + "/part.mp4");
        QCOMPARE(QString(result.hasVideo ? "video " : "") + (result.hasAudio ? "audio" : ""),
                 streams);
        QVERIFY2(qAbs(*result.duration - (end - start)) < 0.3,
                 qPrintable(QString::number(*result.duration)));
    }

    // The converter's "-y" would truncate the input: the cut fails before it starts.
    void outputThatIsTheInputIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::newRow("same path") << QString("same") << media;
        QTest::newRow("folder through a symbolic link") << QString("same") << media + "/../linked";
        QTest::newRow("folder through ..") << QString("same") << media + "/../media/";
        QTest::newRow("hard link") << QString("hard") << output;
    }
    void outputThatIsTheInputIsRefused() {
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QFile::copy(file("clip.mp4"), file("same.mp4"));
        QFile::link(media, QDir::homePath() + "/linked");
        ::link(QFile::encodeName(file("same.mp4")), QFile::encodeName(output + "/hard.mp4"));
        const QByteArray before = contents(file("same.mp4"));
        MediaCutterViewModel cutter(dialogs);
        cut(cutter, file("same.mp4"), "00:00:01", "00:00:02", "mp4", folder, name);
        QCOMPARE(cutter.logMessages()->rowCount(), 5); // the start lines and the failure
        QCOMPARE(lastMessage(cutter), "Media cutting failed: Media cutting failed: The output "
                                      "file is the input file: choose another name or folder");
        QCOMPARE(contents(file("same.mp4")), before);
    }
};

MORVI_TEST_MAIN(TestMediaCutterFfmpeg)
#include "tst_mediacutterffmpeg.moc"
