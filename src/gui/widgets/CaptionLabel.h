#pragma once

#include <QLabel>

// Secondary text in the palette's placeholder colour, made darker or lighter where
// needed so that it stays legible (4.5:1) on the window's background; it follows
// palette changes.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString& text = {}, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void followPalette();

    bool restyling = false;
};
