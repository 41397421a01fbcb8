#include "SymbolButton.h"

#include "SymbolIcons.h"
#include "core/platform/Contrast.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// The accent darkened until the text on it is legible; the style lightens button faces,
// so it starts darker than the accent.
QColor accentFill(const QColor& accent, const QColor& text) {
    QColor fill = accent.darker(135);
    for (int step = 0; step < 10 && Contrast::ratio(text, fill) < 4.5; ++step)
        fill = fill.darker(115);
    return fill;
}

} // namespace

SymbolButton::SymbolButton(const QString& text, const QString& symbol, Style style, QWidget* parent)
    : QPushButton(text, parent)
    , symbol(symbol)
    , style(style) {
    if (style == Style::segment) {
        setCheckable(true);
        connect(this, &QPushButton::toggled, this, &SymbolButton::followPalette);
    }
    followPalette();
}

bool SymbolButton::filled() const {
    return style == Style::prominent || (style == Style::segment && isChecked());
}

void SymbolButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (!restyling && (event->type() == QEvent::PaletteChange ||
                       event->type() == QEvent::ApplicationPaletteChange))
        followPalette();
}

void SymbolButton::followPalette() {
    // Setting our own colours raises another palette change, which must not recurse.
    restyling = true;
    // Only these two roles are our own; the others keep following the window.
    setPalette(QPalette());
    if (filled()) {
        const QPalette inherited = palette();
        QPalette accent;
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            const QColor text = inherited.color(group, QPalette::HighlightedText);
            accent.setColor(group, QPalette::Button,
                            accentFill(inherited.color(group, QPalette::Highlight), text));
            accent.setColor(group, QPalette::ButtonText, text);
        }
        // A checked segment stays recognisable while its row is disabled, half-toned.
        if (style == Style::segment) {
            QColor muted = accent.color(QPalette::Active, QPalette::Button);
            muted.setAlphaF(0.5);
            accent.setColor(QPalette::Disabled, QPalette::Button, muted);
        }
        setPalette(accent);
    }
    if (!symbol.isEmpty())
        setIcon(SymbolIcons::icon(symbol, palette().color(QPalette::ButtonText),
                                  palette().color(QPalette::Disabled, QPalette::ButtonText)));
    restyling = false;
}

void SymbolButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    // The style's focus outline is drawn in the accent colour, which a filled button
    // swallows: a ring in the text colour inside the edge shows focus on any fill.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath ring;
    ring.addRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
    painter.strokePath(ring, QPen(palette().color(QPalette::ButtonText), 1.5));
}
