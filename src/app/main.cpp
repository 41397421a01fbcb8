#include "MorviApp.h"
#include "tools/AppUpdater.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    MorviApp morvi([] { return std::make_shared<AppUpdater>(); });
    morvi.showMainWindow();
    return application.exec();
}
