#include "rfcformat.h"

#include "devicetexts.h"
#include "textfunctions.h"

#include <QCoreApplication>
#include <QPair>

#include <cfloat>
#include <cmath>

namespace {

const char *const NoValue = "-";
constexpr int LossDecimals = 4;
constexpr int GeneralDigits = 6;
constexpr double BitsPerMegabit = 1e6;   // the tester gives throughputs in Mbps

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
// Frame-loss curve: 2.3 pixels per per cent of load; the loss axis runs to
// a full scale of 1, 2 or 5 times a power of ten, at most 100 % and at
// least 0.01 % (whose tenths still read in five characters).
constexpr int LoadPixelsTenths = 23;
constexpr double LossFullScale = 100;
constexpr double LeastLossFullScale = 0.01;
// Texts: the graphs' font is at most 11 pixels high (the form caps it), so a
// character is estimated at 7 pixels and a line at 13. Labels that would run
// into their neighbour move to a second line one line lower.
constexpr int CharWidth = 7;
constexpr int LineHeight = 13;
constexpr int LabelGap = 3;
constexpr int TitleTop = 18;               // below the view's top edge
constexpr int BarLabelTop = 33;            // first line of the value labels
constexpr int YLabelGap = 6;               // y tick labels end this far left of the axis
constexpr int PercentCaptionGap = 16;      // "%" of a load axis, right of its arrow

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

int textWidth(const QString &text)
{
    return CharWidth * text.size();
}

// Texts at increasing x, left-aligned, on one line at y; one that would
// begin before its predecessor on that line ends goes to the line below, and
// when both lines are taken, to the one that is free again first.
void addLabelLine(RfcChart &c, const QVector<QPair<double, QString>> &labels, double y)
{
    double lineEnd[2] = {-1e9, -1e9};
    for (const auto &label : labels) {
        const double x = label.first;
        int line = 0;
        if (lineEnd[0] > x)
            line = lineEnd[1] <= x || lineEnd[1] < lineEnd[0] ? 1 : 0;
        addText(c, x, y + line * LineHeight, label.second);
        lineEnd[line] = x + textWidth(label.second) + LabelGap;
    }
}

// An axis or bar value in at most four characters where it can be: whole
// numbers from 100, else three significant digits, two when three are too
// long ("0.413" -> "0.41").
QString shortNumber(double v)
{
    if (!std::isfinite(v))
        return dash();
    if (std::fabs(v) >= 100)
        return truncatedText(std::round(v));
    QString text = QString::number(v, 'g', 3);
    if (text.size() > 4)
        text = QString::number(v, 'g', 2);
    return text;
}

// The smallest of 1, 2 and 5 times a power of ten that holds a positive,
// finite value.
double oneTwoFive(double largest)
{
    const double power = std::pow(10.0, std::floor(std::log10(largest)));
    for (double factor : {1.0, 2.0, 5.0}) {
        // A hair of tolerance: 5 must stay 5 after the logarithm's rounding.
        if (factor * power >= largest * (1 - 1e-9))
            return factor * power;
    }
    return 10 * power;
}

// The full scale of a y axis in its unit: oneTwoFive of the largest value,
// at least 1. Its tenths, the tick labels, then read in at most three
// characters (0.1, 0.2, 0.5, 1, 2, 5, 10 ... 500) for every full scale
// below 1000.
double niceScale(double largest)
{
    if (!(largest > 1) || !std::isfinite(largest))
        return 1;
    return oneTwoFive(largest);
}

// The y axis of the latency graph: the unit (as the divisor of a latency in
// nanoseconds) in which its largest latency reads below 1000, and its full
// scale in that unit.
struct LatencyAxis
{
    double divisor;
    double fullScale;
};

LatencyAxis latencyAxis(float largest)
{
    double divisor = 1;
    for (double next : {1e3, 1e6, 1e9}) {
        if (niceScale(double(largest) / divisor) < 1000)
            break;
        divisor = next;
    }
    return {divisor, niceScale(double(largest) / divisor)};
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
                v.throughput[i][column] = bitRateToString(double(mbps) * BitsPerMegabit);
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
            v.backToBack[i][BtbQuantity] = std::isfinite(btb.quantity) ? wholeCountToString(btb.quantity) : dash();
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
                  const rfc_results_t &r, const QString &yText, const QString &xText, double yFullScale)
{
    const int xe = x0 + (w - AxisLengthMargin);
    addLine(c, x0, y0, xe, y0);
    addLine(c, xe, y0 + 2, xe, y0 - 2);
    addLine(c, xe, y0 - 1, xe + 3, y0);
    addLine(c, xe, y0 + 2, xe + 3, y0 + 1);

    if (!xText.isEmpty()) {
        // The caption heads the line of frame lengths from the left, below
        // the y tick labels: right of the arrow it would push the graph
        // beyond its view once the y axis counts in its own unit.
        addText(c, x0 - YLabelGap - textWidth(xText), OriginY, xText);
        QVector<QPair<double, QString>> lengths;
        int k = 0;
        for (int i = 0; i < RfcFrameRows; ++i) {
            if (!rowOn(s, i))
                continue;
            const int x = x0 + 5 + k * (barStep + 5);
            addLine(c, x, y0 - 2, x, y0 + 2);
            lengths.append({double(x), QString::number(r.frameLength[i].length)});
            ++k;
        }
        // "64 128 256 512" fit side by side; "1024 1280 1518" take two lines.
        addLabelLine(c, lengths, OriginY);
    } else {
        // Clear of the last tick label ("100" ends at xe + 11).
        addText(c, xe + PercentCaptionGap, y0 - 3, QStringLiteral("%"));
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

    // The tick labels are values of the y axis in its own unit (per cent of
    // load or loss, or the latency or time unit), ending left of the axis.
    for (int j = 1; j <= Ticks; ++j) {
        const int y = y0 - YTickPitch * j;
        addLine(c, x0 - 2, y, x0 + 2, y);
        const QString label = shortNumber(yFullScale * j / Ticks);
        addText(c, x0 - YLabelGap - textWidth(label), y - 10, label);
    }
    addText(c, x0 - 25, y0 - YAxisTextAbove, yText);
}

RfcChart rfcThroughputChart(const rfc_settings_t &s, const rfc_results_t &r, int w, int h)
{
    RfcChart c;
    addText(c, 0, TitleTop - h, QCoreApplication::translate("RfcForm", "Throughput"));
    rfcChartAxes(c, w, h, BarOriginX, OriginY, BarWidth, s, r, QStringLiteral("%"),
                 QCoreApplication::translate("RfcForm", "Frame, B"));
    QVector<QPair<double, QString>> labels;
    int k = 0;
    for (int i = 0; i < RfcFrameRows; ++i) {
        if (!rowOn(s, i))
            continue;
        const float load = r.throughput[i].load;
        addBar(c, k, h, double(load) / 100);
        if (std::isfinite(load) && load > 0)
            labels.append({barX(k), truncatedText(load) + QLatin1Char('%')});
        ++k;
    }
    addLabelLine(c, labels, BarLabelTop - h);
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
    const double divisor = latencyAxis(m).divisor;
    if (divisor == 1)
        return QCoreApplication::translate("RfcForm", "ns");
    if (divisor == 1e3)
        return QCoreApplication::translate("RfcForm", "us");
    if (divisor == 1e6)
        return QCoreApplication::translate("RfcForm", "ms");
    return QCoreApplication::translate("RfcForm", "s");
}

RfcChart rfcLatencyChart(const rfc_settings_t &s, const rfc_results_t &r, int w, int h)
{
    RfcChart c;
    addText(c, 30, TitleTop - h, QCoreApplication::translate("RfcForm", "Latency"));
    const float m = rfcLatencyScale(r);
    // One unit on the y axis: its ticks and every bar's label are in the
    // unit the largest latency is shown in, the bars scaled to the axis.
    const LatencyAxis axis = latencyAxis(m);
    const double divisor = axis.divisor;
    rfcChartAxes(c, w, h, BarOriginX, OriginY, BarWidth, s, r, rfcLatencyUnit(m),
                 QCoreApplication::translate("RfcForm", "Frame, B"), axis.fullScale);
    QVector<QPair<double, QString>> labels;
    int k = 0;
    for (int i = 0; i < RfcFrameRows; ++i) {
        if (!rowOn(s, i))
            continue;
        const float v = asFloat(r.latency[i].latency);
        addBar(c, k, h, std::isfinite(v) ? double(v) / divisor / axis.fullScale : 0);
        if (std::isfinite(v) && v > LatencyLabelThreshold)
            labels.append({barX(k), shortNumber(double(v) / divisor)});
        ++k;
    }
    addLabelLine(c, labels, BarLabelTop - h);
    return c;
}

RfcChart rfcBackToBackChart(const rfc_settings_t &s, const rfc_results_t &r, int w, int h)
{
    RfcChart c;
    addText(c, 0, TitleTop - h, QCoreApplication::translate("RfcForm", "Back-to-back"));
    double largest = 0;
    for (const rfc_back_to_back_row_t &row : r.backToBack)
        largest = qMax(largest, double(row.time));
    // The y axis in seconds: its ticks are times, not per cent of the
    // largest, and the bars are scaled to it.
    const double m = niceScale(largest);
    rfcChartAxes(c, w, h, BarOriginX, OriginY, BarWidth, s, r, QCoreApplication::translate("RfcForm", "s"),
                 QCoreApplication::translate("RfcForm", "Frame, B"), m);
    QVector<QPair<double, QString>> labels;
    int k = 0;
    for (int i = 0; i < RfcFrameRows; ++i) {
        if (!rowOn(s, i))
            continue;
        const uint16_t time = r.backToBack[i].time;
        addBar(c, k, h, time / m);
        if (time != 0)
            labels.append({barX(k), QString::number(time)});
        ++k;
    }
    addLabelLine(c, labels, BarLabelTop - h);
    return c;
}

double rfcLossFullScale(double largestLoss)
{
    if (!(largestLoss > 0))
        return LossFullScale;
    if (!std::isfinite(largestLoss) || largestLoss >= LossFullScale)
        return LossFullScale;
    return qMin(LossFullScale, oneTwoFive(qMax(largestLoss, LeastLossFullScale)));
}

double rfcFrameLossScale(const rfc_frame_loss_row_t &row)
{
    double largest = 0;
    for (int j = 0; j < RfcLossSteps && row.load[j] != 0; ++j) {
        const double loss = row.loss[j];
        if (loss > largest)   // NaN and no value (negative) never are
            largest = loss;
    }
    return rfcLossFullScale(largest);
}

RfcChart rfcFrameLossChart(const rfc_settings_t &s, const rfc_results_t &r, int w, int h, int frameRow)
{
    RfcChart c;
    addText(c, 0, 30 - h, QCoreApplication::translate("RfcForm", "Frame loss"));
    const bool drawn = frameRow >= 0 && frameRow < RfcFrameRows && rowOn(s, frameRow);
    // The loss axis holds the largest loss of the curve it shows, so that
    // losses of a few hundredths of a per cent do not lie flat on the axis.
    const double fullScale = drawn ? rfcFrameLossScale(r.frameLoss[frameRow]) : LossFullScale;
    rfcChartAxes(c, w, h, LossOriginX, OriginY, LossTickStep, s, r, QStringLiteral("%"), QString(), fullScale);
    if (!drawn)
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
            y = std::trunc(OriginY - YTickPitch * Ticks * qMin(double(loss), fullScale) / fullScale);
        }
        const QPointF point(x, y);
        if (j >= 1)
            addLine(c, previous.x(), previous.y(), point.x(), point.y(), pen);
        previous = point;
    }
    return c;
}
