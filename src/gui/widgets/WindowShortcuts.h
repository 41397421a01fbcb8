#pragma once

#include <functional>

class QWidget;

// The window keys. Each binds the platform's standard key and the common Linux one beside
// it, in one shortcut, so that no key is bound twice: some key schemes (that of qt6ct
// without a keyboard_scheme, the Windows one) give Quit no key and Close only Ctrl+F4.
namespace WindowShortcuts {
// Quit (Ctrl+Q) ends Morvi from this window.
void addQuit(QWidget* window);
// Quit, and Close (Ctrl+W) and Escape close this secondary window.
void addQuitAndClose(QWidget* window);
// Open (Ctrl+O) runs open.
void addOpen(QWidget* window, const std::function<void()>& open);
// Preferences (Ctrl+,) runs open.
void addPreferences(QWidget* window, const std::function<void()>& open);
// Alt with a letter or digit that no shown control owns does nothing: a text field would
// otherwise type the letter, over a selected address too.
void ignoreUnownedMnemonics(QWidget* window);
} // namespace WindowShortcuts
