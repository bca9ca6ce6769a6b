// Every report in English, Russian and German, filled with the longest
// values its fields can hold: no text runs into the next cell's text or off
// the sheet. (VYR_REPORT_PDFS=<folder> keeps the PDFs for a person to look at.)

#include "asymrecords.h"
#include "bertrecords.h"
#include "cablerecords.h"
#include "iptoolsrecords.h"
#include "jitterrecords.h"
#include "mdirecords.h"
#include "multirecords.h"
#include "ptprecords.h"
#include "rateunits.h"
#include "../support/reportfixture.h"
#include "reportformat.h"
#include "rfcrecords.h"
#include "sfprecords.h"
#include "textfunctions.h"
#include "statsrecords.h"
#include "syncrecords.h"
#include "trafficrecords.h"
#include "y1564records.h"
#include "y1564report.h"

#include <QTranslator>
#include <QtTest>

#include <limits>

namespace {

constexpr int PageWidth = 9917;
constexpr int Left = PageWidth * 2 / 21;

header_settings_t longHeader()
{
    header_settings_t h{};
    h.level3 = 1;
    h.level4 = 1;
    h.qosMode = QosDscp;
    h.dscp = 0;   // "default ( 000000 )", the longest name
    h.ipDest = 0xFFFFFFFF;
    std::memset(h.macDest, 0xEE, sizeof h.macDest);
    h.ttl = 255;
    h.udpSrc = 65535;
    h.udpDst = 65535;
    return h;
}

// Both ports with every address at its longest, and both interface columns.
ReportFixture withLongHeading(ReportFixture f)
{
    eth_settings_t e{};
    e.linkModes = 0x3F;
    std::memset(e.mac, 0xEE, sizeof e.mac);
    e.ip = e.mask = e.gateway = 0xFFFFFFFF;
    e.vlanCount = 255;
    e.mplsCount = 255;
    for (int i = 0; i < 3; ++i) {
        e.tpid[i] = 0xFFFF;
        e.tagControl[i] = 0xFFFF;
        e.mpls[i] = 0xFFFFFFFF;
    }
    report_header_t h{};
    h.link[0] = port_link_t{1, 1, 2, 1};
    h.link[1] = port_link_t{0, 0, 0, 0};
    return f.header(h).topology(PortA, false).interfaceSettings(PortA, e).interfaceSettings(PortB, e);
}

QByteArray longTraffic()
{
    traffic_settings_t s{};
    s.header = longHeader();
    s.rateUnit = 3;
    s.rate = 65535;
    s.flrThreshold = 0.99999f;
    s.packetLength = 65535;
    s.duration = 0xFFFFFFFF;
    s.learningInterval = 65535;
    s.waitInterval = 65535;
    traffic_results_t r{};
    r.currentTime = 0xFFFFFFFF;
    r.estimatedTime = 0xFFFFFFFF;
    r.status = StatusIncompatibleFw;
    r.txFrames = r.rxFrames = 0xFFFFFFFF;
    r.txBytes = std::numeric_limits<uint64_t>::max();
    r.rate = 0xFFFFFFFF;
    r.pdv = r.latency = 999999999;
    r.runts = r.jabber = r.crcErrors = r.pause = 0xFFFFFFFF;
    return withLongHeading(ReportFixture(TestTraffic)).settings(s).results(r).bytes();
}

QByteArray longJitter()
{
    jitter_settings_t s{};
    s.header = longHeader();
    s.rateUnit = RateUnitMbps;
    s.rate = 0xFFFFFFFF;
    s.packetLength = 65535;
    s.duration = 0xFFFFFFFF;
    s.threshold = 65535;
    jitter_results_t r{};
    r.passedTime = 0xFFFFFFFF;
    r.rxAll = std::numeric_limits<uint64_t>::max();
    r.rxInOrder = 1;
    for (uint64_t &bin : r.bins)
        bin = std::numeric_limits<uint64_t>::max();
    return withLongHeading(ReportFixture(TestJitter)).settings(s).results(r).bytes();
}

QByteArray longStatistics()
{
    stats_results_t r;
    std::memset(&r, 0xFF, sizeof r);   // every counter and rate at its largest
    return ReportFixture(TestStatistics).results(r, PortA).results(r, PortB).bytes();
}

QByteArray longBert()
{
    bert_settings_t s{};
    s.pattern = BertPatternCrtp;
    s.frameSize = 65535;
    s.rate = 65535;
    s.rateUnit = RateUnitMbps;
    s.duration = 0xFFFFFFFF;
    s.userPattern = 0xFFFFFFFF;
    s.syncWait = 0xFFFFFFFF;
    s.patternOffset = 255;
    bert_results_t r{};
    r.bits = std::numeric_limits<uint64_t>::max();
    r.errorBits = r.bits - 1;
    r.lss = r.los = 0xFFFFFFFF;
    r.elapsed = 1;
    return withLongHeading(ReportFixture(TestBert)).settings(s).results(r).bytes();
}

QByteArray longCable()
{
    cable_results_t r{};
    r.detailsValid = 1;
    for (int k = 0; k < CablePairCount; ++k) {
        r.detail[k] = cable_pair_detail_t{1, 255};
        r.pair[k] = cable_pair_status_t{uint8_t(k == 0 ? CablePairFault : 200), 0, 255};
    }
    return ReportFixture(TestCable).results(r, PortA).results(r, PortB).bytes();
}

QByteArray longMdi()
{
    mdi_settings_t s{};
    s.unit = RateUnitKbps;
    s.rate = 65535;
    s.packetLength = 65535;
    s.learningInterval = 65535;
    s.mlrThreshold = 0.99999f;
    s.header = longHeader();
    mdi_results_t r{};
    r.status = StatusIncompatibleFw;
    r.currentTime = r.estimate = 0xFFFFFFFF;
    r.delayFactor = -1.23456e-30f;
    r.lostFrames = 1;
    r.expectedFrames = 3;
    r.rxRate = 0xFFFFFFFF;
    return withLongHeading(ReportFixture(TestMdi)).settings(s).results(r).bytes();
}

QByteArray longOptical()
{
    sfp_info_t s;
    std::memset(&s, 'W', sizeof s);   // every text field full, without a NUL
    s.wavelength = 65535;
    s.year = s.month = s.day = 255;
    s.ddmAvailable = 1;
    s.temperature = -12345.6f;
    s.rxPower = s.txPower = 99999.9999f;
    return withLongHeading(ReportFixture(TestOptical)).results(s, PortA).results(s, PortB).bytes();
}

QByteArray longMultistream()
{
    multi_settings_t s{};
    s.duration = 0xFFFFFFFF;
    s.learningTime = 65535;
    s.waitInterval = 65535;
    multi_results_t r{};
    r.elapsed = 0xFFFFFFFF;
    for (int k = 0; k < MultiStreamCount; ++k) {
        stream_settings_t &st = s.streams[k];
        st.active = 1;
        st.rate = 65535;
        st.rateUnit = RateUnitMbps;
        st.packetLength = 65535;
        st.header = longHeader();
        r.streams[k] = stream_result_t{100.0f, 0xFFFFFFFF, 1, 999999999};
    }
    return withLongHeading(ReportFixture(TestMultistream)).settings(s).results(r).bytes();
}

QByteArray longAsymTraffic()
{
    asym_settings_t s{};
    s.direction = DirectionBoth;
    s.duration = 0xFFFFFFFF;
    s.learningInterval = s.waitInterval = 65535;
    for (flow_settings_t *f : {&s.output, &s.input}) {
        f->header = longHeader();
        f->rateUnit = RateUnitKbps;
        f->rate = 65535;
        f->packetLength = 65535;
        f->maxFlr = 0.99999f;
    }
    asym_results_t r{};
    r.currentTime = r.duration = 0xFFFFFFFF;
    r.status = StatusIncompatibleFw;
    r.output = r.input = flow_stats_t{0xFFFFFFFF, 1, 0xFFFFFFFF, 999999999, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
                                      0xFFFFFFFF};
    r.input.txFrames = 3;   // coefficients with six digits and an exponent
    return withLongHeading(ReportFixture(TestAsymTraffic)).settings(s).results(r).bytes();
}

QByteArray longPing()
{
    ping_settings_t s{0xFFFFFFFF, 65535, 65535};
    ping_results_t r{};
    r.sent = r.received = 0xFFFFFFFF;
    r.avg_latency = 4294967295.0f;
    r.min_latency = r.max_latency = 4294967294u;
    for (int i = 0; i < PingRequestEntries; ++i)
        r.requests[i] = ping_request_t{uint8_t(i % 2 ? PingTimedOut : PingInterrupted), uint16_t(65535 - i), 0xFFFFFFFF};
    return withLongHeading(ReportFixture(TestPing)).settings(s).results(r).bytes();
}

QByteArray longTrace()
{
    trace_settings_t s{0xFFFFFFFF, 65535, 65535};
    trace_results_t r{};
    r.hop_count = TraceHopsPerPage;
    for (int i = 0; i < TraceHopsPerPage; ++i)
        r.hops[i] = trace_hop_t{uint8_t(i % 2 ? TraceHopNoConnection : TraceHopReplied), 0xFFFFFFFF, 0xFFFFFFFF, 255};
    return withLongHeading(ReportFixture(TestTraceRoute)).settings(s).results(r).bytes();
}

QByteArray longDns(uint8_t outcome)
{
    dns_settings_t s;
    std::memset(&s, 'W', sizeof s);   // the whole field, without a NUL
    dns_results_t r{outcome, {}, 0xFFFFFFFF};
    return withLongHeading(ReportFixture(TestDns)).settings(s).results(r).bytes();
}

QByteArray longIpScanner()
{
    ipscan_settings_t s{0xFFFFFF00, 0xFFFFFFFF, 65535, 65535};
    ipscan_results_t r{};
    r.status = IpScanNoConnection;
    r.current_time = r.estimated_duration = 0xFFFFFFFF;
    std::memset(r.answered, 0xFF, sizeof r.answered);
    return withLongHeading(ReportFixture(TestIpScanner)).settings(s).results(r).bytes();
}

QByteArray longPtp()
{
    ptp_settings_t s{};
    s.client.domain = 255;
    s.client.master_ip = 0xFFFFFFFF;
    s.client.unicast_negotiation = 1;
    s.client.announce_interval = s.client.sync_interval = -128;
    s.duration = 0xFFFFFFFF;
    for (uint32_t &server : s.servers)
        server = 0xFFFFFFFF;
    ptp_results_t r{};
    r.current_time = r.test_duration = 0xFFFFFFFF;
    ptp_master_info_t &m = r.master;
    m.master_ip = 0xFFFFFFFF;
    std::memset(m.clock_identity, 0xEE, sizeof m.clock_identity);
    m.port_number = 65535;
    m.domain = m.clock_class = m.clock_accuracy = m.time_source = m.priority1 = m.priority2 = 255;
    m.announce_interval = m.sync_interval = -128;
    m.utc_offset = -32768;
    r.rx_announce = r.rx_sync = r.rx_follow_up = r.rx_delay_resp = r.tx_delay_req = 0xFFFFFFFF;
    r.measure_valid = 1;
    r.tms = r.tsm = r.t_average = r.offset = r.sync_pdv = std::numeric_limits<int32_t>::min() + 1;
    return withLongHeading(ReportFixture(TestPtp)).settings(s).results(r).bytes();
}

QByteArray longSync()
{
    sync_settings_t s{};
    s.reference = 9;   // "No source", the longest source text
    s.measured = SyncSourceNtp2;
    s.duration = 0xFFFFFFFF;
    s.relative_time_interval = 1;
    s.ptp.domain = 255;
    s.ptp.master_ip = 0xFFFFFFFF;
    s.ptp.announce_interval = s.ptp.sync_interval = -128;
    for (uint32_t &server : s.servers)
        server = 0xFFFFFFFF;
    s.ntp1_ip = s.ntp2_ip = 0xFFFFFFFF;
    s.ntp1_port = s.ntp2_port = s.ntp1_interval = s.ntp2_interval = 65535;
    gps_info_t &g = s.gps;
    g.gps_sync = 1;
    g.gps_time = 0xFFFFFFFF;
    g.latitude = g.longitude = -123456.789f;
    g.hemisphere = 1;
    g.pdop = g.hdop = g.vdop = -1.23457e+30f;
    g.satellites_used = 0xFFFFFFFF;
    for (gps_satellite_t &sat : g.satellites)
        sat = gps_satellite_t{255, 255, 65535, 255, 0};
    g.satellite_count = GpsSatelliteCapacity;
    sync_results_t r{};
    r.elapsed_time = 1;
    r.phase_instant = r.phase_average = r.phase_min = r.phase_max = std::numeric_limits<int32_t>::min() + 1;
    r.reference_time = 1;
    r.measured_time = 0xFFFFFFFF;
    r.master.master_ip = 0xFFFFFFFF;
    r.master.port_number = 65535;
    r.master.utc_offset = -32768;
    r.master.announce_interval = r.master.sync_interval = -128;
    for (ntp_server_info_t *n : {&r.ntp1, &r.ntp2}) {
        n->server_ip = 0xFFFFFFFF;
        n->version = n->stratum = n->poll = 255;
        n->precision = -128;
        n->root_delay = n->root_dispersion = 0xFFFF8000u;   // -32768 + 0.99998
        std::memset(n->reference_id, 0xFF, sizeof n->reference_id);
    }
    return withLongHeading(ReportFixture(TestSync)).settings(s).results(r).bytes();
}

// Every frame size at its largest and taking part, and numbers that fill
// every cell and every chart (equal bars put their texts side by side).
QByteArray longRfc()
{
    rfc_settings_t s{};
    s.header = longHeader();
    s.throughputOn = s.latencyOn = s.frameLossOn = s.backToBackOn = 1;
    s.throughputTime = s.latencyTime = s.latencyCount = s.frameLossTime = 0xFFFFFFFF;
    s.throughputMax = s.throughputMin = 255;
    s.frameLossMax = s.frameLossMin = s.frameLossStep = 255;
    s.backToBackMin = s.backToBackMax = s.backToBackCount = 65535;
    s.userLoading = 1;
    for (int i = 0; i < RfcFrameRows; ++i) {
        s.userLoad[i] = 255;
        s.frame[i].enabled = 1;
        s.frame[i].size = 65535;
    }
    rfc_results_t r{};
    for (int i = 0; i < RfcFrameRows; ++i) {
        r.throughput[i] = rfc_throughput_row_t{StatusIncompatibleFw, {}, 99.99998f, 3.4e38f, -3.4e38f};
        r.latency[i].latency = 999999.0;
        r.latency[i].status = StatusIncompatibleFw;
        r.backToBack[i] = rfc_back_to_back_row_t{StatusIncompatibleFw, {}, -3.4e38f, 65535, {}};
        r.frameLoss[i].status = StatusIncompatibleFw;
        for (int j = 0; j < RfcLossSteps; ++j) {
            r.frameLoss[i].load[j] = 255;
            r.frameLoss[i].loss[j] = 99999.9999f;
        }
    }
    return withLongHeading(ReportFixture(TestRfc2544)).settings(s).results(r).bytes();
}

QByteArray longY1564()
{
    y1564_settings_t s{};
    s.flags = 0xFF;
    s.duration = 0xFFFFFFFF;
    s.testStep = 255;
    s.learningInterval = s.waitInterval = 65535;
    for (y1564_stream_settings_t &st : s.streams) {
        st.active = 1;
        st.packetLength = 65535;
        st.header = longHeader();
        st.vlanOn = 1;
        st.vlanCount = 255;
        for (int j = 0; j < Y1564VlanTags; ++j) {
            st.tpid[j] = 0xFFFF;
            st.tagControl[j] = 0xFFFF;
        }
        st.cir = st.eir = st.m = -3.4e38f;
        st.rateUnit = 3;
        st.flr = -3.4e38f;
        st.ftd = st.fdv = 0xFFFFFFFF;
        st.avail = -3.4e38f;
    }
    y1564_results_t r{};
    r.currentTime = 0xFFFFFFFF;
    r.plannedDuration = 0xFFFFFFFF;
    r.currentStep = 2;
    r.performanceStatus = 1;
    for (uint8_t &status : r.stepStatus)
        status = StatusIncompatibleFw;
    y1564_result_entry_t e{};
    e.failures = 0xFF;
    e.irMin = e.irMax = e.irAvg = 0xFFFFFFFF;
    e.ftdMin = e.ftdMax = e.ftdAvg = e.fdvMin = e.fdvMax = e.fdvAvg = -2147483647 - 1;
    e.frameLoss = e.frames = e.available = e.unavailable = 0xFFFFFFFF;
    e.frames = 1;
    for (auto &step : r.config) {
        for (y1564_result_entry_t &entry : step)
            entry = e;
    }
    for (y1564_result_entry_t &entry : r.performance)
        entry = e;
    return withLongHeading(ReportFixture(TestY1564)).settings(s).results(r).bytes();
}

} // namespace

class TestPdfTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textsStayInTheirCells_data();
    void textsStayInTheirCells();
    void longCountShrinksIntoItsCell();
    void rateUnitsAreBitRates_data();
    void rateUnitsAreBitRates();
};

void TestPdfTexts::initTestCase()
{
    Q_INIT_RESOURCE(vyrremote_translations);
}

void TestPdfTexts::textsStayInTheirCells_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("report");
    for (const char *language : {"en", "ru", "de"}) {
        QTest::addRow("%s traffic", language) << QString::fromLatin1(language) << longTraffic();
        QTest::addRow("%s jitter", language) << QString::fromLatin1(language) << longJitter();
        QTest::addRow("%s statistics", language) << QString::fromLatin1(language) << longStatistics();
        QTest::addRow("%s BERT", language) << QString::fromLatin1(language) << longBert();
        QTest::addRow("%s cable", language) << QString::fromLatin1(language) << longCable();
        QTest::addRow("%s MDI", language) << QString::fromLatin1(language) << longMdi();
        QTest::addRow("%s optical", language) << QString::fromLatin1(language) << longOptical();
        QTest::addRow("%s multistream", language) << QString::fromLatin1(language) << longMultistream();
        QTest::addRow("%s asymmetric traffic", language) << QString::fromLatin1(language) << longAsymTraffic();
        QTest::addRow("%s ping", language) << QString::fromLatin1(language) << longPing();
        QTest::addRow("%s trace route", language) << QString::fromLatin1(language) << longTrace();
        QTest::addRow("%s DNS, illegal argument", language) << QString::fromLatin1(language) << longDns(3);
        QTest::addRow("%s DNS, passed", language) << QString::fromLatin1(language) << longDns(1);
        QTest::addRow("%s IP scanner", language) << QString::fromLatin1(language) << longIpScanner();
        QTest::addRow("%s PTP", language) << QString::fromLatin1(language) << longPtp();
        QTest::addRow("%s synchronisation", language) << QString::fromLatin1(language) << longSync();
        QTest::addRow("%s RFC 2544", language) << QString::fromLatin1(language) << longRfc();
        QTest::addRow("%s Y.1564", language) << QString::fromLatin1(language) << longY1564();
    }
}

void TestPdfTexts::textsStayInTheirCells()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, report);
    QTranslator translator;
    if (language != QLatin1String("en")) {
        QVERIFY(translator.load(QStringLiteral("VyrRemote_") + language, QStringLiteral(":/")));
        QCoreApplication::installTranslator(&translator);
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const bool written = renderReport(report, pdf);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(written);

    const QList<PdfWord> words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());

    for (const QList<PdfWord> &line : pdfLines(words)) {
        for (int i = 0; i < line.size(); ++i) {
            const PdfWord &w = line.at(i);
            QVERIFY2(w.right <= PageWidth, qPrintable(w.text));
            if (i + 1 < line.size()) {
                const PdfWord &next = line.at(i + 1);
                QVERIFY2(w.right <= next.left + 1, qPrintable(QStringLiteral("\"%1\" runs into \"%2\" on page %3")
                                                                  .arg(w.text, next.text).arg(w.page)));
            }
        }
    }
}

void TestPdfTexts::longCountShrinksIntoItsCell()
{
    // The traffic report's "Tx bytes" at its largest, a 20-digit count, stays
    // inside the middle of three columns (x + 1666 to x + 3333), smaller
    // than the rows around it.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(renderReport(longTraffic(), pdf));
    const QList<PdfWord> count = findPhrase(pdfWords(pdf), QStringLiteral("18446744073709551615"));
    QCOMPARE(count.size(), 1);
    const PdfWord &w = count.first();
    QVERIFY2(w.left > Left + 1666 && w.right < Left + 3333, qPrintable(QString::number(w.right)));
    QVERIFY(w.bottom - w.top < 180);
}

void TestPdfTexts::rateUnitsAreBitRates_data()
{
    // The Y.1564 information rates and stream units and the RFC 2544
    // throughput are bit rates: a translation as bytes would misstate them
    // eightfold.
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("unitCode");  // y1564ReportUnitText, else bitRateToString
    QTest::addColumn<uint>("value");
    QTest::addColumn<QString>("unit");
    const struct {
        const char *language;
        const char *bits;
        const char *kilobits;
    } words[] = {{"ru", "бит/с", "кбит/с"}, {"de", "bit/s", "kbit/s"}};
    for (const auto &w : words) {
        const QString language = QString::fromLatin1(w.language);
        const QString bits = QString::fromUtf8(w.bits);
        const QString kilobits = QString::fromUtf8(w.kilobits);
        QTest::addRow("%s rate 1000", w.language) << language << false << 1000u << bits;
        QTest::addRow("%s rate 1001", w.language) << language << false << 1001u << kilobits;
        QTest::addRow("%s Y.1564 unit 1", w.language) << language << true << 1u << bits;
        QTest::addRow("%s Y.1564 unit 2", w.language) << language << true << 2u << kilobits;
    }
}

void TestPdfTexts::rateUnitsAreBitRates()
{
    QFETCH(QString, language);
    QFETCH(bool, unitCode);
    QFETCH(uint, value);
    QFETCH(QString, unit);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("VyrRemote_") + language, QStringLiteral(":/")));
    QCoreApplication::installTranslator(&translator);
    const QString shown = unitCode ? y1564ReportUnitText(uint8_t(value)) : bitRateToString(value);
    QCoreApplication::removeTranslator(&translator);
    if (unitCode)
        QCOMPARE(shown, unit);
    else
        QVERIFY2(shown.endsWith(QLatin1Char(' ') + unit), qPrintable(shown));
}

QTEST_MAIN(TestPdfTexts)
#include "tst_pdftexts.moc"
