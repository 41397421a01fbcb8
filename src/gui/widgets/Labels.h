#pragma once

#include <QFont>
#include <QString>

class QLabel;

// The text styles that Morvi's windows share.
namespace Labels {
// Text in the window's font scaled by scale, with that weight.
QLabel* scaled(const QString& text, double scale, QFont::Weight weight = QFont::Normal);
// A bold section heading such as "Output Path:".
QLabel* heading(const QString& text);
// Smaller secondary text, such as the percentage under a progress bar.
QLabel* caption(const QString& text = {});
} // namespace Labels
