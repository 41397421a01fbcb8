#include "SymbolIcons.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace {

// Symbolic icons are single-colour shapes meant to be recoloured, like Morvi's own.
QString themeName(const QString& symbol) {
    static const QHash<QString, QString> names{
        {"arrow.down.circle.fill", "go-down-symbolic"},
        {"stop.circle.fill", "media-playback-stop-symbolic"},
        {"arrow.down.circle", "go-down-symbolic"},
        {"music.note", "audio-x-generic-symbolic"},
        {"list.bullet", "view-list-symbolic"},
        {"scissors", "edit-cut-symbolic"},
        {"gear", "emblem-system-symbolic"},
        {"folder", "folder-symbolic"},
    };
    return names.value(symbol);
}

// The desktop theme's icon for the symbol, else the bundled drawing. "hicolor" is the theme
// every desktop falls back to and the one Qt reports when none is set: it holds applications'
// own icons, never the standard symbolic ones, and reading its long index would cost the
// window's first frame several milliseconds for an answer known beforehand.
QIcon themedOr(const QString& symbol, const QIcon& bundled) {
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == "hicolor")
        return bundled;
    return QIcon::fromTheme(themeName(symbol), bundled);
}

// Draws the source shape in one colour at exactly the pixel size asked for.
class TintedIconEngine : public QIconEngine {
public:
    TintedIconEngine(QIcon source, QColor colour, QColor disabledColour)
        : source(std::move(source))
        , colour(std::move(colour))
        , disabledColour(std::move(disabledColour)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap result = source.pixmap(size, 1.0, QIcon::Normal, state);
        if (result.size() != size)
            result = result.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&result);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(result.rect(), mode == QIcon::Disabled ? disabledColour : colour);
        return result;
    }

    // QIconEngine requires it; the widgets draw pixmap() instead.
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QIconEngine* clone() const override {
        return new TintedIconEngine(source, colour, disabledColour);
    }

private:
    QIcon source;
    QColor colour;
    QColor disabledColour;
};

} // namespace

QIcon SymbolIcons::icon(const QString& symbol, const QColor& colour, const QColor& disabledColour) {
    const QIcon bundled(":/icons/" + symbol + ".svg");
    QColor faded = colour;
    faded.setAlphaF(colour.alphaF() * 0.5);
    return QIcon(new TintedIconEngine(themedOr(symbol, bundled), colour,
                                      disabledColour.isValid() ? disabledColour : faded));
}
