#include "CollectLog.h"
#include "FakeToolInstaller.h"
#include "LoopbackHttpServer.h"
#include "TestHome.h"
#include "core/engine/DocumentRun.h"
#include "core/installer/AppUpdater.h"
#include "core/installer/RuntimeChoice.h"
#include "core/installer/ToolCheck.h"
#include "core/toolstore/ToolFinding.h"

namespace {

using namespace std::chrono_literals;

const QByteArray newYtDlp = "#!/bin/sh\necho new downloader\n";
const QByteArray ffmpegScript = "#!/bin/sh\necho converter\n";
const QByteArray ffprobeScript = "#!/bin/sh\necho probe\n";
const QByteArray portalPage = "<!DOCTYPE html><html><body>Sign in to the network</body></html>\n";
const QString notAProgram =
    "The downloaded file is not a program that runs here: execvp: Exec format error";
const QString oldDownloader = "yt-dlp 2023.03.04 is too old to use a JavaScript runtime: YouTube "
                              "may offer fewer formats.";

QByteArray answering(const QString& answer) {
    return "#!/bin/sh\necho '" + answer.toUtf8() + "'\n";
}

// A program at path that answers every call with answer, as a runtime's version option does.
void scriptAt(const QString& path, const QString& answer) {
    writeFile(path, answering(answer));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString outputOf(const QString& program, const QStringList& arguments = {}) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct ZipEntry {
    QString name;
    QByteArray content; // for a link, its target
    bool link = false;
    bool operator==(const ZipEntry&) const = default;
};
const QList<ZipEntry> goodFfmpeg{{"ffmpeg", ffmpegScript}};
const QList<ZipEntry> goodFfprobe{{"ffprobe", ffprobeScript}};

// A zip archive of the entries as a real archiver makes it; files are not executable.
QByteArray zipOf(const QList<ZipEntry>& entries) {
    QTemporaryDir folder;
    QStringList names{"-E", "tar", "cf", "x.zip", "--format=zip"};
    for (const auto& [name, content, link] : entries) {
        if (link)
            QFile::link(content, folder.filePath(name));
        else
            writeFile(folder.filePath(name), content);
        names << name;
    }
    QProcess archiver;
    archiver.setWorkingDirectory(folder.path());
    archiver.start(MORVI_CMAKE, names);
    archiver.waitForFinished();
    return contentOf(folder.filePath("x.zip"));
}

// Runs gpg in the suite's own GnuPG home; "expired" works at a clock stopped in 2020.
QByteArray gpg(const QString& key, QStringList arguments, const QByteArray& input = {}) {
    if (key == "expired")
        arguments.prepend("--faked-system-time=20200101T000000!");
    QProcess process;
    process.start("gpg", QStringList{"--batch", "--passphrase", ""} + arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished();
    return process.readAllStandardOutput();
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden |
                                  QDir::System);
}

} // namespace

class TestAppUpdater : public QObject {
    Q_OBJECT
    FileManagerHelper tools;
    std::unique_ptr<LoopbackHttpServer> server;
    const QString base = qEnvironmentVariable("XDG_DATA_HOME") + "/Velnor";
    QTemporaryDir gnupgHome;
    QHash<QString, SigningKey> keys; // made by initTestCase

    QStringList run(QCoro::Task<> (AppUpdater::*operation)(ToolInstaller::LogHandler),
                    const QString& key = "maker") {
        return collectLog([&](LogCallback log) {
            AppUpdater updater({server->url("/yt-dlp"), server->url("/ffmpeg.zip"),
                                server->url("/ffprobe.zip"), server->url("/deno.zip")},
                               1s, keys.value(key, SigningKey::ytDlpRelease()));
            return (updater.*operation)(log);
        });
    }

    // Puts the named tool in place as "working", "missing", "not executable" or "page".
    void place(const QString& name, const QString& state) {
        const QString path = tools.toolsFolderPath + "/" + name;
        if (state != "missing")
            FakeTools::installOne(name);
        if (state == "page")
            writeFile(path, portalPage);
        if (state == "not executable")
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    // A row: how the body is served ("current": the build in place, whose body is not served),
    // the sums ("right", "wrong", "no entry", "none"; signed as "SIGNERS@KEY", else "changed",
    // "unsigned"), the refusal (%1: the key's fingerprint); rows named "update:" update.
    static void fetchRow(const char* name, const QString& serving, const QByteArray& body,
                         const QString& reason, const QString& sums = "right") {
        QTest::newRow(name) << serving << body << sums << reason;
    }

private slots:
    // Made once: generating keys takes time. The stranger's key is also in the user's own
    // keyring, which no check may consult.
    void initTestCase() {
        qputenv("GNUPGHOME", gnupgHome.path().toUtf8());
        for (const QString key : {"maker", "stranger", "expired"}) {
            gpg(key, {"--quick-gen-key", key, "ed25519", "sign", key == "expired" ? "1d" : "0"});
            keys[key] = {gpg(key, {"--armor", "--export", key}),
                         QString(gpg(key, {"--with-colons", "-k", key}))
                             .section("\nfpr:", 1)
                             .section(':', 8, 8)};
        }
        writeFile(gnupgHome.filePath("trustedkeys.kbx"), keys["stranger"].keyring());
        keys["mislabelled"] = {keys["stranger"].armored, keys["maker"].fingerprint};
    }
    void cleanupTestCase() { QProcess::execute("gpgconf", {"--kill", "gpg-agent"}); }

    void init() {
        QDir(tools.toolsFolderPath).removeRecursively();
        QDir(tools.tempFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        FakeTools::configure();
        server = std::make_unique<LoopbackHttpServer>();
    }

    // Only a program that answers "--version" and matches the sum in its release's list, which
    // the makers' key has signed, replaces the old one; the installer notes the key, and the
    // check keeps it while the program stays the same.
    void downloaderDownload_data() {
        QTest::addColumn<QString>("serving");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("sums");
        QTest::addColumn<QString>("reason");
        const QByteArray big(200000, 'x');
        fetchRow("replaced", "200", newYtDlp, "");
        fetchRow("404", "404", portalPage, "HTTP status 404");
        fetchRow("cut off", "cut", big, "The download broke off after 70000 of 200000 bytes.");
        fetchRow("stalled", "stall", big, "The transfer stalled: nothing arrived for 1 s.");
        fetchRow("no server", "none", {},
                 "The checksum list could not be fetched: Connection refused");
        fetchRow("empty body", "200", {}, notAProgram);
        fetchRow("HTML page", "200", portalPage, notAProgram);
        fetchRow("program failing its check", "200", "#!/bin/sh\nexit 3\n",
                 "The downloaded program failed \"--version\" (exit status 3).");
        fetchRow("wrong sum", "200", newYtDlp,
                 "The download does not match its release's SHA-256 checksum.", "wrong");
        fetchRow("no entry for the asset", "200", newYtDlp,
                 "The release's checksum list has no entry for \"yt-dlp\".", "no entry");
        fetchRow("no checksum list", "200", newYtDlp,
                 "The checksum list could not be fetched: HTTP status 404", "none");
        const QString notByKey =
            "The checksum list carries no valid signature by the release key %1.";
        fetchRow("no signature", "200", newYtDlp,
                 "The checksum list's signature could not be fetched: HTTP status 404", "unsigned");
        fetchRow("list changed after signing", "200", newYtDlp,
                 "The checksum list does not match its signature.", "changed");
        fetchRow("signed by another key", "200", newYtDlp, notByKey, "stranger@maker");
        fetchRow("makers' and another key", "200", newYtDlp, notByKey, "maker+stranger@maker");
        fetchRow("another key as the makers'", "200", newYtDlp, notByKey, "stranger@mislabelled");
        fetchRow("signed by an expired key", "200", newYtDlp,
                 "The key %1 that signed the checksum list has expired.", "expired@expired");
        fetchRow("yt-dlp's own key", "200", newYtDlp,
                 notByKey.arg("AC0C BBE6 848D 6A87 3464 AF4E 57CF 6593 3B5A 7581"),
                 "maker@shipped");
        fetchRow("update: a newer build", "200", newYtDlp, "");
        fetchRow("update: the build in place", "current", newYtDlp, "");
        fetchRow("update: signed by another key", "200", newYtDlp, notByKey, "stranger@maker");
        fetchRow("update: wrong sum", "200", newYtDlp,
                 "The download does not match its release's SHA-256 checksum.", "wrong");
    }
    void downloaderDownload() {
        QFETCH(QString, serving);
        QFETCH(QByteArray, body);
        QFETCH(QString, sums);
        QFETCH(QString, reason);
        const QByteArray sum =
            QCryptographicHash::hash(sums == "wrong" ? "other" : body, QCryptographicHash::Sha256);
        const QByteArray list = "00ff  yt-dlp.exe\n" + sum.toHex() + " *" +
                                (sums == "no entry" ? "yt-dlp_linux" : "yt-dlp") + "\n";
        const QString key = sums.contains('@') ? sums.section('@', 1) : "maker";
        QByteArray signature;
        for (const QString& signer :
             sums.contains('@') ? sums.section('@', 0, 0).split('+') : QStringList{"maker"})
            signature += gpg(signer, {"--local-user", signer, "--detach-sign"}, list);
        if (sums != "none") // a line added after signing changes the list
            server->serve("/SHA2-256SUMS",
                          sums == "changed" ? list + "00ff  yt-dlp_macos\n" : list);
        if (sums != "unsigned")
            server->serve("/SHA2-256SUMS.sig", signature);
        FakeTools::installOne("yt-dlp");
        if (serving == "current") {
            writeFile(tools.ytDlpPath, newYtDlp);
            QFile::setPermissions(tools.ytDlpPath, QFile::ReadOwner | QFile::ExeOwner);
        }
        LoopbackHttpServer assets; // another origin, as on the real service
        server->redirect("/yt-dlp", assets.url("/yt-dlp_linux"));
        if (serving == "cut")
            assets.servePartly("/yt-dlp_linux", body, 70000);
        else if (serving == "stall") // the second piece would come after a minute
            assets.servePartly("/yt-dlp_linux", body, body.size(), 1000, 60000);
        else if (serving == "none")
            server->stopListening();
        else if (serving != "current") // else a fetch of the build fails with 404
            assets.serve("/yt-dlp_linux", body, serving.toInt());

        reason.replace("%1", SigningKey::readable(keys.value(key).fingerprint));
        if (QByteArray(QTest::currentDataTag()).startsWith("update:")) {
            QCOMPARE(run(&AppUpdater::updateYtDlp, key),
                     (QStringList{"Updating plugin 1...",
                                  reason.isEmpty() ? "Plugin 1 update completed."
                                                   : "Plugin 1 update failed: " + reason}));
        } else {
            QCOMPARE(run(&AppUpdater::downloadYtDlp, key),
                     QStringList{reason.isEmpty() ? "Plugin 1 downloaded successfully."
                                                  : "Failed to download yt-dlp: " + reason});
        }
        QCOMPARE(entriesOf(tools.toolsFolderPath),
                 (reason.isEmpty() ? QStringList{"in-use.json", "yt-dlp"} : QStringList{"yt-dlp"}));
        QCOMPARE(entriesOf(tools.tempFolderPath), QStringList());
        QCOMPARE(outputOf(tools.ytDlpPath, {"--version"}),
                 reason.isEmpty() ? "new downloader\n" : "2023.03.04\n");
        const auto verifiedBy = [&] {
            collectLog([](LogCallback log) { return RuntimeChoice::choose(false, log); });
            return ToolFinding::read(tools.toolsFolderPath).downloader.verifiedBy;
        };
        QCOMPARE(verifiedBy(), reason.isEmpty() ? keys.value(key).fingerprint : QString());
        scriptAt(tools.ytDlpPath, "2099.01.01"); // as its own update leaves it
        QCOMPARE(verifiedBy(), QString());
    }

    // The key compiled into Morvi is yt-dlp's, whose fingerprint its makers publish.
    void shippedKey() {
        const QByteArray keyring = SigningKey::ytDlpRelease().keyring();
        const QString listing = gpg({}, {"--with-colons", "--show-keys"}, keyring);
        QCOMPARE(listing.section("\nfpr:", 1).section(':', 8, 8),
                 "AC0CBBE6848D6A873464AF4E57CF65933B5A7581");
    }

    // A tool is a regular file answering "-version", at the top or alone in a sub-folder; nothing
    // else is kept or touched. The reason refuses the converter, or the probe tool after it.
    void converterArchives_data() {
        QTest::addColumn<QList<ZipEntry>>("ffmpegZip");
        QTest::addColumn<QList<ZipEntry>>("ffprobeZip");
        QTest::addColumn<QString>("reason");
        const QString noConverter = "The archive holds no \"ffmpeg\".";
        const QByteArray outside = (QDir::homePath() + "/outside").toUtf8();
        QTest::newRow("top level") << goodFfmpeg << goodFfprobe << QString();
        QTest::newRow("alone in a sub-folder")
            << QList<ZipEntry>{{"ffmpeg-5.1/ffmpeg", ffmpegScript}}
            << QList<ZipEntry>{{"ffmpeg-5.1/ffprobe", ffprobeScript}} << QString();
        QTest::newRow("not a zip") << QList<ZipEntry>() << goodFfprobe
                                   << "The operation couldn't be completed. (UnzipError error 9.)";
        QTest::newRow("without the converter")
            << QList<ZipEntry>{{"readme.txt", "hello"}} << goodFfprobe << noConverter;
        QTest::newRow("in a sub-folder among other entries")
            << QList<ZipEntry>{{"build/ffmpeg", ffmpegScript}, {"readme.txt", "hello"}}
            << goodFfprobe << noConverter;
        QTest::newRow("converter is an HTML page")
            << QList<ZipEntry>{{"ffmpeg", portalPage}} << goodFfprobe << notAProgram;
        QTest::newRow("converter is a link out of the tools folder")
            << QList<ZipEntry>{{"ffmpeg", outside, true}} << goodFfprobe
            << "The archive's \"ffmpeg\" is not a regular file.";
        QTest::newRow("probe tool is an HTML page")
            << goodFfmpeg << QList<ZipEntry>{{"ffprobe", portalPage}} << notAProgram;
    }
    void converterArchives() {
        QFETCH(QList<ZipEntry>, ffmpegZip);
        QFETCH(QList<ZipEntry>, ffprobeZip);
        QFETCH(QString, reason);
        QStringList lines{"Extracting plugin 2...", "Plugin 2 downloaded successfully.",
                          "Downloading plugin 3...", "Plugin 3 downloaded successfully."};
        if (!reason.isEmpty())
            lines = lines.first(ffprobeZip == goodFfprobe ? 1 : 3) +
                    QStringList{"Failed to download Plugin 2: " + reason};
        FakeTools::installOne("ffmpeg");
        const QString outside = writeFile(QDir::homePath() + "/outside", "not the converter\n");
        const QFile::Permissions outsidePermissions = QFile(outside).permissions();
        server->serve("/ffmpeg.zip", ffmpegZip.isEmpty() ? portalPage : zipOf(ffmpegZip));
        server->serve("/ffprobe.zip", zipOf(ffprobeZip));

        QCOMPARE(run(&AppUpdater::downloadFFmpeg), lines);
        const bool converterReplaced = lines.contains("Plugin 2 downloaded successfully.");
        const bool probeInstalled = lines.contains("Plugin 3 downloaded successfully.");
        QCOMPARE(outputOf(tools.ffmpegPath, {"-version"}),
                 converterReplaced ? "converter\n" : "ffmpeg version 5.1\n");
        QCOMPARE(outputOf(tools.toolsFolderPath + "/ffprobe"), probeInstalled ? "probe\n" : "");
        QCOMPARE(entriesOf(tools.toolsFolderPath),
                 (probeInstalled ? QStringList{"ffmpeg", "ffprobe"} : QStringList{"ffmpeg"}));
        QCOMPARE(entriesOf(tools.tempFolderPath).filter("staging"), QStringList());
        QCOMPARE(contentOf(outside), "not the converter\n");
        QCOMPARE(QFile(outside).permissions(), outsidePermissions);
    }

    // A tool counts as present only when it can be started; the probe tool is not looked for.
    // One still missing afterwards is taken from the system when it answers its version option.
    void branches_data() {
        QTest::addColumn<QString>("ytDlp");
        QTest::addColumn<QString>("ffmpeg");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("systemTools");
        const QString ok = "working", none = "missing";
        const QStringList fetchDownloader{"downloadYtDlp", "downloadJsRuntime"};
        const QStringList fetchConverter{"updateYtDlp", "downloadFFmpeg", "downloadJsRuntime"};
        const QStringList fetchBoth{"downloadYtDlp", "downloadFFmpeg", "downloadJsRuntime"};
        const QStringList noSystemTools;
        QTest::newRow("all working")
            << ok << ok << QStringList{"updateYtDlp", "updateJsRuntime"} << noSystemTools;
        QTest::newRow("downloader not executable")
            << "not executable" << ok << fetchDownloader << noSystemTools;
        QTest::newRow("downloader is an HTML page")
            << "page" << ok << fetchDownloader << noSystemTools;
        QTest::newRow("converter is an HTML page")
            << ok << "page" << fetchConverter << noSystemTools;
        QTest::newRow("offline, with the system's tools")
            << none << none << fetchBoth << QStringList{"yt-dlp", "ffmpeg"};
        QTest::newRow("offline, the system's converter fails")
            << none << none << fetchBoth << QStringList{"ffmpeg failing"};
    }
    void branches() {
        QFETCH(QString, ytDlp);
        QFETCH(QString, ffmpeg);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, systemTools);
        place("yt-dlp", ytDlp);
        place("ffmpeg", ffmpeg);
        if (calls.contains("updateJsRuntime"))
            scriptAt(tools.jsRuntimePath, "deno 2.9.7 (stable)");
        const QString system = QDir::homePath() + "/system/" + QTest::currentDataTag();
        QStringList standIns;
        for (const QString& tool : systemTools) {
            const QString name = tool.section(' ', 0, 0);
            FakeTools::installOne(name, system);
            if (tool.endsWith("failing"))
                writeFile(system + "/" + name, "#!/bin/sh\nexit 1\n");
            const QString version = name == "ffmpeg" ? "5.1" : "2023.03.04";
            standIns << (tool.endsWith("failing")
                             ? QString("The system's %1 at %2/%1 does not run.").arg(name, system)
                             : QString("Using the system's %1 %2 at %3/%1 for now.")
                                   .arg(name, version, system));
        }
        const SearchPath path(system);
        // The check announces each download itself; the installer logs the rest.
        const QMap<QString, QStringList> announced{
            {"downloadYtDlp", {"Downloading plugin 1..."}},
            {"downloadFFmpeg", {"Downloading plugin 2..."}},
            {"downloadJsRuntime", {"Downloading plugin 4..."}}};
        QStringList lines{"Checking for updates...",
                          "Checking and installing necessary plugins..."};
        for (const QString& call : calls)
            lines += announced.value(call) + FakeToolInstaller::linesOf[call];
        if (ytDlp == "working" || systemTools.contains("yt-dlp"))
            standIns << oldDownloader;
        auto installer = std::make_shared<FakeToolInstaller>();
        QCOMPARE(collectLog([&](LogCallback log) { return ToolCheck::run(installer, log); }),
                 lines + standIns + QStringList{"Update check completed."});
        QCOMPARE(installer->calls, calls);
    }

    // The runtime's archive replaces the installed one only when it matches the sum published
    // beside it and answers as a recent deno; while that sum is the installed one's, no archive
    // is fetched at all.
    void runtimeRelease_data() {
        QTest::addColumn<bool>("update");
        QTest::addColumn<QString>("serving"); // the sum: "right", "kept", "wrong", "none"
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("lines");
        const QByteArray recent = answering("deno 2.9.7 (stable)");
        const QString updating = "Updating plugin 4...", extracting = "Extracting plugin 4...";
        const auto failed = [&](const QString& reason) {
            return QStringList{updating, "Plugin 4 update failed: " + reason};
        };
        QTest::newRow("installed") << false << "right" << recent
                                   << QStringList{extracting, "Plugin 4 downloaded successfully."};
        QTest::newRow("newer release")
            << true << "right" << recent
            << QStringList{updating, extracting, "Plugin 4 update completed."};
        QTest::newRow("unchanged release")
            << true << "kept" << recent << QStringList{updating, "Plugin 4 is up to date."};
        QTest::newRow("wrong sum")
            << true << "wrong" << recent
            << failed("The download does not match its release's SHA-256 checksum.");
        QTest::newRow("no sum file")
            << true << "none" << recent
            << failed("The checksum list could not be fetched: HTTP status 404");
        QTest::newRow("too old") << true << "right" << answering("deno 2.1.0 (stable)")
                                 << QStringList{updating, extracting,
                                                "Plugin 4 update failed: The downloaded program is "
                                                "not deno 2.3 or later: it answered \"deno 2.1.0 "
                                                "(stable)\"."};
    }
    void runtimeRelease() {
        QFETCH(bool, update);
        QFETCH(QString, serving);
        QFETCH(QByteArray, script);
        QFETCH(QStringList, lines);
        const QByteArray zip = zipOf({{"deno", script}});
        const QByteArray summed = serving == "wrong" ? "other" : zip;
        const QByteArray sum = QCryptographicHash::hash(summed, QCryptographicHash::Sha256);
        const QByteArray sumLine = sum.toHex() + "  deno.zip\n";
        const QString keptSum = tools.jsRuntimePath + ".sha256sum";
        const QByteArray oldSum = "00ff  deno.zip\n";
        if (update) {
            scriptAt(tools.jsRuntimePath, "deno 2.4.0 (installed)");
            writeFile(keptSum, serving == "kept" ? sumLine : oldSum);
        }
        server->serve("/deno.zip.sha256sum", sumLine, serving == "none" ? 404 : 200);
        server->serve("/deno.zip", zip);

        QCOMPARE(run(update ? &AppUpdater::updateJsRuntime : &AppUpdater::downloadJsRuntime),
                 lines);
        const bool replaced = !lines.last().contains("fail") && serving != "kept";
        QCOMPARE(outputOf(tools.jsRuntimePath, {"--version"}),
                 replaced ? "deno 2.9.7 (stable)\n" : "deno 2.4.0 (installed)\n");
        QCOMPARE(contentOf(keptSum), replaced || serving == "kept" ? sumLine : oldSum);
        if (serving == "kept")
            QVERIFY(!server->bodyBytesSent("/deno.zip"));
        QCOMPARE(entriesOf(tools.tempFolderPath), QStringList());
    }

    // The yt-dlp in use judges the runtimes at hand (its verbose header marks those it does not
    // support); the first it supports, Deno before Node, reaches every run that can reach a site
    // as "--js-runtimes NAME:PATH". An older yt-dlp, which refuses that option, gets none.
    void runtimeChoice_data() {
        QTest::addColumn<QString>("ytDlpVersion");
        QTest::addColumn<QStringList>("runtimes"); // their version answers; "own:" Morvi's
        QTest::addColumn<QStringList>("lines");    // %1: the system's folder
        QTest::addColumn<QString>("chosen");       // %1: the system's folder, %2: the tools folder
        const QString recent = "2026.08.20";
        const QString tooOld =
            "The system's %2 at %1/%3 is too old for yt-dlp 2026.08.20 and is not used.";
        QTest::newRow("Morvi's own Deno") << recent << QStringList{"own: deno 2.9.7", "v22.3.0"}
                                          << QStringList() << "deno:%2/deno";
        QTest::newRow("an old Deno refused, Node stands in")
            << recent << QStringList{"deno 2.1.0", "v22.3.0"}
            << QStringList{tooOld.arg("%1", "deno 2.1.0", "deno"),
                           "Using the system's node 22.3.0 at %1/node for now."}
            << "node:%1/node";
        QTest::newRow("Debian's Node 18 refused")
            << recent << QStringList{"v18.19.0"}
            << QStringList{tooOld.arg("%1", "node 18.19.0", "node"),
                           "No JavaScript runtime that yt-dlp 2026.08.20 supports was found: "
                           "YouTube may offer fewer formats."}
            << QString();
        QTest::newRow("Debian's yt-dlp") << "2023.03.04" << QStringList{"own: deno 2.9.7"}
                                         << QStringList{oldDownloader} << QString();
    }
    void runtimeChoice() {
        QFETCH(QString, ytDlpVersion);
        QFETCH(QStringList, runtimes);
        QFETCH(QStringList, lines);
        QFETCH(QString, chosen);
        const QString system = QDir::homePath() + "/system/" + QTest::currentDataTag();
        const QString argsFile = QDir::homePath() + "/args";
        FakeTools::installOne("yt-dlp");
        FakeTools::configure(
            {{"FAKE_VERSION", ytDlpVersion}, {"FAKE_DESCRIPTION_ARGS_FILE", argsFile}});
        for (QString said : runtimes) {
            const QString folder = said.startsWith("own: ") ? tools.toolsFolderPath : system;
            scriptAt(folder + (said.contains("deno") ? "/deno" : "/node"), said.remove("own: "));
        }
        const SearchPath path(system);
        QCOMPARE(collectLog([&](LogCallback log) {
                     return RuntimeChoice::choose(QFile::exists(tools.jsRuntimePath), log);
                 }),
                 lines.replaceInStrings("%1", system));

        DocumentRun description({"-J"}, "x", 10s);
        QCoro::waitFor(description.run());
        chosen.replace("%1", system).replace("%2", tools.toolsFolderPath);
        QStringList expected{"-J", "--js-runtimes", chosen, "--ignore-config", "--", "x"};
        if (chosen.isEmpty())
            expected.remove(1, 2);
        QCOMPARE(FakeTools::recordedArguments(argsFile), expected);
    }

    void runtimeVerdictsWithDashes() {
        const QString header =
            "[debug] JS runtimes: quickjs-2025-04-26, quickjs-ng-0.10.1 (unsupported)\n";
        const QList<RuntimeChoice::Verdict> verdicts{{"quickjs", "2025-04-26", true},
                                                     {"quickjs-ng", "0.10.1", false}};
        QCOMPARE(RuntimeChoice::verdictsIn(header), verdicts);
    }

    // The folders are made quietly, keeping what they hold. A file in a folder's place, which
    // root cannot get past either, makes it report the folders it could not make.
    void foldersAreMadeQuietly() {
        QDir(base).removeRecursively();
        FileManagerHelper first;
        QVERIFY(QFileInfo(base + "/temp").isDir());
        QVERIFY(QFile(first.ytDlpPath).open(QIODevice::WriteOnly));
        QCOMPARE(captureStandardOutput([] { FileManagerHelper again; }), QString());
        QCOMPARE(entriesOf(base + "/tools"), QStringList{"yt-dlp"});

        QDir(base).removeRecursively();
        QVERIFY(QFile(base).open(QIODevice::WriteOnly));
        QString printed = captureStandardOutput([] { FileManagerHelper unwritable; });
        QFile::remove(base);
        printed.replace(QRegularExpression(": \\S.*$", QRegularExpression::MultilineOption),
                        ": (reason)");
        QCOMPARE(printed, QString("%1/temp: (reason)\n%1/tools: (reason)\n%1/tools: (reason)\n")
                              .arg("Failed to create directory " + base));
    }
};

MORVI_TEST_MAIN(TestAppUpdater)
#include "tst_appupdater.moc"
