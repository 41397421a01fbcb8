#pragma once

#include <QStringList>

// The addresses a text offers the queue, by the rules of "Add URLs to Queue".
namespace AddressLines {

// Every line of the text (split at any line break), trimmed of white space, that is an
// accepted address, each once, in order.
QStringList accepted(QStringView text);

} // namespace AddressLines
