#pragma once

#include <QPushButton>

// A push button with an optional symbol icon drawn in the button's text colour; the
// prominent kind is filled with the accent colour, and a segment (one choice of an
// exclusive row) is filled so while it is checked. Both fills are painted here rather than
// by the style, which would lighten them: a fill stands out from what surrounds it (3:1),
// carries its text legibly (4.5:1), a checked segment also while disabled. All follow
// palette changes and show keyboard focus with a ring that stands out on the accent too.
class SymbolButton : public QPushButton {
    Q_OBJECT
public:
    enum class Style { bordered, prominent, segment };

    explicit SymbolButton(const QString& text, const QString& symbol = {},
                          Style style = Style::bordered, QWidget* parent = nullptr);

    // Where a segment sits in its row: only the row's outer corners are rounded, and
    // neighbours share one edge.
    void setSegmentEdges(bool first, bool last);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void followPalette();
    bool filled() const;
    void paintFace(QPainter& painter);
    void paintFocusRing(QPainter& painter);

    QString symbol;
    Style style;
    bool firstSegment = true;
    bool lastSegment = true;
    bool restyling = false;
};
