#pragma once

#include "records.h"
#include "y1564records.h"

#include <QString>

#include <cstdint>

// What the Y.1564 form shows and writes, computed from the records alone so
// that the PDF writer (worker thread) and the tests use the same rules as the
// form. GUI-independent.

// ---- rate unit and the limits of CIR, EIR and M ------------------------------

// The unit list of the form: 0 "%", 1 "kbps", 2 "Mbps". Codes 2 and 3 have
// their own entries; every other code (percent, bps, anything unknown) shows
// as percent with the percent limits.
int y1564UnitIndex(uint8_t code);
uint8_t y1564UnitCode(int index);

struct Y1564RateLimits
{
    double minimum;
    double maximum;
    double step;
};
// kbps 1 to 10000 in steps of 1; Mbps 0.001 to 1000; percent (and every
// other code) 0.001 to 100.
Y1564RateLimits y1564RateLimits(uint8_t code);
constexpr int Y1564RateDecimals = 3;

// ---- the decimal fields of a stream -------------------------------------------

enum class Y1564Value { Cir, Eir, M, Flr, Ftd, Fdv, Avail };

struct Y1564ValueRange
{
    double minimum;
    double maximum;
    int decimals;
};
// The range of a field's spin box; the three rates take the limits of the
// given unit code.
Y1564ValueRange y1564ValueRange(Y1564Value value, uint8_t rateUnit);

// The stored field in the unit it is edited in: the rates and FLR as they
// are, FTD and FDV in ms (nanoseconds / 1,000,000), AVAIL in percent.
double y1564StoredValue(const y1564_stream_settings_t &stream, Y1564Value value);

// What the field's spin box shows for the record: rounded to the box's
// decimals and held within its range (the rates within the limits of the
// record's own unit). Not-a-number shows the minimum.
double y1564ShownValue(const y1564_stream_settings_t &stream, Y1564Value value);

// Writes an edited value into target. While shown is what the record
// `stored` shows (the operator has not changed the field), target keeps the
// stored bits, so that a value the box cannot show exactly (more decimals,
// out of range, not a number) is never replaced by its rounded picture.
// Otherwise the value is encoded: rates and FLR as 32-bit floats, FTD and
// FDV as whole nanoseconds, AVAIL as a fraction.
void y1564WriteValue(y1564_stream_settings_t &target, const y1564_stream_settings_t &stored,
                     Y1564Value value, double shown);

// The unit code to store for the selected list index: the stored code while
// the list still shows it, else the index's own code.
uint8_t y1564WrittenUnit(uint8_t storedCode, int index);

// Writes the stream's rate unit and its three rates (CIR, EIR, M as their
// boxes show them, in the unit of list index unitIndex). Untouched, the
// stream keeps its stored code and rate bits, also a code the list cannot
// show (bps or an unknown code, shown as percent). Once a rate is edited or
// another unit is picked, the code written is the one on show (so a percent
// value never goes out under the bps code), and when that changes the code,
// all three rates are written as shown.
void y1564WriteRates(y1564_stream_settings_t &target, const y1564_stream_settings_t &stored, int unitIndex,
                     double cir, double eir, double m);

// Milliseconds to whole nanoseconds, rounded to the nearest (0.0003 ms is
// 300 ns, not 299), of which the low 32 bits are stored.
uint32_t y1564MsToNanoseconds(double ms);

// ---- VLAN tags -----------------------------------------------------------------

// Four lower-case hexadecimal digits ("8100", "88a8").
QString y1564TpidText(uint16_t tpid);
// A hexadecimal text of upper- or lower-case digits; anything else, or
// empty text, gives 0.
uint16_t y1564TpidFromText(const QString &text);

uint16_t y1564TagControl(int pcp, int vid);
int y1564TagPcp(uint16_t tagControl);
int y1564TagVid(uint16_t tagControl);

// The default TPIDs for a VLAN count: 1 tag 8100; 2 tags 9100, 8100;
// 3 tags 8100 each. A count of 0 (or above 3) writes nothing.
void y1564SetDefaultTpids(y1564_stream_settings_t &stream, int count);

// VLAN rows in use for a stored count: never more than the record holds.
int y1564VlanRows(uint8_t vlanCount);

// ---- direction -----------------------------------------------------------------

enum class Y1564DirectionChoice { None, Both, Output, Input };

// 3 both; otherwise bit 0 output; otherwise bit 1 input; otherwise none
// (the radio buttons stay as they are).
Y1564DirectionChoice y1564DirectionChoice(uint8_t direction);
// Both (and none) 3, output 1, input 2.
uint8_t y1564DirectionCode(Y1564DirectionChoice choice);

// ---- results -------------------------------------------------------------------

enum class Y1564Criterion { Ir = 1, Fl = 2, Ftd = 3, Fdv = 4 };

// Status code of one configuration cell (step 0-5, stream 0-3): 0 without
// either record; 8 "Off" for a step not in the test or an inactive stream;
// the step's own status when it has one; 2 "Error" when the criterion
// failed; else 1 for a step done, 0 for a step to come, and for the current
// step 1 once any stream of it has a failure bit.
uint8_t y1564ResultState(const y1564_settings_t *settings, const y1564_results_t *results, int step,
                         int stream, Y1564Criterion criterion);

enum Y1564PerfRow1 { PerfRowFl = 0, PerfRowFlr = 1, PerfRowAvail = 2, PerfRowAvailPercent = 3, PerfRows1 = 4 };
enum Y1564PerfRow2 { PerfRowIr = 0, PerfRowFtd = 1, PerfRowFdv = 2, PerfRows2 = 3 };

struct Y1564ResultsView
{
    QString elapsed;                                // "Elapsed time"
    QString remaining;                              // "Remaining time"
    // Configuration test: row = step, column 0 the state, then the values.
    QString rate[Y1564ConfigSteps][4];              // state, min., avr., max. (bitRateToString)
    QString loss[Y1564ConfigSteps][3];              // state, count, FLR
    QString delay[Y1564ConfigSteps][4];             // state, min., avr., max.
    QString jitter[Y1564ConfigSteps][4];
    // Performance test.
    QString performanceStatus;                      // "Overall status"
    QString perf1[PerfRows1][2];                    // state, value
    QString perf2[PerfRows2][4];                    // state, min., avr., max.
};

// Every cell of the "Results" tab for one stream (0-3; held within that
// range). Either record missing: "-" everywhere.
Y1564ResultsView y1564ResultsView(const y1564_settings_t *settings, const y1564_results_t *results,
                                  int stream);

// A frame loss count as shown: unsigned, negated first with status 9 (RxTx).
uint32_t y1564ShownFrameLoss(uint32_t frameLoss, uint8_t state);
// Available × 100 / (available + unavailable), three decimals; the sum is
// taken in 64 bits so that counters near 2^32 neither wrap nor overflow.
// "-" when both are 0.
QString y1564AvailabilityPercent(uint32_t available, uint32_t unavailable);

// ---- link and synchronisation panel ---------------------------------------------

struct Y1564LinkView
{
    QString speed;      // "1000 Mbps"
    QString duplex;     // "FDX" / "HDX"
    QString interfaceType;  // "1000BASE-T"
};
// A link that is down shows "-" in all three.
Y1564LinkView y1564LinkView(const port_link_t &link);

// "sync ntp, active, NTP correct, RF correct" from the three bytes of a
// synchronisation status answer; an unknown source leaves its part out.
QString y1564SyncStatusText(uint8_t status, uint8_t active, uint8_t correct);
