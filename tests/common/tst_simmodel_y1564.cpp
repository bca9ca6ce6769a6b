// The simulated tester's Y.1564 model: the settings a fresh tester holds,
// and a started test that reports its steps and ends by itself. Driven
// through the responder directly.

#include "simrequest.h"
#include "y1564records.h"

#include <QtTest>

class TestSimModelY1564 : public QObject
{
    Q_OBJECT

private slots:
    void freshTesterSettings()
    {
        SimRemoteResponder r(0);
        r.realistic = true;
        const y1564_settings_t s = readSettings<y1564_settings_t>(r, 0, TestY1564);
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
        y1564_settings_t s = readSettings<y1564_settings_t>(r, 0, TestY1564);
        QCOMPARE(int(readResults<y1564_results_t>(r, 0, TestY1564).performanceStatus), int(StatusWait));   // not started

        startTest(r, 0, TestY1564);
        QVERIFY(r.status.process[0].tx & (1u << TestY1564));
        const y1564_results_t first = readResults<y1564_results_t>(r, 0, TestY1564);
        QCOMPARE(int(first.currentStep), 0);
        QCOMPARE(int(first.performanceStatus), int(StatusWait));
        QCOMPARE(first.plannedDuration, 5u * 5u + 60u);
        QCOMPARE(first.config[0][0].irAvg, 25000000u);   // a quarter of 100 Mbps
        QCOMPARE(first.config[0][1].irAvg, 0u);          // stream 2 is off
        QCOMPARE(first.config[3][0].irAvg, 0u);          // not reached yet

        // Performance test only, one second: it runs and ends by itself.
        s.flags = Y1564FlagPerformanceTest;
        s.duration = 1;
        writeSettings(r, 0, TestY1564, s);
        startTest(r, 0, TestY1564);
        const y1564_results_t running = readResults<y1564_results_t>(r, 0, TestY1564);
        QCOMPARE(int(running.performanceStatus), int(StatusRunning));
        QCOMPARE(int(running.currentStep), Y1564ConfigSteps);
        QTest::qWait(1100);
        const y1564_results_t done = readResults<y1564_results_t>(r, 0, TestY1564);
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
