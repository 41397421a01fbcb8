#include "ChecksumList.h"

#include <QList>

std::optional<QByteArray> ChecksumList::sumFor(const QByteArray& list, const QString& assetName) {
    const QByteArray wanted = assetName.toUtf8();
    for (const QByteArray& line : list.split('\n')) {
        const QByteArray entry = line.trimmed();
        const qsizetype gap = entry.indexOf(' ');
        QByteArray name = gap > 0 ? entry.sliced(gap).trimmed() : QByteArray();
        if (name.startsWith('*'))
            name.remove(0, 1);
        if (!name.isEmpty() && name == wanted)
            return entry.first(gap).toLower();
    }
    return std::nullopt;
}
