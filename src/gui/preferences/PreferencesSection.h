#pragma once

#include <QStringList>

class QComboBox;
class QLabel;
class QVBoxLayout;
class QWidget;

// The Preferences pages' sections: a heading, a sentence that explains it, then its controls.
namespace PreferencesSection {
struct Section {
    QWidget* widget;
    // Where its controls go, under the heading and the explanation.
    QVBoxLayout* controls;
};

// A section with its heading and, unless it is "", its explanation.
Section make(const QString& heading, const QString& explanation = {});
// A caption that wraps and whose text can be selected.
QLabel* wrapping(QLabel* label);
// A page of sections, from the top.
QVBoxLayout* page(QWidget* owner);
// The picker shows the controller's entries, rebuilt only when they change, so that an open
// popup is not disturbed by a mere change of the chosen entry.
void showChoices(QComboBox* picker, const QStringList& entries, int chosen);
} // namespace PreferencesSection
