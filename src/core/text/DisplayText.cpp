#include "DisplayText.h"

QString DisplayText::capped(const QString& text) {
    if (text.size() <= limit)
        return text;
    const qsizetype cut = text.at(limit - 1).isHighSurrogate() ? limit - 1 : limit;
    return text.first(cut) + u'…';
}
