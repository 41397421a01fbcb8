#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "engine/YtdlpManager.h"
#include "queue/BulkDownloadViewModel.h"
#include "tools/FileManagerHelper.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <cmath>

using namespace QueueTesting;

namespace {

// Counts the writes that reach the real settings file.
class CountingStore : public SettingsStore {
public:
    explicit CountingStore(int& writes)
        : writes(writes) {}
    void setData(const QString& key, const QByteArray& value) override {
        ++writes;
        SettingsStore::setData(key, value);
    }

private:
    int& writes;
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestBulkDownloadViewModel : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    FileManagerHelper tools;
    QString downloads;
    QString argsFile;

    QStringList lastArguments() const { return FakeTools::recordedArguments(argsFile); }

    // Waits until the fake downloader runs for url (it records its arguments first).
    bool waitForRunOf(const QString& url = "https://youtu.be/slow") const {
        return QTest::qWaitFor([&] { return lastArguments().endsWith(url); }, 5000);
    }

    // Stores the queue and installs a downloader that runs for addresses that contain "slow"
    // until it is stopped.
    void slowQueue(const QList<BulkDownloadItem>& queued, const QString& seconds = "30",
                   QHash<QString, QString> more = {}) {
        FakeTools::install();
        more.insert(
            {{"FAKE_ARGS_FILE", argsFile}, {"FAKE_SLEEP", seconds}, {"FAKE_SLEEP_MATCH", "slow"}});
        FakeTools::configure(more);
        storeItems(queued);
    }

    static void add(BulkDownloadViewModel& vm, const QString& text) {
        vm.setUrlsText(text);
        vm.addURLsToQueue();
    }

private slots:
    void init() {
        clearStore();
        QDir(tools.toolsFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        downloads = QDir::homePath() + "/Downloads";
        QDir().mkpath(downloads);
        argsFile = QDir::homePath() + "/args";
        QFile::remove(argsFile);
        FakeTools::configure({{"FAKE_ARGS_FILE", argsFile}});
        dialogs = RecordingDialogs();
    }

    void freshControllerStartsWithDefaultsAndStoresNothing() {
        const QString printed = captureStandardOutput([&] {
            BulkDownloadViewModel vm(dialogs);
            QVERIFY(vm.downloadItems().isEmpty());
            QCOMPARE(vm.urlsText(), QString());
            QCOMPARE((QStringList{vm.selectedFormat(), vm.selectedVideoQuality(),
                                  vm.selectedAudioQuality(), vm.outputPath()}),
                     (QStringList{"MP3", "1080p", "192k", downloads}));
            QVERIFY(!vm.isDownloading());
            QVERIFY(vm.selection().isEmpty());
        });
        QCOMPARE(printed, QString());
        QCOMPARE(storedDocument(), std::nullopt);
    }

    // Only the folder chooser stores the path; an edited path lasts as long as its controller.
    void queueAndChosenFolderOutliveTheController() {
        const QString chosen = QDir::homePath() + "/Videos";
        QUuid firstId;
        {
            BulkDownloadViewModel vm(dialogs);
            vm.setSelectedFormat("MP4");
            vm.setSelectedVideoQuality("720p");
            add(vm, "https://youtu.be/a\nhttps://www.youtube.com/watch?v=b");
            vm.chooseOutputFolder(); // cancelled
            QCOMPARE(dialogs.folderStarts, QStringList{downloads});
            QCOMPARE(SettingsStore().string(BulkDownloadViewModel::outputPathKey), std::nullopt);
            dialogs.folderAnswers << chosen;
            vm.chooseOutputFolder();
            QCOMPARE(vm.outputPath(), chosen);
            vm.setOutputPath("/elsewhere");
            firstId = vm.downloadItems().first().id;
        }
        QVERIFY(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Velnor/Morvi.conf"));
        BulkDownloadViewModel again(dialogs);
        QCOMPARE(urls(again.downloadItems()),
                 (QStringList{"https://youtu.be/a", "https://www.youtube.com/watch?v=b"}));
        QCOMPARE(states(again.downloadItems()), (QStringList{"Pending 0", "Pending 0"}));
        const BulkDownloadItem& first = again.downloadItems().first();
        QCOMPARE((QStringList{first.format, first.videoQuality, first.audioQuality}),
                 (QStringList{"MP4", "720p", "192k"}));
        QVERIFY(first.id != firstId);
        QCOMPARE(again.outputPath(), chosen);
        // A new controller starts from the defaults, not from the last one's choices.
        QCOMPARE(again.selectedFormat(), "MP3");
    }

    void storedEmptyOutputPathStaysEmpty() {
        SettingsStore().setString(BulkDownloadViewModel::outputPathKey, "");
        QCOMPARE(BulkDownloadViewModel(dialogs).outputPath(), QString());
    }

    void fourLineExampleAddsOneTrimmedItem() {
        BulkDownloadViewModel vm(dialogs);
        add(vm, "  https://www.youtube.com/watch?v=abc \t\n\nnot an address\nHTTPS://youtu.be/xyz");
        QCOMPARE(urls(vm.downloadItems()), QStringList{"https://www.youtube.com/watch?v=abc"});
        QCOMPARE(states(vm.downloadItems()), QStringList{"Pending 0"});
        QCOMPARE(vm.urlsText(), QString());
        QCOMPARE(urls(storedItems()), QStringList{"https://www.youtube.com/watch?v=abc"});
        QVERIFY(storedDocument()->contains(R"("url":"https:\/\/www.youtube.com\/watch?v=abc")"));
    }

    void acceptedLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("short link") << "https://youtu.be/a" << true;
        QTest::newRow("plain http") << "http://www.youtube.com/watch?v=a" << true;
        QTest::newRow("mobile site") << "https://m.youtube.com/watch?v=a" << true;
        QTest::newRow("other site") << "https://vimeo.com/1" << false;
        QTest::newRow("no scheme") << "www.youtube.com/watch?v=a" << false;
        QTest::newRow("site name in capitals") << "https://YouTube.com/watch?v=a" << false;
        QTest::newRow("both anywhere in the line") << "see youtu.be/a via http" << true;
        QTest::newRow("blank") << " \t " << false;
        QTest::newRow("only rejected lines") << "nothing\n\nftp://example.org\n" << false;
    }
    void acceptedLines() {
        QFETCH(QString, line);
        QFETCH(bool, accepted);
        BulkDownloadViewModel vm(dialogs);
        add(vm, line);
        QCOMPARE(vm.downloadItems().size(), accepted ? 1 : 0);
        QCOMPARE(vm.urlsText(), QString());
        QCOMPARE(storedDocument().has_value(), accepted);
    }

    void duplicatesAreDroppedButCaseAndSlashMakeNewItems() {
        BulkDownloadViewModel vm(dialogs);
        add(vm, "https://youtu.be/abc\r\nhttps://youtu.be/abc" + QString(QChar(0x2028)) +
                    "https://youtu.be/ABC");
        add(vm, " https://youtu.be/abc\nhttps://youtu.be/abc/");
        QCOMPARE(
            urls(vm.downloadItems()),
            (QStringList{"https://youtu.be/abc", "https://youtu.be/ABC", "https://youtu.be/abc/"}));
        QCOMPARE(urls(storedItems()), urls(vm.downloadItems()));
    }

    void itemsKeepTheChoicesOfTheMomentTheyWereAdded() {
        BulkDownloadViewModel vm(dialogs);
        const auto addWith = [&](const QStringList& choices, const QString& url) {
            vm.setSelectedFormat(choices[0]);
            vm.setSelectedVideoQuality(choices[1]);
            vm.setSelectedAudioQuality(choices[2]);
            add(vm, url);
        };
        addWith({"MP4", "720p", "64k"}, "https://youtu.be/first");
        addWith({"M4A", "Best", "320k"}, "https://youtu.be/second");
        QStringList kept;
        for (const BulkDownloadItem& each : vm.downloadItems())
            kept << each.format + " " + each.videoQuality + " " + each.audioQuality;
        QCOMPARE(kept, (QStringList{"MP4 720p 64k", "M4A Best 320k"}));
    }

    void pastedTextIsStoredWithOneWrite() {
        int writes = 0;
        BulkDownloadViewModel vm(dialogs, std::make_unique<CountingStore>(writes));
        QStringList lines;
        for (int i = 0; i < 500; ++i)
            lines << QString("https://youtu.be/v%1").arg(i);
        add(vm, lines.join('\n'));
        QCOMPARE(writes, 1);
        QCOMPARE(urls(storedItems()), lines);
    }

    void fileFillsTheTextBoxOnly() {
        const QString file = QDir::homePath() + "/list.txt";
        const QString content = QString::fromUtf8("https://youtu.be/a\nhttps://youtu.be/é\n");
        writeFile(file, content.toUtf8());
        BulkDownloadViewModel vm(dialogs);
        vm.setUrlsText("typed before");
        dialogs.fileAnswers << file;
        vm.addURLsFromFile();
        QCOMPARE(vm.urlsText(), content);
        QVERIFY(vm.downloadItems().isEmpty());
        QVERIFY(dialogs.fileFilters.first().contains("*.txt"));
        vm.addURLsFromFile(); // cancelled
        QCOMPARE(vm.urlsText(), content);
    }

    void unreadableFileLeavesTheBoxAsItWas_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("not UTF-8") << QByteArray("https://youtu.be/\xff\n") << true;
    }
    void unreadableFileLeavesTheBoxAsItWas() {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        const QString file = QDir::homePath() + "/bad.txt";
        QFile::remove(file);
        if (exists)
            writeFile(file, content);
        BulkDownloadViewModel vm(dialogs);
        vm.setUrlsText("kept");
        dialogs.fileAnswers << file;
        const QString printed = captureStandardOutput([&] { vm.addURLsFromFile(); });
        QVERIFY2(printed.startsWith("Failed to read file: "), qPrintable(printed));
        QCOMPARE(printed.count('\n'), 1);
        QCOMPARE(vm.urlsText(), "kept");
    }

    void unreadableStoredQueueIsKeptAsideBeforeItIsReplaced() {
        QString error;
        QByteArray unreadable = *DownloadItemsDocument::encode(
            {item("https://youtu.be/a"), item("https://youtu.be/b", DownloadStatus::failed)},
            error);
        unreadable.replace("\"Failed\"", "\"failed\"");
        SettingsStore().setData(BulkDownloadViewModel::downloadItemsKey, unreadable);
        const auto keptAside = [] {
            return SettingsStore().data(BulkDownloadViewModel::unreadableItemsKey);
        };

        std::unique_ptr<BulkDownloadViewModel> vm;
        QString printed =
            captureStandardOutput([&] { vm = std::make_unique<BulkDownloadViewModel>(dialogs); });
        QVERIFY2(printed.startsWith("Error decoding download items: "), qPrintable(printed));
        QCOMPARE(printed.count('\n'), 1);
        QVERIFY(vm->downloadItems().isEmpty());
        QCOMPARE(storedDocument(), unreadable);

        vm->setUrlsText("https://youtu.be/new");
        QTest::ignoreMessage(
            QtWarningMsg,
            "Kept the unreadable download queue under \"bulkDownloadItems.unreadable\"");
        QCOMPARE(captureStandardOutput([&] { vm->addURLsToQueue(); }), QString());
        QCOMPARE(keptAside(), unreadable);
        QCOMPARE(urls(storedItems()), QStringList{"https://youtu.be/new"});

        // Only the first write moves it aside.
        printed = captureStandardOutput([&] { vm->clearQueue(); });
        QCOMPARE(printed, QString());
        QCOMPARE(keptAside(), unreadable);
        QCOMPARE(storedDocument(), QByteArray("[]"));
    }

    void startAllSkipsCompletedAndRestartsTheRest() {
        FakeTools::install();
        FakeTools::configure({{"FAKE_ARGS_FILE", argsFile}, {"FAKE_OUTPUT_FILE", "clip.m4a"}});
        storeItems({item("https://youtu.be/done", DownloadStatus::completed, 100),
                    item("https://youtu.be/failed", DownloadStatus::failed, 0, "MP4", "720p"),
                    item("https://youtu.be/cancelled", DownloadStatus::cancelled, 37, "M4A", "Best",
                         "64k")});
        BulkDownloadViewModel vm(dialogs);
        QSignalSpy flag(&vm, &BulkDownloadViewModel::isDownloadingChanged);
        auto batch = vm.startAllDownloads();
        QVERIFY(vm.isDownloading());
        QCOMPARE(states(vm.downloadItems()),
                 (QStringList{"Completed 100", "Downloading 0", "Pending 0"}));
        QCOMPARE(states(storedItems()), (QStringList{"Completed 100", "Failed 0", "Cancelled 37"}));

        QCoro::waitFor(batch);
        QCOMPARE(states(vm.downloadItems()),
                 (QStringList{"Completed 100", "Completed 100", "Completed 100"}));
        QVERIFY(!vm.isDownloading());
        QCOMPARE(flag.count(), 2);
        QCOMPARE(states(storedItems()), states(vm.downloadItems()));
        QVERIFY(QFile::exists(downloads + "/clip.m4a"));
        // The last run used that item's own choices, with the engine's safe ending.
        QCOMPARE(lastArguments(),
                 YtdlpManager().buildArguments("M4A", "Best", "64k", false) +
                     (QStringList{"--ignore-config", "--", "https://youtu.be/cancelled"}));
    }

    void progressReachesItsItemWithoutBeingStored() {
        slowQueue(pendingItems({"slow"}), "1", {{"FAKE_PROGRESS", "10 42.7"}});
        BulkDownloadViewModel vm(dialogs);
        auto batch = vm.startAllDownloads();
        QVERIFY(QTest::qWaitFor([&] { return vm.downloadItems().first().progress == 42.7; }));
        QCOMPARE(states(vm.downloadItems()), QStringList{"Downloading 42.7"});
        QCOMPARE(states(storedItems()), QStringList{"Pending 0"});
        QCoro::waitFor(batch);
        QCOMPARE(states(vm.downloadItems()), QStringList{"Completed 100"});
    }

    void startSelectedGoesStraightToDownloading() {
        FakeTools::install();
        storeItems({item("https://youtu.be/failed", DownloadStatus::failed),
                    item("https://youtu.be/other", DownloadStatus::pending)});
        BulkDownloadViewModel vm(dialogs);
        vm.setSelection({vm.downloadItems().first().id});
        QStringList seen;
        connect(&vm, &BulkDownloadViewModel::downloadItemsChanged, this,
                [&] { seen << rawValue(vm.downloadItems().first().status); });
        QCoro::waitFor(vm.startSelectedDownloads());
        seen.removeDuplicates();
        QCOMPARE(seen, (QStringList{"Downloading", "Completed"}));
        QCOMPARE(states(vm.downloadItems()), (QStringList{"Completed 100", "Pending 0"}));
        QVERIFY(vm.selection().isEmpty());
        QVERIFY(!vm.isDownloading());
    }

    void missingToolFailsEveryItemInTurn_data() {
        QTest::addColumn<QString>("installed");
        QTest::newRow("no tools") << QString();
        QTest::newRow("no downloader") << "ffmpeg";
        QTest::newRow("no converter") << "yt-dlp";
    }
    void missingToolFailsEveryItemInTurn() {
        QFETCH(QString, installed);
        if (!installed.isEmpty())
            FakeTools::installOne(installed);
        storeItems({item("https://youtu.be/a"), item("https://youtu.be/b", DownloadStatus::failed),
                    item("https://youtu.be/c", DownloadStatus::cancelled, 12)});
        BulkDownloadViewModel vm(dialogs);
        QList<QStringList> seen;
        connect(&vm, &BulkDownloadViewModel::downloadItemsChanged, this,
                [&] { seen << states(vm.downloadItems()); });
        QCoro::waitFor(vm.startAllDownloads());
        QCOMPARE(seen, (QList<QStringList>{{"Pending 0", "Pending 0", "Pending 0"},
                                           {"Downloading 0", "Pending 0", "Pending 0"},
                                           {"Failed 0", "Pending 0", "Pending 0"},
                                           {"Failed 0", "Downloading 0", "Pending 0"},
                                           {"Failed 0", "Failed 0", "Pending 0"},
                                           {"Failed 0", "Failed 0", "Downloading 0"},
                                           {"Failed 0", "Failed 0", "Failed 0"}}));
        QVERIFY(!vm.isDownloading());
        QCOMPARE(states(storedItems()), (QStringList{"Failed 0", "Failed 0", "Failed 0"}));
    }

    void stopAllDuringTheSecondOfThree() {
        slowQueue(pendingItems({"first", "slow", "third"}));
        BulkDownloadViewModel vm(dialogs);
        auto batch = vm.startAllDownloads();
        QVERIFY(waitForRunOf());
        QCOMPARE(states(vm.downloadItems()),
                 (QStringList{"Completed 100", "Downloading 0", "Pending 0"}));

        vm.stopAllDownloads();
        QVERIFY(!vm.isDownloading());
        QCOMPARE(states(vm.downloadItems()),
                 (QStringList{"Completed 100", "Cancelled 0", "Cancelled 0"}));
        QCOMPARE(states(storedItems()), states(vm.downloadItems()));

        QCoro::waitFor(batch);
        QCOMPARE(states(vm.downloadItems()),
                 (QStringList{"Completed 100", "Failed 0", "Cancelled 0"}));
        QCOMPARE(states(storedItems()), states(vm.downloadItems()));
        QCOMPARE(lastArguments().last(), "https://youtu.be/slow"); // the third never ran
        QVERIFY(!vm.isDownloading());
    }

    void stopEndsOnlyTheQueuesOwnDownload() {
        const QString childPidFile = QDir::homePath() + "/child.pid";
        QFile::remove(childPidFile);
        slowQueue(pendingItems({"slow"}), "30", {{"FAKE_CHILD_PID_FILE", childPidFile}});
        // Another program's converter, named "ffmpeg" too.
        QProcess bystander;
        FakeTools::startBystanderConverter(bystander);
        QVERIFY(bystander.state() == QProcess::Running);

        BulkDownloadViewModel vm(dialogs);
        auto batch = vm.startAllDownloads();
        const qint64 converter = FakeTools::waitForChildPid(childPidFile);
        QVERIFY(converter > 0);

        vm.stopAllDownloads();
        QCoro::waitFor(batch);
        QVERIFY(waitForProcessGone(converter));
        QVERIFY(processIsAlive(bystander.processId()));
        vm.stopAllDownloads(); // idle: still touches nothing else
        QVERIFY(processIsAlive(bystander.processId()));
        bystander.kill();
        bystander.waitForFinished();
    }

    void stopAllWhenIdleCancelsWhatWaits() {
        storeItems({item("https://youtu.be/a"),
                    item("https://youtu.be/b", DownloadStatus::completed, 100),
                    item("https://youtu.be/c", DownloadStatus::failed),
                    item("https://youtu.be/d", DownloadStatus::downloading, 50)});
        BulkDownloadViewModel vm(dialogs);
        vm.stopAllDownloads();
        const QStringList expected{"Cancelled 0", "Completed 100", "Failed 0", "Cancelled 0"};
        QCOMPARE(states(vm.downloadItems()), expected);
        QCOMPARE(states(storedItems()), expected);
        QVERIFY(!vm.isDownloading());
    }

    void stopSelectedPendingItemWhileAnotherDownloads() {
        slowQueue(pendingItems({"slow", "next"}), "1");
        BulkDownloadViewModel vm(dialogs);
        vm.setSelection({vm.downloadItems().at(1).id});
        auto batch = vm.startAllDownloads();
        QVERIFY(waitForRunOf());

        vm.stopSelectedDownloads();
        QCOMPARE(states(vm.downloadItems()), (QStringList{"Downloading 0", "Cancelled 0"}));
        QCOMPARE(states(storedItems()), (QStringList{"Downloading 0", "Cancelled 0"}));
        QVERIFY(vm.selection().isEmpty());
        QVERIFY(vm.isDownloading());

        QCoro::waitFor(batch);
        // The batch still reaches the cancelled item: it skips only completed ones.
        QCOMPARE(states(vm.downloadItems()), (QStringList{"Completed 100", "Completed 100"}));
    }

    void stopSelectedRunningItemEndsItsBatch() {
        slowQueue(pendingItems({"slow", "b", "c"}));
        BulkDownloadViewModel vm(dialogs);
        vm.setSelection({vm.downloadItems().at(0).id});
        auto batch = vm.startAllDownloads();
        QVERIFY(waitForRunOf());

        vm.stopSelectedDownloads();
        QCOMPARE(states(vm.downloadItems()),
                 (QStringList{"Cancelled 0", "Pending 0", "Pending 0"}));
        QVERIFY(vm.isDownloading());
        QCoro::waitFor(batch);
        QCOMPARE(states(vm.downloadItems()), (QStringList{"Failed 0", "Cancelled 0", "Pending 0"}));
        QVERIFY(!vm.isDownloading());
    }

    void clearRightAfterStopAll() {
        slowQueue(pendingItems({"slow", "b"}));
        BulkDownloadViewModel vm(dialogs);
        auto batch = vm.startAllDownloads();
        QVERIFY(waitForRunOf());
        vm.stopAllDownloads();
        vm.clearQueue();
        QCoro::waitFor(batch);
        QVERIFY(vm.downloadItems().isEmpty());
        QCOMPARE(storedDocument(), QByteArray("[]"));
        QVERIFY(!vm.isDownloading());
    }

    void lateResultOfADeletedItemChangesNothing() {
        slowQueue(pendingItems({"slow"}), "1", {{"FAKE_FINAL", "\\r[download]  50.0% of 1MiB\\n"}});
        BulkDownloadViewModel vm(dialogs);
        auto batch = vm.startAllDownloads();
        QVERIFY(waitForRunOf());
        vm.setSelection({vm.downloadItems().first().id});
        vm.deleteSelectedItems();
        QCoro::waitFor(batch);
        QVERIFY(vm.downloadItems().isEmpty());
        QCOMPARE(storedDocument(), QByteArray("[]"));
    }

    // A result is for the item that was downloaded, not for whatever now holds its row.
    void lateResultFollowsItsItemToItsNewRow() {
        slowQueue({item("https://youtu.be/done", DownloadStatus::completed, 100),
                   item("https://youtu.be/slow"), item("https://youtu.be/waiting")},
                  "1", {{"FAKE_FINAL", "\\r[download]  50.0% of 1MiB\\n"}});
        BulkDownloadViewModel vm(dialogs);
        QList<double> progressOfWaiting;
        auto batch = vm.startAllDownloads();
        QVERIFY(waitForRunOf());
        vm.setSelection({vm.downloadItems().first().id});
        vm.deleteSelectedItems();
        connect(&vm, &BulkDownloadViewModel::downloadItemsChanged, this, [&] {
            if (vm.downloadItems().size() > 1)
                progressOfWaiting << vm.downloadItems().at(1).progress;
        });
        QCoro::waitFor(batch);
        QCOMPARE(urls(vm.downloadItems()),
                 (QStringList{"https://youtu.be/slow", "https://youtu.be/waiting"}));
        QCOMPARE(states(vm.downloadItems()), (QStringList{"Completed 100", "Pending 0"}));
        QVERIFY(!progressOfWaiting.contains(50));
    }

    // A stopped batch finishing late neither stops nor releases a batch started after it.
    void stopRequestBelongsToItsOwnBatch() {
        slowQueue(pendingItems({"slow", "b"}));
        BulkDownloadViewModel vm(dialogs);
        auto stopped = vm.startAllDownloads();
        QVERIFY(waitForRunOf());
        vm.stopAllDownloads();

        FakeTools::configure({{"FAKE_SLEEP", "0.5"}}); // the new batch's runs take a moment
        auto next = vm.startAllDownloads();
        QVERIFY(vm.isDownloading());
        QCoro::waitFor(stopped);
        QVERIFY(vm.isDownloading());
        QCoro::waitFor(next);
        QVERIFY(!vm.isDownloading());
        QCOMPARE(states(vm.downloadItems()), (QStringList{"Completed 100", "Completed 100"}));
    }

    void progressJsonCannotHoldKeepsTheStoredQueue() {
        slowQueue(pendingItems({"slow"}), "1", {{"FAKE_PROGRESS", "nan"}});
        const QByteArray before = *storedDocument();
        BulkDownloadViewModel vm(dialogs);
        auto batch = vm.startAllDownloads();
        QVERIFY(QTest::qWaitFor([&] { return std::isnan(vm.downloadItems().first().progress); }));
        vm.setUrlsText("https://youtu.be/added");
        const QString printed = captureStandardOutput([&] { vm.addURLsToQueue(); });
        QVERIFY2(printed.startsWith("Error encoding download items: "), qPrintable(printed));
        QCOMPARE(storedDocument(), before);
        QCoro::waitFor(batch);
        QCOMPARE(states(storedItems()), (QStringList{"Completed 100", "Pending 0"}));
    }

    void deleteSelectedAndClear() {
        storeItems(pendingItems({"a", "b", "c"}));
        BulkDownloadViewModel vm(dialogs);
        vm.setSelection({vm.downloadItems().at(0).id, vm.downloadItems().at(2).id});
        vm.deleteSelectedItems();
        QCOMPARE(urls(vm.downloadItems()), QStringList{"https://youtu.be/b"});
        QVERIFY(vm.selection().isEmpty());
        QCOMPARE(urls(storedItems()), QStringList{"https://youtu.be/b"});

        const QSet<QUuid> kept{vm.downloadItems().first().id};
        vm.setSelection(kept);
        vm.clearQueue();
        QVERIFY(vm.downloadItems().isEmpty());
        QCOMPARE(vm.selection(), kept);
        QCOMPARE(storedDocument(), QByteArray("[]"));
        // The stored empty queue loads without a word.
        QCOMPARE(captureStandardOutput([&] { BulkDownloadViewModel again(dialogs); }), QString());
    }

    void destroyedControllerEndsItsDownloadSafely() {
        slowQueue(pendingItems({"slow", "b"}));
        auto vm = std::make_unique<BulkDownloadViewModel>(dialogs);
        auto batch = vm->startAllDownloads();
        QVERIFY(waitForRunOf());
        vm.reset();
        QCoro::waitFor(batch);
        QCOMPARE(lastArguments().last(), "https://youtu.be/slow");
    }
};

MORVI_TEST_MAIN(TestBulkDownloadViewModel)
#include "tst_bulkdownloadviewmodel.moc"
