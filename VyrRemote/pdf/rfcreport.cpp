#include "rfcreport.h"

#include "devicetexts.h"
#include "reportformat.h"
#include "rfcformat.h"
#include "textfunctions.h"

#include <QCoreApplication>

#include <cmath>

namespace {

const char *const NoValue = "-";

bool validRow(int row)
{
    return row >= 0 && row < RfcFrameRows;
}

// A computed coordinate in device units: truncated toward zero, kept far
// inside int so that no value from a file can overflow the conversion; NaN
// lands on 0.
int unit(double v)
{
    if (std::isnan(v))
        return 0;
    return int(std::trunc(qBound(-1e7, v, 1e7)));
}

ReportChartItem line(int x1, int y1, int x2, int y2, const QColor &pen)
{
    ReportChartItem item;
    item.kind = ReportChartItem::Line;
    item.line = QLine(x1, y1, x2, y2);
    item.pen = pen;
    return item;
}

ReportChartItem text(int x, int baseline, const QString &text, int pointSize, int room, bool centred)
{
    ReportChartItem item;
    item.kind = ReportChartItem::Text;
    item.at = QPoint(x, baseline);
    item.text = text;
    item.pointSize = pointSize;
    item.room = room;
    item.centred = centred;
    item.pen = QColor(Qt::black);
    return item;
}

// A text centred on a point by its estimated width.
ReportChartItem centredText(double centre, double baseline, const QString &s, int room)
{
    return text(unit(centre - s.size() * ReportChartCharWidth * 0.5), unit(baseline), s, ReportChartPointSize, room,
                true);
}

// The plot area inside a chart's box: 400 units of margin on every side.
struct Plot
{
    int left;     // pl
    int right;    // pr
    int top;      // pt
    int bottom;   // pb
    int width;    // pw = right - left + 1
    int rise;     // dy = top - bottom, negative: values grow upwards
};

constexpr int PlotMargin = 400;
constexpr int TitleIndent = 600;       // title from the box's left edge
constexpr int TitleAbovePlot = 201;    // title baseline above the plot
constexpr int AxisOverhang = 100;      // axes reach past the plot
constexpr int GridOverhang = 40;       // grid lines reach past the plot towards their labels
constexpr int TextGap = 40;            // least room between the texts of two categories
constexpr int LossLabelGap = 140;      // loss labels end this far left of the plot
constexpr int LabelInset = 30;         // and begin no nearer the box's edge

// The box, the title and the two axes every chart has.
Plot chartFrame(ReportChart &chart, int x, int top, int w, int h, const QString &title)
{
    Plot p;
    p.left = x + PlotMargin;
    p.right = x + w - PlotMargin - 1;
    p.top = top + PlotMargin;
    p.bottom = top + h - PlotMargin;
    p.width = p.right - p.left + 1;
    p.rise = p.top - p.bottom;

    ReportChartItem box;
    box.kind = ReportChartItem::Box;
    box.rect = QRect(QPoint(x, top), QPoint(x + w - 2, top + h - 2));
    box.pen = QColor(Qt::black);
    box.brush = QColor(Qt::white);
    chart.items << box;
    chart.items << text(x + TitleIndent, p.top - TitleAbovePlot, title, 0, w - TitleIndent - AxisOverhang, false);
    chart.items << line(p.left - 1, p.bottom + AxisOverhang, p.left - 1, p.top - AxisOverhang, Qt::black);
    chart.items << line(p.left - AxisOverhang, p.bottom, p.right + AxisOverhang + 1, p.bottom, Qt::black);
    return p;
}

// Latencies read in the unit of the largest value, the one the title names.
QString barValueText(double v, double scale, RfcReportBars kind)
{
    if (kind == RfcReportBars::Latency)
        return nanosecondsToAxisText(float(v), float(scale));
    return QString::number(v, 'f', v >= 99.9999 ? 1 : 2);
}

QString axisValueText(double v, double scale, RfcReportBars kind)
{
    if (kind == RfcReportBars::Latency)
        return nanosecondsToAxisText(float(v), float(scale));
    return QString::number(v, 'f', 2);
}

} // namespace

// ---- tables ----------------------------------------------------------------

QList<int> rfcReportEnabledRows(const rfc_settings_t &settings)
{
    QList<int> rows;
    for (int i = 0; i < RfcFrameRows; ++i) {
        if (settings.frame[i].enabled)
            rows << i;
    }
    return rows;
}

QStringList rfcReportThroughputCells(const rfc_settings_t &settings, const rfc_results_t &results, int row)
{
    if (!validRow(row))
        return {};
    const rfc_throughput_row_t &t = results.throughput[row];
    QStringList cells{testStatusText(t.status), QString::number(settings.frame[row].size)};
    if (t.status == StatusOff)
        return cells << QLatin1String(NoValue) << QLatin1String(NoValue) << QLatin1String(NoValue);

    const double load = t.load;
    if (!std::isfinite(load))
        cells << QString::number(load);
    else
        cells << (load < 99.99999 ? QString::number(load, 'f', 4) : QStringLiteral("100"));

    // Megabits per second, written as every rate is.
    constexpr double BitsPerMegabit = 1e6;
    cells << bitRateToString(double(t.throughputL1) * BitsPerMegabit)
          << bitRateToString(double(t.throughputL2) * BitsPerMegabit);
    return cells;
}

QStringList rfcReportLatencyCells(const rfc_settings_t &settings, const rfc_results_t &results, int row)
{
    if (!validRow(row))
        return {};
    const rfc_latency_row_t &l = results.latency[row];
    QStringList cells{testStatusText(l.status), QString::number(settings.frame[row].size)};
    if (l.status == StatusOff)
        return cells << QLatin1String(NoValue) << QLatin1String(NoValue);
    const double load = settings.userLoading ? double(settings.userLoad[row]) : double(results.throughput[row].load);
    return cells << QString::number(load, 'g', 3) << nanosecondsToString(float(l.latency));
}

QStringList rfcReportBackToBackCells(const rfc_settings_t &settings, const rfc_results_t &results, int row)
{
    if (!validRow(row))
        return {};
    const rfc_back_to_back_row_t &b = results.backToBack[row];
    QStringList cells{testStatusText(b.status), QString::number(settings.frame[row].size)};
    if (b.status == StatusOff)
        return cells << QLatin1String(NoValue) << QLatin1String(NoValue);
    return cells << wholeCountToString(b.quantity) << QString::number(b.time);
}

int rfcReportLossSteps(const rfc_frame_loss_row_t &row)
{
    int steps = 0;
    while (steps < RfcLossSteps && row.load[steps] != 0)
        ++steps;
    return steps;
}

QString rfcReportLossText(float loss)
{
    return loss < 0 ? QLatin1String(NoValue) : QString::number(double(loss), 'f', 4);
}

double rfcReportChartValue(uint8_t status, double value)
{
    return (status & 7) ? value : 0.0;
}

QList<QPointF> rfcReportLossPoints(const rfc_frame_loss_row_t &row)
{
    QList<QPointF> points;
    const int steps = rfcReportLossSteps(row);
    for (int j = 0; j < steps; ++j) {
        const double loss = row.loss[j];
        points << QPointF(row.load[j], loss >= 0 ? qMin(loss, 100.0) : 0.0);
    }
    return points;
}

// ---- charts ----------------------------------------------------------------

QVector<ReportChartItem> ReportChart::ofKind(ReportChartItem::Kind kind) const
{
    QVector<ReportChartItem> found;
    for (const ReportChartItem &item : items) {
        if (item.kind == kind)
            found << item;
    }
    return found;
}

ReportChart rfcReportBarChart(int x, int top, int width, int height, const QString &title,
                              const QStringList &labels, const QList<double> &values, RfcReportBars kind)
{
    ReportChart chart;
    const QString caption = kind == RfcReportBars::Latency ? title + latencyUnitSuffix(values) : title;
    const Plot p = chartFrame(chart, x, top, width, height, caption);
    const int n = qMax(labels.size(), values.size());
    const int step = p.width / (n + 1);
    if (values.isEmpty() || step <= 0)
        return chart;

    // Grid: one vertical per category, horizontals a quarter of the plot apart.
    const QColor grey(Qt::gray);
    for (int k = 1; k <= p.width / step - 1; ++k)
        chart.items << line(p.left + k * step, p.bottom + GridOverhang, p.left + k * step, top + PlotMargin - 1, grey);
    const int quarter = p.rise / 4;
    if (quarter < 0) {
        for (int yl = top + PlotMargin - 1; yl <= p.bottom + quarter; yl -= quarter)
            chart.items << line(p.left - GridOverhang, yl, p.right, yl, grey);
    }

    for (int i = 0; i < labels.size(); ++i)
        chart.items << centredText(p.left + (i + 1) * step, p.bottom + 140, labels.at(i), step - TextGap);

    double max = 0;
    double unitScale = 0;   // latencies: the largest magnitude names the one unit
    for (double v : values) {
        if (std::isfinite(v) && v > max)
            max = v;
        if (std::isfinite(v))
            unitScale = qMax(unitScale, std::fabs(v));
    }
    constexpr int AxisLabelLeft = 380;    // value labels from the plot's left edge
    constexpr int AxisLabelRoom = 360;
    for (int k = 0; k <= 4; ++k)
        chart.items << text(p.left - AxisLabelLeft, p.bottom + (k * p.rise) / 4, axisValueText(k * max * 0.25, unitScale, kind),
                            ReportChartPointSize, AxisLabelRoom, false);

    for (int i = 0; i < values.size(); ++i) {
        const double v = values.at(i);
        const double drawn = std::isfinite(v) ? v : 0.0;
        const int left = p.left + (i + 1) * step - step / 4;
        // Zero or negative: bars grow upwards and never below the axis or
        // above the plot.
        const int rise = max == 0 ? 0 : qBound(p.rise, unit(p.rise * drawn / max), 0);
        ReportChartItem bar;
        bar.kind = ReportChartItem::Bar;
        bar.rect = QRect(left, p.bottom + rise, step / 2, -rise);
        bar.pen = QColor(Qt::red);
        bar.brush = QColor(Qt::darkRed);
        chart.items << bar;
        chart.items << centredText(left + step / 4, p.bottom + rise - 20, barValueText(v, unitScale, kind), step - TextGap);
    }
    return chart;
}

ReportChart rfcReportFrameLossChart(int x, int top, int width, int height, const QString &title,
                                    const QList<QPointF> &points)
{
    ReportChart chart;
    const Plot p = chartFrame(chart, x, top, width, height, title);
    // The loss axis holds the largest loss, as on the form: a full scale of
    // 1, 2 or 5 times a power of ten, labelled in fifths.
    double largest = 0;
    for (const QPointF &point : points)
        largest = qMax(largest, point.y());
    const double fullScale = rfcLossFullScale(largest);
    constexpr int LossLabels = 5;
    const float xs = float(p.width) / 100.0f;            // units per per cent of load
    const float ys = float(p.rise / fullScale);          // units per per cent of loss, negative
    const QColor grey(Qt::gray);

    QStringList labels;
    int longest = 0;
    for (int k = 0; k <= LossLabels; ++k) {
        labels << QString::number(fullScale * k / LossLabels, 'g', 6);
        longest = qMax(longest, int(labels.last().size()));
    }
    // The labels end 140 left of the plot, or nearer where the longest
    // ("0.016") would otherwise begin outside the box.
    const int gap = qMin(LossLabelGap, PlotMargin - LabelInset - longest * ReportChartCharWidth);
    for (int k = 0; k <= LossLabels; ++k) {
        const int yv = unit(p.bottom + ys * float(fullScale * k / LossLabels));
        if (k != 0)
            chart.items << line(p.left - GridOverhang, yv, p.right, yv, grey);
        const QString &label = labels.at(k);
        chart.items << text(p.left - label.size() * ReportChartCharWidth - gap, unit(yv + 20), label,
                            ReportChartPointSize, 0, false);
    }
    for (int percent = 0; percent <= 100; percent += 10) {
        const float v = float(percent);
        const int xv = unit(p.left + xs * v);
        if (percent != 0)
            chart.items << line(xv, p.bottom + GridOverhang, xv, p.top - 1, grey);
        chart.items << centredText(xv, p.bottom + 200, QString::number(double(v), 'g', 6), 0);
    }
    for (int i = 1; i < points.size(); ++i) {
        const QPointF &a = points.at(i - 1);
        const QPointF &b = points.at(i);
        chart.items << line(unit(p.left + a.x() * xs), unit(p.bottom + a.y() * ys), unit(p.left + b.x() * xs),
                            unit(p.bottom + b.y() * ys), Qt::red);
    }
    return chart;
}
