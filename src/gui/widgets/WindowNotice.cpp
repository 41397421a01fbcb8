#include "WindowNotice.h"

#include "core/desktop/Notifier.h"

#include <QPointer>
#include <QToolTip>
#include <QWidget>

namespace WindowNotice {

void unlessActive(QWidget* window, Notifier& notifier, const QString& summary,
                  const QString& body) {
    if (window->isActiveWindow())
        return;
    notifier.notify(summary, body, [target = QPointer(window->window())] {
        if (!target)
            return; // closed since
        target->setWindowState(target->windowState() & ~Qt::WindowMinimized);
        target->show();
        target->raise();
        target->activateWindow();
    });
}

void below(QWidget* control, const QString& text) {
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), text, control);
}

} // namespace WindowNotice
