#include "CommandLine.h"
#include "MorviApp.h"
#include "tools/AppUpdater.h"

#include <QApplication>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Answered before QApplication, which needs a display.
    const CommandLine commandLine = CommandLine::parse(arguments);
    if (commandLine.action() != CommandLine::Action::OpenWindows)
        return commandLine.answer();

    QApplication application(argc, argv);
    MorviApp morvi([] { return std::make_shared<AppUpdater>(); });
    morvi.showMainWindow();
    return application.exec();
}
