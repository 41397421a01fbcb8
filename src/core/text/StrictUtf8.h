#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <optional>

// Decodes bytes that must be UTF-8: no text at all for anything else, rather than a guess
// with replacement characters.
inline std::optional<QString> decodeStrictUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}
