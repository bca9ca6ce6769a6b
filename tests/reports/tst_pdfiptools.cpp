// The IP tool reports (ping, trace route, DNS, IP scanner): fixtures built
// from the layout, rendered through the real writer, read back with
// pdftotext; counts and names from the file kept inside their records, and
// a scanner list longer than a page carried over numbered pages.

#include "iptoolsrecords.h"
#include "../support/reportfixture.h"

#include <QtTest>

#include <cstring>
#include <limits>

namespace {

constexpr int PageHeight = 14033;
constexpr int Limit = PageHeight * 28 / 30;   // rows end at or above it

// An address as the tester's network stack stores it: the first octet in
// the least significant byte.
uint32_t networkOrder(uint8_t a, uint8_t b, uint8_t c, uint8_t d)
{
    const uint8_t octets[] = {a, b, c, d};
    uint32_t address = 0;
    std::memcpy(&address, octets, sizeof address);
    return address;
}

ping_settings_t pingSettings()
{
    ping_settings_t s{};
    s.destination = 0xC0A80001;   // 192.168.0.1, first octet most significant
    s.frame_size = 1024;
    s.wait_time = 500;
    return s;
}

ping_results_t pingResults()
{
    ping_results_t r{};
    r.sent = 10;
    r.received = 8;
    r.avg_latency = 12.5f;
    r.min_latency = 7;
    r.max_latency = 20;
    const uint16_t numbers[] = {3, 0, 5, 4, 0, 1};
    const uint8_t statuses[] = {PingReplied, PingReplied, PingTimedOut, PingRequested, 0, PingNoConnection};
    const uint32_t latencies[] = {12, 77, 99, 98, 0, 97};
    for (int i = 0; i < PingRequestEntries; ++i)
        r.requests[i] = ping_request_t{statuses[i], numbers[i], latencies[i]};
    return r;
}

trace_hop_t hop(uint8_t state, uint32_t address, uint32_t latency, uint8_t number)
{
    return trace_hop_t{state, address, latency, number};
}

trace_results_t traceResults()
{
    trace_results_t r{};
    r.hop_count = 5;
    r.hops[0] = hop(TraceHopReplied, networkOrder(192, 168, 0, 1), 3, 1);
    r.hops[1] = hop(TraceHopTimedOut, networkOrder(10, 9, 9, 9), 900, 2);
    r.hops[2] = hop(TraceHopProbing, 0, 901, 3);
    r.hops[3] = hop(TraceHopNoConnection, 0, 902, 4);
    r.hops[4] = hop(TraceHopReached, networkOrder(8, 8, 4, 4), 15, 5);
    r.hops[5] = hop(TraceHopReplied, networkOrder(7, 7, 7, 7), 16, 6);   // beyond the count
    return r;
}

trace_settings_t traceSettings()
{
    trace_settings_t s{};
    s.destination = 0x08080404;   // 8.8.4.4
    s.frame_size = 64;
    s.wait_time = 3000;
    return s;
}

dns_settings_t dnsSettings(const QByteArray &name)
{
    dns_settings_t s;
    std::memset(&s, 'X', sizeof s);   // what lies after the NUL is never shown
    std::memcpy(s.host_name, name.constData(), size_t(qMin(name.size() + 1, DnsHostNameField)));
    return s;
}

dns_results_t dnsResults(uint8_t outcome)
{
    dns_results_t r{};
    r.status = outcome;
    r.address = networkOrder(93, 184, 216, 34);
    return r;
}

ipscan_settings_t scanSettings(uint32_t first)
{
    ipscan_settings_t s{};
    s.first_address = first;
    s.last_address = first + 253;
    s.wait_time = 100;
    s.iterations = 3;
    return s;
}

ipscan_results_t scanResults(std::initializer_list<int> answered, uint8_t status)
{
    ipscan_results_t r{};
    r.status = status;
    r.start_time = 1000;
    r.current_time = 1030;
    r.estimated_duration = 100;
    for (int bit : answered)
        r.answered[bit / 8] |= uint8_t(1u << (bit % 8));
    return r;
}

QByteArray scanReport(std::initializer_list<int> answered, uint8_t status)
{
    return ReportFixture(TestIpScanner).settings(scanSettings(0xC0A80001)).results(scanResults(answered, status)).bytes();
}

} // namespace

class TestPdfIpTools : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void reports_data();
    void reports();
    void pingListsTheHighestRequestFirst();
    void traceCountBeyondTheRecord_data();
    void traceCountBeyondTheRecord();
    void scannerBodyOnPageTwo();
    void scannerWithAllAddressesOverSeveralPages();

private:
    QTemporaryDir m_dir;
    QString m_pdf;
};

void TestPdfIpTools::init()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
    QFile::remove(m_pdf);
}

void TestPdfIpTools::reports_data()
{
    addFixtureColumns();

    QTest::newRow("ping") << ReportFixture(TestPing).topology(PortB, false).settings(pingSettings()).results(pingResults()).bytes()
                          << Rows{{"Ping test report"}, {"Settings"}, {"Port", "B"},
                                  {"IP destination", "192.168.0.1"}, {"Packet length, B", "1024"}, {"Pause, ms", "500"},
                                  {"Results"}, {"#", "Status", "Frame, B", "Latency, ms"},
                                  {"5", "Timeout", "1024", "-"}, {"4", "Request", "1024", "-"},
                                  {"3", "OK", "1024", "12"}, {"1", "No conn.", "1024", "-"},
                                  {"Statistics"}, {"Sent", "10"}, {"Received", "8"}, {"Lost", "2"},
                                  {"Latency"}, {"Average", "12.5, ms"}, {"Minimum", "7, ms"}, {"Maximum", "20, ms"}}
                          << Rows{{"77"}, {"99"}, {"98"}, {"97"}, {"Topology"}};

    ping_results_t idle = pingResults();
    idle.min_latency = PingNoMinimum;
    idle.sent = 3;
    idle.received = 5;   // more replies than requests: no loss
    idle.avg_latency = std::numeric_limits<float>::quiet_NaN();
    idle.requests[0].status = 0;
    idle.requests[2].status = 9;
    QTest::newRow("ping: no minimum, more replies than requests, unknown statuses")
        << ReportFixture(TestPing).settings(pingSettings()).results(idle).bytes()
        << Rows{{"Minimum", "0, ms"}, {"Lost", "0"}, {"Average", "nan, ms"}, {"5", "---", "1024", "-"},
                {"3", "---", "1024", "-"}, {"Port", "A"}}
        << Rows{{"4294967295"}, {"4294967294"}};

    QTest::newRow("trace") << ReportFixture(TestTraceRoute).settings(traceSettings()).results(traceResults()).bytes()
                           << Rows{{"Trace test report"}, {"Port", "A"}, {"IP address", "8.8.4.4"},
                                   {"Packet size, B", "64"}, {"Wait time, ms", "3000"},
                                   {"#", "IP", "Latency, ms"}, {"1", "192.168.0.1", "3"}, {"2", "timeout", "-"},
                                   {"3", "...", "-"}, {"4", "No connection", "-"}, {"5", "8.8.4.4", "15"}}
                           << Rows{{"7.7.7.7"}, {"900"}, {"901"}, {"902"}, {"1.0.168.192"}};

    trace_results_t ended = traceResults();
    ended.hops[2].status = TraceHopEmpty;
    QTest::newRow("trace ended by an empty entry")
        << ReportFixture(TestTraceRoute).settings(traceSettings()).results(ended).bytes()
        << Rows{{"2", "timeout", "-"}, {"-", "-", "-"}} << Rows{{"No connection"}, {"8.8.4.4", "15"}};

    trace_results_t none = traceResults();
    none.hop_count = -3;
    QTest::newRow("trace with a negative count: the header row only")
        << ReportFixture(TestTraceRoute).settings(traceSettings()).results(none).bytes()
        << Rows{{"#", "IP", "Latency, ms"}} << Rows{{"192.168.0.1"}, {"timeout"}};

    QTest::newRow("DNS passed")
        << ReportFixture(TestDns).settings(dnsSettings("example.com")).results(dnsResults(DnsPassed)).bytes()
        << Rows{{"DNS test report"}, {"Settings"}, {"Port", "A"}, {"Domain name", "example.com"},
                {"Status", "Passed"}, {"Domain IP", "93.184.216.34"}}
        << Rows{{"XXX"}};
    QTest::newRow("DNS timeout")
        << ReportFixture(TestDns).settings(dnsSettings("example.com")).results(dnsResults(DnsTimeout)).bytes()
        << Rows{{"Status", "Timeout"}, {"Domain IP", "-"}} << Rows{{"93.184.216.34"}};
    QTest::newRow("DNS no result: an empty status")
        << ReportFixture(TestDns).settings(dnsSettings("example.com")).results(dnsResults(0)).bytes()
        << Rows{{"Domain name", "example.com", "Status", "Domain IP", "-"}} << Rows{{"93.184.216.34"}};
    QTest::newRow("DNS outcome 9 reads as passed, without an address")
        << ReportFixture(TestDns).settings(dnsSettings("example.com")).results(dnsResults(9)).bytes()
        << Rows{{"Status", "Passed"}, {"Domain IP", "-"}} << Rows{{"93.184.216.34"}};
    QTest::newRow("DNS outcome 7")
        << ReportFixture(TestDns).settings(dnsSettings("example.com")).results(dnsResults(7)).bytes()
        << Rows{{"Status", "Unknown"}, {"Domain IP", "-"}} << Rows{};
    // A name that fills the field has no NUL: it ends with the field, not
    // with the results' first byte (1) that follows it in the file.
    QTest::newRow("DNS name filling its field")
        << ReportFixture(TestDns).settings(dnsSettings("abcdefghijklmnopqrstuvwxyz012345")).results(dnsResults(DnsPassed)).bytes()
        << Rows{{"Domain name", "abcdefghijklmnopqrstuvwxyz012345", "Status", "Passed"}} << Rows{{"XXX"}};
    QTest::newRow("DNS name in UTF-8")
        << ReportFixture(TestDns).settings(dnsSettings(QStringLiteral("пример.рф").toUtf8())).results(dnsResults(DnsPassed)).bytes()
        << Rows{{"Domain name", "пример.рф"}} << Rows{};

    QTest::newRow("IP scanner") << scanReport({0, 9}, 0)
                                << Rows{{"IP scanner test report"}, {"Settings"}, {"Port", "A"},
                                        {"First address", "192.168.0.1"}, {"Last address", "192.168.0.254"},
                                        {"Wait time, ms", "100"}, {"Iterations", "3"}, {"Results"},
                                        {"Elapsed", "00:00:30", "Remaining", "00:01:10"},
                                        {"1", "192.168.0.1"}, {"2", "192.168.0.10"}}
                                << Rows{{"No connection"}, {"No active addresses"}};
    QTest::newRow("IP scanner without connection") << scanReport({0, 9}, IpScanNoConnection)
                                                   << Rows{{"1", "192.168.0.1"}, {"2", "192.168.0.10"}, {"3", "No connection"}}
                                                   << Rows{{"No active addresses"}};
    ipscan_results_t late = scanResults({}, IpScanNoConnection);
    late.current_time = 1200;
    QTest::newRow("IP scanner: nobody answered, past the estimate")
        << ReportFixture(TestIpScanner).settings(scanSettings(0xC0A80001)).results(late).bytes()
        << Rows{{"Results", "Elapsed", "00:03:20", "Remaining", "00:00:00", "No active addresses"}}
        << Rows{{"No connection"}};
    // The range's addresses count on from the first one as a 32-bit sum.
    QTest::newRow("IP scanner at the top of the address space")
        << ReportFixture(TestIpScanner).settings(scanSettings(0xFFFFFFFE)).results(scanResults({0, 1, 2}, 0)).bytes()
        << Rows{{"1", "255.255.255.254"}, {"2", "255.255.255.255"}, {"3", "0.0.0.0"}} << Rows{};
}

void TestPdfIpTools::reports()
{
    QFETCH(QByteArray, report);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    const QString faults = fixtureFaults(report, m_pdf, rows, absent);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

void TestPdfIpTools::pingListsTheHighestRequestFirst()
{
    QVERIFY(renderReport(ReportFixture(TestPing).settings(pingSettings()).results(pingResults()).bytes(), m_pdf));
    QStringList firstCells;
    for (const QList<PdfWord> &line : pdfLines(pdfWords(m_pdf))) {
        if (line.size() >= 4 && line.at(line.size() - 2).text == QLatin1String("1024"))
            firstCells << line.first().text;
    }
    QCOMPARE(firstCells, (QStringList{"5", "4", "3", "1"}));
    // The two empty slots still have their rows: the statistics start
    // eight rows (the table, its header and the blank row) below the title.
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QList<PdfWord> results = findPhrase(words, QStringLiteral("Results"));
    const QList<PdfWord> statistics = findPhrase(words, QStringLiteral("Statistics"));
    QCOMPARE(results.size(), 1);
    QCOMPARE(statistics.size(), 1);
    QVERIFY(qAbs(statistics.first().top - results.first().top - 9 * 200) < 8);
}

void TestPdfIpTools::traceCountBeyondTheRecord_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("9") << 9;
    QTest::newRow("1000") << 1000;
    QTest::newRow("largest") << std::numeric_limits<int32_t>::max();
}

void TestPdfIpTools::traceCountBeyondTheRecord()
{
    // A count beyond the eight entries of the record lists the eight and
    // reads nothing past them (the file ends with the record).
    QFETCH(int, count);
    trace_results_t r{};
    r.hop_count = count;
    for (int i = 0; i < TraceHopsPerPage; ++i)
        r.hops[i] = hop(TraceHopReplied, networkOrder(10, 0, 0, uint8_t(i + 1)), uint32_t(100 + i), uint8_t(i + 1));
    const QByteArray report = ReportFixture(TestTraceRoute).settings(traceSettings()).results(r).bytes();
    QCOMPARE(report.size(), 280);
    QVERIFY(renderReport(report, m_pdf));
    const QString text = pdfText(m_pdf);
    for (int i = 0; i < TraceHopsPerPage; ++i)
        QVERIFY(hasRow(text, {QString::number(i + 1), QStringLiteral("10.0.0.%1").arg(i + 1), QString::number(100 + i)}));
    // The table ends with the eighth entry: the page ends after it.
    QVERIFY(hasRow(text, {"8", "10.0.0.8", "107", "1"}));
}

void TestPdfIpTools::scannerBodyOnPageTwo()
{
    QVERIFY(renderReport(scanReport({0, 9}, 0), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    QCOMPARE(pdfPageCount(words), 2);
    const QString faults = pageFaults(words, Limit);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
    for (const char *phrase : {"First address", "Elapsed", "192.168.0.10"}) {
        const QList<PdfWord> found = findPhrase(words, QLatin1String(phrase));
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().page, 2);
    }
}

void TestPdfIpTools::scannerWithAllAddressesOverSeveralPages()
{
    // 256 answering addresses and the lost connection: 257 rows, more than
    // any page holds. Every row is listed once, on a page that has room for
    // it, and every page carries its number.
    ipscan_results_t r = scanResults({}, IpScanNoConnection);
    std::memset(r.answered, 0xFF, sizeof r.answered);
    QVERIFY(renderReport(ReportFixture(TestIpScanner).settings(scanSettings(0x0A000000)).results(r).bytes(), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QString faults = pageFaults(words, Limit);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));

    QMap<int, QString> listed;   // running number: value
    QMap<int, int> pageOf;
    for (const QList<PdfWord> &line : pdfLines(words)) {
        if (line.size() < 2 || line.first().top > PageHeight - 800)
            continue;
        bool isNumber = false;
        const int n = line.first().text.toInt(&isNumber);
        if (!isNumber || line.first().page < 2)
            continue;
        QStringList rest;
        for (int i = 1; i < line.size(); ++i)
            rest << line.at(i).text;
        QVERIFY2(!listed.contains(n), qPrintable(QString::number(n)));
        listed.insert(n, rest.join(QLatin1Char(' ')));
        pageOf.insert(n, line.first().page);
    }
    QCOMPARE(listed.size(), 257);
    for (int n = 1; n <= 256; ++n)
        QCOMPARE(listed.value(n), QStringLiteral("10.0.0.%1").arg(n - 1));
    QCOMPARE(listed.value(257), QStringLiteral("No connection"));
    // In order down the pages; the list starts below the settings on page
    // 2 and runs over the four pages after it.
    for (int n = 2; n <= 257; ++n)
        QVERIFY(pageOf.value(n) >= pageOf.value(n - 1));
    QCOMPARE(pageOf.value(1), 2);
    QCOMPARE(pdfPageCount(words), 6);
    QCOMPARE(findPhrase(words, QStringLiteral("First address")).first().page, 2);
}

QTEST_MAIN(TestPdfIpTools)
#include "tst_pdfiptools.moc"
