// The PTP test report: a fixture built from the layout, rendered through the
// real writer and read back with pdftotext; the rows that do not apply under
// the settings are drawn grey and the check marks follow the mode byte,
// both seen in a picture of the page.

#include "ptprecords.h"
#include "../support/reportfixture.h"

#include <QImage>
#include <QtTest>

namespace {

constexpr int PageWidth = 9917;
constexpr int Left = PageWidth * 2 / 21;
constexpr int Dpi = 150;   // of the page pictures

ptp_settings_t ptpSettings()
{
    ptp_settings_t s{};
    s.client.mode = PtpModeUnicast;
    s.client.domain = 24;
    s.client.master_ip = 0xC0A80164;   // 192.168.1.100
    s.client.auto_domain = 0;
    s.client.unicast_negotiation = 1;
    s.client.announce_interval = -2;
    s.client.sync_interval = -3;
    s.duration = 3600;
    s.servers[0] = 0xC0A80101;
    s.servers[2] = 0xC0A80103;
    s.servers[9] = 0xC0A8010A;
    return s;
}

ptp_results_t ptpResults()
{
    ptp_results_t r{};
    r.start_time = 1000;
    r.current_time = 1600;
    r.test_duration = 900;
    ptp_master_info_t &m = r.master;
    m.master_ip = 0xC0A80101;
    const uint8_t id[] = {0x00, 0x1A, 0x2B, 0xFF, 0xFE, 0x3C, 0x4D, 0x5E};
    std::memcpy(m.clock_identity, id, sizeof id);
    m.port_number = 1;
    m.domain = 24;
    m.announce_interval = 1;
    m.sync_interval = PtpIntervalNotGiven;
    m.clock_class = 6;
    m.clock_accuracy = 33;
    m.time_source = 0x20;
    m.utc_offset = 37;
    m.priority1 = 128;
    m.priority2 = 127;
    r.rx_announce = 10;
    r.rx_sync = 20;
    r.rx_follow_up = 20;
    r.rx_delay_resp = 5;
    r.tx_delay_req = 7;
    r.measure_valid = 1;
    r.tms = 1500;
    r.tsm = -2500;
    r.t_average = 0;
    r.offset = 1000000;
    r.sync_pdv = 250;
    return r;
}

QByteArray ptpReport(const ptp_settings_t &s, const ptp_results_t &r)
{
    return ReportFixture(TestPtp).settings(s).results(r).bytes();
}

QImage pagePicture(const QString &pdf, int page)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(Dpi),
                                         QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                         QString::number(page), QStringLiteral("-singlefile"), pdf, base});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QImage();
    return QImage(base + QStringLiteral(".png"));
}

QPoint pixelOf(double x, double y)
{
    return QPoint(int(x * Dpi / PDFCreator::Resolution), int(y * Dpi / PDFCreator::Resolution));
}

// The first word of the first row on page 1 whose label cell holds exactly
// the label (a null word when there is none).
PdfWord settingsLabel(const QList<PdfWord> &words, const QString &label)
{
    for (const QList<PdfWord> &line : pdfLines(words)) {
        if (line.first().page != 1 || qAbs(line.first().left - (Left + 30)) >= 8)
            continue;
        QStringList cell;
        for (const PdfWord &w : line) {
            if (w.left < Left + 2500)
                cell << w.text;
        }
        if (cell.join(QLatin1Char(' ')) == label)
            return line.first();
    }
    return PdfWord{};
}

// The value cell's fill near its right edge, away from its text.
QRgb valueFill(const QImage &picture, const PdfWord &label)
{
    return picture.pixel(pixelOf(Left + 5000 - 150, (label.top + label.bottom) / 2));
}

// Dark pixels in the value cell of a row: its check mark or empty box.
int darkPixelsInValueCell(const QImage &picture, const PdfWord &label)
{
    const QPoint from = pixelOf(Left + 2500 + 20, label.top);
    const QPoint to = pixelOf(Left + 2500 + 200, label.bottom);
    int dark = 0;
    for (int x = from.x(); x <= to.x(); ++x) {
        for (int y = from.y(); y <= to.y(); ++y)
            dark += qGray(picture.pixel(x, y)) < 128;
    }
    return dark;
}

} // namespace

class TestPdfPtp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void report_data();
    void report();
    void rowsThatDoNotApplyAreGrey_data();
    void rowsThatDoNotApplyAreGrey();
    void modeChecks_data();
    void modeChecks();

private:
    QTemporaryDir m_dir;
    QString m_pdf;
};

void TestPdfPtp::init()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
    QFile::remove(m_pdf);
}

void TestPdfPtp::report_data()
{
    addFixtureColumns();

    QTest::newRow("fixture") << ptpReport(ptpSettings(), ptpResults())
                             << Rows{{"PTP test report"},
                                     {"Settings", "Unicast", "Multicast", "Duration", "01:00:00",
                                      "Domain auto detection", "Domain", "24", "IP PTP Master", "192.168.1.100",
                                      "Unicast negotiation", "Announce interval", "-2", "Sync interval", "-3"},
                                     {"Servers list", "1", "BMCA", "192.168.1.1", "2", "None", "-", "3", "Server",
                                      "192.168.1.3"},
                                     {"9", "None", "-", "10", "Server", "192.168.1.10"},
                                     {"Results"},
                                     {"Information", "Announce interval", "1", "Sync interval", "-", "IP address",
                                      "192.168.1.1", "ID", "00-1A-2B-FF-FE-3C-4D-5E", "Port number", "1", "Domain",
                                      "24", "PTP version", "2", "UTC offset", "37 s", "Clock class", "6",
                                      "Clock accuracy", "33", "Time source", "0x20", "Priority 1", "128",
                                      "Priority 2", "127"},
                                     {"Statistics", "Rx frames", "55", "Announce", "10", "Sync", "20", "Follow Up",
                                      "20", "Delay Response", "5", "Tx frames", "7", "Delay Request", "7"},
                                     {"Measuring", "Elapsed time", "00:10:00", "Remaining time", "00:05:00", "Tms",
                                      "1.500 us", "Tsm", "-2.500 us", "T average", "0", "Offset", "1.000 ms", "Sync PDV", "250 ns"}}
                             << Rows{{"Convert PTP time to UTC"}, {"Topology"}};

    ptp_settings_t lost = ptpSettings();
    lost.servers[0] = 0;
    lost.duration = 0;   // runs until stopped; the report still shows the tester's estimate
    ptp_results_t none = ptpResults();
    none.master.master_ip = 0;
    none.measure_valid = 0;
    none.current_time = 3000;
    none.rx_announce = 0xFFFFFFFFu;   // the total wraps as the tester's counters do
    none.rx_sync = 2;
    QTest::newRow("no master, no measurement, run over")
        << ptpReport(lost, none)
        << Rows{{"Servers list", "1", "None", "-", "2", "None", "-"},
                {"Information", "Announce interval", "-", "Sync interval", "-", "IP address", "-", "ID", "-",
                 "Port number", "-", "Domain", "-", "PTP version", "-", "UTC offset", "-", "Clock class", "-",
                 "Clock accuracy", "-", "Time source", "-", "Priority 1", "-", "Priority 2", "-"},
                {"Rx frames", "26"}, {"Announce", "4294967295"},
                {"Elapsed time", "00:33:20", "Remaining time", "00:00:00", "Tms", "-", "Tsm", "-", "T average", "-",
                 "Offset", "-", "Sync PDV", "-"}}
        << Rows{{"BMCA"}, {"00-1A-2B-FF-FE-3C-4D-5E"}, {"1.500 us"}};

    ptp_results_t behind = ptpResults();
    behind.current_time = 10;   // the tester's clock behind the start
    behind.master.announce_interval = -128;
    behind.master.utc_offset = -32768;
    QTest::newRow("clock behind the start, extreme master values")
        << ptpReport(ptpSettings(), behind)
        << Rows{{"Elapsed time", "00:00:00", "Remaining time", "00:15:00"},
                {"Information", "Announce interval", "-128"}, {"UTC offset", "-32768 s"}}
        << Rows{};
}

void TestPdfPtp::report()
{
    QFETCH(QByteArray, report);
    QFETCH(Rows, rows);
    QFETCH(Rows, absent);
    const QString faults = fixtureFaults(report, m_pdf, rows, absent);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

void TestPdfPtp::rowsThatDoNotApplyAreGrey_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("negotiation");
    QTest::addColumn<int>("autoDomain");
    QTest::addColumn<bool>("intervalsGrey");
    QTest::addColumn<bool>("domainGrey");
    QTest::newRow("unicast, negotiated") << 0 << 1 << 0 << false << false;
    QTest::newRow("unicast, not negotiated") << 0 << 0 << 0 << true << false;
    QTest::newRow("unicast, negotiation byte 2") << 0 << 2 << 0 << true << false;
    QTest::newRow("multicast") << 1 << 1 << 0 << true << false;
    QTest::newRow("domain detected") << 0 << 1 << 1 << false << true;
    QTest::newRow("mode 2 is not multicast") << 2 << 1 << 5 << false << true;
}

void TestPdfPtp::rowsThatDoNotApplyAreGrey()
{
    QFETCH(int, mode);
    QFETCH(int, negotiation);
    QFETCH(int, autoDomain);
    QFETCH(bool, intervalsGrey);
    QFETCH(bool, domainGrey);
    ptp_settings_t s = ptpSettings();
    s.client.mode = uint8_t(mode);
    s.client.unicast_negotiation = uint8_t(negotiation);
    s.client.auto_domain = uint8_t(autoDomain);
    QVERIFY(renderReport(ptpReport(s, ptpResults()), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QImage picture = pagePicture(m_pdf, 1);
    QVERIFY(!picture.isNull());

    const QRgb grey = qRgb(217, 217, 217);
    const QRgb white = qRgb(255, 255, 255);
    auto fillOf = [&](const char *label) {
        const PdfWord w = settingsLabel(words, QLatin1String(label));
        return w.page ? valueFill(picture, w) : qRgb(0, 0, 0);
    };
    QCOMPARE(fillOf("Announce interval"), intervalsGrey ? grey : white);
    QCOMPARE(fillOf("Sync interval"), intervalsGrey ? grey : white);
    QCOMPARE(fillOf("Domain"), domainGrey ? grey : white);
    // The master's address always applies.
    QCOMPARE(fillOf("IP PTP Master"), white);
    QCOMPARE(fillOf("Duration"), white);
}

void TestPdfPtp::modeChecks_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("unicast");
    QTest::addColumn<bool>("multicast");
    QTest::newRow("unicast") << 0 << true << false;
    QTest::newRow("multicast") << 1 << false << true;
    QTest::newRow("mode 2 checks neither") << 2 << false << false;
    QTest::newRow("mode 255 checks neither") << 255 << false << false;
}

void TestPdfPtp::modeChecks()
{
    QFETCH(int, mode);
    QFETCH(bool, unicast);
    QFETCH(bool, multicast);
    ptp_settings_t s = ptpSettings();
    s.client.mode = uint8_t(mode);
    s.client.auto_domain = 0;   // an empty box to compare with
    s.client.unicast_negotiation = 1;   // a checked box to compare with
    QVERIFY(renderReport(ptpReport(s, ptpResults()), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    const QImage picture = pagePicture(m_pdf, 1);
    QVERIFY(!picture.isNull());
    QMap<QString, int> dark;
    for (const char *label : {"Domain auto detection", "Unicast negotiation", "Unicast", "Multicast"}) {
        const PdfWord w = settingsLabel(words, QLatin1String(label));
        QVERIFY2(w.page == 1, label);
        dark.insert(QLatin1String(label), darkPixelsInValueCell(picture, w));
    }
    const int empty = dark.value(QStringLiteral("Domain auto detection"));
    const int checked = dark.value(QStringLiteral("Unicast negotiation"));
    QVERIFY2(checked > empty + 20, qPrintable(QStringLiteral("%1 %2").arg(checked).arg(empty)));
    QCOMPARE(dark.value(QStringLiteral("Unicast")), unicast ? checked : empty);
    QCOMPARE(dark.value(QStringLiteral("Multicast")), multicast ? checked : empty);
}

QTEST_MAIN(TestPdfPtp)
#include "tst_pdfptp.moc"
