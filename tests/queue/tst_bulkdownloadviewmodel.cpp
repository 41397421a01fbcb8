#include "LoopbackHttpServer.h"
#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "core/toolstore/FileManagerHelper.h"

#include <csignal>
#include <sys/resource.h>
#include <system_error>
#include <unistd.h>

using namespace QueueTesting;

namespace {

const QUuid fixedId("{0f8fad5b-d9cb-469f-a165-70867728950e}");

// Every item under one id, so that documents compare byte for byte.
QByteArray encoded(QList<BulkDownloadItem> items) {
    for (BulkDownloadItem& each : items)
        each.id = fixedId;
    QString error;
    return DownloadItemsDocument::encode(items, error).value_or("<failed: " + error.toUtf8() + ">");
}

const QByteArray valid = R"({"url":"https://youtu.be/a","status":"Failed","progress":42.7,)"
                         R"("format":"MP4","videoQuality":"720p","audioQuality":"128k"})";

void add(BulkDownloadViewModel& vm, const QString& text) {
    vm.setUrlsText(text);
    vm.addURLsToQueue();
}

QStringList usable(const BulkDownloadViewModel& vm) {
    const std::pair<const char*, bool> controls[] = {{"add", vm.canAddUrls()},
                                                     {"playlist", vm.canAddPlaylistEntries()},
                                                     {"startAll", vm.canStartAll()},
                                                     {"stopAll", vm.canStopAll()},
                                                     {"clear", vm.canClearQueue()},
                                                     {"startSelected", vm.canStartSelected()},
                                                     {"stopSelected", vm.canStopSelected()},
                                                     {"delete", vm.canDeleteSelected()}};
    QStringList names;
    for (const auto& [name, can] : controls) {
        if (can)
            names << name;
    }
    return names;
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

    // Queue, choices (under the queue's own keys) and chosen folder last; an edited path does not.
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
        QCOMPARE(again.downloadItems().first().choice.format, "MP4");
        QCOMPARE(again.selectedFormat(), "MP4");
        QCOMPARE(SettingsStore().string("bulkDownloadFormat").value_or(""), "MP4");
        QCOMPARE(again.outputPath(), chosen);
        SettingsStore().setString(QueueStore::outputPathKey, "");
        BulkDownloadViewModel emptyPath(dialogs);
        QVERIFY(loaded(emptyPath));
        QCOMPARE(emptyPath.outputPath(), QString());
    }

    // Left-out lines are counted by why, blank ones not at all; the refused ones stay in the box,
    // trimmed, for the user to mend. A large text is added in slices.
    void acceptedLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<int>("alreadyQueued");
        QTest::newRow("trimmed, blank and non-address lines dropped")
            << "  https://www.youtube.com/watch?v=abc \t\n\nnot an address\nHTTPS://youtu.be/xyz"
            << QStringList{"https://www.youtube.com/watch?v=abc"}
            << QStringList{"not an address", "HTTPS://youtu.be/xyz"} << 0;
        QTest::newRow("other site, no scheme, capitals")
            << "https://vimeo.com/1\nwww.youtube.com/a\nhttps://YouTube.com/a" << QStringList{}
            << QStringList{"https://vimeo.com/1", "www.youtube.com/a", "https://YouTube.com/a"}
            << 0;
        QTest::newRow("repeats dropped; case and slash make new ones")
            << "https://youtu.be/a\r\nhttps://youtu.be/a" + QString(QChar(0x2028)) +
                   "https://youtu.be/A\nhttps://youtu.be/a/\nhttps://youtu.be/queued"
            << QStringList{"https://youtu.be/a", "https://youtu.be/A", "https://youtu.be/a/"}
            << QStringList{} << 2;
        const QStringList many = urls(numberedItems(15000));
        QTest::newRow("large") << many.join('\n') +
                                      "\nword\nhttps://youtu.be/0\nhttps://youtu.be/queued"
                               << many << QStringList{"word"} << 2;
    }
    void acceptedLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, added);
        QFETCH(QStringList, kept);
        QFETCH(int, alreadyQueued);
        storeItems(pendingItems({"queued"}));
        BulkDownloadViewModel vm(dialogs);
        QVERIFY(loaded(vm));
        QSignalSpy done(&vm, &BulkDownloadViewModel::urlsAdded);
        add(vm, text);
        QVERIFY(!done.isEmpty() || done.wait());
        QCOMPARE(vm.urlsText(), kept.join('\n'));
        QCOMPARE(urls(vm.downloadItems()), QStringList{"https://youtu.be/queued"} + added);
        QCOMPARE(done.first(), (QVariantList{int(added.size()), int(kept.size()), alreadyQueued}));
    }

    // Additions and writes wait for the stored queue to load; a clear ends the loading.
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
        QCOMPARE(urls(vm.downloadItems()),
                 (clearIt ? QStringList{"https://youtu.be/0", "https://youtu.be/new"}
                          : urls(stored) + QStringList{"https://youtu.be/new"}));
        vm.waitUntilSaved();
        QCOMPARE(urls(storedItems()), urls(vm.downloadItems()));
    }

    // Entries listed while the stored queue loads follow it, by the rules of typed lines; each
    // line of the box, whatever ends it, is a playlist.
    void playlistEntriesWaitForTheStoredQueue() {
        FakeTools::install();
        const QString argsFile = QDir::homePath() + "/listed";
        FakeTools::configure({{"FAKE_DESCRIPTION_ARGS_FILE", argsFile},
                              {"FAKE_DESCRIPTION", "{\"title\": \"Feed\", \"entries\": [{\"url\": "
                                                   "\"https://youtu.be/0\"}, {\"url\": "
                                                   "\"https://youtu.be/new\"}, {}]}"}});
        const QList<BulkDownloadItem> stored = numberedItems(12000);
        storeItems(stored);
        BulkDownloadViewModel vm(dialogs);
        QSignalSpy listed(&vm, &BulkDownloadViewModel::playlistEntriesAdded);
        vm.setUrlsText("https://youtu.be/list\u2028 https://youtu.be/other\r");
        vm.addPlaylistEntries();
        vm.setUrlsText("x"); // while listing
        QCOMPARE(usable(vm), (QStringList{"add", "clear"}));
        QTRY_COMPARE(listed.size(), 2);
        QCOMPARE(FakeTools::recordedArguments(argsFile).last(), "https://youtu.be/other");
        QCOMPARE(listed.first().first(),
                 "Added 1 entry(s) from \"Feed\". Left out: 0 not YouTube addresses or repeated, 1 "
                 "already in the queue, 1 without an address.");
        QCOMPARE(urls(vm.downloadItems()), urls(stored) + QStringList{"https://youtu.be/new"});
    }

    // A cleared queue or a closed window ends the listing with its processes; nothing is added.
    void playlistListingEndsWithItsQueue_data() {
        QTest::addColumn<bool>("clearIt");
        QTest::newRow("queue cleared") << true;
        QTest::newRow("window closed") << false;
    }
    void playlistListingEndsWithItsQueue() {
        QFETCH(bool, clearIt);
        FakeTools::install();
        const QString pidFile = QDir::homePath() + "/listing.pid";
        QFile::remove(pidFile);
        FakeTools::configure(
            {{"FAKE_DESCRIPTION_PID_FILE", pidFile},
             {"FAKE_DESCRIPTION", "{\"entries\": [{\"url\": \"https://youtu.be/a\"}]}"}});
        auto vm = new BulkDownloadViewModel(dialogs);
        QVERIFY(loaded(*vm));
        QSignalSpy listed(vm, &BulkDownloadViewModel::playlistEntriesAdded);
        vm->setUrlsText("https://youtu.be/list\nhttps://youtu.be/next");
        vm->addPlaylistEntries();
        const qint64 pid = FakeTools::waitForChildPid(pidFile);
        QVERIFY(pid > 0);
        QFile::remove(pidFile);
        const QPointer<BulkDownloadViewModel> alive(vm);
        clearIt ? vm->clearQueue() : vm->releaseWhenIdle();
        QVERIFY(waitForProcessGone(pid));
        QVERIFY(!QTest::qWaitFor([&] { return QFile::exists(pidFile); }, 500)); // nor the next
        if (alive) {
            QCOMPARE(vm->downloadItems().size(), 0);
            QCOMPARE(listed.size(), 0);
            delete vm;
        }
    }

    // Which actions can be used, by the items' statuses, the selected rows, the box and the
    // batch; a stopped batch that is still ending lets a new one start.
    void controls_data() {
        QTest::addColumn<QString>("batch");
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QList<int>>("selectedRows");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("usable");
        const QStringList done{"Completed", "Failed"}, some{"Completed", "Pending"};
        QTest::newRow("nothing, blanks in the box")
            << "" << QStringList{} << QList<int>{} << " \n\t" << QStringList{"clear"};
        QTest::newRow("all ended, text in the box")
            << "" << done << QList<int>{} << "x"
            << QStringList{"add", "playlist", "startAll", "clear"};
        QTest::newRow("an ended item selected")
            << "" << some << QList<int>{0} << ""
            << QStringList{"startAll", "stopAll", "clear", "startSelected", "delete"};
        QTest::newRow("a pending item selected")
            << "" << some << QList<int>{1} << ""
            << QStringList{"startAll",      "stopAll",      "clear",
                           "startSelected", "stopSelected", "delete"};
        QTest::newRow("running") << "running" << some << QList<int>{0} << ""
                                 << QStringList{"stopAll", "stopSelected"};
        QTest::newRow("stopped, still ending")
            << "stopped" << some << QList<int>{} << "" << QStringList{"startAll", "clear"};
    }
    void controls() {
        QFETCH(QString, batch);
        QFETCH(QStringList, statuses);
        QFETCH(QList<int>, selectedRows);
        QFETCH(QString, box);
        QFETCH(QStringList, usable);
        QList<BulkDownloadItem> stored;
        for (const QString& status : statuses)
            stored << item("https://youtu.be/" + status, *downloadStatusFromRawValue(status));
        storeItems(stored);
        auto [engine, vm, tester] = scripted(dialogs);
        auto run = batch.isEmpty() ? QCoro::Task<>() : vm->startAllDownloads();
        if (batch == "stopped")
            vm->stopAllDownloads();
        vm->setUrlsText(box);
        QSet<QUuid> chosen;
        for (int row : selectedRows)
            chosen << vm->downloadItems().at(row).id;
        vm->setSelection(chosen);
        QCOMPARE(::usable(*vm), usable);
        if (!batch.isEmpty()) {
            engine->finish();
            QCoro::waitFor(run);
        }
    }

    // A large text reaches the box as its addresses only, a small one on a line of its own.
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

    // Kept byte for byte, also when typed into the settings file (it holds commas outside quotes).
    void unreadableStoredQueueIsKeptAsideBeforeItIsReplaced_data() {
        QTest::addColumn<bool>("byHand");
        QTest::newRow("written by another version") << false;
        QTest::newRow("typed by hand") << true;
    }
    void unreadableStoredQueueIsKeptAsideBeforeItIsReplaced() {
        QFETCH(bool, byHand);
        const QByteArray unreadable = R"([{"url":"https://youtu.be/a", "status":"failed"},{}]  )";
        if (byHand)
            writeFile(SettingsStore().fileName(),
                      "[General]\r\nbulkDownloadItems = " + unreadable + "\r\n");
        else
            SettingsStore().setData(QueueStore::downloadItemsKey, unreadable);
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
        QCOMPARE(SettingsStore().data(QueueStore::unreadableItemsKey), unreadable);
        QCOMPARE(SettingsStore().data(QueueStore::downloadItemsKey), QByteArray("[]"));
    }

    // A write that cannot reach the disk (a full one, as a file size limit makes it even for
    // root; a read-only file) leaves the stored queue as it was and says where and why, until a
    // write succeeds.
    void failedWriteKeepsTheStoredQueue_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("reason");
        QTest::newRow("full disk") << false << EFBIG;
        QTest::newRow("read-only file") << true << EACCES;
    }
    void failedWriteKeepsTheStoredQueue() {
        QFETCH(bool, readOnly);
        QFETCH(int, reason);
        if (readOnly && geteuid() == 0)
            QSKIP("root writes a read-only file");
        storeItems(pendingItems({"a"}));
        auto [engine, vm, tester] = scripted(dialogs);
        const QString file = SettingsStore().fileName();
        const QByteArray stored = contentOf(file);
        QSignalSpy added(vm.get(), &BulkDownloadViewModel::urlsAdded);
        {
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            const auto restore = qScopeGuard([&] {
                setrlimit(RLIMIT_FSIZE, &saved);
                QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
            });
            const rlimit full{rlim_t(stored.size()), saved.rlim_max};
            std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
            QVERIFY(readOnly ? QFile::setPermissions(file, QFile::ReadOwner)
                             : setrlimit(RLIMIT_FSIZE, &full) == 0);
            add(*vm, "https://youtu.be/b");
            QVERIFY(!added.isEmpty() || added.wait());
            vm->waitUntilSaved();
        }
        QTRY_COMPARE(vm->saveFailure(),
                     "The download queue could not be saved: " + file + ": " +
                         QString::fromStdString(std::system_category().message(reason)));
        QCOMPARE(contentOf(file), stored);
        vm->clearQueue();
        QTRY_COMPARE(vm->saveFailure(), QString());
        QCOMPARE(storedItems(), QList<BulkDownloadItem>());
    }

    // A batch restarts all but completed items with their own choices and follows them by id
    // through deleted rows; progress is not stored; a failure shows the tool's words; added items
    // wait for the next batch.
    void batchFollowsItsItems() {
        storeItems({item("https://youtu.be/done", DownloadStatus::completed, 100),
                    item("https://youtu.be/failed", DownloadStatus::failed, 0, "MP4"),
                    item("https://youtu.be/gone"),
                    item("https://youtu.be/cancelled", DownloadStatus::cancelled, 37, "M4A")});
        auto [engine, vm, tester] = scripted(dialogs);
        vm->setSelectedFormat("MP3"); // not the items' own
        vm->setOutputPath("/media/out");
        auto batch = vm->startAllDownloads();
        engine->progress({42.7, {}, false, 2.0 * 1024 * 1024, 17});
        engine->progress({qQNaN(), 48.0 * 1024 * 1024, false, {}, {}}); // "nan%": the bar stays
        QTRY_COMPARE(vm->itemsModel()->index(1, 0).data(Qt::ToolTipRole), "48.0 MiB");
        vm->waitUntilSaved();
        QCOMPARE(states(storedItems()), // as before the batch
                 (QStringList{"Completed 100", "Failed 0", "Pending 0", "Cancelled 37"}));
        vm->setSelection({vm->downloadItems().at(0).id, vm->downloadItems().at(2).id});
        vm->deleteSelectedItems();                 // above and below the running item
        engine->progress({50, {}, false, {}, {}}); // shown with the next frame
        QTRY_COMPARE(states(vm->downloadItems()), (QStringList{"Downloading 50", "Pending 0"}));
        add(*vm, "https://youtu.be/added");
        engine->toolErrors = QStringList{"ERROR: unable to download", "ERROR: HTTP Error 403"};
        engine->outcomes = {"Process exited with code 1"}; // for the last item
        engine->finish();
        QCoro::waitFor(batch);
        QCOMPARE(states(vm->downloadItems()),
                 (QStringList{"Completed 100", "Failed 0", "Pending 0"}));
        QCOMPARE(vm->itemsModel()->index(1, 3).data(Qt::ToolTipRole),
                 DownloaderFailure::read(engine->toolErrors).sentence + "\n" +
                     engine->toolErrors.join('\n'));
        vm->waitUntilSaved();
        QCOMPARE(states(storedItems()), states(vm->downloadItems()));
        QCOMPARE(engine->requests.size(), 2);
        QCOMPARE(engine->requests.first().url, "https://youtu.be/failed");
        QCOMPARE(engine->requests.last().fields(),
                 (QStringList{"https://youtu.be/cancelled", "M4A", "1080p", "192k", "/media/out",
                              "single"}));
    }

    // A late result for an item that is gone (stopped, then cleared away) changes nothing.
    void lateResultForAGoneItemChangesNothing() {
        storeItems(pendingItems({"a", "b"}));
        auto [engine, vm, tester] = scripted(dialogs);
        vm->setSelection({vm->downloadItems().last().id});
        auto run = vm->startSelectedDownloads();
        QCOMPARE(engine->requests.last().url, "https://youtu.be/b");
        vm->setSelection({vm->downloadItems().last().id});
        vm->stopSelectedDownloads(); // the batch ends
        vm->clearQueue();
        engine->progress({70, {}, false, {}, {}});
        QCoro::waitFor(run);
        QVERIFY(vm->downloadItems().isEmpty());
    }

    // Selected items start or stop at once and spend the selection; a batch first resets a failed
    // item. The batch goes on past a stopped or deleted item; a late end spares the next batch.
    // A stopped item stays Cancelled, in the store too, once its download has ended.
    void selectedItems_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("atOnce");
        QTest::addColumn<QStringList>("atEnd");
        QTest::newRow("start a failed item") << "start" << QStringList{"Downloading 0", "Pending 0"}
                                             << QStringList{"Completed 100", "Pending 0"};
        QTest::newRow("stop the running item") << "stop" << QStringList{"Cancelled 0", "Pending 0"}
                                               << QStringList{"Cancelled 0", "Cancelled 0"};
        QTest::newRow("stop all") << "stopAll" << QStringList{"Cancelled 0", "Cancelled 0"}
                                  << QStringList{"Cancelled 0", "Cancelled 0"};
        QTest::newRow("delete the running item")
            << "delete" << QStringList{"Pending 0"} << QStringList{"Completed 100"};
        QTest::newRow("stop all, start again")
            << "stopAllAndStart" << QStringList{"Downloading 0", "Pending 0"}
            << QStringList{"Failed 0", "Completed 100"};
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
        else if (action == "delete")
            vm->deleteSelectedItems();
        else if (!startIt)
            vm->stopAllDownloads();
        const bool again = action == "stopAllAndStart";
        auto next = again ? vm->startAllDownloads() : QCoro::Task<>();
        QCOMPARE(states(vm->downloadItems()), atOnce);
        QCOMPARE(engine->stops, startIt ? 0 : 1);
        engine->outcomes = {std::nullopt};
        if (startIt)
            engine->finish();
        QCoro::waitFor(batch);
        QCOMPARE(vm->isDownloading(), again);
        if (again)
            QCoro::waitFor(next);
        QCOMPARE(states(vm->downloadItems()), atEnd);
        vm->waitUntilSaved();
        QCOMPARE(states(storedItems()).first(), atEnd.first());
        QVERIFY(vm->selection().isEmpty() || action.startsWith("stopAll"));
        QCOMPARE(seen.contains("Pending"), !startIt);
    }

    // The batch of a destroyed controller ends without touching it or starting another item.
    void destroyedControllerEndsItsDownloadSafely() {
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

    // Morvi killed with SIGKILL in the middle of a batch, two at once: the stored queue loads
    // whole, with what had ended and nothing shown as still downloading.
    void killedBatchLeavesAReadableQueue() {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("MORVI_TEST_HOME", QDir::homePath());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {"batchToBeKilled"});
        QVERIFY(
            QTest::qWaitFor([] { return states(storedItems()).contains("Completed 100"); }, 20000));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        BulkDownloadViewModel vm(dialogs);
        QVERIFY(loaded(vm));
        QCOMPARE(urls(vm.downloadItems()), urls(pendingItems({"a", "b", "c", "d"})));
        const QStringList shown = states(vm.downloadItems());
        QCOMPARE(shown.first(), "Completed 100");
        QVERIFY2(shown.filter("Downloading").isEmpty(), qPrintable(shown.join(", ")));
    }
    // The batch that killedBatchLeavesAReadableQueue kills, in a process of its own.
    void batchToBeKilled() {
        if (!qEnvironmentVariableIsSet("MORVI_TEST_HOME"))
            QSKIP("run by killedBatchLeavesAReadableQueue");
        FakeTools::install();
        FakeTools::configure({{"FAKE_SLEEP", "1"}});
        storePreferences({{"downloadsAtOnce", "2"}});
        storeItems(pendingItems({"a", "b", "c", "d"}));
        BulkDownloadViewModel vm(dialogs);
        QVERIFY(loaded(vm));
        auto batch = vm.startAllDownloads();
        QVERIFY(!QTest::qWaitFor([] { return false; }, 60000)); // until killed
    }

    // A feed on 127.0.0.1, listed by Debian's downloader, is queued by the rules of typed lines.
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
        QSignalSpy summaries(s.vm.get(), &BulkDownloadViewModel::playlistEntriesAdded);
        s.vm->setUrlsText(server.url("/feed.rss").toString());
        QCoro::waitFor(s.vm->addPlaylistEntries());
        QCOMPARE(urls(s.vm->downloadItems()), (QStringList{a, b}));
        QCOMPARE(summaries.value(0).value(0).toString(),
                 "Added 1 entry(s) from \"Feed\". Left out: 1 not YouTube addresses or "
                 "repeated, 1 already in the queue, 0 without an address.");
        s.vm->waitUntilSaved();
        QCOMPARE(urls(storedItems()), (QStringList{a, b}));
    }

    // Compact, members in order; progress as the shortest exact text; text escaped as JSON
    // demands and no further. Every load makes new ids.
    void documents_data() {
        QTest::addColumn<QList<BulkDownloadItem>>("stored");
        QTest::addColumn<QByteArray>("text");
        BulkDownloadItem second = item("u2", DownloadStatus::failed, 0, "M4A");
        second.choice.audioQuality = "64k";
        QTest::newRow("none") << QList<BulkDownloadItem>() << QByteArray("[]");
        QTest::newRow("members in order")
            << QList{item("https://www.youtube.com/watch?v=abc", DownloadStatus::completed, 100),
                     second}
            << QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E",)"
                          R"("url":"https:\/\/www.youtube.com\/watch?v=abc","status":"Completed",)"
                          R"("progress":100,"format":"MP3","videoQuality":"1080p",)"
                          R"("audioQuality":"192k"},{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E",)"
                          R"("url":"u2","status":"Failed","progress":0,"format":"M4A",)"
                          R"("videoQuality":"1080p","audioQuality":"64k"}])");
        QTest::newRow("not a number: refused")
            << QList{item("u", DownloadStatus::pending, qQNaN())}
            << QByteArray("<failed: Unable to encode nan directly in JSON.>");
        QTest::newRow("sum that is not three tenths")
            << QList{item("u", DownloadStatus::pending, 0.1 + 0.2)}
            << QByteArray(R"("progress":0.30000000000000004,)");
        // moc reads no raw string that holds a backslash before a quote.
        QTest::newRow("quotes, backslashes, slashes and brackets")
            << QList{item("a\"b\\c/d\\/e],[{\"f\":1},")}
            << QByteArray("\"a\\\"b\\\\c\\/d\\\\\\/e],[{\\\"f\\\":1},\"");
        QTest::newRow("control characters")
            << QList{item(QString("\b\f\n\r\t\x7f") + QChar(0x01) + QChar(0x1f) + QChar(0x00))}
            << QByteArray("\"\\b\\f\\n\\r\\t\x7f\\u0001\\u001f\\u0000\"");
        QTest::newRow("lone surrogate")
            << QList{item(QString(QChar(0xd83d)))} << QByteArray(R"("\ud83d")");
        QTest::newRow("non-ASCII as UTF-8")
            << QList{item(QString::fromUtf8("é ✓ 😀"))}
            << QByteArray("\"\xc3\xa9 \xe2\x9c\x93 \xf0\x9f\x98\x80\"");
    }
    void documents() {
        QFETCH(QList<BulkDownloadItem>, stored);
        QFETCH(QByteArray, text);
        const QByteArray document = encoded(stored);
        QVERIFY2(document.contains(text), document);
        const QList<BulkDownloadItem> read = decoded(document);
        for (qsizetype i = 0; i < read.size(); ++i) {
            QVERIFY(read[i].id != fixedId && read[i].id != read.value(i + 1).id);
            stored[i].id = read[i].id;
        }
        QCOMPARE(read, document.startsWith('[') ? stored : QList<BulkDownloadItem>());
    }

    // Morvi ended during a download: the item shows as cut off, and the store keeps its bytes
    // until the next write.
    void itemStoredWhileDownloadingLoadsCancelled() {
        storeItems({item("u", DownloadStatus::downloading, 42.7)});
        const std::optional<QByteArray> stored = SettingsStore().data("bulkDownloadItems");
        BulkDownloadViewModel vm(dialogs);
        QVERIFY(loaded(vm));
        QCOMPARE(vm.downloadItems().first().status, DownloadStatus::cancelled);
        QCOMPARE(vm.downloadItems().first().progress, 42.7);
        vm.waitUntilSaved();
        QCOMPARE(SettingsStore().data("bulkDownloadItems"), stored);
    }

    void violationsRejectTheWholeDocument_data() {
        QTest::addColumn<QByteArray>("document");
        const auto withOne = [](const QByteArray& broken) {
            return "[" + valid + "," + broken + "]";
        };
        const auto changed = [](const QByteArray& from, const QByteArray& to) {
            return QByteArray(valid).replace(from, to);
        };
        QTest::newRow("status in lower case") << withOne(changed("Failed", "failed"));
        QTest::newRow("no status") << withOne(changed(R"("status":"Failed",)", ""));
        QTest::newRow("progress as text") << withOne(changed("42.7", "\"42.7\""));
        QTest::newRow("top level an object") << valid;
        QTest::newRow("invalid UTF-8") << withOne(changed("youtu", "\xff"));
    }
    void violationsRejectTheWholeDocument() {
        QFETCH(QByteArray, document);
        QString error;
        QCOMPARE(DownloadItemsDocument::decode(document, error), std::nullopt);
        QVERIFY(!error.isEmpty());
    }
};

MORVI_TEST_MAIN(TestBulkDownloadViewModel)
#include "tst_bulkdownloadviewmodel.moc"
