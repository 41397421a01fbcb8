#include "FakeToolInstaller.h"
#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "core/platform/Contrast.h"
#include "core/single/MainWindowViewModel.h"
#include "gui/app/AboutView.h"
#include "gui/cutter/MediaCutterView.h"
#include "gui/queue/BulkDownloadView.h"
#include "gui/single/MainWindowView.h"
#include "gui/widgets/SegmentedControl.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>

// What every window owes a person who reads it in a light or a dark look, or who works it
// from the keyboard.
class TestWindowAccess : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    std::shared_ptr<FakeToolInstaller> installer = std::make_shared<FakeToolInstaller>();

    std::unique_ptr<QWidget> make(const QString& kind) {
        if (kind == "main")
            return std::make_unique<MainWindowView>(installer, &dialogs);
        if (kind == "queue")
            return std::make_unique<BulkDownloadView>(&dialogs);
        if (kind == "cutter")
            return std::make_unique<MediaCutterView>(&dialogs);
        return std::make_unique<AboutView>(&dialogs);
    }

    static QPalette::ColorGroup groupOf(const QWidget* widget) {
        return !widget->isEnabled()       ? QPalette::Disabled
               : widget->isActiveWindow() ? QPalette::Active
                                          : QPalette::Inactive;
    }

    // The colour a button is painted with where no text is: just inside its top edge.
    static QColor fillOf(QWidget* button) {
        return button->grab().toImage().pixelColor(button->width() / 2, 4);
    }

private slots:
    void initTestCase() { FakeTools::configure(); }

    // The tool check of a main window outlives it.
    void cleanup() { QTRY_COMPARE(installer.use_count(), 1); }

    // As painted: the chosen segment against its neighbours and under its label, enabled and
    // disabled (as while downloading); text on the accent; the cutter's file field.
    void fillsAndFieldsAreLegible_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::palette();
        QTest::newRow("dark") << Renders::darkPalette();
    }
    void fillsAndFieldsAreLegible() {
        QFETCH(QPalette, palette);
        const auto restore =
            qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
        QApplication::setPalette(palette); // as a desktop hands it over at start
        const auto main = make("main"), queue = make("queue"), cutter = make("cutter");
        static_cast<MainWindowView*>(main.get())->viewModel()->setUrlText("https://youtu.be/a");
        QStringList weak;
        const auto need = [&](const QString& what, const QColor& front, const QColor& back,
                              double least) {
            if (const double ratio = Contrast::ratio(front, back); ratio < least)
                weak << QString("%1 %2:1").arg(what).arg(ratio, 0, 'f', 2);
        };
        for (QWidget* window : {main.get(), queue.get()}) {
            auto* picker = window->findChild<SegmentedControl*>();
            for (const bool enabled : {true, false}) {
                picker->setEnabled(enabled);
                const QList<QAbstractButton*> segments = picker->findChildren<QAbstractButton*>();
                QAbstractButton* chosen = *std::find_if(
                    segments.begin(), segments.end(), [](auto* each) { return each->isChecked(); });
                const QColor fill = fillOf(chosen);
                need("chosen label", chosen->palette().color(groupOf(chosen), QPalette::ButtonText),
                     fill, 4.5);
                for (QAbstractButton* other : segments) {
                    if (other != chosen)
                        need("chosen against " + other->text(), fill, fillOf(other), 3);
                }
            }
        }
        for (QPushButton* button : main->findChildren<QPushButton*>()) {
            if (button->text() == "Download")
                need("text on the accent",
                     button->palette().color(groupOf(button), QPalette::ButtonText), fillOf(button),
                     4.5);
        }
        const auto* file = cutter->findChild<QLineEdit*>("fileField");
        need("file field", file->palette().color(groupOf(file), QPalette::Text),
             file->palette().color(groupOf(file), QPalette::Base), 4.5);
        QVERIFY2(weak.isEmpty(), qPrintable(weak.join(", ")));
    }

    // The platform here, like qt6ct without a key scheme, binds no key to Quit and only
    // Ctrl+F4 to Close; the common keys work all the same, each bound once.
    void windowKeys_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("keys");
        QTest::newRow("main") << "main"
                              << "Ctrl+O, Ctrl+Q";
        QTest::newRow("queue") << "queue"
                               << "Ctrl+O, Ctrl+Q, Ctrl+W";
        QTest::newRow("cutter") << "cutter"
                                << "Ctrl+O, Ctrl+Q, Ctrl+F4";
        QTest::newRow("about") << "about"
                               << "Ctrl+Q, Esc";
    }
    void windowKeys() {
        QFETCH(QString, window);
        QFETCH(QString, keys);
        QVERIFY(QKeySequence::keyBindings(QKeySequence::Quit).isEmpty());
        const std::unique_ptr<QWidget> shown = make(window);
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        // No event loop turns from here on: the window goes before its queued quit would run.
        for (const QString& key : keys.split(", ")) {
            const QKeySequence sequence(key);
            QList<QShortcut*> bound;
            for (QShortcut* shortcut : shown->findChildren<QShortcut*>()) {
                if (shortcut->keys().contains(sequence))
                    bound << shortcut;
            }
            for (const QAction* action : shown->findChildren<QAction*>())
                QVERIFY2(!action->shortcuts().contains(sequence), qPrintable(key));
            QCOMPARE(bound.size(), 1);
            QSignalSpy fired(bound.first(), &QShortcut::activated);
            QTest::keySequence(shown.get(), sequence);
            QVERIFY2(fired.size() == 1, qPrintable(key));
        }
    }
};

MORVI_TEST_MAIN(TestWindowAccess)
#include "tst_windowaccess.moc"
