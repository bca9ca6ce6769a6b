// The texts and colours of the port status panels, from the values of the
// status record.
#include "portstatus.h"

#include <QtTest>

namespace {
const QString idle = QStringLiteral("color: rgb(0, 170, 255);background-color: rgb(0, 0, 0);");
const QString alarm = QStringLiteral("color: rgb(255, 255, 0);background-color: rgb(255, 0, 0);");
const QString onWhite = QStringLiteral("color: rgb(0, 170, 255);background-color: rgb(255, 255, 255);");
const QString onYellow = QStringLiteral("color: rgb(0, 170, 255);background-color: rgb(255, 255, 0);");
const QString onGreen = QStringLiteral("color: rgb(0, 170, 255);background-color: rgb(0, 255, 0);");
const QString lampBlack = QStringLiteral("background-color: rgb(0, 0, 0);color: rgb(0, 170, 255);");

quint32 bits(std::initializer_list<int> list)
{
    quint32 w = 0;
    for (int b : list)
        w |= 1u << b;
    return w;
}
}

class TestPortStatus : public QObject
{
    Q_OBJECT
private slots:
    void link_data();
    void link();
    void lamps_data();
    void lamps();
    void process_data();
    void process();
    void topology_data();
    void topology();
    void ratesCell();
};

void TestPortStatus::link_data()
{
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("duplex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("white");

    QTest::newRow("down") << 0 << 2 << 1 << "NS" << false;
    QTest::newRow("down ignores speed") << 0 << 0 << 0 << "NS" << false;
    QTest::newRow("1000 full") << 1 << 2 << 1 << "1000F" << true;
    QTest::newRow("100 half") << 1 << 1 << 0 << "100H" << true;
    QTest::newRow("10 full, any non-zero up") << 7 << 0 << 1 << "10F" << true;
    QTest::newRow("unknown speed") << 1 << 3 << 1 << "F" << true;
    QTest::newRow("unknown duplex") << 1 << 2 << 2 << "1000" << true;
    QTest::newRow("nothing known") << 1 << 255 << 255 << "" << true;
}

void TestPortStatus::link()
{
    QFETCH(int, up);
    QFETCH(int, speed);
    QFETCH(int, duplex);
    QFETCH(QString, text);
    QFETCH(bool, white);
    const PortCellLook look = portLinkLook(quint8(up), quint8(speed), quint8(duplex));
    QCOMPARE(look.text, text);
    QCOMPARE(look.styleSheet, white ? QStringLiteral("background-color: rgb(255, 255, 255);color: rgb(0, 170, 255);")
                                    : lampBlack);
}

void TestPortStatus::lamps_data()
{
    QTest::addColumn<quint32>("word");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::newRow("idle") << 0u << lampBlack << lampBlack;
    QTest::newRow("bit 0") << 1u << QStringLiteral("background-color: rgb(0, 255, 0);color: rgb(0, 170, 255);")
                           << QStringLiteral("background-color: rgb(255, 255, 0);color: rgb(0, 170, 255);");
    QTest::newRow("bit 31") << 0x80000000u
                            << QStringLiteral("background-color: rgb(0, 255, 0);color: rgb(0, 170, 255);")
                            << QStringLiteral("background-color: rgb(255, 255, 0);color: rgb(0, 170, 255);");
}

void TestPortStatus::lamps()
{
    QFETCH(quint32, word);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QCOMPARE(rxLampStyle(word), rx);
    QCOMPARE(txLampStyle(word), tx);
}

void TestPortStatus::process_data()
{
    QTest::addColumn<quint32>("tx");
    QTest::addColumn<quint32>("rx");
    QTest::addColumn<int>("alarm");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");

    QTest::newRow("idle") << 0u << 0u << 0 << 0 << "" << idle;
    QTest::newRow("idle with alarm") << 0u << 0u << 1 << 0 << "" << alarm;
    QTest::newRow("traffic sending") << bits({2}) << 0u << 0 << 0 << "TRAF" << onYellow;
    QTest::newRow("traffic receiving") << 0u << bits({2}) << 0 << 0 << "TRAF" << onGreen;
    QTest::newRow("traffic beats asym") << bits({16, 2}) << 0u << 0 << 0 << "TRAF" << onYellow;
    QTest::newRow("asym beats rfc") << bits({3}) << bits({16}) << 0 << 0 << "AT" << onYellow;
    QTest::newRow("loopback level 3") << bits({1}) << 0u << 0 << 3 << "LB3" << onWhite;
    QTest::newRow("loopback level 0") << bits({1}) << 0u << 0 << 0 << "" << onWhite;
    QTest::newRow("loopback before thru") << bits({0, 1}) << 0u << 0 << 2 << "LB2" << onWhite;
    QTest::newRow("thru") << bits({0}) << 0u << 0 << 0 << "THRU" << onWhite;
    QTest::newRow("thru wins colour over ping") << bits({0, 8}) << 0u << 2 << 0 << "THRU" << onWhite;
    QTest::newRow("ping alarm 2") << bits({8}) << 0u << 2 << 0 << "PING" << alarm;
    QTest::newRow("ping alarm 1") << bits({8}) << 0u << 1 << 0 << "PING" << onYellow;
    QTest::newRow("ping received only") << 0u << bits({8}) << 2 << 0 << "PING" << onGreen;
    QTest::newRow("alarm ignored while sending") << bits({19}) << 0u << 2 << 0 << "BERT" << onYellow;
    QTest::newRow("trace") << bits({9}) << 0u << 0 << 0 << "TRT" << onYellow;
    QTest::newRow("dns after bert") << bits({10, 19}) << 0u << 0 << 0 << "BERT" << onYellow;
    QTest::newRow("dns") << bits({10}) << 0u << 0 << 0 << "DNS" << onYellow;
    QTest::newRow("oam") << bits({14, 5}) << 0u << 0 << 0 << "OAM" << onYellow;
    QTest::newRow("multistream") << bits({5, 7}) << 0u << 0 << 0 << "MS" << onYellow;
    QTest::newRow("ptp") << bits({7, 11}) << 0u << 0 << 0 << "PTP" << onYellow;
    QTest::newRow("scan") << bits({11, 15}) << 0u << 0 << 0 << "SCAN" << onYellow;
    QTest::newRow("mdi") << bits({15, 4}) << 0u << 0 << 0 << "MDI" << onYellow;
    QTest::newRow("y1564") << bits({4, 17}) << 0u << 0 << 0 << "Y1564" << onYellow;
    QTest::newRow("sync") << bits({17, 18}) << 0u << 0 << 0 << "SYNC" << onYellow;
    QTest::newRow("jitter") << 0u << bits({6, 12}) << 0 << 0 << "JIT" << onGreen;
    QTest::newRow("cable") << bits({12}) << 0u << 0 << 0 << "CAB" << onYellow;
    QTest::newRow("rcl sent") << bits({18}) << 0u << 0 << 0 << "RCL" << onYellow;
    QTest::newRow("rcl received only") << 0u << bits({18}) << 0 << 0 << "" << onGreen;
    QTest::newRow("bit 13 has no name") << bits({13}) << 0u << 0 << 0 << "" << onYellow;
    QTest::newRow("unknown high bit") << bits({25}) << 0u << 0 << 0 << "" << onYellow;
}

void TestPortStatus::process()
{
    QFETCH(quint32, tx);
    QFETCH(quint32, rx);
    QFETCH(int, alarm);
    QFETCH(int, level);
    QFETCH(QString, text);
    QFETCH(QString, style);
    const PortCellLook look = portProcessLook(tx, rx, quint8(alarm), quint8(level));
    QCOMPARE(look.text, text);
    QCOMPARE(look.styleSheet, style);
}

void TestPortStatus::topology_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("A to other") << 0 << 0 << "A->B";
    QTest::newRow("A loop") << 0 << 1 << "A->A";
    QTest::newRow("B to other") << 1 << 0 << "B->A";
    QTest::newRow("B loop") << 1 << 1 << "B->B";
    QTest::newRow("A none") << 0 << 2 << "---";
    QTest::newRow("B none") << 1 << 255 << "---";
}

void TestPortStatus::topology()
{
    QFETCH(int, port);
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(topologyText(port, quint8(code)), text);
}

void TestPortStatus::ratesCell()
{
    QCOMPARE(portRatesText(1000, 0), QStringLiteral("Tx: 8.000 kbps\nRx: 0 bps"));
    // The panel counts in the units of the tables and reports: 1 Mbit/s is
    // still kbps.
    QCOMPARE(portRatesText(125000, 125001), QStringLiteral("Tx: 1000.000 kbps\nRx: 1.000 Mbps"));
}

QTEST_GUILESS_MAIN(TestPortStatus)
#include "tst_portstatus.moc"
