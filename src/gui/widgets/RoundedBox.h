#pragma once

#include <QFrame>

// A panel filled with the palette's field background and rounded corners, such as the
// cutter's media information; it follows palette changes as any widget does.
class RoundedBox : public QFrame {
    Q_OBJECT
public:
    explicit RoundedBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
