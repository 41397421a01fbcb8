#include "SessionBusInstance.h"

#include "ApplicationAdaptor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <qcoro/qcorodbuspendingcall.h>

SessionBusInstance::SessionBusInstance(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , bus(bus) {
    new ApplicationAdaptor(this,
                           [this](const QStringList& addresses) { emit openRequested(addresses); });
}

SessionBusInstance::~SessionBusInstance() {
    if (!claimed)
        return;
    bus.unregisterService(serviceName);
    bus.unregisterObject(objectPath);
}

bool SessionBusInstance::claim() {
    // The object is there before the name, so a caller that sees the name finds it.
    if (!bus.registerObject(objectPath, this))
        return false;
    const auto reply =
        bus.interface()->registerService(serviceName, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    claimed = reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
    if (!claimed)
        bus.unregisterObject(objectPath);
    return claimed;
}

QCoro::Task<bool> SessionBusInstance::forward(QStringList addresses) {
    const QString interface = "org.freedesktop.Application";
    QDBusMessage call = QDBusMessage::createMethodCall(serviceName, objectPath, interface,
                                                       addresses.isEmpty() ? "Activate" : "Open");
    if (!addresses.isEmpty())
        call << addresses;
    call << QVariantMap();
    // Only the running Morvi is asked; the bus is not to start another one for this call.
    call.setAutoStartService(false);
    const QDBusMessage reply = co_await bus.asyncCall(call);
    co_return reply.type() == QDBusMessage::ReplyMessage;
}
