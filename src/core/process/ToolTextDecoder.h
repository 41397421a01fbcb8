#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <optional>
#include <utility>

// Decodes one output stream of a tool, read in chunks, as UTF-8 with Qt's stateful decoder:
// a character split across two reads is completed by the next. A chunk that holds bytes
// invalid in the stream decodes to empty text, never to a guess with replacement
// characters, and leaves the next chunk unharmed.
class ToolTextDecoder : private QStringDecoder {
public:
    ToolTextDecoder()
        : QStringDecoder(QStringDecoder::Utf8) {}

    // The text of chunk's complete characters, or nothing when the chunk completed none.
    std::optional<QString> decode(const QByteArray& chunk) {
        QString text = QStringDecoder::decode(chunk);
        // Qt counts the invalid bytes of the whole stream; only this chunk's count here.
        if (std::exchange(state.invalidChars, 0) != 0)
            return QString();
        if (text.isEmpty())
            return std::nullopt;
        return text;
    }

    // The stream ended: empty text when it ended inside a character, otherwise nothing.
    std::optional<QString> finish() {
        if (state.remainingChars == 0)
            return std::nullopt;
        resetState();
        return QString();
    }
};
