#pragma once

#include <QScrollArea>
#include <QTest>

// Checks of a window whose content scrolls on screens smaller than the window wants.
namespace WindowFit {

// The available areas of the small screens every window must fit, and of a large one.
inline void addScreens() {
    QTest::addColumn<QSize>("area");
    QTest::newRow("1366x768 with a panel") << QSize(1366, 720);
    QTest::newRow("1920x1080 at 150 %") << QSize(1280, 680);
    QTest::newRow("large") << QSize(1920, 1040);
}

// Room for a title bar is left, and the content is neither squeezed nor cut off: it scrolls.
inline bool fits(const QWidget& window, QSize area) {
    const QScrollArea* scroll = window.findChild<QScrollArea*>();
    const QWidget* content = scroll->widget();
    return window.width() <= area.width() && window.height() <= area.height() - 30 &&
           content->height() >= content->minimumSizeHint().height() &&
           content->minimumSizeHint().width() <= scroll->viewport()->width();
}

} // namespace WindowFit
