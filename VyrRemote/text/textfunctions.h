#pragma once

#include <QString>

#include <cstdint>

// Display texts for the values of the tester's records and the parsers that
// turn edited texts back into record values.
//
// Everything here is stateless and touches no widget: the GUI thread and the
// worker thread (the device model and the PDF writer) call these functions at
// once. The change markers, field colours and the room fields need for their
// texts are the forms' own, in widgethelpers.h of the widget helpers.

// ---- durations, rates, offsets ---------------------------------------------

// "HH:MM:SS"; hours are not wrapped (360000 s gives "100:00:00").
QString secondsToString(uint32_t seconds);

// The one way a rate reads in the forms, the port panels and the reports: a
// blank between number and unit, whole bits per second up to 1000 bps,
// three decimals in kbps above that and in Mbps above 1 Mbps ("1000 bps",
// "1.008 kbps", "1000.000 kbps", "986.996 Mbps"). The unit words are
// translated in the context "QApplication".
// Bytes per second, as the tester counts them (125 is still bps, 125000
// still kbps).
QString rateToString(uint32_t bytesPerSecond);
// Bits per second, for rates the tester reports as bit rates or as Mbps;
// a value that is no finite number gives "-".
QString bitRateToString(double bitsPerSecond);

// The one way a time offset or delay reads: nanoseconds scaled to s, ms or
// us with three decimals, or whole nanoseconds, a blank before the unit
// ("850 ns", "12.500 us", "-2.500 ms", "1000.000 ms", "1.500 s"); below
// half a nanosecond "0" without a unit, and "-" for a value that is no
// finite number. 999 ns stay ns, 1 000 000 000 ns stay ms.
QString nanosecondsToString(float nanoseconds);

// A long duration as "hh:mm:ss DD.MM.YY" made of day, month (30 days) and
// year (365 days) counts; the sign is ignored.
QString durationToString(double seconds);

// Elapsed and remaining seconds of a run, from the run-time header at the
// start of a results record: three little-endian u32 words, start time (0),
// current time (4), planned duration (8). When the tester's clock reads a time
// before the start, elapsed is 0 rather than a wrapped four-billion count.
void elapsedAndRemaining(const void *runTimeHeader, uint32_t &elapsed, uint32_t &remaining);
void elapsedAndRemaining(uint32_t startTime, uint32_t currentTime, uint32_t duration,
                         uint32_t &elapsed, uint32_t &remaining);

// ---- tester clock (seconds since 1970, always shown as UTC) ----------------

QString timeToString(uint32_t time);      // "hh:mm:ss"
QString dateToString(uint32_t time);      // "DD.MM.YY"
QString dateTimeToString(uint32_t time);  // "hh:mm:ss DD.MM.YY"

// ---- addresses and identities ----------------------------------------------

// "00:1a:2b:3c:4d:5e", byte 0 first.
QString macToString(const uint8_t *mac);

// Fills six bytes from a MAC text with ':' or '-' between the groups. An
// empty text leaves the bytes alone; a group that is no hexadecimal number
// stores 0; groups past the sixth are ignored.
void stringToMac(uint8_t *mac, const QString &text);
inline void stringToMac(const QString &text, uint8_t *mac) { stringToMac(mac, text); }

// Four bytes, each as two hex digits and a blank ("0a 0b 0c 0d ").
QString bytesToHexString(const uint8_t *bytes);

// Dotted decimal; most significant byte first unless leastSignificantFirst
// (for addresses the tester keeps in network byte order).
QString ipToString(uint32_t address, bool leastSignificantFirst = false);

// Dotted text to an address with the first part in the most significant
// byte; "" gives 0, "10.1" gives 10.1.0.0. Parts past the fourth are ignored
// and each part keeps its low 8 bits (callers validate the text first).
uint32_t stringToIp(const QString &text);

// The address patterns of the edit fields (exact match): six two-digit hex
// groups joined by ':' or '-'; four dotted decimal numbers 0-255.
QString macAddressPattern();
QString ipAddressPattern();
// Whether a text is a complete address by those patterns.
bool isMacText(const QString &text);
bool isIpText(const QString &text);
// Subnet masks with contiguous ones only, 0.0.0.0 and 255.255.255.255 included.
QString subnetMaskPattern();

// PTP clock identity, "00-1A-2B-FF-FE-3C-4D-5E".
QString clockIdToString(const uint8_t *clockId);

// ---- small code tables -----------------------------------------------------

// DSCP selection box: 21 code points, index order of the box.
constexpr int DscpTableSize = 21;
constexpr int DscpDefaultIndex = 19;  // entry "default", code 0
int dscpToIndex(uint8_t dscp);        // a code not in the table gives DscpDefaultIndex
uint8_t indexToDscp(int index);       // an index outside 0..20 gives code 0

// ToS selection box: index 0 is 0, index n (1..4) the one-hot value 1 << (n-1).
int tosToIndex(uint8_t tos);
uint8_t indexToTos(int index);

// Synchronisation sources: 0 none, 1 RF, 2 PTP, 3 GPS, 4 NTP 1, 5 NTP 2.
QString syncSourceName(uint8_t source);
uint8_t syncSourceFromName(const QString &name);

// ---- numbers ---------------------------------------------------------------

// Signed integer part in the low 16 bits, fraction /65536 in the high 16;
// always four decimals ("-0.5000").
QString fixedToString(uint32_t value);

// A count that the tester sends as a floating-point number (the frames of a
// back-to-back burst) as the whole number it is: rounded to the nearest
// integer, plain decimal digits, never an exponent ("2976190", not
// "2.97619e+06"). NaN and infinities are written as QString writes them.
QString wholeCountToString(double count);

// A 32-bit record value as a spin box holds it: one beyond int's range is
// its largest value rather than a wrapped negative number.
int spinBoxValue(uint32_t value);

// 10 * log10(value); 0 for 0.
float toDecibels(float value);

// Pads a decimal text to at least three digits after the first '.'
// ("12" -> "12.000", "1.5" -> "1.500"); never shortens. The first form
// changes the text in place and returns the result as well.
QString padToThreeDecimals(QString &text);
QString padToThreeDecimals(const QString &text);

// Port count of a device type (1 or 2), from the device identity tables.
int modelPortCount(unsigned deviceType);
