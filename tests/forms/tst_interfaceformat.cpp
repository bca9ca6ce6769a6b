// The interface settings record and the pure rules of its editor: field
// encodings on the wire, link modes, tags, MPLS entries, default TPIDs and
// MACs, and the write-back of the editor's fields into a received record.

#include "interfaceformat.h"
#include "records.h"

#include <QtTest>

#include <cstring>

namespace {

QByteArray bytesOf(const eth_settings_t &r)
{
    return QByteArray(reinterpret_cast<const char *>(&r), int(sizeof r));
}

// A record the editor writes back unchanged: every field within what the
// editor shows, bit 12 of each tag control clear, the S bit where the MPLS
// count puts it, and patterns in the reserved bytes.
eth_settings_t fixture()
{
    eth_settings_t r;
    memset(&r, 0, sizeof r);
    r.dhcp = 0;
    r.linkModes = 0x0F;
    const uint8_t mac[6] = {0x02, 0x3a, 0x91, 0x6d, 0x40, 0x01};
    memcpy(r.mac, mac, 6);
    r.ip = 0xC0A8010A;
    r.mask = 0xFFFFFF00;
    r.gateway = 0xC0A801FE;
    r.reserved1[0] = 0xE1;
    r.reserved1[1] = 0xE2;
    r.vlanCount = 2;
    r.reserved2 = 0xE3;
    r.tpid[0] = 0x88a8;
    r.tpid[1] = 0x8100;
    r.tpid[2] = 0x9100;
    r.tagControl[0] = tagControlOf(5, 100);
    r.tagControl[1] = tagControlOf(7, 4095);
    r.tagControl[2] = tagControlOf(0, 1);
    r.mplsCount = 2;
    r.reserved3[0] = 0xE4;
    r.reserved3[1] = 0xE5;
    r.reserved3[2] = 0xE6;
    r.mpls[0] = mplsEntryOf(16, 3, false, 64);
    r.mpls[1] = mplsEntryOf(0xFFFFF, 7, true, 255);
    r.mpls[2] = mplsEntryOf(1, 0, false, 1);
    r.filterMacDest = 1;
    r.filterIpDest = 0;
    r.filterMacSrcEqDest = 1;
    r.filterIpSrcEqDest = 0;
    r.filterVlan1 = 1;
    r.filterVlan2 = 0;
    r.reserved4 = 0xE7;
    const uint8_t filterMac[6] = {0x00, 0x1b, 0x2c, 0x3d, 0x4e, 0x5f};
    memcpy(r.filterMac, filterMac, 6);
    r.reserved5[0] = 0xE8;
    r.reserved5[1] = 0xE9;
    r.reserved5[2] = 0xEA;
    r.filterIp = 0x0A000001;
    r.filterVlanId1 = 9999;
    r.filterVlanId2 = 4096;
    return r;
}

} // namespace

class TestInterfaceFormat : public QObject
{
    Q_OBJECT

private slots:
    // The check values of the record on the wire.
    void wireEncoding()
    {
        eth_settings_t r;
        memset(&r, 0, sizeof r);
        r.ip = 0xC0A8010A;   // 192.168.1.10
        r.tagControl[0] = tagControlOf(5, 100);
        r.mpls[0] = mplsEntryOf(16, 3, true, 64);
        r.filterVlanId2 = 9999;
        const QByteArray b = bytesOf(r);
        QCOMPARE(b.mid(8, 4).toHex(' '), QByteArray("0a 01 a8 c0"));
        QCOMPARE(b.mid(30, 2).toHex(' '), QByteArray("64 a0"));
        QCOMPARE(b.mid(40, 4).toHex(' '), QByteArray("40 07 01 00"));
        QCOMPARE(b.mid(74, 2).toHex(' '), QByteArray("0f 27"));
    }

    void linkModes_data()
    {
        QTest::addColumn<bool>("s10");
        QTest::addColumn<bool>("s100");
        QTest::addColumn<bool>("s1000");
        QTest::addColumn<bool>("half");
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("modes");
        QTest::newRow("10 and 1000 full") << true << false << true << false << true << 0x22;
        QTest::newRow("all") << true << true << true << true << true << 0x3F;
        QTest::newRow("100 half") << false << true << false << true << false << 0x04;
        QTest::newRow("no duplex") << true << true << true << false << false << 0x00;
        QTest::newRow("no speed") << false << false << false << true << true << 0x00;
    }
    void linkModes()
    {
        QFETCH(bool, s10);
        QFETCH(bool, s100);
        QFETCH(bool, s1000);
        QFETCH(bool, half);
        QFETCH(bool, full);
        QFETCH(int, modes);
        LinkChoice c;
        c.speed10 = s10;
        c.speed100 = s100;
        c.speed1000 = s1000;
        c.half = half;
        c.full = full;
        QCOMPARE(int(linkModesOf(c)), modes);
    }

    // A speed is on when either of its bits is, a duplex mode when any of
    // its three is; bits 6-7 mean nothing.
    void linkChoiceOf_data()
    {
        QTest::addColumn<int>("modes");
        QTest::addColumn<QString>("shown");   // 10 100 1000 H F
        QTest::newRow("0x30") << 0x30 << "00111";
        QTest::newRow("0x09: 10H and 100F") << 0x09 << "11011";
        QTest::newRow("0") << 0x00 << "00000";
        QTest::newRow("bits 6-7 only") << 0xC0 << "00000";
        QTest::newRow("0x22") << 0x22 << "10101";
    }
    void linkChoiceOf()
    {
        QFETCH(int, modes);
        QFETCH(QString, shown);
        const LinkChoice c = ::linkChoiceOf(uint8_t(modes));
        QString s;
        for (bool b : {c.speed10, c.speed100, c.speed1000, c.half, c.full})
            s += b ? '1' : '0';
        QCOMPARE(s, shown);
    }

    void tagControl_data()
    {
        QTest::addColumn<int>("pcp");
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("word");
        QTest::newRow("PCP 5 VID 100") << 5 << 100 << 0xA064;
        QTest::newRow("PCP 7 VID 4095: PCP not negative") << 7 << 4095 << 0xEFFF;
        QTest::newRow("zero") << 0 << 0 << 0;
    }
    void tagControl()
    {
        QFETCH(int, pcp);
        QFETCH(int, vid);
        QFETCH(int, word);
        QCOMPARE(int(tagControlOf(pcp, vid)), word);
        QCOMPARE(tagPcp(uint16_t(word)), pcp);
        QCOMPARE(tagVid(uint16_t(word)), vid);
        // Bit 12 is no part of either field.
        QCOMPARE(tagPcp(uint16_t(word | 0x1000)), pcp);
        QCOMPARE(tagVid(uint16_t(word | 0x1000)), vid);
    }

    void mplsEntry()
    {
        const uint32_t e = mplsEntryOf(16, 3, true, 64);
        QCOMPARE(e, 0x00010740u);
        QCOMPARE(mplsLabel(e), 16u);
        QCOMPARE(mplsTrafficClass(e), 3);
        QVERIFY(mplsBottomOfStack(e));
        QCOMPARE(mplsTtl(e), 64);
        QCOMPARE(mplsLabel(mplsEntryOf(0xFFFFF, 7, false, 255)), 0xFFFFFu);
    }

    void defaultTpids_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("tpids");
        QTest::newRow("0") << 0 << "0000 0000 0000";
        QTest::newRow("1") << 1 << "8100 0000 0000";
        QTest::newRow("2") << 2 << "9100 8100 0000";
        QTest::newRow("3") << 3 << "8100 8100 8100";
        QTest::newRow("4: none") << 4 << "0000 0000 0000";
    }
    void defaultTpids()
    {
        QFETCH(int, count);
        QFETCH(QString, tpids);
        QStringList shown;
        for (int tag = 0; tag < 3; ++tag)
            shown << tpidText(defaultTpid(count, tag));
        QCOMPARE(shown.join(' '), tpids);
    }

    void tpidReplaceable()
    {
        QVERIFY(::tpidReplaceable(0));
        QVERIFY(::tpidReplaceable(0x8100));
        QVERIFY(::tpidReplaceable(0x9100));
        QVERIFY(!::tpidReplaceable(0x88a8));
        QVERIFY(!::tpidReplaceable(0x0081));
    }

    void fieldTexts()
    {
        QCOMPARE(tpidText(0x8100), QString("8100"));
        QCOMPARE(tpidText(0x88A8), QString("88a8"));
        QCOMPARE(tpidText(0x0081), QString("0081"));
        QCOMPARE(int(tpidFromText("88A8")), 0x88a8);
        QCOMPARE(int(tpidFromText("zz")), 0);
        QCOMPARE(int(tpidFromText("")), 0);
        QCOMPARE(mplsLabelText(16), QString("00010"));
        QCOMPARE(mplsLabelText(0xFFFFF), QString("fffff"));
        QCOMPARE(mplsLabelFromText("fffff"), 0xFFFFFu);
        QCOMPARE(mplsLabelFromText("xyz"), 0u);
    }

    void defaultMac_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("serial");
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("mac");
        QTest::newRow("type 2 serial 5 Port B") << 2 << 5 << 1 << QByteArray("02:3a:91:6d:4b:f2");
        QTest::newRow("type 3 serial 10 Port RC") << 3 << 10 << 2 << QByteArray("02:3a:91:6d:4f:ed");
        QTest::newRow("type 3 serial 10 Port A") << 3 << 10 << 0 << QByteArray("02:3a:91:6d:4f:ec");
        QTest::newRow("type 2 serial 1100 Port A wraps") << 2 << 1100 << 0 << QByteArray("02:3a:91:6d:4f:1c");
        QTest::newRow("type 0 serial 1 Port A") << 0 << 1 << 0 << QByteArray("02:3a:91:6d:40:00");
        QTest::newRow("type 0 serial 1 Port B") << 0 << 1 << 1 << QByteArray("02:3a:91:6d:40:01");
        QTest::newRow("type 0 serial 1 Port RC") << 0 << 1 << 2 << QByteArray("02:3a:91:6d:40:02");
        QTest::newRow("type 0 serial 0 wraps below 0") << 0 << 0 << 0 << QByteArray("02:3a:91:6d:4f:fd");
        QTest::newRow("type 6 serial 3 Port RC") << 6 << 3 << 2 << QByteArray("02:3a:91:6d:4c:05");
        QTest::newRow("type 8 serial 65535 Port B") << 8 << 65535 << 1 << QByteArray("02:3a:91:6d:4c:04");
        QTest::newRow("type 9, outside the table") << 9 << 2 << 1 << QByteArray("02:3a:91:6d:40:04");
    }
    void defaultMac()
    {
        QFETCH(int, type);
        QFETCH(int, serial);
        QFETCH(int, port);
        QFETCH(QByteArray, mac);
        const std::array<uint8_t, 6> m = ::defaultMac(unsigned(type), uint16_t(serial), port);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(m.data()), 6).toHex(':'), mac);
    }

    // The fields of a record, written back into it, give the same bytes:
    // reserved bytes, filter VLAN IDs above 4095 and all.
    void fixtureRoundTrips()
    {
        const eth_settings_t original = fixture();
        eth_settings_t r = original;
        QVERIFY(!writeInterfaceFields(r, interfaceFieldsOf(r)));
        QCOMPARE(bytesOf(r).toHex(' '), bytesOf(original).toHex(' '));
    }

    void fieldsOfFixture()
    {
        const InterfaceFields f = interfaceFieldsOf(fixture());
        QCOMPARE(f.mac, QString("02:3a:91:6d:40:01"));
        QCOMPARE(f.ip, QString("192.168.1.10"));
        QCOMPARE(f.tpid[0], QString("88a8"));
        QCOMPARE(f.pcp[1], 7);
        QCOMPARE(f.vid[1], 4095);
        QCOMPARE(f.label[1], QString("fffff"));
        QCOMPARE(f.trafficClass[0], 3);
        QCOMPARE(f.ttl[1], 255);
        QCOMPARE(f.filterMac, QString("00:1b:2c:3d:4e:5f"));
        QCOMPARE(f.filterIp, QString("10.0.0.1"));
        QCOMPARE(f.filterVlanId2, 4096);
    }

    // The bottom-of-stack bit follows the count, in all three entries.
    void bottomOfStack_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("bits");
        QTest::newRow("0") << 0 << "000";
        QTest::newRow("1") << 1 << "100";
        QTest::newRow("2") << 2 << "010";
        QTest::newRow("3") << 3 << "001";
    }
    void bottomOfStack()
    {
        QFETCH(int, count);
        QFETCH(QString, bits);
        eth_settings_t r = fixture();
        InterfaceFields f = interfaceFieldsOf(r);
        f.mplsCount = count;
        writeInterfaceFields(r, f);
        QString s;
        for (uint32_t e : r.mpls)
            s += mplsBottomOfStack(e) ? '1' : '0';
        QCOMPARE(s, bits);
        QCOMPARE(int(r.mplsCount), count);
        QCOMPARE(mplsLabel(r.mpls[0]), 16u);   // the rest of the entry as it was
        QCOMPARE(mplsTtl(r.mpls[0]), 64);
    }

    // Addresses that do not pass their pattern keep the stored value; with
    // DHCP on, bytes 8-19 stay as they are whatever the fields say.
    void addresses_data()
    {
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<QByteArray>("bytes8to19");
        QTest::newRow("all valid") << false << "10.1.2.3" << "255.255.0.0" << "10.1.0.1"
                                   << QByteArray("03 02 01 0a 00 00 ff ff 01 00 01 0a");
        QTest::newRow("incomplete ip kept") << false << "192.168.1." << "255.255.0.0" << "10.1.0.1"
                                            << QByteArray("0a 01 a8 c0 00 00 ff ff 01 00 01 0a");
        QTest::newRow("non-contiguous mask kept") << false << "10.1.2.3" << "255.0.255.0" << "10.1.0.1"
                                                  << QByteArray("03 02 01 0a 00 ff ff ff 01 00 01 0a");
        QTest::newRow("empty gateway kept") << false << "10.1.2.3" << "0.0.0.0" << ""
                                            << QByteArray("03 02 01 0a 00 00 00 00 fe 01 a8 c0");
        QTest::newRow("dhcp leaves all") << true << "10.1.2.3" << "255.255.0.0" << "10.1.0.1"
                                         << QByteArray("0a 01 a8 c0 00 ff ff ff fe 01 a8 c0");
    }
    void addresses()
    {
        QFETCH(bool, dhcp);
        QFETCH(QString, ip);
        QFETCH(QString, mask);
        QFETCH(QString, gateway);
        QFETCH(QByteArray, bytes8to19);
        eth_settings_t r = fixture();
        InterfaceFields f = interfaceFieldsOf(r);
        f.dhcp = dhcp;
        f.ip = ip;
        f.mask = mask;
        f.gateway = gateway;
        writeInterfaceFields(r, f);
        QCOMPARE(bytesOf(r).mid(8, 12).toHex(' '), bytes8to19);
        QCOMPARE(int(r.dhcp), dhcp ? 1 : 0);
    }

    // Both MAC fields take ':' or '-' between the pairs; anything else that
    // is not a whole address is written as 00:00:00:00:00:00.
    void macs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("changed");
        QTest::newRow("same, with ':'") << "02:3a:91:6d:40:01" << QByteArray("02:3a:91:6d:40:01") << false;
        QTest::newRow("same, with '-' and capitals") << "02-3A-91-6D-40-01" << QByteArray("02:3a:91:6d:40:01")
                                                    << false;
        QTest::newRow("another") << "00:11:22:33:44:55" << QByteArray("00:11:22:33:44:55") << true;
        QTest::newRow("another with '-'") << "00-11-22-33-44-55" << QByteArray("00:11:22:33:44:55") << true;
        QTest::newRow("incomplete") << "00:11:22:33:44" << QByteArray("00:00:00:00:00:00") << true;
        QTest::newRow("empty") << "" << QByteArray("00:00:00:00:00:00") << true;
    }
    void macs()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, changed);
        eth_settings_t r = fixture();
        InterfaceFields f = interfaceFieldsOf(r);
        f.mac = text;
        f.filterMac = text;
        QCOMPARE(writeInterfaceFields(r, f), changed);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(r.mac), 6).toHex(':'), bytes);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(r.filterMac), 6).toHex(':'), bytes);
    }

    // What the editor normalises: flags to 0/1, link modes to the product
    // of speeds and duplex modes; TPID and label texts that are no
    // hexadecimal numbers to 0.
    void normalised()
    {
        eth_settings_t r = fixture();
        r.dhcp = 2;
        r.linkModes = 0xC9;            // 10H and 100F, bits 6-7
        r.filterMacDest = 5;
        InterfaceFields f = interfaceFieldsOf(r);
        QVERIFY(f.dhcp);
        f.dhcp = true;
        f.tpid[2] = QStringLiteral("xyz");
        f.label[2] = QStringLiteral("q");
        writeInterfaceFields(r, f);
        QCOMPARE(int(r.dhcp), 1);
        QCOMPARE(int(r.linkModes), 0x0F);
        QCOMPARE(int(r.filterMacDest), 1);
        QCOMPARE(int(r.tpid[2]), 0);
        QCOMPARE(mplsLabel(r.mpls[2]), 0u);
    }

    // A tag control word goes back whole while its PCP and VLAN ID are as
    // stored, in use or not: the editor does not show bit 12 (DEI), so it
    // cannot have changed it. A tag whose PCP or VLAN ID was edited is
    // written from the two fields, bit 12 clear.
    void tagWordsKeptUnlessEdited_data()
    {
        QTest::addColumn<int>("tag");      // 0-2; the fixture has one tag in use
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("pcp");      // -1: as stored
        QTest::addColumn<int>("vid");      // -1: as stored
        QTest::addColumn<int>("written");
        QTest::newRow("every bit, in use") << 0 << 0xFFFF << -1 << -1 << 0xFFFF;
        QTest::newRow("DEI alone, in use") << 0 << 0x1000 << -1 << -1 << 0x1000;
        QTest::newRow("DEI beyond the count") << 2 << 0xB064 << -1 << -1 << 0xB064;
        QTest::newRow("no DEI") << 0 << 0xA064 << -1 << -1 << 0xA064;
        QTest::newRow("PCP edited") << 0 << 0xFFFF << 3 << -1 << 0x6FFF;
        QTest::newRow("VID edited") << 1 << 0xB064 << -1 << 200 << 0xA0C8;
        QTest::newRow("both edited to 0") << 0 << 0x1001 << 0 << 0 << 0x0000;
        QTest::newRow("typed as stored") << 0 << 0xFFFF << 7 << 4095 << 0xFFFF;
    }
    void tagWordsKeptUnlessEdited()
    {
        QFETCH(int, tag);
        QFETCH(int, stored);
        QFETCH(int, pcp);
        QFETCH(int, vid);
        QFETCH(int, written);
        eth_settings_t r = fixture();
        r.vlanCount = 1;
        r.tagControl[tag] = uint16_t(stored);
        const eth_settings_t before = r;
        InterfaceFields f = interfaceFieldsOf(r);
        if (pcp >= 0)
            f.pcp[tag] = pcp;
        if (vid >= 0)
            f.vid[tag] = vid;
        writeInterfaceFields(r, f);
        QCOMPARE(QString::number(r.tagControl[tag], 16), QString::number(written, 16));
        // The other tags and every other byte as they were.
        eth_settings_t expected = before;
        expected.tagControl[tag] = uint16_t(written);
        QCOMPARE(bytesOf(r).toHex(' '), bytesOf(expected).toHex(' '));
    }

    // Counts beyond 3 and filter VLAN IDs beyond the editor's range go back
    // as given (the editor passes the stored value while untouched).
    void countsAsGiven()
    {
        eth_settings_t r = fixture();
        InterfaceFields f = interfaceFieldsOf(r);
        f.vlanCount = 7;
        f.mplsCount = 9;
        f.filterVlanId1 = 65535;
        writeInterfaceFields(r, f);
        QCOMPARE(int(r.vlanCount), 7);
        QCOMPARE(int(r.mplsCount), 9);
        QCOMPARE(int(r.filterVlanId1), 65535);
        for (uint32_t e : r.mpls)
            QVERIFY(!mplsBottomOfStack(e));
    }
};

QTEST_GUILESS_MAIN(TestInterfaceFormat)
#include "tst_interfaceformat.moc"
