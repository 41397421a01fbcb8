#pragma once

#include <QStringView>
#include <optional>

// Reads the whole text as a decimal number as the C locale writes it ("42.7", "-1e3",
// "inf"), whatever the user's locale says about decimal separators; white space, hexadecimal
// and numbers beyond a double's range are none. The tools print their numbers in the C
// locale, and so does Morvi's time text.
std::optional<double> readCLocaleNumber(QStringView text);
