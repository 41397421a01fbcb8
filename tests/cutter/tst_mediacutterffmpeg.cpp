#include "RecordingDialogs.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "cutter/MediaCutterViewModel.h"
#include "platform/LogModel.h"
#include "platform/MediaProbe.h"

#include <QCoroTask>
#include <QDir>
#include <QFile>
#include <QSignalSpy>

namespace {

QStringList messages(const MediaCutterViewModel& cutter) {
    QStringList result;
    for (const QString& entry : cutter.logMessages()->entries())
        result << entry.mid(11);
    return result;
}

} // namespace

// The cutter against Debian's real converter and libavformat, on media made here.
class TestMediaCutterFfmpeg : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    QString media;
    QString output;

    QString file(const QString& name) const { return media + "/" + name; }

    void prepareCut(MediaCutterViewModel& cutter, const QString& input, const QString& start,
                    const QString& end, const QString& format) {
        cutter.setSelectedFilePath(input);
        cutter.setStartTime(start);
        cutter.setEndTime(end);
        cutter.setOutputFileName("part");
        cutter.setOutputFormat(format);
        cutter.setOutputPath(output);
    }

private slots:
    void initTestCase() {
        if (!TestMedia::available())
            QSKIP("Debian's ffmpeg is not installed");
        media = QDir::homePath() + "/media";
        output = QDir::homePath() + "/out";
        QVERIFY(QDir().mkpath(media));
        QVERIFY(QDir().mkpath(output));
        QVERIFY(TestMedia::makeClip(file("clip.mp4"), 10));
        QVERIFY(TestMedia::makeClip(file("one keyframe.mp4"), 10, 1000));
        QVERIFY(TestMedia::makeTone(file("tone.m4a"), 10));
        QVERIFY(TestMedia::makeSongWithCover(file("song.mp3"), 5));
        QVERIFY(TestMedia::makeWithoutLength(file("no length.wav")));
        QFile text(file("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not media\n");
        TestMedia::installConverter();
    }

    void mediaInformation_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("duration");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("endTime");
        QTest::addColumn<QString>("log");
        QTest::newRow("video") << "clip.mp4" << 10.0 << "Video"
                               << "00:00:10"
                               << "";
        QTest::newRow("audio only") << "tone.m4a" << 10.0 << "Audio"
                                    << "00:00:10"
                                    << "";
        QTest::newRow("cover art is not video") << "song.mp3" << 5.0 << "Audio"
                                                << "00:00:05"
                                                << "";
        QTest::newRow("unknown length") << "no length.wav" << -1.0 << "Audio"
                                        << "00:00:42"
                                        << "";
        QTest::newRow("not media")
            << "notes.txt" << -1.0 << ""
            << "00:00:42"
            << "Failed to get media info: Invalid data found when processing input";
        QTest::newRow("missing") << "gone.mp4" << -1.0 << ""
                                 << "00:00:42"
                                 << "Failed to get media info: No such file or directory";
    }
    void mediaInformation() {
        QFETCH(QString, name);
        QFETCH(double, duration);
        QFETCH(QString, kind);
        QFETCH(QString, endTime);
        QFETCH(QString, log);
        MediaCutterViewModel cutter(dialogs);
        cutter.setEndTime("00:00:42");
        cutter.setSelectedFilePath(file(name));
        QCoro::waitFor(cutter.loadMediaInfo(file(name)));
        if (duration < 0) {
            QCOMPARE(cutter.mediaDuration(), std::nullopt);
        } else {
            QVERIFY(cutter.mediaDuration());
            QVERIFY2(qAbs(*cutter.mediaDuration() - duration) < 0.1,
                     qPrintable(QString::number(*cutter.mediaDuration())));
        }
        QCOMPARE(cutter.mediaFormat(), kind);
        QCOMPARE(cutter.endTime(), endTime);
        QCOMPARE(messages(cutter), log.isEmpty() ? QStringList() : QStringList{log});
    }

    // A file read after another one was chosen (the user chose twice in a row) must
    // not fill in the information of the file chosen last.
    void resultForAnotherFileIsDropped() {
        MediaCutterViewModel cutter(dialogs);
        cutter.setSelectedFilePath(file("tone.m4a"));
        QSignalSpy kinds(&cutter, &MediaCutterViewModel::mediaFormatChanged);
        QCoro::waitFor(cutter.loadMediaInfo(file("clip.mp4")));
        QCOMPARE(kinds.size(), 0);
        QCOMPARE(cutter.mediaDuration(), std::nullopt);
        QCoro::waitFor(cutter.loadMediaInfo(file("tone.m4a")));
        QCOMPARE(cutter.mediaFormat(), "Audio");
    }

    void realCutLastsTheRequestedLength() {
        MediaCutterViewModel cutter(dialogs);
        prepareCut(cutter, file("clip.mp4"), "00:00:02", "00:00:05", "mp4");
        QList<double> progress;
        connect(&cutter, &MediaCutterViewModel::cuttingProgressChanged, this,
                [&] { progress << cutter.cuttingProgress(); });
        QCoro::waitFor(cutter.startCutting());
        const QStringList log = messages(cutter);
        QCOMPARE(log.last(), "Media cutting completed successfully!");
        QVERIFY(log.filter("time=").size() > 0); // the converter's own output is logged
        QVERIFY(log.filter("dropped").isEmpty());
        QCOMPARE(cutter.cuttingProgress(), 100.0);
        QCOMPARE(progress.last(), 100.0);
        QCOMPARE(cutter.isCutting(), false);

        const MediaProbe::Info cut = MediaProbe::read(output + "/part.mp4");
        QCOMPARE(cut.failure, QString());
        QVERIFY(cut.hasVideo && cut.hasAudio);
        QVERIFY2(qAbs(*cut.duration - 3.0) < 0.3, qPrintable(QString::number(*cut.duration)));
    }

    void startPastTheEndFails_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("format");
        QTest::newRow("no streams written") << "clip.mp4"
                                            << "mp4";
        QTest::newRow("unreadable output") << "song.mp3"
                                           << "mp3";
    }
    void startPastTheEndFails() {
        QFETCH(QString, name);
        QFETCH(QString, format);
        MediaCutterViewModel cutter(dialogs);
        prepareCut(cutter, file(name), "00:00:20", "00:00:25", format);
        QCoro::waitFor(cutter.startCutting());
        QCOMPARE(
            messages(cutter).last(),
            "Media cutting failed: Media cutting failed: The output file is empty: no audio or "
            "video lies between the start and end times");
        QCOMPARE(cutter.isCutting(), false);
    }

    void videoDroppedForWantOfAKeyframeIsSaid() {
        MediaCutterViewModel cutter(dialogs);
        prepareCut(cutter, file("one keyframe.mp4"), "00:00:03", "00:00:05", "mp4");
        QCoro::waitFor(cutter.startCutting());
        const QStringList log = messages(cutter);
        QCOMPARE(log.last(), "Media cutting completed successfully!");
        QCOMPARE(log.filter("dropped"),
                 QStringList{"The video was dropped: a stream copy can only start at a keyframe, "
                             "and there is none between the start and end times"});
        QCOMPARE(log.at(log.size() - 2), log.filter("dropped").first());
    }

    void audioOnlyCutSaysNothingOfVideo() {
        MediaCutterViewModel cutter(dialogs);
        prepareCut(cutter, file("song.mp3"), "00:00:01", "00:00:03", "mp4");
        QCoro::waitFor(cutter.startCutting());
        const QStringList log = messages(cutter);
        QCOMPARE(log.last(), "Media cutting completed successfully!");
        QVERIFY(log.filter("dropped").isEmpty());
    }
};

MORVI_TEST_MAIN(TestMediaCutterFfmpeg)
#include "tst_mediacutterffmpeg.moc"
