#include "ApplicationAdaptor.h"

#include "core/text/WebAddress.h"

ApplicationAdaptor::ApplicationAdaptor(QObject* exported, Opener open)
    : QDBusAbstractAdaptor(exported)
    , open(std::move(open)) {}

void ApplicationAdaptor::Activate(const QVariantMap&) {
    open({});
}

void ApplicationAdaptor::Open(const QStringList& uris, const QVariantMap&) {
    QStringList addresses;
    for (const QString& uri : uris) {
        if (isWebAddress(uri))
            addresses << uri;
    }
    open(addresses);
}

void ApplicationAdaptor::ActivateAction(const QString&, const QVariantList&, const QVariantMap&) {}
