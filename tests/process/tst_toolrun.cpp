#include "TestHome.h"
#include "core/process/ToolRun.h"
#include "core/text/LineSplitter.h"

namespace {

struct Outcome {
    QStringList chunks;
    ToolRun::Exit exit;
};

// Runs the script in sh; the chunks received before the result, led by "o:" or "e:".
QCoro::Task<Outcome> runTool(QString script, ToolRun::Read read = ToolRun::Read::BothStreams,
                             std::chrono::milliseconds limit = {}) {
    Outcome outcome;
    const QStringList arguments{"-c", script};
    ToolRun run({.program = "/bin/sh", .arguments = arguments, .read = read, .timeLimit = limit},
                [&outcome](ToolRun::Stream stream, const QString& text) {
                    outcome.chunks << (stream == ToolRun::Stream::output ? "o:" : "e:") + text;
                });
    outcome.exit = co_await run.run();
    co_return outcome;
}

} // namespace

class TestToolRun : public QObject {
    Q_OBJECT

private slots:
    // Pauses make separate reads, one chunk each; the decoders themselves are tested below.
    void chunksAreDecodedAsRead_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<ToolRun::Read>("read");
        QTest::addColumn<QStringList>("chunks");
        const QString pause = "; sleep 0.2; ";
        using Read = ToolRun::Read;
        QTest::newRow("each stream has its own state")
            << "printf '\\303'" + pause + "printf 'e' >&2" + pause + "printf '\\251'"
            << Read::BothStreams << QStringList{"e:e", "o:é"};
        QTest::newRow("merged") << "printf 'o'" + pause + "printf 'e' >&2" << Read::Merged
                                << QStringList{"o:o", "o:e"};
        QTest::newRow("standard error only")
            << "printf 'o'; printf 'e' >&2" << Read::StandardError << QStringList{"e:e"};
    }
    void chunksAreDecodedAsRead() {
        QFETCH(QString, script);
        QFETCH(ToolRun::Read, read);
        QFETCH(QStringList, chunks);
        QCOMPARE(QCoro::waitFor(runTool(script, read)).chunks, chunks);
    }

    // Each chunk's text as delivered ("-" for none), then what the end of the stream gives.
    void decoderKeepsCharactersWholeAndDropsInvalidChunks_data() {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("an emoji cut after its third byte")
            << QByteArrayList{"\xf0\x9f\x98", "\x80!"} << QStringList{"-", u"\U0001F600!"_qs, "-"};
        QTest::newRow("an invalid chunk leaves the character it cut whole")
            << QByteArrayList{"\xff\xc3", "\xa9"} << QStringList{"", "é", "-"};
        QTest::newRow("a cut character that does not go on")
            << QByteArrayList{"\xc3", "(", "\xe2"} << QStringList{"-", "", "-", ""};
        QTest::newRow("surrogate, overlong form, lone continuation")
            << QByteArrayList{"a\xed\xa0\x80", "\xc0\xaf", "\x80", "ok"}
            << QStringList{"", "", "", "ok", "-"};
    }
    void decoderKeepsCharactersWholeAndDropsInvalidChunks() {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QStringList, texts);
        ToolTextDecoder decoder;
        QStringList decoded;
        for (const QByteArray& chunk : chunks)
            decoded << decoder.decode(chunk).value_or("-");
        decoded << decoder.finish().value_or("-");
        QCOMPARE(decoded, texts);
    }

    // Each line as "text|end": "r" for a lone "\r", "n" for a "\n", "-" for the stream's end.
    void lineSplitter_data() {
        QTest::addColumn<QStringList>("chunks");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("a progress line cut inside its time left")
            << QStringList{"\r[download]  5.0% ETA 00:1", "7\r[download]  6.0%"}
            << QStringList{"|r", "[download]  5.0% ETA 00:17|r", "[download]  6.0%|-"};
        QTest::newRow("\"\\r\\n\" ends one line; cut, it ends an empty one too")
            << QStringList{"a\r", "\nb\r\n\nc\r", "d\r"}
            << QStringList{"a|r", "|n", "b|n", "|n", "c|r", "d|r"};
        QTest::newRow("other separators end no line; longest line kept")
            << QStringList{"ab\u2028\x0b", QString(40, u'c') + "\nx\fyz"}
            << QStringList{"ab\u2028\x0b" + QString(28, u'c') + "|n", "x\fyz|-"};
    }
    void lineSplitter() {
        QFETCH(QStringList, chunks);
        QFETCH(QStringList, lines);
        LineSplitter splitter(32);
        QStringList read;
        const auto onLine = [&read](QStringView line, LineSplitter::End end) {
            static const char* const ends[] = {"|r", "|n", "|-"};
            read << line.toString() + ends[static_cast<int>(end)];
        };
        for (const QString& chunk : chunks)
            splitter.feed(chunk, onLine);
        splitter.finish(onLine);
        QCOMPARE(read, lines);
    }

    // Output still in the pipe when the tool ends reaches the handler before the result.
    void lastOutputComesBeforeTheResult() {
        for (int attempt = 0; attempt < 20; ++attempt) {
            const Outcome outcome = QCoro::waitFor(runTool("printf 'ERROR: x\\n'; exit 1"));
            QCOMPARE(outcome.chunks, QStringList{"o:ERROR: x\n"});
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

    // What ignores the termination request is killed after the grace period: the tool itself
    // (killed), or a helper of it (its pid the first line) that outlives the tool (ended).
    void stopKillsWhatIgnoresIt_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("signal");
        QTest::newRow("the tool") << "trap '' TERM; echo $$; sleep 30" << 9;
        QTest::newRow("a helper") << "sh -c \"trap '' TERM; exec sleep 30\" & echo $!; wait" << 15;
    }
    void stopKillsWhatIgnoresIt() {
        QFETCH(QString, script);
        QFETCH(int, signal);
        QString pid;
        const QStringList arguments{"-c", script};
        ToolRun run(
            {.program = "/bin/sh", .arguments = arguments, .read = ToolRun::Read::BothStreams},
            [&pid](ToolRun::Stream, const QString& text) { pid += text; });
        QCoro::waitFor(run.start());
        QTRY_VERIFY(pid.endsWith('\n'));
        run.stop();
        const ToolRun::Exit exit = QCoro::waitFor(run.result());
        QVERIFY(exit.signalled);
        QCOMPARE(exit.status, signal);
        QVERIFY(waitForProcessGone(pid.trimmed().toLongLong()));
    }
};

MORVI_TEST_MAIN(TestToolRun)
#include "tst_toolrun.moc"
