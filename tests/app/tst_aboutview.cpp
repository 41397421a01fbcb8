#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "WindowFit.h"
#include "gui/app/AboutView.h"
#include "gui/widgets/LogoImage.h"

#include <QPushButton>

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
