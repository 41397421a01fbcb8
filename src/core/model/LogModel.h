#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QTime>
#include <functional>

// A window's running log: one entry per message, "[HH:mm:ss] " in local time and the
// message as given (line breaks included), oldest first.
class LogModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The local time of day that stamps each entry.
    using Clock = std::function<QTime()>;

    explicit LogModel(QObject* parent = nullptr);

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

    Clock clock;
    QStringList lines;
    QString lastTime;
    int lastSecond = -1;
};
