// Measures Morvi's main window against a minimal Qt Widgets program: time from
// process start to the first painted frame and resident memory once idle, for the
// programs first_paint_morvi and first_paint_minimal started the same way, and Morvi's beside a
// stored queue of 100,000 items next to an empty one (the main window never shows it); then how
// the open main window copes with 100,000 log entries: total time and the longest
// stall of the main thread; and a downloader flooding hundreds of megabytes of output
// without line breaks or in 64 kB lines, through the main window's controller alone and
// with the window shown; and the Preferences window opened over a home full of browsers: time
// to its first painted frame, and the browser search that runs off the main thread meanwhile.
#include "IdleToolInstaller.h"
#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "core/model/LogModel.h"
#include "core/preferences/PreferencesViewModel.h"
#include "core/single/MainWindowViewModel.h"
#include "gui/app/MorviApp.h"
#include "gui/preferences/PreferencesView.h"
#include "gui/single/MainWindowView.h"
#include "gui/widgets/LogView.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

std::shared_ptr<ToolInstaller> idleInstaller() {
    return std::make_shared<IdleToolInstaller>();
}

struct Startup {
    double paintMs = 0;
    double rssMiB = 0;
};

Startup measureStartup(const QString& program, const QStringList& arguments = {}) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(program, arguments);
    Startup result;
    QByteArray output;
    while (child.waitForReadyRead(10000)) {
        output += child.readAll();
        if (result.paintMs == 0 && output.contains("painted"))
            result.paintMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (output.contains("rss "))
            break;
    }
    child.waitForFinished(10000);
    output += child.readAll();
    const qsizetype at = output.indexOf("rss ");
    result.rssMiB = output.mid(at + 4).trimmed().toDouble() / 1024.0;
    return result;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void benchStartup() {
    constexpr int runs = 15;
    struct Program {
        const char* name;
        QString path;
        QStringList arguments;
        QList<double> paintMs, rssMiB;
    } programs[] = {
        {"minimal window", FIRST_PAINT_MINIMAL, {}, {}, {}},
        {"minimal window with one line of text", FIRST_PAINT_MINIMAL, {"--text"}, {}, {}},
        {"Morvi main window", FIRST_PAINT_MORVI, {}, {}, {}}};
    for (Program& program : programs)
        measureStartup(program.path, program.arguments); // warms the file cache
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            const Startup figures = measureStartup(program.path, program.arguments);
            program.paintMs << figures.paintMs;
            program.rssMiB << figures.rssMiB;
        }
    }
    const Program& minimal = programs[0];
    const Program& morvi = programs[2];
    std::printf("start to first paint, median of %d runs:\n", runs);
    for (const Program& program : programs)
        std::printf("  %-40s %6.1f ms\n", program.name, median(program.paintMs));
    std::printf("  ratio Morvi / minimal window %.2f (target <= 1.5); Morvi / window with text "
                "%.2f\n",
                median(morvi.paintMs) / median(minimal.paintMs),
                median(morvi.paintMs) / median(programs[1].paintMs));
    std::printf("resident memory once idle, median of %d runs:\n", runs);
    for (const Program& program : programs)
        std::printf("  %-40s %6.1f MiB\n", program.name, median(program.rssMiB));
    std::printf("  ratio Morvi / minimal window %.2f (target <= 1.5)\n",
                median(morvi.rssMiB) / median(minimal.rssMiB));
}

void benchStoredQueue() {
    constexpr int pairs = 9;
    const QString shared = SettingsStore().fileName();
    const QString stored = shared + ".stored";
    QueueTesting::storeItems(QueueTesting::numberedItems(100000));
    QFile::rename(shared, stored);
    measureStartup(FIRST_PAINT_MORVI); // warms the file cache, takes the old choices over
    QList<double> emptyMs, storedMs, emptyMiB, storedMiB;
    for (int pair = 0; pair < pairs; ++pair) {
        QFile::remove(shared);
        const Startup empty = measureStartup(FIRST_PAINT_MORVI);
        QFile::copy(stored, shared);
        const Startup full = measureStartup(FIRST_PAINT_MORVI);
        emptyMs << empty.paintMs;
        storedMs << full.paintMs;
        emptyMiB << empty.rssMiB;
        storedMiB << full.rssMiB;
    }
    QFile::remove(stored);
    std::printf("Morvi's first paint beside a stored queue, median of %d pairs: empty queue "
                "%.1f ms, 100000 items %.1f ms, ratio %.2f (target <= 1.2); resident once idle "
                "%.1f and %.1f MiB, %.1f MiB more (target <= 2)\n",
                pairs, median(emptyMs), median(storedMs), median(storedMs) / median(emptyMs),
                median(emptyMiB), median(storedMiB), median(storedMiB) - median(emptyMiB));
}

QString entry(int i) {
    if (i % 20 == 0)
        return "ERROR: [youtube] abc: " + QString(180, u'x') + " (a long line that wraps)";
    if (i % 7 == 0)
        return "[youtube] Extracting URL: https://www.youtube.com/watch?v=abc\n"
               "[youtube] abc: Downloading webpage\n";
    return QString("\r[download] %1% of   14.74MiB at  747.79MiB/s ETA 00:00")
        .arg(i % 1000 / 10.0, 5, 'f', 1);
}

// Appends `total` entries, `perTurn` in each turn of the event loop, with the main
// window open; reports the time until the log view has laid out the last entry and the
// longest time between two turns of the event loop.
void benchLog(int total, int perTurn) {
    MorviApp morvi(idleInstaller);
    MainWindowView* window = morvi.showMainWindow();
    if (!QTest::qWaitForWindowExposed(window))
        std::printf("the main window was never shown\n");
    QTest::qWait(200);
    MainWindowViewModel* model = window->viewModel();
    auto* view = window->findChild<LogView*>();
    const int first = model->logMessages()->rowCount();
    const int last = first + total - 1;

    QElapsedTimer clock, turn;
    qint64 longestStall = 0;
    int appended = 0;
    QTimer appender, heartbeat;
    QObject::connect(&appender, &QTimer::timeout, [&] {
        for (int i = 0; i < perTurn && appended < total; ++i, ++appended)
            model->addLogMessage(entry(appended));
        if (appended == total)
            appender.stop();
    });
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, turn.nsecsElapsed());
        turn.restart();
    });
    clock.start();
    turn.start();
    appender.start(0);
    heartbeat.start(0);
    while (!view->visualRect(last).isValid())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    view->viewport()->repaint();
    const double totalMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    longestStall = std::max(longestStall, turn.nsecsElapsed());
    std::printf("log: %d entries, %d per event-loop turn, with the main window open: %.0f ms "
                "until all are laid out and painted; longest main-thread stall %.1f ms "
                "(target < 50 ms)\n",
                total, perTurn, totalMs, static_cast<double>(longestStall) / 1e6);
}

// Makes the tools folder's downloader print `bytes` of "x", in lines of lineLength
// characters (0: no line break at all).
void installFloodingDownloader(qint64 bytes, int lineLength) {
    FakeTools::install();
    const QString path = FileManagerHelper().ytDlpPath;
    QFile script(path);
    script.open(QIODevice::WriteOnly | QIODevice::Truncate);
    const QString line =
        lineLength > 0
            ? QString("yes \"$(head -c %1 /dev/zero | tr '\\0' x)\" | ").arg(lineLength - 1)
            : QString("tr '\\0' x < /dev/zero | ");
    script.write(QString("#!/bin/sh\n%1head -c %2\n").arg(line).arg(bytes).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

// One download whose tool floods its output; with the window or the controller alone.
void benchFlood(qint64 bytes, int lineLength, bool withWindow) {
    installFloodingDownloader(bytes, lineLength);
    MorviApp morvi(idleInstaller);
    RecordingDialogs dialogs;
    std::unique_ptr<MainWindowViewModel> alone;
    MainWindowViewModel* model = nullptr;
    LogView* view = nullptr;
    if (withWindow) {
        MainWindowView* window = morvi.showMainWindow();
        if (!QTest::qWaitForWindowExposed(window))
            std::printf("the main window was never shown\n");
        model = window->viewModel();
        view = window->findChild<LogView*>();
    } else {
        alone = std::make_unique<MainWindowViewModel>(dialogs, idleInstaller());
        model = alone.get();
    }
    QTest::qWait(200);
    model->setOutputPath(QDir::homePath());
    model->setUrlText("https://youtu.be/x");

    QElapsedTimer clock, turn;
    qint64 longestStall = 0;
    int stalls = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 gap = turn.nsecsElapsed();
        longestStall = std::max(longestStall, gap);
        stalls += gap > 100'000'000 ? 1 : 0;
        turn.restart();
    });
    clock.start();
    turn.start();
    heartbeat.start(0);
    model->startDownload();
    const auto done = [&] {
        return !model->isDownloading() &&
               (!view || view->visualRect(model->logMessages()->rowCount() - 1).isValid());
    };
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (view)
        view->viewport()->repaint();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    std::printf("flood of %.0f MB, %s, %s: %.2f s, %d log entries, longest main-thread stall "
                "%.1f ms, %d stalls over 100 ms\n",
                static_cast<double>(bytes) / 1e6, lineLength > 0 ? "64 kB lines" : "no line break",
                withWindow ? "main window shown" : "controller alone", seconds,
                model->logMessages()->rowCount(), static_cast<double>(longestStall) / 1e6, stalls);
}

// Every browser of the list in all its usual folders with 20 profiles each, Chrome's "Local
// State" grown to 1 MB as a long-used one's is.
void installManyBrowsers() {
    const QString home = QDir::homePath();
    QByteArray firefox, chromium = R"({"profile":{"info_cache":{)";
    for (int i = 0; i < 20; ++i) {
        firefox += QString("[Profile%1]\nName=profile %1\nPath=p%1\n").arg(i).toUtf8();
        chromium += QString(R"("Profile %1":{"name":"Person %1"},)").arg(i).toUtf8();
    }
    chromium += R"("x":{}},"padding":")" + QByteArray(1 << 20, 'x') + R"("}})";
    const QStringList firefoxes{".mozilla/firefox", "snap/firefox/common/.mozilla/firefox",
                                ".var/app/org.mozilla.firefox/.mozilla/firefox"};
    const QStringList others{".config/chromium",       ".config/google-chrome",
                             ".config/vivaldi",        ".config/BraveSoftware/Brave-Browser",
                             ".config/microsoft-edge", "snap/chromium/common/chromium",
                             ".config/opera"};
    for (const QString& folder : firefoxes)
        writeFile(home + "/" + folder + "/profiles.ini", firefox);
    for (const QString& folder : others)
        writeFile(home + "/" + folder + "/Local State", chromium);
    for (int i = 0; i < 20; ++i) {
        for (const QString& folder : firefoxes)
            QDir().mkpath(QString("%1/%2/p%3").arg(home, folder).arg(i));
        for (const QString& folder : others)
            QDir().mkpath(QString("%1/%2/Profile %3").arg(home, folder).arg(i));
    }
}

// Whether any part of the window has been painted.
struct PaintWatch : QObject {
    QWidget* window = nullptr;
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        painted =
            painted || (event->type() == QEvent::Paint && widget && widget->window() == window);
        return false;
    }
};

void benchPreferences() {
    installManyBrowsers();
    MorviApp morvi(idleInstaller);
    QList<double> painted, found;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer clock;
        clock.start();
        PaintWatch watch;
        qApp->installEventFilter(&watch);
        QWidget* window = watch.window = morvi.openWindow("preferences");
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        painted << static_cast<double>(clock.nsecsElapsed()) / 1e6;
        const PreferencesViewModel* model = static_cast<PreferencesView*>(window)->viewModel();
        while (model->lookingForBrowsers())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        found << static_cast<double>(clock.nsecsElapsed()) / 1e6;
        qApp->removeEventFilter(&watch);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("Preferences window over 10 browser folders of 20 profiles each, median of 15: "
                "%.1f ms to its first frame (target < 100 ms); browsers found after %.1f ms\n",
                median(painted), median(found));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestHome home; // the children inherit the temporary home too
    QApplication application(argc, argv);
    // "bench_app preferences" measures only the Preferences window.
    if (argc > 1 && QByteArray(argv[1]) == "preferences") {
        benchPreferences();
        return 0;
    }
    // "bench_app start" measures only the starts, "bench_app queue" only the one beside a
    // stored queue.
    if (argc > 1 && (QByteArray(argv[1]) == "start" || QByteArray(argv[1]) == "queue")) {
        if (QByteArray(argv[1]) == "start")
            benchStartup();
        benchStoredQueue();
        return 0;
    }
    // "bench_app flood [MB]" measures only the floods.
    const bool floodOnly = argc > 1 && QByteArray(argv[1]) == "flood";
    if (!floodOnly) {
        benchStartup();
        benchStoredQueue();
        benchLog(100000, 100);
        benchLog(100000, 1000);
        benchPreferences();
    }
    const qint64 megabytes = argc > 2 ? QByteArray(argv[2]).toLongLong() : 350;
    for (const int lineLength : {0, 64 * 1024}) {
        for (const bool withWindow : {false, true})
            benchFlood(megabytes * 1'000'000, lineLength, withWindow);
    }
    return 0;
}
