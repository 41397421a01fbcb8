#include "CaptionLabel.h"

#include "core/colour/Contrast.h"

#include <QEvent>

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    followPalette();
}

void CaptionLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (!restyling && (event->type() == QEvent::PaletteChange ||
                       event->type() == QEvent::ApplicationPaletteChange))
        followPalette();
}

void CaptionLabel::followPalette() {
    // Setting our own colour raises another palette change, which must not recurse.
    restyling = true;
    // Only the text colour is our own; the others keep following the window. The
    // window text is that colour now, so the blend leans towards the plain text colour.
    const QPalette inherited = palette();
    QPalette own;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        own.setColor(group, QPalette::WindowText,
                     Contrast::legibleSecondary(inherited.color(group, QPalette::PlaceholderText),
                                                inherited.color(group, QPalette::Text),
                                                inherited.color(group, QPalette::Window)));
    }
    setPalette(own);
    restyling = false;
}
