// The pure rules behind the asymmetric traffic form: what each flow's
// statistics table and status line show, the run times, the direction
// list, and which rate unit codes a form may keep as stored.

#include "asymformat.h"
#include "rateunits.h"
#include "records.h"

#include <QtTest>

#include <cstring>

namespace {

const QString Dash = QStringLiteral("-");

flow_stats_t stats(uint32_t tx, uint32_t rx)
{
    flow_stats_t s;
    memset(&s, 0, sizeof s);
    s.txFrames = tx;
    s.rxFrames = rx;
    return s;
}

asym_settings_t settings()
{
    asym_settings_t s;
    memset(&s, 0, sizeof s);
    s.duration = 60;
    s.output.packetLength = 100;
    s.input.packetLength = 200;
    return s;
}

asym_results_t results()
{
    asym_results_t r;
    memset(&r, 0, sizeof r);
    r.startTime = 1000;
    r.currentTime = 1030;
    r.duration = 60;
    r.status = StatusOk;
    r.output = stats(10, 10);
    r.input = stats(10, 10);
    return r;
}

} // namespace

class TestAsymFormat : public QObject
{
    Q_OBJECT

private slots:
    // The run's status as a flow reports it, refined by its own counters.
    void flowStatus_data()
    {
        QTest::addColumn<uint>("status");
        QTest::addColumn<uint>("tx");
        QTest::addColumn<uint>("rx");
        QTest::addColumn<uint>("shown");
        QTest::addColumn<QString>("text");
        QTest::newRow("ok, nothing at all: no Rx") << 1u << 0u << 0u << 7u << "No Rx";
        QTest::newRow("ok, nothing received") << 1u << 500u << 0u << 7u << "No Rx";
        QTest::newRow("ok, received without sending") << 1u << 0u << 5u << 6u << "No Tx";
        QTest::newRow("ok, more back than sent") << 1u << 500u << 600u << 9u << "RxTx";
        QTest::newRow("ok, counters agree") << 1u << 600u << 500u << 1u << "OK";
        QTest::newRow("ok, all back") << 1u << 600u << 600u << 1u << "OK";
        QTest::newRow("running is not refined") << 3u << 0u << 0u << 3u << "Running";
        QTest::newRow("error is not refined") << 2u << 0u << 0u << 2u << "Error";
        QTest::newRow("unknown code") << 200u << 1u << 1u << 200u << "Unknown status";
    }
    void flowStatus()
    {
        QFETCH(uint, status);
        QFETCH(uint, tx);
        QFETCH(uint, rx);
        QFETCH(uint, shown);
        QFETCH(QString, text);
        const flow_stats_t s = stats(tx, rx);
        QCOMPARE(flowStatusCode(status, s), shown);
        QCOMPARE(flowStatsView(status, &s, false, 64).status, text);
    }

    void flowTable()
    {
        flow_stats_t s = stats(1000, 990);
        s.rate = 125000;
        s.pdv = 1500;
        s.runts = 2;
        s.jabber = 1;
        s.crcErrors = 3;
        s.pause = 4;
        const FlowStatsView v = flowStatsView(StatusOk, &s, false, 1518);
        const QStringList counts = {"1000", "990", "1518000", "10", "1000.000 kbps", "1.500 us",
                                    "2", "1", "3", "6", "4"};
        for (int row = 0; row < FlowStatsRows; ++row)
            QCOMPARE(v.count[row], counts.at(row));
        QCOMPARE(v.coef[FlowRowLossFrames], QString("0.01000"));
        QCOMPARE(v.coef[FlowRowRunts], QString("0.00200"));
        QCOMPARE(v.coef[FlowRowJabber], QString("0.00100"));
        QCOMPARE(v.coef[FlowRowCrc], QString("0.00300"));
        QCOMPARE(v.coef[FlowRowErrorFrames], QString("0.00600"));
        // Rows without a ratio leave their cell alone.
        for (int row : {FlowRowTxFrames, FlowRowRxFrames, FlowRowTxBytes, FlowRowRate, FlowRowPdv,
                        FlowRowPause})
            QVERIFY2(v.coef[row].isNull(), qPrintable(QString::number(row)));
    }

    void lossWhileRunningAndWhenMoreCameBack()
    {
        const flow_stats_t running = stats(1000, 900);
        const FlowStatsView v = flowStatsView(StatusRunning, &running, true, 64);
        QCOMPARE(v.count[FlowRowLossFrames], QString("0"));
        QCOMPARE(v.coef[FlowRowLossFrames], QString("0.00000"));

        const flow_stats_t more = stats(500, 600);
        const FlowStatsView w = flowStatsView(StatusOk, &more, false, 64);
        QCOMPARE(w.count[FlowRowLossFrames], QString("0"));
        QCOMPARE(w.coef[FlowRowLossFrames], QString("0.00000"));
        QCOMPARE(w.status, QString("RxTx"));
    }

    void nothingSentShowsNoRatios()
    {
        flow_stats_t s = stats(0, 0);
        s.runts = 5;
        const FlowStatsView v = flowStatsView(StatusOk, &s, false, 64);
        for (int row : {FlowRowLossFrames, FlowRowRunts, FlowRowJabber, FlowRowCrc, FlowRowErrorFrames})
            QCOMPARE(v.coef[row], Dash);
        QCOMPARE(v.count[FlowRowRunts], QString("5"));
        QCOMPARE(v.status, QString("No Rx"));
    }

    void noRecordShowsDashes()
    {
        const FlowStatsView v = flowStatsView(StatusOk, nullptr, false, 64);
        QCOMPARE(v.status, Dash);
        for (int row = 0; row < FlowStatsRows; ++row) {
            QCOMPARE(v.count[row], Dash);
            QCOMPARE(v.coef[row], Dash);
        }
    }

    // Counts that pass 32 bits are shown whole, not wrapped.
    void largestCounters()
    {
        flow_stats_t s = stats(0xFFFFFFFFu, 0xFFFFFFFFu);
        s.runts = s.jabber = s.crcErrors = 0xFFFFFFFFu;
        const FlowStatsView v = flowStatsView(StatusOk, &s, false, 9600);
        QCOMPARE(v.count[FlowRowTxFrames], QString("4294967295"));
        QCOMPARE(v.count[FlowRowTxBytes], QString("41231686032000"));
        QCOMPARE(v.count[FlowRowErrorFrames], QString("12884901885"));
        QCOMPARE(v.coef[FlowRowErrorFrames], QString("3.00000"));
    }

    void runTimes_data()
    {
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("current");
        QTest::addColumn<uint>("planned");
        QTest::addColumn<uint>("setDuration");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<QString>("estimate");
        QTest::newRow("half way") << 1000u << 1030u << 60u << 60u << "00:00:30" << "00:00:30";
        QTest::newRow("no set duration") << 1000u << 1030u << 60u << 0u << "00:00:30" << "-";
        QTest::newRow("past the end") << 1000u << 1100u << 60u << 60u << "00:01:40" << "00:00:00";
        QTest::newRow("clock before the start") << 1000u << 990u << 60u << 60u << "00:00:00" << "00:01:00";
    }
    void runTimes()
    {
        QFETCH(uint, start);
        QFETCH(uint, current);
        QFETCH(uint, planned);
        QFETCH(uint, setDuration);
        QFETCH(QString, elapsed);
        QFETCH(QString, estimate);
        asym_settings_t s = settings();
        s.duration = setDuration;
        asym_results_t r = results();
        r.startTime = start;
        r.currentTime = current;
        r.duration = planned;
        const AsymResultsView v = asymResultsView(&s, &r, false);
        QCOMPARE(v.elapsed, elapsed);
        QCOMPARE(v.estimate, estimate);
    }

    // Each direction's "Tx bytes" uses its own packet length.
    void flowsUseTheirOwnPacketLength()
    {
        const asym_settings_t s = settings();
        const asym_results_t r = results();
        const AsymResultsView v = asymResultsView(&s, &r, false);
        QCOMPARE(v.output.count[FlowRowTxBytes], QString("1000"));
        QCOMPARE(v.input.count[FlowRowTxBytes], QString("2000"));
    }

    void blankFlagClearsTheTablesOnly()
    {
        asym_settings_t s = settings();
        s.statsBlank = 1;
        const asym_results_t r = results();
        const AsymResultsView v = asymResultsView(&s, &r, false);
        QCOMPARE(v.elapsed, QString("00:00:30"));
        for (const FlowStatsView &f : {v.output, v.input}) {
            QCOMPARE(f.status, Dash);
            for (int row = 0; row < FlowStatsRows; ++row)
                QCOMPARE(f.count[row], Dash);
        }
    }

    // Results without the settings they were run with are not shown.
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
        const asym_settings_t s = settings();
        const asym_results_t r = results();
        const AsymResultsView v = asymResultsView(haveSettings ? &s : nullptr, haveResults ? &r : nullptr, true);
        QCOMPARE(v.elapsed, Dash);
        QCOMPARE(v.estimate, Dash);
        for (const FlowStatsView &f : {v.output, v.input}) {
            QCOMPARE(f.status, Dash);
            for (int row = 0; row < FlowStatsRows; ++row) {
                QCOMPARE(f.count[row], Dash);
                QCOMPARE(f.coef[row], Dash);
            }
        }
    }

    void direction_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("index");
        QTest::newRow("output") << 0 << 0;
        QTest::newRow("input") << 1 << 1;
        QTest::newRow("both") << 2 << 2;
        QTest::newRow("beyond the list") << 3 << -1;
        QTest::newRow("far beyond") << 255 << -1;
    }
    void direction()
    {
        QFETCH(int, code);
        QFETCH(int, index);
        QCOMPARE(directionToIndex(uint8_t(code)), index);
    }

    void unitKnown_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("known");
        QTest::newRow("percent") << 0 << true;
        QTest::newRow("bps") << 1 << true;
        QTest::newRow("kbps") << 2 << true;
        QTest::newRow("Mbps") << 3 << true;
        QTest::newRow("4") << 4 << false;
        QTest::newRow("255") << 255 << false;
    }
    void unitKnown()
    {
        QFETCH(int, code);
        QFETCH(bool, known);
        QCOMPARE(rateUnitKnown(uint8_t(code)), known);
    }
};

QTEST_MAIN(TestAsymFormat)
#include "tst_asymformat.moc"
