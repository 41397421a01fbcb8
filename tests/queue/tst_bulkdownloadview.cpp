#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "platform/Contrast.h"
#include "queue/BulkDownloadView.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>

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

void click(const QWidget& view, const QString& text) {
    QTest::mouseClick(button(view, text), Qt::LeftButton);
}

void selectRows(const QWidget& view, const QList<int>& rows) {
    auto* table = view.findChild<QTableView*>();
    QItemSelection selection;
    for (int row : rows)
        selection.select(table->model()->index(row, 0), table->model()->index(row, 4));
    table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

} // namespace

class TestBulkDownloadView : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;

private slots:
    void init() {
        clearStore();
        dialogs = RecordingDialogs();
    }

    // The specified minimum holds where it fits; elsewhere the window keeps to the screen
    // and its content scrolls.
    void windowFitsTheScreen_data() {
        QTest::addColumn<QSize>("available");
        QTest::newRow("1920×1200") << QSize(1920, 1200);
        QTest::newRow("1366×768 with a panel") << QSize(1366, 720);
        QTest::newRow("1920×1080 at 150 %") << QSize(1280, 680);
    }
    void windowFitsTheScreen() {
        QFETCH(QSize, available);
        BulkDownloadView view(&dialogs);
        view.show();
        view.fitToScreen(QRect(QPoint(0, 0), available));
        const int frame = view.frameGeometry().height() - view.height();
        QCOMPARE(view.minimumHeight(), std::min(800, available.height() - frame));
        view.resize(view.minimumSize());
        QCoreApplication::processEvents();
        const auto* scroller = view.findChild<QScrollArea*>();
        // Everything stays in reach: up and down by scrolling, nothing hidden sideways.
        QCOMPARE(scroller->verticalScrollBar()->maximum() > 0, available.height() < 800);
        QCOMPARE(scroller->horizontalScrollBar()->maximum(), 0);
    }

    void keyboard() {
        storeItems(pendingItems({"a"}));
        Scripted s = scripted(dialogs);
        BulkDownloadView view(&dialogs, s.vm.release());
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        auto* editor = view.findChild<QPlainTextEdit*>();
        QCOMPARE(QApplication::focusWidget(), editor);
        QTest::keyClicks(editor, "https://youtu.be/b");
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(editor->toPlainText(), "https://youtu.be/b");
        QCOMPARE(QApplication::focusWidget(), button(view, "Add URLs to Queue"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(urls(view.viewModel()->downloadItems()),
                 (QStringList{"https://youtu.be/a", "https://youtu.be/b"}));

        QTest::keyClick(&view, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(dialogs.fileStarts.size(), 1);
        auto* table = view.findChild<QTableView*>();
        selectRows(view, {0});
        table->setFocus();
        s.engine->outcomes = {std::nullopt, std::nullopt};
        view.viewModel()->startAllDownloads(); // Delete Selected is disabled while it runs
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(view.viewModel()->downloadItems().size(), 2);
        QTRY_VERIFY(!view.viewModel()->isDownloading());
        selectRows(view, {0});
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(view.viewModel()->downloadItems().size(), 1);
    }

    void accessibleNames() {
        BulkDownloadView view(&dialogs);
        QStringList names;
        for (QWidget* input : {static_cast<QWidget*>(view.findChild<QPlainTextEdit*>()),
                               static_cast<QWidget*>(view.findChild<QLineEdit*>()),
                               static_cast<QWidget*>(view.findChild<QTableView*>()),
                               static_cast<QWidget*>(view.findChild<QGroupBox*>())})
            names << QAccessible::queryAccessibleInterface(input)->text(QAccessible::Name);
        QCOMPARE(names, (QStringList{"Add URLs (one per line):", "Output Path", "Download Queue",
                                     "Format"}));
        QCOMPARE(QAccessible::queryAccessibleInterface(view.findChild<QGroupBox*>())->role(),
                 QAccessible::Grouping);
    }

    // A paste too large for a text box is read off the main thread: only its addresses arrive.
    void largePasteBringsOnlyItsAddresses() {
        BulkDownloadView view(&dialogs);
        QStringList log(20000, "12:00:00 [info] https://example.org/ nothing to see");
        log.insert(7, "https://youtu.be/z");
        QGuiApplication::clipboard()->setText(log.join('\n'));
        auto* editor = view.findChild<QPlainTextEdit*>();
        QSignalSpy read(view.viewModel(), &BulkDownloadViewModel::pasteRead);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(read.count() == 1 || read.wait());
        QCOMPARE(editor->toPlainText(), "https://youtu.be/z");
    }

    void drops_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("boxed");
        QTest::newRow("links") << "text/uri-list"
                               << QByteArray("https://youtu.be/a\r\nhttps://youtu.be/b\r\n")
                               << "typed\nhttps://youtu.be/a\nhttps://youtu.be/b";
        QTest::newRow("plain text")
            << "text/plain" << QByteArray("https://youtu.be/c") << "typed\nhttps://youtu.be/c";
        QTest::newRow("a link and a file")
            << "text/uri-list" << QByteArray("https://youtu.be/a\r\nfile:///tmp/x\r\n")
            << QString();
        QTest::newRow("an image") << "image/png" << QByteArray("\x89PNG") << QString();
    }
    void drops() {
        QFETCH(QString, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, boxed);
        BulkDownloadView view(&dialogs);
        view.viewModel()->setUrlsText("typed");
        QMimeData dropped;
        dropped.setData(type, data);
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(&view, &enter);
        QCOMPARE(enter.isAccepted(), !boxed.isEmpty());
        if (!enter.isAccepted())
            return;
        QDropEvent drop({10, 10}, Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(&view, &drop);
        QCOMPARE(view.viewModel()->urlsText(), boxed);
        QVERIFY(view.viewModel()->downloadItems().isEmpty());
    }

    void buttonRulesWhileIdle_data() {
        QTest::addColumn<QList<BulkDownloadItem>>("items");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("enabled");
        const QStringList always{"Add URLs from File", "Browse"};
        const auto done = item("https://youtu.be/done", DownloadStatus::completed, 100);
        const auto failed = item("https://youtu.be/failed", DownloadStatus::failed);
        const auto waiting = item("https://youtu.be/waiting");
        QTest::newRow("empty queue")
            << QList<BulkDownloadItem>{} << QList<int>{} << always + QStringList{"Clear Queue"};
        QTest::newRow("only completed and failed")
            << QList{done, failed} << QList<int>{}
            << always + QStringList{"Start All Downloads", "Clear Queue"};
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
        view.findChild<QPlainTextEdit*>()->setPlainText("  \n\t \n");
        selectRows(view, selected);
        QCOMPARE(enabledButtons(view), enabled);
    }

    // Closing the window leaves the batch running; a window opened meanwhile shows that
    // same controller, with its rules, until the batch ends.
    void batchOutlivesItsWindowAndShowsInTheNext() {
        storeItems({item("https://youtu.be/done", DownloadStatus::completed, 100),
                    item("https://youtu.be/a")});
        Scripted s = scripted(dialogs);
        QPointer<BulkDownloadViewModel> vm = s.vm.release();
        auto* first = new BulkDownloadView(&dialogs, vm);
        click(*first, "Start All Downloads");
        delete first;
        QVERIFY(vm && vm->hasRunningBatch());

        BulkDownloadView view(&dialogs, vm);
        view.findChild<QPlainTextEdit*>()->setPlainText("https://youtu.be/more");
        selectRows(view, {0});
        QCOMPARE(enabledButtons(view),
                 (QStringList{"Add URLs from File", "Add URLs to Queue", "Browse",
                              "Stop All Downloads", "Stop Selected"}));
        QVERIFY(view.findChild<QComboBox*>()->isEnabled());
        click(view, "Stop All Downloads");
        // At once, while the stopped download is still ending.
        QCOMPARE(enabledButtons(view), (QStringList{"Add URLs from File", "Add URLs to Queue",
                                                    "Browse", "Start All Downloads", "Clear Queue",
                                                    "Start Selected", "Delete Selected"}));
        QVERIFY(QTest::qWaitFor([&] { return !vm->hasRunningBatch(); }));
        dialogs.folderAnswers << "/chosen";
        click(view, "Browse"); // the adopted controller asks through this window
        QCOMPARE(vm->outputPath(), "/chosen");
    }

    void formatPickerSwitchesTheQualityPicker() {
        BulkDownloadView view(&dialogs);
        auto* quality = view.findChild<QComboBox*>();
        click(view, "MP4");
        quality->setFocus();
        QTest::keyClick(quality, Qt::Key_Down);
        QCOMPARE(view.viewModel()->selectedVideoQuality(), "720p");
        click(view, "MP3");
        QCOMPARE(quality->currentText(), "192k");
        view.viewModel()->setSelectedFormat("M4A");
        QVERIFY(button(view, "M4A")->isChecked());
    }

    // Cells as the table shows them, with status colours that read on the table's
    // background in light and dark appearances; the window is saved as it looks in each.
    void cellsAndStatusColours_data() {
        QTest::addColumn<QPalette>("palette");
        QPalette light;
        light.setColor(QPalette::Base, Qt::white);
        light.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
        light.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
        QTest::newRow("light") << light;
        QTest::newRow("dark") << Renders::darkPalette();
    }
    void cellsAndStatusColours() {
        QFETCH(QPalette, palette);
        QList<BulkDownloadItem> items;
        for (const DownloadStatus status : allDownloadStatuses)
            items << item("https://youtu.be/" + rawValue(status), status,
                          status == DownloadStatus::completed ? 100 : 0);
        items[1].format = "MP4";
        items[1].progress = 42.7;
        storeItems(items);
        const auto restore =
            qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
        QApplication::setPalette(palette); // as a desktop hands it over at start
        BulkDownloadView view(&dialogs);
        const QAbstractItemModel* model = view.findChild<QTableView*>()->model();
        QStringList cells;
        for (int column = 0; column < 5; ++column)
            cells << model->index(1, column).data().toString();
        QCOMPARE(cells, (QStringList{"https://youtu.be/Downloading", "MP4", "1080p", "Downloading",
                                     "42%"}));
        const QColor hues[] = {
            {}, QColor("blue"), QColor("green"), QColor("red"), QColor("orange")};
        for (int row = 0; row < 5; ++row) {
            const auto colour = model->index(row, 3).data(Qt::ForegroundRole).value<QColor>();
            for (const auto role : {QPalette::Base, QPalette::AlternateBase})
                QVERIFY2(Contrast::ratio(colour, palette.color(role)) >= 4.5,
                         qPrintable(colour.name()));
            if (row > 0)
                QVERIFY(std::abs(colour.hslHue() - hues[row].hslHue()) <= 3);
        }
        view.viewModel()->setUrlsText("https://youtu.be/next-one\n");
        view.resize(900, 800);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QString name = QTest::currentDataTag() == QByteArray("dark") ? "-dark" : "";
        QVERIFY(Renders::save(view, "bulk-download" + name));
        QVERIFY(Renders::save(view, "bulk-download" + name + "@2x", 2));
    }

    void selectionIsKeptTwoWays() {
        storeItems(pendingItems({"a", "b", "c"}));
        BulkDownloadView view(&dialogs);
        BulkDownloadViewModel* vm = view.viewModel();
        const QList<BulkDownloadItem> items = vm->downloadItems();
        selectRows(view, {0, 2});
        QCOMPARE(vm->selection(), (QSet<QUuid>{items.at(0).id, items.at(2).id}));
        vm->setSelection({items.at(1).id});
        const QItemSelectionModel* selected = view.findChild<QTableView*>()->selectionModel();
        QCOMPARE(selected->selectedRows(), QModelIndexList{selected->model()->index(1, 0)});
    }

    void rowMenu() {
        storeItems({item("https://youtu.be/done", DownloadStatus::completed, 100),
                    item("https://youtu.be/waiting")});
        BulkDownloadView view(&dialogs);
        view.viewModel()->setOutputPath("/media/out");
        auto* table = view.findChild<QTableView*>();
        const auto menuOn = [&](int row) {
            const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
            emit table->customContextMenuRequested(at);
            QMap<QString, QAction*> shown;
            for (QAction* action : table->findChild<QMenu*>()->actions()) {
                if (action->isVisible())
                    shown.insert(action->text(), action);
            }
            return shown;
        };
        QCOMPARE(menuOn(1).keys(),
                 (QStringList{"Copy Address", "Delete Selected", "Start Selected"}));
        menuOn(0).value("Open Folder")->trigger();
        QCOMPARE(dialogs.openedUrls, QList{QUrl::fromLocalFile("/media/out")});
        menuOn(0).value("Copy Address")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), "https://youtu.be/done");
        menuOn(1).value("Delete Selected")->trigger();
        QCOMPARE(urls(view.viewModel()->downloadItems()), QStringList{"https://youtu.be/done"});
        table->findChild<QMenu*>()->close();
    }
};

MORVI_TEST_MAIN(TestBulkDownloadView)
#include "tst_bulkdownloadview.moc"
