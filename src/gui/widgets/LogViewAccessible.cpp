#include "LogViewAccessible.h"

#include "LogView.h"

namespace {

// Enough to follow a download, without handing a screen reader a flood.
constexpr int entriesRead = 50;

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("LogView") && object && object->isWidgetType())
        return new LogViewAccessible(static_cast<LogView*>(object));
    return nullptr;
}

} // namespace

LogViewAccessible::LogViewAccessible(LogView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

void LogViewAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

LogView* LogViewAccessible::view() const {
    return static_cast<LogView*>(widget());
}

QString LogViewAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value)
        return view()->newestText(entriesRead);
    return QAccessibleWidget::text(kind);
}

QAccessible::State LogViewAccessible::state() const {
    QAccessible::State result = QAccessibleWidget::state();
    result.readOnly = true;
    result.multiLine = true;
    return result;
}
