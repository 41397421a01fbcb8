#include "TestHome.h"
#include "engine/PercentText.h"
#include "engine/YtdlpManager.h"

#include <clocale>

class TestProgressParser : public QObject {
    Q_OBJECT

    static QString number(const std::optional<double>& value) {
        return value ? QString::number(*value, 'g', 12) : "-";
    }

    // Each progress value as "percent total speed secondsLeft", "-" for what is unknown
    // and "~" before an estimated total.
    static QStringList parse(const QString& text) {
        QStringList values;
        YtdlpManager::processOutput(text, [&](const DownloadProgress& update) {
            values << QString("%1 %2%3 %4 %5")
                          .arg(number(update.percent), update.totalIsEstimate ? "~" : "",
                               number(update.totalBytes), number(update.bytesPerSecond),
                               number(update.secondsLeft));
        });
        return values;
    }

private slots:
    void progress_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("updates led by carriage returns")
            << "\r[download]  50.0% of 10MiB\r[download]  75.5% of 10KiB"
            << QStringList{"50 10485760 - -", "75.5 10240 - -"};
        QTest::newRow("full line, later percentages ignored")
            << "[download]  42.7% of 14.74MiB at 1.5MiB/s ETA 00:10 50%\n"
            << QStringList{"42.7 15456010.24 1572864 10"};
        QTest::newRow("finished line")
            << "[download] 100% of   14.74MiB in 00:00:00 at 847.94MiB/s \n"
            << QStringList{"100 15456010.24 889129533.44 -"};
        QTest::newRow("fragments with an estimate")
            << "\r[download]  38.9% of ~ 331.24KiB at 1002.62KiB/s ETA 01:02:03 (frag 3/7)"
            << QStringList{"38.9 ~339189.76 1026682.88 3723"};
        QTest::newRow("estimate glued to the size")
            << "[download]   1.0% of ~1.00GiB at 2.00MB/s ETA 17 (frag 3)"
            << QStringList{"1 ~1073741824 2000000 17"};
        QTest::newRow("unknown values")
            << "[download]   5.0% of Unknown at  Unknown B/s ETA Unknown" << QStringList{"5 - - -"};
        QTest::newRow("unknown ETA first, hours overflow, decimal units")
            << "[download] 7% at 3kB/s Unknown ETA\n[download] 8% of 1.5GB ETA --:--:--"
            << QStringList{"7 - 3000 -", "8 1500000000 - -"};
        QTest::newRow("garbage sizes")
            << "[download] 9% of 12XB at -1MiB/s ETA 1:2:3:4" << QStringList{"9 - - -"};
        QTest::newRow("percentage in a file name")
            << "[download] Destination: Top 50% deals.mp4" << QStringList{};
        QTest::newRow("percentage not first after the tag")
            << "[download] abc% then 30%" << QStringList{};
        QTest::newRow("word must end in percent") << "[download] 12%done" << QStringList{};
        QTest::newRow("needs the download tag") << "[Merger] 50% merged" << QStringList{};
        QTest::newRow("tag and number on different lines")
            << "[download] starting\n50%" << QStringList{};
        QTest::newRow("tab and no-break space separate words")
            << QString("[download]\t12.5%\n[download]") + QChar(0x00A0) + "66%"
            << QStringList{"12.5 - - -", "66 - - -"};
        QTest::newRow("line separator splits lines")
            << QString("[download] 10%") + QChar(0x2028) + "[download] 20%"
            << QStringList{"10 - - -", "20 - - -"};
        QTest::newRow("strtod forms") << "[download] 1e1%\n[download] +5%\n[download] .5%"
                                      << QStringList{"10 - - -", "5 - - -", "0.5 - - -"};
        QTest::newRow("comma is no decimal point") << "[download] 12,5%" << QStringList{};
        QTest::newRow("unknown size has no percentage")
            << "\r[download]   12.00MiB at   10.82MiB/s (00:00:01)" << QStringList{};
    }
    void progress() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(parse(text), expected);
    }

    void lineSplitAcrossChunksIsReadPieceByPiece() {
        // Only a piece that holds the tag and a whole number with "%" counts.
        QCOMPARE(parse("\r[download]  45."), QStringList{});
        QCOMPARE(parse("5.0% of 10MiB"), QStringList{});
        QCOMPARE(parse("[download] 45% of"), QStringList{"45 - - -"});
    }

    void userLocaleDoesNotChangeNumbers() {
        const char* previous = std::setlocale(LC_NUMERIC, nullptr);
        const QByteArray saved = previous ? QByteArray(previous) : QByteArray("C");
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "C.UTF-8"))
            QSKIP("no other locale installed");
        QCOMPARE(parse("[download] 42.7% of 1.5KiB"), QStringList{"42.7 1536 - -"});
        std::setlocale(LC_NUMERIC, saved.constData());
    }

    void detailsText_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("everything known")
            << "[download]  25.0% of ~ 48.00MiB at 2.10MiB/s ETA 01:17"
            << u"12.0 MiB of ~48.0 MiB · 2.1 MiB/s · 1 min 17 s left"_qs;
        QTest::newRow("unknowns left out")
            << "[download]  25.0% of Unknown at Unknown B/s ETA 00:17"
            << "17 s left";
        QTest::newRow("nothing known") << "[download]  25.0%"
                                       << "";
    }
    void detailsText() {
        QFETCH(QString, line);
        QFETCH(QString, text);
        QString shown = "none";
        YtdlpManager::processOutput(
            line, [&](const DownloadProgress& update) { shown = progressDetailsText(update); });
        QCOMPARE(shown, text);
    }

    void percentText_data() {
        QTest::addColumn<double>("progress");
        QTest::addColumn<QString>("text");
        QTest::newRow("almost done") << 99.99 << "99%";
        QTest::newRow("small negative") << -0.5 << "0%";
        QTest::newRow("not a number") << qQNaN() << "0%";
    }
    void percentText() {
        QFETCH(double, progress);
        QFETCH(QString, text);
        QCOMPARE(::percentText(progress), text);
    }
};

MORVI_TEST_MAIN(TestProgressParser)
#include "tst_progressparser.moc"
