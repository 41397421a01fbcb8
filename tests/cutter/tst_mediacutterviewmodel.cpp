#include "RecordingDialogs.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "core/cutter/MediaCutterViewModel.h"
#include "core/media/MediaProbe.h"
#include "core/model/LogModel.h"
#include "core/text/TimeText.h"

#include <clocale>
#include <cstdlib>
#include <unistd.h>

// The cutter against the fake converter, and (real*) Debian's converter on media made here.
class TestMediaCutterViewModel : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    QString argsFile = QDir::homePath() + "/ffmpeg-args";
    QString media = QDir::homePath() + "/media";
    QString output = QDir::homePath() + "/out";
    std::unique_ptr<MediaCutterViewModel> cutter;

    QString file(const QString& name) const { return media + "/" + name; }

    void fill(const QString& start = "00:00:10", const QString& end = "00:00:20",
              const QString& input = "/media/my clip.mp4", const QString& folder = "/out/",
              const QString& name = "a_cut") {
        cutter->setSelectedFilePath(input);
        cutter->setStartTime(start);
        cutter->setEndTime(end);
        cutter->setOutputFileName(name);
        cutter->setOutputPath(folder);
    }

private slots:
    void initTestCase() {
        if (!TestMedia::available())
            return; // the real* cases skip
        QVERIFY(QDir().mkpath(media) && QDir().mkpath(output));
        QVERIFY(TestMedia::makeClip(file("clip.mp4"), 10));
        QVERIFY(TestMedia::makeClip(file("one keyframe.mp4"), 10, 1000));
        QVERIFY(TestMedia::makeTone(file("tone.m4a"), 10));
        QVERIFY(TestMedia::makeSongWithCover(file("song.mp3"), 5));
        QVERIFY(TestMedia::makeWithoutLength(file("no length.wav")));
        QVERIFY(QFile::exists(writeFile(file("notes.txt"), "not media\n")));
        QVERIFY(QFile::exists(writeFile(output + "/kept.mp3", "")));
        QVERIFY(QFile::copy(file("clip.mp4"), file("same.mp4")));
        QVERIFY(QFile::link(media, QDir::homePath() + "/linked"));
        const QByteArray same = QFile::encodeName(file("same.mp4"));
        QCOMPARE(::link(same, QFile::encodeName(output + "/hard.mp4")), 0);
    }

    void init() {
        QFile::remove(argsFile);
        FakeTools::installOne("ffmpeg");
        FakeTools::configure({{"FAKE_FFMPEG_ARGS_FILE", argsFile}});
        if (QByteArray(QTest::currentTestFunction()).startsWith("real")) {
            if (!TestMedia::available())
                QSKIP("Debian's ffmpeg is not installed");
            TestMedia::installConverter();
        }
        cutter = std::make_unique<MediaCutterViewModel>(dialogs);
    }

    // Refused starts run no converter; a failed cut logs start lines, output, failure, last error.
    // Progress (50 % before) is read from a line's first blank-split piece with "time=": 5 s of 10.
    void failedStarts_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("printed"); // by the converter; "-": none is installed
        QTest::addColumn<QStringList>("log"); // "output" stands for what it printed
        QTest::addColumn<double>("progress");
        const QStringList started{"Starting media cutting...", "Input: /media/my clip.mp4",
                                  "Output: /out/a_cut.mp4", "Start: 00:00:10, End: 00:00:20"};
        const QString failed = "Media cutting failed: ";
        QTest::newRow("no folder")
            << QString("outputPath") << QString() << QString() << QStringList() << 50.0;
        QTest::newRow("non-ASCII digits")
            << QString("endTime") << "00:00:٢٠" << QString() << QStringList() << 50.0;
        QTest::newRow("start not before the end")
            << QString("startTime") << "00:00:20" << QString()
            << QStringList{"Error: Start time must be before end time"} << 0.0;
        QTest::newRow("no converter")
            << QString() << QString() << "-"
            << started + QStringList{failed + "FFmpeg executable not found. Please ensure it's "
                                              "installed."}
            << 0.0;
        QTest::newRow("converter fails")
            << QString() << QString()
            << u"x\ttime=00:00:05.00\u2028\u00a0time=00:00:08.00\r[mp3 @ 0x1] "
               u"Invalid audio stream.\nCould not write header: Invalid argument\n"
               u"Stream mapping:  xtime=00:00:09.00\n  Stream #0:1 -> #0:0 (copy)\n"
               u"Conversion failed!\n"_qs
            << started + QStringList{"output", failed + "FFmpeg exited with code 1",
                                     "FFmpeg: Could not write header: Invalid argument"}
            << 50.0;
    }
    void failedStarts() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, printed);
        QFETCH(QStringList, log);
        QFETCH(double, progress);
        FakeTools::configure(
            {{"FAKE_FFMPEG_ARGS_FILE", argsFile},
             {"FAKE_FFMPEG_STDERR", QString(printed).replace("\r", "\\r").replace("\n", "\\n")},
             {"FAKE_FFMPEG_EXIT", "1"}});
        if (printed == "-")
            QFile::remove(FileManagerHelper().ffmpegPath);
        const SearchPath path(printed == "-" ? QDir::homePath() : qEnvironmentVariable("PATH"));
        fill();
        if (!field.isEmpty())
            cutter->setProperty(field.toLatin1(), value);
        cutter->updateProgress(u"time=00:00:05.00", 10);
        QCoro::waitFor(cutter->startCutting());
        QStringList said;
        for (const QString& entry : cutter->logMessages()->entries())
            said << entry.mid(11);
        if (log.contains("output")) { // in as many chunks as the pipe delivered it
            QCOMPARE(said.mid(4, said.size() - 6).join(""), printed);
            said = said.mid(0, 4) + QStringList{"output"} + said.mid(said.size() - 2);
        }
        QCOMPARE(said, log);
        QCOMPARE(cutter->cuttingProgress(), progress);
        QCOMPARE(cutter->lastOutputFile(), "");
        QCOMPARE(QFile::exists(argsFile), log.contains("output"));
    }

    // Fields past 59 carry over; closing the window while the converter runs lets the cut end.
    void converterGetsTheExactArguments() {
        FakeTools::configure({{"FAKE_FFMPEG_ARGS_FILE", argsFile},
                              {"FAKE_FFMPEG_STDERR", "time=00:00:01.00\\r"},
                              {"FAKE_FFMPEG_SLEEP", "0.3"}});
        fill("00:75:99", "02:00:00");
        cutter->setOutputFormat("mov");
        auto cut = cutter->startCutting();
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(argsFile); })); // the converter runs
        cutter.reset();
        QCoro::waitFor(std::move(cut));
        QCOMPARE(FakeTools::recordedArguments(argsFile),
                 (QStringList{"-i", "/media/my clip.mp4", "-ss", "01:16:39", "-t", "00:43:21", "-c",
                              "copy", "-avoid_negative_ts", "make_zero", "-y", "/out/a_cut.mov"}));
    }

    void realMediaInformation_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("duration");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("log");
        QTest::newRow("video") << QString("clip.mp4") << 10.0 << "Video" << QString();
        QTest::newRow("cover art is not video")
            << QString("song.mp3") << 5.0 << "Audio" << QString();
        QTest::newRow("unknown length") << QString("no length.wav") << -1.0 << "Audio" << QString();
        QTest::newRow("not media") << QString("notes.txt") << -1.0 << ""
                                   << "Failed to get media info: Invalid data found when "
                                      "processing input";
    }
    void realMediaInformation() {
        QFETCH(QString, name);
        QFETCH(double, duration);
        QFETCH(QString, kind);
        QFETCH(QString, log);
        cutter->setEndTime("00:00:42");
        cutter->setSelectedFilePath(file(name));
        QCoro::waitFor(cutter->loadMediaInfo(file("tone.m4a"))); // no longer the chosen file
        QCOMPARE(cutter->mediaFormat(), "");
        QCoro::waitFor(cutter->loadMediaInfo(file(name)));
        QVERIFY(qAbs(cutter->mediaDuration().value_or(-1) - duration) < 0.1);
        QCOMPARE(cutter->mediaFormat(), kind);
        QCOMPARE(cutter->endTime(), duration < 0 ? "00:00:42" : formatTime(duration));
        QCOMPARE(cutter->logMessages()->entries().value(0).mid(11), log);
    }

    // A failed cut removes its new output, never an earlier file ("kept.mp3", or the input under
    // another path, which "-y" would empty). A start past the end writes nothing usable.
    void realCut_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("outcome"); // the streams written, or "failed: " and why
        const QString empty = "failed: The output file is empty: no audio or video lies between "
                              "the start and end times";
        const QString converterFailed = "failed: FFmpeg exited with code 1";
        const QString same = "failed: The output file is the input file: choose another name or "
                             "folder";
        QTest::newRow("video and audio") << "clip.mp4" << 2 << "mp4"
                                         << "out/both" << QString("video audio");
        // The only keyframe is at 0: a stream copy drops the video, which the log says.
        QTest::newRow("video dropped") << "one keyframe.mp4" << 3 << "mp4"
                                       << "out/dropped" << QString("audio");
        QTest::newRow("audio with cover") << "song.mp3" << 1 << "mp4"
                                          << "out/song" << QString("audio");
        QTest::newRow("start past the end") << "clip.mp4" << 20 << "mp4"
                                            << "out/past" << empty;
        QTest::newRow("unreadable output") << "song.mp3" << 20 << "mp3"
                                           << "out/none" << empty;
        QTest::newRow("video into MP3, new output removed") << "clip.mp4" << 1 << "mp3"
                                                            << "out/failed" << converterFailed;
        QTest::newRow("video into MP3, earlier file kept") << "clip.mp4" << 1 << "mp3"
                                                           << "out/kept" << converterFailed;
        QTest::newRow("input through a folder link") << "same.mp4" << 1 << "mp4"
                                                     << "media/../linked/same" << same;
        QTest::newRow("input through a hard link") << "same.mp4" << 1 << "mp4"
                                                   << "out/hard" << same;
    }
    void realCut() {
        QFETCH(QString, input);
        QFETCH(int, start);
        QFETCH(QString, format);
        QFETCH(QString, path);
        QFETCH(QString, outcome);
        const QFileInfo target(QDir::homePath() + "/" + path + "." + format);
        const bool existed = target.exists();
        const qint64 inputSize = QFileInfo(file(input)).size();
        fill(formatTime(start), formatTime(start + 2), file(input), target.path(),
             target.completeBaseName());
        cutter->setOutputFormat(format);
        QCoro::waitFor(cutter->startCutting());
        const QStringList log = cutter->logMessages()->entries();
        const QString dropped = "] The video was dropped: a stream copy can only start at a "
                                "keyframe, and there is none between the start and end times";
        QCOMPARE(log.filter(dropped).size(), input.startsWith("one keyframe") ? 1 : 0);
        if (outcome.startsWith("failed: ")) {
            const QString failed = log.filter("] Media cutting failed: ").value(0).mid(11);
            QCOMPARE(failed, "Media cutting failed: " + outcome.mid(8));
            QCOMPARE(cutter->lastOutputFile(), "");
            QCOMPARE(QFile::exists(target.filePath()), existed);
            QCOMPARE(QFileInfo(file(input)).size(), inputSize);
            return;
        }
        QCOMPARE(log.last().mid(11), "Media cutting completed successfully!");
        QCOMPARE(cutter->cuttingProgress(), 100.0);
        QCOMPARE(cutter->lastOutputFile(), target.filePath());
        const MediaProbe::Info result = MediaProbe::read(target.filePath());
        QCOMPARE(QString(result.hasVideo ? "video " : "") + (result.hasAudio ? "audio" : ""),
                 outcome);
        QVERIFY2(qAbs(*result.duration - 2) < 0.3, qPrintable(QString::number(*result.duration)));
    }

    // Times are typed with "." whatever the locale; the German one is compiled here.
    void timesIgnoreADecimalCommaLocale() {
        QCOMPARE(::timeToSeconds("1:2"), 0.0);
        QCOMPARE(::timeToSeconds(" 00:00:10"), 0.0);
        QTemporaryDir locales;
        QProcess::execute("localedef",
                          {"-i", "de_DE", "-f", "UTF-8", locales.path() + "/de_DE.UTF-8"});
        qputenv("LOCPATH", locales.path().toUtf8());
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QSKIP("localedef could not build a German locale");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(std::strtod("1.5", nullptr), 1.0); // the C library now stops at "."

        QCOMPARE(::timeToSeconds("01:01:23.45"), 3683.45);
        QCOMPARE(::timeToSeconds("00:00:1,5"), 0.0);

        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }
};

MORVI_TEST_MAIN(TestMediaCutterViewModel)
#include "tst_mediacutterviewmodel.moc"
