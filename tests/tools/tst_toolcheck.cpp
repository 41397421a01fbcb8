#include "CollectLog.h"
#include "FakeToolInstaller.h"
#include "TestHome.h"
#include "core/tools/FileManagerHelper.h"
#include "core/tools/ToolCheck.h"

#include <QDir>
#include <QFile>

// The check's branches, against an installer that fetches nothing.
class TestToolCheck : public QObject {
    Q_OBJECT
    FileManagerHelper tools;

    // Puts the named tool in place as "working", "missing", "not executable" or "page".
    void place(const QString& name, const QString& state) {
        if (state == "working")
            return FakeTools::installOne(name);
        QFile file(tools.toolsFolderPath + "/" + name);
        if (state == "missing" || !file.open(QIODevice::WriteOnly))
            return;
        file.write(state == "page" ? "<html><body>Sign in</body></html>\n" : "#!/bin/sh\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                            (state == "page" ? QFile::ExeOwner : QFile::Permissions()));
    }

private slots:
    void init() {
        QDir(tools.toolsFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        FakeTools::configure();
    }

    // A tool counts as present only when it can be started; the probe tool is not looked for.
    // A tool the tools folder still lacks afterwards is taken from the system when it is there
    // and answers its version option.
    void branches_data() {
        QTest::addColumn<QString>("ytDlp");
        QTest::addColumn<QString>("ffmpeg");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("systemTools");
        const QString ok = "working", none = "missing";
        const QStringList fetchDownloader{"downloadYtDlp"};
        const QStringList fetchConverter{"updateYtDlp", "downloadFFmpeg"};
        const QStringList fetchBoth{"downloadYtDlp", "downloadFFmpeg"};
        const QStringList noSystemTools;
        QTest::newRow("both working") << ok << ok << QStringList{"updateYtDlp"} << noSystemTools;
        QTest::newRow("tools folder empty") << none << none << fetchBoth << noSystemTools;
        QTest::newRow("downloader not executable")
            << "not executable" << ok << fetchDownloader << noSystemTools;
        QTest::newRow("downloader is an HTML page")
            << "page" << ok << fetchDownloader << noSystemTools;
        QTest::newRow("converter is an HTML page")
            << ok << "page" << fetchConverter << noSystemTools;
        QTest::newRow("offline, with the system's tools")
            << none << none << fetchBoth << QStringList{"yt-dlp", "ffmpeg"};
        QTest::newRow("offline, the system's converter fails")
            << none << none << fetchBoth << QStringList{"ffmpeg failing"};
    }
    void branches() {
        QFETCH(QString, ytDlp);
        QFETCH(QString, ffmpeg);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, systemTools);
        place("yt-dlp", ytDlp);
        place("ffmpeg", ffmpeg);
        const QString system = QDir::homePath() + "/system/" + QTest::currentDataTag();
        QStringList standIns;
        for (const QString& tool : systemTools) {
            const QString name = tool.section(' ', 0, 0);
            FakeTools::installOne(name, system);
            QFile file(system + "/" + name);
            if (tool.endsWith("failing") && file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                file.write("#!/bin/sh\nexit 1\n");
            const QString version = name == "ffmpeg" ? "5.1" : "2023.03.04";
            standIns << (tool.endsWith("failing")
                             ? QString("The system's %1 at %2/%1 does not run.").arg(name, system)
                             : QString("Using the system's %1 %2 at %3/%1 for now.")
                                   .arg(name, version, system));
        }
        const SearchPath path(system);
        // The check announces each download itself; the installer logs the rest.
        const QMap<QString, QStringList> logged{
            {"updateYtDlp", {"Updating plugin 1...", "Plugin 1 update completed."}},
            {"downloadYtDlp", {"Downloading plugin 1...", "Plugin 1 downloaded successfully."}},
            {"downloadFFmpeg",
             {"Downloading plugin 2...", "Extracting plugin 2...",
              "Plugin 2 downloaded successfully.", "Downloading plugin 3...",
              "Plugin 3 downloaded successfully."}}};
        QStringList lines{"Checking for updates...",
                          "Checking and installing necessary plugins..."};
        for (const QString& call : calls)
            lines += logged[call];
        auto installer = std::make_shared<FakeToolInstaller>();
        QCOMPARE(collectLog([&](LogCallback log) { return ToolCheck::run(installer, log); }),
                 lines + standIns + QStringList{"Update check completed."});
        QCOMPARE(installer->calls, calls);
    }
};

MORVI_TEST_MAIN(TestToolCheck)
#include "tst_toolcheck.moc"
