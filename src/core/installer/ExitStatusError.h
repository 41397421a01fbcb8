#pragma once

#include "core/diagnostics/UserFacingError.h"

#include <QCoreApplication>

// A system program (unzip) ended unsuccessfully: the error domain names the
// program's task, the code is its exit status.
class ExitStatusError : public UserFacingError {
    Q_DECLARE_TR_FUNCTIONS(ExitStatusError)

public:
    ExitStatusError(const QString& domain, int code)
        : UserFacingError(
              tr("The operation couldn't be completed. (%1 error %2.)").arg(domain).arg(code)) {}
};
