#include "SymbolButton.h"

#include "SymbolIcons.h"
#include "core/colour/Contrast.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

namespace {

constexpr qreal cornerRadius = 5;

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

void SymbolButton::setSegmentEdges(bool first, bool last) {
    firstSegment = first;
    lastSegment = last;
    update();
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
        QPalette own;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            // A disabled prominent button looks like any other disabled button.
            if (group == QPalette::Disabled && style == Style::prominent)
                continue;
            const auto enabled = group == QPalette::Disabled ? QPalette::Active : group;
            QColor accent = inherited.color(enabled, QPalette::Highlight);
            // A checked segment of a disabled row stays recognisable, greyed.
            if (group == QPalette::Disabled)
                accent.setHslF(accent.hslHueF(), accent.hslSaturationF() * 0.3f,
                               accent.lightnessF());
            // It stands out from its unchecked neighbours, or from the window.
            const QColor around = inherited.color(
                group, style == Style::segment ? QPalette::Button : QPalette::Window);
            const Contrast::Fill fill = Contrast::fillFor(
                accent, inherited.color(enabled, QPalette::HighlightedText), {around});
            own.setColor(group, QPalette::Button, fill.fill);
            own.setColor(group, QPalette::ButtonText, fill.text);
        }
        setPalette(own);
    }
    if (!symbol.isEmpty())
        setIcon(SymbolIcons::icon(symbol, palette().color(QPalette::ButtonText),
                                  palette().color(QPalette::Disabled, QPalette::ButtonText)));
    restyling = false;
}

void SymbolButton::paintEvent(QPaintEvent* event) {
    if (style == Style::bordered)
        QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (style != Style::bordered)
        paintFace(painter);
    if (hasFocus())
        paintFocusRing(painter);
}

void SymbolButton::paintFace(QPainter& painter) {
    const QPalette::ColorGroup group = !isEnabled()       ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    const QPalette& colours = palette();
    QColor fill = colours.color(group, QPalette::Button);
    const QColor text = colours.color(group, QPalette::ButtonText);
    if (isEnabled() && (isDown() || (underMouse() && !filled())))
        fill = Contrast::blend(fill, text, isDown() ? 0.16 : 0.08);
    // An enabled prominent button is its fill; anything else keeps a visible edge.
    const QColor outline =
        style == Style::prominent && isEnabled()
            ? fill
            : Contrast::readableOn(colours.color(group, QPalette::Mid),
                                   {colours.color(group, QPalette::Window)}, 3.0);

    // Inner edges of a segment are square: the shape reaches past them and is clipped. The
    // left edge belongs to the neighbour before; the right one is drawn here.
    QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (style == Style::segment && !firstSegment)
        shape.setLeft(-cornerRadius);
    if (style == Style::segment && !lastSegment)
        shape.setRight(width() + cornerRadius);
    QPainterPath path;
    path.addRoundedRect(shape, cornerRadius, cornerRadius);
    painter.save();
    painter.setClipRect(rect());
    painter.fillPath(path, fill);
    painter.strokePath(path, QPen(outline, 1));
    if (style == Style::segment && !lastSegment)
        painter.fillRect(QRect(width() - 1, 0, 1, height()), outline);
    painter.restore();

    QStyleOptionButton label;
    initStyleOption(&label);
    label.palette.setCurrentColorGroup(group);
    QWidget::style()->drawControl(QStyle::CE_PushButtonLabel, &label, &painter, this);
}

void SymbolButton::paintFocusRing(QPainter& painter) {
    // The style's focus outline is drawn in the accent colour, which a filled button
    // swallows: a ring in the text colour inside the edge shows focus on any fill.
    QPainterPath ring;
    ring.addRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
    painter.strokePath(ring, QPen(palette().color(QPalette::ButtonText), 1.5));
}
