// The texts of the port statistics window, computed from a results record.

#include "statsformat.h"

#include <QtTest>

#include <cstring>
#include <limits>

namespace {

constexpr uint64_t Max64 = std::numeric_limits<uint64_t>::max();

stats_results_t zeroRecord()
{
    stats_results_t r;
    memset(&r, 0, sizeof r);
    return r;
}

} // namespace

class TestStatsFormat : public QObject
{
    Q_OBJECT

private slots:
    void counterText_data()
    {
        QTest::addColumn<quint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << "0";
        QTest::newRow("no separators") << quint64(1234567) << "1234567";
        QTest::newRow("above 32 bits") << quint64(4294967296ull) << "4294967296";
        QTest::newRow("top bit set, not negative") << quint64(1ull << 63) << "9223372036854775808";
        QTest::newRow("largest, twenty digits") << quint64(Max64) << "18446744073709551615";
    }
    void counterText()
    {
        QFETCH(quint64, value);
        QFETCH(QString, text);
        QCOMPARE(statsCounterText(value), text);
    }

    void runtsWrap_data()
    {
        QTest::addColumn<quint64>("shortFrames");
        QTest::addColumn<quint64>("crc");
        QTest::addColumn<QString>("runts");
        QTest::newRow("sum") << quint64(5) << quint64(7) << "12";
        QTest::newRow("wraps modulo 2^64") << quint64(Max64) << quint64(2) << "1";
        QTest::newRow("largest plus nothing") << quint64(Max64) << quint64(0) << "18446744073709551615";
    }
    void runtsWrap()
    {
        QFETCH(quint64, shortFrames);
        QFETCH(quint64, crc);
        QFETCH(QString, runts);
        stats_results_t r = zeroRecord();
        r.rx.sizes[0] = shortFrames;
        r.rx.crcErrors = crc;
        // The transmitted copies never count.
        r.tx.sizes[0] = 1000;
        r.tx.crcErrors = 1000;
        QCOMPARE(statsPortView(r).runts, runts);
    }

    // Only the first four bytes of a rate slot count; the boundaries are the
    // rate text's.
    void rates_data()
    {
        QTest::addColumn<quint32>("bytesPerSecond");
        QTest::addColumn<QString>("text");
        QTest::newRow("125 still bps") << 125u << "1000 bps";
        QTest::newRow("126 kbps") << 126u << "1.008 kbps";
        QTest::newRow("125000 still kbps") << 125000u << "1000.000 kbps";
        QTest::newRow("125001 Mbps") << 125001u << "1.000 Mbps";
        QTest::newRow("zero") << 0u << "0 bps";
    }
    void rates()
    {
        QFETCH(quint32, bytesPerSecond);
        QFETCH(QString, text);
        stats_results_t r = zeroRecord();
        r.rx.rateL1.bytesPerSecond = bytesPerSecond;
        r.tx.rateL3.bytesPerSecond = bytesPerSecond;
        memset(r.rx.rateL1.unused, 0xFF, sizeof r.rx.rateL1.unused);
        memset(r.tx.rateL3.unused, 0xFF, sizeof r.tx.rateL3.unused);
        const StatsPortView v = statsPortView(r);
        QCOMPARE(v.rx.rateL1, text);
        QCOMPARE(v.tx.rateL3, text);
    }

    // Every slot lands in its own text: a record whose slots all differ.
    void slotsInPlace()
    {
        stats_results_t r;
        auto *words = reinterpret_cast<uint64_t *>(&r);
        for (int i = 0; i < int(sizeof r / 8); ++i)
            words[i] = uint64_t(i + 1);
        const StatsPortView v = statsPortView(r);
        QCOMPARE(v.rx.bytes, QString("1"));
        QCOMPARE(v.rx.frames, QString("2"));
        QCOMPARE(v.rx.broadcast, QString("3"));
        QCOMPARE(v.rx.multicast, QString("4"));
        QCOMPARE(v.rx.unicast, QString("5"));
        QCOMPARE(v.crcErrors, QString("6"));
        QCOMPARE(v.jabber, QString("8"));
        for (int bin = 0; bin < StatsFrameSizeBins; ++bin)
            QCOMPARE(v.rx.sizes[bin], QString::number(9 + bin));
        QCOMPARE(v.rx.pause, QString("17"));
        QCOMPARE(v.runts, QString::number(9 + 6));
        // Tx half starts at slot 22 (offset 168).
        QCOMPARE(v.tx.bytes, QString("22"));
        QCOMPARE(v.tx.pause, QString("38"));
        QCOMPARE(v.tx.sizes[7], QString("37"));
        // Rates are the low 32 bits of their slots (little-endian).
        QCOMPARE(v.rx.rateL1, QString::number(19 * 8) + " bps");
        QCOMPARE(v.tx.rateL3, QString::number(42 * 8) + " bps");
    }
};

QTEST_MAIN(TestStatsFormat)
#include "tst_statsformat.moc"
