#include "TestHome.h"
#include "tools/FileManagerHelper.h"

#include <QDir>
#include <QFileInfo>

class TestFileManagerHelper : public QObject {
    Q_OBJECT
private slots:
    void init() { QDir(qEnvironmentVariable("XDG_DATA_HOME") + "/Velnor").removeRecursively(); }

    // Construction makes the folders, quietly, and leaves what they hold alone.
    void foldersAreMadeAtTheExactPaths() {
        const QString base = qEnvironmentVariable("XDG_DATA_HOME") + "/Velnor";
        FileManagerHelper first;
        QCOMPARE((QStringList{first.tempFolderPath, first.toolsFolderPath, first.ytDlpPath,
                              first.ffmpegPath}),
                 (QStringList{base + "/temp", base + "/tools", base + "/tools/yt-dlp",
                              base + "/tools/ffmpeg"}));
        QVERIFY(QFileInfo(base + "/temp").isDir());
        QFile marker(first.ytDlpPath);
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        QCOMPARE(captureStandardOutput([] { FileManagerHelper again; }), QString());
        QCOMPARE(QDir(base + "/tools").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"yt-dlp"});
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
