#include "TestHome.h"
#include "core/app/CommandLine.h"

#include <QProcess>

using Action = CommandLine::Action;

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
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

MORVI_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
