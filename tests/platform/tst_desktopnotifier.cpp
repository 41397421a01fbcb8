#include "TestHome.h"
#include "core/platform/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>

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

class TestDesktopNotifier : public QObject {
    Q_OBJECT
    QProcess daemon;
    QString address;

    void emitSignal(const QString& name, const QVariantList& arguments) {
        QDBusMessage signal = QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                         "org.freedesktop.Notifications", name);
        signal.setArguments(arguments);
        QVERIFY(QDBusConnection(QLatin1String("service")).send(signal));
    }

private slots:
    void initTestCase() {
        daemon.start("dbus-daemon", {"--session", "--print-address", "--nofork"});
        QVERIFY2(daemon.waitForReadyRead(10000), "dbus-daemon did not start");
        address = QString::fromUtf8(daemon.readLine()).trimmed();
    }

    void cleanupTestCase() {
        daemon.terminate();
        QVERIFY(daemon.waitForFinished());
    }

    void withoutServiceOrBusNothingHappens() {
        QTest::failOnWarning(QRegularExpression(".*"));
        // The session bus the notifier looks for is not there.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        DesktopNotifier withoutBus;
        DesktopNotifier withoutService(QDBusConnection::connectToBus(address, "client"));
        withoutBus.notify("Cut finished", "clip_cut.mp4", [] {});
        withoutService.notify("Cut finished", "clip_cut.mp4", [] {});
        QTest::qWait(200); // long enough for the calls to fail, and warn if they would
    }

    void showsAndRaisesOnActivation() {
        NotificationService service;
        QDBusConnection serviceBus = QDBusConnection::connectToBus(address, "service");
        QVERIFY(serviceBus.registerObject("/org/freedesktop/Notifications", &service,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(serviceBus.registerService("org.freedesktop.Notifications"));
        DesktopNotifier notifier(QDBusConnection::connectToBus(address, "client"));
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

MORVI_TEST_MAIN(TestDesktopNotifier)
#include "tst_desktopnotifier.moc"
