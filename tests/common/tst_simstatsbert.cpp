// The simulated tester's port statistics, BERT and pass-through: counters
// that grow while traffic runs and restart on a reset, a BERT run that ends
// by itself, and pass-through in the process word. Driven through the
// responder directly.

#include "bertrecords.h"
#include "simremote.h"
#include "simrequest.h"
#include "simtests.h"
#include "statsrecords.h"

#include <QtEndian>
#include <QtTest>

namespace {

template <class T>
T results(SimRemoteResponder &r, quint32 port, quint8 test)
{
    const QByteArray reply =
        answer(r, QByteArray(1, '\x13') + le32(port) + QByteArray(1, char(test)) + le32(0));
    return simRecordOf<T>(reply.mid(1));
}

void start(SimRemoteResponder &r, quint32 port, quint8 test, quint8 topology)
{
    answer(r, QByteArray(1, '\x0A') + le32(port) + QByteArray(1, char(topology)));
    answer(r, QByteArray(1, '\x09') + QByteArray(1, '\1') + le32(port) + QByteArray(1, char(test)));
}

} // namespace

class TestSimStatsBert : public QObject
{
    Q_OBJECT

private slots:
    void statisticsCountAndRestartOnReset()
    {
        SimRemoteResponder r(0);
        r.realistic = true;
        r.status.link[1].up = 1;
        QCOMPARE(answer(r, QByteArray(1, '\x11') + le32(0) + QByteArray(1, char(TestStatistics))),
                 QByteArray(1, '\0'));
        start(r, 0, TestTraffic, TopologyToOtherPort);

        const stats_results_t first = results<stats_results_t>(r, 0, TestStatistics);
        QTest::qWait(100);
        const stats_results_t a = results<stats_results_t>(r, 0, TestStatistics);
        const stats_results_t b = results<stats_results_t>(r, 1, TestStatistics);
        // Port A sends the test's frames, Port B receives them.
        QVERIFY(a.tx.bytes > first.tx.bytes);
        QVERIFY(a.tx.sizes[6] > 0);
        QVERIFY(a.tx.rateL2.bytesPerSecond > 100000000u);
        QVERIFY(a.tx.rateL1.bytesPerSecond > a.tx.rateL2.bytesPerSecond);
        QVERIFY(a.tx.rateL3.bytesPerSecond < a.tx.rateL2.bytesPerSecond);
        QVERIFY(a.rx.rateL2.bytesPerSecond < 100000u);
        QVERIFY(b.rx.rateL2.bytesPerSecond > 100000000u);
        QCOMPARE(a.tx.frames, a.tx.broadcast + a.tx.multicast + a.tx.unicast);

        answer(r, QByteArray(1, '\x0B'));
        QCOMPARE(r.statisticsResets, 1);
        const stats_results_t after = results<stats_results_t>(r, 0, TestStatistics);
        QVERIFY(after.tx.bytes < a.tx.bytes);
        QCOMPARE(after.tx.frames, quint64(0));
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
        answer(r, QByteArray(1, '\x12') + le32(0) + QByteArray(1, char(TestBert)) + simBytesOf(s));
        QCOMPARE(results<bert_results_t>(r, 0, TestBert).bits, quint64(0));

        start(r, 0, TestBert, TopologySamePort);
        QVERIFY(r.status.process[0].tx & (1u << TestBert));
        QTest::qWait(1100);
        const bert_results_t done = results<bert_results_t>(r, 0, TestBert);
        QCOMPARE(done.elapsed, 1u);
        QVERIFY(done.bits > 0);
        QVERIFY(done.errorBits <= done.bits);
        QVERIFY(!(r.status.process[0].tx & (1u << TestBert)));
    }
};

QTEST_MAIN(TestSimStatsBert)
#include "tst_simstatsbert.moc"
