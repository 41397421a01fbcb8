// Renders Morvi's scalable icon as the fixed-size PNGs that desktops look up in
// the hicolor theme, so that only the SVG is kept in the repository.
//
// Usage: morvi_icon_renderer <icon.svg> <theme folder> <size>...
// writes <theme folder>/<size>x<size>/apps/<icon name>.png for each size.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

bool render(QSvgRenderer& renderer, int size, const QString& path) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    QTextStream errors(stderr);
    if (argc < 4) {
        errors << "Usage: morvi_icon_renderer <icon.svg> <theme folder> <size>...\n";
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        errors << "Cannot read the icon " << svg << '\n';
        return 1;
    }
    const QString name = QFileInfo(svg).completeBaseName();
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString(argv[i]).toInt(&isNumber);
        const QString path = QString("%1/%2x%2/apps/%3.png").arg(argv[2]).arg(size).arg(name);
        if (!isNumber || size <= 0 || !render(renderer, size, path)) {
            errors << "Cannot write the icon at size " << argv[i] << " to " << path << '\n';
            return 1;
        }
    }
    return 0;
}
