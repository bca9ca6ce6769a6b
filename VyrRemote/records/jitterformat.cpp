#include "jitterformat.h"

#include "textfunctions.h"

namespace {

const char *const NoValue = "-";
constexpr double BinShare = 0.125;   // each of the eight lower bins
constexpr int PercentDecimals = 2;

QString count(uint64_t value)
{
    return QString::number(quint64(value));
}

QString percent(double part, double all)
{
    return QStringLiteral("%1").arg(part / all * 100.0, 0, 'F', PercentDecimals);
}

QString edge(double value)
{
    return padToThreeDecimals(QString::number(value, 'g', 6));
}

} // namespace

QString jitterBinLabel(int threshold, int row)
{
    if (row < 0 || row >= JitterBins)
        return QString();
    if (row == JitterBins - 1)
        return QStringLiteral(">=") + padToThreeDecimals(QString::number(threshold));
    return edge(threshold * row * BinShare) + QLatin1Char('-') + edge(threshold * (row + 1) * BinShare);
}

JitterResultsView jitterResultsView(const jitter_settings_t *settings, const jitter_results_t *results)
{
    JitterResultsView v;
    const QString dash = QLatin1String(NoValue);
    if (!results) {
        v.testTime = v.passTime = dash;
        for (int row = 0; row < JitterResultRows; ++row)
            v.count[row] = v.percent[row] = dash;
        for (QString &bin : v.bins)
            bin = dash;
        return v;
    }
    const jitter_results_t &r = *results;

    v.passTime = secondsToString(r.passedTime);
    if (settings)
        v.testTime = secondsToString(settings->duration >= r.passedTime ? settings->duration - r.passedTime : 0);
    else
        v.testTime = dash;

    const uint64_t all = r.rxAll;
    const uint64_t inOrder = r.rxInOrder;
    // Unsigned on purpose: a tester that counts more frames in order than
    // it received shows as a huge count rather than hiding the fault.
    const uint64_t notInOrder = all - inOrder;
    const double a = double(all);
    for (int bin = 0; bin < JitterBins; ++bin)
        v.bins[bin] = all ? percent(double(r.bins[bin]), a) : dash;
    v.count[JitterRowAll] = all ? count(all) : dash;
    v.count[JitterRowInOrder] = all ? count(inOrder) : dash;
    v.count[JitterRowNotInOrder] = all ? count(notInOrder) : dash;
    // The "%" cell of the row "All" is never written from results.
    v.percent[JitterRowInOrder] = all ? percent(double(inOrder), a) : dash;
    v.percent[JitterRowNotInOrder] = all ? percent(double(notInOrder), a) : dash;
    return v;
}
