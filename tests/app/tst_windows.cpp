// What every window owes the desktop, one row per window: it fits small screens, reads in a
// light and a dark look, names its inputs, its keys and drops work; then each window's controls.
#include "DarkPalette.h"
#include "FakeToolInstaller.h"
#include "FitScreen.h"
#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "ScriptedEngine.h"
#include "TestHome.h"
#include "TestMedia.h"
#include "core/app/ToolCredits.h"
#include "core/colour/Contrast.h"
#include "core/cutter/MediaCutterViewModel.h"
#include "core/desktop/Notifier.h"
#include "core/model/LogModel.h"
#include "core/single/MainWindowViewModel.h"
#include "core/toolstore/FileManagerHelper.h"
#include "core/toolstore/ToolFinding.h"
#include "gui/app/AboutView.h"
#include "gui/cutter/MediaCutterView.h"
#include "gui/preferences/PreferencesView.h"
#include "gui/queue/BulkDownloadView.h"
#include "gui/single/MainWindowView.h"
#include "gui/widgets/LogView.h"
#include "gui/widgets/LogoImage.h"
#include "gui/widgets/SegmentedControl.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTextDocument>

using namespace QueueTesting;

namespace {

struct RecordingNotifier : Notifier {
    QStringList shown;
    void notify(const QString& summary, const QString& body, std::function<void()>) override {
        shown << summary + ": " + body;
    }
};

template <typename T = QWidget> T* part(const QWidget& view, const char* name) {
    return view.findChild<T*>(name);
}

bool shown(const QWidget& view, const char* name) {
    return part(view, name)->isVisibleTo(&view);
}

QAbstractButton* button(const QWidget& view, const QString& text) {
    for (QAbstractButton* each : view.findChildren<QAbstractButton*>()) {
        if (each->text().remove(u'&') == text)
            return each;
    }
    qFatal("no button %s", qPrintable(text));
}

void selectRows(const QWidget& view, const QList<int>& rows) {
    auto* table = view.findChild<QTableView*>();
    QItemSelection selection;
    for (int row : rows)
        selection.select(table->model()->index(row, 0), table->model()->index(row, 4));
    table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

// The disabled buttons, fields and pickers, by name or else by text without its mnemonic.
QStringList disabledControls(const QWidget& view) {
    QStringList disabled;
    for (QWidget* control : view.findChildren<QWidget*>()) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        if (!control->isEnabled() &&
            (button || qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control)))
            disabled << (control->objectName().isEmpty() ? button->text().remove(u'&')
                                                         : control->objectName());
    }
    return disabled;
}

// The contrasts below their least, as "what ratio:1".
struct Legibility {
    QStringList weak;
    void need(const QString& what, const QColor& front, const QColor& back, double least) {
        if (const double ratio = Contrast::ratio(front, back); ratio < least)
            weak << QString("%1 %2:1").arg(what).arg(ratio, 0, 'f', 3);
    }
};

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    std::shared_ptr<FakeToolInstaller> installer = std::make_shared<FakeToolInstaller>();
    std::unique_ptr<QWidget> window;
    const QString clip = QDir::homePath() + "/clip.mp4";

    std::unique_ptr<QWidget> make(const QString& kind) {
        if (kind == "main")
            return std::make_unique<MainWindowView>(installer, &dialogs, nullptr,
                                                    std::make_unique<ScriptedEngine>());
        if (kind == "queue")
            return std::make_unique<BulkDownloadView>(&dialogs);
        if (kind == "cutter")
            return std::make_unique<MediaCutterView>(&dialogs);
        if (kind == "preferences")
            return std::make_unique<PreferencesView>(&dialogs);
        return std::make_unique<AboutView>(&dialogs);
    }

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

    // The look a desktop hands over at start, until the guard goes.
    static auto lookOf(const QPalette& palette) {
        auto restore =
            qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
        QApplication::setPalette(palette);
        return restore;
    }

    // What a drop lands in: the address field, the queue's box, the cutter's file and name.
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

    // What assistive technology calls each input; a picker by the label it relates to, since on
    // Linux a picker's name is its value.
    QStringList inputNames() const {
        QStringList names;
        for (QWidget* input : window->findChildren<QWidget*>()) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(input);
            if (input->window() != window.get()) // a picker's popup list
                continue;
            if (qobject_cast<QComboBox*>(input))
                node = node->relations(QAccessible::Label).value(0).first;
            else if (!qobject_cast<QLineEdit*>(input) && !qobject_cast<QPlainTextEdit*>(input) &&
                     !qobject_cast<QTableView*>(input) && !qobject_cast<QGroupBox*>(input) &&
                     input->objectName() != "formatPicker")
                continue;
            names << (node ? node->text(QAccessible::Name) : QString());
        }
        return names;
    }

private slots:
    // With no tool on PATH, no version run of the about window outlives a test.
    void initTestCase() {
        qputenv("PATH", "/nonexistent");
        QVERIFY(TestMedia::makeClip(clip, 2));
    }

    void init() {
        clearStore();
        FakeTools::configure();
        dialogs = RecordingDialogs();
    }

    void cleanup() {
        window.reset();
        // The main window's tool check outlives it; it ends before the next test.
        QTRY_COMPARE(installer.use_count(), 1);
    }

    // Rows name the window. Small screens (1366×768 with a panel, 1920×1080 at 150 %) scroll a
    // window; a large one gives it its meant size. Like qt6ct without a key scheme, the platform
    // here binds no key to Quit and only Ctrl+F4 to Close; each common key is bound once.
    void everyWindow_data() {
        QTest::addColumn<QSize>("meant"); // 0 where the content decides
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("keys");
        QTest::newRow("main") << QSize(0, 0) << false << false << "Ctrl+O, Ctrl+Q, Ctrl+,";
        QTest::newRow("queue") << QSize(0, 800) << true << true << "Ctrl+O, Ctrl+Q, Ctrl+W";
        QTest::newRow("cutter") << QSize(600, 700) << true << true << "Ctrl+O, Ctrl+Q, Ctrl+F4";
        QTest::newRow("about") << QSize(500, 700) << false << true << "Ctrl+Q, Esc";
        QTest::newRow("preferences") << QSize(0, 0) << false << true << "Ctrl+Q, Ctrl+W";
    }
    void everyWindow() {
        QFETCH(QSize, meant);
        QFETCH(bool, opens);
        QFETCH(bool, closes);
        QFETCH(QString, keys);
        QVERIFY(QKeySequence::keyBindings(QKeySequence::Quit).isEmpty());
        window = make(QTest::currentDataTag());
        window->show();
        for (const QSize area : {QSize(1366, 720), QSize(1280, 680), QSize(1920, 1040)})
            checkFitsTheScreen(*window, area);
        QVERIFY(meant.width() == 0 || window->minimumWidth() == meant.width());
        QVERIFY(meant.height() == 0 || window->minimumHeight() == meant.height());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const QStringList names = inputNames();
        QVERIFY2(!names.contains(QString()), qPrintable(names.join(", ")));
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
        const QByteArray file = QUrl::fromLocalFile(clip).toEncoded();
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
        row("links on one line of a text", "queue", "text/plain",
            "see https://youtu.be/a https://youtu.be/b here",
            "typed\nhttps://youtu.be/a\nhttps://youtu.be/b");
        row("a link and a file", "queue", "text/uri-list",
            "https://youtu.be/a\r\nfile:///tmp/x\r\n", "typed");
        row("a link without a host", "queue", "text/uri-list", "https://youtu.be/a\r\nhttp:/b",
            "typed");
        row("one local file", "cutter", "text/uri-list", file, clip + " clip_cut");
        row("two files", "cutter", "text/uri-list", file + "\r\n" + file, " ");
        row("a web address", "cutter", "text/uri-list", "https://example.org/a.mp4", " ");
    }
    void drops() {
        QFETCH(QString, kind);
        QFETCH(QString, format);
        QFETCH(QByteArray, data);
        QFETCH(QString, shown);
        window = make(kind);
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

    // The light and the dark look, and a dark one whose accent reaches its contrasts only as
    // computed, not as the 8-bit colour that is drawn.
    void looks() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QString>("logo");
        QTest::newRow("light") << QApplication::palette() << "Logo";
        QTest::newRow("dark") << darkPalette() << "LogoDark";
        QPalette muted = darkPalette();
        muted.setColor(QPalette::Highlight, QColor(0xa8, 0x6c, 0x6c));
        QTest::newRow("dark, muted accent") << muted << "LogoDark";
    }

    // As painted: the chosen segment against its neighbours and under its label, enabled and
    // disabled (as while downloading); text on the accent.
    void accentFillsAreLegible_data() { looks(); }
    void accentFillsAreLegible() {
        QFETCH(QPalette, palette);
        const auto restore = lookOf(palette);
        const auto main = make("main"), queue = make("queue");
        Legibility legible;
        for (QWidget* window : {main.get(), queue.get()}) {
            auto* picker = window->findChild<SegmentedControl*>();
            for (const bool enabled : {true, false}) {
                picker->setEnabled(enabled);
                const QList<QAbstractButton*> segments = picker->findChildren<QAbstractButton*>();
                QAbstractButton* chosen = *std::find_if(
                    segments.begin(), segments.end(), [](auto* each) { return each->isChecked(); });
                const QColor fill = fillOf(chosen);
                legible.need("chosen label", colourOf(chosen, QPalette::ButtonText), fill, 4.5);
                for (QAbstractButton* other : segments) {
                    if (other != chosen)
                        legible.need("chosen against " + other->text(), fill, fillOf(other), 3);
                }
            }
        }
        static_cast<MainWindowView*>(main.get())->viewModel()->setUrlText("https://youtu.be/a");
        QAbstractButton* download = button(*main, "Download");
        legible.need("text on the accent", colourOf(download, QPalette::ButtonText),
                     fillOf(download), 4.5);
        QVERIFY2(legible.weak.isEmpty(), qPrintable(legible.weak.join(", ")));
    }

    // The queue's status colours on either row colour, the cutter's file field, a caption, a
    // link and the newest log line's strongest pixel; the about window's logo follows a change
    // of look.
    void textsAreLegible_data() { looks(); }
    void textsAreLegible() {
        QFETCH(QPalette, palette);
        QFETCH(QString, logo);
        const AboutView about(&dialogs);
        const auto restore = lookOf(palette);
        QTRY_COMPARE(about.findChild<LogoImage*>()->imageName(), logo);
        QList<BulkDownloadItem> items;
        for (const DownloadStatus status : allDownloadStatuses)
            items << item("https://youtu.be/" + rawValue(status), status);
        storeItems(items);
        const auto main = make("main"), queue = make("queue"), cutter = make("cutter");
        Legibility legible;
        QVERIFY(loaded(*static_cast<BulkDownloadView*>(queue.get())->viewModel()));
        const QAbstractItemModel* table = queue->findChild<QTableView*>()->model();
        for (int row = 0; row < items.size(); ++row) {
            const auto colour = table->index(row, 3).data(Qt::ForegroundRole).value<QColor>();
            for (const auto role : {QPalette::Base, QPalette::AlternateBase})
                legible.need("status " + items[row].url, colour, palette.color(role), 4.5);
        }
        const auto* file = cutter->findChild<QLineEdit*>("fileField");
        legible.need("file field", colourOf(file, QPalette::Text), colourOf(file, QPalette::Base),
                     4.5);
        const auto* caption = main->findChild<QLabel*>("progressLabel");
        legible.need("caption", colourOf(caption, QPalette::WindowText),
                     colourOf(caption, QPalette::Window), 4.5);
        const auto* credit = about.findChild<QLabel*>("toolCredityt-dlp");
        const QColor link(credit->text().section("color: ", 1).left(7));
        legible.need("link", link, colourOf(credit, QPalette::Window), 4.5);
        main->show();
        const LogModel* lines =
            static_cast<MainWindowView*>(main.get())->viewModel()->logMessages();
        auto* log = main->findChild<LogView*>("logView");
        QTRY_VERIFY(lines->rowCount() > 0 &&
                    log->viewport()->rect().contains(log->visualRect(lines->rowCount() - 1)));
        const QImage line = log->viewport()->grab(log->visualRect(lines->rowCount() - 1)).toImage();
        const QColor base = palette.color(QPalette::Base);
        QColor strongest = base;
        for (int at = 0; at < line.width() * line.height(); ++at) {
            const QColor pixel = line.pixelColor(at % line.width(), at / line.width());
            if (Contrast::ratio(pixel, base) > Contrast::ratio(strongest, base))
                strongest = pixel;
        }
        legible.need("newest log line", strongest, base, 4.5);
        QVERIFY2(legible.weak.isEmpty(), qPrintable(legible.weak.join(", ")));
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

    // Each tool's credit and origin: the tools folder first, else the system's search path.
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
        const QString tools = FileManagerHelper().toolsFolderPath;
        if (!folder.isEmpty())
            ToolFinding{
                {{}, tools + "/yt-dlp", "2023.03.04", "AC0CBBE6848D6A873464AF4E57CF65933B5A7581"},
                {"deno", folder + "/deno", "2.9.7"}}
                .write(tools);
        const SearchPath path(system);
        AboutView view(&dialogs);
        const auto shown = [&](const QString& tool) {
            QLabel* line = view.findChild<QLabel*>("toolCredit" + tool);
            QTextDocument document;
            document.setHtml(line->text());
            return document.toPlainText().replace(QChar::LineSeparator, '\n');
        };
        const auto credit = [&](const QString& tool, const QString& version, const QString& rest) {
            return QString("%1%2 · %3\n%4")
                .arg(tool, folder.isEmpty() ? "" : " " + version, rest,
                     folder.isEmpty() ? where : where.arg(folder + "/" + tool));
        };
        const QString verified = folder == tools ? "\nVerified with its makers' signing key AC0C "
                                                   "BBE6 848D 6A87 3464 AF4E 57CF 6593 3B5A 7581"
                                                 : "";
        QTRY_COMPARE(shown("yt-dlp"),
                     credit("yt-dlp", "2023.03.04", "The Unlicense · github.com/yt-dlp/yt-dlp") +
                         verified);
        QTRY_COMPARE(shown("ffmpeg"), credit("ffmpeg", "5.1", "LGPL/GPL · ffmpeg.org"));
        QTRY_COMPARE(shown("deno"), credit("deno", "2.9.7", "MIT · deno.com"));
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
        const auto row = [&head](const char* name, const char* flags, const char* licence) {
            QTest::newRow(name) << head + flags << QString(licence);
        };
        row("Debian's", "--enable-gpl --enable-libx264\nlibavutil 57", "GPL 2 or later");
        row("GPL 3", "--enable-version3 --enable-gpl", "GPL 3 or later");
        row("LGPL", "--enable-libdav1d\n", "LGPL 2.1 or later");
        row("LGPL 3", "--enable-version3\n", "LGPL 3 or later");
        row("flag on a later line only", "\nlibavutil --enable-gpl", "LGPL 2.1 or later");
        QTest::newRow("no configuration") << QString("ffmpeg version 5.1") << QString("LGPL/GPL");
    }
    void aboutConverterLicence() {
        QFETCH(QString, answer);
        QFETCH(QString, licence);
        QCOMPARE(ToolCredits::converterLicence(answer), licence);
    }

    // A download starts with Return in the address field, which is "Download" when that can be
    // pressed; the clickable controls follow the busy flag.
    void mainControlsFollowTheBusyFlag() {
        auto scripted = std::make_unique<ScriptedEngine>();
        ScriptedEngine* engine = scripted.get();
        MainWindowView view(installer, &dialogs, nullptr, std::move(scripted));
        view.resize(760, 760);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        MainWindowViewModel& model = *view.viewModel();
        auto* field = part<QLineEdit>(view, "urlField");
        QCOMPARE(view.focusWidget(), field);
        QVERIFY(QTest::qWaitFor([&] {
            const QStringList& log = model.logMessages()->entries();
            return !log.isEmpty() && log.last().endsWith("check completed.");
        }));
        QVERIFY(!part(view, "progressBlock")->isVisible());
        const QPoint place = field->mapTo(&view, QPoint());
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(engine->requests.isEmpty()); // "Download" is off without an address
        QTest::keyClicks(field, "https://youtu.be/abc");
        QTest::keyClicks(part<QLineEdit>(view, "sectionEnd"), "00:00:09");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(engine->requests.last().url, "https://youtu.be/abc");
        QCOMPARE(engine->requests.last().section, (MediaSection{0, 9}));
        engine->log("[youtube] abc: Downloading webpage\n");
        engine->progress(DownloadProgress{42.4, 48 * 1048576.0, false, 2.1 * 1048576, 17});
        QCOMPARE(field->mapTo(&view, QPoint()), place); // nothing jumps
        QCOMPARE(disabledControls(view),
                 (QStringList{"urlField", "formatMP3", "formatMP4", "formatM4A", "Video Quality",
                              "Audio Quality", "sectionStart", "sectionEnd", "outputField",
                              "Browse", "Download"}));
        QVERIFY(part(view, "progressBlock")->isVisible());
        QCOMPARE(view.findChild<QProgressBar*>()->value(), 4240);
        // The progress block fits within the small-screen minimum too.
        QVERIFY(view.layout()->minimumSize().height() <= view.minimumHeight());
        model.stopDownload();
        QCOMPARE(disabledControls(view), QStringList{"Stop"});
        QTRY_VERIFY(!engine->running());
    }

    // Neither the address field nor the window moves or grows while an address is looked up
    // and described, however long its title; a window that sizes itself right warns of nothing.
    void mainDescriptionKeepsItsRoom() {
        QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support)"));
        const SearchPath path("/usr/bin"); // the fake downloader sleeps
        FakeTools::installOne("yt-dlp");
        const QString looking = QDir::homePath() + "/looking.pid";
        MainWindowView view(installer, &dialogs, nullptr, std::make_unique<ScriptedEngine>());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* field = part<QLineEdit>(view, "urlField");
        auto* title = part<QLabel>(view, "descriptionTitle");
        const QRect place(field->mapTo(&view, QPoint()), view.size());
        const auto describe = [&](const QString& address, const QString& shown) {
            view.viewModel()->setUrlText(address);
            QTRY_VERIFY((shown.isEmpty() ? part<QLabel>(view, "descriptionDetails") : title)
                            ->text()
                            .startsWith(shown.isEmpty() ? "Looking up" : shown));
            QCoreApplication::sendPostedEvents();
            QCOMPARE(QRect(field->mapTo(&view, QPoint()), view.size()), place);
        };
        FakeTools::configure({{"FAKE_DESCRIPTION_PID_FILE", looking}});
        describe("https://youtu.be/looking", "");
        for (const QString& shown : {QString("Clip"), QString("Long title ").repeated(40)}) {
            FakeTools::configure({{"FAKE_DESCRIPTION", R"({"title": ")" + shown + R"("})"}});
            describe("https://youtu.be/" + QString::number(shown.size()), shown.left(20));
        }
        QCOMPARE_LE(title->fontMetrics().horizontalAdvance(title->text()), title->width());
        QCOMPARE(title->toolTip(), QString("Long title ").repeated(40));
    }

    // An Alt key that no shown control owns types nothing, into the address field (Alt+Q belongs
    // to the audio quality, hidden while a video format is chosen) or the queue's box.
    void unownedMnemonicsTypeNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("main") << "main";
        QTest::newRow("queue") << "queue";
    }
    void unownedMnemonicsTypeNothing() {
        QFETCH(QString, kind);
        window = make(kind);
        if (auto* main = qobject_cast<MainWindowView*>(window.get())) {
            main->viewModel()->setSelectedFormat("MP4");
            main->viewModel()->setUrlText("https://youtu.be/abc");
        } else {
            window->findChild<QPlainTextEdit*>()->setPlainText("https://youtu.be/abc");
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QWidget* input = QApplication::focusWidget();
        QMetaObject::invokeMethod(input, "selectAll");
        QTest::keyClick(input, Qt::Key_Q, Qt::AltModifier);
        QTest::keyClick(input, Qt::Key_Z, Qt::AltModifier | Qt::ShiftModifier);
        const auto* field = qobject_cast<QLineEdit*>(input);
        QCOMPARE(field ? field->text() : static_cast<QPlainTextEdit*>(input)->toPlainText(),
                 "https://youtu.be/abc");
    }

    void queueKeyboard() {
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
    void queueLongListFillsTheBox_data() {
        QTest::addColumn<bool>("addAtOnce");
        QTest::newRow("filled") << false;
        QTest::newRow("added at once") << true;
    }
    void queueLongListFillsTheBox() {
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

    // Closing the window leaves the batch running; a window opened meanwhile shows that same
    // controller, its buttons following it, until the batch ends.
    void queueBatchOutlivesItsWindowAndShowsInTheNext() {
        storeItems({item("https://youtu.be/done", DownloadStatus::completed, 100),
                    item("https://youtu.be/a")});
        Scripted s = scripted(dialogs);
        QPointer<BulkDownloadViewModel> vm = s.vm.release();
        auto* first = new BulkDownloadView(&dialogs, vm);
        button(*first, "Start All Downloads")->click();
        delete first;
        QVERIFY(vm && vm->hasRunningBatch());

        BulkDownloadView view(&dialogs, vm);
        view.findChild<QPlainTextEdit*>()->setPlainText("https://youtu.be/more");
        selectRows(view, {0});
        QCOMPARE(disabledControls(view), (QStringList{"Start All Downloads", "Clear Queue",
                                                      "Start Selected", "Delete Selected"}));
        button(view, "Stop All Downloads")->click();
        // At once, while the stopped download is still ending.
        QCOMPARE(disabledControls(view), (QStringList{"Stop All Downloads", "Stop Selected"}));
        QTRY_VERIFY(!vm->hasRunningBatch());
        dialogs.folderAnswers << "/chosen";
        button(view, "Browse")->click(); // the adopted controller asks through this window
        QCOMPARE(vm->outputPath(), "/chosen");
    }

    // The chosen file's information fills in once the file is read; typing reaches the
    // controller, and a cut shows while it runs.
    void cutterFollowsItsController() {
        const SearchPath path("/usr/bin"); // the fake converter sleeps
        FakeTools::installOne("ffmpeg");
        FakeTools::configure({{"FAKE_FFMPEG_STDERR", "size= 1kB time=00:00:00.99 bitrate=1k\\r"},
                              {"FAKE_FFMPEG_SLEEP", "1"}});
        MediaCutterView view(&dialogs);
        view.show();
        QVERIFY(!shown(view, "informationBlock"));
        dialogs.fileAnswers << clip;
        QTest::mouseClick(part<QPushButton>(view, "fileBrowse"), Qt::LeftButton);
        QVERIFY(shown(view, "informationBlock") && !shown(view, "durationLine"));
        QVERIFY(QTest::qWaitFor([&] { return shown(view, "formatLine"); }));
        QCOMPARE(part<QLabel>(view, "durationLine")->text(), "Duration: 00:00:02");
        QCOMPARE(part<QLabel>(view, "formatLine")->text(), "Format: Video");
        MediaCutterViewModel& cutter = view.viewModel();
        QPushButton* cut = part<QPushButton>(view, "cutButton");
        cutter.setEndTime("00:00:01");
        QTest::keyClicks(part<QLineEdit>(view, "nameField"), "part");
        QTest::keyClick(part<QLineEdit>(view, "startField"), Qt::Key_Backspace);
        QVERIFY(!cut->isEnabled());
        cutter.setStartTime("00:00:00");
        QTest::mouseClick(cut, Qt::LeftButton);
        QVERIFY(!cut->isEnabled() && shown(view, "progressBlock"));
        QTRY_COMPARE(part<QLabel>(view, "percentLabel")->text(), "99%");
        QTRY_VERIFY(!cutter.isCutting());
        QVERIFY(!shown(view, "progressBlock") && !shown(view, "showInFolder"));
        QVERIFY(cut->isEnabled());
    }

    // A cut that ends while the user looks elsewhere is announced; its folder can be shown.
    void cutterAnnouncesACutInTheBackground() {
        TestMedia::installConverter();
        RecordingNotifier notifier;
        MediaCutterView view(&dialogs, &notifier);
        view.show();
        view.viewModel().chooseMediaFile(clip);
        view.viewModel().setEndTime("00:00:01");
        QWidget elsewhere;
        elsewhere.show();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QCoro::waitFor(view.viewModel().startCutting());
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCoro::waitFor(view.viewModel().startCutting()); // seen: not announced
        QCOMPARE(notifier.shown, QStringList{"Cut finished: clip_cut.mp4"});
        QVERIFY(shown(view, "showInFolder"));
        QTest::mouseClick(part<QPushButton>(view, "showInFolder"), Qt::LeftButton);
        QCOMPARE(dialogs.openedUrls, {QUrl::fromLocalFile(QDir::homePath() + "/Downloads")});
    }
};

MORVI_TEST_MAIN(TestWindows)
#include "tst_windows.moc"
