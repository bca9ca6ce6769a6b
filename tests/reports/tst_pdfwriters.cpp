// Each report writer: a fixture report built from the layout and the test's
// records, rendered through the real writer, its rows read back with
// pdftotext. One strong fixture per writer, and the cases where its numbers
// could go wrong.

#include "jitterrecords.h"
#include "rateunits.h"
#include "reportfixture.h"
#include "trafficrecords.h"

#include <QtTest>

#include <limits>

namespace {

// A table row as pdftotext lays it out: its cells in order on one line.
bool hasRow(const QString &text, const QStringList &cells)
{
    QStringList parts;
    for (const QString &cell : cells)
        parts << QRegularExpression::escape(cell);
    const QRegularExpression row(QStringLiteral("(^|\\s)") + parts.join(QStringLiteral("\\s+")) + QStringLiteral("(\\s|$)"),
                                 QRegularExpression::MultilineOption);
    return row.match(text).hasMatch();
}

using Rows = QList<QStringList>;

header_settings_t udpHeader()
{
    header_settings_t h{};
    h.level3 = 1;
    h.level4 = 1;
    h.qosMode = QosDscp;
    h.dscp = 46 << DscpShift;
    h.ipDest = 0x0A000002;
    h.ttl = 128;
    h.udpSrc = 7;
    h.udpDst = 9;
    return h;
}

traffic_settings_t trafficSettings()
{
    traffic_settings_t s{};
    s.header = udpHeader();
    s.rateUnit = 6;   // only the two low bits count: kbps
    s.rate = 750;
    s.flrThreshold = 0.001f;
    s.packetLength = 1518;
    s.duration = 25 * 3600 + 61;
    s.learningInterval = 150;
    s.waitInterval = 2500;
    return s;
}

traffic_results_t trafficResults()
{
    traffic_results_t r{};
    r.startTime = 5000;
    r.currentTime = 5100;
    r.estimatedTime = 60;
    r.status = StatusOk;
    r.txFrames = 1000;
    r.rxFrames = 990;
    r.txBytes = 5000000000ull;
    r.rate = 125001;
    r.pdv = 1500;
    r.latency = 2500000;
    r.lostFrames = 12345;   // not read by the report: the loss is Tx - Rx
    r.runts = 5;
    r.jabber = 0;
    r.crcErrors = 2;
    r.pause = 3;
    return r;
}

jitter_settings_t jitterSettings()
{
    jitter_settings_t s{};
    s.packetLength = 512;
    s.rate = 250;
    s.rateUnit = RateUnitKbps;
    s.duration = 3600;
    s.threshold = 10;
    s.header = udpHeader();
    return s;
}

jitter_results_t jitterResults()
{
    jitter_results_t r{};
    r.passedTime = 3700;
    r.rxAll = 200;
    r.rxInOrder = 150;
    r.bins[0] = 3;
    r.bins[8] = 197;
    return r;
}

} // namespace

class TestPdfWriters : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void traffic_data();
    void traffic();
    void jitter_data();
    void jitter();

private:
    // Renders the report and checks its rows; the rows of absent must not be there.
    void check(const QByteArray &report, const Rows &rows, const Rows &absent = {});

    QTemporaryDir m_dir;
    QString m_pdf;
};

void TestPdfWriters::init()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
    QFile::remove(m_pdf);
}

void TestPdfWriters::check(const QByteArray &report, const Rows &rows, const Rows &absent)
{
    QVERIFY(renderReport(report, m_pdf));
    const QString text = pdfText(m_pdf);
    QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
    for (const QStringList &row : rows)
        QVERIFY2(hasRow(text, row), qPrintable(row.join(QLatin1Char('|')) + QStringLiteral(" not in:\n") + text));
    for (const QStringList &row : absent)
        QVERIFY2(!hasRow(text, row), qPrintable(row.join(QLatin1Char('|'))));
}

void TestPdfWriters::traffic_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Rows>("absent");

    QTest::newRow("fixture") << ReportFixture(TestTraffic).settings(trafficSettings()).results(trafficResults()).bytes()
                             << Rows{{"Trafic test report"}, {"Topology", "A >> B"},
                                     {"IP destination", "10.0.0.2"}, {"TTL", "128"}, {"UDP source", "7"},
                                     {"EF", "( 101110 )"},
                                     {"Units", "kbps"}, {"Rate", "750"}, {"Threshold FLR", "0.00100"},
                                     {"Packet length, b", "1518"}, {"Duration", "25:01:01"},
                                     {"Learning Int., ms", "150"}, {"Wait Interval, ms", "2500"},
                                     {"Elapsed time", "00:01:40"}, {"Estimate time", "00:00:00"},
                                     {"Status", "OK"}, {"Count", "Coef"},
                                     {"Tx frames", "1000"}, {"Rx frames", "990"}, {"Tx bytes", "5000000000"},
                                     {"Vrt", "1.00Mbps"}, {"PDV", "1.5us"}, {"Latency", "2.5ms"},
                                     {"Loss frames", "10", "0.01000"}, {"Runts", "5", "0.00500"},
                                     {"Jabber", "0", "0.00000"}, {"CRC", "2", "0.00200"},
                                     {"Error frames", "7", "0.00700"}, {"Pause", "3"}}
                             << Rows{{"12345"}};

    traffic_results_t more = trafficResults();
    more.txFrames = 100;
    more.rxFrames = 150;
    QTest::newRow("more received than sent: no loss")
        << ReportFixture(TestTraffic).settings(trafficSettings()).results(more).bytes()
        << Rows{{"Loss frames", "0", "0.00000"}} << Rows{{"4294967246"}};

    traffic_results_t none = trafficResults();
    none.txFrames = 0;
    none.rxFrames = 0;
    QTest::newRow("nothing sent: coefficients 0")
        << ReportFixture(TestTraffic).settings(trafficSettings()).results(none).bytes()
        << Rows{{"Loss frames", "0", "0"}, {"Runts", "5", "0"}, {"Error frames", "7", "0"}} << Rows{};

    traffic_results_t wrap = trafficResults();
    wrap.txFrames = 0xFFFFFFFFu;
    wrap.rxFrames = 0xFFFFFFFFu;
    wrap.runts = 0xFFFFFFFFu;
    wrap.jabber = 1;
    wrap.crcErrors = 1;
    QTest::newRow("error frames beyond 32 bits")
        << ReportFixture(TestTraffic).settings(trafficSettings()).results(wrap).bytes()
        << Rows{{"Error frames", "4294967297", "1.00000"}, {"Runts", "4294967295", "1.00000"}} << Rows{};

    traffic_settings_t odd = trafficSettings();
    odd.flrThreshold = std::numeric_limits<float>::quiet_NaN();
    odd.rateUnit = 3;
    traffic_results_t late = trafficResults();
    late.status = 200;
    late.currentTime = 4000;   // the tester's clock behind the start
    QTest::newRow("NaN threshold, unknown status, clock behind the start")
        << ReportFixture(TestTraffic).topology(PortB, true).settings(odd).results(late).bytes()
        << Rows{{"Threshold FLR", "nan"}, {"Units", "Mbps"}, {"Status", "Unknown status"},
                {"Elapsed time", "00:00:00"}, {"Estimate time", "00:01:00"}, {"Topology", "B >> B"}}
        << Rows{};
}

void TestPdfWriters::traffic()
{
    QFETCH(QByteArray, report);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    check(report, rows, absent);
    // The same report cut by one byte is refused and leaves no file.
    QFile::remove(m_pdf);
    QVERIFY(!renderReport(report.left(report.size() - 1), m_pdf));
    QVERIFY(!QFile::exists(m_pdf));
}

void TestPdfWriters::jitter_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Rows>("absent");

    QTest::newRow("fixture") << ReportFixture(TestJitter).settings(jitterSettings()).results(jitterResults()).bytes()
                             << Rows{{"Jitter test report"}, {"Topology", "A >> B"}, {"EF", "( 101110 )"},
                                     {"Rate, kbps", "250"}, {"Frame size", "512"}, {"Duration", "01:00:00"},
                                     {"Threshold,ms", "10"},
                                     {"Elapsed time", "01:01:40"}, {"Estimate time", "00:00:00"},
                                     {"Rx frames", "Count", "%"}, {"All", "200"}, {"In order", "150", "75.00"},
                                     {"Not in order", "50", "25.00"},
                                     {"Jitter distribution"}, {"Jitter, ms", "%"},
                                     {"0.000-1.250", "1.50"}, {"1.250-2.500", "0.00"}, {"8.750-10.000", "0.00"},
                                     {">=10.000", "98.50"}}
                             << Rows{{"---"}};

    jitter_settings_t bps = jitterSettings();
    bps.rateUnit = RateUnitBps;
    bps.threshold = 1;
    jitter_results_t empty{};
    empty.passedTime = 100;
    QTest::newRow("no rate row in bps, nothing received")
        << ReportFixture(TestJitter).settings(bps).results(empty).bytes()
        << Rows{{"Estimate time", "00:58:20"}, {"Threshold,ms", "1"}, {"0.000-0.125", "---"}, {">=1.000", "---"},
                {"In order", "0"}, {"Not in order", "0"}}
        << Rows{{"Rate,"}, {"In order", "0", "0.00"}};

    jitter_settings_t percent = jitterSettings();
    percent.rateUnit = RateUnitPercent;
    jitter_results_t odd = jitterResults();
    odd.rxInOrder = 250;   // more in order than received at all
    QTest::newRow("more in order than received")
        << ReportFixture(TestJitter).settings(percent).results(odd).bytes()
        << Rows{{"Rate, %", "250"}, {"Not in order", "0", "0.00"}, {"In order", "250", "125.00"}}
        << Rows{{"18446744073709551566"}};
}

void TestPdfWriters::jitter()
{
    QFETCH(QByteArray, report);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    check(report, rows, absent);
}

QTEST_MAIN(TestPdfWriters)
#include "tst_pdfwriters.moc"
