#pragma once

#include <QCoroTask>
#include <QStringList>
#include <functional>

using LogCallback = std::function<void(const QString&)>;

// The lines an operation delivered to its log callback, in order, with a marker line for one
// that arrived off the main thread or after the operation returned.
QStringList collectLog(const std::function<QCoro::Task<>(LogCallback)>& operation);
