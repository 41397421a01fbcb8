#include "RecordingDialogs.h"
#include "TestHome.h"
#include "cutter/MediaCutterViewModel.h"
#include "platform/LogModel.h"

#include <QCoroTask>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

// The log without its "[HH:mm:ss] " stamps, after checking that every entry has one.
QStringList messages(const MediaCutterViewModel& cutter) {
    static const QRegularExpression stamp(R"(^\[\d\d:\d\d:\d\d\] )");
    QStringList result;
    for (const QString& entry : cutter.logMessages()->entries()) {
        if (!stamp.match(entry).hasMatch())
            return {"unstamped: " + entry};
        result << entry.mid(11);
    }
    return result;
}

QStringList startLines(const QString& input, const QString& output, const QString& start,
                       const QString& end) {
    return {"Starting media cutting...", "Input: " + input, "Output: " + output,
            "Start: " + start + ", End: " + end};
}

const QString tooShortForAStream = "Media cutting failed: Media cutting failed: The output file is "
                                   "empty: no audio or video lies between the start and end times";

} // namespace

class TestMediaCutterViewModel : public QObject {
    Q_OBJECT
    FileManagerHelper tools;
    RecordingDialogs dialogs;
    QString argsFile;

    // A controller ready to cut: every field filled with valid texts.
    void fill(MediaCutterViewModel& cutter, const QString& start = "00:00:10",
              const QString& end = "00:00:20") {
        cutter.setSelectedFilePath("/media/in.mp4");
        cutter.setStartTime(start);
        cutter.setEndTime(end);
        cutter.setOutputFileName("in_cut");
        cutter.setOutputPath("/out");
    }

private slots:
    void init() {
        QDir(tools.toolsFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        dialogs = RecordingDialogs();
        argsFile = QDir::homePath() + "/ffmpeg-args";
        QFile::remove(argsFile);
        FakeTools::configure();
    }

    void newControllerDefaults() {
        MediaCutterViewModel cutter(dialogs);
        QCOMPARE((QStringList{cutter.selectedFilePath(), cutter.startTime(), cutter.endTime(),
                              cutter.outputFileName(), cutter.outputFormat(), cutter.outputPath(),
                              cutter.mediaFormat()}),
                 (QStringList{"", "00:00:00", "00:00:00", "", "mp4",
                              QDir::homePath() + "/Downloads", ""}));
        QCOMPARE(cutter.logMessages()->rowCount(), 0);
        QVERIFY(!cutter.isCutting() && !cutter.canStartCutting());
        QCOMPARE(cutter.cuttingProgress(), 0.0);
        QCOMPARE(cutter.mediaDuration(), std::nullopt);
    }

    void chooseMediaFileNamesTheOutput_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("outputName");
        QTest::newRow("one extension") << QString("/media/clip.mov") << "clip_cut";
        QTest::newRow("last extension only")
            << QString("/media/clip.final.mov") << "clip.final_cut";
        QTest::newRow("no extension") << QString("/media/clip") << "clip_cut";
        QTest::newRow("hidden file") << QString("/media/.clip") << ".clip_cut";
    }
    void chooseMediaFileNamesTheOutput() {
        QFETCH(QString, chosen);
        QFETCH(QString, outputName);
        MediaCutterViewModel cutter(dialogs);
        cutter.setStartTime("00:00:07");
        dialogs.fileAnswers << chosen;
        cutter.chooseMediaFile();
        QCOMPARE(cutter.selectedFilePath(), chosen);
        QCOMPARE(cutter.outputFileName(), outputName);
        QCOMPARE(cutter.startTime(), "00:00:07");
        // The file does not exist: reading it fails with the system's reason.
        QVERIFY(QTest::qWaitFor([&] { return cutter.logMessages()->rowCount() == 1; }));
        QCOMPARE(messages(cutter),
                 QStringList{"Failed to get media info: No such file or directory"});
        QCOMPARE(cutter.mediaDuration(), std::nullopt);
        QCOMPARE(cutter.mediaFormat(), "");
    }

    void chooserOffersVideoAndAudioAndCancelChangesNothing() {
        MediaCutterViewModel cutter(dialogs);
        cutter.setSelectedFilePath("/media/old.mp4");
        cutter.setOutputFileName("keep");
        cutter.chooseMediaFile();
        QCOMPARE(dialogs.fileStarts, QStringList{"/media"});
        const QString filter = dialogs.fileFilters.value(0);
        for (const char* pattern : {"*.mp4", "*.mov", "*.mkv", "*.webm", "*.mp3", "*.m4a"})
            QVERIFY2(filter.contains(pattern), pattern);
        QCOMPARE(cutter.selectedFilePath(), "/media/old.mp4");
        QCOMPARE(cutter.outputFileName(), "keep");
    }

    void chooseOutputFolder() {
        MediaCutterViewModel cutter(dialogs);
        dialogs.folderAnswers << "/chosen"
                              << "";
        cutter.chooseOutputFolder();
        QCOMPARE(cutter.outputPath(), "/chosen");
        cutter.chooseOutputFolder(); // cancelled
        QCOMPARE(cutter.outputPath(), "/chosen");
        QCOMPARE(dialogs.folderStarts, (QStringList{QDir::homePath() + "/Downloads", "/chosen"}));
    }

    void canStartCutting_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("canStart");
        QTest::newRow("all filled") << QString() << "" << true;
        QTest::newRow("no file") << QString("selectedFilePath") << "" << false;
        QTest::newRow("no start") << QString("startTime") << "" << false;
        QTest::newRow("no end") << QString("endTime") << "" << false;
        QTest::newRow("no name") << QString("outputFileName") << "" << false;
        QTest::newRow("no folder") << QString("outputPath") << "" << false;
        QTest::newRow("one hour digit") << QString("startTime") << "0:00:10" << false;
        QTest::newRow("three second digits") << QString("endTime") << "00:00:100" << false;
        QTest::newRow("trailing space") << QString("startTime") << "00:00:10 " << false;
        QTest::newRow("trailing line break") << QString("endTime") << "00:00:20\n" << false;
        QTest::newRow("fraction") << QString("endTime") << "00:00:20.5" << false;
        QTest::newRow("non-ASCII digits") << QString("endTime") << "00:00:٢٠" << false;
        QTest::newRow("fields past 59") << QString("endTime") << "00:99:99" << true;
        QTest::newRow("start after end") << QString("startTime") << "00:00:30" << true;
    }
    void canStartCutting() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, canStart);
        MediaCutterViewModel cutter(dialogs);
        QSignalSpy changes(&cutter, &MediaCutterViewModel::canStartCuttingChanged);
        fill(cutter);
        QCOMPARE(changes.size(), 1);
        if (!field.isEmpty())
            cutter.setProperty(field.toLatin1(), value);
        QCOMPARE(cutter.canStartCutting(), canStart);
        QCOMPARE(changes.size(), canStart ? 1 : 2);
    }

    void incompleteInputStartsNothing() {
        FakeTools::installOne("ffmpeg");
        MediaCutterViewModel cutter(dialogs);
        fill(cutter, "0:00:10");
        cutter.addLogMessage("kept");
        QSignalSpy cutting(&cutter, &MediaCutterViewModel::isCuttingChanged);
        QCoro::waitFor(cutter.startCutting());
        QCOMPARE(messages(cutter), QStringList{"kept"});
        QCOMPARE(cutting.size(), 0);
    }

    void startNotBeforeEndLogsOneLine_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("after") << QString("00:00:10") << "00:00:05";
        QTest::newRow("equal") << QString("00:01:00") << "00:00:60";
    }
    void startNotBeforeEndLogsOneLine() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        FakeTools::installOne("ffmpeg");
        FakeTools::configure({{"FAKE_FFMPEG_ARGS_FILE", argsFile}});
        MediaCutterViewModel cutter(dialogs);
        fill(cutter, start, end);
        cutter.addLogMessage("from before");
        cutter.updateProgress("time=00:00:05.00", 10);
        QSignalSpy cutting(&cutter, &MediaCutterViewModel::isCuttingChanged);
        QCoro::waitFor(cutter.startCutting());
        const QStringList log = cutter.logMessages()->entries();
        QCOMPARE(log.size(), 1);
        QVERIFY2(
            QRegularExpression(R"(^\[\d\d:\d\d:\d\d\] Error: Start time must be before end time$)")
                .match(log.first())
                .hasMatch(),
            qPrintable(log.first()));
        QCOMPARE(cutting.size(), 2);
        QCOMPARE(cutter.isCutting(), false);
        QCOMPARE(cutter.cuttingProgress(), 0.0);
        QVERIFY(!QFile::exists(argsFile));
    }

    void converterGetsTheExactArguments_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<QString>("output");
        QTest::newRow("plain") << QString("00:01:00") << QString("00:02:30") << QString("/out")
                               << QString("mp3") << QStringList{"00:01:00", "00:01:30"}
                               << "/out/a_cut.mp3";
        QTest::newRow("times re-formatted")
            << QString("00:75:99") << QString("02:00:00") << QString("/out/") << QString("mov")
            << QStringList{"01:16:39", "00:43:21"} << "/out/a_cut.mov";
    }
    void converterGetsTheExactArguments() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, folder);
        QFETCH(QString, format);
        QFETCH(QStringList, times);
        QFETCH(QString, output);
        FakeTools::installOne("ffmpeg");
        FakeTools::configure({{"FAKE_FFMPEG_ARGS_FILE", argsFile}});
        MediaCutterViewModel cutter(dialogs);
        fill(cutter, start, end);
        cutter.setSelectedFilePath("/media/my clip.mp4");
        cutter.setOutputFileName("a_cut");
        cutter.setOutputPath(folder);
        cutter.setOutputFormat(format);
        QCoro::waitFor(cutter.startCutting());
        QCOMPARE(FakeTools::recordedArguments(argsFile),
                 (QStringList{"-i", "/media/my clip.mp4", "-ss", times[0], "-t", times[1], "-c",
                              "copy", "-avoid_negative_ts", "make_zero", "-y", output}));
        QCOMPARE(messages(cutter).mid(0, 4), startLines("/media/my clip.mp4", output, start, end));
    }

    // Every failure ends the log with one line after the start lines and what the converter
    // printed; the progress keeps its last value.
    void failedCut_data() {
        QTest::addColumn<QString>("converter");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<double>("progress");
        QTest::newRow("missing")
            << QString("missing") << ""
            << "Media cutting failed: FFmpeg executable not found. Please ensure it's installed."
            << 0.0;
        // The system's reason follows the prefix.
        QTest::newRow("cannot start") << QString("not executable") << ""
                                      << "" << 0.0;
        // The fake writes no file: a status of 0 with nothing written is no success.
        QTest::newRow("exit 0 without output") << QString("0") << "" << tooShortForAStream << 0.0;
        QTest::newRow("exit 3") << QString("3")
                                << "frame=  10 time=00:00:05.00 bitrate=N/A\rInvalid argument\n"
                                << "Media cutting failed: Media cutting failed: FFmpeg exited with "
                                   "code 3"
                                << 50.0;
    }
    void failedCut() {
        QFETCH(QString, converter);
        QFETCH(QString, printed);
        QFETCH(QString, lastLine);
        QFETCH(double, progress);
        if (converter != "missing")
            FakeTools::installOne("ffmpeg");
        if (converter == "not executable")
            QFile(tools.ffmpegPath).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        FakeTools::configure(
            {{"FAKE_FFMPEG_STDERR", QString(printed).replace("\r", "\\r").replace("\n", "\\n")},
             {"FAKE_FFMPEG_EXIT", converter}});
        MediaCutterViewModel cutter(dialogs);
        fill(cutter);
        QCoro::waitFor(cutter.startCutting());
        const QStringList log = messages(cutter);
        QCOMPARE(log.mid(0, 4),
                 startLines("/media/in.mp4", "/out/in_cut.mp4", "00:00:10", "00:00:20"));
        QCOMPARE(log.mid(4, log.size() - 5).join(""), printed);
        if (printed.isEmpty())
            QCOMPARE(log.size(), 5);
        if (lastLine.isEmpty())
            QVERIFY2(log.last().startsWith("Media cutting failed: ") &&
                         log.last().size() > QString("Media cutting failed: ").size(),
                     qPrintable(log.last()));
        else
            QCOMPARE(log.last(), lastLine);
        QCOMPARE(cutter.isCutting(), false);
        QCOMPARE(cutter.cuttingProgress(), progress);
    }

    void progressFromConverterOutput_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<double>("progress");
        QTest::newRow("halfway")
            << "frame= 1125 fps=0.0 size= 512kB time=00:00:45.00 bitrate=93.2kbits/s" << 50.0;
        QTest::newRow("past the end")
            << "size= 900kB time=00:02:00.00 bitrate=61.4kbits/s" << 100.0;
        QTest::newRow("not a time") << "size= 0kB time=N/A bitrate=N/A" << 0.0;
        QTest::newRow("last line decides") << "time=00:00:09.00\rtime=00:00:18.00\r" << 20.0;
        QTest::newRow("later lines without time") << "time=00:00:45.00\rdone\n" << 50.0;
        QTest::newRow("tab and Unicode breaks")
            << "x\ttime=00:00:09.00\u2028\u00a0time=00:00:45.00" << 50.0;
        QTest::newRow("without time") << "Stream mapping:\n  Stream #0:0 -> #0:0 (copy)\n" << 7.0;
        QTest::newRow("time= inside a piece") << "xtime=00:00:45.00" << 7.0;
    }
    void progressFromConverterOutput() {
        QFETCH(QString, output);
        QFETCH(double, progress);
        MediaCutterViewModel cutter(dialogs);
        cutter.updateProgress("time=00:00:06.30", 90); // 7 %
        cutter.updateProgress(output, 90);
        QCOMPARE(cutter.cuttingProgress(), progress);
    }

    // Closing the window while the converter runs lets the cut finish unobserved.
    void controllerGoneDuringTheCut() {
        FakeTools::installOne("ffmpeg");
        FakeTools::configure(
            {{"FAKE_FFMPEG_STDERR", "time=00:00:01.00\\r"}, {"FAKE_FFMPEG_SLEEP", "0.3"}});
        auto cutter = std::make_unique<MediaCutterViewModel>(dialogs);
        fill(*cutter);
        auto cut = cutter->startCutting();
        QTest::qWait(50);
        cutter.reset();
        QCoro::waitFor(std::move(cut));
    }
};

MORVI_TEST_MAIN(TestMediaCutterViewModel)
#include "tst_mediacutterviewmodel.moc"
