#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "queue/BulkDownloadProgressDelegate.h"
#include "queue/BulkDownloadView.h"
#include "tools/FileManagerHelper.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

using namespace QueueTesting;

namespace {

const QStringList allButtons{"Add URLs from File",  "Add URLs to Queue",  "Browse",
                             "Start All Downloads", "Stop All Downloads", "Clear Queue",
                             "Start Selected",      "Stop Selected",      "Delete Selected"};

QAbstractButton* button(const QWidget& view, const QString& text) {
    const QList<QAbstractButton*> buttons = view.findChildren<QAbstractButton*>();
    for (QAbstractButton* each : buttons) {
        if (each->text() == text)
            return each;
    }
    qFatal("no button %s", qPrintable(text));
}

QStringList enabledButtons(const QWidget& view) {
    QStringList enabled;
    for (const QString& text : allButtons) {
        if (button(view, text)->isEnabled())
            enabled << text;
    }
    return enabled;
}

QStringList labels(const QWidget& view) {
    QStringList texts;
    const QList<QLabel*> found = view.findChildren<QLabel*>();
    for (const QLabel* label : found)
        texts << label->text();
    return texts;
}

QString queueHeading(const QWidget& view) {
    return labels(view).filter("Download Queue").value(0);
}

void click(const QWidget& view, const QString& text) {
    QTest::mouseClick(button(view, text), Qt::LeftButton);
}

QStringList comboEntries(const QComboBox* combo) {
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

} // namespace

class TestBulkDownloadView : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    FileManagerHelper tools;
    QString argsFile;

    void selectRows(BulkDownloadView& view, const QList<int>& rows) {
        auto* table = view.findChild<QTableView*>();
        QItemSelection selection;
        for (int row : rows)
            selection.select(table->model()->index(row, 0), table->model()->index(row, 4));
        table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

    QList<int> selectedRows(const BulkDownloadView& view) {
        QList<int> rows;
        const auto selected = view.findChild<QTableView*>()->selectionModel()->selectedRows();
        for (const QModelIndex& index : selected)
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }

private slots:
    void init() {
        clearStore();
        QDir(tools.toolsFolderPath).removeRecursively();
        tools.createDirectoriesIfNeeded();
        argsFile = QDir::homePath() + "/args";
        QFile::remove(argsFile);
        FakeTools::configure();
    }

    void freshWindowShowsItsSectionsAndRules() {
        BulkDownloadView view(&dialogs);
        QCOMPARE(view.minimumSize(), QSize(800, 600));
        const QStringList texts = labels(view);
        for (const char* expected : {"Bulk Download", "Add URLs (one per line):", "Format:",
                                     "Quality:", "Output Path:", "Download Queue (0 items):"})
            QVERIFY2(texts.contains(expected), expected);
        QCOMPARE(enabledButtons(view),
                 (QStringList{"Add URLs from File", "Browse", "Clear Queue"}));
        auto* field = view.findChild<QLineEdit*>();
        QCOMPARE(field->placeholderText(), "Output folder");
        QCOMPARE(field->text(), QDir::homePath() + "/Downloads");
    }

    void addingFromTheTextBox() {
        BulkDownloadView view(&dialogs);
        auto* editor = view.findChild<QPlainTextEdit*>();
        editor->setPlainText("  \n\t \n");
        QVERIFY(!button(view, "Add URLs to Queue")->isEnabled());
        editor->insertPlainText("https://youtu.be/a\nhttps://youtu.be/b");
        QVERIFY(button(view, "Add URLs to Queue")->isEnabled());
        click(view, "Add URLs to Queue");
        QCOMPARE(editor->toPlainText(), QString());
        QCOMPARE(queueHeading(view), "Download Queue (2 items):");
        QVERIFY(!button(view, "Add URLs to Queue")->isEnabled());

        view.viewModel()->setSelection({view.viewModel()->downloadItems().first().id});
        click(view, "Delete Selected");
        QCOMPARE(queueHeading(view), "Download Queue (1 items):");
    }

    void fileAndFolderButtonsUseTheDialogs() {
        const QString file = QDir::homePath() + "/list.txt";
        QFile list(file);
        QVERIFY(list.open(QIODevice::WriteOnly) && list.write("https://youtu.be/from-file\n") > 0);
        list.close();
        BulkDownloadView view(&dialogs);
        dialogs.fileAnswers << file;
        click(view, "Add URLs from File");
        QCOMPARE(view.findChild<QPlainTextEdit*>()->toPlainText(), "https://youtu.be/from-file\n");
        dialogs.folderAnswers << "/media/videos";
        click(view, "Browse");
        QCOMPARE(view.findChild<QLineEdit*>()->text(), "/media/videos");
        QTest::keyClicks(view.findChild<QLineEdit*>(), "/more");
        QCOMPARE(view.viewModel()->outputPath(), "/media/videos/more");
    }

    void buttonRulesWhileIdle_data() {
        QTest::addColumn<QList<BulkDownloadItem>>("items");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("enabled");
        const QStringList always{"Add URLs from File", "Browse"};
        const auto done = item("https://youtu.be/done", DownloadStatus::completed, 100);
        const auto failed = item("https://youtu.be/failed", DownloadStatus::failed);
        const auto waiting = item("https://youtu.be/waiting");
        QTest::newRow("only completed and failed")
            << QList{done, failed} << QList<int>{}
            << always + QStringList{"Start All Downloads", "Clear Queue"};
        QTest::newRow("a pending item")
            << QList{done, waiting} << QList<int>{}
            << always + QStringList{"Start All Downloads", "Stop All Downloads", "Clear Queue"};
        QTest::newRow("a completed item selected")
            << QList{done, waiting} << QList<int>{0}
            << always + QStringList{"Start All Downloads", "Stop All Downloads", "Clear Queue",
                                    "Start Selected", "Delete Selected"};
        QTest::newRow("a pending item selected")
            << QList{done, waiting} << QList<int>{1}
            << always + QStringList{"Start All Downloads", "Stop All Downloads", "Clear Queue",
                                    "Start Selected",      "Stop Selected",      "Delete Selected"};
    }
    void buttonRulesWhileIdle() {
        QFETCH(QList<BulkDownloadItem>, items);
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, enabled);
        storeItems(items);
        BulkDownloadView view(&dialogs);
        selectRows(view, selected);
        QCOMPARE(enabledButtons(view), enabled);
    }

    void buttonRulesWhileABatchRunsAndRightAfterStop() {
        FakeTools::install();
        FakeTools::configure({{"FAKE_ARGS_FILE", argsFile}, {"FAKE_SLEEP", "30"}});
        storeItems({item("https://youtu.be/done", DownloadStatus::completed, 100),
                    item("https://youtu.be/slow")});
        BulkDownloadView view(&dialogs);
        click(view, "Start All Downloads");
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(argsFile); }));
        view.findChild<QPlainTextEdit*>()->setPlainText("https://youtu.be/more");
        QCOMPARE(enabledButtons(view), (QStringList{"Add URLs from File", "Add URLs to Queue",
                                                    "Browse", "Stop All Downloads"}));
        selectRows(view, {0});
        QCOMPARE(enabledButtons(view),
                 (QStringList{"Add URLs from File", "Add URLs to Queue", "Browse",
                              "Stop All Downloads", "Stop Selected"}));
        for (QWidget* field : {static_cast<QWidget*>(view.findChild<QComboBox*>()),
                               static_cast<QWidget*>(view.findChild<QLineEdit*>()),
                               static_cast<QWidget*>(view.findChild<QPlainTextEdit*>()),
                               static_cast<QWidget*>(button(view, "MP4"))})
            QVERIFY(field->isEnabled());

        click(view, "Stop All Downloads");
        // At once, while the stopped download is still ending.
        QVERIFY(view.viewModel()->downloadItems().at(1).status == DownloadStatus::cancelled);
        QCOMPARE(enabledButtons(view), (QStringList{"Add URLs from File", "Add URLs to Queue",
                                                    "Browse", "Start All Downloads", "Clear Queue",
                                                    "Start Selected", "Delete Selected"}));
        QVERIFY(QTest::qWaitFor([&] {
            return view.viewModel()->downloadItems().at(1).status == DownloadStatus::failed;
        }));
    }

    void formatPickerSwitchesTheQualityPicker() {
        BulkDownloadView view(&dialogs);
        BulkDownloadViewModel* vm = view.viewModel();
        auto* quality = view.findChild<QComboBox*>();
        QCOMPARE(quality->accessibleName(), "Audio Quality");
        QCOMPARE(comboEntries(quality),
                 (QStringList{"320k", "256k", "192k", "128k", "96k", "64k"}));
        QCOMPARE(quality->currentText(), "192k");
        QVERIFY(button(view, "MP3")->isChecked());

        click(view, "MP4");
        QCOMPARE(vm->selectedFormat(), "MP4");
        QCOMPARE(quality->accessibleName(), "Video Quality");
        QCOMPARE(comboEntries(quality),
                 (QStringList{"Best", "Highest Available", "2160p", "1440p", "1080p", "720p",
                              "480p", "360p", "Lowest Available"}));
        QCOMPARE(quality->currentText(), "1080p");
        quality->setFocus();
        QTest::keyClick(quality, Qt::Key_Down);
        QCOMPARE(vm->selectedVideoQuality(), "720p");
        QCOMPARE(vm->selectedAudioQuality(), "192k");

        click(view, "MP3");
        QCOMPARE(quality->currentText(), "192k");
        vm->setSelectedFormat("M4A");
        QVERIFY(button(view, "M4A")->isChecked());
        QVERIFY(!button(view, "MP3")->isChecked());
        QCOMPARE(quality->accessibleName(), "Audio Quality");
    }

    void tableColumnsCellsAndStatusColours() {
        storeItems(
            {item("https://youtu.be/video", DownloadStatus::failed, 42.7, "MP4", "720p", "64k"),
             item("https://youtu.be/audio", DownloadStatus::completed, 100, "M4A", "720p", "64k"),
             item("https://youtu.be/new"), item("https://youtu.be/d", DownloadStatus::downloading),
             item("https://youtu.be/c", DownloadStatus::cancelled)});
        BulkDownloadView view(&dialogs);
        auto* table = view.findChild<QTableView*>();
        const QAbstractItemModel* model = table->model();
        QStringList titles;
        for (int column = 0; column < model->columnCount(); ++column)
            titles << model->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(titles, (QStringList{"URL", "Format", "Quality", "Status", "Progress"}));
        QCOMPARE((QList<int>{table->columnWidth(1), table->columnWidth(2), table->columnWidth(3),
                             table->columnWidth(4)}),
                 (QList<int>{70, 70, 100, 100}));
        QVERIFY(table->selectionMode() == QAbstractItemView::ExtendedSelection);

        const auto row = [&](int r) {
            QStringList cells;
            for (int column = 0; column < 5; ++column)
                cells << model->index(r, column).data().toString();
            return cells;
        };
        QCOMPARE(row(0), (QStringList{"https://youtu.be/video", "MP4", "720p", "Failed", "42%"}));
        QCOMPARE(row(1),
                 (QStringList{"https://youtu.be/audio", "M4A", "64k", "Completed", "100%"}));
        QCOMPARE(row(2), (QStringList{"https://youtu.be/new", "MP3", "192k", "Pending", "0%"}));
        QList<QColor> colours;
        for (int r = 0; r < 5; ++r)
            colours << model->index(r, 3).data(Qt::ForegroundRole).value<QColor>();
        QCOMPARE(colours, (QList<QColor>{QColor("red"), QColor("green"),
                                         view.palette().color(QPalette::PlaceholderText),
                                         QColor("blue"), QColor("orange")}));
    }

    void progressCellDrawsABarOnlyWhileDownloading() {
        storeItems({item("https://youtu.be/a", DownloadStatus::downloading, 50),
                    item("https://youtu.be/b", DownloadStatus::cancelled, 50)});
        BulkDownloadView view(&dialogs);
        const QAbstractItemModel* model = view.findChild<QTableView*>()->model();
        BulkDownloadProgressDelegate delegate;
        const auto paint = [&](int row) {
            QImage image(100, 24, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            QStyleOptionViewItem option;
            option.rect = image.rect();
            option.palette = view.palette();
            delegate.paint(&painter, option, model->index(row, 4));
            return image;
        };
        // The bar's filled half is drawn in the highlight colour; text is not.
        const auto highlighted = [&](const QImage& image, int fromX, int toX) {
            const QColor highlight = view.palette().color(QPalette::Highlight);
            int count = 0;
            for (int x = fromX; x < toX; ++x) {
                for (int y = 0; y < image.height(); ++y) {
                    const QColor c = image.pixelColor(x, y);
                    count += std::abs(c.hue() - highlight.hue()) < 12 && c.saturation() > 80;
                }
            }
            return count;
        };
        const QImage bar = paint(0);
        QVERIFY(highlighted(bar, 4, 40) > 20);
        QCOMPARE(highlighted(bar, 90, 100), 0);
        QCOMPARE(highlighted(paint(1), 0, 100), 0);
    }

    void selectionIsKeptTwoWays() {
        storeItems(pendingItems({"a", "b", "c"}));
        BulkDownloadView view(&dialogs);
        BulkDownloadViewModel* vm = view.viewModel();
        const QList<BulkDownloadItem> items = vm->downloadItems();
        selectRows(view, {0, 2});
        QCOMPARE(vm->selection(), (QSet<QUuid>{items.at(0).id, items.at(2).id}));
        vm->setSelection({items.at(1).id});
        QCOMPARE(selectedRows(view), QList<int>{1});
        vm->setSelection({});
        QCOMPARE(selectedRows(view), QList<int>{});

        selectRows(view, {0, 2});
        click(view, "Delete Selected");
        QCOMPARE(urls(vm->downloadItems()), QStringList{"https://youtu.be/b"});
        QCOMPARE(selectedRows(view), QList<int>{});
        QVERIFY(vm->selection().isEmpty());
    }

    void closingTheWindowLeavesTheBatchRunning() {
        FakeTools::install();
        FakeTools::configure({{"FAKE_ARGS_FILE", argsFile}, {"FAKE_SLEEP", "1"}});
        storeItems(pendingItems({"a"}));
        auto* view = new BulkDownloadView(&dialogs);
        QPointer<BulkDownloadViewModel> vm = view->viewModel();
        click(*view, "Start All Downloads");
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(argsFile); }));
        delete view;
        QTest::qWait(50);
        QVERIFY(vm);
        QVERIFY(QTest::qWaitFor([&] { return vm.isNull(); }, 5000));
        QCOMPARE(states(storedItems()), QStringList{"Completed 100"});

        auto* idleView = new BulkDownloadView(&dialogs);
        QPointer<BulkDownloadViewModel> idle = idleView->viewModel();
        delete idleView;
        QVERIFY(QTest::qWaitFor([&] { return idle.isNull(); }, 1000));
    }

    void rendersTheWindowWithEveryStatus() {
        storeItems({item("https://www.youtube.com/watch?v=pending"),
                    item("https://www.youtube.com/watch?v=downloading", DownloadStatus::downloading,
                         42.7, "MP4", "720p"),
                    item("https://youtu.be/completed", DownloadStatus::completed, 100, "M4A",
                         "1080p", "256k"),
                    item("https://youtu.be/failed", DownloadStatus::failed),
                    item("https://youtu.be/cancelled", DownloadStatus::cancelled, 0, "MP4")});
        BulkDownloadView view(&dialogs);
        view.viewModel()->setUrlsText("https://youtu.be/next-one\n");
        view.resize(900, 760);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(Renders::save(view, "bulk-download"));
    }
};

MORVI_TEST_MAIN(TestBulkDownloadView)
#include "tst_bulkdownloadview.moc"
