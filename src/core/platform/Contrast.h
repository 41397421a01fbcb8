#pragma once

#include <QColor>
#include <QList>

// Legibility of text colours by the WCAG rule: relative luminance and contrast ratio.
namespace Contrast {
// From 1 (the same luminance) to 21 (black on white).
double ratio(const QColor& foreground, const QColor& background);
// The secondary colour when it reaches 4.5:1 on the background; else that colour moved
// towards the primary text colour just far enough to reach it.
QColor legibleSecondary(const QColor& secondary, const QColor& text, const QColor& background);
// The colour itself when it has a contrast of at least minimum on every background, else
// the nearest shade of it (darker on light backgrounds, lighter on dark ones) that has.
QColor readableOn(const QColor& colour, const QList<QColor>& backgrounds, double minimum = 4.5);
} // namespace Contrast
