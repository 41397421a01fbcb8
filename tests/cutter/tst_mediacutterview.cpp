#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "cutter/MediaCutterView.h"
#include "cutter/MediaCutterViewModel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestMediaCutterView : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    QString media;

    template <typename T> static T* part(const MediaCutterView& view, const char* name) {
        T* found = view.findChild<T*>(name);
        if (!found)
            qFatal("no %s in the cutter window", name);
        return found;
    }
    static bool shown(const MediaCutterView& view, const char* name) {
        return part<QWidget>(view, name)->isVisibleTo(&view);
    }

    void chooseFile(MediaCutterView& view, const QString& path) {
        dialogs.fileAnswers << path;
        QTest::mouseClick(part<QPushButton>(view, "fileBrowse"), Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        if (!TestMedia::available())
            QSKIP("Debian's ffmpeg is not installed");
        media = QDir::homePath() + "/media";
        QVERIFY(QDir().mkpath(media));
        // Silence at a low rate makes an hour-long file of a few megabytes in an instant.
        QVERIFY(
            TestMedia::make(media + "/long.wav", {"-f", "lavfi", "-i", "anullsrc=r=1000:cl=mono",
                                                  "-t", "3725", "-c:a", "pcm_u8"}));
    }

    void init() {
        dialogs = RecordingDialogs();
        FakeTools::installOne("ffmpeg");
        FakeTools::configure();
    }

    void informationBlockFollowsTheChosenFile() {
        MediaCutterView view(&dialogs);
        view.show();
        QVERIFY(!shown(view, "informationBlock"));
        QLineEdit* file = part<QLineEdit>(view, "fileField");
        QVERIFY(!file->isEnabled());
        QTest::keyClicks(file, "/typed/path");
        QCOMPARE(view.viewModel().selectedFilePath(), "");

        chooseFile(view, media + "/long.wav");
        QCOMPARE(file->text(), media + "/long.wav");
        QVERIFY(shown(view, "informationBlock"));
        QVERIFY(!shown(view, "durationLine"));
        QVERIFY(!shown(view, "formatLine"));
        QVERIFY(QTest::qWaitFor([&] { return shown(view, "formatLine"); }));
        QVERIFY(shown(view, "durationLine"));
        QCOMPARE(part<QLabel>(view, "durationLine")->text(), "Duration: 01:02:05");
        QCOMPARE(part<QLabel>(view, "formatLine")->text(), "Format: Audio");
        QCOMPARE(part<QLineEdit>(view, "endField")->text(), "01:02:05");
        QCOMPARE(part<QLineEdit>(view, "nameField")->text(), "long_cut");
    }

    void cutButtonRules() {
        MediaCutterView view(&dialogs);
        MediaCutterViewModel& cutter = view.viewModel();
        QPushButton* cut = part<QPushButton>(view, "cutButton");
        QCOMPARE(cut->text(), "Cut Media");
        QVERIFY(!cut->isEnabled());
        cutter.setSelectedFilePath("/media/in.mp4");
        QTest::keyClicks(part<QLineEdit>(view, "nameField"), "part");
        QCOMPARE(cutter.outputFileName(), "part");
        QVERIFY(cut->isEnabled());
        QLineEdit* start = part<QLineEdit>(view, "startField");
        start->clear();
        QTest::keyClicks(start, "0:00:10");
        QCOMPARE(cutter.startTime(), "0:00:10");
        QVERIFY(!cut->isEnabled());
        QTest::keyClick(start, Qt::Key_Home);
        QTest::keyClicks(start, "0");
        QCOMPARE(cutter.startTime(), "00:00:10");
        QVERIFY(cut->isEnabled());
        part<QLineEdit>(view, "folderField")->clear();
        QTest::keyClicks(part<QLineEdit>(view, "folderField"), "x");
        QTest::keyClick(part<QLineEdit>(view, "folderField"), Qt::Key_Backspace);
        QCOMPARE(cutter.outputPath(), "");
        QVERIFY(!cut->isEnabled());
    }

    void whileCutting() {
        FakeTools::configure({{"FAKE_FFMPEG_STDERR", "size= 1kB time=00:00:09.99 bitrate=1k\\r"},
                              {"FAKE_FFMPEG_SLEEP", "1"}});
        MediaCutterView view(&dialogs);
        view.show();
        MediaCutterViewModel& cutter = view.viewModel();
        cutter.setSelectedFilePath("/media/in.mp4");
        cutter.setEndTime("00:00:10");
        cutter.setOutputFileName("part");
        QPushButton* cut = part<QPushButton>(view, "cutButton");
        QVERIFY(!shown(view, "progressBlock"));
        QTest::mouseClick(cut, Qt::LeftButton);
        QVERIFY(cutter.isCutting());
        QCOMPARE(cut->text(), "Cutting...");
        QVERIFY(!cut->isEnabled());
        QVERIFY(shown(view, "progressBlock"));
        QVERIFY(QTest::qWaitFor([&] { return cutter.cuttingProgress() > 99; }));
        QCOMPARE(part<QLabel>(view, "percentLabel")->text(), "99%");
        QVERIFY(QTest::qWaitFor([&] { return !cutter.isCutting(); }));
        QVERIFY(!shown(view, "progressBlock"));
        QCOMPARE(cut->text(), "Cut Media");
        QVERIFY(cut->isEnabled());
    }

    void movEntryStoresMov() {
        const QString argsFile = QDir::homePath() + "/ffmpeg-args";
        FakeTools::configure({{"FAKE_FFMPEG_ARGS_FILE", argsFile}});
        MediaCutterView view(&dialogs);
        view.show();
        MediaCutterViewModel& cutter = view.viewModel();
        QComboBox* picker = part<QComboBox>(view, "formatPicker");
        QCOMPARE(picker->currentText(), "MP4");
        QCOMPARE(picker->count(), 4);
        QCOMPARE((QStringList{picker->itemText(0), picker->itemText(1), picker->itemText(2),
                              picker->itemText(3)}),
                 (QStringList{"MP4", "MP3", "M4A", "MOV"}));
        QTest::keyClick(picker, Qt::Key_End);
        QCOMPARE(cutter.outputFormat(), "mov");
        cutter.setOutputFormat("m4a");
        QCOMPARE(picker->currentText(), "M4A");
        cutter.setOutputFormat("mov");

        cutter.setSelectedFilePath("/media/in.mp4");
        cutter.setEndTime("00:00:10");
        cutter.setOutputFileName("part");
        QTest::mouseClick(part<QPushButton>(view, "cutButton"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return !cutter.isCutting(); }));
        QVERIFY(FakeTools::recordedArguments(argsFile).value(11).endsWith("/part.mov"));
    }

    void rendersWithAFileChosen() {
        MediaCutterView view(&dialogs);
        view.resize(600, 760);
        view.show();
        chooseFile(view, media + "/long.wav");
        QVERIFY(QTest::qWaitFor([&] { return shown(view, "formatLine"); }));
        view.viewModel().setStartTime("00:10:00");
        view.viewModel().addLogMessage("Ready to cut " + QFileInfo(media + "/long.wav").fileName());
        QVERIFY(Renders::save(view, "media-cutter"));
    }
};

MORVI_TEST_MAIN(TestMediaCutterView)
#include "tst_mediacutterview.moc"
