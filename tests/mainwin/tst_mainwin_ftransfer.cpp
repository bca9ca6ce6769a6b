// The file transfer window in the main window: its selector button, the
// report list after a test form saved a report, the main window's message
// for a refused save, a loaded report, the tabs of a one-port model, and
// every text of the window with each tab shown, in three languages.
#include "mainwinrig.h"
#include "../support/filerequests.h"
#include "../support/modalscript.h"
#include "ftransferform.h"
#include "reportfilesform.h"
#include "settingsfilesform.h"
#include "trafficform.h"

#include <QListWidget>
#include <QTabWidget>
#include <QtTest>

class TestMainWinFTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useProgramSettingsStore();
    }

    void selectorButtonOpensTheSettingsTab()
    {
        MainWindowRig rig(0);
        ModalScript script;   // closes the release warning of this model
        rig.tester([](SimRemoteResponder &r) {
            r.files = {{QStringLiteral("BASE"), FileTypeConfig, "x", 0, 0}};
        });
        rig.w->show();
        QVERIFY(rig.connectToSim());
        auto *button = rig.get<QPushButton>("bFTransfer");
        QTRY_VERIFY(button->isEnabled());
        rig.sim->clearRequests();
        button->click();
        QVERIFY(rig.drain());
        auto *window = rig.w->findChild<FTransferForm *>();
        QVERIFY(window->isVisible());
        QVERIFY(button->isChecked());
        QCOMPARE(window->findChild<QTabWidget *>()->currentIndex(), 0);
        QCOMPARE(listings(rig.sim->requests()), QList<int>{1});
        QCOMPARE(listedNames(window->findChild<SettingsFilesForm *>()), QStringList{"BASE"});

        // Another selector hides it again.
        rig.get<QPushButton>("bTraffic")->click();
        QVERIFY(!window->isVisible());
        QVERIFY(!button->isChecked());
    }

    void aReportSavedFromATestFormShowsTheReportList()
    {
        MainWindowRig rig(0);
        ModalScript script;
        rig.w->show();
        QVERIFY(rig.connectToSim());
        rig.get<QPushButton>("bTraffic")->click();
        QVERIFY(rig.drain());
        auto *traffic = rig.w->findChild<TrafficForm *>();
        QVERIFY(traffic->isVisible());
        script.then(ModalScript::acceptProposedName());
        // Save Report (enabled once results are in; the road is the same).
        traffic->bSaveReportClicked();
        QVERIFY(rig.drain());
        auto *window = rig.w->findChild<FTransferForm *>();
        QTRY_VERIFY2(window->isVisible(), qPrintable(script.log()));
        QVERIFY(rig.drain());
        QVERIFY(!traffic->isVisible());
        QVERIFY(rig.get<QPushButton>("bFTransfer")->isChecked());
        QVERIFY(!rig.get<QPushButton>("bTraffic")->isChecked());
        QCOMPARE(window->findChild<QTabWidget *>()->currentIndex(), 1);
        QCOMPARE(listedNames(window->findChild<ReportFilesForm *>()), QStringList{"REPORT 0001"});
    }

    void aRefusedConfigurationSaveIsWorded()
    {
        MainWindowRig rig(0);
        ModalScript script;
        rig.tester([](SimRemoteResponder &r) { r.fileError = 2; });
        rig.w->show();
        QVERIFY(rig.connectToSim());
        rig.get<QPushButton>("bFTransfer")->click();
        QVERIFY(rig.drain());
        auto *settings = rig.w->findChild<SettingsFilesForm *>();
        script.then(ModalScript::acceptProposedName());
        findWidget<QPushButton>(settings, "bSave")->click();
        QVERIFY(rig.drain());
        QTRY_VERIFY(findWidget<QPushButton>(settings, "bSave")->isEnabled());
        bool worded = false;
        for (const ModalScript::Seen &s : script.of(QStringLiteral("QMessageBox")))
            worded = worded || s.text == QCoreApplication::translate("MainForm", "Cannot save the file.") + '\n'
                                             + QCoreApplication::translate("MainForm", "File already exists.");
        QVERIFY2(worded, qPrintable(script.log()));
    }

    void aLoadedReportShowsItsTestForm()
    {
        MainWindowRig rig(0);
        ModalScript script;
        rig.tester([](SimRemoteResponder &r) {
            r.files = {{QStringLiteral("JITTER B"), FileTypeReport, QByteArray(1, char(TestJitter)), 1,
                        TestJitter}};
        });
        rig.w->show();
        QVERIFY(rig.connectToSim());
        rig.get<QPushButton>("bFTransfer")->click();
        auto *window = rig.w->findChild<FTransferForm *>();
        window->activateReportsTab();
        QVERIFY(rig.drain());
        auto *reports = window->findChild<ReportFilesForm *>();
        QListWidget *list = findWidget<QListWidget>(reports, "listWidget");
        QCOMPARE(list->count(), 1);
        list->setCurrentRow(0);
        list->item(0)->setSelected(true);
        findWidget<QPushButton>(reports, "bLoad")->click();
        QVERIFY(rig.drain());
        QTRY_VERIFY(!window->isVisible());
        QVERIFY(rig.get<QPushButton>("bJitter")->isChecked());
        QVERIFY(!rig.get<QPushButton>("bFTransfer")->isChecked());
        QVERIFY(rig.get<QPushButton>("bProcB")->isChecked());
    }

    void aOnePortModelShowsOnlyItsReports()
    {
        MainWindowRig rig(6);
        rig.w->show();
        QVERIFY(rig.connectToSim());
        rig.sim->clearRequests();
        rig.get<QPushButton>("bFTransfer")->click();
        QVERIFY(rig.drain());
        auto *tabs = rig.w->findChild<FTransferForm *>()->findChild<QTabWidget *>();
        QVERIFY(!tabs->isTabEnabled(0));
        QVERIFY(tabs->isTabEnabled(1));
        QVERIFY(!tabs->isTabEnabled(2));
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(listings(rig.sim->requests()), (QList<int>{1, 6}));

        // The link goes: the window goes with it.
        rig.sim.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.w->findChild<FTransferForm *>()->isVisible(), MainWindowDeadlineMs);
        QVERIFY(!rig.get<QPushButton>("bFTransfer")->isChecked());
    }

    void everyTextFitsWithTheWindowShown()
    {
        MainWindowRig rig(0);
        ModalScript script;
        rig.tester([](SimRemoteResponder &r) {
            for (int i = 0; i < 40; ++i) {
                r.files << SimRemoteResponder::File{QStringLiteral("WWWWWWWWWWWWWWWWWWW%1").arg(i, 2, 10, QLatin1Char('0')),
                                                    quint32(i % 2 ? FileTypeConfig : FileTypeReport), "x", 0, 0};
            }
        });
        rig.showAtTestSize();
        QVERIFY(rig.connectToSim());
        QVERIFY(rig.showForm(MainForm::FormFTransfer));
        textfit::Options options;
        options.scrollingAllowed = {QStringLiteral("listWidget")};
        const QStringList reports = rig.cutTexts(options);
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
        auto *tabs = rig.w->findChild<FTransferForm *>()->findChild<QTabWidget *>();
        for (int tab = 0; tab < 3; ++tab) {
            tabs->setCurrentIndex(tab);
            QVERIFY(rig.drain());
            QVERIFY(textfit::savePicture(rig.w.get(), QStringLiteral("mainwin_ftransfer_ru_%1.png").arg(tab)));
        }
    }
};

QTEST_MAIN(TestMainWinFTransfer)
#include "tst_mainwin_ftransfer.moc"
