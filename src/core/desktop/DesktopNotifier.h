#pragma once

#include "Notifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <optional>

// Notifications through the freedesktop notification service
// ("org.freedesktop.Notifications") on a D-Bus bus, the session bus unless told
// otherwise. Without the bus or the service nothing is shown, and nothing is reported:
// many desktops and every headless session have neither.
class DesktopNotifier : public QObject, public Notifier {
    Q_OBJECT
public:
    // On the session bus, which it connects to when the first notification is sent.
    explicit DesktopNotifier(QObject* parent = nullptr);
    DesktopNotifier(const QDBusConnection& bus, QObject* parent = nullptr);

    void notify(const QString& summary, const QString& body,
                std::function<void()> onActivated) override;

private slots:
    void actionInvoked(uint id, const QString& action);
    void closed(uint id);

private:
    void connectBus();

    std::optional<QDBusConnection> bus;
    bool subscribed = false;
    // What activating each shown notification does, by the id the service gave it.
    QHash<uint, std::function<void()>> activations;
};
