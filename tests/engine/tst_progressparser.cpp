#include "TestHome.h"
#include "engine/PercentText.h"
#include "engine/YtdlpManager.h"

#include <clocale>

class TestProgressParser : public QObject {
    Q_OBJECT

    static QList<double> parse(const QString& text) {
        QList<double> values;
        YtdlpManager::processOutput(
            text, [&](const DownloadProgress& update) { values << update.percent; });
        return values;
    }

private slots:
    void percentages_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<double>>("expected");
        QTest::newRow("two updates led by carriage returns")
            << "\r[download]  50.0% of 10MiB\r[download]  75.5% of 10MiB"
            << QList<double>{50.0, 75.5};
        QTest::newRow("one per line, first word wins")
            << "[download]  42.7% of 14.74MiB at 1.00MiB/s ETA 00:10 50%\n"
               "[download] 100% of   14.74MiB in 00:00:00\n"
            << QList<double>{42.7, 100};
        QTest::newRow("destination line has no percentage")
            << "[download] Destination: clip 100%.webm" << QList<double>{};
        QTest::newRow("destination line without percent word")
            << "[download] Destination: clip.webm\n"
            << QList<double>{};
        QTest::newRow("word must end in percent") << "[download] 12%done" << QList<double>{};
        QTest::newRow("unparsable word is passed over")
            << "[download] abc% then 30%" << QList<double>{30};
        QTest::newRow("needs the download tag") << "[Merger] 50% merged" << QList<double>{};
        QTest::newRow("tag and number on different lines")
            << "[download] starting\n50%" << QList<double>{};
        QTest::newRow("lone percent sign") << "[download] % 7%" << QList<double>{7};
        QTest::newRow("fragment progress")
            << "\r[download]  38.9% of ~ 331.24KiB at 1002.62KiB/s ETA 00:00 (frag 3/7)"
            << QList<double>{38.9};
        QTest::newRow("tab separates words") << "[download]\t12.5%\tof" << QList<double>{12.5};
        QTest::newRow("no-break space separates words")
            << QString("[download]") + QChar(0x00A0) + "66%" << QList<double>{66};
        QTest::newRow("line separator splits lines")
            << QString("[download] 10%") + QChar(0x2028) + "[download] 20%"
            << QList<double>{10, 20};
        QTest::newRow("strtod forms")
            << "[download] 1e1%\n[download] +5%\n[download] .5%" << QList<double>{10, 5, 0.5};
        QTest::newRow("comma is no decimal point") << "[download] 12,5%" << QList<double>{};
        QTest::newRow("unknown size has no percentage")
            << "\r[download]   12.00MiB at   10.82MiB/s (00:00:01)" << QList<double>{};
        QTest::newRow("empty") << "" << QList<double>{};
    }
    void percentages() {
        QFETCH(QString, text);
        QFETCH(QList<double>, expected);
        QCOMPARE(parse(text), expected);
    }

    void lineSplitAcrossChunksIsReadPieceByPiece() {
        // Only a piece that holds the tag and a whole number with "%" counts.
        QCOMPARE(parse("\r[download]  4"), QList<double>{});
        QCOMPARE(parse("5.0% of 10MiB"), QList<double>{});
        QCOMPARE(parse("\r[download]  45."), QList<double>{});
        QCOMPARE(parse("[download] 45% of"), QList<double>{45});
    }

    void userLocaleDoesNotChangeNumbers() {
        const char* previous = std::setlocale(LC_NUMERIC, nullptr);
        const QByteArray saved = previous ? QByteArray(previous) : QByteArray("C");
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "C.UTF-8"))
            QSKIP("no other locale installed");
        QCOMPARE(parse("[download] 42.7%"), QList<double>{42.7});
        std::setlocale(LC_NUMERIC, saved.constData());
    }

    void percentText_data() {
        QTest::addColumn<double>("progress");
        QTest::addColumn<QString>("text");
        QTest::newRow("almost done") << 99.99 << "99%";
        QTest::newRow("small negative") << -0.5 << "0%";
        QTest::newRow("not a number") << qQNaN() << "0%";
        QTest::newRow("infinite") << qInf() << "0%";
    }
    void percentText() {
        QFETCH(double, progress);
        QFETCH(QString, text);
        QCOMPARE(::percentText(progress), text);
    }
};

MORVI_TEST_MAIN(TestProgressParser)
#include "tst_progressparser.moc"
