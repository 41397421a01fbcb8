#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <array>
#include <functional>

// How the log shows an entry: which text, split into lines and wrapped to a width.
// Widths come from cached advances of single characters, so measuring and wrapping a
// long entry is one pass over its text with no shaping; only the visible lines are
// ever drawn, by the view.
class LogLayout {
public:
    // Longer entries are shown cut, with a last line saying so; the log keeps them whole.
    static constexpr qsizetype displayLimit = 64 * 1024;

    // What is known of an entry whatever the width: its lines and the widest of them.
    struct Measure {
        int lineCount = 0;
        qreal widestLine = 0;
    };
    using LineVisitor = std::function<bool(QStringView line)>;

    // The entry as shown: a carriage return opening a tool's output after the time
    // stamp draws no empty line, and text beyond displayLimit is left out.
    static QString displayText(const QString& entry);

    void setFont(const QFont& font);
    Measure measure(QStringView text) const;
    // Calls visit with each line of the text wrapped to width, at a blank where one
    // fits, else anywhere, until visit returns false; returns the lines visited.
    int wrap(QStringView text, qreal width, const LineVisitor& visit) const;

private:
    qreal advance(QStringView text, qsizetype at) const;
    template <typename Visit> static void forEachLine(QStringView text, Visit visit);

    QFont font;
    std::array<qreal, 256> latin{};
    mutable QHash<char16_t, qreal> others;
};
