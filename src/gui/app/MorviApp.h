#pragma once

#include "core/app/QueueControllerKeeper.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <functional>
#include <memory>

class DesktopNotifier;
class MainWindowView;
class QWidget;
class ToolInstaller;

// The application: shows the main window at launch and opens the other windows by
// their identifiers "bulk-download", "media-cutter", "preferences" and "about". Each window makes
// its own controller when it is created and ends it when it is closed.
class MorviApp : public QObject {
    Q_OBJECT
public:
    using InstallerFactory = std::function<std::shared_ptr<ToolInstaller>()>;

    // makeInstaller gives each main window the tool installer of its tool check.
    explicit MorviApp(InstallerFactory makeInstaller, QObject* parent = nullptr);
    // Closes the windows still open, which ends their downloads.
    ~MorviApp() override;

    MainWindowView* showMainWindow();
    // What a start of Morvi with these web addresses asks for (see AddressRouting).
    void openAddresses(const QStringList& addresses);
    // Opens the window of that identifier, or brings it forward when it is open already.
    // Returns it, or nullptr for an identifier that names no window.
    QWidget* openWindow(const QString& identifier);
    // The open window of that identifier, if any.
    QWidget* window(const QString& identifier) const;

private:
    struct WindowKind {
        // As written in the sources; translated when a window is made.
        const char* title;
        std::function<QWidget*()> create;
    };

    QWidget* createWindow(const WindowKind& kind);
    static void giveWindowIcon();
    static void bringForward(QWidget* window);
    QWidget* createQueueView();

    InstallerFactory makeInstaller;
    // Announces the end of a download, a queue batch or a cut in a window the user is
    // not looking at.
    DesktopNotifier* notifier;
    QHash<QString, WindowKind> windowKinds;
    QHash<QString, QPointer<QWidget>> openWindows;
    QPointer<MainWindowView> mainWindow;
    QueueControllerKeeper queueControllers;
};
