#pragma once

#include <QLoggingCategory>

// Diagnostics for developers and bug reports, apart from the lines Morvi itself prints:
// enable with QT_LOGGING_RULES="morvi.*=true".
Q_DECLARE_LOGGING_CATEGORY(lcQueue)
Q_DECLARE_LOGGING_CATEGORY(lcTools)
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)
