#include "PercentText.h"

#include <cmath>

QString percentText(double progress) {
    if (!std::isfinite(progress))
        return "0%";
    // Adding zero turns the "-0" of a small negative value into "0".
    return QString::number(std::trunc(progress) + 0.0, 'f', 0) + "%";
}
