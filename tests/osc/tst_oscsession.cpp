// The settings correction window against the simulated update firmware on a
// pseudo-terminal: what goes on the wire for Connect, Apply and Reset, and
// what the operator sees of it.

#include "mainwindow.h"
#include "../support/widgetlookup.h"
#include "simupdate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
// Generous: the connect sequence alone may wait 2 s for the restarted
// firmware, and the machine may be loaded.
const int kWaitMs = 20000;

const QByteArray kRestartToUpdate = QByteArray::fromHex("8001");
const QByteArray kRestartToNormal = QByteArray::fromHex("8000");
const QByteArray kIdentify = QByteArray::fromHex("81");

template <class T>
T *child(QWidget &w, const char *name)
{
    return findWidget<T>(&w, name);
}


QString logText(MainWindow &w)
{
    return child<QTextEdit>(w, "teStatus")->toPlainText();
}

QByteArray logonRequest(const QByteArray &id, const QByteArray &pw)
{
    return QByteArray(1, char(SimUpdateResponder::CmdLogon)) + SimUpdateResponder::textField(id)
        + SimUpdateResponder::textField(pw);
}
} // namespace

class TstOscSession : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void connectRestartsLogsOnAndIdentifies();
    void connectFromNormalFirmware();
    void connectFailures_data();
    void connectFailures();
    void applySendsIpSettings();
    void applyTellsWhetherTheSettingsWentOut_data();
    void applyTellsWhetherTheSettingsWentOut();
    void applyRefusesIncompleteAddress();
    void applyUntouchedSendsStoredValues();
    void resetRestartsIntoNormalFirmware();
    void resetNotAcknowledgedStaysConnected();
    void disconnectButton();
    void closeWhileConnecting();

private:
    // Opens the pseudo-terminal, builds the window and types the
    // pseudo-terminal's path into the port box, as the README tells a user.
    bool start(const std::function<void(SimUpdateResponder &)> &configure = {});
    void clickConnect();
    bool connectAndWait();

    std::unique_ptr<SimTester> sim;
    std::unique_ptr<MainWindow> window;
    QString pty;
};

void TstOscSession::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvorsk"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel Settings Correction"));
}

void TstOscSession::init()
{
    QSettings().clear();
}

void TstOscSession::cleanup()
{
    // The window first: its worker may still be reading the port.
    window.reset();
    sim.reset();
}

bool TstOscSession::start(const std::function<void(SimUpdateResponder &)> &configure)
{
    sim = std::make_unique<SimTester>(new SimUpdateResponder(0));
    if (configure)
        sim->with<SimUpdateResponder>(configure);
    pty = sim->openPty();
    if (pty.isEmpty())
        return false;

    window = std::make_unique<MainWindow>();
    window->show();
    MainWindow &w = *window;
    auto *combo = child<QComboBox>(w, "cbCOM");
    // The first port list must be in before the pseudo-terminal is added,
    // or it would replace it.
    if (!QTest::qWaitFor([&] { return combo->isEnabled() && child<QPushButton>(w, "bConnect")->isEnabled(); },
                         kWaitMs))
        return false;
    if (!combo->lineEdit())
        return false;
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), pty);
    return combo->currentText() == pty;
}

void TstOscSession::clickConnect()
{
    QTest::mouseClick(child<QPushButton>(*window, "bConnect"), Qt::LeftButton);
}

bool TstOscSession::connectAndWait()
{
    clickConnect();
    QGroupBox *group = child<QGroupBox>(*window, "grUpdate");
    return QTest::qWaitFor([&] { return group->isEnabled(); }, kWaitMs);
}

void TstOscSession::connectRestartsLogsOnAndIdentifies()
{
    QVERIFY(start([](SimUpdateResponder &r) {
        r.logon = "Ops1";
        r.password = "pw9";
        r.serial = 40001;
        r.release = "R3.1.7";
    }));
    MainWindow &w = *window;
    typeInto(child<QLineEdit>(w, "lLogonId"), QStringLiteral("Ops1"));
    typeInto(child<QLineEdit>(w, "lPsw"), QStringLiteral("pw9"));

    clickConnect();
    // Locked while the request is on its way.
    QVERIFY(!child<QPushButton>(w, "bConnect")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(child<QGroupBox>(w, "grUpdate")->isEnabled(), kWaitMs);

    // A tester already in update mode is asked to restart into it all the same.
    const QList<QByteArray> expected{kRestartToUpdate, logonRequest("Ops1", "pw9"), kIdentify};
    QCOMPARE(sim->requests(), expected);
    QCOMPARE(logText(w), QStringLiteral("Connected to device.\nDevice serial: 40001\nRelease: R3.1.7"));
    QVERIFY(child<QPushButton>(w, "bConnect")->isHidden());
    QVERIFY(child<QPushButton>(w, "bDisconnect")->isVisible());
    QVERIFY(!child<QComboBox>(w, "cbCOM")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "bRefreshPorts")->isEnabled());
}

void TstOscSession::connectFromNormalFirmware()
{
    QVERIFY(start([](SimUpdateResponder &r) { r.mode = SimUpdateResponder::Mode::Normal; }));
    QVERIFY(connectAndWait());
    QCOMPARE(sim->requests().value(0), kRestartToUpdate);
    QVERIFY(logText(*window).startsWith(QStringLiteral("Connected to device.")));
}

void TstOscSession::connectFailures_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("logon refused") << 0;
    QTest::newRow("identify reply 12 bytes") << 1;
    QTest::newRow("normal firmware that does not restart") << 2;
    QTest::newRow("silent tester") << 3;
}

void TstOscSession::connectFailures()
{
    QFETCH(int, fault);
    QVERIFY(start([fault](SimUpdateResponder &r) {
        switch (fault) {
        case 0:
            r.logon = "someone";
            break;
        case 1:
            r.replyOverride[SimUpdateResponder::CmdIdentify] = QByteArray(12, '\x03');
            break;
        case 2:
            r.replyOverride[SimUpdateResponder::CmdLogon] = QByteArray::fromHex("0200");
            break;
        default:
            break;
        }
    }));
    if (fault == 3)
        sim->setSilent(true);
    MainWindow &w = *window;
    clickConnect();
    QTRY_VERIFY_WITH_TIMEOUT(logText(w).contains(QStringLiteral("Connecting to the device failed.")), kWaitMs);
    QCOMPARE(logText(w), QStringLiteral("Connecting to the device failed."));
    QVERIFY(child<QPushButton>(w, "bConnect")->isEnabled());
    QVERIFY(child<QPushButton>(w, "bConnect")->isVisible());
    QVERIFY(child<QPushButton>(w, "bDisconnect")->isHidden());
    QVERIFY(!child<QGroupBox>(w, "grUpdate")->isEnabled());
    QVERIFY(child<QComboBox>(w, "cbCOM")->isEnabled());
}

void TstOscSession::applySendsIpSettings()
{
    QVERIFY(start());
    QVERIFY(connectAndWait());
    MainWindow &w = *window;
    const int before = sim->requests().size();

    child<QCheckBox>(w, "cDHCP")->setChecked(true);
    typeInto(child<QLineEdit>(w, "lIP"), QStringLiteral("10.0.0.5"));
    typeInto(child<QLineEdit>(w, "lNM"), QStringLiteral("255.255.255.0"));
    typeInto(child<QLineEdit>(w, "lGW"), QStringLiteral("10.0.0.1"));
    const QString logBefore = logText(w);
    QTest::mouseClick(child<QPushButton>(w, "bApply"), Qt::LeftButton);

    QVERIFY(sim->waitForRequests(before + 1, kWaitMs));
    QCOMPARE(sim->requests().size(), before + 1);
    QCOMPARE(sim->requests().last().toHex(' '), QByteArray("89 01 05 00 00 0a 00 ff ff ff 01 00 00 0a"));

    QSettings s;
    QCOMPARE(s.value("DHCP").toString(), QStringLiteral("true"));
    QCOMPARE(s.value("IPaddr").toString(), QStringLiteral("10.0.0.5"));
    QCOMPARE(s.value("Gateway").toString(), QStringLiteral("10.0.0.1"));
    QCOMPARE(s.value("Submasc").toString(), QStringLiteral("255.255.255.0"));
    // No reply is awaited; the log says the request went out.
    QTRY_COMPARE_WITH_TIMEOUT(logText(w), logBefore + QStringLiteral("\nIP settings sent."), kWaitMs);
    QVERIFY(child<QGroupBox>(w, "grUpdate")->isEnabled());
}

// Apply says whether request 0x89 went out: written to a tester that is
// there, or not written because the line is gone.
void TstOscSession::applyTellsWhetherTheSettingsWentOut_data()
{
    QTest::addColumn<bool>("testerGone");
    QTest::addColumn<QString>("line");
    QTest::newRow("tester there") << false << "IP settings sent.";
    QTest::newRow("line gone") << true << "Sending the IP settings failed.";
}

void TstOscSession::applyTellsWhetherTheSettingsWentOut()
{
    QFETCH(bool, testerGone);
    QFETCH(QString, line);
    QVERIFY(start());
    QVERIFY(connectAndWait());
    MainWindow &w = *window;
    const int before = sim->requests().size();
    if (testerGone)
        sim->goAway();
    // Apply as the button does; once the window has seen the line go, the
    // button is greyed out, and the request is refused all the same.
    QVERIFY(QMetaObject::invokeMethod(&w, "setIPtoOstrel"));
    QTRY_VERIFY_WITH_TIMEOUT(logText(w).contains(line), kWaitMs);
    QCOMPARE(logText(w).count(QStringLiteral("IP settings")), 1);
    if (testerGone) {
        QCOMPARE(sim->requests().size(), before);
        QTRY_VERIFY_WITH_TIMEOUT(!child<QGroupBox>(w, "grUpdate")->isEnabled(), kWaitMs);
    } else {
        QCOMPARE(sim->requests().size(), before + 1);
        QCOMPARE(quint8(sim->requests().last().at(0)), SimUpdateResponder::CmdIpSettings);
    }

}

void TstOscSession::applyRefusesIncompleteAddress()
{
    QVERIFY(start());
    QVERIFY(connectAndWait());
    MainWindow &w = *window;
    const int before = sim->requests().size();

    typeInto(child<QLineEdit>(w, "lIP"), QStringLiteral("192.168"));
    QTest::mouseClick(child<QPushButton>(w, "bApply"), Qt::LeftButton);
    QVERIFY(logText(w).contains(QStringLiteral("IP address \"192.168\"")));

    // The next complete Apply is the first IP request the tester sees: the
    // refused one never reached the wire (requests go out in order).
    typeInto(child<QLineEdit>(w, "lIP"), QStringLiteral("192.168.7.9"));
    QTest::mouseClick(child<QPushButton>(w, "bApply"), Qt::LeftButton);
    QVERIFY(sim->waitForRequests(before + 1, kWaitMs));
    QCOMPARE(sim->requests().size(), before + 1);
    // 192.168.7.9 with the stored default mask and gateway, which go out as
    // they stand; DHCP off.
    QCOMPARE(sim->requests().last().toHex(' '), QByteArray("89 00 09 07 a8 c0 00 ff ff ff 01 01 a8 c0"));
}

void TstOscSession::applyUntouchedSendsStoredValues()
{
    // The fields show the stored defaults without their leading zeros; the
    // request carries the same addresses as the stored texts.
    QVERIFY(start());
    QVERIFY(connectAndWait());
    MainWindow &w = *window;
    QCOMPARE(child<QLineEdit>(w, "lIP")->text(), QStringLiteral("192.168.1.202"));
    const int before = sim->requests().size();
    QTest::mouseClick(child<QPushButton>(w, "bApply"), Qt::LeftButton);
    // The responder's record of the settings is read below: wait until it
    // has handled the request, not only until the request was logged.
    QVERIFY(sim->waitForHandled(before + 1, kWaitMs));
    QCOMPARE(sim->requests().last().toHex(' '), QByteArray("89 00 ca 01 a8 c0 00 ff ff ff 01 01 a8 c0"));
    sim->with<SimUpdateResponder>([](SimUpdateResponder &r) {
        QCOMPARE(r.ipSettings.size(), 1);
        QCOMPARE(r.ipSettings[0].ip, 0xC0A801CAu);
        QCOMPARE(r.ipSettings[0].mask, 0xFFFFFF00u);
        QCOMPARE(r.ipSettings[0].gateway, 0xC0A80101u);
    });
}

void TstOscSession::resetRestartsIntoNormalFirmware()
{
    QVERIFY(start());
    QVERIFY(connectAndWait());
    MainWindow &w = *window;
    const int before = sim->requests().size();

    QTest::mouseClick(child<QPushButton>(w, "bReset"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(logText(w).endsWith(QStringLiteral("\nDisconnected from the device.")), kWaitMs);
    QCOMPARE(sim->requests().size(), before + 1);
    QCOMPARE(sim->requests().last(), kRestartToNormal);
    QVERIFY(!child<QGroupBox>(w, "grUpdate")->isEnabled());
    QVERIFY(child<QPushButton>(w, "bConnect")->isVisible());
    QVERIFY(child<QPushButton>(w, "bConnect")->isEnabled());
    QVERIFY(child<QPushButton>(w, "bDisconnect")->isHidden());
    QVERIFY(child<QComboBox>(w, "cbCOM")->isEnabled());

    // The port was closed and can be connected again.
    sim->with<SimUpdateResponder>([](SimUpdateResponder &r) { r.mode = SimUpdateResponder::Mode::Update; });
    QVERIFY(connectAndWait());
    QCOMPARE(sim->requests().value(before + 1), kRestartToUpdate);
}

void TstOscSession::resetNotAcknowledgedStaysConnected()
{
    // Only the restart of the connect sequence is acknowledged.
    QVERIFY(start([](SimUpdateResponder &r) { r.silenceAfter(SimUpdateResponder::CmdReset, 1); }));
    QVERIFY(connectAndWait());
    MainWindow &w = *window;
    const QString logBefore = logText(w);
    const int before = sim->requests().size();

    QTest::mouseClick(child<QPushButton>(w, "bReset"), Qt::LeftButton);
    // An Apply after it reaches the tester only if the link stayed open; by
    // then any signal of the reset is already queued to this thread.
    QTest::mouseClick(child<QPushButton>(w, "bApply"), Qt::LeftButton);
    QVERIFY(sim->waitForRequests(before + 2, kWaitMs));
    QCOMPARE(sim->requests().at(before), kRestartToNormal);
    QCOMPARE(quint8(sim->requests().at(before + 1).at(0)), SimUpdateResponder::CmdIpSettings);
    QCoreApplication::processEvents();

    // Only the Apply is told: the unanswered reset says nothing.
    QTRY_COMPARE_WITH_TIMEOUT(logText(w), logBefore + QStringLiteral("\nIP settings sent."), kWaitMs);
    QVERIFY(child<QGroupBox>(w, "grUpdate")->isEnabled());
    QVERIFY(child<QPushButton>(w, "bDisconnect")->isVisible());
}

void TstOscSession::disconnectButton()
{
    QVERIFY(start());
    QVERIFY(connectAndWait());
    MainWindow &w = *window;
    const int before = sim->requests().size();
    QTest::mouseClick(child<QPushButton>(w, "bDisconnect"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(logText(w).endsWith(QStringLiteral("\nDisconnected from the device.")), kWaitMs);
    QVERIFY(!child<QGroupBox>(w, "grUpdate")->isEnabled());
    QVERIFY(child<QPushButton>(w, "bConnect")->isEnabled());
    // Disconnecting tells the tester nothing.
    QCOMPARE(sim->requests().size(), before);
}

void TstOscSession::closeWhileConnecting()
{
    // The window goes while its worker is inside the connect sequence: the
    // destructor waits for it, then the Updater closes the port.
    QVERIFY(start());
    clickConnect();
    QVERIFY(sim->waitForRequests(1, kWaitMs));
    window.reset();
    QCOMPARE(sim->requests().value(0), kRestartToUpdate);
}

QTEST_MAIN(TstOscSession)
#include "tst_oscsession.moc"
