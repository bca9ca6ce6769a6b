// A reset or a default-configuration load makes the tester restart: Device
// reconnects every 500 ms for up to 5000 ms. The tester restarts behind a
// relay that stops taking connections the moment the command has gone out.

#include "devicerig.h"

#include <QElapsedTimer>
#include <QtTest>

class TestDeviceReconnect : public QObject
{
    Q_OBJECT

private slots:
    void reconnect_data();
    void reconnect();
};

void TestDeviceReconnect::reconnect_data()
{
    QTest::addColumn<bool>("defaultConfig");   // else resetAndConnect
    QTest::addColumn<bool>("comesBack");
    QTest::addColumn<QString>("command");
    QTest::newRow("reset, back after 3 s") << false << true << "80";
    QTest::newRow("reset, stays away") << false << false << "80";
    QTest::newRow("default config, back after 3 s") << true << true << "17";
    QTest::newRow("default config, stays away") << true << false << "17";
}

void TestDeviceReconnect::reconnect()
{
    QFETCH(bool, defaultConfig);
    QFETCH(bool, comesBack);
    QFETCH(QString, command);

    DeviceRig rig(0);
    TcpRelay relay(rig.tcpPort);
    QVERIFY(relay.listen());
    QVERIFY(rig.connectDevice(relay.address()));
    QCOMPARE(describeAll(rig.sim.requests()).count("11:p0:id0"), 1);

    // The link in use keeps working; new connections are refused.
    relay.stopListening();
    QElapsedTimer clock;
    clock.start();
    rig.inWorker([&] {
        if (defaultConfig)
            rig.device->loadDefaultConfig();
        else
            rig.device->resetAndConnect();
    });
    QVERIFY(QTest::qWaitFor([&] { return rig.log.count("disconnected") == 1; }, EventuallyMs));
    // The relay hands the command on when this thread gets to it.
    QVERIFY(QTest::qWaitFor([&] { return describeAll(rig.sim.requests()).contains(command); },
                            EventuallyMs));
    const int restartAt = rig.sim.requests().size();
    if (!defaultConfig)
        QCOMPARE(rig.sim.requests().last(), QByteArray::fromHex("8000"));

    if (comesBack) {
        QTest::qWait(int(qMax<qint64>(0, 3000 - clock.elapsed())));
        QCOMPARE(rig.log.count("connected"), 1);   // not while it is away
        QVERIFY(relay.listenAgain());
        QVERIFY(QTest::qWaitFor([&] { return rig.log.count("connected") == 2; }, EventuallyMs));
        QVERIFY(rig.drain());
        QCOMPARE(rig.log.count("disconnected"), 1);
        // The restart was asked for: no failure to tell.
        QCOMPARE(rig.log.count("linkFailed"), 0);
        QCOMPARE(rig.device->getConnectionType(), RemoteControl::TcpIpConnection);
        const QStringList after = describeAll(rig.sim.requests().mid(restartAt));
        QCOMPARE(after.mid(0, 5), (QStringList{"0F", "00", "11:p0:id20", "11:p1:id20", "11:p2:id20"}));
        // The device settings were read for this connection already.
        QCOMPARE(after.count("11:p0:id0"), 0);
        QVERIFY(rig.device->getInterfaceInfo(PortA)->getSettings());
        // Polling goes on.
        QVERIFY(rig.waitForPolls(1));
    } else {
        // Gives up once 5000 ms have passed; a failed default load says so.
        QVERIFY(QTest::qWaitFor([&] { return rig.log.count("disconnected") == (defaultConfig ? 2 : 1)
                                             && clock.elapsed() >= 5000; },
                                EventuallyMs));
        QVERIFY(rig.drain());
        QVERIFY(clock.elapsed() >= 5000);
        QCOMPARE(rig.log.count("disconnected"), defaultConfig ? 2 : 1);
        QCOMPARE(rig.log.count("connected"), 1);
        // A tester that does not come back is lost, and told once.
        QCOMPARE(rig.log.count("linkFailed"), 1);
        const LinkFailure failure = rig.log.lastArgs("linkFailed").value(0).value<LinkFailure>();
        QCOMPARE(int(failure.kind), int(LinkFailure::Lost));
        QCOMPARE(failure.target, relay.address());
        QCOMPARE(rig.device->getConnectionType(), RemoteControl::NoConnection);
        QCOMPARE(rig.sim.requests().size(), restartAt);
        QVERIFY(!rig.device->getInterfaceInfo(PortA)->getSettings());
    }
}

QTEST_GUILESS_MAIN(TestDeviceReconnect)
#include "tst_devicereconnect.moc"
