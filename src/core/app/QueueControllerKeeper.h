#pragma once

#include <QPointer>

class BulkDownloadViewModel;

// Which controller a new queue window shows. While a batch of a closed queue window runs, the
// new window shows that same controller, so that only one controller ever writes the stored
// queue. One whose batches have ended is deleted first: its last write lands before the new
// window's own controller reads the store.
class QueueControllerKeeper {
public:
    // The kept controller while a batch of it runs; otherwise none, and the new window makes
    // its own.
    BulkDownloadViewModel* forNewWindow();
    // The controller a queue window shows from now on.
    void keep(BulkDownloadViewModel* shown);

private:
    QPointer<BulkDownloadViewModel> controller;
};
