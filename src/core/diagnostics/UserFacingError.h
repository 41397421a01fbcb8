#pragma once

#include <QString>
#include <exception>

// An error whose description is the text the user reads in a log line or an alert. The
// kinds below differ only in type, so that callers can catch the one they handle.
class UserFacingError : public std::exception {
public:
    explicit UserFacingError(QString description)
        : text(std::move(description)) {}
    QString description() const { return text; }
    const char* what() const noexcept override { return "UserFacingError"; }

private:
    QString text;
};
