#include "Diagnostics.h"

Q_LOGGING_CATEGORY(lcQueue, "morvi.queue", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTools, "morvi.tools", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDesktop, "morvi.desktop", QtInfoMsg)
