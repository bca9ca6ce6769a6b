#include "rateunits.h"

int unitCodeToIndex(uint8_t code)
{
    switch (code) {
    case RateUnitPercent:
    case RateUnitBps:
        return UnitIndexPercent;
    case RateUnitKbps:
        return UnitIndexKbps;
    default:
        return UnitIndexMbps;
    }
}

bool rateUnitKnown(uint8_t code)
{
    return code <= RateUnitMbps;
}

uint8_t unitIndexToCode(int index)
{
    if (index <= UnitIndexPercent)
        return RateUnitPercent;
    if (index == UnitIndexKbps)
        return RateUnitKbps;
    return RateUnitMbps;
}

int rateMaximumForIndex(int index)
{
    switch (index) {
    case UnitIndexPercent:
        return RateMaximumPercent;
    case UnitIndexKbps:
        return RateMaximumKbps;
    case UnitIndexMbps:
        return RateMaximumMbps;
    default:
        return 0;
    }
}
