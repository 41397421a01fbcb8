#include "SegmentedControl.h"

#include "SymbolButton.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>

SegmentedControl::SegmentedControl(const QString& name, QWidget* parent)
    : QGroupBox(parent)
    , segments(new QButtonGroup(this))
    , row(new QHBoxLayout(this)) {
    setAccessibleName(name);
    // A label's mnemonic reaches the checked segment (see setValue), the arrow keys the others.
    setFocusPolicy(Qt::StrongFocus);
    setFlat(true);
    setContentsMargins(0, 0, 0, 0);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    connect(segments, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* segment) {
        emit chosen(segment->property("value").toString());
    });
}

QSize SegmentedControl::minimumSizeHint() const {
    return QWidget::minimumSizeHint();
}

void SegmentedControl::paintEvent(QPaintEvent*) {}

void SegmentedControl::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    // The group box sets its frame's margins again when its font or style changes.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        setContentsMargins(0, 0, 0, 0);
}

void SegmentedControl::addSegment(const QString& text, const QString& value,
                                  const QString& objectName) {
    auto* segment = new SymbolButton(text, {}, SymbolButton::Style::segment);
    segment->setObjectName(objectName);
    segment->setProperty("value", value);
    segment->setAutoDefault(false);
    // Exclusive among its siblings, which is what makes it a radio button to assistive
    // technology.
    segment->setAutoExclusive(true);
    const QList<QAbstractButton*> before = segments->buttons();
    if (!before.isEmpty())
        static_cast<SymbolButton*>(before.last())->setSegmentEdges(before.size() == 1, false);
    segment->setSegmentEdges(before.isEmpty(), true);
    segments->addButton(segment);
    row->addWidget(segment);
}

void SegmentedControl::setValue(const QString& value) {
    // With no matching segment none is checked, which an exclusive row would refuse.
    const QList<QAbstractButton*> all = segments->buttons();
    segments->setExclusive(false);
    for (QAbstractButton* segment : all) {
        segment->setChecked(segment->property("value").toString() == value);
        if (segment->isChecked())
            setFocusProxy(segment);
    }
    segments->setExclusive(true);
}
