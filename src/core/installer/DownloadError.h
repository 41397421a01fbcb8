#pragma once

#include "core/diagnostics/UserFacingError.h"

// A tool could not be fetched: the server refused it, the transfer broke off, or the
// file could not be written.
class DownloadError : public UserFacingError {
public:
    using UserFacingError::UserFacingError;
};
