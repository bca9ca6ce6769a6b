#pragma once

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <QTime>
#include <QVector>

#include <cstdint>
#include <functional>
#include <initializer_list>

class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QRegExp;
class QStringList;
class QTableView;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

// Display texts for the values of the tester's records, the parsers that turn
// edited texts back into record values, and the change markers of the forms.
//
// Everything here is stateless. The text and parse functions touch no widget
// and may run in the GUI thread and in the worker thread at once (the device
// model and the PDF writer call them from the worker). The change markers,
// the field-colour helpers and tableItem touch widgets: GUI thread only.

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
// Lets the edit take only what can still become an IPv4 address (GUI
// thread only).
void setIpv4Validator(QLineEdit *edit);

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

// ---- widgets (GUI thread only) ---------------------------------------------

// The item of a cell, created empty when the cell has none. Returns null for
// a cell outside the table.
QTableWidgetItem *tableItem(QTableWidget *table, int row, int column);

// Field colours of the editing forms, each set as "color: #rrggbb".
QColor fieldColourEqual();    // black: value equals the applied record
QColor fieldColourChanged();  // blue: value differs from the applied record
QColor fieldColourUnused();   // grey: value not in use
void setFieldColour(QWidget *widget, const QColor &colour);
void setFieldColour(std::initializer_list<QWidget *> widgets, const QColor &colour);

// Change markers: colour the widget blue and return true when the edited
// value differs from the applied one, else black and false. The style sheet
// replaces whatever the widget had.
// For a comparison the caller made (values the typed markers below cannot
// hold, such as 32-bit unsigned fields or codes kept as stored).
bool markChanged(QWidget *widget, bool differs);
bool markChangedInt(QWidget *widget, int value, int stored);
// Equal when the difference is below 0.00001; NaN always differs.
bool markChangedDouble(QWidget *widget, double value, double stored);
// The same with a tolerance of the caller's (below the field's step, so that
// a one-step edit is always marked).
bool markChangedDouble(QWidget *widget, double value, double stored, double tolerance);
// Flags compare by their low 8 bits, as the records keep them in one byte.
bool markChangedBool(QWidget *widget, int value, int stored);
// Time of day against stored seconds; milliseconds are ignored.
bool markChangedTime(QWidget *widget, const QTime &value, int storedSeconds);
// Time of day against a stored 32-bit duration in seconds, compared in 64
// bits: a duration of a day or more, which no time of day can show, always
// differs (and stays marked) instead of wrapping into a match.
bool markChangedDuration(QWidget *widget, const QTime &value, uint32_t storedSeconds);
bool markChangedString(QWidget *widget, const QString &value, const QString &stored);

// ---- room for the texts a widget shows (GUI thread only) ---------------------
// Sizes that follow the longest value a field or column can show, so that no
// value is cut, elided or scrolled (a layout that shares space by stretch
// factors would otherwise squeeze a field below its text). Called after
// setupUi and after every language switch (the texts change length with the
// language); measured in the widget's font at the time of the call.

// A read-only field at least as wide as the widest of texts needs.
void reserveWidthFor(QLineEdit *field, const QStringList &texts);
// A label at least as wide as the widest line of texts needs, and never
// narrower than atLeast (its designed width).
void reserveWidthFor(QLabel *label, const QStringList &texts, int atLeast);
// A label as high as lines lines of text need at least, whatever it shows
// now.
void reserveLinesFor(QLabel *label, int lines);
// A widget never smaller than designed, nor than its layout needs: a minimum
// size set in the designer overrides what the layout asks for, so a larger
// font or a longer text would otherwise squeeze its contents.
void reserveRoomFor(QWidget *widget, const QSize &designed);
// A list at least as wide as its widest entry needs (the style's own size
// hint may leave its text field less room than that).
void reserveWidthFor(QComboBox *list);
// Puts text into a read-only field with its start in view (setText leaves the
// end in view when the text is wider than the field).
void showText(QLineEdit *field, const QString &text);
// Column width: what the widest of texts and the column's header need, and
// never less than minimumWidth.
void fitColumnTo(QTableView *table, int column, int minimumWidth, const QStringList &texts);

// Columns that share the table's width, none narrower than the widest of
// texts needs; the table asks its layout for room for all rows and columns.
void stretchColumnsFor(QTableView *table, const QStringList &texts);
// Rows rowHeight high, or as high as a line of the table's font (and a
// section of its visible row header) needs.
void fitRowsTo(QTableView *table, int rowHeight);
// Makes a table at least as large as its headers, rows and columns, so that
// it shows them all without scroll bars; never smaller than minimum. Called
// after the column widths or header texts change. (A stretched last column
// counts the room it has taken; for such a table use the two below.)
void fitTableToContents(QTableView *table, const QSize &minimum);
// fitColumnTo for the columns of a table (column c: minimumWidths[c] and
// texts[c]), its stretched last column included, then fitTableToContents:
// a table whose last column stretches shows that column's texts whole too.
void fitColumnsTo(QTableView *table, const QVector<int> &minimumWidths,
                  const QVector<QStringList> &texts, const QSize &minimum);
// The same with each column as wide as its cells and header need, never
// less than minimumWidths[column] (the header's default size for a column
// without an entry). Called after the cells change.
void fitColumnsToContents(QTableView *table, const QVector<int> &minimumWidths, const QSize &minimum);
// Rows of the height the table has now, or as high as a line of a new font
// needs whenever the table takes one (fitRowsTo on every font change).
void keepRowsFitToFont(QTableView *table);
// The sizes above depend on the font, and a window's children take a new
// font after the window does. Called from a form's changeEvent: on a font
// change runs fit once the children have theirs.
void refitAfterFontChange(QWidget *form, QEvent *event, std::function<void()> fit);

// The names these helpers had in some forms; kept for forms written against
// them.
inline void setMinimumTextWidth(const QList<QLineEdit *> &edits, const QStringList &texts)
{
    for (QLineEdit *edit : edits)
        reserveWidthFor(edit, texts);
}
inline void setMinimumTextWidth(QComboBox *combo)
{
    reserveWidthFor(combo);
}
