#pragma once

#include <QLoggingCategory>
#include <QString>

// Diagnostics for developers and bug reports: enable with QT_LOGGING_RULES="morvi.*=true".
Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcQueue)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcTools)
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)

namespace Diagnostics {
// The few lines Morvi has always printed on standard output ("Failed to create directory ",
// "Error encoding download items: ", "Error decoding download items: ", "Failed to read
// file: "), for whoever reads the terminal or the journal: in English, so that they can be
// looked up, and with their text kept as it is, since people search for it. Every other
// diagnostic goes through the categories above.
void printLine(const QString& line);
} // namespace Diagnostics
