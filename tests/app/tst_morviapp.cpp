#include "FakeToolInstaller.h"
#include "TestHome.h"
#include "core/app/CommandLine.h"
#include "core/queue/BulkDownloadViewModel.h"
#include "core/single/MainWindowViewModel.h"
#include "core/toolstore/FileManagerHelper.h"
#include "gui/app/MorviApp.h"
#include "gui/queue/BulkDownloadView.h"
#include "gui/single/MainWindowView.h"

using Action = CommandLine::Action;

class TestMorviApp : public QObject {
    Q_OBJECT
    std::unique_ptr<MorviApp> app;
    QList<std::shared_ptr<FakeToolInstaller>> installers;

    static BulkDownloadViewModel* queueModel(QWidget* window) {
        return static_cast<BulkDownloadView*>(window)->viewModel();
    }

    static void closeAndDelete(QWidget* window) {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init() {
        app = std::make_unique<MorviApp>([this] {
            installers << std::make_shared<FakeToolInstaller>();
            return installers.last();
        });
    }

    // Tool checks outlive their windows; each ends, letting go of its installer, before the next.
    void cleanup() {
        app.reset();
        for (const auto& installer : std::as_const(installers))
            QTRY_COMPARE(installer.use_count(), 1);
        installers.clear();
    }

    void opensEachKindByItsIdentifier_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("title");
        QTest::newRow("queue") << QString("bulk-download") << "Bulk Download";
        QTest::newRow("cutter") << QString("media-cutter") << "Media Cutter";
        QTest::newRow("about") << QString("about") << "About";
        QTest::newRow("preferences") << QString("preferences") << "Preferences";
    }

    void opensEachKindByItsIdentifier() {
        QFETCH(QString, identifier);
        QFETCH(QString, title);
        QApplication::setWindowIcon(QIcon());
        QWidget* window = app->openWindow(identifier);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(app->window(identifier), window);

        // A second request brings the same window forward instead of making another.
        window->showMinimized();
        QCOMPARE(app->openWindow(identifier), window);
        QVERIFY(!window->isMinimized());

        // Once closed, the next request makes a new window with fresh content.
        QPointer<QWidget> closed = window;
        closeAndDelete(window);
        QVERIFY(closed.isNull());
        QCOMPARE(app->window(identifier), nullptr);
        QPointer<QWidget> reopened = app->openWindow(identifier);
        QVERIFY(reopened->isVisible());

        // Ending the application closes every window.
        QPointer<QWidget> main = app->showMainWindow();
        QVERIFY(!main->windowIcon().isNull());
        app.reset();
        QVERIFY(reopened.isNull() && main.isNull());
    }

    // While a closed queue window's batch runs, reopening shows that same controller.
    void reopenedQueueWindowShowsTheRunningBatch() {
        FileManagerHelper().createDirectoriesIfNeeded();
        FakeTools::install();
        FakeTools::configure({{"FAKE_SLEEP", "1"}});
        removeSettings({"Morvi"});
        QPointer<BulkDownloadViewModel> running = queueModel(app->openWindow("bulk-download"));
        QVERIFY(QTest::qWaitFor([&] { return !running->isLoading(); }));
        running->setUrlsText("https://youtu.be/a");
        running->addURLsToQueue();
        running->startAllDownloads();
        closeAndDelete(app->window("bulk-download"));
        QCOMPARE(queueModel(app->openWindow("bulk-download")), running.data());
        QTRY_VERIFY(!running->hasRunningBatch());
        closeAndDelete(app->window("bulk-download"));
        // A fresh controller, which reads the ended one's last write.
        BulkDownloadViewModel* fresh = queueModel(app->openWindow("bulk-download"));
        QVERIFY(fresh != running);
        QVERIFY(QTest::qWaitFor([&] { return !fresh->isLoading(); }));
        QCOMPARE(fresh->downloadItems().first().status, DownloadStatus::completed);
    }

    // Handed-over addresses bring the windows forward and reach their controllers.
    // The main window, shown first, receives the icon once its first frame is drawn.
    void mainWindowReceivesTheIcon() {
        QApplication::setWindowIcon(QIcon());
        MainWindowView* main = app->showMainWindow();
        QTRY_VERIFY(!main->windowIcon().isNull());
    }

    void openAddressesFillsTheWindows() {
        MainWindowView* main = app->showMainWindow();
        main->showMinimized();
        app->openAddresses({"https://b.example/2", "https://c/3"});
        QVERIFY(!main->isMinimized() && app->window("bulk-download")->isVisible());
        QCOMPARE(queueModel(app->window("bulk-download"))->urlsText(),
                 "https://b.example/2\nhttps://c/3");
    }

    // The built program answers all but opening windows where no display can be reached: a
    // start of the window system would end it with an abort instead of an answer.
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("answer"); // what is printed, or why it is refused
        QTest::addColumn<QStringList>("addresses");

        const QStringList none;
        const QString page = "https://example.org/watch?v=1";
        const QString version =
            QString("Morvi %1 (build %2)\n").arg(MORVI_VERSION, MORVI_BUILD_NUMBER);
        QTest::newRow("nothing") << none << Action::OpenWindows << "" << none;
        QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << CommandLine::usage()
                            << none;
        QTest::newRow("Qt's options with --version")
            << QStringList{"-platform", "offscreen", "--style=Fusion", "-reverse", "--version"}
            << Action::ShowVersion << version << none;
        QTest::newRow("addresses among Qt's options")
            << QStringList{"http://a.example/1", "-platform", "offscreen", "HTTPS://b.example/2"}
            << Action::OpenWindows << ""
            << QStringList{"http://a.example/1", "HTTPS://b.example/2"};
        QTest::newRow("an address with --version")
            << QStringList{page, "--version"} << Action::ShowVersion << version << none;
        QTest::newRow("no scheme, among good")
            << QStringList{page, "www.example.org/v"} << Action::Refuse
            << "'www.example.org/v' is not a web address (http or https)." << none;
        QTest::newRow("a file with --help")
            << QStringList{"--help", "file:///tmp/v.mp4"} << Action::Refuse
            << "'file:///tmp/v.mp4' is not a web address (http or https)." << none;
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, answer);
        QFETCH(QStringList, addresses);

        const CommandLine commandLine = CommandLine::parse(QStringList{"morvi"} + arguments);
        const bool refused = action == Action::Refuse;
        QCOMPARE(commandLine.action(), action);
        QCOMPARE(commandLine.error(), refused ? answer : "");
        QCOMPARE(commandLine.addresses(), addresses);
        if (action == Action::OpenWindows)
            return;
        QProcess morvi;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        morvi.setProcessEnvironment(environment);
        morvi.start(MORVI_EXECUTABLE, arguments);
        QVERIFY(morvi.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(morvi.readAllStandardError()),
                 refused ? "morvi: " + answer + "\n\n" + CommandLine::usage() : "");
        QCOMPARE(morvi.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(morvi.readAllStandardOutput()), refused ? "" : answer);
        QCOMPARE(morvi.exitCode(), refused ? 2 : 0);
    }
};

MORVI_TEST_MAIN(TestMorviApp)
#include "tst_morviapp.moc"
