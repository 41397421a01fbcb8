#include "SymbolButton.h"

#include "SymbolIcons.h"

#include <QEvent>

SymbolButton::SymbolButton(const QString& text, const QString& symbol, Style style, QWidget* parent)
    : QPushButton(text, parent)
    , symbol(symbol)
    , style(style) {
    followPalette();
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
    if (style == Style::prominent) {
        // Only these two roles are our own; the others keep following the window.
        const QPalette inherited = palette();
        QPalette accent;
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            // The style lightens button faces; start darker so white text stays legible.
            accent.setColor(group, QPalette::Button,
                            inherited.color(group, QPalette::Highlight).darker(135));
            accent.setColor(group, QPalette::ButtonText,
                            inherited.color(group, QPalette::HighlightedText));
        }
        setPalette(accent);
    }
    if (!symbol.isEmpty())
        setIcon(SymbolIcons::icon(symbol, palette().color(QPalette::ButtonText)));
    restyling = false;
}
