// The interface settings window and its three port editors, driven through
// their real widgets offscreen against the simulated tester over TCP with a
// real Device in a worker thread.

#include "formrig.h"
#include "../support/modalanswerer.h"
#include "../support/widgetlookup.h"
#include "ifaceform.h"
#include "ifsetform.h"
#include "textfit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace {

// The box of an Apply while Port A's interface settings were never read.
const QString PortANotRead = QStringLiteral("The settings of Port A have not been read. Settings were not sent.");

constexpr int TabA = 0;
constexpr int TabB = 1;
constexpr int TabRC = 2;

void setMac(uint8_t *mac, std::initializer_list<int> bytes)
{
    int i = 0;
    for (int b : bytes)
        mac[i++] = uint8_t(b);
}

// Port A: static address, every mode, no tags or labels in use, reserved
// bytes patterned. Its MAC is the one "Default" gives (type 0, serial
// 4711, Port A).
eth_settings_t fixtureA()
{
    eth_settings_t r;
    memset(&r, 0, sizeof r);
    r.linkModes = 0x3F;
    setMac(r.mac, {0x02, 0x3a, 0x91, 0x6d, 0x47, 0x32});
    r.ip = ipv4(10, 10, 10, 10);
    r.mask = ipv4(255, 255, 255, 0);
    r.gateway = ipv4(10, 10, 10, 1);
    r.reserved1[0] = 0xE1;
    r.reserved1[1] = 0xE2;
    r.reserved2 = 0xE3;
    for (int i = 0; i < 3; ++i) {
        r.tpid[i] = 0x8100;
        r.tagControl[i] = uint16_t(0x2000 | (10 + i));    // PCP 1, VID 10-12
        r.mpls[i] = uint32_t(0x20 + i) << 12 | 1u << 9 | 32u;
    }
    r.reserved3[0] = 0xE4;
    r.reserved3[1] = 0xE5;
    r.reserved3[2] = 0xE6;
    r.reserved4 = 0xE7;
    r.reserved5[0] = 0xE8;
    r.reserved5[1] = 0xE9;
    r.reserved5[2] = 0xEA;
    return r;
}

// Port B: one tag with its own TPID, two labels, filters on, a filter VLAN
// ID beyond 4095, and a MAC that is not the default one.
eth_settings_t fixtureB()
{
    eth_settings_t r;
    memset(&r, 0, sizeof r);
    r.linkModes = 0x2A;
    setMac(r.mac, {0x02, 0x00, 0x00, 0x00, 0x00, 0x0b});
    r.ip = ipv4(10, 20, 0, 2);
    r.mask = ipv4(255, 255, 0, 0);
    r.gateway = ipv4(10, 20, 0, 1);
    r.reserved1[0] = 0x5A;
    r.reserved1[1] = 0xA5;
    r.vlanCount = 1;
    r.reserved2 = 0x77;
    r.tpid[0] = 0x88a8;
    r.tpid[1] = 0x8100;
    r.tpid[2] = 0x8100;
    r.tagControl[0] = 0xEFFF;    // PCP 7, VID 4095
    r.mplsCount = 2;
    r.reserved3[0] = 0x01;
    r.reserved3[1] = 0x02;
    r.reserved3[2] = 0x03;
    r.mpls[0] = 0x00100240;      // label 0x100, TC 1, TTL 64
    r.mpls[1] = 0xfffffff0;      // label 0xfffff, TC 7, S, TTL 240
    r.mpls[2] = 0x00000001;
    r.filterMacDest = 1;
    r.filterIpDest = 1;
    r.filterMacSrcEqDest = 1;
    r.filterIpSrcEqDest = 1;
    r.filterVlan1 = 1;
    r.filterVlan2 = 1;
    r.reserved4 = 0x99;
    setMac(r.filterMac, {0x00, 0x1b, 0x2c, 0x3d, 0x4e, 0x5f});
    r.reserved5[0] = 0xAA;
    r.reserved5[1] = 0xBB;
    r.reserved5[2] = 0xCC;
    r.filterIp = ipv4(10, 20, 0, 99);
    r.filterVlanId1 = 100;
    r.filterVlanId2 = 9999;
    return r;
}

// Port RC: DHCP on, with an address of its own stored.
eth_settings_t fixtureRC()
{
    eth_settings_t r;
    memset(&r, 0, sizeof r);
    r.dhcp = 1;
    r.linkModes = 0x3F;
    setMac(r.mac, {0x02, 0x3a, 0x91, 0x6d, 0x47, 0x34});
    r.ip = ipv4(172, 16, 0, 5);
    r.mask = ipv4(255, 255, 255, 0);
    r.gateway = ipv4(172, 16, 0, 1);
    r.reserved1[0] = 0x42;
    return r;
}

const port_addresses_t DhcpRC = {ipv4(192, 168, 5, 77), ipv4(255, 255, 255, 0), ipv4(192, 168, 5, 1)};

QString mesage(const char *text)
{
    return QCoreApplication::translate("IfsetForm", text);
}

} // namespace

class TestIfsetForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    IfsetForm *form = nullptr;

    IFaceForm *editor(int port) const
    {
        for (IFaceForm *e : form->findChildren<IFaceForm *>()) {
            if (e->port() == port)
                return e;
        }
        qFatal("no editor of port %d", port);
        return nullptr;
    }

    template <class T>
    T *in(int port, const char *name) const
    {
        return findWidget<T>(editor(port), name);
    }

    QTabWidget *tabs() const { return findWidget<QTabWidget>(form, "tabWidget"); }
    QPushButton *apply() const { return findWidget<QPushButton>(form, "bApply"); }

    void storeFixtures()
    {
        rig->storeSettings(PortA, TestInterfaceSettings, recordBytes(fixtureA()));
        rig->storeSettings(PortB, TestInterfaceSettings, recordBytes(fixtureB()));
        rig->storeSettings(PortRC, TestInterfaceSettings, recordBytes(fixtureRC()));
    }

    // Reset re-reads the three records and refills the editors.
    void reload()
    {
        findWidget<QPushButton>(form, "bReset")->click();
        QVERIFY(rig->drain());
    }

    void setBusy(port_t port, bool busy)
    {
        rig->tester([&](SimRemoteResponder &r) { r.status.process[port].rx = busy ? 1u << TestTraffic : 0; });
        QVERIFY(rig->waitForPolls(2));
    }

    // The interface settings written to a port since the last clear.
    QList<QByteArray> sent(port_t port) const { return rig->sentSettings(port, TestInterfaceSettings); }

    // Apply pressed; every box that comes up is recorded and closed (No for
    // a question), and the writes have reached the tester.
    QList<ModalAnswerer::Seen> pressApply()
    {
        ModalAnswerer answerer;
        apply()->click();
        rig->drain();
        return answerer.seen;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
        rig.reset(new FormRig(0));
        rig->tester([](SimRemoteResponder &r) { r.status.address[PortRC] = DhcpRC; });
        storeFixtures();
        QVERIFY(rig->connectDevice());
        form = new IfsetForm(rig->device);
        form->resize(1400, 500);
    }

    void cleanupTestCase()
    {
        delete form;
        rig.reset();
    }

    void init()
    {
        storeFixtures();
        rig->tester([](SimRemoteResponder &r) {
            for (auto &p : r.status.process)
                p.tx = p.rx = 0;
            r.status.address[PortRC] = DhcpRC;
        });
        QVERIFY(rig->waitForPolls(1));
        tabs()->setCurrentIndex(TabA);
        form->activate();
        QVERIFY(rig->drain());
        reload();
        rig->sim.clearRequests();
    }

    void eachTabShowsItsPort()
    {
        QCOMPARE(tabs()->tabText(TabA), QString("Interface settings (Port A)"));
        QCOMPARE(tabs()->tabText(TabB), QString("Interface settings (Port B)"));
        QCOMPARE(tabs()->tabText(TabRC), QString("Interface settings (Port RC)"));
        QVERIFY(apply()->isEnabled());

        // Port A: every mode, static address, rows grey beyond the counts of 0.
        for (const char *box : {"c10", "c100", "c1000", "cHDX", "cFDX"})
            QVERIFY2(in<QCheckBox>(PortA, box)->isChecked(), box);
        QCOMPARE(in<QLineEdit>(PortA, "lMAC")->text(), QString("02:3a:91:6d:47:32"));
        QVERIFY(!in<QCheckBox>(PortA, "cDHCP")->isChecked());
        QCOMPARE(in<QLineEdit>(PortA, "lIP")->text(), QString("10.10.10.10"));
        QCOMPARE(in<QLineEdit>(PortA, "lMask")->text(), QString("255.255.255.0"));
        QCOMPARE(in<QLineEdit>(PortA, "lGate")->text(), QString("10.10.10.1"));
        QVERIFY(in<QLineEdit>(PortA, "lIP")->isEnabled());
        QCOMPARE(in<QSpinBox>(PortA, "sVLAN")->value(), 0);
        QCOMPARE(in<QLineEdit>(PortA, "lTPID2")->text(), QString("8100"));
        QCOMPARE(in<QSpinBox>(PortA, "sVID3")->value(), 12);
        QVERIFY(!in<QLineEdit>(PortA, "lTPID1")->isEnabled());
        QCOMPARE(in<QLineEdit>(PortA, "lTPID1")->styleSheet(), fieldstyle::Grey);
        QCOMPARE(in<QLineEdit>(PortA, "lValue1")->text(), QString("00020"));
        QCOMPARE(in<QSpinBox>(PortA, "sTTL2")->value(), 32);
        QCOMPARE(in<QSpinBox>(PortA, "sQoS3")->styleSheet(), fieldstyle::Grey);

        // Port B: its own TPID on the one tag in use, two labels, filters.
        QVERIFY(!in<QCheckBox>(PortB, "cHDX")->isChecked());
        QVERIFY(in<QCheckBox>(PortB, "cFDX")->isChecked());
        QCOMPARE(in<QSpinBox>(PortB, "sVLAN")->value(), 1);
        QCOMPARE(in<QLineEdit>(PortB, "lTPID1")->text(), QString("88a8"));
        QCOMPARE(in<QSpinBox>(PortB, "sPCP1")->value(), 7);
        QCOMPARE(in<QSpinBox>(PortB, "sVID1")->value(), 4095);
        QVERIFY(in<QLineEdit>(PortB, "lTPID1")->isEnabled());
        QCOMPARE(in<QLineEdit>(PortB, "lTPID1")->styleSheet(), fieldstyle::Black);
        QVERIFY(!in<QSpinBox>(PortB, "sPCP2")->isEnabled());
        QCOMPARE(in<QSpinBox>(PortB, "sPCP2")->styleSheet(), fieldstyle::Grey);
        QCOMPARE(in<QLineEdit>(PortB, "lValue2")->text(), QString("fffff"));
        QCOMPARE(in<QSpinBox>(PortB, "sQoS2")->value(), 7);
        QCOMPARE(in<QSpinBox>(PortB, "sTTL2")->value(), 240);
        QVERIFY(in<QSpinBox>(PortB, "sTTL2")->isEnabled());
        QVERIFY(!in<QSpinBox>(PortB, "sTTL3")->isEnabled());
        QVERIFY(in<QCheckBox>(PortB, "cbMacSource")->isChecked());
        QCOMPARE(in<QLineEdit>(PortB, "leMacDest")->text(), QString("00:1b:2c:3d:4e:5f"));
        QCOMPARE(in<QLineEdit>(PortB, "leIpDest")->text(), QString("10.20.0.99"));
        QCOMPARE(in<QSpinBox>(PortB, "sbVlan2")->value(), 9999);

        // Port RC: DHCP on shows the obtained addresses, grey and fixed;
        // no speed, duplex, VLAN or MPLS settings on the management port.
        QVERIFY(in<QCheckBox>(PortRC, "cDHCP")->isChecked());
        QCOMPARE(in<QLineEdit>(PortRC, "lIP")->text(), QString("192.168.5.77"));
        QCOMPARE(in<QLineEdit>(PortRC, "lGate")->text(), QString("192.168.5.1"));
        QVERIFY(!in<QLineEdit>(PortRC, "lIP")->isEnabled());
        QCOMPARE(in<QLineEdit>(PortRC, "lMask")->styleSheet(), fieldstyle::Grey);
        for (const char *group : {"gLink", "gDuplex", "gVLAN", "gMPLS"})
            QVERIFY2(!in<QGroupBox>(PortRC, group)->isEnabled(), group);
        QVERIFY(in<QGroupBox>(PortRC, "groupBox")->isEnabled());

        for (int port : {0, 1, 2}) {
            for (QWidget *w : editor(port)->findChildren<QWidget *>())
                QVERIFY2(w->styleSheet() != fieldstyle::Blue, qPrintable(w->objectName()));
        }
    }

    // A fill shows the record as it is: no operator-side rule, no edit.
    void fillingMarksNothing_data()
    {
        QTest::addColumn<int>("linkModes");
        QTest::addColumn<QString>("checked");   // c10 c100 c1000 cHDX cFDX
        QTest::newRow("0x30") << 0x30 << "00111";
        QTest::newRow("none") << 0x00 << "00000";
        QTest::newRow("0x01") << 0x01 << "10010";
    }
    void fillingMarksNothing()
    {
        QFETCH(int, linkModes);
        QFETCH(QString, checked);
        // The editor shows only 10 Mbit/s half duplex first.
        eth_settings_t only10 = fixtureA();
        only10.linkModes = 0x01;
        rig->storeSettings(PortA, TestInterfaceSettings, recordBytes(only10));
        reload();

        QSignalSpy edits(editor(PortA), &IFaceForm::dataChanged);
        eth_settings_t r = fixtureA();
        r.linkModes = uint8_t(linkModes);
        r.filterVlanId1 = 7;
        r.filterVlanId2 = 8;
        rig->storeSettings(PortA, TestInterfaceSettings, recordBytes(r));
        reload();
        reload();
        QString shown;
        for (const char *box : {"c10", "c100", "c1000", "cHDX", "cFDX"})
            shown += in<QCheckBox>(PortA, box)->isChecked() ? '1' : '0';
        QCOMPARE(shown, checked);
        QCOMPARE(edits.count(), 0);
        for (QWidget *w : editor(PortA)->findChildren<QWidget *>())
            QVERIFY2(w->styleSheet() != fieldstyle::Blue, qPrintable(w->objectName()));
    }

    // IP, link modes, VLAN tags, MPLS and filter edited on Port A: exactly
    // these bytes go to Port A, the check values among them.
    void applyWritesTheEditedRecord()
    {
        QSignalSpy edits(editor(PortA), &IFaceForm::dataChanged);
        typeInto(in<QLineEdit>(PortA, "lIP"), QStringLiteral("192.168.1.10"));
        QCOMPARE(in<QLineEdit>(PortA, "lIP")->styleSheet(), fieldstyle::Blue);
        in<QCheckBox>(PortA, "c100")->click();
        in<QCheckBox>(PortA, "cHDX")->click();

        auto *vlans = in<QSpinBox>(PortA, "sVLAN");
        vlans->setValue(2);
        QCOMPARE(vlans->styleSheet(), fieldstyle::Blue);
        QCOMPARE(in<QLineEdit>(PortA, "lTPID1")->text(), QString("9100"));
        QCOMPARE(in<QLineEdit>(PortA, "lTPID2")->text(), QString("8100"));
        QVERIFY(in<QLineEdit>(PortA, "lTPID2")->isEnabled());
        QVERIFY(!in<QLineEdit>(PortA, "lTPID3")->isEnabled());
        QCOMPARE(in<QLineEdit>(PortA, "lTPID3")->styleSheet(), fieldstyle::Grey);
        in<QSpinBox>(PortA, "sPCP1")->setValue(5);
        in<QSpinBox>(PortA, "sVID1")->setValue(100);

        in<QSpinBox>(PortA, "sMPLS")->setValue(1);
        typeInto(in<QLineEdit>(PortA, "lValue1"), QStringLiteral("10"));
        in<QSpinBox>(PortA, "sQoS1")->setValue(3);
        in<QSpinBox>(PortA, "sTTL1")->setValue(64);

        in<QCheckBox>(PortA, "cbMacDest")->click();
        typeInto(in<QLineEdit>(PortA, "leMacDest"), QStringLiteral("00-1B-2c-3d-4e-5f"));
        typeInto(in<QLineEdit>(PortA, "leIpDest"), QStringLiteral("10.0.0.1"));
        in<QSpinBox>(PortA, "sbVlan2")->setValue(4096);
        QVERIFY(edits.count() > 0);
        QCOMPARE(edits.last().at(0).toInt(), int(PortA));
        QVERIFY(apply()->isEnabled());

        const QList<ModalAnswerer::Seen> boxes = pressApply();
        QVERIFY(rig->waitForSettingsSent(PortA, TestInterfaceSettings));
        QCOMPARE(boxes.size(), 0);   // Port RC left out silently: its tab is not shown
        QVERIFY(sent(PortRC).isEmpty());

        eth_settings_t expected = fixtureA();
        expected.linkModes = 0x22;
        expected.ip = ipv4(192, 168, 1, 10);
        expected.vlanCount = 2;
        expected.tpid[0] = 0x9100;
        expected.tagControl[0] = 0xA064;
        expected.mplsCount = 1;
        expected.mpls[0] = 0x00010740;
        expected.filterMacDest = 1;
        setMac(expected.filterMac, {0x00, 0x1b, 0x2c, 0x3d, 0x4e, 0x5f});
        expected.filterIp = ipv4(10, 0, 0, 1);
        expected.filterVlanId2 = 4096;
        const QByteArray bytes = sent(PortA).last();
        QCOMPARE(bytes.toHex(' '), recordBytes(expected).toHex(' '));
        QCOMPARE(bytes.mid(8, 4).toHex(' '), QByteArray("0a 01 a8 c0"));
        QCOMPARE(bytes.mid(30, 2).toHex(' '), QByteArray("64 a0"));
        QCOMPARE(bytes.mid(40, 4).toHex(' '), QByteArray("40 07 01 00"));
        QCOMPARE(int(quint8(bytes.at(1))), 0x22);

        // Written: black again, the MAC as the record holds it, Apply off.
        QCOMPARE(in<QLineEdit>(PortA, "lIP")->styleSheet(), fieldstyle::Black);
        QCOMPARE(vlans->styleSheet(), fieldstyle::Black);
        QCOMPARE(in<QLineEdit>(PortA, "leMacDest")->text(), QString("00:1b:2c:3d:4e:5f"));
        QCOMPARE(in<QLineEdit>(PortA, "lTPID3")->styleSheet(), fieldstyle::Grey);
        QVERIFY(!apply()->isEnabled());
        // Port B, not edited, went back exactly as read.
        QCOMPARE(sent(PortB).last().toHex(' '), recordBytes(fixtureB()).toHex(' '));
    }

    // A record with patterns in every reserved byte goes back unchanged
    // through fill and Apply.
    void reservedBytesRoundTrip_data()
    {
        QTest::addColumn<int>("port");
        QTest::newRow("Port A") << 0;
        QTest::newRow("Port B") << 1;
    }
    void reservedBytesRoundTrip()
    {
        QFETCH(int, port);
        const eth_settings_t r = port == 0 ? fixtureA() : fixtureB();
        QVERIFY(pressApply().isEmpty());
        QVERIFY(rig->waitForSettingsSent(port_t(port), TestInterfaceSettings));
        QCOMPARE(sent(port_t(port)).last().toHex(' '), recordBytes(r).toHex(' '));
    }

    // The bit the editor does not show (bit 12, DEI) goes back as the tester
    // holds it, in a tag in use and beyond the count, until the operator
    // edits that tag's PCP or VLAN ID.
    void tagBitsGoBackUnlessTheTagIsEdited_data()
    {
        QTest::addColumn<QString>("edit");      // a box of Port B's editor, or none
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("tags");   // bytes 30-35 sent
        // Stored: tag 1 (in use) 0xFFFF, tag 2 0x0000, tag 3 0x3ABC.
        QTest::newRow("untouched") << QString() << 0 << QByteArray("ff ff 00 00 bc 3a");
        QTest::newRow("PCP of tag 1") << "sPCP1" << 2 << QByteArray("ff 4f 00 00 bc 3a");
        QTest::newRow("VID of tag 1") << "sVID1" << 100 << QByteArray("64 e0 00 00 bc 3a");
        QTest::newRow("VID of tag 2 leaves tag 1") << "sVID2" << 5 << QByteArray("ff ff 05 00 bc 3a");
    }
    void tagBitsGoBackUnlessTheTagIsEdited()
    {
        QFETCH(QString, edit);
        QFETCH(int, value);
        QFETCH(QByteArray, tags);
        eth_settings_t r = fixtureB();
        r.tagControl[0] = 0xFFFF;   // PCP 7, DEI, VID 4095
        r.tagControl[1] = 0x0000;
        r.tagControl[2] = 0x3ABC;   // PCP 1, DEI, VID 0xABC
        rig->storeSettings(PortB, TestInterfaceSettings, recordBytes(r));
        reload();
        if (!edit.isEmpty())
            in<QSpinBox>(PortB, qPrintable(edit))->setValue(value);
        QVERIFY(pressApply().isEmpty());
        QVERIFY(rig->waitForSettingsSent(PortB, TestInterfaceSettings));
        const QByteArray bytes = sent(PortB).last();
        QCOMPARE(bytes.mid(30, 6).toHex(' '), tags);
        // Nothing else moved.
        eth_settings_t expected = r;
        std::memcpy(&expected.tagControl, bytes.constData() + 30, 6);
        QCOMPARE(bytes.toHex(' '), recordBytes(expected).toHex(' '));
    }

    // Counts beyond three and a filter VLAN ID beyond 9999 show at the end
    // of their fields and go back as the tester holds them unless edited.
    void valuesBeyondTheFieldsGoBackAsStored()
    {
        eth_settings_t r = fixtureB();
        r.vlanCount = 7;
        r.mplsCount = 5;
        r.mpls[1] &= ~0x100u;   // no entry is the fifth: no S bit anywhere
        r.filterVlanId1 = 12000;
        rig->storeSettings(PortB, TestInterfaceSettings, recordBytes(r));
        reload();
        QCOMPARE(in<QSpinBox>(PortB, "sVLAN")->value(), 3);
        QCOMPARE(in<QSpinBox>(PortB, "sMPLS")->value(), 3);
        QCOMPARE(in<QSpinBox>(PortB, "sbVlan1")->value(), 9999);
        QVERIFY(in<QLineEdit>(PortB, "lTPID3")->isEnabled());
        QCOMPARE(in<QSpinBox>(PortB, "sbVlan1")->styleSheet(), fieldstyle::Black);

        QVERIFY(pressApply().isEmpty());
        QVERIFY(rig->waitForSettingsSent(PortB, TestInterfaceSettings));
        QCOMPARE(sent(PortB).last().toHex(' '), recordBytes(r).toHex(' '));

        // Edited, the field's own value goes.
        rig->sim.clearRequests();
        in<QSpinBox>(PortB, "sVLAN")->setValue(2);
        QVERIFY(pressApply().isEmpty());
        QVERIFY(rig->waitForSettingsSent(PortB, TestInterfaceSettings));
        QCOMPARE(int(recordFrom<eth_settings_t>(sent(PortB).last()).vlanCount), 2);
        QCOMPARE(int(recordFrom<eth_settings_t>(sent(PortB).last()).filterVlanId1), 12000);
    }

    // A busy port is written by no Apply; only the shown tab's port is
    // reported, the other idle ports are written.
    void busyPortIsSkipped_data()
    {
        QTest::addColumn<int>("busy");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("message");   // empty: no box
        QTest::newRow("A busy, tab A") << 0 << TabA << "Port A is busy. Settings were not sent.";
        QTest::newRow("A busy, tab B") << 0 << TabB << "";
        QTest::newRow("B busy, tab B") << 1 << TabB << "Port B is busy. Settings were not sent.";
        QTest::newRow("B busy, tab RC") << 1 << TabRC << "Port RC is busy with remote control. Settings were not sent.";
    }
    void busyPortIsSkipped()
    {
        QFETCH(int, busy);
        QFETCH(int, shown);
        QFETCH(QString, message);
        setBusy(port_t(busy), true);
        QVERIFY(!editor(busy)->isEnabled());
        QVERIFY(editor(1 - busy)->isEnabled());
        QVERIFY(!editor(PortRC)->isEnabled());   // the link runs over TCP
        tabs()->setCurrentIndex(shown);
        rig->sim.clearRequests();

        ModalAnswerer answerer;
        form->bApplyClicked();
        QVERIFY(rig->waitForSettingsSent(port_t(1 - busy), TestInterfaceSettings));
        QVERIFY(rig->drain());
        QVERIFY(sent(port_t(busy)).isEmpty());
        QVERIFY(sent(PortRC).isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(answerer.seen.size(), 0);
        } else {
            QCOMPARE(answerer.seen.size(), 1);
            QCOMPARE(answerer.seen.at(0).title, mesage("Interface settings"));
            QCOMPARE(answerer.seen.at(0).text, message);
        }
        setBusy(port_t(busy), false);
        QVERIFY(editor(busy)->isEnabled());
    }

    // The edits of a port left out stay: its tab enables Apply again.
    void editsOfABusyPortStay()
    {
        tabs()->setCurrentIndex(TabB);
        typeInto(in<QLineEdit>(PortB, "lGate"), QStringLiteral("10.20.0.254"));
        tabs()->setCurrentIndex(TabA);
        typeInto(in<QLineEdit>(PortA, "lGate"), QStringLiteral("10.10.10.254"));
        setBusy(PortB, true);
        QVERIFY(pressApply().isEmpty());
        QVERIFY(rig->waitForSettingsSent(PortA, TestInterfaceSettings));
        QVERIFY(sent(PortB).isEmpty());
        QVERIFY(!apply()->isEnabled());
        tabs()->setCurrentIndex(TabB);
        QVERIFY(apply()->isEnabled());
        QCOMPARE(in<QLineEdit>(PortB, "lGate")->styleSheet(), fieldstyle::Blue);
        tabs()->setCurrentIndex(TabA);
        QVERIFY(!apply()->isEnabled());
        setBusy(PortB, false);
        tabs()->setCurrentIndex(TabB);
        rig->sim.clearRequests();
        QVERIFY(pressApply().isEmpty());
        QVERIFY(rig->waitForSettingsSent(PortB, TestInterfaceSettings));
        QCOMPARE(recordFrom<eth_settings_t>(sent(PortB).last()).gateway, ipv4(10, 20, 0, 254));
        QCOMPARE(recordFrom<eth_settings_t>(sent(PortA).last()).gateway, ipv4(10, 10, 10, 254));
    }

    // "Default" gives the model's MAC for the port; a changed MAC asks for
    // a restart after the write, and Yes resets the tester and reconnects.
    void macChangeAsksForReboot_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void macChangeAsksForReboot()
    {
        QFETCH(bool, yes);
        tabs()->setCurrentIndex(TabB);
        QSignalSpy edits(editor(PortB), &IFaceForm::dataChanged);
        in<QPushButton>(PortB, "bDefaultMac")->click();
        // Type 0, serial 4711, Port B: 3 * 4711 - 3 + 1 = 14131 = 1843 mod 4096.
        QCOMPARE(in<QLineEdit>(PortB, "lMAC")->text(), QString("02:3a:91:6d:47:33"));
        QCOMPARE(in<QLineEdit>(PortB, "lMAC")->styleSheet(), fieldstyle::Blue);
        QCOMPARE(edits.count(), 1);
        QVERIFY(apply()->isEnabled());

        auto connects = std::make_shared<std::atomic<int>>(0);
        const QMetaObject::Connection counting = QObject::connect(
            rig->device, &Device::connected, rig->device, [connects] { ++*connects; }, Qt::DirectConnection);
        ModalAnswerer answerer;
        answerer.then([yes](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        apply()->click();
        QVERIFY(rig->drain());
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.at(0).title, mesage("MAC Change"));
        QCOMPARE(answerer.seen.at(0).text, mesage("The new MAC applies after a reboot. Reboot now?"));
        QCOMPARE(QByteArray(sent(PortB).last().mid(2, 6)).toHex(':'), QByteArray("02:3a:91:6d:47:33"));

        if (yes) {
            // The new block went out before the reset, then the link came back.
            QVERIFY(QTest::qWaitFor([&] { return connects->load() > 0; }, EventuallyMs));
            const QList<QByteArray> requests = rig->requests();
            int setB = -1;
            int reset = -1;
            for (int i = 0; i < requests.size(); ++i) {
                if (command(requests.at(i)) == 0x12 && u32At(requests.at(i), 1) == PortB)
                    setB = i;
                if (command(requests.at(i)) == 0x80 && reset < 0)
                    reset = i;
            }
            QVERIFY(setB >= 0 && reset > setB);
            QCOMPARE(requests.at(reset).toHex(' '), QByteArray("80 00"));
            QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x0F; }));
            QVERIFY(rig->waitForSettingsSent(PortB, TestInterfaceSettings));
            QVERIFY(QTest::qWaitFor([&] { return rig->device->getInterfaceInfo(PortB)->getSettings().has_value(); },
                                    EventuallyMs));
            QVERIFY(rig->drain());
        } else {
            QVERIFY(rig->requestsOf(0x80).isEmpty());
        }
        QObject::disconnect(counting);

        // Written once, the MAC is the stored one: no question the next time.
        QVERIFY(rig->drain());
        ModalAnswerer none;
        form->bApplyClicked();
        QVERIFY(rig->drain());
        QVERIFY(none.seen.isEmpty());
    }

    // Speed and duplex: the operator cannot leave none checked.
    void lastSpeedAndDuplexStayOn()
    {
        auto *c10 = in<QCheckBox>(PortB, "c10");
        auto *c100 = in<QCheckBox>(PortB, "c100");
        auto *c1000 = in<QCheckBox>(PortB, "c1000");
        QSignalSpy edits(editor(PortB), &IFaceForm::dataChanged);
        c10->setChecked(false);
        c100->setChecked(false);
        QVERIFY(c1000->isChecked());
        c1000->setChecked(false);
        QVERIFY(c10->isChecked() && c100->isChecked() && c1000->isChecked());
        QVERIFY(edits.count() > 0);
        // Record 0x2A: every speed in it, full duplex only.
        QCOMPARE(c1000->styleSheet(), fieldstyle::Black);

        auto *half = in<QCheckBox>(PortB, "cHDX");
        auto *full = in<QCheckBox>(PortB, "cFDX");
        full->setChecked(false);
        QVERIFY(half->isChecked());
        QCOMPARE(half->styleSheet(), fieldstyle::Blue);
        QCOMPARE(full->styleSheet(), fieldstyle::Blue);
        full->setChecked(true);
        half->setChecked(false);
        QVERIFY(full->isChecked());
        QCOMPARE(full->styleSheet(), fieldstyle::Black);
    }

    // More tags in use give their rows the default TPIDs; a TPID of the
    // operator's own stays.
    void vlanCountSetsDefaultTpids_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("tpids");
        QTest::newRow("A 0 -> 1") << 0 << 1 << "8100 8100 8100";
        QTest::newRow("A 0 -> 2") << 0 << 2 << "9100 8100 8100";
        QTest::newRow("A 0 -> 3") << 0 << 3 << "8100 8100 8100";
        QTest::newRow("B 1 -> 2 keeps 88a8") << 1 << 2 << "88a8 8100 8100";
        QTest::newRow("B 1 -> 0") << 1 << 0 << "88a8 8100 8100";
    }
    void vlanCountSetsDefaultTpids()
    {
        QFETCH(int, port);
        QFETCH(int, count);
        QFETCH(QString, tpids);
        in<QSpinBox>(port, "sVLAN")->setValue(count);
        QStringList shown;
        for (const char *edit : {"lTPID1", "lTPID2", "lTPID3"})
            shown << in<QLineEdit>(port, edit)->text();
        QCOMPARE(shown.join(' '), tpids);
        const char *rows[] = {"lTPID1", "lTPID2", "lTPID3"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(in<QLineEdit>(port, rows[i])->isEnabled(), i < count);
            if (i >= count)
                QCOMPARE(in<QLineEdit>(port, rows[i])->styleSheet(), fieldstyle::Grey);
        }
        // The defaults are shown, not stored: Reset brings the record back.
        reload();
        QCOMPARE(in<QLineEdit>(port, "lTPID1")->text(), port == 0 ? QString("8100") : QString("88a8"));
    }

    // A typed TPID is marked against the record, case and all; switching
    // DHCP on and off shows the stored address again.
    void fieldsFollowTheRecord()
    {
        typeInto(in<QLineEdit>(PortB, "lTPID1"), QStringLiteral("88A8"));
        QCOMPARE(in<QLineEdit>(PortB, "lTPID1")->styleSheet(), fieldstyle::Blue);
        typeInto(in<QLineEdit>(PortB, "lTPID1"), QStringLiteral("88a8"));
        QCOMPARE(in<QLineEdit>(PortB, "lTPID1")->styleSheet(), fieldstyle::Black);

        typeInto(in<QLineEdit>(PortA, "lIP"), QStringLiteral("10.1.1.1"));
        in<QCheckBox>(PortA, "cDHCP")->click();
        QCOMPARE(in<QCheckBox>(PortA, "cDHCP")->styleSheet(), fieldstyle::Blue);
        QVERIFY(!in<QLineEdit>(PortA, "lIP")->isEnabled());
        QCOMPARE(in<QLineEdit>(PortA, "lIP")->text(), QString("0.0.0.0"));   // nothing obtained on A
        in<QCheckBox>(PortA, "cDHCP")->click();
        QCOMPARE(in<QLineEdit>(PortA, "lIP")->text(), QString("10.10.10.10"));
        QVERIFY(in<QLineEdit>(PortA, "lIP")->isEnabled());
    }

    // A mask that is not contiguous and an incomplete address keep the
    // stored values, shown again after Apply; with DHCP on nothing of the
    // address block is written.
    void invalidAddressesKeepTheStoredOnes()
    {
        // The validator lets no such text be typed; a text set otherwise is
        // still refused by the write-back.
        in<QLineEdit>(PortA, "lMask")->setText(QStringLiteral("255.0.255.0"));
        typeInto(in<QLineEdit>(PortA, "lGate"), QStringLiteral("10.10."));
        QVERIFY(pressApply().isEmpty());
        QVERIFY(rig->waitForSettingsSent(PortA, TestInterfaceSettings));
        QCOMPARE(sent(PortA).last().toHex(' '), recordBytes(fixtureA()).toHex(' '));
        QCOMPARE(in<QLineEdit>(PortA, "lMask")->text(), QString("255.255.255.0"));
        QCOMPARE(in<QLineEdit>(PortA, "lGate")->text(), QString("10.10.10.1"));

        rig->sim.clearRequests();
        in<QCheckBox>(PortA, "cDHCP")->click();
        QVERIFY(pressApply().isEmpty());
        QVERIFY(rig->waitForSettingsSent(PortA, TestInterfaceSettings));
        eth_settings_t expected = fixtureA();
        expected.dhcp = 1;
        QCOMPARE(sent(PortA).last().toHex(' '), recordBytes(expected).toHex(' '));
    }

    // While DHCP is on, each status poll shows the addresses obtained.
    void dhcpAddressesFollowTheStatus()
    {
        const port_addresses_t next = {ipv4(192, 168, 5, 78), ipv4(255, 255, 0, 0), ipv4(192, 168, 5, 2)};
        rig->tester([&](SimRemoteResponder &r) { r.status.address[PortRC] = next; });
        QTRY_COMPARE_WITH_TIMEOUT(in<QLineEdit>(PortRC, "lIP")->text(), QString("192.168.5.78"), EventuallyMs);
        QCOMPARE(in<QLineEdit>(PortRC, "lMask")->text(), QString("255.255.0.0"));
        QCOMPARE(in<QLineEdit>(PortA, "lIP")->text(), QString("10.10.10.10"));   // DHCP off: not followed
    }

    // A window whose records were never read sends nothing and says so.
    void applyWithoutRecordSendsNothing()
    {
        IfsetForm fresh(rig->device);
        fresh.show();
        QVERIFY(rig->drain());
        ModalAnswerer answerer;
        fresh.bApplyClicked();
        QVERIFY(rig->drain());
        QVERIFY(rig->requestsOf(0x12).isEmpty());
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.at(0).text, PortANotRead);
    }

    void retranslateSetsTheTexts()
    {
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QVERIFY(languages.use(QStringLiteral("ru")));
        form->retranslate();
        QVERIFY(tabs()->tabText(TabA) != QLatin1String("Interface settings (Port A)"));
        QCOMPARE(tabs()->tabText(TabA), mesage("Interface settings (Port A)"));
        QCOMPARE(in<QGroupBox>(PortA, "gVLAN")->title(),
                 QCoreApplication::translate("IFaceForm", "VLAN settings"));
        QCOMPARE(in<QCheckBox>(PortA, "c1000")->text(), QString("1000"));
        languages.removeAll();
        form->retranslate();
        QCOMPARE(tabs()->tabText(TabA), QString("Interface settings (Port A)"));
        QCOMPARE(in<QGroupBox>(PortA, "gVLAN")->title(), QString("VLAN settings"));
    }

    // Every text fits in Russian, English and German, with the longest
    // values shown; a Russian picture of each tab.
    void textFitsInAllLanguages()
    {
        eth_settings_t longest = fixtureB();
        setMac(longest.mac, {0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd});
        longest.ip = ipv4(255, 255, 255, 255);
        longest.gateway = ipv4(188, 188, 188, 188);
        longest.vlanCount = 1;
        for (uint16_t &t : longest.tpid)
            t = 0xdddd;
        for (uint32_t &e : longest.mpls)
            e = 0xDDDDDEFF;
        rig->storeSettings(PortA, TestInterfaceSettings, recordBytes(longest));
        rig->storeSettings(PortB, TestInterfaceSettings, recordBytes(longest));
        rig->tester([](SimRemoteResponder &r) {
            r.status.address[PortRC] = {ipv4(255, 255, 255, 255), ipv4(255, 255, 255, 255), ipv4(188, 188, 188, 188)};
        });
        QVERIFY(rig->waitForPolls(1));
        reload();

        form->resize(form->minimumSizeHint().expandedTo(QSize(1000, 400)));
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        const QStringList reports = textFitInAllLanguages(form, languages, [&] { form->retranslate(); });
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));

        QVERIFY(languages.use(QStringLiteral("ru")));
        form->retranslate();
        const char *names[] = {"ifset-port-a.png", "ifset-port-b.png", "ifset-port-rc.png"};
        for (int tab = 0; tab < 3; ++tab) {
            tabs()->setCurrentIndex(tab);
            QVERIFY(textfit::savePicture(form, QLatin1String(names[tab])));
        }
        languages.removeAll();
        form->retranslate();
    }

    // Connected over a serial link, Port RC carries no link of the program
    // and is written like the test ports.
    void portRcWrittenOverSerial()
    {
        FormRig serial(0);
        serial.storeSettings(PortRC, TestInterfaceSettings, recordBytes(fixtureRC()));
        const QString pty = serial.sim.openPty();
        QVERIFY(!pty.isEmpty());
        serial.inWorker([&] { serial.device->connectBySerial(pty); });
        QVERIFY(QTest::qWaitFor(
            [&] { return serial.device->getInterfaceInfo(PortRC)->getSettings().has_value(); }, EventuallyMs));
        IfsetForm window(serial.device);
        window.activate();
        QVERIFY(serial.drain());
        findWidget<QTabWidget>(&window, "tabWidget")->setCurrentIndex(TabRC);
        QVERIFY(serial.waitForPolls(1));
        IFaceForm *rc = nullptr;
        for (IFaceForm *e : window.findChildren<IFaceForm *>())
            rc = e->port() == PortRC ? e : rc;
        QVERIFY(rc && rc->isEnabled());
        findWidget<QCheckBox>(rc, "cDHCP")->click();
        typeInto(findWidget<QLineEdit>(rc, "lIP"), QStringLiteral("172.16.0.9"));
        serial.sim.clearRequests();

        ModalAnswerer answerer;
        findWidget<QPushButton>(&window, "bApply")->click();
        QVERIFY(serial.waitForSettingsSent(PortRC, TestInterfaceSettings));
        QVERIFY(answerer.seen.isEmpty());
        eth_settings_t expected = fixtureRC();
        expected.dhcp = 0;
        expected.ip = ipv4(172, 16, 0, 9);
        QCOMPARE(serial.sentSettings(PortRC, TestInterfaceSettings).last().toHex(' '),
                 recordBytes(expected).toHex(' '));
        serial.disconnectDevice();
    }

    // Last: the link goes down; the editors drop their records and Apply
    // sends nothing.
    void lostLinkSendsNothing()
    {
        rig->disconnectDevice();
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        ModalAnswerer answerer;
        form->bApplyClicked();
        QVERIFY(rig->drain());
        QVERIFY(rig->requestsOf(0x12).isEmpty());
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.at(0).text, PortANotRead);
    }
};

QTEST_MAIN(TestIfsetForm)
#include "tst_ifsetform.moc"
