#include "LogView.h"

#include "LogModel.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

LogView::LogView(LogModel* model, int height, QWidget* parent)
    : QListView(parent) {
    setModel(model);
    setFixedHeight(height);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(true);
    setSpacing(1);
    setViewportMargins(8, 8, 8, 8);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(font.pointSizeF() * 0.85);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, colours.color(QPalette::PlaceholderText));
    setPalette(colours);
    // An emptied log does not scroll; every added entry brings the newest into view.
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { scrollToBottom(); });
}

void LogView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    QColor outline = palette().color(QPalette::PlaceholderText);
    outline.setAlphaF(0.3);
    painter.setPen(outline);
    painter.drawRoundedRect(QRectF(viewport()->rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}
