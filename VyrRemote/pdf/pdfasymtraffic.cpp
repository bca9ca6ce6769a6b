// Body of the asymmetric traffic test report (test id 16): the settings of
// the output and the input stream and the common settings, then the
// statistics of each direction.

#include "pdfcreator.h"

#include "asymformat.h"
#include "asymrecords.h"
#include "devicetexts.h"
#include "reportcodes.h"
#include "reportformat.h"
#include "textfunctions.h"
#include "trafficformat.h"

static_assert(sizeof(asym_settings_t) == testSettingsSize(TestAsymTraffic), "asymmetric settings in a report");
static_assert(sizeof(asym_results_t) == testResultsSize(TestAsymTraffic), "asymmetric results in a report");

namespace {

constexpr float StatusLabelRatio = 0.3333f;

} // namespace

void PDFCreator::drawAsymTrafficSettings(int x, int &y, const ReportFile &report)
{
    const asym_settings_t s = report.settings<asym_settings_t>();
    drawSectionTitle(x, y, tr("Settings"), 20, SectionFill);
    // The far end of this test is always the remote side, whatever the loop flag.
    drawTextRow(x, y, tr("Topology"),
                QStringLiteral("%1 >> R").arg(report.port() == PortB ? QLatin1Char('B') : QLatin1Char('A')));
    drawSectionTitle(x, y, tr("Output stream settings"), 20, SectionFill);
    drawFlowSettings(x, y, s.output);
    drawSectionTitle(x, y, tr("Input stream settings"), 20, SectionFill);
    drawFlowSettings(x, y, s.input);
    y += RowHeight;

    drawSectionTitle(x, y, tr("Common settings"), 20, SectionFill);
    drawTextRow(x, y, tr("Duration"), secondsToString(s.duration));
    drawTextRow(x, y, tr("Learning interval, ms"), QString::number(s.learningInterval));
    drawTextRow(x, y, tr("Wait interval, ms"), QString::number(s.waitInterval));
    drawTextRow(x, y, tr("Direction"), asymDirectionReportText(s.direction));
    y += RowHeight;
}

void PDFCreator::drawFlowSettings(int x, int &y, const flow_settings_t &flow)
{
    drawHeaderSettings(x, y, flow.header, false);
    drawSectionTitle(x, y, tr("Advanced"), 0, GreyFill);
    drawTextRow(x, y, tr("Units"), reportUnitText(flow.rateUnit));
    drawTextRow(x, y, tr("Rate "), QString::number(flow.rate));
    drawTextRow(x, y, tr("Packet size, B"), QString::number(flow.packetLength));
    drawTextRow(x, y, tr("Threshold FLR"), QString::number(double(flow.maxFlr), 'f', 5));
}

void PDFCreator::drawAsymTrafficResults(int x, int &y, const ReportFile &report)
{
    const asym_settings_t s = report.settings<asym_settings_t>();
    const asym_results_t r = report.results<asym_results_t>();
    drawSectionTitle(x, y, tr("Results"), 29, SectionFill);
    uint32_t elapsed = 0;
    uint32_t remaining = 0;
    elapsedAndRemaining(r.startTime, r.currentTime, r.duration, elapsed, remaining);
    drawTextRow(x, y, tr("Elapsed time"), secondsToString(elapsed));
    drawTextRow(x, y, tr("Remaining time"), secondsToString(remaining));

    // One status for the whole test, shown in both sections as stored.
    const QString status = testStatusText(r.status);
    drawSectionTitle(x, y, tr("Output stream statistics"), 13, SectionFill);
    drawRatioTextRow(x, y, tr("Status"), status, StatusLabelRatio);
    drawFlowStatistics(x, y, r.output, s.output.packetLength);
    drawSectionTitle(x, y, tr("Input stream statistics"), 13, SectionFill);
    drawRatioTextRow(x, y, tr("Status"), status, StatusLabelRatio);
    drawFlowStatistics(x, y, r.input, s.input.packetLength);
}

void PDFCreator::drawFlowStatistics(int x, int &y, const flow_stats_t &stats, uint16_t packetSize)
{
    // The form's counts of a finished run (no loss counted while more came
    // back than was sent; sums in 64 bits), the report's own coefficients.
    const FlowStatsView v = flowStatsView(StatusOk, &stats, false, packetSize);
    const uint32_t tx = stats.txFrames;
    const uint32_t lost = stats.rxFrames > tx ? 0u : tx - stats.rxFrames;
    const uint64_t errors = uint64_t(stats.runts) + stats.jabber + stats.crcErrors;
    auto row = [&](const QString &label, FlowStatsRow r, const QString &coefficient) {
        drawThreeColumnRow(x, y, label, v.count[r], coefficient);
    };
    // "Runts", "Jabber" and "CRC" are the same words in every language, as
    // on the form; ratios in five decimals as in the traffic report.
    drawThreeColumnRow(x, y, QString(), tr("Count"), tr("Ratio"));
    row(tr("Tx frames"), FlowRowTxFrames, QString());
    row(tr("Rx frames"), FlowRowRxFrames, QString());
    row(tr("Tx bytes"), FlowRowTxBytes, QString());
    row(tr("Lost frames"), FlowRowLossFrames, trafficCoefficient(lost, tx));
    row(tr("Vrt"), FlowRowRate, QString());
    row(tr("PDV"), FlowRowPdv, QString());
    row(QStringLiteral("Runts"), FlowRowRunts, trafficCoefficient(stats.runts, tx));
    row(QStringLiteral("Jabber"), FlowRowJabber, trafficCoefficient(stats.jabber, tx));
    row(QStringLiteral("CRC"), FlowRowCrc, trafficCoefficient(stats.crcErrors, tx));
    row(tr("Error frames"), FlowRowErrorFrames, trafficCoefficient(errors, tx));
    row(tr("Pause"), FlowRowPause, QString());
}
