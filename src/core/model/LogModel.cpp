#include "LogModel.h"

LogModel::LogModel(QObject* parent)
    : QAbstractListModel(parent)
    , clock(&QTime::currentTime) {}

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
    const int row = static_cast<int>(lines.size());
    beginInsertRows({}, row, row);
    lines.append(stamp(message));
    endInsertRows();
}

void LogModel::clear() {
    if (lines.isEmpty())
        return;
    beginResetModel();
    lines.clear();
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
