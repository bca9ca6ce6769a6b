#pragma once

#include "trafficrecords.h"

#include <QString>
#include <QTime>

#include <cstdint>

// What the traffic form's "Measuring" page shows, computed from the records
// alone so that the texts can be checked without a window. GUI-independent.

enum TrafficResultRow {
    RowTxFrames = 0,
    RowRxFrames = 1,
    RowTxBytes = 2,
    RowRate = 3,
    RowPdv = 4,
    RowLatency = 5,
    RowLossFrames = 6,
    RowRunts = 7,
    RowJabber = 8,
    RowCrc = 9,
    RowErrorFrames = 10,
    RowPause = 11,
    TrafficResultRows = 12
};

struct TrafficResultsView
{
    QString testTime;                    // "Elapsed time"
    QString passTime;                    // "Remaining time"
    QString status;
    QString count[TrafficResultRows];    // column "Count"
    QString coef[TrafficResultRows];     // column "Ratio"; a null text leaves the cell as it is
};

// Both records present: the values; either missing: "-" everywhere.
TrafficResultsView trafficResultsView(const traffic_settings_t *settings,
                                      const traffic_results_t *results);

// The state of a run in words, as the form and the report show it: the
// general error code means the loss threshold was exceeded.
QString trafficStatusText(uint8_t status);

// part / txFrames with five decimals ("0.00200"); "0" when nothing was sent.
// The part is 64-bit so that a sum of 32-bit counters never wraps.
QString trafficCoefficient(uint64_t part, uint32_t txFrames);

// A duration in seconds as the time of day a time edit shows; invalid for
// 86400 s and above, which no time of day can show.
QTime durationToTime(uint32_t seconds);
uint32_t timeToDuration(const QTime &time);
