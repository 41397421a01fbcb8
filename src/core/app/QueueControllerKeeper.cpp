#include "QueueControllerKeeper.h"

#include "core/queue/BulkDownloadViewModel.h"

BulkDownloadViewModel* QueueControllerKeeper::forNewWindow() {
    if (controller && controller->hasRunningBatch())
        return controller;
    delete controller;
    return nullptr;
}

void QueueControllerKeeper::keep(BulkDownloadViewModel* shown) {
    controller = shown;
}
