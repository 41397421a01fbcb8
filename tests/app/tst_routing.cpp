#include "FakeToolInstaller.h"
#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "TestHome.h"
#include "core/app/AddressRouting.h"
#include "core/single/MainWindowViewModel.h"

using namespace QueueTesting;

// Where the addresses of a start of Morvi go.
class TestRouting : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    // No downloader: a handed-over address is described at once, and a description still
    // running when the suite ends would never end.
    SearchPath noTools{"/nonexistent"};

private slots:
    void init() { clearStore(); }

    // Each hand-over in turn: one address into a free field (empty or holding it, no
    // download), anything else appended to the queue's box, so that none is lost.
    void addressesFillTheWindows_data() {
        QTest::addColumn<QList<QStringList>>("handOvers");
        QTest::addColumn<QString>("fieldBefore");
        QTest::addColumn<bool>("downloading");
        QTest::addColumn<QString>("boxBefore");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("box");

        const QString typed = "https://typed.example/";
        const QString a = "https://a.example/1", b = "http://b.example/2", c = "https://c/3";
        using List = QList<QStringList>;
        QTest::newRow("none") << List{{}} << typed << false << "" << typed << "";
        QTest::newRow("one, empty field") << List{{a}} << "" << false << "" << a << "";
        QTest::newRow("one, field holds it") << List{{a}} << a << false << "" << a << "";
        QTest::newRow("one, field holds another")
            << List{{a}} << typed << false << "" << typed << a;
        QTest::newRow("one, field downloading it") << List{{a}} << a << true << "" << a << a;
        QTest::newRow("one at a time, three")
            << List{{a}, {b}, {c}} << "" << false << "" << a << b + "\n" + c;
        QTest::newRow("two") << List{{a, b}} << typed << false << "" << typed << a + "\n" + b;
        QTest::newRow("three after a typed line")
            << List{{a, b, a}} << typed << false << "https://kept/" << typed
            << "https://kept/\n" + a + "\n" + b + "\n" + a;
    }

    void addressesFillTheWindows() {
        QFETCH(QList<QStringList>, handOvers);
        QFETCH(QString, fieldBefore);
        QFETCH(bool, downloading);
        QFETCH(QString, boxBefore);
        QFETCH(QString, field);
        QFETCH(QString, box);
        Scripted queue = scripted(dialogs);
        queue.vm->setUrlsText(boxBefore);
        auto engine = std::make_unique<ScriptedEngine>();
        engine->outcomes = {std::nullopt}; // a download started ends on the next turn
        MainWindowViewModel single(dialogs, std::make_shared<FakeToolInstaller>(), nullptr,
                                   std::move(engine));
        single.setUrlText(fieldBefore);
        if (downloading)
            single.startDownload();

        int mainShown = 0, queueShown = 0;
        const AddressRouting::Windows windows{[&]() -> MainWindowViewModel& {
                                                  ++mainShown;
                                                  return single;
                                              },
                                              [&]() -> BulkDownloadViewModel& {
                                                  ++queueShown;
                                                  return *queue.vm;
                                              }};
        for (const QStringList& addresses : handOvers)
            AddressRouting::open(addresses, windows);
        QCOMPARE(mainShown, handOvers.size());
        QCOMPARE(single.urlText(), field);
        QCOMPARE(single.isDownloading(), downloading);
        QCOMPARE(queueShown > 0, box != boxBefore);
        QCOMPARE(queue.vm->urlsText(), box);
        QVERIFY(!queue.vm->isDownloading());
        QTRY_VERIFY(!single.isDownloading());
    }
};

MORVI_TEST_MAIN(TestRouting)
#include "tst_routing.moc"
