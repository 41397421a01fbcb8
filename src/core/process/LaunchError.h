#pragma once

#include "core/diagnostics/UserFacingError.h"

// A child process could not be started; the description is the system's own reason.
class LaunchError : public UserFacingError {
public:
    using UserFacingError::UserFacingError;
};
