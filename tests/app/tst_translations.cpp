#include "FakeToolInstaller.h"
#include "FitScreen.h"
#include "RecordingDialogs.h"
#include "ScriptedEngine.h"
#include "TestHome.h"
#include "core/app/Translations.h"
#include "core/engine/DownloadProgress.h"
#include "core/engine/PercentText.h"
#include "core/model/LogModel.h"
#include "core/queue/BulkDownloadViewModel.h"
#include "core/single/MainWindowViewModel.h"
#include "gui/app/MorviApp.h"
#include "gui/queue/BulkDownloadView.h"
#include "gui/single/MainWindowView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTableView>

namespace {

// Wraps every text asked for in marks: a text shown without them never went through the
// translation system.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return u'⟦' + QString::fromUtf8(source) + u'⟧';
    }
};

// Shown but no texts: the program's name, the time placeholder.
const QRegularExpression notText(R"(^(Morvi|00:00:00)$)");

bool marked(const QString& text) {
    return text.isEmpty() || (text.startsWith(u'⟦') && text.endsWith(u'⟧')) ||
           notText.match(text).hasMatch();
}

// The texts of the window and of its parts, hidden ones included, that are not marked.
QStringList unmarkedTexts(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (QWidget* part : window.findChildren<QWidget*>()) {
        texts << part->toolTip() << part->accessibleName() << part->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(part))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(part))
            texts << button->text();
        if (auto* field = qobject_cast<QLineEdit*>(part))
            texts << field->placeholderText();
        if (auto* picker = qobject_cast<QComboBox*>(part)) {
            for (int row = 0; row < picker->count(); ++row)
                texts << picker->itemText(row);
        }
        if (auto* table = qobject_cast<QTableView*>(part)) {
            for (int column = 0; column < table->model()->columnCount(); ++column)
                texts << table->model()->headerData(column, Qt::Horizontal).toString();
        }
    }
    texts.removeIf(marked);
    return texts;
}

// The page of a tab widget a part is on; none for a part shown with every page.
const QWidget* pageOf(const QWidget* part) {
    while (part && !qobject_cast<const QStackedWidget*>(part->parentWidget()))
        part = part->parentWidget();
    return part;
}

// Every button, and every label that names a field, has a mnemonic unique among the parts
// shown together (a hidden page's keys do nothing); a shown label's focuses its field. Other
// labels have none: they would show it. A mnemonic's letter is wide enough for its underline
// to show under it, not beside it (an "i" or an "l" is not: one pixel off puts the line under
// its neighbour).
void checkMnemonics(QWidget& window) {
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QList<std::pair<QKeySequence, const QWidget*>> used;
    for (QWidget* part : window.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(part);
        auto* button = qobject_cast<QAbstractButton*>(part);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty()) // pictures, and the table's corner
            continue;
        const QKeySequence key = QKeySequence::mnemonic(text);
        QVERIFY2(key.isEmpty() == (label && !label->buddy()), qPrintable(text));
        const QWidget* page = pageOf(part);
        for (const auto& [other, itsPage] : std::as_const(used))
            QVERIFY2(key.isEmpty() || other != key || (page && itsPage && page != itsPage),
                     qPrintable(text));
        const QFontMetricsF metrics(part->font());
        const QChar letter = text.at(text.indexOf(u'&') + 1);
        QVERIFY2(key.isEmpty() ||
                     metrics.horizontalAdvance(letter) >= 0.7 * metrics.horizontalAdvance(u'n'),
                 qPrintable(text));
        used << std::pair(key, page);
        if (label && label->buddy() && label->isVisibleTo(&window)) {
            QTest::keySequence(&window, key);
            const QWidget* field = label->buddy();
            QVERIFY2(QApplication::focusWidget() ==
                         (field->focusProxy() ? field->focusProxy() : field),
                     qPrintable(text));
        }
    }
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
    std::shared_ptr<FakeToolInstaller> installer = std::make_shared<FakeToolInstaller>();
    std::unique_ptr<MorviApp> app;

    // The window of the row as the application opens it, in the language installed now.
    QWidget* open() {
        QFETCH(QString, identifier);
        app = std::make_unique<MorviApp>([this] { return installer; });
        return identifier == "main" ? app->showMainWindow() : app->openWindow(identifier);
    }

private slots:
    // No system tool may stand in for the missing downloader whose alert is checked. The font a
    // new machine has, whatever this one has gathered.
    void initTestCase() {
        qputenv("PATH", "/nonexistent");
        QVERIFY(QFontDatabase::addApplicationFont(
                    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf") >= 0);
        QApplication::setFont(QFont("DejaVu Sans", 9));
    }

    void cleanup() {
        app.reset();
        QTRY_COMPARE(installer.use_count(), 1);
    }

    // In German, about a third longer than English, a window still fits a 1366×768 screen.
    // Marked texts keep the English mnemonics.
    void everyTextIsTranslated_data() {
        QTest::addColumn<QString>("identifier");
        for (const char* identifier :
             {"main", "bulk-download", "media-cutter", "about", "preferences"})
            QTest::newRow(identifier) << QString(identifier);
    }
    void everyTextIsTranslated() {
        {
            const Translations german(QLocale(QLocale::German));
            QVERIFY(german.found());
            QWidget* window = open();
            checkMnemonics(*window);
            checkFitsTheScreen(*window, QSize(1366, 720));
        }
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        QWidget* window = open();
        QCOMPARE(unmarkedTexts(*window), QStringList());
        checkMnemonics(*window);
        if (!qobject_cast<MainWindowView*>(window))
            return;
        // The alerts and log lines of a refused and of a failed download (no downloader).
        RecordingDialogs dialogs;
        MainWindowView view(installer, &dialogs);
        for (const char* address : {"  ", "https://youtu.be/x"}) {
            view.viewModel()->setUrlText(address);
            view.viewModel()->startDownload();
        }
        QTRY_COMPARE(dialogs.alerts.size(), 2);
        for (const RecordingDialogs::Alert& alert : std::as_const(dialogs.alerts))
            QVERIFY2(marked(alert.title) && marked(alert.message), qPrintable(alert.message));
        for (const QString& entry : view.viewModel()->logMessages()->entries())
            QVERIFY2(marked(entry.section(' ', 1)), qPrintable(entry)); // after the time stamp
    }

    // Numbers in the locale's format and units, counts with its plural forms; English ones where
    // Morvi has no translation for the locale (LANG=C.UTF-8, or French).
    void numbersFollowTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("details");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("added");
        QTest::newRow("none") << QLocale::c()
                              << u"20.4 MiB of 48.0 MiB · 1023.9 KiB/s · 1 h 2 min left"_qs << "42%"
                              << "Added 3800 entries from \"Feed\".";
        QTest::newRow("German") << QLocale(QLocale::German)
                                << u"20,4 MiB von 48,0 MiB · 1.023,9 KiB/s · noch 1 h 2 min"_qs
                                << u"42\u00a0%"_qs << u"3.800 Einträge aus „Feed“ hinzugefügt."_qs;
        QTest::newRow("French") << QLocale(QLocale::French)
                                << u"20,4 Mio of 48,0 Mio · 1\u202f023,9 Kio/s · 1 h 2 min left"_qs
                                << "42%" << u"Added 3\u202f800 entries from \"Feed\"."_qs;
    }
    void numbersFollowTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, details);
        QFETCH(QString, percent);
        QFETCH(QString, added);
        const Translations translations(locale);
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        const DownloadProgress progress{42.4, 48 * 1048576.0, false, 1048474, 3725};
        QCOMPARE(progressDetailsText(progress), details);
        QCOMPARE(percentText(42.7), percent);
        QCOMPARE(QCoreApplication::translate("QueueIntake", "Added %Ln entry(s) from \"%1\".",
                                             nullptr, 3800)
                     .arg("Feed"),
                 added);
    }

    // With a translation loaded, the pickers of both windows hand on their values, not the
    // texts they show: each shown quality picker set to its last entry, a video format's, then
    // an audio format's.
    void pickersHandOnValues() {
        const Translations german(QLocale(QLocale::German));
        RecordingDialogs dialogs;
        MainWindowView main(installer, &dialogs, nullptr, std::make_unique<ScriptedEngine>());
        BulkDownloadView queue(&dialogs);
        for (QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&queue)}) {
            for (const char* format : {"formatMP4", window == &main ? "formatM4A" : "formatMP3"}) {
                QTest::mouseClick(window->findChild<QAbstractButton*>(format), Qt::LeftButton);
                for (QComboBox* picker : window->findChildren<QComboBox*>()) {
                    if (picker->isVisibleTo(window))
                        QTest::keyClick(picker, Qt::Key_End);
                }
            }
        }
        const MainWindowViewModel& single = *main.viewModel();
        const BulkDownloadViewModel& batch = *queue.viewModel();
        QCOMPARE((QStringList{single.selectedFormat(), single.selectedVideoQuality(),
                              single.selectedMp3Quality(), batch.selectedFormat(),
                              batch.selectedVideoQuality(), batch.selectedAudioQuality()}),
                 (QStringList{"M4A", "Lowest Available", "64k", "MP3", "Lowest Available", "64k"}));
    }

    // lupdate, run over the sources into a copy of the German file, finds nothing untranslated.
    void germanIsComplete() {
        QTemporaryDir folder;
        const QString copy = folder.filePath("morvi_de.ts");
        QVERIFY(QFile::copy(MORVI_SOURCE_DIR "/translations/morvi_de.ts", copy));
        QProcess lupdate;
        lupdate.start(MORVI_LUPDATE,
                      {MORVI_SOURCE_DIR "/src", "-ts", copy, "-no-obsolete", "-locations", "none"});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        QVERIFY2(!contentOf(copy).contains("type=\"unfinished\""),
                 "texts without translation: see the README's Languages");
    }
};

MORVI_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
