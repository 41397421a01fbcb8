// Prints one download's wall time through the main window's controller next to Debian's
// yt-dlp run directly with the same arguments, on media that Python's http.server serves on
// 127.0.0.1, in interleaved pairs: Morvi's own cost on top of the downloader's. Then the time from
// pasting an address to its description next to the downloader's "-J" run directly on the same
// address.
#include "LoopbackHttpServer.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "core/engine/DownloaderCommandLine.h"
#include "core/installer/AppUpdater.h"
#include "core/single/AddressDescription.h"
#include "core/single/MainWindowViewModel.h"
#include "core/toolstore/FileManagerHelper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int rounds = 20;

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

QString freshFolder(const QString& name) {
    const QString folder = QDir::homePath() + "/out/" + name;
    QDir().mkpath(folder);
    return folder;
}

// The bare tool's run in folder (the current one when empty), timed. It waits in an event loop
// of its own, so that the loopback server answers at once.
double bareRun(const QStringList& arguments, const QString& folder = {}) {
    QProcess tool;
    tool.setWorkingDirectory(folder);
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.setStandardInputFile(QProcess::nullDevice());
    QEventLoop loop;
    QObject::connect(&tool, &QProcess::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    tool.start(FileManagerHelper().ytDlpPath, arguments);
    loop.exec();
    return tool.exitCode() == 0 ? timer.nsecsElapsed() / 1e6 : -1;
}

constexpr int describePairs = 20;

double describedAfterPaste(const QString& url) {
    RecordingDialogs dialogs;
    MainWindowViewModel controller(dialogs, std::make_shared<AppUpdater>());
    AddressDescription& description = *controller.addressDescription();
    QEventLoop loop;
    QObject::connect(&description, &AddressDescription::changed, &loop, [&] {
        if (description.state() != AddressDescription::State::describing)
            loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    controller.setUrlText(url);
    loop.exec();
    const bool described = description.state() == AddressDescription::State::described;
    return described ? timer.nsecsElapsed() / 1e6 : -1;
}

void benchDescription(const QString& url) {
    const QStringList arguments = DownloaderCommandLine::forDocument(
        {"-J", "--no-playlist"}, DownloaderOptions::current(), url);
    QList<double> alone, morvi;
    // Each goes first in every other pair: neither gains from the other's warm caches.
    for (int pair = 0; pair < describePairs; ++pair) {
        if (pair % 2 == 0)
            alone << bareRun(arguments);
        morvi << describedAfterPaste(url);
        if (pair % 2 == 1)
            alone << bareRun(arguments);
    }
    if (*std::min_element(alone.begin(), alone.end()) < 0 ||
        *std::min_element(morvi.begin(), morvi.end()) < 0) {
        std::puts("a description failed");
        return;
    }
    QList<double> ratios;
    for (qsizetype pair = 0; pair < alone.size(); ++pair)
        ratios << morvi[pair] / alone[pair];
    std::printf("paste to description, median of %d pairs: yt-dlp -J alone %.0f ms, through "
                "Morvi's controller %.0f ms, ratio %.3f, median ratio within a pair %.3f (target "
                "<= 1.05)\n",
                describePairs, median(alone), median(morvi), median(morvi) / median(alone),
                median(ratios));
}

double throughMorvi(const QString& url, const QString& folder) {
    RecordingDialogs dialogs;
    MainWindowViewModel controller(dialogs, std::make_shared<AppUpdater>());
    controller.setUrlText(url);
    controller.setSelectedFormat("MP4");
    controller.setSelectedVideoQuality("Best");
    controller.setOutputPath(folder);
    controller.addressDescription()->cancel();
    QEventLoop loop;
    QObject::connect(&controller, &MainWindowViewModel::downloadEnded, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    controller.startDownload();
    loop.exec();
    return dialogs.alerts.isEmpty() ? timer.nsecsElapsed() / 1e6 : -1;
}

void benchDownload(const QString& url) {
    const QStringList arguments = DownloaderCommandLine::forDownload(
        {url, {"MP4", "Best", "192k"}, {}, false, {}, {}, {}}, FileManagerHelper().ffmpegPath);
    QList<double> alone, morvi;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0)
            alone << bareRun(arguments, freshFolder("direct"));
        morvi << throughMorvi(url, freshFolder(QString("morvi-%1").arg(round)));
        if (round % 2 == 1)
            alone << bareRun(arguments, freshFolder("direct"));
        QDir(QDir::homePath() + "/out").removeRecursively();
    }
    if (*std::min_element(alone.begin(), alone.end()) < 0 ||
        *std::min_element(morvi.begin(), morvi.end()) < 0) {
        std::puts("a download failed");
        return;
    }
    std::printf(
        "one download, median of %d pairs: yt-dlp alone %.0f ms, through Morvi's controller "
        "%.0f ms, ratio %.3f (target <= 1.02)\n",
        rounds, median(alone), median(morvi), median(morvi) / median(alone));
}

} // namespace

int main(int argc, char** argv) {
    TestHome home;
    QCoreApplication app(argc, argv);
    if (!QFile::exists("/usr/bin/yt-dlp") || !TestMedia::available()) {
        std::puts("Debian's yt-dlp and ffmpeg are needed");
        return 1;
    }
    QTemporaryDir site;
    const QString media = site.filePath("plain.mp4");
    TestMedia::make(media, {"-f", "lavfi", "-i", "testsrc=size=640x360:rate=25:duration=4", "-f",
                            "lavfi", "-i", "sine=duration=4", "-c:v", "libx264", "-preset",
                            "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"});
    QFile file(media);
    file.open(QIODevice::ReadOnly);
    LoopbackHttpServer server;
    server.serve("/plain.mp4", file.readAll(), 200, "video/mp4");
    server.serve("/page.html",
                 "<html><head><title>A page</title></head><body><video src=\"/plain.mp4\">"
                 "</video></body></html>",
                 200, "text/html");
    const FileManagerHelper tools;
    QFile::copy("/usr/bin/yt-dlp", tools.ytDlpPath);
    QFile(tools.ytDlpPath).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    TestMedia::installConverter();

    // "describe" alone skips the downloads.
    if (QCoreApplication::arguments().value(1) != "describe") {
        QProcess python;
        python.start("python3", {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                                 "--directory", site.path()});
        python.waitForReadyRead(10000); // "Serving HTTP on 127.0.0.1 port N ..."
        const QString port =
            QString::fromUtf8(python.readAll()).section(" port ", 1).section(' ', 0, 0);
        benchDownload("http://127.0.0.1:" + port + "/plain.mp4?v=youtu.be");
        python.kill();
        python.waitForFinished();
    }
    benchDescription(server.url("/page.html").toString());
    return 0;
}
