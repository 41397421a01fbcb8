// What every window owes the desktop, one row per window: it fits small screens, reads in a
// light and a dark look, its inputs have names, its keys work, and drops land where they
// belong.
#include "DarkPalette.h"
#include "FakeToolInstaller.h"
#include "FitScreen.h"
#include "RecordingDialogs.h"
#include "ScriptedEngine.h"
#include "TestHome.h"
#include "core/app/ToolCredits.h"
#include "core/cutter/MediaCutterViewModel.h"
#include "core/platform/Contrast.h"
#include "core/platform/LogModel.h"
#include "core/queue/BulkDownloadViewModel.h"
#include "core/single/MainWindowViewModel.h"
#include "core/tools/FileManagerHelper.h"
#include "gui/app/AboutView.h"
#include "gui/cutter/MediaCutterView.h"
#include "gui/queue/BulkDownloadView.h"
#include "gui/single/MainWindowView.h"
#include "gui/widgets/LogView.h"
#include "gui/widgets/LogoImage.h"
#include "gui/widgets/SegmentedControl.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTextDocument>

class TestWindows : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    std::shared_ptr<FakeToolInstaller> installer = std::make_shared<FakeToolInstaller>();
    std::unique_ptr<QWidget> window;

    std::unique_ptr<QWidget> make(const QString& kind) {
        if (kind == "main")
            return std::make_unique<MainWindowView>(installer, &dialogs, nullptr,
                                                    std::make_unique<ScriptedEngine>());
        if (kind == "queue")
            return std::make_unique<BulkDownloadView>(&dialogs);
        if (kind == "cutter")
            return std::make_unique<MediaCutterView>(&dialogs);
        return std::make_unique<AboutView>(&dialogs);
    }

    void open(const QString& kind) { window = make(kind); }

    static QColor colourOf(const QWidget* widget, QPalette::ColorRole role) {
        return widget->palette().color(!widget->isEnabled()       ? QPalette::Disabled
                                       : widget->isActiveWindow() ? QPalette::Active
                                                                  : QPalette::Inactive,
                                       role);
    }

    // The colour a button is painted with where no text is: just inside its top edge.
    static QColor fillOf(QWidget* button) {
        return button->grab().toImage().pixelColor(button->width() / 2, 4);
    }

    // What the window's drop target holds: the address field, the queue's box, or the
    // cutter's file and the output name made from it.
    QString dropped() const {
        if (auto* main = qobject_cast<MainWindowView*>(window.get()))
            return main->viewModel()->urlText();
        if (auto* queue = qobject_cast<BulkDownloadView*>(window.get())) // none is queued yet
            return queue->viewModel()->downloadItems().isEmpty() ? queue->viewModel()->urlsText()
                                                                 : "queued";
        const MediaCutterViewModel& cutter =
            static_cast<MediaCutterView*>(window.get())->viewModel();
        return cutter.selectedFilePath() + " " + cutter.outputFileName();
    }

    // What assistive technology calls each input, in creation order; a picker by the
    // label it relates to, since on Linux a picker's name is its value.
    QStringList inputNames() const {
        QStringList names;
        for (QWidget* input : window->findChildren<QWidget*>()) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(input);
            if (input->window() != window.get()) // a picker's popup list
                continue;
            if (qobject_cast<QComboBox*>(input))
                names
                    << node->relations(QAccessible::Label).value(0).first->text(QAccessible::Name);
            else if (qobject_cast<QLineEdit*>(input) || qobject_cast<QPlainTextEdit*>(input) ||
                     qobject_cast<QTableView*>(input) || qobject_cast<QGroupBox*>(input) ||
                     input->objectName() == "formatPicker")
                names << node->text(QAccessible::Name);
        }
        return names;
    }

private slots:
    // The about window asks the tools it finds for their versions; with none on PATH no
    // such run outlives a test.
    void initTestCase() { qputenv("PATH", "/nonexistent"); }

    void init() { dialogs = RecordingDialogs(); }

    void cleanup() {
        window.reset();
        // The main window's tool check outlives it; it ends before the next test.
        QTRY_COMPARE(installer.use_count(), 1);
    }

    // On screens of 1366×768 with a panel and of 1920×1080 at 150 % a window keeps within the
    // screen and its content scrolls instead of being squeezed or cut; on a large one it has the
    // size it is meant to have. Every input is named; "Open" asks for a file where there is one
    // to open, and a secondary window closes with Escape. The platform here, like qt6ct without
    // a key scheme, binds no key to Quit and only Ctrl+F4 to Close; the common keys work all the
    // same, each bound once.
    void everyWindow_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("meant"); // 0 where the content decides
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("keys");
        const QStringList queue{"Add URLs (one per line):", "Format", "Quality:", "Output Path",
                                "Download Queue"};
        QTest::newRow("main") << "main" << QSize(0, 0)
                              << QStringList{"YouTube URL", "Format",
                                             "Video Quality:", "Audio Quality:", "Output Path"}
                              << false << false << "Ctrl+O, Ctrl+Q";
        QTest::newRow("queue") << "queue" << QSize(0, 800) << queue << true << true
                               << "Ctrl+O, Ctrl+Q, Ctrl+W";
        QTest::newRow("cutter") << "cutter" << QSize(600, 700)
                                << QStringList{"Media File",       "Start Time", "End Time",
                                               "Output File Name", "Format",     "Output Path"}
                                << true << true << "Ctrl+O, Ctrl+Q, Ctrl+F4";
        QTest::newRow("about") << "about" << QSize(500, 700) << QStringList() << false << true
                               << "Ctrl+Q, Esc";
    }
    void everyWindow() {
        QFETCH(QString, kind);
        QFETCH(QSize, meant);
        QFETCH(QStringList, names);
        QFETCH(bool, opens);
        QFETCH(bool, closes);
        QFETCH(QString, keys);
        QVERIFY(QKeySequence::keyBindings(QKeySequence::Quit).isEmpty());
        open(kind);
        window->show();
        for (const QSize area : {QSize(1366, 720), QSize(1280, 680), QSize(1920, 1040)})
            checkFitsTheScreen(*window, area);
        QVERIFY(meant.width() == 0 || window->minimumWidth() == meant.width());
        QVERIFY(meant.height() == 0 || window->minimumHeight() == meant.height());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(inputNames(), names);
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(dialogs.fileStarts.size(), opens ? 1 : 0);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QCOMPARE(window->isVisible(), !closes);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // No event loop turns from here on: the window goes before its queued quit would run.
        for (const QString& key : keys.split(", ")) {
            const QKeySequence sequence(key);
            QList<QShortcut*> bound;
            for (QShortcut* shortcut : window->findChildren<QShortcut*>()) {
                if (shortcut->keys().contains(sequence))
                    bound << shortcut;
            }
            for (const QAction* action : window->findChildren<QAction*>())
                QVERIFY2(!action->shortcuts().contains(sequence), qPrintable(key));
            QCOMPARE(bound.size(), 1);
            QSignalSpy fired(bound.first(), &QShortcut::activated);
            QTest::keySequence(window.get(), sequence);
            QVERIFY2(fired.size() == 1, qPrintable(key));
        }
    }

    // Addresses go to the downloading windows (the queue's box, not the queue), one local
    // file to the cutter, also onto its text field; anything else is refused.
    void drops_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("shown");
        const QByteArray clip = QUrl::fromLocalFile(QDir::homePath() + "/clip.mp4").toEncoded();
        const QString chosen = QDir::homePath() + "/clip.mp4 clip_cut";
        const auto row = [](const char* name, const char* kind, const char* format,
                            const QByteArray& data, const QString& shown) {
            QTest::newRow(name) << QString(kind) << QString(format) << data << shown;
        };
        row("first web link of a list", "main", "text/uri-list",
            "file:///tmp/a.mp4\r\nhttps://youtu.be/abc\r\n", "https://youtu.be/abc");
        row("web address in text", "main", "text/plain",
            "see http://example.com/v?a=1 and https://x.y", "http://example.com/v?a=1");
        row("no web address", "main", "text/uri-list", "file:///tmp/a.mp4", "typed");
        row("links", "queue", "text/uri-list", "https://youtu.be/a\r\nhttps://youtu.be/b\r\n",
            "typed\nhttps://youtu.be/a\nhttps://youtu.be/b");
        row("a link and a file", "queue", "text/uri-list",
            "https://youtu.be/a\r\nfile:///tmp/x\r\n", "typed");
        row("one local file", "cutter", "text/uri-list", clip, chosen);
        row("two files", "cutter", "text/uri-list", clip + "\r\n" + clip, " ");
        row("a web address", "cutter", "text/uri-list", "https://example.org/a.mp4", " ");
    }
    void drops() {
        QFETCH(QString, kind);
        QFETCH(QString, format);
        QFETCH(QByteArray, data);
        QFETCH(QString, shown);
        QFile(QDir::homePath() + "/clip.mp4").open(QIODevice::WriteOnly);
        open(kind);
        if (auto* main = qobject_cast<MainWindowView*>(window.get()))
            main->viewModel()->setUrlText("typed");
        else if (auto* queue = qobject_cast<BulkDownloadView*>(window.get()))
            queue->viewModel()->setUrlsText("typed");
        const QString before = dropped();
        QMimeData mime;
        mime.setData(format, data);
        // The cutter's text fields would take the text, were it not for the window.
        QList<QWidget*> targets{window.get()};
        if (QWidget* field = window->findChild<QWidget*>("nameField"))
            targets << field;
        for (QWidget* onto : targets) {
            QDragEnterEvent enter({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(onto, &enter);
            QCOMPARE(enter.isAccepted(), shown != before);
            QDropEvent drop({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(onto, &drop);
            QCOMPARE(dropped(), shown);
        }
    }

    // As painted: the chosen segment against its neighbours and under its label, enabled and
    // disabled (as while downloading); text on the accent; the cutter's file field. The about
    // window's logo follows a change of look.
    void fillsAndFieldsAreLegible_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QString>("logo");
        QTest::newRow("light") << QApplication::palette() << "Logo";
        QTest::newRow("dark") << darkPalette() << "LogoDark";
    }
    void fillsAndFieldsAreLegible() {
        QFETCH(QPalette, palette);
        QFETCH(QString, logo);
        const auto restore =
            qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
        const AboutView about(&dialogs);
        QApplication::setPalette(palette); // as a desktop hands it over at start
        QTRY_COMPARE(about.findChild<LogoImage*>()->imageName(), logo);
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
                need("chosen label", colourOf(chosen, QPalette::ButtonText), fill, 4.5);
                for (QAbstractButton* other : segments) {
                    if (other != chosen)
                        need("chosen against " + other->text(), fill, fillOf(other), 3);
                }
            }
        }
        for (QPushButton* button : main->findChildren<QPushButton*>()) {
            if (button->text() == "&Download")
                need("text on the accent", colourOf(button, QPalette::ButtonText), fillOf(button),
                     4.5);
        }
        const auto* file = cutter->findChild<QLineEdit*>("fileField");
        need("file field", colourOf(file, QPalette::Text), colourOf(file, QPalette::Base), 4.5);
        const auto* caption = main->findChild<QLabel*>("progressLabel");
        need("caption", colourOf(caption, QPalette::WindowText),
             colourOf(caption, QPalette::Window), 4.5);
        // The newest log line's strongest pixel against the log's background.
        main->show();
        const LogModel* lines =
            static_cast<MainWindowView*>(main.get())->viewModel()->logMessages();
        auto* log = main->findChild<LogView*>("logView");
        QTRY_VERIFY(lines->rowCount() > 0 &&
                    log->viewport()->rect().contains(log->visualRect(lines->rowCount() - 1)));
        const QImage line = log->viewport()->grab(log->visualRect(lines->rowCount() - 1)).toImage();
        double best = 1;
        for (int y = 0; y < line.height(); ++y) {
            for (int x = 0; x < line.width(); ++x)
                best = std::max(
                    best, Contrast::ratio(line.pixelColor(x, y), palette.color(QPalette::Base)));
        }
        if (best < 4.5)
            weak << QString("newest log line %1:1").arg(best, 0, 'f', 2);
        QVERIFY2(weak.isEmpty(), qPrintable(weak.join(", ")));
    }

    // "Visit Website", "Support" twice, "Privacy Policy".
    void aboutButtonsOpenTheMakersPages_data() {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QList<QUrl>>("opened");
        const QString site = "https://maker.example";
        QTest::newRow("site given")
            << site + "/"
            << QList<QUrl>{QUrl(site), QUrl(site + "/contact/"), QUrl(site + "/contact/"),
                           QUrl(site + "/privacy-policy/")};
        QTest::newRow("no site") << QString() << QList<QUrl>();
        QTest::newRow("not a site") << QString("maker") << QList<QUrl>();
    }
    void aboutButtonsOpenTheMakersPages() {
        QFETCH(QString, site);
        QFETCH(QList<QUrl>, opened);
        AboutView view(&dialogs, nullptr, site);
        const QList<QPushButton*> buttons = view.findChildren<QPushButton*>();
        for (const int index : {0, 1, 1, 2}) {
            QCOMPARE(buttons.at(index)->isEnabled(), !opened.isEmpty());
            QTest::mouseClick(buttons.at(index), Qt::LeftButton);
        }
        QCOMPARE(dialogs.openedUrls, opened);
    }

    // The tools in use, their versions, licences and projects, and where they come from: the
    // tools folder first, else the system's search path.
    void aboutCreditsTheToolsInUse_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("where"); // %1: the tool's path
        QTest::newRow("tools folder")
            << FileManagerHelper().toolsFolderPath << "Morvi's own, at %1";
        QTest::newRow("system") << QDir::homePath() + "/system"
                                << "The system's own, at %1";
        QTest::newRow("nowhere") << QString() << "Not installed";
    }
    void aboutCreditsTheToolsInUse() {
        QFETCH(QString, folder);
        QFETCH(QString, where);
        const QString system = QDir::homePath() + "/system";
        QDir(FileManagerHelper().toolsFolderPath).removeRecursively();
        QDir(system).removeRecursively();
        FileManagerHelper().createDirectoriesIfNeeded();
        for (const QString name : {"yt-dlp", "ffmpeg"}) {
            if (!folder.isEmpty())
                FakeTools::installOne(name, folder == system ? system : QString());
        }
        const SearchPath path(system);
        AboutView view(&dialogs);
        const auto shown = [&](const QString& tool) {
            QLabel* line = view.findChild<QLabel*>("toolCredit" + tool);
            QTextDocument document;
            document.setHtml(line->text());
            return document.toPlainText().replace(QChar::LineSeparator, '\n');
        };
        // A tool's version is shown only where it is found.
        const auto credit = [&](const QString& tool, const QString& version, const QString& rest) {
            return QString("%1%2 · %3\n%4")
                .arg(tool, folder.isEmpty() ? "" : " " + version, rest,
                     folder.isEmpty() ? where : where.arg(folder + "/" + tool));
        };
        QTRY_COMPARE(shown("yt-dlp"),
                     credit("yt-dlp", "2023.03.04", "The Unlicense · github.com/yt-dlp/yt-dlp"));
        QTRY_COMPARE(shown("ffmpeg"), credit("ffmpeg", "5.1", "LGPL/GPL · ffmpeg.org"));
        dialogs.openedUrls.clear();
        view.findChild<QLabel*>("toolCredityt-dlp")
            ->linkActivated("https://github.com/yt-dlp/yt-dlp");
        QCOMPARE(dialogs.openedUrls, QList<QUrl>{QUrl("https://github.com/yt-dlp/yt-dlp")});
    }

    void aboutConverterLicence_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("licence");
        const QString head =
            "ffmpeg version 5.1.6\nbuilt with gcc 12\nconfiguration: --prefix=/usr ";
        QTest::newRow("Debian's") << head + "--enable-gpl --enable-libx264\nlibavutil 57"
                                  << "GPL 2 or later";
        QTest::newRow("GPL 3") << head + "--enable-version3 --enable-gpl"
                               << "GPL 3 or later";
        QTest::newRow("LGPL") << head + "--enable-libdav1d\n"
                              << "LGPL 2.1 or later";
        QTest::newRow("LGPL 3") << head + "--enable-version3\n"
                                << "LGPL 3 or later";
        QTest::newRow("flag on a later line only") << head + "\nlibavutil --enable-gpl"
                                                   << "LGPL 2.1 or later";
        QTest::newRow("no configuration") << "ffmpeg version 5.1"
                                          << "LGPL/GPL";
    }
    void aboutConverterLicence() {
        QFETCH(QString, answer);
        QFETCH(QString, licence);
        QCOMPARE(ToolCredits::converterLicence(answer), licence);
    }
};

MORVI_TEST_MAIN(TestWindows)
#include "tst_windows.moc"
