#pragma once

#include <QPalette>

// A dark appearance as a desktop would hand it to Qt.
inline QPalette darkPalette() {
    const QColor text(236, 236, 240), button(58, 58, 62), light(80, 80, 86), dark(24, 24, 26),
        mid(50, 50, 54), base(30, 30, 32), window(40, 40, 43);
    QPalette palette(text, button, light, dark, mid, text, Qt::white, base, window);
    palette.setColor(QPalette::Highlight, QColor(10, 132, 255));
    palette.setColor(QPalette::PlaceholderText, QColor(152, 152, 160));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(110, 110, 116));
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(48, 48, 52));
    return palette;
}
