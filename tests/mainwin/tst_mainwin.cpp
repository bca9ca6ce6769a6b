// The main window against the simulated tester: start-up state, connecting,
// device information, port panels, link loss, language switching, report and
// save messages, update mode, and shut-down while the worker is busy.
#include "mainwinrig.h"
#include "trafficform.h"
#include "../support/modalanswerer.h"
#include "simremote.h"
#include "startremote.h"
#include "vyrupdialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {

constexpr int LinkDeadlineMs = 20000;

const QString blueOnYellow = QStringLiteral("color: rgb(0, 170, 255);background-color: rgb(255, 255, 0);");
const QString blueOnGreen = QStringLiteral("color: rgb(0, 170, 255);background-color: rgb(0, 255, 0);");
const QString lampYellow = QStringLiteral("background-color: rgb(255, 255, 0);color: rgb(0, 170, 255);");
const QString lampGreen = QStringLiteral("background-color: rgb(0, 255, 0);color: rgb(0, 170, 255);");
const QString lampBlack = QStringLiteral("background-color: rgb(0, 0, 0);color: rgb(0, 170, 255);");

QString mw(const char *text)
{
    return QCoreApplication::translate("MainForm", text);
}

// The unit words of the rates, which read as in every table and report.
QString unit(const char *text)
{
    return QCoreApplication::translate("QApplication", text);
}

} // namespace

class TestMainWin : public QObject
{
    Q_OBJECT

private:
    // One window in a fresh working folder (its own db.sqlite), and one
    // simulated tester of the given type listening on 127.0.0.1, answering
    // with pattern records.
    struct Fixture : MainWindowRig
    {
        explicit Fixture(quint8 type = 0)
            : MainWindowRig(type, false)
        {
        }
        // Connect pressed; waitConnected() waits for the device information.
        void connectToSim() { startConnect(); }
        bool waitUnconnected()
        {
            auto *fControl = get<QWidget>("fControl");
            auto *connectButton = get<QPushButton>("bEthConnect");
            return QTest::qWaitFor([&] { return !fControl->isEnabled() && connectButton->isEnabled()
                                                && !connectButton->isHidden(); },
                                   LinkDeadlineMs);
        }
        void setStatus(const std::function<void(get_device_status_resp_t &)> &f)
        {
            sim->with<SimRemoteResponder>([&](SimRemoteResponder &r) { f(r.status); });
        }
    };

private slots:
    void initialState();
    void loginAndConnect();
    void deviceInfo_data();
    void deviceInfo();
    void warningComesAfterConnectedState();
    void linkLostWhileWarningOpen();
    void portPanels();
    void linkLossReturnsToUnconnected();
    void connectDisabledDuringAttempt();
    void addressCheck_data();
    void addressCheck();
    void languageSwitch();
    void languageSwitchRedrawsPortPanels();
    void portButtons();
    void trafficSelectorShowsTrafficForm();
    void reportLoaded_data();
    void reportLoaded();
    void reportLoadedShowsTrafficForm();
    void saveErrors_data();
    void saveErrors();
    void fpgaValue();
    void updateModeAndClose();
    void updateModeLanguageSwitch();
    void closeWhileWorkerBusy();
    void picture();
};

void TestMainWin::initialState()
{
    Fixture f;
    MainForm &w = *f.w;
    QVERIFY(w.windowState() & Qt::WindowMaximized);

    // Russian from the start: the texts come from the embedded catalogue.
    QVERIFY(mw("Connect") != QLatin1String("Connect"));
    QCOMPARE(f.get<QPushButton>("bEthConnect")->text(), mw("Connect"));
    QCOMPARE(w.windowTitle(), mw("%1 Remote Control").arg(QStringLiteral("Tarnek-VyrK C")));
    // Qt's own dialogs are Russian too.
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));

    for (const char *hidden : {"gSerial", "gDebug", "bDeu", "gPortA", "gPortB", "bEthDisc"})
        QVERIFY2(!f.get<QWidget>(hidden)->isVisibleTo(&w), hidden);
    QVERIFY(f.get<QWidget>("bEthConnect")->isVisibleTo(&w));
    QVERIFY(!f.get<QWidget>("fControl")->isEnabled());
    for (const char *off : {"bOAM", "bMDI", "bTCPIP"})
        QVERIFY2(!f.get<QWidget>(off)->isEnabled(), off);
    QVERIFY(f.get<QPushButton>("bProcA")->isChecked());
    QVERIFY(!f.get<QPushButton>("bProcB")->isChecked());
    for (QPushButton *b : w.selectorButtons())
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    QCOMPARE(f.get<QLineEdit>("iIP")->text(), QStringLiteral("192.168.0.202"));
    QVERIFY(f.get<QLabel>("lEthInfo")->text().isEmpty());
}

void TestMainWin::loginAndConnect()
{
    // The whole start: fresh folder, silent login, address from the command line.
    Fixture f(6);
    ModalAnswerer answerer;
    const QStringList args = {QStringLiteral("VyrRemote"), QStringLiteral("-login"), QStringLiteral("tuvex"),
                              QStringLiteral("-password"), QStringLiteral("tuvex"), QStringLiteral("-ip"),
                              f.address()};
    QCOMPARE(startRemote(*f.w, args), StartOutcome::Run);
    QVERIFY(QFile::exists(QStringLiteral("db.sqlite")));
    QCOMPARE(answerer.seen.size(), 0);
    QCOMPARE(f.get<QLineEdit>("iIP")->text(), f.address());

    f.w->show();
    f.get<QPushButton>("bEthConnect")->click();
    QVERIFY(f.waitConnected());
    const QString info = f.get<QLabel>("lEthInfo")->text();
    QCOMPARE(info, mw("Device") + QStringLiteral(": Tarnek-VyrK C1\n") + mw("Serial")
                       + QStringLiteral(": 4711\nCPU: 2.7.13 FPGA: 1.4.200 \n") + mw("Release")
                       + QStringLiteral(": 1.0"));
    QCOMPARE(f.w->windowTitle(), mw("%1 Remote Control").arg(QStringLiteral("Tarnek-VyrK C")));
    QTRY_VERIFY(f.get<QWidget>("bEthDisc")->isVisible());
    QVERIFY(!f.get<QWidget>("bEthConnect")->isVisible());
    QVERIFY(!f.get<QWidget>("iIP")->isEnabled());
    QVERIFY(f.get<QWidget>("fControl")->isEnabled());
    QVERIFY(f.get<QWidget>("gPortA")->isVisible());
    // Type 6 has Port A only, and release 1.0 is the one this program knows.
    QVERIFY(!f.get<QWidget>("gPortB")->isVisible());
    QVERIFY(!f.get<QWidget>("bProcB")->isVisible());
    QVERIFY(f.get<QWidget>("bPTP")->isEnabled());   // the PTP test runs on Port A
    QTest::qWait(200);
    QCOMPARE(answerer.count(QStringLiteral("QMessageBox")), 0);
}

void TestMainWin::deviceInfo_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("release");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("twoPorts");
    QTest::addColumn<QString>("warnFamily");   // empty: no warning

    QTest::newRow("type 0 always warned") << 0 << QByteArray("1.0") << "Tarnek-Vyr" << true << "Tarnek-VyrK C";
    QTest::newRow("type 5 one port") << 5 << QByteArray("1.0") << "BR2410" << false << "Tarnek-VyrK C";
    QTest::newRow("type 7 right release") << 7 << QByteArray("1.0") << "Tarnek-VyrBK C1" << false << "";
    QTest::newRow("type 7 release 1.00") << 7 << QByteArray("1.00") << "Tarnek-VyrBK C1" << false
                                         << "Tarnek-VyrK C";
    QTest::newRow("type 8 release 1.0a") << 8 << QByteArray("1.0a") << "Tarnek-VyrK C2" << true << "Tarnek-VyrK C";
    QTest::newRow("type 8 full 13-byte release") << 8 << QByteArray("ABCDEFGHIJKLM") << "Tarnek-VyrK C2" << true
                                                 << "Tarnek-VyrK C";
    QTest::newRow("unknown type 9") << 9 << QByteArray("1.0") << "unknown" << true << "Tarnek-VyrK C";
}

void TestMainWin::deviceInfo()
{
    QFETCH(int, type);
    QFETCH(QByteArray, release);
    QFETCH(QString, model);
    QFETCH(bool, twoPorts);
    QFETCH(QString, warnFamily);

    Fixture f{quint8(type)};
    f.sim->with<SimRemoteResponder>([&](SimRemoteResponder &r) {
        memset(r.info.releaseName, 0, sizeof r.info.releaseName);
        memcpy(r.info.releaseName, release.constData(), size_t(release.size()));
    });
    ModalAnswerer answerer;
    f.w->show();
    f.connectToSim();
    QVERIFY(f.waitConnected());
    const QString info = f.get<QLabel>("lEthInfo")->text();
    QVERIFY2(info.startsWith(mw("Device") + QStringLiteral(": ") + model + QLatin1Char('\n')), qPrintable(info));
    QVERIFY2(info.endsWith(QStringLiteral(": ") + QString::fromLatin1(release)), qPrintable(info));
    QTRY_COMPARE(f.get<QWidget>("gPortB")->isVisible(), twoPorts);
    QCOMPARE(f.get<QWidget>("bProcB")->isVisible(), twoPorts);
    QCOMPARE(f.get<QWidget>("bProcA")->isVisible(), twoPorts);

    if (warnFamily.isEmpty()) {
        QTest::qWait(300);
        QCOMPARE(answerer.count(QStringLiteral("QMessageBox")), 0);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(answerer.count(QStringLiteral("QMessageBox")), 1, LinkDeadlineMs);
        QCOMPARE(answerer.seen.first().text, mw("Compiled for %1 release version %2").arg(warnFamily, "1.0"));
        QCOMPARE(answerer.seen.first().title, f.w->windowTitle());
    }
}

void TestMainWin::warningComesAfterConnectedState()
{
    Fixture f(0);
    ModalAnswerer answerer;
    bool panelShownUnderBox = false;
    bool selectorOnUnderBox = false;
    answerer.then([&](QWidget *) {
        panelShownUnderBox = f.get<QWidget>("gPortA")->isVisible();
        selectorOnUnderBox = f.get<QWidget>("fControl")->isEnabled();
    });
    f.w->show();
    f.connectToSim();
    QTRY_COMPARE_WITH_TIMEOUT(answerer.count(QStringLiteral("QMessageBox")), 1, LinkDeadlineMs);
    QVERIFY(panelShownUnderBox);
    QVERIFY(selectorOnUnderBox);
}

void TestMainWin::linkLostWhileWarningOpen()
{
    // The tester goes away while the operator still looks at the release
    // warning: when the box closes, the window must stay unconnected.
    Fixture f(0);
    ModalAnswerer answerer;
    bool sawUnconnected = false;
    answerer.then([&](QWidget *) {
        f.sim->goAway();
        sawUnconnected = f.waitUnconnected();
    });
    f.w->show();
    f.connectToSim();
    QTRY_COMPARE_WITH_TIMEOUT(answerer.count(QStringLiteral("QMessageBox")), 1, LinkDeadlineMs);
    QVERIFY(sawUnconnected);
    QTest::qWait(200);
    QVERIFY(!f.get<QWidget>("fControl")->isEnabled());
    QVERIFY(!f.get<QWidget>("gPortA")->isVisible());
    // The device text is gone; the panel tells the loss instead.
    QVERIFY(f.get<QLabel>("lEthInfo")->text().startsWith(mw("Connection to the tester lost.") + '\n'));
    QVERIFY(f.get<QWidget>("bEthConnect")->isVisible());
}

void TestMainWin::portPanels()
{
    Fixture f(0);
    ModalAnswerer answerer;   // closes the release warning of type 0
    f.setStatus([](get_device_status_resp_t &s) {
        s.topology[0] = 0;
        s.topology[1] = 1;
        s.process[0].tx = 1u << 2;      // Port A sends traffic
        s.process[1].rx = 1u << 2;      // Port B receives it
        s.txRate[0] = 125000000;
        s.rxRate[0] = 124;
        s.txRate[1] = 0;
        s.rxRate[1] = 1000;
        s.link[0] = port_link_t{1, 0, 2, 1};
        s.link[1] = port_link_t{0, 0, 2, 1};
    });
    f.w->show();
    f.connectToSim();
    QVERIFY(f.waitConnected());
    QTRY_COMPARE_WITH_TIMEOUT(f.get<QLabel>("lAtest")->text(), QStringLiteral("TRAF"), LinkDeadlineMs);
    QCOMPARE(f.get<QLabel>("lAtest")->styleSheet(), blueOnYellow);
    QCOMPARE(f.get<QLabel>("lAtx")->styleSheet(), lampYellow);
    QCOMPARE(f.get<QLabel>("lArx")->styleSheet(), lampBlack);
    QCOMPARE(f.get<QLabel>("lAlink")->text(), QStringLiteral("1000F"));
    QCOMPARE(f.get<QLabel>("lAtopol")->text(), QStringLiteral("A->B"));
    QCOMPARE(f.get<QLabel>("lARxTxSpeed")->text(),
             QStringLiteral("Tx: 1000.000 ") + unit("Mbps") + QStringLiteral("\nRx: 992 ") + unit("bps"));

    QCOMPARE(f.get<QLabel>("lBtest")->text(), QStringLiteral("TRAF"));
    QCOMPARE(f.get<QLabel>("lBtest")->styleSheet(), blueOnGreen);
    QCOMPARE(f.get<QLabel>("lBrx")->styleSheet(), lampGreen);
    QCOMPARE(f.get<QLabel>("lBtx")->styleSheet(), lampBlack);
    QCOMPARE(f.get<QLabel>("lBlink")->text(), QStringLiteral("NS"));
    QCOMPARE(f.get<QLabel>("lBtopol")->text(), QStringLiteral("B->B"));
    QCOMPARE(f.get<QLabel>("lBRxTxSpeed")->text(),
             QStringLiteral("Tx: 0 ") + unit("bps") + QStringLiteral("\nRx: 8.000 ") + unit("kbps"));

    // The next poll redraws: the test ends, the link comes up.
    f.setStatus([](get_device_status_resp_t &s) {
        s.process[0].tx = 0;
        s.process[1].rx = 0;
        s.link[1] = port_link_t{1, 0, 1, 0};
    });
    QTRY_COMPARE_WITH_TIMEOUT(f.get<QLabel>("lBlink")->text(), QStringLiteral("100H"), LinkDeadlineMs);
    QTRY_COMPARE(f.get<QLabel>("lAtest")->text(), QString());
    QCOMPARE(f.get<QLabel>("lAtx")->styleSheet(), lampBlack);
}

void TestMainWin::linkLossReturnsToUnconnected()
{
    Fixture f(6);
    ModalAnswerer answerer;
    f.w->show();
    f.connectToSim();
    QVERIFY(f.waitConnected());
    QTRY_VERIFY(f.get<QWidget>("bEthDisc")->isVisible());

    f.sim->goAway();
    QVERIFY(f.waitUnconnected());
    QVERIFY(!f.get<QWidget>("gPortA")->isVisible());
    QVERIFY(!f.get<QWidget>("bEthDisc")->isVisible());
    QVERIFY(f.get<QWidget>("iIP")->isEnabled());
    QVERIFY(f.get<QLabel>("lEthInfo")->text().startsWith(mw("Connection to the tester lost.") + '\n'));
    for (QPushButton *b : f.w->selectorButtons())
        QVERIFY(!b->isChecked());

    // And the tester can be reached again.
    f.sim->comeBack();
    f.get<QPushButton>("bEthConnect")->click();
    QVERIFY(f.waitConnected());
}

void TestMainWin::connectDisabledDuringAttempt()
{
    Fixture f(6);
    ModalAnswerer answerer;
    QSignalSpy attempts(f.w.get(), &MainForm::connectByTCPIP);
    f.sim->setSilent(true);   // the link opens but the device information never comes
    f.w->show();
    f.connectToSim();
    QCOMPARE(attempts.count(), 1);
    auto *connectButton = f.get<QPushButton>("bEthConnect");
    QVERIFY(!connectButton->isEnabled());
    connectButton->click();   // ignored while the first attempt runs
    QCOMPARE(attempts.count(), 1);

    // The attempt fails and the panel is usable again.
    QVERIFY(f.waitUnconnected());
    f.sim->setSilent(false);
    connectButton->click();
    QCOMPARE(attempts.count(), 2);
    QVERIFY(f.waitConnected());
}

void TestMainWin::addressCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent");   // empty: refused, the field keeps the text

    QTest::newRow("leading zeros dropped") << "192.168.001.002" << "192.168.1.2";
    QTest::newRow("plain") << "10.0.0.1" << "10.0.0.1";
    QTest::newRow("incomplete") << "192.168.1" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("trailing dot") << "10.0.0." << "";
}

void TestMainWin::addressCheck()
{
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    Fixture f;
    ModalAnswerer answerer;
    QSignalSpy spy(f.w.get(), &MainForm::connectByTCPIP);
    auto *ip = f.get<QLineEdit>("iIP");
    ip->setText(typed);
    QCOMPARE(ip->text(), typed);   // the validator lets intermediate text stand
    f.w->show();
    f.get<QPushButton>("bEthConnect")->click();
    QCOMPARE(spy.count(), 1);
    if (sent.isEmpty()) {
        // Refused by the device before any socket opens, told as a failed
        // connect is told, without a box that stops the window.
        QCOMPARE(spy.first().first().toString(), typed);
        QVERIFY(f.waitUnconnected());
        QTRY_VERIFY(f.get<QLabel>("lEthInfo")->text().startsWith(mw("Not a valid address.") + '\n'));
        auto *notice = f.w->findChild<QMessageBox *>(QStringLiteral("linkNotice"));
        QVERIFY(notice && notice->isVisible());
        QVERIFY2(notice->text().contains(mw("Not a valid address: %1").section(QStringLiteral("%1"), 0, 0)),
                 qPrintable(notice->text()));
        QCOMPARE(ip->text(), typed);
        QCOMPARE(answerer.count(QStringLiteral("QMessageBox")), 0);
        QVERIFY(f.get<QPushButton>("bEthConnect")->isEnabled());
    } else {
        QCOMPARE(spy.first().first().toString(), sent);
        QCOMPARE(ip->text(), sent);
        QCOMPARE(answerer.count(QStringLiteral("QMessageBox")), 0);
    }
}

void TestMainWin::languageSwitch()
{
    Fixture f(6);
    ModalAnswerer answerer;
    f.w->show();
    f.connectToSim();
    QVERIFY(f.waitConnected());
    auto *menu = f.w->findChild<QMenuBar *>();
    QVERIFY(menu);
    const QString russianMenu = menu->actions().first()->text();

    f.get<QPushButton>("bEng")->click();
    QCOMPARE(f.w->windowTitle(), QStringLiteral("Tarnek-VyrK C Remote Control"));
    QCOMPARE(f.get<QPushButton>("bEthDisc")->text(), QStringLiteral("Disconnect"));
    QCOMPARE(f.get<QPushButton>("bTraffic")->text(), QStringLiteral("Traffic\ntest"));
    QCOMPARE(f.get<QPushButton>("bRFC")->text(), QStringLiteral("RFC2544"));
    QCOMPARE(f.get<QGroupBox>("gPortA")->title(), QStringLiteral("Port A"));
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("Settings"));
    QVERIFY(russianMenu != QLatin1String("Settings"));
    // The information label is rebuilt, not left empty by the re-texting.
    QCOMPARE(f.get<QLabel>("lEthInfo")->text(),
             QStringLiteral("Device: Tarnek-VyrK C1\nSerial: 4711\nCPU: 2.7.13 FPGA: 1.4.200 \nRelease: 1.0"));

    f.get<QPushButton>("bRus")->click();
    QCOMPARE(menu->actions().first()->text(), russianMenu);
    QCOMPARE(f.get<QPushButton>("bEthDisc")->text(), mw("Disconnect"));
    QVERIFY(mw("Disconnect") != QLatin1String("Disconnect"));
    QVERIFY(f.get<QLabel>("lEthInfo")->text().startsWith(mw("Device")));
    QCOMPARE(f.get<QPushButton>("bRFC")->text(), QStringLiteral("RFC2544"));
}

// The port panels take the new language's unit words at the switch, from the
// status already held, not only with the next poll.
void TestMainWin::languageSwitchRedrawsPortPanels()
{
    Fixture f(6);
    ModalAnswerer answerer;
    f.setStatus([](get_device_status_resp_t &s) {
        s.txRate[0] = 125000000;
        s.rxRate[0] = 1000;
    });
    f.w->show();
    f.connectToSim();
    QVERIFY(f.waitConnected());
    auto *rates = f.get<QLabel>("lARxTxSpeed");
    QVERIFY(unit("Mbps") != QLatin1String("Mbps"));
    QTRY_COMPARE_WITH_TIMEOUT(rates->text(),
                              QStringLiteral("Tx: 1000.000 ") + unit("Mbps") + QStringLiteral("\nRx: 8.000 ")
                                  + unit("kbps"),
                              LinkDeadlineMs);

    // Replies now come late: no poll lands between the click and the look.
    f.sim->setReplyDelay(1500);
    f.get<QPushButton>("bEng")->click();
    QCOMPARE(rates->text(), QStringLiteral("Tx: 1000.000 Mbps\nRx: 8.000 kbps"));
    f.get<QPushButton>("bRus")->click();
    QCOMPARE(rates->text(),
             QStringLiteral("Tx: 1000.000 ") + unit("Mbps") + QStringLiteral("\nRx: 8.000 ") + unit("kbps"));
    f.sim->setReplyDelay(0);
}

void TestMainWin::portButtons()
{
    Fixture f(0);
    ModalAnswerer answerer;
    f.w->show();
    f.connectToSim();
    QVERIFY(f.waitConnected());
    Device *device = f.w->getDevice();
    QSignalSpy disable(f.w.get(), &MainForm::disableApply);
    auto *a = f.get<QPushButton>("bProcA");
    auto *b = f.get<QPushButton>("bProcB");

    b->click();
    QVERIFY(b->isChecked());
    QVERIFY(!a->isChecked());
    QCOMPARE(device->getCurrentProcess(), PortB);
    QCOMPARE(disable.count(), 1);
    QVERIFY(!f.get<QWidget>("bPTP")->isEnabled());
    QVERIFY(!f.get<QWidget>("bSync")->isEnabled());

    a->click();
    a->click();   // a click on the checked button keeps it checked
    QVERIFY(a->isChecked());
    QVERIFY(!b->isChecked());
    QCOMPARE(device->getCurrentProcess(), PortA);
    QCOMPARE(disable.count(), 3);
}

void TestMainWin::trafficSelectorShowsTrafficForm()
{
    Fixture f(0);
    ModalAnswerer answerer;
    f.w->show();
    f.connectToSim();
    QVERIFY(f.waitConnected());
    auto *button = f.get<QPushButton>("bTraffic");
    QTRY_VERIFY(button->isEnabled());
    button->click();
    TrafficForm *form = f.w->findChild<TrafficForm *>();
    QVERIFY(form);
    QTRY_VERIFY(form->isVisible());
}

void TestMainWin::reportLoaded_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("test");
    QTest::addColumn<QString>("checked");   // selector button checked afterwards, empty: none
    QTest::addColumn<bool>("errorBox");

    QTest::newRow("statistics on B") << 1 << 1 << "bStats" << false;
    QTest::newRow("device settings") << 0 << 0 << "bStats" << false;
    QTest::newRow("rcl") << 0 << 18 << "bStats" << false;
    QTest::newRow("asym traffic on B") << 1 << 16 << "bTraffic" << false;
    QTest::newRow("oam") << 0 << 14 << "bOAM" << false;
    QTest::newRow("dns") << 0 << 10 << "bTCPIP" << false;
    QTest::newRow("optical refused") << 0 << 13 << "" << true;
    QTest::newRow("interface settings id") << 1 << 20 << "" << false;
    QTest::newRow("loopback id") << 0 << 21 << "" << false;
    QTest::newRow("far beyond the table") << 0 << 200 << "" << false;
    QTest::newRow("negative") << 0 << -1 << "" << false;
}

void TestMainWin::reportLoaded()
{
    QFETCH(int, port);
    QFETCH(int, test);
    QFETCH(QString, checked);
    QFETCH(bool, errorBox);
    Fixture f;
    ModalAnswerer answerer;
    f.w->show();
    // Reports come only while connected: the window has had its device
    // information (a two-port model) and the port buttons are usable.
    f.w->updateDeviceInfo();
    f.w->reportLoaded(port_t(port), test);
    for (QPushButton *b : f.w->selectorButtons())
        QCOMPARE(b->isChecked(), b->objectName() == checked);
    if (errorBox) {
        QCOMPARE(answerer.count(QStringLiteral("QMessageBox")), 1);
        QCOMPARE(answerer.seen.first().text, mw("This file cannot be loaded."));
        QCOMPARE(f.w->getDevice()->getCurrentProcess(), PortA);
        return;
    }
    QCOMPARE(answerer.seen.size(), 0);
    QCOMPARE(f.w->getDevice()->getCurrentProcess(), port_t(port));
    QCOMPARE(f.get<QPushButton>("bProcB")->isChecked(), port != 0);
    QCOMPARE(f.get<QPushButton>("bProcA")->isChecked(), port == 0);
}

// A loaded traffic report opens the traffic form on the report's port, and a
// report with no form of its own leaves the form shown before in place.
void TestMainWin::reportLoadedShowsTrafficForm()
{
    Fixture f;
    ModalAnswerer answerer;
    f.w->show();
    f.w->updateDeviceInfo();
    TrafficForm *form = f.w->findChild<TrafficForm *>();
    QVERIFY(form);
    QVERIFY(!form->isVisible());

    f.w->reportLoaded(PortB, 2);
    QVERIFY(f.get<QPushButton>("bTraffic")->isChecked());
    QCOMPARE(f.w->getDevice()->getCurrentProcess(), PortB);
    QVERIFY(form->isVisible());

    f.w->reportLoaded(PortB, 18);
    QVERIFY(form->isVisible());
    QCOMPARE(answerer.seen.size(), 0);
}

void TestMainWin::saveErrors_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("memory full") << 1 << "The memory is full.";
    QTest::newRow("file exists") << 2 << "File already exists.";
    QTest::newRow("other code") << 3 << QString();
    QTest::newRow("zero") << 0 << QString();
}

void TestMainWin::saveErrors()
{
    QFETCH(int, error);
    QFETCH(QString, reason);
    Fixture f;
    ModalAnswerer answerer;
    f.w->show();
    f.w->fileSaveErrorMsg(uchar(error));
    QCOMPARE(answerer.seen.size(), 1);
    const QString reasonText = reason.isEmpty() ? QString() : mw(reason.toLatin1().constData());
    QCOMPARE(answerer.seen.first().text, mw("Cannot save the file.") + QLatin1Char('\n') + reasonText);
    QCOMPARE(answerer.seen.first().title, mw("Error"));
}

void TestMainWin::fpgaValue()
{
    Fixture f(0);
    ModalAnswerer answerer;
    f.w->showFpgaBox();
    f.w->show();
    QVERIFY(f.get<QWidget>("gDebug")->isVisible());
    QVERIFY(!f.get<QWidget>("gDebug")->isEnabled());
    f.w->fpgaValueReaded(10);
    QCOMPARE(f.get<QLineEdit>("lValue")->text(), QStringLiteral("0a"));

    QSignalSpy read(f.w.get(), &MainForm::readFpgaValue);
    QSignalSpy write(f.w.get(), &MainForm::writeFpgaValue);
    f.get<QLineEdit>("lAddress")->setText(QStringLiteral("30a1"));
    f.get<QLineEdit>("lValue")->setText(QStringLiteral("ff"));
    f.get<QPushButton>("bRead")->click();
    f.get<QPushButton>("bWrite")->click();
    // Disabled buttons ignore clicks; the slots are what the buttons reach.
    QCOMPARE(read.count(), 0);
    f.w->bReadClicked();
    f.w->bWriteClicked();
    QCOMPARE(read.count(), 1);
    QCOMPARE(read.first().first().toUInt(), 0x30a1u);
    QCOMPARE(write.first().at(0).toUInt(), 0x30a1u);
    QCOMPARE(write.first().at(1).value<uchar>(), uchar(0xff));
}

void TestMainWin::updateModeAndClose()
{
    Fixture f(0);
    ModalAnswerer answerer;
    f.w->enterUpdateMode();
    f.w->show();
    auto *fMain = f.get<QWidget>("fMain");
    QVERIFY(f.w->isUpdateMode());
    QVERIFY(!fMain->isEnabled());
    QVERIFY(!f.get<QWidget>("bProcB")->isVisible());
    for (QPushButton *b : f.w->selectorButtons())
        QVERIFY(!b->isVisible());
    auto *dialog = f.w->findChild<QDialog *>(QStringLiteral("vyrupDialog"));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());

    // Connecting makes the dialog usable.
    f.connectToSim();
    QVERIFY(fMain->isEnabled());
    QVERIFY(f.waitConnected());
    QTRY_VERIFY(!f.get<QWidget>("bProcB")->isVisible());

    // Cancel leaves update mode: buttons, ports and the form area come back
    // and follow the link again.
    f.get<QPushButton>("bCancel")->click();
    QVERIFY(!f.w->isUpdateMode());
    QVERIFY(!dialog->isVisible());
    QVERIFY(fMain->isEnabled());
    QVERIFY(f.get<QWidget>("bProcB")->isVisible());
    for (QPushButton *b : f.w->selectorButtons())
        QVERIFY(b->isVisible());
    f.get<QPushButton>("bEthDisc")->click();
    QVERIFY(f.waitUnconnected());
    QVERIFY(fMain->isEnabled());
    QVERIFY(f.get<QWidget>("bProcB")->isVisible());
}

// The update dialog follows the flags like the rest of the window; the path
// chosen and the log already written stay as they are.
void TestMainWin::updateModeLanguageSwitch()
{
    Fixture f(6);
    ModalAnswerer answerer;
    f.w->enterUpdateMode();
    f.showAtTestSize();
    f.connectToSim();
    QVERIFY(f.waitConnected());
    auto *dialog = f.w->findChild<vyrupDialog *>(QStringLiteral("vyrupDialog"));
    QVERIFY(dialog);
    auto *accept = f.get<QPushButton>("bAccept");
    const QString russianAccept = QCoreApplication::translate("vyrupDialog", "Accept");
    QVERIFY(russianAccept != QLatin1String("Accept"));
    QCOMPARE(accept->text(), russianAccept);
    const QString path = QStringLiteral("/media/usb/tarnek_2_7_13.vyrup");
    f.get<QLineEdit>("lROMpath")->setText(path);
    dialog->corrResult(0);
    const QString log = f.get<QTextEdit>("teStatus")->toPlainText();
    QVERIFY(!log.isEmpty());

    f.get<QPushButton>("bEng")->click();
    QCOMPARE(accept->text(), QStringLiteral("Accept"));
    QCOMPARE(f.get<QPushButton>("bOpen")->text(), QStringLiteral("Open"));
    QCOMPARE(f.get<QPushButton>("bCancel")->text(), QStringLiteral("Cancel"));
    QCOMPARE(f.get<QLineEdit>("lROMpath")->text(), path);
    QCOMPARE(f.get<QTextEdit>("teStatus")->toPlainText(), log);

    f.get<QPushButton>("bRus")->click();
    QCOMPARE(accept->text(), russianAccept);
    QCOMPARE(f.get<QLineEdit>("lROMpath")->text(), path);

    QVERIFY(f.drain());
    const QStringList reports = f.cutTexts();
    QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    QCOMPARE(accept->text(), russianAccept);
    textfit::savePicture(f.w.get(), QStringLiteral("mainwin_update_mode_ru.png"));
}

// The window goes while the worker waits for a reply: its destructor returns
// only after that exchange has ended, and Device is destroyed after it.
void TestMainWin::closeWhileWorkerBusy()
{
    Fixture f(6);
    ModalAnswerer answerer;
    f.w->show();
    f.connectToSim();
    QVERIFY(f.waitConnected());
    Device *device = f.w->getDevice();

    // Written by the worker when a status poll's exchange has ended, read
    // here once the worker thread is gone.
    auto pollsEnded = std::make_shared<std::atomic<int>>(0);
    QObject::connect(device, &Device::deviceStatusUpdated, device, [pollsEnded] { ++*pollsEnded; },
                     Qt::DirectConnection);
    int endedWhenDestroyed = -1;
    QObject::connect(device, &QObject::destroyed, [&] { endedWhenDestroyed = pollsEnded->load(); });

    // Every reply now takes long: the next status poll keeps the worker
    // inside an exchange with the tester while the window goes away.
    f.sim->setReplyDelay(1500);
    f.sim->clearRequests();
    QTRY_VERIFY_WITH_TIMEOUT(!f.sim->requests().isEmpty(), LinkDeadlineMs);
    QCOMPARE(quint8(f.sim->requests().first().at(0)), quint8(0x00));
    const int endedBefore = pollsEnded->load();

    f.w->close();
    f.w.reset();   // quits and waits for the worker before Device goes

    // The poll in progress at the close ended (its status arrived and was
    // published) before Device was destroyed.
    QVERIFY(endedWhenDestroyed > endedBefore);
    QCOMPARE(endedWhenDestroyed, pollsEnded->load());
}

void TestMainWin::picture()
{
    // A picture of the connected window with both panels busy; written to
    // $VYR_SCREENSHOT when set (tests/mainwin/screenshot.sh), else to a
    // temporary file that only has to be a readable image of the window.
    Fixture f(0);
    ModalAnswerer answerer;
    f.setStatus([](get_device_status_resp_t &s) {
        s.topology[0] = 0;
        s.process[0].tx = 1u << 3;
        s.process[1].rx = 1u << 3;
        s.txRate[0] = 118750000;
        s.rxRate[1] = 118749000;
        s.link[1] = port_link_t{1, 0, 2, 1};
        s.loopback[1].level = 0;
    });
    f.w->showNormal();
    f.w->resize(1236, 642);
    f.connectToSim();
    QVERIFY(f.waitConnected());
    QTRY_COMPARE_WITH_TIMEOUT(f.get<QLabel>("lAtest")->text(), QStringLiteral("RFC"), LinkDeadlineMs);
    QTRY_COMPARE(answerer.count(QStringLiteral("QMessageBox")), 1);   // the release warning of model 0

    QString path = qEnvironmentVariable("VYR_SCREENSHOT");
    QTemporaryDir out;
    if (path.isEmpty())
        path = out.filePath(QStringLiteral("mainwindow.png"));
    const QPixmap picture = f.w->grab();
    QVERIFY(picture.save(path, "PNG"));
    QImage image(path);
    QCOMPARE(image.size(), f.w->size());
}

QTEST_MAIN(TestMainWin)
#include "tst_mainwin.moc"
