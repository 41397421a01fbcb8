#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace SymbolIcons {
// The icon for a symbol name such as "arrow.down.circle.fill": the desktop theme's
// symbolic icon when the theme has one, else Morvi's own drawing, in one colour, and
// in disabledColour for a disabled control (a faded colour when none is given). Drawn
// afresh at every size and scale asked for, so it stays sharp at 1×, 1.5× and 2×.
QIcon icon(const QString& symbol, const QColor& colour, const QColor& disabledColour = {});
} // namespace SymbolIcons
