// Saving a report as PDF the way the report files form does: Device reads
// the report file from the (simulated) tester in 512-byte chunks, in its
// worker thread, renders it through PDFCreator and answers with
// pdfReportCreated; the PDF is read back with pdftotext.

#include "deviceworker.h"
#include "../support/reportfixture.h"
#include "statsrecords.h"
#include "trafficrecords.h"

#include <QtTest>

namespace {

class PdfRig : public DeviceWorker
{
public:
    explicit PdfRig(quint8 deviceType)
        : DeviceWorker(deviceType)
    {
        QObject::connect(device, &Device::connected, &receiver, [this] { ++connections; }, Qt::QueuedConnection);
        QObject::connect(device, &Device::pdfReportCreated, &receiver, [this](bool ok) { answers << ok; },
                         Qt::QueuedConnection);
    }
    ~PdfRig() { stopWorker(); }

    bool connectDevice()
    {
        const QString to = address();
        inWorker([this, to] { device->connectByTcpIp(to); });
        return QTest::qWaitFor([&] { return connections > 0; }, EventuallyMs) && drain();
    }

    // Stores a report file on the tester and asks for it as PDF; the answer.
    bool save(const QString &name, const QByteArray &report, const QString &pdf)
    {
        tester([&](SimRemoteResponder &r) { r.files << SimRemoteResponder::File{name, FileTypeReport, report, 0, 0}; });
        const int before = answers.size();
        inWorker([this, name, pdf] { device->createPdfReport(name, pdf); });
        if (!QTest::qWaitFor([&] { return answers.size() > before; }, EventuallyMs))
            return false;
        return answers.last();
    }

    QObject receiver;
    int connections = 0;
    QList<bool> answers;
};

QByteArray trafficReport()
{
    traffic_settings_t s{};
    s.rateUnit = 3;
    s.duration = 3725;
    traffic_results_t r{};
    r.txFrames = 2000;
    r.rxFrames = 1990;
    return ReportFixture(TestTraffic).settings(s).results(r).bytes();
}

} // namespace

class TestPdfDevice : public QObject
{
    Q_OBJECT

private slots:
    void savedReportIsReadableAsPdf();
    void reportThatDoesNotMatchItsLayoutGivesNoPdf();
};

void TestPdfDevice::savedReportIsReadableAsPdf()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("traffic.pdf"));
    PdfRig rig(8);
    QVERIFY(rig.connectDevice());
    QVERIFY(rig.save(QStringLiteral("TRAFFIC1"), trafficReport(), pdf));
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QLatin1String("Traffic test report")), qPrintable(text));
    // The heading names the connected tester.
    QVERIFY(text.contains(QLatin1String("Tarnek-VyrK C2")));
    QVERIFY(text.contains(QLatin1String("4711")));
    QVERIFY(text.contains(QLatin1String("01:02:05")));
    QVERIFY(QRegularExpression(QStringLiteral("Lost frames\\s+10\\s+0\\.00500")).match(text).hasMatch());
    // Both interface columns: a two-port tester.
    QVERIFY(text.contains(QLatin1String("(Port B)")));

    // A statistics report (712 bytes) comes in two chunks; Port B's counters
    // lie in the second.
    stats_results_t b{};
    b.tx.bytes = 5000000000ull;
    const QString stats = dir.filePath(QStringLiteral("statistics.pdf"));
    QVERIFY(rig.save(QStringLiteral("STATS1"), ReportFixture(TestStatistics).results(b, PortB).bytes(), stats));
    const QString statsText = pdfText(stats);
    QVERIFY(statsText.contains(QLatin1String("Statistics report")));
    QVERIFY(QRegularExpression(QStringLiteral("Bytes\\s+0\\s+5000000000")).match(statsText).hasMatch());
}

void TestPdfDevice::reportThatDoesNotMatchItsLayoutGivesNoPdf()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("short.pdf"));
    PdfRig rig(1);
    QVERIFY(rig.connectDevice());
    QVERIFY(!rig.save(QStringLiteral("SHORT"), trafficReport().left(300), pdf));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(rig.save(QStringLiteral("WHOLE"), trafficReport(), pdf));
    // A one-port tester: one interface column.
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QLatin1String("(Port A)")));
    QVERIFY(!text.contains(QLatin1String("(Port B)")));
}

QTEST_MAIN(TestPdfDevice)
#include "tst_pdfdevice.moc"
