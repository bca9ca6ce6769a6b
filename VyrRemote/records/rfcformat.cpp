#include "rfcformat.h"

#include "devicetexts.h"
#include "textfunctions.h"

#include <QCoreApplication>

#include <cfloat>
#include <cmath>

namespace {

const char *const NoValue = "-";
constexpr int LossDecimals = 4;
constexpr int GeneralDigits = 6;

// Bar charts and their labels (view of w x h; origin of the bar axes).
constexpr int BarOriginX = -100;
constexpr int LossOriginX = -90;
constexpr int OriginY = -20;
constexpr int BarWidth = 23;
constexpr int LossTickStep = 20;
constexpr int FirstBarX = -95;
constexpr int BarPitch = 28;
constexpr int BarBaseOffset = 90;          // full scale = h - 90 pixels
constexpr int AxisLengthMargin = 80;       // x axis = w - 80 pixels
constexpr int AxisTopMargin = 45;          // y axis = h - 45 pixels
constexpr int YTickPitch = 22;             // 10 % of the y axis
constexpr int YAxisTextAbove = 242;        // above the origin, over the 100 % tick
constexpr int Ticks = 10;
constexpr float LatencyMinimumScale = 0.1f;
constexpr float LatencyLabelThreshold = 0.001f;
// Frame-loss curve: 2.3 pixels per per cent of load, 2 per per cent of loss.
constexpr int LoadPixelsTenths = 23;
constexpr int LossPixels = 2;
constexpr float LossFullScale = 100.0f;

QString dash()
{
    return QLatin1String(NoValue);
}

// A double as the 32-bit float the tester's value is shown as; NaN when it
// is no finite float (an infinity, or beyond the float range).
float asFloat(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return NAN;
    return float(value);
}

// The integer part of a finite value as text, without an integer
// conversion that a huge value would overflow.
QString truncatedText(double value)
{
    return QString::number(std::trunc(value), 'f', 0);
}

double barFraction(double fraction)
{
    if (!(fraction > 0))    // also NaN
        return 0;
    return fraction > 1 ? 1 : fraction;
}

bool rowOn(const rfc_settings_t &s, int row)
{
    return s.frame[row].enabled != 0;
}

void addLine(RfcChart &c, double x1, double y1, double x2, double y2, uint32_t colour = RfcAxisColour)
{
    RfcChartItem item;
    item.kind = RfcChartItem::Line;
    item.line = QLineF(x1, y1, x2, y2);
    item.colour = colour;
    c.items.append(item);
}

void addText(RfcChart &c, double x, double y, const QString &text)
{
    RfcChartItem item;
    item.kind = RfcChartItem::Text;
    item.pos = QPointF(x, y);
    item.text = text;
    c.items.append(item);
}

void addBar(RfcChart &c, int place, int h, double fraction)
{
    RfcChartItem item;
    item.kind = RfcChartItem::Bar;
    item.rect = QRectF(FirstBarX + BarPitch * place, OriginY, BarWidth,
                       (BarBaseOffset - h) * barFraction(fraction))
                    .normalized();
    item.colour = RfcBarPenColour;
    c.items.append(item);
}

double barX(int place)
{
    return FirstBarX + BarPitch * place;
}

} // namespace

// ---- load list ---------------------------------------------------------------

QStringList rfcLoadListTexts(const rfc_settings_t &settings)
{
    QStringList texts;
    for (int load : rfcFrameLossLoads(settings.frameLossMax, settings.frameLossMin, settings.frameLossStep))
        texts << QStringLiteral("%1 %").arg(load);
    return texts;
}

// ---- results tables ----------------------------------------------------------

QString rfcNumberText(double value)
{
    if (!std::isfinite(value))
        return dash();
    return QString::number(value, 'g', GeneralDigits);
}

RfcResultsView rfcResultsView(const rfc_settings_t *settings, const rfc_results_t *results, int lossStep)
{
    RfcResultsView v;
    if (!settings || !results) {
        for (int i = 0; i < RfcFrameRows; ++i) {
            for (QString &cell : v.throughput[i])
                cell = dash();
            for (QString &cell : v.latency[i])
                cell = dash();
            for (QString &cell : v.frameLoss[i])
                cell = dash();
            for (QString &cell : v.backToBack[i])
                cell = dash();
        }
        return v;
    }
    const rfc_settings_t &s = *settings;
    const rfc_results_t &r = *results;
    const bool userLoading = s.userLoading == 1;
    const bool stepInRecord = lossStep >= 0 && lossStep < RfcLossSteps;

    for (int i = 0; i < RfcFrameRows; ++i) {
        const uint16_t length = r.frameLength[i].length;
        const QString lengthText = length ? QString::number(length) : QString();
        v.throughput[i][ThrFrameLength] = lengthText;
        v.latency[i][LatFrameLength] = lengthText;
        v.backToBack[i][BtbFrameLength] = lengthText;
        v.frameLoss[i][FrlFrameLength] = lengthText;

        const rfc_throughput_row_t &thr = r.throughput[i];
        v.throughput[i][ThrStatus] = testStatusText(thr.status);
        if (rfcRowHasValues(thr.status)) {
            v.throughput[i][ThrLoad] = rfcNumberText(thr.load);
            for (int column : {int(ThrL1), int(ThrL2)}) {
                const float mbps = column == ThrL1 ? thr.throughputL1 : thr.throughputL2;
                v.throughput[i][column] = std::isfinite(mbps)
                                              ? QCoreApplication::translate("RfcForm", "%1 Mbps").arg(rfcNumberText(mbps))
                                              : dash();
            }
        } else {
            v.throughput[i][ThrLoad] = v.throughput[i][ThrL1] = v.throughput[i][ThrL2] = dash();
        }

        const rfc_latency_row_t &lat = r.latency[i];
        v.latency[i][LatStatus] = testStatusText(lat.status);
        if (rfcRowHasValues(lat.status)) {
            v.latency[i][LatLoad] = userLoading ? QString::number(s.userLoad[i]) : rfcNumberText(thr.load);
            const float ns = asFloat(lat.latency);
            v.latency[i][LatLatency] = std::isfinite(ns) ? nanosecondsToString(ns) : dash();
        } else {
            v.latency[i][LatLoad] = v.latency[i][LatLatency] = dash();
        }

        const rfc_back_to_back_row_t &btb = r.backToBack[i];
        v.backToBack[i][BtbStatus] = testStatusText(btb.status);
        if (rfcRowHasValues(btb.status)) {
            v.backToBack[i][BtbQuantity] = rfcNumberText(btb.quantity);
            v.backToBack[i][BtbTime] = QString::number(btb.time);
        } else {
            v.backToBack[i][BtbQuantity] = v.backToBack[i][BtbTime] = dash();
        }

        const rfc_frame_loss_row_t &frl = r.frameLoss[i];
        v.frameLoss[i][FrlStatus] = testStatusText(frl.status);
        v.frameLoss[i][FrlLoss] = dash();
        if (rfcRowHasValues(frl.status) && stepInRecord) {
            const float loss = frl.loss[lossStep];
            if (std::isfinite(loss) && loss >= 0)
                v.frameLoss[i][FrlLoss] = QStringLiteral("%1").arg(double(loss), 0, 'f', LossDecimals);
        }
    }
    return v;
}

// ---- graphs ------------------------------------------------------------------

QVector<RfcChartItem> RfcChart::ofKind(RfcChartItem::Kind kind) const
{
    QVector<RfcChartItem> out;
    for (const RfcChartItem &item : items) {
        if (item.kind == kind)
            out.append(item);
    }
    return out;
}

const RfcChartItem *RfcChart::findText(const QString &text) const
{
    for (const RfcChartItem &item : items) {
        if (item.kind == RfcChartItem::Text && item.text == text)
            return &item;
    }
    return nullptr;
}

uint32_t rfcFrameLossColour(int frameRow)
{
    static const uint32_t colours[RfcFrameRows] = {
        0xFF0000, 0x00FF00, 0x0000FF, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0x000080, 0x008000,
    };
    return frameRow >= 0 && frameRow < RfcFrameRows ? colours[frameRow] : RfcAxisColour;
}

void rfcChartAxes(RfcChart &c, int w, int h, int x0, int y0, int barStep, const rfc_settings_t &s,
                  const rfc_results_t &r, const QString &yText, const QString &xText)
{
    const int xe = x0 + (w - AxisLengthMargin);
    addLine(c, x0, y0, xe, y0);
    addLine(c, xe, y0 + 2, xe, y0 - 2);
    addLine(c, xe, y0 - 1, xe + 3, y0);
    addLine(c, xe, y0 + 2, xe + 3, y0 + 1);

    if (!xText.isEmpty()) {
        addText(c, xe, y0 - 3, xText);
        int k = 0;
        for (int i = 0; i < RfcFrameRows; ++i) {
            if (!rowOn(s, i))
                continue;
            const int x = x0 + 5 + k * (barStep + 5);
            addLine(c, x, y0 - 2, x, y0 + 2);
            addText(c, x, OriginY, QString::number(r.frameLength[i].length));
            ++k;
        }
    } else {
        addText(c, xe + 10, y0 - 3, QStringLiteral("%"));
        const int d = (w - AxisLengthMargin) / Ticks;
        for (int j = 1; j <= Ticks; ++j) {
            const int x = x0 + j * d;
            addLine(c, x, y0 - 2, x, y0 + 2);
            addText(c, x - 10, y0 + 5, QString::number(10 * j));
        }
    }

    const int top = y0 - h + AxisTopMargin;
    addLine(c, x0, y0, x0, top);
    addLine(c, x0 - 2, top, x0 + 2, top);
    addLine(c, x0 + 2, top, x0, top - 5);
    addLine(c, x0 - 1, top, x0 + 1, top - 5);

    for (int j = 1; j <= Ticks; ++j) {
        const int y = y0 - YTickPitch * j;
        addLine(c, x0 - 2, y, x0 + 2, y);
        addText(c, x0 - 25, y - 10, QString::number(10 * j));
    }
    addText(c, x0 - 25, y0 - YAxisTextAbove, yText);
}

RfcChart rfcThroughputChart(const rfc_settings_t &s, const rfc_results_t &r, int w, int h)
{
    RfcChart c;
    addText(c, 0, 5 - h, QCoreApplication::translate("RfcForm", "Troughput"));
    rfcChartAxes(c, w, h, BarOriginX, OriginY, BarWidth, s, r, QStringLiteral("%"),
                 QCoreApplication::translate("RfcForm", "Frame,b"));
    int k = 0;
    for (int i = 0; i < RfcFrameRows; ++i) {
        if (!rowOn(s, i))
            continue;
        const float load = r.throughput[i].load;
        addBar(c, k, h, double(load) / 100);
        if (std::isfinite(load) && load > 0)
            addText(c, barX(k), (i % 2 == 0 ? 20 : 30) - h, truncatedText(load) + QLatin1Char('%'));
        ++k;
    }
    return c;
}

float rfcLatencyScale(const rfc_results_t &r)
{
    float m = LatencyMinimumScale;
    for (const rfc_latency_row_t &row : r.latency) {
        const float v = asFloat(row.latency);
        if (std::isfinite(v) && v > m)
            m = v;
    }
    return m;
}

QString rfcLatencyUnit(float m)
{
    if (m < 1e3f)
        return QCoreApplication::translate("RfcForm", "ns");
    if (m < 1e6f)
        return QCoreApplication::translate("RfcForm", "us");
    if (m < 1e9f)
        return QCoreApplication::translate("RfcForm", "ms");
    return QCoreApplication::translate("RfcForm", "s");
}

RfcChart rfcLatencyChart(const rfc_settings_t &s, const rfc_results_t &r, int w, int h)
{
    RfcChart c;
    addText(c, 30, 5 - h, QCoreApplication::translate("RfcForm", "Latency"));
    const float m = rfcLatencyScale(r);
    rfcChartAxes(c, w, h, BarOriginX, OriginY, BarWidth, s, r, QStringLiteral("%     ") + rfcLatencyUnit(m),
                 QCoreApplication::translate("RfcForm", "Frame,b"));
    int k = 0;
    for (int i = 0; i < RfcFrameRows; ++i) {
        if (!rowOn(s, i))
            continue;
        const float v = asFloat(r.latency[i].latency);
        addBar(c, k, h, std::isfinite(v) ? double(v) / double(m) : 0);
        if (std::isfinite(v) && v > LatencyLabelThreshold) {
            // Each label in the unit of its own value, not of the axis.
            const float shown = v < 1e3f ? v : v < 1e6f ? v / 1e3f : v < 1e9f ? v / 1e6f : v / 1e9f;
            addText(c, barX(k), 18 - h, truncatedText(shown));
        }
        ++k;
    }
    return c;
}

RfcChart rfcBackToBackChart(const rfc_settings_t &s, const rfc_results_t &r, int w, int h)
{
    RfcChart c;
    addText(c, 0, 5 - h, QCoreApplication::translate("RfcForm", "Back-to-back"));
    rfcChartAxes(c, w, h, BarOriginX, OriginY, BarWidth, s, r,
                 QStringLiteral("%       ") + QCoreApplication::translate("RfcForm", "s"),
                 QCoreApplication::translate("RfcForm", "Frame,b"));
    double m = 0.1;
    for (const rfc_back_to_back_row_t &row : r.backToBack)
        m = qMax(m, double(row.time));
    int k = 0;
    for (int i = 0; i < RfcFrameRows; ++i) {
        if (!rowOn(s, i))
            continue;
        const uint16_t time = r.backToBack[i].time;
        addBar(c, k, h, time / m);
        if (time != 0)
            addText(c, barX(k), 18 - h, QString::number(time));
        ++k;
    }
    return c;
}

RfcChart rfcFrameLossChart(const rfc_settings_t &s, const rfc_results_t &r, int w, int h, int frameRow)
{
    RfcChart c;
    addText(c, 0, 30 - h, QCoreApplication::translate("RfcForm", "Frameloss"));
    rfcChartAxes(c, w, h, LossOriginX, OriginY, LossTickStep, s, r, QStringLiteral("%"), QString());
    if (frameRow < 0 || frameRow >= RfcFrameRows || !rowOn(s, frameRow))
        return c;

    const rfc_frame_loss_row_t &row = r.frameLoss[frameRow];
    const uint32_t pen = rfcFrameLossColour(frameRow);
    bool zeroSeen = false;
    QPointF previous;
    for (int j = 0; j < RfcLossSteps; ++j) {
        const int load = row.load[j];
        if (load == 0)
            break;
        const double x = load * LoadPixelsTenths / 10 + LossOriginX;
        const float loss = row.loss[j];
        double y = OriginY;
        if (loss == 0) {
            zeroSeen = true;
        } else if (!(loss > 0)) {
            // No value (negative, or no number): the curve has not begun
            // yet, or it rests on the axis after a zero loss.
            if (!zeroSeen)
                break;
        } else {
            y = std::trunc(OriginY - LossPixels * double(qMin(loss, LossFullScale)));
        }
        const QPointF point(x, y);
        if (j >= 1)
            addLine(c, previous.x(), previous.y(), point.x(), point.y(), pen);
        previous = point;
    }
    return c;
}
