#pragma once

#include <QPalette>

// A dark appearance as a desktop would hand it to Qt.
inline QPalette darkPalette() {
    QPalette palette;
    const QColor window(40, 40, 43), base(30, 30, 32), text(236, 236, 240);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(58, 58, 62));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(10, 132, 255));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, QColor(152, 152, 160));
    palette.setColor(QPalette::Light, QColor(80, 80, 86));
    palette.setColor(QPalette::Midlight, QColor(66, 66, 70));
    palette.setColor(QPalette::Mid, QColor(50, 50, 54));
    palette.setColor(QPalette::Dark, QColor(24, 24, 26));
    palette.setColor(QPalette::Shadow, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(110, 110, 116));
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(48, 48, 52));
    return palette;
}
