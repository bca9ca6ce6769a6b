#pragma once

#include "mdirecords.h"

#include <QString>

#include <cstdint>

// What the MDI form shows and how its unit list maps to the record,
// computed from the records alone. GUI-independent.

// The form's unit list: "kbps" (code 2), "Mbps" (code 3).
enum MdiUnitIndex {
    MdiUnitIndexKbps = 0,
    MdiUnitIndexMbps = 1,
    MdiUnitCount = 2
};

// List index of a stored unit code; -1 (no item) for any other code.
int mdiUnitIndex(uint8_t code);
// Code to store for a list index; -1 (no item chosen) keeps the stored code.
uint8_t mdiUnitCode(int index, uint8_t stored);
// Maximum of the rate field for a list index; 0 outside the list (the field
// keeps its maximum).
int mdiRateMaximum(int index);

// The threshold field steps by 0.00001 and the record holds a 32-bit float:
// values closer than half a step show the same number, and a one-step edit
// is always a change.
constexpr double MlrStep = 0.00001;
constexpr double MlrTolerance = MlrStep / 2;

enum MdiResultRow {
    MdiRowDf = 0,
    MdiRowMlr = 1,
    MdiRowRxFrames = 2,
    MdiRowVrx = 3,
    MdiResultRows = 4
};

struct MdiResultsView
{
    QString passTime;                  // "Remaining time": remaining
    QString testTime;                  // "Elapsed time"
    QString status;
    QString value[MdiResultRows];      // column "Value"
};

// No record: "-" everywhere.
MdiResultsView mdiResultsView(const mdi_results_t *results);

// Delay factor in seconds as a time ("2.5ms"); "-" for a NaN or infinite value.
QString delayFactorText(float seconds);
// lost / expected with three decimals ("0.125"); "-" when nothing was expected.
QString mlrText(uint32_t lost, uint32_t expected);
