#include "DesktopNotifier.h"

#include "core/diagnostics/Diagnostics.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString service = "org.freedesktop.Notifications";
const QString path = "/org/freedesktop/Notifications";
const QString interface = "org.freedesktop.Notifications";
// Ties the notification to the installed desktop entry and its name; "morvi" is the icon.
const QString desktopEntry = "com.velnor.Morvi";

} // namespace

DesktopNotifier::DesktopNotifier(QObject* parent)
    : QObject(parent) {}

DesktopNotifier::DesktopNotifier(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , bus(bus) {}

void DesktopNotifier::connectBus() {
    // Connecting and subscribing cost round trips, so they wait for the first notification.
    if (!bus)
        bus = QDBusConnection::sessionBus();
    if (!bus->isConnected())
        return;
    bus->connect(service, path, interface, "ActionInvoked", this,
                 SLOT(actionInvoked(uint, QString)));
    bus->connect(service, path, interface, "NotificationClosed", this, SLOT(closed(uint)));
}

void DesktopNotifier::notify(const QString& summary, const QString& body,
                             std::function<void()> onActivated) {
    if (!subscribed) {
        subscribed = true;
        connectBus();
    }
    if (!bus->isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, "Notify");
    // The "default" action is what activating the notification itself invokes.
    //: A notification's action: brings the window forward.
    const QStringList actions{"default", tr("Open")};
    const QVariantMap hints{{"desktop-entry", desktopEntry}};
    call << QString("Morvi") << 0u << QString("morvi") << summary << body << actions << hints << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, onActivated = std::move(onActivated)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError()) {
                    qCDebug(lcDesktop) << "no notification shown:" << reply.error().message();
                    return;
                }
                activations.insert(reply.value(), onActivated);
            });
}

void DesktopNotifier::actionInvoked(uint id, const QString& action) {
    if (action != "default")
        return;
    if (const auto activate = activations.take(id))
        activate();
}

void DesktopNotifier::closed(uint id) {
    activations.remove(id);
}
