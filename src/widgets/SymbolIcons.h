#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace SymbolIcons {
// The icon for a symbol name such as "arrow.down.circle.fill": the desktop theme's
// symbolic icon when the theme has one, else Morvi's own drawing, in one colour.
QIcon icon(const QString& symbol, const QColor& colour);
} // namespace SymbolIcons
