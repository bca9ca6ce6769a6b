#include "trafficformat.h"

#include "devicetexts.h"
#include "textfunctions.h"

#include <QCoreApplication>

namespace {

constexpr int SecondsPerDay = 86400;
constexpr int CoefficientDecimals = 5;
const char *const NoValue = "-";
// The traffic test reports an exceeded loss threshold with the general
// error code; the form names it for what it means here.
constexpr uint8_t TrafficStatusLossExceeded = StatusError;

QString count(uint64_t value)
{
    return QStringLiteral("%1").arg(quint64(value), 0, 10);
}

} // namespace

QString trafficCoefficient(uint64_t part, uint32_t txFrames)
{
    if (txFrames == 0)
        return QStringLiteral("0");
    return QStringLiteral("%1").arg(double(part) / double(txFrames), 0, 'F', CoefficientDecimals);
}

QString trafficStatusText(uint8_t status)
{
    return status == TrafficStatusLossExceeded ? QCoreApplication::translate("TrafficForm", "Loss exceeded")
                                               : testStatusText(status);
}

QTime durationToTime(uint32_t seconds)
{
    if (seconds >= uint32_t(SecondsPerDay))
        return QTime();
    return QTime(int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60));
}

uint32_t timeToDuration(const QTime &time)
{
    if (!time.isValid())
        return 0;
    return uint32_t(time.hour() * 3600 + time.minute() * 60 + time.second());
}

TrafficResultsView trafficResultsView(const traffic_settings_t *settings,
                                      const traffic_results_t *results)
{
    TrafficResultsView v;
    if (!settings || !results) {
        const QString dash = QLatin1String(NoValue);
        v.testTime = v.passTime = v.status = dash;
        for (int row = 0; row < TrafficResultRows; ++row)
            v.count[row] = v.coef[row] = dash;
        return v;
    }
    const traffic_results_t &r = *results;

    v.status = trafficStatusText(r.status);

    // Unsigned on purpose: a clock that went backwards shows as a huge count
    // rather than hiding the fault.
    const uint32_t elapsed = r.currentTime - r.startTime;
    v.testTime = secondsToString(elapsed);
    if (settings->duration == 0)
        v.passTime = QLatin1String(NoValue);
    else
        v.passTime = secondsToString(elapsed < r.estimatedTime ? r.estimatedTime - elapsed : 0);

    const uint32_t errors = r.runts + r.jabber + r.crcErrors;   // 32-bit sum, as the tester counts
    v.count[RowTxFrames] = count(r.txFrames);
    v.count[RowRxFrames] = count(r.rxFrames);
    v.count[RowTxBytes] = count(r.txBytes);
    v.count[RowRate] = rateToString(r.rate);
    v.count[RowPdv] = nanosecondsToString(float(r.pdv));
    v.count[RowLatency] = nanosecondsToString(float(r.latency));
    v.count[RowLossFrames] = count(r.lostFrames);
    v.count[RowRunts] = count(r.runts);
    v.count[RowJabber] = count(r.jabber);
    v.count[RowCrc] = count(r.crcErrors);
    v.count[RowErrorFrames] = count(errors);
    v.count[RowPause] = count(r.pause);

    v.coef[RowLossFrames] = trafficCoefficient(r.txFrames - r.rxFrames, r.txFrames);
    v.coef[RowRunts] = trafficCoefficient(r.runts, r.txFrames);
    v.coef[RowJabber] = trafficCoefficient(r.jabber, r.txFrames);
    v.coef[RowCrc] = trafficCoefficient(r.crcErrors, r.txFrames);
    v.coef[RowErrorFrames] = trafficCoefficient(errors, r.txFrames);
    return v;
}
