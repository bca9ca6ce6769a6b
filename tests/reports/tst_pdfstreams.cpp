// The multistream and asymmetric traffic reports: fixtures built from the
// layout, rendered through the real writer, read back with pdftotext; the
// stream blocks two to a row and level, per-direction statistics, and every
// stream of a full multistream report on a numbered page.

#include "asymrecords.h"
#include "multirecords.h"
#include "../support/reportfixture.h"

#include <QtTest>

#include <limits>

namespace {

constexpr int PageWidth = 9917;
constexpr int PageHeight = 14033;
constexpr int Left = PageWidth * 2 / 21;
constexpr int Near = 8;   // device units of slack for poppler's rounding

// Level 3 with ToS/precedence, level 4 off: the header section still takes
// its full height.
header_settings_t tosHeader(uint32_t destination)
{
    header_settings_t h{};
    h.level3 = 1;
    h.qosMode = QosTos;
    h.tos = (5 << TosPrecedenceShift) | (4 << TosBitsShift);
    h.ipDest = destination;
    h.ttl = 64;
    return h;
}

stream_settings_t stream(uint16_t rate, uint8_t unit, uint16_t packetLength, uint32_t destination)
{
    stream_settings_t s{};
    s.active = 1;
    s.rate = rate;
    s.rateUnit = unit;
    s.packetLength = packetLength;
    s.header = tosHeader(destination);
    return s;
}

multi_settings_t multiSettings(std::initializer_list<int> active)
{
    multi_settings_t s{};
    s.duration = 3600;
    s.learningTime = 150;
    s.waitInterval = 2000;
    for (int k = 0; k < MultiStreamCount; ++k) {
        // Inactive streams hold values of their own that must not be shown.
        s.streams[k] = stream(uint16_t(4200 + k), 1, 9000, 0x0B000000u + uint32_t(k));
        s.streams[k].active = 0;
    }
    for (int k : active)
        s.streams[k].active = 1;
    return s;
}

multi_results_t multiResults()
{
    multi_results_t r{};
    r.elapsed = 600;
    for (int k = 0; k < MultiStreamCount; ++k)
        r.streams[k] = stream_result_t{float(k), uint32_t(7000 + k), uint32_t(7000 + k), 0};
    return r;
}

QByteArray multiReport(std::initializer_list<int> active)
{
    multi_settings_t s = multiSettings(active);
    s.streams[0] = stream(50, 0, 512, 0x0A000001);
    s.streams[3] = stream(100, 7, 1518, 0x0A000004);   // only the two low bits count: Mbps
    for (int k = 0; k < MultiStreamCount; ++k)
        s.streams[k].active = 0;
    for (int k : active)
        s.streams[k].active = 1;
    multi_results_t r = multiResults();
    r.streams[0] = stream_result_t{50.0f, 2000, 1990, 1500};
    r.streams[3] = stream_result_t{7.5f, 0, 0, 2500000};
    return ReportFixture(TestMultistream).settings(s).results(r).bytes();
}

flow_settings_t flow(uint8_t unit, uint16_t rate, uint16_t packetLength, float flr, uint32_t destination)
{
    flow_settings_t f{};
    f.header = tosHeader(destination);
    f.rateUnit = unit;
    f.rate = rate;
    f.packetLength = packetLength;
    f.maxFlr = flr;
    return f;
}

asym_settings_t asymSettings(uint8_t direction)
{
    asym_settings_t s{};
    s.statsBlank = 1;   // the form's switch; the report shows the statistics
    s.direction = direction;
    s.duration = 7200;
    s.learningInterval = 1500;
    s.waitInterval = 2500;
    s.output = flow(3, 100, 1518, 0.001f, 0x0A000001);
    s.input = flow(0, 50, 64, 0.5f, 0x0A000002);
    return s;
}

asym_results_t asymResults()
{
    asym_results_t r{};
    r.startTime = 100;
    r.currentTime = 160;
    r.duration = 50;
    r.status = StatusOk;
    r.output = flow_stats_t{1000, 999, 125001, 1500, 1, 1, 1, 4};
    r.input = flow_stats_t{0, 5, 0, 0, 2, 0, 0, 0};
    return r;
}

QList<PdfWord> wordsOf(const QString &pdf, const QString &phrase)
{
    return findPhrase(pdfWords(pdf), phrase);
}

} // namespace

class TestPdfStreams : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void reports_data();
    void reports();
    void streamPairsStandLevel_data();
    void streamPairsStandLevel();
    void thirdStreamBelowTheFirstPair();
    void allTenStreamsOnNumberedPages();
    void asymStatusInBothSections();

private:
    QTemporaryDir m_dir;
    QString m_pdf;
};

void TestPdfStreams::init()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
    QFile::remove(m_pdf);
}

void TestPdfStreams::reports_data()
{
    addFixtureColumns();

    QTest::newRow("multistream") << multiReport({0, 3})
                                 << Rows{{"Multistream test report"}, {"Settings"}, {"Topology", "A >> B"},
                                         {"Stream #1", "Stream #4"}, {"Header level 2", "Header level 2"},
                                         {"IP destination", "10.0.0.1", "IP destination", "10.0.0.4"},
                                         {"ToS", "0100", "ToS", "0100"}, {"Precedence", "5", "Precedence", "5"},
                                         {"Active", "Active"}, {"Learning int., ms", "150", "Learning int., ms", "150"},
                                         {"Interval, ms", "2000", "Interval, ms", "2000"},
                                         {"Rate units", "%", "Rate units", "Mbps"}, {"Rate", "50", "Rate", "100"},
                                         {"Packet length, B", "512", "Packet length, B", "1518"},
                                         {"Duration", "01:00:00", "Duration", "01:00:00"},
                                         {"Results"}, {"Elapsed time", "00:10:00"}, {"Remaining time", "00:50:00"},
                                         {"Count", "Ratio", "Count", "Ratio"},
                                         {"Load", "50.0%", "Load", "7.5%"},
                                         {"Tx frames", "2000", "Tx frames", "0"},
                                         {"Rx frames", "1990", "Rx frames", "0"},
                                         {"Tx bytes", "1024000", "Tx bytes", "0"},
                                         {"Lost frames", "10", "0.005", "Lost frames", "0", "0"},
                                         {"Latency", "1.500 us", "Latency", "2.500 ms"}}
                                 << Rows{{"Stream #2"}, {"Stream #3"}, {"Stream #5"}, {"4201"}, {"9000"},
                                         {"11.0.0.1"}, {"7001"}};

    multi_results_t over = multiResults();
    over.elapsed = 3600;
    over.streams[0] = stream_result_t{std::numeric_limits<float>::quiet_NaN(), 0xFFFFFFFFu, 0xFFFFFFFFu, 0};
    over.streams[1] = stream_result_t{100.0f, 10, 20, 0};   // more received than sent
    multi_settings_t wide = multiSettings({0, 1});
    wide.streams[0].packetLength = 9600;
    QTest::newRow("multistream: run over, NaN load, 64-bit bytes, more received than sent")
        << ReportFixture(TestMultistream).settings(wide).results(over).bytes()
        << Rows{{"Remaining time", "00:00:00"}, {"Load", "-", "Load", "100.0%"},
                {"Tx bytes", "41231686032000", "Tx bytes", "90000"},
                {"Lost frames", "0", "0.000", "Lost frames", "0", "0.000"}}
        << Rows{{"4294967286"}};

    QTest::newRow("multistream without an active stream")
        << ReportFixture(TestMultistream).settings(multiSettings({})).results(multiResults()).bytes()
        << Rows{{"Settings", "Topology", "A >> B", "Results", "Elapsed time", "00:10:00", "Remaining time", "00:50:00"}}
        << Rows{{"Stream"}, {"Active"}, {"Count"}};

    QTest::newRow("asymmetric")
        << ReportFixture(TestAsymTraffic).settings(asymSettings(DirectionBoth)).results(asymResults()).bytes()
        << Rows{{"Asymmetric traffic test report"}, {"Settings"}, {"Topology", "A >> R"},
                {"Output stream settings", "Header level 2", "ARP enable", "Header level 3", "IP destination", "10.0.0.1"},
                {"Input stream settings", "Header level 2", "ARP enable", "Header level 3", "IP destination", "10.0.0.2"},
                {"Units", "Mbps", "Rate", "100", "Packet size, B", "1518", "Threshold FLR", "0.00100"},
                {"Units", "%", "Rate", "50", "Packet size, B", "64", "Threshold FLR", "0.50000"},
                {"Common settings"}, {"Duration", "02:00:00"}, {"Learning interval, ms", "1500"},
                {"Wait interval, ms", "2500"}, {"Direction", "Both"},
                {"Results", "Elapsed time", "00:01:00", "Remaining time", "00:00:00", "Output stream statistics",
                 "Status", "OK", "Count", "Ratio", "Tx frames", "1000", "Rx frames", "999", "Tx bytes", "1518000",
                 "Lost frames", "1", "0.00100", "Vrt", "1.000 Mbps", "PDV", "1.500 us", "Runts", "1", "0.00100",
                 "Jabber", "1", "0.00100", "CRC", "1", "0.00100", "Error frames", "3", "0.00300", "Pause", "4"},
                {"Input stream statistics", "Status", "OK", "Count", "Ratio", "Tx frames", "0", "Rx frames", "5",
                 "Tx bytes", "0", "Lost frames", "0", "0", "Vrt", "0 bps", "PDV", "0", "Runts", "2", "0",
                 "Jabber", "0", "0", "CRC", "0", "0", "Error frames", "2", "0", "Pause", "0"}}
        << Rows{{"MAC destination"}, {"Topology", "A >> B"}, {"No Tx"}, {"4294967291"}};

    asym_results_t third = asymResults();
    third.output = flow_stats_t{3, 2, 0, 0, 0, 0, 0, 0};
    third.input = flow_stats_t{100000, 100000, 0, 0, 1, 0xFFFFFFFFu, 1, 0};
    third.status = 77;
    QTest::newRow("asymmetric on Port B: unknown direction and status, five decimals, no 32-bit wrap")
        << ReportFixture(TestAsymTraffic).topology(PortB, true).settings(asymSettings(7)).results(third).bytes()
        << Rows{{"Topology", "B >> R"}, {"Direction", "Unknown"}, {"Status", "Unknown status"},
                {"Lost frames", "1", "0.33333"}, {"Runts", "1", "0.00001"},
                {"Error frames", "4294967297", "42949.67297"}, {"Tx bytes", "6400000"}}
        << Rows{{"B >> B"}};
}

void TestPdfStreams::reports()
{
    QFETCH(QByteArray, report);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    const QString faults = fixtureFaults(report, m_pdf, rows, absent);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

void TestPdfStreams::streamPairsStandLevel_data()
{
    QTest::addColumn<QString>("title");   // a title in the settings and one in the results
    QTest::addColumn<QString>("lastRow");   // the last row of a block
    QTest::newRow("settings") << "Stream #1" << "Duration";
    QTest::newRow("results") << "Stream #1" << "Latency";
}

void TestPdfStreams::streamPairsStandLevel()
{
    // Streams 1 and 4 only: #1 in the left column, #4 beside it at
    // x + 4100, both starting and ending level.
    QFETCH(QString, title);
    QFETCH(QString, lastRow);
    const bool settings = QTest::currentDataTag() == QLatin1String("settings");
    QVERIFY(renderReport(multiReport({0, 3}), m_pdf));
    const QList<PdfWord> left = wordsOf(m_pdf, title);
    const QList<PdfWord> right = wordsOf(m_pdf, QStringLiteral("Stream #4"));
    QCOMPARE(left.size(), 2);
    QCOMPARE(right.size(), 2);
    const PdfWord &l = left.at(settings ? 0 : 1);
    const PdfWord &r = right.at(settings ? 0 : 1);
    QVERIFY2(qAbs(l.left - (Left + 30)) < Near, qPrintable(QString::number(l.left)));
    QVERIFY2(qAbs(r.left - (Left + 4100 + 30)) < Near, qPrintable(QString::number(r.left)));
    QCOMPARE(l.page, r.page);
    QVERIFY(qAbs(l.top - r.top) < 1);
    const QList<PdfWord> last = wordsOf(m_pdf, lastRow);
    QList<double> tops;
    for (const PdfWord &w : last) {
        if (w.page == l.page && w.top > l.top && (tops.isEmpty() || w.top < l.top + 23 * 200))
            tops << w.top;
    }
    QVERIFY(tops.size() >= 2);
    QVERIFY(qAbs(tops.at(0) - tops.at(1)) < 1);
}

void TestPdfStreams::thirdStreamBelowTheFirstPair()
{
    // Three active streams: the third in the left column below the first
    // pair; what follows starts one row below it.
    QVERIFY(renderReport(ReportFixture(TestMultistream).settings(multiSettings({1, 4, 6})).results(multiResults()).bytes(),
                         m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QList<PdfWord> first = findPhrase(words, QStringLiteral("Stream #2"));
    const QList<PdfWord> second = findPhrase(words, QStringLiteral("Stream #5"));
    const QList<PdfWord> third = findPhrase(words, QStringLiteral("Stream #7"));
    QCOMPARE(third.size(), 2);
    // In the results (one page, eight-row blocks): #7 eight rows and a
    // blank one below #2, at the left edge.
    const PdfWord &a = first.at(1);
    const PdfWord &b = second.at(1);
    const PdfWord &c = third.at(1);
    QCOMPARE(a.page, c.page);
    QVERIFY(qAbs(a.top - b.top) < 1);
    QVERIFY(qAbs(c.left - a.left) < 1);
    QVERIFY2(qAbs(c.top - a.top - 9 * 200) < Near, qPrintable(QString::number(c.top - a.top)));
    // In the settings the results title follows 200 below the third block's
    // last row (its "Duration").
    const PdfWord &settingsThird = third.at(0);
    const QList<PdfWord> results = findPhrase(words, QStringLiteral("Results"));
    QCOMPARE(results.size(), 1);
    double lastDuration = 0;
    for (const PdfWord &w : findPhrase(words, QStringLiteral("Duration"))) {
        if (w.page == settingsThird.page && qAbs(w.left - settingsThird.left) < 1 && w.top > settingsThird.top)
            lastDuration = qMax(lastDuration, w.top);
    }
    QCOMPARE(results.first().page, settingsThird.page);
    QVERIFY2(qAbs(results.first().top - lastDuration - 2 * 200) < Near,
             qPrintable(QString::number(results.first().top - lastDuration)));
}

void TestPdfStreams::allTenStreamsOnNumberedPages()
{
    // Ten streams take several pages: every block on a page, the pages
    // numbered one after the other, nothing below the sheet's last row.
    multi_settings_t s = multiSettings({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    QVERIFY(renderReport(ReportFixture(TestMultistream).settings(s).results(multiResults()).bytes(), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    QVERIFY(pdfPageCount(words) >= 3);
    const QString faults = pageFaults(words, PageHeight - 500 - 200);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
    for (int k = 1; k <= MultiStreamCount; ++k)
        QCOMPARE(findPhrase(words, QStringLiteral("Stream #%1").arg(k)).size(), 2);
    const QString text = pdfText(m_pdf);
    for (int k = 0; k < MultiStreamCount; ++k) {
        QVERIFY(hasRow(text, {"Tx frames", QString::number(7000 + k)}));
        QVERIFY(hasRow(text, {"IP destination", QStringLiteral("11.0.0.%1").arg(k)}));
    }
}

void TestPdfStreams::asymStatusInBothSections()
{
    QVERIFY(renderReport(ReportFixture(TestAsymTraffic).settings(asymSettings(0)).results(asymResults()).bytes(), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QList<PdfWord> status = findPhrase(words, QStringLiteral("Status OK"));
    QCOMPARE(status.size(), 2);
    // The label takes a third of the row: the value starts at x + 1666.
    for (const PdfWord &w : findPhrase(words, QStringLiteral("OK")))
        QVERIFY2(qAbs(w.left - (Left + 1666 + 30)) < Near, qPrintable(QString::number(w.left)));
    QCOMPARE(findPhrase(words, QStringLiteral("Direction Output")).size(), 1);
}

QTEST_MAIN(TestPdfStreams)
#include "tst_pdfstreams.moc"
