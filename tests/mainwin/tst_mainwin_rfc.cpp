// The RFC 2544 form in the main window: its selector button, a loaded RFC
// report, the port switch, a one-port tester and the language switch.
#include "mainwinrig.h"
#include "../support/modalanswerer.h"
#include "rfcform.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

QString rfc(const char *text)
{
    return QCoreApplication::translate("RfcForm", text);
}

// One window in a fresh working folder and a simulated tester of the given
// model, connected. Models 6 to 8 are of this program's release, so no
// release warning comes up; 8 has two ports, 6 one.
struct Fixture : MainWindowRig
{
    RfcForm *form = nullptr;

    explicit Fixture(quint8 type = 8)
        : MainWindowRig(type, true)
    {
        form = w->findChild<RfcForm *>();
        w->show();
        startConnect();
    }
};

} // namespace

class TestMainWinRfc : public QObject
{
    Q_OBJECT

private slots:
    void selectorShowsTheFormFilled()
    {
        Fixture f;
        ModalAnswerer answerer;
        QVERIFY(f.form);
        QVERIFY(f.waitConnected());
        auto *button = f.get<QPushButton>("bRFC");
        QTRY_VERIFY(button->isEnabled());
        button->click();
        QVERIFY(button->isChecked());
        QTRY_VERIFY(f.form->isVisible());
        // The simulated tester's own record: seven frame sizes, the jumbo row off.
        auto *jumbo = findWidget<QRadioButton>(f.form, "fr7");
        QTRY_COMPARE_WITH_TIMEOUT(jumbo->text(), QString("9600"), MainWindowDeadlineMs);
        QVERIFY(!jumbo->isEnabled());
        QVERIFY(findWidget<QRadioButton>(f.form, "fr6")->isEnabled());
        QCOMPARE(findWidget<QGroupBox>(f.form, "gRFC")->title(),
                 QCoreApplication::translate("TestForm", "RFC 2544 test") + " ("
                     + QCoreApplication::translate("TestForm", "Port A") + ")");

        // A port switch disables Apply and refills the form for Port B.
        findWidget<QSpinBox>(f.form, "sStudy")->setValue(777);
        auto *apply = findWidget<QPushButton>(f.form, "bApply");
        QVERIFY(apply->isEnabled());
        f.get<QPushButton>("bProcB")->click();
        QVERIFY(!apply->isEnabled());
        QTRY_COMPARE(findWidget<QGroupBox>(f.form, "gRFC")->title(),
                     QCoreApplication::translate("TestForm", "RFC 2544 test") + " ("
                         + QCoreApplication::translate("TestForm", "Port B") + ")");
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QSpinBox>(f.form, "sStudy")->value(), 100, MainWindowDeadlineMs);
        QCOMPARE(answerer.seen.size(), 0);
    }

    void loadedReportShowsTheForm()
    {
        Fixture f;
        ModalAnswerer answerer;
        QVERIFY(f.waitConnected());
        QVERIFY(!f.form->isVisible());
        f.w->reportLoaded(PortB, TestRfc2544);
        QVERIFY(f.get<QPushButton>("bRFC")->isChecked());
        QVERIFY(f.get<QPushButton>("bProcB")->isChecked());
        QCOMPARE(f.w->getDevice()->getCurrentProcess(), PortB);
        QVERIFY(f.form->isVisible());
        QCOMPARE(answerer.seen.size(), 0);
    }

    void oneportTesterHidesTheStartTowardsTheOtherPort()
    {
        Fixture f(6);
        ModalAnswerer answerer;
        QVERIFY(f.waitConnected());
        auto *button = f.get<QPushButton>("bRFC");
        QTRY_VERIFY(button->isEnabled());
        button->click();
        QTRY_VERIFY(f.form->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QPushButton>(f.form, "bStartXX")->isEnabled(), MainWindowDeadlineMs);
        QVERIFY(!findWidget<QPushButton>(f.form, "bStartXY")->isVisible());
        QVERIFY(!f.get<QPushButton>("bProcB")->isVisible());
    }

    void languageSwitchRetextsTheForm()
    {
        Fixture f;
        ModalAnswerer answerer;
        QVERIFY(f.waitConnected());
        f.get<QPushButton>("bRFC")->click();
        QTRY_VERIFY(f.form->isVisible());
        auto *tabs = findWidget<QTabWidget>(f.form, "tabWidget");
        QVERIFY(rfc("Frame settings") != QLatin1String("Frame settings"));
        QCOMPARE(tabs->tabText(0), rfc("Frame settings"));

        f.get<QPushButton>("bEng")->click();
        QCOMPARE(tabs->tabText(0), QString("Frame settings"));
        QCOMPARE(findWidget<QGroupBox>(f.form, "gRFC")->title(), QString("RFC 2544 test (Port A)"));
        QCOMPARE(findWidget<QPushButton>(f.form, "bDefault")->text(), QString("Default"));

        f.get<QPushButton>("bRus")->click();
        QCOMPARE(tabs->tabText(0), rfc("Frame settings"));
    }
};

QTEST_MAIN(TestMainWinRfc)
#include "tst_mainwin_rfc.moc"
