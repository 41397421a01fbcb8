#pragma once

#include <QLocale>
#include <QTranslator>

// Morvi's texts and Qt's own (standard dialogs, the command-line parser's messages) in the
// first of the locale's languages that has them, else in English with its plural forms, for as
// long as this object lives; the application object must exist.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale());
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether Morvi's own texts were found in one of the locale's languages.
    bool found() const { return foundOwn; }

private:
    // Removed from the application when destroyed.
    QTranslator own;
    QTranslator qt;
    bool foundOwn = false;
};
