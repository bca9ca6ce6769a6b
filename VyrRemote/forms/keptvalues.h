#pragma once

// Writing back a stored value that a widget cannot show. A spin box clamps
// a value beyond its range, and a time edit cannot show a duration of a day
// or more; such a field shows what it can and is marked, and the stored
// value goes back unchanged until the operator edits that field.

#include "rateunits.h"
#include "trafficformat.h"

#include <QSpinBox>
#include <QTime>
#include <QTimeEdit>

#include <cstdint>

// The stored integer while the box still shows it as the fill left it
// (clamped to the box's range); otherwise the box's value.
template <class T>
T keptInt(T stored, const QSpinBox *box)
{
    const int shown = int(qBound<qint64>(box->minimum(), qint64(stored), box->maximum()));
    return box->value() == shown ? stored : T(box->value());
}

// Shows a duration in seconds; one of a day or more has no time of day and
// leaves the edit as it was. Returns what the edit shows, for keptDuration.
inline QTime showDuration(QTimeEdit *edit, uint32_t seconds)
{
    const QTime time = durationToTime(seconds);
    if (time.isValid())
        edit->setTime(time);
    return edit->time();
}

// The stored duration while the edit still shows shownAtFill (what
// showDuration returned); otherwise the edit's time.
inline uint32_t keptDuration(uint32_t stored, const QTimeEdit *edit, const QTime &shownAtFill)
{
    return edit->time() == shownAtFill ? stored : timeToDuration(edit->time());
}

// The same rule kept by flags, for forms whose change slots tell an edit
// apart from a fill (a rate unit has no value to compare with). A form sets
// them at each fill from the record it shows, clears them from the change slots
// of the operator's edits (never from a fill, which runs with the fields'
// signals blocked) and asks them what to write when it fills its record.
// GUI thread only.

// A rate unit code beyond the table, and the rate that goes with it: the
// list shows the nearest unit and the rate field what it can hold.
class KeptRate
{
public:
    // A unit code beyond the table is kept with its rate. A rate the field
    // cannot hold in a unit shown as itself (clamped to the unit's limits)
    // is kept alone; bps, which the list shows and writes as percent, goes
    // out converted with the rate on show. shownRate is what the field holds
    // after the fill.
    template <typename Rate>
    void fill(uint8_t storedUnit, Rate storedRate, int shownRate)
    {
        m_unit = !rateUnitKnown(storedUnit);
        const bool shownAsItself = unitIndexToCode(unitCodeToIndex(storedUnit)) == storedUnit;
        m_rate = m_unit || (shownAsItself && qint64(storedRate) != qint64(shownRate));
    }
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
