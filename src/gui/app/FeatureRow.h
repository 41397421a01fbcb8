#pragma once

#include <QWidget>

// One line of the about window's feature list: a blue symbol and its text.
class FeatureRow : public QWidget {
    Q_OBJECT
public:
    FeatureRow(const QString& icon, const QString& text, QWidget* parent = nullptr);

    QString icon() const { return symbol; }
    QString text() const { return line; }

private:
    const QString symbol;
    const QString line;
};
