#pragma once

#include <QGroupBox>

class QButtonGroup;
class QHBoxLayout;

// One row of exclusive choices, such as a format picker. Assistive technology reads it as
// one group under its name with a radio button for each segment; the checked segment is
// filled with the accent (see SymbolButton) and stands out from the others.
class SegmentedControl : public QGroupBox {
    Q_OBJECT
public:
    explicit SegmentedControl(const QString& name, QWidget* parent = nullptr);

    // A segment that shows text and stands for value; its object name is objectName.
    void addSegment(const QString& text, const QString& value, const QString& objectName);
    // Checks the segment that stands for value, and none when no segment does.
    void setValue(const QString& value);
    // The segments' own size, without the room a group box keeps for a frame.
    QSize minimumSizeHint() const override;

protected:
    // The group is only a name for assistive technology: no frame, no margins.
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

signals:
    // The user chose the segment that stands for value.
    void chosen(const QString& value);

private:
    QButtonGroup* segments;
    QHBoxLayout* row;
};
