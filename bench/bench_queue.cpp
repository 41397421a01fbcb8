// Prints how long the queue takes to add and store 10,000 pasted addresses (into an
// empty queue and beside 100,000 items); the longest stalls of the window's main thread
// while a 1,000,000-line text holding 400,000 addresses is pasted into the address box
// (Ctrl+V) and then added; and the longest stall while a queue window opens over a
// stored queue of 100,000 items (read from disk by a fresh process, as a newly opened
// queue window would), and the memory each of those items holds.
#include "IdleToolInstaller.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "core/queue/BulkDownloadViewModel.h"
#include "core/single/MainWindowViewModel.h"
#include "gui/queue/BulkDownloadView.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <ctime>
#include <optional>

namespace {

constexpr int itemCount = 10000;
constexpr int storedCount = 100000;
constexpr int logLines = 1000000;
constexpr int logAddresses = 400000;

double elapsedMs(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

QString pastedAddresses(const QString& prefix, int count = itemCount) {
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << QString("https://www.youtube.com/watch?v=%1%2").arg(prefix).arg(i);
    return lines.join('\n');
}

// The calling thread's processor time so far.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The main thread's longest gap between two ticks of a 2 ms timer while work runs, in
// wall time and in the main thread's own processor time (which other programs on a busy
// machine do not stretch).
class StallMeter {
public:
    StallMeter() {
        ticks.setInterval(2);
        QObject::connect(&ticks, &QTimer::timeout, [this] {
            longest = std::max(longest, elapsedMs(sinceTick));
            const double cpu = threadCpuMs();
            longestBusy = std::max(longestBusy, cpu - cpuAtTick);
            cpuAtTick = cpu;
            sinceTick.start();
        });
        sinceTick.start();
        cpuAtTick = threadCpuMs();
        ticks.start();
    }
    double longestMs() const { return longest; }
    double longestBusyMs() const { return longestBusy; }

private:
    QTimer ticks;
    QElapsedTimer sinceTick;
    double cpuAtTick = 0;
    double longest = 0;
    double longestBusy = 0;
};

// Runs the event loop until done() holds, then prints the longest stall meanwhile and how
// long it took; false when it never held.
bool measure(const char* what, const std::function<void()>& start,
             const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    StallMeter meter;
    start();
    const bool ended = QTest::qWaitFor(done, 120000);
    QTest::qWait(20); // a few ticks after the last step
    std::printf("%s: longest main-thread stall %.1f ms, of which busy %.1f ms (target < 100 ms); "
                "done after %.0f ms\n",
                what, meter.longestMs(), meter.longestBusyMs(), elapsedMs(timer));
    return ended;
}

// Adds the text through the controller, until it is stored; prints how long that took
// unless what is null.
void addAndStore(BulkDownloadViewModel& vm, const QString& text, const char* what = nullptr) {
    vm.setUrlsText(text);
    QSignalSpy added(&vm, &BulkDownloadViewModel::urlsAdded);
    QElapsedTimer timer;
    timer.start();
    vm.addURLsToQueue();
    if (added.isEmpty())
        added.wait(60000);
    vm.waitUntilSaved();
    if (what)
        std::printf("%s: stored after %.1f ms (target < 1000 ms)\n", what, elapsedMs(timer));
}

int addToQueues() {
    RecordingDialogs dialogs;
    BulkDownloadViewModel vm(dialogs);
    addAndStore(vm, pastedAddresses("a"), "add and store 10000 pasted addresses");
    addAndStore(vm, pastedAddresses("a"), "paste the same 10000 again (all duplicates)");
    const bool stored = vm.downloadItems().size() == itemCount;
    vm.clearQueue();
    addAndStore(vm, pastedAddresses("big", storedCount));
    addAndStore(vm, pastedAddresses("b"), "add and store 10000 beside 100000 items");
    vm.clearQueue();
    return stored ? 0 : 1;
}

// A text of a million lines, two in five of them addresses, the rest log lines.
QString logText() {
    QStringList lines;
    lines.reserve(logLines);
    for (int i = 0; i < logLines; ++i) {
        if (i % 5 < 2)
            lines << QString("https://www.youtube.com/watch?v=log%1").arg(i);
        else
            lines << "2026-12-06 12:00:00 [info] worker 7 took job https://example.org/jobs/123";
    }
    return lines.join('\n');
}

// Pastes the text into the queue window's address box with Ctrl+V, then adds it.
int pasteAndAdd() {
    RecordingDialogs dialogs;
    BulkDownloadView view(&dialogs);
    view.show();
    QGuiApplication::clipboard()->setText(logText());
    auto* editor = view.findChild<QPlainTextEdit*>();
    BulkDownloadViewModel* vm = view.viewModel();
    QPushButton* add = nullptr;
    for (QPushButton* each : view.findChildren<QPushButton*>()) {
        if (QString(each->text()).remove('&') == "Add URLs to Queue")
            add = each;
    }
    bool ok = measure(
        "paste a 1000000-line text with 400000 addresses (Ctrl+V)",
        [&] { QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier); },
        [&] { return editor->blockCount() == logAddresses && !editor->isReadOnly(); });
    QSignalSpy added(vm, &BulkDownloadViewModel::urlsAdded);
    ok &= measure(
        "add those 400000 addresses (Add URLs to Queue)", [&] { add->click(); },
        [&] { return !added.isEmpty(); });
    const bool all = vm->downloadItems().size() == logAddresses;
    vm->clearQueue();
    vm->waitUntilSaved();
    return ok && all ? 0 : 1;
}

// Opens a queue window over the stored queue.
int open() {
    RecordingDialogs dialogs;
    std::unique_ptr<BulkDownloadView> view;
    const bool ok = measure(
        "open a queue window over 100000 stored items",
        [&] {
            view = std::make_unique<BulkDownloadView>(&dialogs);
            view->show();
        },
        [&] { return view->viewModel()->downloadItems().size() == storedCount; });
    return ok ? 0 : 1;
}

double residentBytes() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() * 1024;
    }
    return 0;
}

// Loads the stored queue into a queue's controller: what it holds once loaded, per item.
int memory() {
    RecordingDialogs dialogs;
    const double before = residentBytes();
    BulkDownloadViewModel vm(dialogs);
    if (!QTest::qWaitFor([&] { return vm.downloadItems().size() == storedCount; }, 60000))
        return 1;
    QTest::qWait(500); // the reading threads have ended
    std::printf("a queue's controller over %d stored items: %.0f bytes resident per item "
                "(target <= 400)\n",
                storedCount, (residentBytes() - before) / storedCount);
    return 0;
}

// Starts a main window's controller over the stored queue, which shares its settings file,
// and changes a choice it remembers there.
int startMain() {
    RecordingDialogs dialogs;
    std::unique_ptr<MainWindowViewModel> main;
    measure(
        "start a main window's controller over 100000 stored items",
        [&] {
            main = std::make_unique<MainWindowViewModel>(dialogs,
                                                         std::make_shared<IdleToolInstaller>());
        },
        [] { return true; });
    measure(
        "change its format, which it remembers", [&] { main->setSelectedFormat("MP4"); },
        [] { return true; });
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QByteArray child = argc > 1 ? argv[1] : "";
    const bool inChild = !child.isEmpty() && child != "stored";
    // A temporary HOME, made before Qt reads it: the user's own settings stay untouched.
    // Each child inherits it and reads the stored queue from disk, as a new start does.
    std::optional<TestHome> home;
    if (!inChild)
        home.emplace();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (inChild)
        return child == "open" ? open() : child == "memory" ? memory() : startMain();
    // What other programs on this machine make of the stall figures: the same meter over
    // an idle event loop.
    measure(
        "idle event loop for 1 s (this machine's noise)", [] {},
        [] {
            QTest::qWait(1000);
            return true;
        });
    // "bench_queue stored" measures only what concerns the stored queue.
    const bool storedOnly = child == "stored";
    int failed = storedOnly ? 0 : pasteAndAdd() | addToQueues();
    {
        RecordingDialogs dialogs;
        BulkDownloadViewModel vm(dialogs);
        addAndStore(vm, pastedAddresses("a", storedCount));
    }
    for (const char* child : {"open", "main", "memory"}) {
        std::fflush(stdout);
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QCoreApplication::applicationFilePath(), {QString(child)});
        process.waitForFinished(-1);
        failed |= process.exitCode();
    }
    return failed;
}
