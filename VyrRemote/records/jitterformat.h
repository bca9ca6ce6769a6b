#pragma once

#include "jitterrecords.h"

#include <QString>

// What the jitter form's "Measuring" page shows, computed from the records
// alone so that the form and the PDF report show the same texts.
// GUI-independent.

enum JitterResultRow {
    JitterRowAll = 0,
    JitterRowInOrder = 1,
    JitterRowNotInOrder = 2,
    JitterResultRows = 3
};

struct JitterResultsView
{
    QString testTime;                    // "Remaining time": what remains of the duration
    QString passTime;                    // "Elapsed time"
    QString count[JitterResultRows];     // column "Count"
    QString percent[JitterResultRows];   // column "%"; a null text leaves the cell as it is
    QString bins[JitterBins];            // the distribution's "%" column
};

// Without results every cell shows "-". With results but no settings the
// remaining time has no duration to start from and shows "-"; the counts
// do not need the settings.
JitterResultsView jitterResultsView(const jitter_settings_t *settings,
                                    const jitter_results_t *results);

// Range text of a distribution row for a threshold in ms: eight equal bins
// below it ("2.500-5.000" for threshold 20, row 1) and ">=20.000" for the
// last row; an empty text for a row outside the table.
QString jitterBinLabel(int threshold, int row);
