#include "SingleInstance.h"

SingleInstance::SingleInstance(const QDBusConnection& bus, const QString& folder, QObject* parent)
    : QObject(parent)
    , busConnected(bus.isConnected())
    , busInstance(bus)
    , socketInstance(folder) {
    connect(&busInstance, &SessionBusInstance::openRequested, this, &SingleInstance::openRequested);
    connect(&socketInstance, &LocalSocketInstance::openRequested, this,
            &SingleInstance::openRequested);
}

bool SingleInstance::claim() {
    if (busConnected && !busInstance.claim()) {
        runningOneOnBus = true;
        return false;
    }
    // Also with a bus: a Morvi started where the bus could not be reached may be running.
    return socketInstance.claim();
}

QCoro::Task<bool> SingleInstance::forward(QStringList addresses) {
    if (runningOneOnBus)
        co_return co_await busInstance.forward(addresses);
    co_return co_await socketInstance.forward(addresses);
}
