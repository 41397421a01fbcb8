// Prints how fast Morvi reads downloader output: the output reader alone; then a flood of
// progress lines that a stand-in downloader writes with `cat` from a prepared file, through
// the main window's controller alone and with the main window shown (with the longest
// main-thread stall), next to the same tool writing to /dev/null.
#include "IdleToolInstaller.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "core/engine/DownloaderOutput.h"
#include "core/model/LogModel.h"
#include "core/single/MainWindowViewModel.h"
#include "gui/single/MainWindowView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <cstdio>
#include <ctime>

namespace {

// Seconds of processor time this process has used: with other work on the machine, wall
// time alone says little.
double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// What this process holds in memory now, in MiB.
double residentMiB() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

// One progress update as a fragmented stream prints it, numbers varying.
QByteArray update(int i) {
    return QString("\r[download] %1% of ~  1.27MiB at  204.37KiB/s ETA 00:%2 (frag %3/5)")
        .arg(i % 100 + 0.1 * (i % 10), 5, 'f', 1)
        .arg(i % 60, 2, 10, QChar('0'))
        .arg(i % 5 + 1)
        .toUtf8();
}

void benchReader() {
    QByteArray block;
    for (int i = 0; block.size() < 64 * 1024; ++i)
        block += update(i) + (i % 50 == 0 ? "\n[youtube] abc: Downloading webpage\n" : "");
    const QString chunk = QString::fromUtf8(block);
    const int rounds = 2000;
    double sink = 0;
    QElapsedTimer timer;
    timer.start();
    const double processorStart = processorSeconds();
    DownloaderOutput said;
    for (int i = 0; i < rounds; ++i) {
        said.read(ToolRun::Stream::output, chunk);
        if (const auto progress = said.takeProgress())
            sink += progress->percent;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    const double processor = processorSeconds() - processorStart;
    const double megabytes = block.size() / 1e6 * rounds;
    std::printf("output reader: %.0f MB/s (%.0f MB in 64 kB reads in %.3f s, %.3f s of "
                "processor time)%s\n",
                megabytes / seconds, megabytes, seconds, processor, sink < 0 ? "!" : "");
}

// A file of about megabytes of progress updates, ended by a line break.
QString floodFile(int megabytes) {
    QByteArray block;
    for (int i = 0; block.size() < 1024 * 1024; ++i)
        block += update(i);
    const QString path = QDir::homePath() + "/flood.txt";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (int i = 0; i < megabytes; ++i)
        file.write(block);
    file.write("\n");
    return path;
}

double directRun() {
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    tool.start(FileManagerHelper().ytDlpPath, {"https://youtu.be/x"});
    tool.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e9;
}

struct Run {
    double seconds = 0;
    double processor = 0;    // Morvi's own, without the tool's
    qint64 longestStall = 0; // ms beyond the probe's interval
    int stalls = 0;          // over 100 ms
    qsizetype logEntries = 0;
    double resident = 0; // MiB once it ended, the log still held
};

// Downloads through the controller, the window's or one of its own, until it ends; a
// 1 ms timer meanwhile records how long the event loop kept it waiting.
Run controllerRun(MainWindowViewModel& controller) {
    controller.setUrlText("https://youtu.be/x");
    controller.setOutputPath(QDir::homePath());
    Run run;
    QElapsedTimer sinceProbe;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 gap = sinceProbe.restart() - 1;
        run.longestStall = std::max(run.longestStall, gap);
        run.stalls += gap > 100 ? 1 : 0;
    });
    QEventLoop loop;
    QObject::connect(&controller, &MainWindowViewModel::downloadEnded, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    const double processorStart = processorSeconds();
    sinceProbe.start();
    probe.start();
    controller.startDownload();
    loop.exec();
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.processor = processorSeconds() - processorStart;
    run.logEntries = controller.logMessages()->rowCount();
    run.resident = residentMiB();
    return run;
}

void print(const char* what, const Run& run, double megabytes) {
    std::printf("%s: %.2f s (%.2f s of processor time), %.0f MB/s, %lld log entries, longest "
                "stall %lld ms, %d stalls over 100 ms, %.0f MiB resident after it (target <= "
                "200)\n",
                what, run.seconds, run.processor, megabytes / run.seconds,
                static_cast<long long>(run.logEntries), static_cast<long long>(run.longestStall),
                run.stalls, run.resident);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestHome home;
    QApplication app(argc, argv);
    FakeTools::install();
    benchReader();

    const int megabytes = argc > 1 ? QString(argv[1]).toInt() : 350;
    const QString flood = floodFile(megabytes);
    FakeTools::configure({{"FAKE_CAT", flood}});
    const double direct = directRun();
    RecordingDialogs dialogs;
    Run alone;
    {
        MainWindowViewModel controller(dialogs, std::make_shared<IdleToolInstaller>());
        alone = controllerRun(controller);
    }
    Run shown;
    {
        MainWindowView view(std::make_shared<IdleToolInstaller>(), &dialogs);
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            return 1;
        shown = controllerRun(*view.viewModel());
    }
    std::printf("flood of %d MB of progress lines, written by cat: %.2f s to /dev/null\n",
                megabytes, direct);
    print("  through the controller (target >= 200 MB/s)", alone, megabytes * 1.048576);
    print("  with the main window shown", shown, megabytes * 1.048576);
    std::printf("  window / controller: %.2f (target <= 1.5); alerts: %lld\n",
                shown.seconds / alone.seconds, static_cast<long long>(dialogs.alerts.size()));
    return 0;
}
