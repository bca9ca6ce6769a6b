#include "multiformat.h"

#include "textfunctions.h"

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace {

const char *const NoValue = "-";
constexpr int LoadDecimals = 1;
constexpr int LossDecimals = 3;
constexpr uint32_t MsPerSecond = 1000;
// The tester waits the wait interval before and after the run.
constexpr uint64_t WaitPhases = 2;

} // namespace

int multiStreamIndex(int index)
{
    return qBound(0, index, MultiStreamCount - 1);
}

MultiTimesView multiTimesView(const multi_settings_t *settings, const multi_results_t *results)
{
    MultiTimesView v;
    const QString dash = QLatin1String(NoValue);
    if (!results) {
        v.elapsed = v.estimate = dash;
        return v;
    }
    const uint32_t elapsed = results->elapsed;
    v.elapsed = secondsToString(elapsed);
    if (!settings) {
        v.estimate = dash;
        return v;
    }
    uint64_t left = 0;
    if (elapsed < settings->duration) {
        left = uint64_t(settings->duration) + WaitPhases * (settings->waitInterval / MsPerSecond) - elapsed;
        left = qMin<uint64_t>(left, std::numeric_limits<uint32_t>::max());
    }
    v.estimate = secondsToString(uint32_t(left));
    return v;
}

MultiStreamView multiStreamView(const stream_result_t *result, const stream_settings_t *settings)
{
    MultiStreamView v;
    if (!result || !settings || !settings->active) {
        for (QString &c : v.count)
            c = QLatin1String(NoValue);
        v.lossCoef = QLatin1String(NoValue);
        return v;
    }
    const stream_result_t &r = *result;
    const double load = double(r.load);
    v.count[MultiRowLoad] = std::isfinite(load)
                                ? QString::number(load, 'f', LoadDecimals) + QLatin1Char('%')
                                : QLatin1String(NoValue);
    v.count[MultiRowTxFrames] = QString::number(r.txFrames);
    v.count[MultiRowRxFrames] = QString::number(r.rxFrames);
    // In 64 bits: ten minutes of jumbo frames already pass four gigabytes.
    v.count[MultiRowTxBytes] = QString::number(quint64(settings->packetLength) * r.txFrames);
    const uint32_t lost = r.txFrames > r.rxFrames ? r.txFrames - r.rxFrames : 0;
    v.count[MultiRowLossFrames] = QString::number(lost);
    v.lossCoef = QString::number(lost ? double(lost) / double(r.txFrames) : 0.0, 'f', LossDecimals);
    v.count[MultiRowLatency] = nanosecondsToString(float(r.latency));
    return v;
}
