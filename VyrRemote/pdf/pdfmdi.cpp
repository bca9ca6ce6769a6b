// Body of the MDI test report (test id 15): the settings with their frame
// header, then the delay factor and the media loss rate.

#include "pdfcreator.h"

#include "devicetexts.h"
#include "mdirecords.h"
#include "reportformat.h"
#include "textfunctions.h"

static_assert(sizeof(mdi_settings_t) == testSettingsSize(TestMdi), "MDI settings in a report");
static_assert(sizeof(mdi_results_t) == testResultsSize(TestMdi), "MDI results in a report");

void PDFCreator::drawMdiSettings(int x, int &y, const ReportFile &report)
{
    const mdi_settings_t s = report.settings<mdi_settings_t>();
    drawSettingsWithHeader(x, y, report, 21, s.header);
    drawTextRow(x, y, tr("Units"), reportUnitText(s.unit));
    drawTextRow(x, y, tr("Load L4"), QString::number(s.rate));
    drawTextRow(x, y, tr("Threshold MLR"), QString::number(double(s.mlrThreshold), 'f', 5));
    drawTextRow(x, y, tr("Frame size"), QString::number(s.packetLength));
    drawTextRow(x, y, tr("Learning interval, ms"), QString::number(s.learningInterval));
    y += RowHeight;
}

void PDFCreator::drawMdiResults(int x, int &y, const ReportFile &report)
{
    const mdi_results_t r = report.results<mdi_results_t>();
    uint32_t elapsed = 0;
    uint32_t remaining = 0;
    elapsedAndRemaining(r.startTime, r.currentTime, r.estimate, elapsed, remaining);
    const uint32_t expected = r.expectedFrames;
    drawSectionTitle(x, y, tr("Results"), 8, SectionFill);
    drawTextRow(x, y, tr("Status"), testStatusText(r.status));
    drawTextRow(x, y, tr("Elapsed time"), secondsToString(elapsed));
    drawTextRow(x, y, tr("Remaining time"), secondsToString(remaining));
    drawTextRow(x, y, tr("DF"), QString::number(double(r.delayFactor), 'g', 6));
    drawTextRow(x, y, tr("MLR"),
                expected ? QString::number(double(float(double(r.lostFrames) / double(expected))), 'g', 6)
                         : QStringLiteral("-"));
    drawTextRow(x, y, tr("Rx frames"), QString::number(expected >= r.lostFrames ? expected - r.lostFrames : 0u));
    drawTextRow(x, y, tr("Vrx"), rateToString(r.rxRate));
    y += RowHeight;
}
