// TestInfo and InterfaceInfo: the life cycle of their buffers against the
// simulated tester (one thread; the worker-thread handover is covered by
// tst_devicestress).

#include "devicerig.h"

#include <QSignalSpy>
#include <QtTest>

#include <cstring>

namespace {

struct Link
{
    Link()
        : sim(new SimRemoteResponder(0))
    {
        port = sim.listenTcp();
        connected = remote.connectByTcpIp(QStringLiteral("127.0.0.1:%1").arg(port));
    }
    QStringList sent(int from = 0) const { return describeAll(sim.requests().mid(from)); }
    template <class F>
    void tester(F f) { sim.with<SimRemoteResponder>(f); }

    SimTester sim;
    quint16 port = 0;
    RemoteControl remote;
    bool connected = false;
};

QByteArray pattern(port_t port, int id, bool results)
{
    const int size = results ? testResultsSize(id) : testSettingsSize(id);
    return SimRemoteResponder::patternBlock(port, quint8(id), size, results);
}

} // namespace

class TestTestInfo : public QObject
{
    Q_OBJECT

private slots:
    void receiveResults_data();
    void receiveResults();
    void invalidResultsDropTheRecord();
    void resultsParameterIsSent();
    void failedReadsLeaveNothing();
    void shortSettingsReplyKeepsTheTail();
    void sendSettings_data();
    void sendSettings();
    void portsOtherThanAAndBAreRefused();
    void loadDefaultsAndClear();
    void interfaceRecord();
};

void TestTestInfo::receiveResults_data()
{
    QTest::addColumn<int>("testId");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<int>("settingsSignals");
    QTest::addColumn<int>("resultsSignals");
    QTest::newRow("traffic: settings first") << int(TestTraffic)
                                             << QStringList{"11:p1:id2", "13:p1:t2"} << 1 << 1;
    QTest::newRow("cable: no settings record") << int(TestCable) << QStringList{"13:p1:t12"} << 0 << 1;
    QTest::newRow("optical: no settings record") << int(TestOptical) << QStringList{"13:p1:t13"} << 0
                                                 << 1;
    QTest::newRow("loopback: no results record") << int(TestLoopback) << QStringList{"11:p1:id21"} << 1
                                                 << 0;
    QTest::newRow("synchronisation: largest record") << int(TestSync)
                                                     << QStringList{"11:p1:id17", "13:p1:t17"} << 1 << 1;
}

void TestTestInfo::receiveResults()
{
    QFETCH(int, testId);
    QFETCH(QStringList, requests);
    QFETCH(int, settingsSignals);
    QFETCH(int, resultsSignals);

    Link link;
    QVERIFY(link.connected);
    TestInfo info(&link.remote, testSettingsSize(testId), testResultsSize(testId), testId);
    QSignalSpy settingsSpy(&info, &TestInfo::settingsReceived);
    QSignalSpy resultsSpy(&info, &TestInfo::resultsReceived);

    QVERIFY(!info.getSettings(PortB));
    QVERIFY(!info.getResults(PortB));
    info.receiveResults(PortB);
    QCOMPARE(link.sent(), requests);
    QCOMPARE(settingsSpy.count(), settingsSignals);
    QCOMPARE(resultsSpy.count(), resultsSignals);
    QCOMPARE(bool(info.getSettings(PortB)), testSettingsSize(testId) > 0);
    QCOMPARE(bool(info.getResults(PortB)), testResultsSize(testId) > 0);
    if (testSettingsSize(testId))
        QCOMPARE(*info.getSettings(PortB), pattern(PortB, testId, false));
    if (testResultsSize(testId))
        QCOMPARE(*info.getResults(PortB), pattern(PortB, testId, true));
    QVERIFY(!info.getSettings(PortA));
    QVERIFY(!info.getResults(PortA));

    // Settings on hand: the next read asks for the results only.
    link.sim.clearRequests();
    info.receiveResults(PortB);
    const QStringList again = requests.filter(QStringLiteral("13:"));
    QCOMPARE(link.sent(), again);

    // A test without settings ignores a settings request entirely.
    if (testSettingsSize(testId) == 0) {
        link.sim.clearRequests();
        info.receiveSettings(PortA);
        QCOMPARE(link.sent(), QStringList());
        QCOMPARE(settingsSpy.count(), 0);
    }
}

void TestTestInfo::invalidResultsDropTheRecord()
{
    Link link;
    QVERIFY(link.connected);
    TestInfo info(&link.remote, testSettingsSize(TestJitter), testResultsSize(TestJitter), TestJitter);
    QSignalSpy resultsSpy(&info, &TestInfo::resultsReceived);
    info.receiveResults(PortA);
    QVERIFY(info.getResults(PortA));
    link.tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
    info.receiveResults(PortA);
    QCOMPARE(resultsSpy.count(), 2);
    QVERIFY(!info.getResults(PortA));
    QVERIFY(info.getSettings(PortA));
    // Valid again: a fresh record, whole.
    link.tester([](SimRemoteResponder &r) { r.resultsValid = 1; });
    info.receiveResults(PortA);
    QCOMPARE(*info.getResults(PortA), pattern(PortA, TestJitter, true));
}

void TestTestInfo::resultsParameterIsSent()
{
    Link link;
    QVERIFY(link.connected);
    TestInfo info(&link.remote, testSettingsSize(TestTraceRoute), testResultsSize(TestTraceRoute),
                  TestTraceRoute);
    QCOMPARE(info.getResultsParam(), 0);
    info.setResultsParam(3);
    QCOMPARE(info.getResultsParam(), 3);
    info.receiveResults(PortA);
    const QByteArray request = link.sim.requests().last();
    QCOMPARE(describe(request), QStringLiteral("13:p0:t9"));
    QCOMPARE(request.size(), 10);
    QCOMPARE(u32At(request, 6), 3u);
}

void TestTestInfo::failedReadsLeaveNothing()
{
    Link link;
    QVERIFY(link.connected);
    TestInfo info(&link.remote, testSettingsSize(TestBert), testResultsSize(TestBert), TestBert);
    QSignalSpy settingsSpy(&info, &TestInfo::settingsReceived);
    QSignalSpy resultsSpy(&info, &TestInfo::resultsReceived);
    QSignalSpy lost(&link.remote, &RemoteControl::disconnected);
    info.receiveResults(PortA);
    QVERIFY(info.getSettings(PortA) && info.getResults(PortA));

    link.sim.dropAfter(0);
    info.receiveSettings(PortA);   // fails: the link is gone
    QCOMPARE(settingsSpy.count(), 2);
    QVERIFY(!info.getSettings(PortA));
    QVERIFY(lost.count() >= 1);
    info.receiveResults(PortA);    // fails at once on the closed link
    QCOMPARE(resultsSpy.count(), 2);
    QVERIFY(!info.getResults(PortA));
    QVERIFY(!info.getSettings(PortA));
}

void TestTestInfo::shortSettingsReplyKeepsTheTail()
{
    Link link;
    QVERIFY(link.connected);
    TestInfo info(&link.remote, testSettingsSize(TestTraffic), testResultsSize(TestTraffic), TestTraffic);
    // First read short: the front as sent, the rest zero.
    link.tester([](SimRemoteResponder &r) { r.replyOverride[0x11] = QByteArray(10, '\x55'); });
    info.receiveSettings(PortA);
    QByteArray expected = QByteArray(10, '\x55') + QByteArray(38, '\0');
    QCOMPARE(*info.getSettings(PortA), expected);
    // Whole, then short again: the tail of the cached record stays.
    link.tester([](SimRemoteResponder &r) { r.replyOverride.remove(0x11); });
    info.receiveSettings(PortA);
    link.tester([](SimRemoteResponder &r) { r.replyOverride[0x11] = QByteArray(4, '\x66'); });
    info.receiveSettings(PortA);
    expected = pattern(PortA, TestTraffic, false);
    expected.replace(0, 4, QByteArray(4, '\x66'));
    QCOMPARE(*info.getSettings(PortA), expected);
}

void TestTestInfo::sendSettings_data()
{
    QTest::addColumn<bool>("readFirst");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("sent");
    QTest::newRow("read, right size") << true << 48 << true;
    QTest::newRow("never read") << false << 48 << false;
    QTest::newRow("too short") << true << 47 << false;
    QTest::newRow("too long") << true << 49 << false;
    QTest::newRow("empty") << true << 0 << false;
}

void TestTestInfo::sendSettings()
{
    QFETCH(bool, readFirst);
    QFETCH(int, size);
    QFETCH(bool, sent);
    Link link;
    QVERIFY(link.connected);
    TestInfo info(&link.remote, testSettingsSize(TestTraffic), testResultsSize(TestTraffic), TestTraffic);
    if (readFirst)
        info.receiveSettings(PortB);
    const auto before = info.getSettings(PortB);
    link.sim.clearRequests();
    const QByteArray edited(size, '\x42');
    info.sendSettings(PortB, edited);
    if (sent) {
        QCOMPARE(link.sent(), QStringList{"12:p1:id2"});
        QCOMPARE(link.sim.requests().first().mid(6), edited);
        QCOMPARE(*info.getSettings(PortB), edited);
        link.tester([&](SimRemoteResponder &r) { QCOMPARE(r.settingsBlock(PortB, TestTraffic), edited); });
    } else {
        QCOMPARE(link.sent(), QStringList());
        QCOMPARE(info.getSettings(PortB), before);
    }
}

void TestTestInfo::portsOtherThanAAndBAreRefused()
{
    Link link;
    QVERIFY(link.connected);
    TestInfo info(&link.remote, testSettingsSize(TestTraffic), testResultsSize(TestTraffic), TestTraffic);
    QSignalSpy settingsSpy(&info, &TestInfo::settingsReceived);
    QSignalSpy resultsSpy(&info, &TestInfo::resultsReceived);
    for (port_t port : {2u, 3u, 0xFFFFFFFFu}) {
        info.receiveSettings(port);
        info.receiveResults(port);
        info.sendSettings(port, QByteArray(48, '\0'));
        info.loadDefaultSettings(port);
        QVERIFY(!info.getSettings(port));
        QVERIFY(!info.getResults(port));
        QVERIFY(!info.getSettingsAs<get_device_info_resp_t>(port));
    }
    QCOMPARE(link.sent(), QStringList());
    QCOMPARE(settingsSpy.count(), 0);
    QCOMPARE(resultsSpy.count(), 0);
}

void TestTestInfo::loadDefaultsAndClear()
{
    Link link;
    QVERIFY(link.connected);
    TestInfo info(&link.remote, testSettingsSize(TestMdi), testResultsSize(TestMdi), TestMdi);
    QSignalSpy settingsSpy(&info, &TestInfo::settingsReceived);
    info.receiveResults(PortA);
    info.receiveResults(PortB);
    link.sim.clearRequests();
    info.loadDefaultSettings(PortA);
    QCOMPARE(link.sent(), (QStringList{"14:p0:id15", "11:p0:id15"}));
    QCOMPARE(settingsSpy.count(), 3);
    QCOMPARE(*info.getSettings(PortA), QByteArray(44, '\0'));
    QCOMPARE(*info.getSettings(PortB), pattern(PortB, TestMdi, false));

    info.clear();
    for (port_t p : {PortA, PortB})
        QVERIFY(!info.getSettings(p) && !info.getResults(p));
}

void TestTestInfo::interfaceRecord()
{
    Link link;
    QVERIFY(link.connected);
    InterfaceInfo rc(&link.remote, PortRC);
    QSignalSpy spy(&rc, &InterfaceInfo::settingsReceived);
    QVERIFY(!rc.getSettings());

    eth_settings_t edited{};
    edited.dhcp = 1;
    edited.ip = 0x0A000001;
    rc.sendSettings(edited);   // nothing read yet: nothing to send
    QCOMPARE(link.sent(), QStringList());

    rc.receiveSettings();
    QCOMPARE(link.sent(), QStringList{"11:p2:id20"});
    QCOMPARE(spy.count(), 1);
    const auto read = rc.getSettings();
    QVERIFY(read);
    const QByteArray expected = SimRemoteResponder::patternBlock(PortRC, TestInterfaceSettings, 76, false);
    QVERIFY(std::memcmp(&*read, expected.constData(), 76) == 0);

    link.sim.clearRequests();
    rc.sendSettings(edited);
    QCOMPARE(link.sent(), QStringList{"12:p2:id20"});
    QCOMPARE(rc.getSettings()->ip, 0x0A000001u);

    link.sim.dropAfter(0);
    rc.receiveSettings();
    QCOMPARE(spy.count(), 2);
    QVERIFY(!rc.getSettings());

    rc.clear();
    QVERIFY(!rc.getSettings());
}

QTEST_GUILESS_MAIN(TestTestInfo)
#include "tst_testinfo.moc"
