#pragma once

#include "multirecords.h"

#include <QString>

// What the multistream form's "Measuring" page shows, computed from the
// records alone so that the form and the PDF report show the same texts.
// GUI-independent.

enum MultiResultRow {
    MultiRowLoad = 0,
    MultiRowTxFrames = 1,
    MultiRowRxFrames = 2,
    MultiRowTxBytes = 3,
    MultiRowLossFrames = 4,
    MultiRowLatency = 5,
    MultiResultRows = 6
};

// A stream index as the records hold it: 0 to 9, anything else brought to
// the nearest end, so that no index ever reads past the ten streams.
int multiStreamIndex(int index);

struct MultiTimesView
{
    QString elapsed;    // "Elapsed time"
    QString estimate;   // "Remaining time"
};

// Elapsed time from the results; the estimate needs the settings too
// (duration and wait interval). "-" where the record is missing.
MultiTimesView multiTimesView(const multi_settings_t *settings, const multi_results_t *results);

struct MultiStreamView
{
    QString count[MultiResultRows];   // column "Count"
    QString lossCoef;                 // column "Ratio" of "Lost frames"
};

// One stream's results with its settings (for the active flag and the
// packet length). "-" in every cell without results, without settings, or
// for a stream that is not active.
MultiStreamView multiStreamView(const stream_result_t *result, const stream_settings_t *settings);
