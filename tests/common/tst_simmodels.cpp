// The simulated tester's test models: every registered default record has
// its test's size, and a started traffic or RFC 2544 test runs, reports and
// ends by itself, as a tester does. Driven through the responder directly.

#include "simrequest.h"
#include "rfcrecords.h"
#include "trafficrecords.h"

#include <QSet>
#include <QtTest>

namespace {

traffic_results_t trafficResults(SimRemoteResponder &r, quint32 port)
{
    return readResults<traffic_results_t>(r, port, TestTraffic);
}

rfc_results_t rfcResults(SimRemoteResponder &r, quint32 port)
{
    return readResults<rfc_results_t>(r, port, TestRfc2544);
}

// The model's own RFC 2544 record with only the given frame-size rows and
// the throughput and back-to-back sub-tests on, written back to the tester.
void storeRfcSettings(SimRemoteResponder &r, std::initializer_list<int> rows)
{
    rfc_settings_t s = readSettings<rfc_settings_t>(r, 0, TestRfc2544);
    for (rfc_frame_size_t &row : s.frame)
        row.enabled = 0;
    for (int i : rows)
        s.frame[i].enabled = 1;
    s.latencyOn = 0;
    s.frameLossOn = 0;
    writeSettings(r, 0, TestRfc2544, s);
}

} // namespace

class TestSimModels : public QObject
{
    Q_OBJECT

private slots:
    void defaultsHaveTheRecordSizes()
    {
        for (int id = 0; id < TestIdCount; ++id) {
            const SimTestModel &m = simTestModel(quint8(id));
            if (!m.defaultSettings)
                continue;
            for (quint32 port = 0; port < 2; ++port)
                QCOMPARE(m.defaultSettings(port).size(), testSettingsSize(unsigned(id)));
        }
    }

    void patternsUnlessRealistic()
    {
        SimRemoteResponder plain(0);
        SimRemoteResponder real(0);
        real.realistic = true;
        QCOMPARE(answer(plain, settingsRequest(0, TestTraffic)),
                 SimRemoteResponder::patternBlock(0, TestTraffic, 48, false));
        QCOMPARE(int(readSettings<traffic_settings_t>(real, 0, TestTraffic).packetLength), 1518);
    }

    // Each port index holds interface settings of its own, which a write
    // replaces as it came.
    void interfaceSettingsPerPort()
    {
        SimRemoteResponder r(0);
        r.realistic = true;
        QSet<quint32> addresses;
        for (quint32 port : {0u, 1u, 2u}) {
            const QByteArray block = answer(r, settingsRequest(port, TestInterfaceSettings));
            QCOMPARE(block.size(), 76);
            eth_settings_t s = simRecordOf<eth_settings_t>(block);
            QCOMPARE(int(s.dhcp), 0);
            QCOMPARE(int(s.linkModes), 0x3F);
            QCOMPARE(s.mask, 0xFFFFFF00u);
            QCOMPARE(int(s.vlanCount), 0);
            QCOMPARE(int(s.mplsCount), 0);
            QCOMPARE(int(s.tpid[0]), 0x8100);
            addresses.insert(s.ip);

            s.vlanCount = 2;
            s.reserved1[0] = 0x5A;
            writeSettings(r, port, TestInterfaceSettings, s);
            QCOMPARE(answer(r, settingsRequest(port, TestInterfaceSettings)), simBytesOf(s));
        }
        QCOMPARE(addresses.size(), 3);
        QVERIFY(addresses.contains(0xC0A80001u));   // Port A, where the traffic defaults of Port B aim
    }

    void trafficRunsAndEnds()
    {
        SimRemoteResponder r(0);
        r.realistic = true;
        traffic_settings_t s = readSettings<traffic_settings_t>(r, 0, TestTraffic);
        s.duration = 1;
        writeSettings(r, 0, TestTraffic, s);
        QCOMPARE(int(trafficResults(r, 0).status), int(StatusWait));
        startTest(r, 0, TestTraffic);
        QVERIFY(r.status.process[0].tx & (1u << TestTraffic));
        QCOMPARE(int(trafficResults(r, 0).status), int(StatusRunning));
        QTest::qWait(1100);
        const traffic_results_t done = trafficResults(r, 0);
        QCOMPARE(int(done.status), int(StatusOk));
        QVERIFY(done.txFrames > 0);
        QVERIFY(done.rxFrames <= done.txFrames);
        QVERIFY(!(r.status.process[0].tx & (1u << TestTraffic)));
    }

    // The sub-tests run one frame size after the other and the test ends
    // by itself; rows and sub-tests that are off say so.
    void rfcRunsRowByRowAndEnds()
    {
        SimRemoteResponder r(0);
        r.realistic = true;
        storeRfcSettings(r, {0, 6});
        const rfc_results_t before = rfcResults(r, 0);
        QCOMPARE(int(before.throughput[0].status), int(StatusWait));
        QCOMPARE(int(before.throughput[1].status), int(StatusOff));
        QCOMPARE(int(before.frameLength[6].length), 1518);
        QCOMPARE(int(before.frameLength[1].length), 0);

        startTest(r, 0, TestRfc2544);
        const rfc_results_t first = rfcResults(r, 0);
        QCOMPARE(int(first.throughput[0].status), int(StatusRunning));
        QCOMPARE(int(first.throughput[6].status), int(StatusWait));
        QCOMPARE(int(first.latency[0].status), int(StatusOff));
        QVERIFY(first.throughput[0].load > 99 && first.throughput[0].load <= 100);

        // The tester notices the end when it is asked for results.
        QVERIFY(QTest::qWaitFor([&] {
            rfcResults(r, 0);
            return !(r.status.process[0].tx & (1u << TestRfc2544));
        }, 10000));
        const rfc_results_t done = rfcResults(r, 0);
        for (int i : {0, 6}) {
            QCOMPARE(int(done.throughput[i].status), int(StatusOk));
            QCOMPARE(int(done.backToBack[i].status), int(StatusOk));
        }
        QCOMPARE(int(done.backToBack[6].time), 2);
        QVERIFY(done.backToBack[6].quantity > 0);
        QVERIFY(done.throughput[6].throughputL2 < done.throughput[6].throughputL1);
    }

    void rfcStoppedTrialShowsStop()
    {
        SimRemoteResponder r(0);
        r.realistic = true;
        storeRfcSettings(r, {0, 1, 2, 3});
        startTest(r, 0, TestRfc2544);
        QCOMPARE(int(rfcResults(r, 0).throughput[0].status), int(StatusRunning));
        stopTest(r, 0, TestRfc2544);
        QTest::qWait(500);
        const rfc_results_t stopped = rfcResults(r, 0);
        QCOMPARE(int(stopped.throughput[0].status), int(StatusStop));
        QCOMPARE(int(stopped.throughput[1].status), int(StatusWait));
    }
};

QTEST_MAIN(TestSimModels)
#include "tst_simmodels.moc"
