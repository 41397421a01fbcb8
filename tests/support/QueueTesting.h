#pragma once

#include "ScriptedEngine.h"
#include "TestHome.h"
#include "core/queue/BulkDownloadViewModel.h"
#include "core/queue/DownloadItemsDocument.h"
#include "core/storage/SettingsStore.h"

#include <QAbstractItemModelTester>
#include <QTest>

// Items as "Status progress", like the table; controllers over a scripted engine, model-tested.
namespace QueueTesting {

inline void clearStore() {
    removeSettings({"Morvi", "MorviPreferences"});
}

inline BulkDownloadItem item(const QString& url, DownloadStatus status = DownloadStatus::pending,
                             double progress = 0, const QString& format = "MP3") {
    BulkDownloadItem made = BulkDownloadItem::create(url, {format, "1080p", "192k"});
    made.status = status;
    made.progress = progress;
    return made;
}

inline QList<BulkDownloadItem> pendingItems(const QStringList& names) {
    QList<BulkDownloadItem> made;
    for (const QString& name : names)
        made << item("https://youtu.be/" + name);
    return made;
}

inline QList<BulkDownloadItem> numberedItems(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::number(i);
    return pendingItems(names);
}

inline void storeItems(const QList<BulkDownloadItem>& items) {
    QString error;
    SettingsStore().setData(QueueStore::downloadItemsKey,
                            *DownloadItemsDocument::encode(items, error));
}

inline QList<BulkDownloadItem> decoded(const QByteArray& document) {
    QString error;
    return DownloadItemsDocument::decode(document, error).value_or(QList<BulkDownloadItem>{});
}

inline QList<BulkDownloadItem> storedItems() {
    return decoded(SettingsStore().data(QueueStore::downloadItemsKey).value_or(""));
}

inline QStringList states(const QList<BulkDownloadItem>& items) {
    QStringList shown;
    for (const BulkDownloadItem& each : items)
        shown << rawValue(each.status) + " " + QString::number(each.progress);
    return shown;
}

inline QStringList urls(const QList<BulkDownloadItem>& items) {
    QStringList shown;
    for (const BulkDownloadItem& each : items)
        shown << each.url;
    return shown;
}

inline bool loaded(const BulkDownloadViewModel& vm) {
    return QTest::qWaitFor([&] { return !vm.isLoading(); });
}

struct Scripted {
    ScriptedEngine* engine;
    std::unique_ptr<BulkDownloadViewModel> vm;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

inline Scripted scripted(Dialogs& dialogs) {
    auto* raw = new ScriptedEngine;
    auto vm = std::make_unique<BulkDownloadViewModel>(dialogs, std::make_unique<SettingsStore>(),
                                                      nullptr, raw->lender());
    raw->setParent(vm.get());
    auto tester = std::make_unique<QAbstractItemModelTester>(
        vm->itemsModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    loaded(*vm);
    return {raw, std::move(vm), std::move(tester)};
}

} // namespace QueueTesting
