#pragma once

#include "gui/app/AboutView.h"
#include "gui/cutter/MediaCutterView.h"
#include "gui/queue/BulkDownloadView.h"

#include <QScrollArea>
#include <QtTest>

// Fits the window to a screen area as the application does and shrinks it to its minimum:
// it keeps within the area, and its content scrolls instead of being squeezed or cut.
inline void checkFitsTheScreen(QWidget& window, QSize area) {
    if (auto* about = qobject_cast<AboutView*>(&window))
        about->fitToScreen(area);
    else if (auto* cutter = qobject_cast<MediaCutterView*>(&window))
        cutter->fitToScreen(area);
    else if (auto* queue = qobject_cast<BulkDownloadView*>(&window))
        queue->fitToScreen(QRect(QPoint(), area));
    window.resize(window.minimumSize());
    QCoreApplication::processEvents();
    QVERIFY(QRect(QPoint(), area).contains(window.frameGeometry().translated(-window.pos())));
    if (const auto* scroll = window.findChild<QScrollArea*>()) {
        const QWidget* content = scroll->widget();
        QVERIFY(content->height() >= content->minimumSizeHint().height());
        QVERIFY(content->minimumSizeHint().width() <= scroll->viewport()->width());
    }
}
