#include "UrlsTextEdit.h"

#include "core/platform/Contrast.h"

#include <QEvent>
#include <QMimeData>

UrlsTextEdit::UrlsTextEdit(qsizetype largeText, QWidget* parent)
    : QPlainTextEdit(parent)
    , largeText(largeText) {
    setTabChangesFocus(true);
    // Drops belong to the window, which appends links to the box.
    setAcceptDrops(false);
    followPalette();
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

void UrlsTextEdit::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        followPalette();
}

// A style sheet replaces the style's own focus frame, so the focused border is drawn here:
// twice as thick, in the accent made to stand out (3:1) from the box and the window.
void UrlsTextEdit::followPalette() {
    const QPalette colours = palette();
    QColor outline = colours.color(QPalette::PlaceholderText);
    outline.setAlphaF(0.3f);
    const QColor focus =
        Contrast::readableOn(colours.color(QPalette::Highlight),
                             {colours.color(QPalette::Base), colours.color(QPalette::Window)}, 3.0);
    setStyleSheet(QString("QPlainTextEdit { border: 1px solid %1; border-radius: 8px; "
                          "padding: 1px; }"
                          "QPlainTextEdit:focus { border: 2px solid %2; padding: 0; }")
                      .arg(outline.name(QColor::HexArgb), focus.name()));
}
