#include "FakeToolInstaller.h"
#include "TestHome.h"
#include "core/app/CommandLine.h"
#include "core/queue/BulkDownloadViewModel.h"
#include "core/single/MainWindowViewModel.h"
#include "core/tools/FileManagerHelper.h"
#include "gui/app/AboutView.h"
#include "gui/app/MorviApp.h"
#include "gui/queue/BulkDownloadView.h"
#include "gui/single/MainWindowView.h"

#include <QPushButton>

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

    // Tool checks outlive their windows; each runs to its end, and lets go of its installer,
    // before the next test.
    void cleanup() {
        app.reset();
        QVERIFY(QTest::qWaitFor(
            [&] {
                return std::all_of(installers.begin(), installers.end(), [](const auto& installer) {
                    return installer.use_count() == 1;
                });
            },
            5000));
        installers.clear();
    }

    void opensEachKindByItsIdentifier_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("title");
        QTest::newRow("queue") << QString("bulk-download") << "Bulk Download";
        QTest::newRow("cutter") << QString("media-cutter") << "Media Cutter";
        QTest::newRow("about") << QString("about") << "About";
    }

    void opensEachKindByItsIdentifier() {
        QFETCH(QString, identifier);
        QFETCH(QString, title);
        QWidget* window = app->openWindow(identifier);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), title);
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
        QVERIFY(app->openWindow(identifier)->isVisible());
    }

    // While a closed queue window's batch runs, reopening shows that same controller.
    void reopenedQueueWindowShowsTheRunningBatch() {
        FileManagerHelper().createDirectoriesIfNeeded();
        FakeTools::install();
        FakeTools::configure({{"FAKE_SLEEP", "1"}});
        QSettings("Velnor", "Morvi").clear();
        auto* first = qobject_cast<BulkDownloadView*>(app->openWindow("bulk-download"));
        first->viewModel()->setUrlsText("https://youtu.be/a");
        first->viewModel()->addURLsToQueue();
        QPointer<BulkDownloadViewModel> running = first->viewModel();
        running->startAllDownloads();
        closeAndDelete(first);
        auto* second = qobject_cast<BulkDownloadView*>(app->openWindow("bulk-download"));
        QCOMPARE(second->viewModel(), running.data());
        QVERIFY(QTest::qWaitFor([&] { return !running->hasRunningBatch(); }, 5000));
        closeAndDelete(second);
        auto* third = qobject_cast<BulkDownloadView*>(app->openWindow("bulk-download"));
        // A fresh controller, which reads the ended one's last write.
        QVERIFY(third->viewModel() != running);
        QCOMPARE(third->viewModel()->downloadItems().first().status, DownloadStatus::completed);
    }

    // The main window's About button opens that window; ending the application closes both.
    void aboutOpensFromTheMainWindowAndEndingClosesAll() {
        QPointer<QWidget> main = app->showMainWindow();
        for (QPushButton* button : main->findChildren<QPushButton*>()) {
            if (button->text() == "About")
                QTest::mouseClick(button, Qt::LeftButton);
        }
        QPointer<QWidget> about = qobject_cast<AboutView*>(app->window("about"));
        QVERIFY(about);
        app.reset();
        QVERIFY(main.isNull());
        QVERIFY(about.isNull());
    }

    void openAddressesFillsTheWindows_data() {
        QTest::addColumn<QStringList>("addresses");
        QTest::addColumn<QString>("boxBefore");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("box");

        const QString typed = "https://typed.example/";
        const QString a = "https://a.example/1", b = "http://b.example/2";
        QTest::newRow("none") << QStringList() << "" << typed << "";
        QTest::newRow("one") << QStringList{a} << "" << a << "";
        QTest::newRow("two") << QStringList{a, b} << "" << typed << a + "\n" + b;
        QTest::newRow("three after a typed line")
            << QStringList{a, b, a} << "https://kept/" << typed
            << "https://kept/\n" + a + "\n" + b + "\n" + a;
    }

    void openAddressesFillsTheWindows() {
        QFETCH(QStringList, addresses);
        QFETCH(QString, boxBefore);
        QFETCH(QString, field);
        QFETCH(QString, box);
        MainWindowView* main = app->showMainWindow();
        main->viewModel()->setUrlText("https://typed.example/");
        main->showMinimized();
        if (!boxBefore.isEmpty())
            queueModel(app->openWindow("bulk-download"))->setUrlsText(boxBefore);

        app->openAddresses(addresses);
        QVERIFY(!main->isMinimized());
        QCOMPARE(main->viewModel()->urlText(), field);
        QVERIFY(!main->viewModel()->isDownloading());
        QWidget* queue = app->window("bulk-download");
        QCOMPARE(queue != nullptr, !box.isEmpty());
        if (queue) {
            QCOMPARE(queueModel(queue)->urlsText(), box);
            QVERIFY(!queueModel(queue)->isDownloading());
        }
    }

    void parsesTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("addresses");

        const QStringList none;
        const QString page = "https://example.org/watch?v=1";
        const auto notWeb = [](const QString& argument) {
            return QString("'%1' is not a web address (http or https).").arg(argument);
        };
        QTest::newRow("nothing") << none << Action::OpenWindows << "" << none;
        QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << "" << none;
        QTest::newRow("Qt's options with --version")
            << QStringList{"-platform", "offscreen", "--style=Fusion", "-reverse", "--version"}
            << Action::ShowVersion << "" << none;
        QTest::newRow("addresses among Qt's options")
            << QStringList{"http://a.example/1", "-platform", "offscreen", "HTTPS://b.example/2"}
            << Action::OpenWindows << ""
            << QStringList{"http://a.example/1", "HTTPS://b.example/2"};
        QTest::newRow("an address with --version")
            << QStringList{page, "--version"} << Action::ShowVersion << "" << none;
        QTest::newRow("no scheme, among good")
            << QStringList{page, "www.example.org/v"} << Action::Refuse
            << notWeb("www.example.org/v") << none;
        QTest::newRow("a file with --help")
            << QStringList{"--help", "file:///tmp/v.mp4"} << Action::Refuse
            << notWeb("file:///tmp/v.mp4") << none;
    }

    void parsesTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, error);
        QFETCH(QStringList, addresses);

        const CommandLine commandLine = CommandLine::parse(QStringList{"morvi"} + arguments);
        QCOMPARE(commandLine.action(), action);
        QCOMPARE(commandLine.error(), error);
        QCOMPARE(commandLine.addresses(), addresses);
    }

    void programAnswersWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        const QString usage = CommandLine::usage();
        const QString version =
            QString("Morvi %1 (build %2)\n").arg(MORVI_VERSION, MORVI_BUILD_NUMBER);
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << "";
        QTest::newRow("not a web address")
            << QStringList{"https://example.org/v", "v.mp4"} << 2 << ""
            << "morvi: 'v.mp4' is not a web address (http or https).\n\n" + usage;
    }

    // Runs the built program where no display can be reached: any attempt to start the
    // window system would end it with an abort instead of an answer.
    void programAnswersWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);

        QProcess morvi;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        morvi.setProcessEnvironment(environment);
        morvi.start(MORVI_EXECUTABLE, arguments);
        QVERIFY(morvi.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(morvi.readAllStandardError()), err);
        QCOMPARE(morvi.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(morvi.readAllStandardOutput()), out);
        QCOMPARE(morvi.exitCode(), exitCode);
    }
};

MORVI_TEST_MAIN(TestMorviApp)
#include "tst_morviapp.moc"
