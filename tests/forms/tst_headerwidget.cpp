// The frame-header editor: load/save of header_settings_t through the real
// widgets, the change markers and the automatic destination address.

#include "formrig.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "headerwidget.h"
#include "textfunctions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

using fieldstyle::Black;
using fieldstyle::Blue;
using fieldstyle::Grey;

// Every field set, reserved bytes carrying a pattern, ToS bit 0 set.
header_settings_t fixture()
{
    header_settings_t h;
    memset(&h, 0, sizeof h);
    h.autoIpDest = 0;
    h.reserved1[0] = 0xDE;
    h.reserved1[1] = 0xAD;
    h.reserved1[2] = 0xBE;
    h.ipDest = ipv4(192, 168, 7, 9);
    const uint8_t mac[6] = {0x00, 0x1a, 0x2b, 0xc3, 0xd4, 0xe5};
    memcpy(h.macDest, mac, 6);
    h.arp = 0;
    h.qosMode = QosTos;
    h.tos = uint8_t(5 << 5 | 4 << 1 | 1);   // precedence 5, ToS 0100, bit 0 kept
    h.ttl = 77;
    h.dscp = uint8_t(46 << 2);              // EF
    h.reserved2 = 0x5A;
    h.udpSrc = 4001;
    h.udpDst = 5002;
    h.level3 = 1;
    h.level4 = 1;
    return h;
}

QByteArray bytes(const header_settings_t &h)
{
    return QByteArray(reinterpret_cast<const char *>(&h), int(sizeof h));
}

eth_settings_t ethSettings(bool dhcp, uint32_t address)
{
    eth_settings_t e;
    memset(&e, 0, sizeof e);
    e.dhcp = dhcp ? 1 : 0;
    e.ip = address;
    return e;
}

} // namespace

class TestHeaderWidget : public QObject
{
    Q_OBJECT

private:
    template <class T>
    static T *child(HeaderWidget &w, const char *name)
    {
        return findWidget<T>(&w, name);
    }

    std::unique_ptr<FormRig> rig;   // two-port tester, connected

    // Port A static 10.0.0.1; Port B by DHCP, the status giving 10.9.9.2
    // while its configured address is 10.0.0.2.
    void setAddresses(bool portBDhcp)
    {
        rig->tester([&](SimRemoteResponder &r) {
            r.settingsBlock(PortA, TestInterfaceSettings) = recordBytes(ethSettings(false, ipv4(10, 0, 0, 1)));
            r.settingsBlock(PortB, TestInterfaceSettings) = recordBytes(ethSettings(portBDhcp, ipv4(10, 0, 0, 2)));
            r.status.address[PortA].ip = ipv4(10, 9, 9, 1);
            r.status.address[PortB].ip = ipv4(10, 9, 9, 2);
        });
        // Re-read the interface records and one status.
        for (int p = 0; p < 3; ++p) {
            InterfaceInfo *info = rig->device->getInterfaceInfo(p);
            rig->inWorker([info] { info->receiveSettings(); });
        }
        rig->inWorker([this] { rig->device->updateDeviceStatus(); });
        QVERIFY(rig->drain());
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
        rig.reset(new FormRig(0));
        QVERIFY(rig->connectDevice());
    }

    void cleanupTestCase()
    {
        rig.reset();
    }

    void cleanup()
    {
        rig->device->setCurrentProcess(PortA);
        QVERIFY(rig->drain());
    }

    void disabledUntilLoadedWithRecord()
    {
        HeaderWidget w;
        auto *group = child<QGroupBox>(w, "groupBox");
        QVERIFY(!group->isEnabled());
        w.load(rig->device);           // no record: nothing happens
        QVERIFY(!group->isEnabled());
        w.save();
        QVERIFY(!w.settings());
        const header_settings_t h = fixture();
        w.setSettings(&h);
        w.load(rig->device);
        QVERIFY(group->isEnabled());
    }

    void roundTripKeepsEveryByte_data()
    {
        QTest::addColumn<QByteArray>("record");
        const header_settings_t base = fixture();
        QTest::newRow("ToS, bit 0 set") << bytes(base);
        header_settings_t h = base;
        h.tos &= ~TosKeptBit;
        QTest::newRow("ToS, bit 0 clear") << bytes(h);
        h = base;
        h.qosMode = QosDscp;
        h.dscp = uint8_t(26 << 2);
        QTest::newRow("DSCP AF31") << bytes(h);
        h = base;
        h.qosMode = QosNone;
        QTest::newRow("no marking, both codes kept") << bytes(h);
        h = base;
        h.arp = 1;
        const uint8_t odd[6] = {0xff, 0xee, 0xdd, 0xcc, 0xbb, 0xaa};
        memcpy(h.macDest, odd, 6);
        QTest::newRow("ARP keeps the MAC") << bytes(h);
        h = base;
        h.level4 = 0;
        h.tos = uint8_t(7 << 5 | 0 << 1);
        QTest::newRow("level 4 off, precedence 7") << bytes(h);
        h = base;
        memset(h.reserved1, 0xFF, 3);
        h.reserved2 = 0xFF;
        QTest::newRow("reserved all ones") << bytes(h);
    }
    void roundTripKeepsEveryByte()
    {
        QFETCH(QByteArray, record);
        const header_settings_t h = recordFrom<header_settings_t>(record);
        HeaderWidget w;
        w.setSettings(&h);
        w.load(rig->device);
        w.setSettings(&h);
        w.save();
        QVERIFY(w.settings());
        QCOMPARE(bytes(*w.settings()).toHex(' '), record.toHex(' '));
    }

    void saveWritesEdits()
    {
        const header_settings_t h = fixture();
        HeaderWidget w;
        w.setSettings(&h);
        w.load(rig->device);
        child<QSpinBox>(w, "ttlSpinBox")->setValue(12);
        child<QComboBox>(w, "cbPrec")->setCurrentIndex(2);
        child<QComboBox>(w, "cbToS")->setCurrentIndex(1);   // "0001"
        auto *mac = child<QLineEdit>(w, "lMACdst");
        mac->setText("01-02-03-0a-0b-0c");                   // '-' is accepted as well
        w.setSettings(&h);
        w.save();
        const header_settings_t s = *w.settings();
        QCOMPARE(int(s.ttl), 12);
        QCOMPARE(int(s.tos), 2 << 5 | 1 << 1 | 1);           // bit 0 still as sent
        const uint8_t expected[6] = {1, 2, 3, 0x0a, 0x0b, 0x0c};
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(s.macDest), 6),
                 QByteArray(reinterpret_cast<const char *>(expected), 6));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(s.reserved1), 3), QByteArray("\xDE\xAD\xBE"));
        QCOMPARE(int(s.reserved2), 0x5A);
    }

    // A stored ToS value the box has no entry for (more than one of bits
    // 4-1 set) is shown as it is, marked blue, and goes back unchanged
    // unless the operator picks another entry.
    void tosOutsideTheList_data()
    {
        QTest::addColumn<int>("tos");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0x13: bits 1001, bit 0 set") << 0x13 << "1001";
        QTest::newRow("0x07: bits 0011") << 0x07 << "0011";
        QTest::newRow("precedence 7, bits 1111") << (7 << 5 | 15 << 1) << "1111";
    }
    void tosOutsideTheList()
    {
        QFETCH(int, tos);
        QFETCH(QString, shown);
        header_settings_t h = fixture();
        h.tos = uint8_t(tos);
        HeaderWidget w;
        w.setSettings(&h);
        w.load(rig->device);
        auto *box = child<QComboBox>(w, "cbToS");
        QCOMPARE(box->currentText(), shown);
        QCOMPARE(box->styleSheet(), Blue);
        QCOMPARE(child<QComboBox>(w, "cbPrec")->currentIndex(), tos >> 5);

        // No edit: the same byte goes back, and Apply keeps the mark.
        w.setSettings(&h);
        w.save();
        QCOMPARE(int(w.settings()->tos), tos);
        w.gotApplied();
        QCOMPARE(box->styleSheet(), Blue);

        // An edit of the precedence keeps the four bits.
        child<QComboBox>(w, "cbPrec")->setCurrentIndex(2);
        w.setSettings(&h);
        w.save();
        QCOMPARE(int(w.settings()->tos), (tos & 0x1F) | 2 << 5);

        // Another entry chosen: that value is written; back on the record's
        // own entry, the record's value again.
        QSignalSpy enable(&w, &HeaderWidget::enableApply);
        box->setCurrentIndex(1);   // "0001"
        QCOMPARE(enable.count(), 1);
        w.setSettings(&h);
        w.save();
        QCOMPARE(int(w.settings()->tos), (tos & 0x01) | 1 << 1 | 2 << 5);
        box->setCurrentIndex(box->count() - 1);
        QCOMPARE(box->styleSheet(), Blue);
        w.setSettings(&h);
        w.save();
        QCOMPARE(int(w.settings()->tos), (tos & 0x1F) | 2 << 5);

        // A record with a listed value takes the extra entry away.
        const header_settings_t listed = fixture();
        w.setSettings(&listed);
        w.load(rig->device);
        QCOMPARE(box->count(), 5);
        QCOMPARE(box->currentText(), QStringLiteral("0100"));
        QCOMPARE(box->styleSheet(), Black);
    }

    void editsTurnBlueAndApplyTurnsThemBlack()
    {
        const header_settings_t h = fixture();
        HeaderWidget w;
        w.setSettings(&h);
        w.load(rig->device);
        QSignalSpy enable(&w, &HeaderWidget::enableApply);
        auto *ttl = child<QSpinBox>(w, "ttlSpinBox");
        auto *udp = child<QSpinBox>(w, "sUDPdst");
        auto *dscp = child<QComboBox>(w, "cbDSCP");
        QCOMPARE(ttl->styleSheet(), Black);

        ttl->setValue(78);
        QCOMPARE(ttl->styleSheet(), Blue);
        QCOMPARE(enable.count(), 1);
        ttl->setValue(77);                  // equal again: black, no new request
        QCOMPARE(ttl->styleSheet(), Black);
        QCOMPARE(enable.count(), 1);

        udp->setValue(1);
        dscp->setCurrentIndex(0);
        QCOMPARE(udp->styleSheet(), Blue);
        QCOMPARE(dscp->styleSheet(), Blue);
        w.gotApplied();
        QCOMPARE(udp->styleSheet(), Black);
        // DSCP group is off in this record: its combo is out of use.
        QCOMPARE(dscp->styleSheet(), Grey);
        QCOMPARE(child<QComboBox>(w, "cbToS")->styleSheet(), Black);
    }

    void tosAndDscpExclusive()
    {
        const header_settings_t h = fixture();
        HeaderWidget w;
        w.setSettings(&h);
        w.load(rig->device);
        auto *tos = child<QGroupBox>(w, "gToS");
        auto *dscp = child<QGroupBox>(w, "gDSCP");
        QVERIFY(tos->isChecked());
        QVERIFY(!dscp->isEnabled());
        tos->setChecked(false);
        QVERIFY(dscp->isEnabled());
        dscp->setChecked(true);
        QVERIFY(!tos->isEnabled());
        w.setSettings(&h);
        w.save();
        QCOMPARE(int(w.settings()->qosMode), int(QosDscp));
    }

    void level3OffHidesUdpAndDropsArp()
    {
        header_settings_t h = fixture();
        h.arp = 1;
        HeaderWidget w;
        w.setSettings(&h);
        w.load(rig->device);
        auto *level3 = child<QCheckBox>(w, "cLvl3");
        auto *level4 = child<QCheckBox>(w, "cLvl4");
        auto *arp = child<QCheckBox>(w, "cMacAuto");
        auto *udp = child<QSpinBox>(w, "sUDPdst");
        QVERIFY(arp->isChecked());
        QVERIFY(child<QLineEdit>(w, "lMACdst")->text().isEmpty());

        level3->setChecked(false);
        QVERIFY(!arp->isChecked());
        QVERIFY(!arp->isEnabled());
        QVERIFY(udp->isHidden());
        QVERIFY(child<QLineEdit>(w, "lIPdst")->isHidden());

        level4->setChecked(false);
        level3->setChecked(true);
        QVERIFY(udp->isHidden());
        level4->setChecked(true);
        QVERIFY(!udp->isHidden());
    }

    // Each load follows its record's header levels, whatever the record
    // before it left on screen: UDP rows only with both levels on.
    void levelRowsFollowEachLoad_data()
    {
        QTest::addColumn<QString>("levels");   // level3 level4 per load
        QTest::addColumn<bool>("udpShown");
        QTest::addColumn<bool>("ipShown");
        QTest::newRow("level 4 turned on under level 3 off") << "11 00 01" << false << false;
        QTest::newRow("both on after both off") << "00 11" << true << true;
        QTest::newRow("level 4 on under level 3 on") << "10 11" << true << true;
        QTest::newRow("level 4 off") << "11 10" << false << true;
        QTest::newRow("level 3 off, level 4 kept") << "11 01" << false << false;
    }

    void levelRowsFollowEachLoad()
    {
        QFETCH(QString, levels);
        QFETCH(bool, udpShown);
        QFETCH(bool, ipShown);
        HeaderWidget w;
        header_settings_t h = fixture();
        for (const QString &load : levels.split(QLatin1Char(' '))) {
            h.level3 = load.at(0) == QLatin1Char('1');
            h.level4 = load.at(1) == QLatin1Char('1');
            w.setSettings(&h);
            w.load(rig->device);
        }
        for (const char *name : {"sUDPdst", "sUDPsrc", "lUDPdstl", "lUDPsrcl"})
            QVERIFY2(w.findChild<QWidget *>(QLatin1String(name))->isHidden() == !udpShown, name);
        QCOMPARE(!child<QLineEdit>(w, "lIPdst")->isHidden(), ipShown);
        QCOMPARE(!child<QCheckBox>(w, "cLvl4")->isHidden(), ipShown);
    }

    // Ticking "Auto IP destination" shows the other port's address but
    // leaves the record alone; the address reaches the record at save().
    void autoDestinationIsWrittenAtSave_data()
    {
        QTest::addColumn<uint>("current");
        QTest::addColumn<bool>("portBDhcp");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Port A takes B's DHCP address") << uint(PortA) << true << "10.9.9.2";
        QTest::newRow("Port A takes B's static address") << uint(PortA) << false << "10.0.0.2";
        QTest::newRow("Port B takes A's static address") << uint(PortB) << true << "10.0.0.1";
    }
    void autoDestinationIsWrittenAtSave()
    {
        QFETCH(uint, current);
        QFETCH(bool, portBDhcp);
        QFETCH(QString, shown);
        setAddresses(portBDhcp);
        rig->device->setCurrentProcess(current);

        const header_settings_t h = fixture();
        HeaderWidget w;
        w.setSettings(&h);
        w.load(rig->device);
        QSignalSpy autoIp(&w, &HeaderWidget::toggledAutoIP);
        auto *box = child<QCheckBox>(w, "cIPAuto");
        auto *dest = child<QLineEdit>(w, "lIPdst");
        QCOMPARE(dest->text(), QString("192.168.7.9"));

        box->setChecked(true);
        QCOMPARE(autoIp.count(), 1);
        QCOMPARE(autoIp.at(0).at(0).toBool(), true);
        QCOMPARE(dest->text(), shown);
        QCOMPARE(dest->styleSheet(), Grey);
        QVERIFY(!dest->isEnabled());
        QCOMPARE(box->styleSheet(), Blue);
        // Nothing written yet.
        QCOMPARE(w.settings()->ipDest, ipv4(192, 168, 7, 9));
        QCOMPARE(int(w.settings()->autoIpDest), 0);

        w.gotApplied();
        QCOMPARE(dest->styleSheet(), Grey);

        // Unticking brings back the stored manual address.
        box->setChecked(false);
        QCOMPARE(dest->text(), QString("192.168.7.9"));
        QCOMPARE(dest->styleSheet(), Black);

        box->setChecked(true);
        w.setSettings(&h);
        w.save();
        QCOMPARE(int(w.settings()->autoIpDest), 1);
        QCOMPARE(ipToString(w.settings()->ipDest), shown);
    }

    void sourceAddressAndOverride()
    {
        setAddresses(true);
        const header_settings_t h = fixture();
        HeaderWidget w;
        auto *source = child<QLineEdit>(w, "lIPsource");
        w.setSettings(&h);
        w.load(rig->device);
        QCOMPARE(source->text(), QString("10.0.0.1"));
        w.setSourceIpOverride(ipv4(1, 2, 3, 4));
        w.load(rig->device);
        QCOMPARE(source->text(), QString("1.2.3.4"));
        w.setSourceIpOverride(0);
        rig->device->setCurrentProcess(PortB);
        w.load(rig->device);
        QCOMPARE(source->text(), QString("10.9.9.2"));   // Port B on DHCP
    }

    void onePortModelHasNoAutoDestination()
    {
        FormRig single(1);
        QVERIFY(single.connectDevice());
        QCOMPARE(single.device->getPortsCount(), 1);
        header_settings_t h = fixture();
        h.autoIpDest = 1;
        HeaderWidget w;
        w.setSettings(&h);
        w.load(single.device);
        auto *box = child<QCheckBox>(w, "cIPAuto");
        QVERIFY(!box->isChecked());
        QVERIFY(!box->isEnabled());
        w.setSettings(&h);
        w.save();
        QCOMPARE(int(w.settings()->autoIpDest), 0);
    }

    // The DS octet goes back as the record holds it (a code point the box
    // does not list, bits 1-0) unless the operator picks another entry; a
    // code point outside the list is shown as its bits in an extra entry,
    // marked blue.
    void dscpOutsideTheListShowsItsBits_data()
    {
        QTest::addColumn<int>("dscp");
        QTest::addColumn<int>("qosMode");
        QTest::addColumn<int>("pick");        // entry the operator picks; -1 none
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("sent");
        QTest::newRow("unknown code 33, untouched") << (33 << 2) << int(QosDscp) << -1 << "( 100001 )" << Blue
                                                    << (33 << 2);
        QTest::newRow("unknown code, ToS in use") << (63 << 2 | 1) << int(QosTos) << -1 << "( 111111 )" << Blue
                                                  << (63 << 2 | 1);
        QTest::newRow("EF, bits 1-0 set, untouched") << (46 << 2 | 3) << int(QosDscp) << -1 << "EF   ( 101110 )"
                                                     << Black << (46 << 2 | 3);
        QTest::newRow("default, bit 0 set, ToS in use") << 1 << int(QosTos) << -1 << "default ( 000000 )" << Grey
                                                        << 1;
        QTest::newRow("unknown code, AF11 picked") << (33 << 2 | 2) << int(QosDscp) << 0 << "AF11 ( 001010 )" << Blue
                                                   << (10 << 2);
        QTest::newRow("EF with bits 1-0, CS1 picked") << (46 << 2 | 3) << int(QosDscp) << 12 << "CS1  ( 001000 )"
                                                      << Blue << (8 << 2);
    }
    void dscpOutsideTheListShowsItsBits()
    {
        QFETCH(int, dscp);
        QFETCH(int, qosMode);
        QFETCH(int, pick);
        QFETCH(QString, shown);
        QFETCH(QString, style);
        QFETCH(int, sent);
        header_settings_t h = fixture();
        h.qosMode = uint8_t(qosMode);
        h.dscp = uint8_t(dscp);
        HeaderWidget w;
        w.setSettings(&h);
        w.load(rig->device);
        auto *box = child<QComboBox>(w, "cbDSCP");
        QSignalSpy enable(&w, &HeaderWidget::enableApply);
        if (pick >= 0)
            box->setCurrentIndex(pick);
        QCOMPARE(enable.count(), pick >= 0 ? 1 : 0);
        QCOMPARE(box->currentText(), shown);
        QCOMPARE(box->styleSheet(), style);
        // Apply twice, as the form does: the record each time is the one
        // the last Apply left.
        for (int apply = 0; apply < 2; ++apply) {
            w.setSettings(&h);
            w.save();
            QCOMPARE(int(w.settings()->dscp), sent);
            QCOMPARE(int(w.settings()->qosMode), qosMode);
            h = *w.settings();
        }
    }

    // A record with a listed code point after one outside the list takes the
    // extra entry away; the extra entry of the next unknown code is updated.
    void dscpExtraEntryFollowsEachLoad()
    {
        header_settings_t h = fixture();
        h.qosMode = QosDscp;
        HeaderWidget w;
        auto *box = child<QComboBox>(w, "cbDSCP");
        h.dscp = uint8_t(33 << 2);
        w.setSettings(&h);
        w.load(rig->device);
        QCOMPARE(box->count(), DscpTableSize + 1);
        h.dscp = uint8_t(1 << 2);
        w.setSettings(&h);
        w.load(rig->device);
        QCOMPARE(box->count(), DscpTableSize + 1);
        QCOMPARE(box->currentText(), QStringLiteral("( 000001 )"));
        QCOMPARE(box->styleSheet(), Blue);
        w.gotApplied();
        QCOMPARE(box->styleSheet(), Blue);
        h.dscp = uint8_t(46 << 2);
        w.setSettings(&h);
        w.load(rig->device);
        QCOMPARE(box->count(), DscpTableSize);
        QCOMPARE(box->currentText(), QStringLiteral("EF   ( 101110 )"));
        QCOMPARE(box->styleSheet(), Black);
    }

    // The extra entries are no wider than the listed ones: every entry shows
    // whole in each language.
    void extraEntriesFit()
    {
        header_settings_t h = fixture();
        h.tos = uint8_t(7 << 5 | 15 << 1 | 1);
        h.dscp = uint8_t(63 << 2 | 3);
        HeaderWidget w;
        w.setSettings(&h);
        w.load(rig->device);
        w.show();
        QCOMPARE(child<QComboBox>(w, "cbDSCP")->count(), DscpTableSize + 1);
        QStringList reports;
        {
            TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
            reports = textFitInAllLanguages(&w, languages, [&w] { w.retranslate(); });
        }
        w.retranslate();
        textfit::savePicture(&w, QStringLiteral("headerwidget_extra_entries.png"));
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    }
};

QTEST_MAIN(TestHeaderWidget)
#include "tst_headerwidget.moc"
