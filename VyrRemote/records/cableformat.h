#pragma once

#include "cablerecords.h"

#include <QString>

#include <cstdint>

// What the cable diagnostics form shows, computed from the record alone.
// GUI-independent.

enum CableResultRow {
    CableRowStatus = 0,
    CableRowLength = 1,
    CableRowChannel = 2,
    CableRowPolarity = 3,
    CableRowLatency = 4,
    CableResultRows = 5
};

// "Good", "Short", "Open", "Fault", "Mismatch" (translated); a code the tester
// has no name for is shown as unknown with its number, never as another
// pair state.
QString cableStatusText(uint8_t status);

// Whole metres to the fault from the raw distance: raw x 0.8018 - 28.751 in
// single precision, rounded half up, 0 below zero.
int cableDistanceMetres(uint8_t raw);

struct CableResultsView
{
    QString cell[CableResultRows][CablePairCount];   // row, pair (column)
};

// No record: every cell empty. Without valid details the channel, polarity
// and latency rows show "...".
CableResultsView cableResultsView(const cable_results_t *results);
