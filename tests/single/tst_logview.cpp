#include "TestHome.h"
#include "platform/LogModel.h"
#include "widgets/LogView.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>

class TestLogView : public QObject {
    Q_OBJECT
    std::unique_ptr<LogModel> model;
    std::unique_ptr<LogView> view;

    // Lets the view lay out everything that was added to the model and show the newest.
    [[nodiscard]] bool settle() const {
        const int last = model->rowCount() - 1;
        return QTest::qWaitFor(
            [&] {
                const QRect newest = view->visualRect(last);
                return newest.isValid() && newest.bottom() < view->viewport()->height();
            },
            10000);
    }

    int lineHeight() const { return view->fontMetrics().lineSpacing(); }

private slots:
    void init() {
        model = std::make_unique<LogModel>();
        model->setClock([] { return QTime(12, 0, 0); });
        view = std::make_unique<LogView>(model.get(), 150);
        view->resize(600, 150);
        view->show();
    }

    void cleanup() { view.reset(); }

    void entryHeightFollowsItsLines_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lines");
        QTest::newRow("closing line break adds no line") << "first line\nsecond line\n" << 2;
        QTest::newRow("carriage returns") << "a\r[download] 10%\r[download] 20%" << 3;
        QTest::newRow("return opening a chunk draws no line") << "\r[download] 10%" << 1;
        QTest::newRow("crlf is one break") << "\r\nb\r\n" << 2;
    }

    void entryHeightFollowsItsLines() {
        QFETCH(QString, message);
        QFETCH(int, lines);
        model->append(message);
        QVERIFY(settle());
        QCOMPARE(view->visualRect(0).height(), lines * lineHeight());
        QCOMPARE(model->entries(), QStringList{"[12:00:00] " + message});
    }

    void longLinesWrapAndUnwrapWithTheWidth() {
        model->append(QString(300, u'x'));
        QVERIFY(settle());
        QVERIFY(view->visualRect(0).height() >= 3 * lineHeight());
        view->resize(4000, 150);
        QVERIFY(settle());
        QCOMPARE(view->visualRect(0).height(), lineHeight());
    }

    void hugeEntryIsShownCutAndCopiedWhole() {
        const QString huge = QString(200000, u'x');
        model->append(huge);
        QVERIFY(settle());
        const int widthInChars = view->visualRect(0).width() / view->fontMetrics().maxWidth();
        QVERIFY(view->visualRect(0).height() <
                (64 * 1024 / std::max(widthInChars, 1) + 3) * lineHeight());
        QVERIFY(view->newestText(1).endsWith(
            u"\n[… 134464 more characters not shown; Copy takes the whole entry]"_qs));
        view->selectAll();
        view->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), "[12:00:00] " + huge);
    }

    void everyAdditionScrollsTheNewestIntoView() {
        QScrollBar* bar = view->verticalScrollBar();
        for (int i = 0; i < 50; ++i)
            model->append(QString("line %1").arg(i));
        QVERIFY(settle());
        QCOMPARE(bar->value(), bar->maximum());
        bar->setValue(0); // the user scrolled up; the next entry still brings the end in
        model->append("one more");
        QVERIFY(settle());
        QCOMPARE(bar->value(), bar->maximum());
        model->clear();
        QCOMPARE(bar->maximum(), 0);
        QVERIFY(!view->visualRect(0).isValid());
    }

    void floodIsLaidOutInSlicesUntilComplete() {
        for (int i = 0; i < 100000; ++i)
            model->append(i % 10 == 0 ? "a\nb" : "[download]  42.0% of   14.74MiB");
        QVERIFY(settle());
        QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
        QCOMPARE(view->visualRect(99990).height(), 2 * lineHeight());
    }

    void entriesAreSelectedAndCopiedWhole() {
        for (const char* message : {"zero", "\rone", "two\n", "three"})
            model->append(message);
        QVERIFY(settle());
        view->setFocus();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(1).center());
        QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keySequence(view.get(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), "[12:00:00] \rone\n[12:00:00] two\n");

        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions())
                offered << action->text();
            menu->actions().last()->trigger();
            menu->close();
        });
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(10, 10), QPoint(10, 10));
        QApplication::sendEvent(view->viewport(), &menuEvent);
        QCOMPARE(offered, (QStringList{"Copy", "Select All"}));
        QCOMPARE(view->selectedText(), model->entries().join(u'\n'));
    }

    void assistiveTechnologyReadsTheNewestEntries() {
        model->append("\rfirst");
        model->append("second");
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view.get());
        QCOMPARE(accessible->role(), QAccessible::EditableText);
        QVERIFY(accessible->state().readOnly);
        QCOMPARE(accessible->text(QAccessible::Name), "Log");
        QCOMPARE(accessible->text(QAccessible::Value), "[12:00:00] first\n[12:00:00] second");
    }
};

MORVI_TEST_MAIN(TestLogView)
#include "tst_logview.moc"
