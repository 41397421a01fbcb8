#include "FakeToolInstaller.h"
#include "LoopbackHttpServer.h"
#include "RecordingDialogs.h"
#include "ScriptedEngine.h"
#include "TestHome.h"
#include "core/engine/DownloaderFailure.h"
#include "core/model/LogModel.h"
#include "core/single/AddressDescription.h"
#include "core/single/MainWindowViewModel.h"
#include "core/storage/SettingsStore.h"
#include "core/toolstore/FileManagerHelper.h"

namespace {

using State = AddressDescription::State;

const QByteArray posterPage = "<html><head><title>A poster page</title></head><body>"
                              "<video poster=\"/poster.pbm\" src=\"/clip.mp4\"></video>"
                              "</body></html>";

// Sizes exact, approximate or unknown. No "//" in it: moc would take it for a comment.
const QByteArray sizedDocument = R"({"title": "Clip", "uploader": "Someone", "duration": 205,
"thumbnail": "file:/etc/hostname", "formats": [
{"vcodec": "none", "acodec": "opus", "tbr": 64, "filesize_approx": 500},
{"vcodec": "none", "acodec": "mp4a.40.2", "tbr": 128, "filesize": 1000},
{"vcodec": "avc1", "acodec": "none", "height": 360, "tbr": 500, "filesize_approx": 10000},
{"vcodec": "avc1", "acodec": "none", "height": 720, "tbr": 1500, "filesize": 30000},
{"vcodec": "vp9", "acodec": "none", "height": 1080, "tbr": 3000}]})";

class ThreadNotingStore : public SettingsStore {
public:
    explicit ThreadNotingStore(QList<QThread*>& writers)
        : SettingsStore("MorviNotedChoices")
        , writers(writers) {}
    WriteFailure setString(const QString& key, const QString& value) override {
        writers << QThread::currentThread();
        return SettingsStore::setString(key, value);
    }

private:
    QList<QThread*>& writers;
};

using Part = std::optional<MediaSection>;

} // namespace

class TestMainWindowViewModel : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    QStringList logAtAlert; // the log and the busy flag when an alert appeared
    bool downloadingAtAlert = true;
    ScriptedEngine* engine = nullptr;
    std::shared_ptr<FakeToolInstaller> installer;
    std::unique_ptr<MainWindowViewModel> viewModel;
    FileManagerHelper tools;
    LoopbackHttpServer server;

    QStringList log() const {
        QStringList messages;
        for (const QString& entry : viewModel->logMessages()->entries())
            messages << entry.mid(11); // after the time stamp
        return messages;
    }

    void start(const QString& url = "https://youtu.be/abc",
               const QString& folder = QDir::homePath()) {
        viewModel->setOutputPath(folder);
        viewModel->setUrlText(url);
        viewModel->startDownload();
    }

    [[nodiscard]] bool finish() {
        engine->finish();
        return QTest::qWaitFor([&] { return !viewModel->isDownloading(); }, 5000);
    }

private slots:
    void initTestCase() {
        server.serve("/page.html", posterPage, 200, "text/html");
        server.serve("/clip.mp4", QByteArray(1000, 'x'), 200, "video/mp4");
        // A 16x9 image in the plainest format Qt reads.
        server.serve("/poster.pbm", "P1 16 9 " + QByteArray("0 ").repeated(16 * 9), 200,
                     "image/x-portable-bitmap");
    }

    void init() {
        removeSettings({"Morvi", "MorviMainWindow", "MorviNotedChoices"});
        dialogs = RecordingDialogs();
        auto scripted = std::make_unique<ScriptedEngine>();
        engine = scripted.get();
        installer = std::make_shared<FakeToolInstaller>();
        viewModel =
            std::make_unique<MainWindowViewModel>(dialogs, installer, nullptr, std::move(scripted));
        dialogs.onAlert = [this] {
            logAtAlert = viewModel->logMessages()->entries();
            downloadingAtAlert = viewModel->isDownloading();
        };
    }

    void cleanup() {
        if (engine->running())
            QVERIFY(finish());
        viewModel.reset();
    }

    void successfulDownload() {
        viewModel->setSelectedFormat("MP4");
        viewModel->setSelectedVideoQuality("720p");
        viewModel->setSelectedMp3Quality("320k");
        start("  https://youtu.be/abc \t");
        // The switch is read when the download starts, not later.
        viewModel->setDownloadPlaylists(true);
        QCOMPARE(engine->requests.last().fields(),
                 (QStringList{"  https://youtu.be/abc \t", "MP4", "720p", "320k", QDir::homePath(),
                              "single"}));

        engine->log("[download] Destination: clip.f1.mp4\n[Merger] Merging formats into \"cl");
        // At most one update per frame: the first at once, a burst's latest a frame later.
        QSignalSpy shown(viewModel.get(), &MainWindowViewModel::downloadProgressChanged);
        engine->progress(DownloadProgress{25, 48 * 1048576.0, false, {}, {}});
        QCOMPARE(viewModel->downloadDetails(), u"12.0 MiB of 48.0 MiB"_qs);
        engine->progress(DownloadProgress{30, {}, false, {}, {}});
        engine->progress(DownloadProgress{qQNaN(), {}, false, {}, {}});
        QCOMPARE(viewModel->downloadProgress(), 25.0);
        QTRY_COMPARE(shown.size(), 2);
        QCOMPARE(viewModel->downloadProgress(), 30.0); // the newest number, not the last shown
        QCOMPARE(viewModel->downloadDetails(), QString());
        engine->log("ip.mp4\"\n");
        engine->file = "sub/clip.mp4";
        QSignalSpy ended(viewModel.get(), &MainWindowViewModel::downloadEnded);
        QVERIFY(finish());
        QCOMPARE(ended.value(0), (QVariantList{true, "clip.mp4"}));
        QCOMPARE(log(),
                 (QStringList{"Getting ready to download...",
                              "[download] Destination: clip.f1.mp4\n[Merger] Merging formats "
                              "into \"cl",
                              "ip.mp4\"\n", "Download and conversion completed successfully."}));
        QCOMPARE(viewModel->downloadProgress(), 100.0);
        QVERIFY(dialogs.alerts.isEmpty());

        QCOMPARE(viewModel->completedFile(), QDir::homePath() + "/sub/clip.mp4");
        start();
        QVERIFY(viewModel->completedFolder().isEmpty());
    }

    // A refused start alerts once and starts nothing; log and idle window precede the alert.
    // Without tools the check runs again before a download.
    void startIsCheckedAndFailureShown_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("partEnd");
        const QString downloads = QDir::homePath() + "/Downloads";
        const QString url = "https://youtu.be/abc";
        const QString failed = "Download Failed";
        QTest::newRow("blank address") << QString::fromUtf16(u"\t\r\n \u00a0\u3000") << downloads
                                       << "Error" << QString("Please enter a valid URL.") << "";
        QTest::newRow("a part that ends at its start")
            << url << downloads << "Error" << QString("The part must end after it starts.")
            << "00:00:00";
        QTest::newRow("blank folder")
            << url << " \t" << failed << QString("No output folder is chosen.") << "";
        QTest::newRow("a file, not a folder")
            << url << "/etc/hostname" << failed
            << QString("The output folder \"/etc/hostname\" does not exist.") << "";
        QTest::newRow("missing Downloads is made, no tools")
            << url << downloads + "/" << QString() << QString() << "";
    }
    void startIsCheckedAndFailureShown() {
        QFETCH(QString, url);
        QFETCH(QString, folder);
        QFETCH(QString, title);
        QFETCH(QString, failure);
        QFETCH(QString, partEnd);
        viewModel->setSectionEnd(partEnd);
        QDir(QDir::homePath() + "/Downloads").removeRecursively();
        viewModel->addLogMessage("Update check completed.");
        engine->file = "a.mp3";
        engine->tools = !title.isEmpty();
        start(url, folder);
        if (title.isEmpty()) {
            QVERIFY(QFileInfo(folder).isDir());
            QTRY_COMPARE(engine->requests.size(), 1);
            QCOMPARE(installer->finished,
                     (QStringList{"downloadYtDlp", "downloadFFmpeg", "downloadJsRuntime"}));
            return;
        }
        QTRY_VERIFY(!viewModel->isDownloading());
        QVERIFY(engine->requests.isEmpty());
        QCOMPARE(dialogs.alerts, (QList<RecordingDialogs::Alert>{{title, failure}}));
        QCOMPARE(log(), (title == "Error" ? QStringList{"Update check completed."}
                                          : QStringList{"Getting ready to download...",
                                                        "Download failed: " + failure}));
        QVERIFY(!downloadingAtAlert);
        QCOMPARE(logAtAlert, viewModel->logMessages()->entries());
        QVERIFY(viewModel->completedFile().isEmpty() && viewModel->completedFolder().isEmpty());
    }

    // "Download" can be pressed with an address, blanks too (they are refused then, above), and
    // not while a download runs.
    void downloadCanStart() {
        QVERIFY(!viewModel->canStartDownload());
        viewModel->setUrlText(" \t");
        QVERIFY(viewModel->canStartDownload());
        start();
        QVERIFY(!viewModel->canStartDownload());
    }

    // The choices come back at the next start; an unknown stored value gives the default.
    // Those that earlier versions kept beside the queue are taken over once, and the file that
    // holds the queue is never written.
    void choicesAreRemembered_data() {
        QTest::addColumn<QStringList>("stored"); // format, qualities, playlist switch
        QTest::addColumn<QStringList>("read");
        QTest::newRow("known") << QStringList{"M4A", "Lowest Available", "64k", "true"}
                               << QStringList{"M4A", "Lowest Available", "64k", "true"};
        QTest::newRow("unknown") << QStringList{"mp4", "1080", "", "yes"}
                                 << QStringList{"MP3", "1080p", "192k", "false"};
    }
    void choicesAreRemembered() {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, read);
        const QStringList keys{"Format", "VideoQuality", "AudioQuality", "DownloadPlaylists"};
        for (qsizetype i = 0; i < stored.size(); ++i)
            SettingsStore().setString("main" + keys[i], stored[i]);
        QByteArray shared = contentOf(SettingsStore().fileName());
        QList<QThread*> writers;
        auto main = std::make_unique<MainWindowViewModel>(
            dialogs, installer, nullptr, nullptr, std::make_unique<ThreadNotingStore>(writers));
        const auto choices = [](const MainWindowViewModel& window) {
            return QStringList{window.selectedFormat(), window.selectedVideoQuality(),
                               window.selectedMp3Quality(),
                               window.downloadPlaylists() ? "true" : "false"};
        };
        QTRY_COMPARE(choices(*main), read);
        main->setSelectedVideoQuality("480p");
        main->setDownloadPlaylists(read[3] != "true");
        main.reset(); // the writes are not lost when the window closes
        QVERIFY(!writers.isEmpty() && !writers.contains(QThread::currentThread()));
        QCOMPARE(contentOf(SettingsStore().fileName()), shared);
        SettingsStore().setString("mainFormat", "MP4");
        shared = contentOf(SettingsStore().fileName());
        const MainWindowViewModel nextMain(dialogs, installer, nullptr, nullptr,
                                           std::make_unique<ThreadNotingStore>(writers));
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        read[1] = "480p";
        read[3] = read[3] != "true" ? "true" : "false";
        QCOMPARE(choices(nextMain), read);
        QCOMPARE(contentOf(SettingsStore().fileName()), shared);
    }

    // A second start is refused: the stop must reach the running download. The stopped run's
    // end is no failure: no alert, no failure line, no end announced; the log says once that
    // its partial files stay.
    void stopIsNoFailure() {
        QSignalSpy ended(viewModel.get(), &MainWindowViewModel::downloadEnded);
        start();
        engine->progress(DownloadProgress{40, {}, false, {}, {}});
        start("https://youtu.be/other");
        QCOMPARE(engine->requests.size(), 1);
        QCOMPARE(viewModel->downloadProgress(), 40.0);
        viewModel->stopDownload();
        QCOMPARE(engine->stops, 1);
        QVERIFY(!viewModel->isDownloading());
        QTRY_VERIFY(!engine->running());
        QCOMPARE(log(),
                 (QStringList{"Getting ready to download...", "Download was stopped by the user.",
                              "What was downloaded so far stays in the output folder: "
                              "downloading the same address again continues it."}));
        QVERIFY(dialogs.alerts.isEmpty() && ended.isEmpty());
    }

    void stoppedRunEndingLateLeavesTheNextDownloadAlone() {
        FakeTools::install();
        const QString firstPid = QDir::homePath() + "/first.pid";
        FakeTools::configure(
            {{"FAKE_IGNORE_TERM", "1"}, {"FAKE_SLEEP", "0.5"}, {"FAKE_PID_FILE", firstPid}});
        MainWindowViewModel real(dialogs, std::make_shared<FakeToolInstaller>());
        real.setUrlText("https://youtu.be/first");
        real.startDownload();
        const qint64 first = FakeTools::waitForChildPid(firstPid);
        real.stopDownload();

        FakeTools::configure({{"FAKE_PROGRESS", "5"}, {"FAKE_SLEEP", "1.5"}});
        real.setUrlText("https://youtu.be/second");
        real.startDownload();
        // The first run ends meanwhile, reaped.
        QVERIFY(QTest::qWaitFor([&] { return !QFile::exists(QString("/proc/%1").arg(first)); }));
        QVERIFY(real.isDownloading());
        QCOMPARE(real.downloadProgress(), 5.0);
        QVERIFY(QTest::qWaitFor([&] { return !real.isDownloading(); }, 5000));
        QCOMPARE(real.logMessages()->entries().filter("completed successfully").size(), 1);
        QVERIFY(dialogs.alerts.isEmpty());
    }

    // A failure shows the sentence the downloader's lines tell and offers its remedy, which the
    // controller performs when chosen.
    void failureOffersItsRemedy_data() {
        QTest::addColumn<QString>("toolError");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("performed");
        const auto remedy = [](const char* name, const QString& error, const char* action,
                               const char* performed) {
            QTest::newRow(name) << error << QString(action) << QString(performed);
        };
        const QString yt = "ERROR: [youtube] abc: ";
        const QString noFormat = yt + "Requested format is not available";
        remedy("sign in", yt + u"Sign in to confirm you’re not a bot"_qs, "Open Preferences",
               "preferences");
        remedy("format", noFormat, "Download with Best", "Best");
        remedy("format of audio", noFormat, "", "");
        remedy("forbidden", yt + "HTTP Error 403", "Update Downloader", "updateYtDlp");
        remedy("no runtime", yt + "No supported JavaScript runtime", "Check Again",
               "updateYtDlp+downloadFFmpeg+downloadJsRuntime");
    }
    void failureOffersItsRemedy() {
        QFETCH(QString, toolError);
        QFETCH(QString, action);
        QFETCH(QString, performed);
        QDir(tools.toolsFolderPath).removeRecursively(); // a check fetches converter and runtime
        FakeTools::installOne("yt-dlp");
        QSignalSpy preferences(viewModel.get(), &MainWindowViewModel::preferencesRequested);
        dialogs.chooseAction = true;
        engine->toolErrors = {toolError};
        engine->outcomes = {"code 1", std::nullopt};
        viewModel->setSelectedFormat(action.isEmpty() ? "MP3" : "MP4"); // audio has no "Best"
        start();
        QTRY_COMPARE(dialogs.alerts.size(), 1);
        const QString sentence = DownloaderFailure::read({toolError}).sentence;
        QCOMPARE(dialogs.alerts[0],
                 (RecordingDialogs::Alert{"Download Failed", sentence, toolError, action}));
        QCOMPARE(logAtAlert.filter("] Download failed: " + sentence).size(), 1);
        QTRY_COMPARE(installer->finished.join('+'), performed.contains("Yt") ? performed : "");
        QCOMPARE(preferences.size(), int(performed == "preferences"));
        QTRY_COMPARE(engine->requests.size(), 1 + int(performed == "Best"));
        QCOMPARE(engine->requests.last().choice.videoQuality,
                 performed == "Best" ? "Best" : "1080p");
    }

    // Debian's downloader on 127.0.0.1: a page with a poster, a missing page.
    void realDownloader_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("described"); // failure, title, thumbnail size
        QTest::newRow("page with a poster") << "/page.html"
                                            << "A poster page (1), 16x9";
        QTest::newRow("missing page")
            << "/gone.html"
            << "[generic] None: Unable to download webpage: HTTP Error 404";
    }
    void realDownloader() {
        QFETCH(QString, path);
        QFETCH(QString, described);
        if (!QFile::exists("/usr/bin/yt-dlp"))
            QSKIP("Debian's yt-dlp is needed");
        QFile::remove(tools.ytDlpPath);
        QFile::link("/usr/bin/yt-dlp", tools.ytDlpPath);
        AddressDescription description;
        description.setAddress(server.url(path).toString(), false);
        const auto said = [&] {
            const QSize size = description.thumbnail().size();
            return description.failure() + description.description().title +
                   QString(", %1x%2").arg(size.width()).arg(size.height());
        };
        QTRY_VERIFY2_WITH_TIMEOUT(said().startsWith(described), qPrintable(said()), 30000);
    }

    // The size the chosen format and quality would download: "~" approximate, "" unknown.
    void sizeEstimate_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("quality");
        QTest::addColumn<QString>("size");
        QTest::addColumn<Part>("part");
        const auto row = [](const char* name, const char* format, const char* quality,
                            const char* size, Part part = {}) {
            QTest::newRow(name) << QString(format) << QString(quality) << QString(size) << part;
        };
        row("audio: the best sound track", "MP3", "1080p", "1000");
        row("720p: its video and the sound", "MP4", "720p", "31000");
        row("480p: the tallest within it", "MP4", "480p", "~11000");
        row("Lowest Available", "MP4", "Lowest Available", "~11000");
        row("1080p: size unknown", "MP4", "1080p", "");
        row("a fifth of the sound", "MP3", "1080p", "~200", MediaSection{41, 82});
        row("a part to the end", "MP4", "720p", "~6200", MediaSection{164, {}});
    }
    void sizeEstimate() {
        QFETCH(QString, format);
        QFETCH(QString, quality);
        QFETCH(QString, size);
        QFETCH(Part, part);
        QString error;
        const auto estimate = MediaDescription::fromJson(sizedDocument, error)
                                  .value()
                                  .estimate(format, quality, part);
        QCOMPARE(estimate ? (estimate->approximate ? "~" : "") + QString::number(estimate->bytes)
                          : QString(),
                 size);
    }

    // The part's fields by the cutter's rules, within the length when it is known.
    void partOfTheVideo_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<double>("length"); // 0: not known
        QTest::addColumn<Part>("part");
        QTest::addColumn<QString>("problem"); // a word of it
        const auto row = [](const char* name, const char* from, const char* to, double length,
                            Part part, const char* word = "") {
            QTest::newRow(name) << QString(from) << QString(to) << length << part << QString(word);
        };
        row("whole", "", "", 0, {});
        row("from, to the end", "00:01:00", "", 0, MediaSection{60, {}});
        row("to, from the start", "", "01:00:05", 3605.4, MediaSection{0, 3605});
        row("the last second rounded up", "00:00:02", "00:03:26", 205.2, MediaSection{2, 206});
        row("not the cutter's form", "1:00", "", 0, {}, "HH:MM:SS");
        row("ends before it starts", "00:00:09", "00:00:09", 0, {}, "after it");
        row("beyond the end", "", "00:03:27", 205.2, {}, "only 00:03:25");
        row("starts at the end", "00:03:25", "", 205, {}, "only 00:03:25");
    }
    void partOfTheVideo() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(double, length);
        QFETCH(Part, part);
        QFETCH(QString, problem);
        QString said;
        QCOMPARE(MediaSection::fromFields(from, to,
                                          length > 0 ? std::optional(length) : std::nullopt, said),
                 part);
        QVERIFY2(said.contains(problem) && said.isEmpty() == problem.isEmpty(), qPrintable(said));
    }

    // A length or size below zero or beyond any clock or file is unknown.
    // Amounts out of reason are unknown; a text too long to lay out is cut (a character made of
    // two units whole).
    void outsizeValuesAreNotShown_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("shown"); // units of the title before "…"
        QTest::newRow("below zero") << "-1"
                                    << "a" + u"😀"_qs.repeated(600) << 999;
        QTest::newRow("beyond") << "1e300" << QString(30'000'000, u'x') << 1000;
    }
    void outsizeValuesAreNotShown() {
        QFETCH(QString, amount);
        QFETCH(QString, title);
        QFETCH(int, shown);
        const QString document = R"({"duration":%1,"playlist_count":%1,"title":"%2",)"
                                 R"("formats":[{"filesize":%1,"filesize_approx":7}]})";
        QString error;
        const auto media = MediaDescription::fromJson(document.arg(amount, title).toUtf8(), error);
        QCOMPARE(media->seconds, std::nullopt);
        QCOMPARE(media->estimate("MP3", "Best")->bytes, 7.0);
        QVERIFY(media->entryCount >= 0);
        QCOMPARE(media->title, title.first(shown) + u'…');
    }

    // A new address, or a download start, ends the running description and its processes; the
    // address is no option, a late warning spoils nothing.
    void runningDescriptionIsEnded() {
        FakeTools::installOne("yt-dlp");
        const QString pidFile = QDir::homePath() + "/describing.pid";
        const QString argsFile = QDir::homePath() + "/description-args";
        FakeTools::configure({{"FAKE_DESCRIPTION_PID_FILE", pidFile}});
        AddressDescription description;
        description.setAddress("https://youtu.be/first", false);
        qint64 pid = FakeTools::waitForChildPid(pidFile);
        QVERIFY(pid > 0);
        description.cancel();
        QVERIFY(waitForProcessGone(pid));
        QCOMPARE(description.state(), State::idle);

        // Last the run that settles: by then the ended runs have seen their ends.
        QFile::remove(pidFile);
        description.setAddress("https://youtu.be/second", false);
        pid = FakeTools::waitForChildPid(pidFile);
        QVERIFY(pid > 0);
        FakeTools::configure({{"FAKE_DESCRIPTION", sizedDocument},
                              {"FAKE_DESCRIPTION_ARGS_FILE", argsFile},
                              {"FAKE_STDERR", "WARNING: after the document\\n"}});
        description.setAddress(" -https://youtu.be/x ", true);
        QVERIFY(waitForProcessGone(pid));
        QVERIFY(QTest::qWaitFor([&] { return description.state() != State::describing; }, 30000));
        QCOMPARE(FakeTools::recordedArguments(argsFile),
                 (QStringList{"-J", "--ignore-config", "--", "-https://youtu.be/x"}));
        const MediaDescription& media = description.description();
        QCOMPARE(media.heights(), (QSet<int>{360, 720, 1080}));
        QCOMPARE((QStringList{media.title, media.uploader, QString::number(*media.seconds)}),
                 (QStringList{"Clip", "Someone", "205"}));
    }

    // A description that fails as a download would is explained as a download's failure is.
    void describingFailureIsExplained() {
        FakeTools::installOne("yt-dlp");
        const QString bot = "ERROR: [youtube] x: Sign in to confirm you're not a bot.";
        FakeTools::configure({{"FAKE_STDERR", bot + "\\n"}, {"FAKE_DESCRIPTION_EXIT", "1"}});
        AddressDescription description;
        description.setAddress("https://youtu.be/x", false);
        QTRY_COMPARE_WITH_TIMEOUT(description.failure(), DownloaderFailure::read({bot}).sentence,
                                  20000);
    }

    // A pasted or dropped address, whole at once, is described without waiting for the typing
    // to pause: no event is handled until the downloader runs.
    void pastedAddressIsDescribedAtOnce() {
        FakeTools::installOne("yt-dlp");
        viewModel->setUrlText("https://youtu.be/first");
        QTRY_VERIFY(viewModel->addressDescription()->state() != State::describing);
        const QString argsFile = QDir::homePath() + "/pasted-args";
        FakeTools::configure({{"FAKE_DESCRIPTION_ARGS_FILE", argsFile}});
        viewModel->setUrlText("https://youtu.be/other");
        const QDeadlineTimer deadline(10000);
        while (QFileInfo(argsFile).size() == 0 && !deadline.hasExpired())
            QThread::msleep(5);
        QCOMPARE(FakeTools::recordedArguments(argsFile).last(), "https://youtu.be/other");
    }

    // A thumbnail that announces more than the size limit is refused before its body is read.
    void oversizedThumbnailIsRefusedUnread() {
        FakeTools::installOne("yt-dlp");
        const QByteArray huge(60 * 1024 * 1024, 'x');
        server.servePartly("/huge.png", huge, huge.size(), 256 * 1024, 10, "image/png");
        const QString thumbnail = server.url("/huge.png").toString();
        FakeTools::configure(
            {{"FAKE_DESCRIPTION", R"({"title": "Clip", "thumbnail": ")" + thumbnail + R"("})"}});
        AddressDescription description;
        description.setAddress("https://youtu.be/x", false);
        QTRY_VERIFY_WITH_TIMEOUT(server.bodyBytesSent("/huge.png"), 20000);
        QCOMPARE_LT(*server.bodyBytesSent("/huge.png"), 2 * 1024 * 1024);
        QVERIFY(description.thumbnail().isNull());
    }
};

MORVI_TEST_MAIN(TestMainWindowViewModel)
#include "tst_mainwindowviewmodel.moc"
