#include "Labels.h"

#include <QLabel>

namespace Labels {

QLabel* scaled(const QString& text, double scale, QFont::Weight weight) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setWeight(weight);
    label->setFont(font);
    return label;
}

QLabel* heading(const QString& text) {
    return scaled(text, 1.0, QFont::Bold);
}

QLabel* caption(const QString& text) {
    QLabel* label = scaled(text, 0.85);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace Labels
