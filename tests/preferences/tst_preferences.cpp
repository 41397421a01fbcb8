// The browsers found in a home, the cookies.txt files handed over, the choice kept and read.
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "core/engine/DownloaderOptions.h"
#include "core/engine/OutputTemplate.h"
#include "core/preferences/CookieCheck.h"
#include "core/preferences/PreferencesStorage.h"
#include "core/preferences/PreferencesViewModel.h"
#include "core/storage/SettingsStore.h"

namespace {

using Files = QHash<QString, QByteArray>;

// Writes each file under root; "HOME" in a file stands for root.
void writeFiles(const QString& root, const Files& files) {
    for (auto file = files.begin(); file != files.end(); ++file)
        writeFile(root + "/" + file.key(), QByteArray(file.value()).replace("HOME", root.toUtf8()));
}

// "firefox snap: work=<folder under root>, main=…", in the order found.
QStringList described(const QList<InstalledBrowser>& found, const QString& root) {
    const char* packaging[] = {"native", "snap", "flatpak"};
    QStringList lines;
    for (const InstalledBrowser& installed : found) {
        QStringList profiles;
        for (const BrowserProfile& profile : installed.profiles)
            profiles << profile.name + "=" + QDir(root).relativeFilePath(profile.path);
        lines << QString("%1 %2: %3")
                     .arg(installed.browser, packaging[static_cast<int>(installed.packaging)],
                          profiles.join(", "));
    }
    return lines;
}

const QByteArray header = "# Netscape HTTP Cookie File\n";
const QByteArray twoFirefoxProfiles = "[Profile0]\nName=main\nIsRelative=0\nPath=HOME/elsewhere/m\n"
                                      "[Profile1]\nName=work\nIsRelative=1\nPath=w.work\n"
                                      "[Profile2]\nName=gone\nPath=g\n"
                                      "[Install4F96]\nDefault=w.work\n";

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    std::unique_ptr<PreferencesViewModel> model;

    // A new controller, once the last one's writes have landed.
    void reopen() {
        model.reset();
        model = std::make_unique<PreferencesViewModel>(dialogs);
    }

private slots:
    void detection_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("nothing installed")
            << Files{{".config/google-chrome/Default/Cookies", ""}} << QStringList();
        QTest::newRow("Firefox: the install's default first, a gone profile left out")
            << Files{{".mozilla/firefox/profiles.ini", twoFirefoxProfiles},
                     {".mozilla/firefox/w.work/prefs.js", ""},
                     {"elsewhere/m/prefs.js", ""}}
            << QStringList{"firefox native: work=.mozilla/firefox/w.work, main=elsewhere/m"};
        QTest::newRow("Firefox as a snap and as a Flatpak; the older default mark")
            << Files{{"snap/firefox/common/.mozilla/firefox/profiles.ini", "[Profile0]\nPath=s\n"},
                     {"snap/firefox/common/.mozilla/firefox/s/prefs.js", ""},
                     {".var/app/org.mozilla.firefox/.mozilla/firefox/profiles.ini",
                      "[Profile0]\r\nName=a\r\nPath=a\r\n[Profile1]\r\nName=b\r\nPath=b\r\n"
                      "Default=1\r\n"},
                     {".var/app/org.mozilla.firefox/.mozilla/firefox/a/prefs.js", ""},
                     {".var/app/org.mozilla.firefox/.mozilla/firefox/b/prefs.js", ""}}
            << QStringList{"firefox snap: s=snap/firefox/common/.mozilla/firefox/s",
                           "firefox flatpak: b=.var/app/org.mozilla.firefox/.mozilla/firefox/b, "
                           "a=.var/app/org.mozilla.firefox/.mozilla/firefox/a"};
        QTest::newRow("Chromium family: names, the last used first; Opera without profiles")
            << Files{{".config/google-chrome/Local State",
                      R"({"profile":{"info_cache":{"Default":{"name":"Person 1"},"Profile 1":)"
                      R"({"name":"Work"},"Profile 2":{}},"last_used":"Profile 1"}})"},
                     {".config/google-chrome/Default/Preferences", ""},
                     {".config/google-chrome/Profile 1/Preferences", ""},
                     {"snap/chromium/common/chromium/Local State", "not JSON"},
                     {"snap/chromium/common/chromium/Default/Preferences", ""},
                     {".config/opera/Local State", "{}"}}
            << QStringList{"chromium snap: Default=snap/chromium/common/chromium/Default",
                           "chrome native: Work=.config/google-chrome/Profile 1, "
                           "Person 1=.config/google-chrome/Default",
                           "opera native: =.config/opera"};
    }
    void detection() {
        QFETCH(Files, files);
        QFETCH(QStringList, found);
        const QString root = QDir::homePath() + "/homes/" + QTest::currentDataTag();
        writeFiles(root, files);
        QCOMPARE(described(BrowserProfiles::find({root, root + "/.config"}), root), found);
    }

    // A file is refused at the first line the downloader would print, cookie and all, and the
    // reason never quotes it; what is handed over makes Debian's downloader print no cookie.
    void cookiesFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("refusedLine"); // 0: taken
        const QByteArray cookie = "127.0.0.1\tFALSE\t/\tFALSE\t4102444800\tsid\tSECRET";
        QTest::newRow("a browser's export")
            << header + "# note\r\n\r\n#HttpOnly_.x.com\tTRUE\t/\tTRUE\t0\tid\tSECRET\r\n" + cookie
            << 0;
        QTest::newRow("the older header; lines the downloader skips")
            << QByteArray("# HTTP Cookie File\n \t\n$x\tTRUE\t/\tFALSE\t\tn\tSECRET\n") << 0;
        QTest::newRow("no header") << cookie << 1;
        QTest::newRow("not UTF-8") << header + "\xff" << 1;
        QTest::newRow("six fields") << header + "127.0.0.1\tFALSE\t/\tFALSE\t0\tSECRET\n" << 2;
        QTest::newRow("an expiry that is no number")
            << header + QByteArray(cookie).replace("4102444800", "soon") << 2;
        QTest::newRow("a flag against the domain")
            << header + QByteArray(cookie).replace("127.0.0.1", ".x.com") << 2;
        QTest::newRow("outside ASCII") << header + cookie + "\xe2\x9c\x93" << 2;
        QTest::newRow("an indented comment") << header + " # SECRET" << 2;
        QTest::newRow("cut by a lone carriage return")
            << header + "\n" + QByteArray(cookie).replace("SECRET", "SEC\rRET") << 4;
    }
    void cookiesFile() {
        QFETCH(QByteArray, content);
        QFETCH(int, refusedLine);
        const QString path = writeFile(QDir::homePath() + "/cookies.txt", content);
        const std::optional<QString> problem = CookieCheck::fileProblem(path);
        QCOMPARE(problem.has_value(), refusedLine != 0);
        if (problem) {
            QVERIFY(refusedLine == 1 || problem->contains(QString::number(refusedLine)));
            QVERIFY(!problem->contains("SEC"));
        } else if (QFile::exists("/usr/bin/yt-dlp")) {
            QProcess tool;
            tool.start("/usr/bin/yt-dlp",
                       {"--ignore-config", "--cookies", path, "-J", "http://127.0.0.1:9/"});
            QVERIFY(tool.waitForFinished(60000));
            QVERIFY(!(tool.readAllStandardOutput() + tool.readAllStandardError()).contains("SEC"));
        }
    }

    // Each step is kept at once and read by the next run; a choice that went away stays shown
    // but no run uses it.
    void choiceIsKeptAndReadByEveryRun() {
        const QString home = QDir::homePath();
        writeFiles(home, {{".mozilla/firefox/profiles.ini", twoFirefoxProfiles},
                          {".mozilla/firefox/w.work/prefs.js", ""},
                          {"elsewhere/m/prefs.js", ""}});
        reopen();
        QTRY_VERIFY(!model->lookingForBrowsers());
        QCOMPARE(model->cookieSources(), QStringList({"None", "Firefox", "A cookies.txt file"}));
        model->chooseCookieSource(1);
        QCOMPARE(model->profiles(), QStringList({"work", "main"}));
        model->chooseProfile(1);
        reopen();
        QTRY_COMPARE(model->profileIndex(), 1);
        QCOMPARE(DownloaderOptions::current().cookies,
                 CookieSource::fromBrowser("firefox", home + "/elsewhere/m"));

        QVERIFY(QDir(home + "/elsewhere").removeRecursively());
        reopen();
        QTRY_VERIFY(!model->lookingForBrowsers());
        QCOMPARE(model->cookieSources().at(model->cookieSourceIndex()), "Firefox (not found)");
        QVERIFY(model->cookieProblem().contains(home + "/elsewhere/m"));
        const DownloaderOptions left = DownloaderOptions::current();
        QVERIFY(left.cookies == CookieSource() && left.notices.filter("/elsewhere/m").size() == 1);

        // A cancelled chooser and a refused file leave the source as it was; the view is told.
        const Preferences before = model->preferences();
        dialogs.fileAnswers = {"", writeFile(home + "/bad.txt", "nope")};
        QSignalSpy changed(model.get(), &PreferencesViewModel::cookiesChanged);
        const int fileEntry = static_cast<int>(model->cookieSources().size()) - 1;
        model->chooseCookieSource(fileEntry);
        model->chooseCookieSource(fileEntry);
        QVERIFY(changed.size() == 2 && model->preferences() == before);
        QVERIFY(model->cookieProblem().contains(home + "/bad.txt"));
    }

    // Each choice is kept at once and read by the next controller; a refused template stays in
    // the field with its reason while the last good one is kept; languages are kept as codes,
    // categories in their order.
    void optionsAreKept() {
        reopen();
        model->setFileNameTemplate("%(uploader)s - %(title)s.%(ext)s");
        model->setFileNameTemplate("%(uploader)s - %(title)");
        QCOMPARE(model->fileNameTemplate(), "%(uploader)s - %(title)");
        QVERIFY(model->fileNamePreview().isEmpty() && !model->fileNameProblem().isEmpty());
        model->setSubtitleLanguages(" en, de  fr,en,");
        for (const auto& [category, on] :
             {std::pair{"outro", true}, {"sponsor", false}, {"intro", true}})
            model->setSponsorCategory(category, on);
        model->setDownloadsAtOnce(9);
        model->setSubtitles(DownloadOptions::Subtitles::beside);
        model->setRateLimit(true, 1.5);
        model->setSponsorBlock(DownloadOptions::SponsorBlock::mark);
        model->setAutomaticCaptions(true);
        model->setVideoThumbnail(true);
        model->setRestrictFileNames(true);
        model->setEmbedMetadata(false);
        model->setEmbedChapters(false);
        model->setAudioCover(false);
        const Preferences chosen = model->preferences();
        reopen();
        QCOMPARE(model->preferences(), chosen);
        QCOMPARE(model->fileNamePreset(), 1);
        QCOMPARE(model->subtitleLanguages(), "en, de, fr");
        QCOMPARE(chosen.downloadsAtOnce, 4);
        QCOMPARE(chosen.downloads.rateLimitKiB, 1536);
        QCOMPARE(chosen.downloads.subtitleLanguages, "en,de,fr");
        QCOMPARE(chosen.downloads.sponsorCategories, QStringList({"intro", "outro"}));
    }

    // What cannot be used reads as its default; known categories in their order.
    void storedOptions() {
        // An empty text goes into a file that holds nothing yet.
        storePreferences({{"sponsorBlockCategories", ""}});
        QCOMPARE(DownloadOptions::current().sponsorCategories, QStringList());
        const QHash<QString, QString> stored{
            {"downloadsAtOnce", "5"},   {"subtitles", "Beside"},
            {"embedMetadata", "no"},    {"rateLimitKiB", "-2"},
            {"sponsorBlock", "skip"},   {"fileNameTemplate", "%(title).%(ext)s"},
            {"videoThumbnail", "TRUE"}, {"sponsorBlockCategories", "intro,skit,sponsor"},
        };
        storePreferences(stored);
        Preferences read;
        read.downloads.sponsorCategories = {"sponsor", "intro"};
        QCOMPARE(PreferencesStorage::read(SettingsStore("MorviPreferences")), read);
    }

    // The downloader's own refusals, and Morvi's: the extension, and the output folder kept.
    void templateProblems_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem"); // a word of it; "" for none
        const auto row = [](const char* name, const char* text, const char* problem) {
            QTest::newRow(name) << QString(text) << QString(problem);
        };
        row("title", "%(title)s.%(ext)s", "");
        row("a date, flags, a lone and a doubled percent",
            "%(upload_date>%Y-%m-%d)s %(title)-20.10s 100% %%(x).%(ext)s", "");
        row("a folder per uploader", "%(uploader)s/a..b/%(title)s.%(ext)q", "");
        row("blank", " ", "empty");
        row("no extension", "%(title)s", "extension");
        row("not closed", "%(ext)s %(title", "closed");
        row("no type at the end", "%(ext)s %(title)", "no type");
        row("no type before a percent", "%(title).%(ext)s", "\"%\" is not a type");
        row("an unknown type", "%(title)z.%(ext)s", "\"z\" is not a type");
        for (const char* outside : {"/tmp/%(title)s.%(ext)s", "~/%(title)s.%(ext)s",
                                    "a/../../%(title)s.%(ext)s", "$HOME%(title)s.%(ext)s"})
            row(outside, outside, "output folder");
    }
    void templateProblems() {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        const QString said = OutputTemplate::problem(text).value_or("");
        QVERIFY2(problem.isEmpty() ? said.isEmpty() : said.contains(problem), qPrintable(said));
    }

    void templatePreview_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("restricted");
        QTest::addColumn<QString>("name");
        QTest::newRow("unsafe characters, a missing field, a default, a date, percents")
            << "%(uploader)s - %(title)s %(artist)s %(artist|nobody)s %(artist,id)s "
               "%(upload_date>%d.%m.%Y)s %%.%(ext)s"
            << false
            << u"A\u29F8B - Café Crème \uFF02Why\uFF1F\uFF02 1_2 NA nobody x1 31.01.2024 %.mp4"_qs;
        QTest::newRow("safe characters only")
            << "%(title)s - %(id)s.%(ext)s" << true << "Cafe_Creme_Why_1_2 - x1.mp4";
    }

    void templatePreview() {
        QFETCH(QString, text);
        QFETCH(bool, restricted);
        QFETCH(QString, name);
        const QHash<QString, QString> fields{{"uploader", "A/B"},
                                             {"title", u"Café Crème \"Why?\" 1:2"_qs},
                                             {"upload_date", "20240131"},
                                             {"id", "x1"},
                                             {"ext", "mp4"}};
        QCOMPARE(OutputTemplate::preview(text, fields, restricted), name);
    }
};

MORVI_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
