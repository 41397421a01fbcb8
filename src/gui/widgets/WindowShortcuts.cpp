#include "WindowShortcuts.h"

#include <QCoreApplication>
#include <QShortcut>
#include <QWidget>

namespace WindowShortcuts {

void addQuit(QWidget* window) {
    auto* quit = new QShortcut(QKeySequence::Quit, window);
    // Queued, so that the key event finishes before the windows close.
    QObject::connect(quit, &QShortcut::activated, window, &QCoreApplication::quit,
                     Qt::QueuedConnection);
}

void addQuitAndClose(QWidget* window) {
    addQuit(window);
    for (const QKeySequence& keys :
         {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)}) {
        auto* close = new QShortcut(keys, window);
        QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
    }
}

} // namespace WindowShortcuts
