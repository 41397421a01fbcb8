#include "LoopbackHttpServer.h"
#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "core/tools/FileManagerHelper.h"

using namespace QueueTesting;

namespace {

void add(BulkDownloadViewModel& vm, const QString& text) {
    vm.setUrlsText(text);
    vm.addURLsToQueue();
}

} // namespace

class TestBulkDownloadViewModel : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;

private slots:
    void init() {
        clearStore();
        dialogs = RecordingDialogs();
    }

    // Only the folder chooser stores the path; an edited path lasts as long as its controller.
    void queueAndChosenFolderOutliveTheController() {
        const QString chosen = QDir::homePath() + "/Videos";
        {
            BulkDownloadViewModel vm(dialogs);
            QVERIFY(loaded(vm));
            vm.setSelectedFormat("MP4");
            add(vm, "https://youtu.be/a\nhttps://www.youtube.com/watch?v=b");
            vm.chooseOutputFolder(); // cancelled
            QCOMPARE(dialogs.folderStarts, QStringList{QDir::homePath() + "/Downloads"});
            dialogs.folderAnswers << chosen;
            vm.chooseOutputFolder();
            vm.setOutputPath("/elsewhere");
        }
        BulkDownloadViewModel again(dialogs);
        QVERIFY(loaded(again));
        QCOMPARE(urls(again.downloadItems()),
                 (QStringList{"https://youtu.be/a", "https://www.youtube.com/watch?v=b"}));
        QCOMPARE(again.downloadItems().first().format, "MP4");
        QCOMPARE(again.outputPath(), chosen);
        SettingsStore().setString(BulkDownloadViewModel::outputPathKey, "");
        BulkDownloadViewModel emptyPath(dialogs);
        QVERIFY(loaded(emptyPath));
        QCOMPARE(emptyPath.outputPath(), QString());
    }

    // Lines left out are counted by why: not an accepted address, or queued already
    // (earlier in the text too); blank lines are not lines. A large text is read off the
    // main thread and added in slices, to the same end.
    void acceptedLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<int>("notAddresses");
        QTest::addColumn<int>("alreadyQueued");
        QTest::newRow("trimmed, blank and non-address lines dropped")
            << "  https://www.youtube.com/watch?v=abc \t\n\nnot an address\nHTTPS://youtu.be/xyz"
            << QStringList{"https://www.youtube.com/watch?v=abc"} << 2 << 0;
        QTest::newRow("other site, no scheme, capitals")
            << "https://vimeo.com/1\nwww.youtube.com/a\nhttps://YouTube.com/a" << QStringList{} << 3
            << 0;
        QTest::newRow("repeats dropped; case and slash make new ones")
            << "https://youtu.be/a\r\nhttps://youtu.be/a" + QString(QChar(0x2028)) +
                   "https://youtu.be/A\nhttps://youtu.be/a/\nhttps://youtu.be/queued"
            << QStringList{"https://youtu.be/a", "https://youtu.be/A", "https://youtu.be/a/"} << 0
            << 2;
        const QStringList many = urls(numberedItems(15000));
        QTest::newRow("large") << many.join('\n') +
                                      "\nword\nhttps://youtu.be/0\nhttps://youtu.be/queued"
                               << many << 1 << 2;
    }
    void acceptedLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, added);
        QFETCH(int, notAddresses);
        QFETCH(int, alreadyQueued);
        storeItems(pendingItems({"queued"}));
        BulkDownloadViewModel vm(dialogs);
        QVERIFY(loaded(vm));
        QSignalSpy done(&vm, &BulkDownloadViewModel::urlsAdded);
        add(vm, text);
        QCOMPARE(vm.urlsText(), QString());
        QVERIFY(!done.isEmpty() || done.wait());
        QCOMPARE(urls(vm.downloadItems()), QStringList{"https://youtu.be/queued"} + added);
        QCOMPARE(done.first(), (QVariantList{int(added.size()), notAddresses, alreadyQueued}));
    }

    // Meanwhile an addition and the writes wait for the stored queue, so that the store never
    // holds it in part; a clear ends its loading.
    void storedQueueLoadsBeforeAnythingElse_data() {
        QTest::addColumn<bool>("clearIt");
        QTest::newRow("stop and add while loading") << false;
        QTest::newRow("clear and add while loading") << true;
    }
    void storedQueueLoadsBeforeAnythingElse() {
        QFETCH(bool, clearIt);
        const QList<BulkDownloadItem> stored = numberedItems(12000);
        storeItems(stored);
        BulkDownloadViewModel vm(dialogs);
        if (clearIt)
            vm.clearQueue();
        else
            vm.stopAllDownloads();
        QSignalSpy done(&vm, &BulkDownloadViewModel::urlsAdded);
        add(vm, "https://youtu.be/0\nhttps://youtu.be/new");
        vm.waitUntilSaved();
        QCOMPARE(storedItems().size(), stored.size());
        QVERIFY(done.wait());
        QCOMPARE(done.first(), (QVariantList{clearIt ? 2 : 1, 0, clearIt ? 0 : 1}));
        const QStringList expected = clearIt
                                         ? QStringList{"https://youtu.be/0", "https://youtu.be/new"}
                                         : urls(stored) + QStringList{"https://youtu.be/new"};
        QCOMPARE(urls(vm.downloadItems()), expected);
        vm.waitUntilSaved();
        QCOMPARE(urls(storedItems()), urls(vm.downloadItems()));
    }

    // A large text reaches the box as its addresses only; a small one as it is, on a
    // line of its own.
    void pastedAndLoadedText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("boxed");
        const QString log =
            QStringList(20000, "12:00:00 [info] https://example.org/x nothing here").join('\n');
        QTest::newRow("small") << "https://youtu.be/a\nword"
                               << "typed\nhttps://youtu.be/a\nword";
        QTest::newRow("large log")
            << log + "\nhttps://youtu.be/z\n" + log << "typed\nhttps://youtu.be/z";
    }
    void pastedAndLoadedText() {
        QFETCH(QString, text);
        QFETCH(QString, boxed);
        BulkDownloadViewModel vm(dialogs);
        vm.setUrlsText("typed");
        QCoro::waitFor(vm.pasteURLs(text));
        QCOMPARE(vm.urlsText(), boxed);

        dialogs.fileAnswers << writeFile(QDir::homePath() + "/list.txt", text.toUtf8());
        QCoro::waitFor(vm.addURLsFromFile());
        QCOMPARE(vm.urlsText(), boxed.sliced(6)); // the file replaces the box
        dialogs.fileAnswers << writeFile(QDir::homePath() + "/bad.txt", "https://youtu.be/\xff\n");
        QCoro::waitFor(vm.addURLsFromFile()); // not UTF-8: the box stays as it was
        QCOMPARE(vm.urlsText(), boxed.sliced(6));
    }

    // Byte for byte, also when typed by hand into the settings file, where QSettings splits
    // the text at its commas and drops its quotes.
    void unreadableStoredQueueIsKeptAsideBeforeItIsReplaced_data() {
        QTest::addColumn<bool>("byHand");
        QTest::newRow("written by another version") << false;
        QTest::newRow("typed by hand") << true;
    }
    void unreadableStoredQueueIsKeptAsideBeforeItIsReplaced() {
        QFETCH(bool, byHand);
        const QByteArray unreadable = R"([{"url":"https://youtu.be/a", "status":"failed"},{}]  )";
        if (byHand)
            writeFile(QSettings("Velnor", "Morvi").fileName(),
                      "[General]\r\nbulkDownloadItems = " + unreadable + "\r\n");
        else
            SettingsStore().setData(BulkDownloadViewModel::downloadItemsKey, unreadable);
        std::unique_ptr<BulkDownloadViewModel> vm;
        const QString printed = captureStandardOutput([&] {
            vm = std::make_unique<BulkDownloadViewModel>(dialogs);
            loaded(*vm);
        });
        QVERIFY2(printed.startsWith("Error decoding download items: "), qPrintable(printed));
        QVERIFY(vm->downloadItems().isEmpty());

        QTest::ignoreMessage(
            QtWarningMsg,
            "Kept the unreadable download queue under \"bulkDownloadItems.unreadable\"");
        add(*vm, "https://youtu.be/new");
        vm->clearQueue(); // only the first write moves it aside
        vm->waitUntilSaved();
        QCOMPARE(SettingsStore().data(BulkDownloadViewModel::unreadableItemsKey), unreadable);
        QCOMPARE(SettingsStore().data(BulkDownloadViewModel::downloadItemsKey), QByteArray("[]"));
    }

    // A batch skips completed items and restarts the rest, each with the choices it was added
    // with. Progress and its details reach the row's tooltip, not the store; a failure keeps
    // why.
    void batchDownloadsEachItemWithItsOwnChoices() {
        storeItems({item("https://youtu.be/done", DownloadStatus::completed, 100),
                    item("https://youtu.be/failed", DownloadStatus::failed, 0, "MP4"),
                    item("https://youtu.be/cancelled", DownloadStatus::cancelled, 37, "M4A")});
        auto [engine, vm, tester] = scripted(dialogs);
        vm->setSelectedFormat("MP3"); // not the items' own
        vm->setOutputPath("/media/out");
        auto batch = vm->startAllDownloads();
        engine->progress({42.7, 48.0 * 1024 * 1024, false, 2.0 * 1024 * 1024, 17});
        QCOMPARE(vm->itemsModel()->index(1, 0).data(Qt::ToolTipRole),
                 "20.5 MiB of 48.0 MiB · 2.0 MiB/s · 17 s left");
        engine->progress({qQNaN(), 48.0 * 1024 * 1024, false, {}, {}}); // "nan%": the bar stays
        QTRY_COMPARE(vm->itemsModel()->index(1, 0).data(Qt::ToolTipRole), "48.0 MiB");
        QCOMPARE(states(vm->downloadItems()),
                 (QStringList{"Completed 100", "Downloading 42.7", "Pending 0"}));
        vm->waitUntilSaved();
        QCOMPARE(states(storedItems()),
                 (QStringList{"Completed 100", "Failed 0", "Cancelled 37"})); // as before the batch
        engine->toolErrors = QStringList{"ERROR: unable to download", "ERROR: 403"};
        engine->outcomes = {"Process exited with code 1"}; // for the last item
        engine->finish();
        QCoro::waitFor(batch);
        QCOMPARE(states(vm->downloadItems()),
                 (QStringList{"Completed 100", "Completed 100", "Failed 0"}));
        QCOMPARE(vm->itemsModel()->index(2, 3).data(Qt::ToolTipRole),
                 "ERROR: unable to download\nERROR: 403");
        vm->waitUntilSaved();
        QCOMPARE(states(storedItems()), states(vm->downloadItems()));
        QCOMPARE(engine->requests.last().fields(),
                 (QStringList{"https://youtu.be/cancelled", "M4A", "1080p", "192k", "/media/out",
                              "single"}));
    }

    // Selected items start or stop at once and spend the selection; started alone, a
    // failed item goes straight to downloading, where a whole batch first resets it.
    // Stopping or deleting the running item ends its download; the batch goes on.
    void selectedItems_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("atOnce");
        QTest::addColumn<QStringList>("atEnd");
        QTest::newRow("start a failed item") << "start" << QStringList{"Downloading 0", "Pending 0"}
                                             << QStringList{"Completed 100", "Pending 0"};
        QTest::newRow("stop the running item") << "stop" << QStringList{"Cancelled 0", "Pending 0"}
                                               << QStringList{"Failed 0", "Cancelled 0"};
        QTest::newRow("stop all") << "stopAll" << QStringList{"Cancelled 0", "Cancelled 0"}
                                  << QStringList{"Failed 0", "Cancelled 0"};
        QTest::newRow("delete the running item")
            << "delete" << QStringList{"Pending 0"} << QStringList{"Completed 100"};
    }
    void selectedItems() {
        QFETCH(QString, action);
        QFETCH(QStringList, atOnce);
        QFETCH(QStringList, atEnd);
        storeItems(
            {item("https://youtu.be/a", DownloadStatus::failed), item("https://youtu.be/b")});
        auto [engine, vm, tester] = scripted(dialogs);
        QStringList seen;
        connect(vm.get(), &BulkDownloadViewModel::downloadItemsChanged, this,
                [&] { seen << rawValue(vm->downloadItems().first().status); });
        vm->setSelection({vm->downloadItems().first().id});
        const bool startIt = action == "start";
        auto batch = startIt ? vm->startSelectedDownloads() : vm->startAllDownloads();
        if (action == "stop")
            vm->stopSelectedDownloads();
        else if (action == "stopAll")
            vm->stopAllDownloads();
        else if (action == "delete")
            vm->deleteSelectedItems();
        QCOMPARE(states(vm->downloadItems()), atOnce);
        QCOMPARE(engine->stops, startIt ? 0 : 1);
        engine->outcomes = {std::nullopt};
        if (startIt)
            engine->finish();
        QCoro::waitFor(batch);
        QCOMPARE(states(vm->downloadItems()), atEnd);
        QVERIFY(vm->selection().isEmpty() || action == "stopAll");
        QCOMPARE(seen.contains("Pending"), !startIt);
    }

    // A batch follows its items by id: rows deleted above and below the running one skip
    // nothing and run nothing twice, and its progress reaches the row it moved to; added items
    // wait for the next batch. A late result for an item that is gone changes nothing.
    void batchFollowsItemsThroughChangedRows() {
        storeItems(QList{item("https://youtu.be/done", DownloadStatus::completed, 100)} +
                   pendingItems({"a", "b", "c"}));
        auto [engine, vm, tester] = scripted(dialogs);
        auto batch = vm->startAllDownloads();
        vm->setSelection({vm->downloadItems().at(0).id, vm->downloadItems().at(2).id});
        vm->deleteSelectedItems();
        engine->progress({50, {}, false, {}, {}});
        QCOMPARE(states(vm->downloadItems()), (QStringList{"Downloading 50", "Pending 0"}));
        add(*vm, "https://youtu.be/added");
        engine->outcomes = {std::nullopt};
        engine->finish();
        QCoro::waitFor(batch);
        QCOMPARE(engine->requests.size(), 2);
        QCOMPARE(engine->requests.first().url, "https://youtu.be/a");
        QCOMPARE(engine->requests.last().url, "https://youtu.be/c");

        auto next = vm->startAllDownloads();
        QCOMPARE(engine->requests.last().url, "https://youtu.be/added");
        vm->setSelection({vm->downloadItems().last().id});
        vm->stopSelectedDownloads(); // the batch ends
        vm->clearQueue();
        engine->progress({70, {}, false, {}, {}});
        QCoro::waitFor(next);
        QVERIFY(vm->downloadItems().isEmpty());
    }

    // A stopped batch finishing late neither stops nor releases a batch started after it.
    void stopRequestBelongsToItsOwnBatch() {
        storeItems(pendingItems({"a", "b"}));
        auto [engine, vm, tester] = scripted(dialogs);
        auto stopped = vm->startAllDownloads();
        vm->stopAllDownloads();
        auto next = vm->startAllDownloads();
        QCoro::waitFor(stopped); // the stop ended the download that both waited for
        QVERIFY(vm->isDownloading());
        QVERIFY(engine->running());
        engine->finish();
        QCoro::waitFor(next);
        QVERIFY(!vm->isDownloading());
        QCOMPARE(states(vm->downloadItems()), (QStringList{"Failed 0", "Completed 100"}));
    }

    // The batch of a destroyed controller ends without touching it or starting another item.
    void destroyedControllerEndsItsDownloadSafely() {
        FileManagerHelper().createDirectoriesIfNeeded();
        FakeTools::install();
        const QString argsFile = QDir::homePath() + "/args";
        FakeTools::configure({{"FAKE_SLEEP", "30"}, {"FAKE_ARGS_FILE", argsFile}});
        storeItems(pendingItems({"a", "b"}));
        auto vm = std::make_unique<BulkDownloadViewModel>(dialogs);
        QVERIFY(loaded(*vm));
        auto batch = vm->startAllDownloads();
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(argsFile); }));
        vm.reset();
        QCoro::waitFor(batch);
        QCOMPARE(FakeTools::recordedArguments(argsFile).last(), "https://youtu.be/a");
    }

    // A playlist, here a feed on 127.0.0.1 listed by Debian's downloader, is queued entry by
    // entry by the rules of typed lines.
    void playlistEntriesAreQueued() {
        if (!QFile::exists("/usr/bin/yt-dlp"))
            QSKIP("Debian's yt-dlp is needed");
        QFile::remove(FileManagerHelper().ytDlpPath);
        QFile::link("/usr/bin/yt-dlp", FileManagerHelper().ytDlpPath);
        LoopbackHttpServer server;
        const QString a = server.url("/youtube.com/a.mp4").toString();
        const QString b = server.url("/youtube.com/b.mp4").toString();
        QByteArray feed = "<rss><channel><title>Feed</title>";
        for (const QString& entry : {a, b, server.url("/elsewhere/c.mp4").toString()})
            feed += "<item><link>" + entry.toUtf8() + "</link></item>";
        server.serve("/feed.rss", feed + "</channel></rss>", 200, "application/rss+xml");
        Scripted s = scripted(dialogs);
        add(*s.vm, a);
        QStringList summaries;
        connect(s.vm.get(), &BulkDownloadViewModel::playlistEntriesAdded,
                [&](const QString& summary) { summaries << summary; });
        s.vm->setUrlsText(server.url("/feed.rss").toString());
        QCoro::waitFor(s.vm->addPlaylistEntries());
        QCOMPARE(urls(s.vm->downloadItems()), (QStringList{a, b}));
        QCOMPARE(summaries, QStringList{"Added 1 entry(s) from \"Feed\". Left out: 1 not YouTube "
                                        "addresses or repeated, 1 already in the queue."});
        s.vm->waitUntilSaved();
        QCOMPARE(urls(storedItems()), (QStringList{a, b}));
    }
};

MORVI_TEST_MAIN(TestBulkDownloadViewModel)
#include "tst_bulkdownloadviewmodel.moc"
