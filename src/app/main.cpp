#include "MorviApp.h"
#include "PendingToolInstaller.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    MorviApp morvi([] { return std::make_shared<PendingToolInstaller>(); });
    morvi.showMainWindow();
    return application.exec();
}
