#include "TestHome.h"
#include "core/platform/ToolRun.h"

namespace {

struct Outcome {
    QStringList chunks;
    ToolRun::Exit exit;
};

// Runs a shell script as the tool; the chunks are those received when the result came.
QCoro::Task<Outcome> runTool(QString script, ToolRun::Read read = ToolRun::Read::BothStreams,
                             std::chrono::milliseconds limit = {}) {
    Outcome outcome;
    const QStringList arguments{"-c", script};
    ToolRun run({.program = "/bin/sh", .arguments = arguments, .read = read, .timeLimit = limit},
                [&outcome](const QString& text) { outcome.chunks << text; });
    outcome.exit = co_await run.run();
    co_return outcome;
}

} // namespace

class TestToolRun : public QObject {
    Q_OBJECT

private slots:
    // Pauses make separate reads, one chunk each; the next read completes a cut character.
    void chunksAreDecodedAsRead_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<ToolRun::Read>("read");
        QTest::addColumn<QStringList>("chunks");
        const QString pause = "; sleep 0.2; ";
        using Read = ToolRun::Read;
        QTest::newRow("characters cut between reads")
            << "printf 'a\\303'" + pause + "printf '\\251 b\\342\\234'" + pause +
                   "printf '\\223\\n'"
            << Read::BothStreams << QStringList{"a", "é b", "✓\n"};
        QTest::newRow("invalid bytes empty their chunk only")
            << "printf 'x\\377'" + pause + "printf 'ok\\303'" << Read::BothStreams
            << QStringList{"", "ok", ""};
        QTest::newRow("each stream has its own state")
            << "printf '\\303'" + pause + "printf 'e' >&2" + pause + "printf '\\251'"
            << Read::BothStreams << QStringList{"e", "é"};
        QTest::newRow("merged") << "printf 'o'" + pause + "printf 'e' >&2" << Read::Merged
                                << QStringList{"o", "e"};
        QTest::newRow("standard error only")
            << "printf 'o'; printf 'e' >&2" << Read::StandardError << QStringList{"e"};
    }
    void chunksAreDecodedAsRead() {
        QFETCH(QString, script);
        QFETCH(ToolRun::Read, read);
        QFETCH(QStringList, chunks);
        QCOMPARE(QCoro::waitFor(runTool(script, read)).chunks, chunks);
    }

    // Output still in the pipe when the tool ends reaches the handler before the result.
    void lastOutputComesBeforeTheResult() {
        for (int attempt = 0; attempt < 20; ++attempt) {
            const Outcome outcome = QCoro::waitFor(runTool("printf 'ERROR: x\\n'; exit 1"));
            QCOMPARE(outcome.chunks, QStringList{"ERROR: x\n"});
            QCOMPARE(outcome.exit.status, 1);
        }
    }

    void exitStatusOrSignal() {
        using Read = ToolRun::Read;
        const ToolRun::Exit killed = QCoro::waitFor(runTool("kill -TERM $$", Read::Nothing)).exit;
        QCOMPARE(killed.status, 15);
        QVERIFY(killed.signalled && !killed.timedOut);
        const auto limit = std::chrono::milliseconds(200);
        const ToolRun::Exit timedOut =
            QCoro::waitFor(runTool("sleep 30", Read::Nothing, limit)).exit;
        QCOMPARE(timedOut.status, 9);
        QVERIFY(timedOut.signalled && timedOut.timedOut);
    }
};

MORVI_TEST_MAIN(TestToolRun)
#include "tst_toolrun.moc"
