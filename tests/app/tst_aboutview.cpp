#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "app/AboutView.h"
#include "widgets/LogoImage.h"

#include <QLabel>
#include <QPushButton>

class TestAboutView : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;

    QPushButton* button(AboutView& view, const QString& text) {
        for (QPushButton* candidate : view.findChildren<QPushButton*>()) {
            if (candidate->text() == text)
                return candidate;
        }
        qFatal("no button %s", qPrintable(text));
    }

    QStringList labelTexts(AboutView& view) {
        QStringList texts;
        for (QLabel* label : view.findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }

private slots:
    void init() { dialogs = RecordingDialogs(); }

    void showsVersionAndBuildOfThisBuild() {
        AboutView view(&dialogs);
        const QStringList texts = labelTexts(view);
        QVERIFY(texts.contains("Version " + AboutView::versionText()));
        QVERIFY(texts.contains("Build " + AboutView::buildText()));
        QCOMPARE(AboutView::versionText(), QStringLiteral(MORVI_VERSION));
        QCOMPARE(AboutView::buildText(), QStringLiteral(MORVI_BUILD_NUMBER));
        QCOMPARE(view.size(), QSize(500, 700));
    }

    void missingValuesFallBack_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("absent") << QString() << QString("1.0.0");
        QTest::newRow("empty") << QString("") << "1.0.0";
        QTest::newRow("blank") << QString("  ") << "1.0.0";
        QTest::newRow("given") << QString("2.4.1") << "2.4.1";
    }

    void missingValuesFallBack() {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(AboutView::orFallback(value, "1.0.0"), expected);
    }

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
        for (const char* text : {"Visit Website", "Support", "Support", "Privacy Policy"}) {
            QCOMPARE(button(view, text)->isEnabled(), !opened.isEmpty());
            QTest::mouseClick(button(view, text), Qt::LeftButton);
        }
        QCOMPARE(dialogs.openedUrls, opened);
        QVERIFY(view.isVisible());
    }

    void pageUrl_data() {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QUrl>("expected");
        QTest::newRow("home") << QString("https://example.org") << ""
                              << QUrl("https://example.org");
        QTest::newRow("contact") << QString("https://example.org") << "/contact/"
                                 << QUrl("https://example.org/contact/");
        QTest::newRow("site with closing slash")
            << QString("https://example.org/") << "/privacy-policy/"
            << QUrl("https://example.org/privacy-policy/");
        QTest::newRow("no site") << QString("") << "/contact/" << QUrl();
        QTest::newRow("no address at all") << QString("example") << "/contact/" << QUrl();
        QTest::newRow("broken") << QString("https://exa mple.org") << "" << QUrl();
    }

    void pageUrl() {
        QFETCH(QString, site);
        QFETCH(QString, path);
        QFETCH(QUrl, expected);
        QCOMPARE(AboutView::pageUrl(site, path), expected);
    }

    void rendersInBothAppearances() {
        AboutView view(&dialogs);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
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
