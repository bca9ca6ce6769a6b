// The PTP form in the main window: its selector (Port A only), loaded
// reports, the port switch and the language switch, and a whole run against
// the simulated tester's own PTP test, with the main-window text-fit check
// of the form showing the longest results.
//
// VYR_SCREENSHOT_DIR=/some/folder leaves Russian pictures of the window with
// the PTP form there.

#include "mainwinrig.h"
#include "../support/modalanswerer.h"
#include "ptpform.h"
#include "ptpformat.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtTest>

#include <climits>
#include <cstring>

namespace {

QString translated(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

QString cell(QWidget *form, const char *table, int row, int column = 0)
{
    return cellText(findWidget<QTableWidget>(form, table), row, column);
}

// Connected, with the PTP form opened by its selector; null when either
// did not happen.
PTPForm *openPtpForm(MainWindowRig &rig)
{
    if (!rig.connectToSim())
        return nullptr;
    auto *button = rig.get<QPushButton>("bPTP");
    if (!QTest::qWaitFor([&] { return button->isEnabled(); }, MainWindowDeadlineMs))
        return nullptr;
    button->click();
    auto *form = rig.w->findChild<PTPForm *>();
    return form && form->isVisible() && rig.drain() ? form : nullptr;
}

QByteArray resultsReply(const ptp_results_t &r)
{
    return QByteArray(1, '\1') + QByteArray(reinterpret_cast<const char *>(&r), int(sizeof r));
}

} // namespace

class TestMainWinPtp : public QObject
{
    Q_OBJECT

private slots:
    // With Port B current, the PTP selector hides the other forms, makes
    // Port A current with its Apply buttons disabled, locks Port B and
    // opens the form for Port A; another selector unlocks Port B again.
    void selectorWorksOnPortAOnly()
    {
        MainWindowRig rig(8, false);
        ModalAnswerer answerer;
        rig.w->show();
        QVERIFY(rig.connectToSim());
        auto *ptpButton = rig.get<QPushButton>("bPTP");
        auto *portA = rig.get<QPushButton>("bProcA");
        auto *portB = rig.get<QPushButton>("bProcB");
        auto *form = rig.w->findChild<PTPForm *>();
        QVERIFY(form);
        QTRY_VERIFY_WITH_TIMEOUT(ptpButton->isEnabled(), MainWindowDeadlineMs);

        portB->click();
        QCOMPARE(rig.w->getDevice()->getCurrentProcess(), PortB);
        QVERIFY(!ptpButton->isEnabled());
        portA->click();
        QVERIFY(ptpButton->isEnabled());
        rig.get<QPushButton>("bJitter")->click();
        portB->click();
        QVERIFY(rig.drain());
        QSignalSpy disableApply(rig.w.get(), SIGNAL(disableApply()));
        // The selector is disabled on Port B; the operator goes back to A first.
        portA->click();
        ptpButton->click();
        QVERIFY(rig.drain());
        QVERIFY(disableApply.count() >= 1);
        QVERIFY(form->isVisible());
        QVERIFY(ptpButton->isChecked());
        QVERIFY(portA->isChecked());
        QVERIFY(!portB->isEnabled());
        QCOMPARE(rig.w->getDevice()->getCurrentProcess(), PortA);
        // The window starts in Russian.
        QCOMPARE(findWidget<QGroupBox>(form, "gPTP")->title(),
                 QStringLiteral("%1 (%2)").arg(translated("TestForm", "PTP test"), translated("TestForm", "Port A")));
        QVERIFY(translated("TestForm", "PTP test") != QLatin1String("PTP test"));
        // Its settings were read and fill the form.
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QRadioButton>(form, "rUnicast")->isChecked()
                                     || findWidget<QRadioButton>(form, "rMulticast")->isChecked(),
                                 MainWindowDeadlineMs);

        // An edit, then the port button: Apply is disabled, the edit stays.
        auto *domain = findWidget<QSpinBox>(form, "sDomain");
        domain->setValue(domain->value() == 1 ? 2 : 1);
        QVERIFY(findWidget<QPushButton>(form, "bApply")->isEnabled());
        portA->click();
        QVERIFY(!findWidget<QPushButton>(form, "bApply")->isEnabled());
        QCOMPARE(domain->styleSheet(), QStringLiteral("color: #0000ff"));

        rig.get<QPushButton>("bJitter")->click();
        QVERIFY(!form->isVisible());
        QVERIFY(portB->isEnabled());
        QVERIFY(!ptpButton->isChecked());
        QVERIFY(answerer.seen.isEmpty());
    }

    void reportOfThePtpTestOpensTheForm()
    {
        MainWindowRig rig(8, false);
        ModalAnswerer answerer;
        rig.w->show();
        rig.w->updateDeviceInfo();
        rig.w->reportLoaded(PortA, TestPtp);
        for (QPushButton *b : rig.w->selectorButtons())
            QCOMPARE(b->isChecked(), b->objectName() == QLatin1String("bPTP"));
        auto *form = rig.w->findChild<PTPForm *>();
        QVERIFY(form->isVisible());
        QCOMPARE(form->getTestId(), int(TestPtp));
        for (TestForm *other : rig.w->findChildren<TestForm *>()) {
            if (other != form)
                QVERIFY(!other->isVisible());
        }
        QCOMPARE(rig.w->getDevice()->getCurrentProcess(), PortA);
    }

    void languageSwitchRetextsTheForm()
    {
        MainWindowRig rig(8);
        ModalAnswerer answerer;
        rig.w->show();
        PTPForm *form = openPtpForm(rig);
        QVERIFY(form);
        QTRY_COMPARE_WITH_TIMEOUT(cell(form, "tSrv", 0, 0), QStringLiteral("BMCA"), MainWindowDeadlineMs);

        rig.get<QPushButton>("bEng")->click();
        QCOMPARE(findWidget<QGroupBox>(form, "gPTP")->title(), QStringLiteral("PTP test (Port A)"));
        QCOMPARE(findWidget<QGroupBox>(form, "groupBox_3")->title(), QStringLiteral("Servers list"));
        QCOMPARE(cell(form, "tSrv", 2, 0), QStringLiteral("Server"));
        QCOMPARE(findWidget<QTabWidget>(form, "tabWidget")->tabText(2), QStringLiteral("Measuring"));

        rig.get<QPushButton>("bRus")->click();
        QCOMPARE(findWidget<QGroupBox>(form, "groupBox_3")->title(), translated("PTPForm", "Servers list"));
        QVERIFY(translated("PTPForm", "Servers list") != QLatin1String("Servers list"));
        QCOMPARE(cell(form, "tSrv", 2, 0), translated("PTPForm", "Server"));
        QCOMPARE(findWidget<QGroupBox>(form, "gPTP")->title(),
                 QStringLiteral("%1 (%2)").arg(translated("TestForm", "PTP test"), translated("TestForm", "Port A")));
    }

    // The simulated tester runs the test from its factory settings: the
    // master it follows, the counts that grow and the delays, until the run
    // ends by itself.
    void simulatedTesterRunsTheTest()
    {
        MainWindowRig rig(8);
        ModalAnswerer answerer;
        rig.w->show();
        PTPForm *form = openPtpForm(rig);
        QVERIFY(form);
        auto *duration = findWidget<QTimeEdit>(form, "tDur");
        QTRY_COMPARE_WITH_TIMEOUT(duration->time(), QTime(0, 1, 0), MainWindowDeadlineMs);   // the factory minute
        QVERIFY(findWidget<QRadioButton>(form, "rMulticast")->isChecked());
        QCOMPARE(cell(form, "tSrv", 0, 1), QStringLiteral("192.168.0.10"));
        QCOMPARE(cell(form, "tSrv", 2, 1), QStringLiteral("192.168.0.11"));
        // The second server, for 3 s.
        findWidget<QTableWidget>(form, "tSrv")->setCurrentCell(2, 0);
        duration->setTime(QTime(0, 0, 3));

        auto *stop = findWidget<QPushButton>(form, "bStop");
        findWidget<QPushButton>(form, "bStartXX")->click();
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), MainWindowDeadlineMs);
        QTRY_COMPARE_WITH_TIMEOUT(cell(form, "tInformation", PtpRowIpAddress), QStringLiteral("192.168.0.11"),
                                  MainWindowDeadlineMs);
        QCOMPARE(cell(form, "tInformation", PtpRowId), QStringLiteral("00-1B-19-FF-FE-00-00-02"));
        QCOMPARE(cell(form, "tInformation", PtpRowTimeSource), QStringLiteral("0x20"));
        QCOMPARE(cell(form, "tInformation", PtpRowUtcOffset),
                 QStringLiteral("37 ") + translated("QApplication", "s"));
        QTRY_VERIFY_WITH_TIMEOUT(!stop->isEnabled(), MainWindowDeadlineMs);   // over by itself
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QLineEdit>(form, "lElapsed")->text(), QStringLiteral("00:00:03"),
                                  MainWindowDeadlineMs);
        QCOMPARE(findWidget<QLineEdit>(form, "lEstimate")->text(), QStringLiteral("00:00:00"));
        QCOMPARE(cell(form, "tRxFrames", PtpRowRxSync), QStringLiteral("3"));
        QCOMPARE(cell(form, "tTxFrames", PtpRowTxDelayReq), QStringLiteral("3"));
        QVERIFY(cell(form, "tMeasure", PtpRowTms).endsWith(translated("QApplication", "us")));
        QVERIFY(answerer.seen.isEmpty());
    }

    // Every page of the form in the window, in the three languages, with the
    // longest results the record holds.
    void textsFitWithLongestResults()
    {
        MainWindowRig rig(8);
        ModalAnswerer answerer;
        ptp_results_t r;
        std::memset(&r, 0xFF, sizeof r);
        r.start_time = 0;
        r.master.announce_interval = r.master.sync_interval = INT8_MIN;
        r.master.utc_offset = INT16_MIN;
        r.tms = r.tsm = r.t_average = r.offset = r.sync_pdv = INT32_MIN;
        rig.tester([&](SimRemoteResponder &t) { t.replyOverride[0x13] = resultsReply(r); });
        rig.showAtTestSize();
        PTPForm *form = openPtpForm(rig);
        QVERIFY(form);
        QTRY_COMPARE_WITH_TIMEOUT(cell(form, "tRxFrames", PtpRowRxSync), QStringLiteral("4294967295"),
                                  MainWindowDeadlineMs);

        auto *tabs = findWidget<QTabWidget>(form, "tabWidget");
        const char *const pictures[] = {"mainwin-ptp-information-ru.png", "mainwin-ptp-statistics-ru.png",
                                        "mainwin-ptp-measuring-ru.png"};
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            textfit::settle(rig.w.get());
            QVERIFY(textfit::savePicture(rig.w.get(), QLatin1String(pictures[page])));
        }
        tabs->setCurrentIndex(0);
        const QStringList reports = rig.cutTexts();
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    }
};

QTEST_MAIN(TestMainWinPtp)
#include "tst_mainwin_ptp.moc"
