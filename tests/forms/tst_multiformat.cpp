// The pure rules behind the multistream form: stream indexes, the run times
// and one stream's row texts on the "Measuring" page.

#include "multiformat.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

class TestMultiFormat : public QObject
{
    Q_OBJECT

private:
    static stream_settings_t stream(bool active, uint16_t packetLength)
    {
        stream_settings_t s;
        memset(&s, 0, sizeof s);
        s.active = active ? 1 : 0;
        s.packetLength = packetLength;
        return s;
    }

    static stream_result_t result(float load, uint32_t tx, uint32_t rx, uint32_t latency)
    {
        stream_result_t r;
        memset(&r, 0, sizeof r);
        r.load = load;
        r.txFrames = tx;
        r.rxFrames = rx;
        r.latency = latency;
        return r;
    }

private slots:
    void streamIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("bounded");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("seventh") << 6 << 6;
        QTest::newRow("last") << 9 << 9;
        QTest::newRow("past the ten streams") << 10 << 9;
        QTest::newRow("far past") << 1000 << 9;
        QTest::newRow("negative") << -1 << 0;
    }
    void streamIndex()
    {
        QFETCH(int, index);
        QFETCH(int, bounded);
        QCOMPARE(multiStreamIndex(index), bounded);
    }

    void times_data()
    {
        QTest::addColumn<uint>("duration");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<uint>("elapsed");
        QTest::addColumn<QString>("elapsedText");
        QTest::addColumn<QString>("estimate");
        QTest::newRow("running, two waits of 2 s") << 60u << 2500 << 30u << "00:00:30" << "00:00:34";
        QTest::newRow("wait below a second counts 0") << 60u << 999 << 30u << "00:00:30" << "00:00:30";
        QTest::newRow("at the end") << 60u << 2500 << 60u << "00:01:00" << "00:00:00";
        QTest::newRow("past the end") << 60u << 2500 << 75u << "00:01:15" << "00:00:00";
        QTest::newRow("longest run does not wrap") << 0xFFFFFFFFu << 9999 << 0u << "00:00:00" << "1193046:28:15";
    }
    void times()
    {
        QFETCH(uint, duration);
        QFETCH(int, waitMs);
        QFETCH(uint, elapsed);
        QFETCH(QString, elapsedText);
        QFETCH(QString, estimate);
        multi_settings_t s;
        memset(&s, 0, sizeof s);
        s.duration = duration;
        s.waitInterval = uint16_t(waitMs);
        multi_results_t r;
        memset(&r, 0, sizeof r);
        r.elapsed = elapsed;
        const MultiTimesView v = multiTimesView(&s, &r);
        QCOMPARE(v.elapsed, elapsedText);
        QCOMPARE(v.estimate, estimate);
    }

    void timesWithMissingRecords()
    {
        multi_results_t r;
        memset(&r, 0, sizeof r);
        r.elapsed = 42;
        const MultiTimesView noSettings = multiTimesView(nullptr, &r);
        QCOMPARE(noSettings.elapsed, QString("00:00:42"));
        QCOMPARE(noSettings.estimate, QString("-"));
        multi_settings_t s;
        memset(&s, 0, sizeof s);
        const MultiTimesView noResults = multiTimesView(&s, nullptr);
        QCOMPARE(noResults.elapsed, QString("-"));
        QCOMPARE(noResults.estimate, QString("-"));
    }

    void loss_data()
    {
        QTest::addColumn<uint>("tx");
        QTest::addColumn<uint>("rx");
        QTest::addColumn<QString>("lost");
        QTest::addColumn<QString>("coef");
        QTest::newRow("an eighth lost") << 1000u << 875u << "125" << "0.125";
        QTest::newRow("all received") << 1000u << 1000u << "0" << "0.000";
        QTest::newRow("more received than sent") << 1000u << 1200u << "0" << "0.000";
        QTest::newRow("nothing sent") << 0u << 0u << "0" << "0.000";
        QTest::newRow("all lost") << 4294967295u << 0u << "4294967295" << "1.000";
    }
    void loss()
    {
        QFETCH(uint, tx);
        QFETCH(uint, rx);
        QFETCH(QString, lost);
        QFETCH(QString, coef);
        const stream_settings_t s = stream(true, 64);
        const stream_result_t r = result(10.0f, tx, rx, 0);
        const MultiStreamView v = multiStreamView(&r, &s);
        QCOMPARE(v.count[MultiRowTxFrames], QString::number(tx));
        QCOMPARE(v.count[MultiRowRxFrames], QString::number(rx));
        QCOMPARE(v.count[MultiRowLossFrames], lost);
        QCOMPARE(v.lossCoef, coef);
    }

    void streamRow()
    {
        const stream_settings_t s = stream(true, 1518);
        const stream_result_t r = result(12.5f, 2000, 1999, 12500);
        const MultiStreamView v = multiStreamView(&r, &s);
        QCOMPARE(v.count[MultiRowLoad], QString("12.5%"));
        QCOMPARE(v.count[MultiRowTxBytes], QString("3036000"));
        QCOMPARE(v.count[MultiRowLatency], QString("12.500 us"));
    }

    // 9600-byte frames, half a million of them: 4.8 GB, more than 32 bits
    // hold; the count is shown whole.
    void txBytesBeyondThirtyTwoBits()
    {
        const stream_settings_t s = stream(true, 9600);
        const stream_result_t r = result(100.0f, 500000, 500000, 0);
        QCOMPARE(multiStreamView(&r, &s).count[MultiRowTxBytes], QString("4800000000"));
    }

    void loadThatIsNoNumber_data()
    {
        QTest::addColumn<float>("load");
        QTest::addColumn<QString>("text");
        QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << "-";
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << "-";
        QTest::newRow("negative infinite") << -std::numeric_limits<float>::infinity() << "-";
        QTest::newRow("zero") << 0.0f << "0.0%";
        QTest::newRow("rounds to one decimal") << 99.96f << "100.0%";
    }
    void loadThatIsNoNumber()
    {
        QFETCH(float, load);
        QFETCH(QString, text);
        const stream_settings_t s = stream(true, 64);
        const stream_result_t r = result(load, 1, 1, 0);
        QCOMPARE(multiStreamView(&r, &s).count[MultiRowLoad], text);
    }

    // An inactive stream, or a missing record, shows dashes even when the
    // results hold numbers.
    void dashes_data()
    {
        QTest::addColumn<bool>("haveResults");
        QTest::addColumn<bool>("haveSettings");
        QTest::addColumn<bool>("active");
        QTest::newRow("inactive stream") << true << true << false;
        QTest::newRow("no results") << false << true << true;
        QTest::newRow("no settings") << true << false << true;
        QTest::newRow("neither") << false << false << true;
    }
    void dashes()
    {
        QFETCH(bool, haveResults);
        QFETCH(bool, haveSettings);
        QFETCH(bool, active);
        const stream_settings_t s = stream(active, 64);
        const stream_result_t r = result(50.0f, 1000, 900, 100);
        const MultiStreamView v = multiStreamView(haveResults ? &r : nullptr, haveSettings ? &s : nullptr);
        for (int row = 0; row < MultiResultRows; ++row)
            QCOMPARE(v.count[row], QString("-"));
        QCOMPARE(v.lossCoef, QString("-"));
    }
};

QTEST_MAIN(TestMultiFormat)
#include "tst_multiformat.moc"
