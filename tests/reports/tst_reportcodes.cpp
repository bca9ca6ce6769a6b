// The texts and orders that the asymmetric traffic and IP tool reports show
// their own way.

#include "reportcodes.h"

#include <QtTest>

#include <cstring>

class TestReportCodes : public QObject
{
    Q_OBJECT

private slots:
    void asymDirection_data();
    void asymDirection();
    void pingStatus_data();
    void pingStatus();
    void pingOrder_data();
    void pingOrder();
    void traceHopAddress_data();
    void traceHopAddress();
    void dnsStatus_data();
    void dnsStatus();
    void ipScanAnswerCount_data();
    void ipScanAnswerCount();
    void ipScanKeepRows_data();
    void ipScanKeepRows();
};

void TestReportCodes::asymDirection_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("output") << 0 << "Output";
    QTest::newRow("input") << 1 << "Input";
    QTest::newRow("both") << 2 << "Both";
    QTest::newRow("3 has no direction") << 3 << "Unknown";
    QTest::newRow("255") << 255 << "Unknown";
}

void TestReportCodes::asymDirection()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(asymDirectionReportText(uint8_t(code)), text);
}

void TestReportCodes::pingStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "---";
    QTest::newRow("request") << 1 << "Request";
    QTest::newRow("reply") << 2 << "OK";
    QTest::newRow("timeout") << 3 << "Timeout";
    QTest::newRow("interrupted") << 4 << "Interrupted";
    QTest::newRow("no connection") << 5 << "No conn.";
    QTest::newRow("6") << 6 << "---";
    QTest::newRow("255") << 255 << "---";
}

void TestReportCodes::pingStatus()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(pingReportStatusText(uint8_t(status)), text);
}

void TestReportCodes::pingOrder_data()
{
    QTest::addColumn<QList<int>>("numbers");   // request number of slots 0-5
    QTest::addColumn<QList<int>>("order");     // slots as listed
    QTest::newRow("highest first, empty last") << QList<int>{3, 0, 5, 4, 0, 1} << QList<int>{2, 3, 0, 5, 1, 4};
    QTest::newRow("equal numbers in slot order") << QList<int>{7, 9, 7, 0, 9, 7} << QList<int>{1, 4, 0, 2, 5, 3};
    QTest::newRow("all empty") << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{0, 1, 2, 3, 4, 5};
    QTest::newRow("numbers near the top") << QList<int>{65535, 1, 2, 65534, 3, 4} << QList<int>{0, 3, 5, 4, 2, 1};
}

void TestReportCodes::pingOrder()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QList<int>, order);
    ping_results_t r{};
    for (int slot = 0; slot < PingRequestEntries; ++slot)
        r.requests[slot].number = uint16_t(numbers.at(slot));
    const std::array<int, PingRequestEntries> listed = pingReportOrder(r);
    QCOMPARE(QList<int>(listed.begin(), listed.end()), order);
}

void TestReportCodes::traceHopAddress_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::newRow("end of list") << 0 << "-";
    QTest::newRow("waiting") << 1 << "...";
    QTest::newRow("answered") << 2 << "192.168.0.1";
    QTest::newRow("timed out") << 3 << "timeout";
    QTest::newRow("4 has no meaning") << 4 << "-";
    QTest::newRow("reached") << 5 << "192.168.0.1";
    QTest::newRow("no connection") << 6 << "No connection";
    QTest::newRow("200") << 200 << "-";
}

void TestReportCodes::traceHopAddress()
{
    QFETCH(int, state);
    QFETCH(QString, text);
    trace_hop_t hop{};
    hop.status = uint8_t(state);
    const uint8_t octets[] = {192, 168, 0, 1};   // first octet in the least significant byte
    std::memcpy(&hop.address, octets, sizeof octets);
    hop.latency = 12;
    hop.hop_number = 3;
    QCOMPARE(traceHopReportAddress(hop), text);
}

void TestReportCodes::dnsStatus_data()
{
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("text");
    QTest::newRow("no result") << 0 << "";
    QTest::newRow("passed") << 1 << "Passed";
    QTest::newRow("in progress") << 2 << "In progress";
    QTest::newRow("illegal argument") << 3 << "Illegal argument";
    QTest::newRow("timeout") << 4 << "Timeout";
    QTest::newRow("error") << 5 << "Error";
    QTest::newRow("not connected") << 6 << "Not connected";
    QTest::newRow("7 has no outcome") << 7 << "Unknown";
    QTest::newRow("9 by its low bits") << 9 << "Passed";
    QTest::newRow("8 by its low bits") << 8 << "";
    QTest::newRow("255") << 255 << "Unknown";
}

void TestReportCodes::dnsStatus()
{
    QFETCH(int, outcome);
    QFETCH(QString, text);
    QCOMPARE(dnsReportStatusText(uint8_t(outcome)), text);
}

void TestReportCodes::ipScanAnswerCount_data()
{
    QTest::addColumn<QByteArray>("bitmap");
    QTest::addColumn<int>("count");
    QTest::newRow("none") << QByteArray(32, '\0') << 0;
    QTest::newRow("bits 0 and 9") << QByteArray("\x01\x02", 2) + QByteArray(30, '\0') << 2;
    QTest::newRow("last bit") << QByteArray(31, '\0') + QByteArray("\x80", 1) << 1;
    QTest::newRow("all 256") << QByteArray(32, '\xFF') << 256;
}

void TestReportCodes::ipScanAnswerCount()
{
    QFETCH(QByteArray, bitmap);
    QFETCH(int, count);
    ipscan_results_t r{};
    std::memcpy(r.answered, bitmap.constData(), sizeof r.answered);
    QCOMPARE(::ipScanAnswerCount(r), count);
}

void TestReportCodes::ipScanKeepRows_data()
{
    QTest::addColumn<int>("answered");
    QTest::addColumn<int>("keep");
    QTest::newRow("none: title and the single row") << 0 << 2;
    QTest::newRow("ten") << 10 << 12;
    QTest::newRow("a full page") << 58 << 60;
    QTest::newRow("one more than a page: the first address") << 59 << 3;
    QTest::newRow("256") << 256 << 3;
}

void TestReportCodes::ipScanKeepRows()
{
    QFETCH(int, answered);
    QFETCH(int, keep);
    QCOMPARE(ipScanResultsKeepRows(answered, 60), keep);
}

QTEST_MAIN(TestReportCodes)
#include "tst_reportcodes.moc"
