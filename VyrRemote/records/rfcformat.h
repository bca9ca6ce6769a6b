#pragma once

#include "rfcrecords.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

// What the RFC 2544 form shows of its records, computed from the records
// alone: the load list of the frame-loss sub-test, the four results tables
// and the geometry of the four graphs. No widgets: the form draws the graphs
// into graphics scenes, the PDF writer paints the same items in the worker
// thread. Texts are translated in the context "RfcForm".

// ---- load list ---------------------------------------------------------------

// The entries of the frame-loss load list ("100 %", "90 %", ...), one per
// load step of rfcFrameLossLoads; entry j is load step j of the results.
QStringList rfcLoadListTexts(const rfc_settings_t &settings);

// ---- results tables ----------------------------------------------------------

enum RfcThroughputColumn { ThrStatus, ThrFrameLength, ThrLoad, ThrL1, ThrL2, RfcThroughputColumns };
enum RfcLatencyColumn { LatStatus, LatFrameLength, LatLoad, LatLatency, RfcLatencyColumns };
enum RfcFrameLossColumn { FrlStatus, FrlFrameLength, FrlLoss, RfcFrameLossColumns };
enum RfcBackToBackColumn { BtbStatus, BtbFrameLength, BtbQuantity, BtbTime, RfcBackToBackColumns };

struct RfcResultsView
{
    QString throughput[RfcFrameRows][RfcThroughputColumns];
    QString latency[RfcFrameRows][RfcLatencyColumns];
    QString frameLoss[RfcFrameRows][RfcFrameLossColumns];
    QString backToBack[RfcFrameRows][RfcBackToBackColumns];
};

// Both records present: the values, the frame-loss column at load step
// lossStep (a step outside 0..99 has no value in the record: "-"); either
// record missing: "-" in every cell. Values that are no finite number show
// "-".
RfcResultsView rfcResultsView(const rfc_settings_t *settings, const rfc_results_t *results,
                              int lossStep);

// A float as "%1" shows it: general format, six significant digits
// ("99.8765", "1e+06"); "-" for NaN and infinities.
QString rfcNumberText(double value);

// ---- graphs ------------------------------------------------------------------

// One item of a graph in scene coordinates (pixels, y growing downwards).
// Lines are drawn with a pen of `colour`; bars with a black pen and a solid
// green brush; texts in the default font with their top-left corner at pos.
struct RfcChartItem
{
    enum Kind { Line, Bar, Text };
    Kind kind = Line;
    QLineF line;               // Line
    QRectF rect;               // Bar, normalised (positive width and height)
    QPointF pos;               // Text
    QString text;              // Text
    uint32_t colour = 0;       // Line: 0xRRGGBB
};

// The items of one graph in drawing order.
struct RfcChart
{
    QVector<RfcChartItem> items;

    QVector<RfcChartItem> ofKind(RfcChartItem::Kind kind) const;
    // The text item with this text (the first); null when there is none.
    const RfcChartItem *findText(const QString &text) const;
};

constexpr uint32_t RfcAxisColour = 0x000000;
constexpr uint32_t RfcBarPenColour = 0x000000;
constexpr uint32_t RfcBarBrushColour = 0x00FF00;
// Pen of the frame-loss curve of frame-size row 0..7; black outside.
uint32_t rfcFrameLossColour(int frameRow);

// The axes of a graph with its origin at (x0, y0) in a view of w x h:
// with an x-axis text, one tick and frame length per frame-size row that is
// on (barStep apart plus 5), the lengths on a second line where they would
// run together, the text ahead of them left of the origin; without one, a
// load axis in per cent. The y axis has ten
// ticks labelled with tenths of yFullScale, in the unit yText names.
void rfcChartAxes(RfcChart &chart, int w, int h, int x0, int y0, int barStep,
                  const rfc_settings_t &settings, const rfc_results_t &results,
                  const QString &yText, const QString &xText, double yFullScale = 100);

// Bar charts: one bar per frame-size row that is on, 220 pixels for the
// full scale in a 310-pixel view. Fractions that are no number count as 0
// and are kept within 0..1, so that a bar never leaves its graph. Each graph
// has one unit on its y axis: per cent of the line rate (throughput), a
// latency unit (latency: the ticks and the bar labels in that unit),
// seconds (back-to-back). The two time axes run to 1, 2 or 5 times a power
// of ten at or above the largest value, so that their ticks read 0.1, 0.2,
// 0.5, 1 ... Bar labels that would run together take a second line.
RfcChart rfcThroughputChart(const rfc_settings_t &settings, const rfc_results_t &results, int w, int h);
RfcChart rfcLatencyChart(const rfc_settings_t &settings, const rfc_results_t &results, int w, int h);
RfcChart rfcBackToBackChart(const rfc_settings_t &settings, const rfc_results_t &results, int w, int h);
// The frame-loss curve of one frame-size row over its load steps, on a loss
// axis of rfcFrameLossScale of that row (the curve's full scale at the top
// tick); only the axes (0-100 %) when the row is off or outside 0..7.
RfcChart rfcFrameLossChart(const rfc_settings_t &settings, const rfc_results_t &results, int w, int h,
                           int frameRow);

// The full scale in per cent of a frame-loss axis whose largest loss is
// given: 1, 2 or 5 times a power of ten that holds it, from 0.01 up to 100;
// 100 when there is no loss above 0 (or it is no number) and when a loss
// reaches 100 %. The form's graph and the report's charts scale by it.
double rfcLossFullScale(double largestLoss);
// rfcLossFullScale of the largest loss of the load steps of a row (those
// before the first load of 0).
double rfcFrameLossScale(const rfc_frame_loss_row_t &row);

// The largest finite latency of all eight rows as a 32-bit float, at least
// 0.1 ns; and the unit of the latency graph's y axis for it: the one in
// which the axis's full scale (1, 2 or 5 times a power of ten that holds the
// largest latency) stays below 1000 ("us" for 999 ns, whose axis reads 1 us).
float rfcLatencyScale(const rfc_results_t &results);
QString rfcLatencyUnit(float scale);
