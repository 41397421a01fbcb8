// Prints how long the queue takes to add and store 10,000 pasted addresses, and to
// construct a controller over a stored queue of 10,000 items (read from disk by a
// fresh process, as a newly opened queue window would).
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "queue/BulkDownloadViewModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>
#include <optional>

namespace {

constexpr int itemCount = 10000;

void report(const char* what, const QElapsedTimer& timer, double targetMs) {
    const double ms = timer.nsecsElapsed() / 1e6;
    std::printf("%s: %.1f ms (target < %.0f ms)\n", what, ms, targetMs);
}

QString pastedAddresses(const QString& prefix) {
    QStringList lines;
    lines.reserve(itemCount);
    for (int i = 0; i < itemCount; ++i)
        lines << QString("https://www.youtube.com/watch?v=%1%2").arg(prefix).arg(i);
    return lines.join('\n');
}

int addAndStore() {
    RecordingDialogs dialogs;
    BulkDownloadViewModel vm(dialogs);
    vm.setUrlsText(pastedAddresses("a"));
    QElapsedTimer timer;
    timer.start();
    vm.addURLsToQueue();
    report("add and store 10000 pasted addresses", timer, 1000);

    vm.setUrlsText(pastedAddresses("a"));
    timer.start();
    vm.addURLsToQueue();
    report("paste the same 10000 again (all duplicates)", timer, 1000);
    return vm.downloadItems().size() == itemCount ? 0 : 1;
}

int construct() {
    RecordingDialogs dialogs;
    QElapsedTimer timer;
    timer.start();
    BulkDownloadViewModel vm(dialogs);
    report("construct a controller over 10000 stored items", timer, 200);
    return vm.downloadItems().size() == itemCount ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const bool inChild = argc > 1 && QByteArray(argv[1]) == "construct";
    // A temporary HOME, made before Qt reads it: the user's own settings stay untouched.
    // The child inherits it and reads the stored queue from disk.
    std::optional<TestHome> home;
    if (!inChild)
        home.emplace();
    QCoreApplication app(argc, argv);
    if (inChild)
        return construct();
    const int failed = addAndStore();
    std::fflush(stdout);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"construct"});
    child.waitForFinished(-1);
    return failed || child.exitCode();
}
