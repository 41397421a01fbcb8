#pragma once

#include <QStringView>
#include <optional>

// Reads the whole text as a number the way strtod does in the C locale, whatever the
// user's locale says about decimal separators; leading white space is no number either.
// The tools print their numbers in the C locale, and so does Morvi's time text.
std::optional<double> readCLocaleNumber(QStringView text);
