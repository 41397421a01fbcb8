#include "MorviApp.h"
#include "core/app/CommandLine.h"
#include "core/app/SingleInstance.h"
#include "core/tools/AppUpdater.h"

#include <QApplication>
#include <QStandardPaths>
#include <qcoro/qcorotask.h>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Answered before QApplication, which needs a display.
    const CommandLine commandLine = CommandLine::parse(arguments);
    if (commandLine.action() != CommandLine::Action::OpenWindows)
        return commandLine.answer();

    QApplication application(argc, argv);
    SingleInstance instance(QDBusConnection::sessionBus(),
                            QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (!instance.claim())
        return QCoro::waitFor(instance.forward(commandLine.addresses())) ? 0 : 1;

    MorviApp morvi([] { return std::make_shared<AppUpdater>(); });
    QObject::connect(&instance, &SingleInstance::openRequested, &morvi, &MorviApp::openAddresses);
    morvi.openAddresses(commandLine.addresses());
    return application.exec();
}
