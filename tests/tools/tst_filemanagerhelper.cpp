#include "TestHome.h"
#include "core/tools/FileManagerHelper.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

class TestFileManagerHelper : public QObject {
    Q_OBJECT
    const QString base = qEnvironmentVariable("XDG_DATA_HOME") + "/Velnor";

private slots:
    void init() { QDir(base).removeRecursively(); }

    // Construction makes the folders, quietly, and leaves what they hold alone.
    void foldersAreMadeAtTheExactPaths() {
        FileManagerHelper first;
        QCOMPARE((QStringList{first.tempFolderPath, first.toolsFolderPath, first.ytDlpPath,
                              first.ffmpegPath}),
                 (QStringList{base + "/temp", base + "/tools", base + "/tools/yt-dlp",
                              base + "/tools/ffmpeg"}));
        QVERIFY(QFileInfo(base + "/temp").isDir());
        QVERIFY(QFile(first.ytDlpPath).open(QIODevice::WriteOnly));
        QCOMPARE(captureStandardOutput([] { FileManagerHelper again; }), QString());
        QCOMPARE(QDir(base + "/tools").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"yt-dlp"});
    }

    // A file where the folder should be, which root cannot get past either.
    void unwritableBaseIsReportedOncePerFolderAndConstructionSucceeds() {
        QDir().mkpath(QFileInfo(base).path());
        QVERIFY(QFile(base).open(QIODevice::WriteOnly));
        std::unique_ptr<FileManagerHelper> helper;
        QString printed =
            captureStandardOutput([&] { helper = std::make_unique<FileManagerHelper>(); });
        QFile::remove(base);

        const QString failed = "Failed to create directory " + base;
        printed.replace(QRegularExpression(": \\S.*$", QRegularExpression::MultilineOption),
                        ": (reason)");
        QCOMPARE(
            printed,
            QString("%1/temp: (reason)\n%1/tools: (reason)\n%1/tools: (reason)\n").arg(failed));
        QCOMPARE(helper->ffmpegPath, base + "/tools/ffmpeg");
    }
};

MORVI_TEST_MAIN(TestFileManagerHelper)
#include "tst_filemanagerhelper.moc"
