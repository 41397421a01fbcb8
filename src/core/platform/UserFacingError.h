#pragma once

#include <QString>
#include <exception>

// An error whose description is the text the user reads in a log line or an alert.
class UserFacingError : public std::exception {
public:
    virtual QString description() const = 0;
    const char* what() const noexcept override { return "UserFacingError"; }
};
