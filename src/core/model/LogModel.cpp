#include "LogModel.h"

LogModel::LogModel(QObject* parent)
    : LogModel(parent, Limits{}) {}

LogModel::LogModel(QObject* parent, Limits limits)
    : QAbstractListModel(parent)
    , clock(&QTime::currentTime)
    , limits(limits) {}

void LogModel::setClock(Clock value) {
    clock = std::move(value);
    lastSecond = -1;
}

QString LogModel::stamp(const QString& message) {
    // A flood of tool output stamps many entries within one second; the clock is
    // formatted once per second of the day only.
    const QTime now = clock();
    if (const int second = now.msecsSinceStartOfDay() / 1000; second != lastSecond) {
        lastSecond = second;
        lastTime = now.toString(u"HH:mm:ss");
    }
    return "[" + lastTime + "] " + message;
}

void LogModel::append(const QString& message) {
    // A message beyond the text limit keeps its newest part: its oldest lines are dropped too.
    const bool cut = message.size() > limits.characters;
    const int row = static_cast<int>(lines.size());
    beginInsertRows({}, row, row);
    lines.append(stamp(cut ? message.right(limits.characters) : message));
    characters += lines.last().size();
    endInsertRows();
    keepWithinLimits(cut);
}

// Dropping a tenth at a time, rather than an entry per entry added, lets a view shift its rows
// seldom.
void LogModel::keepWithinLimits(bool cut) {
    if (!cut && lines.size() <= limits.entries && characters <= limits.characters)
        return;
    const qsizetype entryGoal = limits.entries - limits.entries / 10;
    const qsizetype characterGoal = limits.characters - limits.characters / 10;
    // The mark stays first; the newest entry stays whatever its size.
    const qsizetype first = dropped ? 1 : 0;
    qsizetype count = 0;
    qsizetype left = characters;
    while (first + count < lines.size() - 1 &&
           (lines.size() - count > entryGoal || left > characterGoal)) {
        left -= lines[first + count].size();
        ++count;
    }
    dropOldest(count);
}

void LogModel::dropOldest(qsizetype count) {
    const int first = dropped ? 1 : 0;
    if (count > 0) {
        beginRemoveRows({}, first, first + static_cast<int>(count) - 1);
        for (qsizetype row = first; row < first + count; ++row)
            characters -= lines[row].size();
        lines.remove(first, count);
        endRemoveRows();
    }
    if (dropped)
        return;
    dropped = true;
    beginInsertRows({}, 0, 0);
    // Not counted against the limits: it is there only once.
    lines.prepend(stamp(tr("Older lines were dropped here to keep the log within its size.")));
    endInsertRows();
}

void LogModel::clear() {
    if (lines.isEmpty())
        return;
    beginResetModel();
    lines.clear();
    characters = 0;
    dropped = false;
    endResetModel();
}

int LogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines.size());
}

QVariant LogModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= lines.size())
        return {};
    return lines.at(index.row());
}
