#pragma once

#include <QListView>

class LogModel;

// Shows a LogModel as monospaced caption-size rows on the text background, with a
// rounded outline, and keeps the newest entry in sight whenever one is added.
class LogView : public QListView {
    Q_OBJECT
public:
    LogView(LogModel* model, int height, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
