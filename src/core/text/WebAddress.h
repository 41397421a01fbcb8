#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// What Morvi takes as a web address from outside its address fields (the command line, a
// later start, the desktop, a drop) and fetches by itself: an http or https address, its
// scheme in any case, with a host. Anything else could name a local file, or be read by the
// downloader as something it was never meant to be.
bool isWebAddress(const QUrl& url);
// The text read strictly as an address.
bool isWebAddress(const QString& text);
// The words of a text (between blanks and line breaks) that are web addresses, in order: a
// dropped text may hold several on one line, amid other words.
QStringList webAddressesIn(QStringView text);
