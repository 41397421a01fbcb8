#pragma once

#include <QString>
#include <QStringList>
#include <exception>

// An error whose description is the text the user reads in a log line or an alert, with the
// tool's own error lines when a tool said why. The kinds below differ only in type, so that
// callers can catch the one they handle.
class UserFacingError : public std::exception {
public:
    explicit UserFacingError(QString description, QStringList toolErrors = {})
        : text(std::move(description))
        , lines(std::move(toolErrors)) {}
    QString description() const { return text; }
    // The tool's own last "ERROR:" lines, oldest first; none when no tool said why.
    QStringList toolErrors() const { return lines; }
    const char* what() const noexcept override { return "UserFacingError"; }

private:
    QString text;
    QStringList lines;
};
