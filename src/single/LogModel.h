#pragma once

#include <QAbstractListModel>
#include <QStringList>

// A window's running log: one entry per message, "[HH:mm:ss] " in local time and the
// message as given (line breaks included), oldest first.
class LogModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // "[" + the local time of day as HH:mm:ss + "] " + message.
    static QString stamp(const QString& message);

    void append(const QString& message);
    void clear();
    const QStringList& entries() const { return lines; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QStringList lines;
};
