// The pure rules behind the synchronisation form: the choice of the source
// pair from the tester's source word, the GPS texts, the results texts and
// what Apply writes back.

#include "syncformat.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr uint32_t bits(std::initializer_list<int> sources)
{
    uint32_t m = 0;
    for (int s : sources)
        m |= 1u << s;
    return m;
}

sync_settings_t settings(uint32_t duration)
{
    sync_settings_t s;
    memset(&s, 0, sizeof s);
    s.duration = duration;
    return s;
}

sync_results_t results()
{
    sync_results_t r;
    memset(&r, 0, sizeof r);
    return r;
}

ntp_server_info_t ntp(uint8_t stratum, std::initializer_list<uint8_t> referenceId)
{
    ntp_server_info_t n;
    memset(&n, 0, sizeof n);
    n.server_ip = 0xC0A8000Au;
    n.version = 4;
    n.stratum = stratum;
    n.poll = 200;
    n.precision = -20;
    int i = 0;
    for (uint8_t b : referenceId)
        n.reference_id[i++] = b;
    return n;
}

} // namespace

class TestSyncFormat : public QObject
{
    Q_OBJECT

private slots:
    void sourceAvailability_data()
    {
        QTest::addColumn<uint>("mask");
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("available");
        QTest::newRow("RF set") << uint(bits({1})) << 1 << true;
        QTest::newRow("NTP 2 set") << uint(bits({5})) << 5 << true;
        QTest::newRow("GPS clear") << uint(bits({1, 2, 4, 5})) << 3 << false;
        QTest::newRow("0 names no source") << 0xFFFFFFFFu << 0 << false;
        QTest::newRow("6 is no source") << 0xFFFFFFFFu << 6 << false;
        QTest::newRow("31 is no source") << 0xFFFFFFFFu << 31 << false;
        // Beyond the word's width: no shift by 32 or more.
        QTest::newRow("32") << 0xFFFFFFFFu << 32 << false;
        QTest::newRow("200") << 0xFFFFFFFFu << 200 << false;
        QTest::newRow("255") << 0xFFFFFFFFu << 255 << false;
    }
    void sourceAvailability()
    {
        QFETCH(uint, mask);
        QFETCH(int, source);
        QFETCH(bool, available);
        QCOMPARE(syncSourceAvailable(mask, uint8_t(source)), available);
    }

    void selectSources_data()
    {
        QTest::addColumn<uint>("mask");
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("measured");
        QTest::addColumn<int>("newReference");
        QTest::addColumn<int>("newMeasured");
        QTest::addColumn<bool>("changed");
        QTest::newRow("NTP only, pair 0/0") << uint(bits({4, 5})) << 0 << 0 << 4 << 5 << true;
        QTest::newRow("pair kept") << uint(bits({1, 2, 3})) << 3 << 2 << 3 << 2 << false;
        QTest::newRow("first pair, not the nearest") << uint(bits({1, 4})) << 4 << 5 << 1 << 4 << true;
        QTest::newRow("equal pair kept") << uint(bits({4})) << 4 << 4 << 4 << 4 << false;
        QTest::newRow("one source: 0/0") << uint(bits({3})) << 3 << 2 << 0 << 0 << true;
        QTest::newRow("none and 0/0 stays") << 0u << 0 << 0 << 0 << 0 << false;
        QTest::newRow("bits outside the sources") << uint(bits({0, 6, 31})) << 1 << 2 << 0 << 0 << true;
        QTest::newRow("stored ids out of range") << uint(bits({2, 5})) << 200 << 33 << 2 << 5 << true;
    }
    void selectSources()
    {
        QFETCH(uint, mask);
        QFETCH(int, reference);
        QFETCH(int, measured);
        QFETCH(int, newReference);
        QFETCH(int, newMeasured);
        QFETCH(bool, changed);
        uint8_t r = uint8_t(reference);
        uint8_t m = uint8_t(measured);
        QCOMPARE(syncSelectAvailableSources(mask, r, m), changed);
        QCOMPARE(int(r), newReference);
        QCOMPARE(int(m), newMeasured);
    }

    void choicesAndOtherSource()
    {
        QCOMPARE(syncSourceChoices(bits({1, 2, 3})), QVector<uint8_t>({1, 2, 3}));
        QCOMPARE(syncSourceChoices(bits({1, 2, 3}), 3), QVector<uint8_t>({1, 2}));
        QCOMPARE(syncSourceChoices(0xFFFFFFFFu), QVector<uint8_t>({1, 2, 3, 4, 5}));
        QCOMPARE(int(syncOtherSource(bits({2, 4, 5}), 2)), 4);
        QCOMPARE(int(syncOtherSource(bits({2, 4, 5}), 4)), 2);
        QCOMPARE(int(syncOtherSource(bits({4}), 4)), 0);
    }

    void serverRows()
    {
        SyncServerRow r = syncServerRow(0, 0xC0A80032u);
        QCOMPARE(r.name, QString("BMCA"));
        QCOMPARE(r.address, QString("192.168.0.50"));
        r = syncServerRow(3, 0x0A000001u);
        QCOMPARE(r.name, QString("Server"));
        QCOMPARE(r.address, QString("10.0.0.1"));
        r = syncServerRow(0, 0);
        QCOMPARE(r.name, QString("None"));
        QCOMPARE(r.address, QString("-"));
        QCOMPARE(syncServerRowOf(9), 9);
        QCOMPARE(syncServerRowOf(10), -1);
        QCOMPARE(syncServerRowOf(255), -1);
    }

    // ---- GPS ------------------------------------------------------------------

    void coordinates_data()
    {
        QTest::addColumn<float>("degrees");
        QTest::addColumn<int>("hemisphere");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::newRow("south west") << 12.5f << 1 << "12.50000 S" << "12.50000 W";
        QTest::newRow("north east") << 45.25f << 0 << "45.25000 N" << "45.25000 E";
        QTest::newRow("only bit 0 counts") << 45.25f << 0xFE << "45.25000 N" << "45.25000 E";
        QTest::newRow("bit 0 among others") << 0.0f << 0x81 << "0.00000 S" << "0.00000 W";
        QTest::newRow("negative") << -3.125f << 0 << "-3.12500 N" << "-3.12500 E";
        // Far beyond what "%4.5f" was meant for: written whole, no buffer.
        QTest::newRow("largest float") << std::numeric_limits<float>::max() << 0
                                       << "340282346638528859811704183484516925440.00000 N"
                                       << "340282346638528859811704183484516925440.00000 E";
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 1 << "-" << "-";
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << 0 << "-" << "-";
    }
    void coordinates()
    {
        QFETCH(float, degrees);
        QFETCH(int, hemisphere);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QCOMPARE(gpsLatitudeText(degrees, uint8_t(hemisphere)), latitude);
        QCOMPARE(gpsLongitudeText(degrees, uint8_t(hemisphere)), longitude);
    }

    void dop_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.8") << 1.8f << "1.8";
        QTest::newRow("0") << 0.0f << "0";
        QTest::newRow("six digits") << 12.345678f << "12.3457";
        QTest::newRow("large") << 1234567.0f << "1.23457e+06";
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << "-";
        QTest::newRow("-inf") << -std::numeric_limits<float>::infinity() << "-";
    }
    void dop()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(gpsDopText(value), text);
    }

    void gpsView()
    {
        gps_info_t g;
        memset(&g, 0xEE, sizeof g);
        g.gps_sync = 1;
        g.pps_sync = 0;
        g.gps_time = 1700000000u;   // 22:13:20 14.11.23 UTC
        g.latitude = 59.93428f;
        g.longitude = 30.3351f;
        g.hemisphere = 0;
        g.pdop = 1.8f;
        g.hdop = 0.9f;
        g.vdop = 1.5f;
        g.satellites_used = 7;
        g.satellite_count = 2;
        g.satellites[0] = {2, 67, 112, 44, 1};
        g.satellites[1] = {9, 12, 65535, 24, 0};
        const SyncGpsView v = syncGpsView(g);
        QCOMPARE(v.info[GpsRowGpsSync], QString("Yes"));
        QCOMPARE(v.info[GpsRowPpsSync], QString("No"));
        QCOMPARE(v.info[GpsRowDate], QString("14.11.23"));
        QCOMPARE(v.info[GpsRowTime], QString("22:13:20"));
        QCOMPARE(v.info[GpsRowLatitude], QString("59.93428 N"));
        QCOMPARE(v.info[GpsRowLongitude], QString("30.33510 E"));
        QCOMPARE(v.info[GpsRowPdop], QString("1.8"));
        QCOMPARE(v.info[GpsRowHdop], QString("0.9"));
        QCOMPARE(v.info[GpsRowVdop], QString("1.5"));
        QCOMPARE(v.info[GpsRowSatellitesUsed], QString("7"));
        QCOMPARE(v.satelliteRows, 2);
        const QString first[] = {"2", "67", "112", "44", "Yes"};
        const QString second[] = {"9", "12", "65535", "24", "No"};
        for (int c = 0; c < SatelliteColumns; ++c) {
            QCOMPARE(v.satellite[0][c], first[c]);
            QCOMPARE(v.satellite[1][c], second[c]);
        }
        // Entries past the count are not shown.
        QVERIFY(v.satellite[2][SatColumnPrn].isNull());
    }

    void gpsWithoutSynchronisation()
    {
        gps_info_t g;
        memset(&g, 0, sizeof g);
        g.pps_sync = 1;
        g.gps_time = 1700000000u;
        g.satellite_count = 1;
        g.satellites[0] = {5, 1, 2, 3, 0};
        const SyncGpsView v = syncGpsView(g);
        QCOMPARE(v.info[GpsRowGpsSync], QString("No"));
        QCOMPARE(v.info[GpsRowPpsSync], QString("Yes"));
        for (int row = GpsRowDate; row < GpsInfoRows; ++row)
            QCOMPARE(v.info[row], QString("-"));
        // The satellite list is drawn all the same.
        QCOMPARE(v.satelliteRows, 1);
        QCOMPARE(v.satellite[0][SatColumnPrn], QString("5"));
    }

    void satelliteRowsBoundedByTheRecord_data()
    {
        QTest::addColumn<uint>("count");
        QTest::addColumn<int>("rows");
        QTest::newRow("0") << 0u << 0;
        QTest::newRow("31") << 31u << 31;
        QTest::newRow("32") << 32u << 32;
        QTest::newRow("33") << 33u << 32;
        QTest::newRow("200") << 200u << 32;
        QTest::newRow("largest") << 0xFFFFFFFFu << 32;
        QTest::newRow("top bit") << 0x80000000u << 32;
    }
    void satelliteRowsBoundedByTheRecord()
    {
        QFETCH(uint, count);
        QFETCH(int, rows);
        QCOMPARE(gpsSatelliteRows(count), rows);
        gps_info_t g;
        memset(&g, 0x11, sizeof g);
        g.satellite_count = count;
        // The block on the heap at its exact size: a read past its end is
        // caught by the address sanitizer.
        std::unique_ptr<gps_info_t> heap(new gps_info_t(g));
        const SyncGpsView v = syncGpsView(*heap);
        QCOMPARE(v.satelliteRows, rows);
        if (rows > 0)
            QCOMPARE(v.satellite[rows - 1][SatColumnPrn], QString("17"));
    }

    // ---- results --------------------------------------------------------------

    void missingRecordsGiveDashes()
    {
        const sync_settings_t s = settings(60);
        sync_results_t r = results();
        r.elapsed_time = 5;
        r.master.master_ip = 1;
        r.ntp1.server_ip = 1;
        for (const SyncResultsView &v : {syncResultsView(nullptr, nullptr), syncResultsView(&s, nullptr),
                                         syncResultsView(nullptr, &r)}) {
            QCOMPARE(v.elapsed, QString("-"));
            QCOMPARE(v.estimated, QString("-"));
            for (const QString &t : v.ptp)
                QCOMPARE(t, QString("-"));
            for (const auto &server : v.ntp) {
                for (const QString &t : server)
                    QCOMPARE(t, QString("-"));
            }
            for (const QString &t : v.result)
                QCOMPARE(t, QString("-"));
        }
    }

    void phaseRows_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("text");
        QTest::newRow("1500") << 1500 << "1.500 us";
        QTest::newRow("999") << 999 << "999 ns";
        QTest::newRow("1000") << 1000 << "1.000 us";
        QTest::newRow("-2.5 million") << -2500000 << "-2.500 ms";
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("largest") << std::numeric_limits<int32_t>::max() << "2.147 s";
    }
    void phaseRows()
    {
        QFETCH(int, phase);
        QFETCH(QString, text);
        const sync_settings_t s = settings(60);
        sync_results_t r = results();
        r.elapsed_time = 1;
        r.phase_instant = phase;
        r.phase_min = phase - 1000;
        r.phase_average = phase;
        r.phase_max = phase;
        const SyncResultsView v = syncResultsView(&s, &r);
        QCOMPARE(v.result[SyncRowPhaseInstant], text);
        QCOMPARE(v.result[SyncRowPhaseAverage], text);
        QCOMPARE(v.result[SyncRowPhaseMax], text);
    }

    // The record holds the average before the minimum; the rows show
    // instant, min, average, max.
    void phaseRowOrder()
    {
        const sync_settings_t s = settings(60);
        sync_results_t r = results();
        r.elapsed_time = 10;
        r.phase_instant = 1;
        r.phase_average = 2;
        r.phase_min = 3;
        r.phase_max = 4;
        const SyncResultsView v = syncResultsView(&s, &r);
        QCOMPARE(v.result[SyncRowPhaseInstant], QString("1 ns"));
        QCOMPARE(v.result[SyncRowPhaseMin], QString("3 ns"));
        QCOMPARE(v.result[SyncRowPhaseAverage], QString("2 ns"));
        QCOMPARE(v.result[SyncRowPhaseMax], QString("4 ns"));
    }

    void noSecondCountedYet()
    {
        const sync_settings_t s = settings(60);
        sync_results_t r = results();
        r.phase_instant = 1500;
        r.phase_min = std::numeric_limits<int32_t>::max();
        r.phase_max = std::numeric_limits<int32_t>::min();
        r.reference_time = 1700000000u;
        r.measured_time = 1700000010u;
        const SyncResultsView v = syncResultsView(&s, &r);
        for (int row = SyncRowPhaseInstant; row <= SyncRowPhaseMax; ++row)
            QCOMPARE(v.result[row], QString("-"));
        QCOMPARE(v.result[SyncRowTimeDiff], QString("00:00:10 00.00.00"));
        QCOMPARE(v.result[SyncRowReferenceTime], QString("22:13:20 14.11.23"));
        QCOMPARE(v.result[SyncRowMeasuredTime], QString("22:13:30 14.11.23"));
        QCOMPARE(v.elapsed, QString("00:00:00"));
        QCOMPARE(v.estimated, QString("00:01:00"));
    }

    void timeRows_data()
    {
        QTest::addColumn<uint>("reference");
        QTest::addColumn<uint>("measured");
        QTest::addColumn<QString>("diff");
        QTest::addColumn<QString>("referenceText");
        QTest::addColumn<QString>("measuredText");
        QTest::newRow("reference ten seconds behind") << 1700000000u << 1700000010u << "00:00:10 00.00.00"
                                                      << "22:13:20 14.11.23" << "22:13:30 14.11.23";
        QTest::newRow("a day and an hour ahead") << 1700090000u << 1700000000u << "01:00:00 01.00.00"
                                                 << "23:13:20 15.11.23" << "22:13:20 14.11.23";
        QTest::newRow("no reference") << 0u << 1700000000u << "-" << "-" << "22:13:20 14.11.23";
        QTest::newRow("no measured") << 1700000000u << 0u << "-" << "22:13:20 14.11.23" << "-";
        // The widest pair the two clocks can hold; no overflow.
        QTest::newRow("extremes") << 0xFFFFFFFFu << 1u << "06:28:14 00.02.36" << "06:28:15 07.02.06"
                                  << "00:00:01 01.01.70";
    }
    void timeRows()
    {
        QFETCH(uint, reference);
        QFETCH(uint, measured);
        QFETCH(QString, diff);
        QFETCH(QString, referenceText);
        QFETCH(QString, measuredText);
        const sync_settings_t s = settings(60);
        sync_results_t r = results();
        r.elapsed_time = 1;
        r.reference_time = reference;
        r.measured_time = measured;
        const SyncResultsView v = syncResultsView(&s, &r);
        QCOMPARE(v.result[SyncRowTimeDiff], diff);
        QCOMPARE(v.result[SyncRowReferenceTime], referenceText);
        QCOMPARE(v.result[SyncRowMeasuredTime], measuredText);
    }

    void remainingTime_data()
    {
        QTest::addColumn<uint>("duration");
        QTest::addColumn<uint>("elapsed");
        QTest::addColumn<QString>("elapsedText");
        QTest::addColumn<QString>("remaining");
        QTest::newRow("passed") << 3600u << 3725u << "01:02:05" << "00:00:00";
        QTest::newRow("no duration, started") << 0u << 5u << "00:00:05" << "-";
        QTest::newRow("no duration, not started") << 0u << 0u << "00:00:00" << "00:00:00";
        QTest::newRow("a third run") << 3600u << 1200u << "00:20:00" << "00:40:00";
        QTest::newRow("100000 s") << 100000u << 0u << "00:00:00" << "27:46:40";
        QTest::newRow("largest elapsed") << 60u << 0xFFFFFFFFu << "1193046:28:15" << "00:00:00";
    }
    void remainingTime()
    {
        QFETCH(uint, duration);
        QFETCH(uint, elapsed);
        QFETCH(QString, elapsedText);
        QFETCH(QString, remaining);
        const sync_settings_t s = settings(duration);
        sync_results_t r = results();
        r.elapsed_time = elapsed;
        const SyncResultsView v = syncResultsView(&s, &r);
        QCOMPARE(v.elapsed, elapsedText);
        QCOMPARE(v.estimated, remaining);
    }

    void ptpMaster()
    {
        ptp_master_info_t m;
        memset(&m, 0, sizeof m);
        QString rows[SyncPtpRows];
        syncPtpMasterRows(m, rows);
        for (const QString &t : rows)
            QCOMPARE(t, QString("-"));

        // Every field filled but no master address: still "-" everywhere.
        memset(&m, 0x5A, sizeof m);
        m.master_ip = 0;
        syncPtpMasterRows(m, rows);
        for (const QString &t : rows)
            QCOMPARE(t, QString("-"));

        m.master_ip = 0xC0A80032u;
        const uint8_t id[8] = {0x00, 0x1B, 0x19, 0xFF, 0xFE, 0x00, 0x00, 0x01};
        memcpy(m.clock_identity, id, sizeof id);
        m.port_number = 65535;
        m.domain = 24;
        m.announce_interval = -3;
        m.sync_interval = PtpIntervalNotGiven;
        m.clock_class = 248;
        m.clock_accuracy = 254;
        m.time_source = 160;
        m.utc_offset = -1;
        m.priority1 = 128;
        m.priority2 = 255;
        syncPtpMasterRows(m, rows);
        QCOMPARE(rows[SyncPtpRowAnnounceInterval], QString("-3"));
        QCOMPARE(rows[SyncPtpRowSyncInterval], QString("-"));
        QCOMPARE(rows[SyncPtpRowIpAddress], QString("192.168.0.50"));
        QCOMPARE(rows[SyncPtpRowId], QString("00-1B-19-FF-FE-00-00-01"));
        QCOMPARE(rows[SyncPtpRowPortNumber], QString("65535"));
        QCOMPARE(rows[SyncPtpRowDomain], QString("24"));
        QCOMPARE(rows[SyncPtpRowVersion], QString("2"));   // whatever the record holds
        QCOMPARE(rows[SyncPtpRowUtcOffset], QString("-1 s"));
        QCOMPARE(rows[SyncPtpRowClockClass], QString("248"));
        QCOMPARE(rows[SyncPtpRowClockAccuracy], QString("254"));
        QCOMPARE(rows[SyncPtpRowTimeSource], QString("0xA0"));
        QCOMPARE(rows[SyncPtpRowPriority1], QString("128"));
        QCOMPARE(rows[SyncPtpRowPriority2], QString("255"));
        m.time_source = 0x20;
        m.utc_offset = 37;
        syncPtpMasterRows(m, rows);
        QCOMPARE(rows[SyncPtpRowTimeSource], QString("0x20"));
        QCOMPARE(rows[SyncPtpRowUtcOffset], QString("37 s"));
    }

    void referenceId_data()
    {
        QTest::addColumn<int>("stratum");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("stratum 1, GPS") << 1 << QByteArray("\x47\x50\x53\x00", 4) << "GPS";
        QTest::newRow("stratum 1, four characters") << 1 << QByteArray("PPS1", 4) << "PPS1";
        QTest::newRow("stratum 0, kiss code") << 0 << QByteArray("RATE", 4) << "RATE";
        QTest::newRow("stratum 1, empty") << 1 << QByteArray("\0\0\0\0", 4) << "";
        QTest::newRow("stratum 1, control byte") << 1 << QByteArray("A\x01" "B\x00", 4) << "A?B";
        QTest::newRow("stratum 2, address") << 2 << QByteArray("\x01\x00\xA8\xC0", 4) << "192.168.0.1";
        QTest::newRow("stratum 15, address") << 15 << QByteArray("\x0A\x00\x00\x01", 4) << "1.0.0.10";
        QTest::newRow("stratum 255") << 255 << QByteArray("\0\0\0\0", 4) << "0.0.0.0";
    }
    void referenceId()
    {
        QFETCH(int, stratum);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        ntp_server_info_t n;
        memset(&n, 0, sizeof n);
        n.stratum = uint8_t(stratum);
        memcpy(n.reference_id, bytes.constData(), 4);
        QCOMPARE(ntpReferenceIdText(n), text);
    }

    void ntpTable()
    {
        ntp_server_info_t n = ntp(1, {0x47, 0x50, 0x53, 0x00});
        n.root_delay = (32768u << 16) | 1u;       // 1.5
        n.root_dispersion = (0u << 16) | 65535u;  // -1
        QString rows[NtpRows];
        syncNtpRows(n, rows);
        QCOMPARE(rows[NtpRowIpAddress], QString("192.168.0.10"));
        QCOMPARE(rows[NtpRowVersion], QString("4"));
        QCOMPARE(rows[NtpRowStratum], QString("1"));
        QCOMPARE(rows[NtpRowPoll], QString("200"));          // unsigned
        QCOMPARE(rows[NtpRowPrecision], QString("-20"));
        QCOMPARE(rows[NtpRowRootDelay], QString("1.5000 s"));
        QCOMPARE(rows[NtpRowRootDispersion], QString("-1.0000 s"));
        QCOMPARE(rows[NtpRowReferenceId], QString("GPS"));

        n.server_ip = 0;
        syncNtpRows(n, rows);
        for (const QString &t : rows)
            QCOMPARE(t, QString("-"));
    }

    void bothNtpServersInTheView()
    {
        const sync_settings_t s = settings(60);
        sync_results_t r = results();
        r.elapsed_time = 1;
        r.ntp2 = ntp(2, {0x01, 0x00, 0xA8, 0xC0});
        const SyncResultsView v = syncResultsView(&s, &r);
        QCOMPARE(v.ntp[0][NtpRowIpAddress], QString("-"));
        QCOMPARE(v.ntp[1][NtpRowIpAddress], QString("192.168.0.10"));
        QCOMPARE(v.ntp[1][NtpRowReferenceId], QString("192.168.0.1"));
    }

    // ---- written back -----------------------------------------------------------

    void writtenFlags_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("written");
        QTest::newRow("0 stays") << 0 << false << 0;
        QTest::newRow("1 stays") << 1 << true << 1;
        QTest::newRow("2 stays while ticked") << 2 << true << 2;
        QTest::newRow("2 unticked") << 2 << false << 0;
        QTest::newRow("0 ticked") << 0 << true << 1;
    }
    void writtenFlags()
    {
        QFETCH(int, stored);
        QFETCH(bool, on);
        QFETCH(int, written);
        QCOMPARE(int(syncWrittenFlag(uint8_t(stored), on)), written);
    }

    void writtenMode()
    {
        QCOMPARE(int(syncWrittenMode(0, false)), 0);
        QCOMPARE(int(syncWrittenMode(1, true)), 1);
        QCOMPARE(int(syncWrittenMode(7, false)), 7);   // shown as unicast, kept
        QCOMPARE(int(syncWrittenMode(7, true)), 1);
        QCOMPARE(int(syncWrittenMode(1, false)), 0);
    }

    void writtenServerIndex()
    {
        QCOMPARE(int(syncWrittenServerIndex(3, 5)), 5);
        QCOMPARE(int(syncWrittenServerIndex(3, -1)), 255);
        QCOMPARE(int(syncWrittenServerIndex(255, -1)), 255);
        QCOMPARE(int(syncWrittenServerIndex(200, -1)), 200);
        QCOMPARE(int(syncWrittenServerIndex(200, 0)), 0);
        QCOMPARE(int(syncWrittenServerIndex(0, 10)), 255);
    }
};

QTEST_APPLESS_MAIN(TestSyncFormat)
#include "tst_syncformat.moc"
