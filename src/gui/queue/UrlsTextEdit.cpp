#include "UrlsTextEdit.h"

#include "core/colour/Contrast.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QMimeData>
#include <QScopedValueRollback>

namespace {

// The box takes slices of about this many characters, each ended at a line break, for
// about this long per event-loop turn.
constexpr qsizetype sliceLength = 16 * 1024;
constexpr qint64 turnMs = 20;

} // namespace

UrlsTextEdit::UrlsTextEdit(qsizetype largeText, QWidget* parent)
    : QPlainTextEdit(parent)
    , largeText(largeText) {
    setTabChangesFocus(true);
    // Drops belong to the window, which appends links to the box.
    setAcceptDrops(false);
    followPalette();
    nextSlice.setSingleShot(true);
    nextSlice.setInterval(0);
    connect(&nextSlice, &QTimer::timeout, this, &UrlsTextEdit::showSlice);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (changing)
            return;
        wanted = toPlainText();
        shown = wanted.size();
        emit edited(wanted);
    });
}

void UrlsTextEdit::showText(const QString& text) {
    if (text == wanted)
        return;
    if (!text.startsWith(QStringView(wanted).first(shown))) {
        const QScopedValueRollback guard(changing, true);
        setPlainText(QString());
        shown = 0;
    }
    wanted = text;
    showSlice();
}

double UrlsTextEdit::shownPercent() const {
    return wanted.isEmpty() ? 100 : 100.0 * static_cast<double>(shown) / wanted.size();
}

void UrlsTextEdit::showSlice() {
    const QScopedValueRollback guard(changing, true);
    QElapsedTimer turn;
    turn.start();
    // Programmatic text is not the user's to undo, as with setPlainText.
    document()->setUndoRedoEnabled(false);
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    while (shown < wanted.size() && turn.elapsed() < turnMs) {
        const qsizetype lineBreak = wanted.indexOf('\n', shown + sliceLength);
        const qsizetype until = lineBreak < 0 ? wanted.size() : lineBreak + 1;
        end.insertText(wanted.sliced(shown, until - shown));
        shown = until;
    }
    document()->setUndoRedoEnabled(true);
    const bool more = shown < wanted.size();
    setReadOnly(more);
    if (more)
        nextSlice.start();
    else
        nextSlice.stop();
    emit filling();
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
    const QColor focus = Contrast::focusAccent(colours);
    setStyleSheet(QString("QPlainTextEdit { border: 1px solid %1; border-radius: 8px; "
                          "padding: 1px; }"
                          "QPlainTextEdit:focus { border: 2px solid %2; padding: 0; }")
                      .arg(outline.name(QColor::HexArgb), focus.name()));
}
