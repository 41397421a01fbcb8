// The controllers against Debian's yt-dlp and ffmpeg, downloading media served on 127.0.0.1.
#include "LoopbackHttpServer.h"
#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "core/engine/OutputTemplate.h"
#include "core/installer/AppUpdater.h"
#include "core/media/MediaProbe.h"
#include "core/model/LogModel.h"
#include "core/preferences/PreferencesViewModel.h"
#include "core/single/AddressDescription.h"
#include "core/single/MainWindowViewModel.h"
#include "core/toolstore/FileManagerHelper.h"

#include <QClipboard>

using namespace QueueTesting;

namespace {

const QString mp4 = "mov,mp4,m4a,3gp,3g2,mj2";

// The stored queue as another program would read it now: a copy of its file decodes to items.
bool storedQueueReadable() {
    const QString copy = QDir::homePath() + "/" + QUuid::createUuid().toString(QUuid::Id128);
    if (!QFile::copy(SettingsStore().fileName(), copy))
        return false;
    const QSettings stored(copy, QSettings::IniFormat);
    return !decoded(stored.value(QueueStore::downloadItemsKey).toByteArray()).isEmpty();
}

// How many processes run with text in their command line.
int processesWith(const QByteArray& text) {
    int found = 0;
    for (const QString& process : QDir("/proc").entryList(QDir::Dirs)) {
        if (process.front().isDigit() && contentOf("/proc/" + process + "/cmdline").contains(text))
            ++found;
    }
    return found;
}

// What Debian's ffprobe says of a file: its streams' kinds, the video height, the container.
QString probe(const QString& path) {
    QProcess ffprobe;
    ffprobe.start("/usr/bin/ffprobe",
                  {"-v", "error", "-show_entries", "stream=codec_type,height:format=format_name",
                   "-of", "default=nw=1:nk=1", path});
    ffprobe.waitForFinished(30000);
    return QString::fromUtf8(ffprobe.readAllStandardOutput()).simplified();
}

// A snap's Firefox profile (where Debian's downloader does not look) with a cookie for 127.0.0.1.
void writeFirefoxProfile(const QString& name, const QString& value) {
    const QString folder = QDir::homePath() + "/snap/firefox/common/.mozilla/firefox";
    writeFile(folder + "/profiles.ini", "[Profile0]\nPath=p\n");
    QDir(folder + "/p").removeRecursively();
    QDir().mkpath(folder + "/p");
    QProcess::execute("sqlite3", {folder + "/p/cookies.sqlite",
                                  "CREATE TABLE moz_cookies (name, value, host, path, expiry, "
                                  "isSecure); INSERT INTO moz_cookies VALUES ('" +
                                      name + "', '" + value + "', '127.0.0.1', '/', 4e9, 0);"});
}

} // namespace

using Texts = QHash<QString, QString>;

class TestEndToEnd : public QObject {
    Q_OBJECT
    QTemporaryDir site;
    LoopbackHttpServer server;
    RecordingDialogs dialogs;
    FileManagerHelper tools;
    std::unique_ptr<MainWindowViewModel> controller;

    QStringList log() const { return controller->logMessages()->entries(); }

    // Downloads as the main window does into a new folder, returned once the download ends.
    QString download(const QString& path, const QString& format, const QString& quality) {
        const QString folder =
            QDir::homePath() + "/out/" + QTest::currentTestFunction() + QTest::currentDataTag();
        QDir().mkpath(folder);
        controller->setUrlText(server.url(path).toString() + "?v=youtu.be");
        controller->setSelectedFormat(format);
        controller->setSelectedVideoQuality(quality);
        controller->setOutputPath(folder);
        controller->startDownload();
        const bool ended = QTest::qWaitFor([&] { return !controller->isDownloading(); }, 120000);
        return ended ? folder : QString();
    }

private slots:
    void initTestCase() {
        if (!QFile::exists("/usr/bin/yt-dlp") || !TestMedia::available())
            QSKIP("Debian's yt-dlp and ffmpeg are needed");
        QVERIFY(TestMedia::makeClip(site.filePath("plain.mp4"), 4));
        // Two video heights and one audio stream, as an adaptive stream offers them.
        const QString stream = "-f lavfi -i testsrc=size=1280x720:rate=25:duration=4 -f lavfi -i "
                               "sine=duration=4 -map 0:v -map 0:v -map 1:a -c:v libx264 -preset "
                               "ultrafast -pix_fmt yuv420p -s:v:0 640x360 -s:v:1 1280x720 -c:a "
                               "aac -f dash -adaptation_sets";
        QVERIFY(TestMedia::make(site.filePath("stream.mpd"),
                                stream.split(' ') << "id=0,streams=v id=1,streams=a"));
        // A minute of noise, 4.4 MB, its index first: the server answers no ranges.
        QVERIFY(
            TestMedia::make(site.filePath("minute.mp4"),
                            QString("-f lavfi -i nullsrc=s=160x120:r=5,geq=random(1)*255:128:128 "
                                    "-f lavfi -i sine -t 60 -c:v libx264 -preset ultrafast -g 5 "
                                    "-crf 24 -pix_fmt yuv420p -c:a aac -movflags +faststart")
                                .split(' ')));
        writeFile(site.filePath("track.vtt"), "WEBVTT\n\n00:00.000 --> 00:02.000\nHello\n");
        for (const QString& name : QDir(site.path()).entryList(QDir::Files))
            server.serve("/" + name, contentOf(site.filePath(name)));
        server.serve("/track.html",
                     "<html><head><title>Track page</title></head><body><video src=\"/plain.mp4\">"
                     "<track kind=\"subtitles\" src=\"/track.vtt\" srclang=\"en\"></video></body>"
                     "</html>",
                     200, "text/html");
        const QByteArray clip = contentOf(site.filePath("plain.mp4"));
        for (int item = 1; item <= 4; ++item) { // half a second each, or twenty
            server.servePartly(QString("/fast%1.mp4").arg(item), clip, clip.size(),
                               clip.size() / 10, 50);
            server.servePartly(QString("/slow%1.mp4").arg(item), clip, clip.size(),
                               clip.size() / 40, 500);
        }
        QFile::link("/usr/bin/yt-dlp", tools.ytDlpPath);
        TestMedia::installConverter();
        QFile::link("/usr/bin/ffprobe", tools.toolsFolderPath + "/ffprobe");
    }

    void init() {
        clearStore();
        dialogs = RecordingDialogs();
        controller = std::make_unique<MainWindowViewModel>(dialogs, std::make_shared<AppUpdater>());
    }

    void singleDownload_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("quality");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("probed");
        QTest::newRow("MP3") << QString("MP3") << "1080p" << QString("plain.mp3") << "audio mp3";
        QTest::newRow("MP4 Best, one merged format")
            << QString("MP4") << "Best" << QString("plain.mp4") << "video 240 audio " + mp4;
        QTest::newRow("MP4 360p, adaptive")
            << QString("MP4") << "360p" << QString("stream.mp4") << "video 360 audio " + mp4;
        QTest::newRow("MP4 Highest Available, adaptive")
            << QString("MP4") << "Highest Available" << QString("stream.mp4")
            << "video 720 audio " + mp4;
    }
    void singleDownload() {
        QFETCH(QString, format);
        QFETCH(QString, quality);
        QFETCH(QString, file);
        QFETCH(QString, probed);
        const QString source = file.startsWith("stream") ? "/stream.mpd" : "/plain.mp4";
        const QString folder = download(source, format, quality);
        QVERIFY2(!folder.isEmpty() && dialogs.alerts.isEmpty(), qPrintable(log().join('\n')));
        QCOMPARE(log().last().mid(11), "Download and conversion completed successfully.");
        QCOMPARE(controller->downloadProgress(), 100.0);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{file});
        // "Open File" names the file the downloader wrote, whatever steps it took.
        QCOMPARE(controller->completedFile(), folder + "/" + file);
        QCOMPARE(probe(folder + "/" + file), probed);
    }

    // Each option of Preferences and the part take effect in the downloaded files; a template's
    // preview is the name the downloader gives.
    void downloadOptions_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<Texts>("chosen"); // in Preferences
        QTest::addColumn<QStringList>("part");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("probed"); // the video's streams, or a part's length
        QTest::newRow("subtitles beside, named by the uploader")
            << "/track.html"
            << Texts{{"subtitles", "beside"},
                     {"subtitleLanguages", "en"},
                     {"fileNameTemplate", "%(uploader)s - %(title)s.%(ext)s"}}
            << QStringList() << QStringList{"NA - Track page (1).en.srt", "NA - Track page (1).mp4"}
            << "video 240 audio " + mp4;
        QTest::newRow("subtitles embedded")
            << "/track.html" << Texts{{"subtitles", "embedded"}, {"subtitleLanguages", "en"}}
            << QStringList() << QStringList{"Track page (1).mp4"}
            << "video 240 audio subtitle N/A " + mp4;
        QTest::newRow("ten seconds of a minute")
            << "/minute.mp4" << Texts() << QStringList{"00:00:02", "00:00:12"}
            << QStringList{"minute.mp4"} << "10 s";
        QTest::newRow("4 MB at 1 MiB/s")
            << "/minute.mp4" << Texts{{"rateLimitKiB", "1024"}} << QStringList()
            << QStringList{"minute.mp4"} << "video 120 audio " + mp4;
    }
    void downloadOptions() {
        QFETCH(QString, source);
        QFETCH(Texts, chosen);
        QFETCH(QStringList, part);
        QFETCH(QStringList, files);
        QFETCH(QString, probed);
        storePreferences(chosen);
        const DownloadOptions options = DownloadOptions::current();
        controller->setSectionStart(part.value(0));
        controller->setSectionEnd(part.value(1));
        if (options.fileNameTemplate != DownloadOptions::standardTemplate) {
            const AddressDescription& described = *controller->addressDescription();
            controller->setUrlText(server.url(source).toString());
            QTRY_VERIFY_WITH_TIMEOUT(described.state() == AddressDescription::State::described,
                                     30000);
            QCOMPARE(OutputTemplate::preview(options.fileNameTemplate,
                                             described.description().fields, false),
                     files.last());
        }
        QElapsedTimer clock;
        clock.start();
        const QString folder = download(source, "MP4", "Best");
        // 4.4 MB at a limit of 1 MiB/s.
        QVERIFY(clock.elapsed() >= (options.rateLimitKiB ? 3000 : 0));
        QVERIFY2(dialogs.alerts.isEmpty(), qPrintable(log().join('\n')));
        QCOMPARE(QDir(folder).entryList(QDir::Files), files);
        const QString file = folder + "/" + files.last();
        QCOMPARE(probed.endsWith(" s")
                     ? QString("%1 s").arg(qRound(*MediaProbe::read(file).duration))
                     : probe(file),
                 probed);
    }

    // As many items at once as chosen, each its own downloader, whose options its row tells;
    // the stored queue reads at every moment. A stop or a delete ends its item's downloader
    // alone, Stop All every one.
    void queueDownloadsAtOnce_data() {
        QTest::addColumn<int>("atOnce");
        QTest::addColumn<QString>("files");
        QTest::newRow("two, to their end") << 2 << "fast";
        QTest::newRow("four, stopped") << 4 << "slow";
    }
    void queueDownloadsAtOnce() {
        QFETCH(int, atOnce);
        QFETCH(QString, files);
        // Nothing for the converter to do: only the downloads take time.
        storePreferences({{"downloadsAtOnce", QString::number(atOnce)},
                          {"embedMetadata", "false"},
                          {"embedChapters", "false"}});
        QList<BulkDownloadItem> items;
        for (int item = 1; item <= 4; ++item)
            items << BulkDownloadItem::create(
                server.url(QString("/%1%2.mp4").arg(files).arg(item)).toString(),
                {"MP4", "Best", "192k"});
        storeItems(items);
        BulkDownloadViewModel queue(dialogs);
        QVERIFY(loaded(queue));
        const QString folder = QDir::homePath() + "/out/" + files;
        QDir().mkpath(folder);
        queue.setOutputPath(folder);
        QStringList started;
        int most = 0;
        bool readable = true;
        connect(&queue, &BulkDownloadViewModel::downloadItemsChanged, this, [&] {
            for (const BulkDownloadItem& item : queue.downloadItems()) {
                if (item.status == DownloadStatus::downloading && !started.contains(item.url))
                    started << item.url;
            }
            const QStringList now = states(queue.downloadItems());
            most = std::max(most, static_cast<int>(now.filter("Downloading").size()));
            readable = readable && storedQueueReadable();
        });
        QElapsedTimer clock;
        clock.start();
        auto batch = queue.startAllDownloads();
        const QByteArray downloaders = ":" + QByteArray::number(server.url("/").port()) + "/slow";
        if (atOnce == 4) { // once every downloader reads its file
            const QList<BulkDownloadItem>& now = queue.downloadItems();
            QTRY_VERIFY_WITH_TIMEOUT(
                std::all_of(now.begin(), now.end(),
                            [](const auto& item) { return item.progress > 0; }),
                30000);
            QCOMPARE(processesWith(downloaders), 4);
            queue.setSelection({now.at(0).id});
            queue.stopSelectedDownloads();
            QTRY_COMPARE(processesWith(downloaders), 3);
            queue.setSelection({now.at(1).id});
            queue.deleteSelectedItems();
            QTRY_COMPARE(processesWith(downloaders), 2);
            queue.stopAllDownloads();
        }
        QVERIFY(QTest::qWaitFor([&] { return !queue.hasRunningBatch(); }, 60000));
        qInfo("%d at once: %lld ms", atOnce, clock.elapsed());
        QCOMPARE(started, urls(items));
        QCOMPARE(most, atOnce);
        QVERIFY(readable);
        QCOMPARE(states(queue.downloadItems()),
                 atOnce == 2 ? QStringList(4, "Completed 100") : QStringList(3, "Cancelled 0"));
        QCOMPARE(QDir(folder).entryList({"*.mp4"}).size(), atOnce == 2 ? 4 : 0);
        QTRY_COMPARE(processesWith(downloaders), 0);
        const QModelIndex first = queue.itemsModel()->index(0, 0);
        QVERIFY(first.data(Qt::ToolTipRole).toString().contains("no metadata"));
    }

    // The chosen cookies sign the download in, but not a file spoilt after it was chosen (the log
    // says so once). No cookie reaches the log, an alert, the settings or the clipboard.
    void signsInWithTheChosenCookies_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("snap Firefox profile") << QString("firefox");
        QTest::newRow("cookies.txt") << QString("file");
        QTest::newRow("none") << QString("none");
        QTest::newRow("cookies.txt spoilt after it was chosen") << QString("spoilt");
    }
    void signsInWithTheChosenCookies() {
        QFETCH(QString, source);
        const QString value = QString("secret-%1").arg(QRandomGenerator::global()->generate());
        server.serveSignedIn("/signed.mp4", contentOf(site.filePath("plain.mp4")),
                             "sid=" + value.toUtf8());
        writeFirefoxProfile("sid", value);
        const QString file = writeFile(QDir::homePath() + "/cookies.txt",
                                       "# HTTP Cookie File\n127.0.0.1\tFALSE\t/\tFALSE\t0\tsid\t" +
                                           value.toUtf8() + "\n");
        auto preferences = std::make_unique<PreferencesViewModel>(dialogs);
        QTRY_VERIFY(!preferences->lookingForBrowsers());
        dialogs.fileAnswers = {file};
        const int entry = source == "firefox" ? 1 : source == "none" ? 0 : 2;
        preferences->chooseCookieSource(entry);
        preferences.reset();
        if (source == "spoilt")
            writeFile(file, "# HTTP Cookie File\n127.0.0.1\tsid=" + value.toUtf8() + "\n");

        const QString folder = download("/signed.mp4", "MP3", "1080p");
        QCOMPARE(QFile::exists(folder + "/signed.mp3"), source == "firefox" || source == "file");
        QStringList seen = log() << QGuiApplication::clipboard()->text();
        for (const RecordingDialogs::Alert& alert : std::as_const(dialogs.alerts))
            seen << alert.message << alert.details;
        const QString settings = QDir::homePath() + "/.config/Velnor";
        for (const QString& name : QDir(settings).entryList(QDir::Files))
            seen << contentOf(settings + "/" + name);
        QVERIFY(!seen.join('\n').contains(value));
        QCOMPARE(log().filter(file).size(), source == "spoilt" ? 1 : 0);
    }

    // An output folder on a full disk: the failure says so and leaves no partial file behind.
    void fullDiskFailsPlainlyAndFreesItsSpace() {
        const QString folder = QDir::homePath() + "/small";
        QDir().mkpath(folder);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", folder}) != 0)
            QSKIP("mounting a small disk needs root");
        const auto unmount = qScopeGuard([folder] { QProcess::execute("umount", {folder}); });
        server.serve("/big.mp4", QByteArray(4'000'000, 'x'));
        controller->setUrlText(server.url("/big.mp4").toString());
        controller->setSelectedFormat("MP4");
        controller->setSelectedVideoQuality("Best");
        controller->setOutputPath(folder);
        controller->startDownload();
        QTRY_VERIFY_WITH_TIMEOUT(!controller->isDownloading(), 60000);
        QVERIFY2(dialogs.alerts.value(0).message.contains("full"), qPrintable(log().join('\n')));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // Offline, Debian's tools on the search path download; last, as it empties the tools folder.
    void offlineFirstStartUsesTheSystemsTools() {
        QDir(tools.toolsFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        const SearchPath path("/usr/bin");
        LoopbackHttpServer offline;
        offline.stopListening();
        const QUrl nowhere = offline.url("/");
        controller = std::make_unique<MainWindowViewModel>(
            dialogs, std::make_shared<AppUpdater>(ToolEndpoints{nowhere, nowhere, nowhere, nowhere},
                                                  std::chrono::seconds(1)));
        QCoro::waitFor(controller->checkForUpdates());
        QTRY_VERIFY(log().last().endsWith("Update check completed."));
        QCOMPARE(log().filter("Using the system's").size(), 2);
        const QString folder = download("/plain.mp4", "MP3", "1080p");
        QVERIFY2(!folder.isEmpty() && dialogs.alerts.isEmpty(), qPrintable(log().join('\n')));
        QCOMPARE(probe(folder + "/plain.mp3"), "audio mp3");
        QCOMPARE(QDir(tools.toolsFolderPath).entryList(QDir::Files), QStringList{"in-use.json"});
    }
};

MORVI_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
