// How a link ends, as Device tells it: a tester lost while connected and a
// connect that fails are failures (linkFailed after disconnected, once per
// ending, with the address, the time and the last status polled); the
// operator's Disconnect is not.

#include "devicerig.h"
#include "../streams/closedport.h"

#include <QDateTime>
#include <QtTest>

namespace {

constexpr int None = -1;

} // namespace

class TestDeviceLinkFailure : public QObject
{
    Q_OBJECT

private slots:
    void howTheLinkEnds_data();
    void howTheLinkEnds();
    void oneLossIsToldOnce();
};

void TestDeviceLinkFailure::howTheLinkEnds_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<int>("kind");          // LinkFailure::Kind, or None
    QTest::addColumn<bool>("connects");     // the link came up before it ended

    QTest::newRow("tester goes away") << "goAway" << int(LinkFailure::Lost) << true;
    QTest::newRow("tester closes the link") << "drop" << int(LinkFailure::Lost) << true;
    QTest::newRow("tester falls silent") << "silent" << int(LinkFailure::Lost) << true;
    QTest::newRow("operator disconnects") << "disconnect" << None << true;
    QTest::newRow("connect, nothing listens") << "closedPort" << int(LinkFailure::NotOpened) << false;
    QTest::newRow("connect, no answer") << "silentConnect" << int(LinkFailure::NoAnswer) << false;
    // Refused before any socket opens: the tester listening on this PC
    // hears nothing, though "abc" taken as 0.0.0.0 would reach it, and a
    // port past 65535 would wrap round to its port.
    QTest::newRow("connect, letters for an address") << "letters" << int(LinkFailure::BadAddress) << false;
    QTest::newRow("connect, port past 65535") << "wrappingPort" << int(LinkFailure::BadAddress) << false;
}

void TestDeviceLinkFailure::howTheLinkEnds()
{
    QFETCH(QString, ending);
    QFETCH(int, kind);
    QFETCH(bool, connects);

    DeviceRig rig(8);   // two ports
    QString target = rig.address();
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    if (connects) {
        // Traffic from Port A to Port B, seen by the polls before the end.
        rig.tester([](SimRemoteResponder &r) {
            r.status.process[PortA].tx = 1u << TestTraffic;
            r.status.process[PortB].rx = 1u << TestTraffic;
        });
        QVERIFY(rig.connectDevice());
        QVERIFY(rig.waitForPolls(1));
        QVERIFY(rig.drain());
        if (ending == QLatin1String("goAway"))
            rig.sim.goAway();
        else if (ending == QLatin1String("drop"))
            rig.sim.dropAfter(0);
        else if (ending == QLatin1String("silent"))
            rig.sim.setSilent(true);
        else
            rig.inWorker([&] { rig.device->disconnect(); });
    } else {
        if (ending == QLatin1String("closedPort"))
            target = QStringLiteral("127.0.0.1:%1").arg(closedTcpPort());
        else if (ending == QLatin1String("letters"))
            target = QStringLiteral("abc:%1").arg(rig.sim.tcpPort());
        else if (ending == QLatin1String("wrappingPort"))
            target = QStringLiteral("127.0.0.1:%1").arg(int(rig.sim.tcpPort()) + 65536);
        else
            rig.sim.setSilent(true);
        rig.inWorker([&] { rig.device->connectByTcpIp(target); });
    }
    QVERIFY(QTest::qWaitFor([&] { return rig.log.count("disconnected") > 0; }, EventuallyMs));
    QVERIFY(rig.drain());

    QCOMPARE(rig.log.count("connected"), connects ? 1 : 0);
    QCOMPARE(rig.log.count("disconnected"), 1);
    if (kind == None) {
        QCOMPARE(rig.log.count("linkFailed"), 0);
        return;
    }
    QCOMPARE(rig.log.count("linkFailed"), 1);
    // Told after the window has returned to its unconnected state.
    QCOMPARE(rig.log.entries.last().name, QString("linkFailed"));
    const LinkFailure failure = rig.log.lastArgs("linkFailed").value(0).value<LinkFailure>();
    QCOMPARE(int(failure.kind), kind);
    QCOMPARE(failure.target, target);
    QCOMPARE(failure.connectionType, int(RemoteControl::TcpIpConnection));
    QVERIFY(failure.at >= before);
    QVERIFY(failure.at <= QDateTime::currentDateTime());
    QCOMPARE(failure.statusKnown, connects);
    QCOMPARE(failure.addressFault == TCPStream::TargetFault::None, kind != LinkFailure::BadAddress);
    if (kind == LinkFailure::BadAddress) {
        QCOMPARE(rig.sim.tcpClients(), 0);
        QVERIFY(rig.sim.requests().isEmpty());
    }
    if (connects) {
        QCOMPARE(failure.ports, 2);
        QCOMPARE(failure.lastStatus.process[PortA].tx, 1u << TestTraffic);
        QCOMPARE(failure.lastStatus.process[PortB].rx, 1u << TestTraffic);
    }
}

// Requests that meet the closed link report the loss again (disconnected);
// the failure was told with the first report. A new link that is lost is
// told again.
void TestDeviceLinkFailure::oneLossIsToldOnce()
{
    DeviceRig rig(0);
    QVERIFY(rig.connectDevice());
    rig.sim.goAway();
    QVERIFY(QTest::qWaitFor([&] { return rig.log.count("linkFailed") == 1; }, EventuallyMs));
    rig.inWorker([&] {
        rig.device->stopTest(TestTraffic);
        rig.device->resetStatistics();
    });
    QVERIFY(rig.drain());
    QVERIFY(rig.log.count("disconnected") >= 2);
    QCOMPARE(rig.log.count("linkFailed"), 1);

    rig.sim.comeBack();
    QVERIFY(rig.connectDevice(QStringLiteral("127.0.0.1:%1").arg(rig.sim.tcpPort())));
    rig.sim.goAway();
    QVERIFY(QTest::qWaitFor([&] { return rig.log.count("linkFailed") == 2; }, EventuallyMs));
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("linkFailed"), 2);
}

QTEST_GUILESS_MAIN(TestDeviceLinkFailure)
#include "tst_devicelinkfailure.moc"
