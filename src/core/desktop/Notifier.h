#pragma once

#include <QString>
#include <functional>

// Desktop notifications, behind an interface so that windows can be tested without a
// notification service.
class Notifier {
public:
    virtual ~Notifier() = default;

    // Shows a notification; activating it runs onActivated. Where the desktop offers no
    // notifications, nothing happens.
    virtual void notify(const QString& summary, const QString& body,
                        std::function<void()> onActivated) = 0;
};
