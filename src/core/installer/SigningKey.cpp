#include "SigningKey.h"

#include <QFile>
#include <QList>

SigningKey SigningKey::ytDlpRelease() {
    QFile file(":/keys/yt-dlp-release-signing-key.asc");
    file.open(QIODevice::ReadOnly); // compiled in: it opens
    // As yt-dlp publishes it beside the key, so that a different key in its place is refused.
    return {file.readAll(), "AC0CBBE6848D6A873464AF4E57CF65933B5A7581"};
}

QByteArray SigningKey::keyring() const {
    // "-----BEGIN …-----", header lines up to a blank line, the base64 body, then a checksum
    // line "=XXXX" and "-----END …-----".
    QByteArray body;
    bool begun = false, inBody = false;
    for (const QByteArray& rawLine : armored.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (inBody && (line.startsWith('=') || line.startsWith("-----")))
            break;
        if (inBody)
            body += line;
        inBody = inBody || (begun && line.isEmpty());
        begun = begun || line.startsWith("-----BEGIN ");
    }
    const auto decoded =
        QByteArray::fromBase64Encoding(body, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

QString SigningKey::readable(const QString& fingerprint) {
    QStringList groups;
    for (qsizetype at = 0; at < fingerprint.size(); at += 4)
        groups << fingerprint.mid(at, 4);
    return groups.join(' ');
}
