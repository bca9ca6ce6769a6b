// Each report writer: a fixture report built from the layout and the test's
// records, rendered through the real writer, its rows read back with
// pdftotext. One strong fixture per writer, and the cases where its numbers
// could go wrong.

#include "bertrecords.h"
#include "cablerecords.h"
#include "jitterrecords.h"
#include "mdirecords.h"
#include "rateunits.h"
#include "../support/reportfixture.h"
#include "sfprecords.h"
#include "statsrecords.h"
#include "trafficrecords.h"

#include <QtTest>

#include <limits>

namespace {

header_settings_t udpHeader()
{
    header_settings_t h{};
    h.level3 = 1;
    h.level4 = 1;
    h.qosMode = QosDscp;
    h.dscp = 46 << DscpShift;
    h.ipDest = 0x0A000002;
    h.ttl = 128;
    h.udpSrc = 7;
    h.udpDst = 9;
    return h;
}

traffic_settings_t trafficSettings()
{
    traffic_settings_t s{};
    s.header = udpHeader();
    s.rateUnit = 6;   // only the two low bits count: kbps
    s.rate = 750;
    s.flrThreshold = 0.001f;
    s.packetLength = 1518;
    s.duration = 25 * 3600 + 61;
    s.learningInterval = 150;
    s.waitInterval = 2500;
    return s;
}

traffic_results_t trafficResults()
{
    traffic_results_t r{};
    r.startTime = 5000;
    r.currentTime = 5100;
    r.estimatedTime = 60;
    r.status = StatusOk;
    r.txFrames = 1000;
    r.rxFrames = 990;
    r.txBytes = 5000000000ull;
    r.rate = 125001;
    r.pdv = 1500;
    r.latency = 2500000;
    r.lostFrames = 12345;   // not read by the report: the loss is Tx - Rx
    r.runts = 5;
    r.jabber = 0;
    r.crcErrors = 2;
    r.pause = 3;
    return r;
}

jitter_settings_t jitterSettings()
{
    jitter_settings_t s{};
    s.packetLength = 512;
    s.rate = 250;
    s.rateUnit = RateUnitKbps;
    s.duration = 3600;
    s.threshold = 10;
    s.header = udpHeader();
    return s;
}

jitter_results_t jitterResults()
{
    jitter_results_t r{};
    r.passedTime = 3700;
    r.rxAll = 200;
    r.rxInOrder = 150;
    r.bins[0] = 3;
    r.bins[8] = 197;
    return r;
}

stats_results_t statsResults(uint64_t base)
{
    stats_results_t r{};
    stats_counters_t *directions[] = {&r.rx, &r.tx};
    for (int d = 0; d < 2; ++d) {
        stats_counters_t &c = *directions[d];
        const uint64_t b = base + uint64_t(d) * 1000;
        c.bytes = b + 1;
        c.frames = b + 2;
        c.broadcast = b + 3;
        c.multicast = b + 4;
        c.unicast = b + 5;
        c.crcErrors = b + 6;
        c.unused1 = 999999;   // never shown
        c.jabber = b + 7;
        for (int i = 0; i < StatsFrameSizeBins; ++i)
            c.sizes[i] = b + 10 + uint64_t(i);
        c.pause = b + 8;
    }
    return r;
}

bert_settings_t bertSettings()
{
    bert_settings_t s{};
    s.pattern = BertPattern2e15;
    s.frameSize = 1024;
    s.rate = 500;
    s.rateUnit = 6;   // only the two low bits count: kbps
    s.duration = 3600;
    s.userPattern = 0x1A2B;
    s.syncWait = 250;
    s.patternOffset = 12;
    return s;
}

bert_results_t bertResults()
{
    bert_results_t r{};
    r.bits = 5000000000ull;
    r.errorBits = 5;
    r.lss = 3;
    r.los = 6;
    r.elapsed = 60;
    return r;
}

mdi_settings_t mdiSettings()
{
    mdi_settings_t s{};
    s.unit = 7;   // only the two low bits count: Mbps
    s.rate = 80;
    s.packetLength = 1316;
    s.learningInterval = 500;
    s.duration = 4242;   // not shown
    s.mlrThreshold = 0.00001f;
    s.header = udpHeader();
    return s;
}

mdi_results_t mdiResults()
{
    mdi_results_t r{};
    r.status = StatusOk;
    r.startTime = 100;
    r.currentTime = 175;
    r.estimate = 60;
    r.delayFactor = 0.00001f;
    r.lostFrames = 10;
    r.expectedFrames = 1000;
    r.rxRate = 1562500;
    return r;
}

} // namespace

class TestPdfWriters : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void traffic_data();
    void traffic();
    void jitter_data();
    void jitter();
    void statistics();
    void bert_data();
    void bert();
    void cable();
    void mdi_data();
    void mdi();
    void optical_data();
    void optical();

private:
    // Renders the report and checks its rows; the rows of absent must not be there.
    void check(const QByteArray &report, const Rows &rows, const Rows &absent = {});

    QTemporaryDir m_dir;
    QString m_pdf;
};

void TestPdfWriters::init()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
    QFile::remove(m_pdf);
}

void TestPdfWriters::check(const QByteArray &report, const Rows &rows, const Rows &absent)
{
    QVERIFY(renderReport(report, m_pdf));
    const QString text = pdfText(m_pdf);
    QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
    for (const QStringList &row : rows)
        QVERIFY2(hasRow(text, row), qPrintable(row.join(QLatin1Char('|')) + QStringLiteral(" not in:\n") + text));
    for (const QStringList &row : absent)
        QVERIFY2(!hasRow(text, row), qPrintable(row.join(QLatin1Char('|'))));
}

void TestPdfWriters::traffic_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Rows>("absent");

    QTest::newRow("fixture") << ReportFixture(TestTraffic).settings(trafficSettings()).results(trafficResults()).bytes()
                             << Rows{{"Traffic test report"}, {"Topology", "A >> B"},
                                     {"IP destination", "10.0.0.2"}, {"TTL", "128"}, {"UDP source", "7"},
                                     {"EF", "( 101110 )"},
                                     {"Rate units", "kbps"}, {"Rate", "750"}, {"Threshold FLR", "0.00100"},
                                     {"Packet length, B", "1518"}, {"Duration", "25:01:01"},
                                     {"Learning int., ms", "150"}, {"Wait interval, ms", "2500"},
                                     {"Elapsed time", "00:01:40"}, {"Remaining time", "00:00:00"},
                                     {"Status", "OK"}, {"Count", "Ratio"},
                                     {"Tx frames", "1000"}, {"Rx frames", "990"}, {"Tx bytes", "5000000000"},
                                     {"Vrt", "1.000 Mbps"}, {"PDV", "1.500 us"}, {"Latency", "2.500 ms"},
                                     {"Lost frames", "10", "0.01000"}, {"Runts", "5", "0.00500"},
                                     {"Jabber", "0", "0.00000"}, {"CRC", "2", "0.00200"},
                                     {"Error frames", "7", "0.00700"}, {"Pause", "3"}}
                             << Rows{{"12345"}};

    traffic_results_t more = trafficResults();
    more.txFrames = 100;
    more.rxFrames = 150;
    QTest::newRow("more received than sent: no loss")
        << ReportFixture(TestTraffic).settings(trafficSettings()).results(more).bytes()
        << Rows{{"Lost frames", "0", "0.00000"}} << Rows{{"4294967246"}};

    traffic_results_t none = trafficResults();
    none.txFrames = 0;
    none.rxFrames = 0;
    QTest::newRow("nothing sent: coefficients 0")
        << ReportFixture(TestTraffic).settings(trafficSettings()).results(none).bytes()
        << Rows{{"Lost frames", "0", "0"}, {"Runts", "5", "0"}, {"Error frames", "7", "0"}} << Rows{};

    traffic_results_t wrap = trafficResults();
    wrap.txFrames = 0xFFFFFFFFu;
    wrap.rxFrames = 0xFFFFFFFFu;
    wrap.runts = 0xFFFFFFFFu;
    wrap.jabber = 1;
    wrap.crcErrors = 1;
    QTest::newRow("error frames beyond 32 bits")
        << ReportFixture(TestTraffic).settings(trafficSettings()).results(wrap).bytes()
        << Rows{{"Error frames", "4294967297", "1.00000"}, {"Runts", "4294967295", "1.00000"}} << Rows{};

    traffic_settings_t odd = trafficSettings();
    odd.flrThreshold = std::numeric_limits<float>::quiet_NaN();
    odd.rateUnit = 3;
    traffic_results_t late = trafficResults();
    late.status = 200;
    late.currentTime = 4000;   // the tester's clock behind the start
    QTest::newRow("NaN threshold, unknown status, clock behind the start")
        << ReportFixture(TestTraffic).topology(PortB, true).settings(odd).results(late).bytes()
        << Rows{{"Threshold FLR", "nan"}, {"Rate units", "Mbps"}, {"Status", "Unknown status"},
                {"Elapsed time", "00:00:00"}, {"Remaining time", "00:01:00"}, {"Topology", "B >> B"}}
        << Rows{};

    // The state in the words the form uses: the general error code of a
    // traffic test is its loss threshold exceeded.
    traffic_results_t lossy = trafficResults();
    lossy.status = StatusError;
    QTest::newRow("loss exceeded")
        << ReportFixture(TestTraffic).settings(trafficSettings()).results(lossy).bytes()
        << Rows{{"Status", "Loss exceeded"}} << Rows{{"Status", "Error"}};
    traffic_results_t stopped = trafficResults();
    stopped.status = StatusStop;
    QTest::newRow("stopped")
        << ReportFixture(TestTraffic).settings(trafficSettings()).results(stopped).bytes()
        << Rows{{"Status", "Stopped"}} << Rows{{"Status", "Stop"}};
}

void TestPdfWriters::traffic()
{
    QFETCH(QByteArray, report);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    check(report, rows, absent);
    // The same report cut by one byte is refused and leaves no file.
    QFile::remove(m_pdf);
    QVERIFY(!renderReport(report.left(report.size() - 1), m_pdf));
    QVERIFY(!QFile::exists(m_pdf));
}

void TestPdfWriters::jitter_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Rows>("absent");

    QTest::newRow("fixture") << ReportFixture(TestJitter).settings(jitterSettings()).results(jitterResults()).bytes()
                             << Rows{{"Jitter test report"}, {"Topology", "A >> B"}, {"EF", "( 101110 )"},
                                     {"Rate units", "kbps"}, {"Rate", "250"}, {"Packet length, B", "512"},
                                     {"Duration", "01:00:00"}, {"Threshold, ms", "10"}, {"Result"},
                                     {"Elapsed time", "01:01:40"}, {"Remaining time", "00:00:00"},
                                     {"Rx frames", "Count", "%"}, {"All", "200"}, {"In order", "150", "75.00"},
                                     {"Not in order", "50", "25.00"},
                                     {"Distribution"}, {"Jitter, ms", "%"},
                                     {"0.000-1.250", "1.50"}, {"1.250-2.500", "0.00"}, {"8.750-10.000", "0.00"},
                                     {">=10.000", "98.50"}}
                             << Rows{{"---"}, {"Results"}, {"Jitter distribution"}};

    jitter_settings_t bps = jitterSettings();
    bps.rateUnit = RateUnitBps;
    bps.threshold = 1;
    jitter_results_t empty{};
    empty.passedTime = 100;
    QTest::newRow("no rate row in bps, nothing received")
        << ReportFixture(TestJitter).settings(bps).results(empty).bytes()
        << Rows{{"Remaining time", "00:58:20"}, {"Threshold, ms", "1"}, {"0.000-0.125", "---"}, {">=1.000", "---"},
                {"In order", "0"}, {"Not in order", "0"}}
        << Rows{{"Rate units"}, {"Rate"}, {"In order", "0", "0.00"}};

    jitter_settings_t percent = jitterSettings();
    percent.rateUnit = RateUnitPercent;
    jitter_results_t odd = jitterResults();
    odd.rxInOrder = 250;   // more in order than received at all
    QTest::newRow("more in order than received")
        << ReportFixture(TestJitter).settings(percent).results(odd).bytes()
        << Rows{{"Rate units", "%"}, {"Rate", "250"}, {"Not in order", "0", "0.00"}, {"In order", "250", "125.00"}}
        << Rows{{"18446744073709551566"}};
}

void TestPdfWriters::jitter()
{
    QFETCH(QByteArray, report);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    check(report, rows, absent);
}

void TestPdfWriters::statistics()
{
    // Of the header only the test id counts: a port byte of 9 is no reason
    // to refuse, and there are no interface columns.
    ReportFixture report(TestStatistics);
    report.topology(9, true).results(statsResults(5000000000ull - 1), PortA).results(statsResults(100), PortB);
    stats_results_t b = statsResults(100);
    b.rx.rateL1.bytesPerSecond = 125001;
    b.rx.rateL2.bytesPerSecond = 125;
    b.tx.rateL3.bytesPerSecond = 126;
    std::memset(b.rx.rateL1.unused, 0xFF, sizeof b.rx.rateL1.unused);   // the slot's other half is not the rate
    report.results(b, PortB);
    check(report.bytes(),
          Rows{{"Statistics report"}, {"Common data"}, {"Frame types"},
               {"Port A", "Rx", "Tx"}, {"Port B", "Rx", "Tx"},
               {"Frames", "5000000001", "5000001001"}, {"Bytes", "5000000000", "5000001000"},
               {"Frames", "102", "1102"}, {"Bytes", "101", "1101"},
               {"Broadcast", "5000000002", "5000001002"}, {"Multicast", "104", "1104"},
               {"Unicast", "105", "1105"}, {"Pause", "108", "1108"},
               {"L1", "0 bps", "0 bps"}, {"L1", "1.000 Mbps", "0 bps"}, {"L2", "1000 bps", "0 bps"},
               {"L3", "0 bps", "1.008 kbps"}, {"Frame sizes"},
               {"<64", "110", "1110"}, {"64", "111", "1111"}, {"1024-1518", "116", "1116"}, {">1518", "117", "1117"},
               {"Frame errors"}, {"Port A", "Rx"}, {"CRC", "5000000005"}, {"Jabber", "5000000006"},
               // Runts: CRC errors plus frames below 64 bytes, both received.
               {"Runts", "10000000014"}, {"Runts", "216"}},
          Rows{{"Interface"}, {"999999"}, {"Topology"}, {"Quantity"}, {"Frame count"}});

    // Fits on one page, numbered 1 in the last page's place.
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QList<PdfWord> number = findPhrase(words, QStringLiteral("1"));
    int pages = 0;
    for (const PdfWord &w : words)
        pages = qMax(pages, w.page);
    QCOMPARE(pages, 1);
    bool numbered = false;
    for (const PdfWord &w : number)
        numbered = numbered || (qAbs(w.left - (9917 - 1000)) < 8 && w.top > 14033 - 800);
    QVERIFY(numbered);
}

void TestPdfWriters::bert_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Rows>("absent");

    QTest::newRow("fixture") << ReportFixture(TestBert).settings(bertSettings()).results(bertResults()).bytes()
                             << Rows{{"BERT report"}, {"Test settings"}, {"Topology", "A >> B"},
                                     {"Pattern type", "2e15-1"}, {"User pattern", "00001a2b"}, {"Frame size", "1024"},
                                     {"Rate units", "kbps"}, {"Rate", "500"}, {"Duration", "01:00:00"},
                                     {"Offset, bytes", "12"}, {"Sync wait, ms", "250"}, {"Measuring"},
                                     {"Elapsed time", "00:01:00"},
                                     {"Remaining time", "00:59:00"}, {"Rx bits", "5000000000"}, {"Rx Ebit", "5"},
                                     {"BER", "1.00000e-09"}, {"LSS", "3"}, {"LOS", "6"}, {"LSS, %", "0.050"},
                                     {"LOS, %", "0.100"}}
                             << Rows{{"Pattern type", "User"}, {"Settings"}, {"Results"}};

    bert_settings_t user = bertSettings();
    user.pattern = BertPatternUser;
    bert_results_t idle{};
    QTest::newRow("user pattern, nothing received yet")
        << ReportFixture(TestBert).settings(user).results(idle).bytes()
        << Rows{{"Pattern type", "User"}, {"BER", "0.00000e+00"}, {"LSS, %", "0.000"}, {"LOS, %", "0.000"},
                {"Remaining time", "01:00:00"}}
        << Rows{};

    bert_settings_t unknown = bertSettings();
    unknown.pattern = 9;
    bert_results_t over = bertResults();
    over.elapsed = 3601;
    QTest::newRow("pattern 9, run past its duration")
        << ReportFixture(TestBert).settings(unknown).results(over).bytes()
        << Rows{{"Pattern type", "User"}, {"Remaining time", "00:00:00"}, {"Elapsed time", "01:00:01"}} << Rows{};
}

void TestPdfWriters::bert()
{
    QFETCH(QByteArray, report);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    check(report, rows, absent);
}

void TestPdfWriters::cable()
{
    cable_results_t a{};
    a.detailsValid = 1;
    a.abStraight = 1;
    a.cdStraight = 0;
    const uint8_t polarity[] = {0, 1, 0, 1};
    const uint8_t latency[] = {2, 3, 4, 5};
    const uint8_t status[] = {CablePairGood, CablePairOpen, CablePairShort, CablePairImmi};
    const uint8_t raw[] = {50, 100, 200, 255};
    for (int k = 0; k < CablePairCount; ++k) {
        a.detail[k] = cable_pair_detail_t{polarity[k], latency[k]};
        a.pair[k] = cable_pair_status_t{status[k], 0, raw[k]};
    }
    cable_results_t b{};
    b.detailsValid = 0;
    b.abStraight = 0;
    b.cdStraight = 1;
    b.detail[0].latency = 9;
    b.pair[0] = cable_pair_status_t{CablePairFault, 0, 37};
    b.pair[1] = cable_pair_status_t{9, 0, 36};   // a status without a name
    // A one-port tester's report still shows Port B's record.
    QVERIFY(renderReport(ReportFixture(TestCable).topology(7, true).results(a, PortA).results(b, PortB).bytes(), m_pdf,
                         1));
    const QString text = pdfText(m_pdf);
    for (const QStringList &row : Rows{{"Cable test report"}, {"Port A"}, {"Port B"},
                                       {"Status", "Good", "Open", "Short", "Mismatch"},
                                       {"Length, m", "51", "132", "176"}, {"Channel", "A", "B", "D", "C"},
                                       {"Polarity", "+", "-", "+", "-"}, {"Latency, ns", "16", "24", "32", "40"},
                                       {"Status", "Fault", "Unknown", "Good", "Good"}, {"Length, m", "1", "0"}})
        QVERIFY2(linesWith(text, row) == 1, qPrintable(row.join(QLatin1Char('|')) + QStringLiteral(" not in:\n") + text));
    // Without valid details Port B's last three rows keep their labels only.
    for (const char *label : {"Channel", "Polarity", "Latency, ns"})
        QCOMPARE(linesWith(text, {QLatin1String(label)}), 1);
    QCOMPARE(linesWith(text, {QStringLiteral("Pair"), QStringLiteral("1-2"), QStringLiteral("3-6"),
                              QStringLiteral("4-5"), QStringLiteral("7-8")}),
             2);
    QVERIFY(!text.contains(QLatin1String("Interface")));
}

void TestPdfWriters::mdi_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Rows>("absent");

    QTest::newRow("fixture") << ReportFixture(TestMdi).settings(mdiSettings()).results(mdiResults()).bytes()
                             << Rows{{"MDI test report"}, {"Topology", "A >> B"}, {"EF", "( 101110 )"},
                                     {"Units", "Mbps"}, {"Load L4", "80"}, {"Threshold MLR", "0.00001"},
                                     {"Frame size", "1316"}, {"Learning interval, ms", "500"},
                                     {"Status", "OK"}, {"Elapsed time", "00:01:15"}, {"Remaining time", "00:00:00"},
                                     {"DF", "1e-05"}, {"MLR", "0.01"}, {"Rx frames", "990"}, {"Vrx", "12.500 Mbps"}}
                             << Rows{{"4242"}, {"01:10:42"}};

    mdi_settings_t half = mdiSettings();
    half.unit = 4;
    half.mlrThreshold = 0.5f;
    mdi_results_t none = mdiResults();
    none.expectedFrames = 0;
    none.status = 13;
    none.delayFactor = std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("nothing expected, unknown status, NaN delay factor")
        << ReportFixture(TestMdi).settings(half).results(none).bytes()
        << Rows{{"Units", "%"}, {"Threshold MLR", "0.50000"}, {"MLR", "-"}, {"Rx frames", "0"},
                {"Status", "Unknown status"}, {"DF", "nan"}}
        << Rows{};

    mdi_results_t running = mdiResults();
    running.estimate = 600;
    running.delayFactor = 0.0025f;
    running.lostFrames = 1;
    running.expectedFrames = 3;
    QTest::newRow("running, a third lost")
        << ReportFixture(TestMdi).settings(mdiSettings()).results(running).bytes()
        << Rows{{"Remaining time", "00:08:45"}, {"DF", "0.0025"}, {"MLR", "0.333333"}, {"Rx frames", "2"}} << Rows{};
}

void TestPdfWriters::mdi()
{
    QFETCH(QByteArray, report);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    check(report, rows, absent);
}

void TestPdfWriters::optical_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Rows>("absent");
    QTest::newRow("two ports") << 8
                               << Rows{{"SFP module A"}, {"Vendor", "KORVEL OPTICS"}, {"Serial number", "ABC123"},
                                       {"Revision", "A"}, {"Date", "05.03.2015"}, {"Part number", "KOP-0850-SX05"},
                                       {"Wavelength", "850 nm"}, {"Monitoring (DDM)"}, {"Temperature", "40.0 °C"},
                                       {"RX power", "0.5000 mW", "-3.01 dBm"}, {"TX power", "1.0000 mW", "0.00 dBm"},
                                       {"SFP module B"}, {"no SFP module"}}
                               << Rows{{"NOT SHOWN"}};
    // A one-port model: Port B's bytes are in the file but not shown.
    QTest::newRow("one port") << 1 << Rows{{"SFP module A"}, {"Vendor", "KORVEL OPTICS"}}
                              << Rows{{"SFP module B"}, {"no SFP module"}};
}

void TestPdfWriters::optical()
{
    QFETCH(int, deviceType);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    sfp_info_t a{};
    std::strcpy(a.vendorName, "KORVEL OPTICS");
    std::strcpy(a.partNumber, "KOP-0850-SX05");
    std::strcpy(a.revision, "A");
    std::strcpy(a.serialNumber, "ABC123");
    a.wavelength = 850;
    a.year = 15;
    a.month = 3;
    a.day = 5;
    a.ddmAvailable = 1;
    a.temperature = 40;
    a.txPower = 1;
    a.rxPower = 0.5f;
    sfp_info_t b{};
    std::strcpy(b.partNumber, "NOT SHOWN");   // no vendor: no module
    QVERIFY(renderReport(ReportFixture(TestOptical).results(a, PortA).results(b, PortB).bytes(), m_pdf,
                         uint8_t(deviceType)));
    const QString text = pdfText(m_pdf);
    for (const QStringList &row : rows)
        QVERIFY2(hasRow(text, row), qPrintable(row.join(QLatin1Char('|')) + QStringLiteral(" not in:\n") + text));
    for (const QStringList &row : absent)
        QVERIFY2(!hasRow(text, row), qPrintable(row.join(QLatin1Char('|'))));
    // Receive power before transmit power, though the record has them the other way.
    QVERIFY(text.indexOf(QLatin1String("RX power")) < text.indexOf(QLatin1String("TX power")));

    // The heading page carries no number; the body starts page 2, numbered 1.
    const QList<PdfWord> words = pdfWords(m_pdf);
    int pages = 0;
    for (const PdfWord &w : words)
        pages = qMax(pages, w.page);
    QCOMPARE(pages, 2);
    for (const PdfWord &w : words) {
        if (w.top < 14033 - 800)
            continue;
        QCOMPARE(w.page, 2);
        QCOMPARE(w.text, QStringLiteral("1"));
    }
    const QList<PdfWord> title = findPhrase(words, QStringLiteral("SFP module A"));
    QCOMPARE(title.size(), 1);
    QCOMPARE(title.first().page, 2);
}

QTEST_MAIN(TestPdfWriters)
#include "tst_pdfwriters.moc"
