#pragma once

#include "rateunits.h"
#include "trafficformat.h"

#include <QTime>

#include <cstdint>

// Stored values the fields of a traffic-type form cannot show, written back
// exactly as stored until the operator edits that field. A form sets them
// at each fill from the record it shows, clears them from the change slots
// of the operator's edits (never from a fill, which runs with the fields'
// signals blocked) and asks them what to write when it fills its record.
// GUI thread only.

// A rate unit code beyond the table, and the rate that goes with it: the
// list shows the nearest unit and the rate field what it can hold.
class KeptRate
{
public:
    void fill(uint8_t storedUnit) { m_unit = m_rate = !rateUnitKnown(storedUnit); }
    // A rate means nothing without its unit: a unit the operator picks
    // sends the shown rate with it.
    void unitEdited() { m_unit = m_rate = false; }
    void rateEdited() { m_rate = false; }

    uint8_t unitToWrite(int shownIndex, uint8_t stored) const
    {
        return m_unit ? stored : unitIndexToCode(shownIndex);
    }
    template <typename Rate>
    Rate rateToWrite(int shownRate, Rate stored) const
    {
        return m_rate ? stored : Rate(shownRate);
    }

private:
    bool m_unit = false;
    bool m_rate = false;
};

// A duration of a day or more, which no time of day can show.
class KeptDuration
{
public:
    void fill(uint32_t stored) { m_keep = !durationToTime(stored).isValid(); }
    void edited() { m_keep = false; }

    uint32_t toWrite(const QTime &shown, uint32_t stored) const
    {
        return m_keep ? stored : timeToDuration(shown);
    }

private:
    bool m_keep = false;
};
