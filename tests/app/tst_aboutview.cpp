#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "WindowFit.h"
#include "core/app/ToolCredits.h"
#include "core/tools/FileManagerHelper.h"
#include "gui/app/AboutView.h"
#include "gui/widgets/LogoImage.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>

class TestAboutView : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;

private slots:
    void init() { dialogs = RecordingDialogs(); }

    void buttonsOpenTheMakersPages_data() {
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

    void buttonsOpenTheMakersPages() {
        QFETCH(QString, site);
        QFETCH(QList<QUrl>, opened);
        AboutView view(&dialogs, nullptr, site);
        view.show();
        // "Visit Website", "Support" twice, "Privacy Policy"
        const QList<QPushButton*> buttons = view.findChildren<QPushButton*>();
        for (const int index : {0, 1, 1, 2}) {
            QCOMPARE(buttons.at(index)->isEnabled(), !opened.isEmpty());
            QTest::mouseClick(buttons.at(index), Qt::LeftButton);
        }
        QCOMPARE(dialogs.openedUrls, opened);
        QVERIFY(view.isVisible());
    }

    // The tools in use, their versions, licences and projects, and where they come from: the
    // tools folder first, else the system's search path.
    void creditsTheToolsInUse_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("ytDlp");
        QTest::addColumn<QString>("ffmpeg");
        const QString tools = FileManagerHelper().toolsFolderPath;
        const QString system = QDir::homePath() + "/system";
        QTest::newRow("tools folder")
            << "tools folder"
            << "yt-dlp 2023.03.04 · The Unlicense · github.com/yt-dlp/yt-dlp\nMorvi's own, at " +
                   tools + "/yt-dlp"
            << "ffmpeg 5.1 · LGPL/GPL · ffmpeg.org\nMorvi's own, at " + tools + "/ffmpeg";
        QTest::newRow("system")
            << "system"
            << "yt-dlp 2023.03.04 · The Unlicense · github.com/yt-dlp/yt-dlp\nThe system's own, "
               "at " +
                   system + "/yt-dlp"
            << "ffmpeg 5.1 · LGPL/GPL · ffmpeg.org\nThe system's own, at " + system + "/ffmpeg";
        QTest::newRow("nowhere")
            << "nowhere"
            << "yt-dlp · The Unlicense · github.com/yt-dlp/yt-dlp\nNot installed"
            << "ffmpeg · LGPL/GPL · ffmpeg.org\nNot installed";
    }
    void creditsTheToolsInUse() {
        QFETCH(QString, place);
        QFETCH(QString, ytDlp);
        QFETCH(QString, ffmpeg);
        const QString system = QDir::homePath() + "/system";
        QDir(FileManagerHelper().toolsFolderPath).removeRecursively();
        QDir(system).removeRecursively();
        FileManagerHelper().createDirectoriesIfNeeded();
        for (const QString name : {"yt-dlp", "ffmpeg"}) {
            if (place != "nowhere")
                FakeTools::installOne(name, place == "system" ? system : QString());
        }
        const SearchPath path(system);
        AboutView view(&dialogs);
        const auto shown = [&](const QString& tool) {
            QLabel* line = view.findChild<QLabel*>("toolCredit" + tool);
            QTextDocument document;
            document.setHtml(line->text());
            return document.toPlainText().replace(QChar::LineSeparator, '\n');
        };
        QTRY_COMPARE(shown("yt-dlp"), ytDlp);
        QTRY_COMPARE(shown("ffmpeg"), ffmpeg);
        view.findChild<QLabel*>("toolCredityt-dlp")
            ->linkActivated("https://github.com/yt-dlp/yt-dlp");
        QCOMPARE(dialogs.openedUrls, QList<QUrl>{QUrl("https://github.com/yt-dlp/yt-dlp")});
    }

    void converterLicence_data() {
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
    void converterLicence() {
        QFETCH(QString, answer);
        QFETCH(QString, licence);
        QCOMPARE(ToolCredits::converterLicence(answer), licence);
    }

    void fitsTheScreen_data() { WindowFit::addScreens(); }
    void fitsTheScreen() {
        QFETCH(QSize, area);
        AboutView view(&dialogs);
        view.fitToScreen(area);
        view.show();
        QVERIFY(WindowFit::fits(view, area));
        if (area.height() > 1000) // the size it is meant to have
            QCOMPARE(view.size(), QSize(500, 700));
    }

    // Also run at twice the scale; the logo follows the palette.
    void renders() {
        AboutView view(&dialogs);
        view.fitToScreen({1920, 1040});
        view.show();
        auto* logo = view.findChild<LogoImage*>();
        QCOMPARE(logo->imageName(), "Logo");
        QVERIFY(Renders::save(view, "about-light"));
        view.setPalette(Renders::darkPalette());
        QCOMPARE(logo->imageName(), "LogoDark");
        QVERIFY(Renders::save(view, "about-dark"));
    }
};

MORVI_TEST_MAIN(TestAboutView)
#include "tst_aboutview.moc"
