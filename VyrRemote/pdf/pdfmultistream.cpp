// Body of the multistream test report (test id 5): the common settings, then
// one settings block and one results block per active stream, two streams to
// a row.

#include "pdfcreator.h"

#include "multiformat.h"
#include "multirecords.h"
#include "reportformat.h"
#include "textfunctions.h"

static_assert(sizeof(multi_settings_t) == testSettingsSize(TestMultistream), "multistream settings in a report");
static_assert(sizeof(multi_results_t) == testResultsSize(TestMultistream), "multistream results in a report");

namespace {

constexpr int StreamBlockWidth = 4000;
constexpr int StreamColumnGap = 100;

} // namespace

void PDFCreator::drawStreamBlocks(int x, int &y, const multi_settings_t &settings, int keepRows,
                                  const std::function<void(int x, int &y, int stream)> &rows)
{
    // The first, third, ... active stream in the left column, the others
    // beside it starting level with it; both blocks of a pair have the same
    // rows, so a pair ends level. Afterwards y is one row below the last
    // left block (or unchanged without an active stream).
    m_tableWidth = StreamBlockWidth;
    const int right = x + StreamBlockWidth + StreamColumnGap;
    int below = y;
    bool left = true;
    for (int k = 0; k < MultiStreamCount; ++k) {
        if (!settings.streams[k].active)
            continue;
        const int top = drawBlock(left ? x : right, y, tr("Stream #") + QString::number(k + 1), keepRows, GreyFill,
                                  [&](int column, int &row) { rows(column, row, k); });
        if (left) {
            below = y + RowHeight;
            y = top;
        } else {
            y += RowHeight;
        }
        left = !left;
    }
    y = below;
    m_tableWidth = DefaultTableWidth;
}

void PDFCreator::drawMultistreamSettings(int x, int &y, const ReportFile &report)
{
    const multi_settings_t s = report.settings<multi_settings_t>();
    drawSectionTitle(x, y, tr("Settings"), 0, SectionFill);
    drawTopology(x, y, report);
    y += RowHeight;
    drawStreamBlocks(x, y, s, 21, [&](int column, int &row, int k) {
        const stream_settings_t &stream = s.streams[k];
        drawHeaderSettings(column, row, stream.header, true);
        drawSectionTitle(column, row, tr("Advanced"), 0, GreyFill);
        drawCheckRow(column, row, tr("Active"), stream.active);
        drawTextRow(column, row, tr("Learning int., ms"), QString::number(s.learningTime));
        drawTextRow(column, row, tr("Interval, ms"), QString::number(s.waitInterval));
        drawTextRow(column, row, tr("Rate units"), reportUnitText(stream.rateUnit));
        drawTextRow(column, row, tr("Rate"), QString::number(stream.rate));
        drawTextRow(column, row, tr("Packet length, B"), QString::number(stream.packetLength));
        drawTextRow(column, row, tr("Duration"), secondsToString(s.duration));
    });
}

void PDFCreator::drawMultistreamResults(int x, int &y, const ReportFile &report)
{
    const multi_settings_t s = report.settings<multi_settings_t>();
    const multi_results_t r = report.results<multi_results_t>();
    // The title keeps its two time rows with it: after a full page of
    // stream blocks a title that never breaks would draw them past the
    // page's foot.
    drawSectionTitle(x, y, tr("Results"), 3, SectionFill);
    drawTextRow(x, y, tr("Elapsed time"), secondsToString(r.elapsed));
    drawTextRow(x, y, tr("Remaining time"), secondsToString(r.elapsed < s.duration ? s.duration - r.elapsed : 0));
    y += RowHeight;
    drawStreamBlocks(x, y, s, 7, [&](int column, int &row, int k) {
        const stream_result_t &result = r.streams[k];
        // The form's texts, but for the loss coefficient, which reads "0"
        // when nothing was sent.
        const MultiStreamView v = multiStreamView(&result, &s.streams[k]);
        const QString lossCoef = result.txFrames ? v.lossCoef : QStringLiteral("0");
        drawThreeColumnRow(column, row, QString(), tr("Count"), tr("Ratio"));
        drawThreeColumnRow(column, row, tr("Load"), v.count[MultiRowLoad], QString());
        drawThreeColumnRow(column, row, tr("Tx frames"), v.count[MultiRowTxFrames], QString());
        drawThreeColumnRow(column, row, tr("Rx frames"), v.count[MultiRowRxFrames], QString());
        drawThreeColumnRow(column, row, tr("Tx bytes"), v.count[MultiRowTxBytes], QString());
        drawThreeColumnRow(column, row, tr("Lost frames"), v.count[MultiRowLossFrames], lossCoef);
        drawThreeColumnRow(column, row, tr("Latency"), v.count[MultiRowLatency], QString());
    });
}
