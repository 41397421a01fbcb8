#include "WindowShortcuts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace {

// Sees every key press of the application before its receiver; a mnemonic that a control owns
// has been taken as a shortcut by then.
class UnownedMnemonics : public QObject {
public:
    explicit UnownedMnemonics(QWidget* window)
        : QObject(window)
        , window(window) {}

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(receiver);
        return widget && widget->window() == window &&
               (key->modifiers() & ~Qt::ShiftModifier) == Qt::AltModifier &&
               !key->text().isEmpty() && key->text().front().isLetterOrNumber();
    }

private:
    QWidget* window;
};

QShortcut* shortcut(QWidget* window, QKeySequence::StandardKey standard,
                    const QList<QKeySequence>& common) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : common) {
        if (!keys.contains(key))
            keys << key;
    }
    auto* bound = new QShortcut(window);
    bound->setKeys(keys);
    return bound;
}

} // namespace

namespace WindowShortcuts {

void addQuit(QWidget* window) {
    QShortcut* quit = shortcut(window, QKeySequence::Quit, {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    // Queued, so that the key event finishes before the windows close.
    QObject::connect(quit, &QShortcut::activated, window, &QCoreApplication::quit,
                     Qt::QueuedConnection);
}

void addQuitAndClose(QWidget* window) {
    addQuit(window);
    QShortcut* close = shortcut(window, QKeySequence::Close,
                                {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});
    QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
}

void addOpen(QWidget* window, const std::function<void()>& open) {
    QShortcut* opener = shortcut(window, QKeySequence::Open, {QKeySequence(Qt::CTRL | Qt::Key_O)});
    QObject::connect(opener, &QShortcut::activated, window, open);
}

void addPreferences(QWidget* window, const std::function<void()>& open) {
    QShortcut* opener =
        shortcut(window, QKeySequence::Preferences, {QKeySequence(Qt::CTRL | Qt::Key_Comma)});
    QObject::connect(opener, &QShortcut::activated, window, open);
}

void ignoreUnownedMnemonics(QWidget* window) {
    QCoreApplication::instance()->installEventFilter(new UnownedMnemonics(window));
}

} // namespace WindowShortcuts
