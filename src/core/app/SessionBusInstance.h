#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <qcoro/qcorotask.h>

// Morvi's presence on the session bus: the one running Morvi owns the name
// "com.velnor.Morvi" and serves org.freedesktop.Application at "/com/velnor/Morvi";
// a later start reaches it there.
class SessionBusInstance : public QObject {
    Q_OBJECT
public:
    static constexpr const char* serviceName = "com.velnor.Morvi";
    static constexpr const char* objectPath = "/com/velnor/Morvi";

    explicit SessionBusInstance(const QDBusConnection& bus, QObject* parent = nullptr);
    // Gives the name back, so that the next start becomes the running one.
    ~SessionBusInstance() override;

    // Asks the bus for the name; true when this process got it. The bus hands the name to
    // exactly one of several processes asking at once.
    bool claim();
    // Asks the name's owner to open these addresses (none: to come forward); true once it
    // answered.
    QCoro::Task<bool> forward(QStringList addresses);

signals:
    // Another process asked this one, as the name's owner, to open these addresses.
    void openRequested(const QStringList& addresses);

private:
    QDBusConnection bus;
    bool claimed = false;
};
