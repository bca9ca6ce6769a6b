// The synchronisation report: a fixture built from the layout, rendered
// through the real writer and read back with pdftotext; the satellite count
// kept inside the record, the two NTP columns level on one page wherever the
// page breaks, and the phase rows as the report words them.

#include "../support/reportfixture.h"
#include "syncrecords.h"

#include <QtTest>

#include <limits>

namespace {

constexpr int PageWidth = 9917;
constexpr int PageHeight = 14033;
constexpr int Left = PageWidth * 2 / 21;
constexpr int Near = 8;   // device units of slack for poppler's rounding

ntp_server_info_t ntpServer(uint32_t address, uint8_t stratum, const uint8_t (&reference)[4])
{
    ntp_server_info_t n{};
    n.server_ip = address;
    n.version = 4;
    n.stratum = stratum;
    n.poll = 200;   // shown unsigned
    n.precision = -20;
    n.root_delay = 0x80000001u;        // 1 + 0.5
    n.root_dispersion = 0x0000FFFFu;   // -1
    std::memcpy(n.reference_id, reference, sizeof n.reference_id);
    return n;
}

sync_settings_t syncSettings(uint32_t satellites)
{
    sync_settings_t s{};
    s.reference = SyncSourceGps;
    s.measured = SyncSourcePtp;
    s.duration = 3600;
    s.relative_time_interval = 1;
    s.ptp.mode = PtpModeUnicast;
    s.ptp.domain = 24;
    s.ptp.master_ip = 0xC0A80164;
    s.ptp.unicast_negotiation = 1;
    s.ptp.announce_interval = -3;
    s.ptp.sync_interval = -4;
    s.convert_to_utc = 1;
    s.servers[0] = 0xC0A80101;
    s.servers[2] = 0xC0A80103;
    s.ntp1_ip = 0x0A000001;
    s.ntp1_port = 123;
    s.ntp1_interval = 16;
    s.ntp2_ip = 0x0A000002;
    s.ntp2_port = 1234;
    s.ntp2_interval = 60;
    gps_info_t &g = s.gps;
    g.gps_sync = 1;
    g.pps_sync = 0;
    g.gps_time = 1700000000;   // 22:13:20 14.11.23
    g.latitude = 1234.5f;
    g.longitude = 2345.25f;
    g.hemisphere = 1;
    g.pdop = 1.25f;
    g.hdop = 0.9f;
    g.vdop = 2.0f;
    g.satellites_used = 7;
    for (int k = 0; k < GpsSatelliteCapacity; ++k)
        g.satellites[k] = gps_satellite_t{uint8_t(100 + k), uint8_t(k), uint16_t(300 + k), uint8_t(40 + k), uint8_t(k % 2)};
    g.satellite_count = satellites;
    return s;
}

sync_results_t syncResults()
{
    sync_results_t r{};
    r.elapsed_time = 100;
    r.phase_instant = 1500;
    r.phase_average = -2500;
    r.phase_min = std::numeric_limits<int32_t>::max();
    r.phase_max = std::numeric_limits<int32_t>::min();
    r.reference_time = 1000;
    r.measured_time = 1090;
    ptp_master_info_t &m = r.master;
    m.master_ip = 0xC0A80101;
    const uint8_t id[] = {0x00, 0x1A, 0x2B, 0xFF, 0xFE, 0x3C, 0x4D, 0x5E};
    std::memcpy(m.clock_identity, id, sizeof id);
    m.port_number = 2;
    m.domain = 24;
    m.announce_interval = -3;
    m.sync_interval = PtpIntervalNotGiven;
    m.clock_class = 6;
    m.clock_accuracy = 33;
    m.time_source = 0x0B;
    m.utc_offset = 37;
    m.priority1 = 128;
    m.priority2 = 127;
    r.ntp1 = ntpServer(0x0A000001, 1, {'G', 'P', 'S', 0});
    r.ntp2 = ntpServer(0, 1, {'X', 'X', 'X', 'X'});
    std::memset(r.reserved2, 0xAB, sizeof r.reserved2);   // not read
    return r;
}

QByteArray syncReport(const sync_settings_t &s, const sync_results_t &r)
{
    return ReportFixture(TestSync).settings(s).results(r).bytes();
}

} // namespace

class TestPdfSync : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void report_data();
    void report();
    void satelliteCount_data();
    void satelliteCount();
    void ntpColumnsLevelOnOnePage_data();
    void ntpColumnsLevelOnOnePage();
    void ntpColumnsMovedTogether();

private:
    QTemporaryDir m_dir;
    QString m_pdf;
};

void TestPdfSync::init()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
    QFile::remove(m_pdf);
}

void TestPdfSync::report_data()
{
    addFixtureColumns();
    const QString delta = QChar(0x0394);   // the Greek capital delta, not the increment sign
    QTest::newRow("fixture")
        << syncReport(syncSettings(3), syncResults())
        << Rows{{"Synchronization report"},
                {"Settings", "Reference", "GPS", "Measured", "PTP", "Duration", "01:00:00", "Relative time interval",
                 "PTP settings", "Unicast", "Multicast", "Domain auto detection", "Domain", "24", "IP PTP Master",
                 "192.168.1.100", "Unicast negotiation", "Announce interval", "-3", "Sync interval", "-4",
                 "Convert PTP time to UTC"},
                {"PTP servers list", "1", "BMCA", "192.168.1.1", "2", "None", "-", "3", "Server", "192.168.1.3",
                 "4", "None", "-"},
                {"PTP information", "Announce interval", "-3", "Sync interval", "-", "IP address", "192.168.1.1",
                 "ID", "00-1A-2B-FF-FE-3C-4D-5E", "Port number", "2", "Domain", "24", "PTP version", "2",
                 "UTC offset", "37 s", "Clock class", "6", "Clock accuracy", "33", "Time source", "0x0B",
                 "Priority 1", "128", "Priority 2", "127"},
                {"GPS data", "GPS sync", "Yes", "PPS sync", "No", "Date", "14.11.23", "Time", "22:13:20", "Latitude",
                 "1234.50000 S", "Longitude", "2345.25000 W", "PDOP", "1.25", "HDOP", "0.9", "VDOP", "2",
                 "Satellites used", "7"},
                {"GPS satellites", "PRN", "Angle", "Azimuth", "SNR", "Use", "100", "0", "300", "40", "No", "101", "1",
                 "301", "41", "Yes", "102", "2", "302", "42", "No", "NTP 1 Settings"},
                {"NTP 1 Settings", "IP address", "10.0.0.1", "UDP port", "123", "Interval, s", "16"},
                {"NTP 2 Settings", "IP address", "10.0.0.2", "UDP port", "1234", "Interval, s", "60"},
                {"NTP 1 Information", "NTP 2 Information"},
                {"IP address", "10.0.0.1", "IP address", "-"}, {"NTP version", "4", "NTP version", "-"},
                {"Stratum", "1", "Stratum", "-"}, {"Poll interval", "200", "Poll interval", "-"},
                {"Precision", "-20", "Precision", "-"}, {"Root delay", "1.5000 s", "Root delay", "-"},
                {"Root dispersion", "-1.0000 s", "Root dispersion", "-"},
                {"Ref. identifier", "GPS", "Ref. identifier", "-"},
                {"Results", "Elapsed time", "00:01:40", "Remaining time", "00:58:20", delta + "Ph inst.", "1.500 us",
                 delta + "Ph min", "-", delta + "Ph avg.", "-2.500 us", delta + "Ph max", "-", "Time/Date diff.",
                 "00:01:30 00.00.00", "Base T/D", "00:16:40 01.01.70", "Meas. T/D", "00:18:10 01.01.70"}}
        << Rows{{"103"}, {"XXXX"}, {QString(QChar(0x2206))}};

    sync_settings_t off = syncSettings(0);
    off.gps.gps_sync = 0;
    off.gps.pps_sync = 1;
    off.reference = 9;
    off.ptp.mode = PtpModeMulticast;
    sync_results_t idle = syncResults();
    idle.master.master_ip = 0;
    idle.elapsed_time = 3700;
    idle.phase_instant = 0;
    idle.phase_min = -1500;
    idle.phase_max = 2500;
    idle.reference_time = 1090;
    idle.measured_time = 1000;
    idle.ntp1 = ntpServer(0x0A000005, 3, {0x01, 0x00, 0x00, 0x0A});   // 10.0.0.1 in the system's encoding
    QTest::newRow("no fix, no master, stratum 3, run over, clocks reversed")
        << syncReport(off, idle)
        << Rows{{"Reference", "No source"},
                {"GPS data", "GPS sync", "No", "PPS sync", "Yes", "Date", "-", "Time", "-", "Latitude", "-",
                 "Longitude", "-", "PDOP", "-", "HDOP", "-", "VDOP", "-", "Satellites used", "-", "NTP 1 Settings"},
                {"PTP information", "Announce interval", "-", "Sync interval", "-", "IP address", "-", "ID", "-",
                 "Port number", "-", "Domain", "-", "PTP version", "-", "UTC offset", "-", "Clock class", "-",
                 "Clock accuracy", "-", "Time source", "-", "Priority 1", "-", "Priority 2", "-"},
                {"IP address", "10.0.0.5", "IP address", "-"}, {"Ref. identifier", "10.0.0.1"},
                {"Elapsed time", "01:01:40", "Remaining time", "00:00:00", delta + "Ph inst.", "0", delta + "Ph min",
                 "-1.500 us", delta + "Ph avg.", "-2.500 us", delta + "Ph max", "2.500 us", "Time/Date diff.",
                 "00:01:30 00.00.00"}}
        << Rows{{"GPS satellites"}, {"1234.50000"}, {"00-1A-2B-FF-FE-3C-4D-5E"}};

    sync_results_t oneClock = syncResults();
    oneClock.measured_time = 0;
    oneClock.elapsed_time = 0;   // the report shows the phase values the record holds from the start
    sync_settings_t north = syncSettings(1);
    north.gps.hemisphere = 2;
    north.gps.pdop = std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("one clock, northern and eastern, NaN PDOP")
        << syncReport(north, oneClock)
        << Rows{{"Latitude", "1234.50000 N"}, {"Longitude", "2345.25000 E"}, {"PDOP", "-"},
                {"Time/Date diff.", "-", "Base T/D", "00:16:40 01.01.70", "Meas. T/D", "-"},
                {delta + "Ph inst.", "1.500 us"}, {"Remaining time", "01:00:00"}}
        << Rows{{"101"}};
}

void TestPdfSync::report()
{
    QFETCH(QByteArray, report);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    const QString faults = fixtureFaults(report, m_pdf, rows, absent);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

void TestPdfSync::satelliteCount_data()
{
    QTest::addColumn<uint>("count");
    QTest::addColumn<int>("rows");
    QTest::newRow("none") << 0u << 0;
    QTest::newRow("negative") << uint(-1) << 0;
    QTest::newRow("most negative") << 0x80000000u << 0;
    QTest::newRow("one") << 1u << 1;
    QTest::newRow("the whole table") << 32u << 32;
    QTest::newRow("more than the record holds") << 1000u << 32;
}

void TestPdfSync::satelliteCount()
{
    // The satellite rows: at most the 32 the record holds; none, and no
    // section, for a count of 0 or below.
    QFETCH(uint, count);
    QFETCH(int, rows);
    QVERIFY(renderReport(syncReport(syncSettings(count), syncResults()), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QString faults = pageFaults(words, PageHeight - 500 - 200);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
    const QString text = pdfText(m_pdf);
    QCOMPARE(findPhrase(words, QStringLiteral("GPS satellites")).size(), rows ? 1 : 0);
    for (int k = 0; k < GpsSatelliteCapacity; ++k) {
        const QString prn = QString::number(100 + k);
        QCOMPARE(hasRow(text, {prn, QString::number(k), QString::number(300 + k)}), k < rows);
    }
    // Without the section no blank row is left: the NTP 1 settings follow
    // the GPS data one row apart.
    if (rows == 0) {
        const QList<PdfWord> used = findPhrase(words, QStringLiteral("Satellites used"));
        const QList<PdfWord> ntp = findPhrase(words, QStringLiteral("NTP 1 Settings"));
        QCOMPARE(used.size(), 1);
        QCOMPARE(ntp.size(), 1);
        if (used.first().page == ntp.first().page)
            QVERIFY(qAbs(ntp.first().top - used.first().top - 2 * 200) < Near);
    }
}

void TestPdfSync::ntpColumnsLevelOnOnePage_data()
{
    // Each satellite row moves the NTP columns 200 lower: some count puts
    // them across a page break.
    QTest::addColumn<uint>("count");
    for (uint n = 1; n <= 32; ++n)
        QTest::addRow("%u satellites", n) << n;
}

void TestPdfSync::ntpColumnsLevelOnOnePage()
{
    QFETCH(uint, count);
    QVERIFY(renderReport(syncReport(syncSettings(count), syncResults()), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QString faults = pageFaults(words, PageHeight - 500 - 200);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
    const QList<PdfWord> left = findPhrase(words, QStringLiteral("NTP 1 Information"));
    const QList<PdfWord> right = findPhrase(words, QStringLiteral("NTP 2 Information"));
    QCOMPARE(left.size(), 1);
    QCOMPARE(right.size(), 1);
    QCOMPARE(right.first().page, left.first().page);
    QVERIFY(qAbs(right.first().top - left.first().top) < 1);
    QVERIFY(qAbs(left.first().left - (Left + 30)) < Near);
    QVERIFY(qAbs(right.first().left - (Left + 4100 + 30)) < Near);
    // The results follow one blank row below the eight rows of both.
    const QList<PdfWord> results = findPhrase(words, QStringLiteral("Results"));
    QCOMPARE(results.size(), 1);
    if (results.first().page == left.first().page)
        QVERIFY(qAbs(results.first().top - left.first().top - 10 * 200) < Near);
}

void TestPdfSync::ntpColumnsMovedTogether()
{
    // With one satellite the NTP 1 title does not find its rows' room at
    // the foot of page 2: both columns start page 3, level at its top.
    QVERIFY(renderReport(syncReport(syncSettings(1), syncResults()), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QList<PdfWord> settings = findPhrase(words, QStringLiteral("NTP 2 Settings"));
    const QList<PdfWord> left = findPhrase(words, QStringLiteral("NTP 1 Information"));
    const QList<PdfWord> right = findPhrase(words, QStringLiteral("NTP 2 Information"));
    QCOMPARE(settings.first().page, 2);
    QCOMPARE(left.first().page, 3);
    QCOMPARE(right.first().page, 3);
    QVERIFY(qAbs(left.first().top - right.first().top) < 1);
    QVERIFY(left.first().top < PageHeight / 15 + 200);
    const QString faults = pageFaults(words, PageHeight - 500 - 200);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

QTEST_MAIN(TestPdfSync)
#include "tst_pdfsync.moc"
