#include "statsformat.h"

#include "textfunctions.h"

namespace {

StatsDirectionView directionView(const stats_counters_t &c)
{
    StatsDirectionView v;
    v.bytes = statsCounterText(c.bytes);
    v.frames = statsCounterText(c.frames);
    v.broadcast = statsCounterText(c.broadcast);
    v.multicast = statsCounterText(c.multicast);
    v.unicast = statsCounterText(c.unicast);
    v.pause = statsCounterText(c.pause);
    // Only the first four bytes of a rate slot carry the rate.
    v.rateL1 = rateToString(c.rateL1.bytesPerSecond);
    v.rateL2 = rateToString(c.rateL2.bytesPerSecond);
    v.rateL3 = rateToString(c.rateL3.bytesPerSecond);
    for (int i = 0; i < StatsFrameSizeBins; ++i)
        v.sizes[i] = statsCounterText(c.sizes[i]);
    return v;
}

} // namespace

QString statsCounterText(uint64_t value)
{
    return QString::number(quint64(value));
}

uint64_t statsRunts(const stats_counters_t &rx)
{
    return rx.sizes[0] + rx.crcErrors;   // unsigned: wraps modulo 2^64
}

StatsPortView statsPortView(const stats_results_t &results)
{
    StatsPortView v;
    v.rx = directionView(results.rx);
    v.tx = directionView(results.tx);
    v.crcErrors = statsCounterText(results.rx.crcErrors);
    v.runts = statsCounterText(statsRunts(results.rx));
    v.jabber = statsCounterText(results.rx.jabber);
    return v;
}
