#pragma once

#include <QSize>

class QScrollArea;
class QWidget;

// Windows whose content is taller than a small screen: the window keeps the size it is
// meant to have where the screen allows, and is limited to the screen otherwise, with
// its content scrolling.
namespace ScreenFit {
// Puts content into a frameless scroll area that fills window.
QScrollArea* scrolling(QWidget* window, QWidget* content);
// The wanted size, limited to the available area less room for the window's title bar.
QSize limited(QSize wanted, QSize available);
// The available area (without panels) of the screen the window shows on.
QSize availableArea(const QWidget* window);
} // namespace ScreenFit
