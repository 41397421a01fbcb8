#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "WindowFit.h"
#include "app/AboutView.h"
#include "widgets/LogoImage.h"

#include <QPushButton>

class TestAboutView : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;

private slots:
    void init() { dialogs = RecordingDialogs(); }

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
