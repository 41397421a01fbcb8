#include "MorviApp.h"

#include "AboutView.h"
#include "core/colour/Contrast.h"
#include "core/desktop/DesktopNotifier.h"
#include "core/installer/ToolInstaller.h"
#include "core/queue/BulkDownloadViewModel.h"
#include "core/single/MainWindowViewModel.h"
#include "gui/cutter/MediaCutterView.h"
#include "gui/preferences/PreferencesView.h"
#include "gui/queue/BulkDownloadView.h"
#include "gui/single/MainWindowView.h"
#include "gui/widgets/WindowNotice.h"

#include <QApplication>
#include <QIcon>

namespace {

// Selected rows and list entries carry their text on the accent, which a platform often
// leaves too light for it: the accent is moved just far enough for 4.5:1. Only these roles
// are set, so the others keep following the desktop.
void makeSelectionLegible() {
    const QPalette platform = QApplication::palette();
    QPalette legible;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const Contrast::Fill fill =
            Contrast::fillFor(platform.color(group, QPalette::Highlight),
                              platform.color(group, QPalette::HighlightedText), {});
        legible.setColor(group, QPalette::Highlight, fill.fill);
        legible.setColor(group, QPalette::HighlightedText, fill.text);
    }
    QApplication::setPalette(legible);
}

} // namespace

MorviApp::MorviApp(InstallerFactory makeInstaller, QObject* parent)
    : QObject(parent)
    , makeInstaller(std::move(makeInstaller))
    , notifier(new DesktopNotifier(this)) {
    QApplication::setOrganizationName("Velnor");
    QApplication::setApplicationName("Morvi");
    QApplication::setApplicationVersion(BuildInfo::version());
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName("com.velnor.Morvi");
    QApplication::setWindowIcon(QIcon(":/morvi.svg"));
    makeSelectionLegible();

    windowKinds = {
        {"bulk-download",
         {QT_TR_NOOP("Bulk Download"),
          [this] {
              return createQueueView();
          }}},
        {"media-cutter",
         {QT_TR_NOOP("Media Cutter"),
          [this] {
              return new MediaCutterView(nullptr, notifier);
          }}},
        {"preferences",
         {QT_TR_NOOP("Preferences"),
          [] {
              return new PreferencesView;
          }}},
        {"about",
         {QT_TR_NOOP("About"),
          [] {
              return new AboutView;
          }}},
    };
}

MorviApp::~MorviApp() {
    delete mainWindow;
    for (const QPointer<QWidget>& window : std::as_const(openWindows))
        delete window;
}

MainWindowView* MorviApp::showMainWindow() {
    mainWindow = new MainWindowView(makeInstaller());
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->setWindowTitle("Morvi"); // the name, in every language
    connect(mainWindow, &MainWindowView::openWindowRequested, this, &MorviApp::openWindow);
    connect(mainWindow->viewModel(), &MainWindowViewModel::downloadEnded, mainWindow,
            [this, window = mainWindow.data()](bool succeeded, const QString& file) {
                // The file says which download finished; a failed one wrote none.
                const QString named =
                    succeeded && !file.isEmpty() ? file : window->viewModel()->urlText();
                WindowNotice::unlessActive(
                    window, *notifier, succeeded ? tr("Download finished") : tr("Download failed"),
                    named);
            });
    mainWindow->show();
    return mainWindow;
}

void MorviApp::openAddresses(const QStringList& addresses) {
    MainWindowView* main = mainWindow ? mainWindow.data() : showMainWindow();
    bringForward(main);
    if (addresses.size() == 1 && fieldTakes(*main->viewModel(), addresses.first()))
        main->viewModel()->setUrlText(addresses.first());
    else if (!addresses.isEmpty())
        appendToQueueBox(addresses);
}

// The address field holds one address: one that would replace another there, or stand
// beside a download, joins the queue's box instead, so that none is lost.
bool MorviApp::fieldTakes(const MainWindowViewModel& single, const QString& address) {
    const QString held = single.urlText().trimmed();
    return !single.isDownloading() && (held.isEmpty() || held == address);
}

QWidget* MorviApp::openWindow(const QString& identifier) {
    const auto kind = windowKinds.constFind(identifier);
    if (kind == windowKinds.constEnd())
        return nullptr;
    QPointer<QWidget>& window = openWindows[identifier];
    if (!window)
        window = createWindow(*kind);
    bringForward(window);
    return window;
}

QWidget* MorviApp::window(const QString& identifier) const {
    return openWindows.value(identifier);
}

void MorviApp::bringForward(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void MorviApp::appendToQueueBox(const QStringList& addresses) {
    auto* queue = static_cast<BulkDownloadView*>(openWindow("bulk-download"));
    BulkDownloadViewModel* model = queue->viewModel();
    QString text = model->urlsText();
    // Whatever the user had typed there stays, on its own line.
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += '\n';
    model->setUrlsText(text + addresses.join('\n'));
}

// While a batch of a closed queue window runs, the new window shows that same controller,
// so only one controller ever writes the stored queue. An ended one is deleted first: its
// last write lands before the new controller reads the store.
QWidget* MorviApp::createQueueView() {
    BulkDownloadViewModel* running = nullptr;
    if (queueController && queueController->hasRunningBatch())
        running = queueController;
    else
        delete queueController;
    auto* view = new BulkDownloadView(nullptr, running);
    queueController = view->viewModel();
    connect(queueController, &BulkDownloadViewModel::batchEnded, view,
            [this, view](int completed, int failed) {
                WindowNotice::unlessActive(
                    view, *notifier, tr("Downloads finished"),
                    tr("%1 completed, %2 failed").arg(completed).arg(failed));
            });
    return view;
}

QWidget* MorviApp::createWindow(const WindowKind& kind) {
    QWidget* window = kind.create();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(tr(kind.title));
    return window;
}
