#pragma once

#include <QAbstractScrollArea>
#include <QStringView>
#include <QTimer>
#include <vector>

class LogModel;

// Shows a LogModel as monospaced caption-size rows on the text background, with a
// rounded outline, and brings the newest entry into view whenever entries are added.
// An entry that spans several lines is one multi-line row; lines wider than the view
// wrap. Built for logs of hundreds of thousands of entries: each entry is measured
// once, new entries are laid out in short slices between events, and only the visible
// rows are painted.
class LogView : public QAbstractScrollArea {
    Q_OBJECT
public:
    LogView(LogModel* model, int height, QWidget* parent = nullptr);

    // Where the row is drawn, in viewport coordinates; empty for a row not laid out yet.
    QRect visualRect(int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // What is known of an entry whatever the width: its lines and the widest of them.
    struct Measure {
        int lineCount;
        qreal widestLine;
    };

    void entriesAdded();
    void entriesReset();
    void layOutSlice();
    void relayout();
    Measure measure(const QString& entry) const;
    qreal lineWidth(QStringView line) const;
    void measureCharacters();
    int rowHeight(int row) const;
    int textWidth() const;
    int contentHeight() const;
    void updateScrollRange();

    LogModel* model;
    std::vector<Measure> measures;
    // The top of each laid-out row in content coordinates, and one past the last.
    std::vector<int> tops;
    // Advances of the Latin-1 characters in a fixed-pitch font, which spare shaping
    // most tool output; empty for other fonts.
    std::vector<qreal> latinAdvances;
    QTimer layoutTimer;
};
