#include "AddressRouting.h"

#include "core/queue/BulkDownloadViewModel.h"
#include "core/single/MainWindowViewModel.h"
#include "core/text/LineSplitter.h"

namespace {

// The address field holds one address: one that would replace another there, or stand
// beside a download, joins the queue's box instead, so that none is lost.
bool fieldTakes(const MainWindowViewModel& single, const QString& address) {
    const QString held = single.urlText().trimmed();
    return !single.isDownloading() && (held.isEmpty() || held == address);
}

} // namespace

void AddressRouting::open(const QStringList& addresses, const Windows& windows) {
    MainWindowViewModel& single = windows.showMain();
    if (addresses.size() == 1 && fieldTakes(single, addresses.first())) {
        single.setUrlText(addresses.first());
    } else if (!addresses.isEmpty()) {
        BulkDownloadViewModel& queue = windows.showQueue();
        // Whatever the user had typed there stays.
        queue.setUrlsText(
            LineSplitter::appendedOnItsOwnLine(queue.urlsText(), addresses.join('\n')));
    }
}
