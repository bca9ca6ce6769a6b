// The Y.1564 report: the texts of its tables (tables of cases), and fixture
// reports rendered through the real writer and read back with pdftotext.

#include "../support/reportfixture.h"
#include "y1564records.h"
#include "y1564report.h"

#include <QtTest>

namespace {

constexpr int PageHeight = 14033;
constexpr int Limit = PageHeight * 28 / 30;
constexpr int Near = 8;

y1564_stream_settings_t streamSettings(int i)
{
    y1564_stream_settings_t st{};
    st.active = 1;
    st.packetLength = uint16_t(512 * (i + 1));
    st.header.level3 = 1;
    st.header.ipDest = 0x0A000001 + uint32_t(i);
    st.header.ttl = uint8_t(60 + i);
    st.cir = 10.5f;
    st.eir = 2.25f;
    st.m = 1.0f;
    st.rateUnit = uint8_t(i);   // %, bps, kbps, Mbps
    st.flr = 0.001f;
    st.ftd = 1500000;
    st.avail = 0.9999f;
    st.fdv = 250000;
    return st;
}

y1564_settings_t y1564Settings()
{
    y1564_settings_t s{};
    s.flags = Y1564FlagStepLoad | Y1564FlagPolicy | Y1564FlagConfigTest | Y1564FlagPerformanceTest;
    s.duration = 25 * 3600 + 61;
    s.testStep = 60;
    s.learningInterval = 150;
    s.waitInterval = 2500;
    for (int i = 0; i < Y1564Streams; ++i)
        s.streams[i] = streamSettings(i);
    // Stream 1: two tags; stream 2: more tags than the record holds;
    // stream 3: tagging on without tags; stream 4: tagging off.
    s.streams[0].vlanOn = 1;
    s.streams[0].vlanCount = 2;
    s.streams[0].tpid[0] = 0x88A8;
    s.streams[0].tagControl[0] = uint16_t(5 << 13 | 100);
    s.streams[0].tpid[1] = 0x8100;
    s.streams[0].tagControl[1] = uint16_t(7 << 13 | 4095);
    s.streams[1].vlanOn = 1;
    s.streams[1].vlanCount = 200;
    for (int j = 0; j < Y1564VlanTags; ++j) {
        s.streams[1].tpid[j] = uint16_t(0x9100 + j);
        s.streams[1].tagControl[j] = uint16_t(j << 13 | (10 + j));
    }
    s.streams[2].vlanOn = 1;
    s.streams[2].vlanCount = 0;
    s.streams[3].vlanCount = 3;
    return s;
}

y1564_result_entry_t entry(uint32_t ir, int32_t ftd, uint8_t failures)
{
    y1564_result_entry_t e{};
    e.failures = failures;
    e.irMin = ir;
    e.irAvg = ir + 1000;
    e.irMax = ir + 2000;
    e.ftdMin = ftd;
    e.ftdAvg = 2 * ftd;
    e.ftdMax = 1000000;
    e.fdvMin = -1500;
    e.fdvAvg = 0;
    e.fdvMax = 999;
    e.frameLoss = 3;
    e.frames = 1000;
    return e;
}

// Stream 1 failed FTD in step 4 (index 3); the run has reached step 5
// (index 4); step 2 (index 1) is still running.
y1564_results_t y1564Results()
{
    y1564_results_t r{};
    r.startTime = 1000;
    r.currentTime = 1075;
    r.plannedDuration = 60;
    r.currentStep = 4;
    r.performanceStatus = 1;
    r.stepStatus[1] = StatusRunning;
    for (int step = 0; step < Y1564ConfigSteps; ++step) {
        for (int i = 0; i < Y1564Streams; ++i)
            r.config[step][i] = entry(123456789, 1500, 0);
    }
    r.config[3][0].failures = Y1564FailFtd;
    for (int i = 0; i < Y1564Streams; ++i) {
        r.performance[i] = entry(1000000, 20000, 0);
        r.performance[i].frameLoss = 5;
        r.performance[i].frames = 100;
        r.performance[i].available = 3599;
        r.performance[i].unavailable = 1;
    }
    r.performance[0].failures = Y1564FailFl | Y1564FailAvail;
    return r;
}

QByteArray y1564Report(const y1564_settings_t &s, const y1564_results_t &r)
{
    return ReportFixture(TestY1564).settings(s).results(r).bytes();
}

const QStringList Dashes{"-", "-", "-"};

} // namespace

class TestPdfY1564 : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void unitText_data();
    void unitText();
    void stepNames();
    void ratio_data();
    void ratio();
    void availability_data();
    void availability();
    void configTable_data();
    void configTable();
    void configTableValues();
    void performanceTable_data();
    void performanceTable();

    void report();
    void everyRowOnANumberedPage();
    void reportCutShortIsRefused();

private:
    QTemporaryDir m_dir;
    QString m_pdf;
};

void TestPdfY1564::init()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
    QFile::remove(m_pdf);
}

void TestPdfY1564::unitText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("percent") << 0 << "%";
    QTest::newRow("bps") << 1 << "bps";
    QTest::newRow("kbps") << 2 << "kbps";
    QTest::newRow("Mbps") << 3 << "Mbps";
    QTest::newRow("4 is no unit") << 4 << "%";
    QTest::newRow("255") << 255 << "%";
}

void TestPdfY1564::unitText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(y1564ReportUnitText(uint8_t(code)), text);
}

void TestPdfY1564::stepNames()
{
    QStringList names;
    for (int step = -1; step <= Y1564ConfigSteps; ++step)
        names << y1564ReportStepName(step);
    QCOMPARE(names, (QStringList{"", "CIR 1", "CIR 2", "CIR 3", "CIR 4", "CIR+EIR", "Policy", ""}));
}

void TestPdfY1564::ratio_data()
{
    QTest::addColumn<uint>("part");
    QTest::addColumn<uint>("all");
    QTest::addColumn<QString>("text");
    QTest::newRow("3 of 1000") << 3u << 1000u << "0.00300";
    QTest::newRow("5 of 100") << 5u << 100u << "0.05000";
    QTest::newRow("nothing counted") << 5u << 0u << "0";
    QTest::newRow("more lost than counted") << 0xFFFFFFFFu << 1u << "4294967295.00000";
}

void TestPdfY1564::ratio()
{
    QFETCH(uint, part);
    QFETCH(uint, all);
    QFETCH(QString, text);
    QCOMPARE(y1564ReportRatio(part, all), text);
}

void TestPdfY1564::availability_data()
{
    QTest::addColumn<uint>("available");
    QTest::addColumn<uint>("unavailable");
    QTest::addColumn<QString>("text");
    QTest::newRow("both 0") << 0u << 0u << "0";
    QTest::newRow("999 and 1") << 999u << 1u << "99.9000";
    QTest::newRow("3599 and 1") << 3599u << 1u << "99.9722";
    QTest::newRow("none available") << 0u << 7u << "0.0000";
    // Taken in 32 bits, 100 x available would wrap above 42949672 and the
    // sum above 2^32.
    QTest::newRow("product beyond 32 bits") << 50000000u << 0u << "100.0000";
    QTest::newRow("sum beyond 32 bits") << 0xFFFFFFFFu << 0xFFFFFFFFu << "50.0000";
}

void TestPdfY1564::availability()
{
    QFETCH(uint, available);
    QFETCH(uint, unavailable);
    QFETCH(QString, text);
    QCOMPARE(y1564ReportAvailability(available, unavailable), text);
}

void TestPdfY1564::configTable_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("currentStep");
    QTest::addColumn<QVector<int>>("stepStatus");
    QTest::addColumn<QVector<int>>("failures");    // stream 0's bits per step
    QTest::addColumn<int>("otherFailure");          // stream 3's bits in every step
    // Per step: IR, FTD, FDV and FL verdicts.
    QTest::addColumn<QList<QStringList>>("verdicts");

    const QStringList off{"Off", "Off", "Off", "Off"};
    const QStringList ok{"OK", "OK", "OK", "OK"};
    const QStringList wait{"Wait", "Wait", "Wait", "Wait"};
    const QVector<int> none(Y1564ConfigSteps, 0);
    QTest::newRow("without step load and policy")
        << int(Y1564FlagConfigTest) << true << 5 << none << none << 0
        << QList<QStringList>{off, off, off, ok, ok, off};
    QTest::newRow("inactive stream") << 0x0F << false << 5 << none << none << 0
                                     << QList<QStringList>{off, off, off, off, off, off};
    QTest::newRow("step statuses off and running")
        << 0x0F << true << 5 << QVector<int>{0, 8, 3, 0, 0, 0} << none << 0
        << QList<QStringList>{ok, off, {"Running", "Running", "Running", "Running"}, ok, ok, wait};
    QTest::newRow("current step without failures waits")
        << 0x0F << true << 3 << none << none << 0 << QList<QStringList>{ok, ok, ok, wait, wait, wait};
    QTest::newRow("current step done once a stream failed")
        << 0x0F << true << 3 << none << none << int(Y1564FailIr) << QList<QStringList>{ok, ok, ok, ok, wait, wait};
    QTest::newRow("a failed criterion")
        << 0x0F << true << 3 << none << QVector<int>{0, Y1564FailFtd, 0, Y1564FailFl, 0, 0} << 0
        << QList<QStringList>{ok, {"OK", "Error", "OK", "OK"}, ok, {"OK", "OK", "OK", "Error"}, wait, wait};
}

void TestPdfY1564::configTable()
{
    QFETCH(int, flags);
    QFETCH(bool, active);
    QFETCH(int, currentStep);
    QFETCH(QVector<int>, stepStatus);
    QFETCH(QVector<int>, failures);
    QFETCH(int, otherFailure);
    QFETCH(QList<QStringList>, verdicts);
    y1564_settings_t s{};
    s.flags = uint8_t(flags);
    for (y1564_stream_settings_t &st : s.streams)
        st.active = 1;
    s.streams[0].active = active ? 1 : 0;
    y1564_results_t r{};
    r.currentStep = uint8_t(currentStep);
    for (int step = 0; step < Y1564ConfigSteps; ++step) {
        r.stepStatus[step] = uint8_t(stepStatus.at(step));
        r.config[step][0] = entry(2000000, 1500, uint8_t(failures.at(step)));
        r.config[step][3].failures = uint8_t(otherFailure);
    }
    const Y1564ReportConfigTable t = y1564ReportConfigTable(s, r, 0);
    for (int step = 0; step < Y1564ConfigSteps; ++step) {
        const QStringList expected = verdicts.at(step);
        const QStringList got{t.measure[Y1564ReportIr][step].value(1), t.measure[Y1564ReportFtd][step].value(1),
                              t.measure[Y1564ReportFdv][step].value(1), t.loss[step].value(1)};
        QCOMPARE(got, expected);
        // Values wherever the verdict is not "Off".
        for (int m = 0; m < Y1564ReportMeasures; ++m) {
            QCOMPARE(t.measure[m][step].size(), 5);
            QCOMPARE(t.measure[m][step].first(), y1564ReportStepName(step));
            QCOMPARE(t.measure[m][step].mid(2) == Dashes, expected.at(m) == QLatin1String("Off"));
        }
        QCOMPARE(t.loss[step].mid(2) == QStringList({"-", "-"}), expected.at(3) == QLatin1String("Off"));
    }
}

void TestPdfY1564::configTableValues()
{
    y1564_settings_t s = y1564Settings();
    y1564_results_t r = y1564Results();
    r.config[3][2] = entry(123456789, -1500, 0);
    r.config[3][2].frames = 0;
    r.config[4][2].frameLoss = 3;
    const Y1564ReportConfigTable t = y1564ReportConfigTable(s, r, 2);
    QCOMPARE(t.measure[Y1564ReportIr][3],
             (QStringList{"CIR 4", "OK", "123.457 Mbps", "123.458 Mbps", "123.459 Mbps"}));
    QCOMPARE(t.measure[Y1564ReportFtd][3], (QStringList{"CIR 4", "OK", "-1.500 us", "-3.000 us", "1.000 ms"}));
    QCOMPARE(t.measure[Y1564ReportFdv][3], (QStringList{"CIR 4", "OK", "-1.500 us", "0", "999 ns"}));
    QCOMPARE(t.loss[3], (QStringList{"CIR 4", "OK", "3", "0"}));
    QCOMPARE(t.loss[4], (QStringList{"CIR+EIR", "Wait", "3", "0.00300"}));
    // A stream outside the four is held to them.
    QCOMPARE(y1564ReportConfigTable(s, r, 9).loss[3], y1564ReportConfigTable(s, r, 3).loss[3]);
}

void TestPdfY1564::performanceTable_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QList<QStringList>>("rows");

    const QList<QStringList> off{{"FL", "Off", "-"},
                                 {"FLR", "Off", "-"},
                                 {"AVAIL", "Off", "-"},
                                 {"AVAIL, %", "Off", "-"},
                                 {"Rate IR", "Off", "-", "-", "-"},
                                 {"Frame Delay FTD", "Off", "-", "-", "-"},
                                 {"Jitter FDV", "Off", "-", "-", "-"}};
    QTest::newRow("not run") << true << 0 << 0x1F << "Off" << off;
    QTest::newRow("inactive stream") << false << 1 << 0 << "Off" << off;
    QTest::newRow("passed") << true << 1 << 0 << "Wait"
                            << QList<QStringList>{{"FL", "OK", "5"},
                                                  {"FLR", "OK", "0.05000"},
                                                  {"AVAIL", "OK", "3599"},
                                                  {"AVAIL, %", "OK", "99.9722"},
                                                  {"Rate IR", "OK", "1000.000 kbps", "1.001 Mbps", "1.002 Mbps"},
                                                  {"Frame Delay FTD", "OK", "20.000 us", "40.000 us", "1.000 ms"},
                                                  {"Jitter FDV", "OK", "-1.500 us", "0", "999 ns"}};
    QTest::newRow("loss and availability failed, state running")
        << true << 3 << int(Y1564FailFl | Y1564FailAvail) << "Wait"
        << QList<QStringList>{{"FL", "Fail", "5"},
                              {"FLR", "Fail", "0.05000"},
                              {"AVAIL", "Fail", "3599"},
                              {"AVAIL, %", "Fail", "99.9722"},
                              {"Rate IR", "OK", "1000.000 kbps", "1.001 Mbps", "1.002 Mbps"},
                              {"Frame Delay FTD", "OK", "20.000 us", "40.000 us", "1.000 ms"},
                              {"Jitter FDV", "OK", "-1.500 us", "0", "999 ns"}};
    QTest::newRow("delays failed") << true << 1 << int(Y1564FailIr | Y1564FailFtd | Y1564FailFdv) << "Wait"
                                   << QList<QStringList>{{"FL", "OK", "5"},
                                                         {"FLR", "OK", "0.05000"},
                                                         {"AVAIL", "OK", "3599"},
                                                         {"AVAIL, %", "OK", "99.9722"},
                                                         {"Rate IR", "Fail", "1000.000 kbps", "1.001 Mbps",
                                                          "1.002 Mbps"},
                                                         {"Frame Delay FTD", "Fail", "20.000 us", "40.000 us",
                                                          "1.000 ms"},
                                                         {"Jitter FDV", "Fail", "-1.500 us", "0", "999 ns"}};
}

void TestPdfY1564::performanceTable()
{
    QFETCH(bool, active);
    QFETCH(int, state);
    QFETCH(int, failures);
    QFETCH(QString, status);
    QFETCH(QList<QStringList>, rows);
    y1564_settings_t s = y1564Settings();
    s.streams[1].active = active ? 7 : 0;   // any non-zero byte is active
    y1564_results_t r = y1564Results();
    r.performanceStatus = uint8_t(state);
    r.performance[1].failures = uint8_t(failures);
    const Y1564ReportPerformanceTable t = y1564ReportPerformanceTable(s, r, 1);
    QCOMPARE(t.status, status);
    QList<QStringList> got;
    for (const QStringList &row : t.counts)
        got << row;
    for (const QStringList &row : t.measure)
        got << row;
    QCOMPARE(got, rows);
}

// ---- rendered ------------------------------------------------------------------

void TestPdfY1564::report()
{
    y1564_results_t r = y1564Results();
    QVERIFY(renderReport(y1564Report(y1564Settings(), r), m_pdf));
    const QString text = pdfText(m_pdf);
    const Rows rows{
        {"Y1564 test report"}, {"Topology", "A >> B"}, {"Advanced"}, {"Learning int., ms", "150"},
        {"Wait interval, ms", "2500"}, {"Configuration test"}, {"Test step", "60"}, {"Step load"}, {"Policy"},
        {"Performance test"}, {"Duration", "25:01:01"},
        // Stream blocks
        {"Stream #1", "Stream header #1"}, {"Stream #4", "Stream header #4"}, {"Active"},
        {"Packet length, B", "512"}, {"Packet length, B", "2048"}, {"SLA"}, {"Units", "%"}, {"Units", "bps"},
        {"Units", "kbps"}, {"Units", "Mbps"}, {"CIR", "10.50", "EIR", "2.25"}, {"M", "1.00"}, {"Units", "KB"},
        {"CBS", "0.00", "EBS", "0.00"}, {"Test criteria"}, {"FLR", "0.00100"}, {"FTD, ms", "1.5000"},
        {"AVAIL, %", "99.9900"}, {"FDV, ms", "0.2500"}, {"VLAN tags", "2"}, {"#", "TPID", "PCP", "VID"},
        {"0", "88a8", "5", "100"}, {"1", "8100", "7", "4095"}, {"VLAN tags", "200"}, {"0", "9100", "0", "10"},
        {"2", "9102", "2", "12"}, {"VLAN tags", "0"}, {"IP destination", "10.0.0.4"},
        // Results
        {"Results"}, {"Elapsed time", "00:01:15"}, {"Remaining time", "00:00:00"},
        {"Configuration test. Stream #1"}, {"Subtest", "Status", "Parameter"}, {"Rate IR"}, {"Min.", "Avg.", "Max."},
        {"CIR 1", "OK", "123.457 Mbps", "123.458 Mbps", "123.459 Mbps"},
        {"CIR 2", "Running", "123.457 Mbps", "123.458 Mbps", "123.459 Mbps"},
        {"CIR+EIR", "Wait", "123.457 Mbps", "123.458 Mbps", "123.459 Mbps"}, {"Frame Delay FTD"},
        {"CIR 4", "Error", "1.500 us", "3.000 us", "1.000 ms"}, {"CIR 4", "OK", "1.500 us", "3.000 us", "1.000 ms"},
        {"Jitter FDV"}, {"Policy", "Wait", "-1.500 us", "0", "999 ns"}, {"Frame Loss FL"},
        {"Count, frames", "FLR"}, {"CIR 3", "OK", "3", "0.00300"}, {"Overall status"}, {"CIR 4", "OK"},
        {"Performance test. Stream #1"}, {"Status", "Wait"}, {"Parameter", "Status", "Value"}, {"FL", "Fail", "5"},
        {"FLR", "Fail", "0.05000"}, {"AVAIL", "Fail", "3599"}, {"AVAIL, %", "Fail", "99.9722"},
        {"Parameter", "Status", "Min.", "Avg.", "Max."},
        {"Rate IR", "OK", "1000.000 kbps", "1.001 Mbps", "1.002 Mbps"},
        {"Frame Delay FTD", "OK", "20.000 us", "40.000 us", "1.000 ms"},
        {"Jitter FDV", "OK", "-1.500 us", "0", "999 ns"}, {"Performance test. Stream #4"}};
    for (const QStringList &row : rows)
        QVERIFY2(hasRow(text, row), qPrintable(row.join(QLatin1Char('|')) + QStringLiteral(" not in:\n") + text));

    // Three streams tagged, two with tags; a count above three shows the
    // three tags the record holds; tagging off shows no count.
    for (const char *count : {"2", "200", "0"})
        QCOMPARE(linesWith(text, {"VLAN tags", QLatin1String(count)}), 1);
    QCOMPARE(linesWith(text, {"VLAN tags", "3"}), 0);
    QCOMPARE(text.count(QRegularExpression(QStringLiteral("#\\s+TPID\\s+PCP\\s+VID"))), 2 + 2);   // + the heading's two ports
    QVERIFY(!hasRow(text, {"3", "0000", "0", "0"}));
}

void TestPdfY1564::everyRowOnANumberedPage()
{
    // All four streams on: the test-wide settings below the heading, two
    // stream blocks a page, then one page per stream's results, every page
    // numbered and no row past the break limit.
    QVERIFY(renderReport(y1564Report(y1564Settings(), y1564Results()), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    QCOMPARE(pdfPageCount(words), 7);
    const QString wrong = pageNumbersWrong(words);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    for (const PdfWord &w : words) {
        if (w.top < PageHeight - 700)
            QVERIFY2(w.bottom <= Limit + Near, qPrintable(QStringLiteral("%1 on page %2").arg(w.text).arg(w.page)));
    }

    const struct
    {
        const char *phrase;
        int page;
    } places[] = {{"Advanced", 1},
                  {"Stream #1", 2},
                  {"Stream #2", 2},
                  {"Stream #3", 3},
                  {"Stream #4", 3},
                  {"Results", 4},
                  {"Configuration test. Stream #1", 4},
                  {"Performance test. Stream #1", 4},
                  {"Configuration test. Stream #2", 5},
                  {"Performance test. Stream #2", 5},
                  {"Configuration test. Stream #3", 6},
                  {"Configuration test. Stream #4", 7},
                  {"Performance test. Stream #4", 7}};
    for (const auto &place : places) {
        const QList<PdfWord> found = findPhrase(words, QLatin1String(place.phrase));
        QVERIFY2(!found.isEmpty(), place.phrase);
        QCOMPARE(found.first().page, place.page);
    }
    // Each stream's frame header stands beside its block, level with it.
    const QList<PdfWord> block = findPhrase(words, QStringLiteral("Stream #3"));
    const QList<PdfWord> header = findPhrase(words, QStringLiteral("Stream header #3"));
    QCOMPARE(header.size(), 1);
    QVERIFY(qAbs(block.first().top - header.first().top) < Near);
    QVERIFY(header.first().left > block.first().left + 4200 - Near);
}

void TestPdfY1564::reportCutShortIsRefused()
{
    const QByteArray report = y1564Report(y1564Settings(), y1564Results());
    QVERIFY(!renderReport(report.left(report.size() - 1), m_pdf));
    QVERIFY(!QFile::exists(m_pdf));
}

QTEST_MAIN(TestPdfY1564)
#include "tst_pdfy1564.moc"
