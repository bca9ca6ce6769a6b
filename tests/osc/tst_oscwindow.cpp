// The settings correction window without a tester: its title and port box,
// the stored settings it starts from and how it shows them, the port list,
// the connected/disconnected states, the Apply request it emits (or
// refuses to emit) and the About boxes, which open over the window.

#include "mainwindow.h"
#include "osclanguage.h"
#include "../support/modalanswerer.h"
#include "../support/widgetlookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

namespace {
const int kWaitMs = 10000;

template <class T>
T *child(QWidget &w, const char *name)
{
    return findWidget<T>(&w, name);
}

} // namespace

class TstOscWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void titleAndBars();
    void portBoxTakesTypedPath();
    void firstStartTakesDefaults();
    void storedTexts_data();
    void storedTexts();
    void portList_data();
    void portList();
    void connectionStates();
    void applyEmitsAndStores();
    void applyRefusesIncompleteField_data();
    void applyRefusesIncompleteField();
    void applySendsStoredDefaultMask();
    void aboutBoxShowsProgramTextAndVersion();
    void menuBoxesOverTheWindow_data();
    void menuBoxesOverTheWindow();

private:
    // Waits until the port list that the window asks for at start has
    // arrived, so it cannot overwrite the combo box under a test.
    void waitForFirstPortList(MainWindow &w);
};

void TstOscWindow::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvorsk"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel Settings Correction"));
}

void TstOscWindow::init()
{
    QSettings().clear();
}

void TstOscWindow::waitForFirstPortList(MainWindow &w)
{
    QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>(w, "bRefreshPorts")->isEnabled()
                                 && child<QComboBox>(w, "cbCOM")->isEnabled(),
                             kWaitMs);
}

void TstOscWindow::titleAndBars()
{
    MainWindow w;
    w.show();
    waitForFirstPortList(w);
    // The program's name, in either language.
    QCOMPARE(w.windowTitle(), QStringLiteral("Ostrel Settings Correction"));
    QTest::mouseClick(child<QPushButton>(w, "bRus"), Qt::LeftButton);
    QCOMPARE(w.windowTitle(), QStringLiteral("Ostrel Settings Correction"));
    QTest::mouseClick(child<QPushButton>(w, "bEng"), Qt::LeftButton);
    QCOMPARE(w.windowTitle(), QStringLiteral("Ostrel Settings Correction"));
    // No tool bar: an empty one is only a blank strip under the menu.
    QVERIFY(w.findChildren<QToolBar *>().isEmpty());
}

void TstOscWindow::portBoxTakesTypedPath()
{
    // A pseudo-terminal is not among the listed ports: its path is typed.
    MainWindow w;
    w.show();
    waitForFirstPortList(w);
    auto *combo = child<QComboBox>(w, "cbCOM");
    QVERIFY(combo->isEditable());
    const int listed = combo->count();
    QSignalSpy spy(&w, &MainWindow::connectUpdater);
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("/dev/pts/no-such-port"));
    QTest::mouseClick(child<QPushButton>(w, "bConnect"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/dev/pts/no-such-port"));
    // Typing does not add the path to the list of the PC's ports.
    QCOMPARE(combo->count(), listed);
    // The attempt is answered before the window goes (the path does not exist).
    QTRY_VERIFY_WITH_TIMEOUT(child<QTextEdit>(w, "teStatus")->toPlainText().contains("Connecting to the device failed."),
                             kWaitMs);
}

void TstOscWindow::firstStartTakesDefaults()
{
    MainWindow w;
    QCOMPARE(child<QLineEdit>(w, "lLogonId")->text(), QStringLiteral("tuvex"));
    QCOMPARE(child<QLineEdit>(w, "lPsw")->text(), QStringLiteral("tuvex"));
    QCOMPARE(child<QLineEdit>(w, "lPsw")->echoMode(), QLineEdit::Password);
    QVERIFY(!child<QCheckBox>(w, "cDHCP")->isChecked());
    // Shown as an operator types them; stored as they always were (below).
    QCOMPARE(child<QLineEdit>(w, "lIP")->text(), QStringLiteral("192.168.1.202"));
    QCOMPARE(child<QLineEdit>(w, "lNM")->text(), QStringLiteral("255.255.255.0"));
    QCOMPARE(child<QLineEdit>(w, "lGW")->text(), QStringLiteral("192.168.1.1"));
    QVERIFY(!child<QGroupBox>(w, "grUpdate")->isEnabled());
    QVERIFY(child<QPushButton>(w, "bDisconnect")->isHidden());
    QVERIFY(!child<QPushButton>(w, "bConnect")->isHidden());
    // No port can be picked before the first list is in.
    QVERIFY(!child<QComboBox>(w, "cbCOM")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "bConnect")->isEnabled());

    QSettings s;
    QCOMPARE(s.value("DHCP").toString(), QStringLiteral("false"));
    QCOMPARE(s.value("IPaddr").toString(), QStringLiteral("192.168.001.202"));
    QCOMPARE(s.value("Gateway").toString(), QStringLiteral("192.168.001.001"));
    QCOMPARE(s.value("Submasc").toString(), QStringLiteral("255.255.255.000"));
    // The logon defaults are used but never written.
    QVERIFY(!s.contains("Logonid"));
    QVERIFY(!s.contains("Password"));
    waitForFirstPortList(w);
}

void TstOscWindow::storedTexts_data()
{
    QTest::addColumn<QString>("dhcp");
    QTest::addColumn<bool>("checked");
    QTest::newRow("false") << "false" << false;
    QTest::newRow("False") << "False" << true;
    QTest::newRow("true") << "true" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("empty takes default") << "" << false;
}

void TstOscWindow::storedTexts()
{
    QFETCH(QString, dhcp);
    QFETCH(bool, checked);
    {
        QSettings s;
        s.setValue("DHCP", dhcp);
        s.setValue("Logonid", "op1");
        s.setValue("Password", "secret");
        s.setValue("IPaddr", "10.1.2.3");
        // Shown without the leading zeros the validator would refuse.
        s.setValue("Submasc", "255.255.0.000");
        // Not an address: shown as it stands, for Apply to name.
        s.setValue("Gateway", "10.1.0");
    }
    MainWindow w;
    QCOMPARE(child<QCheckBox>(w, "cDHCP")->isChecked(), checked);
    QCOMPARE(child<QLineEdit>(w, "lLogonId")->text(), QStringLiteral("op1"));
    QCOMPARE(child<QLineEdit>(w, "lPsw")->text(), QStringLiteral("secret"));
    QCOMPARE(child<QLineEdit>(w, "lIP")->text(), QStringLiteral("10.1.2.3"));
    QCOMPARE(child<QLineEdit>(w, "lNM")->text(), QStringLiteral("255.255.0.0"));
    QCOMPARE(child<QLineEdit>(w, "lGW")->text(), QStringLiteral("10.1.0"));
    QCOMPARE(QSettings().value("DHCP").toString(), dhcp.isEmpty() ? QStringLiteral("false") : dhcp);
    waitForFirstPortList(w);
}

void TstOscWindow::portList_data()
{
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<int>("expected");
    const QStringList three{"ttyS0", "ttyS1", "ttyUSB0"};
    QTest::newRow("shorter list falls back to 0") << three << 2 << QStringList{"ttyS0", "ttyS1"} << 0;
    QTest::newRow("long enough keeps the index") << three << 2 << QStringList{"a", "b", "c", "d"} << 2;
    QTest::newRow("same list keeps the index") << three << 1 << three << 1;
    QTest::newRow("empty list") << three << 1 << QStringList() << -1;
    QTest::newRow("first list selects 0") << QStringList() << -1 << three << 0;
}

void TstOscWindow::portList()
{
    QFETCH(QStringList, first);
    QFETCH(int, selected);
    QFETCH(QStringList, second);
    QFETCH(int, expected);
    MainWindow w;
    waitForFirstPortList(w);
    auto *combo = child<QComboBox>(w, "cbCOM");

    QTest::mouseClick(child<QPushButton>(w, "bRefreshPorts"), Qt::LeftButton);
    // Locked until the list comes back.
    QVERIFY(!combo->isEnabled());
    QVERIFY(!child<QPushButton>(w, "bConnect")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "bRefreshPorts")->isEnabled());
    waitForFirstPortList(w);

    // The PC's own ports are whatever they are: the lists under test follow.
    w.portsReceived(first);
    combo->setCurrentIndex(selected);
    w.portsReceived(second);
    QCOMPARE(combo->count(), second.size());
    for (int i = 0; i < second.size(); ++i)
        QCOMPARE(combo->itemText(i), second.at(i));
    QCOMPARE(combo->currentIndex(), expected);
    QVERIFY(combo->isEnabled());
    QVERIFY(child<QPushButton>(w, "bConnect")->isEnabled());
    QVERIFY(child<QPushButton>(w, "bRefreshPorts")->isEnabled());
}

void TstOscWindow::connectionStates()
{
    MainWindow w;
    w.show();
    waitForFirstPortList(w);
    auto *log = child<QTextEdit>(w, "teStatus");
    auto *bConnect = child<QPushButton>(w, "bConnect");
    auto *bDisconnect = child<QPushButton>(w, "bDisconnect");
    auto *group = child<QGroupBox>(w, "grUpdate");

    w.updaterConnected(4, QStringLiteral("R-2.17"), 65535);
    QCOMPARE(log->toPlainText(),
             QStringLiteral("Connected to device.\nDevice serial: 65535\nRelease: R-2.17"));
    QVERIFY(bConnect->isHidden());
    QVERIFY(bDisconnect->isVisible() && bDisconnect->isEnabled());
    QVERIFY(group->isEnabled());
    QVERIFY(!child<QComboBox>(w, "cbCOM")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "bRefreshPorts")->isEnabled());

    w.updaterDisconnected();
    QVERIFY(log->toPlainText().endsWith(QStringLiteral("\nDisconnected from the device.")));
    QVERIFY(bDisconnect->isHidden());
    QVERIFY(bConnect->isVisible() && bConnect->isEnabled());
    QVERIFY(!group->isEnabled());
    QVERIFY(child<QComboBox>(w, "cbCOM")->isEnabled());

    bConnect->setEnabled(false);
    w.updaterConnectionFailed();
    QVERIFY(log->toPlainText().endsWith(QStringLiteral("\nConnecting to the device failed.")));
    QVERIFY(bConnect->isEnabled());
    QVERIFY(!group->isEnabled());
}

void TstOscWindow::applyEmitsAndStores()
{
    MainWindow w;
    waitForFirstPortList(w);
    w.updaterConnected(0, QStringLiteral("r"), 1);
    QSignalSpy spy(&w, &MainWindow::sendIPdata);

    child<QCheckBox>(w, "cDHCP")->setChecked(true);
    typeInto(child<QLineEdit>(w, "lIP"), QStringLiteral("10.0.0.5"));
    typeInto(child<QLineEdit>(w, "lNM"), QStringLiteral("255.255.255.0"));
    typeInto(child<QLineEdit>(w, "lGW"), QStringLiteral("10.0.0.1"));
    QTest::mouseClick(child<QPushButton>(w, "bApply"), Qt::LeftButton);

    QCOMPARE(spy.count(), 1);
    const QList<QVariant> args = spy.takeFirst();
    QCOMPARE(args.at(0).toBool(), true);
    QCOMPARE(args.at(1).toString(), QStringLiteral("10.0.0.5"));
    QCOMPARE(args.at(2).toString(), QStringLiteral("255.255.255.0"));
    QCOMPARE(args.at(3).toString(), QStringLiteral("10.0.0.1"));

    QSettings s;
    QCOMPARE(s.value("DHCP").toString(), QStringLiteral("true"));
    QCOMPARE(s.value("IPaddr").toString(), QStringLiteral("10.0.0.5"));
    QCOMPARE(s.value("Submasc").toString(), QStringLiteral("255.255.255.0"));
    QCOMPARE(s.value("Gateway").toString(), QStringLiteral("10.0.0.1"));

    // And back off: the flag is stored as "false".
    child<QCheckBox>(w, "cDHCP")->setChecked(false);
    QTest::mouseClick(child<QPushButton>(w, "bApply"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().at(0).toBool(), false);
    QCOMPARE(s.value("DHCP").toString(), QStringLiteral("false"));
}

void TstOscWindow::applyRefusesIncompleteField_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("gateway");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("address half-typed") << "192.168" << "255.255.255.0" << "10.0.0.1"
                                        << QStringList{"IP address \"192.168\""};
    QTest::newRow("address trailing dot") << "10.0.0." << "255.255.255.0" << "10.0.0.1"
                                          << QStringList{"IP address \"10.0.0.\""};
    QTest::newRow("mask half-typed") << "10.0.0.5" << "255.255.255.25" << "10.0.0.1"
                                     << QStringList{"Subnet mask \"255.255.255.25\""};
    QTest::newRow("gateway empty") << "10.0.0.5" << "255.255.255.0" << ""
                                   << QStringList{"Gateway \"\""};
    QTest::newRow("all three") << "10" << "255." << "10.0"
                               << QStringList{"IP address \"10\"", "Subnet mask \"255.\"", "Gateway \"10.0\""};
}

void TstOscWindow::applyRefusesIncompleteField()
{
    QFETCH(QString, ip);
    QFETCH(QString, mask);
    QFETCH(QString, gateway);
    QFETCH(QStringList, named);
    MainWindow w;
    waitForFirstPortList(w);
    w.updaterConnected(0, QStringLiteral("r"), 1);
    QSignalSpy spy(&w, &MainWindow::sendIPdata);
    auto *log = child<QTextEdit>(w, "teStatus");
    const QString before = log->toPlainText();

    child<QCheckBox>(w, "cDHCP")->setChecked(true);
    typeInto(child<QLineEdit>(w, "lIP"), ip);
    typeInto(child<QLineEdit>(w, "lNM"), mask);
    typeInto(child<QLineEdit>(w, "lGW"), gateway);
    // The validators let these prefixes through: that is what Apply guards.
    QCOMPARE(child<QLineEdit>(w, "lIP")->text(), ip);
    QCOMPARE(child<QLineEdit>(w, "lNM")->text(), mask);
    QCOMPARE(child<QLineEdit>(w, "lGW")->text(), gateway);
    QTest::mouseClick(child<QPushButton>(w, "bApply"), Qt::LeftButton);

    QCOMPARE(spy.count(), 0);
    const QStringList added = log->toPlainText().mid(before.size()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(added.size(), named.size());
    for (int i = 0; i < named.size(); ++i) {
        QVERIFY2(added.at(i).startsWith(named.at(i)), qPrintable(added.at(i)));
        QVERIFY2(added.at(i).contains("not sent"), qPrintable(added.at(i)));
    }
    // Nothing of the refused request was stored.
    QSettings s;
    QCOMPARE(s.value("DHCP").toString(), QStringLiteral("false"));
    QCOMPARE(s.value("IPaddr").toString(), QStringLiteral("192.168.001.202"));
    QCOMPARE(s.value("Submasc").toString(), QStringLiteral("255.255.255.000"));
    QCOMPARE(s.value("Gateway").toString(), QStringLiteral("192.168.001.001"));
}

void TstOscWindow::applySendsStoredDefaultMask()
{
    // The stored defaults go out as shown; their values are unchanged (the
    // request bytes are checked against the simulated tester).
    MainWindow w;
    waitForFirstPortList(w);
    w.updaterConnected(0, QStringLiteral("r"), 1);
    QSignalSpy spy(&w, &MainWindow::sendIPdata);
    QTest::mouseClick(child<QPushButton>(w, "bApply"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    const QList<QVariant> args = spy.takeFirst();
    QCOMPARE(args.at(0).toBool(), false);
    QCOMPARE(args.at(1).toString(), QStringLiteral("192.168.1.202"));
    QCOMPARE(args.at(2).toString(), QStringLiteral("255.255.255.0"));
    QCOMPARE(args.at(3).toString(), QStringLiteral("192.168.1.1"));
}

void TstOscWindow::aboutBoxShowsProgramTextAndVersion()
{
    MainWindow w;
    w.show();
    waitForFirstPortList(w);
    // The About menu is the window's own child menu bar, not its menu bar.
    QMenuBar *menu = nullptr;
    for (QMenuBar *bar : w.findChildren<QMenuBar *>())
        if (bar != w.menuBar())
            menu = bar;
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);
    QMenu *about = menu->actions().at(0)->menu();
    QVERIFY(about);
    QCOMPARE(about->title(), QStringLiteral("About"));
    QCOMPARE(about->actions().size(), 2);
    QCOMPARE(about->actions().at(1)->text(), QStringLiteral("About Qt"));
    // It hides the whole of the form's menu bar, also after a resize, so no
    // half-covered title of the form's menu peeks out beside it.
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->geometry().left(), 0);
    QVERIFY(menu->width() >= w.menuBar()->width());
    w.resize(w.width() + 200, w.height());
    QVERIFY(menu->width() >= w.menuBar()->width());

    QString description;
    QString version;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        shown = box != nullptr;
        if (!box)
            return;
        description = box->findChild<QLabel *>(QStringLiteral("description"))->text();
        version = box->findChild<QLabel *>(QStringLiteral("softwareVersion"))->text();
        box->close();
    });
    about->actions().at(0)->trigger();
    QVERIFY(shown);
    QCOMPARE(description, QStringLiteral("Firmware update software for\nEthernet tester Tarnek-Vyr."));
    QCOMPARE(version, QStringLiteral("3.0.3"));
}

// The About menu's boxes open over the window, not in the middle of the
// screen or over whichever window happens to be active.
void TstOscWindow::menuBoxesOverTheWindow_data()
{
    QTest::addColumn<int>("entry");
    QTest::newRow("about") << 0;
    QTest::newRow("about Qt") << 1;
}

void TstOscWindow::menuBoxesOverTheWindow()
{
    QFETCH(int, entry);
    MainWindow w;
    w.show();
    waitForFirstPortList(w);
    QMenu *about = osclanguage::aboutMenu(w);
    QVERIFY(about);
    ModalAnswerer answerer;
    QWidget *over = nullptr;
    answerer.then([&](QWidget *box) { over = box->parentWidget() ? box->parentWidget()->window() : nullptr; });
    about->actions().at(entry)->trigger(); // returns once the answerer has closed the box
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(over, &w);
}

QTEST_MAIN(TstOscWindow)
#include "tst_oscwindow.moc"
