#pragma once

// Writing back a stored value that a widget cannot show. A spin box clamps
// a value beyond its range, and a time edit cannot show a duration of a day
// or more; such a field shows what it can and is marked, and the stored
// value goes back unchanged until the operator edits that field.

#include "trafficformat.h"

#include <QSpinBox>
#include <QTime>
#include <QTimeEdit>

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
