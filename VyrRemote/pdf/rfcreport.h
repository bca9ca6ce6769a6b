#pragma once

#include "rfcrecords.h"

#include <QColor>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

// What the RFC 2544 report shows of its records, computed from the records
// alone: the cells of its results tables and the geometry of its charts in
// the report's device units. The report words its numbers and draws its
// charts its own way (the form's are in rfcformat.h). Translated words use
// the context "PDFCreator", statuses Device::testStatusText. Stateless: they
// run in the worker thread.

// ---- tables ----------------------------------------------------------------

// The frame-size rows that take part in the test (enabled byte non-zero), in
// row order: the charts and the frame-loss columns list only these.
QList<int> rfcReportEnabledRows(const rfc_settings_t &settings);

// The cells of row 0-7 of the throughput table: status, frame size, load,
// "Thr L1", "Thr L2". Status "Off" shows "-" in the last three. The load has
// four decimals below 99.99999, else "100" (a load that is no finite number
// is written as QString writes it, "nan"); the throughputs, which the tester
// gives in Mbps, as bitRateToString writes every rate ("-" for no number).
QStringList rfcReportThroughputCells(const rfc_settings_t &settings, const rfc_results_t &results, int row);

// Status, frame size, load (the user load with user loading on, else the
// throughput load; at most three significant digits) and latency; "-" for
// load and latency with status "Off".
QStringList rfcReportLatencyCells(const rfc_settings_t &settings, const rfc_results_t &results, int row);

// Status, frame size, quantity (a whole number of frames) and T in seconds; "-" for quantity
// and T with status "Off".
QStringList rfcReportBackToBackCells(const rfc_settings_t &settings, const rfc_results_t &results, int row);

// The load steps of a frame-loss row: up to the first load of 0, at most
// RfcLossSteps.
int rfcReportLossSteps(const rfc_frame_loss_row_t &row);

// A frame loss in per cent with four decimals; a negative one (no value) "-".
QString rfcReportLossText(float loss);

// A row's value in a bar chart: the value when (status AND 7) is non-zero,
// else 0 ("Wait" and "Off" draw no bar).
double rfcReportChartValue(uint8_t status, double value);

// The points of a frame-loss curve: x the load, y the loss of each step.
// Negative losses (no value) and losses that are no number are drawn at 0,
// losses above 100 % at 100, so that the curve stays inside its chart.
QList<QPointF> rfcReportLossPoints(const rfc_frame_loss_row_t &row);

// ---- charts ----------------------------------------------------------------

// One thing a chart paints, in the report's device units (y grows downwards).
struct ReportChartItem
{
    enum Kind { Box, Bar, Line, Text };
    Kind kind = Line;
    QRect rect;          // Box, Bar: normalised, outlined with pen and filled with brush
    QLine line;          // Line, in pen
    QPoint at;           // Text: the baseline's left end
    QString text;        // Text, in pen
    int pointSize = 0;   // Text: Arial of this size; 0 the document's font
    // Text: the width the text may take; a wider text is drawn smaller, on
    // the same centre when centred, from the same left end otherwise.
    // 0: no limit.
    int room = 0;
    bool centred = false;
    QColor pen;
    QColor brush;        // Box, Bar
};

struct ReportChart
{
    QVector<ReportChartItem> items;

    QVector<ReportChartItem> ofKind(ReportChartItem::Kind kind) const;
};

// Texts are estimated at this many units per character to centre them.
constexpr int ReportChartCharWidth = 60;
constexpr int ReportChartPointSize = 7;   // labels and values
// The room a chart takes below its top besides its own height.
constexpr int ReportChartGap = 200;

enum class RfcReportBars {
    Plain,     // numbers in fixed notation
    Latency,   // nanoseconds in the unit of the largest, named after the title: one unit per chart
};

// A bar chart with its box's top-left corner at (x, top): the title, the
// axes and, when there are values, a grey grid, one labelled bar per value
// scaled to the largest value and five value-axis labels. Values that are no
// finite number count as 0; negative values draw no bar.
ReportChart rfcReportBarChart(int x, int top, int width, int height, const QString &title,
                              const QStringList &labels, const QList<double> &values, RfcReportBars kind);

// A line chart of frame loss against load (0-100 %): title, axes, grid and
// labels, and the curve through the points in list order when there are two
// or more. The loss axis runs to rfcLossFullScale of the largest loss (to
// 100 % when a loss reaches it), labelled in fifths.
ReportChart rfcReportFrameLossChart(int x, int top, int width, int height, const QString &title,
                                    const QList<QPointF> &points);
