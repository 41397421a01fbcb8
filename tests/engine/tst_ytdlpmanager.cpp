#include "TestHome.h"
#include "core/engine/DownloaderCommandLine.h"
#include "core/engine/DownloaderFailure.h"
#include "core/engine/DownloaderOutput.h"
#include "core/engine/PercentText.h"
#include "core/engine/YtdlpError.h"
#include "core/engine/YtdlpManager.h"

namespace {

using Texts = QHash<QString, QString>;
using Part = std::optional<MediaSection>;

struct Outcome {
    QStringList log;
    QList<double> progress;
    QString file;
    QString error;
    QStringList toolErrors;
    DownloaderFailure failure;
};

QCoro::Task<Outcome> download(YtdlpManager& manager, QString url, QString outputPath) {
    Outcome outcome;
    try {
        const DownloadRequest request{url, {"MP4", "720p", "192k"}, outputPath, false, {}, {}, {}};
        outcome.file = co_await manager.downloadVideo(
            request, [&](const DownloadProgress& update) { outcome.progress << update.percent; },
            [&](const QString& text) { outcome.log << text; });
    } catch (const YtdlpError& error) {
        outcome.error = error.description();
        outcome.toolErrors = error.toolErrors();
        outcome.failure = error.failure();
    }
    co_return outcome;
}

} // namespace

class TestYtdlpManager : public QObject {
    Q_OBJECT
    FileManagerHelper tools;
    const QString output = QDir::homePath() + "/Downloads";
    const QString argsFile = QDir::homePath() + "/args";

    Outcome run(YtdlpManager& manager, const QString& url = "https://youtu.be/x") {
        return QCoro::waitFor(download(manager, url, output));
    }

private slots:
    void init() {
        QDir(tools.toolsFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        QDir(output).removeRecursively();
        QDir().mkpath(output);
        QFile::remove(argsFile);
        FakeTools::configure();
    }

    // The tools folder's tools come before the search path's; nothing runs without both tools.
    void runLooksForItsToolsAndStreamsItsOutput_data() {
        QTest::addColumn<QStringList>("inToolsFolder");
        QTest::addColumn<QStringList>("onSearchPath");
        QTest::addColumn<QString>("error");
        const QStringList both{"yt-dlp", "ffmpeg"};
        QTest::newRow("neither") << QStringList() << QStringList()
                                 << "Downloader plugin not found. Please ensure it's installed.";
        QTest::newRow("no converter")
            << QStringList{"yt-dlp"} << QStringList()
            << "Converter plugin not found. Please ensure it's installed.";
        QTest::newRow("the system's tools") << QStringList() << both << QString();
        QTest::newRow("the tools folder's first") << both << both << QString();
    }
    void runLooksForItsToolsAndStreamsItsOutput() {
        QFETCH(QStringList, inToolsFolder);
        QFETCH(QStringList, onSearchPath);
        QFETCH(QString, error);
        const QString system = QDir::homePath() + "/system/" + QTest::currentDataTag();
        for (const QString& name : inToolsFolder)
            FakeTools::installOne(name);
        for (const QString& name : onSearchPath)
            FakeTools::installOne(name, system);
        FakeTools::configure(
            {{"FAKE_ARGS_FILE", argsFile},
             {"FAKE_PROGRESS", "10 50.5 100"},
             {"FAKE_STDERR", "WARNING: slow\\n[download] Destination: clip.mp4\\n"},
             {"FAKE_OUTPUT_FILE", "clip.mp4"}});
        // The fakes need the shell's helpers; Debian's own tools come after them.
        const SearchPath path(error.isEmpty() ? system + ":/usr/bin" : system);
        YtdlpManager manager;
        manager.stopDownload(); // nothing runs yet: no process (group) is signalled
        const Outcome outcome = run(manager, " https://youtu.be/abc ");
        manager.stopDownload(); // nor the ended one
        QCOMPARE(outcome.error, error);
        // The alert then says how to get the tools, with the check that fetches them once more.
        QCOMPARE(outcome.failure.action == DownloaderFailure::Action::checkTools, !error.isEmpty());
        if (!error.isEmpty()) {
            QCOMPARE(FakeTools::recordedArguments(argsFile), QStringList()); // nothing ran
            return;
        }
        const QString converter = inToolsFolder.isEmpty() ? system + "/ffmpeg" : tools.ffmpegPath;
        const QStringList expected = DownloaderCommandLine::forDownload(
            {" https://youtu.be/abc ", {"MP4", "720p", "192k"}, output, false, {}, {}, {}},
            converter);
        QCOMPARE(FakeTools::recordedArguments(argsFile), expected);
        // The updates came in one read: only its latest is parsed.
        QCOMPARE(outcome.progress, QList<double>{100});
        QCOMPARE(outcome.file, "clip.mp4");
        QVERIFY(outcome.log.contains("WARNING: slow\n[download] Destination: clip.mp4\n"));
        QVERIFY(outcome.log.join("").contains("\r[download]    10% of"));
        QVERIFY(QFile::exists(output + "/clip.mp4"));
    }

    // A stop, or the end of the manager (its window closed), ends the downloader and its
    // converter child; another program's converter, by name "ffmpeg" too, outlives it.
    void stopEndsTheDownloadAndItsConverterOnly_data() {
        QTest::addColumn<bool>("destroyManager");
        QTest::newRow("stop") << false;
        QTest::newRow("manager destroyed") << true;
    }
    void stopEndsTheDownloadAndItsConverterOnly() {
        QFETCH(bool, destroyManager);
        FakeTools::install();
        const QString childPidFile = QDir::homePath() + "/child.pid";
        QFile::remove(childPidFile);
        FakeTools::configure({{"FAKE_CHILD_PID_FILE", childPidFile},
                              {"FAKE_SLEEP", "30"},
                              {"FAKE_FFMPEG_SLEEP", "30"},
                              {"FAKE_STDERR", "ERROR: interrupted"}});
        QProcess bystander;
        bystander.start(tools.ffmpegPath);
        QVERIFY(bystander.waitForStarted());

        auto manager = std::make_unique<YtdlpManager>();
        auto task = download(*manager, "https://youtu.be/x", output);
        const qint64 childPid = FakeTools::waitForChildPid(childPidFile);
        QVERIFY(processIsAlive(childPid));
        if (destroyManager)
            manager.reset();
        else
            manager->stopDownload();
        const Outcome outcome = QCoro::waitFor(task);
        QCOMPARE(outcome.error, "Process exited with code 15");
        QCOMPARE(outcome.toolErrors, QStringList{"ERROR: interrupted"});
        QVERIFY(waitForProcessGone(childPid));
        QVERIFY(processIsAlive(bystander.processId()));
        bystander.kill();
        bystander.waitForFinished();
    }

    // With Debian's real downloader: neither a crafted address nor a configuration file
    // in the output folder can act as an option ("--version" would end with status 0).
    void addressAndConfigFileNeverBecomeOptions() {
        if (!QFile::exists("/usr/bin/yt-dlp"))
            QSKIP("Debian's yt-dlp is not installed");
        FakeTools::installOne("ffmpeg");
        QFile::copy("/usr/bin/yt-dlp", tools.ytDlpPath);
        QFile(tools.ytDlpPath).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(contentOf(writeFile(output + "/yt-dlp.conf", "--version\n")), "--version\n");

        YtdlpManager manager;
        QCOMPARE(run(manager, "--version").error, "Process exited with code 1");
        QCOMPARE(run(manager, "not-a-url").error, "Process exited with code 1");
    }

    // What the downloader prints before it fails, and what that means for the user: the
    // action and a word of the sentence ("" for none), read from the first line printed. The
    // comments name the yt-dlp source of each text.
    void failureIsExplained_data() {
        QTest::addColumn<QString>("printed");
        QTest::addColumn<DownloaderFailure::Action>("action");
        QTest::addColumn<QString>("says");
        using A = DownloaderFailure::Action;
        const A browser = A::chooseBrowser, update = A::updateDownloader, none = A::none;
        const auto add = [](const char* name, const QString& printed, A action, const char* says) {
            QTest::newRow(name) << printed << action << QString(says);
        };
        const QString yt = "ERROR: [youtube] dQw4w9WgXcQ: ", warn = "WARNING: [youtube] x: ";
        const QString hint = ". Use --cookies-from-browser or --cookies for the authentication";
        const QString noFormat = "\n" + yt + "Requested format is not available. Use --list";
        const QString bot = yt + u"Sign in to confirm you’re not a bot"_qs + hint;
        // extractor/youtube/_video.py: YouTube's reasons, with _base.py's sign-in hint
        add("bot", bot, browser, "a bot");
        add("private", yt + "Private video" + hint, browser, "private");
        add("members", yt + "Join this channel to get access to members-only", browser, "members");
        add("age", yt + "Sign in to confirm your age" + hint, browser, "age-");
        add("removed", yt + "Video unavailable. This video has been removed", none, "removed");
        add("violation", yt + "This video has been removed for violating", none, "removed");
        add("live", yt + "This live event will begin in 5 hours.", none, "in 5 h 0 min.");
        add("premiere", yt + "Premieres in 2 days", none, "in 48 h 0 min.");
        add("live soon", yt + "This live event will begin in a few moments.", none, "not begun");
        add("country", yt + "The uploader has not made this video available in your country", none,
            "country");
        // extractor/common.py: raise_login_required, and a page that could not be fetched
        add("registered", "ERROR: This video is only available for registered users", browser,
            "signed-in account");
        add("offline", yt + "<urlopen error [Errno -2] Name or service not known>", none,
            "offline");
        add("no resolver", yt + "[Errno -3] Temporary failure in name resolution", none, "offline");
        // YoutubeDL.py, and downloader/common.py with a "\r" in its error line
        add("format", noFormat.mid(1), A::downloadBest, "quality");
        add("forbidden", "ERROR: unable to download video data: HTTP Error 403", update, "403");
        add("forbidden part", "ERROR: \r[download] Got error: HTTP Error 403", update, "403");
        // _video.py: a missing JavaScript runtime or solver wins over the formats it costs
        add("no runtime", warn + "No supported JavaScript runtime could be found." + noFormat,
            A::checkTools, "JavaScript");
        add("nsig", warn + "nsig extraction failed: Some formats" + noFormat, update, "signature");
        add("n challenge", warn + "n challenge solving failed\n" + yt + "HTTP Error 403", update,
            "signature");
        add("signature", warn + "Signature solving failed" + noFormat, update, "signature");
        // cookies.py; the sign-in that fails without the cookies follows from them
        add("cookies held", "ERROR: Could not copy Chrome cookie database.", browser, "locked");
        add("database locked", "ERROR: database is locked", browser, "locked");
        add("keyring", "ERROR: kwallet-query failed with return code 1", browser, "keyring");
        add("no cookie key", "WARNING: cannot decrypt v11 cookies: no key found\n" + bot, browser,
            "keyring");
        add("no cookie store", "ERROR: could not find firefox cookies database in", browser,
            "no cookies");
        // YoutubeDL.py / downloader/http.py: the disk filled up while the file was written
        add("disk full", "ERROR: unable to write data: [Errno 28] No space left on device", none,
            "full");
        // An error this does not know is told in the tool's own words, whatever the warnings.
        add("unknown error", "ERROR: Unsupported URL: x\n" + warn + "nsig extraction failed", none,
            "");
    }
    void failureIsExplained() {
        QFETCH(QString, printed);
        QFETCH(DownloaderFailure::Action, action);
        QFETCH(QString, says);
        FakeTools::install();
        FakeTools::configure({{"FAKE_STDERR", printed + "\n"}, {"FAKE_EXIT", "1"}});
        YtdlpManager manager;
        const DownloaderFailure failure = run(manager).failure;
        QCOMPARE(failure.action, action);
        QVERIFY2(says.isEmpty() ? !failure.isKnown() : failure.sentence.contains(says),
                 qPrintable(failure.sentence));
        QCOMPARE(failure.toolLine, printed.section('\n', 0, 0).remove('\r'));
    }

    // Each option alone and with the others, as Preferences stores it; today's lines while all
    // are at their defaults.
    void arguments_data() {
        QTest::addColumn<DownloadRequest>("request"); // of the address "-x"
        QTest::addColumn<Texts>("chosen");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const char* format, const char* quality,
                            const Texts& chosen, const QStringList& expected, const Part& part = {},
                            const CookieSource& cookies = {}, bool playlists = false) {
            DownloaderOptions site;
            site.cookies = cookies;
            const DownloadRequest request{"-x", {format, quality, "320k"}, "", playlists, site, {},
                                          part};
            QTest::newRow(name) << request << chosen << expected;
        };
        const QString title = "%(title)s.%(ext)s";
        const QStringList today{"-o", title, "--add-metadata", "--no-playlist"};
        const QStringList mp3{"--extract-audio", "--audio-format", "mp3", "--audio-quality",
                              "320k"};
        const QStringList cover{"--embed-thumbnail"}, jpg{"--convert-thumbnails", "jpg"};
        const QStringList converter{"--ffmpeg-location", "/ffmpeg"};
        const QStringList merged =
            QStringList{"--merge-output-format", "mp4", "--postprocessor-args",
                        "-c:v copy -c:a aac -b:a 192k"} +
            converter;
        const QString atMost = "bestvideo[height<=%1]+bestaudio/best[height<=%1]";
        const QStringList at720{"-S", "vcodec:h264,res,acodec:aac", "-f", atMost.arg(720)};
        const QStringList video = today + merged + at720;
        const QStringList subtitles{"--write-subs", "--sub-langs", "en"};

        row("MP3, a browser profile's cookies", "MP3", "720p", {},
            today + cover + mp3 + jpg + converter +
                QStringList{"--cookies-from-browser", "firefox:/s/x"},
            {}, CookieSource::fromBrowser("firefox", "/s/x"));
        row("M4A, a cookies file", "M4A", "Best", {},
            today + cover + QStringList(mp3).replaceInStrings("mp3", "m4a") + jpg + converter +
                QStringList{"--cookies", "/h/my cookies"},
            {}, CookieSource::fromFile("/h/my cookies"));
        row("720p with playlists", "MP4", "720p", {}, today.mid(0, 3) + merged + at720, {}, {},
            true);
        row("1440p unsorted", "MP4", "1440p", {},
            today + merged + QStringList{"-f", atMost.arg(1440)});
        row("Highest", "MP4", "Highest Available", {},
            today + merged + QStringList{"-f", "bestvideo+bestaudio"});
        row("Lowest, Chrome's own pick of profile", "MP4", "Lowest Available", {},
            today + merged + QStringList{"-f", "worst", "--cookies-from-browser", "chrome"}, {},
            CookieSource::fromBrowser("chrome", ""));

        row("subtitles embedded, automatic captions too", "MP4", "720p",
            {{"subtitles", "embedded"},
             {"subtitleLanguages", "en,de"},
             {"automaticCaptions", "true"}},
            video + QStringList{"--write-subs", "--write-auto-subs", "--sub-langs", "en,de",
                                "--embed-subs", "--compat-options", "no-keep-subs"});
        row("subtitles beside as .srt", "MP4", "720p",
            {{"subtitles", "beside"}, {"subtitleLanguages", "en"}},
            video + subtitles + QStringList{"--convert-subs", "srt"});
        row("no subtitles without a language", "MP4", "720p", {{"subtitles", "embedded"}}, video);
        row("audio: chapters without metadata, no cover, no subtitles", "MP3", "720p",
            {{"embedMetadata", "false"},
             {"audioCover", "false"},
             {"subtitles", "beside"},
             {"subtitleLanguages", "en"}},
            QStringList{"-o", title, "--embed-chapters", "--no-playlist"} + mp3 + converter);
        row("metadata without chapters", "MP4", "720p", {{"embedChapters", "false"}},
            QStringList{"-o", title, "--add-metadata", "--no-embed-chapters", "--no-playlist"} +
                merged + at720);
        row("neither metadata nor chapters; thumbnail in the video", "MP4", "720p",
            {{"embedMetadata", "false"}, {"embedChapters", "false"}, {"videoThumbnail", "true"}},
            QStringList{"-o", title, "--no-playlist"} + merged + at720 + cover);
        row("speed limit and a part", "MP4", "720p", {{"rateLimitKiB", "2048"}},
            video + QStringList{"-r", "2048K", "--download-sections", "*2-12"},
            MediaSection{2, 12});
        row("a part to the end", "MP4", "720p", {},
            video + QStringList{"--download-sections", "*90-inf"}, MediaSection{90, {}});
        row("SponsorBlock marks, chapters stay", "MP4", "720p",
            {{"embedChapters", "false"},
             {"sponsorBlock", "mark"},
             {"sponsorBlockCategories", "sponsor,intro"}},
            video + QStringList{"--sponsorblock-mark", "sponsor,intro"});
        row("SponsorBlock without categories is off", "MP4", "720p",
            {{"sponsorBlock", "remove"}, {"sponsorBlockCategories", ""}}, video);
        row("file names", "MP4", "720p",
            {{"fileNameTemplate", "%(uploader)s - %(title)s.%(ext)s"},
             {"restrictFileNames", "true"}},
            QStringList{"-o", "%(uploader)s - %(title)s.%(ext)s", "--add-metadata", "--no-playlist",
                        "--restrict-filenames"} +
                merged + at720);
        row("everything at once, with playlists and cookies", "MP4", "720p",
            {{"subtitles", "beside"},
             {"subtitleLanguages", "en"},
             {"videoThumbnail", "true"},
             {"rateLimitKiB", "512"},
             {"sponsorBlock", "remove"},
             {"fileNameTemplate", "%(id)s.%(ext)s"},
             {"restrictFileNames", "true"}},
            QStringList{"-o", "%(id)s.%(ext)s", "--add-metadata", "--restrict-filenames"} + merged +
                at720 + cover + subtitles +
                QStringList{"--convert-subs", "srt", "-r", "512K", "--download-sections", "*0-5",
                            "--sponsorblock-remove", "sponsor", "--cookies", "/c.txt"},
            MediaSection{0, 5}, CookieSource::fromFile("/c.txt"), true);
    }
    void arguments() {
        QFETCH(DownloadRequest, request);
        QFETCH(Texts, chosen);
        QFETCH(QStringList, expected);
        storePreferences(chosen);
        request.download = DownloadOptions::current();
        QCOMPARE(DownloaderCommandLine::forDownload(request, "/ffmpeg"),
                 expected + QStringList({"--ignore-config", "--", "-x"}));
    }

    // Chunks "o:text" (standard output) or "e:text" (errors); after each, the progress taken as
    // "percent|details shown beside the bar"; at the end, the file and the error lines.
    void readerOutput_data() {
        QTest::addColumn<QStringList>("chunks");
        QTest::addColumn<QStringList>("progress");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("errors");
        QTest::newRow("only the latest complete line of a read")
            << QStringList{"o:\r[download]  50.0% of 10KiB",
                           "o:\r[download] 100% of   14.74MiB in 00:00:00 at 847.94MiB/s \n"
                           "[Metadata] Adding metadata to \"Why [download] 50.0% of 1.00GiB\"\n"}
            << QStringList{u"100|14.7 MiB of 14.7 MiB · 847.9 MiB/s"_qs} << QString() << QString();
        QTest::newRow("the first word counts; an estimate")
            << QStringList{"o:[download]  42.7% of 14.74MiB at 1.5MB/s ETA 01:17 50%\n",
                           "o:\r[download]  38.9% of ~ 331.24KiB at 1002.62KiB/s ETA 01:02:03 "
                           "(frag 3/7)\r"}
            << QStringList{u"42.7|6.3 MiB of 14.7 MiB · 1.4 MiB/s · 1 min 17 s left"_qs,
                           u"38.9|128.9 KiB of ~331.2 KiB · 1002.6 KiB/s · 1 h 2 min left"_qs}
            << QString() << QString();
        QTest::newRow("lines cut inside the time left and the percentage")
            << QStringList{"o:\r[download]   5.0% of Unknown at  Unknown B/s ETA 00:1",
                           "o:7\r[download]  4", "o:5.0% of 10MiB\r"}
            << QStringList{"5|17 s left", "45|4.5 MiB of 10.0 MiB"} << QString() << QString();
        QTest::newRow("not progress")
            << QStringList{"o:[download] abc% then 30%\n[download] 12%done\n[Merger] 50% merged\n"
                           " [download] 50%\n[download] 12,5%\n\r[download]   12.00MiB at   "
                           "10.82MiB/s (00:00:01)\n[download] 0x1A%\n[download] +-5%\n[download] "
                           "1e999%\n"
                           "[download] Destination: Top 50% deals.mp4\n"}
            << QStringList{} << "Top 50% deals.mp4" << QString();
        QTest::newRow("video and audio parts")
            << QStringList{"o:[info] abc: Downloading 1 format(s): 137+140\n[download] "
                           "Destination: T.f137.mp4\n\r[download]  78.0% of 1KiB\r",
                           "o:[download] 100% of 1KiB\n[download] Destination: T.f140.m4a\n"
                           "\r[download]  52.0% of 1KiB ETA 00:17\r",
                           "o:[Merger] Merging formats into \"T.mp4\"\n"}
            << QStringList{u"78|video · 798 bytes of 1.0 KiB"_qs,
                           u"52|audio · 532 bytes of 1.0 KiB · 17 s left"_qs}
            << "T.mp4" << QString();
        QTest::newRow("parts not announced")
            << QStringList{"o:[download] Destination: T.f137.mp4\n\r[download]  10.0%\r",
                           "o:[download] Destination: T.f251.webm\n\r[download]  20.0%\r"}
            << QStringList{"10|", "20|part 2"} << "T.f251.webm" << QString();
        QTest::newRow("parts of unknown content")
            << QStringList{"o:[info] a: Downloading 1 format(s): 1+2+3\n[download] Destination: "
                           "T.f1.webm\n\r[download]  10.0%\r"}
            << QStringList{"10|part 1 of 3"} << "T.f1.webm" << QString();
        QTest::newRow("audio extraction and a kept file name the last file")
            << QStringList{"o:[download] Destination: a.webm\r\n[ExtractAudio] Destination: "
                           "a.mp3\n",
                           "o:[download] /path/file.mp4 has already been downloaded\n"}
            << QStringList{} << "/path/file.mp4" << QString();
        QTest::newRow("lines that only look as if they named a file")
            << QStringList{"o:[Merger] Merging formats into \"\n[download] has already been "
                           "downloaded"}
            << QStringList{} << QString() << QString();
        QTest::newRow("an error after an unfinished progress line of the other stream")
            << QStringList{"o:\r[download]  33.0% of 10MiB", "e:ERROR: unable to download\n"}
            << QStringList{} << QString() << "ERROR: unable to download";
        QTest::newRow("a \"\\r\" inside an error line does not end it")
            << QStringList{"e:ERROR: \r[download] Got error: giving up\nWARNING: w\r"}
            << QStringList{} << QString() << "ERROR: [download] Got error: giving up";
        QTest::newRow("last three error lines, split across reads")
            << QStringList{"e:ERROR: one\nERROR: two\nWARNING: w\nERR", "e:OR: three\n",
                           "e:ERROR: four"}
            << QStringList{} << QString() << "ERROR: two\nERROR: three\nERROR: four";
        QTest::newRow("advice to report the issue or update is left out")
            << QStringList{"e:ERROR: [generic] x: Unable to extract title; please report this "
                           "issue on https://x . Confirm you are on the latest version\n",
                           "e:ERROR: Giving up. Please report this issue on https://y .\n",
                           "e:ERROR: Reporting is no issue here\n"}
            << QStringList{} << QString()
            << "ERROR: [generic] x: Unable to extract title\nERROR: Giving up.\n"
               "ERROR: Reporting is no issue here";
        QTest::newRow("a huge line without a break is cut")
            << QStringList{"e:ERROR: " + QString(100000, u'x'), "e:\n"} << QStringList{}
            << QString() << "ERROR: " + QString(4089, u'x');
    }
    void readerOutput() {
        QFETCH(QStringList, chunks);
        QFETCH(QStringList, progress);
        QFETCH(QString, file);
        QFETCH(QString, errors);
        DownloaderOutput said;
        QStringList taken;
        for (const QString& chunk : chunks) {
            said.read(chunk.startsWith("o:") ? ToolRun::Stream::output : ToolRun::Stream::errors,
                      QStringView(chunk).sliced(2));
            if (const auto update = said.takeProgress())
                taken << QString::number(update->percent) + "|" + progressDetailsText(*update);
        }
        said.end();
        QCOMPARE(taken, progress);
        QCOMPARE(said.finalFile(), file);
        QCOMPARE(said.errors().join(u'\n'), errors);
    }

    void percentTextIsRoundedDown() {
        QCOMPARE(::percentText(99.99), "99%");
        QCOMPARE(::percentText(-0.5), "0%");
        QCOMPARE(::percentText(qQNaN()), "0%");
    }
};

MORVI_TEST_MAIN(TestYtdlpManager)
#include "tst_ytdlpmanager.moc"
