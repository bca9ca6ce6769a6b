// Body of the Y.1564 test report (test id 4): the test-wide settings, each
// stream's SLA, criteria and VLAN tags beside its frame header, then on a
// new page each stream's configuration-test and performance-test tables.

#include "pdfcreator.h"

#include "reportformat.h"
#include "textfunctions.h"
#include "y1564format.h"
#include "y1564records.h"
#include "y1564report.h"

static_assert(sizeof(y1564_settings_t) == testSettingsSize(TestY1564), "Y.1564 settings in a report");
static_assert(sizeof(y1564_results_t) == testResultsSize(TestY1564), "Y.1564 results in a report");

namespace {

constexpr int SettingsWidth = 4000;
constexpr int HeaderColumn = 4200;       // a stream's frame header, from x
constexpr float LabelShare = 0.6f;       // test-wide rows
constexpr int StreamBlockRows = 20;      // the longest stream block (three VLAN tags) and its gap
constexpr int ResultsWidth = 8100;
// The rows a table keeps on one page: its title and every row, so that it
// never runs past the page's foot.
constexpr int ConfigTableRows = 39;
constexpr int PerformanceTableRows = 13;

QString number(qulonglong value)
{
    return QString::number(value);
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

const QList<int> W3{1200, 1000, 5900};
const QList<int> W5{1200, 1000, 1966, 1966, 1966};
const QList<int> W4{1200, 1000, 2950, 2950};
const QList<int> W2{1200, 6900};
const QList<int> P3{2000, 700, 5400};
const QList<int> P5{2000, 700, 1800, 1800, 1800};
const QList<int> P2{2000, 6100};

} // namespace

void PDFCreator::drawY1564Settings(int x, int &y, const ReportFile &report)
{
    const y1564_settings_t s = report.settings<y1564_settings_t>();
    const int savedWidth = m_tableWidth;
    m_tableWidth = SettingsWidth;
    drawSectionTitle(x, y, tr("Settings"), 11, SectionFill);
    drawTopology(x, y, report);
    y += RowHeight;

    drawSectionTitle(x, y, tr("Advanced"), 11, SectionFill);
    drawRatioTextRow(x, y, tr("Learning int., ms"), number(s.learningInterval), LabelShare);
    drawRatioTextRow(x, y, tr("Wait interval, ms"), number(s.waitInterval), LabelShare);
    drawRatioCheckRow(x, y, tr("Configuration test"), s.flags & Y1564FlagConfigTest, LabelShare);
    drawRatioTextRow(x, y, tr("Test step"), number(s.testStep), LabelShare);
    drawRatioCheckRow(x, y, tr("Step load"), s.flags & Y1564FlagStepLoad, LabelShare);
    drawRatioCheckRow(x, y, QStringLiteral("Policy"), s.flags & Y1564FlagPolicy, LabelShare);
    drawRatioCheckRow(x, y, tr("Performance test"), s.flags & Y1564FlagPerformanceTest, LabelShare);
    drawRatioTextRow(x, y, tr("Duration"), secondsToString(s.duration), LabelShare);
    y += RowHeight;

    if (breaksPage(y, StreamBlockRows, pageHeight()))
        breakPage(y);
    for (int i = 0; i < Y1564Streams; ++i) {
        const y1564_stream_settings_t &stream = s.streams[i];
        drawSectionTitle(x, y, tr("Stream #") + number(i + 1), 14, SectionFill);
        const int top = y - RowHeight;   // after its page break, if it broke
        drawCheckRow(x, y, tr("Active"), stream.active == 1);
        drawTextRow(x, y, tr("Packet length, B"), number(stream.packetLength));
        drawSectionTitle(x, y, tr("SLA"), 0, GreyFill);
        drawTextRow(x, y, tr("Units"), y1564ReportUnitText(stream.rateUnit));
        drawFourColumnRow(x, y, QStringLiteral("CIR"), fixed(stream.cir, 2), QStringLiteral("EIR"), fixed(stream.eir, 2));
        drawFourColumnRow(x, y, QStringLiteral("M"), fixed(stream.m, 2), QString(), QString());
        // The record holds no burst sizes.
        drawTextRow(x, y, tr("Units"), tr("KB"));
        drawFourColumnRow(x, y, QStringLiteral("CBS"), QStringLiteral("0.00"), QStringLiteral("EBS"),
                          QStringLiteral("0.00"));
        drawSectionTitle(x, y, tr("Test criteria"), 0, GreyFill);
        drawTextRow(x, y, QStringLiteral("FLR"), fixed(stream.flr, 5));
        drawTextRow(x, y, tr("FTD, ms"), fixed(stream.ftd / 1e6, 4));
        drawTextRow(x, y, QStringLiteral("AVAIL, %"), fixed(double(stream.avail) * 100, 4));
        drawTextRow(x, y, tr("FDV, ms"), fixed(stream.fdv / 1e6, 4));
        if (stream.vlanOn) {
            drawTextRow(x, y, tr("VLAN tags"), number(stream.vlanCount));
            if (stream.vlanCount != 0) {
                drawFourColumnRow(x, y, QStringLiteral("#"), QStringLiteral("TPID"), QStringLiteral("PCP"),
                                  QStringLiteral("VID"));
                // A count above three shows the three tags the record holds.
                for (int j = 0; j < y1564VlanRows(stream.vlanCount); ++j) {
                    const uint16_t tag = stream.tagControl[j];
                    drawFourColumnRow(x, y, number(j), y1564TpidText(stream.tpid[j]), number(y1564TagPcp(tag)),
                                      number(y1564TagVid(tag)));
                }
            }
        }
        const int end = y;

        y = top;
        const int right = x + HeaderColumn;
        drawSectionTitle(right, y, tr("Stream header #") + number(i + 1), 14, SectionFill);
        drawHeaderSettings(right, y, stream.header, true);

        y = end;
        if (i == 1)
            breakPage(y);   // streams 3 and 4 on a page of their own
        else
            y += RowHeight;
    }
    m_tableWidth = savedWidth;
}

void PDFCreator::drawY1564Results(int x, int &y, const ReportFile &report)
{
    const y1564_settings_t s = report.settings<y1564_settings_t>();
    const y1564_results_t r = report.results<y1564_results_t>();
    const int savedWidth = m_tableWidth;
    m_tableWidth = ResultsWidth;

    breakPage(y);
    drawSectionTitle(x, y, tr("Results"), 1, SectionFill);
    uint32_t elapsed = 0;
    uint32_t remaining = 0;
    elapsedAndRemaining(r.startTime, r.currentTime, r.plannedDuration, elapsed, remaining);
    drawFourColumnRow(x, y, tr("Elapsed time"), secondsToString(elapsed), QString(), QString());
    drawFourColumnRow(x, y, tr("Remaining time"), secondsToString(remaining), QString(), QString());
    y += RowHeight;

    const QString streamLabel = tr("Stream #");
    const QString captions[Y1564ReportMeasures] = {tr("Rate IR"), tr("Frame Delay FTD"), tr("Jitter FDV")};
    for (int i = 0; i < Y1564Streams; ++i) {
        const QString stream = streamLabel + number(i + 1);
        const Y1564ReportConfigTable config = y1564ReportConfigTable(s, r, i);
        drawSectionTitle(x, y, tr("Configuration test") + QStringLiteral(". ") + stream, ConfigTableRows, SectionFill);
        drawSizedColumnsRow(x, y, {tr("Subtest"), tr("Status"), tr("Parameter")}, W3);
        for (int m = 0; m < Y1564ReportMeasures; ++m) {
            drawSizedColumnsRow(x, y, {QString(), QString(), captions[m]}, W3);
            if (m == Y1564ReportIr)
                drawSizedColumnsRow(x, y, {QString(), QString(), tr("Min."), tr("Avg."), tr("Max.")}, W5);
            for (const QStringList &row : config.measure[m])
                drawSizedColumnsRow(x, y, row, W5);
        }
        drawSizedColumnsRow(x, y, {QString(), QString(), tr("Frame Loss FL")}, W3);
        drawSizedColumnsRow(x, y, {QString(), QString(), tr("Count, frames"), QStringLiteral("FLR")}, W4);
        for (const QStringList &row : config.loss)
            drawSizedColumnsRow(x, y, row, W4);
        drawSizedColumnsRow(x, y, {QString(), tr("Overall status")}, W2);
        for (int step = 0; step < Y1564ConfigSteps; ++step)
            drawSizedColumnsRow(x, y, {y1564ReportStepName(step), y1564StepStatusText(report, step, i)}, W2);
        y += RowHeight;

        const Y1564ReportPerformanceTable performance = y1564ReportPerformanceTable(s, r, i);
        drawSectionTitle(x, y, tr("Performance test") + QStringLiteral(". ") + stream, PerformanceTableRows,
                         SectionFill);
        drawSizedColumnsRow(x, y, {tr("Status"), performance.status}, P2);
        y += RowHeight;
        drawSizedColumnsRow(x, y, {tr("Parameter"), tr("Status"), tr("Value")}, P3);
        for (const QStringList &row : performance.counts)
            drawSizedColumnsRow(x, y, row, P3);
        y += RowHeight;
        drawSizedColumnsRow(x, y, {tr("Parameter"), tr("Status"), tr("Min."), tr("Avg."), tr("Max.")}, P5);
        for (const QStringList &row : performance.measure)
            drawSizedColumnsRow(x, y, row, P5);
    }
    m_tableWidth = savedWidth;
}
