#pragma once

#include <QPlainTextEdit>
#include <QTimer>

// The queue's address box: Tab moves on to the next control; a pasted text of at least
// largeText characters is handed on instead of being inserted, since laying out a whole
// log file as text would stall the window for seconds; and a long text to show is laid
// out a slice per event-loop turn, with the box read-only until it is all there. Its
// rounded border turns into the accent colour while it has the keyboard focus.
class UrlsTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit UrlsTextEdit(qsizetype largeText, QWidget* parent = nullptr);

    // Shows text; when it runs on from what the box shows, only the rest is added.
    void showText(const QString& text);
    // How much of the text to show is shown, from 0 to 100.
    double shownPercent() const;

signals:
    void largeTextPasted(const QString& text);
    // The user changed the text.
    void edited(const QString& text);
    // Another slice of the text to show is shown.
    void filling();

protected:
    void insertFromMimeData(const QMimeData* source) override;
    void changeEvent(QEvent* event) override;

private:
    void showSlice();
    void followPalette();

    qsizetype largeText;
    QString wanted;      // the text to show
    qsizetype shown = 0; // how much of it the box shows
    bool changing = false;
    QTimer nextSlice;
};
