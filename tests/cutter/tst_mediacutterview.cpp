#include "RecordingDialogs.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "core/cutter/MediaCutterViewModel.h"
#include "core/platform/Notifier.h"
#include "gui/cutter/MediaCutterView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct RecordingNotifier : Notifier {
    QStringList shown;
    void notify(const QString& summary, const QString& body, std::function<void()>) override {
        shown << summary + ": " + body;
    }
};

template <typename T> T* part(const QWidget& view, const char* name) {
    T* found = view.findChild<T*>(name);
    if (!found)
        qFatal("no %s in the window", name);
    return found;
}

bool shown(const QWidget& view, const char* name) {
    return part<QWidget>(view, name)->isVisibleTo(&view);
}

} // namespace

class TestMediaCutterView : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    QString media = QDir::homePath() + "/media";

private slots:
    void initTestCase() {
        if (!TestMedia::available())
            QSKIP("Debian's ffmpeg is not installed");
        QVERIFY(QDir().mkpath(media));
        QVERIFY(TestMedia::makeClip(media + "/clip.mp4", 2));
    }

    void init() {
        dialogs = RecordingDialogs();
        FakeTools::installOne("ffmpeg");
        FakeTools::configure();
    }

    // Typing reaches the controller, and a cut shows while it runs.
    void bindsToTheController() {
        FakeTools::configure({{"FAKE_FFMPEG_STDERR", "size= 1kB time=00:00:09.99 bitrate=1k\\r"},
                              {"FAKE_FFMPEG_SLEEP", "1"}});
        MediaCutterView view(&dialogs);
        view.show();
        MediaCutterViewModel& cutter = view.viewModel();
        QPushButton* cut = part<QPushButton>(view, "cutButton");
        cutter.setSelectedFilePath("/media/in.mp4");
        cutter.setEndTime("00:00:10");
        QTest::keyClicks(part<QLineEdit>(view, "nameField"), "part");
        QTest::keyClick(part<QLineEdit>(view, "startField"), Qt::Key_Backspace);
        QVERIFY(!cut->isEnabled());
        cutter.setStartTime("00:00:00");
        QTest::mouseClick(cut, Qt::LeftButton);
        QVERIFY(!cut->isEnabled() && shown(view, "progressBlock"));
        QTRY_COMPARE(part<QLabel>(view, "percentLabel")->text(), "99%");
        QTRY_VERIFY(!cutter.isCutting());
        QVERIFY(!shown(view, "progressBlock") && !shown(view, "showInFolder"));
        QVERIFY(cut->isEnabled());
    }

    // A cut that ends while the user looks elsewhere is announced; its folder can be shown.
    void successfulCutInTheBackground() {
        TestMedia::installConverter();
        RecordingNotifier notifier;
        MediaCutterView view(&dialogs, &notifier);
        view.show();
        view.viewModel().chooseMediaFile(media + "/clip.mp4");
        view.viewModel().setEndTime("00:00:01");
        QWidget elsewhere;
        elsewhere.show();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QCoro::waitFor(view.viewModel().startCutting());
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCoro::waitFor(view.viewModel().startCutting()); // seen: not announced
        QCOMPARE(notifier.shown, QStringList{"Cut finished: clip_cut.mp4"});
        QVERIFY(shown(view, "showInFolder"));
        QTest::mouseClick(part<QPushButton>(view, "showInFolder"), Qt::LeftButton);
        QCOMPARE(dialogs.openedUrls, {QUrl::fromLocalFile(QDir::homePath() + "/Downloads")});
    }

    // With the chosen file the information block appears, and fills in once the file is read.
    void chosenFileShowsItsInformation() {
        MediaCutterView view(&dialogs);
        view.show();
        QVERIFY(!shown(view, "informationBlock"));
        dialogs.fileAnswers << media + "/clip.mp4";
        QTest::mouseClick(part<QPushButton>(view, "fileBrowse"), Qt::LeftButton);
        QVERIFY(shown(view, "informationBlock") && !shown(view, "durationLine"));
        QVERIFY(QTest::qWaitFor([&] { return shown(view, "formatLine"); }));
        QCOMPARE(part<QLabel>(view, "durationLine")->text(), "Duration: 00:00:02");
        QCOMPARE(part<QLabel>(view, "formatLine")->text(), "Format: Video");
    }
};

MORVI_TEST_MAIN(TestMediaCutterView)
#include "tst_mediacutterview.moc"
