#pragma once

#include <QColor>
#include <QList>

// Text colours that stay readable on their background, as WCAG measures it.
namespace ReadableColour {

// The WCAG contrast ratio of two colours, from 1 (same luminance) to 21.
double contrastRatio(const QColor& first, const QColor& second);

// The colour itself when it has a contrast of at least minimum on every background,
// else the nearest shade of it (darker on light backgrounds, lighter on dark ones) that has.
QColor onBackgrounds(const QColor& colour, const QList<QColor>& backgrounds, double minimum = 4.5);

} // namespace ReadableColour
