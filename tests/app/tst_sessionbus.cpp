#include "TestHome.h"
#include "core/app/SessionBusInstance.h"
#include "core/app/SingleInstance.h"
#include "core/desktop/DesktopNotifier.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <qcoro/qcorotask.h>

// A notification service as a desktop runs it, on a bus of the test's own.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<QStringList> shown;

public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap&, int) {
        shown.append(QStringList{summary, body} + actions);
        return static_cast<uint>(shown.size());
    }
};

// A session bus of the test's own: no real session's Morvi or desktop is ever reached.
class TestSessionBus : public QObject {
    Q_OBJECT
    QProcess busDaemon;
    QString busAddress;
    int connections = 0;

    QDBusConnection connectBus(bool toBus) {
        if (!toBus)
            return QDBusConnection("no bus");
        return QDBusConnection::connectToBus(busAddress, QString::number(++connections));
    }

    static QString folder(const QString& name) {
        const QString path = QDir::homePath() + "/runtime/" + name;
        QDir().mkpath(path);
        return path;
    }

    // The process that owns the name on the test's bus, 0 when none does.
    qint64 nameOwner() {
        const QDBusReply<uint> pid =
            connectBus(true).interface()->servicePid(SessionBusInstance::serviceName);
        return pid.isValid() ? pid.value() : 0;
    }

    void startMorvi(QProcess& morvi, const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
        morvi.setProcessEnvironment(environment);
        morvi.start(MORVI_EXECUTABLE, arguments);
        QVERIFY(morvi.waitForStarted());
    }

    void emitSignal(const QString& name, const QVariantList& arguments) {
        QDBusMessage signal = QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                         "org.freedesktop.Notifications", name);
        signal.setArguments(arguments);
        QVERIFY(QDBusConnection(QLatin1String("service")).send(signal));
    }

private slots:
    void initTestCase() {
        // The started Morvi's tool check then finds working tools and fetches nothing.
        FakeTools::install();
        busDaemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(busDaemon.waitForReadyRead(5000));
        busAddress = QString::fromUtf8(busDaemon.readLine()).trimmed();
    }

    void cleanupTestCase() {
        busDaemon.terminate();
        busDaemon.waitForFinished();
    }

    void laterStartHandsItsAddressesOver_data() {
        QTest::addColumn<bool>("bus");
        QTest::addColumn<QStringList>("addresses");
        QTest::addColumn<int>("starts"); // later starts at once, each with the addresses
        QTest::addColumn<bool>("crashed");
        const QStringList two{"https://a.example/1", "http://b.example/2?x=1&y=2"};
        for (const bool bus : {true, false}) {
            const char* via = bus ? "bus" : "socket";
            QTest::addRow("%s, nothing", via) << bus << QStringList() << 1 << false;
            QTest::addRow("%s, two", via) << bus << two << 1 << false;
            QTest::addRow("%s, eight starts at once", via) << bus << two.mid(1) << 8 << false;
        }
        QTest::newRow("socket left by a crash") << false << two << 1 << true;
    }

    void laterStartHandsItsAddressesOver() {
        QFETCH(bool, bus);
        QFETCH(QStringList, addresses);
        QFETCH(int, starts);
        QFETCH(bool, crashed);
        const QString shared = folder(QTest::currentDataTag());
        if (crashed)
            QVERIFY(QFile(shared + "/com.velnor.Morvi.socket").open(QIODevice::WriteOnly));
        // On the bus, the later start looks in another folder, so only the bus can lead it.
        const QString laterFolder =
            bus ? folder(QString(QTest::currentDataTag()) + " later") : shared;
        auto running = std::make_unique<SingleInstance>(connectBus(bus), shared);
        QSignalSpy opened(running.get(), &SingleInstance::openRequested);
        QVERIFY(running->claim());
        std::vector<std::unique_ptr<SingleInstance>> later;
        std::vector<QCoro::Task<bool>> forwards;
        for (int start = 0; start < starts; ++start) {
            later.push_back(std::make_unique<SingleInstance>(connectBus(bus), laterFolder));
            QVERIFY(!later.back()->claim());
            forwards.push_back(later.back()->forward(addresses));
        }
        for (QCoro::Task<bool>& forward : forwards)
            QVERIFY(QCoro::waitFor(std::move(forward)));
        QTRY_COMPARE(opened.size(), starts);
        for (const QList<QVariant>& each : std::as_const(opened))
            QCOMPARE(each.first().toStringList(), addresses);

        // Once the running one ends, the next start is the running one.
        running.reset();
        QVERIFY(SingleInstance(connectBus(bus), shared).claim());
    }

    void busCallersGetOnlyWebAddressesThrough() {
        SessionBusInstance running(connectBus(true));
        QSignalSpy opened(&running, &SessionBusInstance::openRequested);
        QVERIFY(running.claim());
        QDBusMessage open = QDBusMessage::createMethodCall(SessionBusInstance::serviceName,
                                                           SessionBusInstance::objectPath,
                                                           "org.freedesktop.Application", "Open");
        open << QStringList{"file:///etc/passwd", "https://a.example/1", "--help"} << QVariantMap();
        const QDBusPendingCall call = connectBus(true).asyncCall(open);
        QTRY_VERIFY(call.isFinished());
        QCOMPARE(call.reply().type(), QDBusMessage::ReplyMessage);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toStringList(), QStringList{"https://a.example/1"});
    }

    // Two starts at once: one stays and owns the name; the other and a later start with
    // addresses end with status 0, leaving that one alone.
    void onlyOneMorviRunsPerSession() {
        QProcess first, second;
        startMorvi(first, {});
        startMorvi(second, {});
        QTRY_VERIFY_WITH_TIMEOUT(
            first.state() == QProcess::NotRunning || second.state() == QProcess::NotRunning, 10000);
        QProcess& ended = first.state() == QProcess::NotRunning ? first : second;
        QProcess& running = &ended == &first ? second : first;
        QCOMPARE(ended.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ended.exitCode(), 0);
        QTRY_COMPARE(nameOwner(), running.processId());

        QProcess later;
        startMorvi(later, {"https://a.example/1", "https://b.example/2"});
        QVERIFY(later.waitForFinished(10000));
        QCOMPARE(later.exitStatus(), QProcess::NormalExit);
        QCOMPARE(later.exitCode(), 0);
        QCOMPARE(running.state(), QProcess::Running);
        QCOMPARE(nameOwner(), running.processId());
        running.terminate();
        QVERIFY(running.waitForFinished(5000));
    }

    // Without a bus, or before a notification service is there, a notification is dropped
    // without a warning; once the service is there, it shows and its default action raises.
    void showsAndRaisesOnActivation() {
        QTest::failOnWarning(QRegularExpression(".*"));
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"); // no session bus
        DesktopNotifier withoutBus;
        DesktopNotifier notifier(QDBusConnection::connectToBus(busAddress, "client"));
        withoutBus.notify("Cut finished", "clip_cut.mp4", [] {});
        notifier.notify("Cut finished", "clip_cut.mp4", [] {});
        // Until the call's failure has come back, and would have warned.
        QTRY_VERIFY(notifier.findChildren<QDBusPendingCallWatcher*>().isEmpty());
        NotificationService service;
        QDBusConnection serviceBus = QDBusConnection::connectToBus(busAddress, "service");
        QVERIFY(serviceBus.registerObject("/org/freedesktop/Notifications", &service,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(serviceBus.registerService("org.freedesktop.Notifications"));
        QStringList activated;
        notifier.notify("Cut finished", "clip_cut.mp4", [&] { activated << "first"; });
        notifier.notify("Cut failed", "clip.mp4", [&] { activated << "second"; });
        QVERIFY(QTest::qWaitFor([&] { return service.shown.size() == 2; }));
        QCOMPARE(service.shown[0].mid(0, 2), (QStringList{"Cut finished", "clip_cut.mp4"}));
        QVERIFY(service.shown[0].mid(2).contains("default"));

        // Other actions and closed notifications raise nothing; signals arrive in order.
        emitSignal("ActionInvoked", {2u, "other"});
        emitSignal("NotificationClosed", {2u, 2u});
        emitSignal("ActionInvoked", {2u, "default"});
        emitSignal("ActionInvoked", {1u, "default"});
        QVERIFY(QTest::qWaitFor([&] { return !activated.isEmpty(); }));
        QCOMPARE(activated, QStringList{"first"});
    }
};

MORVI_TEST_MAIN(TestSessionBus)
#include "tst_sessionbus.moc"
