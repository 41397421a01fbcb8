#include "PreferencesSection.h"

#include "gui/widgets/Labels.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

namespace PreferencesSection {

Section make(const QString& heading, const QString& explanation) {
    auto* section = new QWidget;
    auto* stack = new QVBoxLayout(section);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(8);
    stack->addWidget(Labels::heading(heading));
    if (!explanation.isEmpty())
        stack->addWidget(wrapping(Labels::caption(explanation)));
    return {section, stack};
}

QLabel* wrapping(QLabel* label) {
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QVBoxLayout* page(QWidget* owner) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(20);
    return layout;
}

void showChoices(QComboBox* picker, const QStringList& entries, int chosen) {
    QStringList shown;
    for (int i = 0; i < picker->count(); ++i)
        shown << picker->itemText(i);
    if (shown != entries) {
        picker->clear();
        picker->addItems(entries);
    }
    picker->setCurrentIndex(chosen);
}

} // namespace PreferencesSection
