#include "TestHome.h"
#include "tools/FileManagerHelper.h"

#include <QDir>
#include <QFileInfo>

class TestFileManagerHelper : public QObject {
    Q_OBJECT
private slots:
    void init() { QDir(qEnvironmentVariable("XDG_DATA_HOME") + "/Velnor").removeRecursively(); }

    void freshAccountGetsBaseFolderWithTempAndTools() {
        const QString base = qEnvironmentVariable("XDG_DATA_HOME") + "/Velnor";
        QString printed = captureStandardOutput([] { FileManagerHelper helper; });
        QCOMPARE(printed, QString());
        QVERIFY(QFileInfo(base + "/temp").isDir());
        QVERIFY(QFileInfo(base + "/tools").isDir());
        QCOMPARE(QDir(base + "/tools").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void pathsAreExactAndShareTheToolsFolder() {
        const QString base = qEnvironmentVariable("XDG_DATA_HOME") + "/Velnor";
        FileManagerHelper helper;
        QCOMPARE(helper.tempFolderPath, base + "/temp");
        QCOMPARE(helper.toolsFolderPath, base + "/tools");
        QCOMPARE(helper.ytDlpPath, base + "/tools/yt-dlp");
        QCOMPARE(helper.ffmpegPath, base + "/tools/ffmpeg");
        QCOMPARE(QFileInfo(helper.ytDlpPath).path(), helper.toolsFolderPath);
        QCOMPARE(QFileInfo(helper.ffmpegPath).path(), helper.toolsFolderPath);
    }

    void repeatedConstructionChangesNothingAndPrintsNothing() {
        FileManagerHelper first;
        QFile marker(first.toolsFolderPath + "/yt-dlp");
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        const QString printed = captureStandardOutput([] {
            for (int i = 0; i < 3; ++i)
                FileManagerHelper again;
        });
        QCOMPARE(printed, QString());
        QVERIFY(marker.exists());
    }

    void unwritableBaseIsReportedOncePerFolderAndConstructionSucceeds() {
        const QString base = qEnvironmentVariable("XDG_DATA_HOME") + "/Velnor";
        QDir().mkpath(QFileInfo(base).path());
        QFile blocker(base); // a file where the folder should be: root cannot get past it either
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        std::unique_ptr<FileManagerHelper> helper;
        const QString printed =
            captureStandardOutput([&] { helper = std::make_unique<FileManagerHelper>(); });
        QFile::remove(base);

        const QStringList lines = printed.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith("Failed to create directory " + base + "/temp: "));
        QVERIFY(lines[1].startsWith("Failed to create directory " + base + "/tools: "));
        QVERIFY(lines[2].startsWith("Failed to create directory " + base + "/tools: "));
        QVERIFY(lines[0].size() > QString("Failed to create directory " + base + "/temp: ").size());
        QCOMPARE(helper->ffmpegPath, base + "/tools/ffmpeg");
    }
};

MORVI_TEST_MAIN(TestFileManagerHelper)
#include "tst_filemanagerhelper.moc"
