#pragma once

class Notifier;
class QString;
class QWidget;

namespace WindowNotice {
// Tells the desktop that the window's work has ended, unless the user is looking at the
// window; activating the notification brings the window forward.
void unlessActive(QWidget* window, Notifier& notifier, const QString& summary, const QString& body);
// Shows text at once just below the control, where its tooltip would appear: what a change
// made there affects.
void below(QWidget* control, const QString& text);
} // namespace WindowNotice
