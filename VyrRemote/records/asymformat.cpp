#include "asymformat.h"

#include "devicetexts.h"
#include "records.h"
#include "textfunctions.h"

namespace {

constexpr int CoefficientDecimals = 5;
const char *const NoValue = "-";

QString count(uint64_t value)
{
    return QStringLiteral("%1").arg(quint64(value), 0, 10);
}

FlowStatsView blankFlow()
{
    FlowStatsView v;
    const QString dash = QLatin1String(NoValue);
    v.status = dash;
    for (int row = 0; row < FlowStatsRows; ++row)
        v.count[row] = v.coef[row] = dash;
    return v;
}

} // namespace

QString flowCoefficient(uint64_t part, uint32_t txFrames)
{
    if (txFrames == 0)
        return QLatin1String(NoValue);
    return QStringLiteral("%1").arg(double(part) / double(txFrames), 0, 'F', CoefficientDecimals);
}

unsigned flowStatusCode(unsigned status, const flow_stats_t &stats)
{
    if (status != StatusOk)
        return status;
    if (stats.rxFrames == 0)
        return StatusNoRx;
    if (stats.txFrames == 0)
        return StatusNoTx;
    if (stats.txFrames < stats.rxFrames)
        return StatusRxTx;
    return StatusOk;
}

FlowStatsView flowStatsView(unsigned status, const flow_stats_t *stats, bool running,
                            uint32_t packetLength)
{
    if (!stats)
        return blankFlow();
    const flow_stats_t &s = *stats;
    FlowStatsView v;
    v.status = testStatusText(flowStatusCode(status, s));

    // Frames still on the way are no loss while the test runs.
    const uint32_t lost = running || s.txFrames < s.rxFrames ? 0 : s.txFrames - s.rxFrames;
    const uint64_t errors = uint64_t(s.runts) + s.jabber + s.crcErrors;

    v.count[FlowRowTxFrames] = count(s.txFrames);
    v.count[FlowRowRxFrames] = count(s.rxFrames);
    v.count[FlowRowTxBytes] = count(uint64_t(packetLength) * s.txFrames);
    v.count[FlowRowLossFrames] = count(lost);
    v.count[FlowRowRate] = rateToString(s.rate);
    v.count[FlowRowPdv] = nanosecondsToString(float(s.pdv));
    v.count[FlowRowRunts] = count(s.runts);
    v.count[FlowRowJabber] = count(s.jabber);
    v.count[FlowRowCrc] = count(s.crcErrors);
    v.count[FlowRowErrorFrames] = count(errors);
    v.count[FlowRowPause] = count(s.pause);

    v.coef[FlowRowLossFrames] = flowCoefficient(lost, s.txFrames);
    v.coef[FlowRowRunts] = flowCoefficient(s.runts, s.txFrames);
    v.coef[FlowRowJabber] = flowCoefficient(s.jabber, s.txFrames);
    v.coef[FlowRowCrc] = flowCoefficient(s.crcErrors, s.txFrames);
    v.coef[FlowRowErrorFrames] = flowCoefficient(errors, s.txFrames);
    return v;
}

AsymResultsView asymResultsView(const asym_settings_t *settings, const asym_results_t *results,
                                bool running)
{
    AsymResultsView v;
    if (!settings || !results) {
        v.elapsed = v.estimate = QLatin1String(NoValue);
        v.output = v.input = blankFlow();
        return v;
    }
    const asym_results_t &r = *results;

    uint32_t elapsed = 0;
    uint32_t remaining = 0;
    elapsedAndRemaining(r.startTime, r.currentTime, r.duration, elapsed, remaining);
    v.elapsed = secondsToString(elapsed);
    v.estimate = settings->duration == 0 ? QString(QLatin1String(NoValue)) : secondsToString(remaining);

    if (settings->statsBlank != 0) {
        v.output = v.input = blankFlow();
        return v;
    }
    v.output = flowStatsView(r.status, &r.output, running, settings->output.packetLength);
    v.input = flowStatsView(r.status, &r.input, running, settings->input.packetLength);
    return v;
}

int directionToIndex(uint8_t direction)
{
    return direction < DirectionCount ? int(direction) : -1;
}
