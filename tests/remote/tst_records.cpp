// Device records, identity tables and the operator texts for tester codes.

#include "deviceidentity.h"
#include "devicetexts.h"
#include "records.h"

#include <QtTest>

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void recordLayoutMatchesWire();
    void sizesPerTestId_data();
    void sizesPerTestId();
    void identity_data();
    void identity();
    void manufacturerOfOwnModels();
    void testStatusTexts_data();
    void testStatusTexts();
    void startErrorTexts_data();
    void startErrorTexts();
    void streamErrorReadsPortSettings_data();
    void streamErrorReadsPortSettings();
};

// Field offsets that readers all over the program rely on: a wrong order of
// fields shows up here rather than as garbage on a status panel.
void TestRecords::recordLayoutMatchesWire()
{
    QByteArray wire(107, '\0');
    wire[1] = 1;                       // topology of Port B
    wire[10] = 0x04;                   // Port B transmit word, bit 2 (traffic)
    wire[14] = 0x08;                   // Port B receive word, bit 3
    wire[19] = 5;                      // alarm of Port B
    wire[22] = 3;                      // loopback level of Port B
    wire[43] = 0x10;                   // receive rate Port A: 0x00002710 = 10000
    wire[44] = 0x27;
    wire[55] = 1;                      // Port B link up
    wire[56] = 1;                      // fibre
    wire[57] = 2;                      // 1000 Mbit/s
    wire[58] = 1;                      // full duplex
    wire[83] = 0x0A;                   // Port RC address 192.168.1.10, LE
    wire[84] = 0x01;
    wire[85] = char(0xA8);
    wire[86] = char(0xC0);
    wire[99] = 0x78;                   // clock 0x12345678
    wire[100] = 0x56;
    wire[101] = 0x34;
    wire[102] = 0x12;
    wire[106] = char(0x80);            // sync source 31

    get_device_status_resp_t s;
    memcpy(&s, wire.constData(), sizeof s);
    QCOMPARE(int(s.topology[1]), 1);
    QCOMPARE(quint32(s.process[1].tx), 4u);
    QCOMPARE(quint32(s.process[1].rx), 8u);
    QCOMPARE(int(s.alarm[1]), 5);
    QCOMPARE(int(s.loopback[1].level), 3);
    QCOMPARE(quint32(s.rxRate[0]), 10000u);
    QCOMPARE(int(s.link[1].up), 1);
    QCOMPARE(int(s.link[1].medium), 1);
    QCOMPARE(int(s.link[1].speed), 2);
    QCOMPARE(int(s.link[1].duplex), 1);
    QCOMPARE(quint32(s.address[2].ip), 0xC0A8010Au);
    QCOMPARE(quint32(s.clock), 0x12345678u);
    QCOMPARE(quint32(s.syncSources), 0x80000000u);

    QByteArray err = QByteArray::fromHex("05000000" "02000000" "0502" "4000" "01" "000000");
    error_t e;
    memcpy(&e, err.constData(), sizeof e);
    QCOMPARE(quint32(e.type), 5u);
    QCOMPARE(int(e.portIndex()), 2);
    QCOMPARE(int(e.streamMask), 0x0205);
    QCOMPARE(int(e.packetLength), 64);
    QCOMPARE(int(e.vlanFlag), 1);

    QByteArray info = QByteArray::fromHex("020710" "010203" "6712" "06") + QByteArray("ABCDEFGHIJKLM");
    get_device_info_resp_t i;
    memcpy(&i, info.constData(), sizeof i);
    QCOMPARE(int(i.cpuVersion[2]), 16);
    QCOMPARE(int(i.fpgaVersion[0]), 1);
    QCOMPARE(int(i.serialNumber), 0x1267);
    QCOMPARE(int(i.deviceType), 6);
    QCOMPARE(QByteArray(i.releaseName, 13), QByteArray("ABCDEFGHIJKLM"));

    QByteArray rep = QByteArray::fromHex("00000000" "01000000" "11000000");
    load_report_resp_t r;
    memcpy(&r, rep.constData(), sizeof r);
    QCOMPARE(quint32(r.port), 1u);
    QCOMPARE(quint32(r.test), 17u);

    eth_settings_t eth{};
    QByteArray ethWire(76, '\0');
    ethWire[8] = 0x0A;
    ethWire[11] = char(0xC0);
    ethWire[22] = 2;
    ethWire[30] = 0x64;               // tag control 1: PCP 5, VLAN 100
    ethWire[31] = char(0xA0);
    ethWire[36] = 1;
    ethWire[40] = 0x40;               // MPLS entry 1: label 16, TC 3, S, TTL 64
    ethWire[41] = 0x07;
    ethWire[42] = 0x01;
    ethWire[74] = 0x0F;               // filter VLAN 2 = 9999
    ethWire[75] = 0x27;
    memcpy(&eth, ethWire.constData(), sizeof eth);
    QCOMPARE(quint32(eth.ip), 0xC000000Au);
    QCOMPARE(int(eth.vlanCount), 2);
    QCOMPARE(int(eth.tagControl[0] >> 13), 5);
    QCOMPARE(int(eth.tagControl[0] & 0x0FFF), 100);
    QCOMPARE(int(eth.mplsCount), 1);
    QCOMPARE(quint32(eth.mpls[0] >> 12), 16u);
    QCOMPARE(int(eth.filterVlanId2), 9999);
}

void TestRecords::sizesPerTestId_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("settings");
    QTest::addColumn<int>("results");

    QTest::newRow("device settings") << 0 << 8 << 0;
    QTest::newRow("statistics") << int(TestStatistics) << 1 << 336;
    QTest::newRow("rfc 2544") << int(TestRfc2544) << 112 << 4480;
    QTest::newRow("multistream") << int(TestMultistream) << 368 << 168;
    QTest::newRow("cable") << int(TestCable) << 0 << 23;
    QTest::newRow("sync") << int(TestSync) << 320 << 4904;
    QTest::newRow("rcl bit") << int(TestRcl) << 0 << 0;
    QTest::newRow("bert") << int(TestBert) << 24 << 32;
    QTest::newRow("interface") << int(TestInterfaceSettings) << 76 << 0;
    QTest::newRow("loopback") << int(TestLoopback) << 40 << 0;
    QTest::newRow("beyond") << 22 << 0 << 0;
    QTest::newRow("far beyond") << 255 << 0 << 0;
}

void TestRecords::sizesPerTestId()
{
    QFETCH(int, id);
    QFETCH(int, settings);
    QFETCH(int, results);
    QCOMPARE(testSettingsSize(unsigned(id)), settings);
    QCOMPARE(testResultsSize(unsigned(id)), results);
}

void TestRecords::identity_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("ports");

    QTest::newRow("0") << 0u << "Tarnek-Vyr" << "Tarnek-Vyr" << 2;
    QTest::newRow("1") << 1u << "Tarnek-VyrB" << "Tarnek-VyrB" << 1;
    QTest::newRow("2") << 2u << "Tarnek-VyrK" << "Tarnek-VyrK" << 2;
    QTest::newRow("3") << 3u << "Tarnek-VyrBK" << "Tarnek-VyrBK" << 1;
    QTest::newRow("4") << 4u << "BR2400" << "BR2400" << 2;
    QTest::newRow("5") << 5u << "BR2410" << "BR2410" << 1;
    QTest::newRow("6") << 6u << "Tarnek-VyrK C1" << "Tarnek-VyrK C" << 1;
    QTest::newRow("7") << 7u << "Tarnek-VyrBK C1" << "Tarnek-VyrK C" << 1;
    QTest::newRow("8") << 8u << "Tarnek-VyrK C2" << "Tarnek-VyrK C" << 2;
    QTest::newRow("9 unknown") << 9u << "unknown" << "unknown" << 2;
    QTest::newRow("low byte counts") << 0x102u << "Tarnek-VyrK" << "Tarnek-VyrK" << 2;
}

void TestRecords::identity()
{
    QFETCH(uint, type);
    QFETCH(QString, model);
    QFETCH(QString, family);
    QFETCH(int, ports);
    QCOMPARE(deviceModelName(type), model);
    QCOMPARE(deviceFamilyName(type), family);
    QCOMPARE(devicePortCount(type), ports);
}

void TestRecords::manufacturerOfOwnModels()
{
    const QString own = QStringLiteral("CJSC \"RP Enterprise Halvorsk\"");
    QCOMPARE(manufacturerName(0), own);
    QCOMPARE(manufacturerName(9), own);
    QCOMPARE(manufacturerName(4), QStringLiteral("Brannholt Electronic GmbH"));
    QCOMPARE(manufacturerName(5), QStringLiteral("Brannholt Electronic GmbH"));
}

void TestRecords::testStatusTexts_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("text");
    const char *texts[] = {"Wait", "OK", "Error", "Running", "Stopped", "No sync", "No Tx",
                           "No Rx", "Off", "RxTx", "Loss exceeded", "Remote device error",
                           "Incompatible FW version"};
    for (uint i = 0; i < 13; ++i)
        QTest::newRow(texts[i]) << i << QString::fromLatin1(texts[i]);
    QTest::newRow("13") << 13u << "Unknown status";
    QTest::newRow("huge") << 0xFFFFFFFFu << "Unknown status";
}

void TestRecords::testStatusTexts()
{
    QFETCH(uint, code);
    QFETCH(QString, text);
    QCOMPARE(testStatusText(code), text);
}

void TestRecords::startErrorTexts_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<uint>("value");
    QTest::addColumn<QString>("text");

    const QString c = QStringLiteral("Cannot start the test.\n");
    QTest::newRow("started") << 0u << 0u << QString();
    QTest::newRow("not connected") << 1u << 0u << c + "Not connected.";
    QTest::newRow("routing, no mask") << 2u << 0u << c + "Routing problem.";
    QTest::newRow("routing, mask") << 2u << 0x0205u << c + "Routing problem.\nStream #1, 3, 10.";
    QTest::newRow("routing, high bits ignored") << 2u << 0xFC01u << c + "Routing problem.\nStream #1.";
    QTest::newRow("routing, only high bits") << 2u << 0xFC00u << c + "Routing problem.";
    QTest::newRow("rate") << 3u << 0u << "Wrong rate settings.\nCannot start with\nrate > 100%.";
    QTest::newRow("no streams") << 4u << 0u << c + "No active streams.";
    QTest::newRow("not chosen") << 6u << 0u << c + "No test chosen.";
    QTest::newRow("already run") << 7u << 0u << "The test is already running.";
    QTest::newRow("addresses") << 8u << 4000000000u
                               << c + "Too many addresses. The largest possible number is 4000000000.";
    QTest::newRow("frame length") << 9u << 0u << c + "No frame length chosen.";
    QTest::newRow("user rate") << 10u << 0u << c + "User rate not set for the latency test.";
    QTest::newRow("signal sources") << 11u << 0u << c + "No signal sources chosen.";
    QTest::newRow("ptp server") << 12u << 0u << c + "No PTP server chosen.";
    QTest::newRow("13") << 13u << 0u << "Unknown error.";
}

void TestRecords::startErrorTexts()
{
    QFETCH(uint, type);
    QFETCH(uint, value);
    QFETCH(QString, text);
    error_t e{};
    e.type = type;
    e.value = value;
    QCOMPARE(startTestErrorText(e, nullptr), text);
}

void TestRecords::streamErrorReadsPortSettings_data()
{
    QTest::addColumn<int>("vlanFlag");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("haveSettings");
    QTest::addColumn<int>("vlanCount");
    QTest::addColumn<int>("mplsCount");
    QTest::addColumn<QString>("text");

    const QString c = QStringLiteral("Cannot start the test.");
    QTest::newRow("length only") << 0 << 0 << 64 << true << 0 << 0 << c + "\nSet packet length > 63 B.";
    QTest::newRow("everything") << 0 << 0x0003 << 1519 << true << 1 << 2
                                << c + "\nActive VLAN.\nActive MPLS.\nStream #1, 2.\nSet packet length > 1518 B.";
    QTest::newRow("flag alone gives VLAN") << 1 << 0 << 64 << true << 0 << 0
                                           << c + "\nActive VLAN.\nSet packet length > 63 B.";
    QTest::newRow("no settings: flag decides") << 1 << 0 << 64 << false << 0 << 0
                                               << c + "\nActive VLAN.\nSet packet length > 63 B.";
    QTest::newRow("no settings, no flag") << 0 << 0x0200 << 100 << false << 0 << 0
                                          << c + "\nStream #10.\nSet packet length > 99 B.";
}

void TestRecords::streamErrorReadsPortSettings()
{
    QFETCH(int, vlanFlag);
    QFETCH(int, mask);
    QFETCH(int, length);
    QFETCH(bool, haveSettings);
    QFETCH(int, vlanCount);
    QFETCH(int, mplsCount);
    QFETCH(QString, text);

    error_t e{};
    e.type = StartErrorStream;
    e.value = 1;   // Port B
    e.streamMask = uint16_t(mask);
    e.packetLength = uint16_t(length);
    e.vlanFlag = uint8_t(vlanFlag);
    eth_settings_t eth{};
    eth.vlanCount = uint8_t(vlanCount);
    eth.mplsCount = uint8_t(mplsCount);
    QCOMPARE(startTestErrorText(e, haveSettings ? &eth : nullptr), text);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
