// The road of a report from a test to a PDF, through the real windows: a
// test runs on the simulated tester and stops, its report is saved on the
// tester, and File transfer -> Reports -> "Save pdf report" writes a PDF
// whose text (read back with pdftotext) holds the test's report title and a
// value from the results the report holds. One row per test id that has a
// report writer; a test without one, and reports the writer cannot read,
// end in their own messages and leave no file.
#include "mainwinrig.h"
#include "../support/filerequests.h"
#include "../support/modalscript.h"
#include "../support/reportfixture.h"
#include "ftransferform.h"
#include "pdfcreator.h"
#include "reportcodes.h"
#include "reportfilesform.h"
#include "rfcreport.h"

#include "bertrecords.h"
#include "cableformat.h"
#include "iptoolsformat.h"
#include "jitterrecords.h"
#include "mdirecords.h"
#include "multirecords.h"
#include "ptpformat.h"
#include "sfprecords.h"
#include "statsformat.h"
#include "syncrecords.h"
#include "textfunctions.h"
#include "trafficrecords.h"
#include "y1564records.h"
#include "asymrecords.h"

#include <QListWidget>
#include <QtTest>

#include <functional>

// The cells of a row the PDF shows for the results a report holds.
using ResultCells = std::function<QStringList(const ReportFile &)>;
Q_DECLARE_METATYPE(ResultCells)

namespace {

QString seconds(uint32_t from, uint32_t to)
{
    return secondsToString(to >= from ? to - from : 0);
}

const QString Elapsed = QStringLiteral("Elapsed time");

} // namespace

class TestMainWinReportRoad : public QObject
{
    Q_OBJECT

    struct Road
    {
        MainWindowRig rig{8};
        ModalScript script;
        QTemporaryDir folder;
        ReportFilesForm *reports = nullptr;

        Road()
        {
            // A cable between the ports: both have link.
            rig.tester([](SimRemoteResponder &r) { r.status.link[1] = r.status.link[0]; });
            rig.w->show();
        }

        bool open()
        {
            if (!rig.connectToSim())
                return false;
            useWindowLanguage(rig.w.get(), QStringLiteral("en"));
            return rig.drain();
        }

        template <class F>
        bool inWorker(F f)
        {
            QMetaObject::invokeMethod(rig.w->getDevice(), f, Qt::QueuedConnection);
            return rig.drain();
        }

        // File transfer -> Reports, the report picked, "Save pdf report" into
        // the folder; the message that answers it.
        QString savePdf(const QString &reportName, const QString &pdf)
        {
            rig.get<QPushButton>("bFTransfer")->click();
            auto *window = rig.w->findChild<FTransferForm *>();
            window->activateReportsTab();
            if (!rig.drain())
                return QStringLiteral("no list");
            reports = window->findChild<ReportFilesForm *>();
            QListWidget *list = findWidget<QListWidget>(reports, "listWidget");
            const QList<QListWidgetItem *> items = list->findItems(reportName, Qt::MatchExactly);
            if (items.size() != 1)
                return QStringLiteral("not listed");
            list->setCurrentItem(items.first());
            items.first()->setSelected(true);
            const int before = script.of(QStringLiteral("QMessageBox")).size();
            script.then(ModalScript::choose(pdf));
            findWidget<QPushButton>(reports, "bDown")->click();
            if (!QTest::qWaitFor([&] { return script.of(QStringLiteral("QMessageBox")).size() > before; },
                                 MainWindowDeadlineMs))
                return QStringLiteral("no message: ") + script.log();
            return script.of(QStringLiteral("QMessageBox")).last().text;
        }

        QByteArray storedReport(const QString &name)
        {
            QByteArray bytes;
            rig.tester([&](SimRemoteResponder &r) {
                const int i = r.fileIndex(name);
                if (i >= 0)
                    bytes = r.files.at(i).contents;
            });
            return bytes;
        }
    };

private slots:
    void initTestCase() { useProgramSettingsStore(); }

    void everyReportBecomesAReadablePdf_data();
    void everyReportBecomesAReadablePdf();
    void reportsTheWriterCannotUseSayWhy_data();
    void reportsTheWriterCannotUseSayWhy();
};

void TestMainWinReportRoad::everyReportBecomesAReadablePdf_data()
{
    QTest::addColumn<int>("test");
    QTest::addColumn<bool>("runsToItsEnd");   // else stopped after a second
    QTest::addColumn<ResultCells>("cells");

    QTest::newRow("statistics") << int(TestStatistics) << false << ResultCells([](const ReportFile &f) {
        const StatsPortView v = statsPortView(f.results<stats_results_t>(PortA));
        return QStringList{v.rx.frames, v.tx.frames};
    });
    QTest::newRow("traffic") << int(TestTraffic) << false << ResultCells([](const ReportFile &f) {
        return QStringList{QStringLiteral("Rx frames"), QString::number(f.results<traffic_results_t>().rxFrames)};
    });
    QTest::newRow("RFC 2544") << int(TestRfc2544) << false << ResultCells([](const ReportFile &f) {
        const rfc_settings_t s = f.settings<rfc_settings_t>();
        return rfcReportThroughputCells(s, f.results<rfc_results_t>(), rfcReportEnabledRows(s).value(0));
    });
    QTest::newRow("Y.1564") << int(TestY1564) << false << ResultCells([](const ReportFile &f) {
        const y1564_results_t r = f.results<y1564_results_t>();
        return QStringList{Elapsed, seconds(r.startTime, r.currentTime)};
    });
    QTest::newRow("multistream") << int(TestMultistream) << false << ResultCells([](const ReportFile &f) {
        return QStringList{Elapsed, secondsToString(f.results<multi_results_t>().elapsed)};
    });
    QTest::newRow("jitter") << int(TestJitter) << false << ResultCells([](const ReportFile &f) {
        return QStringList{QStringLiteral("All"), QString::number(quint64(f.results<jitter_results_t>().rxAll))};
    });
    QTest::newRow("PTP") << int(TestPtp) << false << ResultCells([](const ReportFile &f) {
        const ptp_settings_t s = f.settings<ptp_settings_t>();
        const ptp_results_t r = f.results<ptp_results_t>();
        return QStringList{QStringLiteral("Sync"), ptpResultsView(&s, &r).rx[PtpRowRxSync]};
    });
    QTest::newRow("ping") << int(TestPing) << false << ResultCells([](const ReportFile &f) {
        const ping_results_t r = f.results<ping_results_t>();
        for (const ping_request_t &q : r.requests) {
            if (q.number)
                return QStringList{QString::number(q.number), pingReportStatusText(q.status)};
        }
        return QStringList{QStringLiteral("no request in the report")};
    });
    QTest::newRow("trace route") << int(TestTraceRoute) << true << ResultCells([](const ReportFile &f) {
        const trace_hop_t hop = f.results<trace_results_t>().hops[0];
        return QStringList{traceHopView(hop).number, traceHopReportAddress(hop)};
    });
    QTest::newRow("DNS") << int(TestDns) << true << ResultCells([](const ReportFile &f) {
        return QStringList{QStringLiteral("Status"), dnsReportStatusText(f.results<dns_results_t>().status)};
    });
    QTest::newRow("IP scanner") << int(TestIpScanner) << false << ResultCells([](const ReportFile &f) {
        const ipscan_settings_t s = f.settings<ipscan_settings_t>();
        const ipscan_results_t r = f.results<ipscan_results_t>();
        return QStringList{QStringLiteral("Elapsed"), ipScanResultsView(&s, &r).elapsed};
    });
    QTest::newRow("cable") << int(TestCable) << true << ResultCells([](const ReportFile &f) {
        const cable_results_t r = f.results<cable_results_t>(PortA);
        const CableResultsView v = cableResultsView(&r);
        QStringList cells;
        for (int k = 0; k < CablePairCount; ++k)
            cells << v.cell[CableRowLatency][k];
        return cells;
    });
    QTest::newRow("optical") << int(TestOptical) << false << ResultCells([](const ReportFile &f) {
        const sfp_info_t module = f.results<sfp_info_t>(PortA);
        return QStringList{QString::fromLatin1(module.vendorName, int(qstrnlen(module.vendorName, 17)))};
    });
    QTest::newRow("MDI") << int(TestMdi) << false << ResultCells([](const ReportFile &f) {
        const mdi_results_t r = f.results<mdi_results_t>();
        return QStringList{Elapsed, seconds(r.startTime, r.currentTime)};
    });
    QTest::newRow("asymmetric traffic") << int(TestAsymTraffic) << false << ResultCells([](const ReportFile &f) {
        const asym_results_t r = f.results<asym_results_t>();
        return QStringList{Elapsed, seconds(r.startTime, r.currentTime)};
    });
    QTest::newRow("synchronisation") << int(TestSync) << false << ResultCells([](const ReportFile &f) {
        return QStringList{Elapsed, secondsToString(f.results<sync_results_t>().elapsed_time)};
    });
    QTest::newRow("BERT") << int(TestBert) << false << ResultCells([](const ReportFile &f) {
        return QStringList{QStringLiteral("Rx bits"), QString::number(quint64(f.results<bert_results_t>().bits))};
    });
}

void TestMainWinReportRoad::everyReportBecomesAReadablePdf()
{
    QFETCH(int, test);
    QFETCH(bool, runsToItsEnd);
    QFETCH(ResultCells, cells);
    QVERIFY(PDFCreator::hasWriter(unsigned(test)));

    Road road;
    QVERIFY(road.open());
    Device *device = road.rig.w->getDevice();
    const uchar id = uchar(test);
    QVERIFY(road.inWorker([device, id] { device->startTest(id, TopologyToOtherPort); }));
    QVERIFY2(road.script.of(QStringLiteral("QMessageBox")).isEmpty(), qPrintable(road.script.log()));
    if (runsToItsEnd) {
        // The poll reads its results and so sees it end.
        QTRY_VERIFY_WITH_TIMEOUT(!device->testInProcess(PortA, id), MainWindowDeadlineMs);
    } else {
        QTest::qWait(1100);
        QVERIFY(road.inWorker([device, id] { device->stopTest(id); }));
    }
    const QString name = QStringLiteral("ROAD %1").arg(test);
    QVERIFY(road.inWorker([device, id, name] { device->saveReportToFile(PortA, id, name); }));

    const QString pdf = road.folder.filePath(QStringLiteral("road.pdf"));
    QCOMPARE(road.savePdf(name, pdf), QStringLiteral("The PDF report is saved."));
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(PDFCreator::reportTitle(unsigned(test))), qPrintable(text));

    const ReportFile report(road.storedReport(name));
    QVERIFY(report.readable());
    const QStringList row = cells(report);
    QVERIFY(!row.join(QString()).trimmed().isEmpty());
    QVERIFY2(hasRow(text, row), qPrintable(row.join(QLatin1Char('|')) + QLatin1Char('\n') + text));
}

void TestMainWinReportRoad::reportsTheWriterCannotUseSayWhy_data()
{
    QTest::addColumn<QByteArray>("stored");   // null: saved by the tester from the OAM test
    QTest::addColumn<QString>("message");
    QTest::newRow("a test without a report writer") << QByteArray() << QStringLiteral(
        "The PDF report is not saved: this test has no report.");
    QByteArray traffic = ReportImage(TestTraffic).bytes();
    QTest::newRow("traffic report cut short") << traffic.left(traffic.size() - 1)
                                              << QStringLiteral("The report on the tester is damaged or of an unknown format.");
    QByteArray onPortC = traffic;
    onPortC[1] = char(PortRC);
    QTest::newRow("traffic report of port 2") << onPortC
                                              << QStringLiteral("The report on the tester is damaged or of an unknown format.");
    QByteArray unknown = traffic;
    unknown[0] = char(TestIdCount);
    QTest::newRow("byte 0 names no test") << unknown
                                          << QStringLiteral("The report on the tester is damaged or of an unknown format.");
}

void TestMainWinReportRoad::reportsTheWriterCannotUseSayWhy()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, message);
    Road road;
    QVERIFY(road.open());
    const QString name = QStringLiteral("BROKEN");
    if (stored.isNull()) {
        Device *device = road.rig.w->getDevice();
        QVERIFY(road.inWorker([device, name] { device->saveReportToFile(PortA, TestOam, name); }));
        QVERIFY(!PDFCreator::hasWriter(TestOam));
    } else {
        road.rig.tester([&](SimRemoteResponder &r) {
            r.files << SimRemoteResponder::File{name, FileTypeReport, stored, 0, quint32(uint8_t(stored.at(0)))};
        });
    }
    const QString pdf = road.folder.filePath(QStringLiteral("broken.pdf"));
    QCOMPARE(road.savePdf(name, pdf), message);
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestMainWinReportRoad)
#include "tst_mainwin_reportroad.moc"
