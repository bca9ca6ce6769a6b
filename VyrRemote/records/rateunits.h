#pragma once

#include <cstdint>

// The rate unit code of the settings records and the unit lists of the
// forms. Records carry 0 percent of the line rate, 1 bps, 2 kbps, 3 Mbps;
// the forms list "%", "kbps", "Mbps" (indexes 0 to 2) and never write bps.

enum rate_unit_t : uint8_t {
    RateUnitPercent = 0,
    RateUnitBps = 1,
    RateUnitKbps = 2,
    RateUnitMbps = 3,
};

enum RateUnitIndex {
    UnitIndexPercent = 0,
    UnitIndexKbps = 1,
    UnitIndexMbps = 2,
};

constexpr int RateMinimum = 1;
constexpr int RateMaximumPercent = 100;
constexpr int RateMaximumKbps = 9999;
constexpr int RateMaximumMbps = 1000;

// List index that shows a stored code: bps shows as percent; a code above
// the list shows as Mbps, the nearest listed unit, so that a rate written
// back is never read in a smaller unit than the one it was stored in.
int unitCodeToIndex(uint8_t code);

// A code of the table above (bps included); a form keeps any other code as
// stored until the operator picks a unit.
bool rateUnitKnown(uint8_t code);

// Code stored for a list index (index 0 is percent; an index outside the
// list is taken as its nearest end).
uint8_t unitIndexToCode(int index);

// Maximum of the rate field for a list index; 0 for an index outside the
// list (the field keeps its maximum).
int rateMaximumForIndex(int index);
