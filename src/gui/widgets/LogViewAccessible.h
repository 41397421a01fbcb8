#pragma once

#include <QAccessibleWidget>

class LogView;

// What assistive technology reads of a log view: a read-only text whose value is the
// newest entries, instead of an empty custom-painted box.
class LogViewAccessible : public QAccessibleWidget {
public:
    explicit LogViewAccessible(LogView* view);

    // Makes Qt build this interface for every LogView; safe to call more than once.
    static void install();

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

private:
    LogView* view() const;
};
