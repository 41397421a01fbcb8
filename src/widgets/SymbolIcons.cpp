#include "SymbolIcons.h"

#include <QHash>
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

QPixmap tinted(const QIcon& source, int size, const QColor& colour) {
    QPixmap pixmap = source.pixmap(QSize(size, size));
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), colour);
    return pixmap;
}

} // namespace

QIcon SymbolIcons::icon(const QString& symbol, const QColor& colour) {
    const QIcon bundled(":/icons/" + symbol + ".svg");
    const QIcon source = QIcon::fromTheme(themeName(symbol), bundled);
    QIcon result;
    for (const int size : {16, 24, 32, 48})
        result.addPixmap(tinted(source, size, colour));
    return result;
}
