#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "app/AboutView.h"
#include "widgets/LogoImage.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

class TestAboutView : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;

private slots:
    void init() { dialogs = RecordingDialogs(); }

    void showsVersionAndBuildOfThisBuild() {
        AboutView view(&dialogs);
        QStringList texts;
        for (QLabel* label : view.findChildren<QLabel*>())
            texts << label->text();
        QVERIFY(texts.contains("Version " MORVI_VERSION));
        QVERIFY(texts.contains("Build " MORVI_BUILD_NUMBER));
    }

    void missingValuesFallBack_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blank") << QString("  ") << QString("1.0.0");
        QTest::newRow("given") << QString("2.4.1") << QString("2.4.1");
    }
    void missingValuesFallBack() {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(AboutView::orFallback(value, "1.0.0"), expected);
    }

    void buttonsOpenTheMakersPages() {
        AboutView view(&dialogs);
        view.show();
        const QString site = MORVI_WEBSITE;
        // "Visit Website", "Support" twice, "Privacy Policy"
        const QList<QPushButton*> buttons = view.findChildren<QPushButton*>();
        for (const int index : {0, 1, 1, 2})
            QTest::mouseClick(buttons.at(index), Qt::LeftButton);
        QCOMPARE(dialogs.openedUrls,
                 (QList<QUrl>{QUrl(site), QUrl(site + "/contact/"), QUrl(site + "/contact/"),
                              QUrl(site + "/privacy-policy/")}));
        QVERIFY(view.isVisible());
    }

    void pageUrl_data() {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QUrl>("expected");
        const QString site = "https://example.org";
        QTest::newRow("home") << site << QString() << QUrl(site);
        QTest::newRow("site with closing slash")
            << site + "/" << QString("/contact/") << QUrl(site + "/contact/");
        QTest::newRow("no site") << QString() << QString("/contact/") << QUrl();
        QTest::newRow("no address at all") << QString("example") << QString("/contact/") << QUrl();
        QTest::newRow("broken") << QString("https://exa mple.org") << QString() << QUrl();
    }
    void pageUrl() {
        QFETCH(QString, site);
        QFETCH(QString, path);
        QFETCH(QUrl, expected);
        QCOMPARE(AboutView::pageUrl(site, path), expected);
    }

    void escapeCloses() {
        AboutView view(&dialogs);
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!view.isVisible());
    }

    void fitsTheScreen_data() {
        QTest::addColumn<QSize>("area");
        QTest::newRow("1366x768 with a panel") << QSize(1366, 720);
        QTest::newRow("1920x1080 at 150 %") << QSize(1280, 680);
        QTest::newRow("large") << QSize(1920, 1040);
    }
    void fitsTheScreen() {
        QFETCH(QSize, area);
        AboutView view(&dialogs);
        view.fitToScreen(area);
        view.show();
        QVERIFY(view.height() <= area.height() - 30); // room for the title bar
        if (area.height() > 1000)
            QCOMPARE(view.size(), QSize(500, 700));
        QScrollArea* scroll = view.findChild<QScrollArea*>();
        QVERIFY(scroll->widget()->height() >= scroll->widget()->minimumSizeHint().height());
        QVERIFY(scroll->widget()->minimumSizeHint().width() <= scroll->viewport()->width());
    }

    void renders() {
        const QString scale = qApp->devicePixelRatio() > 1 ? "-2x" : "";
        AboutView view(&dialogs);
        view.fitToScreen({1920, 1040});
        view.show();
        auto* logo = view.findChild<LogoImage*>();
        QCOMPARE(logo->imageName(), "Logo");
        QVERIFY(Renders::save(view, "about-light" + scale));
        view.setPalette(Renders::darkPalette());
        QCOMPARE(logo->imageName(), "LogoDark");
        QVERIFY(Renders::save(view, "about-dark" + scale));
        AboutView small(&dialogs);
        small.fitToScreen({1280, 680});
        small.show();
        QVERIFY(Renders::save(small, "about-small" + scale));
    }
};

MORVI_TEST_MAIN(TestAboutView)
#include "tst_aboutview.moc"
