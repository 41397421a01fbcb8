#include "RoundedBox.h"

#include <QPainter>

RoundedBox::RoundedBox(QWidget* parent)
    : QFrame(parent) {}

void RoundedBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().brush(QPalette::Base));
    painter.drawRoundedRect(rect(), 8, 8);
}
