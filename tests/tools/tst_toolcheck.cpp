#include "CollectLog.h"
#include "FakeToolInstaller.h"
#include "TestHome.h"
#include "tools/FileManagerHelper.h"
#include "tools/ToolCheck.h"

#include <QDir>
#include <QFile>

namespace {

const QStringList begin{"Checking for updates...", "Checking and installing necessary plugins..."};
const QStringList update1{"Updating plugin 1...", "Plugin 1 update completed."};
const QStringList download1{"Downloading plugin 1...", "Plugin 1 downloaded successfully."};
const QStringList download23{"Downloading plugin 2...", "Extracting plugin 2...",
                             "Plugin 2 downloaded successfully.", "Downloading plugin 3...",
                             "Plugin 3 downloaded successfully."};
const QStringList end{"Update check completed."};

void writeTool(const QString& path, const QByteArray& content, QFile::Permissions permissions) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    file.setPermissions(permissions);
}

} // namespace

// The check's branches, against an installer that fetches nothing; what the real installer
// logs is tested in its own suite.
class TestToolCheck : public QObject {
    Q_OBJECT
    FileManagerHelper tools;

private slots:
    void init() {
        QDir(tools.toolsFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        FakeTools::configure();
    }

    // A tool counts as present only when it can be started; the probe tool is not looked for.
    void branches_data() {
        QTest::addColumn<QString>("ytDlp");
        QTest::addColumn<QString>("ffmpeg");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("lines");
        const QStringList updateOnly{"updateYtDlp"};
        const QStringList fetchDownloader{"downloadYtDlp"};
        const QStringList updateAndFetchConverter{"updateYtDlp", "downloadFFmpeg"};
        QTest::newRow("both working") << "working"
                                      << "working" << updateOnly << begin + update1 + end;
        QTest::newRow("downloader missing")
            << "missing"
            << "working" << fetchDownloader << begin + download1 + end;
        QTest::newRow("converter missing")
            << "working"
            << "missing" << updateAndFetchConverter << begin + update1 + download23 + end;
        QTest::newRow("tools folder empty")
            << "missing"
            << "missing" << QStringList{"downloadYtDlp", "downloadFFmpeg"}
            << begin + download1 + download23 + end;
        QTest::newRow("downloader not executable")
            << "not executable"
            << "working" << fetchDownloader << begin + download1 + end;
        QTest::newRow("downloader is an HTML page")
            << "page"
            << "working" << fetchDownloader << begin + download1 + end;
        QTest::newRow("converter is an HTML page")
            << "working"
            << "page" << updateAndFetchConverter << begin + update1 + download23 + end;
    }
    void branches() {
        QFETCH(QString, ytDlp);
        QFETCH(QString, ffmpeg);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, lines);
        const auto place = [](const QString& name, const QString& state) {
            const QString path = FileManagerHelper().toolsFolderPath + "/" + name;
            const auto executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
            if (state == "working")
                FakeTools::installOne(name);
            else if (state == "not executable")
                writeTool(path, "#!/bin/sh\n", QFile::ReadOwner | QFile::WriteOwner);
            else if (state == "page")
                writeTool(path, "<html><body>Sign in</body></html>\n", executable);
        };
        place("yt-dlp", ytDlp);
        place("ffmpeg", ffmpeg);
        auto installer = std::make_shared<FakeToolInstaller>();
        QCOMPARE(collectLog([&](LogCallback log) { return ToolCheck::run(installer, log); }),
                 lines);
        QCOMPARE(installer->calls, calls);
    }
};

MORVI_TEST_MAIN(TestToolCheck)
#include "tst_toolcheck.moc"
