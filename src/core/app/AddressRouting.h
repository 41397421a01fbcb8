#pragma once

#include <QStringList>
#include <functional>

class BulkDownloadViewModel;
class MainWindowViewModel;

// Where the web addresses of a start of Morvi go, whether this process's own start or a
// later one handed over: the main window comes forward; one address goes into its address
// field when that is free (empty or holding it, and no download running); otherwise, and
// two or more always, they are appended, one per line, to the queue window's address box,
// and that window comes forward. Nothing starts downloading.
namespace AddressRouting {

// The windows that take addresses: each brings its window forward (made anew when it is
// not open) and answers its controller.
struct Windows {
    std::function<MainWindowViewModel&()> showMain;
    std::function<BulkDownloadViewModel&()> showQueue;
};

void open(const QStringList& addresses, const Windows& windows);

} // namespace AddressRouting
