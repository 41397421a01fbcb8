#pragma once

#include <QPlainTextEdit>

// The queue's address box: Tab moves on to the next control, and a pasted text of at
// least largeText characters is handed on instead of being inserted, since laying out
// a whole log file as text would stall the window for seconds. Its rounded border turns
// into the accent colour while it has the keyboard focus.
class UrlsTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit UrlsTextEdit(qsizetype largeText, QWidget* parent = nullptr);

signals:
    void largeTextPasted(const QString& text);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    void changeEvent(QEvent* event) override;

private:
    void followPalette();

    qsizetype largeText;
};
