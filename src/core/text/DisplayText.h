#pragma once

#include <QString>

namespace DisplayText {

// Texts a site or a tool shapes (a title, an uploader, an error line) can be megabytes long:
// a label that lays one out would hold up its window for seconds. More than this is not shown.
inline constexpr qsizetype limit = 1000;

// The text, cut after limit characters with "…" when it is longer; a character made of two
// UTF-16 units is never cut in half.
QString capped(const QString& text);

} // namespace DisplayText
