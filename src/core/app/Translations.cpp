#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QLocale& locale) {
    // Compiled from translations/morvi_<language>.ts into the program's resources. Without
    // one for the locale's languages (LANG=C.UTF-8, or a language not translated yet), the
    // English plural forms ("1 entry", "3 entries") that the sources' texts lack.
    foundOwn = own.load(locale, "morvi", "_", ":/i18n");
    if (foundOwn || own.load("morvi_en", ":/i18n"))
        QCoreApplication::installTranslator(&own);
    if (qt.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}
