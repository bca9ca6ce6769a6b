// The report file layout and the pure texts the report writers share.

#include "pdfcreator.h"
#include "../support/reportfixture.h"
#include "reportformat.h"
#include "reportlayout.h"
#include "y1564records.h"

#include <QtTest>

#include <array>
#include <cmath>
#include <limits>

class TestReportFormat : public QObject
{
    Q_OBJECT

private slots:
    void layoutOfEveryTest_data();
    void layoutOfEveryTest();
    void readable_data();
    void readable();
    void recordsOutsideTheFileReadAsZero();
    void breaksPage_data();
    void breaksPage();
    void portName_data();
    void portName();
    void unitText_data();
    void unitText();
    void tosToBinaryText_data();
    void tosToBinaryText();
    void dscpReportName_data();
    void dscpReportName();
    void nanosecondsToAxisText_data();
    void nanosecondsToAxisText();
    void latencyUnitSuffix_data();
    void latencyUnitSuffix();
    void interfaceStatusTexts_data();
    void interfaceStatusTexts();
    void y1564StepStatusText_data();
    void y1564StepStatusText();
};

void TestReportFormat::layoutOfEveryTest_data()
{
    QTest::addColumn<int>("test");
    QTest::addColumn<int>("settingsAt");   // -1 none
    QTest::addColumn<int>("resultsAt");
    QTest::addColumn<int>("portBResultsAt");   // -1 one record
    QTest::addColumn<int>("end");
    QTest::addColumn<bool>("interfaceBlock");
    QTest::newRow("statistics") << 1 << 36 << 40 << 376 << 712 << false;
    QTest::newRow("traffic") << 2 << 188 << 240 << -1 << 304 << true;
    QTest::newRow("RFC 2544") << 3 << 188 << 304 << -1 << 4784 << true;
    QTest::newRow("Y.1564") << 4 << 188 << 524 << -1 << 2116 << true;
    QTest::newRow("multistream") << 5 << 188 << 556 << -1 << 724 << true;
    QTest::newRow("jitter") << 6 << 188 << 240 << -1 << 344 << true;
    QTest::newRow("PTP") << 7 << 188 << 248 << -1 << 328 << true;
    QTest::newRow("ping") << 8 << 188 << 196 << -1 << 260 << true;
    QTest::newRow("trace route") << 9 << 188 << 196 << -1 << 280 << true;
    QTest::newRow("DNS") << 10 << 188 << 220 << -1 << 228 << true;
    QTest::newRow("IP scanner") << 11 << 188 << 200 << -1 << 248 << true;
    QTest::newRow("cable") << 12 << -1 << 36 << 59 << 82 << false;
    QTest::newRow("optical") << 13 << -1 << 188 << 268 << 348 << true;
    QTest::newRow("MDI") << 15 << 188 << 232 << -1 << 264 << true;
    QTest::newRow("asymmetric") << 16 << 188 << 280 << -1 << 360 << true;
    QTest::newRow("synchronisation") << 17 << 188 << 508 << -1 << 5412 << true;
    QTest::newRow("BERT") << 19 << 188 << 216 << -1 << 248 << true;
    for (int none : {0, 14, 18, 20, 21, 22, 255})
        QTest::addRow("no report: %d", none) << none << 0 << 0 << 0 << 0 << false;
}

void TestReportFormat::layoutOfEveryTest()
{
    QFETCH(int, test);
    QFETCH(int, settingsAt);
    QFETCH(int, resultsAt);
    QFETCH(int, portBResultsAt);
    QFETCH(int, end);
    QFETCH(bool, interfaceBlock);
    const ReportLayout *layout = reportLayout(unsigned(test));
    if (end == 0) {
        QVERIFY(!layout);
        return;
    }
    QVERIFY(layout);
    QCOMPARE(int(layout->test), test);
    QCOMPARE(layout->settingsAt, settingsAt);
    QCOMPARE(layout->resultsAt[0], resultsAt);
    QCOMPARE(layout->resultsAt[1], portBResultsAt);
    QCOMPARE(layout->end, end);
    QCOMPARE(layout->interfaceBlock, interfaceBlock);
}

void TestReportFormat::readable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");
    const QByteArray traffic = ReportFixture(TestTraffic).bytes();
    QTest::newRow("traffic of 304 bytes") << traffic << true;
    QTest::newRow("traffic with a byte more") << traffic + '\0' << true;
    QTest::newRow("traffic cut by one byte") << traffic.left(303) << false;
    QTest::newRow("traffic of one byte") << traffic.left(1) << false;
    QByteArray portB = traffic;
    portB[1] = 1;
    QTest::newRow("traffic on Port B") << portB << true;
    QByteArray port2 = traffic;
    port2[1] = 2;
    QTest::newRow("traffic on port 2") << port2 << false;
    QByteArray port255 = traffic;
    port255[1] = char(255);
    QTest::newRow("traffic on port 255") << port255 << false;
    // Statistics and cable reports use nothing of the header but the test id.
    QByteArray stats = ReportFixture(TestStatistics).bytes();
    stats[1] = 7;
    QTest::newRow("statistics with port byte 7") << stats << true;
    QTest::newRow("statistics cut by one byte") << stats.left(711) << false;
    QByteArray cable = ReportFixture(TestCable).bytes();
    cable[1] = char(200);
    QTest::newRow("cable with port byte 200") << cable << true;
    QTest::newRow("cable cut by one byte") << cable.left(81) << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("OAM") << QByteArray(500, char(TestOam)) << false;
}

void TestReportFormat::readable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    QCOMPARE(ReportFile(bytes).readable(), readable);
}

void TestReportFormat::recordsOutsideTheFileReadAsZero()
{
    // A file cut short never has a byte read past its end, even when asked.
    QByteArray bytes = ReportFixture(TestTraffic).bytes().left(200);
    bytes[188] = 0x11;
    const ReportFile file(bytes);
    QCOMPARE(file.at<uint8_t>(188), uint8_t(0x11));
    QCOMPARE(file.at<uint8_t>(200), uint8_t(0));
    QCOMPARE(file.at<uint32_t>(197), 0u);   // would end one past the file
    QCOMPARE(file.at<uint32_t>(-1), 0u);
    const auto results = file.results<std::array<uint8_t, 64>>();
    for (uint8_t b : results)
        QCOMPARE(b, uint8_t(0));
    QCOMPARE(ReportFile(QByteArray()).testId(), 0u);
    QCOMPARE(ReportFile(QByteArray()).header().port, uint8_t(0));
}

void TestReportFormat::breaksPage_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("keepRows");
    QTest::addColumn<bool>("breaks");
    const int height = 14033;
    const int limit = height * 28 / 30;
    QTest::newRow("limit is 13097") << 13097 - 200 << 1 << false;
    QTest::newRow("five rows end at the limit") << limit - 1000 << 5 << false;
    QTest::newRow("five rows end one past it") << limit - 999 << 5 << true;
    QTest::newRow("keep 0 never breaks") << height - 1 << 0 << false;
    QTest::newRow("first row of a page, 22 rows") << height / 15 << 22 << false;
    QTest::newRow("17 rows below 25 of the traffic settings") << 12735 << 17 << true;
}

void TestReportFormat::breaksPage()
{
    QFETCH(int, y);
    QFETCH(int, keepRows);
    QFETCH(bool, breaks);
    QCOMPARE(PDFCreator::breaksPage(y, keepRows, 14033), breaks);
}

void TestReportFormat::portName_data()
{
    QTest::addColumn<uint>("port");
    QTest::addColumn<QString>("name");
    QTest::newRow("A") << 0u << "(Port A)";
    QTest::newRow("B") << 1u << "(Port B)";
    QTest::newRow("RC") << 2u << "(Remote control port)";
    QTest::newRow("3") << 3u << "Invalid port 3";
}

void TestReportFormat::portName()
{
    QFETCH(uint, port);
    QFETCH(QString, name);
    QCOMPARE(PDFCreator::portName(port), name);
}

void TestReportFormat::unitText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("percent") << 0 << "%";
    QTest::newRow("bps") << 1 << "bps";
    QTest::newRow("kbps") << 2 << "kbps";
    QTest::newRow("Mbps") << 3 << "Mbps";
    QTest::newRow("4 is percent") << 4 << "%";
    QTest::newRow("6 is kbps") << 6 << "kbps";
    QTest::newRow("7 is Mbps") << 7 << "Mbps";
    QTest::newRow("255 is Mbps") << 255 << "Mbps";
}

void TestReportFormat::unitText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(reportUnitText(uint8_t(code)), text);
}

void TestReportFormat::tosToBinaryText_data()
{
    QTest::addColumn<int>("tos");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0000";
    QTest::newRow("1") << 1 << "0001";
    QTest::newRow("2") << 2 << "0010";
    QTest::newRow("4") << 4 << "0100";
    QTest::newRow("8") << 8 << "1000";
    QTest::newRow("3 is not one-hot") << 3 << "Unknown";
    QTest::newRow("15") << 15 << "Unknown";
    QTest::newRow("-1") << -1 << "Unknown";
}

void TestReportFormat::tosToBinaryText()
{
    QFETCH(int, tos);
    QFETCH(QString, text);
    QCOMPARE(::tosToBinaryText(tos), text);
}

void TestReportFormat::dscpReportName_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("EF") << 46 << "EF   ( 101110 )";
    QTest::newRow("AF11") << 10 << "AF11 ( 001010 )";
    QTest::newRow("AF43") << 38 << "AF43 ( 100110 )";
    QTest::newRow("CS1") << 8 << "CS1  ( 001000 )";
    QTest::newRow("CS7") << 56 << "CS7  ( 111000 )";
    QTest::newRow("default") << 0 << "default ( 000000 )";
    QTest::newRow("63 is not in the table") << 63 << "default ( 000000 )";
    QTest::newRow("7 is not in the table") << 7 << "default ( 000000 )";
}

void TestReportFormat::dscpReportName()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(::dscpReportName(uint8_t(code)), name);
}

void TestReportFormat::nanosecondsToAxisText_data()
{
    QTest::addColumn<float>("ns");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QString>("text");
    QTest::newRow("1500") << 1500.0f << 1500.0f << "1.50";
    QTest::newRow("250") << 250.0f << 250.0f << "250.00";
    QTest::newRow("0.5") << 0.5f << 0.5f << "0";
    QTest::newRow("2e6") << 2e6f << 2e6f << "2.00";
    QTest::newRow("5000 s") << 5e12f << 5e12f << "5000";
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 1.0f << "nan";
    // In the unit of the scale, not of the value: one unit per chart.
    QTest::newRow("ns on a us chart") << 500.0f << 5000.0f << "0.50";
    QTest::newRow("ns on a ms chart") << 500.0f << 2.5e6f << "0.0005";
    QTest::newRow("ms on a us chart") << 2e6f << 5000.0f << "2000";
    QTest::newRow("zero") << 0.0f << 2.5e6f << "0";
    QTest::newRow("scale below 1 ns") << 0.4f << 0.5f << "0";
}

void TestReportFormat::nanosecondsToAxisText()
{
    QFETCH(float, ns);
    QFETCH(float, scale);
    QFETCH(QString, text);
    QCOMPARE(::nanosecondsToAxisText(ns, scale), text);
}

void TestReportFormat::latencyUnitSuffix_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("empty") << QList<double>() << "";
    QTest::newRow("below 1 ns") << QList<double>{0.2, 0.4} << "";
    QTest::newRow("ns") << QList<double>{500, 700} << ", ns";
    QTest::newRow("999 is ns") << QList<double>{998, 999} << ", ns";
    QTest::newRow("the largest decides, not the mean") << QList<double>{500, 5000, 2.5e6} << ", ms";
    QTest::newRow("no number is left out") << QList<double>{std::nan(""), 5000} << ", us";
    QTest::newRow("us") << QList<double>{1000, 2000} << ", us";
    QTest::newRow("ms") << QList<double>{2e6, 4e6} << ", ms";
    QTest::newRow("s") << QList<double>{3e9} << ", s";
    QTest::newRow("negative by magnitude") << QList<double>{-5000} << ", us";
    QTest::newRow("NaN") << QList<double>{std::nan("")} << "";
}

void TestReportFormat::latencyUnitSuffix()
{
    QFETCH(QList<double>, values);
    QFETCH(QString, suffix);
    QCOMPARE(::latencyUnitSuffix(values), suffix);
}

void TestReportFormat::interfaceStatusTexts_data()
{
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("medium");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("duplex");
    QTest::addColumn<QString>("speedText");
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<QString>("duplexText");
    QTest::newRow("no link, whatever else") << 0 << 1 << 2 << 1 << "No sync" << "-" << "-";
    QTest::newRow("1000 copper full") << 1 << 0 << 2 << 1 << "1000 Mbps" << "Copper" << "FDX";
    QTest::newRow("100 fiber half") << 1 << 1 << 1 << 0 << "100 Mbps" << "Fiber" << "HDX";
    QTest::newRow("10, duplex not determined") << 1 << 0 << 0 << 2 << "10 Mbps" << "Copper" << "-";
    QTest::newRow("unknown codes") << 255 << 7 << 3 << 9 << "-" << "-" << "-";
    QTest::newRow("speed 255") << 1 << 0 << 255 << 1 << "-" << "Copper" << "FDX";
}

void TestReportFormat::interfaceStatusTexts()
{
    QFETCH(int, up);
    QFETCH(int, medium);
    QFETCH(int, speed);
    QFETCH(int, duplex);
    QFETCH(QString, speedText);
    QFETCH(QString, typeText);
    QFETCH(QString, duplexText);
    const InterfaceStatusTexts t = ::interfaceStatusTexts(port_link_t{uint8_t(up), uint8_t(medium), uint8_t(speed),
                                                                        uint8_t(duplex)});
    QCOMPARE(t.speed, speedText);
    QCOMPARE(t.type, typeText);
    QCOMPARE(t.duplex, duplexText);
}

void TestReportFormat::y1564StepStatusText_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("active");       // of the stream asked about
    QTest::addColumn<int>("currentStep");
    QTest::addColumn<int>("stepStatus");   // of the step asked about
    QTest::addColumn<int>("failures");     // of the stream asked about
    QTest::addColumn<int>("otherFailures");   // of another stream in the step
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("stream");
    QTest::addColumn<QString>("text");
    const int all = Y1564FlagStepLoad | Y1564FlagPolicy;
    QTest::newRow("step load off: step 2 off") << 0 << 1 << 4 << 0 << 0 << 0 << 2 << 1 << "Off";
    QTest::newRow("policy off: step 5 off") << int(Y1564FlagStepLoad) << 1 << 5 << 0 << 0 << 0 << 5 << 1 << "Off";
    QTest::newRow("steps 3 and 4 always on") << 0 << 1 << 4 << 0 << 0 << 0 << 3 << 1 << "OK";
    QTest::newRow("inactive stream") << all << 0 << 4 << 0 << 0 << 0 << 1 << 1 << "Off";
    QTest::newRow("the step's own status") << all << 1 << 4 << int(StatusNoRx) << 0 << 0 << 1 << 1 << "No Rx";
    QTest::newRow("step done, IR passed") << all << 1 << 4 << 0 << 0 << 0 << 1 << 1 << "OK";
    QTest::newRow("step done, IR failed") << all << 1 << 4 << 0 << int(Y1564FailIr) << 0 << 1 << 1 << "Error";
    // Once the step is done the first criterion (IR) decides.
    QTest::newRow("step done, only FL failed") << all << 1 << 4 << 0 << int(Y1564FailFl) << 0 << 1 << 1 << "OK";
    QTest::newRow("step to come, FDV failed") << all << 1 << 0 << 0 << int(Y1564FailFdv) << 0 << 1 << 1 << "Error";
    QTest::newRow("step to come, nothing failed") << all << 1 << 0 << 0 << 0 << 0 << 1 << 1 << "Wait";
    QTest::newRow("current step, another stream failed") << all << 1 << 1 << 0 << 0 << int(Y1564FailFtd) << 1 << 1
                                                         << "OK";
    QTest::newRow("current step, no failure") << all << 1 << 1 << 0 << 0 << 0 << 1 << 1 << "Wait";
    QTest::newRow("step outside the table") << all << 1 << 1 << 0 << 0 << 0 << 6 << 1 << "Wait";
    QTest::newRow("stream outside the table") << all << 1 << 1 << 0 << 0 << 0 << 1 << 4 << "Wait";
}

void TestReportFormat::y1564StepStatusText()
{
    QFETCH(int, flags);
    QFETCH(int, active);
    QFETCH(int, currentStep);
    QFETCH(int, stepStatus);
    QFETCH(int, failures);
    QFETCH(int, otherFailures);
    QFETCH(int, step);
    QFETCH(int, stream);
    QFETCH(QString, text);
    y1564_settings_t s{};
    s.flags = uint8_t(flags);
    for (y1564_stream_settings_t &st : s.streams)
        st.active = 1;
    y1564_results_t r{};
    r.currentStep = uint8_t(currentStep);
    if (step < Y1564ConfigSteps && stream < Y1564Streams) {
        s.streams[stream].active = uint8_t(active);
        r.stepStatus[step] = uint8_t(stepStatus);
        r.config[step][stream].failures = uint8_t(failures);
        r.config[step][(stream + 1) % Y1564Streams].failures = uint8_t(otherFailures);
    }
    const ReportFile file(ReportFixture(TestY1564).settings(s).results(r).bytes());
    QCOMPARE(::y1564StepStatusText(file, step, stream), text);
}

QTEST_GUILESS_MAIN(TestReportFormat)
#include "tst_reportformat.moc"
