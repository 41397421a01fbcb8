#pragma once

#include <QSvgRenderer>
#include <QWidget>

// Morvi's logo, stretched to 200 by 40: "Logo" on a light palette, "LogoDark" on a
// dark one, swapped the moment the palette changes.
class LogoImage : public QWidget {
    Q_OBJECT
public:
    explicit LogoImage(QWidget* parent = nullptr);

    // "Logo" or "LogoDark", whichever is shown.
    QString imageName() const { return shown; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followPalette();

    QSvgRenderer renderer;
    QString shown;
};
