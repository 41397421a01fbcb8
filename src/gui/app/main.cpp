#include "FontConfigurationPreload.h"
#include "MorviApp.h"
#include "core/app/CommandLine.h"
#include "core/app/SingleInstance.h"
#include "core/app/Translations.h"
#include "core/installer/AppUpdater.h"

#include <QApplication>
#include <QStandardPaths>
#include <qcoro/qcorotask.h>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = CommandLine::parse(arguments);
    // Answered without QApplication, which needs a display, but in the user's language:
    // read again once the translations, the parser's own among them, are in place.
    if (commandLine.action() != CommandLine::Action::OpenWindows) {
        const QCoreApplication answering(argc, argv);
        const Translations translations;
        return CommandLine::parse(arguments).answer();
    }

    FontConfigurationPreload fontConfiguration;
    QApplication application(argc, argv);
    const Translations translations;
    SingleInstance instance(QDBusConnection::sessionBus(),
                            QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (!instance.claim())
        return QCoro::waitFor(instance.forward(commandLine.addresses())) ? 0 : 1;

    MorviApp morvi([] { return std::make_shared<AppUpdater>(); });
    fontConfiguration.finish();
    QObject::connect(&instance, &SingleInstance::openRequested, &morvi, &MorviApp::openAddresses);
    morvi.openAddresses(commandLine.addresses());
    return application.exec();
}
