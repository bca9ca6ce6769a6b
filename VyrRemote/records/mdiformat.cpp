#include "mdiformat.h"

#include "devicetexts.h"
#include "rateunits.h"
#include "textfunctions.h"

#include <cmath>

namespace {

const char *const NoValue = "-";
constexpr int MlrDecimals = 3;

} // namespace

int mdiUnitIndex(uint8_t code)
{
    switch (code) {
    case RateUnitKbps: return MdiUnitIndexKbps;
    case RateUnitMbps: return MdiUnitIndexMbps;
    default: return -1;
    }
}

uint8_t mdiUnitCode(int index, uint8_t stored)
{
    switch (index) {
    case MdiUnitIndexKbps: return RateUnitKbps;
    case MdiUnitIndexMbps: return RateUnitMbps;
    default: return stored;
    }
}

int mdiRateMaximum(int index)
{
    switch (index) {
    case MdiUnitIndexKbps: return RateMaximumKbps;
    case MdiUnitIndexMbps: return RateMaximumMbps;
    default: return 0;
    }
}

QString delayFactorText(float seconds)
{
    // The product stays in single precision, as the tester's own display has it.
    const float nanoseconds = seconds * 1e9f;
    if (!std::isfinite(nanoseconds))
        return QLatin1String(NoValue);
    return nanosecondsToString(nanoseconds);
}

QString mlrText(uint32_t lost, uint32_t expected)
{
    if (expected == 0)
        return QLatin1String(NoValue);
    return QStringLiteral("%1").arg(double(lost) / double(expected), 0, 'F', MlrDecimals);
}

MdiResultsView mdiResultsView(const mdi_results_t *results)
{
    MdiResultsView v;
    if (!results) {
        const QString dash = QLatin1String(NoValue);
        v.passTime = v.testTime = v.status = dash;
        for (QString &value : v.value)
            value = dash;
        return v;
    }
    const mdi_results_t &r = *results;
    // Unsigned on purpose: a clock that went backwards shows as a huge count
    // rather than hiding the fault.
    const uint32_t elapsed = r.currentTime - r.startTime;
    const uint32_t remaining = elapsed <= r.estimate ? r.estimate - elapsed : 0;
    v.passTime = secondsToString(remaining);
    v.testTime = secondsToString(elapsed);
    v.status = testStatusText(r.status);
    v.value[MdiRowDf] = delayFactorText(r.delayFactor);
    v.value[MdiRowMlr] = mlrText(r.lostFrames, r.expectedFrames);
    v.value[MdiRowRxFrames] = QString::number(r.expectedFrames >= r.lostFrames ? r.expectedFrames - r.lostFrames : 0u);
    v.value[MdiRowVrx] = rateToString(r.rxRate);
    return v;
}
