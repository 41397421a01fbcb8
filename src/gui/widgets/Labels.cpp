#include "Labels.h"

#include "CaptionLabel.h"

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
    auto* label = new CaptionLabel(text);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    return label;
}

} // namespace Labels
