#include "TestHome.h"
#include "app/CommandLine.h"

#include <QProcess>

using Action = CommandLine::Action;

class TestCommandLine : public QObject {
    Q_OBJECT

    struct Run {
        int exitCode;
        QString out;
        QString err;
    };

    // Runs the built program where no display can be reached: any attempt to
    // start the window system would end it with an abort instead of an answer.
    static Run runMorvi(const QStringList& arguments) {
        QProcess morvi;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        morvi.setProcessEnvironment(environment);
        morvi.start(MORVI_EXECUTABLE, arguments);
        if (!morvi.waitForFinished(10000) || morvi.exitStatus() != QProcess::NormalExit)
            return {-1, QString(), morvi.readAllStandardError()};
        return {morvi.exitCode(), morvi.readAllStandardOutput(), morvi.readAllStandardError()};
    }

private slots:
    void parsesTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("error");

        QTest::newRow("nothing") << QStringList() << Action::OpenWindows << "";
        QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp << "";
        QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << "";
        QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion << "";
        QTest::newRow("help wins") << QStringList{"--version", "--help"} << Action::ShowHelp << "";
        QTest::newRow("Qt's -platform")
            << QStringList{"-platform", "offscreen"} << Action::OpenWindows << "";
        QTest::newRow("Qt's options with --version")
            << QStringList{"-platform", "offscreen", "-reverse", "--version"} << Action::ShowVersion
            << "";
        QTest::newRow("Qt's --style=")
            << QStringList{"--style=Fusion", "-widgetcount"} << Action::OpenWindows << "";
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << Action::Refuse << "Unknown option 'bogus'.";
        QTest::newRow("-v is not --version")
            << QStringList{"-v"} << Action::Refuse << "Unknown option 'v'.";
        QTest::newRow("unknown beside --version") << QStringList{"--version", "--verbose"}
                                                  << Action::Refuse << "Unknown option 'verbose'.";
        QTest::newRow("an address")
            << QStringList{"https://example.org/watch?v=1"} << Action::Refuse
            << "Unexpected argument 'https://example.org/watch?v=1'.";
        QTest::newRow("after --") << QStringList{"--", "--help"} << Action::Refuse
                                  << "Unexpected argument '--help'.";
        QTest::newRow("-platform without its value")
            << QStringList{"-platform"} << Action::Refuse << "Missing value after '-platform'.";
        QTest::newRow("--help with a value")
            << QStringList{"--help=all"} << Action::Refuse << "Unexpected value after '--help'.";
    }

    void parsesTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, error);

        const CommandLine commandLine = CommandLine::parse(QStringList{"morvi"} + arguments);
        QCOMPARE(commandLine.action(), action);
        QCOMPARE(commandLine.error(), error);
    }

    void versionLineNamesVersionAndBuild() {
        QCOMPARE(CommandLine::versionLine(),
                 QString("Morvi %1 (build %2)")
                     .arg(QStringLiteral(MORVI_VERSION), QStringLiteral(MORVI_BUILD_NUMBER)));
    }

    void programAnswersWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        const QString usage = CommandLine::usage();
        QTest::newRow("--version")
            << QStringList{"--version"} << 0 << CommandLine::versionLine() + "\n"
            << "";
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << "";
        QTest::newRow("-platform offscreen --help")
            << QStringList{"-platform", "offscreen", "--help"} << 0 << usage << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                        << "morvi: Unknown option 'bogus'.\n\n" + usage;
        QTest::newRow("an address")
            << QStringList{"https://example.org/v"} << 2 << ""
            << "morvi: Unexpected argument 'https://example.org/v'.\n\n" + usage;
    }

    void programAnswersWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);

        const Run run = runMorvi(arguments);
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
    }

    void usageNamesBothOptions() {
        const QString usage = CommandLine::usage();
        QVERIFY(usage.startsWith("Usage: morvi [--help | --version]\n"));
        QVERIFY(usage.contains("  -h, --help   Show this help and exit.\n"));
        QVERIFY(usage.contains("  --version    Show the version and exit.\n"));
    }
};

MORVI_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
