// The optical test form through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread: which
// ports it asks for and when, what its panels show, and Save Report.

#include "formrig.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "opttestform.h"
#include "sfpinfowidget.h"
#include "simsfp.h"

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cstring>

namespace {

// Port and test of a results request (0x13).
QPair<int, int> resultsOf(const QByteArray &r)
{
    return qMakePair(int(u32At(r, 1)), int(quint8(r.at(5))));
}

} // namespace

class TestOptTestForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    std::unique_ptr<QWidget> host;
    OptTestForm *form = nullptr;

    SFPInfoWidget *panel(const char *name) { return findWidget<SFPInfoWidget>(form, name); }
    QString field(const char *panelName, const char *name)
    {
        return findWidget<QLineEdit>(panel(panelName), name)->text();
    }

    void storeOnTester(port_t port, const sfp_info_t &m)
    {
        rig->tester([&](SimRemoteResponder &r) { r.resultsRecord(port, TestOptical) = recordBytes(m); });
    }

    // The results requests since the last clear, as (port, test).
    QList<QPair<int, int>> resultsRequests()
    {
        QList<QPair<int, int>> out;
        for (const QByteArray &r : rig->requestsOf(0x13))
            out << resultsOf(r);
        return out;
    }

    bool saveReport(const QString &typed)
    {
        return answerFileNameDialog(findWidget<QPushButton>(form, "saveReportButton"), typed) && rig->drain();
    }

private slots:
    void initTestCase()
    {
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
        rig->device->setCurrentProcess(PortA);
        storeOnTester(PortA, sfpModuleWithDdm("KORVEL OPTICS", 0.3981f));
        storeOnTester(PortB, sfpModuleWithDdm("TARNO", 0.25f));
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 1; });
        QVERIFY(rig->drain());
        form = new OptTestForm(rig->device);
        host = formHost(form, QSize(900, 500));
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
    }

    void cleanup()
    {
        host.reset();
        QVERIFY(rig->drain());
    }

    void builtHiddenAndTitled()
    {
        QVERIFY(form->isHidden());
        QCOMPARE(findWidget<QGroupBox>(panel("sfp0"), "groupInfo")->title(), QString("SFP module A"));
        QCOMPARE(findWidget<QGroupBox>(panel("sfp1"), "groupInfo")->title(), QString("SFP module B"));
        QVERIFY(findWidget<QPushButton>(form, "saveReportButton")->isEnabled());
    }

    void activateAsksForBothPortsAndShowsThem()
    {
        form->activate();
        QVERIFY(form->isVisible());
        QVERIFY(panel("sfp1")->isVisible());
        QVERIFY(!findWidget<QGroupBox>(panel("sfp0"), "groupDDM")->isHidden());
        QVERIFY(rig->drain());
        const QList<QPair<int, int>> asked = resultsRequests();
        QVERIFY(asked.size() >= 2);
        QCOMPARE(asked.at(0), qMakePair(0, int(TestOptical)));
        QCOMPARE(asked.at(1), qMakePair(1, int(TestOptical)));

        QCOMPARE(field("sfp0", "vendor"), QString("KORVEL OPTICS"));
        QCOMPARE(field("sfp0", "partNumber"), QString("KOP-1310-LX20"));
        QCOMPARE(field("sfp0", "date"), QString("05.04.2023"));
        QCOMPARE(field("sfp0", "wavelength"), QString("1310 nm"));
        QCOMPARE(field("sfp0", "rxPower"), QString("0.3981 mW"));
        QCOMPARE(field("sfp0", "rxPowerDBm"), QString("-4.00 dBm"));
        QCOMPARE(field("sfp0", "txPower"), QString("0.5012 mW"));
        QCOMPARE(field("sfp0", "txPowerDBm"), QString("-3.00 dBm"));
        QCOMPARE(field("sfp1", "vendor"), QString("TARNO"));
        QCOMPARE(field("sfp1", "rxPowerDBm"), QString("-6.02 dBm"));
    }

    // While shown, every poll asks for both ports again and the panels
    // follow: a module pulled from Port A reads "no SFP module".
    void pollsFollowTheModules()
    {
        form->activate();
        QVERIFY(rig->drain());
        storeOnTester(PortA, sfpNoModule());
        storeOnTester(PortB, sfpModuleWithDdm("TARNO", 0.0f));
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(rig->drain());
        const QList<QPair<int, int>> asked = resultsRequests();
        QVERIFY(asked.count(qMakePair(0, int(TestOptical))) >= 2);
        QVERIFY(asked.count(qMakePair(1, int(TestOptical))) >= 2);
        QCOMPARE(field("sfp0", "vendor"), QString("no SFP module"));
        QVERIFY(field("sfp0", "rxPower").isEmpty());
        QCOMPARE(field("sfp1", "rxPower"), QString("0.0000 mW"));
        QCOMPARE(field("sfp1", "rxPowerDBm"), QString("0.00 dBm"));
    }

    void hiddenFormAsksForNothing()
    {
        form->activate();
        QVERIFY(rig->drain());
        form->hide();
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(rig->drain());
        QVERIFY(resultsRequests().isEmpty());
    }

    // Results the tester marks invalid leave the panels as they were.
    void invalidResultsKeepThePanels()
    {
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(field("sfp0", "vendor"), QString("KORVEL OPTICS"));
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        storeOnTester(PortA, sfpNoModule());
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(rig->drain());
        QVERIFY(!resultsRequests().isEmpty());
        QCOMPARE(field("sfp0", "vendor"), QString("KORVEL OPTICS"));
        QCOMPARE(field("sfp1", "vendor"), QString("TARNO"));
    }

    void saveReport_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("proposed name") << 0 << QString("") << "REPORT 0001";
        QTest::newRow("typed, trimmed") << 0 << " SFP 7 " << "SFP 7";
        QTest::newRow("Port B current") << 1 << "SFP B" << "SFP B";
        QTest::newRow("blanks only") << 0 << "   " << QString();
        QTest::newRow("cancelled") << 0 << QString() << QString();
    }
    void saveReport()
    {
        QFETCH(int, port);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        rig->device->setCurrentProcess(port_t(port));
        form->activate();
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        QVERIFY(saveReport(typed));
        const QList<QByteArray> saves = rig->requestsOf(0x15);
        if (saved.isNull()) {
            QVERIFY(saves.isEmpty());
            return;
        }
        QCOMPARE(saves.size(), 1);
        QCOMPARE(u32At(saves.at(0), 1), quint32(port));
        QCOMPARE(quint8(saves.at(0).at(5)), quint8(TestOptical));
        QCOMPARE(QString::fromLatin1(saves.at(0).mid(6).constData()), saved);
    }

    // On a one-port model only Port A is asked for and panel B stays hidden,
    // whatever results of Port B arrive.
    void onePortModelShowsPanelAOnly()
    {
        FormRig single(1);
        single.tester([](SimRemoteResponder &r) {
            r.resultsRecord(PortA, TestOptical) = recordBytes(sfpModuleWithDdm("KORVEL OPTICS", 0.5f));
            r.resultsRecord(PortB, TestOptical) = recordBytes(sfpModuleWithDdm("PORT B", 0.5f));
        });
        QVERIFY(single.connectDevice());
        auto *f = new OptTestForm(single.device);
        const std::unique_ptr<QWidget> box = formHost(f, QSize(900, 500));
        single.sim.clearRequests();
        f->activate();
        QVERIFY(single.waitForPolls(2));
        // Port B's record is read for some other reason: still not shown.
        TestInfo *info = single.device->getOptTestInfo();
        QMetaObject::invokeMethod(info, [info] { info->receiveResults(PortB); }, Qt::QueuedConnection);
        QVERIFY(single.drain());
        QVERIFY(findWidget<SFPInfoWidget>(f, "sfp1")->isHidden());
        QCOMPARE(findWidget<QLineEdit>(findWidget<SFPInfoWidget>(f, "sfp0"), "vendor")->text(),
                 QString("KORVEL OPTICS"));
        QVERIFY(findWidget<QLineEdit>(findWidget<SFPInfoWidget>(f, "sfp1"), "vendor")->text().isEmpty());
        // The form asked for Port A only; the one Port B request is the above.
        int portAAsked = 0;
        int portBAsked = 0;
        for (const QByteArray &r : single.requestsOf(0x13)) {
            portAAsked += resultsOf(r) == qMakePair(0, int(TestOptical));
            portBAsked += resultsOf(r) == qMakePair(1, int(TestOptical));
        }
        QVERIFY(portAAsked >= 2);
        QCOMPARE(portBAsked, 1);
        single.stopWorker();
    }

    void disableApplyDoesNothing()
    {
        form->activate();
        form->disableApply();
        QVERIFY(findWidget<QPushButton>(form, "saveReportButton")->isEnabled());
    }

    void retranslate()
    {
        form->activate();
        QVERIFY(rig->drain());
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QVERIFY(languages.use("ru"));
        form->retranslate();
        const auto tr = [](const char *context, const char *text) {
            return QCoreApplication::translate(context, text);
        };
        QVERIFY(tr("OptTestForm", "Save Report") != QLatin1String("Save Report"));
        QCOMPARE(findWidget<QPushButton>(form, "saveReportButton")->text(), tr("OptTestForm", "Save Report"));
        QCOMPARE(findWidget<QGroupBox>(panel("sfp1"), "groupInfo")->title(),
                 tr("SFPInfoWidget", "SFP module") + " B");
        QCOMPARE(field("sfp0", "wavelength"), "1310 " + tr("SFPInfoWidget", "nm"));
        languages.removeAll();
        form->retranslate();
        QCOMPARE(findWidget<QPushButton>(form, "saveReportButton")->text(), QString("Save Report"));
    }

    void textsFit()
    {
        storeOnTester(PortB, sfpNoModule());
        form->activate();
        QVERIFY(rig->drain());
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        const QStringList reports = textFitInAllLanguages(form, languages, [&] { form->retranslate(); });
        QVERIFY(languages.use("ru"));
        form->retranslate();
        QVERIFY(textfit::savePicture(host.get(), QStringLiteral("opttestform.png")));
        languages.removeAll();
        form->retranslate();
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));
    }
};

QTEST_MAIN(TestOptTestForm)
#include "tst_opttestform.moc"
