// The file transfer window: its tabs per tester model, which form each
// activation reaches (seen as the list requests the tester gets), the
// language switch, and the texts of all three tabs in three languages.

#include "filesrig.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "ftransferform.h"
#include "reportfilesform.h"
#include "screenshotform.h"
#include "settingsfilesform.h"
#include "simtests.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

// Enabled state of the tabs Settings, Reports, Screenshot as "SRX", with
// '-' for a disabled tab.
QString enabledTabs(const QTabWidget *tabs)
{
    const char marks[3] = {'S', 'R', 'X'};
    QString out;
    for (int i = 0; i < 3; ++i)
        out += tabs->isTabEnabled(i) ? QLatin1Char(marks[i]) : QLatin1Char('-');
    return out;
}

} // namespace

class TestFTransferForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    FTransferForm *form = nullptr;

    QTabWidget *tabs() { return findWidget<QTabWidget>(form, "tabWidget"); }

    // The tester becomes a model of another type, as after a reconnection.
    void becomeType(quint8 type)
    {
        rig->tester([&](SimRemoteResponder &r) { r.info.deviceType = type; });
        rig->inWorker([this] { rig->device->updateDeviceInfo(); });
        QVERIFY(rig->drain());
    }

    QList<int> listingsNow()
    {
        [&] { QVERIFY(rig->drain()); }();
        return listings(rig->requests());
    }

private slots:
    void initTestCase()
    {
        useProgramSettingsStore();
        Q_INIT_RESOURCE(vyrremote_translations);
        Q_INIT_RESOURCE(icons);
        rig.reset(new FormRig(0));
        QVERIFY(rig->connectDevice());
    }

    void cleanupTestCase()
    {
        rig.reset();
    }

    void init()
    {
        becomeType(0);
        form = new FTransferForm(rig->device);
        form->resize(900, 600);
        rig->sim.clearRequests();
    }

    void cleanup()
    {
        delete form;
        form = nullptr;
        QVERIFY(rig->drain());
    }

    void builtWithThreeTabsEachHoldingItsForm()
    {
        QCOMPARE(tabs()->count(), 3);
        QCOMPARE(tabs()->currentIndex(), 0);
        QCOMPARE(tabs()->tabText(0), QString("Settings"));
        QCOMPARE(tabs()->tabText(1), QString("Reports"));
        QCOMPARE(tabs()->tabText(2), QString("Screenshot"));
        QCOMPARE(form->findChild<SettingsFilesForm *>()->parentWidget(), findWidget<QWidget>(form, "SettingsTab"));
        QCOMPARE(form->findChild<ReportFilesForm *>()->parentWidget(), findWidget<QWidget>(form, "ReportsTab"));
        QCOMPARE(form->findChild<ScreenshotForm *>()->parentWidget(), findWidget<QWidget>(form, "ScreenshotTab"));
        QVERIFY(form->windowTitle().isEmpty());
        // Building asks nothing of the tester.
        QVERIFY(listingsNow().isEmpty());
    }

    void tabsOfEveryModel_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("tabs");
        for (int type : {0, 2, 4, 9, 255})
            QTest::addRow("type %d", type) << type << "SRX";
        for (int type : {1, 3, 5})
            QTest::addRow("type %d", type) << type << "SR-";
        for (int type : {6, 7, 8})
            QTest::addRow("type %d", type) << type << "-R-";
    }
    void tabsOfEveryModel()
    {
        QFETCH(int, type);
        QFETCH(QString, tabs);
        QString got;
        got += FTransferForm::hasSettingsTab(unsigned(type)) ? QLatin1Char('S') : QLatin1Char('-');
        got += QLatin1Char('R');
        got += FTransferForm::hasScreenshotTab(unsigned(type)) ? QLatin1Char('X') : QLatin1Char('-');
        QCOMPARE(got, tabs);
    }

    void activationEnablesTheTabsOfTheConnectedTester_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("lists");
        QTest::newRow("type 0") << 0 << "SRX" << 0 << QList<int>{1};
        QTest::newRow("type 1") << 1 << "SR-" << 0 << QList<int>{1};
        // The configuration list is asked for first, then the tab goes
        // and the report list follows.
        QTest::newRow("type 6") << 6 << "-R-" << 1 << QList<int>{1, 6};
    }
    void activationEnablesTheTabsOfTheConnectedTester()
    {
        QFETCH(int, type);
        QFETCH(QString, tabs);
        QFETCH(int, current);
        QFETCH(QList<int>, lists);
        becomeType(quint8(type));
        rig->sim.clearRequests();
        form->activate();
        QVERIFY(form->isVisible());
        QCOMPARE(enabledTabs(this->tabs()), tabs);
        QCOMPARE(this->tabs()->currentIndex(), current);
        QCOMPARE(listingsNow(), lists);
    }

    void aLaterTesterOfAnotherModelGetsItsOwnTabs()
    {
        becomeType(6);
        form->activate();
        QCOMPARE(enabledTabs(tabs()), QString("-R-"));
        form->hide();
        becomeType(0);
        form->activate();
        QCOMPARE(enabledTabs(tabs()), QString("SRX"));
        QCOMPARE(tabs()->currentIndex(), 1);   // the tab stays where it was
    }

    void screenshotTabCurrentOnAModelWithoutIt()
    {
        form->activate();
        tabs()->setCurrentIndex(2);
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        becomeType(7);
        rig->sim.clearRequests();
        form->activate();
        QCOMPARE(tabs()->currentIndex(), 1);
        QCOMPARE(enabledTabs(tabs()), QString("-R-"));
        const QList<int> lists = listingsNow();
        QVERIFY(!lists.isEmpty());
        QCOMPARE(lists.last(), 6);
        QVERIFY(rig->requestsOf(0x04).isEmpty());   // no screen is fetched
    }

    void reportsTabAfterASavedReport_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("lists");
        QTest::newRow("from Settings") << 0 << QList<int>{1, 6};
        QTest::newRow("Reports already current") << 1 << QList<int>{6};
        QTest::newRow("from Screenshot") << 2 << QList<int>{6};
    }
    void reportsTabAfterASavedReport()
    {
        QFETCH(int, current);
        QFETCH(QList<int>, lists);
        tabs()->setCurrentIndex(current);
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        // As the main window does on Device::reportSaved.
        form->activate();
        form->activateReportsTab();
        QCOMPARE(tabs()->currentIndex(), 1);
        QCOMPARE(listingsNow(), lists);
    }

    void disableApplyDoesNothing()
    {
        form->activate();
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        const QString before = enabledTabs(tabs());
        form->disableApply();
        QCOMPARE(enabledTabs(tabs()), before);
        QVERIFY(listingsNow().isEmpty());
    }

    void languageSwitchRetextsEveryTab()
    {
        TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
        QVERIFY(languages.use(QStringLiteral("ru")));
        const QString reports = QCoreApplication::translate("FTransferForm", "Reports");
        const QString savePdf = QCoreApplication::translate("ReportFilesForm", "Save PDF report");
        const QString deleteAll = QCoreApplication::translate("SettingsFilesForm", "Delete All");
        const QString receive = QCoreApplication::translate("ScreenshotForm", "Receive");
        QVERIFY(reports != QLatin1String("Reports"));
        QVERIFY(savePdf != QLatin1String("Save PDF report"));
        QVERIFY(receive != QLatin1String("Receive"));
        form->retranslate();
        QCOMPARE(tabs()->tabText(1), reports);
        // The forms of the tabs not on show too.
        QCOMPARE(findWidget<QPushButton>(form->findChild<ReportFilesForm *>(), "bDown")->text(), savePdf);
        QCOMPARE(findWidget<QPushButton>(form->findChild<SettingsFilesForm *>(), "bDeleteAll")->text(), deleteAll);
        QCOMPARE(findWidget<QPushButton>(form->findChild<ScreenshotForm *>(), "bScreen")->text(), receive);
        languages.removeAll();
        form->retranslate();
        QCOMPARE(tabs()->tabText(1), QString("Reports"));
    }

    // The longest names the tester gives (21 characters) in both lists, the
    // tester's screen shown, in Russian, English and German; a Russian
    // picture of each tab for a look by eye.
    void textsFitOnEveryTab()
    {
        QList<SimRemoteResponder::File> files;
        for (int i = 0; i < 30; ++i) {
            files << simFile(QStringLiteral("WWWWWWWWWWWWWWWWWW%1").arg(i, 3, 10, QLatin1Char('0')),
                             i % 2 ? FileTypeConfig : FileTypeReport);
        }
        // Both lists end on a reply that names no file: the note under each
        // list has to fit too.
        files << simFile(QString(), FileTypeConfig) << simFile(QString(), FileTypeReport);
        rig->tester([&](SimRemoteResponder &r) {
            r.files = files;
            simDrawScreen(r);
        });
        form->show();
        form->activate();
        tabs()->setCurrentIndex(1);
        QVERIFY(rig->drain());
        auto *screenshot = form->findChild<ScreenshotForm *>();
        findWidget<QPushButton>(screenshot, "bScreen")->click();
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QPushButton>(screenshot, "bScreen")->isEnabled(), EventuallyMs);
        QCOMPARE(form->findChild<ReportFilesForm *>()->findChild<QListWidget *>()->count(), 15);
        QCOMPARE(form->findChild<SettingsFilesForm *>()->findChild<QListWidget *>()->count(), 15);

        textfit::Options options;
        options.scrollingAllowed = {QStringLiteral("listWidget")};
        QStringList reports;
        {
            TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
            reports = textFitInAllLanguages(form, languages, [this] { form->retranslate(); }, options);
            QVERIFY(languages.use(QStringLiteral("ru")));
            form->retranslate();
            for (int tab = 0; tab < 3; ++tab) {
                tabs()->setCurrentIndex(tab);
                QVERIFY(rig->drain());
                QVERIFY(textfit::savePicture(form, QStringLiteral("ftransfer_ru_%1.png").arg(tab)));
            }
        }
        form->retranslate();
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    }
};

QTEST_MAIN(TestFTransferForm)
#include "tst_ftransferform.moc"
