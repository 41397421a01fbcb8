#pragma once

#include <QColor>
#include <QList>
#include <QPalette>

// Legibility of text colours by the WCAG rule: relative luminance and contrast ratio. The
// colours it makes are eight bits a channel, as drawn, and reach their contrasts as drawn.
namespace Contrast {
// The colour amount (0 to 1) of the way from one colour to the other.
QColor blend(const QColor& from, const QColor& to, double amount);
// From 1 (the same luminance) to 21 (black on white).
double ratio(const QColor& foreground, const QColor& background);
// The secondary colour when it reaches 4.5:1 on the background; else that colour moved
// towards the primary text colour just far enough to reach it.
QColor legibleSecondary(const QColor& secondary, const QColor& text, const QColor& background);
// The colour itself when it has a contrast of at least minimum on every background, else
// the nearest shade of it (darker on light backgrounds, lighter on dark ones) that has.
QColor readableOn(const QColor& colour, const QList<QColor>& backgrounds, double minimum = 4.5);

// The outline of a focused field: the accent made to stand out (3:1) from the field and the
// window around it.
QColor focusAccent(const QPalette& palette);

// A fill such as the accent behind a chosen segment or a prominent button, with its text.
struct Fill {
    QColor fill;
    QColor text;
};
// The shade of colour nearest to it that stands out (3:1) from every surrounding colour and
// carries its text legibly (4.5:1). The text is the preferred colour where such a shade
// exists, else black or white: white text on a dark neighbour needs a fill too dark to
// stand out from it.
Fill fillFor(const QColor& colour, const QColor& preferredText, const QList<QColor>& surroundings);
} // namespace Contrast
