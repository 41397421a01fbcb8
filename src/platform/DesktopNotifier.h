#pragma once

#include "Notifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>

// Notifications through the freedesktop notification service
// ("org.freedesktop.Notifications") on a D-Bus bus, the session bus unless told
// otherwise. Without the bus or the service nothing is shown, and nothing is reported:
// many desktops and every headless session have neither.
class DesktopNotifier : public QObject, public Notifier {
    Q_OBJECT
public:
    explicit DesktopNotifier(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                             QObject* parent = nullptr);

    void notify(const QString& summary, const QString& body,
                std::function<void()> onActivated) override;

private slots:
    void actionInvoked(uint id, const QString& action);
    void closed(uint id);

private:
    void listen();

    QDBusConnection bus;
    bool listening = false;
    // What activating each shown notification does, by the id the service gave it.
    QHash<uint, std::function<void()>> activations;
};
