#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QString>
#include <array>
#include <vector>

// How the log shows an entry: which text, split into lines and wrapped to a width.
// Widths come from cached advances of single characters, so measuring and wrapping a
// long entry is one pass over its text with no shaping; only the visible lines are
// ever drawn, by the view.
class LogLayout {
    Q_DECLARE_TR_FUNCTIONS(LogLayout)

public:
    // Longer entries are shown cut, with a last line saying so; the log keeps them whole.
    static constexpr qsizetype displayLimit = 64 * 1024;

    // What is known of an entry whatever the width: its lines and the widest of them.
    struct Measure {
        int lineCount = 0;
        qreal widestLine = 0;
    };
    // One line as shown: where it starts in the text, and its length.
    struct Line {
        qsizetype start;
        qsizetype length;
    };
    using Lines = std::vector<Line>;

    // The entry as shown: a carriage return opening a tool's output after the time
    // stamp draws no empty line, and text beyond displayLimit is left out.
    static QString displayText(const QString& entry);

    void setFont(const QFont& font);
    Measure measure(QStringView text) const;
    // The lines of the text wrapped to width, at a blank where one fits, else anywhere.
    Lines wrap(QStringView text, qreal width) const;

private:
    qreal advance(QStringView text, qsizetype at) const {
        const char16_t c = text[at].unicode();
        return c < latin.size() ? latin[c] : otherAdvance(text, at);
    }
    qreal otherAdvance(QStringView text, qsizetype at) const;
    bool isUniform(QStringView line) const;
    void wrapUniform(QStringView line, qreal width, Lines& lines, QStringView text) const;
    template <typename Visit> static void forEachLine(QStringView text, Visit visit);

    QFont font;
    std::array<qreal, 256> latin{};
    // The one advance of every printable Latin-1 character in a fixed-pitch font, which
    // makes a line of them as wide as its length says; 0 for other fonts.
    qreal asciiAdvance = 0;
    mutable QHash<char16_t, qreal> others;
};
