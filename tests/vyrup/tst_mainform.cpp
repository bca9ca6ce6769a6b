// The vyrup window through its widgets: settings defaults, "-dev", language
// switching, connecting, the question for a tester in normal firmware (over
// the window, as the menu's boxes), the package and per-part updates
// against the simulated tester, unreadable files, the logon and IP settings
// dialogs, and the control states.

#include "vyruptestkit.h"

#include "commandline.h"
#include "mainmenu.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace vyruptest;

namespace {

enum class Phase { AtStart, ConnectedIdle, Running, Disconnected };

const char *const FlashButtons[] = {"bUpdate", "bUpdateRPD", "bUpdateBIN", "bUpdateFS", "bUpdateGPS"};
const char *const PathFields[] = {"lROMpath", "lRPDpath", "lBINpath", "lFSpath", "lGPSpath"};
const char *const OtherUpdateButtons[] = {"bOpenROM", "bOpenRPD", "bOpenBIN", "bOpenFS",
                                          "bOpenGPS", "bReset", "bResetUpdate"};

QAction *logonAction(QWidget *w)
{
    auto *menu = w->findChild<MainMenu *>();
    for (QAction *a : menu->findChildren<QAction *>()) {
        if (a->menu() == nullptr && a->text() == QLatin1String("Logon"))
            return a;
    }
    qFatal("no Logon action");
    return nullptr;
}

bool logonEntryUsable(QWidget *w)
{
    QAction *a = logonAction(w);
    QMenu *menu = nullptr;
    for (QMenu *m : w->findChild<MainMenu *>()->findChildren<QMenu *>()) {
        if (m->actions().contains(a))
            menu = m;
    }
    return a->isEnabled() && menu && menu->isEnabled();
}

// The control table of the window for each phase.
void checkControls(QWidget *w, Phase phase)
{
    const bool connected = phase == Phase::ConnectedIdle || phase == Phase::Running;
    const bool idle = phase == Phase::ConnectedIdle;
    auto *connect = child<QPushButton>(w, "bConnect");
    auto *disconnect = child<QPushButton>(w, "bDisconnect");

    QCOMPARE(child<QComboBox>(w, "cbCOM")->isEnabled(), !connected);
    QCOMPARE(child<QPushButton>(w, "bRefreshPorts")->isEnabled(), !connected);
    QCOMPARE(connect->isVisible(), !connected);
    if (!connected)
        QVERIFY(connect->isEnabled());
    QCOMPARE(disconnect->isVisible(), connected);
    if (connected)
        QCOMPARE(disconnect->isEnabled(), idle);
    QCOMPARE(child<QWidget>(w, "grUpdate")->isEnabled(), connected);
    QCOMPARE(child<QWidget>(w, "grAUpdate")->isEnabled(), connected);
    for (const char *name : OtherUpdateButtons)
        QVERIFY2(child<QPushButton>(w, name)->isEnabled() == idle, name);
    for (int i = 0; i < 5; ++i) {
        const bool pathSet = !child<QLineEdit>(w, PathFields[i])->text().isEmpty();
        QVERIFY2(child<QPushButton>(w, FlashButtons[i])->isEnabled() == (idle && pathSet), FlashButtons[i]);
    }
    if (phase != Phase::AtStart)
        QCOMPARE(logonEntryUsable(w), connected);
    QVERIFY(child<QLineEdit>(w, "lLogonId")->isEnabled());
    QVERIFY(child<QLineEdit>(w, "lPsw")->isEnabled());
    QVERIFY(child<QPushButton>(w, "bEng")->isEnabled());
    QVERIFY(child<QPushButton>(w, "bRus")->isEnabled());
}

QStringList connectLines(const SimUpdateResponder &r)
{
    return {"Connected to device.", "Device type: Tarnek-VyrK C1",
            "Device serial: " + QString::number(r.serial), "Release: " + QString::fromLatin1(r.release)};
}

const QStringList PackageStates = {
    "Updating CPU memory.", "CPU update finished.", "Resetting the device.", "Device reset finished.",
    "Erasing FPGA flash memory.", "Erasing FPGA flash memory finished.", "Updating FPGA flash memory.",
    "FPGA update finished.", "Updating FS.", "FS update finished.", "Updating GPS module.",
    "GPS module update finished.", "Resetting the device.", "Device reset finished.", "Disconnected from the device.",
    "Firmware update finished.",
};

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Halvorsk");
        QCoreApplication::setApplicationName("Ostrel Updater");
        QVERIFY(m_files.isValid());
    }

    void init()
    {
        QSettings s;
        s.clear();
        s.sync();
    }

    void settingsDefaults_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QString>("logon");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QVariantMap>("after");

        const QVariantMap defaults{{"DHCP", "false"}, {"IPaddr", "192.168.001.202"},
                                   {"Gateway", "192.168.001.001"}, {"Submasc", "255.255.255.000"}};
        QTest::newRow("empty store") << QVariantMap() << "tuvex" << "tuvex" << defaults;
        QVariantMap emptyValues{{"Logonid", ""}, {"Password", ""}, {"DHCP", ""},
                                {"IPaddr", ""}, {"Gateway", ""}, {"Submasc", ""}};
        QVariantMap afterEmpty = defaults;
        afterEmpty["Logonid"] = "";   // shown as "tuvex" but never written back
        afterEmpty["Password"] = "";
        QTest::newRow("empty values") << emptyValues << "tuvex" << "tuvex" << afterEmpty;
        QVariantMap own{{"Logonid", "admin"}, {"Password", "s3cret"}, {"DHCP", "true"},
                        {"IPaddr", "10.0.0.7"}, {"Gateway", "10.0.0.1"}, {"Submasc", "255.0.0.0"}};
        QTest::newRow("stored values") << own << "admin" << "s3cret" << own;
    }

    void settingsDefaults()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QString, logon);
        QFETCH(QString, password);
        QFETCH(QVariantMap, after);
        {
            QSettings s;
            for (auto it = stored.cbegin(); it != stored.cend(); ++it)
                s.setValue(it.key(), it.value());
        }
        MainForm w;
        QCOMPARE(child<QLineEdit>(&w, "lLogonId")->text(), logon);
        QCOMPARE(child<QLineEdit>(&w, "lPsw")->text(), password);
        QCOMPARE(w.logonId(), logon);
        QCOMPARE(w.password(), password);
        QCOMPARE(w.dhcp(), after.value("DHCP").toString());
        QCOMPARE(w.ipAddress(), after.value("IPaddr").toString());

        QSettings s;
        QStringList keys = s.allKeys();
        keys.sort();
        QStringList expectedKeys = after.keys();
        expectedKeys.sort();
        QCOMPARE(keys, expectedKeys);
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            QCOMPARE(s.value(it.key()).toString(), it.value().toString());
    }

    void devOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("devMode");
        QTest::newRow("none") << QStringList{"vyrup"} << false;
        QTest::newRow("after the name") << QStringList{"vyrup", "-dev"} << true;
        QTest::newRow("first position") << QStringList{"-dev", "vyrup"} << true;
        QTest::newRow("among others") << QStringList{"vyrup", "x", "-dev", "y"} << true;
        QTest::newRow("twice") << QStringList{"vyrup", "-dev", "-dev"} << true;
        QTest::newRow("capitals") << QStringList{"vyrup", "-DEV"} << false;
        QTest::newRow("two dashes") << QStringList{"vyrup", "--dev"} << false;
        QTest::newRow("with value") << QStringList{"vyrup", "-dev=1"} << false;
    }

    void devOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, devMode);
        MainForm plain;
        const QSize plainSize = plain.size();
        MainForm w;
        applyCommandLine(w, arguments);
        w.show();
        QCOMPARE(child<QWidget>(&w, "grAUpdate")->isVisible(), devMode);
        // The window can be resized, never below what its layout needs; the
        // developer group takes the log's room where the layout allows.
        QVERIFY(w.minimumHeight() < w.maximumHeight());
        QVERIFY(w.minimumWidth() < w.maximumWidth());
        QVERIFY(w.height() >= w.minimumHeight());
        if (devMode)
            QCOMPARE(w.height(), qMax(plainSize.height(), w.minimumHeight()));
        else
            QCOMPARE(w.size(), plainSize);
        QVERIFY(!child<QWidget>(&w, "bDeu")->isVisible());
        QVERIFY(!child<QWidget>(&w, "bDisconnect")->isVisible());
    }

    // The catalogs are embedded: the window starts in Russian, Qt's own
    // texts included, and the flag buttons switch; the form's hint in the
    // log follows the language until the window writes to the log.
    void languages()
    {
        MainForm w;
        w.show();
        auto *connect = child<QPushButton>(&w, "bConnect");
        const QString russianConnect = connect->text();
        QVERIFY2(russianConnect != "Connect", qPrintable(russianConnect));
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "&Yes") != "&Yes");
        QVERIFY(logLines(&w).size() == 1); // the form's hint, in Russian

        QTest::mouseClick(child<QPushButton>(&w, "bEng"), Qt::LeftButton);
        QCOMPARE(connect->text(), QString("Connect"));
        QCOMPARE(child<QPushButton>(&w, "bUpdate")->text(), QString("Flash ROM"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Yes"));
        QCOMPARE(menuAction(&w, "About")->text(), QString("About"));
        QCOMPARE(logLines(&w), QStringList{"Connect to device."});

        QTest::mouseClick(child<QPushButton>(&w, "bRus"), Qt::LeftButton);
        QCOMPARE(connect->text(), russianConnect);
        QCOMPARE(logLines(&w).size(), 1);
        QVERIFY(logLines(&w).first() != "Connect to device.");
        QVERIFY(menuAction(&w, "About") == nullptr);
    }

    // The hidden German button's slot still works; each switch removes the
    // catalogs of the other languages first.
    void languageSwitches_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("connectText");
        QTest::addColumn<QString>("yesText");
        QTest::newRow("german") << QStringList{"bDeuClicked"} << "Verbinden" << "&Ja";
        QTest::newRow("german, then english") << QStringList{"bDeuClicked", "bEngClicked"} << "Connect" << "&Yes";
        QTest::newRow("german, then russian") << QStringList{"bDeuClicked", "bRusClicked"} << "Подключить" << "&Да";
        QTest::newRow("russian, then german") << QStringList{"bRusClicked", "bDeuClicked"} << "Verbinden" << "&Ja";
        QTest::newRow("english, then russian") << QStringList{"bEngClicked", "bRusClicked"} << "Подключить" << "&Да";
    }

    void languageSwitches()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, connectText);
        QFETCH(QString, yesText);
        MainForm w;
        for (const QString &slot : clicks)
            QVERIFY(QMetaObject::invokeMethod(&w, qPrintable(slot)));
        QCOMPARE(child<QPushButton>(&w, "bConnect")->text(), connectText);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yesText);
        // Nothing was logged: only the form's hint, in the new language.
        QCOMPARE(logLines(&w).size(), 1);
    }

    // Once the window has written to the log, a language switch keeps every
    // line, in the order and language it was written in.
    void logKeptAcrossLanguageSwitch_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("english") << QStringList{"bEngClicked"};
        QTest::newRow("russian") << QStringList{"bRusClicked"};
        QTest::newRow("english, then russian") << QStringList{"bEngClicked", "bRusClicked"};
        QTest::newRow("german, then english") << QStringList{"bDeuClicked", "bEngClicked"};
    }

    void logKeptAcrossLanguageSwitch()
    {
        QFETCH(QStringList, clicks);
        MainForm w;
        w.show();
        QTest::mouseClick(child<QPushButton>(&w, "bEng"), Qt::LeftButton);
        QVERIFY(QMetaObject::invokeMethod(&w, "updaterConnectionFailed"));
        for (int s : {0, 1, 9, 11})
            QVERIFY(QMetaObject::invokeMethod(&w, "updaterStateChanged", Q_ARG(UpdaterState, UpdaterState(s))));
        const QStringList before = logLines(&w);
        QCOMPARE(before.mid(before.size() - 5), (QStringList{"Connecting to the device failed.", "Updating CPU memory.",
                                                            "CPU update finished.", "Resetting the device.",
                                                            "Device reset failed."}));
        for (const QString &slot : clicks)
            QVERIFY(QMetaObject::invokeMethod(&w, qPrintable(slot)));
        QCOMPARE(logLines(&w), before);
        // New lines go on below the kept ones.
        QVERIFY(QMetaObject::invokeMethod(&w, "updaterDisconnected"));
        QCOMPARE(logLines(&w).mid(0, before.size()), before);
        QCOMPARE(logLines(&w).size(), before.size() + 1);
    }

    void connectLogsIdentity()
    {
        Rig rig;
        rig.english();
        checkControls(rig.w(), Phase::AtStart);
        QVERIFY(!logonEntryUsable(rig.w()));
        rig.responder([](SimUpdateResponder &r) {
            r.serial = 40961;
            r.release = "V2.17b";
        });
        QVERIFY(rig.connectDevice());
        QCOMPARE(logLines(rig.w()), (QStringList{"Connected to device.", "Device type: Tarnek-VyrK C1",
                                                 "Device serial: 40961", "Release: V2.17b"}));
        for (const char *bar : {"progCPU", "progFPGA", "progFS", "progGPS"})
            QCOMPARE(rig.get<QProgressBar>(bar)->value(), 0);
        checkControls(rig.w(), Phase::ConnectedIdle);
        rig.responder([](SimUpdateResponder &r) {
            QCOMPARE(r.logons.size(), 1);
            QCOMPARE(r.logons[0].first, SimUpdateResponder::textField("tuvex"));
        });

        QTest::mouseClick(rig.get<QPushButton>("bDisconnect"), Qt::LeftButton);
        QVERIFY(rig.waitForLog("Disconnected from the device."));
        checkControls(rig.w(), Phase::Disconnected);
    }

    void connectFails_data()
    {
        QTest::addColumn<bool>("badPort");
        QTest::newRow("logon refused") << false;
        QTest::newRow("no such port") << true;
    }

    void connectFails()
    {
        QFETCH(bool, badPort);
        Rig rig;
        rig.english();
        rig.responder([](SimUpdateResponder &r) { r.password = "other"; });
        QVERIFY(rig.selectPty());
        if (badPort)
            rig.get<QComboBox>("cbCOM")->setEditText("/dev/pts/no-such-port");
        QTest::mouseClick(rig.get<QPushButton>("bConnect"), Qt::LeftButton);
        QVERIFY(!rig.get<QPushButton>("bConnect")->isEnabled());
        QVERIFY(rig.waitForLog("Connecting to the device failed."));
        QCOMPARE(logLines(rig.w()), QStringList{"Connecting to the device failed."});
        checkControls(rig.w(), Phase::Disconnected);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A tester running its normal firmware: the window asks; Yes switches
    // the tester into update mode and connects, No leaves it alone.
    void normalFirmwareQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void normalFirmwareQuestion()
    {
        QFETCH(bool, yes);
        Rig rig;
        rig.english();
        rig.responder([](SimUpdateResponder &r) { r.mode = SimUpdateResponder::Mode::Normal; });
        QVERIFY(rig.selectPty());
        QString question;
        QWidget *over = nullptr;
        bool answered = false;
        answerModal<QMessageBox>([&](QMessageBox *box) {
            question = box->text();
            over = box->parentWidget() ? box->parentWidget()->window() : nullptr;
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            answered = true;
        });
        QTest::mouseClick(rig.get<QPushButton>("bConnect"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return answered; }, EventTimeoutMs));
        QCOMPARE(question, QString("Cannot update the device in remote control mode.\nSwitch to update mode?"));
        // Opened over the window (and centred on it), not on its own.
        QCOMPARE(over, rig.w());
        if (yes) {
            QVERIFY2(QTest::qWaitFor([&] { return rig.get<QPushButton>("bDisconnect")->isVisible(); },
                                     EventTimeoutMs),
                     qPrintable(logLines(rig.w()).join('|')));
            // The attempt that found the normal firmware is answered by the
            // question, and the switch's restart by the logon that follows:
            // no failure is logged for steps that then succeed.
            SimUpdateResponder probe;
            QCOMPARE(logLines(rig.w()), QStringList{"Resetting the device."} + connectLines(probe));
            checkControls(rig.w(), Phase::ConnectedIdle);
            rig.responder([](SimUpdateResponder &r) {
                QCOMPARE(r.resets, QList<quint8>{1});
                QVERIFY(r.mode == SimUpdateResponder::Mode::Update);
            });
        } else {
            QVERIFY(rig.waitForLog("Connecting to the device failed."));
            QTest::qWait(200);
            QCOMPARE(logLines(rig.w()), QStringList{"Connecting to the device failed."});
            checkControls(rig.w(), Phase::Disconnected);
            rig.responder([](SimUpdateResponder &r) { QVERIFY(r.resets.isEmpty()); });
        }
    }

    // "Flash ROM" with a package of all four parts: every state in order,
    // the final reset disconnects, and the tester holds the same images.
    void packageRun()
    {
        Rig rig;
        rig.english();
        QVERIFY(rig.connectDevice());
        const QByteArray cpu = pattern(600, 1), fpga = pattern(300, 2), fs = pattern(700, 3), gps = pattern(520, 4);
        const QString path = m_files.filePath("full.vyrup");
        QVERIFY(writeFile(path, makePackage(6, cpu, fpga, fs, 0, gps)));
        pickFile(rig.w(), "bOpenROM", path);
        QCOMPARE(rig.get<QLineEdit>("lROMpath")->text(), path);
        QCOMPARE(QSettings().value("Paths/VYRUP").toString(), path);

        // Bars left over from an earlier run start again from 0.
        for (const char *slot : {"cpuUpdateProgress", "fpgaUpdateProgress", "fsUpdateProgress", "gpsUpdateProgress"})
            QVERIFY(QMetaObject::invokeMethod(rig.window.get(), slot, Q_ARG(float, 0.5f)));
        QTest::mouseClick(rig.get<QPushButton>("bUpdate"), Qt::LeftButton);
        QCOMPARE(rig.window->operation(), int(MainForm::PackageOperation));
        checkControls(rig.w(), Phase::Running);
        for (const char *bar : {"progCPU", "progFPGA", "progFS", "progGPS"})
            QCOMPARE(rig.get<QProgressBar>(bar)->value(), 0);

        QVERIFY(QTest::qWaitFor([&] { return rig.window->operation() == MainForm::NoOperation; }, 60000));
        SimUpdateResponder probe;
        QCOMPARE(logLines(rig.w()), connectLines(probe) + PackageStates);
        checkControls(rig.w(), Phase::Disconnected);
        for (const char *bar : {"progCPU", "progFPGA", "progFS", "progGPS"})
            QCOMPARE(rig.get<QProgressBar>(bar)->value(), 100);
        rig.responder([&](SimUpdateResponder &r) {
            QCOMPARE(r.image(SimUpdateResponder::CmdCpuBlock, cpu.size()), cpu);
            QCOMPARE(r.image(SimUpdateResponder::CmdFpgaBlock, fpga.size()), fpga);
            QCOMPARE(r.image(SimUpdateResponder::CmdFsSlice, fs.size()), fs);
            QCOMPARE(r.image(SimUpdateResponder::CmdGpsBlock, gps.size()), gps);
            QCOMPARE(r.resets, (QList<quint8>{1, 0}));
        });
    }

    // After a package the tester runs its normal firmware: the next Connect
    // asks, and Yes switches it back into update mode. The log then shows
    // the switch and the connection, whether the restarted firmware's first
    // OK comes at once (read as the reset's answer) or only later (the reset
    // unanswered, the OK awaited after it).
    void reconnectAfterPackage_data()
    {
        QTest::addColumn<int>("restartDelayMs");
        QTest::newRow("restart answered at once") << 0;
        QTest::newRow("restart reported later") << 1200;
    }

    void reconnectAfterPackage()
    {
        QFETCH(int, restartDelayMs);
        Rig rig;
        rig.english();
        QVERIFY(rig.connectDevice());
        const QString path = m_files.filePath("again.vyrup");
        QVERIFY(writeFile(path, makePackage(6, pattern(300, 1), pattern(300, 2), pattern(300, 3))));
        pickFile(rig.w(), "bOpenROM", path);
        QTest::mouseClick(rig.get<QPushButton>("bUpdate"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return rig.window->operation() == MainForm::NoOperation; }, 60000));
        const QStringList packageLog = logLines(rig.w());
        checkControls(rig.w(), Phase::Disconnected);
        rig.responder([&](SimUpdateResponder &r) {
            QVERIFY(r.mode == SimUpdateResponder::Mode::Normal);
            r.restartDelayMs = restartDelayMs;
        });

        bool asked = false;
        answerModal<QMessageBox>([&](QMessageBox *box) {
            asked = true;
            box->button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(rig.get<QPushButton>("bConnect"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return rig.get<QPushButton>("bDisconnect")->isVisible(); }, EventTimeoutMs));
        QVERIFY(asked);
        SimUpdateResponder probe;
        QCOMPARE(logLines(rig.w()), QStringList{"Resetting the device."} + connectLines(probe));
        checkControls(rig.w(), Phase::ConnectedIdle);
        rig.responder([](SimUpdateResponder &r) { QCOMPARE(r.resets, (QList<quint8>{1, 0, 1})); });
        // The package run's log had ended with one line for the whole update.
        QCOMPARE(packageLog.mid(packageLog.size() - 2),
                 (QStringList{"Disconnected from the device.", "Firmware update finished."}));
    }

    // Each per-part Flash button sends its file alone, locks the controls
    // while it runs and gives them back at its end state.
    void perPartFlash_data()
    {
        QTest::addColumn<QString>("openButton");
        QTest::addColumn<QString>("flashButton");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("CPU") << "bOpenBIN" << "bUpdateBIN" << "cpu.bin" << 0x83 << "progCPU"
                             << QStringList{"Updating CPU memory.", "CPU update finished."};
        QTest::newRow("FPGA") << "bOpenRPD" << "bUpdateRPD" << "fpga.rpd" << 0x84 << "progFPGA"
                              << QStringList{"Erasing FPGA flash memory.", "Erasing FPGA flash memory finished.",
                                             "Updating FPGA flash memory.", "FPGA update finished."};
        QTest::newRow("FS") << "bOpenFS" << "bUpdateFS" << "fs.img" << 0x85 << "progFS"
                            << QStringList{"Updating FS.", "FS update finished."};
        QTest::newRow("GPS") << "bOpenGPS" << "bUpdateGPS" << "gps.bin" << 0x86 << "progGPS"
                             << QStringList{"Updating GPS module.", "GPS module update finished."};
    }

    void perPartFlash()
    {
        QFETCH(QString, openButton);
        QFETCH(QString, flashButton);
        QFETCH(QString, file);
        QFETCH(int, command);
        QFETCH(QString, bar);
        QFETCH(QStringList, log);

        Rig rig;
        applyCommandLine(*rig.window, {"vyrup", "-dev"});
        rig.english();
        QVERIFY(rig.connectDevice());
        const QByteArray image = pattern(777, command);
        const QString path = m_files.filePath(file);
        QVERIFY(writeFile(path, image));
        auto *flash = rig.get<QPushButton>(qPrintable(flashButton));
        QVERIFY(!flash->isEnabled());
        pickFile(rig.w(), qPrintable(openButton), path);
        QVERIFY(flash->isEnabled());

        QTest::mouseClick(flash, Qt::LeftButton);
        QVERIFY(rig.window->operation() != MainForm::NoOperation);
        checkControls(rig.w(), Phase::Running);
        QVERIFY(QTest::qWaitFor([&] { return rig.window->operation() == MainForm::NoOperation; }, 60000));
        checkControls(rig.w(), Phase::ConnectedIdle);
        SimUpdateResponder probe;
        QCOMPARE(logLines(rig.w()), connectLines(probe) + log);
        QCOMPARE(rig.get<QProgressBar>(qPrintable(bar))->value(), 100);
        for (const char *other : {"progCPU", "progFPGA", "progFS", "progGPS"}) {
            if (bar != other)
                QCOMPARE(rig.get<QProgressBar>(other)->value(), 0);
        }
        rig.responder([&](SimUpdateResponder &r) {
            QCOMPARE(r.image(quint8(command), image.size()), image);
            for (quint8 c : {0x83, 0x84, 0x85, 0x86}) {
                if (c != command)
                    QCOMPARE(r.counts.value(c), 0);
            }
        });
    }

    // Closing the window during a transfer waits for the worker to finish
    // the request it is in, then frees the client.
    void closeDuringTransfer()
    {
        Rig rig;
        applyCommandLine(*rig.window, {"vyrup", "-dev"});
        QVERIFY(rig.connectDevice());
        rig.responder([](SimUpdateResponder &r) { r.setAckDelay(SimUpdateResponder::CmdCpuBlock, 5); });
        const QByteArray image = pattern(256 * 20, 9);
        QVERIFY(writeFile(m_files.filePath("slow.bin"), image));
        pickFile(rig.w(), "bOpenBIN", m_files.filePath("slow.bin"));
        QTest::mouseClick(rig.get<QPushButton>("bUpdateBIN"), Qt::LeftButton);
        QVERIFY(rig.sim.waitForRequests(4, EventTimeoutMs));
        rig.window.reset();
        rig.responder([&](SimUpdateResponder &r) {
            QCOMPARE(r.counts.value(SimUpdateResponder::CmdCpuBlock), 20);
            QCOMPARE(r.image(SimUpdateResponder::CmdCpuBlock, image.size()), image);
        });
    }

    // Failures that end an operation give the controls back with the window
    // still connected; a GPS failure inside a package does not end it.
    void failures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("tail");
        QTest::addColumn<bool>("staysConnected");
        QTest::newRow("CPU block unanswered") << "cpu" << QStringList{"Updating CPU memory.", "CPU update failed."} << true;
        QTest::newRow("package for another type") << "type" << QStringList{"Invalid device type."} << true;
        QTest::newRow("not a package") << "magic" << QStringList{"Wrong file format."} << true;
        QTest::newRow("package, GPS fails") << "gps"
            << QStringList{"Updating GPS module.", "GPS module update failed.", "Resetting the device.",
                           "Device reset finished.", "Disconnected from the device.", "Firmware update finished."}
            << false;
        QTest::newRow("package, final reset fails") << "reset"
            << QStringList{"FS update finished.", "Resetting the device.", "Device reset failed."} << true;
        QTest::newRow("package, CPU block unanswered") << "pkg-cpu"
            << QStringList{"Updating CPU memory.", "CPU update failed."} << true;
        QTest::newRow("package, restarted firmware silent") << "restart"
            << QStringList{"Resetting the device.", "Device reset finished.", "Wait after reset failed."} << true;
        QTest::newRow("package, FPGA block unanswered") << "pkg-fpga"
            << QStringList{"Updating FPGA flash memory.", "FPGA update failed."} << true;
        QTest::newRow("package, FS slice unanswered") << "pkg-fs"
            << QStringList{"Updating FS.", "FS update failed."} << true;
    }

    void failures()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, tail);
        QFETCH(bool, staysConnected);
        Rig rig;
        applyCommandLine(*rig.window, {"vyrup", "-dev"});
        rig.english();
        QVERIFY(rig.connectDevice());
        const QByteArray cpu = pattern(600, 5), fs = pattern(300, 6);
        const QString dir = m_files.path();
        QPushButton *flash = nullptr;
        if (kind == "cpu") {
            rig.responder([](SimUpdateResponder &r) { r.silenceAfter(SimUpdateResponder::CmdCpuBlock, 1); });
            QVERIFY(writeFile(dir + "/f.bin", cpu));
            pickFile(rig.w(), "bOpenBIN", dir + "/f.bin");
            flash = rig.get<QPushButton>("bUpdateBIN");
        } else {
            QByteArray package;
            if (kind == "type")
                package = makePackage(4, cpu, cpu, fs);
            else if (kind == "magic")
                package = QByteArray(32, 'x');
            else if (kind == "gps")
                package = makePackage(6, cpu, cpu, fs, 0, pattern(200, 7));
            else
                package = makePackage(6, cpu, cpu, fs);
            if (kind == "gps")
                rig.responder([](SimUpdateResponder &r) { r.silenceAfter(SimUpdateResponder::CmdGpsBlock, 0); });
            rig.responder([&](SimUpdateResponder &r) {
                if (kind == "reset")
                    r.silenceAfter(SimUpdateResponder::CmdReset, 1);
                else if (kind == "pkg-cpu")
                    r.silenceAfter(SimUpdateResponder::CmdCpuBlock, 2);
                else if (kind == "restart")
                    r.okAfterRestart = false;
                else if (kind == "pkg-fpga")
                    r.silenceAfter(SimUpdateResponder::CmdFpgaBlock, 1);
                else if (kind == "pkg-fs")
                    r.silenceAfter(SimUpdateResponder::CmdFsSlice, 1);
            });
            QVERIFY(writeFile(dir + "/f.vyrup", package));
            pickFile(rig.w(), "bOpenROM", dir + "/f.vyrup");
            flash = rig.get<QPushButton>("bUpdate");
        }
        QTest::mouseClick(flash, Qt::LeftButton);
        checkControls(rig.w(), Phase::Running);
        if (kind == "gps") {
            // Still locked after the GPS failure: the run goes on to the reset.
            QVERIFY(rig.waitForLog("GPS module update failed."));
            if (rig.window->operation() != MainForm::NoOperation)
                QVERIFY(!rig.get<QPushButton>("bOpenROM")->isEnabled());
        }
        QVERIFY(QTest::qWaitFor([&] { return rig.window->operation() == MainForm::NoOperation; }, 60000));
        const QStringList lines = logLines(rig.w());
        QVERIFY2(lines.size() >= tail.size(), qPrintable(lines.join('|')));
        QCOMPARE(lines.mid(lines.size() - tail.size()), tail);
        checkControls(rig.w(), staysConnected ? Phase::ConnectedIdle : Phase::Disconnected);
        if (kind == "type" || kind == "magic") {
            rig.responder([](SimUpdateResponder &r) {
                for (quint8 c : {0x80, 0x82, 0x83, 0x84, 0x85, 0x86})
                    QCOMPARE(r.counts.value(c), 0);
            });
        }
    }

    // A Flash button whose file cannot be read logs "Open file error",
    // sends nothing and leaves the operation and the controls as they were.
    void unreadableFile_data()
    {
        QTest::addColumn<QString>("openButton");
        QTest::addColumn<QString>("flashButton");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("damage");
        QTest::newRow("package removed") << "bOpenROM" << "bUpdate" << "p.vyrup" << "remove";
        QTest::newRow("package is a folder") << "bOpenROM" << "bUpdate" << "q.vyrup" << "folder";
        QTest::newRow("CPU image removed") << "bOpenBIN" << "bUpdateBIN" << "c.bin" << "remove";
        QTest::newRow("FS image is a folder") << "bOpenFS" << "bUpdateFS" << "f.img" << "folder";
        QTest::newRow("GPS image removed") << "bOpenGPS" << "bUpdateGPS" << "g.bin" << "remove";
    }

    void unreadableFile()
    {
        QFETCH(QString, openButton);
        QFETCH(QString, flashButton);
        QFETCH(QString, file);
        QFETCH(QString, damage);
        Rig rig;
        applyCommandLine(*rig.window, {"vyrup", "-dev"});
        rig.english();
        QVERIFY(rig.connectDevice());
        const QString path = m_files.filePath(file);
        QVERIFY(writeFile(path, makePackage(6, pattern(10, 1), {}, {})));
        pickFile(rig.w(), qPrintable(openButton), path);
        QVERIFY(QFile::remove(path));
        if (damage == "folder")
            QVERIFY(QDir().mkpath(path));
        const int requestsBefore = rig.sim.requests().size();

        QTest::mouseClick(rig.get<QPushButton>(qPrintable(flashButton)), Qt::LeftButton);
        QCOMPARE(logLines(rig.w()).last(), QString("Open file error"));
        QCOMPARE(rig.window->operation(), int(MainForm::NoOperation));
        checkControls(rig.w(), Phase::ConnectedIdle);
        // Nothing was queued to the tester: a disconnect that follows is
        // handled next, with no request in between.
        QTest::mouseClick(rig.get<QPushButton>("bDisconnect"), Qt::LeftButton);
        QVERIFY(rig.waitForLog("Disconnected from the device."));
        QCOMPARE(rig.sim.requests().size(), requestsBefore);
    }

    // Logon dialog: OK sends the texts as they stand (0x88), stores them and
    // shows them; Cancel changes nothing.
    void logonDialog_data()
    {
        QTest::addColumn<QString>("logon");
        QTest::addColumn<QString>("password");
        QTest::newRow("new values") << "operator7" << "pa55";
        QTest::newRow("both emptied") << "" << "";
        QTest::newRow("longer than the field") << "abcdefghijklmnopqrstuvwxy" << "x";
    }

    void logonDialog()
    {
        QFETCH(QString, logon);
        QFETCH(QString, password);
        Rig rig;
        rig.english();
        QVERIFY(rig.connectDevice());

        // Cancel first: nothing may reach the tester or the store.
        answerModal<QDialog>([](QDialog *d) {
            QCOMPARE(d->findChild<QLineEdit *>("lLogon")->text(), QString("tuvex"));
            QCOMPARE(d->findChild<QLineEdit *>("lPsw")->text(), QString("tuvex"));
            QTest::mouseClick(d->findChild<QPushButton *>("bCancel"), Qt::LeftButton);
        });
        logonAction(rig.w())->trigger();
        QVERIFY(!QSettings().contains("Logonid"));

        answerModal<QDialog>([&](QDialog *d) {
            d->findChild<QLineEdit *>("lLogon")->setText(logon);
            d->findChild<QLineEdit *>("lPsw")->setText(password);
            QTest::mouseClick(d->findChild<QPushButton *>("bOk"), Qt::LeftButton);
        });
        logonAction(rig.w())->trigger();
        QCOMPARE(rig.get<QLineEdit>("lLogonId")->text(), logon);
        QCOMPARE(rig.get<QLineEdit>("lPsw")->text(), password);
        QSettings s;
        QVERIFY(s.contains("Logonid") && s.contains("Password"));
        QCOMPARE(s.value("Logonid").toString(), logon);
        QCOMPARE(s.value("Password").toString(), password);

        QVERIFY(QTest::qWaitFor([&] {
            bool seen = false;
            rig.responder([&](SimUpdateResponder &r) { seen = !r.logonChanges.isEmpty(); });
            return seen;
        }, EventTimeoutMs));
        rig.responder([&](SimUpdateResponder &r) {
            QCOMPARE(r.logonChanges.size(), 1);
            QCOMPARE(r.logonChanges[0].first, SimUpdateResponder::textField(logon.toLatin1()));
            QCOMPARE(r.logonChanges[0].second, SimUpdateResponder::textField(password.toLatin1()));
        });
    }

    // The IP settings dialog (no menu entry opens it): filled from the
    // stored values, Apply stores and sends them.
    void ipSettingsDialog()
    {
        Rig rig;
        rig.english();
        QVERIFY(rig.connectDevice());
        auto *menu = rig.window->findChild<MainMenu *>();
        answerModal<QDialog>([](QDialog *d) {
            QVERIFY(!d->findChild<QCheckBox *>("cDHCP")->isChecked());
            QCOMPARE(d->findChild<QLineEdit *>("lIP")->text(), QString("192.168.001.202"));
            QCOMPARE(d->findChild<QLineEdit *>("lSubnet")->text(), QString("255.255.255.000"));
            QCOMPARE(d->findChild<QLineEdit *>("lGateway")->text(), QString("192.168.001.001"));
            d->findChild<QCheckBox *>("cDHCP")->setChecked(true);
            d->findChild<QLineEdit *>("lIP")->setText("10.1.2.3");
            d->findChild<QLineEdit *>("lSubnet")->setText("255.255.0.0");
            d->findChild<QLineEdit *>("lGateway")->setText("10.1.0.1");
            QTest::mouseClick(d->findChild<QPushButton *>("bOK"), Qt::LeftButton);
        });
        menu->IPsetClicked();
        QSettings s;
        QCOMPARE(s.value("DHCP").toString(), QString("true"));
        QCOMPARE(s.value("IPaddr").toString(), QString("10.1.2.3"));
        QCOMPARE(s.value("Submasc").toString(), QString("255.255.0.0"));
        QCOMPARE(s.value("Gateway").toString(), QString("10.1.0.1"));
        QVERIFY(QTest::qWaitFor([&] {
            bool seen = false;
            rig.responder([&](SimUpdateResponder &r) { seen = !r.ipSettings.isEmpty(); });
            return seen;
        }, EventTimeoutMs));
        rig.responder([](SimUpdateResponder &r) {
            QCOMPARE(r.ipSettings.size(), 1);
            QCOMPARE(int(r.ipSettings[0].dhcp), 1);
            QCOMPARE(r.ipSettings[0].ip, 0x0A010203u);
            QCOMPARE(r.ipSettings[0].mask, 0xFFFF0000u);
            QCOMPARE(r.ipSettings[0].gateway, 0x0A010001u);
        });
    }

    // Picking: the remembered file is the next dialog's starting point;
    // cancelling keeps the field and the key.
    void filePickerMemory()
    {
        Rig rig;
        applyCommandLine(*rig.window, {"vyrup", "-dev"});
        QVERIFY(rig.connectDevice());
        QDir(m_files.path()).mkpath("fw");
        const QString first = m_files.filePath("fw/a.rpd");
        QVERIFY(writeFile(first, "x"));
        pickFile(rig.w(), "bOpenRPD", first);
        QCOMPARE(QSettings().value("Paths/FPGA").toString(), first);

        QString startDir;
        answerModal<QFileDialog>([&](QFileDialog *d) {
            startDir = d->directory().absolutePath();
            static_cast<QDialog *>(d)->reject();
        });
        QTest::mouseClick(rig.get<QPushButton>("bOpenRPD"), Qt::LeftButton);
        QCOMPARE(startDir, QFileInfo(first).absolutePath());
        QCOMPARE(rig.get<QLineEdit>("lRPDpath")->text(), first);
        QCOMPARE(QSettings().value("Paths/FPGA").toString(), first);
        QVERIFY(rig.get<QPushButton>("bUpdateRPD")->isEnabled());
        // Other pickers keep their own keys.
        QVERIFY(!QSettings().contains("Paths/CPU"));
    }

    // The About entry opens the shared about box with vyrup's own texts,
    // in the language chosen last.
    void aboutBox_data()
    {
        QTest::addColumn<bool>("russian");
        QTest::newRow("english") << false;
        QTest::newRow("russian") << true;
    }

    void aboutBox()
    {
        QFETCH(bool, russian);
        MainForm w;
        w.show();
        QTest::mouseClick(child<QPushButton>(&w, "bEng"), Qt::LeftButton);
        QAction *about = menuAction(&w, "About");
        QVERIFY(about);
        if (russian)
            QTest::mouseClick(child<QPushButton>(&w, "bRus"), Qt::LeftButton);
        QString description, version;
        answerModal<QDialog>([&](QDialog *d) {
            description = d->findChild<QLabel *>("description")->text();
            version = d->findChild<QLabel *>("softwareVersion")->text();
            d->reject();
        });
        about->trigger();
        QCOMPARE(version, QString("3.0.4"));
        const QString english("Firmware update software for\nEthernet tester Tarnek-VyrK C1.");
        if (russian) {
            QVERIFY2(description != english, qPrintable(description));
            QVERIFY(description.contains("Tarnek-VyrK C1"));
        } else {
            QCOMPARE(description, english);
        }
    }

    // The menu's boxes open over the window, not wherever the screen's
    // centre or the active window happens to be.
    void menuBoxesOverTheWindow_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("about") << "About";
        QTest::newRow("about Qt") << "About Qt";
    }

    void menuBoxesOverTheWindow()
    {
        QFETCH(QString, entry);
        MainForm w;
        w.show();
        QTest::mouseClick(child<QPushButton>(&w, "bEng"), Qt::LeftButton);
        QAction *action = menuAction(&w, entry);
        QVERIFY(action);
        QWidget *over = nullptr;
        bool shown = false;
        answerModal<QDialog>([&](QDialog *d) {
            over = d->parentWidget() ? d->parentWidget()->window() : nullptr;
            shown = true;
            d->reject();
        });
        action->trigger();
        QVERIFY(QTest::qWaitFor([&] { return shown; }, EventTimeoutMs));
        QCOMPARE(over, &w);
    }

    void portList()
    {
        MainForm w;
        w.show();
        auto *box = child<QComboBox>(&w, "cbCOM");
        auto deliver = [&](const QStringList &names) {
            QVERIFY(QMetaObject::invokeMethod(&w, "portsReceived", Q_ARG(QStringList, names)));
        };
        deliver({"ttyS0", "ttyS1", "ttyUSB0"});
        box->setCurrentIndex(2);
        deliver({"ttyS0", "ttyS1", "ttyUSB0", "ttyUSB1"});
        QCOMPARE(box->currentText(), QString("ttyUSB0"));
        deliver({"ttyS4"});
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(box->currentText(), QString("ttyS4"));
        deliver({});
        QCOMPARE(box->count(), 0);
        QVERIFY(child<QPushButton>(&w, "bConnect")->isEnabled());
        QVERIFY(box->isEnabled());
    }

    void progressBars_data()
    {
        QTest::addColumn<float>("fraction");
        QTest::addColumn<int>("shown");
        QTest::newRow("start") << 0.0f << 0;
        QTest::newRow("just below the end") << 0.999f << 99;
        QTest::newRow("third") << float(256.0 / 768.0) << 33;
        QTest::newRow("end") << 1.0f << 100;
    }

    void progressBars()
    {
        QFETCH(float, fraction);
        QFETCH(int, shown);
        MainForm w;
        const char *progressSlots[] = {"cpuUpdateProgress", "fpgaUpdateProgress", "fsUpdateProgress", "gpsUpdateProgress"};
        const char *bars[] = {"progCPU", "progFPGA", "progFS", "progGPS"};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(QMetaObject::invokeMethod(&w, progressSlots[i], Q_ARG(float, fraction)));
            QCOMPARE(child<QProgressBar>(&w, bars[i])->value(), shown);
        }
    }

    // Which states end which operation; the package run is ended only by
    // its failures and by state 21.
    void operationEnd_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QList<int>>("ending");
        QTest::newRow("none") << 0 << QList<int>{};
        QTest::newRow("CPU") << 1 << QList<int>{1, 2};
        QTest::newRow("FPGA") << 2 << QList<int>{5, 7, 8};
        QTest::newRow("FS") << 3 << QList<int>{13, 14};
        QTest::newRow("GPS") << 4 << QList<int>{16, 17};
        QTest::newRow("package") << 5 << QList<int>{2, 5, 8, 11, 14, 18, 19, 20, 21};
    }

    void operationEnd()
    {
        QFETCH(int, operation);
        QFETCH(QList<int>, ending);
        for (int s = 0; s <= 21; ++s)
            QVERIFY2(MainForm::isOperationFinished(operation, UpdaterState(s)) == ending.contains(s),
                     qPrintable(QString("state %1").arg(s)));
    }

private:
    static QAction *menuAction(QWidget *w, const QString &text)
    {
        for (QAction *a : w->findChild<MainMenu *>()->findChildren<QAction *>()) {
            if (a->text() == text)
                return a;
        }
        return nullptr;
    }

    QTemporaryDir m_files;
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
