// The report core: dispatch by test id, refusal of files that do not match
// their layout, documents that cannot be created or finished, the heading,
// the common sections, page breaks and page numbers. Rendered through the
// real writer and read back with pdftotext.

#include "headersettings.h"
#include "../support/reportfixture.h"
#include "trafficrecords.h"

#include <QTranslator>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

constexpr int PageWidth = 9917;
constexpr int PageHeight = 14033;
constexpr int Left = PageWidth * 2 / 21;        // 944
constexpr int Limit = PageHeight * 28 / 30;     // 13097
constexpr int Near = 8;                         // device units of slack for poppler's rounding

QByteArray writeFile(const QString &path, const QByteArray &contents)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(contents);
    return contents;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A traffic report that fills the heading with both interface columns.
ReportFixture trafficReport()
{
    traffic_settings_t s{};
    s.header.level3 = 1;
    s.header.level4 = 1;
    s.rateUnit = 3;
    s.rate = 100;
    traffic_results_t r{};
    r.txFrames = 1000;
    r.rxFrames = 1000;
    ReportFixture f(TestTraffic);
    f.settings(s).results(r);
    return f;
}

} // namespace

class TestPdfCore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void testWithoutReport_data();
    void testWithoutReport();
    void everyLayoutRenders_data();
    void everyLayoutRenders();
    void documentTitleInTheReportsLanguage();
    void refused_data();
    void refused();
    void outcomeTellsReadingFromWriting_data();
    void outcomeTellsReadingFromWriting();
    void folderThatCannotHoldTheFile();
    void diskFullLeavesNoFile();

    void deviceInformation();
    void interfaceColumns_data();
    void interfaceColumns();
    void interfaceSettingsValues();
    void headerSectionKeepsItsHeight_data();
    void headerSectionKeepsItsHeight();
    void twoPagesNumberedAndBrokenBeforeTheLimit();

private:
    QTemporaryDir m_dir;
    QString m_pdf;
};

void TestPdfCore::init()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
    QFile::remove(m_pdf);
}

void TestPdfCore::testWithoutReport_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (int id : {0, 14, 18, 20, 21})
        QTest::addRow("test id %d, 6000 bytes", id) << QByteArray(6000, char(id));
}

void TestPdfCore::testWithoutReport()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(renderReport(bytes, m_pdf));
    QVERIFY(!QFile::exists(m_pdf));
}

void TestPdfCore::everyLayoutRenders_data()
{
    // The report titles as the writers word them.
    const QMap<unsigned, QString> titles{
        {TestStatistics, "Statistics report"},
        {TestTraffic, "Traffic test report"},
        {TestRfc2544, "RFC 2544 test report"},
        {TestY1564, "Y1564 test report"},
        {TestMultistream, "Multistream test report"},
        {TestJitter, "Jitter test report"},
        {TestPtp, "PTP test report"},
        {TestPing, "Ping test report"},
        {TestTraceRoute, "Trace test report"},
        {TestDns, "DNS test report"},
        {TestIpScanner, "IP scanner test report"},
        {TestCable, "Cable test report"},
        {TestOptical, "Optical test report"},
        {TestMdi, "MDI test report"},
        {TestAsymTraffic, "Asymmetric traffic test report"},
        {TestSync, "Synchronization report"},
        {TestBert, "BERT report"},
    };
    QTest::addColumn<unsigned>("test");
    QTest::addColumn<QString>("title");   // empty: a layout this table lacks
    for (const ReportLayout &layout : ReportLayouts)
        QTest::addRow("test %u", layout.test) << unsigned(layout.test) << titles.value(layout.test);
}

void TestPdfCore::everyLayoutRenders()
{
    // Every test whose report has a layout has a writer that renders the
    // all-zero report of that layout.
    QFETCH(unsigned, test);
    QFETCH(QString, title);
    QVERIFY2(!title.isEmpty(), "a report layout without a title in this table");
    QVERIFY(PDFCreator::hasWriter(test));
    PDFCreator creator;
    const get_device_info_resp_t info = testerInfo();
    QCOMPARE(creator.render(m_pdf, ReportFixture(test_id_t(test)).bytes(), &info), PDFCreator::Outcome::Written);
    const QString text = pdfText(m_pdf);
    QVERIFY2(text.contains(title), qPrintable(text));
    // The document says what it is: its title is the report's.
    QCOMPARE(pdfDocumentTitle(m_pdf), title);
}

void TestPdfCore::documentTitleInTheReportsLanguage()
{
    Q_INIT_RESOURCE(vyrremote_translations);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("VyrRemote_ru"), QStringLiteral(":/")));
    QCoreApplication::installTranslator(&translator);
    PDFCreator creator;
    const get_device_info_resp_t info = testerInfo();
    const PDFCreator::Outcome outcome = creator.render(m_pdf, ReportFixture(TestTraffic).bytes(), &info);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(outcome, PDFCreator::Outcome::Written);
    QCOMPARE(pdfDocumentTitle(m_pdf), QString::fromUtf8("Отчёт о тесте трафика"));
}

void TestPdfCore::outcomeTellsReadingFromWriting_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("writableFolder");
    QTest::addColumn<int>("outcome");
    const QByteArray traffic = trafficReport().bytes();
    const int written = int(PDFCreator::Outcome::Written);
    const int unreadable = int(PDFCreator::Outcome::Unreadable);
    QTest::newRow("traffic") << traffic << true << written;
    QTest::newRow("OAM") << QByteArray(600, char(TestOam)) << true << int(PDFCreator::Outcome::NoReport);
    QTest::newRow("OAM, folder missing") << QByteArray(600, char(TestOam)) << false
                                         << int(PDFCreator::Outcome::NoReport);
    QTest::newRow("traffic cut short") << traffic.left(traffic.size() - 1) << true << unreadable;
    QTest::newRow("traffic on port 2") << ReportFixture(trafficReport()).topology(2, false).bytes() << true
                                       << unreadable;
    QTest::newRow("test id 22") << QByteArray(6000, char(22)) << true << unreadable;
    // A reading fault is told before any file is tried.
    QTest::newRow("traffic cut short, folder missing") << traffic.left(300) << false << unreadable;
    QTest::newRow("traffic, folder missing") << traffic << false << int(PDFCreator::Outcome::WriteFailed);
}

void TestPdfCore::outcomeTellsReadingFromWriting()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, writableFolder);
    QFETCH(int, outcome);
    const QString pdf = writableFolder ? m_pdf : m_dir.filePath(QStringLiteral("missing/out.pdf"));
    PDFCreator creator;
    const get_device_info_resp_t info = testerInfo();
    QCOMPARE(int(creator.render(pdf, bytes, &info)), outcome);
    QCOMPARE(QFile::exists(pdf), outcome == int(PDFCreator::Outcome::Written));
}

void TestPdfCore::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray traffic = trafficReport().bytes();
    QTest::newRow("traffic cut by one byte") << traffic.left(traffic.size() - 1);
    QTest::newRow("traffic of 200 bytes") << traffic.left(200);
    QTest::newRow("traffic of one byte") << traffic.left(1);
    // No byte 0 at all: not a report of test 0 (which has none) but a
    // damaged file.
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("traffic on port 2") << ReportFixture(trafficReport()).topology(2, false).bytes();
    QTest::newRow("traffic on port 255, looped") << ReportFixture(trafficReport()).topology(255, true).bytes();
    // Byte 0 names no test: a file of a format this program does not know.
    for (int id : {22, 200, 255})
        QTest::addRow("test id %d, 6000 bytes", id) << QByteArray(6000, char(id));
    for (const ReportLayout &layout : ReportLayouts) {
        if (PDFCreator::hasWriter(layout.test))
            QTest::addRow("test %d cut by one byte", layout.test) << ReportFixture(layout.test).bytes().left(layout.end - 1);
    }
}

void TestPdfCore::refused()
{
    QFETCH(QByteArray, bytes);
    // An older file of that name is neither removed nor overwritten.
    const QByteArray old = writeFile(m_pdf, "an older report");
    QVERIFY(!renderReport(bytes, m_pdf));
    QCOMPARE(readFile(m_pdf), old);
    QFile::remove(m_pdf);
    QVERIFY(!renderReport(bytes, m_pdf));
    QVERIFY(!QFile::exists(m_pdf));
}

void TestPdfCore::folderThatCannotHoldTheFile()
{
    // A regular file where the folder should be: nothing can be created in it
    // (a read-only folder would not stop a test run as root).
    const QString notAFolder = m_dir.filePath(QStringLiteral("plain.txt"));
    writeFile(notAFolder, "x");
    const QString pdf = notAFolder + QStringLiteral("/report.pdf");
    QVERIFY(!renderReport(trafficReport().bytes(), pdf));
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(readFile(notAFolder), QByteArray("x"));
    // The writer is ready for the next report.
    QVERIFY(renderReport(trafficReport().bytes(), m_pdf));
    QVERIFY(pdfText(m_pdf).contains(QLatin1String("Traffic test report")));
}

void TestPdfCore::diskFullLeavesNoFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("full.pdf"));
    const QByteArray report = trafficReport().bytes();
    QVERIFY(renderReport(report, pdf));
    const qint64 fullSize = QFileInfo(pdf).size();
    const QByteArray old = writeFile(pdf, "an older report");

    // Files of this process may not grow past 4 KiB, as on a full disk;
    // the writes beyond fail instead of raising SIGXFSZ.
    constexpr rlim_t Room = 4096;
    QVERIFY(fullSize > qint64(Room));
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = Room;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = renderReport(report, pdf);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(readFile(pdf), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("full.pdf")});
}

void TestPdfCore::deviceInformation()
{
    PDFCreator creator;
    get_device_info_resp_t info = testerInfo(6, 65535);
    QVERIFY(creator.createReport(m_pdf, trafficReport().bytes(), &info));
    const QList<PdfWord> words = pdfWords(m_pdf);
    QVERIFY(!findPhrase(words, QStringLiteral("Traffic test report")).isEmpty());
    QVERIFY(!findPhrase(words, QStringLiteral("Device information")).isEmpty());
    QVERIFY(!findPhrase(words, QStringLiteral("Device Tarnek-VyrK C1")).isEmpty());
    QVERIFY(!findPhrase(words, QStringLiteral("Serial number 65535")).isEmpty());
    QVERIFY(!findPhrase(words, QStringLiteral("Manufactured by")).isEmpty());
}

void TestPdfCore::interfaceColumns_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("looped");
    QTest::addColumn<QStringList>("columns");   // ports, left to right
    QTest::addColumn<QString>("topology");
    QTest::newRow("two ports, A to B") << 8 << 0 << false << QStringList{"A", "B"} << "A >> B";
    QTest::newRow("two ports, B to A") << 8 << 1 << false << QStringList{"A", "B"} << "B >> A";
    QTest::newRow("two ports, B looped") << 8 << 1 << true << QStringList{"B"} << "B >> B";
    QTest::newRow("two ports, A looped") << 2 << 0 << true << QStringList{"A"} << "A >> A";
    QTest::newRow("one port, A to B") << 1 << 0 << false << QStringList{"A"} << "A >> B";
    QTest::newRow("one port, A looped") << 7 << 0 << true << QStringList{"A"} << "A >> A";
}

void TestPdfCore::interfaceColumns()
{
    QFETCH(int, deviceType);
    QFETCH(int, port);
    QFETCH(bool, looped);
    QFETCH(QStringList, columns);
    QFETCH(QString, topology);
    QVERIFY(renderReport(ReportFixture(trafficReport()).topology(port_t(port), looped).bytes(), m_pdf,
                         uint8_t(deviceType)));
    const QList<PdfWord> words = pdfWords(m_pdf);
    double top = -1;
    for (const QString &p : {QStringLiteral("A"), QStringLiteral("B")}) {
        const QList<PdfWord> settings = findPhrase(words, QStringLiteral("Interface settings (Port %1)").arg(p));
        const QList<PdfWord> status = findPhrase(words, QStringLiteral("Interface status (Port %1)").arg(p));
        const int column = columns.indexOf(p);
        if (column < 0) {
            QVERIFY2(settings.isEmpty() && status.isEmpty(), qPrintable(p));
            continue;
        }
        QCOMPARE(settings.size(), 1);
        QCOMPARE(status.size(), 1);
        // Columns 4000 wide with 100 between them; text 30 in from the edge.
        const int textLeft = Left + column * 4100 + 30;
        QVERIFY2(qAbs(settings.first().left - textLeft) < Near, qPrintable(QString::number(settings.first().left)));
        QVERIFY(qAbs(status.first().left - textLeft) < Near);
        // Both columns start at the same height.
        if (top < 0)
            top = settings.first().top;
        QVERIFY(qAbs(settings.first().top - top) < Near);
    }
    QCOMPARE(findPhrase(words, QStringLiteral("Topology ") + topology).size(), 1);
}

void TestPdfCore::interfaceSettingsValues()
{
    eth_settings_t a{};
    a.linkModes = 0x30;   // 1000 only
    a.mac[0] = 0x00; a.mac[1] = 0x1a; a.mac[2] = 0x2b; a.mac[3] = 0x3c; a.mac[4] = 0x4d; a.mac[5] = 0x5e;
    a.ip = 0xC0A8010A;        // 192.168.1.10
    a.mask = 0xFFFFFF00;
    a.gateway = 0xC0A80101;
    a.vlanCount = 2;
    a.tpid[0] = 0x8100;
    a.tagControl[0] = uint16_t((5 << 13) | 100);
    a.tpid[1] = 0x9100;
    a.tagControl[1] = 4095;
    a.mplsCount = 1;
    a.mpls[0] = (0xABCDEu << 12) | (6u << 9) | (1u << 8) | 64u;
    a.mpls[1] = (0x10u << 12) | (3u << 9) | 32u;
    eth_settings_t b{};
    b.dhcp = 1;
    b.ip = 0x01020304;        // configured, but DHCP is on
    report_header_t h{};
    h.test = TestTraffic;
    h.link[0] = port_link_t{1, 1, 2, 1};
    h.link[1] = port_link_t{0, 1, 2, 1};
    h.dhcp[1] = port_addresses_t{0x0A000005, 0xFF000000, 0x0A000001};
    h.dhcp[0] = port_addresses_t{0x0B0B0B0B, 0, 0};   // not used: Port A has DHCP off
    const QByteArray bytes = ReportFixture(trafficReport()).header(h).interfaceSettings(PortA, a)
                                 .interfaceSettings(PortB, b).bytes();
    QVERIFY(renderReport(bytes, m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    auto count = [&](const QString &phrase) { return findPhrase(words, phrase).size(); };
    QCOMPARE(count(QStringLiteral("MAC address 00:1a:2b:3c:4d:5e")), 1);
    QCOMPARE(count(QStringLiteral("IP address 192.168.1.10")), 1);
    QCOMPARE(count(QStringLiteral("Subnet mask 255.255.255.0")), 1);
    QCOMPARE(count(QStringLiteral("Gateway 192.168.1.1")), 1);
    QCOMPARE(count(QStringLiteral("IP address 10.0.0.5")), 1);   // Port B's, obtained by DHCP
    QCOMPARE(count(QStringLiteral("Gateway 10.0.0.1")), 1);
    QCOMPARE(count(QStringLiteral("1.2.3.4")), 0);
    QCOMPARE(count(QStringLiteral("11.11.11.11")), 0);
    QCOMPARE(count(QStringLiteral("VLAN tags 2")), 1);
    QCOMPARE(count(QStringLiteral("0 8100 5 100")), 1);
    QCOMPARE(count(QStringLiteral("1 9100 0 4095")), 1);
    QCOMPARE(count(QStringLiteral("MPLS labels 1")), 1);
    QCOMPARE(count(QStringLiteral("0 abcde 6 64")), 1);
    // Labels in five digits, TPIDs in four, as the interface window shows them.
    QCOMPARE(count(QStringLiteral("1 00010 3 32")), 1);
    QCOMPARE(count(QStringLiteral("2 0000 0 0")), 2);   // the third tag of either port
    QCOMPARE(count(QStringLiteral("Speed 1000 Mbps")), 1);
    QCOMPARE(count(QStringLiteral("Type Fiber")), 1);
    QCOMPARE(count(QStringLiteral("Duplex FDX")), 1);
    QCOMPARE(count(QStringLiteral("Speed No sync")), 1);   // Port B: no link, whatever else
    QCOMPARE(count(QStringLiteral("Type -")), 1);
}

void TestPdfCore::headerSectionKeepsItsHeight_data()
{
    QTest::addColumn<int>("level3");
    QTest::addColumn<int>("level4");
    QTest::addColumn<int>("arp");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("notShown");
    QTest::newRow("levels 3 and 4") << 1 << 1 << 0
                                    << QStringList{"IP destination 10.1.2.3", "ToS 0100", "Precedence 5",
                                                   "TTL 64", "UDP source 5001", "UDP destination 5002",
                                                   "MAC destination 00:00:00:00:00:07"}
                                    << QStringList{};
    QTest::newRow("level 4 off") << 1 << 0 << 0 << QStringList{"TTL 64"}
                                 << QStringList{"UDP source", "UDP destination"};
    QTest::newRow("level 3 off, ARP on") << 0 << 1 << 1 << QStringList{"ARP enable", "MAC destination"}
                                         << QStringList{"IP destination", "TTL 64", "UDP source",
                                                        "00:00:00:00:00:07"};
}

void TestPdfCore::headerSectionKeepsItsHeight()
{
    QFETCH(int, level3);
    QFETCH(int, level4);
    QFETCH(int, arp);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, notShown);
    traffic_settings_t s{};
    s.header.level3 = uint8_t(level3);
    s.header.level4 = uint8_t(level4);
    s.header.arp = uint8_t(arp);
    s.header.macDest[5] = 7;
    s.header.ipDest = 0x0A010203;
    s.header.tos = uint8_t((5 << 5) | (4 << 1));
    s.header.ttl = 64;
    s.header.qosMode = QosTos;
    s.header.udpSrc = 5001;
    s.header.udpDst = 5002;
    QVERIFY(renderReport(ReportFixture(TestTraffic).settings(s).bytes(), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    for (const QString &phrase : shown)
        QVERIFY2(findPhrase(words, phrase).size() == 1, qPrintable(phrase));
    for (const QString &phrase : notShown)
        QVERIFY2(findPhrase(words, phrase).isEmpty(), qPrintable(phrase));
    // Whatever applies, the section after it starts at the same row: the
    // heading (to 7735), "Settings", "Topology", then 14 rows.
    const QList<PdfWord> advanced = findPhrase(words, QStringLiteral("Advanced"));
    QCOMPARE(advanced.size(), 1);
    const double expectedTop = 7735 + 16 * 200;
    QVERIFY2(advanced.first().top > expectedTop && advanced.first().top < expectedTop + 200,
             qPrintable(QString::number(advanced.first().top)));
}

void TestPdfCore::twoPagesNumberedAndBrokenBeforeTheLimit()
{
    // The traffic report's results keep 17 rows together: they do not fit
    // below its settings and start page 2.
    QVERIFY(renderReport(trafficReport().bytes(), m_pdf));
    const QList<PdfWord> words = pdfWords(m_pdf);
    int pages = 0;
    for (const PdfWord &w : words)
        pages = qMax(pages, w.page);
    QCOMPARE(pages, 2);

    const QList<PdfWord> results = findPhrase(words, QStringLiteral("Results"));
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().page, 2);
    QVERIFY(results.first().top < PageHeight / 15 + 200);

    // Page 1 is left with its number at x + 8000, the last page numbered
    // 1000 from its right edge, both 500 above the foot; nothing else passes
    // the break limit.
    const double numberTop = PageHeight - 500 - 250;
    for (const PdfWord &w : words) {
        if (w.bottom <= Limit + Near)
            continue;
        QVERIFY2(w.top > numberTop, qPrintable(w.text));
        if (w.page == 1) {
            QCOMPARE(w.text, QStringLiteral("1"));
            QVERIFY(qAbs(w.left - (Left + 8000)) < Near);
        } else {
            QCOMPARE(w.text, QStringLiteral("2"));
            QVERIFY(qAbs(w.left - (PageWidth - 1000)) < Near);
        }
    }
    int numbers = 0;
    for (const PdfWord &w : words)
        numbers += w.top > numberTop;
    QCOMPARE(numbers, 2);
}

QTEST_MAIN(TestPdfCore)
#include "tst_pdfcore.moc"
