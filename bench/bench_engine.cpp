// Prints how fast the engine reads downloader output: the progress parser alone, and a
// whole download whose tool floods progress updates, next to the same tool writing to
// /dev/null.
#include "TestHome.h"
#include "core/engine/YtdlpManager.h"
#include "core/platform/LogModel.h"

#include <QCoroTask>
#include <QElapsedTimer>
#include <cstdio>

namespace {

QString typicalOutput() {
    QString text;
    for (int i = 0; i < 1000; ++i) {
        text += QString("\r[download] %1% of   14.74MiB at  747.79MiB/s ETA 00:%2")
                    .arg(i % 100 + 0.1 * (i % 10), 5, 'f', 1)
                    .arg(i % 60, 2, 10, QChar('0'));
        if (i % 50 == 0)
            text += "\n[youtube] abc: Downloading webpage\nWARNING: slow server\n";
    }
    return text;
}

void benchParser() {
    const QString chunk = typicalOutput();
    const double megabytes = chunk.toUtf8().size() / 1e6;
    double sink = 0;
    const int rounds = 400;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        YtdlpManager::processOutput(
            chunk, [&](const DownloadProgress& update) { sink += update.percent; });
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("progress parser: %.0f MB/s (%.1f MB of typical output in %.3f s, target >= 200)\n",
                megabytes * rounds / seconds, megabytes * rounds, seconds);
    if (sink < 0)
        std::puts("");
}

double directRun(int lines) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FAKE_FLOOD", QString::number(lines));
    tool.setProcessEnvironment(environment);
    tool.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    tool.start(FileManagerHelper().ytDlpPath, {});
    tool.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e9;
}

double engineRun(int lines, qsizetype& entries, qsizetype& updates) {
    FakeTools::configure({{"FAKE_FLOOD", QString::number(lines)}});
    YtdlpManager manager;
    LogModel log;
    updates = 0;
    QElapsedTimer timer;
    timer.start();
    QCoro::waitFor(manager.downloadVideo(
        "https://youtu.be/x", "MP4", "720p", "192k", QDir::homePath(), false,
        [&](const DownloadProgress&) { ++updates; },
        [&](const QString& text) { log.append(text); }));
    entries = log.rowCount();
    FakeTools::configure();
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    TestHome home;
    QCoreApplication app(argc, argv);
    FakeTools::install();
    benchParser();

    const int lines = 1'000'000;
    const double direct = directRun(lines);
    qsizetype entries = 0, updates = 0;
    const double engine = engineRun(lines, entries, updates);
    std::printf("flood of %d progress updates: %.2f s through downloadVideo (%lld log entries, "
                "%lld progress calls), %.2f s to /dev/null, ratio %.2f (target <= 1.5)\n",
                lines, engine, static_cast<long long>(entries), static_cast<long long>(updates),
                direct, engine / direct);
    return 0;
}
