#pragma once

#include "LogLayout.h"

#include <QAbstractScrollArea>
#include <QTimer>
#include <vector>

class LogModel;

// Shows a LogModel as monospaced caption-size rows on the text background, inside a
// rounded outline that also holds the scroll bar, and brings the newest entry into
// view whenever entries are added. An entry that spans several lines is one
// multi-line row; lines wider than the view wrap; an entry longer than
// LogLayout::displayLimit is shown cut. Built for floods of output: each entry is
// measured once and wrapped once per width, in short slices between events, and only
// the visible lines are painted. Entries can be selected with the mouse or the
// keyboard and copied whole; the text is offered to assistive technology.
class LogView : public QAbstractScrollArea {
    Q_OBJECT
public:
    LogView(LogModel* model, int height, QWidget* parent = nullptr);

    // Where the row is drawn, in viewport coordinates; empty for a row not laid out yet.
    QRect visualRect(int row) const;
    // The selected entries as the log holds them, one per line; "" when none is.
    QString selectedText() const;
    void selectAll();
    // Puts the selected entries on the clipboard.
    void copy() const;
    // The lines of the newest entries as the view draws them, oldest first.
    QString newestText(int count) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void entriesAdded(int first, int last);
    // The log drops its oldest entries: what was measured of the rest stays.
    void entriesRemoved(int first, int last);
    void entriesReset();
    void layOutSlice();
    void showNewest();
    void relayout();
    void followFont();
    void paintFrame();
    void paintRow(QPainter& painter, int row, int top, const QRect& area);
    // The row's height at the view's width; text is the row as shown, when at hand.
    int rowHeight(int row, QString text = {}) const;
    int rowAt(int y) const;
    int textWidth() const;
    int contentHeight() const;
    void updateScrollRange();
    void select(int anchor, int current);
    void moveCurrent(int row, bool extend);
    const LogLayout::Wrapped& linesOf(int row, const QString& text) const;

    LogModel* model;
    LogLayout layout;
    std::vector<LogLayout::Measure> measures;
    // The top of each laid-out row in content coordinates, and one past the last.
    std::vector<int> tops;
    // The lines of the rows wrapped or painted last, for the width they had: a long
    // entry is wrapped (and shaped) once per width, not again on every paint, and is
    // painted with the very lines it was measured with.
    struct WrappedRow {
        int row;
        int width;
        LogLayout::Wrapped wrapped;
    };
    mutable std::vector<WrappedRow> wrappedRows;
    QTimer layoutTimer;
    // New entries show at most once a frame, however often a flood adds them: the
    // scroll bar, which is costly to change, and the rows alike.
    QTimer frameTimer;
    // The selected rows run from the anchor to the current row; -1 when none is.
    int anchorRow = -1;
    int currentRow = -1;
};
