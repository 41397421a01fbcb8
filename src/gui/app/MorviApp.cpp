#include "MorviApp.h"

#include "AboutView.h"
#include "core/app/AddressRouting.h"
#include "core/colour/Contrast.h"
#include "core/desktop/DesktopNotifier.h"
#include "core/installer/ToolInstaller.h"
#include "core/preferences/PreferencesViewModel.h"
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
    makeSelectionLegible();

    windowKinds = {
        {"bulk-download",
         //: A window's title: the download queue.
         {QT_TR_NOOP("Bulk Download"),
          [this] {
              return createQueueView();
          }}},
        {"media-cutter",
         //: A window's title: cuts a part out of a local media file.
         {QT_TR_NOOP("Media Cutter"),
          [this] {
              return new MediaCutterView(nullptr, notifier);
          }}},
        {"preferences",
         //: A window's title.
         {QT_TR_NOOP("Preferences"),
          [this] {
              auto* view = new PreferencesView;
              // Its file name preview and subtitle languages follow the main window's address.
              if (mainWindow)
                  view->viewModel()->followDescription(
                      mainWindow->viewModel()->addressDescription());
              return view;
          }}},
        {"about",
         //: A window's title: about Morvi.
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
    connect(mainWindow, &MainWindowView::frameShown, this, &MorviApp::giveWindowIcon);
    connect(mainWindow->viewModel(), &MainWindowViewModel::preferencesRequested, this,
            [this] { openWindow("preferences"); });
    connect(mainWindow->viewModel(), &MainWindowViewModel::downloadEnded, mainWindow,
            [this, window = mainWindow.data()](bool succeeded, const QString& file) {
                // The file says which download finished; a failed one wrote none.
                const QString named =
                    succeeded && !file.isEmpty() ? file : window->viewModel()->urlText();
                //: A notification's title: the main window's download has ended well.
                const QString finished = tr("Download finished");
                //: A notification's title: the main window's download has failed.
                const QString failed = tr("Download failed");
                WindowNotice::unlessActive(window, *notifier, succeeded ? finished : failed, named);
            });
    mainWindow->show();
    return mainWindow;
}

void MorviApp::openAddresses(const QStringList& addresses) {
    const AddressRouting::Windows windows{
        [this]() -> MainWindowViewModel& {
            MainWindowView* main = mainWindow ? mainWindow.data() : showMainWindow();
            bringForward(main);
            return *main->viewModel();
        },
        [this]() -> BulkDownloadViewModel& {
            return *static_cast<BulkDownloadView*>(openWindow("bulk-download"))->viewModel();
        }};
    AddressRouting::open(addresses, windows);
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

QWidget* MorviApp::createQueueView() {
    auto* view = new BulkDownloadView(nullptr, queueControllers.forNewWindow());
    queueControllers.keep(view->viewModel());
    connect(view->viewModel(), &BulkDownloadViewModel::batchEnded, view,
            [this, view](int completed, int failed) {
                //: How the queue's items ended, in a notification: completed ones, failed ones.
                const QString counts = tr("%1, %2").arg(
                    //: Queue items that were downloaded, in a notification.
                    tr("%Ln completed", nullptr, completed),
                    //: Queue items whose download failed, in a notification.
                    tr("%Ln failed", nullptr, failed));
                //: A notification's title: the queue's batch has ended.
                WindowNotice::unlessActive(view, *notifier, tr("Downloads finished"), counts);
            });
    return view;
}

// Morvi's icon is drawn from its SVG in each size an X11 window carries, which held up the main
// window's first frame by about 2 ms: the windows receive it once that frame is drawn.
void MorviApp::giveWindowIcon() {
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(QIcon(":/morvi.svg"));
}

QWidget* MorviApp::createWindow(const WindowKind& kind) {
    giveWindowIcon();
    QWidget* window = kind.create();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(tr(kind.title));
    return window;
}
