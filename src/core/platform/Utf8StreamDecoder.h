#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Decodes one output stream of a tool, read in chunks, as UTF-8. A character split across two
// reads is carried over to the next chunk instead of spoiling both; a chunk that holds bytes
// invalid in the stream decodes to empty text, never to a guess with replacement characters.
class Utf8StreamDecoder {
public:
    // The text of chunk's complete characters, or nothing when the chunk completed none.
    std::optional<QString> decode(const QByteArray& chunk);
    // The stream ended: empty text when it ended inside a character, otherwise nothing.
    std::optional<QString> finish();

private:
    QByteArray carried;
};
