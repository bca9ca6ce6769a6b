// The pure rules behind the RFC 2544 form: the frame-loss load list, the
// texts of the four results tables and the geometry of the four graphs.

#include "records.h"
#include "rfcformat.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int W = 310;
constexpr int H = 310;
const float NaN = std::numeric_limits<float>::quiet_NaN();
const float Inf = std::numeric_limits<float>::infinity();

rfc_settings_t settingsWithRows(std::initializer_list<int> rows)
{
    rfc_settings_t s;
    std::memset(&s, 0, sizeof s);
    const uint16_t sizes[RfcFrameRows] = {64, 128, 256, 512, 1024, 1280, 1518, 9600};
    for (int i = 0; i < RfcFrameRows; ++i)
        s.frame[i].size = sizes[i];
    for (int i : rows)
        s.frame[i].enabled = 1;
    return s;
}

rfc_results_t resultsWithLengths()
{
    rfc_results_t r;
    std::memset(&r, 0, sizeof r);
    const uint16_t lengths[RfcFrameRows] = {64, 128, 256, 512, 1024, 1280, 1518, 9600};
    for (int i = 0; i < RfcFrameRows; ++i)
        r.frameLength[i].length = lengths[i];
    return r;
}

QList<QRectF> bars(const RfcChart &c)
{
    QList<QRectF> out;
    for (const RfcChartItem &item : c.ofKind(RfcChartItem::Bar))
        out << item.rect;
    return out;
}

// Lines drawn in a colour other than the axes' black.
QList<QLineF> curve(const RfcChart &c)
{
    QList<QLineF> out;
    for (const RfcChartItem &item : c.ofKind(RfcChartItem::Line)) {
        if (item.colour != RfcAxisColour)
            out << item.line;
    }
    return out;
}

bool hasLine(const RfcChart &c, const QLineF &line)
{
    for (const RfcChartItem &item : c.ofKind(RfcChartItem::Line)) {
        if (item.line == line)
            return true;
    }
    return false;
}

QPointF textAt(const RfcChart &c, const QString &text)
{
    const RfcChartItem *item = c.findText(text);
    return item ? item->pos : QPointF(-9999, -9999);
}

// A text item with this text at this place (a text may stand more than once,
// as a tick and as a bar's label).
bool hasTextAt(const RfcChart &c, const QString &text, const QPointF &pos)
{
    for (const RfcChartItem &item : c.ofKind(RfcChartItem::Text)) {
        if (item.text == text && item.pos == pos)
            return true;
    }
    return false;
}

// Every coordinate of every item is a finite number.
bool allFinite(const RfcChart &c)
{
    for (const RfcChartItem &item : c.items) {
        for (double v : {item.line.x1(), item.line.y1(), item.line.x2(), item.line.y2(), item.rect.x(),
                         item.rect.y(), item.rect.width(), item.rect.height(), item.pos.x(), item.pos.y()}) {
            if (!std::isfinite(v))
                return false;
        }
    }
    return true;
}

} // namespace

class TestRfcFormat : public QObject
{
    Q_OBJECT

private slots:
    // ---- load list --------------------------------------------------------------

    void loadList_data()
    {
        QTest::addColumn<int>("maxLoad");
        QTest::addColumn<int>("minLoad");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("loads");
        QTest::newRow("100 down by 10 to 1") << 100 << 1 << 10
                                             << QList<int>{100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 1};
        QTest::newRow("max equal min twice") << 50 << 50 << 5 << QList<int>{50, 50};
        QTest::newRow("max below min") << 10 << 50 << 10 << QList<int>{10, 50};
        QTest::newRow("step reaches min exactly") << 30 << 10 << 10 << QList<int>{30, 20, 10};
        QTest::newRow("step beyond the range") << 100 << 1 << 200 << QList<int>{100, 1};
        QTest::newRow("step 0 ends the list") << 100 << 1 << 0 << QList<int>{100, 1};
        QTest::newRow("step 0, max equal min") << 50 << 50 << 0 << QList<int>{50, 50};
        QTest::newRow("all zero") << 0 << 0 << 0 << QList<int>{0, 0};
    }
    void loadList()
    {
        QFETCH(int, maxLoad);
        QFETCH(int, minLoad);
        QFETCH(int, step);
        QFETCH(QList<int>, loads);
        const std::vector<int> got = rfcFrameLossLoads(uint8_t(maxLoad), uint8_t(minLoad), uint8_t(step));
        QCOMPARE(QList<int>(got.begin(), got.end()), loads);

        rfc_settings_t s = settingsWithRows({0});
        s.frameLossMax = uint8_t(maxLoad);
        s.frameLossMin = uint8_t(minLoad);
        s.frameLossStep = uint8_t(step);
        QStringList texts;
        for (int load : loads)
            texts << QStringLiteral("%1 %").arg(load);
        QCOMPARE(rfcLoadListTexts(s), texts);
    }

    void longLoadLists()
    {
        const std::vector<int> hundred = rfcFrameLossLoads(100, 1, 1);
        QCOMPARE(int(hundred.size()), 100);
        QCOMPARE(hundred.front(), 100);
        QCOMPARE(hundred.back(), 1);
        // Loads no widget can produce: longer than the results hold, still finite.
        const std::vector<int> widest = rfcFrameLossLoads(255, 0, 1);
        QCOMPARE(int(widest.size()), 256);
        QCOMPARE(widest.back(), 0);
    }

    // ---- results tables ----------------------------------------------------------

    void missingRecordsShowDashes()
    {
        const rfc_settings_t s = settingsWithRows({0});
        const rfc_results_t r = resultsWithLengths();
        for (const RfcResultsView &v : {rfcResultsView(nullptr, nullptr, 0), rfcResultsView(&s, nullptr, 0),
                                        rfcResultsView(nullptr, &r, 0)}) {
            for (int i = 0; i < RfcFrameRows; ++i) {
                for (const QString &cell : v.throughput[i])
                    QCOMPARE(cell, QString("-"));
                for (const QString &cell : v.latency[i])
                    QCOMPARE(cell, QString("-"));
                for (const QString &cell : v.frameLoss[i])
                    QCOMPARE(cell, QString("-"));
                for (const QString &cell : v.backToBack[i])
                    QCOMPARE(cell, QString("-"));
            }
        }
    }

    void throughputRow_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<float>("load");
        QTest::addColumn<float>("l1");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("running, six digits") << 3 << 99.87654f << 998.7654f
                                             << QStringList{"Running", "99.8765", "998.765 Mbps"};
        QTest::newRow("finished, whole") << 1 << 100.0f << 1000.0f << QStringList{"OK", "100", "1000.000 Mbps"};
        QTest::newRow("a million") << 1 << 1e6f << 1e6f << QStringList{"OK", "1e+06", "1000000.000 Mbps"};
        QTest::newRow("wait shows no values") << 0 << 50.0f << 500.0f << QStringList{"Wait", "-", "-"};
        QTest::newRow("off shows no values") << 8 << 50.0f << 500.0f << QStringList{"Off", "-", "-"};
        QTest::newRow("error shows its values") << 2 << 12.5f << 125.0f << QStringList{"Error", "12.5", "125.000 Mbps"};
        QTest::newRow("unknown status shows values") << 200 << 1.0f << 10.0f
                                                     << QStringList{"Unknown status", "1", "10.000 Mbps"};
        QTest::newRow("no numbers") << 1 << NaN << Inf << QStringList{"OK", "-", "-"};
    }
    void throughputRow()
    {
        QFETCH(int, status);
        QFETCH(float, load);
        QFETCH(float, l1);
        QFETCH(QStringList, cells);
        const rfc_settings_t s = settingsWithRows({0, 1});
        rfc_results_t r = resultsWithLengths();
        r.throughput[1].status = uint8_t(status);
        r.throughput[1].load = load;
        r.throughput[1].throughputL1 = l1;
        r.throughput[1].throughputL2 = l1;
        const RfcResultsView v = rfcResultsView(&s, &r, 0);
        QCOMPARE(v.throughput[1][ThrStatus], cells.at(0));
        QCOMPARE(v.throughput[1][ThrFrameLength], QString("128"));
        QCOMPARE(v.throughput[1][ThrLoad], cells.at(1));
        QCOMPARE(v.throughput[1][ThrL1], cells.at(2));
        QCOMPARE(v.throughput[1][ThrL2], cells.at(2));
    }

    void latencyRow_data()
    {
        QTest::addColumn<int>("userLoading");
        QTest::addColumn<double>("latency");
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("shown");
        QTest::newRow("throughput load") << 0 << 1500.0 << "99.5" << "1.500 us";
        QTest::newRow("user loading") << 1 << 500.0 << "75" << "500 ns";
        QTest::newRow("flag other than 1 is not user loading") << 2 << 2.5e6 << "99.5" << "2.500 ms";
        QTest::newRow("zero") << 0 << 0.0 << "99.5" << "0";
        QTest::newRow("NaN") << 0 << double(NAN) << "99.5" << "-";
        QTest::newRow("infinite") << 0 << double(INFINITY) << "99.5" << "-";
        QTest::newRow("beyond a float") << 0 << 1e300 << "99.5" << "-";
    }
    void latencyRow()
    {
        QFETCH(int, userLoading);
        QFETCH(double, latency);
        QFETCH(QString, load);
        QFETCH(QString, shown);
        rfc_settings_t s = settingsWithRows({2});
        s.userLoading = uint8_t(userLoading);
        s.userLoad[2] = 75;
        rfc_results_t r = resultsWithLengths();
        r.throughput[2].load = 99.5f;
        r.latency[2].status = StatusOk;
        r.latency[2].latency = latency;
        const RfcResultsView v = rfcResultsView(&s, &r, 0);
        QCOMPARE(v.latency[2][LatStatus], QString("OK"));
        QCOMPARE(v.latency[2][LatLoad], load);
        QCOMPARE(v.latency[2][LatLatency], shown);
    }

    void frameLossCell_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<float>("loss");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("shown");
        QTest::newRow("half a per cent") << 1 << 0.5f << 3 << "0.5000";
        QTest::newRow("zero") << 1 << 0.0f << 3 << "0.0000";
        QTest::newRow("no value") << 1 << -1.0f << 3 << "-";
        QTest::newRow("off") << 8 << 0.5f << 3 << "-";
        QTest::newRow("not a number") << 1 << NaN << 3 << "-";
        QTest::newRow("infinite") << 1 << Inf << 3 << "-";
        QTest::newRow("last step in the record") << 1 << 0.25f << 99 << "0.2500";
        QTest::newRow("step 100 is past the record") << 1 << 0.5f << 100 << "-";
        QTest::newRow("step far past the record") << 1 << 0.5f << 255 << "-";
        QTest::newRow("negative step") << 1 << 0.5f << -1 << "-";
    }
    void frameLossCell()
    {
        QFETCH(int, status);
        QFETCH(float, loss);
        QFETCH(int, step);
        QFETCH(QString, shown);
        const rfc_settings_t s = settingsWithRows({7});
        rfc_results_t r = resultsWithLengths();
        r.frameLoss[7].status = uint8_t(status);
        const int inRecord = qBound(0, step, RfcLossSteps - 1);
        r.frameLoss[7].loss[inRecord] = loss;
        // The block that follows the last row's losses is its load bytes;
        // a step past the record must not read them as a loss.
        std::memset(r.frameLoss[7].load, 0x3F, sizeof r.frameLoss[7].load);
        const RfcResultsView v = rfcResultsView(&s, &r, step);
        QCOMPARE(v.frameLoss[7][FrlLoss], shown);
        QCOMPARE(v.frameLoss[7][FrlFrameLength], QString("9600"));
    }

    void backToBackAndLengths()
    {
        const rfc_settings_t s = settingsWithRows({0, 1});
        rfc_results_t r = resultsWithLengths();
        r.frameLength[1].length = 0;
        r.backToBack[0].status = StatusRunning;
        r.backToBack[0].quantity = 1488095.2f;
        r.backToBack[0].time = 2;
        r.backToBack[1].status = StatusWait;
        r.backToBack[1].time = 7;
        const RfcResultsView v = rfcResultsView(&s, &r, 0);
        QCOMPARE(v.backToBack[0][BtbQuantity], QString("1488095"));
        QCOMPARE(v.backToBack[0][BtbTime], QString("2"));
        QCOMPARE(v.backToBack[0][BtbStatus], QString("Running"));
        QCOMPARE(v.backToBack[1][BtbQuantity], QString("-"));
        QCOMPARE(v.backToBack[1][BtbTime], QString("-"));
        // A length of 0: column 1 empty in all four tables, the rest filled.
        QCOMPARE(v.throughput[1][ThrFrameLength], QString());
        QCOMPARE(v.latency[1][LatFrameLength], QString());
        QCOMPARE(v.frameLoss[1][FrlFrameLength], QString());
        QCOMPARE(v.backToBack[1][BtbFrameLength], QString());
        QCOMPARE(v.backToBack[1][BtbStatus], QString("Wait"));
        QCOMPARE(v.throughput[0][ThrFrameLength], QString("64"));
    }

    // ---- graph axes ----------------------------------------------------------------

    void barAxes()
    {
        const rfc_settings_t s = settingsWithRows({0, 3, 7});
        const rfc_results_t r = resultsWithLengths();
        const RfcChart c = rfcThroughputChart(s, r, W, H);
        // x axis from the origin to 230 pixels right, with its arrowhead.
        QVERIFY(hasLine(c, QLineF(-100, -20, 130, -20)));
        QVERIFY(hasLine(c, QLineF(130, -18, 130, -22)));
        QVERIFY(hasLine(c, QLineF(130, -21, 133, -20)));
        QVERIFY(hasLine(c, QLineF(130, -18, 133, -19)));
        // The caption heads the frame lengths, ending left of the origin.
        QCOMPARE(textAt(c, "Frame, B"), QPointF(-162, -20));
        // One tick and frame length per row that is on, 28 pixels apart.
        for (int x : {-95, -67, -39})
            QVERIFY2(hasLine(c, QLineF(x, -22, x, -18)), qPrintable(QString::number(x)));
        QVERIFY(!hasLine(c, QLineF(-11, -22, -11, -18)));
        QCOMPARE(textAt(c, "64"), QPointF(-95, -20));
        QCOMPARE(textAt(c, "512"), QPointF(-67, -20));
        QCOMPARE(textAt(c, "9600"), QPointF(-39, -20));
        QVERIFY(!c.findText("128"));
        // y axis up to 45 pixels below the top of the view, ticks every 22 pixels.
        QVERIFY(hasLine(c, QLineF(-100, -20, -100, -285)));
        QVERIFY(hasLine(c, QLineF(-102, -285, -98, -285)));
        QVERIFY(hasLine(c, QLineF(-98, -285, -100, -290)));
        QVERIFY(hasLine(c, QLineF(-101, -285, -99, -290)));
        QVERIFY(hasLine(c, QLineF(-102, -42, -98, -42)));
        QVERIFY(hasLine(c, QLineF(-102, -240, -98, -240)));
        // Tick labels end 6 pixels left of the axis (7 pixels a character).
        QCOMPARE(textAt(c, "10"), QPointF(-120, -52));
        QCOMPARE(textAt(c, "100"), QPointF(-127, -250));
        QCOMPARE(textAt(c, "%"), QPointF(-125, -262));
        QCOMPARE(textAt(c, "Throughput"), QPointF(0, -292));
        // 4 + 4 axis lines, 10 y ticks, 3 frame ticks.
        QCOMPARE(c.ofKind(RfcChartItem::Line).size(), 4 + 4 + 10 + 3);
    }

    // Frame lengths under the x axis never run together: one that would
    // begin before its left neighbour ends (7 pixels a character, 3 apart)
    // moves to a second line 13 pixels lower ("102412801518" read as one).
    void frameLengthLabelsReadApart_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<int>>("lines");   // line of each label, in row order
        QTest::newRow("short sizes on one line") << QList<int>{0, 1, 2, 3} << QList<int>{0, 0, 0, 0};
        QTest::newRow("all eight") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << QList<int>{0, 0, 0, 0, 0, 1, 0, 1};
        QTest::newRow("four-digit sizes alternate") << QList<int>{4, 5, 6, 7} << QList<int>{0, 1, 0, 1};
        QTest::newRow("rows that are off take no place") << QList<int>{0, 4, 7} << QList<int>{0, 0, 1};
    }
    void frameLengthLabelsReadApart()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, lines);
        rfc_settings_t s = settingsWithRows({});
        for (int row : rows)
            s.frame[row].enabled = 1;
        const rfc_results_t r = resultsWithLengths();
        for (const RfcChart &c : {rfcThroughputChart(s, r, W, H), rfcLatencyChart(s, r, W, H),
                                  rfcBackToBackChart(s, r, W, H)}) {
            double lineEnd[2] = {-1e9, -1e9};
            for (int k = 0; k < rows.size(); ++k) {
                const QString text = QString::number(r.frameLength[rows.at(k)].length);
                const QPointF at = textAt(c, text);
                QCOMPARE(at, QPointF(-95 + 28 * k, -20 + 13 * lines.at(k)));
                const int line = lines.at(k);
                QVERIFY2(lineEnd[line] <= at.x(), qPrintable(text));
                lineEnd[line] = at.x() + 7 * text.size();
            }
        }
    }

    void percentAxis()
    {
        const rfc_settings_t s = settingsWithRows({0});
        const rfc_results_t r = resultsWithLengths();
        const RfcChart c = rfcFrameLossChart(s, r, W, H, 0);
        QCOMPARE(textAt(c, "Frame loss"), QPointF(0, -280));
        QVERIFY(hasLine(c, QLineF(-90, -20, 140, -20)));
        QCOMPARE(c.findText("%")->pos, QPointF(156, -23));
        // Ticks every (w - 80) / 10 = 23 pixels, labelled 10 ... 100 below.
        for (int j = 1; j <= 10; ++j)
            QVERIFY(hasLine(c, QLineF(-90 + 23 * j, -22, -90 + 23 * j, -18)));
        const QList<RfcChartItem> texts = c.ofKind(RfcChartItem::Text).toList();
        int below = 0;
        for (const RfcChartItem &t : texts) {
            if (t.pos.y() == -15) {
                ++below;
                QCOMPARE(t.pos.x(), -90 + 23 * (t.text.toInt() / 10) - 10.0);
            }
        }
        QCOMPARE(below, 10);
        // No frame-size ticks on a load axis.
        QVERIFY(!c.findText("64"));
    }

    // ---- bar charts ----------------------------------------------------------------

    void throughputBars()
    {
        const rfc_settings_t s = settingsWithRows({0, 3, 7});
        rfc_results_t r = resultsWithLengths();
        r.throughput[0].load = 100;
        r.throughput[3].load = 50.5f;
        r.throughput[7].load = 0;
        r.throughput[1].load = 80;      // row off: no bar, no label
        const RfcChart c = rfcThroughputChart(s, r, W, H);
        QCOMPARE(bars(c), (QList<QRectF>{QRectF(-95, -240, 23, 220), QRectF(-67, -20 - 0.505 * 220, 23, 0.505 * 220),
                                         QRectF(-39, -20, 23, 0)}));
        // Labels on the line 33 - h; "100%" is wider than a bar's pitch, so
        // its right neighbour takes the line below.
        QCOMPARE(textAt(c, "100%"), QPointF(-95, -277));
        QCOMPARE(textAt(c, "50%"), QPointF(-67, -264));
        QVERIFY(!c.findText("0%"));
        QVERIFY(!c.findText("80%"));
    }

    void throughputBarsStayInTheGraph_data()
    {
        QTest::addColumn<float>("load");
        QTest::addColumn<double>("height");
        QTest::addColumn<QString>("label");   // start of the label; empty: none
        QTest::newRow("NaN") << NaN << 0.0 << "";
        QTest::newRow("infinite") << Inf << 220.0 << "";
        QTest::newRow("negative") << -5.0f << 0.0 << "";
        QTest::newRow("above 100") << 150.0f << 220.0 << "150%";
        QTest::newRow("huge, no integer overflow") << 3e38f << 220.0 << "3000000";
    }
    void throughputBarsStayInTheGraph()
    {
        QFETCH(float, load);
        QFETCH(double, height);
        QFETCH(QString, label);
        const rfc_settings_t s = settingsWithRows({0});
        rfc_results_t r = resultsWithLengths();
        r.throughput[0].load = load;
        const RfcChart c = rfcThroughputChart(s, r, W, H);
        QCOMPARE(bars(c).size(), 1);
        QCOMPARE(bars(c).first().height(), height);
        QCOMPARE(bars(c).first().bottom(), -20.0);
        QVERIFY(allFinite(c));
        QStringList labels;
        for (const RfcChartItem &t : c.ofKind(RfcChartItem::Text)) {
            if (t.text.endsWith('%') && t.text != "%")
                labels << t.text;
        }
        if (label.isEmpty()) {
            QCOMPARE(labels, QStringList());
        } else {
            QCOMPARE(labels.size(), 1);
            QVERIFY2(labels.first().startsWith(label), qPrintable(labels.first()));
            QVERIFY(!labels.first().contains('e'));
        }
    }

    void latencyScaleAndLabels()
    {
        const rfc_settings_t s = settingsWithRows({0, 1, 2});
        rfc_results_t r = resultsWithLengths();
        r.latency[0].latency = 500;
        r.latency[1].latency = 5000;
        r.latency[2].latency = 5e6;
        const RfcChart c = rfcLatencyChart(s, r, W, H);
        QCOMPARE(rfcLatencyScale(r), 5e6f);
        // One unit on the y axis, and no per cent beside it.
        QCOMPARE(textAt(c, "ms"), QPointF(-125, -262));
        QVERIFY(!c.findText("%"));
        QCOMPARE(textAt(c, "Latency"), QPointF(30, -292));
        // The ticks are tenths of the largest latency in that unit.
        QCOMPARE(textAt(c, "0.5"), QPointF(-127, -52));
        QCOMPARE(textAt(c, "2.5"), QPointF(-127, -140));
        QCOMPARE(textAt(c, "5"), QPointF(-113, -250));
        // Every bar's label in the axis unit: 500 ns and 5 us read in ms.
        QCOMPARE(textAt(c, "0.0005"), QPointF(-95, -277));
        QCOMPARE(textAt(c, "0.005"), QPointF(-67, -264));
        QVERIFY(hasTextAt(c, "5", QPointF(-39, -277)));
        QCOMPARE(bars(c).at(2).height(), 220.0);
        QCOMPARE(bars(c).at(1).height(), 220.0 * 5000 / 5e6);
    }

    // The latency axis runs to 1, 2 or 5 times a power of ten in its unit,
    // so that every tick reads in three characters at most and the largest
    // bar stands between half and all of the axis.
    void latencyAxisReads_data()
    {
        QTest::addColumn<double>("largest");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("top");      // label of the 100 % tick
        QTest::addColumn<double>("height");    // of the largest bar
        QTest::newRow("120 ns") << 120.0 << "ns" << "200" << 132.0;
        QTest::newRow("999 ns") << 999.0 << "us" << "1" << 219.78;
        QTest::newRow("4127 ns") << 4127.0 << "us" << "5" << 181.588;
        QTest::newRow("exactly 5 us") << 5000.0 << "us" << "5" << 220.0;
        QTest::newRow("33 ms") << 3.3e7 << "ms" << "50" << 145.2;
        QTest::newRow("2 s") << 2e9 << "s" << "2" << 220.0;
    }
    void latencyAxisReads()
    {
        QFETCH(double, largest);
        QFETCH(QString, unit);
        QFETCH(QString, top);
        QFETCH(double, height);
        const rfc_settings_t s = settingsWithRows({0, 1});
        rfc_results_t r = resultsWithLengths();
        r.latency[0].latency = largest;
        r.latency[1].latency = largest / 3;
        const RfcChart c = rfcLatencyChart(s, r, W, H);
        QCOMPARE(textAt(c, unit), QPointF(-125, -262));
        QVERIFY(hasTextAt(c, top, QPointF(-106 - 7 * top.size(), -250)));
        QVERIFY(qAbs(bars(c).at(0).height() - height) < 0.01);
        for (const RfcChartItem &t : c.ofKind(RfcChartItem::Text)) {
            if (t.pos.x() < -100 && t.pos.y() < -20)   // the tick labels and the unit, left of the axis
                QVERIFY2(t.text.size() <= 3, qPrintable(t.text));
        }
    }

    void latencyUnit_data()
    {
        QTest::addColumn<float>("scale");
        QTest::addColumn<QString>("unit");
        // The unit in which the axis's full scale (1, 2 or 5 times a power
        // of ten) stays below 1000: 999 ns reads on an axis of 1 us.
        QTest::newRow("tiny") << 0.1f << "ns";
        QTest::newRow("500 ns") << 500.0f << "ns";
        QTest::newRow("999 ns") << 999.0f << "us";
        QTest::newRow("1000 ns") << 1000.0f << "us";
        QTest::newRow("below a million") << 999999.0f << "ms";
        QTest::newRow("half a second") << 5e8f << "ms";
        QTest::newRow("a billion") << 1e9f << "s";
        QTest::newRow("beyond any unit") << 3e12f << "s";
    }
    void latencyUnit()
    {
        QFETCH(float, scale);
        QFETCH(QString, unit);
        QCOMPARE(rfcLatencyUnit(scale), unit);
    }

    // Zero, NaN and infinite latencies: the scale ignores what is no finite
    // number, bars of such rows are empty, nothing is labelled, and every
    // coordinate stays finite.
    void latencyWithoutNumbers_data()
    {
        QTest::addColumn<double>("odd");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("NaN") << double(NAN);
        QTest::newRow("infinite") << double(INFINITY);
        QTest::newRow("minus infinite") << -double(INFINITY);
        QTest::newRow("beyond a float") << 1e300;
        QTest::newRow("below 0.001 ns") << 0.0005;
    }
    void latencyWithoutNumbers()
    {
        QFETCH(double, odd);
        const rfc_settings_t s = settingsWithRows({0, 1});
        rfc_results_t r = resultsWithLengths();
        for (rfc_latency_row_t &row : r.latency)
            row.latency = odd;
        QCOMPARE(rfcLatencyScale(r), 0.1f);
        RfcChart c = rfcLatencyChart(s, r, W, H);
        QVERIFY(allFinite(c));
        QCOMPARE(textAt(c, "ns"), QPointF(-125, -262));
        for (const QRectF &bar : bars(c))
            QVERIFY(bar.height() == 0 || (odd > 0 && odd < 0.001 && bar.height() < 2));
        for (const RfcChartItem &t : c.ofKind(RfcChartItem::Text))
            QVERIFY2(t.pos.y() != 33 - H, qPrintable(t.text));

        // One real value among them sets the scale alone.
        r.latency[1].latency = 2500;
        QCOMPARE(rfcLatencyScale(r), 2500.0f);
        c = rfcLatencyChart(s, r, W, H);
        QVERIFY(allFinite(c));
        // 2.5 us on an axis of 5 us: half the height.
        QCOMPARE(bars(c).at(1).height(), 110.0);
        QCOMPARE(textAt(c, "0.5"), QPointF(-127, -52));
        QVERIFY(hasTextAt(c, "2.5", QPointF(-67, -277)));
        QCOMPARE(textAt(c, "us"), QPointF(-125, -262));
    }

    void backToBackBars()
    {
        const rfc_settings_t s = settingsWithRows({0, 1, 5});
        rfc_results_t r = resultsWithLengths();
        const RfcChart empty = rfcBackToBackChart(s, r, W, H);
        QCOMPARE(bars(empty).size(), 3);
        for (const QRectF &bar : bars(empty))
            QCOMPARE(bar.height(), 0.0);
        QCOMPARE(textAt(empty, "s"), QPointF(-125, -262));
        QVERIFY(!empty.findText("%"));
        QCOMPARE(textAt(empty, "Back-to-back"), QPointF(0, -292));
        for (const RfcChartItem &t : empty.ofKind(RfcChartItem::Text))
            QVERIFY2(t.pos.y() != 33 - H, qPrintable(t.text));

        r.backToBack[0].time = 4;
        r.backToBack[5].time = 2;
        r.backToBack[7].time = 8;     // row off: still sets the scale
        const RfcChart c = rfcBackToBackChart(s, r, W, H);
        // The axis runs to 10 s, the first power of ten at or above 8.
        QCOMPARE(bars(c).at(0).height(), 88.0);
        QCOMPARE(bars(c).at(1).height(), 0.0);
        QCOMPARE(bars(c).at(2), QRectF(-39, -64, 23, 44));
        QVERIFY(hasTextAt(c, "4", QPointF(-95, -277)));
        // The y ticks count seconds: 1, 2 ... 10.
        QCOMPARE(textAt(c, "1"), QPointF(-113, -52));
        QCOMPARE(textAt(c, "10"), QPointF(-120, -250));
        QVERIFY(hasTextAt(c, "2", QPointF(-39, -277)));
    }

    // ---- frame-loss curve ----------------------------------------------------------

    // The loss axis runs to the full scale of the row's largest loss (5 %
    // for 3 %, 100 % for anything that reaches it), 220 pixels for it.
    void frameLossCurve_data()
    {
        QTest::addColumn<QList<int>>("loads");
        QTest::addColumn<QList<float>>("losses");
        QTest::addColumn<QList<QPointF>>("points");
        QTest::newRow("zero, then no value on the axis")
            << QList<int>{100, 90, 80, 70, 0} << QList<float>{3, 1, 0, -1}
            << QList<QPointF>{{140, -152}, {117, -64}, {94, -20}, {71, -20}};
        QTest::newRow("first steps without value draw nothing")
            << QList<int>{100, 90, 80} << QList<float>{-1, 2, 0} << QList<QPointF>{};
        QTest::newRow("no value before any zero ends the curve")
            << QList<int>{100, 90, 80, 70} << QList<float>{5, 2, -1, 0}
            << QList<QPointF>{{140, -240}, {117, -108}};
        QTest::newRow("NaN counts as no value") << QList<int>{50, 40, 30} << QList<float>{0, NaN, 1.5f}
                                                << QList<QPointF>{{25, -20}, {2, -20}, {-21, -185}};
        QTest::newRow("infinite loss at the top of the graph")
            << QList<int>{20, 10} << QList<float>{Inf, 250} << QList<QPointF>{{-44, -240}, {-67, -240}};
        QTest::newRow("a single step has no segment") << QList<int>{100, 0} << QList<float>{4, 0}
                                                      << QList<QPointF>{};
        QTest::newRow("hundredths of a per cent fill the axis")
            << QList<int>{100, 90, 80} << QList<float>{0.5f, 0.2f, 0.02f}
            << QList<QPointF>{{140, -240}, {117, -108}, {94, -28}};
        QTest::newRow("a loss of 100 % keeps the whole axis")
            << QList<int>{100, 50} << QList<float>{100, 10} << QList<QPointF>{{140, -240}, {25, -42}};
    }
    void frameLossCurve()
    {
        QFETCH(QList<int>, loads);
        QFETCH(QList<float>, losses);
        QFETCH(QList<QPointF>, points);
        const rfc_settings_t s = settingsWithRows({0, 2});
        rfc_results_t r = resultsWithLengths();
        rfc_frame_loss_row_t &row = r.frameLoss[2];
        for (int j = 0; j < loads.size(); ++j)
            row.load[j] = uint8_t(loads.at(j));
        for (int j = 0; j < losses.size(); ++j)
            row.loss[j] = losses.at(j);
        const RfcChart c = rfcFrameLossChart(s, r, W, H, 2);
        QVERIFY(allFinite(c));
        QList<QLineF> expected;
        for (int j = 1; j < points.size(); ++j)
            expected << QLineF(points.at(j - 1), points.at(j));
        QCOMPARE(curve(c), expected);
        for (const RfcChartItem &line : c.ofKind(RfcChartItem::Line)) {
            if (line.colour != RfcAxisColour)
                QCOMPARE(line.colour, uint32_t(0x0000FF));   // row 2: blue
        }
    }

    // The loss axis reads in the steps the latency axis takes: its top tick
    // at 1, 2 or 5 times a power of ten at or above the largest loss, from
    // 0.01 % to 100 %, and no tick label longer than five characters.
    void frameLossAxisReads_data()
    {
        QTest::addColumn<float>("largest");
        QTest::addColumn<QString>("top");      // label of the top tick
        QTest::addColumn<QString>("first");    // of the tick above the origin
        QTest::newRow("0.5 %") << 0.5f << "0.5" << "0.05";
        QTest::newRow("0.02 %") << 0.02f << "0.02" << "0.002";
        QTest::newRow("0.003 %: no finer than 0.01") << 0.003f << "0.01" << "0.001";
        QTest::newRow("1.2 %") << 1.2f << "2" << "0.2";
        QTest::newRow("30 %") << 30.0f << "50" << "5";
        QTest::newRow("60 %") << 60.0f << "100" << "10";
        QTest::newRow("100 %") << 100.0f << "100" << "10";
        QTest::newRow("no loss") << 0.0f << "100" << "10";
        QTest::newRow("no number") << NaN << "100" << "10";
    }
    void frameLossAxisReads()
    {
        QFETCH(float, largest);
        QFETCH(QString, top);
        QFETCH(QString, first);
        const rfc_settings_t s = settingsWithRows({1});
        rfc_results_t r = resultsWithLengths();
        rfc_frame_loss_row_t &row = r.frameLoss[1];
        row.load[0] = 100;
        row.load[1] = 90;
        row.loss[0] = 0;
        row.loss[1] = largest;
        const RfcChart c = rfcFrameLossChart(s, r, W, H, 1);
        // Tick labels end 6 pixels left of the axis at x = -90.
        QVERIFY2(hasTextAt(c, top, QPointF(-96 - 7 * top.size(), -250)), qPrintable(top));
        QVERIFY2(hasTextAt(c, first, QPointF(-96 - 7 * first.size(), -52)), qPrintable(first));
        for (const RfcChartItem &t : c.ofKind(RfcChartItem::Text)) {
            if (t.pos.x() < -90 && t.pos.y() < -20)
                QVERIFY2(t.text.size() <= 5, qPrintable(t.text));
        }
        // The curve is drawn to the same scale: the top tick is 220 pixels
        // above the axis.
        const double y = std::isfinite(largest) && largest > 0 ? std::trunc(-20 - 220.0 * largest / top.toDouble()) : -20;
        QCOMPARE(curve(c).size(), 1);
        QCOMPARE(curve(c).first().p2().y(), y);
    }

    void frameLossCurveOfRowsThatAreNotDrawn_data()
    {
        QTest::addColumn<int>("frameRow");
        QTest::newRow("row off") << 1;
        QTest::newRow("row 8") << 8;
        QTest::newRow("row -1") << -1;
        QTest::newRow("far beyond") << 100000;
    }
    void frameLossCurveOfRowsThatAreNotDrawn()
    {
        QFETCH(int, frameRow);
        const rfc_settings_t s = settingsWithRows({0, 2});
        rfc_results_t r = resultsWithLengths();
        for (rfc_frame_loss_row_t &row : r.frameLoss) {
            row.load[0] = 100;
            row.load[1] = 50;
        }
        const RfcChart c = rfcFrameLossChart(s, r, W, H, frameRow);
        QVERIFY(curve(c).isEmpty());
        // The axes stand anyway.
        QVERIFY(hasLine(c, QLineF(-90, -20, 140, -20)));
    }

    // A row whose hundred load bytes are all set: the walk stops after the
    // last step the record holds.
    void frameLossCurveStopsAtTheRecordEnd()
    {
        const rfc_settings_t s = settingsWithRows({7});
        rfc_results_t r = resultsWithLengths();
        rfc_frame_loss_row_t &row = r.frameLoss[7];
        for (int j = 0; j < RfcLossSteps; ++j) {
            row.load[j] = uint8_t(100 - j % 50);
            row.loss[j] = 1;
        }
        const RfcChart c = rfcFrameLossChart(s, r, W, H, 7);
        QCOMPARE(curve(c).size(), RfcLossSteps - 1);
        QCOMPARE(c.ofKind(RfcChartItem::Line).last().colour, uint32_t(0x008000));
    }

    void frameLossColours()
    {
        const uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x00FFFF,
                                    0xFFFF00, 0xFF00FF, 0x000080, 0x008000};
        for (int i = 0; i < RfcFrameRows; ++i)
            QCOMPARE(rfcFrameLossColour(i), colours[i]);
        QCOMPARE(rfcFrameLossColour(8), RfcAxisColour);
        QCOMPARE(rfcFrameLossColour(-1), RfcAxisColour);
    }
};

QTEST_MAIN(TestRfcFormat)
#include "tst_rfcformat.moc"
