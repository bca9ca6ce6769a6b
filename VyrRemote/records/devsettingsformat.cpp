#include "devsettingsformat.h"

#include <QtGlobal>

#include <limits>

namespace {

// The code the list has no entry of its own for.
constexpr uint8_t UnusedCode = 3;

uint32_t clampedClock(qint64 seconds)
{
    return uint32_t(qBound<qint64>(0, seconds, std::numeric_limits<uint32_t>::max()));
}

} // namespace

int checkingCodeToIndex(uint8_t code)
{
    unsigned c = code;
    if (c > unsigned(CheckingModeCount))
        c %= unsigned(CheckingModeCount);
    if (c < UnusedCode)
        return int(c);
    if (c == UnusedCode)
        return int(UnusedCode) - 1;
    return int(c) - 1;
}

uint8_t checkingIndexToCode(int index)
{
    const int i = qBound(0, index, CheckingModeCount - 1);
    return uint8_t(i < int(UnusedCode) ? i : i + 1);
}

QDateTime testerClockToDateTime(uint32_t clock)
{
    return QDateTime::fromSecsSinceEpoch(qint64(clock), Qt::UTC);
}

uint32_t testerClockFromDateTime(const QDate &date, const QTime &time)
{
    return clampedClock(QDateTime(date, time, Qt::UTC).toSecsSinceEpoch());
}

uint32_t testerClockFromLocal(const QDateTime &local)
{
    return clampedClock(local.toSecsSinceEpoch() + local.offsetFromUtc());
}
