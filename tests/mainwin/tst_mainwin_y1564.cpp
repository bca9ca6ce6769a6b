// The Y.1564 form in the main window: its selector, a loaded report, the
// language switch, a one-port model, and a whole run against the simulated
// tester's Y.1564 model.
#include "mainwinrig.h"
#include "../support/modalanswerer.h"
#include "textfit.h"
#include "y1564form.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

QString y1564(const char *text)
{
    return QCoreApplication::translate("Y1564Form", text);
}

} // namespace

class TestMainWinY1564 : public QObject
{
    Q_OBJECT

private:
    // The main window with a tester that runs its tests.
    struct Fixture : MainWindowRig
    {
        explicit Fixture(quint8 type = 0)
            : MainWindowRig(type, true)
        {
        }
        Y1564Form *form() const { return w->findChild<Y1564Form *>(); }
    };

    static QString cell(QWidget *form, const char *table, int row, int column)
    {
        return cellText(findWidget<QTableWidget>(form, table), row, column);
    }

private slots:
    void selectorShowsTheFormAndATestRuns()
    {
        Fixture f(0);
        ModalAnswerer answerer;
        f.w->show();
        QVERIFY(f.connectToSim());
        auto *button = f.get<QPushButton>("bY1564");
        QTRY_VERIFY(button->isEnabled());
        Y1564Form *form = f.form();
        QVERIFY(form);
        QVERIFY(!form->isVisible());
        button->click();
        QVERIFY(button->isChecked());
        QTRY_VERIFY(form->isVisible());
        // The tester's own settings: one active stream of 1518-byte frames.
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QSpinBox>(form, "sPackLength")->value(), 1518, MainWindowDeadlineMs);
        QCOMPARE(findWidget<QDoubleSpinBox>(form, "dsCIR")->value(), 100.0);

        auto *start = findWidget<QPushButton>(form, "bStartXY");
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), MainWindowDeadlineMs);
        start->click();
        // The first step of the configuration test sends a quarter of CIR.
        QTRY_COMPARE_WITH_TIMEOUT(cell(form, "tRate", 0, 2), QStringLiteral("25.000 ") + QCoreApplication::translate("QApplication", "Mbps"),
                                  MainWindowDeadlineMs);
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QPushButton>(form, "bStop")->isEnabled(), MainWindowDeadlineMs);
        QCOMPARE(findWidget<QLineEdit>(form, "lPerfStatus")->text(), QCoreApplication::translate("Device", "Wait"));
        findWidget<QPushButton>(form, "bStop")->click();
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), MainWindowDeadlineMs);

        // Another selector hides the form.
        f.get<QPushButton>("bTraffic")->click();
        QVERIFY(!button->isChecked());
        QVERIFY(!form->isVisible());
    }

    void reportLoadedShowsTheForm()
    {
        Fixture f;
        ModalAnswerer answerer;
        f.w->show();
        f.w->updateDeviceInfo();
        Y1564Form *form = f.form();
        QVERIFY(!form->isVisible());
        f.w->reportLoaded(PortB, TestY1564);
        QVERIFY(f.get<QPushButton>("bY1564")->isChecked());
        QCOMPARE(f.w->getDevice()->getCurrentProcess(), PortB);
        QVERIFY(f.get<QPushButton>("bProcB")->isChecked());
        QVERIFY(form->isVisible());
        QCOMPARE(findWidget<QGroupBox>(form, "gY1564")->title(),
                 QCoreApplication::translate("TestForm", "Y1564 test") + QStringLiteral(" (")
                     + QCoreApplication::translate("TestForm", "Port B") + QLatin1Char(')'));
    }

    void languageSwitchRetextsTheForm()
    {
        Fixture f(6);
        ModalAnswerer answerer;
        f.w->show();
        QVERIFY(f.connectToSim());
        f.get<QPushButton>("bY1564")->click();
        Y1564Form *form = f.form();
        auto *tabs = findWidget<QTabWidget>(form, "tabWidget");
        QVERIFY(tabs->tabText(0) != QLatin1String("Settings"));   // Russian at start
        f.get<QPushButton>("bEng")->click();
        QCOMPARE(tabs->tabText(0), QStringLiteral("Settings"));
        QCOMPARE(findWidget<QLabel>(form, "label_25")->text(), QStringLiteral("Elapsed time"));
        f.get<QPushButton>("bRus")->click();
        QCOMPARE(tabs->tabText(0), y1564("Settings"));
    }

    // Models 1, 3, 5, 6 and 7 have Port A only: no start towards another port.
    void onePortModel()
    {
        Fixture f(1);
        ModalAnswerer answerer;
        f.w->show();
        QVERIFY(f.connectToSim());
        auto *button = f.get<QPushButton>("bY1564");
        QTRY_VERIFY(button->isEnabled());
        button->click();
        Y1564Form *form = f.form();
        QTRY_VERIFY(form->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QPushButton>(form, "bStartXX")->isEnabled(), MainWindowDeadlineMs);
        QVERIFY(!findWidget<QPushButton>(form, "bStartXY")->isVisible());
    }

    // The form where it lives, in the three languages, and a Russian picture.
    void textFitsInTheWindow()
    {
        Fixture f(0);
        ModalAnswerer answerer;
        f.w->showNormal();
        f.w->resize(1366, 768);
        QVERIFY(f.connectToSim());
        f.get<QPushButton>("bY1564")->click();
        Y1564Form *form = f.form();
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QSpinBox>(form, "sPackLength")->value(), 1518, MainWindowDeadlineMs);
        findWidget<QPushButton>(form, "pushButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QLabel>(form, "lSyncStatus")->text().startsWith("sync NTP2"),
                                 MainWindowDeadlineMs);

        // The window's own Russian catalogues out of the way first.
        f.get<QPushButton>("bEng")->click();
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        const QStringList reports = textFitInAllLanguages(form, languages, [&] { form->retranslate(); });
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));

        QVERIFY(languages.use(QStringLiteral("ru")));
        form->retranslate();
        QVERIFY(textfit::savePicture(f.w.get(), QStringLiteral("mainwin-y1564-ru.png")));
    }
};

QTEST_MAIN(TestMainWinY1564)
#include "tst_mainwin_y1564.moc"
