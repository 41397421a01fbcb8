#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QString>
#include <QTextLine>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QTextLayout;

// How the log shows an entry: which text, split into lines and wrapped to a width.
// Lines of Latin-1 text are measured from cached advances of single characters, one pass
// over their text with no shaping; every other line is shaped, measured and wrapped by
// Qt's text layout, broken only between graphemes, and drawn with that same layout.
class LogLayout {
    Q_DECLARE_TR_FUNCTIONS(LogLayout)

public:
    // Longer entries are shown cut, with a last line saying so; the log keeps them whole.
    static constexpr qsizetype displayLimit = 64 * 1024;

    // What is known of an entry whatever the width: its lines and the widest of them,
    // infinite when a line needs shaping, which is then laid out at each width.
    struct Measure {
        int lineCount = 0;
        qreal widestLine = 0;
    };
    // One line as shown: where it starts in the text, and its length; a shaped line is
    // drawn by its laid-out line.
    struct Line {
        qsizetype start;
        qsizetype length;
        QTextLine shaped = {};
    };
    // The lines of an entry at one width, with the layouts that hold its shaped lines.
    struct Wrapped {
        std::vector<Line> lines;
        std::vector<std::unique_ptr<QTextLayout>> layouts;
    };

    // The entry as shown: a carriage return opening a tool's output after the time
    // stamp draws no empty line, and text beyond displayLimit is left out.
    static QString displayText(const QString& entry);

    void setFont(const QFont& font);
    Measure measure(QStringView text) const;
    // The lines of the text wrapped to width, at a blank where one fits, else anywhere.
    Wrapped wrap(QStringView text, qreal width) const;

private:
    static bool isLatin1(QStringView line);
    void wrapLatin1(QStringView line, qreal width, Wrapped& wrapped, qsizetype offset) const;
    void wrapUniform(QStringView line, qreal width, Wrapped& wrapped, qsizetype offset) const;
    void wrapShaped(QStringView line, qreal width, Wrapped& wrapped, qsizetype offset) const;

    // The advance of every Latin-1 character, and the one advance of every printable one in a
    // fixed-pitch font, which makes a line of them as wide as its length says; 0 for others.
    struct Advances {
        std::array<qreal, 256> latin{};
        qreal ascii = 0;
    };
    const Advances& advances() const;

    QFont font;
    mutable std::optional<Advances> measured;
};
