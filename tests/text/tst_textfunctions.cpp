#include "textfunctions.h"

#include <QRegExp>
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

QTEST_MAIN(TextFunctionsTest)
#include "tst_textfunctions.moc"
