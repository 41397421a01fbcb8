#include "FakeToolInstaller.h"
#include "FitScreen.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "core/app/Translations.h"
#include "core/model/LogModel.h"
#include "core/single/MainWindowViewModel.h"
#include "gui/app/MorviApp.h"
#include "gui/single/MainWindowView.h"

#include <QAbstractButton>
#include <QComboBox>
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

// Shown but no texts: the program's name, numbers, the time placeholder.
const QRegularExpression notText(R"(^(Morvi|\d+%|00:00:00)$)");

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
// labels have none: they would show it.
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
    // No system tool may stand in for the missing downloader whose alert is checked.
    void initTestCase() { qputenv("PATH", "/nonexistent"); }

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
