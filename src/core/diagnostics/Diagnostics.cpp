#include "Diagnostics.h"

#include <QTextStream>

Q_LOGGING_CATEGORY(lcApp, "morvi.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcQueue, "morvi.queue", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSettings, "morvi.settings", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTools, "morvi.tools", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDesktop, "morvi.desktop", QtInfoMsg)

void Diagnostics::printLine(const QString& line) {
    QTextStream(stdout) << line << Qt::endl;
}
