#include "CollectLog.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

QStringList collectLog(const std::function<QCoro::Task<>(LogCallback)>& operation) {
    auto lines = std::make_shared<QStringList>();
    QCoro::waitFor(operation([lines](const QString& line) {
        if (QThread::currentThread() != qApp->thread())
            *lines << "(the next line arrived off the main thread)";
        *lines << line;
    }));
    QStringList atReturn = *lines;
    QCoreApplication::processEvents(); // a line queued for later would arrive now
    if (lines->size() != atReturn.size())
        atReturn << "(lines arrived after the operation returned)";
    return atReturn;
}
