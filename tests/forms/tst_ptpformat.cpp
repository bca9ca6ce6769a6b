// The pure rules behind the PTP form: the master information rows, the
// results pages, the server list and what Apply writes back into the
// client block.

#include "ptpformat.h"
#include "records.h"

#include <QtTest>

#include <climits>
#include <cstring>

namespace {

constexpr uint32_t ip(int a, int b, int c, int d)
{
    return uint32_t(a) << 24 | uint32_t(b) << 16 | uint32_t(c) << 8 | uint32_t(d);
}

ptp_master_info_t master()
{
    ptp_master_info_t m;
    memset(&m, 0, sizeof m);
    m.master_ip = ip(10, 1, 2, 3);
    const uint8_t id[8] = {0x00, 0x1B, 0x19, 0xFF, 0xFE, 0x00, 0x00, 0x01};
    memcpy(m.clock_identity, id, sizeof id);
    m.port_number = 65535;
    m.domain = 24;
    m.announce_interval = -3;
    m.sync_interval = PtpIntervalNotGiven;
    m.clock_class = 6;
    m.clock_accuracy = 33;
    m.time_source = 160;
    m.utc_offset = 37;
    m.priority1 = 128;
    m.priority2 = 255;
    return m;
}

ptp_settings_t settings(uint32_t duration)
{
    ptp_settings_t s;
    memset(&s, 0, sizeof s);
    s.duration = duration;
    return s;
}

ptp_results_t results()
{
    ptp_results_t r;
    memset(&r, 0, sizeof r);
    r.master = master();
    return r;
}

} // namespace

class TestPtpFormat : public QObject
{
    Q_OBJECT

private slots:
    void masterInformationRows()
    {
        const ptp_master_info_t m = master();
        const PtpMasterInfoView v = ptpMasterInfoView(&m);
        const QStringList expected{"-3", "-", "10.1.2.3", "00-1B-19-FF-FE-00-00-01", "65535", "24", "2",
                                   "37 s", "6", "33", "0xA0", "128", "255"};
        QCOMPARE(expected.size(), int(PtpInfoRows));
        for (int row = 0; row < PtpInfoRows; ++row)
            QCOMPARE(v.row[row], expected.at(row));
    }

    // No master known yet, or no record at all: nothing but dashes.
    void masterInformationWithoutMaster()
    {
        ptp_master_info_t m = master();
        m.master_ip = 0;
        for (const ptp_master_info_t *block : {static_cast<const ptp_master_info_t *>(&m),
                                               static_cast<const ptp_master_info_t *>(nullptr)}) {
            const PtpMasterInfoView v = ptpMasterInfoView(block);
            for (const QString &text : v.row)
                QCOMPARE(text, QStringLiteral("-"));
        }
    }

    // The block read straight from the bytes the tester sends (little-endian
    // multi-byte fields, the clock identity in wire order).
    void masterInformationFromWireBytes()
    {
        const QByteArray wire = QByteArray::fromHex("0302010a" "001b19fffe000001" "3930" "05" "fd" "7f"
                                                    "06" "21" "a0" "ffff" "80" "7f");
        QCOMPARE(wire.size(), int(sizeof(ptp_master_info_t)));
        ptp_master_info_t m;
        memcpy(&m, wire.constData(), sizeof m);
        const PtpMasterInfoView v = ptpMasterInfoView(&m);
        QCOMPARE(v.row[PtpRowIpAddress], QStringLiteral("10.1.2.3"));
        QCOMPARE(v.row[PtpRowId], QStringLiteral("00-1B-19-FF-FE-00-00-01"));
        QCOMPARE(v.row[PtpRowPortNumber], QStringLiteral("12345"));
        QCOMPARE(v.row[PtpRowDomain], QStringLiteral("5"));
        QCOMPARE(v.row[PtpRowAnnounceInterval], QStringLiteral("-3"));
        QCOMPARE(v.row[PtpRowSyncInterval], QStringLiteral("-"));
        QCOMPARE(v.row[PtpRowTimeSource], QStringLiteral("0xA0"));
        QCOMPARE(v.row[PtpRowUtcOffset], QStringLiteral("-1 s"));
        QCOMPARE(v.row[PtpRowPriority1], QStringLiteral("128"));
        QCOMPARE(v.row[PtpRowPriority2], QStringLiteral("127"));
    }

    void intervalText_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("text");
        QTest::newRow("-3") << -3 << "-3";
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("5") << 5 << "5";
        QTest::newRow("beyond the edited range") << -128 << "-128";
        QTest::newRow("not given") << 127 << "-";
    }
    void intervalText()
    {
        QFETCH(int, interval);
        QFETCH(QString, text);
        QCOMPARE(ptpIntervalText(int8_t(interval)), text);
    }

    void utcOffsetAndTimeSource_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("offsetText");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("sourceText");
        QTest::newRow("37 s, 0xA0") << 37 << "37 s" << 160 << "0xA0";
        QTest::newRow("-1 s, 0x20") << -1 << "-1 s" << 32 << "0x20";
        QTest::newRow("0 s, zero-padded") << 0 << "0 s" << 10 << "0x0A";
        QTest::newRow("extremes") << int(INT16_MIN) << "-32768 s" << 255 << "0xFF";
    }
    void utcOffsetAndTimeSource()
    {
        QFETCH(int, offset);
        QFETCH(QString, offsetText);
        QFETCH(int, source);
        QFETCH(QString, sourceText);
        QCOMPARE(ptpUtcOffsetText(int16_t(offset)), offsetText);
        QCOMPARE(ptpTimeSourceText(uint8_t(source)), sourceText);
    }

    void statisticsPage_data()
    {
        QTest::addColumn<uint>("announce");
        QTest::addColumn<uint>("sync");
        QTest::addColumn<uint>("followUp");
        QTest::addColumn<uint>("delayResp");
        QTest::addColumn<uint>("delayReq");
        QTest::addColumn<QString>("rxTotal");
        QTest::newRow("1+2+3+4, 9 sent") << 1u << 2u << 3u << 4u << 9u << "10";
        QTest::newRow("nothing") << 0u << 0u << 0u << 0u << 0u << "0";
        // The tester's counters are 32 bits; so is their total.
        QTest::newRow("total wraps") << 0xFFFFFFFFu << 2u << 0u << 0u << 0xFFFFFFFFu << "1";
    }
    void statisticsPage()
    {
        QFETCH(uint, announce);
        QFETCH(uint, sync);
        QFETCH(uint, followUp);
        QFETCH(uint, delayResp);
        QFETCH(uint, delayReq);
        QFETCH(QString, rxTotal);
        ptp_results_t r = results();
        r.rx_announce = announce;
        r.rx_sync = sync;
        r.rx_follow_up = followUp;
        r.rx_delay_resp = delayResp;
        r.tx_delay_req = delayReq;
        const ptp_settings_t s = settings(60);
        const PtpResultsView v = ptpResultsView(&s, &r);
        QCOMPARE(v.rx[PtpRowRxFrames], rxTotal);
        QCOMPARE(v.rx[PtpRowRxAnnounce], QString::number(announce));
        QCOMPARE(v.rx[PtpRowRxSync], QString::number(sync));
        QCOMPARE(v.rx[PtpRowRxFollowUp], QString::number(followUp));
        QCOMPARE(v.rx[PtpRowRxDelayResp], QString::number(delayResp));
        QCOMPARE(v.tx[PtpRowTxFrames], QString::number(delayReq));
        QCOMPARE(v.tx[PtpRowTxDelayReq], QString::number(delayReq));
        // Counters do not depend on a known master.
        r.master.master_ip = 0;
        QCOMPARE(ptpResultsView(&s, &r).rx[PtpRowRxFrames], rxTotal);
    }

    void runTimes_data()
    {
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("now");
        QTest::addColumn<uint>("planned");
        QTest::addColumn<uint>("setDuration");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<QString>("estimate");
        QTest::newRow("past the plan") << 1000u << 1075u << 60u << 60u << "00:01:15" << "00:00:00";
        QTest::newRow("under way") << 1000u << 1010u << 60u << 60u << "00:00:10" << "00:00:50";
        QTest::newRow("no set duration: no estimate") << 1000u << 1010u << 60u << 0u << "00:00:10" << "-";
        QTest::newRow("clock behind the start") << 1000u << 990u << 60u << 60u << "00:00:00" << "00:01:00";
        QTest::newRow("hours not wrapped") << 0u << 360000u << 0u << 1u << "100:00:00" << "00:00:00";
    }
    void runTimes()
    {
        QFETCH(uint, start);
        QFETCH(uint, now);
        QFETCH(uint, planned);
        QFETCH(uint, setDuration);
        QFETCH(QString, elapsed);
        QFETCH(QString, estimate);
        ptp_results_t r = results();
        r.start_time = start;
        r.current_time = now;
        r.test_duration = planned;
        const ptp_settings_t s = settings(setDuration);
        const PtpResultsView v = ptpResultsView(&s, &r);
        QCOMPARE(v.elapsed, elapsed);
        QCOMPARE(v.estimate, estimate);
    }

    void measuringPage_data()
    {
        QTest::addColumn<int>("ns");
        QTest::addColumn<QString>("text");
        QTest::newRow("1500") << 1500 << "1.500 us";
        QTest::newRow("-250") << -250 << "-250 ns";
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("999") << 999 << "999 ns";
        QTest::newRow("1000") << 1000 << "1.000 us";
        QTest::newRow("1 000 000") << 1000000 << "1.000 ms";
        QTest::newRow("1 000 000 000") << 1000000000 << "1000.000 ms";
        QTest::newRow("2 000 000 000") << 2000000000 << "2.000 s";
        QTest::newRow("most negative") << int(INT32_MIN) << "-2.147 s";
    }
    void measuringPage()
    {
        QFETCH(int, ns);
        QFETCH(QString, text);
        ptp_results_t r = results();
        r.measure_valid = 1;
        r.tms = r.tsm = r.t_average = r.offset = r.sync_pdv = ns;
        const ptp_settings_t s = settings(60);
        const PtpResultsView v = ptpResultsView(&s, &r);
        for (const QString &shown : v.measure)
            QCOMPARE(shown, text);
    }

    void measuringPageFieldsInOrder()
    {
        ptp_results_t r = results();
        r.measure_valid = 1;
        r.tms = 1500;
        r.tsm = -250;
        r.t_average = 1000000000;
        r.offset = 2000000000;
        r.sync_pdv = 0;
        const ptp_settings_t s = settings(60);
        const PtpResultsView v = ptpResultsView(&s, &r);
        QCOMPARE(v.measure[PtpRowTms], QStringLiteral("1.500 us"));
        QCOMPARE(v.measure[PtpRowTsm], QStringLiteral("-250 ns"));
        QCOMPARE(v.measure[PtpRowTAverage], QStringLiteral("1000.000 ms"));
        QCOMPARE(v.measure[PtpRowOffset], QStringLiteral("2.000 s"));
        QCOMPARE(v.measure[PtpRowSyncPdv], QStringLiteral("0"));

        // Not valid: dashes whatever the values hold; any non-zero flag is valid.
        r.measure_valid = 0;
        for (const QString &shown : ptpResultsView(&s, &r).measure)
            QCOMPARE(shown, QStringLiteral("-"));
        r.measure_valid = 0x80;
        QCOMPARE(ptpResultsView(&s, &r).measure[PtpRowTms], QStringLiteral("1.500 us"));
    }

    // Either record missing: every line of every page reads "-".
    void pagesWithoutARecord()
    {
        ptp_results_t r = results();
        r.rx_sync = 5;
        r.measure_valid = 1;
        r.tms = 1500;
        const ptp_settings_t s = settings(60);
        const PtpResultsView views[] = {ptpResultsView(nullptr, &r), ptpResultsView(&s, nullptr),
                                        ptpResultsView(nullptr, nullptr)};
        for (const PtpResultsView &v : views) {
            QStringList all{v.elapsed, v.estimate};
            for (const QString &t : v.info.row)
                all << t;
            for (const QString &t : v.rx)
                all << t;
            for (const QString &t : v.tx)
                all << t;
            for (const QString &t : v.measure)
                all << t;
            QCOMPARE(all.size(), 2 + PtpInfoRows + PtpRxRows + PtpTxRows + PtpMeasureRows);
            for (const QString &t : all)
                QCOMPARE(t, QStringLiteral("-"));
        }
    }

    void serverRows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<uint>("address");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("entry 0 is the BMCA entry") << 0 << uint(ip(192, 168, 0, 10)) << "BMCA" << "192.168.0.10";
        QTest::newRow("entry 1") << 1 << uint(ip(10, 0, 0, 1)) << "Server" << "10.0.0.1";
        QTest::newRow("entry 9") << 9 << uint(ip(255, 255, 255, 255)) << "Server" << "255.255.255.255";
        QTest::newRow("empty entry 0") << 0 << 0u << "None" << "-";
        QTest::newRow("empty entry 5") << 5 << 0u << "None" << "-";
    }
    void serverRows()
    {
        QFETCH(int, index);
        QFETCH(uint, address);
        QFETCH(QString, name);
        QFETCH(QString, text);
        const PtpServerRow row = ptpServerRow(index, address);
        QCOMPARE(row.name, name);
        QCOMPARE(row.address, text);
    }

    void serverRowOfIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("row");
        QTest::newRow("BMCA") << 0 << 0;
        QTest::newRow("last server") << 9 << 9;
        QTest::newRow("beyond the list") << 10 << -1;
        QTest::newRow("none") << 255 << -1;
    }
    void serverRowOfIndex()
    {
        QFETCH(int, index);
        QFETCH(int, row);
        QCOMPARE(ptpServerRowOf(uint8_t(index)), row);
    }

    // Apply writes back the stored byte while the widget shows what it
    // means, and 1 or 0 once the operator chose otherwise.
    void writtenModeAndFlags_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("flag");
        QTest::newRow("0, off/unicast kept") << 0 << false << 0 << 0;
        QTest::newRow("1, on/multicast kept") << 1 << true << 1 << 1;
        QTest::newRow("0 changed to on/multicast") << 0 << true << 1 << 1;
        QTest::newRow("1 changed to off/unicast") << 1 << false << 0 << 0;
        // 2 reads as unicast and as a ticked flag.
        QTest::newRow("2 left as shown") << 2 << false << 2 << 0;
        QTest::newRow("2 as the other choice") << 2 << true << 1 << 2;
        QTest::newRow("255 unicast, flag on") << 255 << false << 255 << 0;
    }
    void writtenModeAndFlags()
    {
        QFETCH(int, stored);
        QFETCH(bool, chosen);
        QFETCH(int, mode);
        QFETCH(int, flag);
        QCOMPARE(int(ptpWrittenMode(uint8_t(stored), chosen)), mode);
        QCOMPARE(int(ptpWrittenFlag(uint8_t(stored), chosen)), flag);
        // What is written reads as what was chosen.
        QCOMPARE(ptpIsMulticast(uint8_t(mode)), chosen);
        QCOMPARE(flag != 0, chosen);
    }

    void writtenServerIndex_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("currentRow");
        QTest::addColumn<int>("written");
        QTest::newRow("chosen row") << 3 << 5 << 5;
        QTest::newRow("BMCA row") << 12 << 0 << 0;
        QTest::newRow("no row, none stored") << 255 << -1 << 255;
        QTest::newRow("no row, index beyond the list kept") << 12 << -1 << 12;
        QTest::newRow("no row although one was stored") << 3 << -1 << 255;
        QTest::newRow("row beyond the table") << 3 << 10 << 255;
    }
    void writtenServerIndex()
    {
        QFETCH(int, stored);
        QFETCH(int, currentRow);
        QFETCH(int, written);
        QCOMPARE(int(ptpWrittenServerIndex(uint8_t(stored), currentRow)), written);
    }
};

QTEST_MAIN(TestPtpFormat)
#include "tst_ptpformat.moc"
