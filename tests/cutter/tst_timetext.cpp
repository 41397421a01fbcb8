#include "TestHome.h"
#include "cutter/TimeText.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <cmath>
#include <cstdlib>

class TestTimeText : public QObject {
    Q_OBJECT

private slots:
    void formatTime_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("fraction truncated") << 5445.9 << "01:30:45";
        QTest::newRow("hours above 99") << 360000.0 << "100:00:00";
        QTest::newRow("not a number") << std::nan("") << "00:00:00";
    }
    void formatTime() {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(::formatTime(seconds), text);
    }

    // A user whose locale writes "1,5" still types times with "."; the German locale is
    // compiled here, so no system locale needs installing.
    void timesIgnoreADecimalCommaLocale() {
        QCOMPARE(::timeToSeconds("1:2"), 0.0);
        QCOMPARE(::timeToSeconds(" 00:00:10"), 0.0);
        QTemporaryDir locales;
        QProcess localedef;
        localedef.start("localedef",
                        {"-i", "de_DE", "-f", "UTF-8", locales.path() + "/de_DE.UTF-8"});
        localedef.waitForFinished(30000);
        qputenv("LOCPATH", locales.path().toUtf8());
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QSKIP("localedef could not build a German locale");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(std::strtod("1.5", nullptr), 1.0); // the C library now stops at "."

        QCOMPARE(::timeToSeconds("01:01:23.45"), 3683.45);
        QCOMPARE(::timeToSeconds("00:00:1,5"), 0.0);

        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }
};

MORVI_TEST_MAIN(TestTimeText)
#include "tst_timetext.moc"
