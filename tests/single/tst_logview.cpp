#include "TestHome.h"
#include "core/model/LogModel.h"
#include "gui/widgets/LogView.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
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

    // A log within those limits, and its view shown.
    void showLog(LogModel::Limits limits) {
        view.reset();
        model = std::make_unique<LogModel>(nullptr, limits);
        model->setClock([] { return QTime(12, 0, 0); });
        new QAbstractItemModelTester(model.get(), model.get());
        view = std::make_unique<LogView>(model.get(), 150);
        QFont font;
        font.setFamilies({"DejaVu Sans Mono", "DejaVu Sans", "Lohit Devanagari"});
        font.setPixelSize(11);
        view->setFont(font);
        view->resize(600, 150);
        view->show();
    }

private slots:
    // Widths follow from fonts that packages.txt installs, not from what a machine has.
    void initTestCase() {
        for (const char* file : {"dejavu/DejaVuSansMono.ttf", "dejavu/DejaVuSans.ttf",
                                 "lohit-devanagari/Lohit-Devanagari.ttf"})
            QVERIFY(QFontDatabase::addApplicationFont(u"/usr/share/fonts/truetype/"_qs + file) >=
                    0);
    }

    void init() { showLog(LogModel::Limits{}); }

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
    }

    // Past a limit the oldest entries go, a tenth at a time, and the first entry says so once;
    // the view follows, and Select All copies whatever the log still holds.
    void oldestEntriesAreDropped_data() {
        QTest::addColumn<int>("entryLimit");
        QTest::addColumn<int>("characterLimit");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("kept");
        const QStringList numbers{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
        QStringList letters{"a", "b", "c", "d", "e"};
        for (QString& letter : letters)
            letter = letter.repeated(19); // 30 characters once stamped
        QTest::newRow("entries, dropped twice") << 10 << 1000 << numbers << numbers.mid(4);
        QTest::newRow("text, dropped twice") << 100 << 100 << letters << letters.mid(2);
        QTest::newRow("a message beyond the limit keeps its newest part")
            << 100 << 50 << QStringList{"x", QString(40, u'y') + QString(30, u'z')}
            << QStringList{QString(20, u'y') + QString(30, u'z')};
        QTest::newRow("cut alone")
            << 100 << 50 << QStringList{QString(51, u'y')} << QStringList{QString(50, u'y')};
    }
    void oldestEntriesAreDropped() {
        QFETCH(int, entryLimit);
        QFETCH(int, characterLimit);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, kept);
        showLog({entryLimit, characterLimit});
        for (const QString& message : messages) {
            model->append(message);
            QVERIFY(settle());
        }
        QStringList stamped;
        for (const QString& message : kept)
            stamped << "[12:00:00] " + message;
        QCOMPARE(model->entries().mid(1), stamped);
        QVERIFY(!messages.contains(model->entries().first().mid(11)));
        view->selectAll();
        QCOMPARE(view->selectedText(), model->entries().join(u'\n'));
    }

    void hugeEntryIsShownCutAndCopiedWhole() {
        const QString huge = QString(200000, u'x');
        model->append(huge);
        QVERIFY(settle());
        // Wrapped at the width, but only the first 64 KiB: the time stamp, the x's, the note.
        const int columns =
            int(view->visualRect(0).width() / QFontMetricsF(view->font()).horizontalAdvance(u'x'));
        QCOMPARE(view->visualRect(0).height(),
                 (2 + (64 * 1024 + columns - 1) / columns) * lineHeight());
        QVERIFY(view->newestText(1).endsWith(
            u"\n[… 134464 more characters not shown; Copy takes the whole entry]"_qs));
        view->selectAll();
        view->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), "[12:00:00] " + huge);
    }

    // Each line fits the view as Qt measures its text, and no grapheme is split; the entry
    // wraps again when the view narrows and widens.
    void entriesWrapBetweenGraphemesWithinTheView_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("font"); // the first family; Latin-1 is measured, not shaped
        QTest::newRow("no spaces") << QString(300, u'x') << "DejaVu Sans Mono";
        QTest::newRow("proportional Latin-1")
            << u"Wide WWW, narrow iii; Größe ½ · l'été "_qs.repeated(8) +
                   u"Größe½·l'étéWWWiii"_qs.repeated(20)
            << "DejaVu Sans";
        const QString mono = "DejaVu Sans Mono";
        QTest::newRow("Devanagari") << u"नमस्ते दुनिया, क्षत्रिय ज्ञान श्रीमान् "_qs.repeated(12) << mono;
        QTest::newRow("Arabic ligatures")
            << u"لا إله إلا الله مرحبا بالعالم "_qs.repeated(12) << mono;
        QTest::newRow("Hebrew with points") << u"בְּרֵאשִׁית בָּרָא אֱלֹהִים "_qs.repeated(16) << mono;
        QTest::newRow("emoji sequences")
            << u"👨‍👩‍👧‍👦🇩🇪👍🏽🇯🇵👋🏿"_qs.repeated(30) << mono;
    }
    void entriesWrapBetweenGraphemesWithinTheView() {
        QFETCH(QString, text);
        QFETCH(QString, font);
        QFont first = view->font();
        first.setFamilies({font, "DejaVu Sans", "Lohit Devanagari"});
        view->setFont(first);
        model->append(text);
        const QString shown = model->entries().first();
        QList<int> heights;
        for (const int viewWidth : {600, 300, 600}) {
            view->resize(viewWidth, 150);
            QVERIFY(settle());
            const qreal width = view->visualRect(0).width();
            LogLayout layout;
            layout.setFont(view->font());
            const LogLayout::Wrapped wrapped = layout.wrap(shown, width);
            QVERIFY(wrapped.lines.size() > 2);
            heights << view->visualRect(0).height();
            QCOMPARE(heights.last(), int(wrapped.lines.size()) * lineHeight());
            QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, shown);
            for (const LogLayout::Line& line : wrapped.lines) {
                graphemes.setPosition(line.start);
                QVERIFY(graphemes.isAtBoundary());
                const QString part = shown.mid(line.start, line.length).trimmed();
                QVERIFY2(QFontMetricsF(view->font()).horizontalAdvance(part) <= width,
                         qPrintable(part));
            }
        }
        QVERIFY(heights[1] > heights[0]);
        QCOMPARE(heights[2], heights[0]);
    }

    // Every addition brings the newest entry into view, a flood too once laid out in slices.
    void floodIsLaidOutInSlicesUntilComplete() {
        qDeleteAll(model->findChildren<QAbstractItemModelTester*>()); // it rechecks every row
        for (int i = 0; i < 100000; ++i)
            model->append(i % 10 == 0 ? "a\nb" : "[download]  42.0% of   14.74MiB");
        QVERIFY(settle());
        QCOMPARE(view->visualRect(99990).height(), 2 * lineHeight());
        // The user scrolled up; the next entry still brings the end in.
        view->verticalScrollBar()->setValue(0);
        model->append("one more");
        QVERIFY(settle());
    }

    // Entries are copied whole, as stored; assistive technology reads the newest as shown.
    void entriesAreSelectedAndCopiedWhole() {
        for (const char* message : {"zero", "\rone", "two\n", "three\rfour"})
            model->append(message);
        QVERIFY(settle());
        view->setFocus();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(1).center());
        QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keySequence(view.get(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), "[12:00:00] \rone\n[12:00:00] two\n");
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view.get());
        QCOMPARE(accessible->role(), QAccessible::EditableText);
        QVERIFY(accessible->state().readOnly);
        QCOMPARE(accessible->text(QAccessible::Value),
                 "[12:00:00] zero\n[12:00:00] one\n[12:00:00] two\n[12:00:00] three\nfour");
    }

    // The log's menu, rows 1 and 2 selected: a right click into the selection keeps it for
    // Copy, one on another row selects that row; Select All takes every entry. Opened from the
    // keyboard with nothing selected, its Copy is off.
    void contextMenuActsOnTheSelection_data() {
        QTest::addColumn<int>("clicked"); // the row; -1: opened from the keyboard, none selected
        QTest::addColumn<QKeySequence::StandardKey>("action");
        QTest::addColumn<QString>("copied"); // "" where the action is off
        const QString all = "[12:00:00] zero\n[12:00:00] one\n[12:00:00] two";
        QTest::newRow("copy, in the selection") << 2 << QKeySequence::Copy << all.sliced(16);
        QTest::newRow("copy, another row") << 0 << QKeySequence::Copy << all.first(15);
        QTest::newRow("select all") << 0 << QKeySequence::SelectAll << all;
        QTest::newRow("copy, nothing selected") << -1 << QKeySequence::Copy << "";
    }
    void contextMenuActsOnTheSelection() {
        QFETCH(int, clicked);
        QFETCH(QKeySequence::StandardKey, action);
        QFETCH(QString, copied);
        for (const char* message : {"zero", "one", "two"})
            model->append(message);
        QVERIFY(settle());
        QPoint at(5, 5);
        if (clicked >= 0) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(1).center());
            QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
            at = view->visualRect(clicked).center();
            QTest::mouseClick(view->viewport(), Qt::RightButton, {}, at);
        }
        QGuiApplication::clipboard()->clear();
        bool enabled = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* each : menu ? menu->actions() : QList<QAction*>()) {
                if (each->shortcut() == action) {
                    enabled = each->isEnabled();
                    each->trigger();
                }
            }
            if (menu)
                menu->close();
        });
        QContextMenuEvent opened(clicked < 0 ? QContextMenuEvent::Keyboard
                                             : QContextMenuEvent::Mouse,
                                 at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &opened);
        QCOMPARE(enabled, !copied.isEmpty());
        if (action == QKeySequence::SelectAll)
            view->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }
};

MORVI_TEST_MAIN(TestLogView)
#include "tst_logview.moc"
