#include "LogoImage.h"

#include <QEvent>
#include <QPainter>

LogoImage::LogoImage(QWidget* parent)
    : QWidget(parent) {
    setFixedSize(200, 40);
    followPalette();
}

void LogoImage::followPalette() {
    // Light text on a darker window is what a dark appearance looks like.
    const bool dark = palette().color(QPalette::WindowText).lightness() >
                      palette().color(QPalette::Window).lightness();
    const QString wanted = dark ? "LogoDark" : "Logo";
    if (wanted == shown)
        return;
    shown = wanted;
    renderer.load(":/" + shown + ".svg");
    update();
}

void LogoImage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        followPalette();
}

void LogoImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    renderer.render(&painter, QRectF(rect()));
}
