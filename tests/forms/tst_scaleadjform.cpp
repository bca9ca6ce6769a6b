// The synchronisation form driven through its real widgets, offscreen,
// against the simulated tester over TCP with a real Device in a worker
// thread.

#include "formrig.h"
#include "../support/widgetlookup.h"
#include "scaleadjform.h"
#include "syncformat.h"
#include "textfit.h"
#include "textfunctions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtTest>

#include <cstring>
#include <limits>

namespace {

using fieldstyle::Black;
using fieldstyle::Blue;
using fieldstyle::Grey;

constexpr uint32_t sources(std::initializer_list<int> ids)
{
    uint32_t m = 0;
    for (int id : ids)
        m |= 1u << id;
    return m;
}

const uint32_t AllSources = sources({1, 2, 3, 4, 5});

gps_info_t gpsFixture()
{
    gps_info_t g;
    memset(&g, 0, sizeof g);
    g.gps_sync = 1;
    g.pps_sync = 1;
    g.reserved1[0] = 0xE1;
    g.reserved1[1] = 0xE2;
    g.gps_time = 1700000000u;   // 22:13:20 14.11.23 UTC
    g.latitude = 12.5f;
    g.longitude = 45.25f;
    g.hemisphere = 0x81;        // bit 0: south and west; bit 7 not read
    g.pdop = 1.8f;
    g.hdop = 0.9f;
    g.vdop = 1.5f;
    g.reserved2[0] = 0xE3;
    g.reserved2[2] = 0xE5;
    g.satellites_used = 2;
    g.satellite_count = 3;
    g.satellites[0] = {2, 67, 112, 44, 1};
    g.satellites[1] = {13, 80, 359, 46, 1};
    g.satellites[2] = {24, 8, 330, 19, 0};
    return g;
}

// A settings record whose every field is within the form's ranges, with
// patterns in the bytes the form does not edit.
sync_settings_t fixture()
{
    sync_settings_t s;
    memset(&s, 0, sizeof s);
    s.reference = SyncSourceGps;
    s.measured = SyncSourcePtp;
    s.reserved1[0] = 0xA1;
    s.reserved1[1] = 0xA2;
    s.duration = 3661;
    s.relative_time_interval = 1;
    s.reserved2[0] = 0xB1;
    s.reserved2[1] = 0xB2;
    s.reserved2[2] = 0xB3;
    s.ptp.mode = PtpModeUnicast;
    s.ptp.domain = 24;
    s.ptp.server_index = 2;
    s.ptp.reserved = 0xC1;
    s.ptp.master_ip = ipv4(10, 1, 2, 3);
    s.ptp.auto_domain = 0;
    s.ptp.unicast_negotiation = 1;
    s.ptp.announce_interval = -2;
    s.ptp.sync_interval = 3;
    s.convert_to_utc = 1;
    for (int i = 0; i < 7; ++i)
        s.reserved3[i] = uint8_t(0xD1 + i);
    s.servers[0] = ipv4(192, 168, 0, 50);
    s.servers[2] = ipv4(192, 168, 0, 51);
    s.ntp1_ip = ipv4(192, 168, 0, 10);
    s.ntp1_port = 123;
    s.ntp1_interval = 16;
    s.ntp2_ip = ipv4(10, 0, 0, 1);
    s.ntp2_port = 1123;
    s.ntp2_interval = 60;
    s.gps = gpsFixture();
    return s;
}

sync_results_t resultsFixture()
{
    sync_results_t r;
    memset(&r, 0x77, sizeof r);   // the reserved bytes: a pattern nobody reads
    r.elapsed_time = 1200;
    r.phase_instant = 1500;
    r.phase_average = -2500000;
    r.phase_min = 999;
    r.phase_max = 1000;
    r.reference_time = 1700000000u;
    r.measured_time = 1700000010u;
    memset(&r.master, 0, sizeof r.master);
    r.master.master_ip = ipv4(192, 168, 0, 50);
    const uint8_t id[8] = {0x00, 0x1B, 0x19, 0xFF, 0xFE, 0x00, 0x00, 0x01};
    memcpy(r.master.clock_identity, id, sizeof id);
    r.master.port_number = 1;
    r.master.announce_interval = -3;
    r.master.sync_interval = PtpIntervalNotGiven;
    r.master.clock_class = 6;
    r.master.clock_accuracy = 33;
    r.master.time_source = 160;
    r.master.utc_offset = 37;
    r.master.priority1 = 128;
    r.master.priority2 = 127;
    memset(&r.ntp1, 0, sizeof r.ntp1);
    r.ntp1.server_ip = ipv4(192, 168, 0, 10);
    r.ntp1.version = 4;
    r.ntp1.stratum = 1;
    r.ntp1.poll = 6;
    r.ntp1.precision = -20;
    r.ntp1.root_delay = (32768u << 16) | 1u;
    r.ntp1.root_dispersion = 65535u;
    memcpy(r.ntp1.reference_id, "GPS", 4);
    memset(&r.ntp2, 0, sizeof r.ntp2);
    return r;
}

} // namespace

class TestScaleAdjForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    ScaleAdjForm *form = nullptr;

    template <class T>
    T *child(const char *name)
    {
        return findWidget<T>(form, name);
    }

    QString cell(const char *table, int row, int column = 0)
    {
        return cellText(child<QTableWidget>(table), row, column);
    }

    static QStringList items(QComboBox *box)
    {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }

    void storeOnTester(const sync_settings_t &s)
    {
        rig->storeSettings(PortA, TestSync, recordBytes(s));
    }

    // The tester reports these sources, and the Device has polled them.
    void setSources(uint32_t mask)
    {
        rig->tester([&](SimRemoteResponder &r) { r.status.syncSources = mask; });
        QVERIFY(rig->waitForPolls(2));
    }

    // The form re-reads its record (Reset) and is refilled.
    void reload()
    {
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
    }

    sync_settings_t lastSent()
    {
        const QList<QByteArray> sent = rig->sentSettings(PortA, TestSync);
        return sent.isEmpty() ? sync_settings_t{} : recordFrom<sync_settings_t>(sent.last());
    }

    QByteArray applyAndSend()
    {
        rig->sim.clearRequests();
        form->bApplyClicked();
        if (!rig->waitForSettingsSent(PortA, TestSync))
            return QByteArray();
        return rig->sentSettings(PortA, TestSync).last();
    }

    // An operator's pick of an entry of a source list.
    void choose(QComboBox *box, const QString &text)
    {
        const int i = box->findText(text);
        QVERIFY2(i >= 0, qPrintable(text));
        box->setCurrentIndex(i);
        emit box->activated(i);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
        rig.reset(new FormRig(0));
        rig->tester([](SimRemoteResponder &r) { r.status.syncSources = AllSources; });
        storeOnTester(fixture());
        QVERIFY(rig->connectDevice());
        form = new ScaleAdjForm(rig->device);
        form->resize(833, 494);
    }

    void cleanupTestCase()
    {
        delete form;
        rig.reset();
    }

    void init()
    {
        rig->device->setCurrentProcess(PortA);
        storeOnTester(fixture());
        rig->tester([](SimRemoteResponder &r) {
            for (auto &p : r.status.process)
                p.tx = p.rx = 0;
            r.resultsValid = 1;
            r.replyOverride.clear();
            r.realistic = false;
        });
        setSources(AllSources);
        form->activate();
        QVERIFY(rig->drain());
        reload();
        rig->sim.clearRequests();
    }

    void firstActivationFillsTheForm()
    {
        QCOMPARE(child<QGroupBox>("gScaleMeas")->title(), QString("Synchronization (Port A)"));
        QCOMPARE(child<QPushButton>("bStartXX")->text(), QString("Start A->A"));
        auto *base = child<QComboBox>("cbBase");
        auto *meas = child<QComboBox>("cbMeas");
        QCOMPARE(items(base), QStringList({"RF", "PTP", "GPS", "NTP 1", "NTP 2"}));
        QCOMPARE(base->currentText(), QString("GPS"));
        QCOMPARE(items(meas), QStringList({"RF", "PTP", "NTP 1", "NTP 2"}));
        QCOMPARE(meas->currentText(), QString("PTP"));
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QVERIFY(child<QCheckBox>("cbRTI")->isChecked());
        QVERIFY(child<QRadioButton>("rUnicast")->isChecked());
        QVERIFY(!child<QCheckBox>("cAutoDomain")->isChecked());
        QCOMPARE(child<QSpinBox>("sDomain")->value(), 24);
        QCOMPARE(child<QLineEdit>("lIPMaster")->text(), QString("10.1.2.3"));
        QVERIFY(child<QCheckBox>("cUnicastNeg")->isChecked());
        QCOMPARE(child<QSpinBox>("sAnnInt")->value(), -2);
        QCOMPARE(child<QSpinBox>("sSyncInt")->value(), 3);
        QVERIFY(child<QCheckBox>("cConvertToUTC")->isChecked());
        QCOMPARE(child<QLineEdit>("NTP1IPaddr")->text(), QString("192.168.0.10"));
        QCOMPARE(child<QSpinBox>("sNTP1port")->value(), 123);
        QCOMPARE(child<QSpinBox>("sNTP1interval")->value(), 16);
        QCOMPARE(child<QLineEdit>("NTP2IPaddr")->text(), QString("10.0.0.1"));
        QCOMPARE(child<QSpinBox>("sNTP2port")->value(), 1123);
        QCOMPARE(child<QSpinBox>("sNTP2interval")->value(), 60);
        QCOMPARE(child<QTableWidget>("tSrv")->currentRow(), 2);
        QCOMPARE(cell("tSrv", 0, 0), QString("BMCA"));
        QCOMPARE(cell("tSrv", 0, 1), QString("192.168.0.50"));
        QCOMPARE(cell("tSrv", 1, 0), QString("None"));
        QCOMPARE(cell("tSrv", 1, 1), QString("-"));
        QCOMPARE(cell("tSrv", 2, 0), QString("Server"));
        QCOMPARE(cell("tSrv", 2, 1), QString("192.168.0.51"));
        QCOMPARE(child<QTableWidget>("tSrv")->item(2, 1)->textAlignment(), int(Qt::AlignCenter));
        for (const char *name : {"cbBase", "cbMeas", "tDur", "cbRTI", "rUnicast", "rMulticast", "cAutoDomain",
                                 "sDomain", "lIPMaster", "cUnicastNeg", "sAnnInt", "sSyncInt", "NTP1IPaddr",
                                 "sNTP1port", "sNTP1interval", "NTP2IPaddr", "sNTP2port", "sNTP2interval"})
            QVERIFY2(form->findChild<QWidget *>(name)->styleSheet() != Blue, name);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        auto *pages = child<QTabWidget>("tScaleSettings");
        QCOMPARE(pages->count(), 7);
        QVERIFY(!pages->isTabEnabled(3));
        QVERIFY(!pages->isTabEnabled(4));
        QCOMPARE(child<QTabWidget>("tScaleAdj")->currentIndex(), 0);
    }

    // Start applies the record, sends topology 1 and starts test 17 on the
    // current port; a record untouched by the operator goes back byte for
    // byte, servers, GPS block and reserved bytes included.
    void startSendsTheExactRecord()
    {
        auto *start = child<QPushButton>("bStartXX");
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
        start->click();
        rig->expectStart(PortA, TestSync, TopologySamePort, recordBytes(fixture()));
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestSync);
    }

    void storedRecordRoundTripsUnchanged_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("fixture") << recordBytes(fixture());
        sync_settings_t s = fixture();
        s.ptp.mode = PtpModeMulticast;
        s.ptp.auto_domain = 1;
        s.ptp.unicast_negotiation = 0;
        s.relative_time_interval = 0;
        s.convert_to_utc = 0;
        s.ptp.server_index = PtpNoServer;
        QTest::newRow("multicast, flags off, no server") << recordBytes(s);
        s = fixture();
        // Flag bytes other than 0 and 1, a mode the form shows as unicast, a
        // server index beyond the list: shown for what they mean, kept.
        s.relative_time_interval = 2;
        s.convert_to_utc = 0x80;
        s.ptp.auto_domain = 5;
        s.ptp.unicast_negotiation = 9;
        s.ptp.mode = 7;
        s.ptp.server_index = 200;
        QTest::newRow("odd flag bytes") << recordBytes(s);
        s = fixture();
        s.reference = SyncSourceNtp1;
        s.measured = SyncSourceNtp1;
        QTest::newRow("NTP 1 against itself") << recordBytes(s);
    }
    void storedRecordRoundTripsUnchanged()
    {
        QFETCH(QByteArray, record);
        rig->storeSettings(PortA, TestSync, record);
        reload();
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(applyAndSend().toHex(' '), record.toHex(' '));
    }

    void editsReachTheTester()
    {
        auto *apply = child<QPushButton>("bApply");
        child<QTimeEdit>("tDur")->setTime(QTime(0, 10, 0));
        QCOMPARE(child<QTimeEdit>("tDur")->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        child<QCheckBox>("cbRTI")->setChecked(false);
        QCOMPARE(child<QCheckBox>("cbRTI")->styleSheet(), Blue);
        child<QSpinBox>("sDomain")->setValue(7);
        typeInto(child<QLineEdit>("lIPMaster"), "172.16.5.9");
        QCOMPARE(child<QLineEdit>("lIPMaster")->styleSheet(), Blue);
        child<QSpinBox>("sAnnInt")->setValue(-5);
        child<QSpinBox>("sSyncInt")->setValue(5);
        child<QCheckBox>("cConvertToUTC")->setChecked(false);
        typeInto(child<QLineEdit>("NTP1IPaddr"), "192.168.1.1");
        QCOMPARE(child<QLineEdit>("NTP1IPaddr")->styleSheet(), Blue);
        typeInto(child<QLineEdit>("NTP2IPaddr"), "10.0.");   // half typed: missing octets are 0
        child<QSpinBox>("sNTP1port")->setValue(65535);
        child<QSpinBox>("sNTP1interval")->setValue(0);
        child<QSpinBox>("sNTP2port")->setValue(1);
        child<QSpinBox>("sNTP2interval")->setValue(1);
        child<QTableWidget>("tSrv")->setCurrentCell(0, 0);
        choose(child<QComboBox>("cbMeas"), "NTP 2");
        QCOMPARE(child<QComboBox>("cbMeas")->styleSheet(), Blue);

        rig->sim.clearRequests();
        apply->click();
        QVERIFY(!apply->isEnabled());
        for (const char *name : {"tDur", "cbRTI", "sDomain", "lIPMaster", "NTP1IPaddr", "sNTP1port", "cbMeas"})
            QCOMPARE(form->findChild<QWidget *>(name)->styleSheet(), Black);
        QVERIFY(rig->waitForSettingsSent(PortA, TestSync));
        const sync_settings_t sent = lastSent();
        sync_settings_t expected = fixture();
        expected.measured = SyncSourceNtp2;
        expected.duration = 600;
        expected.relative_time_interval = 0;
        expected.ptp.domain = 7;
        expected.ptp.master_ip = ipv4(172, 16, 5, 9);
        expected.ptp.announce_interval = -5;
        expected.ptp.sync_interval = 5;
        expected.ptp.server_index = 0;
        expected.convert_to_utc = 0;
        expected.ntp1_ip = ipv4(192, 168, 1, 1);
        expected.ntp1_port = 65535;
        expected.ntp1_interval = 0;
        expected.ntp2_ip = ipv4(10, 0, 0, 0);
        expected.ntp2_port = 1;
        expected.ntp2_interval = 1;
        QCOMPARE(recordBytes(sent).toHex(' '), recordBytes(expected).toHex(' '));
    }

    // The fills used to tick a check box for a set flag and never untick it.
    void checkBoxesFollowTheRecordBothWays()
    {
        sync_settings_t s = fixture();
        s.relative_time_interval = 0;
        s.ptp.auto_domain = 1;
        s.ptp.unicast_negotiation = 0;
        s.convert_to_utc = 0;
        storeOnTester(s);
        reload();
        QVERIFY(!child<QCheckBox>("cbRTI")->isChecked());
        QVERIFY(child<QCheckBox>("cAutoDomain")->isChecked());
        QVERIFY(!child<QCheckBox>("cUnicastNeg")->isChecked());
        QVERIFY(!child<QCheckBox>("cConvertToUTC")->isChecked());
        QVERIFY(!child<QSpinBox>("sDomain")->isEnabled());
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());

        storeOnTester(fixture());
        reload();
        QVERIFY(child<QCheckBox>("cbRTI")->isChecked());
        QVERIFY(!child<QCheckBox>("cAutoDomain")->isChecked());
        QVERIFY(child<QCheckBox>("cUnicastNeg")->isChecked());
        QVERIFY(child<QCheckBox>("cConvertToUTC")->isChecked());
        QVERIFY(child<QSpinBox>("sDomain")->isEnabled());
        for (const char *name : {"cbRTI", "cAutoDomain", "cUnicastNeg"})
            QCOMPARE(form->findChild<QWidget *>(name)->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    // The source lists as the tester's source word and the stored pair make
    // them; the next Apply writes the pair the lists settled on.
    void sourceListsFollowTheTester_data()
    {
        QTest::addColumn<uint>("mask");
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("measured");
        QTest::addColumn<QStringList>("baseItems");
        QTest::addColumn<QString>("baseCurrent");
        QTest::addColumn<QStringList>("measItems");
        QTest::addColumn<QString>("measCurrent");
        QTest::addColumn<int>("writtenReference");
        QTest::addColumn<int>("writtenMeasured");
        QTest::newRow("NTP only, pair 0/0") << uint(sources({4, 5})) << 0 << 0 << QStringList({"NTP 1", "NTP 2"})
                                            << "NTP 1" << QStringList({"NTP 2"}) << "NTP 2" << 4 << 5;
        QTest::newRow("pair kept") << uint(sources({1, 2, 3})) << 3 << 2 << QStringList({"RF", "PTP", "GPS"})
                                   << "GPS" << QStringList({"RF", "PTP"}) << "PTP" << 3 << 2;
        QTest::newRow("first pair") << uint(sources({1, 4})) << 4 << 5 << QStringList({"RF", "NTP 1"}) << "RF"
                                    << QStringList({"NTP 1"}) << "NTP 1" << 1 << 4;
        QTest::newRow("one source") << uint(sources({3})) << 3 << 2 << QStringList({"No source"}) << "No source"
                                    << QStringList({"No source"}) << "No source" << 0 << 0;
        QTest::newRow("none") << 0u << 1 << 2 << QStringList({"No source"}) << "No source"
                              << QStringList({"No source"}) << "No source" << 0 << 0;
        // Bits that name no source offer nothing.
        QTest::newRow("bits 0 and 6-31") << 0xFFFFFFC1u << 1 << 2 << QStringList({"No source"}) << "No source"
                                         << QStringList({"No source"}) << "No source" << 0 << 0;
        QTest::newRow("stored ids out of range") << uint(sources({2, 5})) << 250 << 40
                                                 << QStringList({"PTP", "NTP 2"}) << "PTP"
                                                 << QStringList({"NTP 2"}) << "NTP 2" << 2 << 5;
    }
    void sourceListsFollowTheTester()
    {
        QFETCH(uint, mask);
        QFETCH(int, reference);
        QFETCH(int, measured);
        QFETCH(QStringList, baseItems);
        QFETCH(QString, baseCurrent);
        QFETCH(QStringList, measItems);
        QFETCH(QString, measCurrent);
        QFETCH(int, writtenReference);
        QFETCH(int, writtenMeasured);
        sync_settings_t s = fixture();
        s.reference = uint8_t(reference);
        s.measured = uint8_t(measured);
        storeOnTester(s);
        setSources(mask);
        reload();
        auto *base = child<QComboBox>("cbBase");
        auto *meas = child<QComboBox>("cbMeas");
        QCOMPARE(items(base), baseItems);
        QCOMPARE(base->currentText(), baseCurrent);
        QCOMPARE(items(meas), measItems);
        QCOMPARE(meas->currentText(), measCurrent);
        const bool choice = writtenReference != 0;
        QCOMPARE(base->isEnabled(), choice);
        QCOMPARE(meas->isEnabled(), choice);
        QCOMPARE(base->styleSheet() == Blue, false);
        QCOMPARE(meas->styleSheet() == Blue, false);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        const sync_settings_t sent = recordFrom<sync_settings_t>(applyAndSend());
        QCOMPARE(int(sent.reference), writtenReference);
        QCOMPARE(int(sent.measured), writtenMeasured);
    }

    void idleFormFollowsTheSourcesOfEachPoll()
    {
        auto *base = child<QComboBox>("cbBase");
        auto *meas = child<QComboBox>("cbMeas");
        auto *apply = child<QPushButton>("bApply");
        QCOMPARE(meas->currentText(), QString("PTP"));

        // A further source leaves the pair alone; both lists take it in.
        setSources(sources({2, 3, 5}));
        QTRY_COMPARE_WITH_TIMEOUT(items(base), QStringList({"PTP", "GPS", "NTP 2"}), EventuallyMs);
        setSources(sources({1, 2, 3, 5}));
        QTRY_COMPARE_WITH_TIMEOUT(items(base), QStringList({"RF", "PTP", "GPS", "NTP 2"}), EventuallyMs);
        QCOMPARE(base->currentText(), QString("GPS"));
        QCOMPARE(items(meas), QStringList({"RF", "PTP", "NTP 2"}));
        QCOMPARE(meas->currentText(), QString("PTP"));

        // The measured source goes away: the first usable pair, nothing blue.
        setSources(sources({1, 3, 5}));
        QTRY_COMPARE_WITH_TIMEOUT(base->currentText(), QString("RF"), EventuallyMs);
        QCOMPARE(meas->currentText(), QString("GPS"));
        QCOMPARE(items(meas), QStringList({"GPS", "NTP 2"}));
        QVERIFY(base->styleSheet() != Blue);
        QVERIFY(meas->styleSheet() != Blue);
        QVERIFY(!apply->isEnabled());
        const sync_settings_t sent = recordFrom<sync_settings_t>(applyAndSend());
        QCOMPARE(int(sent.reference), int(SyncSourceRf));
        QCOMPARE(int(sent.measured), int(SyncSourceGps));
    }

    void choosingTheMeasuredSourceAsReference()
    {
        auto *base = child<QComboBox>("cbBase");
        auto *meas = child<QComboBox>("cbMeas");
        setSources(sources({2, 3, 4}));
        reload();
        QCOMPARE(base->currentText(), QString("GPS"));
        QCOMPARE(meas->currentText(), QString("PTP"));
        choose(base, "PTP");
        // The measured source moves to the lowest other usable one.
        QCOMPARE(items(meas), QStringList({"GPS", "NTP 1"}));
        QCOMPARE(meas->currentText(), QString("GPS"));
        QCOMPARE(base->styleSheet(), Blue);
        QCOMPARE(meas->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        // Back to the stored pair: black, Apply stays enabled.
        choose(base, "GPS");
        choose(meas, "PTP");
        QCOMPARE(base->styleSheet(), Black);
        QCOMPARE(meas->styleSheet(), Black);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        choose(base, "PTP");
        const sync_settings_t sent = recordFrom<sync_settings_t>(applyAndSend());
        QCOMPARE(int(sent.reference), int(SyncSourcePtp));
        QCOMPARE(int(sent.measured), int(SyncSourceGps));
    }

    // The settings are read again at every poll while the form is idle; an
    // edit made between two reads stays in its field and reaches the
    // tester unchanged at Apply.
    void editBetweenReReadsReachesTheTester()
    {
        auto *port = child<QSpinBox>("sNTP2port");
        auto *address = child<QLineEdit>("NTP1IPaddr");
        port->setValue(4242);
        typeInto(address, "192.168.7.7");
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(3));
        QVERIFY(rig->requestsOf(0x11).size() >= 2);
        QCOMPARE(port->value(), 4242);
        QCOMPARE(port->styleSheet(), Blue);
        QCOMPARE(address->text(), QString("192.168.7.7"));
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        const sync_settings_t sent = recordFrom<sync_settings_t>(applyAndSend());
        QCOMPARE(int(sent.ntp2_port), 4242);
        QCOMPARE(sent.ntp1_ip, ipv4(192, 168, 7, 7));
    }

    void serverListAndGpsFollowTheTesterOnlyWhileIdle()
    {
        sync_settings_t s = fixture();
        s.servers[1] = ipv4(192, 168, 0, 99);
        s.gps.satellite_count = 1;
        storeOnTester(s);
        QTRY_COMPARE_WITH_TIMEOUT(cell("tSrv", 1, 1), QString("192.168.0.99"), EventuallyMs);
        QCOMPARE(child<QTableWidget>("tGpsSatInf")->rowCount(), 1);
        // The operator's row choice is kept across the redraw.
        QCOMPARE(child<QTableWidget>("tSrv")->currentRow(), 2);

        // Running: no more settings reads, the tables stay.
        child<QPushButton>("bStartXX")->click();
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        s.servers[1] = ipv4(192, 168, 0, 77);
        storeOnTester(s);
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(rig->requestsOf(0x11).isEmpty());
        QCOMPARE(cell("tSrv", 1, 1), QString("192.168.0.99"));
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestSync);
    }

    void runNtpSyncStartsNtp1AgainstItself()
    {
        auto *base = child<QComboBox>("cbBase");
        auto *meas = child<QComboBox>("cbMeas");
        child<QPushButton>("bNTP1NTP1")->click();
        sync_settings_t expected = fixture();
        expected.reference = SyncSourceNtp1;
        expected.measured = SyncSourceNtp1;
        rig->expectStart(PortA, TestSync, TopologySamePort, recordBytes(expected));
        // The lists keep the operator's choice.
        QCOMPARE(base->currentText(), QString("GPS"));
        QCOMPARE(meas->currentText(), QString("PTP"));
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestSync);

        // NTP 1 shows as reference; the measured list never offers it, and
        // the pair stays 4/4 until the operator picks another entry.
        reload();
        QCOMPARE(base->currentText(), QString("NTP 1"));
        QVERIFY(!items(meas).contains("NTP 1"));
        const sync_settings_t sent = recordFrom<sync_settings_t>(applyAndSend());
        QCOMPARE(int(sent.measured), int(SyncSourceNtp1));
    }

    void multicastGreysTheUnicastFields()
    {
        sync_settings_t s = fixture();
        s.ptp.mode = PtpModeMulticast;
        storeOnTester(s);
        reload();
        QVERIFY(child<QRadioButton>("rMulticast")->isChecked());
        for (const char *name : {"lIPMaster", "cUnicastNeg", "sAnnInt", "sSyncInt"})
            QVERIFY2(!form->findChild<QWidget *>(name)->isEnabled(), name);
        QCOMPARE(child<QRadioButton>("rMulticast")->styleSheet(), Black);
        QCOMPARE(child<QRadioButton>("rUnicast")->styleSheet(), Black);
        QCOMPARE(child<QLineEdit>("lIPMaster")->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());

        // To unicast: both radio buttons blue, the unicast fields back.
        child<QRadioButton>("rUnicast")->setChecked(true);
        QCOMPARE(child<QRadioButton>("rMulticast")->styleSheet(), Blue);
        QCOMPARE(child<QRadioButton>("rUnicast")->styleSheet(), Blue);
        QVERIFY(child<QLineEdit>("lIPMaster")->isEnabled());
        QVERIFY(child<QSpinBox>("sAnnInt")->isEnabled());
        QVERIFY(child<QPushButton>("bApply")->isEnabled());

        // After Apply without negotiation the intervals are grey.
        child<QCheckBox>("cUnicastNeg")->setChecked(false);
        QCOMPARE(child<QCheckBox>("cUnicastNeg")->styleSheet(), Blue);
        QVERIFY(!applyAndSend().isEmpty());
        QCOMPARE(child<QSpinBox>("sAnnInt")->styleSheet(), Grey);
        QCOMPARE(child<QSpinBox>("sSyncInt")->styleSheet(), Grey);
        QCOMPARE(child<QRadioButton>("rUnicast")->styleSheet(), Black);
        const sync_settings_t sent = lastSent();
        QCOMPARE(int(sent.ptp.mode), int(PtpModeUnicast));
        QCOMPARE(int(sent.ptp.unicast_negotiation), 0);
    }

    void convertToUtcAndServerRowMarkNothing()
    {
        auto *apply = child<QPushButton>("bApply");
        child<QCheckBox>("cConvertToUTC")->setChecked(false);
        child<QTableWidget>("tSrv")->setCurrentCell(5, 0);
        QVERIFY(!apply->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStartXX")->isEnabled(), EventuallyMs);
        child<QPushButton>("bStartXX")->click();
        sync_settings_t expected = fixture();
        expected.convert_to_utc = 0;
        expected.ptp.server_index = 5;
        rig->expectStart(PortA, TestSync, TopologySamePort, recordBytes(expected));
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestSync);
    }

    // Values a widget cannot show are marked, so that Apply, which writes
    // what is shown, does not change them unseen.
    void unshownValuesAreMarked_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("shown");
        QTest::newRow("NTP 1 port 0") << "sNTP1port" << 1;
        QTest::newRow("NTP 2 interval 0") << "sNTP2interval" << 1;
        QTest::newRow("NTP 1 interval 61") << "sNTP1interval" << 60;
        QTest::newRow("announce interval 9") << "sAnnInt" << 5;
        QTest::newRow("sync interval -128") << "sSyncInt" << -5;
    }
    void unshownValuesAreMarked()
    {
        QFETCH(QString, field);
        QFETCH(int, shown);
        // The widget shows the value it would clamp to before the reload,
        // so the clamp changes nothing the widget could signal.
        auto *box = form->findChild<QSpinBox *>(field);
        QVERIFY(box);
        box->setValue(shown);
        sync_settings_t s = fixture();
        if (field == "sNTP1port")
            s.ntp1_port = 0;
        else if (field == "sNTP2interval")
            s.ntp2_interval = 0;
        else if (field == "sNTP1interval")
            s.ntp1_interval = 61;
        else if (field == "sAnnInt")
            s.ptp.announce_interval = 9;
        else
            s.ptp.sync_interval = -128;
        storeOnTester(s);
        reload();
        QCOMPARE(box->value(), shown);
        QCOMPARE(box->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
    }

    void durationOfADayOrMoreStaysMarked()
    {
        auto *duration = child<QTimeEdit>("tDur");
        sync_settings_t s = fixture();
        s.duration = 90000;
        storeOnTester(s);
        reload();
        QCOMPARE(duration->time(), QTime(1, 1, 1));   // no time of day for it
        QCOMPARE(duration->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(recordFrom<sync_settings_t>(applyAndSend()).duration, 3661u);
    }

    void resetReturnsAddressFieldsToBlack()
    {
        auto *address = child<QLineEdit>("NTP2IPaddr");
        typeInto(address, "10.0.0.2");
        QCOMPARE(address->styleSheet(), Blue);
        typeInto(address, "10.0.0.1");
        QCOMPARE(address->styleSheet(), Black);
        typeInto(address, "10.0.0.3");
        reload();
        QCOMPARE(address->text(), QString("10.0.0.1"));
        QCOMPARE(address->styleSheet(), Black);
    }

    // Shown for Port B (a loaded report of that port), the form reads, shows,
    // applies and starts on Port B alone: never Port A's record sent to
    // Port B or the other way round.
    void onePortThroughout()
    {
        sync_settings_t b = fixture();
        b.duration = 7322;
        b.ntp1_port = 4123;
        rig->storeSettings(PortB, TestSync, recordBytes(b));
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("gScaleMeas")->title(), QString("Synchronization (Port B)"));
        QTRY_COMPARE_WITH_TIMEOUT(child<QTimeEdit>("tDur")->time(), QTime(2, 2, 2), EventuallyMs);
        QCOMPARE(child<QSpinBox>("sNTP1port")->value(), 4123);
        child<QSpinBox>("sNTP2port")->setValue(2000);
        rig->sim.clearRequests();
        auto *start = child<QPushButton>("bStartXX");
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
        start->click();
        b.ntp2_port = 2000;
        rig->expectStart(PortB, TestSync, TopologySamePort, recordBytes(b));
        QVERIFY(rig->sentSettings(PortA, TestSync).isEmpty());
        rig->expectStop(child<QPushButton>("bStop"), PortB, TestSync);
        rig->device->setCurrentProcess(PortA);
        QVERIFY(rig->drain());
        QTRY_COMPARE_WITH_TIMEOUT(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1), EventuallyMs);
    }

    // ---- GPS pages ------------------------------------------------------------

    void gpsPagesShowTheReceiver()
    {
        QCOMPARE(cell("tGpsInf", GpsRowGpsSync), QString("Yes"));
        QCOMPARE(cell("tGpsInf", GpsRowPpsSync), QString("Yes"));
        QCOMPARE(cell("tGpsInf", GpsRowDate), QString("14.11.23"));
        QCOMPARE(cell("tGpsInf", GpsRowTime), QString("22:13:20"));
        QCOMPARE(cell("tGpsInf", GpsRowLatitude), QString("12.50000 S"));
        QCOMPARE(cell("tGpsInf", GpsRowLongitude), QString("45.25000 W"));
        QCOMPARE(cell("tGpsInf", GpsRowPdop), QString("1.8"));
        QCOMPARE(cell("tGpsInf", GpsRowHdop), QString("0.9"));
        QCOMPARE(cell("tGpsInf", GpsRowVdop), QString("1.5"));
        QCOMPARE(cell("tGpsInf", GpsRowSatellitesUsed), QString("2"));
        auto *satellites = child<QTableWidget>("tGpsSatInf");
        QCOMPARE(satellites->rowCount(), 3);
        const char *rows[3][5] = {{"2", "67", "112", "44", "Yes"}, {"13", "80", "359", "46", "Yes"},
                                  {"24", "8", "330", "19", "No"}};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < SatelliteColumns; ++c)
                QCOMPARE(cell("tGpsSatInf", r, c), QString(rows[r][c]));
        }

        sync_settings_t s = fixture();
        s.gps.gps_sync = 0;
        s.gps.pps_sync = 1;
        s.gps.satellite_count = 0;
        storeOnTester(s);
        reload();
        QCOMPARE(cell("tGpsInf", GpsRowGpsSync), QString("No"));
        QCOMPARE(cell("tGpsInf", GpsRowPpsSync), QString("Yes"));
        for (int row = GpsRowDate; row < GpsInfoRows; ++row)
            QCOMPARE(cell("tGpsInf", row), QString("-"));
        QCOMPARE(satellites->rowCount(), 0);
    }

    // A receiver that claims more satellites than its record holds: the 32
    // entries there are, nothing read past the record, and the record goes
    // back unchanged.
    void satelliteCountBeyondTheRecord()
    {
        sync_settings_t s = fixture();
        for (int i = 0; i < GpsSatelliteCapacity; ++i)
            s.gps.satellites[i] = {uint8_t(i + 1), uint8_t(i), uint16_t(i * 10), uint8_t(40 - i), uint8_t(i % 2)};
        s.gps.satellite_count = 200;
        storeOnTester(s);
        reload();
        auto *satellites = child<QTableWidget>("tGpsSatInf");
        QCOMPARE(satellites->rowCount(), 32);
        QCOMPARE(cell("tGpsSatInf", 31, SatColumnPrn), QString("32"));
        QCOMPARE(cell("tGpsSatInf", 31, SatColumnAzimuth), QString("310"));
        QCOMPARE(cell("tGpsSatInf", 31, SatColumnUse), QString("Yes"));
        QCOMPARE(applyAndSend().toHex(' '), recordBytes(s).toHex(' '));
    }

    // ---- results ----------------------------------------------------------------

    void resultsShowTheirFormats()
    {
        rig->storeResults(PortA, TestSync, recordBytes(resultsFixture()));
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QLineEdit>("lElapsed")->text(), QString("00:20:00"));
        QCOMPARE(child<QLineEdit>("lEstimated")->text(), QString("00:41:01"));   // 3661 - 1200 s
        QCOMPARE(cell("tScalRes", SyncRowPhaseInstant), QString("1.500 us"));
        QCOMPARE(cell("tScalRes", SyncRowPhaseMin), QString("999 ns"));
        QCOMPARE(cell("tScalRes", SyncRowPhaseAverage), QString("-2.500 ms"));
        QCOMPARE(cell("tScalRes", SyncRowPhaseMax), QString("1.000 us"));
        QCOMPARE(cell("tScalRes", SyncRowTimeDiff), QString("00:00:10 00.00.00"));
        QCOMPARE(cell("tScalRes", SyncRowReferenceTime), QString("22:13:20 14.11.23"));
        QCOMPARE(cell("tScalRes", SyncRowMeasuredTime), QString("22:13:30 14.11.23"));
        QCOMPARE(cell("tPTPInfo", SyncPtpRowAnnounceInterval), QString("-3"));
        QCOMPARE(cell("tPTPInfo", SyncPtpRowSyncInterval), QString("-"));
        QCOMPARE(cell("tPTPInfo", SyncPtpRowIpAddress), QString("192.168.0.50"));
        QCOMPARE(cell("tPTPInfo", SyncPtpRowId), QString("00-1B-19-FF-FE-00-00-01"));
        QCOMPARE(cell("tPTPInfo", SyncPtpRowVersion), QString("2"));
        QCOMPARE(cell("tPTPInfo", SyncPtpRowUtcOffset), QString("37 s"));
        QCOMPARE(cell("tPTPInfo", SyncPtpRowTimeSource), QString("0xA0"));
        QCOMPARE(cell("tPTPInfo", SyncPtpRowPriority2), QString("127"));
        QCOMPARE(cell("tNTP1", NtpRowIpAddress), QString("192.168.0.10"));
        QCOMPARE(cell("tNTP1", NtpRowStratum), QString("1"));
        QCOMPARE(cell("tNTP1", NtpRowPrecision), QString("-20"));
        QCOMPARE(cell("tNTP1", NtpRowRootDelay), QString("1.5000 s"));
        QCOMPARE(cell("tNTP1", NtpRowRootDispersion), QString("-1.0000 s"));
        QCOMPARE(cell("tNTP1", NtpRowReferenceId), QString("GPS"));
        for (int row = 0; row < NtpRows; ++row)
            QCOMPARE(cell("tNTP2", row), QString("-"));
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("saveReportButton")->isEnabled(), EventuallyMs);
    }

    void invalidResultsShowDashes()
    {
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QLineEdit>("lElapsed")->text(), QString("-"));
        QCOMPARE(child<QLineEdit>("lEstimated")->text(), QString("-"));
        QCOMPARE(child<QTableWidget>("tPTPInfo")->rowCount(), 13);
        for (int row = 0; row < 13; ++row)
            QCOMPARE(cell("tPTPInfo", row), QString("-"));
        for (int row = 0; row < 8; ++row) {
            QCOMPARE(cell("tNTP1", row), QString("-"));
            QCOMPARE(cell("tNTP2", row), QString("-"));
        }
        for (int row = 0; row < 7; ++row)
            QCOMPARE(cell("tScalRes", row), QString("-"));
        QTRY_VERIFY_WITH_TIMEOUT(!child<QPushButton>("saveReportButton")->isEnabled(), EventuallyMs);
    }

    // Once the link is lost the form holds no records: a redraw shows empty
    // tables, and Apply has nothing to send.
    void resultsWithoutRecordsShowDashes()
    {
        rig->storeResults(PortA, TestSync, recordBytes(resultsFixture()));
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QLineEdit>("lElapsed")->text(), QString("00:20:00"));
        rig->disconnectDevice();
        form->fillFormFromResults();
        QCOMPARE(child<QLineEdit>("lElapsed")->text(), QString("-"));
        QCOMPARE(child<QLineEdit>("lEstimated")->text(), QString("-"));
        QCOMPARE(cell("tScalRes", SyncRowPhaseInstant), QString("-"));
        QCOMPARE(cell("tPTPInfo", SyncPtpRowIpAddress), QString("-"));
        QCOMPARE(cell("tNTP1", NtpRowIpAddress), QString("-"));
        QSignalSpy sent(form, &TestForm::sendSettings);
        child<QSpinBox>("sNTP1port")->setValue(999);
        const QStringList boxes = boxTextsWhile([&] { form->bApplyClicked(); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(saysNothingApplied(boxes.at(0)), qPrintable(boxes.at(0)));
        QCOMPARE(sent.count(), 0);
        QVERIFY(rig->connectDevice());
    }

    // A running test's results follow each poll; the simulated tester
    // runs test 17 from its model with GPS against PTP.
    void runningTestShowsItsResults()
    {
        rig->tester([](SimRemoteResponder &r) { r.realistic = true; });
        child<QPushButton>("bStartXX")->click();
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        // Seconds of this run (not of a record drawn before it).
        auto *elapsed = child<QLineEdit>("lElapsed");
        QTRY_VERIFY_WITH_TIMEOUT(elapsed->text() >= QString("00:00:02") && elapsed->text() < QString("00:01:00"),
                                 EventuallyMs);
        QCOMPARE(cell("tPTPInfo", SyncPtpRowIpAddress), QString("192.168.0.50"));
        const QString phase = cell("tScalRes", SyncRowPhaseInstant);
        QVERIFY2(phase.endsWith("ns"), qPrintable(phase));
        QCOMPARE(cell("tScalRes", SyncRowTimeDiff), QString("00:00:00 00.00.00"));
        QCOMPARE(cell("tNTP1", NtpRowIpAddress), QString("-"));
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestSync);
        rig->tester([](SimRemoteResponder &r) { r.realistic = false; });
    }

    // ---- languages -----------------------------------------------------------------

    // After a language switch the texts the form wrote itself are redrawn in
    // the new language from what it holds: server names, GPS words, the
    // source lists (keeping their choice) and the results.
    void languageSwitchRedrawsWhatIsShown()
    {
        rig->storeResults(PortA, TestSync, recordBytes(resultsFixture()));
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        choose(child<QComboBox>("cbMeas"), "NTP 1");
        rig->sim.clearRequests();

        TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
        QVERIFY(languages.use(QStringLiteral("ru")));
        form->retranslate();
        const QString server = QCoreApplication::translate("ScaleAdjForm", "Server");
        const QString none = QCoreApplication::translate("ScaleAdjForm", "None");
        const QString yes = QCoreApplication::translate("ScaleAdjForm", "Yes");
        const QString seconds = QCoreApplication::translate("ScaleAdjForm", "s");
        const QString micro = QCoreApplication::translate("QApplication", "us");
        QVERIFY(server != QLatin1String("Server"));
        QVERIFY(seconds != QLatin1String("s"));
        QCOMPARE(cell("tSrv", 2, 0), server);
        QCOMPARE(cell("tSrv", 1, 0), none);
        QCOMPARE(cell("tSrv", 0, 0), QString("BMCA"));
        QCOMPARE(cell("tGpsInf", GpsRowGpsSync), yes);
        QCOMPARE(cell("tPTPInfo", SyncPtpRowUtcOffset), QString("37 ") + seconds);
        QCOMPARE(cell("tScalRes", SyncRowPhaseInstant), QString("1.500 ") + micro);
        QCOMPARE(child<QComboBox>("cbBase")->currentText(), QString("GPS"));
        QCOMPARE(child<QComboBox>("cbMeas")->currentText(), QString("NTP 1"));
        QCOMPARE(child<QComboBox>("cbMeas")->styleSheet(), Blue);
        QCOMPARE(child<QGroupBox>("gScaleMeas")->title(),
                 QCoreApplication::translate("TestForm", "Synchronization") + QStringLiteral(" (")
                     + QCoreApplication::translate("TestForm", "Port A") + QLatin1Char(')'));
        QVERIFY(rig->drain());
        QVERIFY(rig->requestsOf(0x13).isEmpty());

        languages.removeAll();
        form->retranslate();
        QCOMPARE(cell("tSrv", 2, 0), QString("Server"));
        QCOMPARE(child<QComboBox>("cbMeas")->currentText(), QString("NTP 1"));
    }

    // Every page in the three languages, filled with the longest values the
    // records hold, with every source offered and with none; a Russian
    // picture of each page.
    void textsFitWithLongestValues_data()
    {
        QTest::addColumn<uint>("mask");
        QTest::addColumn<bool>("pictures");
        QTest::newRow("every source") << AllSources << true;
        QTest::newRow("no source") << 0u << false;
    }
    void textsFitWithLongestValues()
    {
        QFETCH(uint, mask);
        QFETCH(bool, pictures);
        sync_settings_t s = fixture();
        s.gps.latitude = -89.99999f;
        s.gps.longitude = -179.99999f;
        s.gps.pdop = 12.3457f;
        s.gps.satellites_used = 4294967295u;
        s.gps.satellite_count = 32;
        for (int i = 0; i < GpsSatelliteCapacity; ++i)
            s.gps.satellites[i] = {255, 255, 65535, 255, uint8_t(i % 2)};
        for (uint32_t &server : s.servers)
            server = ipv4(255, 255, 255, 255);
        s.ptp.master_ip = ipv4(255, 255, 255, 255);
        s.ntp1_ip = s.ntp2_ip = ipv4(255, 255, 255, 255);
        storeOnTester(s);
        sync_results_t r = resultsFixture();
        r.elapsed_time = 4294967295u;
        r.phase_instant = std::numeric_limits<int32_t>::min();
        r.phase_min = std::numeric_limits<int32_t>::min();
        r.phase_average = -2147483;
        r.phase_max = std::numeric_limits<int32_t>::max();
        r.reference_time = 4294967295u;
        r.measured_time = 1;
        r.master.master_ip = ipv4(255, 255, 255, 255);
        r.master.port_number = 65535;
        r.master.utc_offset = -32768;
        r.ntp2 = r.ntp1;
        r.ntp1.server_ip = r.ntp2.server_ip = ipv4(255, 255, 255, 255);
        r.ntp1.root_delay = r.ntp1.root_dispersion = 0x00008000u;   // -32768.0000
        r.ntp2.stratum = 2;
        memset(r.ntp2.reference_id, 0xFF, 4);
        rig->storeResults(PortA, TestSync, recordBytes(r));
        setSources(mask);
        form->activate();
        QVERIFY(rig->drain());
        reload();
        QCOMPARE(child<QComboBox>("cbBase")->isEnabled(), mask != 0);
        QCOMPARE(child<QTableWidget>("tGpsSatInf")->rowCount(), 32);
        QCOMPARE(child<QLineEdit>("lElapsed")->text(), QString("1193046:28:15"));

        QStringList reports;
        {
            TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
            textfit::Options options;
            options.scrollingAllowed << QStringLiteral("tGpsSatInf");
            reports = textFitInAllLanguages(form, languages, [this] { form->retranslate(); }, options);

            if (pictures) {
                QVERIFY(languages.use(QStringLiteral("ru")));
                form->retranslate();
                auto *outer = child<QTabWidget>("tScaleAdj");
                auto *pages = child<QTabWidget>("tScaleSettings");
                const char *names[] = {"common", "ptp_settings", "ptp_information", "gps_data", "gps_satellites",
                                       "ntp_settings", "ntp_information"};
                outer->setCurrentIndex(0);
                for (int page = 0; page < pages->count(); ++page) {
                    pages->setCurrentIndex(page);
                    QVERIFY(textfit::savePicture(form, QStringLiteral("sync_%1_%2_ru.png").arg(page).arg(names[page])));
                }
                outer->setCurrentIndex(1);
                QVERIFY(textfit::savePicture(form, QStringLiteral("sync_results_ru.png")));
                outer->setCurrentIndex(0);
                pages->setCurrentIndex(5);
            }
        }
        form->retranslate();   // back to English for the other tests
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    }
};

QTEST_MAIN(TestScaleAdjForm)
#include "tst_scaleadjform.moc"
