// Body of the RFC 2544 test report (test id 3): the common settings beside
// the frame sizes, then the throughput, latency, back-to-back and frame loss
// sections, each with its settings, its results table and its charts.

#include "pdfcreator.h"

#include "devicetexts.h"
#include "rfcrecords.h"
#include "rfcreport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

static_assert(sizeof(rfc_settings_t) == testSettingsSize(TestRfc2544), "RFC 2544 settings in a report");
static_assert(sizeof(rfc_results_t) == testResultsSize(TestRfc2544), "RFC 2544 results in a report");

namespace {

constexpr int ColumnWidth = 4000;         // settings columns and charts
constexpr int ColumnGap = 100;            // between a column and the one beside it
constexpr int ChartHeight = 2000;
constexpr int ThroughputTableWidth = 7200;
constexpr int FrameLossTableWidth = 7500;
constexpr float BackToBackLabelShare = 0.6f;

const QString PercentSuffix = QStringLiteral(", %");

QString number(qulonglong value)
{
    return QString::number(value);
}

// The frame sizes of the rows that take part, as chart labels.
QStringList enabledSizes(const rfc_settings_t &s)
{
    QStringList labels;
    for (int i : rfcReportEnabledRows(s))
        labels << number(s.frame[i].size);
    return labels;
}

// The cells of the eight frame-size rows of a results table.
QList<QStringList> resultRows(QStringList (*cells)(const rfc_settings_t &, const rfc_results_t &, int),
                              const rfc_settings_t &s, const rfc_results_t &r)
{
    QList<QStringList> rows;
    for (int i = 0; i < RfcFrameRows; ++i)
        rows << cells(s, r, i);
    return rows;
}

} // namespace

// A test section's caption, unboxed; keepRows rows from it stay on its page.
void PDFCreator::drawRfcSectionCaption(int x, int &y, int keepRows, const QString &caption)
{
    if (breaksPage(y, keepRows, pageHeight()))
        breakPage(y);
    m_painter->drawText(x + TextInset, y - TextInset, caption);
    y += RowHeight;
}

// "Results", the header and the rows; the title's top (after its page
// break, if it broke), beside which a chart may stand.
int PDFCreator::drawRfcResultsTable(int x, int &y, const QStringList &header, const QList<int> &widths,
                                    const QList<QStringList> &rows)
{
    drawSectionTitle(x, y, tr("Results"), 10, SectionFill);
    const int top = y - RowHeight;
    drawSizedColumnsRow(x, y, header, widths);
    for (const QStringList &row : rows)
        drawSizedColumnsRow(x, y, row, widths);
    return top;
}

void PDFCreator::drawRfcCommonSettings(int x, int &y, const ReportFile &report)
{
    const rfc_settings_t s = report.settings<rfc_settings_t>();
    m_tableWidth = ColumnWidth;
    const int sizes = x + m_tableWidth + ColumnGap;
    drawSectionTitle(sizes, y, tr("Frame size"), 9, SectionFill);
    const int top = y - RowHeight;   // after its page break, if it broke
    for (const rfc_frame_size_t &frame : s.frame)
        drawCheckRow(sizes, y, number(frame.size), frame.enabled);

    y = top;
    drawSectionTitle(x, y, tr("Settings"), 20, SectionFill);
    drawTopology(x, y, report);
    drawSectionTitle(x, y, tr("Header settings"), 14, SectionFill);
    drawHeaderSettings(x, y, s.header, true);
    y += 2 * RowHeight;
    m_tableWidth = DefaultTableWidth;
}

void PDFCreator::drawRfcThroughput(int x, int &y, const ReportFile &report)
{
    const rfc_settings_t s = report.settings<rfc_settings_t>();
    const rfc_results_t r = report.results<rfc_results_t>();
    drawRfcSectionCaption(x, y, 8, tr("Throughput"));
    drawSectionTitle(x, y, tr("Settings"), 6, SectionFill);
    drawCheckRow(x, y, tr("Enabled"), s.throughputOn);
    drawTextRow(x, y, tr("Max load") + PercentSuffix, number(s.throughputMax));
    drawTextRow(x, y, tr("Min load") + PercentSuffix, number(s.throughputMin));
    drawTextRow(x, y, tr("Interval, s"), number(s.throughputTime));
    y += RowHeight;

    m_tableWidth = ThroughputTableWidth;
    drawRfcResultsTable(x, y, {tr("Status"), tr("Frame, B"), tr("Load, %"), tr("Thr L1"), tr("Thr L2")},
                        {1200, 1200, 1200, 1800, 1800}, resultRows(rfcReportThroughputCells, s, r));
    y += RowHeight;
    m_tableWidth = DefaultTableWidth;

    QList<double> loads;
    for (int i : rfcReportEnabledRows(s))
        loads << rfcReportChartValue(r.throughput[i].status, double(r.throughput[i].load));
    drawRfcChart(x, y, tr("Throughput") + PercentSuffix, enabledSizes(s), loads, ColumnWidth, ChartHeight);
    y += RowHeight;
}

void PDFCreator::drawRfcLatency(int x, int &y, const ReportFile &report)
{
    const rfc_settings_t s = report.settings<rfc_settings_t>();
    const rfc_results_t r = report.results<rfc_results_t>();
    drawRfcSectionCaption(x, y, 15, tr("Latency"));
    m_tableWidth = ColumnWidth;
    drawSectionTitle(x, y, tr("Settings"), 13, SectionFill);
    drawCheckRow(x, y, tr("Enabled"), s.latencyOn);
    drawTextRow(x, y, tr("Iterations"), number(s.latencyCount));
    drawTextRow(x, y, tr("Interval, s"), number(s.latencyTime));
    drawCheckRow(x, y, tr("User load"), s.userLoading);
    for (int i = 0; i < RfcFrameRows; ++i)
        drawTextRow(x, y, number(s.frame[i].size), number(s.userLoad[i]), !s.frame[i].enabled);
    y += RowHeight;

    // The table and its chart side by side.
    y = drawRfcResultsTable(x, y, {tr("Status"), tr("Frame, B"), tr("Load, %"), tr("Latency")}, {800, 800, 1100, 1300},
                            resultRows(rfcReportLatencyCells, s, r));
    QList<double> latencies;
    for (int i : rfcReportEnabledRows(s))
        latencies << rfcReportChartValue(r.latency[i].status, r.latency[i].latency);
    drawRfcLatencyChart(x + ColumnWidth + ColumnGap, y, tr("Latency"), enabledSizes(s), latencies, ColumnWidth,
                        ChartHeight);
    m_tableWidth = DefaultTableWidth;
    y += RowHeight;
}

void PDFCreator::drawRfcBackToBack(int x, int &y, const ReportFile &report)
{
    const rfc_settings_t s = report.settings<rfc_settings_t>();
    const rfc_results_t r = report.results<rfc_results_t>();
    drawRfcSectionCaption(x, y, 15, tr("Back-to-back"));
    m_tableWidth = ColumnWidth;
    drawSectionTitle(x, y, tr("Settings"), 13, SectionFill);
    drawRatioCheckRow(x, y, tr("Enabled"), s.backToBackOn, BackToBackLabelShare);
    drawRatioTextRow(x, y, tr("Iterations"), number(s.backToBackCount), BackToBackLabelShare);
    drawRatioTextRow(x, y, tr("Min interval, s"), number(s.backToBackMin), BackToBackLabelShare);
    drawRatioTextRow(x, y, tr("Max interval, s"), number(s.backToBackMax), BackToBackLabelShare);
    y += RowHeight;

    y = drawRfcResultsTable(x, y, {tr("Status"), tr("Frame, B"), tr("Quantity"), tr("T, s")}, {800, 800, 1500, 900},
                            resultRows(rfcReportBackToBackCells, s, r));
    QList<double> times;
    for (int i : rfcReportEnabledRows(s))
        times << rfcReportChartValue(r.backToBack[i].status, r.backToBack[i].time);
    const QString title = tr("Back-to-back") + QLatin1Char(' ') + tr("T") + QStringLiteral(", ") + tr("s");
    drawRfcChart(x + ColumnWidth + ColumnGap, y, title, enabledSizes(s), times, ColumnWidth, ChartHeight);
    m_tableWidth = DefaultTableWidth;
    y += RowHeight;
}

void PDFCreator::drawRfcFrameLoss(int x, int &y, const ReportFile &report)
{
    const rfc_settings_t s = report.settings<rfc_settings_t>();
    const rfc_results_t r = report.results<rfc_results_t>();
    drawRfcSectionCaption(x, y, 8, tr("Frame loss"));
    m_tableWidth = ColumnWidth;
    drawSectionTitle(x, y, tr("Settings"), 6, SectionFill);
    drawCheckRow(x, y, tr("Enabled"), s.frameLossOn);
    drawTextRow(x, y, tr("Interval, s"), number(s.frameLossTime));
    drawTextRow(x, y, tr("Load step") + PercentSuffix, number(s.frameLossStep));
    drawTextRow(x, y, tr("Starting load") + PercentSuffix, number(s.frameLossMax));
    drawTextRow(x, y, tr("Ending load") + PercentSuffix, number(s.frameLossMin));
    y += RowHeight;

    // One chart per frame size that takes part, two side by side.
    const QList<int> rows = rfcReportEnabledRows(s);
    bool left = true;
    for (int i : rows) {
        const QString title = tr("Frame loss") + QStringLiteral(", ") + tr("frame")
                              + QStringLiteral(" %1 ").arg(s.frame[i].size) + tr("B");
        drawRfcFrameLossChart(left ? x : x + ColumnWidth + ColumnGap, y, title, rfcReportLossPoints(r.frameLoss[i]),
                              ColumnWidth, ChartHeight);
        if (left)
            y -= ChartHeight + ReportChartGap;   // the next one stands beside it
        left = !left;
    }
    if (!left)
        y += ChartHeight + ReportChartGap;   // the last line held one chart

    // Loss per load step (the steps of the first frame size that takes
    // part), one column per frame size; the table continues on further pages.
    m_tableWidth = FrameLossTableWidth;
    drawSectionTitle(x, y, tr("Results"), 3, SectionFill);
    QStringList sizes{QString()};
    QStringList statuses{QString()};
    for (int i : rows) {
        sizes << number(s.frame[i].size);
        statuses << testStatusText(r.frameLoss[i].status);
    }
    drawColumnsRow(x, y, sizes);
    drawColumnsRow(x, y, statuses);
    const rfc_frame_loss_row_t &steps = r.frameLoss[rows.isEmpty() ? 0 : rows.first()];
    for (int j = 0; j < rfcReportLossSteps(steps); ++j) {
        if (pageHeight() - y < pageHeight() / 15)
            breakPage(y);
        QStringList cells{number(steps.load[j])};
        for (int i : rows)
            cells << rfcReportLossText(r.frameLoss[i].loss[j]);
        drawColumnsRow(x, y, cells);
    }
    m_tableWidth = DefaultTableWidth;
    y += RowHeight;
}

// ---- charts ------------------------------------------------------------------

// Each chart starts a new page when its box would pass the break limit,
// and leaves y below its box and the gap after it.

void PDFCreator::drawRfcChart(int x, int &y, const QString &title, const QStringList &labels,
                              const QList<double> &values, int width, int height)
{
    keepChartOnPage(y, height);
    drawChart(rfcReportBarChart(x, y, width, height, title, labels, values, RfcReportBars::Plain));
    y += height + ReportChartGap;
}

void PDFCreator::drawRfcLatencyChart(int x, int &y, const QString &title, const QStringList &labels,
                                     const QList<double> &values, int width, int height)
{
    keepChartOnPage(y, height);
    drawChart(rfcReportBarChart(x, y, width, height, title, labels, values, RfcReportBars::Latency));
    y += height + ReportChartGap;
}

void PDFCreator::drawRfcFrameLossChart(int x, int &y, const QString &title, const QList<QPointF> &points, int width,
                                       int height)
{
    keepChartOnPage(y, height);
    drawChart(rfcReportFrameLossChart(x, y, width, height, title, points));
    y += height + ReportChartGap;
}

void PDFCreator::keepChartOnPage(int &y, int height)
{
    if (breaksPage(y, (height + RowHeight - 1) / RowHeight, pageHeight()))
        breakPage(y);
}

void PDFCreator::drawChart(const ReportChart &chart)
{
    m_painter->save();
    const QFont documentFont = m_painter->font();
    for (const ReportChartItem &item : chart.items) {
        m_painter->setPen(QPen(item.pen));
        switch (item.kind) {
        case ReportChartItem::Box:
        case ReportChartItem::Bar:
            m_painter->setBrush(item.brush);
            m_painter->drawRect(item.rect);
            break;
        case ReportChartItem::Line:
            m_painter->drawLine(item.line);
            break;
        case ReportChartItem::Text: {
            const QFont font = item.pointSize > 0 ? QFont(QStringLiteral("Arial"), item.pointSize) : documentFont;
            const QFont fitted = item.room > 0 ? fontToFit(font, item.text, item.room) : font;
            int left = item.at.x();
            if (item.centred && fitted != font) {
                // Drawn smaller: on the centre its estimated width gave.
                const qreal width = QFontMetricsF(fitted, m_writer.get()).horizontalAdvance(item.text);
                left = int(item.at.x() + item.text.size() * ReportChartCharWidth / 2.0 - width / 2);
            }
            m_painter->setFont(fitted);
            m_painter->drawText(QPoint(left, item.at.y()), item.text);
            break;
        }
        }
    }
    m_painter->restore();
}
