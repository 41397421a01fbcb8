#pragma once

#include <QStringList>

// The addresses a text offers the queue, by the rules of "Add URLs to Queue".
namespace AddressLines {

// The lines of a text (split at any line break, trimmed of white space), blank ones aside.
struct Sorted {
    QStringList addresses; // the accepted addresses, each once, in order
    QStringList refused;   // the lines that are not accepted addresses, in order
    int repeated = 0;      // accepted addresses that came earlier in the text too
};
Sorted sort(QStringView text);

// The addresses of sort(text).
QStringList accepted(QStringView text);

// A text file's content, or why it could not be read.
struct FileText {
    QString text;
    QString error;
};

// The file's UTF-8 text; of a file of at least largeText characters only its accepted
// addresses, one per line.
FileText readFile(const QString& path, qsizetype largeText);

} // namespace AddressLines
