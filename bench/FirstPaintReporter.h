#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <cstdio>

// For the start-up measurement of bench_app: prints "painted" as soon as the watched
// window's first frame is done, then "rss <KiB>" once the program has idled for a
// second, and ends the program.
class FirstPaintReporter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, [] { report("painted\n"); });
            QTimer::singleShot(1000, [] {
                report(QByteArray("rss ") + QByteArray::number(residentKiB()) + "\n");
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void report(const QByteArray& line) {
        std::fputs(line.constData(), stdout);
        std::fflush(stdout);
    }

    static long residentKiB() {
        QFile status("/proc/self/status");
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        }
        return -1;
    }

    bool seen = false;
};
