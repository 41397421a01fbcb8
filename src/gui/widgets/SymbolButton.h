#pragma once

#include <QPushButton>

// A push button with an optional symbol icon drawn in the button's text colour; the
// prominent kind is filled with the accent colour, and a segment (one choice of an
// exclusive row) is filled so while it is checked. All follow palette changes, keep
// their text legible on the accent (4.5:1), and show keyboard focus with a ring that
// stands out on the accent too.
class SymbolButton : public QPushButton {
    Q_OBJECT
public:
    enum class Style { bordered, prominent, segment };

    explicit SymbolButton(const QString& text, const QString& symbol = {},
                          Style style = Style::bordered, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void followPalette();
    bool filled() const;

    QString symbol;
    Style style;
    bool restyling = false;
};
