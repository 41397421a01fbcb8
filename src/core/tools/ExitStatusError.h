#pragma once

#include "core/platform/UserFacingError.h"

// A system program (unzip) ended unsuccessfully: the error domain names the
// program's task, the code is its exit status.
class ExitStatusError : public UserFacingError {
public:
    ExitStatusError(const QString& domain, int code)
        : UserFacingError(QString("The operation couldn't be completed. (%1 error %2.)")
                              .arg(domain)
                              .arg(code)) {}
};
