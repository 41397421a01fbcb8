#include "UrlsTextEdit.h"

#include <QMimeData>

UrlsTextEdit::UrlsTextEdit(qsizetype largeText, QWidget* parent)
    : QPlainTextEdit(parent)
    , largeText(largeText) {
    setTabChangesFocus(true);
    // Drops belong to the window, which appends links to the box.
    setAcceptDrops(false);
}

void UrlsTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) {
        const QString text = source->text();
        if (text.size() >= largeText) {
            emit largeTextPasted(text);
            return;
        }
    }
    QPlainTextEdit::insertFromMimeData(source);
}
