#include "WebAddress.h"

bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

bool isWebAddress(const QString& text) {
    return isWebAddress(QUrl(text, QUrl::StrictMode));
}

QStringList webAddressesIn(QStringView text) {
    QStringList found;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= text.size(); ++at) {
        if (at < text.size() && !text[at].isSpace())
            continue;
        // Only a word that starts like one is read as an address: a long text reads fast.
        const QStringView word = text.sliced(start, at - start);
        if (word.startsWith(u"http", Qt::CaseInsensitive) && isWebAddress(word.toString()))
            found << word.toString();
        start = at + 1;
    }
    return found;
}
