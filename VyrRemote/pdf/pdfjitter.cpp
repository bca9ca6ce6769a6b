// Body of the jitter test report (test id 6): the settings with their frame
// header, the frame-order summary and the jitter distribution in nine classes.

#include "pdfcreator.h"

#include "jitterformat.h"
#include "jitterrecords.h"
#include "rateunits.h"
#include "reportformat.h"
#include "textfunctions.h"

static_assert(sizeof(jitter_settings_t) == testSettingsSize(TestJitter), "jitter settings in a report");
static_assert(sizeof(jitter_results_t) == testResultsSize(TestJitter), "jitter results in a report");

namespace {

// part x 100 / all with two decimals.
QString percentOf(uint64_t part, uint64_t all)
{
    return QString::number(double(part) * 100.0 / double(all), 'f', 2);
}

} // namespace

void PDFCreator::drawJitterSettings(int x, int &y, const ReportFile &report)
{
    const jitter_settings_t s = report.settings<jitter_settings_t>();
    drawSettingsWithHeader(x, y, report, 20, s.header);
    // The jitter test offers no bps: a rate in any other unit has no rows.
    if (s.rateUnit == RateUnitPercent || s.rateUnit == RateUnitKbps || s.rateUnit == RateUnitMbps) {
        drawTextRow(x, y, tr("Rate units"), reportUnitText(s.rateUnit));
        drawTextRow(x, y, tr("Rate"), QString::number(s.rate));
    }
    drawTextRow(x, y, tr("Packet length, B"), QString::number(s.packetLength));
    drawTextRow(x, y, tr("Duration"), secondsToString(s.duration));
    drawTextRow(x, y, tr("Threshold, ms"), QString::number(s.threshold));
    y += RowHeight;
}

void PDFCreator::drawJitterResults(int x, int &y, const ReportFile &report)
{
    const jitter_settings_t s = report.settings<jitter_settings_t>();
    const jitter_results_t r = report.results<jitter_results_t>();
    drawSectionTitle(x, y, tr("Result"), 7, SectionFill);
    drawTextRow(x, y, tr("Elapsed time"), secondsToString(r.passedTime));
    drawTextRow(x, y, tr("Remaining time"),
                secondsToString(r.passedTime < s.duration ? s.duration - r.passedTime : 0));

    const uint64_t all = r.rxAll;
    // More frames in order than received at all is no disorder.
    const uint64_t outOfOrder = r.rxInOrder > all ? 0 : all - r.rxInOrder;
    auto share = [all](uint64_t part) { return all ? percentOf(part, all) : QString(); };
    drawThreeColumnRow(x, y, tr("Rx frames"), tr("Count"), QStringLiteral("%"));
    drawThreeColumnRow(x, y, tr("All"), QString::number(quint64(all)), QString());
    drawThreeColumnRow(x, y, tr("In order"), QString::number(quint64(r.rxInOrder)), share(r.rxInOrder));
    drawThreeColumnRow(x, y, tr("Not in order"), QString::number(quint64(outOfOrder)), share(outOfOrder));
    y += RowHeight;

    drawSectionTitle(x, y, tr("Distribution"), 11, SectionFill);
    drawTextRow(x, y, tr("Jitter, ms"), QStringLiteral("%"));
    for (int i = 0; i < JitterBins; ++i)
        drawTextRow(x, y, jitterBinLabel(s.threshold, i), all ? percentOf(r.bins[i], all) : QStringLiteral("---"));
    y += RowHeight;
}
