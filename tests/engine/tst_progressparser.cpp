#include "TestHome.h"
#include "core/engine/PercentText.h"
#include "core/engine/YtdlpManager.h"

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
        QTest::newRow("updates led by carriage returns, the last one finished")
            << "\r[download]  50.0% of 10KiB\r[download] 100% of   14.74MiB in 00:00:00 at "
               "847.94MiB/s \n"
            << QStringList{"50 10240 - -", "100 15456010.24 889129533.44 -"};
        QTest::newRow("full line, later percentages ignored")
            << "[download]  42.7% of 14.74MiB at 1.5MB/s ETA 00:10 50%\n"
            << QStringList{"42.7 15456010.24 1500000 10"};
        QTest::newRow("fragments with an estimate")
            << "\r[download]  38.9% of ~ 331.24KiB at 1002.62KiB/s ETA 01:02:03 (frag 3/7)"
            << QStringList{"38.9 ~339189.76 1026682.88 3723"};
        QTest::newRow("unknown values, chunk cut after the number")
            << "[download]   5.0% of Unknown at  Unknown B/s ETA Unknown\n[download] 45% of"
            << QStringList{"5 - - -", "45 - - -"};
        // A line, or a chunk's piece of one, needs the tag and a whole number with "%" next.
        QTest::newRow("not progress")
            << "[download] Destination: Top 50% deals.mp4\n[download] abc% then 30%\n"
               "[download] 12%done\n[Merger] 50% merged\n[download] starting\n50%\n"
               "[download] 12,5%\n\r[download]   12.00MiB at   10.82MiB/s (00:00:01)\n"
               "\r[download]  45.\n5.0% of 10MiB\n[download] 0x1A%\n[download] +-5%\n"
               "[download] 1e999%"
            << QStringList{};
    }
    void progress() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(parse(text), expected);
    }

    // What the window shows beside the bar: known values only, the percent rounded down.
    void progressTexts() {
        QCOMPARE(progressDetailsText(DownloadProgress{25, 48 * 1048576.0, true, 2.1 * 1048576, 77}),
                 u"12.0 MiB of ~48.0 MiB · 2.1 MiB/s · 1 min 17 s left"_qs);
        QCOMPARE(progressDetailsText(DownloadProgress{25, {}, false, {}, 17}), "17 s left");
        QCOMPARE(::percentText(99.99), "99%");
        QCOMPARE(::percentText(-0.5), "0%");
        QCOMPARE(::percentText(qQNaN()), "0%");
    }
};

MORVI_TEST_MAIN(TestProgressParser)
#include "tst_progressparser.moc"
