#include "LogLayout.h"

#include "core/text/LineSplitter.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <limits>

namespace {

// Entries start with "[HH:mm:ss] ".
constexpr qsizetype stampLength = 11;

} // namespace

QString LogLayout::displayText(const QString& entry) {
    const bool openingReturn = entry.size() > stampLength && entry[stampLength] == u'\r' &&
                               (entry.size() == stampLength + 1 || entry[stampLength + 1] != u'\n');
    if (!openingReturn && entry.size() <= displayLimit)
        return entry;
    QString shown = entry.left(stampLength);
    const qsizetype from = stampLength + (openingReturn ? 1 : 0);
    shown += QStringView(entry).sliced(std::min(from, entry.size())).left(displayLimit);
    if (const qsizetype left = entry.size() - from - displayLimit; left > 0)
        shown += u'\n' + tr("[… %n more characters not shown; Copy takes the whole entry]", nullptr,
                            static_cast<int>(left));
    return shown;
}

void LogLayout::setFont(const QFont& value) {
    font = value;
    measured.reset();
}

// Measured once per font on first need: an empty log, as at start, loads none of its glyphs.
const LogLayout::Advances& LogLayout::advances() const {
    if (measured)
        return *measured;
    Advances& advances = measured.emplace();
    const QFontMetricsF metrics(font);
    for (char16_t c = 0; c < advances.latin.size(); ++c)
        advances.latin[c] = metrics.horizontalAdvance(QChar(c));
    // Measured, since a monospaced font does not always say that it is one. Control
    // characters are measured as any other character by the general case too.
    advances.ascii = advances.latin[u' '];
    for (char16_t c = u' '; c < advances.latin.size(); ++c) {
        if (advances.latin[c] != advances.ascii && (c < 0x7f || c >= 0xa0))
            advances.ascii = 0;
    }
    return advances;
}

bool LogLayout::isLatin1(QStringView line) {
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x100; });
}

LogLayout::Measure LogLayout::measure(QStringView text) const {
    Measure result;
    const Advances& advance = advances();
    // The log shows the tools' output: its lines end where the tools end them.
    LineSplitter::forEachLine(text, LineSplitter::Breaks::tool, [&](QStringView line) {
        qreal width = 0;
        if (!isLatin1(line))
            width = std::numeric_limits<qreal>::infinity();
        else if (advance.ascii > 0)
            width = advance.ascii * line.size();
        else
            for (const QChar c : line)
                width += advance.latin[c.unicode()];
        ++result.lineCount;
        result.widestLine = std::max(result.widestLine, width);
    });
    return result;
}

LogLayout::Wrapped LogLayout::wrap(QStringView text, qreal width) const {
    Wrapped wrapped;
    LineSplitter::forEachLine(text, LineSplitter::Breaks::tool, [&](QStringView line) {
        const qsizetype offset = line.data() - text.data();
        if (!isLatin1(line))
            wrapShaped(line, width, wrapped, offset);
        else if (advances().ascii > 0)
            wrapUniform(line, width, wrapped, offset);
        else
            wrapLatin1(line, width, wrapped, offset);
    });
    return wrapped;
}

void LogLayout::wrapLatin1(QStringView line, qreal width, Wrapped& wrapped,
                           qsizetype offset) const {
    const std::array<qreal, 256>& latin = advances().latin;
    qsizetype start = 0, blank = -1;
    qreal x = 0, xAtBlank = 0;
    for (qsizetype at = 0; at < line.size(); ++at) {
        const qreal step = latin[line[at].unicode()];
        if (x + step > width && at > start) {
            const qsizetype cut = blank > start ? blank : at;
            wrapped.lines.push_back({offset + start, cut - start});
            x = cut == blank ? x - xAtBlank : 0;
            start = cut;
            blank = -1;
        }
        x += step;
        if (line[at] == u' ') {
            blank = at + 1;
            xAtBlank = x;
        }
    }
    wrapped.lines.push_back({offset + start, line.size() - start});
}

// The same breaks as the general case, found by counting characters: after the last
// blank that fits, else after as many characters as fit.
void LogLayout::wrapUniform(QStringView line, qreal width, Wrapped& wrapped,
                            qsizetype offset) const {
    const qreal advance = advances().ascii;
    const qsizetype columns = width >= advance * line.size()
                                  ? line.size()
                                  : std::max<qsizetype>(static_cast<qsizetype>(width / advance), 1);
    qsizetype start = 0;
    while (line.size() - start > columns) {
        const qsizetype blank = line.sliced(start, columns).lastIndexOf(u' ');
        const qsizetype cut = start + (blank >= 0 ? blank + 1 : columns);
        wrapped.lines.push_back({offset + start, cut - start});
        start = cut;
    }
    wrapped.lines.push_back({offset + start, line.size() - start});
}

// Qt shapes the line and breaks it at a blank where one fits, else between graphemes.
// The log reads left to right, whatever script a tool's line is in.
void LogLayout::wrapShaped(QStringView line, qreal width, Wrapped& wrapped,
                           qsizetype offset) const {
    auto layout = std::make_unique<QTextLayout>(line.toString(), font);
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    for (QTextLine shaped = layout->createLine(); shaped.isValid(); shaped = layout->createLine()) {
        shaped.setLineWidth(width);
        wrapped.lines.push_back({offset + shaped.textStart(), shaped.textLength(), shaped});
    }
    layout->endLayout();
    wrapped.layouts.push_back(std::move(layout));
}
