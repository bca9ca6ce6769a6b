// The pure rules behind the ping, trace route, DNS and IP scanner forms:
// what each results record shows, the trace pages, the host name encoding,
// and records from the wire that hold nonsense.

#include "iptoolsformat.h"
#include "textfunctions.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr uint32_t ip(int a, int b, int c, int d)
{
    return uint32_t(a) << 24 | uint32_t(b) << 16 | uint32_t(c) << 8 | uint32_t(d);
}

template <class T>
T zeroed()
{
    T r;
    std::memset(&r, 0, sizeof r);
    return r;
}

// The tester keeps request n in entry n mod 6.
ping_results_t pingResults(std::initializer_list<int> numbers, uint8_t status = PingReplied)
{
    auto r = zeroed<ping_results_t>();
    for (int n : numbers) {
        ping_request_t &e = r.requests[n % PingRequestEntries];
        e.number = uint16_t(n);
        e.status = status;
        e.latency = uint32_t(100 + n);
    }
    return r;
}

probe_settings_t probe(uint16_t frame)
{
    auto s = zeroed<probe_settings_t>();
    s.frame_size = frame;
    return s;
}

} // namespace

class TestIpToolsFormat : public QObject
{
    Q_OBJECT

private slots:
    void addressPattern_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("address") << "192.168.0.1" << true;
        QTest::newRow("leading zeros") << "010.000.000.001" << true;
        QTest::newRow("all 255") << "255.255.255.255" << true;
        QTest::newRow("256") << "192.168.0.256" << false;
        QTest::newRow("three parts") << "10.0.0" << false;
        QTest::newRow("five parts") << "10.0.0.1.2" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("letters") << "a.b.c.d" << false;
        QTest::newRow("blank inside") << "10.0. 0.1" << false;
    }
    void addressPattern()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(::ipAddressPattern().size(), 172);
        QCOMPARE(isIpText(text), valid);
        QCOMPARE(completeAddressOr(text, FallbackDestination), valid ? text : QString("192.168.0.1"));
    }

    // ---- ping -------------------------------------------------------------------

    void pingRowsHighestFirst()
    {
        const ping_settings_t s = probe(512);
        const ping_results_t r = pingResults({12, 7, 8, 9, 10, 11});
        const PingResultsView v = pingResultsView(&s, &r);
        const QStringList numbers = {"00012", "00011", "00010", "00009", "00008", "00007"};
        for (int row = 0; row < PingRequestEntries; ++row) {
            QCOMPARE(v.cells[row][PingNumberColumn], numbers.at(row));
            QCOMPARE(v.cells[row][PingStatusColumn], QString("OK"));
            QCOMPARE(v.cells[row][PingFrameColumn], QString("512"));
            QCOMPARE(v.cells[row][PingLatencyColumn], QString::number(100 + numbers.at(row).toInt()));
        }
    }

    void pingEmptyEntriesGoLast()
    {
        const ping_settings_t s = probe(64);
        // Entries 0, 4 and 5 are empty; 1 and 65535 show whole, zero-filled.
        const ping_results_t r = pingResults({1, 65535, 2});
        const PingResultsView v = pingResultsView(&s, &r);
        QCOMPARE(v.cells[0][PingNumberColumn], QString("65535"));
        QCOMPARE(v.cells[1][PingNumberColumn], QString("00002"));
        QCOMPARE(v.cells[2][PingNumberColumn], QString("00001"));
        for (int row = 3; row < PingRequestEntries; ++row) {
            for (int column = 0; column < PingColumns; ++column)
                QCOMPARE(v.cells[row][column], QString("-"));
        }
    }

    void pingStatusTexts_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("latency");
        QTest::newRow("0") << 0 << "-" << "-";
        QTest::newRow("request") << 1 << "Request" << "-";
        QTest::newRow("ok") << 2 << "OK" << "250";
        QTest::newRow("timeout") << 3 << "Timeout" << "-";
        QTest::newRow("interrupted") << 4 << "Interrupted" << "-";
        QTest::newRow("no connection") << 5 << "No conn." << "-";
        QTest::newRow("6") << 6 << "-" << "-";
        QTest::newRow("9") << 9 << "-" << "-";
        QTest::newRow("255") << 255 << "-" << "-";
    }
    // An empty entry clears its own row, even where another entry's number
    // pointed (a tester keeps each number in its own entry).
    void pingEmptyEntryClearsItsRow()
    {
        auto r = pingResults({12, 7, 8, 9, 10, 11});
        r.requests[3].number = 0;
        r.requests[1].number = 9;   // row 3
        const PingResultsView v = pingResultsView(nullptr, &r);
        QCOMPARE(v.cells[0][PingNumberColumn], QString("00012"));
        QCOMPARE(v.cells[1][PingNumberColumn], QString("00011"));
        QCOMPARE(v.cells[2][PingNumberColumn], QString("00010"));
        QCOMPARE(v.cells[3][PingNumberColumn], QString("00008"));
        QCOMPARE(v.cells[4][PingNumberColumn], QString("-"));
        QCOMPARE(v.cells[5][PingNumberColumn], QString("-"));
    }

    void pingStatusTexts()
    {
        QFETCH(int, status);
        QFETCH(QString, text);
        QFETCH(QString, latency);
        auto r = zeroed<ping_results_t>();
        r.requests[0] = {uint8_t(status), 6, 250};
        const ping_settings_t s = probe(64);
        const PingResultsView v = pingResultsView(&s, &r);
        QCOMPARE(v.cells[0][PingStatusColumn], text);
        QCOMPARE(v.cells[0][PingLatencyColumn], latency);
    }

    void pingStatistics_data()
    {
        QTest::addColumn<uint>("sent");
        QTest::addColumn<int>("pending");
        QTest::addColumn<uint>("received");
        QTest::addColumn<QString>("shownSent");
        QTest::addColumn<QString>("lost");
        QTest::newRow("one awaited") << 10u << 1 << 7u << "9" << "2";
        QTest::newRow("more replies than requests") << 5u << 0 << 6u << "5" << "0";
        QTest::newRow("largest count") << 4294967295u << 0 << 0u << "4294967295" << "4294967295";
        // Not a count a tester can have: no four-billion wrap.
        QTest::newRow("more awaited than sent") << 0u << 1 << 0u << "0" << "0";
    }
    void pingStatistics()
    {
        QFETCH(uint, sent);
        QFETCH(int, pending);
        QFETCH(uint, received);
        QFETCH(QString, shownSent);
        QFETCH(QString, lost);
        auto r = zeroed<ping_results_t>();
        r.sent = sent;
        r.pending = uint8_t(pending);
        r.received = received;
        const PingResultsView v = pingResultsView(nullptr, &r);
        QCOMPARE(v.sent, shownSent);
        QCOMPARE(v.received, QString::number(received));
        QCOMPARE(v.lost, lost);
    }

    void pingLatencies_data()
    {
        QTest::addColumn<float>("average");
        QTest::addColumn<uint>("minimum");
        QTest::addColumn<uint>("maximum");
        QTest::addColumn<QString>("shownAverage");
        QTest::addColumn<QString>("shownMinimum");
        QTest::addColumn<QString>("shownMaximum");
        QTest::newRow("no reply yet") << 12.5f << 0xFFFFFFFFu << 17u << "12.5 ms" << "0" << "17 ms";
        QTest::newRow("replies") << 3.0f << 1u << 4294967294u << "3.0 ms" << "1 ms" << "4294967294 ms";
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0u << 0u << "-" << "0 ms" << "0 ms";
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << 0u << 0u << "-" << "0 ms" << "0 ms";
        QTest::newRow("negative") << -1.0f << 0u << 0u << "-" << "0 ms" << "0 ms";
        QTest::newRow("beyond 32 bits") << 1e12f << 0u << 0u << "-" << "0 ms" << "0 ms";
    }
    void pingLatencies()
    {
        QFETCH(float, average);
        QFETCH(uint, minimum);
        QFETCH(uint, maximum);
        auto r = zeroed<ping_results_t>();
        r.avg_latency = average;
        r.min_latency = minimum;
        r.max_latency = maximum;
        const PingResultsView v = pingResultsView(nullptr, &r);
        QTEST(v.average, "shownAverage");
        QTEST(v.minimum, "shownMinimum");
        QTEST(v.maximum, "shownMaximum");
    }

    void pingWithoutRecords()
    {
        const PingResultsView none = pingResultsView(nullptr, nullptr);
        for (const QString &text : {none.sent, none.received, none.lost, none.average, none.minimum, none.maximum})
            QCOMPARE(text, QString("-"));
        for (int row = 0; row < PingRequestEntries; ++row) {
            for (int column = 0; column < PingColumns; ++column)
                QCOMPARE(none.cells[row][column], QString("-"));
        }
        // Results without settings: the frame size has nowhere to come from.
        const ping_results_t r = pingResults({3});
        const PingResultsView v = pingResultsView(nullptr, &r);
        QCOMPARE(v.cells[0][PingNumberColumn], QString("00003"));
        QCOMPARE(v.cells[0][PingFrameColumn], QString("-"));
    }

    // ---- trace route --------------------------------------------------------------

    void traceHop_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("latency");
        QTest::addColumn<int>("icon");
        const int none = int(TraceIcon::None);
        QTest::newRow("empty") << 0 << "-" << "-" << "-" << none;
        QTest::newRow("probing") << 1 << "7" << "..." << "-" << int(TraceIcon::Probing);
        QTest::newRow("replied") << 2 << "7" << "192.168.0.1" << "4294967295" << int(TraceIcon::Replied);
        QTest::newRow("timeout") << 3 << "7" << "timeout" << "-" << int(TraceIcon::TimedOut);
        QTest::newRow("4") << 4 << "7" << "-" << "-" << none;
        QTest::newRow("reached") << 5 << "7" << "192.168.0.1" << "4294967295" << int(TraceIcon::Replied);
        QTest::newRow("no connection") << 6 << "7" << "No conn." << "-" << none;
        QTest::newRow("7") << 7 << "7" << "-" << "-" << none;
        QTest::newRow("255") << 255 << "7" << "-" << "-" << none;
    }
    void traceHop()
    {
        QFETCH(int, status);
        // The address bytes at offsets 1-4 read 192, 168, 0, 1.
        const uint8_t bytes[10] = {uint8_t(status), 192, 168, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF, 7};
        trace_hop_t hop;
        std::memcpy(&hop, bytes, sizeof hop);
        const TraceHopView v = traceHopView(hop);
        QTEST(v.number, "number");
        QTEST(v.address, "address");
        QTEST(v.latency, "latency");
        QTEST(int(v.icon), "icon");
    }

    void tracePages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<uint>("param");
        QTest::newRow("1") << 1 << 0u;
        QTest::newRow("2") << 2 << 8u;
        QTest::newRow("3") << 3 << 16u;
        QTest::newRow("32") << 32 << 248u;
        QTest::newRow("0 is page 1") << 0 << 0u;
        QTest::newRow("33 is page 32") << 33 << 248u;
        QTest::newRow("negative") << -5 << 0u;
    }
    void tracePages()
    {
        QFETCH(int, page);
        QTEST(traceResultsParam(page), "param");
    }

    // The report lists at most hop_count entries: never more than the page holds.
    void traceHopCountBounded_data()
    {
        QTest::addColumn<int>("hopCount");
        QTest::addColumn<int>("inUse");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("5") << 5 << 5;
        QTest::newRow("8") << 8 << 8;
        QTest::newRow("9") << 9 << 8;
        QTest::newRow("largest") << std::numeric_limits<int32_t>::max() << 8;
        QTest::newRow("negative") << -1 << 0;
        QTest::newRow("smallest") << std::numeric_limits<int32_t>::min() << 0;
    }
    void traceHopCountBounded()
    {
        QFETCH(int, hopCount);
        auto r = zeroed<trace_results_t>();
        r.hop_count = hopCount;
        QTEST(traceHopsInUse(r), "inUse");
    }

    // ---- DNS ------------------------------------------------------------------------

    void dnsHostNameRoundTrips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fits");
        QTest::newRow("ascii") << "ntp.example.org" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("blanks") << "   " << true;
        QTest::newRow("31 ascii bytes") << QString(31, 'a') << true;
        QTest::newRow("32 ascii bytes") << QString(32, 'a') << false;
        // Cyrillic letters take two bytes each.
        QTest::newRow("15 Cyrillic letters, 30 bytes") << QString(15, QChar(0x0436)) << true;
        QTest::newRow("16 Cyrillic letters, 32 bytes") << QString(16, QChar(0x0436)) << false;
        QTest::newRow("umlauts") << QString::fromUtf8("müller.example.de") << true;
    }
    void dnsHostNameRoundTrips()
    {
        QFETCH(QString, name);
        QFETCH(bool, fits);
        dns_settings_t s;
        std::memset(&s, 0xAB, sizeof s);
        const dns_settings_t before = s;
        QCOMPARE(setDnsHostName(s, name), fits);
        QCOMPARE(dnsHostNameBytes(name) <= DnsHostNameMaxBytes, fits);
        if (!fits) {
            // Refused: not a byte changed.
            QCOMPARE(std::memcmp(&s, &before, sizeof s), 0);
            return;
        }
        const QByteArray bytes = name.toUtf8();
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(s.host_name), bytes.size()), bytes);
        QCOMPARE(int(s.host_name[bytes.size()]), 0);
        // The bytes after the NUL keep what they held.
        for (int i = bytes.size() + 1; i < DnsHostNameField; ++i)
            QCOMPARE(int(s.host_name[i]), 0xAB);
        QCOMPARE(dnsHostName(s), name);
    }

    void dnsHostNameWithoutNul()
    {
        dns_settings_t s;
        std::memset(&s, 'x', sizeof s);
        QCOMPARE(dnsHostName(s), QString(32, 'x'));
    }

    void dnsResults_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("statusText");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("address");
        QTest::newRow("0") << 0 << "-" << "-" << "-";
        QTest::newRow("passed") << 1 << "Passed" << "ntp.example.org" << "10.1.2.3";
        QTest::newRow("in progress") << 2 << "In progress" << "ntp.example.org" << "-";
        QTest::newRow("error") << 3 << "Error" << "ntp.example.org" << "-";
        QTest::newRow("timeout") << 4 << "Timeout" << "ntp.example.org" << "-";
        QTest::newRow("5") << 5 << "Unknown error" << "ntp.example.org" << "-";
        QTest::newRow("not connected") << 6 << "Not connected" << "ntp.example.org" << "-";
        QTest::newRow("7") << 7 << "Unknown error" << "ntp.example.org" << "-";
        QTest::newRow("200") << 200 << "Unknown error" << "ntp.example.org" << "-";
    }
    void dnsResults()
    {
        QFETCH(int, status);
        auto s = zeroed<dns_settings_t>();
        QVERIFY(setDnsHostName(s, QStringLiteral("ntp.example.org")));
        // Bytes 10, 1, 2, 3 at offsets 4 to 7: the first octet first.
        const uint8_t bytes[8] = {uint8_t(status), 0xEE, 0xEE, 0xEE, 10, 1, 2, 3};
        dns_results_t r;
        std::memcpy(&r, bytes, sizeof r);
        const DnsResultsView v = dnsResultsView(&s, &r);
        QTEST(v.status, "statusText");
        QTEST(v.hostName, "host");
        QTEST(v.address, "address");
    }

    void dnsResultsWithoutRecords()
    {
        const DnsResultsView none = dnsResultsView(nullptr, nullptr);
        QCOMPARE(none.status, QString("-"));
        QCOMPARE(none.hostName, QString("-"));
        QCOMPARE(none.address, QString("-"));
        auto r = zeroed<dns_results_t>();
        r.status = DnsTimeout;
        const DnsResultsView noSettings = dnsResultsView(nullptr, &r);
        QCOMPARE(noSettings.status, QString("Timeout"));
        QCOMPARE(noSettings.hostName, QString());
    }

    // ---- IP scanner -----------------------------------------------------------------

    void scanRows_data()
    {
        QTest::addColumn<uint>("first");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("bits 0 and 2") << ip(192, 168, 0, 1) << 0 << 0x05 << 0
                                      << QStringList{"192.168.0.1", "192.168.0.3"};
        QTest::newRow("carry into the third octet") << ip(192, 168, 0, 250) << 1 << 0x04 << 0
                                                    << QStringList{"192.168.1.4"};
        QTest::newRow("no connection") << ip(192, 168, 0, 1) << 0 << 0 << 5 << QStringList{"No connection"};
        QTest::newRow("answers, then no connection") << ip(10, 0, 0, 0) << 31 << 0x80 << 5
                                                     << QStringList{"10.0.0.255", "No connection"};
        QTest::newRow("wraps past the last address") << ip(255, 255, 255, 250) << 1 << 0x04 << 0
                                                     << QStringList{"0.0.0.4"};
        QTest::newRow("status 4 has no meaning") << ip(192, 168, 0, 1) << 0 << 0 << 4 << QStringList{};
    }
    void scanRows()
    {
        QFETCH(uint, first);
        QFETCH(int, byte);
        QFETCH(int, bits);
        QFETCH(int, status);
        QFETCH(QStringList, rows);
        auto s = zeroed<ipscan_settings_t>();
        s.first_address = first;
        auto r = zeroed<ipscan_results_t>();
        r.answered[byte] = uint8_t(bits);
        r.status = uint8_t(status);
        const IpScanResultsView v = ipScanResultsView(&s, &r);
        for (int row = 0; row < IpScanAddresses; ++row)
            QCOMPARE(v.rows[row], row < rows.size() ? rows.at(row) : QString("-"));
    }

    // Every address answered and no connection: 256 rows, none beyond them.
    void scanFullListLeavesNoRowForNoConnection()
    {
        auto s = zeroed<ipscan_settings_t>();
        s.first_address = ip(192, 168, 1, 0);
        ipscan_results_t r;
        std::memset(&r, 0xFF, sizeof r);
        r.status = IpScanNoConnection;
        const IpScanResultsView v = ipScanResultsView(&s, &r);
        QCOMPARE(v.rows[0], QString("192.168.1.0"));
        QCOMPARE(v.rows[255], QString("192.168.1.255"));
        for (const QString &row : v.rows)
            QVERIFY(row != QLatin1String("No connection"));
    }

    void scanWithoutRecords()
    {
        auto r = zeroed<ipscan_results_t>();
        r.answered[0] = 0xFF;
        r.status = IpScanNoConnection;
        // No settings: no address can be computed.
        const IpScanResultsView noSettings = ipScanResultsView(nullptr, &r);
        QCOMPARE(noSettings.rows[0], QString("No connection"));
        QCOMPARE(noSettings.rows[1], QString("-"));
        // No results: dashes, and the times keep what they show.
        const auto s = zeroed<ipscan_settings_t>();
        const IpScanResultsView none = ipScanResultsView(&s, nullptr);
        QVERIFY(none.elapsed.isNull());
        QVERIFY(none.remaining.isNull());
        for (const QString &row : none.rows)
            QCOMPARE(row, QString("-"));
    }

    void scanTimes_data()
    {
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("now");
        QTest::addColumn<uint>("duration");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<QString>("remaining");
        QTest::newRow("past its estimate") << 1000u << 1100u << 60u << "00:01:40" << "00:00:00";
        QTest::newRow("running") << 1000u << 1010u << 60u << "00:00:10" << "00:00:50";
        QTest::newRow("over a day") << 0u << 100000u << 0u << "27:46:40" << "00:00:00";
        // A tester clock behind the start shows no run time instead of a
        // wrapped four billion seconds.
        QTest::newRow("clock behind the start") << 1100u << 1000u << 60u << "00:00:00" << "00:01:00";
    }
    void scanTimes()
    {
        auto r = zeroed<ipscan_results_t>();
        QFETCH(uint, start);
        QFETCH(uint, now);
        QFETCH(uint, duration);
        r.start_time = start;
        r.current_time = now;
        r.estimated_duration = duration;
        const IpScanResultsView v = ipScanResultsView(nullptr, &r);
        QTEST(v.elapsed, "elapsed");
        QTEST(v.remaining, "remaining");
    }
};

QTEST_GUILESS_MAIN(TestIpToolsFormat)
#include "tst_iptoolsformat.moc"
