// The loopback form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread.

#include "formrig.h"
#include "formtexts.h"
#include "../support/widgetlookup.h"
#include "lbform.h"
#include "lbrecords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

using fieldstyle::Black;
using fieldstyle::Blue;
using fieldstyle::Grey;

// Every field set, patterns in the bytes the form does not own.
lb_settings_t fixture()
{
    lb_settings_t s;
    memset(&s, 0, sizeof s);
    s.reserved0 = 0xA0;
    s.replaceIpSrc = 1;
    s.replaceIpDst = 0;
    s.reserved3 = 0xA3;
    s.ipSrc = ipv4(10, 1, 2, 3);
    s.ipDst = ipv4(192, 168, 7, 200);
    s.qosMode = QosTos;
    s.tos = uint8_t(5 << 5 | 4 << 1 | 1);   // precedence 5, ToS "0100", bit 0 set
    s.dscp = uint8_t(46 << 2);             // EF
    s.replaceVlan = 1;
    s.replacePriority = 0;
    s.reserved17[0] = 0xB7;
    s.reserved17[1] = 0xB8;
    s.reserved17[2] = 0xB9;
    s.vlanId = 4000;
    s.vlanPriority = 6;
    s.replaceMacSrc = 0;
    s.replaceMacDst = 1;
    const uint8_t src[6] = {0x02, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    const uint8_t dst[6] = {0xff, 0xee, 0xdd, 0x00, 0x11, 0x22};
    memcpy(s.macSrc, src, 6);
    memcpy(s.macDst, dst, 6);
    s.reserved39 = 0xC9;
    return s;
}

} // namespace

class TestLbForm : public QObject, private FormUnderTest<LbForm>
{
    Q_OBJECT

private:
    void store(const lb_settings_t &s, port_t port = PortA) { rig->storeSettings(port, TestLoopback, recordBytes(s)); }

    void reload()
    {
        form->bResetClicked();
        QVERIFY(rig->drain());
    }

    QList<QByteArray> sentSettings() { return rig->sentSettings(PortA, TestLoopback); }

    lb_settings_t applyAndRead()
    {
        rig->sim.clearRequests();
        child<QPushButton>("bApply")->setEnabled(true);
        child<QPushButton>("bApply")->click();
        return rig->nextSentSettings<lb_settings_t>(PortA, TestLoopback);
    }

    QList<QPushButton *> levels()
    {
        return {child<QPushButton>("blvl0"), child<QPushButton>("blvl1"), child<QPushButton>("blvl2"),
                child<QPushButton>("blvl3"), child<QPushButton>("blvl4")};
    }

    void setProcess(quint32 tx, quint32 rx)
    {
        rig->tester([=](SimRemoteResponder &r) {
            r.status.process[0].tx = tx;
            r.status.process[0].rx = rx;
        });
        // The next poll answers with the status just set.
        QVERIFY(rig->waitForPolls(1));
    }

private slots:
    void initTestCase()
    {
        loadFormResources();
        QVERIFY(startForm(QSize(900, 460)));
    }

    void cleanupTestCase() { stopForm(); }

    void init()
    {
        store(fixture());
        QVERIFY(resetForm());
    }

    void activationFillsTheForm()
    {
        QCOMPARE(child<QGroupBox>("gLB")->title(), QString("Loopback (Port A)"));
        QVERIFY(!child<QCheckBox>("cMACsrc")->isChecked());
        QVERIFY(child<QCheckBox>("cMACdst")->isChecked());
        QCOMPARE(child<QLineEdit>("lMACsrc")->text(), QString("02:1a:2b:3c:4d:5e"));
        QCOMPARE(child<QLineEdit>("lMACdst")->text(), QString("ff:ee:dd:00:11:22"));
        QVERIFY(child<QCheckBox>("cVLAN")->isChecked());
        QCOMPARE(child<QSpinBox>("sVLAN")->value(), 4000);
        QVERIFY(!child<QCheckBox>("cPrio")->isChecked());
        QCOMPARE(child<QSpinBox>("sPrio")->value(), 6);
        QVERIFY(child<QCheckBox>("cIPsrc")->isChecked());
        QVERIFY(!child<QCheckBox>("cIPdst")->isChecked());
        QCOMPARE(child<QLineEdit>("lIPsrc")->text(), QString("10.1.2.3"));
        QCOMPARE(child<QLineEdit>("lIPdst")->text(), QString("192.168.7.200"));
        QVERIFY(child<QGroupBox>("gToS")->isChecked());
        QVERIFY(!child<QGroupBox>("gDSCP")->isChecked());
        QVERIFY(!child<QGroupBox>("gDSCP")->isEnabled());
        QCOMPARE(child<QComboBox>("cbToS")->currentText(), QString("0100"));
        QCOMPARE(child<QComboBox>("cbPrec")->currentText(), QString("5"));
        QCOMPARE(child<QComboBox>("cbDSCP")->currentText(), QString("EF   ( 101110 )"));
        QCOMPARE(child<QComboBox>("cbToS")->styleSheet(), Black);
        QCOMPARE(child<QComboBox>("cbDSCP")->styleSheet(), Grey);
        for (const char *name : {"cMACsrc", "lMACsrc", "sVLAN", "lIPdst", "cIPsrc"})
            QCOMPARE(form->findChild<QWidget *>(name)->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QVERIFY(child<QPushButton>("bReset")->isEnabled());
    }

    void fixtureRoundTripsUnchanged()
    {
        const lb_settings_t sent = applyAndRead();
        QCOMPARE(recordBytes(sent).toHex(' '), recordBytes(fixture()).toHex(' '));
    }

    // What the boxes cannot show goes back as it came unless it is edited.
    void unlistedCodesAreKept_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tos");
        QTest::addColumn<int>("dscp");
        QTest::addColumn<int>("flag");
        QTest::addColumn<int>("tosIndex");
        QTest::addColumn<int>("dscpIndex");
        QTest::newRow("two ToS bits") << 1 << (2 << 5 | 3 << 1) << (10 << 2) << 1 << -1 << 0;
        QTest::newRow("unknown code point") << 2 << 0 << (7 << 2) << 1 << 0 << -1;
        QTest::newRow("code point with low bits") << 2 << 0 << (10 << 2 | 3) << 1 << 0 << 0;
        QTest::newRow("unknown mode, flag 2") << 5 << 0xFF << 0xFF << 2 << -1 << -1;
    }
    void unlistedCodesAreKept()
    {
        QFETCH(int, mode);
        QFETCH(int, tos);
        QFETCH(int, dscp);
        QFETCH(int, flag);
        QFETCH(int, tosIndex);
        QFETCH(int, dscpIndex);
        lb_settings_t s = fixture();
        s.qosMode = uint8_t(mode);
        s.tos = uint8_t(tos);
        s.dscp = uint8_t(dscp);
        s.replaceMacDst = uint8_t(flag);
        store(s);
        reload();
        QCOMPARE(child<QComboBox>("cbToS")->currentIndex(), tosIndex);
        QCOMPARE(child<QComboBox>("cbDSCP")->currentIndex(), dscpIndex);
        QVERIFY(child<QCheckBox>("cMACdst")->isChecked());
        QCOMPARE(child<QCheckBox>("cMACdst")->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(recordBytes(applyAndRead()).toHex(' '), recordBytes(s).toHex(' '));

        // Picking an item replaces the field, and only that field.
        reload();
        child<QComboBox>("cbToS")->setCurrentIndex(4);
        QCOMPARE(child<QComboBox>("cbToS")->styleSheet(), Blue);
        const lb_settings_t sent = applyAndRead();
        QCOMPARE(int(sent.tos), (tos & 0xE1) | 8 << 1);
        QCOMPARE(int(sent.dscp), dscp);
        QCOMPARE(int(sent.qosMode), mode);
    }

    void editsAreWrittenOnApply()
    {
        auto *apply = child<QPushButton>("bApply");
        child<QCheckBox>("cMACsrc")->setChecked(true);
        QCOMPARE(child<QCheckBox>("cMACsrc")->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        typeInto(child<QLineEdit>("lMACsrc"), "00-1B-2C-3D-4E-5F");
        QCOMPARE(child<QLineEdit>("lMACsrc")->styleSheet(), Blue);   // another spelling
        child<QSpinBox>("sVLAN")->setValue(100);
        child<QSpinBox>("sPrio")->setValue(3);
        child<QCheckBox>("cPrio")->setChecked(true);
        typeInto(child<QLineEdit>("lIPdst"), "10.20.30.40");
        child<QGroupBox>("gToS")->setChecked(false);
        QVERIFY(child<QGroupBox>("gDSCP")->isEnabled());
        QCOMPARE(child<QComboBox>("cbToS")->styleSheet(), Grey);
        child<QGroupBox>("gDSCP")->setChecked(true);
        child<QComboBox>("cbDSCP")->setCurrentIndex(12);             // CS1
        QCOMPARE(child<QComboBox>("cbDSCP")->styleSheet(), Blue);

        rig->sim.clearRequests();
        apply->click();
        QVERIFY(!apply->isEnabled());
        for (const char *name : {"cMACsrc", "lMACsrc", "sVLAN", "lIPdst", "cPrio"})
            QCOMPARE(form->findChild<QWidget *>(name)->styleSheet(), Black);
        QCOMPARE(child<QComboBox>("cbDSCP")->styleSheet(), Black);
        QCOMPARE(child<QComboBox>("cbToS")->styleSheet(), Grey);
        const lb_settings_t sent = rig->nextSentSettings<lb_settings_t>(PortA, TestLoopback);
        lb_settings_t expected = fixture();
        expected.replaceMacSrc = 1;
        const uint8_t mac[6] = {0x00, 0x1b, 0x2c, 0x3d, 0x4e, 0x5f};
        memcpy(expected.macSrc, mac, 6);
        expected.vlanId = 100;
        expected.vlanPriority = 3;
        expected.replacePriority = 1;
        expected.ipDst = ipv4(10, 20, 30, 40);
        expected.qosMode = QosDscp;
        expected.dscp = uint8_t(8 << 2);
        QCOMPARE(recordBytes(sent).toHex(' '), recordBytes(expected).toHex(' '));
        QVERIFY(rig->requestsOf(0x0A).isEmpty());
    }

    void incompleteAddressesAreReplaced()
    {
        typeInto(child<QLineEdit>("lMACsrc"), "00:11:22");
        typeInto(child<QLineEdit>("lMACdst"), "");
        typeInto(child<QLineEdit>("lIPsrc"), "10.1");
        typeInto(child<QLineEdit>("lIPdst"), "");
        const lb_settings_t sent = applyAndRead();
        QCOMPARE(child<QLineEdit>("lMACsrc")->text(), QString("00:00:00:00:00:00"));
        QCOMPARE(child<QLineEdit>("lMACdst")->text(), QString("00:00:00:00:00:00"));
        QCOMPARE(child<QLineEdit>("lIPsrc")->text(), QString("192.168.0.1"));
        QCOMPARE(child<QLineEdit>("lIPdst")->text(), QString("192.168.0.2"));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sent.macSrc), 6), QByteArray(6, '\0'));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sent.macDst), 6), QByteArray(6, '\0'));
        QCOMPARE(sent.ipSrc, ipv4(192, 168, 0, 1));
        QCOMPARE(sent.ipDst, ipv4(192, 168, 0, 2));
        QCOMPARE(recordBytes(sent).mid(8, 4), QByteArray("\x02\x00\xa8\xc0", 4));   // little-endian
    }

    // Each level button sends its topology code at once, and nothing else.
    void levelButtonsSendTheirCodes_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("code");
        QTest::newRow("off") << 0 << 2;
        QTest::newRow("level 1") << 1 << 3;
        QTest::newRow("level 2") << 2 << 4;
        QTest::newRow("level 3") << 3 << 5;
        QTest::newRow("level 4") << 4 << 6;
    }
    void levelButtonsSendTheirCodes()
    {
        QFETCH(int, button);
        QFETCH(int, code);
        child<QSpinBox>("sVLAN")->setValue(7);        // an edit that stays unsent
        QPushButton *b = levels().at(button);
        QVERIFY(b->isEnabled());
        b->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x0A; }));
        QVERIFY(rig->drain());
        const QList<QByteArray> seq = rig->requests();
        QCOMPARE(seq.size(), 1);
        QCOMPARE(seq.first().size(), 6);
        QCOMPARE(u32At(seq.first(), 1), quint32(PortA));
        QCOMPARE(int(quint8(seq.first().at(5))), code);
        QCOMPARE(child<QSpinBox>("sVLAN")->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
    }

    void levelButtonsFollowThePort_data()
    {
        QTest::addColumn<uint>("tx");
        QTest::addColumn<uint>("rx");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("idle") << 0u << 0u << true;
        QTest::newRow("in loopback") << 0x2u << 0u << true;
        QTest::newRow("in loopback, receiving a test") << 0x2u << (1u << TestTraffic) << true;
        QTest::newRow("running traffic") << (1u << TestTraffic) << 0u << false;
        QTest::newRow("receiving another port's test") << 0u << (1u << TestRfc2544) << false;
        QTest::newRow("pass-through") << 0x1u << 0u << false;
    }
    void levelButtonsFollowThePort()
    {
        QFETCH(uint, tx);
        QFETCH(uint, rx);
        QFETCH(bool, enabled);
        setProcess(tx, rx);
        for (QPushButton *b : levels())
            QCOMPARE(b->isEnabled(), enabled);
        QVERIFY(child<QPushButton>("bReset")->isEnabled());
    }

    // With a level on, the simulated tester shows the loopback in the status.
    void simulatedTesterShowsTheLevel()
    {
        rig->tester([](SimRemoteResponder &r) { r.realistic = true; });
        QTRY_VERIFY_WITH_TIMEOUT(levels().at(3)->isEnabled(), EventuallyMs);
        levels().at(3)->click();
        QTRY_VERIFY_WITH_TIMEOUT(rig->device->getDeviceStatus().loopback[0].level == 3, EventuallyMs);
        QVERIFY(rig->device->getDeviceStatus().process[0].tx & 0x2u);
        QVERIFY(levels().at(0)->isEnabled());
        levels().at(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(rig->device->getDeviceStatus().loopback[0].level == 0, EventuallyMs);
        QCOMPARE(rig->device->getDeviceStatus().process[0].tx, 0u);
    }

    void portBUsesItsOwnRecord()
    {
        lb_settings_t b = fixture();
        b.vlanId = 12;
        store(b, PortB);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("gLB")->title(), QString("Loopback (Port B)"));
        QTRY_COMPARE_WITH_TIMEOUT(child<QSpinBox>("sVLAN")->value(), 12, EventuallyMs);
        levels().at(2)->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x0A; }));
        QCOMPARE(u32At(rig->requestsOf(0x0A).first(), 1), quint32(PortB));

        form->retranslate();
        QCOMPARE(child<QGroupBox>("gLB")->title(), QString("Loopback (Port B)"));
    }

    void applyWithoutRecordSendsNothing()
    {
        child<QSpinBox>("sPrio")->setValue(1);
        QSignalSpy sent(form, &TestForm::sendSettings);
        rig->disconnectDevice();
        const QStringList boxes = boxTextsWhile([&] { child<QPushButton>("bApply")->click(); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(saysNothingApplied(boxes.at(0)), qPrintable(boxes.at(0)));
        QCOMPARE(sent.count(), 0);
        QCOMPARE(child<QSpinBox>("sPrio")->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        QVERIFY(rig->connectDevice());
    }

    void textsFitInEveryLanguage()
    {
        lb_settings_t s = fixture();
        s.ipSrc = ipv4(255, 255, 255, 255);
        s.ipDst = ipv4(188, 188, 188, 188);
        const uint8_t mac[6] = {0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd};
        memcpy(s.macSrc, mac, 6);
        store(s);
        reload();
        const QStringList cut = formTextFit(form, [this] { form->retranslate(); }, QStringLiteral("loopback"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
};

QTEST_MAIN(TestLbForm)
#include "tst_lbform.moc"
