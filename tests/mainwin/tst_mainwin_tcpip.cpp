// The TCP/IP tools window in the main window: reached only through a loaded
// report of tests 8-11 (its selector button stays disabled), on the page of
// the report's test and port; the port buttons and the language buttons
// reach its forms; and the four tests run against a simulated tester that
// runs them.

#include "dnsform.h"
#include "ipscannerform.h"
#include "mainwinrig.h"
#include "../support/modalanswerer.h"
#include "pingform.h"
#include "tcpipform.h"
#include "traceform.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtEndian>
#include <QtTest>

namespace {

// A model of this program's family and release with two ports: no release
// warning comes up.
constexpr quint8 TwoPortModel = 8;

} // namespace

class TestMainWinTcpIp : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowRig> rig;
    std::unique_ptr<ModalAnswerer> answerer;

    TCPIPForm *window() { return rig->w->findChild<TCPIPForm *>(); }
    QTabWidget *tabs() { return findWidget<QTabWidget>(window(), "tabWidget"); }
    template <class Form>
    Form *form()
    {
        return window()->findChild<Form *>();
    }

    // The results requests (0x13) since the last clear, as (port, test).
    QList<QPair<int, int>> resultsRequests()
    {
        QList<QPair<int, int>> out;
        for (const QByteArray &r : rig->sim->requests()) {
            if (r.size() >= 6 && quint8(r.at(0)) == 0x13)
                out << qMakePair(int(qFromLittleEndian<quint32>(r.constData() + 1)), int(quint8(r.at(5))));
        }
        return out;
    }

    // The tester loads a report of the test saved from the port; the window
    // learns of it as from the file window.
    void loadReport(port_t port, int test)
    {
        const QString name = QStringLiteral("REPORT_%1_%2").arg(port).arg(test);
        rig->tester([&](SimRemoteResponder &r) {
            SimRemoteResponder::File file;
            file.name = name;
            file.type = FileTypeReport;
            file.port = port;
            file.test = quint32(test);
            r.files << file;
        });
        QMetaObject::invokeMethod(rig->w->getDevice(), "loadReportFromFile", Qt::QueuedConnection,
                                  Q_ARG(QString, name));
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
    }

    void init()
    {
        rig = std::make_unique<MainWindowRig>(TwoPortModel);
        answerer = std::make_unique<ModalAnswerer>();
        rig->showAtTestSize();
        QVERIFY(rig->connectToSim());
        useWindowLanguage(rig->w.get(), QStringLiteral("en"));
    }

    void cleanup()
    {
        rig.reset();
        QCOMPARE(answerer->seen.size(), 0);
        answerer.reset();
    }

    void selectorStaysDisabled()
    {
        QVERIFY(window());
        QVERIFY(!window()->isVisible());
        QVERIFY(!rig->get<QPushButton>("bTCPIP")->isEnabled());
        QVERIFY(rig->get<QPushButton>("bTraffic")->isEnabled());
    }

    // Through the wire: the tester loads a trace report of Port B.
    void loadedTraceReportOpensTheTracePage()
    {
        rig->sim->clearRequests();
        loadReport(PortB, TestTraceRoute);
        QTRY_VERIFY_WITH_TIMEOUT(window()->isVisible(), MainWindowDeadlineMs);
        QCOMPARE(tabs()->currentWidget()->objectName(), QString("traceTab"));
        QCOMPARE(tabs()->tabText(tabs()->currentIndex()), QString("Trace"));
        QVERIFY(form<TraceForm>()->isVisible());
        QVERIFY(rig->get<QPushButton>("bTCPIP")->isChecked());
        QVERIFY(!rig->get<QPushButton>("bTCPIP")->isEnabled());
        QVERIFY(rig->get<QPushButton>("bProcB")->isChecked());
        QCOMPARE(rig->w->getDevice()->getCurrentProcess(), PortB);
        QTRY_VERIFY_WITH_TIMEOUT(resultsRequests().contains(qMakePair(1, int(TestTraceRoute))), MainWindowDeadlineMs);
        // The trace form read Port B's record.
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QLineEdit>(form<TraceForm>(), "lIPdst")->text(),
                                  QString("192.168.0.1"), MainWindowDeadlineMs);
    }

    void loadedReportSelectsThePage_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("test");
        QTest::addColumn<QString>("page");
        QTest::newRow("ping on A") << 0 << int(TestPing) << "pingTab";
        QTest::newRow("trace on B") << 1 << int(TestTraceRoute) << "traceTab";
        QTest::newRow("DNS on A") << 0 << int(TestDns) << "dnsTab";
        QTest::newRow("IP scanner on B") << 1 << int(TestIpScanner) << "IPScannerTab";
    }
    void loadedReportSelectsThePage()
    {
        QFETCH(int, port);
        QFETCH(int, test);
        QFETCH(QString, page);
        // Another window was on show.
        rig->get<QPushButton>("bTraffic")->click();
        rig->w->reportLoaded(port_t(port), test);
        QVERIFY(window()->isVisible());
        QCOMPARE(tabs()->currentWidget()->objectName(), page);
        QVERIFY(rig->get<QPushButton>("bTCPIP")->isChecked());
        QCOMPARE(rig->w->getDevice()->getCurrentProcess(), port_t(port));
        for (QWidget *f : rig->w->findChildren<TestForm *>()) {
            const bool onThePage = f->parentWidget() == tabs()->currentWidget();
            QCOMPARE(f->isVisible(), onThePage);
        }
        // Another selector puts the window and its forms away.
        rig->get<QPushButton>("bTraffic")->click();
        QVERIFY(!window()->isVisible());
        for (QWidget *f : {static_cast<QWidget *>(form<PingForm>()), static_cast<QWidget *>(form<TraceForm>()),
                           static_cast<QWidget *>(form<DnsForm>()), static_cast<QWidget *>(form<IpScannerForm>())})
            QVERIFY(f->isHidden());
    }

    void portButtonsDisableApplyInEveryForm()
    {
        rig->w->reportLoaded(PortA, TestPing);
        const QList<QWidget *> forms = {form<PingForm>(), form<TraceForm>(), form<DnsForm>(), form<IpScannerForm>()};
        for (QWidget *f : forms)
            findWidget<QPushButton>(f, "bApply")->setEnabled(true);
        rig->get<QPushButton>("bProcB")->click();
        for (QWidget *f : forms)
            QVERIFY(!findWidget<QPushButton>(f, "bApply")->isEnabledTo(f));
    }

    void languageButtonsRetextTheWindow()
    {
        rig->w->reportLoaded(PortA, TestDns);
        rig->get<QPushButton>("bRus")->click();
        const QString russian = QCoreApplication::translate("TCPIPForm", "Ping");
        QVERIFY(russian != QLatin1String("Ping"));
        QCOMPARE(tabs()->tabText(0), russian);
        QCOMPARE(tabs()->tabText(2), QString("DNS"));
        QCOMPARE(findWidget<QPushButton>(form<DnsForm>(), "bStart")->text(),
                 QCoreApplication::translate("DnsForm", "Start"));
        rig->get<QPushButton>("bEng")->click();
        QCOMPARE(tabs()->tabText(0), QString("Ping"));
        QCOMPARE(findWidget<QPushButton>(form<DnsForm>(), "bStart")->text(), QString("Start"));
    }

    // The simulated tester runs each test to what its form shows.
    void pingRunsAndStops()
    {
        rig->w->reportLoaded(PortA, TestPing);
        PingForm *ping = form<PingForm>();
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QLineEdit>(ping, "lIP")->text(), QString("192.168.0.2"),
                                  MainWindowDeadlineMs);
        findWidget<QPushButton>(ping, "bStart")->click();
        QLineEdit *sent = findWidget<QLineEdit>(ping, "lSent");
        QTRY_VERIFY_WITH_TIMEOUT(sent->text().toInt() >= 2, MainWindowDeadlineMs);
        QCOMPARE(cellText(findWidget<QTableWidget>(ping, "tPingRes"), 1, 1), QString("OK"));
        QPushButton *stop = findWidget<QPushButton>(ping, "bStop");
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), MainWindowDeadlineMs);
        stop->click();
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QPushButton>(ping, "bStart")->isEnabled(), MainWindowDeadlineMs);
        const QString stopped = sent->text();
        QVERIFY(rig->drain());
        QCOMPARE(sent->text(), stopped);
    }

    void traceFindsTheRouteAndEnds()
    {
        rig->w->reportLoaded(PortA, TestTraceRoute);
        TraceForm *trace = form<TraceForm>();
        // A route of four hops: 10.0.1.1, 10.0.2.1, 10.0.3.1, the destination.
        QLineEdit *destination = findWidget<QLineEdit>(trace, "lIPdst");
        QTRY_VERIFY_WITH_TIMEOUT(!destination->text().isEmpty(), MainWindowDeadlineMs);
        typeInto(destination, "192.168.7.1");
        findWidget<QPushButton>(trace, "bStart")->click();
        QTableWidget *table = findWidget<QTableWidget>(trace, "tTraceRes");
        QTRY_COMPARE_WITH_TIMEOUT(cellText(table, 3, 1), QString("192.168.7.1"), 3 * MainWindowDeadlineMs);
        QCOMPARE(cellText(table, 0, 1), QString("10.0.1.1"));
        QCOMPARE(cellText(table, 3, 0), QString("4"));
        QCOMPARE(cellText(table, 4, 0), QString("-"));
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QPushButton>(trace, "bStart")->isEnabled(), MainWindowDeadlineMs);
    }

    void dnsResolves()
    {
        rig->w->reportLoaded(PortA, TestDns);
        DnsForm *dns = form<DnsForm>();
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QLineEdit>(dns, "lHost")->text(), QString("ntp.example.org"),
                                  MainWindowDeadlineMs);
        findWidget<QPushButton>(dns, "bStart")->click();
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QLineEdit>(dns, "lStatus")->text(), QString("Passed"),
                                  MainWindowDeadlineMs);
        QVERIFY(findWidget<QLineEdit>(dns, "lIPres")->text().startsWith(QLatin1String("198.51.100.")));
        QCOMPARE(findWidget<QLineEdit>(dns, "lHostRes")->text(), QString("ntp.example.org"));
    }

    void scannerListsTheHostsThatAnswer()
    {
        rig->w->reportLoaded(PortA, TestIpScanner);
        IpScannerForm *scanner = form<IpScannerForm>();
        QLineEdit *last = findWidget<QLineEdit>(scanner, "leLastAddress");
        QTRY_COMPARE_WITH_TIMEOUT(last->text(), QString("192.168.0.254"), MainWindowDeadlineMs);
        typeInto(last, "192.168.0.32");
        findWidget<QSpinBox>(scanner, "sbWaitTime")->setValue(100);
        findWidget<QSpinBox>(scanner, "sbIteration")->setValue(1);
        findWidget<QPushButton>(scanner, "bStart")->click();
        QTableWidget *list = findWidget<QTableWidget>(scanner, "twIPList");
        const QStringList hosts = {"192.168.0.1", "192.168.0.2", "192.168.0.5", "192.168.0.10", "192.168.0.20"};
        QTRY_COMPARE_WITH_TIMEOUT(cellText(list, 4, 0), hosts.at(4), MainWindowDeadlineMs);
        for (int row = 0; row < hosts.size(); ++row)
            QCOMPARE(cellText(list, row, 0), hosts.at(row));
        QCOMPARE(cellText(list, 5, 0), QString("-"));
    }

    // In the window's own size and language (Russian) every page fits;
    // a picture of each for a person to look at.
    void pagesFitInTheWindow()
    {
        useWindowLanguage(rig->w.get(), QStringLiteral("ru"));
        rig->w->reportLoaded(PortA, TestPing);
        const QStringList names = {"ping", "trace", "dns", "ipscanner"};
        for (int page = 0; page < tabs()->count(); ++page) {
            tabs()->setCurrentIndex(page);
            QVERIFY(rig->drain());
            textfit::Options options = mainWindowTextFitOptions();
            options.visitTabs = false;
            const QStringList cut = textfit::cutTexts(rig->w.get(), options);
            QVERIFY2(cut.isEmpty(), qPrintable(textfit::report(QStringLiteral("ru"), cut)));
            QCOMPARE(rig->w->size(), QSize(MainWindowTestWidth, MainWindowTestHeight));
            QVERIFY(textfit::savePicture(rig->w.get(), QStringLiteral("mainwin-tcpip-%1-ru.png").arg(names.at(page))));
        }
    }
};

QTEST_MAIN(TestMainWinTcpIp)
#include "tst_mainwin_tcpip.moc"
