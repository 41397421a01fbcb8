// Prints how much a cut through the media cutter costs next to running the same
// converter command directly, and how long reading a file's information takes.
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "core/cutter/MediaCutterViewModel.h"
#include "core/media/MediaProbe.h"

#include <QCoroTask>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int rounds = 21;

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double cutThroughController(MediaCutterViewModel& cutter) {
    QElapsedTimer clock;
    clock.start();
    QCoro::waitFor(cutter.startCutting());
    return clock.nsecsElapsed() / 1e6;
}

double cutDirectly(const QString& converter, const QStringList& arguments) {
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(converter, arguments);
    process.waitForFinished(-1);
    return clock.nsecsElapsed() / 1e6;
}

template <typename Read> double probeTime(Read read) {
    QList<double> times;
    for (int i = 0; i < 25; ++i) {
        QElapsedTimer clock;
        clock.start();
        read();
        times << clock.nsecsElapsed() / 1e6;
    }
    return median(times);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TestHome home;
    QCoreApplication app(argc, argv);
    if (!TestMedia::available()) {
        std::puts("Debian's /usr/bin/ffmpeg is needed");
        return 1;
    }
    const QString input = home.path() + "/input.mp4";
    const QString folder = home.path() + "/out";
    QDir().mkpath(folder);
    std::puts("making a 120 s 1280x720 clip...");
    if (!TestMedia::make(input, {"-f",       "lavfi",     "-i",   "testsrc2=size=1280x720:rate=30",
                                 "-f",       "lavfi",     "-i",   "sine=frequency=440",
                                 "-t",       "120",       "-c:v", "libx264",
                                 "-preset",  "ultrafast", "-g",   "60",
                                 "-pix_fmt", "yuv420p",   "-c:a", "aac"}))
        return 1;
    TestMedia::installConverter();

    RecordingDialogs dialogs;
    MediaCutterViewModel cutter(dialogs);
    cutter.setSelectedFilePath(input);
    cutter.setStartTime("00:00:10");
    cutter.setEndTime("00:01:50");
    cutter.setOutputFileName("through-controller");
    cutter.setOutputPath(folder);
    const QStringList direct{"-i",        input,  "-ss",
                             "00:00:10",  "-t",   "00:01:40",
                             "-c",        "copy", "-avoid_negative_ts",
                             "make_zero", "-y",   folder + "/direct.mp4"};
    const QString converter = FileManagerHelper().ffmpegPath;

    cutThroughController(cutter); // warm the file cache and the thread pool
    cutDirectly(converter, direct);
    // Each round runs both back to back, so the two see the same load on the machine;
    // the median of the rounds' ratios is what the controller adds.
    QList<double> controllerTimes, directTimes, ratios;
    for (int i = 0; i < rounds; ++i) {
        controllerTimes << cutThroughController(cutter);
        directTimes << cutDirectly(converter, direct);
        ratios << controllerTimes.last() / directTimes.last();
    }
    if (!cutter.logMessages()->entries().last().endsWith("Media cutting completed successfully!")) {
        std::puts("the cut through the controller failed");
        return 1;
    }
    std::printf("cut of 100 s (stream copy), %d rounds: through the controller median %.1f ms "
                "(fastest %.1f), ffmpeg directly median %.1f ms (fastest %.1f), ratio %.3f "
                "(median of the rounds; target <= 1.05)\n",
                rounds, median(controllerTimes),
                *std::min_element(controllerTimes.begin(), controllerTimes.end()),
                median(directTimes), *std::min_element(directTimes.begin(), directTimes.end()),
                median(ratios));

    const double blocking = probeTime([&] { MediaProbe::read(input); });
    const double background =
        probeTime([&] { QCoro::waitFor(MediaProbe::readInBackground(input)); });
    std::printf("probe of the 120 s clip, median of 25: %.1f ms on the calling thread, "
                "%.1f ms through the worker thread and back (target < 50 ms)\n",
                blocking, background);
    return 0;
}
