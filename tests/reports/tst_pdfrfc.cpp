// The RFC 2544 report: the cells of its tables and the geometry of its
// charts (tables of cases), and fixture reports rendered through the real
// writer and read back with pdftotext.

#include "../support/reportfixture.h"
#include "rfcrecords.h"
#include "rfcreport.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

constexpr int PageHeight = 14033;
constexpr int Left = 9917 * 2 / 21;
constexpr int Top = PageHeight / 15;
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// A 4000 x 2000 chart at (1000, 3000): plot left 1400, right 4599, top
// 3400, bottom 4600.
constexpr int X = 1000;
constexpr int Y = 3000;
constexpr int PlotLeft = X + 400;
constexpr int PlotTop = Y + 400;
constexpr int PlotBottom = Y + 2000 - 400;

rfc_settings_t rfcSettings(std::initializer_list<int> enabledRows)
{
    rfc_settings_t s{};
    s.header.level3 = 1;
    s.header.ipDest = 0xC0A80105;
    s.header.ttl = 64;
    s.throughputOn = 1;
    s.latencyOn = 1;
    s.frameLossOn = 0;
    s.backToBackOn = 1;
    s.throughputTime = 60;
    s.throughputMax = 100;
    s.throughputMin = 10;
    s.latencyTime = 120;
    s.latencyCount = 20;
    for (int i = 0; i < RfcFrameRows; ++i)
        s.userLoad[i] = uint8_t(50 + i);
    s.frameLossTime = 30;
    s.frameLossMax = 100;
    s.frameLossMin = 70;
    s.frameLossStep = 10;
    s.backToBackMin = 2;
    s.backToBackMax = 7;
    s.backToBackCount = 50;
    const uint16_t sizes[RfcFrameRows] = {64, 128, 256, 512, 1024, 1280, 1518, 9600};
    for (int i = 0; i < RfcFrameRows; ++i)
        s.frame[i].size = sizes[i];
    for (int i : enabledRows)
        s.frame[i].enabled = 1;
    return s;
}

// Frame sizes 64, 512 and 1518 ran; 128 was off.
rfc_results_t rfcResults()
{
    rfc_results_t r{};
    for (int i = 0; i < RfcFrameRows; ++i) {
        r.throughput[i].status = StatusWait;
        r.latency[i].status = StatusWait;
        r.backToBack[i].status = StatusWait;
    }
    r.throughput[0] = rfc_throughput_row_t{StatusOk, {}, 100.0f, 761.9f, 1000.0f};
    r.throughput[1] = rfc_throughput_row_t{StatusOff, {}, 55.0f, 1, 1};
    r.throughput[3] = rfc_throughput_row_t{StatusOk, {}, 99.5f, 0.0125f, 0.01f};
    r.throughput[6] = rfc_throughput_row_t{StatusError, {}, 12.345f, 0.0005f, 0.0004f};
    r.latency[0].latency = 500;
    r.latency[0].status = StatusOk;
    r.latency[3].latency = 5000;
    r.latency[3].status = StatusOk;
    r.latency[1].status = StatusOff;
    r.latency[6].latency = 2500000;
    r.latency[6].status = StatusRunning;
    r.backToBack[0] = rfc_back_to_back_row_t{StatusOk, {}, 120.0f, 3, {}};
    r.backToBack[3] = rfc_back_to_back_row_t{StatusOk, {}, 1234567.0f, 6, {}};
    r.backToBack[6] = rfc_back_to_back_row_t{StatusOff, {}, 5, 5, {}};
    const uint8_t loads[] = {100, 90, 80, 70};
    const float losses[3][4] = {{3, 1, 0, -1}, {12.5f, 2.25f, 0.5f, 0}, {-1, -1, 40, 25}};
    const int rows[3] = {0, 3, 6};
    for (int k = 0; k < 3; ++k) {
        rfc_frame_loss_row_t &f = r.frameLoss[rows[k]];
        f.status = StatusOk;
        for (int j = 0; j < 4; ++j) {
            f.load[j] = loads[j];
            f.loss[j] = losses[k][j];
        }
    }
    return r;
}

QByteArray rfcReport(const rfc_settings_t &s, const rfc_results_t &r)
{
    return ReportFixture(TestRfc2544).settings(s).results(r).bytes();
}

// The first line of the chart's items of a colour, sorted as drawn.
QVector<QLine> linesIn(const ReportChart &chart, const QColor &colour)
{
    QVector<QLine> lines;
    for (const ReportChartItem &item : chart.ofKind(ReportChartItem::Line)) {
        if (item.pen == colour)
            lines << item.line;
    }
    return lines;
}

QStringList textsOf(const ReportChart &chart)
{
    QStringList texts;
    for (const ReportChartItem &item : chart.ofKind(ReportChartItem::Text))
        texts << item.text;
    return texts;
}

const ReportChartItem *textItem(const ReportChart &chart, const QString &text)
{
    for (const ReportChartItem &item : chart.items) {
        if (item.kind == ReportChartItem::Text && item.text == text)
            return &item;
    }
    return nullptr;
}

} // namespace

class TestPdfRfc : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void throughputCells_data();
    void throughputCells();
    void latencyCells_data();
    void latencyCells();
    void backToBackCells_data();
    void backToBackCells();
    void lossTextAndChartValue();
    void lossPoints_data();
    void lossPoints();

    void barChartPlaces_data();
    void barChartPlaces();
    void barChartTexts_data();
    void barChartTexts();
    void barChartWithoutValues();
    void barsStayInTheirChart_data();
    void barsStayInTheirChart();
    void frameLossChart();

    void report();
    void reportCutShortIsRefused();
    void frameLossChartsTwoPerLine();
    void frameLossTableOverSeveralPages();
    void noFrameSizeEnabled();

private:
    QTemporaryDir m_dir;
    QString m_pdf;
};

void TestPdfRfc::init()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
    QFile::remove(m_pdf);
}

// ---- tables ------------------------------------------------------------------

void TestPdfRfc::throughputCells_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<float>("load");
    QTest::addColumn<float>("l1");
    QTest::addColumn<float>("l2");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("off") << 8 << 50.0f << 1.0f << 1.0f << QStringList{"Off", "512", "-", "-", "-"};
    QTest::newRow("full load, Mbps") << 1 << 100.0f << 761.9f << 1000.0f
                                     << QStringList{"OK", "512", "100", "761.900 Mbps", "1000.000 Mbps"};
    QTest::newRow("just below 100") << 3 << 99.87654f << 1.0f << 0.5f
                                    << QStringList{"Running", "512", "99.8765", "1000.000 kbps", "500.000 kbps"};
    QTest::newRow("kbps") << 1 << 0.5f << 0.0125f << 0.01f
                                       << QStringList{"OK", "512", "0.5000", "12.500 kbps", "10.000 kbps"};
    QTest::newRow("bps up to 1000") << 1 << 0.0f << 0.0005f << 0.0004f
                                     << QStringList{"OK", "512", "0.0000", "500 bps", "400 bps"};
    QTest::newRow("wait shows its values") << 0 << 10.0f << 2.0f << 2.0f
                                           << QStringList{"Wait", "512", "10.0000", "2.000 Mbps", "2.000 Mbps"};
    QTest::newRow("load no number") << 1 << float(Nan) << 1.0f << 1.0f
                                    << QStringList{"OK", "512", "nan", "1000.000 kbps", "1000.000 kbps"};
    QTest::newRow("infinite load is not 100") << 1 << float(Inf) << 1.0f << 1.0f
                                              << QStringList{"OK", "512", "inf", "1000.000 kbps", "1000.000 kbps"};
}

void TestPdfRfc::throughputCells()
{
    QFETCH(int, status);
    QFETCH(float, load);
    QFETCH(float, l1);
    QFETCH(float, l2);
    QFETCH(QStringList, cells);
    const rfc_settings_t s = rfcSettings({});
    rfc_results_t r{};
    r.throughput[3] = rfc_throughput_row_t{uint8_t(status), {}, load, l1, l2};
    QCOMPARE(rfcReportThroughputCells(s, r, 3), cells);
    QVERIFY(rfcReportThroughputCells(s, r, 8).isEmpty());
    QVERIFY(rfcReportThroughputCells(s, r, -1).isEmpty());
}

void TestPdfRfc::latencyCells_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("userLoading");
    QTest::addColumn<float>("load");
    QTest::addColumn<double>("latency");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("throughput load, three digits") << 1 << false << 12.345f << 1500.0
                                                   << QStringList{"OK", "128", "12.3", "1.500 us"};
    QTest::newRow("full load") << 1 << false << 100.0f << 999.0 << QStringList{"OK", "128", "100", "999 ns"};
    QTest::newRow("user load") << 1 << true << 12.345f << 2.5e6 << QStringList{"OK", "128", "51", "2.500 ms"};
    QTest::newRow("off") << 8 << false << 12.0f << 1.0 << QStringList{"Off", "128", "-", "-"};
    QTest::newRow("below half a nanosecond") << 2 << false << 1.0f << 0.4 << QStringList{"Error", "128", "1", "0"};
    QTest::newRow("beyond a float") << 1 << false << 1.0f << 1e300 << QStringList{"OK", "128", "1", "-"};
}

void TestPdfRfc::latencyCells()
{
    QFETCH(int, status);
    QFETCH(bool, userLoading);
    QFETCH(float, load);
    QFETCH(double, latency);
    QFETCH(QStringList, cells);
    rfc_settings_t s = rfcSettings({});
    s.userLoading = userLoading ? 2 : 0;   // any non-zero byte is on
    rfc_results_t r{};
    r.throughput[1].load = load;
    r.latency[1].latency = latency;
    r.latency[1].status = uint8_t(status);
    QCOMPARE(rfcReportLatencyCells(s, r, 1), cells);
}

void TestPdfRfc::backToBackCells_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<float>("quantity");
    QTest::addColumn<int>("time");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("plain") << 1 << 120.0f << 3 << QStringList{"OK", "9600", "120", "3"};
    // A count of frames is a whole number, however large: never an exponent.
    QTest::newRow("fraction rounds") << 1 << 123.4567f << 0 << QStringList{"OK", "9600", "123", "0"};
    QTest::newRow("half rounds up") << 1 << 2.5f << 0 << QStringList{"OK", "9600", "3", "0"};
    QTest::newRow("one million") << 1 << 1000000.0f << 1 << QStringList{"OK", "9600", "1000000", "1"};
    QTest::newRow("above one million") << 1 << 2976190.0f << 65535
                                       << QStringList{"OK", "9600", "2976190", "65535"};
    QTest::newRow("beyond 32 bits") << 1 << 1e10f << 2 << QStringList{"OK", "9600", "10000000000", "2"};
    QTest::newRow("no number") << 1 << float(NAN) << 2 << QStringList{"OK", "9600", "nan", "2"};
    QTest::newRow("off") << 8 << 120.0f << 3 << QStringList{"Off", "9600", "-", "-"};
}

void TestPdfRfc::backToBackCells()
{
    QFETCH(int, status);
    QFETCH(float, quantity);
    QFETCH(int, time);
    QFETCH(QStringList, cells);
    const rfc_settings_t s = rfcSettings({});
    rfc_results_t r{};
    r.backToBack[7] = rfc_back_to_back_row_t{uint8_t(status), {}, quantity, uint16_t(time), {}};
    QCOMPARE(rfcReportBackToBackCells(s, r, 7), cells);
}

void TestPdfRfc::lossTextAndChartValue()
{
    QCOMPARE(rfcReportLossText(0.5f), QStringLiteral("0.5000"));
    QCOMPARE(rfcReportLossText(0.0f), QStringLiteral("0.0000"));
    QCOMPARE(rfcReportLossText(-1.0f), QStringLiteral("-"));
    QCOMPARE(rfcReportLossText(float(Nan)), QStringLiteral("nan"));
    // Only "Wait" (0) and "Off" (8) of the codes 0-12 draw no bar.
    for (int status = 0; status <= 12; ++status)
        QCOMPARE(rfcReportChartValue(uint8_t(status), 7.5), (status == 0 || status == 8) ? 0.0 : 7.5);
}

void TestPdfRfc::lossPoints_data()
{
    QTest::addColumn<QVector<int>>("loads");
    QTest::addColumn<QVector<float>>("losses");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QList<QPointF>>("points");
    QTest::newRow("ends at the first zero load")
        << QVector<int>{100, 90, 80, 70, 0, 50} << QVector<float>{3, 1, 0, -1, 9, 9} << 4
        << QList<QPointF>{{100, 3}, {90, 1}, {80, 0}, {70, 0}};
    QTest::newRow("no step") << QVector<int>{0, 90} << QVector<float>{1, 1} << 0 << QList<QPointF>{};
    QTest::newRow("losses beyond 100 % or no number")
        << QVector<int>{255, 1} << QVector<float>{250, float(Nan)} << 2 << QList<QPointF>{{255, 100}, {1, 0}};
}

void TestPdfRfc::lossPoints()
{
    QFETCH(QVector<int>, loads);
    QFETCH(QVector<float>, losses);
    QFETCH(int, steps);
    QFETCH(QList<QPointF>, points);
    rfc_frame_loss_row_t row{};
    for (int j = 0; j < loads.size(); ++j) {
        row.load[j] = uint8_t(loads.at(j));
        row.loss[j] = losses.at(j);
    }
    QCOMPARE(rfcReportLossSteps(row), steps);
    QCOMPARE(rfcReportLossPoints(row), points);

    // A row whose every load is set has its hundred steps and no more.
    std::memset(row.load, 7, sizeof row.load);
    QCOMPARE(rfcReportLossSteps(row), RfcLossSteps);
    QCOMPARE(rfcReportLossPoints(row).size(), RfcLossSteps);
}

// ---- charts ------------------------------------------------------------------

void TestPdfRfc::barChartPlaces_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("firstBarLeft");
    QTest::newRow("eight categories") << 8 << 355 << 177 << PlotLeft + 267;
    QTest::newRow("three categories") << 3 << 800 << 400 << PlotLeft + 600;
    QTest::newRow("one category") << 1 << 1600 << 800 << PlotLeft + 1200;
}

void TestPdfRfc::barChartPlaces()
{
    QFETCH(int, count);
    QFETCH(int, step);
    QFETCH(int, barWidth);
    QFETCH(int, firstBarLeft);
    QStringList labels;
    QList<double> values;
    for (int i = 0; i < count; ++i) {
        labels << QString::number(64 << i);
        values << 10.0 * (i + 1);
    }
    const ReportChart chart = rfcReportBarChart(X, Y, 4000, 2000, QStringLiteral("T"), labels, values,
                                                RfcReportBars::Plain);

    const QVector<ReportChartItem> boxes = chart.ofKind(ReportChartItem::Box);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().rect, QRect(X, Y, 3999, 1999));
    QCOMPARE(boxes.first().brush, QColor(Qt::white));
    const QVector<QLine> axes = linesIn(chart, Qt::black);
    QCOMPARE(axes, (QVector<QLine>{QLine(PlotLeft - 1, PlotBottom + 100, PlotLeft - 1, PlotTop - 100),
                                   QLine(PlotLeft - 100, PlotBottom, X + 4000 - 401 + 101, PlotBottom)}));

    // One grey vertical per category, four horizontals 300 apart from the plot top.
    QVector<QLine> grid = linesIn(chart, Qt::gray);
    QCOMPARE(grid.size(), count + 4);
    for (int k = 1; k <= count; ++k)
        QCOMPARE(grid.at(k - 1), QLine(PlotLeft + k * step, PlotBottom + 40, PlotLeft + k * step, PlotTop - 1));
    for (int k = 0; k < 4; ++k)
        QCOMPARE(grid.at(count + k), QLine(PlotLeft - 40, PlotTop - 1 + 300 * k, X + 3599, PlotTop - 1 + 300 * k));

    // Bars from the axis up, the largest to the plot top.
    const QVector<ReportChartItem> bars = chart.ofKind(ReportChartItem::Bar);
    QCOMPARE(bars.size(), count);
    for (int i = 0; i < count; ++i) {
        const QRect &bar = bars.at(i).rect;
        QCOMPARE(bar.left(), firstBarLeft + step * i);
        QCOMPARE(bar.width(), barWidth);
        QCOMPARE(bar.bottom() + 1, PlotBottom);
        QCOMPARE(bar.height(), 1200 * (i + 1) / count);
        QCOMPARE(bars.at(i).brush, QColor(128, 0, 0));
        QCOMPARE(bars.at(i).pen, QColor(255, 0, 0));
    }
    QCOMPARE(bars.last().rect.top(), PlotTop);

    // Labels centred under their bars by 60 units a character.
    const ReportChartItem *first = textItem(chart, labels.first());
    QVERIFY(first);
    QCOMPARE(first->at, QPoint(PlotLeft + step - labels.first().size() * 30, PlotBottom + 140));
    QCOMPARE(first->pointSize, 7);
    const ReportChartItem *title = textItem(chart, QStringLiteral("T"));
    QVERIFY(title);
    QCOMPARE(title->at, QPoint(X + 600, Y + 199));
    QCOMPARE(title->pointSize, 0);
}

void TestPdfRfc::barChartTexts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("barTexts");
    QTest::addColumn<QStringList>("axisTexts");
    QTest::newRow("100 with one decimal, 99.5 with two")
        << int(RfcReportBars::Plain) << QList<double>{100, 99.5} << "Throughput, %" << QStringList{"100.0", "99.50"}
        << QStringList{"0.00", "25.00", "50.00", "75.00", "100.00"};
    QTest::newRow("all zero") << int(RfcReportBars::Plain) << QList<double>{0, 0, 0} << "Throughput, %"
                              << QStringList{"0.00", "0.00", "0.00"}
                              << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00"};
    // One unit for the axis and every bar: that of the largest value.
    QTest::newRow("latency in microseconds")
        << int(RfcReportBars::Latency) << QList<double>{500, 5000} << "Latency, us" << QStringList{"0.50", "5.00"}
        << QStringList{"0", "1.25", "2.50", "3.75", "5.00"};
    QTest::newRow("nanoseconds beside milliseconds")
        << int(RfcReportBars::Latency) << QList<double>{500, 5000, 2.5e6} << "Latency, ms"
        << QStringList{"0.0005", "0.005", "2.50"} << QStringList{"0", "0.63", "1.25", "1.88", "2.50"};
    QTest::newRow("latency of zeros has no unit") << int(RfcReportBars::Latency) << QList<double>{0, 0} << "Latency"
                                                  << QStringList{"0", "0"} << QStringList{"0", "0", "0", "0", "0"};
}

void TestPdfRfc::barChartTexts()
{
    QFETCH(int, kind);
    QFETCH(QList<double>, values);
    QFETCH(QString, title);
    QFETCH(QStringList, barTexts);
    QFETCH(QStringList, axisTexts);
    QStringList labels;
    for (int i = 0; i < values.size(); ++i)
        labels << QString::number(i);
    const QString caption = kind == int(RfcReportBars::Latency) ? QStringLiteral("Latency") : title;
    const ReportChart chart = rfcReportBarChart(X, Y, 4000, 2000, caption, labels, values, RfcReportBars(kind));
    // Title, category labels, five value-axis labels from the foot up, one
    // text per bar.
    QCOMPARE(textsOf(chart), QStringList{title} + labels + axisTexts + barTexts);
    int k = 0;
    for (const ReportChartItem &item : chart.ofKind(ReportChartItem::Text)) {
        if (item.at.x() == PlotLeft - 380)
            QCOMPARE(item.at.y(), PlotBottom - 300 * k++);
    }
    QCOMPARE(k, 5);
}

void TestPdfRfc::barChartWithoutValues()
{
    // Box, title and axes only: no grid, no labels, nothing divided.
    const ReportChart chart = rfcReportBarChart(X, Y, 4000, 2000, QStringLiteral("Throughput, %"), {}, {},
                                                RfcReportBars::Plain);
    QCOMPARE(chart.items.size(), 4);
    QCOMPARE(chart.ofKind(ReportChartItem::Box).size(), 1);
    QCOMPARE(textsOf(chart), QStringList{"Throughput, %"});
    QCOMPARE(linesIn(chart, Qt::black).size(), 2);
    const ReportChart latency = rfcReportBarChart(X, Y, 4000, 2000, QStringLiteral("Latency"), {}, {},
                                                  RfcReportBars::Latency);
    QCOMPARE(textsOf(latency), QStringList{"Latency"});
}

void TestPdfRfc::barsStayInTheirChart_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QVector<int>>("heights");
    QTest::addColumn<QStringList>("barTexts");
    QTest::newRow("no number and infinity draw no bar")
        << QList<double>{Nan, 50, Inf, -Inf} << QVector<int>{0, 1200, 0, 0} << QStringList{"nan", "50.00", "inf", "-inf"};
    QTest::newRow("negative values draw no bar")
        << QList<double>{-5, 10, -0.5} << QVector<int>{0, 1200, 0} << QStringList{"-5.00", "10.00", "-0.50"};
    QTest::newRow("nothing but no numbers") << QList<double>{Nan, Nan} << QVector<int>{0, 0}
                                            << QStringList{"nan", "nan"};
    QTest::newRow("the largest doubles") << QList<double>{std::numeric_limits<double>::max(), 1,
                                                          -std::numeric_limits<double>::max()}
                                         << QVector<int>{1200, 0, 0} << QStringList{};
}

void TestPdfRfc::barsStayInTheirChart()
{
    QFETCH(QList<double>, values);
    QFETCH(QVector<int>, heights);
    QFETCH(QStringList, barTexts);
    QStringList labels;
    for (int i = 0; i < values.size(); ++i)
        labels << QString::number(i);
    const ReportChart chart = rfcReportBarChart(X, Y, 4000, 2000, QStringLiteral("T"), labels, values,
                                                RfcReportBars::Plain);
    const QVector<ReportChartItem> bars = chart.ofKind(ReportChartItem::Bar);
    QCOMPARE(bars.size(), values.size());
    for (int i = 0; i < bars.size(); ++i) {
        QCOMPARE(bars.at(i).rect.height(), heights.at(i));
        QCOMPARE(bars.at(i).rect.top(), PlotBottom - heights.at(i));
    }
    const QStringList texts = textsOf(chart);
    QCOMPARE(texts.mid(texts.size() - barTexts.size()), barTexts);
    // A bar's text keeps to its category's width, less a gap to the next.
    for (const ReportChartItem &item : chart.ofKind(ReportChartItem::Text)) {
        if (item.at.y() < PlotBottom && item.at.x() != PlotLeft - 380 && item.pointSize == 7) {
            QCOMPARE(item.room, 3200 / (values.size() + 1) - 40);
            QVERIFY(item.centred);
        }
    }
}

void TestPdfRfc::frameLossChart()
{
    const ReportChart chart = rfcReportFrameLossChart(X, Y, 4000, 2000, QStringLiteral("Frameloss, frame 64b"),
                                                      {{100, 100}, {90, 50}, {0, 0}});
    // A loss of 100 %: loss axis 0-100 by 20 (grey lines but at 0), load
    // axis 0-100 by 10.
    const QVector<QLine> grey = linesIn(chart, Qt::gray);
    QCOMPARE(grey.size(), 5 + 10);
    QCOMPARE(grey.first(), QLine(PlotLeft - 40, PlotBottom - 240, X + 3599, PlotBottom - 240));
    QCOMPARE(grey.at(4), QLine(PlotLeft - 40, PlotTop, X + 3599, PlotTop));
    QCOMPARE(grey.at(5), QLine(PlotLeft + 320, PlotBottom + 40, PlotLeft + 320, PlotTop - 1));
    QCOMPARE(grey.last(), QLine(PlotLeft + 3200, PlotBottom + 40, PlotLeft + 3200, PlotTop - 1));
    QCOMPARE(textsOf(chart), (QStringList{"Frameloss, frame 64b", "0", "20", "40", "60", "80", "100", "0", "10", "20",
                                          "30", "40", "50", "60", "70", "80", "90", "100"}));
    // "100" on the loss axis ends 140 left of the plot; "50" of the load
    // axis is centred on its line, under the plot.
    const QVector<ReportChartItem> texts = chart.ofKind(ReportChartItem::Text);
    QCOMPARE(texts.at(6).text, QStringLiteral("100"));
    QCOMPARE(texts.at(6).at, QPoint(PlotLeft - 180 - 140, PlotTop + 20));
    QCOMPARE(texts.at(12).at, QPoint(PlotLeft + 1600 - 60, PlotBottom + 200));

    // The curve in list order; load 100 and loss 100 land on the plot's top right.
    QCOMPARE(linesIn(chart, Qt::red),
             (QVector<QLine>{QLine(PlotLeft + 3200, PlotTop, PlotLeft + 2880, PlotBottom - 600),
                             QLine(PlotLeft + 2880, PlotBottom - 600, PlotLeft, PlotBottom)}));

    // One point draws no curve; the axes, grid and labels are complete.
    const ReportChart single = rfcReportFrameLossChart(X, Y, 4000, 2000, QStringLiteral("F"), {{50, 50}});
    QVERIFY(linesIn(single, Qt::red).isEmpty());
    QCOMPARE(linesIn(single, Qt::gray).size(), 15);
    QCOMPARE(textsOf(single).size(), 18);

    // Losses of a few tenths of a per cent fill an axis of 0.5 %.
    const ReportChart small = rfcReportFrameLossChart(X, Y, 4000, 2000, QStringLiteral("F"),
                                                      {{100, 0.5}, {90, 0.2}, {80, 0}});
    QCOMPARE(textsOf(small).mid(1, 6), (QStringList{"0", "0.1", "0.2", "0.3", "0.4", "0.5"}));
    QCOMPARE(linesIn(small, Qt::red),
             (QVector<QLine>{QLine(PlotLeft + 3200, PlotTop, PlotLeft + 2880, PlotBottom - 480),
                             QLine(PlotLeft + 2880, PlotBottom - 480, PlotLeft + 2560, PlotBottom)}));
    // Hundredths: labels of five characters still begin inside the box.
    const ReportChart tiny = rfcReportFrameLossChart(X, Y, 4000, 2000, QStringLiteral("F"), {{100, 0.02}, {90, 0}});
    QCOMPARE(textsOf(tiny).mid(1, 6), (QStringList{"0", "0.004", "0.008", "0.012", "0.016", "0.02"}));
    for (const ReportChartItem &t : tiny.ofKind(ReportChartItem::Text))
        QVERIFY2(t.at.x() >= X + 30, qPrintable(t.text));
}

// ---- rendered ------------------------------------------------------------------

void TestPdfRfc::report()
{
    QVERIFY(renderReport(rfcReport(rfcSettings({0, 3, 6}), rfcResults()), m_pdf));
    const QString text = pdfText(m_pdf);
    const Rows rows{
        {"RFC 2544 test report"}, {"Frame size"}, {"Topology", "A >> B"}, {"Header settings"},
        {"IP destination", "192.168.1.5"}, {"TTL", "64"},
        // Throughput
        {"Throughput"}, {"Max load, %", "100"}, {"Min load, %", "10"}, {"Interval, s", "60"},
        {"Status", "Frame, B", "Load, %", "Thr L1", "Thr L2"},
        {"OK", "64", "100", "761.900 Mbps", "1000.000 Mbps"}, {"Off", "128", "-", "-", "-"},
        {"Wait", "256", "0.0000", "0 bps", "0 bps"},
        {"OK", "512", "99.5000", "12.500 kbps", "10.000 kbps"},
        {"Error", "1518", "12.3450", "500 bps", "400 bps"}, {"Throughput, %"},
        // Latency
        {"Iterations", "20"}, {"Interval, s", "120"}, {"User load"}, {"64", "50"}, {"9600", "57"},
        {"Status", "Frame, B", "Load, %", "Latency"}, {"OK", "64", "100", "500 ns"},
        {"Off", "128", "-", "-"}, {"OK", "512", "99.5", "5.000 us"}, {"Running", "1518", "12.3", "2.500 ms"},
        // The chart in the unit of its largest latency, 2.5 ms.
        {"Latency, ms"},
        // Back to back
        {"Back-to-back"}, {"Iterations", "50"}, {"Min interval, s", "2"}, {"Max interval, s", "7"},
        {"Status", "Frame, B", "Quantity", "T, s"}, {"OK", "64", "120", "3"}, {"OK", "512", "1234567", "6"},
        {"Off", "1518", "-", "-"}, {"Back-to-back T, s"},
        // Frame loss
        {"Frame loss"}, {"Interval, s", "30"}, {"Load step, %", "10"}, {"Starting load, %", "100"},
        {"Ending load, %", "70"}, {"Frame loss, frame 64 B"}, {"Frame loss, frame 512 B"}, {"Frame loss, frame 1518 B"},
        {"64", "512", "1518"}, {"OK", "OK", "OK"}, {"100", "3.0000", "12.5000", "-"}, {"90", "1.0000", "2.2500", "-"},
        {"80", "0.0000", "0.5000", "40.0000"}, {"70", "-", "0.0000", "25.0000"}};
    for (const QStringList &row : rows)
        QVERIFY2(hasRow(text, row), qPrintable(row.join(QLatin1Char('|')) + QStringLiteral(" not in:\n") + text));
    // Rows that are off have no chart and no frame loss column.
    QVERIFY(!text.contains(QLatin1String("frame 128b")));

    // Page 1 holds the heading only and is numbered 1; the body starts page 2.
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QString wrong = pageNumbersWrong(words);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    const QList<PdfWord> sizes = findPhrase(words, QStringLiteral("Frame size"));
    QCOMPARE(sizes.size(), 1);
    QCOMPARE(sizes.first().page, 2);
    QVERIFY(sizes.first().top < Top + 200);
    QVERIFY(qAbs(sizes.first().left - (Left + 4100 + 30)) < 8);
    // The settings column starts level with the frame sizes.
    const QList<PdfWord> settings = findPhrase(words, QStringLiteral("Settings"));
    QVERIFY(!settings.isEmpty());
    QCOMPARE(settings.first().page, 2);
    QVERIFY(qAbs(settings.first().top - sizes.first().top) < 8);
    for (const PdfWord &w : words)
        QVERIFY2(w.page > 1 || w.text != QLatin1String("Throughput"), "body on page 1");

    // The latency chart stands beside its table, level with its "Results".
    const QList<PdfWord> latencyChart = findPhrase(words, QStringLiteral("Latency, ms"));
    QCOMPARE(latencyChart.size(), 1);
    QVERIFY(latencyChart.first().left > Left + 4100 + 500);
}

void TestPdfRfc::reportCutShortIsRefused()
{
    const QByteArray report = rfcReport(rfcSettings({0, 3, 6}), rfcResults());
    QVERIFY(!renderReport(report.left(report.size() - 1), m_pdf));
    QVERIFY(!QFile::exists(m_pdf));
}

void TestPdfRfc::frameLossChartsTwoPerLine()
{
    // Three frame sizes: the first at x, the second beside it at x + 4100,
    // the third at x on the next line; the results table below the third.
    QVERIFY(renderReport(rfcReport(rfcSettings({0, 3, 6}), rfcResults()), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    QList<PdfWord> titles;
    for (const char *size : {"64 B", "512 B", "1518 B"}) {
        const QList<PdfWord> found = findPhrase(words, QStringLiteral("Frame loss, frame %1").arg(QLatin1String(size)));
        QCOMPARE(found.size(), 1);
        titles << found.first();
    }
    QCOMPARE(titles.at(0).page, titles.at(1).page);
    QVERIFY(qAbs(titles.at(0).top - titles.at(1).top) < 8);
    QVERIFY(qAbs(titles.at(0).left - (Left + 600)) < 8);
    QVERIFY(qAbs(titles.at(1).left - (Left + 4100 + 600)) < 8);
    QVERIFY(qAbs(titles.at(2).left - (Left + 600)) < 8);
    const double third = titles.at(2).page == titles.at(0).page ? titles.at(2).top - titles.at(0).top : 2200;
    QVERIFY2(qAbs(third - 2200) < 8 || titles.at(2).page > titles.at(0).page, qPrintable(QString::number(third)));

    const QList<PdfWord> loads = findPhrase(words, QStringLiteral("70 - 0.0000 25.0000"));
    QCOMPARE(loads.size(), 1);
    QVERIFY(loads.first().page > titles.at(2).page || loads.first().top > titles.at(2).top + 2000);
}

void TestPdfRfc::frameLossTableOverSeveralPages()
{
    // A hundred load steps: the table runs over further pages, each row on
    // a page, every page numbered.
    rfc_settings_t s = rfcSettings({1, 2});
    s.frameLossOn = 1;
    rfc_results_t r = rfcResults();
    for (int i : {1, 2}) {
        r.frameLoss[i].status = StatusOk;
        for (int j = 0; j < RfcLossSteps; ++j) {
            r.frameLoss[i].load[j] = uint8_t(100 - j / 2);
            r.frameLoss[i].loss[j] = i == 1 ? float(j) : -1.0f;
        }
    }
    QVERIFY(renderReport(rfcReport(s, r), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QString wrong = pageNumbersWrong(words);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QVERIFY(pdfPageCount(words) >= 5);
    const QString text = pdfText(m_pdf);
    for (int j = 0; j < RfcLossSteps; ++j) {
        const QStringList row{QString::number(100 - j / 2), QStringLiteral("%1.0000").arg(j), QStringLiteral("-")};
        QVERIFY2(hasRow(text, row), qPrintable(row.join(QLatin1Char('|'))));
    }
    // No row of the table starts below the page's foot: every row's text
    // stays above the page number.
    for (const PdfWord &w : words)
        QVERIFY2(w.bottom < PageHeight - 700 || w.top > PageHeight - 700, qPrintable(w.text));
}

void TestPdfRfc::noFrameSizeEnabled()
{
    // No frame size takes part: empty charts (nothing divided), and the
    // frame loss results hold the load steps of frame size 0 alone.
    QVERIFY(renderReport(rfcReport(rfcSettings({}), rfcResults()), m_pdf));
    const QString text = pdfText(m_pdf);
    for (const QStringList &row : Rows{{"Throughput, %"}, {"Latency"}, {"Back-to-back T, s"}, {"100"}, {"90"},
                                       {"80"}, {"70"}, {"OK", "64", "100", "761.900 Mbps", "1000.000 Mbps"}})
        QVERIFY2(hasRow(text, row), qPrintable(row.join(QLatin1Char('|')) + QStringLiteral(" not in:\n") + text));
    QVERIFY(!text.contains(QLatin1String("Frame loss, frame")));
    QVERIFY(!hasRow(text, {"100", "3.0000"}));
    const QString wrong = pageNumbersWrong(pdfWords(m_pdf));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

QTEST_MAIN(TestPdfRfc)
#include "tst_pdfrfc.moc"
