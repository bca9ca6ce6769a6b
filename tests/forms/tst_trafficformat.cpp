// The pure rules behind the traffic form: rate unit codes, rate limits,
// durations and the texts of the "Measuring" page.

#include "rateunits.h"
#include "records.h"
#include "trafficformat.h"

#include <QtTest>

#include <cstring>

class TestTrafficFormat : public QObject
{
    Q_OBJECT

private:
    static traffic_settings_t settings(uint32_t duration)
    {
        traffic_settings_t s;
        memset(&s, 0, sizeof s);
        s.duration = duration;
        return s;
    }

    static traffic_results_t results()
    {
        traffic_results_t r;
        memset(&r, 0, sizeof r);
        return r;
    }

private slots:
    void unitCodeToIndex_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("writtenBack");
        QTest::newRow("percent") << 0 << 0 << 0;
        QTest::newRow("bps shows as percent") << 1 << 0 << 0;
        QTest::newRow("kbps") << 2 << 1 << 2;
        QTest::newRow("Mbps") << 3 << 2 << 3;
        QTest::newRow("unknown 4 shows as Mbps") << 4 << 2 << 3;
        QTest::newRow("unknown 255 shows as Mbps") << 255 << 2 << 3;
    }
    void unitCodeToIndex()
    {
        QFETCH(int, code);
        QFETCH(int, index);
        QFETCH(int, writtenBack);
        QCOMPARE(::unitCodeToIndex(uint8_t(code)), index);
        QCOMPARE(int(unitIndexToCode(index)), writtenBack);
    }

    void rateMaximum_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("maximum");
        QTest::newRow("percent") << 0 << 100;
        QTest::newRow("kbps is 9999, not 10000") << 1 << 9999;
        QTest::newRow("Mbps") << 2 << 1000;
        QTest::newRow("no selection keeps the maximum") << -1 << 0;
        QTest::newRow("past the list keeps the maximum") << 3 << 0;
    }
    void rateMaximum()
    {
        QFETCH(int, index);
        QFETCH(int, maximum);
        QCOMPARE(rateMaximumForIndex(index), maximum);
    }

    void duration_data()
    {
        QTest::addColumn<uint>("seconds");
        QTest::addColumn<QTime>("time");
        QTest::newRow("zero") << 0u << QTime(0, 0, 0);
        QTest::newRow("3661") << 3661u << QTime(1, 1, 1);
        QTest::newRow("last second of a day") << 86399u << QTime(23, 59, 59);
        QTest::newRow("a whole day has no time of day") << 86400u << QTime();
        QTest::newRow("far beyond") << 0xFFFFFFFFu << QTime();
    }
    void duration()
    {
        QFETCH(uint, seconds);
        QFETCH(QTime, time);
        const QTime shown = durationToTime(seconds);
        QCOMPARE(shown.isValid(), time.isValid());
        if (time.isValid()) {
            QCOMPARE(shown, time);
            QCOMPARE(timeToDuration(shown), uint32_t(seconds));
        }
    }

    void coefficient_data()
    {
        QTest::addColumn<quint64>("part");
        QTest::addColumn<uint>("tx");
        QTest::addColumn<QString>("text");
        QTest::newRow("loss 10 of 1000") << quint64(10) << 1000u << "0.01000";
        QTest::newRow("runts 2 of 1000") << quint64(2) << 1000u << "0.00200";
        QTest::newRow("nothing sent") << quint64(5) << 0u << "0";
        QTest::newRow("all lost") << quint64(7) << 7u << "1.00000";
        QTest::newRow("a third") << quint64(1) << 3u << "0.33333";
        QTest::newRow("below five decimals") << quint64(1) << 1000000u << "0.00000";
        QTest::newRow("sum beyond 32 bits") << quint64(0x100000000ull) << 0x80000000u << "2.00000";
    }
    void coefficient()
    {
        QFETCH(quint64, part);
        QFETCH(uint, tx);
        QFETCH(QString, text);
        QCOMPARE(trafficCoefficient(part, tx), text);
    }

    void missingRecordShowsDashes_data()
    {
        QTest::addColumn<bool>("haveSettings");
        QTest::addColumn<bool>("haveResults");
        QTest::newRow("no settings") << false << true;
        QTest::newRow("no results") << true << false;
        QTest::newRow("neither") << false << false;
    }
    void missingRecordShowsDashes()
    {
        QFETCH(bool, haveSettings);
        QFETCH(bool, haveResults);
        const traffic_settings_t s = settings(60);
        const traffic_results_t r = results();
        const TrafficResultsView v = trafficResultsView(haveSettings ? &s : nullptr, haveResults ? &r : nullptr);
        QCOMPARE(v.testTime, QString("-"));
        QCOMPARE(v.passTime, QString("-"));
        QCOMPARE(v.status, QString("-"));
        for (int row = 0; row < TrafficResultRows; ++row) {
            QCOMPARE(v.count[row], QString("-"));
            QCOMPARE(v.coef[row], QString("-"));
        }
    }

    void resultsTable()
    {
        traffic_results_t r = results();
        r.startTime = 1000;
        r.currentTime = 1000 + 3661;
        r.estimatedTime = 7200;
        r.status = StatusOk;
        r.txFrames = 1000;
        r.rxFrames = 990;
        r.txBytes = 0x100000000ull + 5;   // beyond 32 bits
        r.rate = 250000;
        r.pdv = 1500;
        r.latency = 2500000;
        r.lostFrames = 11;                // the tester's counter, not Tx - Rx
        r.runts = 2;
        r.jabber = 3;
        r.crcErrors = 4;
        r.pause = 9;
        const traffic_settings_t s = settings(7200);
        const TrafficResultsView v = trafficResultsView(&s, &r);

        QCOMPARE(v.testTime, QString("01:01:01"));
        QCOMPARE(v.passTime, QString("00:58:59"));
        QCOMPARE(v.status, QString("OK"));
        QCOMPARE(v.count[RowTxFrames], QString("1000"));
        QCOMPARE(v.count[RowRxFrames], QString("990"));
        QCOMPARE(v.count[RowTxBytes], QString("4294967301"));
        QCOMPARE(v.count[RowRate], QString("2.000 Mbps"));
        QCOMPARE(v.count[RowPdv], QString("1.500 us"));
        QCOMPARE(v.count[RowLatency], QString("2.500 ms"));
        QCOMPARE(v.count[RowLossFrames], QString("11"));
        QCOMPARE(v.count[RowRunts], QString("2"));
        QCOMPARE(v.count[RowJabber], QString("3"));
        QCOMPARE(v.count[RowCrc], QString("4"));
        QCOMPARE(v.count[RowErrorFrames], QString("9"));
        QCOMPARE(v.count[RowPause], QString("9"));

        QCOMPARE(v.coef[RowLossFrames], QString("0.01000"));
        QCOMPARE(v.coef[RowRunts], QString("0.00200"));
        QCOMPARE(v.coef[RowJabber], QString("0.00300"));
        QCOMPARE(v.coef[RowCrc], QString("0.00400"));
        QCOMPARE(v.coef[RowErrorFrames], QString("0.00900"));
        // Rows without a coefficient are left as they are.
        for (int row : {RowTxFrames, RowRxFrames, RowTxBytes, RowRate, RowPdv, RowLatency, RowPause})
            QVERIFY2(v.coef[row].isNull(), qPrintable(QString::number(row)));
    }

    void nothingSentGivesZeroCoefficients()
    {
        traffic_results_t r = results();
        r.rxFrames = 5;
        r.runts = 1;
        const traffic_settings_t s = settings(10);
        const TrafficResultsView v = trafficResultsView(&s, &r);
        for (int row = RowLossFrames; row <= RowErrorFrames; ++row)
            QCOMPARE(v.coef[row], QString("0"));
    }

    void errorFramesSumIn32Bits()
    {
        traffic_results_t r = results();
        r.txFrames = 1;
        r.runts = 0xFFFFFFFFu;
        r.jabber = 2;
        const traffic_settings_t s = settings(10);
        const TrafficResultsView v = trafficResultsView(&s, &r);
        QCOMPARE(v.count[RowErrorFrames], QString("1"));
    }

    void times_data()
    {
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("current");
        QTest::addColumn<uint>("estimate");
        QTest::addColumn<uint>("duration");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<QString>("left");
        QTest::newRow("running") << 100u << 160u << 300u << 300u << "00:01:00" << "00:04:00";
        QTest::newRow("at the estimate") << 100u << 400u << 300u << 300u << "00:05:00" << "00:00:00";
        QTest::newRow("beyond the estimate") << 100u << 500u << 300u << 300u << "00:06:40" << "00:00:00";
        QTest::newRow("no duration set") << 100u << 160u << 300u << 0u << "00:01:00" << "-";
        // A clock that went backwards shows the unsigned difference.
        QTest::newRow("clock before start") << 10u << 9u << 300u << 300u << "1193046:28:15" << "00:00:00";
    }
    void times()
    {
        QFETCH(uint, start);
        QFETCH(uint, current);
        QFETCH(uint, estimate);
        QFETCH(uint, duration);
        QFETCH(QString, elapsed);
        QFETCH(QString, left);
        traffic_results_t r = results();
        r.startTime = start;
        r.currentTime = current;
        r.estimatedTime = estimate;
        const traffic_settings_t s = settings(duration);
        const TrafficResultsView v = trafficResultsView(&s, &r);
        QCOMPARE(v.testTime, elapsed);
        QCOMPARE(v.passTime, left);
    }

    void status_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 OK") << 1 << "OK";
        QTest::newRow("2 is loss exceeded here") << 2 << "Loss exceeded";
        QTest::newRow("10") << 10 << "Loss exceeded";
        QTest::newRow("3") << 3 << "Running";
        QTest::newRow("unknown") << 200 << "Unknown status";
    }
    void status()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        traffic_results_t r = results();
        r.status = uint8_t(code);
        const traffic_settings_t s = settings(10);
        QCOMPARE(trafficResultsView(&s, &r).status, text);
    }
};

QTEST_GUILESS_MAIN(TestTrafficFormat)
#include "tst_trafficformat.moc"
