#include "FakeToolInstaller.h"
#include "RecordingDialogs.h"
#include "ScriptedEngine.h"
#include "TestHome.h"
#include "core/platform/LogModel.h"
#include "core/single/MainWindowViewModel.h"
#include "gui/single/MainWindowView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>

class TestMainWindowView : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    ScriptedEngine* engine = nullptr;
    std::shared_ptr<FakeToolInstaller> installer;
    std::unique_ptr<MainWindowView> view;

    MainWindowViewModel& model() { return *view->viewModel(); }

    template <typename T = QWidget> T* find(const QString& name) {
        return view->findChild<T*>(name);
    }

    bool waitForToolCheck() {
        return QTest::qWaitFor(
            [&] { return model().logMessages()->entries().last().endsWith("check completed."); },
            5000);
    }

    // Starts a download with Return in the address field, which is "Download" when that
    // can be pressed, and feeds it a progress line's values.
    void startDownload() {
        QVERIFY(waitForToolCheck());
        auto* field = find<QLineEdit>("urlField");
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(engine->requests.isEmpty()); // "Download" is off without an address
        QTest::keyClicks(field, "https://youtu.be/abc");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(engine->requests.last().url, "https://youtu.be/abc");
        engine->log("[youtube] abc: Downloading webpage\n");
        engine->progress(DownloadProgress{42.4, 48 * 1048576.0, false, 2.1 * 1048576, 17});
    }

    // The enabled controls that take clicks, by name or else by text without its mnemonic, in
    // creation order.
    QStringList enabledControls() {
        QStringList enabled;
        for (QWidget* control : view->findChildren<QWidget*>()) {
            auto* button = qobject_cast<QAbstractButton*>(control);
            if (control->isEnabled() &&
                (button || qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control)))
                enabled << (control->objectName().isEmpty() ? button->text().remove(u'&')
                                                            : control->objectName());
        }
        return enabled;
    }

private slots:
    void init() {
        FakeTools::configure();
        dialogs = RecordingDialogs();
        auto scripted = std::make_unique<ScriptedEngine>();
        engine = scripted.get();
        installer = std::make_shared<FakeToolInstaller>();
        view = std::make_unique<MainWindowView>(installer, &dialogs, nullptr, std::move(scripted));
        view->resize(760, 760);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }

    void cleanup() {
        QTRY_VERIFY(!engine->running());
        view.reset();
        // The tool check outlives its window; it ends before the next test.
        QTRY_COMPARE(installer.use_count(), 1);
    }

    void controlsFollowTheBusyFlag() {
        QCOMPARE(view->focusWidget(), find("urlField"));
        const QStringList header{"Bulk Download", "Media Cutter", "About"};
        const QStringList idle =
            header + QStringList{"urlField",           "formatMP3",     "formatMP4",   "formatM4A",
                                 "Video Quality",      "Audio Quality", "outputField", "Browse",
                                 "Download Playlists", "Download",      "Open Folder", "Open File"};
        QVERIFY(waitForToolCheck());
        model().setUrlText("https://www.youtube.com/watch?v=abc");
        QCOMPARE(enabledControls(), idle);
        model().setUrlText("");
        QVERIFY(!find("progressBlock")->isVisible());
        const QPoint place = find("urlField")->mapTo(view.get(), QPoint());

        startDownload();
        QCOMPARE(find("urlField")->mapTo(view.get(), QPoint()), place); // nothing jumps
        QCOMPARE(enabledControls(),
                 (header + QStringList{"Download Playlists", "Stop", "Open Folder", "Open File"}));
        QVERIFY(find("progressBlock")->isVisible());
        QCOMPARE(view->findChild<QProgressBar*>()->value(), 4240);
        // The progress block fits within the small-screen minimum too.
        QVERIFY(view->layout()->minimumSize().height() <= view->minimumHeight());

        model().stopDownload();
        QCOMPARE(enabledControls(), idle);
    }
};

MORVI_TEST_MAIN(TestMainWindowView)
#include "tst_mainwindowview.moc"
