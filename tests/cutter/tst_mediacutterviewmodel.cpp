#include "RecordingDialogs.h"
#include "TestHome.h"
#include "cutter/MediaCutterViewModel.h"
#include "platform/LogModel.h"

#include <QCoroTask>
#include <QDir>
#include <QFile>
#include <QSignalSpy>

namespace {

// The entries the log holds for these messages, all stamped at noon.
QStringList stamped(const QStringList& messages) {
    QStringList entries;
    for (const QString& message : messages)
        entries << "[12:00:00] " + message;
    return entries;
}

} // namespace

// The cutter's controller against the fake converter.
class TestMediaCutterViewModel : public QObject {
    Q_OBJECT
    FileManagerHelper tools;
    RecordingDialogs dialogs;
    QString argsFile = QDir::homePath() + "/ffmpeg-args";
    std::unique_ptr<MediaCutterViewModel> cutter;

    // Every field filled with valid texts.
    void fill(const QString& start = "00:00:10", const QString& end = "00:00:20") {
        cutter->setSelectedFilePath("/media/my clip.mp4");
        cutter->setStartTime(start);
        cutter->setEndTime(end);
        cutter->setOutputFileName("a_cut");
        cutter->setOutputPath("/out/");
    }

private slots:
    void init() {
        dialogs = RecordingDialogs();
        QFile::remove(argsFile);
        FakeTools::installOne("ffmpeg");
        FakeTools::configure({{"FAKE_FFMPEG_ARGS_FILE", argsFile}});
        cutter = std::make_unique<MediaCutterViewModel>(dialogs);
        cutter->logMessages()->setClock([] { return QTime(12, 0); });
    }

    void chooseMediaFile_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("outputName");
        QTest::newRow("one extension") << QString("/media/clip.mov") << "clip_cut";
        QTest::newRow("last extension only")
            << QString("/media/clip.final.mov") << "clip.final_cut";
        QTest::newRow("no extension") << QString("/media/clip") << "clip_cut";
        QTest::newRow("hidden file") << QString("/media/.clip") << ".clip_cut";
        QTest::newRow("cancelled") << QString("") << "keep";
    }
    void chooseMediaFile() {
        QFETCH(QString, chosen);
        QFETCH(QString, outputName);
        cutter->setSelectedFilePath("/old/in.mp4");
        cutter->setOutputFileName("keep");
        dialogs.fileAnswers << chosen;
        cutter->chooseMediaFile();
        QCOMPARE(dialogs.fileStarts, QStringList{"/old"});
        QCOMPARE(cutter->selectedFilePath(), chosen.isEmpty() ? "/old/in.mp4" : chosen);
        QCOMPARE(cutter->outputFileName(), outputName);
    }

    void chooseOutputFolder() {
        dialogs.folderAnswers << "/chosen"
                              << "";
        cutter->chooseOutputFolder();
        cutter->chooseOutputFolder(); // cancelled
        QCOMPARE(cutter->outputPath(), "/chosen");
        QCOMPARE(dialogs.folderStarts, (QStringList{QDir::homePath() + "/Downloads", "/chosen"}));
    }

    // Only complete texts can start; a start not before the end is refused when pressed.
    // Neither runs the converter; only the refusal logs, and it clears the progress.
    void canStartCutting_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("canStart");
        QTest::addColumn<QString>("refusal");
        const QString order = "Error: Start time must be before end time";
        QTest::newRow("all filled") << QString("") << "" << true << "";
        QTest::newRow("no file") << QString("selectedFilePath") << "" << false << "";
        QTest::newRow("no name") << QString("outputFileName") << "" << false << "";
        QTest::newRow("no folder") << QString("outputPath") << "" << false << "";
        QTest::newRow("one hour digit") << QString("startTime") << "0:00:10" << false << "";
        QTest::newRow("trailing line break") << QString("endTime") << "00:00:20\n" << false << "";
        QTest::newRow("non-ASCII digits") << QString("endTime") << "00:00:٢٠" << false << "";
        QTest::newRow("fields past 59") << QString("endTime") << "00:99:99" << true << "";
        QTest::newRow("start after end") << QString("startTime") << "00:00:30" << true << order;
        QTest::newRow("equal") << QString("startTime") << "00:00:20" << true << order;
    }
    void canStartCutting() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, canStart);
        QFETCH(QString, refusal);
        QSignalSpy changes(cutter.get(), &MediaCutterViewModel::canStartCuttingChanged);
        fill();
        if (!field.isEmpty())
            cutter->setProperty(field.toLatin1(), value);
        QCOMPARE(cutter->canStartCutting(), canStart);
        QCOMPARE(changes.size(), canStart ? 1 : 2);
        if (canStart && refusal.isEmpty())
            return; // the converter runs: see the cases below
        cutter->updateProgress("time=00:00:05.00", 10);
        QSignalSpy cutting(cutter.get(), &MediaCutterViewModel::isCuttingChanged);
        QCoro::waitFor(cutter->startCutting());
        QCOMPARE(cutter->logMessages()->entries(),
                 refusal.isEmpty() ? QStringList() : stamped({refusal}));
        QCOMPARE(cutting.size(), refusal.isEmpty() ? 0 : 2);
        QCOMPARE(cutter->cuttingProgress(), refusal.isEmpty() ? 50.0 : 0.0);
        QVERIFY(!QFile::exists(argsFile));
    }

    void converterGetsTheExactArguments_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("times");
        QTest::newRow("plain") << QString("00:01:00") << QString("00:02:30") << QString("mp3")
                               << QStringList{"00:01:00", "00:01:30"};
        QTest::newRow("times re-formatted")
            << QString("00:75:99") << QString("02:00:00") << QString("mov")
            << QStringList{"01:16:39", "00:43:21"};
    }
    void converterGetsTheExactArguments() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, format);
        QFETCH(QStringList, times);
        fill(start, end);
        cutter->setOutputFormat(format);
        QCoro::waitFor(cutter->startCutting());
        const QString output = "/out/a_cut." + format;
        QCOMPARE(FakeTools::recordedArguments(argsFile),
                 (QStringList{"-i", "/media/my clip.mp4", "-ss", times[0], "-t", times[1], "-c",
                              "copy", "-avoid_negative_ts", "make_zero", "-y", output}));
    }

    // Every failure logs the start lines, what the converter printed, the failure line
    // and the converter's last error line if it printed one; the progress stays.
    void failedCut_data() {
        QTest::addColumn<QString>("converter");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QStringList>("ending");
        QTest::addColumn<double>("progress");
        const QString failed = "Media cutting failed: ";
        QTest::newRow("missing") << QString("missing") << ""
                                 << QStringList{failed + "FFmpeg executable not found. "
                                                         "Please ensure it's installed."}
                                 << 0.0;
        QTest::newRow("cannot start") << QString("not executable") << ""
                                      << QStringList{failed + "execvp: Permission denied"} << 0.0;
        QTest::newRow("exit 1")
            << QString("1")
            << "time=00:00:05.00\r[mp3 @ 0x1] Invalid audio stream.\nCould not write header: "
               "Invalid argument\nStream mapping:\n  Stream #0:1 -> #0:0 (copy)\nConversion "
               "failed!\n"
            << QStringList{failed + failed + "FFmpeg exited with code 1",
                           "FFmpeg: Could not write header: Invalid argument"}
            << 50.0;
    }
    void failedCut() {
        QFETCH(QString, converter);
        QFETCH(QString, printed);
        QFETCH(QStringList, ending);
        QFETCH(double, progress);
        if (converter == "missing")
            QFile::remove(tools.ffmpegPath);
        if (converter == "not executable")
            QFile(tools.ffmpegPath).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        FakeTools::configure(
            {{"FAKE_FFMPEG_STDERR", QString(printed).replace("\r", "\\r").replace("\n", "\\n")},
             {"FAKE_FFMPEG_EXIT", converter}});
        fill();
        QCoro::waitFor(cutter->startCutting());
        const QStringList log = cutter->logMessages()->entries();
        QCOMPARE(log.mid(0, 4),
                 stamped({"Starting media cutting...", "Input: /media/my clip.mp4",
                          "Output: /out/a_cut.mp4", "Start: 00:00:10, End: 00:00:20"}));
        QCOMPARE(log.mid(log.size() - ending.size()), stamped(ending));
        // The converter's output, in as many chunks as the pipe delivered it.
        QString output;
        for (const QString& chunk : log.mid(4, log.size() - 4 - ending.size()))
            output += chunk.mid(11);
        QCOMPARE(output, printed);
        QCOMPARE(cutter->isCutting(), false);
        QCOMPARE(cutter->cuttingProgress(), progress);
        QCOMPARE(cutter->lastOutputFile(), "");
    }

    void progressFromConverterOutput_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<double>("progress");
        QTest::newRow("halfway") << QString("frame= 1125 size= 512kB time=00:00:45.00 bitrate=9k")
                                 << 50.0;
        QTest::newRow("past the end")
            << QString("size= 900kB time=00:02:00.00 bitrate=61k") << 100.0;
        QTest::newRow("not a time") << QString("size= 0kB time=N/A bitrate=N/A") << 0.0;
        QTest::newRow("last line decides")
            << QString("time=00:00:09.00\rtime=00:00:18.00\r") << 20.0;
        QTest::newRow("later lines without time") << QString("time=00:00:45.00\rdone\n") << 50.0;
        QTest::newRow("tab and Unicode breaks")
            << QString("x\ttime=00:00:09.00\u2028\u00a0time=00:00:45.00") << 50.0;
        QTest::newRow("without time, or time= inside a piece")
            << QString("Stream mapping:\n  xtime=00:00:45.00\n") << 7.0;
    }
    void progressFromConverterOutput() {
        QFETCH(QString, output);
        QFETCH(double, progress);
        cutter->updateProgress("time=00:00:06.30", 90); // 7 %
        cutter->updateProgress(output, 90);
        QCOMPARE(cutter->cuttingProgress(), progress);
    }

    // Closing the window while the converter runs lets the cut finish unobserved.
    void controllerGoneDuringTheCut() {
        FakeTools::configure(
            {{"FAKE_FFMPEG_STDERR", "time=00:00:01.00\\r"}, {"FAKE_FFMPEG_SLEEP", "0.3"}});
        fill();
        auto cut = cutter->startCutting();
        QTest::qWait(50);
        cutter.reset();
        QCoro::waitFor(std::move(cut));
    }
};

MORVI_TEST_MAIN(TestMediaCutterViewModel)
#include "tst_mediacutterviewmodel.moc"
