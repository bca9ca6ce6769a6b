// The simulated tester's Y.1564 model: the settings a fresh tester holds,
// and a started test that reports its steps and ends by itself. Driven
// through the responder directly.

#include "simremote.h"
#include "simtests.h"
#include "y1564records.h"

#include <QtEndian>
#include <QtTest>

namespace {

QByteArray le32(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray answer(SimRemoteResponder &r, const QByteArray &request)
{
    const QList<SimReply> replies = r.handle(request);
    return replies.isEmpty() ? QByteArray() : replies.first().payload;
}

QByteArray testId()
{
    return QByteArray(1, char(TestY1564));
}

y1564_settings_t readSettings(SimRemoteResponder &r)
{
    return simRecordOf<y1564_settings_t>(answer(r, QByteArray(1, '\x11') + le32(0) + testId()));
}

void writeSettings(SimRemoteResponder &r, const y1564_settings_t &s)
{
    answer(r, QByteArray(1, '\x12') + le32(0) + testId() + simBytesOf(s));
}

y1564_results_t readResults(SimRemoteResponder &r)
{
    const QByteArray reply = answer(r, QByteArray(1, '\x13') + le32(0) + testId() + le32(0));
    return simRecordOf<y1564_results_t>(reply.mid(1));
}

void start(SimRemoteResponder &r)
{
    answer(r, QByteArray(1, '\x09') + QByteArray(1, '\1') + le32(0) + testId());
}

} // namespace

class TestSimModelY1564 : public QObject
{
    Q_OBJECT

private slots:
    void freshTesterSettings()
    {
        SimRemoteResponder r(0);
        r.realistic = true;
        const y1564_settings_t s = readSettings(r);
        QVERIFY(s.flags & Y1564FlagConfigTest);
        QVERIFY(s.flags & Y1564FlagPerformanceTest);
        QCOMPARE(int(s.direction), int(Y1564DirectionBoth));
        QCOMPARE(int(s.streams[0].active), 1);
        QCOMPARE(int(s.streams[1].active), 0);
        QCOMPARE(int(s.streams[0].packetLength), 1518);
        QCOMPARE(int(s.streams[0].rateUnit), 3);
        QCOMPARE(s.streams[0].header.ipDest, 0xC0A80002u);
    }

    void configurationStepsThenPerformance()
    {
        SimRemoteResponder r(0);
        r.realistic = true;
        y1564_settings_t s = readSettings(r);
        QCOMPARE(int(readResults(r).performanceStatus), int(StatusWait));   // not started

        start(r);
        QVERIFY(r.status.process[0].tx & (1u << TestY1564));
        const y1564_results_t first = readResults(r);
        QCOMPARE(int(first.currentStep), 0);
        QCOMPARE(int(first.performanceStatus), int(StatusWait));
        QCOMPARE(first.plannedDuration, 5u * 5u + 60u);
        QCOMPARE(first.config[0][0].irAvg, 25000000u);   // a quarter of 100 Mbps
        QCOMPARE(first.config[0][1].irAvg, 0u);          // stream 2 is off
        QCOMPARE(first.config[3][0].irAvg, 0u);          // not reached yet

        // Performance test only, one second: it runs and ends by itself.
        s.flags = Y1564FlagPerformanceTest;
        s.duration = 1;
        writeSettings(r, s);
        start(r);
        const y1564_results_t running = readResults(r);
        QCOMPARE(int(running.performanceStatus), int(StatusRunning));
        QCOMPARE(int(running.currentStep), Y1564ConfigSteps);
        QTest::qWait(1100);
        const y1564_results_t done = readResults(r);
        QCOMPARE(int(done.performanceStatus), int(StatusOk));
        QCOMPARE(done.performance[0].irAvg, 100000000u);
        QVERIFY(done.performance[0].frames > 0);
        QCOMPARE(done.performance[0].available, 1u);
        QCOMPARE(int(done.performance[0].failures), 0);
        QVERIFY(!(r.status.process[0].tx & (1u << TestY1564)));
    }
};

QTEST_MAIN(TestSimModelY1564)
#include "tst_simmodel_y1564.moc"
