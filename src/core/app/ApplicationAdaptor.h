#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>
#include <QVariantMap>
#include <functional>

// The freedesktop "org.freedesktop.Application" interface through which the desktop
// (or a second start of Morvi) asks the running Morvi to come forward or open addresses.
class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    using Opener = std::function<void(const QStringList& addresses)>;

    // open receives the web addresses of each request, none for a plain activation.
    ApplicationAdaptor(QObject* exported, Opener open);

public slots:
    void Activate(const QVariantMap& platformData);
    // Anything but an http or https address is left out.
    void Open(const QStringList& uris, const QVariantMap& platformData);
    // Morvi declares no actions, so there is none to run.
    void ActivateAction(const QString& actionName, const QVariantList& parameter,
                        const QVariantMap& platformData);

private:
    const Opener open;
};
