#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <qcoro/qcorotask.h>

// Morvi's presence where there is no session bus: the one running Morvi holds a lock file
// and listens on a local socket beside it in the user's runtime folder; a later start
// sends its addresses there, one per line.
class LocalSocketInstance : public QObject {
    Q_OBJECT
public:
    // folder is the user's runtime folder (private to the user).
    explicit LocalSocketInstance(const QString& folder, QObject* parent = nullptr);

    // Takes the lock and listens; true when this process got the lock, which makes it the
    // running one. Of several processes starting at once, exactly one gets the lock; a lock
    // left by a process that ended is taken over.
    bool claim();
    // Sends the addresses (none: come forward) to the running one, waiting a few seconds
    // for it to listen when it is still starting; true once they were delivered.
    QCoro::Task<bool> forward(QStringList addresses);

signals:
    void openRequested(const QStringList& addresses);

private:
    void receive();

    const QString socketPath;
    QLockFile lock;
    QLocalServer server;
};
