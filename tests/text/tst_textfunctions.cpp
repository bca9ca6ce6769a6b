#include "fieldstyle.h"
#include "textfit.h"
#include "textfunctions.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegExp>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <array>
#include <cmath>
#include <ctime>
#include <functional>
#include <limits>

class TextFunctionsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void secondsText_data();
    void secondsText();
    void rateText_data();
    void rateText();
    void bitRateText_data();
    void bitRateText();
    void nanosecondsText_data();
    void nanosecondsText();
    void durationText_data();
    void durationText();
    void runTime_data();
    void runTime();
    void runTimeFromRecordHeader();
    void calendarTextsAreUtc_data();
    void calendarTextsAreUtc();

    void macText();
    void macParse_data();
    void macParse();
    void hexAndClockIdTexts();
    void ipText_data();
    void ipText();
    void ipParse_data();
    void ipParse();
    void addressPatterns_data();
    void addressPatterns();
    void maskPatternTakesContiguousMasksOnly();
    void ipExpression_data();
    void ipExpression();

    void dscpTable();
    void tosTable_data();
    void tosTable();
    void tosOutsideTheTable();
    void syncSources_data();
    void syncSources();
    void syncSourcesOutsideTheTable();
    void fixedPoint_data();
    void fixedPoint();
    void wholeCounts_data();
    void wholeCounts();
    void decibels_data();
    void decibels();
    void padding_data();
    void padding();
    void paddingInPlace();
    void portCount_data();
    void portCount();
    void spinBoxValues_data();
    void spinBoxValues();

    void markers_data();
    void markers();
    void markerReplacesStyleSheet();
    void unusedFieldIsGrey();
    void tableItemCreatesOnce();
    void callersComparison();
    void colourOfSeveralFields();

    void fieldHoldsItsLongestText();
    void listHoldsItsLongestEntry();
    void columnsKeepTheirLeastWidth();
    void stretchedTableDoesNotLockItsSize();
    void rowsFollowTheFont();
    void labelKeepsRoomForItsLines_data();
    void labelKeepsRoomForItsLines();
    void designedSizeGrowsWithItsContents_data();
    void designedSizeGrowsWithItsContents();
    void formRefitsAfterItsTablesRows();
};

void TextFunctionsTest::initTestCase()
{
    // A zone far from UTC: a calendar text made from local time shows up at once.
    qputenv("TZ", "Asia/Tokyo");
    tzset();
}

// ---- durations, rates, offsets ---------------------------------------------

void TextFunctionsTest::secondsText_data()
{
    QTest::addColumn<uint>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0u << "00:00:00";
    QTest::newRow("h m s") << 3661u << "01:01:01";
    QTest::newRow("past a day") << 100000u << "27:46:40";
    QTest::newRow("100 hours") << 360000u << "100:00:00";
    QTest::newRow("max") << 0xFFFFFFFFu << "1193046:28:15";
}

void TextFunctionsTest::secondsText()
{
    QFETCH(uint, seconds);
    QFETCH(QString, text);
    QCOMPARE(secondsToString(seconds), text);
}

// One rule for every rate on screen and paper: a blank before the unit,
// whole bits per second, three decimals in kbps and Mbps.
void TextFunctionsTest::rateText_data()
{
    QTest::addColumn<uint>("bytesPerSecond");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0u << "0 bps";
    QTest::newRow("100") << 100u << "800 bps";
    QTest::newRow("124") << 124u << "992 bps";
    QTest::newRow("1 Kbit still bps") << 125u << "1000 bps";
    QTest::newRow("just above") << 126u << "1.008 kbps";
    QTest::newRow("250") << 250u << "2.000 kbps";
    QTest::newRow("1000") << 1000u << "8.000 kbps";
    QTest::newRow("124999") << 124999u << "999.992 kbps";
    QTest::newRow("1 Mbit still kbps") << 125000u << "1000.000 kbps";
    QTest::newRow("just above 1 Mbit") << 125001u << "1.000 Mbps";
    QTest::newRow("a port panel's reading") << 123374500u << "986.996 Mbps";
    QTest::newRow("gigabit") << 125000000u << "1000.000 Mbps";
    QTest::newRow("max") << 0xFFFFFFFFu << "34359.738 Mbps";
}

void TextFunctionsTest::rateText()
{
    QFETCH(uint, bytesPerSecond);
    QFETCH(QString, text);
    QCOMPARE(rateToString(bytesPerSecond), text);
}

void TextFunctionsTest::bitRateText_data()
{
    QTest::addColumn<double>("bitsPerSecond");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0 bps";
    QTest::newRow("whole bits") << 999.6 << "1000 bps";
    QTest::newRow("1000 still bps") << 1000.0 << "1000 bps";
    QTest::newRow("kbps") << 1001.0 << "1.001 kbps";
    QTest::newRow("1 Mbit still kbps") << 1e6 << "1000.000 kbps";
    QTest::newRow("Y.1564 information rate") << 123456789.0 << "123.457 Mbps";
    QTest::newRow("RFC 2544 throughput in Mbps") << 987.0 * 1e6 << "987.000 Mbps";
    QTest::newRow("as bytes") << 8.0 * 125001 << "1.000 Mbps";
    QTest::newRow("negative zero") << -0.4 << "0 bps";
    QTest::newRow("nan") << std::nan("") << "-";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "-";
}

void TextFunctionsTest::bitRateText()
{
    QFETCH(double, bitsPerSecond);
    QFETCH(QString, text);
    QCOMPARE(bitRateToString(bitsPerSecond), text);
}

// One rule for every time offset and delay: a blank before the unit, whole
// nanoseconds, three decimals in us, ms and s.
void TextFunctionsTest::nanosecondsText_data()
{
    QTest::addColumn<float>("ns");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative zero") << -0.0f << "0";
    QTest::newRow("below half a nanosecond") << 0.25f << "0";
    QTest::newRow("half a nanosecond") << -0.5f << "-1 ns";
    QTest::newRow("850") << 850.0f << "850 ns";
    QTest::newRow("998.6 rounds to whole ns") << 998.6f << "999 ns";
    QTest::newRow("-12.7") << -12.7f << "-13 ns";
    QTest::newRow("999") << 999.0f << "999 ns";
    QTest::newRow("999.9 is us") << 999.9f << "1.000 us";
    QTest::newRow("-999") << -999.0f << "-999 ns";
    QTest::newRow("1000") << 1000.0f << "1.000 us";
    QTest::newRow("12.5 us") << 12500.0f << "12.500 us";
    QTest::newRow("1 ms") << 1e6f << "1.000 ms";
    QTest::newRow("-2.5 ms") << -2500000.0f << "-2.500 ms";
    QTest::newRow("ms to the microsecond") << 1234567.0f << "1.235 ms";
    QTest::newRow("one second stays ms") << 1e9f << "1000.000 ms";
    QTest::newRow("1.5 s") << 1.5e9f << "1.500 s";
    QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << "-";
    QTest::newRow("infinity") << -std::numeric_limits<float>::infinity() << "-";
}

void TextFunctionsTest::nanosecondsText()
{
    QFETCH(float, ns);
    QFETCH(QString, text);
    QCOMPARE(nanosecondsToString(ns), text);
}

void TextFunctionsTest::durationText_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "00:00:00 00.00.00";
    QTest::newRow("90 s") << 90.0 << "00:01:30 00.00.00";
    QTest::newRow("sign ignored") << -90.9 << "00:01:30 00.00.00";
    QTest::newRow("1d 1h 1m 1s") << 90061.0 << "01:01:01 01.00.00";
    QTest::newRow("365 days") << 31536000.0 << "00:00:00 05.00.01";
    QTest::newRow("max u32") << 4294967295.0 << "06:28:15 00.02.36";
    // Values no 32-bit count can hold must not reach an undefined conversion.
    QTest::newRow("beyond u32 clamps") << 1e15 << "06:28:15 00.02.36";
    QTest::newRow("nan") << std::nan("") << "00:00:00 00.00.00";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "06:28:15 00.02.36";
}

void TextFunctionsTest::durationText()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(durationToString(seconds), text);
}

void TextFunctionsTest::runTime_data()
{
    QTest::addColumn<uint>("start");
    QTest::addColumn<uint>("now");
    QTest::addColumn<uint>("duration");
    QTest::addColumn<uint>("elapsed");
    QTest::addColumn<uint>("remaining");
    QTest::newRow("running") << 1000u << 1060u << 300u << 60u << 240u;
    QTest::newRow("just started") << 1000u << 1000u << 300u << 0u << 300u;
    QTest::newRow("at the end") << 1000u << 1300u << 300u << 300u << 0u;
    QTest::newRow("overrun") << 1000u << 5000u << 300u << 4000u << 0u;
    QTest::newRow("no duration") << 1000u << 1010u << 0u << 10u << 0u;
    // The tester's clock was set back after the start: no wrapped count.
    QTest::newRow("clock behind start") << 5000u << 4000u << 300u << 0u << 300u;
}

void TextFunctionsTest::runTime()
{
    QFETCH(uint, start);
    QFETCH(uint, now);
    QFETCH(uint, duration);
    QFETCH(uint, elapsed);
    QFETCH(uint, remaining);
    uint32_t e = 0xDEAD;
    uint32_t r = 0xBEEF;
    elapsedAndRemaining(start, now, duration, e, r);
    QCOMPARE(uint(e), elapsed);
    QCOMPARE(uint(r), remaining);
    QCOMPARE(secondsToString(e).startsWith(QLatin1Char('-')), false);
}

void TextFunctionsTest::runTimeFromRecordHeader()
{
    // Little-endian words at offsets 0, 4, 8, read from an odd address as a
    // packed record inside a larger buffer may put them.
    const std::array<uint8_t, 13> record = {0xFF, 0x10, 0x27, 0, 0,   // start 10000
                                            0x4C, 0x27, 0, 0,          // now 10060
                                            0x2C, 0x01, 0, 0};         // duration 300
    uint32_t e = 0, r = 0;
    elapsedAndRemaining(record.data() + 1, e, r);
    QCOMPARE(e, 60u);
    QCOMPARE(r, 240u);
}

void TextFunctionsTest::calendarTextsAreUtc_data()
{
    QTest::addColumn<uint>("time");
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QString>("dateText");
    QTest::newRow("epoch") << 0u << "00:00:00" << "01.01.70";
    QTest::newRow("2023") << 1700000000u << "22:13:20" << "14.11.23";
    QTest::newRow("year 2000") << 946684799u << "23:59:59" << "31.12.99";
    QTest::newRow("u32 max") << 0xFFFFFFFFu << "06:28:15" << "07.02.06";
}

void TextFunctionsTest::calendarTextsAreUtc()
{
    QFETCH(uint, time);
    QFETCH(QString, timeText);
    QFETCH(QString, dateText);
    QCOMPARE(timeToString(time), timeText);
    QCOMPARE(dateToString(time), dateText);
    QCOMPARE(dateTimeToString(time), timeText + QLatin1Char(' ') + dateText);
}

// ---- addresses -------------------------------------------------------------

void TextFunctionsTest::macText()
{
    const uint8_t mac[6] = {0x00, 0x1a, 0x2b, 0xc3, 0xd4, 0xff};
    QCOMPARE(macToString(mac), QStringLiteral("00:1a:2b:c3:d4:ff"));
}

void TextFunctionsTest::macParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray sample = QByteArray::fromHex("001a2bc3d4ff");
    QTest::newRow("colons") << "00:1a:2B:c3:D4:ff" << sample;
    QTest::newRow("dashes") << "00-1a-2b-c3-d4-ff" << sample;
    QTest::newRow("mixed") << "00:1a-2b:c3-d4:ff" << sample;
    QTest::newRow("empty keeps") << "" << QByteArray(6, char(0xAA));
    QTest::newRow("short text") << "01:zz" << QByteArray::fromHex("0100aaaaaaaa");
    QTest::newRow("empty groups") << "::05" << QByteArray::fromHex("000005aaaaaa");
    QTest::newRow("extra groups ignored") << "1:2:3:4:5:6:7:8" << QByteArray::fromHex("010203040506");
}

void TextFunctionsTest::macParse()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    // One guard byte behind the six: nothing may be written past them.
    uint8_t buffer[7];
    std::fill(std::begin(buffer), std::end(buffer), 0xAA);
    stringToMac(buffer, text);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), 6).toHex(), bytes.toHex());
    QCOMPARE(buffer[6], uint8_t(0xAA));

    if (text.count(QLatin1Char(':')) + text.count(QLatin1Char('-')) == 5 && !text.contains(QLatin1String("zz")))
        QCOMPARE(macToString(buffer), QString::fromLatin1(bytes.toHex(':')));
}

void TextFunctionsTest::hexAndClockIdTexts()
{
    const uint8_t four[4] = {0x0a, 0xb0, 0x00, 0xff};
    QCOMPARE(bytesToHexString(four), QStringLiteral("0a b0 00 ff "));
    const uint8_t clock[8] = {0x00, 0x1a, 0x2b, 0xff, 0xfe, 0x3c, 0x4d, 0x5e};
    QCOMPARE(clockIdToString(clock), QStringLiteral("00-1A-2B-FF-FE-3C-4D-5E"));
}

void TextFunctionsTest::ipText_data()
{
    QTest::addColumn<uint>("address");
    QTest::addColumn<bool>("lsbFirst");
    QTest::addColumn<QString>("text");
    QTest::newRow("msb first") << 0xC0A80102u << false << "192.168.1.2";
    QTest::newRow("lsb first") << 0xC0A80102u << true << "2.1.168.192";
    QTest::newRow("zero") << 0u << false << "0.0.0.0";
    QTest::newRow("broadcast") << 0xFFFFFFFFu << true << "255.255.255.255";
    QTest::newRow("no fill") << 0x0A000001u << false << "10.0.0.1";
}

void TextFunctionsTest::ipText()
{
    QFETCH(uint, address);
    QFETCH(bool, lsbFirst);
    QFETCH(QString, text);
    QCOMPARE(ipToString(address, lsbFirst), text);
}

void TextFunctionsTest::ipParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("address");
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("quad") << "192.168.1.2" << 0xC0A80102u;
    QTest::newRow("broadcast") << "255.255.255.255" << 0xFFFFFFFFu;
    QTest::newRow("two parts") << "10.1" << 0x0A010000u;
    QTest::newRow("empty part") << "10..3.4" << 0x0A000304u;
    QTest::newRow("not numbers") << "a.b.c.d" << 0u;
    // Parts past the fourth would need a negative shift.
    QTest::newRow("five parts") << "1.2.3.4.5" << 0x01020304u;
    QTest::newRow("part above 255 stays in its byte") << "1.256.3.4" << 0x01000304u;
}

void TextFunctionsTest::ipParse()
{
    QFETCH(QString, text);
    QFETCH(uint, address);
    QCOMPARE(uint(stringToIp(text)), address);
}

void TextFunctionsTest::addressPatterns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("mac");
    QTest::addColumn<bool>("ipv4");
    QTest::newRow("MAC with ':'") << "02:3a:91:6D:4b:f2" << true << false;
    QTest::newRow("MAC with '-'") << "02-3A-91-6d-4b-f2" << true << false;
    QTest::newRow("MAC of five pairs") << "02:3a:91:6d:4b" << false << false;
    QTest::newRow("MAC with a blank") << "02:3a:91:6d:4b:f2 " << false << false;
    QTest::newRow("address") << "192.168.1.10" << false << true;
    QTest::newRow("address with leading zeros") << "010.001.000.255" << false << true;
    QTest::newRow("octet above 255") << "192.168.1.256" << false << false;
    QTest::newRow("three parts") << "192.168.1" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TextFunctionsTest::addressPatterns()
{
    QFETCH(QString, text);
    QFETCH(bool, mac);
    QFETCH(bool, ipv4);
    QCOMPARE(QRegExp(macAddressPattern(), Qt::CaseSensitive).exactMatch(text), mac);
    QCOMPARE(QRegExp(ipAddressPattern(), Qt::CaseSensitive).exactMatch(text), ipv4);
    QCOMPARE(isMacText(text), mac);
    QCOMPARE(isIpText(text), ipv4);
}

// All 33 prefix masks pass; a mask with a hole does not.
void TextFunctionsTest::maskPatternTakesContiguousMasksOnly()
{
    const QRegExp mask(subnetMaskPattern(), Qt::CaseSensitive);
    for (int prefix = 0; prefix <= 32; ++prefix) {
        const uint32_t m = prefix == 0 ? 0 : ~uint32_t(0) << (32 - prefix);
        QVERIFY2(mask.exactMatch(ipToString(m)), qPrintable(ipToString(m)));
    }
    for (const char *holed : {"255.0.255.0", "255.255.255.1", "0.255.255.255", "255.254.255.0", "128.128.0.0"})
        QVERIFY2(!mask.exactMatch(QLatin1String(holed)), holed);
}

// The address edits accept exactly four numbers 0-255 joined by dots.
void TextFunctionsTest::ipExpression_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matches");
    QTest::newRow("quad") << "192.168.1.2" << true;
    QTest::newRow("zeros") << "0.0.0.0" << true;
    QTest::newRow("broadcast") << "255.255.255.255" << true;
    QTest::newRow("leading zeros") << "010.001.1.2" << true;
    QTest::newRow("256") << "256.1.1.1" << false;
    QTest::newRow("three parts") << "10.1.2" << false;
    QTest::newRow("five parts") << "1.2.3.4.5" << false;
    QTest::newRow("empty part") << "10..3.4" << false;
    QTest::newRow("blank") << " 1.2.3.4" << false;
    QTest::newRow("empty") << "" << false;
}

void TextFunctionsTest::ipExpression()
{
    QFETCH(QString, text);
    QFETCH(bool, matches);
    QCOMPARE(isIpText(text), matches);
    QCOMPARE(QRegExp(ipAddressPattern(), Qt::CaseSensitive).exactMatch(text), matches);
}

// ---- code tables -----------------------------------------------------------

void TextFunctionsTest::dscpTable()
{
    const uint8_t codes[DscpTableSize] = {10, 12, 14, 18, 20, 22, 26, 28, 30, 34, 36,
                                          38, 8, 16, 24, 32, 40, 48, 56, 0, 46};
    for (int i = 0; i < DscpTableSize; ++i) {
        QCOMPARE(indexToDscp(i), codes[i]);
        QCOMPARE(dscpToIndex(codes[i]), i);
    }
    QCOMPARE(dscpToIndex(46), 20);
    QCOMPARE(dscpToIndex(7), DscpDefaultIndex);
    QCOMPARE(dscpToIndex(63), DscpDefaultIndex);
    QCOMPARE(indexToDscp(-1), uint8_t(0));
    QCOMPARE(indexToDscp(DscpTableSize), uint8_t(0));
}

void TextFunctionsTest::tosTable_data()
{
    QTest::addColumn<int>("tos");
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("4") << 4 << 3;
    QTest::newRow("8") << 8 << 4;
}

void TextFunctionsTest::tosTable()
{
    QFETCH(int, tos);
    QFETCH(int, index);
    QCOMPARE(tosToIndex(uint8_t(tos)), index);
    QCOMPARE(int(indexToTos(index)), tos);
}

void TextFunctionsTest::tosOutsideTheTable()
{
    // A value that is not one-hot passes through unchanged.
    QCOMPARE(tosToIndex(3), 3);
    QCOMPARE(tosToIndex(16), 16);
    QCOMPARE(indexToTos(-1), uint8_t(0));
    QCOMPARE(indexToTos(9), uint8_t(0));
}

void TextFunctionsTest::syncSources_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("RF") << 1 << "RF";
    QTest::newRow("PTP") << 2 << "PTP";
    QTest::newRow("GPS") << 3 << "GPS";
    QTest::newRow("NTP 1") << 4 << "NTP 1";
    QTest::newRow("NTP 2") << 5 << "NTP 2";
}

void TextFunctionsTest::syncSources()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(syncSourceName(uint8_t(code)), name);
    QCOMPARE(int(syncSourceFromName(name)), code);
}

void TextFunctionsTest::syncSourcesOutsideTheTable()
{
    QCOMPARE(syncSourceName(0), QStringLiteral("No source"));
    QCOMPARE(syncSourceName(6), QStringLiteral("No source"));
    QCOMPARE(syncSourceName(255), QStringLiteral("No source"));
    QCOMPARE(syncSourceFromName(QStringLiteral("rf")), uint8_t(0));
    QCOMPARE(syncSourceFromName(QStringLiteral("NTP1")), uint8_t(0));
    QCOMPARE(syncSourceFromName(QStringLiteral("No source")), uint8_t(0));
    QCOMPARE(syncSourceFromName(QString()), uint8_t(0));
}

// ---- numbers ---------------------------------------------------------------

void TextFunctionsTest::fixedPoint_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0u << "0.0000";
    QTest::newRow("-1 + 0.5") << 0x8000FFFFu << "-0.5000";
    QTest::newRow("1.5") << 0x80000001u << "1.5000";
    QTest::newRow("quarter") << 0x40000000u << "0.2500";
    QTest::newRow("most negative") << 0x00008000u << "-32768.0000";
    // 32767.99998 has no single-precision neighbour closer than 32768.
    QTest::newRow("largest rounds in single precision") << 0xFFFF7FFFu << "32768.0000";
}

void TextFunctionsTest::fixedPoint()
{
    QFETCH(uint, value);
    QFETCH(QString, text);
    QCOMPARE(fixedToString(value), text);
}

void TextFunctionsTest::wholeCounts_data()
{
    QTest::addColumn<double>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("small") << 120.0 << "120";
    // The back-to-back burst that read "2.97619e+06" in the general format.
    QTest::newRow("millions") << double(2976190.0f) << "2976190";
    QTest::newRow("a million exactly") << 1e6 << "1000000";
    QTest::newRow("beyond 32 bits") << 12345678901.0 << "12345678901";
    QTest::newRow("fraction down") << 1488095.2 << "1488095";
    QTest::newRow("half up") << 2.5 << "3";
    QTest::newRow("negative") << -3.6 << "-4";
    QTest::newRow("tiny negative is zero") << -0.4 << "0";
    QTest::newRow("nan") << double(NAN) << "nan";
    QTest::newRow("infinity") << double(INFINITY) << "inf";
}

void TextFunctionsTest::wholeCounts()
{
    QFETCH(double, count);
    QFETCH(QString, text);
    QCOMPARE(wholeCountToString(count), text);
}

void TextFunctionsTest::decibels_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<float>("dB");
    QTest::newRow("zero") << 0.0f << 0.0f;
    QTest::newRow("one") << 1.0f << 0.0f;
    QTest::newRow("ten") << 10.0f << 10.0f;
    QTest::newRow("half") << 0.5f << -3.0103f;
    QTest::newRow("1000") << 1000.0f << 30.0f;
}

void TextFunctionsTest::decibels()
{
    QFETCH(float, value);
    QFETCH(float, dB);
    QVERIFY2(std::fabs(toDecibels(value) - dB) < 1e-4f, qPrintable(QString::number(double(toDecibels(value)))));
}

void TextFunctionsTest::padding_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("integer") << "12" << "12.000";
    QTest::newRow("one decimal") << "1.5" << "1.500";
    QTest::newRow("two decimals") << "1.25" << "1.250";
    QTest::newRow("three") << "0.125" << "0.125";
    QTest::newRow("never shortened") << "1.2345" << "1.2345";
    QTest::newRow("trailing dot") << "7." << "7.000";
    QTest::newRow("prefixed") << ">=10" << ">=10.000";
    QTest::newRow("empty") << "" << ".000";
}

void TextFunctionsTest::padding()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(padToThreeDecimals(QString(in)), out);
}

void TextFunctionsTest::paddingInPlace()
{
    QString text = QStringLiteral("3.1");
    const QString returned = padToThreeDecimals(text);
    QCOMPARE(text, QStringLiteral("3.100"));
    QCOMPARE(returned, text);
    const QString fixed = QStringLiteral("2");
    QCOMPARE(padToThreeDecimals(fixed), QStringLiteral("2.000"));
    QCOMPARE(fixed, QStringLiteral("2"));
}

void TextFunctionsTest::portCount_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<int>("ports");
    const int table[] = {2, 1, 2, 1, 2, 1, 1, 1, 2};
    for (uint t = 0; t < 9; ++t)
        QTest::addRow("type %u", t) << t << table[t];
    QTest::newRow("unknown 9") << 9u << 2;
    QTest::newRow("unknown 255") << 255u << 2;
    QTest::newRow("large") << 0x101u << 2;
}

void TextFunctionsTest::portCount()
{
    QFETCH(uint, type);
    QFETCH(int, ports);
    QCOMPARE(modelPortCount(type), ports);
}

void TextFunctionsTest::spinBoxValues_data()
{
    QTest::addColumn<quint32>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("zero") << 0u << 0;
    QTest::newRow("largest int") << quint32(std::numeric_limits<int>::max()) << std::numeric_limits<int>::max();
    QTest::newRow("one beyond") << quint32(std::numeric_limits<int>::max()) + 1u << std::numeric_limits<int>::max();
    QTest::newRow("largest 32-bit") << 0xFFFFFFFFu << std::numeric_limits<int>::max();
}

void TextFunctionsTest::spinBoxValues()
{
    QFETCH(quint32, stored);
    QFETCH(int, shown);
    QCOMPARE(spinBoxValue(stored), shown);
}

// ---- change markers --------------------------------------------------------

namespace {
using fieldstyle::Black;
using fieldstyle::Blue;
}

void TextFunctionsTest::markers_data()
{
    QTest::addColumn<int>("kind");  // 0 int, 1 double, 2 bool, 3 time, 4 string, 5 duration
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("differs");

    QTest::newRow("int equal") << 0 << QVariant(5) << QVariant(5) << false;
    QTest::newRow("int differs") << 0 << QVariant(5) << QVariant(-5) << true;
    QTest::newRow("double within tolerance") << 1 << QVariant(1.0) << QVariant(1.000001) << false;
    QTest::newRow("double differs") << 1 << QVariant(1.0) << QVariant(1.0001) << true;
    QTest::newRow("double nan") << 1 << QVariant(std::nan("")) << QVariant(std::nan("")) << true;
    QTest::newRow("bool equal") << 2 << QVariant(1) << QVariant(1) << false;
    QTest::newRow("bool low byte equal") << 2 << QVariant(0x101) << QVariant(1) << false;
    QTest::newRow("bool non-zero but different") << 2 << QVariant(2) << QVariant(1) << true;
    QTest::newRow("bool differs") << 2 << QVariant(0) << QVariant(1) << true;
    QTest::newRow("time equal, ms ignored") << 3 << QVariant(QTime(1, 2, 3, 999)) << QVariant(3723) << false;
    QTest::newRow("time differs") << 3 << QVariant(QTime(1, 2, 4)) << QVariant(3723) << true;
    QTest::newRow("string equal") << 4 << QVariant("abc") << QVariant("abc") << false;
    QTest::newRow("string case") << 4 << QVariant("abc") << QVariant("ABC") << true;
    QTest::newRow("duration equal") << 5 << QVariant(QTime(23, 59, 59)) << QVariant(86399u) << false;
    QTest::newRow("duration of a day") << 5 << QVariant(QTime(0, 0, 0)) << QVariant(86400u) << true;
    QTest::newRow("largest duration") << 5 << QVariant(QTime(0, 0, 0)) << QVariant(0xFFFFFFFFu) << true;
}

void TextFunctionsTest::markers()
{
    QFETCH(int, kind);
    QFETCH(QVariant, value);
    QFETCH(QVariant, stored);
    QFETCH(bool, differs);

    QLabel label;
    bool result = !differs;
    switch (kind) {
    case 0: result = markChangedInt(&label, value.toInt(), stored.toInt()); break;
    case 1: result = markChangedDouble(&label, value.toDouble(), stored.toDouble()); break;
    case 2: result = markChangedBool(&label, value.toInt(), stored.toInt()); break;
    case 3: result = markChangedTime(&label, value.toTime(), stored.toInt()); break;
    case 4: result = markChangedString(&label, value.toString(), stored.toString()); break;
    case 5: result = markChangedDuration(&label, value.toTime(), stored.toUInt()); break;
    }
    QCOMPARE(result, differs);
    QCOMPARE(label.styleSheet(), differs ? Blue : Black);
}

void TextFunctionsTest::markerReplacesStyleSheet()
{
    QLabel label;
    label.setStyleSheet(QStringLiteral("background-color: red;"));
    QVERIFY(markChangedInt(&label, 1, 2));
    QCOMPARE(label.styleSheet(), Blue);
    QVERIFY(!markChangedInt(&label, 2, 2));
    QCOMPARE(label.styleSheet(), Black);
}

void TextFunctionsTest::unusedFieldIsGrey()
{
    QLabel label;
    setFieldColour(&label, fieldColourUnused());
    QCOMPARE(label.styleSheet(), fieldstyle::Grey);
}

void TextFunctionsTest::tableItemCreatesOnce()
{
    QTableWidget table(2, 3);
    QCOMPARE(table.item(1, 2), nullptr);
    QTableWidgetItem *item = tableItem(&table, 1, 2);
    QVERIFY(item);
    QCOMPARE(table.item(1, 2), item);
    QVERIFY(item->text().isEmpty());
    item->setText(QStringLiteral("x"));
    QCOMPARE(tableItem(&table, 1, 2), item);
    QCOMPARE(tableItem(&table, 1, 2)->text(), QStringLiteral("x"));
    // Outside the table: no item (and nothing left behind to leak).
    QCOMPARE(tableItem(&table, 2, 0), nullptr);
    QCOMPARE(tableItem(&table, 0, -1), nullptr);
}

void TextFunctionsTest::callersComparison()
{
    QLabel label;
    QVERIFY(markChanged(&label, true));
    QCOMPARE(label.styleSheet(), Blue);
    QVERIFY(!markChanged(&label, false));
    QCOMPARE(label.styleSheet(), Black);
}

void TextFunctionsTest::colourOfSeveralFields()
{
    QLabel a;
    QLineEdit b;
    setFieldColour({&a, &b, nullptr}, fieldColourChanged());
    QCOMPARE(a.styleSheet(), Blue);
    QCOMPARE(b.styleSheet(), Blue);
}

// ---- room for texts -----------------------------------------------------------
// Checked with the text-fit check every window test uses, at the widget's
// least size: the room given is enough, and one pixel less is not (no room
// is reserved beyond the text).

void TextFunctionsTest::fieldHoldsItsLongestText()
{
    const QString longest = QStringLiteral("18446744073709551615 Inkompatible Firmwareversion");
    QLineEdit field;
    field.setReadOnly(true);
    reserveWidthFor(&field, {QStringLiteral("short"), longest});
    field.setText(longest);
    field.resize(field.minimumWidth(), field.sizeHint().height());
    field.show();
    QVERIFY2(textfit::cutTexts(&field).isEmpty(), qPrintable(textfit::cutTexts(&field).join('\n')));

    const int least = field.minimumWidth();
    field.setMinimumWidth(least - 1);
    field.resize(least - 1, field.height());
    QCOMPARE(textfit::cutTexts(&field).size(), 1);

    // A list of shorter texts gives a narrower field.
    reserveWidthFor(&field, {QStringLiteral("short")});
    QVERIFY(field.minimumWidth() < least);
}

void TextFunctionsTest::listHoldsItsLongestEntry()
{
    QComboBox list;
    list.addItems({QStringLiteral("kbps"), QStringLiteral("Inkompatible Firmwareversion")});
    list.resize(40, list.sizeHint().height());
    reserveWidthFor(&list);
    list.resize(list.minimumWidth(), list.height());
    list.show();
    QVERIFY2(textfit::cutTexts(&list).isEmpty(), qPrintable(textfit::cutTexts(&list).join('\n')));

    const int least = list.minimumWidth();
    list.setMinimumWidth(least - 1);
    list.resize(least - 1, list.height());
    QCOMPARE(textfit::cutTexts(&list).size(), 1);

    list.removeItem(1);
    reserveWidthFor(&list);
    QVERIFY(list.minimumWidth() < least);
}

// Columns keep the designer's width unless a cell or header needs more;
// the stretched last column keeps its stretch, and the table holds them all.
void TextFunctionsTest::columnsKeepTheirLeastWidth()
{
    QTableWidget table(2, 3);
    table.horizontalHeader()->setStretchLastSection(true);
    table.setItem(0, 1, new QTableWidgetItem(QStringLiteral("18446744073709551615")));
    table.setItem(1, 2, new QTableWidgetItem(QStringLiteral("Inkompatible Firmwareversion")));
    table.resize(900, 200);
    fitColumnsToContents(&table, {100, 40}, QSize(50, 50));
    QCOMPARE(table.columnWidth(0), 100);
    QVERIFY(table.columnWidth(1) > QFontMetrics(table.font()).horizontalAdvance(table.item(0, 1)->text()));
    QVERIFY(table.horizontalHeader()->stretchLastSection());
    table.resize(table.minimumSize());
    table.show();
    QVERIFY2(textfit::cutTexts(&table).isEmpty(), qPrintable(textfit::cutTexts(&table).join('\n')));
}

// The least size of a table with a stretched last column holds its rows and
// columns, not the room the stretch has taken: measured again after the
// table was laid out wide, it does not keep the table from shrinking.
void TextFunctionsTest::stretchedTableDoesNotLockItsSize()
{
    QTableWidget table(3, 2);
    table.horizontalHeader()->setStretchLastSection(true);
    table.setItem(2, 1, new QTableWidgetItem(QStringLiteral("18446744073709551615")));
    fitColumnsToContents(&table, {}, QSize(100, 50));
    const QSize least = table.minimumSize();
    table.resize(1200, 600);
    table.show();
    textfit::settle(&table);
    QVERIFY(table.horizontalHeader()->sectionSize(1) > 500);
    fitColumnsToContents(&table, {}, QSize(100, 50));
    QCOMPARE(table.minimumSize(), least);
    QVERIFY(table.horizontalHeader()->stretchLastSection());

    table.resize(least);
    textfit::settle(&table);
    QVERIFY2(textfit::cutTexts(&table).isEmpty(), qPrintable(textfit::cutTexts(&table).join('\n')));
}

void TextFunctionsTest::rowsFollowTheFont()
{
    QTableWidget table(4, 1);
    fitRowsTo(&table, 17);
    const int normal = table.rowHeight(0);
    QVERIFY(normal >= 17);
    QFont large = table.font();
    large.setPointSize(large.pointSize() * 3);
    table.setFont(large);
    table.verticalHeader()->setFont(large);
    fitRowsTo(&table, 17);
    QVERIFY(table.rowHeight(3) > normal);
    QVERIFY(table.rowHeight(3) >= QFontMetrics(large).height());
}

// A label keeps the room of its lines whatever it shows now (an empty
// information label before the tester has answered, a short one).
void TextFunctionsTest::labelKeepsRoomForItsLines_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("one line") << 1 << 9;
    QTest::newRow("four lines") << 4 << 8;
    QTest::newRow("four lines, 12 points") << 4 << 12;
    QTest::newRow("four lines, 20 points") << 4 << 20;
}

void TextFunctionsTest::labelKeepsRoomForItsLines()
{
    QFETCH(int, lines);
    QFETCH(int, pointSize);
    QLabel label;
    QFont font = label.font();
    font.setPointSize(pointSize);
    label.setFont(font);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    reserveLinesFor(&label, lines);
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("Gjy: 2.7.13");
    label.setText(text.join(QLatin1Char('\n')));
    label.resize(label.sizeHint().width(), label.minimumHeight());
    label.show();
    QVERIFY2(textfit::cutTexts(&label).isEmpty(), qPrintable(textfit::cutTexts(&label).join('\n')));

    // Just the room the label asks for its lines: one line less cuts them.
    const int least = label.minimumHeight();
    QCOMPARE(least, label.sizeHint().height());
    const int lineLess = least - label.fontMetrics().lineSpacing();
    label.setMinimumHeight(lineLess);
    label.resize(label.width(), lineLess);
    QCOMPARE(textfit::cutTexts(&label).size(), 1);

    // The room stays when the text is shorter or gone.
    label.clear();
    reserveLinesFor(&label, lines);
    QCOMPARE(label.minimumHeight(), least);
}

// A designed least size stays while the contents need less, and gives way
// to what they need when a larger font or a longer text comes.
void TextFunctionsTest::designedSizeGrowsWithItsContents_data()
{
    QTest::addColumn<QSize>("designed");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("grows");
    QTest::newRow("designed room is enough") << QSize(400, 300) << 9 << false;
    QTest::newRow("a larger font needs more") << QSize(60, 20) << 24 << true;
    QTest::newRow("no designed height") << QSize(400, 0) << 9 << false;
}

void TextFunctionsTest::designedSizeGrowsWithItsContents()
{
    QFETCH(QSize, designed);
    QFETCH(int, pointSize);
    QFETCH(bool, grows);
    QGroupBox box(QStringLiteral("Servers list"));
    auto *layout = new QVBoxLayout(&box);
    auto *button = new QPushButton(QStringLiteral("Refresh status"));
    layout->addWidget(button);
    box.setMinimumSize(designed);
    QFont font = box.font();
    font.setPointSize(pointSize);
    box.setFont(font);
    button->setFont(font);
    reserveRoomFor(&box, designed);
    const QSize need = box.minimumSizeHint();
    QCOMPARE(box.minimumSize(), designed.expandedTo(need));
    QCOMPARE(box.minimumWidth() > designed.width(), grows);
    box.resize(box.minimumSize());
    box.show();
    QVERIFY2(textfit::cutTexts(&box).isEmpty(), qPrintable(textfit::cutTexts(&box).join('\n')));
}

// On a font change a form refits its fields and tables once its tables'
// rows have the new font's height, whichever was told first: a table sized
// to its rows before they grew would scroll.
void TextFunctionsTest::formRefitsAfterItsTablesRows()
{
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *table = new QTableWidget(6, 1);
    layout->addWidget(table);
    fitRowsTo(table, 20);
    keepRowsFitToFont(table);
    int rowsSeen = 0;
    int fits = 0;
    struct Watcher : QObject
    {
        std::function<bool(QObject *, QEvent *)> f;
        bool eventFilter(QObject *o, QEvent *e) override { return f(o, e); }
    } watcher;
    watcher.f = [&](QObject *, QEvent *e) {
        refitAfterFontChange(&form, e, [&] {
            ++fits;
            rowsSeen = table->rowHeight(5);
        });
        return false;
    };
    form.installEventFilter(&watcher);
    form.show();
    // The form told first, as a window's style sheet tells its widgets from
    // the top down; the table takes the font after it.
    QEvent change(QEvent::FontChange);
    QCoreApplication::sendEvent(&form, &change);
    QFont large = table->font();
    large.setPointSize(30);
    table->setFont(large);
    table->verticalHeader()->setFont(large);
    QTRY_COMPARE(fits, 1);
    QVERIFY(rowsSeen >= QFontMetrics(large).height());
    QCOMPARE(rowsSeen, table->rowHeight(5));
}

QTEST_MAIN(TextFunctionsTest)
#include "tst_textfunctions.moc"
