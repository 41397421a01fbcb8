#include "WebAddress.h"

bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

bool isWebAddress(const QString& text) {
    return isWebAddress(QUrl(text, QUrl::StrictMode));
}
