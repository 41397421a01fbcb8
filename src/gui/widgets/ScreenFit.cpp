#include "ScreenFit.h"

#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
// The frame is not known before the window is first shown; this is about the height of
// the title bars of the common desktops.
constexpr int titleBarAllowance = 40;
} // namespace

namespace ScreenFit {

QScrollArea* scrolling(QWidget* window, QWidget* content) {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return area;
}

QSize limited(QSize wanted, QSize available) {
    return wanted.boundedTo(available - QSize(0, titleBarAllowance));
}

QSize availableArea(const QWidget* window) {
    return window->screen()->availableSize();
}

} // namespace ScreenFit
