// The window of the IP network tools: which form each activation reaches,
// hiding, the disable-Apply relay and the language switch; the four forms
// are the real ones, talking to the simulated tester.

#include "formrig.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "dnsform.h"
#include "ipscannerform.h"
#include "pingform.h"
#include "tcpipform.h"
#include "traceform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// The test id of a results request (0x13), or -1 for any other request.
int resultsTest(const QByteArray &request)
{
    return command(request) == 0x13 && request.size() >= 6 ? quint8(request.at(5)) : -1;
}

} // namespace

class TestTcpIpForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    // Built afresh for every test, so that no form holds a record yet.
    QWidget *host = nullptr;
    TCPIPForm *window = nullptr;

    QTabWidget *tabs() { return findWidget<QTabWidget>(window, "tabWidget"); }
    PingForm *ping() { return window->findChild<PingForm *>(); }
    TraceForm *trace() { return window->findChild<TraceForm *>(); }
    DnsForm *dns() { return window->findChild<DnsForm *>(); }
    IpScannerForm *scanner() { return window->findChild<IpScannerForm *>(); }
    QList<QWidget *> forms() { return {ping(), trace(), dns(), scanner()}; }

    // The results requests since the last clear, as test ids in order.
    QList<int> resultsRequests()
    {
        QList<int> out;
        for (const QByteArray &r : rig->requests()) {
            if (resultsTest(r) >= 0)
                out << resultsTest(r);
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
        Q_INIT_RESOURCE(icons);
        rig.reset(new FormRig(0));
        // The records a tester holds, for the pictures.
        rig->tester([](SimRemoteResponder &r) { r.realistic = true; });
        QVERIFY(rig->connectDevice());
    }

    void cleanupTestCase()
    {
        rig.reset();
    }

    void init()
    {
        rig->device->setCurrentProcess(PortA);
        QVERIFY(rig->drain());
        host = new QWidget;
        auto *layout = new QVBoxLayout(host);
        window = new TCPIPForm(rig->device);
        layout->addWidget(window);
        host->resize(1100, 700);
        host->show();
        window->hide();
        rig->sim.clearRequests();
    }

    void cleanup()
    {
        delete host;
        QVERIFY(rig->drain());
    }

    void builtWithFourHiddenForms()
    {
        QCOMPARE(tabs()->count(), 4);
        QCOMPARE(tabs()->currentIndex(), 0);
        const QStringList texts = {"Ping", "Trace", "DNS", "IP scanner"};
        const char *pages[] = {"pingTab", "traceTab", "dnsTab", "IPScannerTab"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(tabs()->tabText(i), texts.at(i));
            // The pages own the forms.
            QCOMPARE(forms().at(i)->parentWidget(), findWidget<QWidget>(window, pages[i]));
            QVERIFY(forms().at(i)->isHidden());
        }
        QVERIFY(rig->drain());
        QVERIFY(resultsRequests().isEmpty());
    }

    void activateShowsThePingForm()
    {
        window->activate();
        QVERIFY(window->isVisible());
        QVERIFY(ping()->isVisible());
        for (QWidget *f : {static_cast<QWidget *>(trace()), static_cast<QWidget *>(dns()),
                           static_cast<QWidget *>(scanner())})
            QVERIFY(f->isHidden());
        QVERIFY(rig->drain());
        QCOMPARE(resultsRequests(), QList<int>{TestPing});
    }

    // A test id selects its page; a page change activates its form once
    // more on the way.
    void activateByTestId_data()
    {
        QTest::addColumn<int>("test");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("activations");
        QTest::newRow("ping") << int(TestPing) << 0 << 1;
        QTest::newRow("trace") << int(TestTraceRoute) << 1 << 2;
        QTest::newRow("DNS") << int(TestDns) << 2 << 2;
        QTest::newRow("IP scanner") << int(TestIpScanner) << 3 << 2;
    }
    void activateByTestId()
    {
        QFETCH(int, test);
        QFETCH(int, page);
        QFETCH(int, activations);
        window->activate(test);
        QCOMPARE(tabs()->currentIndex(), page);
        QVERIFY(window->isVisible());
        QVERIFY(forms().at(page)->isVisible());
        QVERIFY(rig->drain());
        QList<int> expected;
        for (int i = 0; i < activations; ++i)
            expected << test;
        QCOMPARE(resultsRequests(), expected);

        // Already on its page: one activation.
        rig->sim.clearRequests();
        window->activate(test);
        QVERIFY(rig->drain());
        QCOMPARE(resultsRequests(), QList<int>{test});
    }

    void otherTestIdKeepsThePage()
    {
        tabs()->setCurrentIndex(3);
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        window->activate(5);
        QCOMPARE(tabs()->currentIndex(), 3);
        QVERIFY(scanner()->isVisible());
        QVERIFY(rig->drain());
        QCOMPARE(resultsRequests(), QList<int>{TestIpScanner});
    }

    // A click on a tab activates its form; the form left stays shown.
    void clickOnATab()
    {
        window->activate();
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        QTabBar *bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(tabs()->currentIndex(), 1);
        QVERIFY(trace()->isVisible());
        QVERIFY(!ping()->isHidden());
        QVERIFY(rig->drain());
        QCOMPARE(resultsRequests(), QList<int>{TestTraceRoute});
    }

    void hidingHidesAllForms()
    {
        window->activate(TestDns);
        tabs()->setCurrentIndex(0);
        QVERIFY(!dns()->isHidden());
        QVERIFY(!ping()->isHidden());
        window->hide();
        for (QWidget *f : forms())
            QVERIFY(f->isHidden());
        // Shown again: only the form of the current page.
        window->activate();
        QVERIFY(!ping()->isHidden());
        QVERIFY(dns()->isHidden());
        QVERIFY(trace()->isHidden());
        // The whole window hidden (minimised) and back: its forms stay.
        host->hide();
        host->show();
        QVERIFY(!ping()->isHidden());
    }

    void disableApplyReachesEveryForm()
    {
        for (QWidget *f : forms())
            findWidget<QPushButton>(f, "bApply")->setEnabled(true);
        window->disableApply();
        for (QWidget *f : forms())
            QVERIFY(!findWidget<QPushButton>(f, "bApply")->isEnabledTo(f));
    }

    // The link came back after the page was shown, so the window's forms
    // hold no settings record until activated or reset. Start on the ping
    // and trace pages runs the test with the settings the tester holds and
    // sends nothing of the form's; on the DNS and IP scanner pages it sends
    // nothing and says so. The destination is typed first, so that no
    // refusal of an empty name comes before.
    void startWithoutRecord_data()
    {
        QTest::addColumn<int>("test");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("starts");
        QTest::newRow("ping") << int(TestPing) << "lIP" << "10.0.0.7" << true;
        QTest::newRow("trace") << int(TestTraceRoute) << "lIPdst" << "10.0.0.7" << true;
        QTest::newRow("DNS") << int(TestDns) << "lHost" << "ntp.example.org" << false;
        QTest::newRow("IP scanner") << int(TestIpScanner) << QString() << QString() << false;
    }
    void startWithoutRecord()
    {
        QFETCH(int, test);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, starts);
        window->activate(test);
        QVERIFY(rig->drain());
        rig->disconnectDevice();
        QVERIFY(rig->connectDevice());
        QVERIFY(rig->drain());
        for (TestInfo *info : {rig->device->getPingInfo(), rig->device->getTraceInfo(), rig->device->getDnsInfo(),
                               rig->device->getIpScannerInfo()})
            QVERIFY(!info->getSettings(PortA));
        rig->sim.clearRequests();

        auto *form = qobject_cast<TestForm *>(forms().at(tabs()->currentIndex()));
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->getTestId(), test);
        if (!field.isEmpty())
            typeInto(findWidget<QLineEdit>(form, field.toLatin1().constData()), typed);
        QSignalSpy sent(form, &TestForm::sendSettings);
        QSignalSpy started(form, &TestForm::startTest);
        auto *start = findWidget<QPushButton>(form, "bStart");
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
        {
            MessageBoxCloser closer;
            start->click();
            QVERIFY(rig->drain());
            QCOMPARE(closer.seen.size(), starts ? 0 : 1);
            if (!starts) {
                QCOMPARE(closer.seen.at(0).title, QString("Error"));
                QVERIFY2(closer.seen.at(0).text.contains("nothing was sent"), qPrintable(closer.seen.at(0).text));
            }
        }
        QCOMPARE(sent.count(), 0);
        QCOMPARE(started.count(), starts ? 1 : 0);
        QVERIFY(rig->requestsOf(0x12).isEmpty());
        for (int code : {0x0A, 0x09})
            QCOMPARE(rig->requestsOf(quint8(code)).size(), starts ? 1 : 0);
        if (starts)
            rig->expectStop(findWidget<QPushButton>(form, "bStop"), PortA, quint8(test));
    }

    // In Russian every page shows whole; a picture of each page.
    void retranslateAndRussianPages()
    {
        window->activate();
        TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
        QVERIFY(languages.use(QStringLiteral("ru")));
        window->retranslate();
        const QString ping = QCoreApplication::translate("TCPIPForm", "Ping");
        QVERIFY(ping != QLatin1String("Ping"));
        QCOMPARE(tabs()->tabText(0), ping);
        QCOMPARE(tabs()->tabText(1), QCoreApplication::translate("TCPIPForm", "Trace"));
        QCOMPARE(tabs()->tabText(2), QString("DNS"));
        QCOMPARE(tabs()->tabText(3), QCoreApplication::translate("TCPIPForm", "IP scanner"));
        QCOMPARE(findWidget<QPushButton>(dns(), "bStart")->text(), QCoreApplication::translate("DnsForm", "Start"));

        for (int page = 0; page < tabs()->count(); ++page) {
            tabs()->setCurrentIndex(page);
            QVERIFY(rig->drain());
            textfit::settle(host);
            textfit::Options options;
            options.visitTabs = false;
            options.scrollingAllowed << QStringLiteral("twIPList");
            const QStringList cut = textfit::cutTexts(window, options);
            QVERIFY2(cut.isEmpty(), qPrintable(textfit::report(QStringLiteral("ru"), cut)));
            QVERIFY(textfit::savePicture(window, QStringLiteral("tcpipform-ru-%1.png").arg(page)));
        }

        languages.removeAll();
        window->retranslate();
        QCOMPARE(tabs()->tabText(0), QString("Ping"));
        QCOMPARE(tabs()->tabText(2), QString("DNS"));
    }
};

QTEST_MAIN(TestTcpIpForm)
#include "tst_tcpipform.moc"
