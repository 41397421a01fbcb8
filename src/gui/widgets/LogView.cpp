#include "LogView.h"

#include "LogViewAccessible.h"
#include "core/colour/Contrast.h"
#include "core/model/LogModel.h"
#include "core/text/LineSplitter.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace {

// The rounded outline, and the gap inside it that keeps the scroll bar off its corners.
constexpr qreal radius = 8;
constexpr int inset = 3;
// From the outline to the text, with the inset.
constexpr int padding = 5;
constexpr int rowSpacing = 2;
// Layout work per turn of the event loop, so that a flood of entries never freezes
// the window; what is left waits for the next turn.
constexpr qint64 sliceBudgetMs = 8;
constexpr int frameMs = 16;
constexpr qreal noWrap = std::numeric_limits<qreal>::max();
// Enough for the rows of a screenful of long entries.
constexpr size_t wrappedRowsKept = 16;

} // namespace

LogView::LogView(LogModel* model, int height, QWidget* parent)
    : QAbstractScrollArea(parent)
    , model(model) {
    LogViewAccessible::install();
    setFixedHeight(height);
    // A plain frame of the inset's width places the viewport and the scroll bar inside
    // the outline; the frame itself is never drawn, the outline is.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(inset);
    setFocusPolicy(Qt::StrongFocus);
    //: The log's name for assistive technology.
    setAccessibleName(tr("Log"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(font.pointSizeF() * 0.85);
    setFont(font);
    layout.setFont(this->font());
    // The rounded background is painted behind the rows; the corners show the window.
    viewport()->setAutoFillBackground(false);
    layoutTimer.setSingleShot(true);
    layoutTimer.setInterval(0);
    connect(&layoutTimer, &QTimer::timeout, this, &LogView::layOutSlice);
    frameTimer.setSingleShot(true);
    frameTimer.setInterval(frameMs);
    connect(&frameTimer, &QTimer::timeout, this, &LogView::showNewest);
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { entriesAdded(first, last); });
    connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { entriesRemoved(first, last); });
    connect(model, &QAbstractItemModel::modelReset, this, &LogView::entriesReset);
    entriesAdded(0, model->rowCount() - 1);
}

QRect LogView::visualRect(int row) const {
    if (row < 0 || row + 1 >= static_cast<int>(tops.size()))
        return {};
    const int top = tops[static_cast<size_t>(row)];
    const int height = tops[static_cast<size_t>(row) + 1] - top - rowSpacing;
    return QRect(padding, top - verticalScrollBar()->value(), textWidth(), height);
}

QString LogView::selectedText() const {
    if (anchorRow < 0)
        return {};
    const int first = std::min(anchorRow, currentRow);
    const int count = std::max(anchorRow, currentRow) - first + 1;
    return model->entries().mid(first, count).join(u'\n');
}

void LogView::selectAll() {
    if (model->rowCount() > 0)
        select(0, model->rowCount() - 1);
}

void LogView::copy() const {
    if (const QString text = selectedText(); !text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

QString LogView::newestText(int count) const {
    const QStringList& entries = model->entries();
    QStringList lines;
    for (qsizetype row = std::max<qsizetype>(entries.size() - count, 0); row < entries.size();
         ++row) {
        LineSplitter::forEachLine(LogLayout::displayText(entries[row]), LineSplitter::Breaks::tool,
                                  [&lines](QStringView line) { lines << line.toString(); });
    }
    return lines.join(u'\n');
}

void LogView::entriesAdded(int first, int last) {
    // Rows added before the end (the log's mark of dropped lines) shift the rows after them.
    if (static_cast<size_t>(first) < measures.size()) {
        const int count = last - first + 1;
        std::vector<LogLayout::Measure> added;
        for (int row = first; row <= last; ++row)
            added.push_back(layout.measure(LogLayout::displayText(model->entries()[row])));
        measures.insert(measures.begin() + first, added.begin(), added.end());
        for (int* row : {&anchorRow, &currentRow})
            *row += *row >= first ? count : 0;
        wrappedRows.clear();
        relayout();
        return;
    }
    if (!layoutTimer.isActive())
        layoutTimer.start();
}

void LogView::entriesRemoved(int first, int last) {
    const size_t measured = measures.size();
    measures.erase(measures.begin() + std::min(static_cast<size_t>(first), measured),
                   measures.begin() + std::min(static_cast<size_t>(last) + 1, measured));
    const int count = last - first + 1;
    for (int* row : {&anchorRow, &currentRow})
        *row = *row > last ? *row - count : std::min(*row, first);
    wrappedRows.clear();
    relayout();
}

void LogView::entriesReset() {
    // An emptied log is not scrolled; it simply has nothing left to show.
    measures.clear();
    tops.clear();
    wrappedRows.clear();
    anchorRow = currentRow = -1;
    updateScrollRange();
    viewport()->update();
    entriesAdded(0, model->rowCount() - 1);
}

void LogView::layOutSlice() {
    const QStringList& entries = model->entries();
    const size_t total = static_cast<size_t>(entries.size());
    if (tops.empty())
        tops.push_back(padding);
    QElapsedTimer clock;
    clock.start();
    while (tops.size() - 1 < total) {
        const size_t row = tops.size() - 1;
        QString text;
        if (row == measures.size()) {
            text = LogLayout::displayText(entries[static_cast<qsizetype>(row)]);
            measures.push_back(layout.measure(text));
        }
        tops.push_back(tops.back() + rowHeight(static_cast<int>(row), text) + rowSpacing);
        if (clock.elapsed() >= sliceBudgetMs) {
            layoutTimer.start();
            break;
        }
    }
    if (!frameTimer.isActive())
        frameTimer.start();
}

void LogView::showNewest() {
    updateScrollRange();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void LogView::relayout() {
    // Measures hold whatever the width; rows are wrapped again, in slices.
    tops.clear();
    layOutSlice();
}

void LogView::followFont() {
    layout.setFont(font());
    measures.clear();
    wrappedRows.clear();
    relayout();
}

int LogView::rowHeight(int row, QString text) const {
    const LogLayout::Measure& measure = measures[static_cast<size_t>(row)];
    const int lineHeight = fontMetrics().lineSpacing();
    const int width = textWidth();
    if (measure.widestLine <= width)
        return measure.lineCount * lineHeight;
    // Only rows with a line wider than the view pay for wrapping.
    if (text.isNull())
        text = LogLayout::displayText(model->entries()[row]);
    return static_cast<int>(linesOf(row, text).lines.size()) * lineHeight;
}

const LogLayout::Wrapped& LogView::linesOf(int row, const QString& text) const {
    const int width = textWidth();
    for (const WrappedRow& known : wrappedRows) {
        if (known.row == row && known.width == width)
            return known.wrapped;
    }
    if (wrappedRows.size() == wrappedRowsKept)
        wrappedRows.erase(wrappedRows.begin());
    const bool wraps = measures[static_cast<size_t>(row)].widestLine > width;
    wrappedRows.push_back({row, width, layout.wrap(text, wraps ? width : noWrap)});
    return wrappedRows.back().wrapped;
}

int LogView::rowAt(int y) const {
    if (tops.size() < 2)
        return -1;
    const auto next = std::upper_bound(tops.begin(), tops.end(), y + verticalScrollBar()->value());
    const int row = static_cast<int>(next - tops.begin()) - 1;
    return std::clamp(row, 0, static_cast<int>(tops.size()) - 2);
}

int LogView::textWidth() const {
    return std::max(viewport()->width() - 2 * padding, 1);
}

int LogView::contentHeight() const {
    return tops.size() > 1 ? tops.back() - rowSpacing + padding : 0;
}

void LogView::updateScrollRange() {
    const int visible = viewport()->height();
    verticalScrollBar()->setRange(0, std::max(contentHeight() - visible, 0));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(fontMetrics().lineSpacing());
}

void LogView::select(int anchor, int current) {
    anchorRow = anchor;
    currentRow = current;
    viewport()->update();
}

void LogView::moveCurrent(int row, bool extend) {
    const int last = static_cast<int>(tops.size()) - 2;
    if (last < 0)
        return;
    row = std::clamp(row, 0, last);
    select(extend && anchorRow >= 0 ? anchorRow : row, row);
    QScrollBar* bar = verticalScrollBar();
    const int top = tops[static_cast<size_t>(row)] - padding;
    const int bottom = tops[static_cast<size_t>(row) + 1] + padding;
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + viewport()->height())
        bar->setValue(bottom - viewport()->height());
}

void LogView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void LogView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        followFont();
}

void LogView::scrollContentsBy(int, int) {
    viewport()->update();
}

void LogView::keyPressEvent(QKeyEvent* event) {
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        moveCurrent(std::max(currentRow, 0) + (event->key() == Qt::Key_Up ? -1 : 1), extend);
    else if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)
        moveCurrent(event->key() == Qt::Key_Home ? 0 : model->rowCount() - 1, extend);
    else
        QAbstractScrollArea::keyPressEvent(event);
}

void LogView::mousePressEvent(QMouseEvent* event) {
    const int row = rowAt(event->position().toPoint().y());
    if (row < 0)
        return;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    // A right click keeps a selection it falls into, for the context menu's Copy.
    const bool inSelection = anchorRow >= 0 && row >= std::min(anchorRow, currentRow) &&
                             row <= std::max(anchorRow, currentRow);
    if (event->button() == Qt::LeftButton || !inSelection)
        select(extend && anchorRow >= 0 ? anchorRow : row, row);
}

void LogView::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && anchorRow >= 0) {
        const int row = rowAt(event->position().toPoint().y());
        if (row >= 0)
            moveCurrent(row, true);
    }
}

void LogView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    //: The log's menu: copies the selected entries.
    QAction* copyAction = menu.addAction(tr("&Copy"), this, &LogView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(anchorRow >= 0);
    //: The log's menu: selects every entry.
    QAction* selectAllAction = menu.addAction(tr("Select &All"), this, &LogView::selectAll);
    selectAllAction->setShortcut(QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

void LogView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    update();
}

void LogView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    update();
}

bool LogView::event(QEvent* event) {
    // The scroll area's own paint event draws the outline that holds the viewport and
    // the scroll bar.
    if (event->type() == QEvent::Paint) {
        paintFrame();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void LogView::paintFrame() {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal width = hasFocus() ? 2 : 1;
    QPainterPath box;
    box.addRoundedRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2),
                       radius, radius);
    painter.fillPath(box, palette().color(QPalette::Base));
    QColor outline = palette().color(QPalette::PlaceholderText);
    outline.setAlphaF(0.3);
    // Keyboard focus shows as an accent outline, as on the window's other fields.
    painter.strokePath(box,
                       QPen(hasFocus() ? palette().color(QPalette::Highlight) : outline, width));
}

void LogView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int offset = verticalScrollBar()->value();
    // The first row whose bottom reaches into the area, then on until past its end.
    const auto next = std::upper_bound(tops.begin(), tops.end(), area.top() + offset);
    for (int row = std::max(static_cast<int>(next - tops.begin()) - 1, 0);
         row + 1 < static_cast<int>(tops.size()); ++row) {
        const int top = tops[static_cast<size_t>(row)] - offset;
        if (top > area.bottom())
            break;
        paintRow(painter, row, top, area);
    }
}

void LogView::paintRow(QPainter& painter, int row, int top, const QRect& area) {
    const bool selected = anchorRow >= 0 && row >= std::min(anchorRow, currentRow) &&
                          row <= std::max(anchorRow, currentRow);
    const QPalette& colours = palette();
    if (selected) {
        const int height = tops[static_cast<size_t>(row) + 1] - tops[static_cast<size_t>(row)];
        painter.fillRect(QRect(0, top - rowSpacing / 2, viewport()->width(), height),
                         colours.color(QPalette::Highlight));
        painter.setPen(colours.color(QPalette::HighlightedText));
    } else {
        painter.setPen(Contrast::legibleSecondary(colours.color(QPalette::PlaceholderText),
                                                  colours.color(QPalette::Text),
                                                  colours.color(QPalette::Base)));
    }
    const int lineHeight = fontMetrics().lineSpacing();
    const int ascent = fontMetrics().ascent();
    const QString text = LogLayout::displayText(model->entries()[row]);
    const std::vector<LogLayout::Line>& lines = linesOf(row, text).lines;
    // Only the lines inside the area are drawn.
    const size_t first = static_cast<size_t>(std::max(area.top() - top, 0) / lineHeight);
    for (size_t index = first; index < lines.size(); ++index) {
        const int y = top + static_cast<int>(index) * lineHeight;
        if (y > area.bottom())
            break;
        const LogLayout::Line& line = lines[index];
        if (line.shaped.isValid()) // on the view's baseline, whatever fallback font it uses
            line.shaped.draw(&painter, QPointF(padding, y + ascent - line.shaped.ascent()));
        else
            painter.drawText(QPointF(padding, y + ascent), text.mid(line.start, line.length));
    }
}
