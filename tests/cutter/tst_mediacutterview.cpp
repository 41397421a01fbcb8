#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "WindowFit.h"
#include "core/cutter/MediaCutterViewModel.h"
#include "core/platform/Notifier.h"
#include "gui/cutter/MediaCutterView.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
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
        // Silence at a low rate makes an hour-long file of a few megabytes in an instant.
        QVERIFY(TestMedia::make(media + "/long.wav", {"-f", "lavfi", "-i", "anullsrc=r=1000", "-t",
                                                      "3725", "-c:a", "pcm_u8"}));
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
        QVERIFY(
            QTest::qWaitFor([&] { return part<QLabel>(view, "percentLabel")->text() == "99%"; }));
        QVERIFY(QTest::qWaitFor([&] { return !cutter.isCutting(); }));
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

    void drops_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("chosen");
        const QUrl clip = QUrl::fromLocalFile(media + "/clip.mp4");
        QTest::newRow("one local file") << QList<QUrl>{clip} << true;
        QTest::newRow("two files") << QList<QUrl>{clip, clip} << false;
        QTest::newRow("a web address") << QList<QUrl>{QUrl("https://example.org/a.mp4")} << false;
    }
    void drops() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, chosen);
        MediaCutterView view(&dialogs);
        view.show();
        QMimeData data;
        data.setUrls(urls);
        data.setText(urls.first().toString());
        // Onto the window, and onto a text field, which would otherwise take the text.
        for (QWidget* target : {static_cast<QWidget*>(&view), part<QWidget>(view, "nameField")}) {
            QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QCOMPARE(enter.isAccepted(), chosen);
            QDropEvent drop({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &drop);
            QCOMPARE(view.viewModel().selectedFilePath(), chosen ? media + "/clip.mp4" : "");
            QCOMPARE(view.viewModel().outputFileName(), chosen ? "clip_cut" : "");
        }
    }

    void everyInputHasAName() {
        MediaCutterView view(&dialogs);
        QStringList names;
        for (QWidget* input : view.findChildren<QWidget*>()) {
            QAccessibleInterface* field = QAccessible::queryAccessibleInterface(input);
            if (qobject_cast<QLineEdit*>(input))
                names << field->text(QAccessible::Name);
            else if (qobject_cast<QComboBox*>(input)) // named by the label it relates to
                names
                    << field->relations(QAccessible::Label).value(0).first->text(QAccessible::Name);
        }
        QCOMPARE(names, (QStringList{"Media File", "Start Time", "End Time", "Output File Name",
                                     "Format", "Output Path"}));
    }

    void fitsTheScreen_data() { WindowFit::addScreens(); }
    void fitsTheScreen() {
        QFETCH(QSize, area);
        MediaCutterView view(&dialogs);
        view.fitToScreen(area);
        view.resize(view.minimumSize());
        view.show();
        QVERIFY(WindowFit::fits(view, area));
    }

    // With the chosen file the information block appears, and fills in once the file is read.
    void renders() {
        MediaCutterView view(&dialogs);
        view.fitToScreen({1920, 1040});
        view.resize(600, 760);
        view.show();
        QVERIFY(!shown(view, "informationBlock"));
        dialogs.fileAnswers << media + "/long.wav";
        QTest::mouseClick(part<QPushButton>(view, "fileBrowse"), Qt::LeftButton);
        QVERIFY(shown(view, "informationBlock") && !shown(view, "durationLine"));
        QVERIFY(QTest::qWaitFor([&] { return shown(view, "formatLine"); }));
        QCOMPARE(part<QLabel>(view, "durationLine")->text(), "Duration: 01:02:05");
        QCOMPARE(part<QLabel>(view, "formatLine")->text(), "Format: Audio");
        view.viewModel().setStartTime("00:10:00");
        view.viewModel().addLogMessage("Ready to cut long.wav");
        QVERIFY(Renders::save(view, "media-cutter-light"));
        view.setPalette(Renders::darkPalette());
        QVERIFY(Renders::save(view, "media-cutter-dark"));
    }
};

MORVI_TEST_MAIN(TestMediaCutterView)
#include "tst_mediacutterview.moc"
