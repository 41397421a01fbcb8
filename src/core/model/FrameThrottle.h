#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// Lets a stream of updates through at most once per frame: the first at once, then, when
// the frame has passed, one more for all that came meanwhile. A view that repaints on each
// update then repaints once per frame however fast a tool writes.
class FrameThrottle : public QObject {
public:
    // show applies the latest update, which its owner keeps.
    explicit FrameThrottle(std::function<void()> show, QObject* parent = nullptr);

    // A new update is waiting to be shown.
    void request();
    // Forgets an update still waiting, for one shown another way.
    void cancel();

private:
    void showNow();

    std::function<void()> show;
    QTimer frame;
    bool waiting = false;
};
