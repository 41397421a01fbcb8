// Morvi's start as the application's entry does it, for bench_app; only the tool
// installer is one that fetches nothing, so that no network is involved.
#include "FirstPaintReporter.h"
#include "IdleToolInstaller.h"
#include "gui/app/FontConfigurationPreload.h"
#include "gui/app/MorviApp.h"
#include "gui/single/MainWindowView.h"

#include <QApplication>

int main(int argc, char** argv) {
    FontConfigurationPreload fontConfiguration;
    QApplication application(argc, argv);
    FirstPaintReporter reporter;
    MorviApp morvi([] { return std::make_shared<IdleToolInstaller>(); });
    fontConfiguration.finish();
    morvi.showMainWindow()->installEventFilter(&reporter);
    return application.exec();
}
