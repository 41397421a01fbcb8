#pragma once

#include "LocalSocketInstance.h"
#include "SessionBusInstance.h"

// Keeps Morvi to one process per user session, so that one queue controller alone writes
// the stored queue. The running Morvi owns the session bus name and, with or without a
// bus, the lock and socket in the runtime folder; a later start hands its addresses over
// and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // bus may be unconnected (no session bus); folder is the user's runtime folder.
    SingleInstance(const QDBusConnection& bus, const QString& folder, QObject* parent = nullptr);

    // True when this process is to be the running Morvi.
    bool claim();
    // Hands the addresses to the running Morvi, the way claim found it; true when it took them.
    QCoro::Task<bool> forward(QStringList addresses);

signals:
    // A later start handed these addresses over (none: it asked only to come forward).
    void openRequested(const QStringList& addresses);

private:
    const bool busConnected;
    SessionBusInstance busInstance;
    LocalSocketInstance socketInstance;
    bool runningOneOnBus = false;
};
