#include "LogView.h"

#include "platform/LogModel.h"

#include <QElapsedTimer>
#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int padding = 8;
constexpr int rowSpacing = 2;
// Layout work per turn of the event loop, so that a flood of entries never freezes
// the window; what is left waits for the next turn.
constexpr qint64 sliceBudgetMs = 8;

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

// The lines of an entry as shown: "\r\n", "\n" and "\r" each end a line, and the
// line break that ends most tool output does not add an empty last line.
template <typename Visit> void forEachLine(const QString& entry, Visit visit) {
    qsizetype start = 0;
    const qsizetype end = entry.size();
    while (true) {
        qsizetype stop = start;
        while (stop < end && !isLineBreak(entry[stop]))
            ++stop;
        visit(QStringView(entry).sliced(start, stop - start));
        if (stop == end)
            return;
        stop += (entry[stop] == u'\r' && stop + 1 < end && entry[stop + 1] == u'\n') ? 2 : 1;
        if (stop == end)
            return;
        start = stop;
    }
}

// Lays out one line wrapped to the width; returns the number of lines it takes.
int wrapLine(QTextLayout& layout, QStringView line, const QFont& font, int width) {
    layout.setText(line.toString());
    layout.setFont(font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int count = 0;
    for (QTextLine textLine = layout.createLine(); textLine.isValid();
         textLine = layout.createLine()) {
        textLine.setLineWidth(width);
        ++count;
    }
    layout.endLayout();
    return std::max(count, 1);
}

} // namespace

LogView::LogView(LogModel* model, int height, QWidget* parent)
    : QAbstractScrollArea(parent)
    , model(model) {
    setFixedHeight(height);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(font.pointSizeF() * 0.85);
    setFont(font);
    measureCharacters();
    // The rounded background is painted with the rows; the corners show the window.
    viewport()->setAutoFillBackground(false);
    layoutTimer.setSingleShot(true);
    layoutTimer.setInterval(0);
    connect(&layoutTimer, &QTimer::timeout, this, &LogView::layOutSlice);
    connect(model, &QAbstractItemModel::rowsInserted, this, &LogView::entriesAdded);
    connect(model, &QAbstractItemModel::modelReset, this, &LogView::entriesReset);
    entriesAdded();
}

QRect LogView::visualRect(int row) const {
    if (row < 0 || row + 1 >= static_cast<int>(tops.size()))
        return {};
    return QRect(padding, tops[row] - verticalScrollBar()->value(), textWidth(), rowHeight(row));
}

void LogView::entriesAdded() {
    if (!layoutTimer.isActive())
        layoutTimer.start();
}

void LogView::entriesReset() {
    // An emptied log is not scrolled; it simply has nothing left to show.
    measures.clear();
    tops.clear();
    updateScrollRange();
    viewport()->update();
    entriesAdded();
}

void LogView::layOutSlice() {
    const QStringList& entries = model->entries();
    const qsizetype total = entries.size();
    if (static_cast<qsizetype>(measures.size()) >= total)
        return;
    if (tops.empty())
        tops.push_back(padding);
    QElapsedTimer clock;
    clock.start();
    while (static_cast<qsizetype>(measures.size()) < total) {
        measures.push_back(measure(entries[static_cast<qsizetype>(measures.size())]));
        const int row = static_cast<int>(measures.size()) - 1;
        tops.push_back(tops.back() + rowHeight(row) + rowSpacing);
        if ((measures.size() & 63) == 0 && clock.elapsed() >= sliceBudgetMs) {
            layoutTimer.start();
            break;
        }
    }
    updateScrollRange();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void LogView::relayout() {
    tops.assign(1, padding);
    for (int row = 0; row < static_cast<int>(measures.size()); ++row)
        tops.push_back(tops.back() + rowHeight(row) + rowSpacing);
    updateScrollRange();
    viewport()->update();
}

LogView::Measure LogView::measure(const QString& entry) const {
    Measure result{0, 0.0};
    forEachLine(entry, [&](QStringView line) {
        ++result.lineCount;
        result.widestLine = std::max(result.widestLine, lineWidth(line));
    });
    return result;
}

qreal LogView::lineWidth(QStringView line) const {
    if (!latinAdvances.empty()) {
        qreal width = 0;
        for (const QChar c : line) {
            if (c.unicode() >= latinAdvances.size())
                return QFontMetricsF(font()).horizontalAdvance(line.toString());
            width += latinAdvances[c.unicode()];
        }
        return width;
    }
    return QFontMetricsF(font()).horizontalAdvance(line.toString());
}

void LogView::measureCharacters() {
    latinAdvances.clear();
    if (!QFontInfo(font()).fixedPitch())
        return;
    const QFontMetricsF metrics(font());
    for (char16_t c = 0; c < 256; ++c)
        latinAdvances.push_back(metrics.horizontalAdvance(QChar(c)));
}

int LogView::rowHeight(int row) const {
    const Measure& rowMeasure = measures[static_cast<size_t>(row)];
    const int lineHeight = fontMetrics().lineSpacing();
    const int width = textWidth();
    if (rowMeasure.widestLine <= width)
        return rowMeasure.lineCount * lineHeight;
    // Rare: only rows with a line wider than the view pay for wrapping.
    QTextLayout layout;
    int lines = 0;
    forEachLine(model->entries()[row],
                [&](QStringView line) { lines += wrapLine(layout, line, font(), width); });
    return lines * lineHeight;
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

void LogView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void LogView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureCharacters();
        const int count = static_cast<int>(measures.size());
        measures.clear();
        for (int row = 0; row < count; ++row)
            measures.push_back(measure(model->entries()[row]));
        relayout();
    }
}

void LogView::scrollContentsBy(int, int) {
    viewport()->update();
}

void LogView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(viewport()->rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.fillPath(box, palette().color(QPalette::Base));
    painter.setClipPath(box);

    const int offset = verticalScrollBar()->value();
    const QRect area = event->rect();
    const int lineHeight = fontMetrics().lineSpacing();
    const int ascent = fontMetrics().ascent();
    const int width = textWidth();
    painter.setPen(palette().color(QPalette::PlaceholderText));

    // The first row whose bottom reaches into the area, then on until past its end.
    auto next = std::upper_bound(tops.begin(), tops.end(), area.top() + offset);
    int row = std::max(static_cast<int>(next - tops.begin()) - 1, 0);
    QTextLayout layout;
    for (; row + 1 < static_cast<int>(tops.size()); ++row) {
        int y = tops[row] - offset;
        if (y > area.bottom())
            break;
        const QString& entry = model->entries()[row];
        const bool wraps = measures[static_cast<size_t>(row)].widestLine > width;
        forEachLine(entry, [&](QStringView line) {
            if (!wraps) {
                painter.drawText(QPointF(padding, y + ascent), line.toString());
                y += lineHeight;
                return;
            }
            const int count = wrapLine(layout, line, font(), width);
            for (int i = 0; i < count; ++i)
                layout.lineAt(i).setPosition(QPointF(0, i * lineHeight));
            layout.draw(&painter, QPointF(padding, y));
            y += count * lineHeight;
        });
    }

    painter.setClipping(false);
    QColor outline = palette().color(QPalette::PlaceholderText);
    outline.setAlphaF(0.3);
    painter.strokePath(box, outline);
}
