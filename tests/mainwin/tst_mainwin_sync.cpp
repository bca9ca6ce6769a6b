// The synchronisation form in the main window: its selector (Port A only),
// a loaded report, the language switch, and a whole run against the
// simulated tester's synchronisation model.
#include "mainwinfixture.h"
#include "../support/modalanswerer.h"
#include "scaleadjform.h"
#include "syncformat.h"
#include "textfit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

// PTP, GPS and both NTP servers usable.
constexpr quint32 Sources = (1u << 2) | (1u << 3) | (1u << 4) | (1u << 5);

QString sync(const char *text)
{
    return QCoreApplication::translate("ScaleAdjForm", text);
}

} // namespace

class TestMainWinSync : public QObject
{
    Q_OBJECT

private:
    // The main window with a tester that runs its tests and reports the
    // time sources above.
    struct Fixture : MainWinFixture
    {
        explicit Fixture(quint8 type = 0)
            : MainWinFixture(type, true)
        {
            sim->with<SimRemoteResponder>([](SimRemoteResponder &r) { r.status.syncSources = Sources; });
        }
        ScaleAdjForm *form() const { return w->findChild<ScaleAdjForm *>(); }
    };

    static QString cell(QWidget *form, const char *table, int row, int column = 0)
    {
        return cellText(findWidget<QTableWidget>(form, table), row, column);
    }

private slots:
    void selectorTakesPortAAndATestRuns()
    {
        Fixture f(0);
        ModalAnswerer answerer;
        f.w->show();
        QVERIFY(f.connect());
        auto *button = f.get<QPushButton>("bSync");
        auto *portB = f.get<QPushButton>("bProcB");
        QTRY_VERIFY(button->isEnabled());
        // Port A only: not offered while Port B is chosen.
        portB->click();
        QCOMPARE(f.w->getDevice()->getCurrentProcess(), PortB);
        QVERIFY(!button->isEnabled());
        f.get<QPushButton>("bProcA")->click();
        QVERIFY(button->isEnabled());

        ScaleAdjForm *form = f.form();
        QVERIFY(form);
        QVERIFY(!form->isVisible());
        button->click();
        QVERIFY(button->isChecked());
        QCOMPARE(f.w->getDevice()->getCurrentProcess(), PortA);
        QVERIFY(f.get<QPushButton>("bProcA")->isChecked());
        QVERIFY(!portB->isEnabled());
        QTRY_VERIFY(form->isVisible());

        // The tester's own settings: GPS against PTP, from the sources it
        // reports; the GPS pages show its receiver.
        auto *base = findWidget<QComboBox>(form, "cbBase");
        auto *meas = findWidget<QComboBox>(form, "cbMeas");
        QTRY_COMPARE_WITH_TIMEOUT(base->currentText(), QString("GPS"), MainWinDeadlineMs);
        QCOMPARE(meas->currentText(), QString("PTP"));
        QCOMPARE(base->count(), 4);
        QCOMPARE(cell(form, "tGpsInf", GpsRowLatitude), QString("59.93428 N"));
        QCOMPARE(cell(form, "tGpsInf", GpsRowLongitude), QString("30.33510 E"));
        QCOMPARE(findWidget<QTableWidget>(form, "tGpsSatInf")->rowCount(), 10);
        QCOMPARE(cell(form, "tSrv", 0, 0), QString("BMCA"));

        auto *start = findWidget<QPushButton>(form, "bStartXX");
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), MainWinDeadlineMs);
        start->click();
        QTRY_COMPARE_WITH_TIMEOUT(cell(form, "tPTPInfo", SyncPtpRowIpAddress), QString("192.168.0.50"),
                                  MainWinDeadlineMs);
        QCOMPARE(cell(form, "tPTPInfo", SyncPtpRowUtcOffset), QString("37 ") + sync("s"));
        auto *stop = findWidget<QPushButton>(form, "bStop");
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), MainWinDeadlineMs);
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QLineEdit>(form, "lElapsed")->text() != QString("00:00:00"),
                                 MainWinDeadlineMs);
        stop->click();
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), MainWinDeadlineMs);

        // Another selector hides the form and frees Port B again.
        f.get<QPushButton>("bTraffic")->click();
        QVERIFY(!button->isChecked());
        QVERIFY(!form->isVisible());
        QVERIFY(portB->isEnabled());
    }

    void reportLoadedShowsTheForm()
    {
        Fixture f;
        ModalAnswerer answerer;
        f.w->show();
        f.w->updateDeviceInfo();
        ScaleAdjForm *form = f.form();
        QVERIFY(!form->isVisible());
        f.w->reportLoaded(PortA, TestSync);
        QVERIFY(f.get<QPushButton>("bSync")->isChecked());
        QCOMPARE(f.w->getDevice()->getCurrentProcess(), PortA);
        QVERIFY(form->isVisible());
        QCOMPARE(findWidget<QGroupBox>(form, "gScaleMeas")->title(),
                 QCoreApplication::translate("TestForm", "Synchronization") + QStringLiteral(" (")
                     + QCoreApplication::translate("TestForm", "Port A") + QLatin1Char(')'));
    }

    void languageSwitchRetextsTheForm()
    {
        Fixture f(6);
        ModalAnswerer answerer;
        f.w->show();
        QVERIFY(f.connect());
        f.get<QPushButton>("bSync")->click();
        ScaleAdjForm *form = f.form();
        auto *pages = findWidget<QTabWidget>(form, "tScaleSettings");
        QVERIFY(pages->tabText(0) != QLatin1String("Common settings"));   // Russian at start
        QTRY_COMPARE_WITH_TIMEOUT(cell(form, "tSrv", 0, 0), QString("BMCA"), MainWinDeadlineMs);
        f.get<QPushButton>("bEng")->click();
        QCOMPARE(pages->tabText(0), QStringLiteral("Common settings"));
        QCOMPARE(cell(form, "tSrv", 2, 0), QStringLiteral("Server"));
        QCOMPARE(cell(form, "tGpsInf", GpsRowGpsSync), QStringLiteral("Yes"));
        f.get<QPushButton>("bRus")->click();
        QCOMPARE(pages->tabText(0), sync("Common settings"));
        QCOMPARE(cell(form, "tSrv", 2, 0), sync("Server"));
    }

    // The form where it lives, in the three languages, and a Russian picture.
    void textFitsInTheWindow()
    {
        Fixture f(0);
        ModalAnswerer answerer;
        f.w->showNormal();
        f.w->resize(1366, 768);
        QVERIFY(f.connect());
        f.get<QPushButton>("bSync")->click();
        ScaleAdjForm *form = f.form();
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QComboBox>(form, "cbBase")->currentText(), QString("GPS"),
                                  MainWinDeadlineMs);

        // The window's own Russian catalogues out of the way first.
        f.get<QPushButton>("bEng")->click();
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        textfit::Options options;
        options.scrollingAllowed << QStringLiteral("tGpsSatInf");
        const QStringList reports = textFitInAllLanguages(form, languages, [&] { form->retranslate(); }, options);
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));

        // The whole window in Russian, as the operator's button makes it.
        languages.removeAll();
        f.get<QPushButton>("bRus")->click();
        QVERIFY(textfit::savePicture(f.w.get(), QStringLiteral("mainwin-sync.png")));
    }
};

QTEST_MAIN(TestMainWinSync)
#include "tst_mainwin_sync.moc"
