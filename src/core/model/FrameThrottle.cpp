#include "FrameThrottle.h"

FrameThrottle::FrameThrottle(std::function<void()> show, QObject* parent)
    : QObject(parent)
    , show(std::move(show)) {
    frame.setSingleShot(true);
    frame.setInterval(16);
    connect(&frame, &QTimer::timeout, this, [this] {
        if (waiting)
            showNow();
    });
}

void FrameThrottle::request() {
    if (frame.isActive())
        waiting = true;
    else
        showNow();
}

void FrameThrottle::cancel() {
    waiting = false;
    frame.stop();
}

void FrameThrottle::showNow() {
    waiting = false;
    frame.start();
    show();
}
