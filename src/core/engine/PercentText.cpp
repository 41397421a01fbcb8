#include "PercentText.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

QString percentText(double progress) {
    // Adding zero turns the "-0" of a small negative value into "0".
    const double whole = std::isfinite(progress) ? std::trunc(progress) + 0.0 : 0;
    //: A whole percentage under a progress bar, "42%"; %1 is the number.
    return QCoreApplication::translate("PercentText", "%1%").arg(QLocale().toString(whole, 'f', 0));
}
