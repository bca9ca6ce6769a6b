#pragma once

#include "ptprecords.h"

#include <QString>

#include <cstdint>

// What the PTP test form shows and writes back, computed from the records
// alone so that the PDF writer (worker thread), the synchronisation test form
// and the tests use the same rules as the form. GUI-independent.

// ---- master information (13 rows, also shown by the synchronisation form) ----

enum PtpInfoRow {
    PtpRowAnnounceInterval = 0,
    PtpRowSyncInterval,
    PtpRowIpAddress,
    PtpRowId,
    PtpRowPortNumber,
    PtpRowDomain,
    PtpRowVersion,
    PtpRowUtcOffset,
    PtpRowClockClass,
    PtpRowClockAccuracy,
    PtpRowTimeSource,
    PtpRowPriority1,
    PtpRowPriority2,
    PtpInfoRows
};

struct PtpMasterInfoView
{
    QString row[PtpInfoRows];
};

// Null, or no master known yet (address 0): "-" in every row.
PtpMasterInfoView ptpMasterInfoView(const ptp_master_info_t *master);

// A log2 message interval as the integer it is; "-" when not given.
QString ptpIntervalText(int8_t interval);
// "37 s": the signed seconds, a blank and the translated unit.
QString ptpUtcOffsetText(int16_t seconds);
// "0xA0": two upper-case hexadecimal digits.
QString ptpTimeSourceText(uint8_t source);

// ---- results pages ------------------------------------------------------------

enum PtpRxRow { PtpRowRxFrames = 0, PtpRowRxAnnounce, PtpRowRxSync, PtpRowRxFollowUp, PtpRowRxDelayResp, PtpRxRows };
enum PtpTxRow { PtpRowTxFrames = 0, PtpRowTxDelayReq, PtpTxRows };
enum PtpMeasureRow { PtpRowTms = 0, PtpRowTsm, PtpRowTAverage, PtpRowOffset, PtpRowSyncPdv, PtpMeasureRows };

struct PtpResultsView
{
    PtpMasterInfoView info;           // "Information"
    QString rx[PtpRxRows];            // "Statistics", received
    QString tx[PtpTxRows];            // "Statistics", sent
    QString elapsed;                  // "Measuring"
    QString estimate;
    QString measure[PtpMeasureRows];
};

// Both records present: the values. Either missing: "-" everywhere (the
// estimate depends on the settings' duration, so a page without them would
// show a half-true picture).
PtpResultsView ptpResultsView(const ptp_settings_t *settings, const ptp_results_t *results);

// ---- server list ----------------------------------------------------------------

struct PtpServerRow
{
    QString name;      // "BMCA" (entry 0), "Server", or "None" for an empty entry
    QString address;   // dotted address, "-" for an empty entry
};
PtpServerRow ptpServerRow(int index, uint32_t address);

// The table row a stored server_index selects; -1 (no row) beyond the list.
int ptpServerRowOf(uint8_t serverIndex);

// ---- what Apply writes into the client block ----------------------------------------

// Mode and the two flags go back as the stored byte while the widget still
// shows what that byte means (a code other than 0 or 1 is kept, not
// rewritten), and as 1 or 0 once the operator chose otherwise.
bool ptpIsMulticast(uint8_t mode);
uint8_t ptpWrittenMode(uint8_t stored, bool multicast);
uint8_t ptpWrittenFlag(uint8_t stored, bool on);
// The chosen row (0-9); without one the stored index, which then names no
// row (255, or a value the list does not reach).
uint8_t ptpWrittenServerIndex(uint8_t stored, int currentRow);
