// Every report in English, Russian and German, filled with the longest
// values its fields can hold: no text runs into the next cell's text or off
// the sheet. (VYR_REPORT_PDFS=<folder> keeps the PDFs for a person to look at.)

#include "jitterrecords.h"
#include "rateunits.h"
#include "reportfixture.h"
#include "trafficrecords.h"

#include <QTranslator>
#include <QtTest>

#include <limits>

namespace {

constexpr int PageWidth = 9917;
constexpr int Left = PageWidth * 2 / 21;

header_settings_t longHeader()
{
    header_settings_t h{};
    h.level3 = 1;
    h.level4 = 1;
    h.qosMode = QosDscp;
    h.dscp = 0;   // "default ( 000000 )", the longest name
    h.ipDest = 0xFFFFFFFF;
    std::memset(h.macDest, 0xEE, sizeof h.macDest);
    h.ttl = 255;
    h.udpSrc = 65535;
    h.udpDst = 65535;
    return h;
}

// Both ports with every address at its longest, and both interface columns.
ReportFixture withLongHeading(ReportFixture f)
{
    eth_settings_t e{};
    e.linkModes = 0x3F;
    std::memset(e.mac, 0xEE, sizeof e.mac);
    e.ip = e.mask = e.gateway = 0xFFFFFFFF;
    e.vlanCount = 255;
    e.mplsCount = 255;
    for (int i = 0; i < 3; ++i) {
        e.tpid[i] = 0xFFFF;
        e.tagControl[i] = 0xFFFF;
        e.mpls[i] = 0xFFFFFFFF;
    }
    report_header_t h{};
    h.link[0] = port_link_t{1, 1, 2, 1};
    h.link[1] = port_link_t{0, 0, 0, 0};
    return f.header(h).topology(PortA, false).interfaceSettings(PortA, e).interfaceSettings(PortB, e);
}

QByteArray longTraffic()
{
    traffic_settings_t s{};
    s.header = longHeader();
    s.rateUnit = 3;
    s.rate = 65535;
    s.flrThreshold = 0.99999f;
    s.packetLength = 65535;
    s.duration = 0xFFFFFFFF;
    s.learningInterval = 65535;
    s.waitInterval = 65535;
    traffic_results_t r{};
    r.currentTime = 0xFFFFFFFF;
    r.estimatedTime = 0xFFFFFFFF;
    r.status = StatusIncompatibleFw;
    r.txFrames = r.rxFrames = 0xFFFFFFFF;
    r.txBytes = std::numeric_limits<uint64_t>::max();
    r.rate = 0xFFFFFFFF;
    r.pdv = r.latency = 999999999;
    r.runts = r.jabber = r.crcErrors = r.pause = 0xFFFFFFFF;
    return withLongHeading(ReportFixture(TestTraffic)).settings(s).results(r).bytes();
}

QByteArray longJitter()
{
    jitter_settings_t s{};
    s.header = longHeader();
    s.rateUnit = RateUnitMbps;
    s.rate = 0xFFFFFFFF;
    s.packetLength = 65535;
    s.duration = 0xFFFFFFFF;
    s.threshold = 65535;
    jitter_results_t r{};
    r.passedTime = 0xFFFFFFFF;
    r.rxAll = std::numeric_limits<uint64_t>::max();
    r.rxInOrder = 1;
    for (uint64_t &bin : r.bins)
        bin = std::numeric_limits<uint64_t>::max();
    return withLongHeading(ReportFixture(TestJitter)).settings(s).results(r).bytes();
}

} // namespace

class TestPdfTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textsStayInTheirCells_data();
    void textsStayInTheirCells();
};

void TestPdfTexts::initTestCase()
{
    Q_INIT_RESOURCE(vyrremote_translations);
}

void TestPdfTexts::textsStayInTheirCells_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("report");
    for (const char *language : {"en", "ru", "de"}) {
        QTest::addRow("%s traffic", language) << QString::fromLatin1(language) << longTraffic();
        QTest::addRow("%s jitter", language) << QString::fromLatin1(language) << longJitter();
    }
}

void TestPdfTexts::textsStayInTheirCells()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, report);
    QTranslator translator;
    if (language != QLatin1String("en")) {
        QVERIFY(translator.load(QStringLiteral("VyrRemote_") + language, QStringLiteral(":/")));
        QCoreApplication::installTranslator(&translator);
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const bool written = renderReport(report, pdf);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(written);

    const QList<PdfWord> words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());
    // The largest 64-bit count stays inside the middle of three columns
    // (from x + 1666 to x + 3333), drawn smaller than the rows around it.
    for (const PdfWord &w : words) {
        if (w.text == QLatin1String("18446744073709551615")) {
            QVERIFY2(w.left > Left + 1666 && w.right < Left + 3333, qPrintable(QString::number(w.right)));
            QVERIFY(w.bottom - w.top < 180);
        }
    }
    for (const QList<PdfWord> &line : pdfLines(words)) {
        for (int i = 0; i < line.size(); ++i) {
            const PdfWord &w = line.at(i);
            QVERIFY2(w.right <= PageWidth, qPrintable(w.text));
            if (i + 1 < line.size()) {
                const PdfWord &next = line.at(i + 1);
                QVERIFY2(w.right <= next.left + 1, qPrintable(QStringLiteral("\"%1\" runs into \"%2\" on page %3")
                                                                  .arg(w.text, next.text).arg(w.page)));
            }
        }
    }
}

QTEST_MAIN(TestPdfTexts)
#include "tst_pdftexts.moc"
