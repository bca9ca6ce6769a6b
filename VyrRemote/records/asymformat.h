#pragma once

#include "asymrecords.h"

#include <QString>

#include <cstdint>

// What the asymmetric traffic form's "Measuring" page shows, computed from
// the records alone, so that the texts can be checked without a window and
// the report writer can use them in the worker thread. GUI-independent.

// Rows of one flow's statistics table.
enum FlowStatsRow {
    FlowRowTxFrames = 0,
    FlowRowRxFrames = 1,
    FlowRowTxBytes = 2,
    FlowRowLossFrames = 3,
    FlowRowRate = 4,
    FlowRowPdv = 5,
    FlowRowRunts = 6,
    FlowRowJabber = 7,
    FlowRowCrc = 8,
    FlowRowErrorFrames = 9,
    FlowRowPause = 10,
    FlowStatsRows = 11
};

struct FlowStatsView
{
    QString status;                 // the status line
    QString count[FlowStatsRows];   // column "Count"
    QString coef[FlowStatsRows];    // column "Ratio"; a null text leaves the cell as it is
};

// One flow's statistics: no record gives "-" everywhere. The status code of
// the run is refined by the flow's own counters (see flowStatusCode);
// "Lost frames" counts nothing while the test runs (frames may still be on
// the way); the "Ratio" cells of "Lost frames", "Runts", "Jabber", "CRC" and
// "Error frames" are shares of the transmitted frames, "-" while none were
// sent. "Tx bytes" is packetLength times the transmitted frames, counted in
// 64 bits (a full-rate run passes 2^32 bytes within a minute).
FlowStatsView flowStatsView(unsigned status, const flow_stats_t *stats, bool running,
                            uint32_t packetLength);

// The status a flow reports: a run the tester calls "OK" reads "No Rx"
// when nothing came back, else "No Tx" when nothing was sent, else "RxTx"
// when more came back than was sent. Every other code stands as it is.
unsigned flowStatusCode(unsigned status, const flow_stats_t &stats);

// part / txFrames with five decimals ("0.00200"); "-" when nothing was sent.
QString flowCoefficient(uint64_t part, uint32_t txFrames);

struct AsymResultsView
{
    QString elapsed;                // "Elapsed time"
    QString estimate;               // "Remaining time"
    FlowStatsView output;           // "Output stream statistics", flow 1
    FlowStatsView input;            // "Input stream statistics", flow 2
};

// The whole page. Without either record every field and cell shows "-";
// the estimate shows "-" while the set duration is 0, and both tables while
// the settings ask for blank statistics (byte 0 non-zero).
AsymResultsView asymResultsView(const asym_settings_t *settings, const asym_results_t *results,
                                bool running);

// Index of the direction list that shows a stored direction; -1 (nothing
// selected) for a code the list does not have.
int directionToIndex(uint8_t direction);
