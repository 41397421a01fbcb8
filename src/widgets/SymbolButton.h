#pragma once

#include <QPushButton>

// A push button with an optional symbol icon drawn in the button's text colour; the
// prominent kind is filled with the accent colour. Both follow palette changes.
class SymbolButton : public QPushButton {
    Q_OBJECT
public:
    enum class Style { bordered, prominent };

    explicit SymbolButton(const QString& text, const QString& symbol = {},
                          Style style = Style::bordered, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void followPalette();

    QString symbol;
    Style style;
    bool restyling = false;
};
