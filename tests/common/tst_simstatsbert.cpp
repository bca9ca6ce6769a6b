// The simulated tester's port statistics, BERT and pass-through: counters
// that count what the tests send and receive (and nothing while none runs)
// and restart on a reset, a BERT run that ends by itself, and pass-through
// in the process word. Driven through the responder directly.

#include "asymrecords.h"
#include "bertrecords.h"
#include "jitterrecords.h"
#include "mdirecords.h"
#include "multirecords.h"
#include "simrequest.h"
#include "statsrecords.h"
#include "trafficrecords.h"

#include <QMap>
#include <QtTest>

#include <array>
#include <cstddef>
#include <functional>

namespace {

// Frames by length that a port sent (tx) and received (rx).
struct PortFrames
{
    QMap<quint32, quint64> tx;
    QMap<quint32, quint64> rx;
    quint64 total(bool sent) const
    {
        quint64 n = 0;
        for (quint64 v : sent ? tx : rx)
            n += v;
        return n;
    }
};
using PortsFrames = std::array<PortFrames, 2>;

// What a test's own results say it sent from its port and what arrived at
// the receiving port, once it has ended.
using Counted = std::function<PortsFrames(SimRemoteResponder &r, quint32 port, quint32 receiver)>;

get_device_status_resp_t status(SimRemoteResponder &r)
{
    return simRecordOf<get_device_status_resp_t>(answer(r, QByteArray(1, '\0')));
}

int sizeBin(quint32 length)
{
    const quint32 upper[] = {63, 64, 127, 255, 511, 1023, 1518};
    for (int i = 0; i < 7; ++i) {
        if (length <= upper[i])
            return i;
    }
    return 7;
}

// One direction's counters hold exactly these frames, all unicast.
void expectCounters(const stats_counters_t &c, const QMap<quint32, quint64> &frames, const QString &what)
{
    quint64 total = 0, bytes = 0;
    quint64 bins[StatsFrameSizeBins] = {};
    for (auto it = frames.cbegin(); it != frames.cend(); ++it) {
        total += it.value();
        bytes += it.value() * it.key();
        bins[sizeBin(it.key())] += it.value();
    }
    QVERIFY2(c.frames == total, qPrintable(QStringLiteral("%1: %2 frames, expected %3").arg(what).arg(c.frames).arg(total)));
    QCOMPARE(c.unicast, total);
    QCOMPARE(c.broadcast + c.multicast + c.crcErrors, 0u);
    QCOMPARE(c.bytes, bytes);
    for (int i = 0; i < StatsFrameSizeBins; ++i)
        QVERIFY2(c.sizes[i] == bins[i], qPrintable(QStringLiteral("%1: bin %2").arg(what).arg(i)));
}

// Sets the test's duration to one second, starts it, runs `whileRunning`,
// and reads its results until it has ended by itself.
void runForOneSecond(SimRemoteResponder &r, quint32 port, quint8 test, int topology,
                     const std::function<void()> &whileRunning = {})
{
    QByteArray settings = answer(r, settingsRequest(port, test));
    // Where each record keeps its duration (multistream: at its start).
    int at = int(offsetof(multi_settings_t, duration));
    if (test == TestAsymTraffic)
        at = int(offsetof(asym_settings_t, duration));
    else if (test == TestTraffic)
        at = int(offsetof(traffic_settings_t, duration));
    else if (test == TestJitter)
        at = int(offsetof(jitter_settings_t, duration));
    else if (test == TestMdi)
        at = int(offsetof(mdi_settings_t, duration));
    const quint32 one = 1;
    settings.replace(at, 4, reinterpret_cast<const char *>(&one), 4);
    answer(r, QByteArray(1, '\x12') + le32(port) + QByteArray(1, char(test)) + settings);
    startTest(r, port, test, topology);
    QVERIFY(r.status.process[port].tx & (1u << test));
    if (whileRunning)
        whileRunning();
    QVERIFY(QTest::qWaitFor([&] {
        answer(r, QByteArray(1, '\x13') + le32(port) + QByteArray(1, char(test)) + le32(0));
        return !(r.status.process[port].tx & (1u << test));
    }, 10000));
}

} // namespace

Q_DECLARE_METATYPE(Counted)

class TestSimStatsBert : public QObject
{
    Q_OBJECT

private slots:
    // Nothing runs: no frame passes either port and every rate is 0, also
    // with pass-through on (nothing comes to pass).
    void idleTesterHasNoTraffic()
    {
        SimRemoteResponder r(8);
        r.realistic = true;
        r.status.link[1] = r.status.link[0];
        answer(r, QByteArray(1, '\x0A') + le32(0) + QByteArray(1, char(TopologyPassThroughOn)));
        for (quint32 port : {0u, 1u}) {
            const stats_results_t s = readResults<stats_results_t>(r, port, TestStatistics);
            QCOMPARE(simBytesOf(s).toHex(' '), QByteArray(int(sizeof s), '\0').toHex(' '));
            QCOMPARE(status(r).txRate[port], 0u);
            QCOMPARE(status(r).rxRate[port], 0u);
        }
    }

    // A test runs for a second: while it runs the statistics show the rates
    // the port panels show, and once it has ended they count the frames its
    // own results count, sent on its port and received where they arrive
    // (frames from the far end on its own port), in the bins of their sizes.
    void statisticsCountWhatTheTestsCount_data()
    {
        QTest::addColumn<int>("test");
        QTest::addColumn<quint32>("port");
        QTest::addColumn<int>("topology");
        QTest::addColumn<Counted>("counted");

        const Counted traffic = [](SimRemoteResponder &r, quint32 port, quint32 receiver) {
            const traffic_settings_t s = readSettings<traffic_settings_t>(r, port, TestTraffic);
            const traffic_results_t t = readResults<traffic_results_t>(r, port, TestTraffic);
            PortsFrames f;
            f[port].tx[s.packetLength] += t.txFrames;
            f[receiver].rx[s.packetLength] += t.rxFrames;
            return f;
        };
        QTest::newRow("traffic A to B") << int(TestTraffic) << 0u << int(TopologyToOtherPort) << traffic;
        QTest::newRow("traffic B to A") << int(TestTraffic) << 1u << int(TopologyToOtherPort) << traffic;
        QTest::newRow("traffic A looped") << int(TestTraffic) << 0u << int(TopologySamePort) << traffic;
        QTest::newRow("multistream A to B") << int(TestMultistream) << 0u << int(TopologyToOtherPort)
                                            << Counted([](SimRemoteResponder &r, quint32 port, quint32 receiver) {
            const multi_settings_t s = readSettings<multi_settings_t>(r, port, TestMultistream);
            const multi_results_t m = readResults<multi_results_t>(r, port, TestMultistream);
            PortsFrames f;
            for (int i = 0; i < MultiStreamCount; ++i) {
                f[port].tx[s.streams[i].packetLength] += m.streams[i].txFrames;
                f[receiver].rx[s.streams[i].packetLength] += m.streams[i].rxFrames;
            }
            return f;
        });
        QTest::newRow("jitter B looped") << int(TestJitter) << 1u << int(TopologySamePort)
                                         << Counted([](SimRemoteResponder &r, quint32 port, quint32 receiver) {
            const jitter_settings_t s = readSettings<jitter_settings_t>(r, port, TestJitter);
            const jitter_results_t j = readResults<jitter_results_t>(r, port, TestJitter);
            PortsFrames f;
            f[port].tx[s.packetLength] += j.rxAll;
            f[receiver].rx[s.packetLength] += j.rxAll;
            return f;
        });
        QTest::newRow("MDI A to B") << int(TestMdi) << 0u << int(TopologyToOtherPort)
                                    << Counted([](SimRemoteResponder &r, quint32 port, quint32 receiver) {
            const mdi_settings_t s = readSettings<mdi_settings_t>(r, port, TestMdi);
            const mdi_results_t m = readResults<mdi_results_t>(r, port, TestMdi);
            PortsFrames f;
            f[port].tx[s.packetLength] += m.expectedFrames;
            f[receiver].rx[s.packetLength] += m.expectedFrames - m.lostFrames;
            return f;
        });
        QTest::newRow("asymmetric A to B") << int(TestAsymTraffic) << 0u << int(TopologyToOtherPort)
                                           << Counted([](SimRemoteResponder &r, quint32 port, quint32 receiver) {
            const asym_settings_t s = readSettings<asym_settings_t>(r, port, TestAsymTraffic);
            const asym_results_t a = readResults<asym_results_t>(r, port, TestAsymTraffic);
            PortsFrames f;
            f[port].tx[s.output.packetLength] += a.output.txFrames;
            f[receiver].rx[s.output.packetLength] += a.output.rxFrames;
            f[port].rx[s.input.packetLength] += a.input.rxFrames;   // from the far end
            return f;
        });
    }
    void statisticsCountWhatTheTestsCount()
    {
        QFETCH(int, test);
        QFETCH(quint32, port);
        QFETCH(int, topology);
        QFETCH(Counted, counted);
        const quint32 receiver = topology == TopologyToOtherPort ? 1 - port : port;
        SimRemoteResponder r(8);
        r.realistic = true;
        r.status.link[1] = r.status.link[0];
        runForOneSecond(r, port, quint8(test), topology, [&] {
            for (quint32 p : {0u, 1u}) {
                const stats_results_t s = readResults<stats_results_t>(r, p, TestStatistics);
                QCOMPARE(s.tx.rateL2.bytesPerSecond, quint32(status(r).txRate[p]));
                QCOMPARE(s.rx.rateL2.bytesPerSecond, quint32(status(r).rxRate[p]));
            }
            const stats_results_t sending = readResults<stats_results_t>(r, port, TestStatistics);
            QVERIFY(sending.tx.rateL2.bytesPerSecond > 0);
            QVERIFY(sending.tx.rateL1.bytesPerSecond > sending.tx.rateL2.bytesPerSecond);
            QVERIFY(sending.tx.rateL3.bytesPerSecond < sending.tx.rateL2.bytesPerSecond);
        });

        const PortsFrames expected = counted(r, port, receiver);
        QVERIFY(expected[port].total(true) > 0);
        for (quint32 p : {0u, 1u}) {
            const stats_results_t s = readResults<stats_results_t>(r, p, TestStatistics);
            expectCounters(s.tx, expected[p].tx, QStringLiteral("port %1 tx").arg(p));
            expectCounters(s.rx, expected[p].rx, QStringLiteral("port %1 rx").arg(p));
            QCOMPARE(s.tx.rateL1.bytesPerSecond, 0u);
            QCOMPARE(s.rx.rateL2.bytesPerSecond, 0u);
        }
    }

    // A new start of a test keeps what its earlier run put through the
    // ports; a reset starts both ports' counters from zero, and a run that
    // follows it counts from there.
    void countersFollowRestartsAndResets()
    {
        SimRemoteResponder r(8);
        r.realistic = true;
        r.status.link[1] = r.status.link[0];
        const auto txFrames = [&](quint32 p) { return readResults<stats_results_t>(r, p, TestStatistics).tx.frames; };
        const auto rxFrames = [&](quint32 p) { return readResults<stats_results_t>(r, p, TestStatistics).rx.frames; };

        runForOneSecond(r, 0, TestTraffic, TopologyToOtherPort);
        const quint64 once = readResults<traffic_results_t>(r, 0, TestTraffic).txFrames;
        QVERIFY(once > 0);
        QCOMPARE(txFrames(0), once);

        runForOneSecond(r, 0, TestTraffic, TopologyToOtherPort);
        QCOMPARE(readResults<traffic_results_t>(r, 0, TestTraffic).txFrames, quint32(once));
        QCOMPARE(txFrames(0), 2 * once);

        answer(r, QByteArray(1, '\x0B'));
        QCOMPARE(r.statisticsResets, 1);
        for (quint32 p : {0u, 1u}) {
            const stats_results_t s = readResults<stats_results_t>(r, p, TestStatistics);
            QCOMPARE(simBytesOf(s).toHex(' '), QByteArray(int(sizeof s), '\0').toHex(' '));
        }
        runForOneSecond(r, 0, TestTraffic, TopologyToOtherPort);
        QCOMPARE(txFrames(0), once);
        QCOMPARE(rxFrames(1), quint64(readResults<traffic_results_t>(r, 0, TestTraffic).rxFrames));
        QCOMPARE(rxFrames(0), 0u);
    }

    void passThroughInTheProcessWord()
    {
        SimRemoteResponder r(0);
        r.status.process[1].tx = 1u << TestTraffic;
        answer(r, QByteArray(1, '\x0A') + le32(1) + QByteArray(1, char(TopologyPassThroughOn)));
        QCOMPARE(r.status.process[1].tx, (1u << TestTraffic) | 1u);
        QCOMPARE(r.status.process[0].tx, 0u);
        answer(r, QByteArray(1, '\x0A') + le32(1) + QByteArray(1, char(TopologyPassThroughOff)));
        QCOMPARE(r.status.process[1].tx, 1u << TestTraffic);
        // Port RC has no process word; other codes leave the words alone.
        answer(r, QByteArray(1, '\x0A') + le32(2) + QByteArray(1, char(TopologyPassThroughOn)));
        answer(r, QByteArray(1, '\x0A') + le32(0) + QByteArray(1, char(TopologyLoopbackLevel1)));
        QCOMPARE(r.status.process[0].tx, 0u);
    }

    void bertRunsAndEnds()
    {
        SimRemoteResponder r(0);
        r.realistic = true;
        const QByteArray read = QByteArray(1, '\x11') + le32(0) + QByteArray(1, char(TestBert));
        bert_settings_t s = simRecordOf<bert_settings_t>(answer(r, read));
        QCOMPARE(int(s.frameSize), 1518);
        QCOMPARE(s.userPattern, 0xAAAAAAAAu);
        s.duration = 1;
        writeSettings(r, 0, TestBert, s);
        QCOMPARE(readResults<bert_results_t>(r, 0, TestBert).bits, quint64(0));

        startTest(r, 0, TestBert, TopologySamePort);
        QVERIFY(r.status.process[0].tx & (1u << TestBert));
        QTest::qWait(1100);
        const bert_results_t done = readResults<bert_results_t>(r, 0, TestBert);
        QCOMPARE(done.elapsed, 1u);
        QVERIFY(done.bits > 0);
        QVERIFY(done.errorBits <= done.bits);
        QVERIFY(!(r.status.process[0].tx & (1u << TestBert)));
    }
};

QTEST_MAIN(TestSimStatsBert)
#include "tst_simstatsbert.moc"
