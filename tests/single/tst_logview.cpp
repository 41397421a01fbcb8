#include "TestHome.h"
#include "platform/LogModel.h"
#include "widgets/LogView.h"

#include <QScrollBar>

class TestLogView : public QObject {
    Q_OBJECT

    // Lets the view lay out everything that was added to the model.
    [[nodiscard]] static bool settle(const LogView& view, const LogModel& model) {
        const int last = model.rowCount() - 1;
        return QTest::qWaitFor([&] { return view.visualRect(last).isValid(); }, 5000);
    }

    static int lineHeight(const LogView& view) { return view.fontMetrics().lineSpacing(); }

private slots:
    void entryHeightFollowsItsLines_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lines");
        QTest::newRow("one line") << "Checking for updates..." << 1;
        QTest::newRow("two lines") << "first line\nsecond line" << 2;
        QTest::newRow("closing line break adds no line") << "first line\nsecond line\n" << 2;
        QTest::newRow("carriage returns") << "\r[download] 10%\r[download] 20%" << 3;
        QTest::newRow("crlf is one break") << "a\r\nb\r\n" << 2;
        QTest::newRow("empty line inside") << "a\n\nb" << 3;
    }

    void entryHeightFollowsItsLines() {
        QFETCH(QString, message);
        QFETCH(int, lines);
        LogModel model;
        LogView view(&model, 150);
        view.resize(600, 150);
        view.show();
        model.append(message);
        QVERIFY(settle(view, model));
        QCOMPARE(view.visualRect(0).height(), lines * lineHeight(view));
    }

    void longLinesWrapAndUnwrapWithTheWidth() {
        LogModel model;
        LogView view(&model, 150);
        view.resize(600, 150);
        view.show();
        model.append(QString(300, u'x'));
        model.append("short");
        QVERIFY(settle(view, model));
        const int wrapped = view.visualRect(0).height();
        QVERIFY(wrapped >= 3 * lineHeight(view));
        QCOMPARE(view.visualRect(1).top(), view.visualRect(0).bottom() + 1 + 2);
        view.resize(4000, 150);
        QCOMPARE(view.visualRect(0).height(), lineHeight(view));
        QCOMPARE(view.visualRect(1).top(), view.visualRect(0).bottom() + 1 + 2);
    }

    void everyAdditionScrollsTheNewestIntoView() {
        LogModel model;
        LogView view(&model, 150);
        view.resize(600, 150);
        view.show();
        QScrollBar* bar = view.verticalScrollBar();
        for (int i = 0; i < 50; ++i)
            model.append(QString("line %1").arg(i));
        QVERIFY(settle(view, model));
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(view.visualRect(49).bottom() < view.viewport()->height());
        QVERIFY(view.visualRect(49).bottom() >= view.viewport()->height() - 8 - 2);

        bar->setValue(0); // the user scrolled up; the next entry still brings the end in
        model.append("one more");
        QVERIFY(settle(view, model));
        QCOMPARE(bar->value(), bar->maximum());
    }

    void emptiedLogShowsNothing() {
        LogModel model;
        LogView view(&model, 150);
        view.resize(600, 150);
        view.show();
        for (int i = 0; i < 50; ++i)
            model.append("line");
        QVERIFY(settle(view, model));
        model.clear();
        QCOMPARE(view.verticalScrollBar()->maximum(), 0);
        QVERIFY(!view.visualRect(0).isValid());
        model.append("after");
        QVERIFY(settle(view, model));
        QCOMPARE(view.visualRect(0).top(), 8);
    }

    void floodIsLaidOutInSlicesUntilComplete() {
        LogModel model;
        LogView view(&model, 150);
        view.resize(600, 150);
        view.show();
        for (int i = 0; i < 100000; ++i)
            model.append(i % 10 == 0 ? "a\nb" : "[download]  42.0% of   14.74MiB");
        QVERIFY(QTest::qWaitFor([&] { return view.visualRect(99999).isValid(); }, 10000));
        QCOMPARE(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
        QCOMPARE(view.visualRect(99990).height(), 2 * lineHeight(view));
    }
};

MORVI_TEST_MAIN(TestLogView)
#include "tst_logview.moc"
