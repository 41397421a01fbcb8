#pragma once

#include <QStringList>

// The addresses a text offers the queue, by the rules of "Add URLs to Queue".
namespace AddressLines {

// Every line of the text (split at any line break), trimmed of white space, that is an
// accepted address, each once, in order.
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
