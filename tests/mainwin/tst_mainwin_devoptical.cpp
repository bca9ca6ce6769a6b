// The device settings and optical test forms in the main window: their
// selector buttons open them, the one-port models show one SFP panel, a
// loaded optical report is refused, the language buttons re-text them, and
// they fit the window. Against the simulated tester over TCP, in its
// realistic mode (an SFP module with monitoring on Port A, one without on
// Port B).

#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "devsettingsform.h"
#include "mainform.h"
#include "../support/modalanswerer.h"
#include "opttestform.h"
#include "sfpinfowidget.h"
#include "simremote.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace {

constexpr int DeadlineMs = 20000;

} // namespace

class TestMainWinDevOptical : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString startFolder;
    std::unique_ptr<SimTester> sim;
    std::unique_ptr<MainForm> window;
    std::unique_ptr<ModalAnswerer> answerer;

    template <class T>
    T *widget(const char *name)
    {
        return findWidget<T>(window.get(), name);
    }
    OptTestForm *optical() { return window->findChild<OptTestForm *>(); }
    DevSettingsForm *devSettings() { return window->findChild<DevSettingsForm *>(); }
    QString panelField(const char *panel, const char *name)
    {
        return findWidget<QLineEdit>(findWidget<SFPInfoWidget>(optical(), panel), name)->text();
    }

    // The window connected to a simulated tester of the given model.
    void start(quint8 deviceType)
    {
        QFile::remove(QStringLiteral("db.sqlite"));
        auto *responder = new SimRemoteResponder(deviceType);
        responder->realistic = true;
        device_settings_t s{};
        s.checking = 7;
        responder->deviceSettings = s;
        sim = std::make_unique<SimTester>(responder);
        const quint16 port = sim->listenTcp();
        window = std::make_unique<MainForm>();
        answerer = std::make_unique<ModalAnswerer>();
        window->show();
        window->setIpFromCommandLine(QStringLiteral("127.0.0.1:%1").arg(port));
        widget<QPushButton>("bEthConnect")->click();
        QLabel *info = widget<QLabel>("lEthInfo");
        QVERIFY(QTest::qWaitFor([&] { return !info->text().isEmpty(); }, DeadlineMs));
        QTRY_VERIFY_WITH_TIMEOUT(widget<QPushButton>("bOptTest")->isEnabled(), DeadlineMs);
    }

private slots:
    void initTestCase()
    {
        startFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
    }

    void cleanupTestCase()
    {
        QDir::setCurrent(startFolder);
    }

    void cleanup()
    {
        window.reset();
        answerer.reset();
        sim.reset();
    }

    void opticalButtonShowsBothModules()
    {
        start(0);
        QVERIFY(optical());
        QVERIFY(!optical()->isVisible());
        widget<QPushButton>("bOptTest")->click();
        QVERIFY(widget<QPushButton>("bOptTest")->isChecked());
        QVERIFY(optical()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(panelField("sfp0", "vendor"), QString("KORVEL OPTICS"), DeadlineMs);
        QTRY_COMPARE_WITH_TIMEOUT(panelField("sfp1", "vendor"), QString("OEM"), DeadlineMs);
        QCOMPARE(panelField("sfp0", "date"), QString("05.04.2023"));
        QVERIFY(panelField("sfp0", "rxPowerDBm").endsWith(QCoreApplication::translate("SFPInfoWidget", "dBm")));
        QCOMPARE(panelField("sfp1", "temperature"), QCoreApplication::translate("SFPInfoWidget", "not available"));

        // Another form: the optical form hides and its polls stop.
        widget<QPushButton>("bDevSettings")->click();
        QVERIFY(!optical()->isVisible());
        QVERIFY(!widget<QPushButton>("bOptTest")->isChecked());
        QVERIFY(devSettings()->isVisible());
        QTest::qWait(100);
        sim->clearRequests();
        const int polls = sim->requests().size();
        QTRY_VERIFY_WITH_TIMEOUT(sim->requests().size() >= polls + 2, DeadlineMs);
        for (const QByteArray &r : sim->requests())
            QVERIFY(!(quint8(r.at(0)) == 0x13 && r.size() >= 6 && quint8(r.at(5)) == TestOptical));
    }

    void onePortModelShowsPanelAOnly()
    {
        start(1);
        widget<QPushButton>("bOptTest")->click();
        QVERIFY(optical()->isVisible());
        QVERIFY(findWidget<SFPInfoWidget>(optical(), "sfp1")->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(panelField("sfp0", "vendor"), QString("KORVEL OPTICS"), DeadlineMs);
    }

    void deviceSettingsButtonShowsTheTestersMode()
    {
        start(0);
        widget<QPushButton>("bDevSettings")->click();
        QVERIFY(widget<QPushButton>("bDevSettings")->isChecked());
        QVERIFY(devSettings()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QRadioButton>(devSettings(), "radioButton_7")->isChecked(),
                                 DeadlineMs);
        QVERIFY(findWidget<QGroupBox>(devSettings(), "gDevSettings")->isHidden());
    }

    void opticalReportIsNotLoaded()
    {
        start(0);
        widget<QPushButton>("bOptTest")->click();
        answerer->seen.clear();
        window->reportLoaded(PortA, TestOptical);
        // (The release warning of the connect may come at any time.)
        const QString refusal = QCoreApplication::translate("MainForm", "This file cannot be loaded.");
        int refused = 0;
        for (const ModalAnswerer::Seen &box : answerer->seen)
            refused += box.text == refusal;
        QCOMPARE(refused, 1);
        QVERIFY(optical()->isVisible());
    }

    void languageButtonsRetextBothForms()
    {
        start(0);
        widget<QPushButton>("bOptTest")->click();
        QTRY_COMPARE_WITH_TIMEOUT(panelField("sfp1", "vendor"), QString("OEM"), DeadlineMs);
        widget<QPushButton>("bEng")->click();
        QCOMPARE(findWidget<QPushButton>(optical(), "saveReportButton")->text(), QString("Save Report"));
        QCOMPARE(findWidget<QGroupBox>(findWidget<SFPInfoWidget>(optical(), "sfp1"), "groupInfo")->title(),
                 QString("SFP module B"));
        QCOMPARE(panelField("sfp1", "temperature"), QString("not available"));
        QCOMPARE(findWidget<QGroupBox>(devSettings(), "groupBox")->title(), QString("Checking"));
        widget<QPushButton>("bRus")->click();
        QCOMPARE(findWidget<QGroupBox>(devSettings(), "groupBox")->title(),
                 QCoreApplication::translate("DevSettingsForm", "Checking"));
        QCOMPARE(panelField("sfp1", "temperature"), QCoreApplication::translate("SFPInfoWidget", "not available"));
    }

    // In the window's own size and language (Russian) both forms fit;
    // pictures of both for a person to look at.
    void textsFitInTheWindow()
    {
        start(0);
        QStringList cut;
        widget<QPushButton>("bOptTest")->click();
        QTRY_COMPARE_WITH_TIMEOUT(panelField("sfp1", "vendor"), QString("OEM"), DeadlineMs);
        textfit::settle(window.get());
        cut += textfit::cutTexts(optical());
        QVERIFY(textfit::savePicture(window.get(), QStringLiteral("mainwin_optical.png")));
        widget<QPushButton>("bDevSettings")->click();
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QRadioButton>(devSettings(), "radioButton_7")->isChecked(),
                                 DeadlineMs);
        textfit::settle(window.get());
        cut += textfit::cutTexts(devSettings());
        QVERIFY(textfit::savePicture(window.get(), QStringLiteral("mainwin_devsettings.png")));
        QVERIFY2(cut.isEmpty(), qPrintable(textfit::report(QStringLiteral("ru"), cut)));
    }
};

QTEST_MAIN(TestMainWinDevOptical)
#include "tst_mainwin_devoptical.moc"
