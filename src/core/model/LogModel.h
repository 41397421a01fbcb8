#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QTime>
#include <functional>

// A window's running log: one entry per message, "[HH:mm:ss] " in local time and the
// message as given (line breaks included), oldest first. It keeps the newest entries within a
// count and an amount of text, so that a flood of tool output cannot fill the memory: past
// either limit the oldest tenth goes (a single message beyond the text limit keeps its newest
// part), and the first entry then says that older lines were dropped.
class LogModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The local time of day that stamps each entry.
    using Clock = std::function<QTime()>;
    struct Limits {
        qsizetype entries = 100'000;
        qsizetype characters = 32 * 1024 * 1024; // 64 MiB
    };

    explicit LogModel(QObject* parent = nullptr);
    LogModel(QObject* parent, Limits limits);

    // Replaces the system clock, so that tests can compare whole entries.
    void setClock(Clock clock);

    void append(const QString& message);
    void clear();
    const QStringList& entries() const { return lines; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    // "[" + the time of day as HH:mm:ss + "] " + message.
    QString stamp(const QString& message);
    // Drops the oldest entries once a limit is passed, and marks where; cut: the newest entry
    // lost its beginning.
    void keepWithinLimits(bool cut);
    void dropOldest(qsizetype count);

    Clock clock;
    Limits limits;
    QStringList lines;
    qsizetype characters = 0;
    bool dropped = false;
    QString lastTime;
    int lastSecond = -1;
};
