#pragma once

class QWidget;

namespace WindowShortcuts {
// Quit (Ctrl+Q) ends Morvi from this window.
void addQuit(QWidget* window);
// Quit, and Close (Ctrl+W) and Escape close this secondary window.
void addQuitAndClose(QWidget* window);
} // namespace WindowShortcuts
