#include "y1564report.h"

#include "devicetexts.h"
#include "reportformat.h"
#include "textfunctions.h"
#include "y1564format.h"

#include <QCoreApplication>

namespace {

const char *const NoValue = "-";

// Minimum, average and maximum of a measure as the report words them.
QStringList measureTexts(const y1564_result_entry_t &e, Y1564ReportMeasure measure)
{
    switch (measure) {
    case Y1564ReportIr:
        return {bitRateToString(e.irMin), bitRateToString(e.irAvg), bitRateToString(e.irMax)};
    case Y1564ReportFtd:
        return {nanosecondsToString(float(e.ftdMin)), nanosecondsToString(float(e.ftdAvg)),
                nanosecondsToString(float(e.ftdMax))};
    default:
        return {nanosecondsToString(float(e.fdvMin)), nanosecondsToString(float(e.fdvAvg)),
                nanosecondsToString(float(e.fdvMax))};
    }
}

const QStringList NoValues{QLatin1String(NoValue), QLatin1String(NoValue), QLatin1String(NoValue)};

} // namespace

QString y1564ReportUnitText(uint8_t code)
{
    switch (code) {
    case 3: return QCoreApplication::translate("PDFCreator", "Mbps");
    case 2: return QCoreApplication::translate("PDFCreator", "kbps");
    case 1: return QCoreApplication::translate("PDFCreator", "bps");
    default: return QStringLiteral("%");
    }
}

QString y1564ReportStepName(int step)
{
    switch (step) {
    case 0: case 1: case 2: case 3: return QStringLiteral("CIR %1").arg(step + 1);
    case 4: return QStringLiteral("CIR+EIR");
    case 5: return QStringLiteral("Policy");
    default: return QString();
    }
}

QString y1564ReportRatio(uint32_t part, uint32_t all)
{
    return all == 0 ? QStringLiteral("0") : QString::number(double(part) / double(all), 'f', 5);
}

QString y1564ReportAvailability(uint32_t available, uint32_t unavailable)
{
    const uint64_t sum = uint64_t(available) + unavailable;
    return sum == 0 ? QStringLiteral("0") : QString::number(double(available) * 100.0 / double(sum), 'f', 4);
}

Y1564ReportConfigTable y1564ReportConfigTable(const y1564_settings_t &settings, const y1564_results_t &results,
                                              int stream)
{
    stream = qBound(0, stream, Y1564Streams - 1);
    static const Y1564Criterion criteria[Y1564ReportMeasures] = {Y1564Criterion::Ir, Y1564Criterion::Ftd,
                                                                 Y1564Criterion::Fdv};
    Y1564ReportConfigTable t;
    for (int step = 0; step < Y1564ConfigSteps; ++step) {
        const y1564_result_entry_t &e = results.config[step][stream];
        const QString name = y1564ReportStepName(step);
        for (int m = 0; m < Y1564ReportMeasures; ++m) {
            const uint8_t verdict = y1564ResultState(&settings, &results, step, stream, criteria[m]);
            t.measure[m][step] = QStringList{name, testStatusText(verdict)}
                                 + (verdict == StatusOff ? NoValues : measureTexts(e, Y1564ReportMeasure(m)));
        }
        const uint8_t verdict = y1564ResultState(&settings, &results, step, stream, Y1564Criterion::Fl);
        t.loss[step] = QStringList{name, testStatusText(verdict)};
        if (verdict == StatusOff)
            t.loss[step] << QLatin1String(NoValue) << QLatin1String(NoValue);
        else
            t.loss[step] << QString::number(e.frameLoss) << y1564ReportRatio(e.frameLoss, e.frames);
    }
    return t;
}

Y1564ReportPerformanceTable y1564ReportPerformanceTable(const y1564_settings_t &settings,
                                                        const y1564_results_t &results, int stream)
{
    stream = qBound(0, stream, Y1564Streams - 1);
    const y1564_result_entry_t &p = results.performance[stream];
    const bool off = !settings.streams[stream].active || results.performanceStatus == 0;
    auto status = [&](uint8_t failBit) {
        if (off)
            return testStatusText(StatusOff);
        return (p.failures & failBit) ? QCoreApplication::translate("PDFCreator", "Fail") : QStringLiteral("OK");
    };
    auto value = [&](const QString &text) { return off ? QLatin1String(NoValue) : text; };

    Y1564ReportPerformanceTable t;
    t.status = testStatusText(off ? StatusOff : StatusWait);
    t.counts[0] = QStringList{QStringLiteral("FL"), status(Y1564FailFl), value(QString::number(p.frameLoss))};
    t.counts[1] = QStringList{QStringLiteral("FLR"), status(Y1564FailFl), value(y1564ReportRatio(p.frameLoss, p.frames))};
    t.counts[2] = QStringList{QStringLiteral("AVAIL"), status(Y1564FailAvail), value(QString::number(p.available))};
    t.counts[3] = QStringList{QStringLiteral("AVAIL, %"), status(Y1564FailAvail),
                              value(y1564ReportAvailability(p.available, p.unavailable))};

    static const char *const labels[Y1564ReportMeasures] = {
        QT_TRANSLATE_NOOP("PDFCreator", "Rate IR"),
        QT_TRANSLATE_NOOP("PDFCreator", "Frame Delay FTD"),
        QT_TRANSLATE_NOOP("PDFCreator", "Jitter FDV"),
    };
    static const uint8_t bits[Y1564ReportMeasures] = {Y1564FailIr, Y1564FailFtd, Y1564FailFdv};
    for (int m = 0; m < Y1564ReportMeasures; ++m) {
        t.measure[m] = QStringList{QCoreApplication::translate("PDFCreator", labels[m]), status(bits[m])}
                       + (off ? NoValues : measureTexts(p, Y1564ReportMeasure(m)));
    }
    return t;
}
