#pragma once

#include "syncrecords.h"

#include <QString>
#include <QVector>

#include <cstdint>

// What the synchronisation test form shows and writes back, computed from
// the records and the status record's source word alone, so that the PDF
// writer (worker thread), the form and the tests use the same rules.
// GUI-independent; texts are translated in the form's context
// ("ScaleAdjForm") except the source names of syncSourceName().

// ---- time sources -----------------------------------------------------------

// Whether source n is usable: bit n of the status record's source word.
// False for 0 and for ids above 5, which name no source (and never shift
// the word by an out-of-range amount).
bool syncSourceAvailable(uint32_t mask, uint8_t source);

// The usable sources 1-5 in increasing order, without leaveOut.
QVector<uint8_t> syncSourceChoices(uint32_t mask, uint8_t leaveOut = SyncSourceNone);

// Keeps a pair whose two sources are usable (also an equal pair); otherwise
// takes the first usable pair (i, j), i < j, in increasing order, whatever
// the old pair was; with fewer than two usable sources the pair becomes 0/0.
// True when the pair changed.
bool syncSelectAvailableSources(uint32_t mask, uint8_t &reference, uint8_t &measured);

// The lowest usable source other than `other`; SyncSourceNone when none.
uint8_t syncOtherSource(uint32_t mask, uint8_t other);

// ---- PTP server list --------------------------------------------------------

struct SyncServerRow
{
    QString name;      // "BMCA" (entry 0), "Server", or "None" for an empty entry
    QString address;   // dotted address, "-" for an empty entry
};
SyncServerRow syncServerRow(int index, uint32_t address);

// The table row a stored server_index selects; -1 (no row) beyond the list.
int syncServerRowOf(uint8_t serverIndex);

// ---- GPS block (shown from the settings record) ------------------------------

enum SyncGpsRow {
    GpsRowGpsSync = 0,
    GpsRowPpsSync,
    GpsRowDate,
    GpsRowTime,
    GpsRowLatitude,
    GpsRowLongitude,
    GpsRowPdop,
    GpsRowHdop,
    GpsRowVdop,
    GpsRowSatellitesUsed,
    GpsInfoRows
};

enum SyncSatelliteColumn {
    SatColumnPrn = 0,
    SatColumnAngle,
    SatColumnAzimuth,
    SatColumnSnr,
    SatColumnUse,
    SatelliteColumns
};

struct SyncGpsView
{
    QString info[GpsInfoRows];
    int satelliteRows = 0;   // the record's count, at most GpsSatelliteCapacity
    QString satellite[GpsSatelliteCapacity][SatelliteColumns];
};

SyncGpsView syncGpsView(const gps_info_t &gps);

// Rows of the satellite table for a claimed count: never more than the
// record holds.
int gpsSatelliteRows(uint32_t count);

// "12.50000 S", "45.25000 W": five decimals, a blank and the hemisphere
// letter chosen by bit 0 (both coordinates by the same bit); any magnitude
// is written whole; a NaN or infinite value reads "-".
QString gpsLatitudeText(float degrees, uint8_t hemisphere);
QString gpsLongitudeText(float degrees, uint8_t hemisphere);
// Six significant digits ("1.25"); a NaN or infinite value reads "-".
QString gpsDopText(float value);

// ---- results ---------------------------------------------------------------

// Rows of the PTP master table, in the order the table shows them.
enum SyncPtpRow {
    SyncPtpRowAnnounceInterval = 0,
    SyncPtpRowSyncInterval,
    SyncPtpRowIpAddress,
    SyncPtpRowId,
    SyncPtpRowPortNumber,
    SyncPtpRowDomain,
    SyncPtpRowVersion,
    SyncPtpRowUtcOffset,
    SyncPtpRowClockClass,
    SyncPtpRowClockAccuracy,
    SyncPtpRowTimeSource,
    SyncPtpRowPriority1,
    SyncPtpRowPriority2,
    SyncPtpRows
};

enum SyncNtpRow {
    NtpRowIpAddress = 0,
    NtpRowVersion,
    NtpRowStratum,
    NtpRowPoll,
    NtpRowPrecision,
    NtpRowRootDelay,
    NtpRowRootDispersion,
    NtpRowReferenceId,
    NtpRows
};

enum SyncResultRow {
    SyncRowPhaseInstant = 0,
    SyncRowPhaseMin,
    SyncRowPhaseAverage,
    SyncRowPhaseMax,
    SyncRowTimeDiff,
    SyncRowReferenceTime,
    SyncRowMeasuredTime,
    SyncResultRows
};

constexpr int SyncNtpServers = 2;

struct SyncResultsView
{
    QString elapsed;                         // "Elapsed"
    QString estimated;                       // "Remaining": the time still to run
    QString ptp[SyncPtpRows];                // "PTP information"
    QString ntp[SyncNtpServers][NtpRows];    // "NTP information", server 1 and 2
    QString result[SyncResultRows];          // "Results" table
};

// Both records present: the values. Either missing: "-" everywhere (the
// remaining time needs the settings' duration).
SyncResultsView syncResultsView(const sync_settings_t *settings, const sync_results_t *results);

// The master block as the 13 rows show it; "-" in every row while no master
// is known (address 0), "-" for an interval that is not given.
void syncPtpMasterRows(const ptp_master_info_t &master, QString (&rows)[SyncPtpRows]);

// One NTP table; "-" in every row while the server gave nothing (address 0).
void syncNtpRows(const ntp_server_info_t &server, QString (&rows)[NtpRows]);

// Stratum 0 and 1: up to four characters, ending at the first zero byte
// (a byte that is no printable character reads '?'); stratum 2 and above:
// the four bytes as a little-endian IPv4 value, dotted.
QString ntpReferenceIdText(const ntp_server_info_t &server);

// Time still to run: the duration less the elapsed time; 00:00:00 once it
// has passed, "-" for a run without a duration that has started.
QString syncRemainingText(uint32_t duration, uint32_t elapsed);

// ---- what Apply writes back ----------------------------------------------------

// A flag or the PTP mode goes back as the stored byte while the widget still
// shows what that byte means (a stored 2 stays 2), and as 1 or 0 once the
// operator chose otherwise.
uint8_t syncWrittenFlag(uint8_t stored, bool on);
bool syncIsMulticast(uint8_t mode);
uint8_t syncWrittenMode(uint8_t stored, bool multicast);
// The chosen row (0-9); without one the stored index when it names no row
// (255, or a value beyond the list), else 255.
uint8_t syncWrittenServerIndex(uint8_t stored, int currentRow);
