// Reconnection after the tester restarts its link: RemoteControl::reconnect
// and loadDefaultConfig against a tester that comes back and one that stays
// away. These wait in real time (the tester is away for about 3 s; giving up
// takes 5 s).

#include "remoterig.h"

#include <QSignalSpy>
#include <QtTest>

#include <chrono>
#include <thread>

namespace {

constexpr int AwayMs = 3000;

// Brings the tester back AwayMs after it logged `requests` requests.
class ComeBackLater
{
public:
    ComeBackLater(SimTester &sim, int requests)
        : m_thread([&sim, requests] {
            sim.waitForRequests(requests, 10000);
            std::this_thread::sleep_for(std::chrono::milliseconds(AwayMs));
            sim.comeBack();
        })
    {
    }
    ~ComeBackLater() { m_thread.join(); }

private:
    std::thread m_thread;
};

// The tester restarts on the request: it takes its port away once it has
// the request. Called on disconnected(), which reconnect emits before its
// first attempt, so the client cannot slip in before the tester is gone.
void restartOnRequest(SimTester &sim)
{
    sim.waitForRequests(1, 5000);
    sim.goAway();
}

} // namespace

class TestRemoteReconnect : public QObject
{
    Q_OBJECT

private slots:
    void reconnectWhenTesterComesBack();
    void reconnectGivesUpWhenTesterStaysAway();
    void defaultConfigReconnectsAtOnce();
    void defaultConfigWaitsForRestartedTester();
    void defaultConfigFailsWhenTesterStaysAway();
};

void TestRemoteReconnect::reconnectWhenTesterComesBack()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    rig.sim.goAway();
    {
        ComeBackLater later(rig.sim, 0);
        QVERIFY(rig.rc.reconnect(RemoteControl::DefaultConfigReconnectMs + 5000));
    }
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::TcpIpConnection);
    get_device_info_resp_t info{};
    QVERIFY(rig.rc.getDeviceInfo(info));
}

void TestRemoteReconnect::reconnectGivesUpWhenTesterStaysAway()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    rig.sim.goAway();
    QVERIFY(!rig.rc.reconnect(RemoteControl::DefaultConfigReconnectMs));
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::NoConnection);
}

void TestRemoteReconnect::defaultConfigReconnectsAtOnce()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    QVERIFY(rig.rc.loadDefaultConfig());
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::TcpIpConnection);
    get_device_info_resp_t info{};
    QVERIFY(rig.rc.getDeviceInfo(info));
    QCOMPARE(rig.requests().first(), hexBytes("17"));
    rig.with([](SimRemoteResponder &r) { QCOMPARE(r.defaultConfigLoads, 1); });
}

void TestRemoteReconnect::defaultConfigWaitsForRestartedTester()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    connect(&rig.rc, &RemoteControl::disconnected, this, [&rig] { restartOnRequest(rig.sim); });
    {
        ComeBackLater later(rig.sim, 1);
        QVERIFY(rig.rc.loadDefaultConfig());
    }
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::TcpIpConnection);
    get_device_info_resp_t info{};
    QVERIFY(rig.rc.getDeviceInfo(info));
    QCOMPARE(rig.requests(), QList<QByteArray>({hexBytes("17"), hexBytes("0F")}));
}

void TestRemoteReconnect::defaultConfigFailsWhenTesterStaysAway()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    connect(&rig.rc, &RemoteControl::disconnected, this, [&rig] { restartOnRequest(rig.sim); });
    QVERIFY(!rig.rc.loadDefaultConfig());
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::NoConnection);
    QCOMPARE(rig.requests(), QList<QByteArray>({hexBytes("17")}));
}

QTEST_GUILESS_MAIN(TestRemoteReconnect)
#include "tst_remotereconnect.moc"
