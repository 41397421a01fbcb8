#include "DarkPalette.h"
#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "core/platform/Contrast.h"
#include "gui/queue/BulkDownloadView.h"

#include <QAbstractButton>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTableView>

using namespace QueueTesting;

namespace {

const QStringList allButtons{"Add URLs from File",  "Add URLs to Queue",  "Browse",
                             "Start All Downloads", "Stop All Downloads", "Clear Queue",
                             "Start Selected",      "Stop Selected",      "Delete Selected"};

QAbstractButton* button(const QWidget& view, const QString& text) {
    const QList<QAbstractButton*> buttons = view.findChildren<QAbstractButton*>();
    for (QAbstractButton* each : buttons) {
        if (each->text().remove(u'&') == text)
            return each;
    }
    qFatal("no button %s", qPrintable(text));
}

QStringList disabledButtons(const QWidget& view) {
    QStringList disabled;
    for (const QString& text : allButtons) {
        if (!button(view, text)->isEnabled())
            disabled << text;
    }
    return disabled;
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

    void keyboard() {
        storeItems(pendingItems({"a"}));
        BulkDownloadView view(&dialogs);
        QVERIFY(loaded(*view.viewModel()));
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

        auto* table = view.findChild<QTableView*>();
        selectRows(view, {0});
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(view.viewModel()->downloadItems().size(), 1);
    }

    // A long dropped list fills the box over event-loop turns until it holds what the
    // controller holds; adding it meanwhile leaves the box empty and queues it all.
    void longListFillsTheBox_data() {
        QTest::addColumn<bool>("addAtOnce");
        QTest::newRow("filled") << false;
        QTest::newRow("added at once") << true;
    }
    void longListFillsTheBox() {
        QFETCH(bool, addAtOnce);
        const QStringList list = urls(numberedItems(50000));
        BulkDownloadView view(&dialogs);
        BulkDownloadViewModel* vm = view.viewModel();
        QVERIFY(loaded(*vm));
        vm->setUrlsText("typed");
        QMimeData dropped;
        dropped.setData("text/uri-list", list.join("\r\n").toUtf8());
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(&view, &enter);
        QDropEvent drop({10, 10}, Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QSignalSpy read(vm, &BulkDownloadViewModel::pasteRead);
        QApplication::sendEvent(&view, &drop);
        QVERIFY(read.wait());
        if (addAtOnce)
            button(view, "Add URLs to Queue")->click();
        auto* editor = view.findChild<QPlainTextEdit*>();
        QTRY_VERIFY_WITH_TIMEOUT(!editor->isReadOnly(), 20000);
        const QString boxed = addAtOnce ? QString() : "typed\n" + list.join('\n');
        QCOMPARE(vm->urlsText(), boxed);
        QCOMPARE(editor->toPlainText(), boxed);
        QTRY_COMPARE_WITH_TIMEOUT(vm->downloadItems().size(), addAtOnce ? list.size() : 0, 20000);
    }

    // Which buttons work, idle and running. Closing the window leaves the batch running; a
    // window opened meanwhile shows that same controller, with its rules, until the batch ends.
    void batchOutlivesItsWindowAndShowsInTheNext() {
        storeItems({item("https://youtu.be/done", DownloadStatus::completed, 100),
                    item("https://youtu.be/a")});
        Scripted s = scripted(dialogs);
        QPointer<BulkDownloadViewModel> vm = s.vm.release();
        auto* first = new BulkDownloadView(&dialogs, vm);
        first->findChild<QPlainTextEdit*>()->setPlainText("  \n\t \n");
        selectRows(*first, {1});
        QCOMPARE(disabledButtons(*first), QStringList{"Add URLs to Queue"});
        button(*first, "Start All Downloads")->click();
        delete first;
        QVERIFY(vm && vm->hasRunningBatch());

        BulkDownloadView view(&dialogs, vm);
        view.findChild<QPlainTextEdit*>()->setPlainText("https://youtu.be/more");
        selectRows(view, {0});
        QCOMPARE(disabledButtons(view), (QStringList{"Start All Downloads", "Clear Queue",
                                                     "Start Selected", "Delete Selected"}));
        button(view, "Stop All Downloads")->click();
        // At once, while the stopped download is still ending.
        QCOMPARE(disabledButtons(view), (QStringList{"Stop All Downloads", "Stop Selected"}));
        QTRY_VERIFY(!vm->hasRunningBatch());
        button(view, "Clear Queue")->click();
        QCOMPARE(disabledButtons(view),
                 (QStringList{"Start All Downloads", "Stop All Downloads", "Start Selected",
                              "Stop Selected", "Delete Selected"}));
        dialogs.folderAnswers << "/chosen";
        button(view, "Browse")->click(); // the adopted controller asks through this window
        QCOMPARE(vm->outputPath(), "/chosen");
    }

    // Status colours read on the table's background in light and dark appearances.
    void cellsAndStatusColours_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::palette();
        QTest::newRow("dark") << darkPalette();
    }
    void cellsAndStatusColours() {
        QFETCH(QPalette, palette);
        QList<BulkDownloadItem> items;
        for (const DownloadStatus status : allDownloadStatuses)
            items << item("https://youtu.be/" + rawValue(status), status,
                          status == DownloadStatus::completed ? 100 : 0);
        storeItems(items);
        const auto restore =
            qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
        QApplication::setPalette(palette); // as a desktop hands it over at start
        BulkDownloadView view(&dialogs);
        QVERIFY(loaded(*view.viewModel()));
        const QAbstractItemModel* model = view.findChild<QTableView*>()->model();
        for (int row = 0; row < 5; ++row) {
            const auto colour = model->index(row, 3).data(Qt::ForegroundRole).value<QColor>();
            for (const auto role : {QPalette::Base, QPalette::AlternateBase})
                QVERIFY2(Contrast::ratio(colour, palette.color(role)) >= 4.5,
                         qPrintable(colour.name()));
        }
    }
};

MORVI_TEST_MAIN(TestBulkDownloadView)
#include "tst_bulkdownloadview.moc"
