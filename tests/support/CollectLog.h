#pragma once

#include <QCoroTask>
#include <QStringList>
#include <functional>

using LogCallback = std::function<void(const QString&)>;

// Runs an operation that reports through a log callback to its end and returns the lines it
// delivered, in order. A line that arrives off the main thread, or after the operation has
// returned, adds a marker line, so that an exact comparison of the lines catches it.
QStringList collectLog(const std::function<QCoro::Task<>(LogCallback)>& operation);

// The entries a log holds for these messages, all stamped at noon.
QStringList stamped(const QStringList& messages);
