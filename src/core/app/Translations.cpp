#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QLocale& locale) {
    // Compiled from translations/morvi_<language>.ts into the program's resources.
    foundOwn = own.load(locale, "morvi", "_", ":/i18n");
    if (foundOwn)
        QCoreApplication::installTranslator(&own);
    if (qt.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}
