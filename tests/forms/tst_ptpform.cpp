// The PTP form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread.

#include "formrig.h"
#include "../support/widgetlookup.h"
#include "ptpform.h"
#include "ptpformat.h"
#include "textfit.h"

#include <QCheckBox>
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

#include <climits>
#include <cstring>
#include <functional>
#include <map>

namespace {

// Unicast to a master with negotiated intervals, a known server list, and
// patterns in the bytes the form never edits.
ptp_settings_t fixture()
{
    ptp_settings_t s;
    memset(&s, 0, sizeof s);
    s.client.mode = PtpModeUnicast;
    s.client.domain = 24;
    s.client.server_index = 2;
    s.client.reserved = 0x5A;
    s.client.master_ip = ipv4(10, 0, 0, 5);
    s.client.auto_domain = 0;
    s.client.unicast_negotiation = 1;
    s.client.announce_interval = -2;
    s.client.sync_interval = -3;
    s.reserved[0] = 0xA1;
    s.reserved[1] = 0xA2;
    s.reserved[2] = 0xA3;
    s.reserved[3] = 0xA4;
    s.duration = 3661;
    s.servers[0] = ipv4(10, 0, 0, 5);
    s.servers[1] = ipv4(10, 0, 0, 5);
    s.servers[2] = ipv4(10, 0, 0, 6);
    s.servers[6] = ipv4(172, 16, 1, 1);
    return s;
}

ptp_settings_t multicastFixture()
{
    ptp_settings_t s = fixture();
    s.client.mode = PtpModeMulticast;
    s.client.unicast_negotiation = 0;
    s.client.announce_interval = 0;
    s.client.sync_interval = 0;
    return s;
}

// The texts the task names, on their pages.
ptp_results_t resultsFixture()
{
    ptp_results_t r;
    memset(&r, 0, sizeof r);
    r.start_time = 1000;
    r.current_time = 1075;
    r.test_duration = 60;
    r.master.master_ip = ipv4(10, 0, 0, 6);
    const uint8_t id[8] = {0x00, 0x1B, 0x19, 0xFF, 0xFE, 0x00, 0x00, 0x01};
    memcpy(r.master.clock_identity, id, sizeof id);
    r.master.port_number = 1;
    r.master.domain = 24;
    r.master.announce_interval = -3;
    r.master.sync_interval = PtpIntervalNotGiven;
    r.master.clock_class = 6;
    r.master.clock_accuracy = 33;
    r.master.time_source = 160;
    r.master.utc_offset = 37;
    r.master.priority1 = 128;
    r.master.priority2 = 128;
    r.rx_announce = 1;
    r.rx_sync = 2;
    r.rx_follow_up = 3;
    r.rx_delay_resp = 4;
    r.tx_delay_req = 9;
    r.measure_valid = 1;
    r.tms = 1500;
    r.tsm = -250;
    r.t_average = 1000000000;
    r.offset = 2000000000;
    r.sync_pdv = 0;
    return r;
}

// Every field at its longest text.
ptp_results_t longestResults()
{
    ptp_results_t r;
    memset(&r, 0xFF, sizeof r);
    r.start_time = 0;
    r.master.announce_interval = r.master.sync_interval = INT8_MIN;
    r.master.utc_offset = INT16_MIN;
    r.tms = r.tsm = r.t_average = r.offset = r.sync_pdv = INT32_MIN;
    return r;
}

} // namespace

class TestPtpForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    PTPForm *form = nullptr;

    template <class T>
    T *child(const char *name)
    {
        return findWidget<T>(form, name);
    }

    QString cell(const char *table, int row, int column = 0)
    {
        return cellText(child<QTableWidget>(table), row, column);
    }

    void storeOnTester(const ptp_settings_t &s)
    {
        rig->storeSettings(PortA, TestPtp, recordBytes(s));
    }

    void storeResults(const ptp_results_t &r)
    {
        rig->storeResults(PortA, TestPtp, recordBytes(r));
    }

    // The form re-reads its record (Reset) and is refilled.
    void reload()
    {
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
    }

    ptp_settings_t lastSent()
    {
        const QList<QByteArray> sent = rig->sentSettings(PortA, TestPtp);
        return sent.isEmpty() ? ptp_settings_t{} : recordFrom<ptp_settings_t>(sent.last());
    }

    QString style(const char *name) { return child<QWidget>(name)->styleSheet(); }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
        rig.reset(new FormRig(0));
        storeOnTester(fixture());
        QVERIFY(rig->connectDevice());
        form = new PTPForm(rig->device);
        form->resize(900, 600);
        // Before any record: the server list as the designer shows it.
        QCOMPARE(cell("tSrv", 0, 0), QStringLiteral("None"));
        QCOMPARE(cell("tSrv", 9, 1), QStringLiteral("0.0.0.0"));
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
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
        storeResults(resultsFixture());
        rig->allIdle();
        form->activate();
        QVERIFY(rig->drain());
        reload();
        // No mark is left over from the test before.
        form->bApplyClicked();
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
    }

    void firstActivationFillsTheForm()
    {
        QCOMPARE(child<QGroupBox>("gPTP")->title(), QStringLiteral("PTP test (Port A)"));
        QVERIFY(child<QRadioButton>("rUnicast")->isChecked());
        QVERIFY(!child<QRadioButton>("rMulticast")->isChecked());
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QVERIFY(!child<QCheckBox>("cAutoDomain")->isChecked());
        QCOMPARE(child<QSpinBox>("sDomain")->value(), 24);
        QCOMPARE(child<QLineEdit>("lIPMaster")->text(), QStringLiteral("10.0.0.5"));
        QVERIFY(child<QCheckBox>("cUnicastNeg")->isChecked());
        QCOMPARE(child<QSpinBox>("sAnnInt")->value(), -2);
        QCOMPARE(child<QSpinBox>("sSyncInt")->value(), -3);
        for (const char *name : {"lIPMaster", "cUnicastNeg", "sAnnInt", "sSyncInt", "sDomain"})
            QVERIFY2(child<QWidget>(name)->isEnabled(), name);
        for (const char *name : {"rUnicast", "rMulticast", "tDur", "cAutoDomain", "sDomain", "lIPMaster",
                                 "cUnicastNeg", "sAnnInt", "sSyncInt"})
            QVERIFY2(style(name) != fieldstyle::Blue, name);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(child<QTableWidget>("tSrv")->currentRow(), 2);
        QCOMPARE(cell("tSrv", 0, 0), QStringLiteral("BMCA"));
        QCOMPARE(cell("tSrv", 0, 1), QStringLiteral("10.0.0.5"));
        QCOMPARE(cell("tSrv", 2, 0), QStringLiteral("Server"));
        QCOMPARE(cell("tSrv", 2, 1), QStringLiteral("10.0.0.6"));
        QCOMPARE(cell("tSrv", 3, 0), QStringLiteral("None"));
        QCOMPARE(cell("tSrv", 3, 1), QStringLiteral("-"));
        QCOMPARE(cell("tSrv", 6, 1), QStringLiteral("172.16.1.1"));
    }

    // A record goes back byte for byte when nothing was edited, also with
    // codes the widgets cannot name (they are kept, not rewritten).
    void recordRoundTripsUnchanged_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("unicast") << recordBytes(fixture());
        QTest::newRow("multicast") << recordBytes(multicastFixture());
        ptp_settings_t s = fixture();
        s.client.mode = 7;
        s.client.auto_domain = 2;
        s.client.unicast_negotiation = 9;
        s.client.server_index = 12;
        QTest::newRow("codes outside the lists") << recordBytes(s);
        s = multicastFixture();
        s.client.server_index = PtpNoServer;
        s.client.auto_domain = 1;
        s.client.master_ip = 0;
        QTest::newRow("no server chosen, auto domain") << recordBytes(s);
    }
    void recordRoundTripsUnchanged()
    {
        QFETCH(QByteArray, record);
        rig->storeSettings(PortA, TestPtp, record);
        reload();
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
        QCOMPARE(rig->sentSettings(PortA, TestPtp).last().toHex(' '), record.toHex(' '));
    }

    // Each field the form writes reaches the tester from its widget, and
    // nothing else of the record moves: a write that stopped would leave
    // the tester's value and fail its row.
    void applyWritesEveryField_data()
    {
        QTest::addColumn<QString>("field");
        for (const char *field : {"mode", "duration", "auto domain", "domain", "master", "negotiation",
                                  "announce interval", "sync interval", "server row"})
            QTest::newRow(field) << QString(field);
    }
    void applyWritesEveryField()
    {
        QFETCH(QString, field);
        ptp_settings_t expected = fixture();
        ptp_client_settings_t &c = expected.client;
        const std::map<QString, std::function<void()>> edits = {
            {"mode", [&] { child<QRadioButton>("rMulticast")->setChecked(true); c.mode = PtpModeMulticast; }},
            {"duration", [&] { child<QTimeEdit>("tDur")->setTime(QTime(0, 2, 3)); expected.duration = 123; }},
            {"auto domain", [&] { child<QCheckBox>("cAutoDomain")->setChecked(true); c.auto_domain = 1; }},
            {"domain", [&] { child<QSpinBox>("sDomain")->setValue(200); c.domain = 200; }},
            {"master",
             [&] {
                 typeInto(child<QLineEdit>("lIPMaster"), QStringLiteral("10.9.8.7"));
                 c.master_ip = ipv4(10, 9, 8, 7);
             }},
            {"negotiation", [&] { child<QCheckBox>("cUnicastNeg")->setChecked(false); c.unicast_negotiation = 0; }},
            {"announce interval", [&] { child<QSpinBox>("sAnnInt")->setValue(4); c.announce_interval = 4; }},
            {"sync interval", [&] { child<QSpinBox>("sSyncInt")->setValue(-5); c.sync_interval = -5; }},
            {"server row", [&] { child<QTableWidget>("tSrv")->setCurrentCell(6, 0); c.server_index = 6; }},
        };
        edits.at(field)();
        child<QPushButton>("bApply")->setEnabled(true);   // a server row marks nothing
        child<QPushButton>("bApply")->click();
        QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
        QCOMPARE(rig->sentSettings(PortA, TestPtp).last().toHex(' '), recordBytes(expected).toHex(' '));
    }

    void startSendsTheRecordAndRunsUntilStopped()
    {
        QPushButton *start = child<QPushButton>("bStartXX");
        QCOMPARE(start->text(), QStringLiteral("Start"));
        QVERIFY(start->isEnabled());
        start->click();
        rig->expectStart(PortA, TestPtp, TopologySamePort, recordBytes(fixture()), true);
        QVERIFY(!QTest::currentTestFailed());

        // The results follow the run; Apply and Reset wait for its end.
        QTRY_COMPARE_WITH_TIMEOUT(cell("tInformation", PtpRowId), QStringLiteral("00-1B-19-FF-FE-00-00-01"),
                                  EventuallyMs);
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        QVERIFY(!start->isEnabled());
        QVERIFY(!child<QPushButton>("bReset")->isEnabled());
        child<QSpinBox>("sDomain")->setValue(25);
        QTRY_VERIFY_WITH_TIMEOUT(!child<QPushButton>("bApply")->isEnabled(), EventuallyMs);
        child<QSpinBox>("sDomain")->setValue(24);

        rig->expectStop(child<QPushButton>("bStop"), PortA, TestPtp);
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
    }

    // While idle the form reads the tester's record at every status update
    // and redraws the server list; while the test runs it reads nothing.
    void serverListFollowsTheTesterWhileIdle()
    {
        ptp_settings_t s = fixture();
        s.servers[3] = ipv4(10, 0, 0, 8);
        s.servers[6] = 0;
        // What the tester changed in the fields stays out of the widgets.
        s.client.domain = 99;
        storeOnTester(s);
        QTRY_COMPARE_WITH_TIMEOUT(cell("tSrv", 3, 1), QStringLiteral("10.0.0.8"), EventuallyMs);
        QCOMPARE(cell("tSrv", 3, 0), QStringLiteral("Server"));
        QCOMPARE(cell("tSrv", 6, 0), QStringLiteral("None"));
        QCOMPARE(cell("tSrv", 6, 1), QStringLiteral("-"));
        QCOMPARE(child<QTableWidget>("tSrv")->currentRow(), 2);
        QCOMPARE(child<QSpinBox>("sDomain")->value(), 24);
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(rig->requestsOf(0x11).size() >= 2);

        // Running: no re-read, the list stays as it was.
        rig->tester([](SimRemoteResponder &r) { r.status.process[PortA].tx = r.status.process[PortA].rx = 1u << TestPtp; });
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        QVERIFY(rig->drain());
        s.servers[4] = ipv4(10, 0, 0, 9);
        storeOnTester(s);
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(3));
        QVERIFY(rig->requestsOf(0x11).isEmpty());
        QCOMPARE(cell("tSrv", 4, 1), QStringLiteral("-"));

        rig->tester([](SimRemoteResponder &r) { r.status.process[PortA].tx = r.status.process[PortA].rx = 0; });
        QTRY_COMPARE_WITH_TIMEOUT(cell("tSrv", 4, 1), QStringLiteral("10.0.0.9"), EventuallyMs);
    }

    // An edit made between two re-reads reaches the tester as typed; the
    // bytes the form does not edit are the tester's latest.
    void editBetweenReReadsReachesTheTester()
    {
        auto *domain = child<QSpinBox>("sDomain");
        auto *master = child<QLineEdit>("lIPMaster");
        auto *servers = child<QTableWidget>("tSrv");
        domain->setValue(77);
        typeInto(master, QStringLiteral("10.9.8.7"));
        servers->setCurrentCell(6, 0);
        QCOMPARE(style("sDomain"), fieldstyle::Blue);
        QCOMPARE(style("lIPMaster"), fieldstyle::Blue);

        ptp_settings_t tester = fixture();
        tester.servers[8] = ipv4(10, 0, 0, 10);
        storeOnTester(tester);
        QTRY_COMPARE_WITH_TIMEOUT(cell("tSrv", 8, 1), QStringLiteral("10.0.0.10"), EventuallyMs);
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(!rig->requestsOf(0x11).isEmpty());
        QCOMPARE(domain->value(), 77);
        QCOMPARE(master->text(), QStringLiteral("10.9.8.7"));
        QCOMPARE(servers->currentRow(), 6);
        QCOMPARE(style("sDomain"), fieldstyle::Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());

        rig->sim.clearRequests();
        child<QPushButton>("bApply")->click();
        QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
        ptp_settings_t expected = tester;
        expected.client.domain = 77;
        expected.client.master_ip = ipv4(10, 9, 8, 7);
        expected.client.server_index = 6;
        QCOMPARE(rig->sentSettings(PortA, TestPtp).last().toHex(' '), recordBytes(expected).toHex(' '));
        QCOMPARE(style("sDomain"), fieldstyle::Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    // A re-read already on its way when Apply is pressed cannot put the
    // tester's old record in place of the edit.
    void applyRightAfterAReReadWasAskedForSendsTheEdit()
    {
        child<QSpinBox>("sDomain")->setValue(200);
        emit form->receiveSettings(PortA);
        child<QPushButton>("bApply")->click();
        QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
        QVERIFY(rig->drain());
        QCOMPARE(int(lastSent().client.domain), 200);
        const QList<QByteArray> requests = rig->requests();
        QVERIFY(requests.size() >= 2);
        QCOMPARE(command(requests.at(0)), quint8(0x11));
        QCOMPARE(recordFrom<ptp_settings_t>(rig->sentSettings(PortA, TestPtp).last()).client.domain, uint8_t(200));
        QCOMPARE(child<QSpinBox>("sDomain")->value(), 200);
        // The tester holds the edit, and the next re-read compares with it.
        QVERIFY(rig->waitForPolls(2));
        child<QSpinBox>("sDomain")->setValue(201);
        child<QSpinBox>("sDomain")->setValue(200);
        QCOMPARE(style("sDomain"), fieldstyle::Black);
    }

    // Each full fill sets the check boxes from the record, ticked and unticked.
    void checkBoxesFollowTheRecordBothWays_data()
    {
        QTest::addColumn<int>("autoDomain");
        QTest::addColumn<int>("negotiation");
        QTest::newRow("both on") << 1 << 1;
        QTest::newRow("both off") << 0 << 0;
        QTest::newRow("auto on, negotiation off") << 1 << 0;
        QTest::newRow("auto off, negotiation on") << 0 << 1;
        QTest::newRow("both on again") << 1 << 1;
        QTest::newRow("non-zero codes read as on") << 2 << 255;
    }
    void checkBoxesFollowTheRecordBothWays()
    {
        QFETCH(int, autoDomain);
        QFETCH(int, negotiation);
        ptp_settings_t s = fixture();
        s.client.auto_domain = uint8_t(autoDomain);
        s.client.unicast_negotiation = uint8_t(negotiation);
        storeOnTester(s);
        reload();
        auto *autoBox = child<QCheckBox>("cAutoDomain");
        auto *negBox = child<QCheckBox>("cUnicastNeg");
        QCOMPARE(autoBox->isChecked(), autoDomain != 0);
        QCOMPARE(negBox->isChecked(), negotiation != 0);
        QCOMPARE(child<QSpinBox>("sDomain")->isEnabled(), autoDomain == 0);
        QCOMPARE(child<QSpinBox>("sAnnInt")->isEnabled(), negotiation != 0);
        QCOMPARE(style("cAutoDomain"), fieldstyle::Black);
        QCOMPARE(style("cUnicastNeg"), fieldstyle::Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    // Stored multicast: the unicast fields are off and grey, nothing marked.
    void multicastRecordFillsWithUnicastFieldsOff()
    {
        storeOnTester(multicastFixture());
        reload();
        QVERIFY(child<QRadioButton>("rMulticast")->isChecked());
        QVERIFY(!child<QRadioButton>("rUnicast")->isChecked());
        QCOMPARE(style("rMulticast"), fieldstyle::Black);
        QCOMPARE(style("rUnicast"), fieldstyle::Black);
        for (const char *name : {"lIPMaster", "cUnicastNeg", "sAnnInt", "sSyncInt"})
            QVERIFY2(!child<QWidget>(name)->isEnabled(), name);
        for (const char *name : {"lIPMaster", "sAnnInt", "sSyncInt"})
            QVERIFY2(style(name) == fieldstyle::Grey, name);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void switchingToMulticastMarksTheChoice()
    {
        QVERIFY(child<QRadioButton>("rUnicast")->isChecked());
        child<QRadioButton>("rMulticast")->click();
        QCOMPARE(style("rMulticast"), fieldstyle::Blue);
        QCOMPARE(style("rUnicast"), fieldstyle::Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        QVERIFY(!child<QSpinBox>("sAnnInt")->isEnabled());
        QVERIFY(!child<QSpinBox>("sSyncInt")->isEnabled());
        QVERIFY(!child<QLineEdit>("lIPMaster")->isEnabled());
        QCOMPARE(style("lIPMaster"), fieldstyle::Grey);
        // The tester still holds unicast.
        QCOMPARE(style("sAnnInt"), fieldstyle::Black);

        child<QRadioButton>("rUnicast")->click();
        QCOMPARE(style("rUnicast"), fieldstyle::Black);
        QVERIFY(child<QSpinBox>("sAnnInt")->isEnabled());
        QVERIFY(child<QPushButton>("bApply")->isEnabled());   // edited stays until applied

        child<QRadioButton>("rMulticast")->click();
        rig->sim.clearRequests();
        child<QPushButton>("bApply")->click();
        QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
        QCOMPARE(int(lastSent().client.mode), int(PtpModeMulticast));
        QCOMPARE(style("rMulticast"), fieldstyle::Black);
        QCOMPARE(style("lIPMaster"), fieldstyle::Grey);
    }

    void domainEditedBackTurnsBlackApplyStays()
    {
        auto *domain = child<QSpinBox>("sDomain");
        domain->setValue(30);
        QCOMPARE(style("sDomain"), fieldstyle::Blue);
        domain->setValue(24);
        QCOMPARE(style("sDomain"), fieldstyle::Black);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        // Auto detection takes the domain box out of use.
        child<QCheckBox>("cAutoDomain")->setChecked(true);
        QVERIFY(!domain->isEnabled());
        QCOMPARE(style("cAutoDomain"), fieldstyle::Blue);
        child<QCheckBox>("cAutoDomain")->setChecked(false);
        QCOMPARE(style("cAutoDomain"), fieldstyle::Black);
    }

    void negotiationOffTakesTheIntervalsOutOfUse()
    {
        child<QCheckBox>("cUnicastNeg")->setChecked(false);
        QCOMPARE(style("cUnicastNeg"), fieldstyle::Blue);
        QVERIFY(!child<QSpinBox>("sAnnInt")->isEnabled());
        QCOMPARE(style("sAnnInt"), fieldstyle::Grey);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        rig->sim.clearRequests();
        child<QPushButton>("bApply")->click();
        QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
        QCOMPARE(int(lastSent().client.unicast_negotiation), 0);
        QCOMPARE(style("cUnicastNeg"), fieldstyle::Black);
        QCOMPARE(style("sAnnInt"), fieldstyle::Grey);
    }

    // Picking a server marks nothing; Start sends the row.
    void chosenServerRowGoesOutWithStart()
    {
        child<QTableWidget>("tSrv")->setCurrentCell(0, 1);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        child<QPushButton>("bStartXX")->click();
        QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
        ptp_settings_t expected = fixture();
        expected.client.server_index = 0;
        QCOMPARE(rig->sentSettings(PortA, TestPtp).last().toHex(' '), recordBytes(expected).toHex(' '));
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestPtp);
    }

    void storedServerIndexBeyondTheList_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("12") << 12;
        QTest::newRow("none") << int(PtpNoServer);
    }
    void storedServerIndexBeyondTheList()
    {
        QFETCH(int, index);
        ptp_settings_t s = fixture();
        s.client.server_index = uint8_t(index);
        storeOnTester(s);
        reload();
        QCOMPARE(child<QTableWidget>("tSrv")->currentRow(), -1);
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
        QCOMPARE(int(lastSent().client.server_index), index);
    }

    void emptyServerList()
    {
        ptp_settings_t s = fixture();
        memset(s.servers, 0, sizeof s.servers);
        storeOnTester(s);
        reload();
        for (int row = 0; row < PtpServerCount; ++row) {
            QCOMPARE(cell("tSrv", row, 0), QStringLiteral("None"));
            QCOMPARE(cell("tSrv", row, 1), QStringLiteral("-"));
        }
    }

    // No time of day shows 90000 s: the editor keeps its time, marked, and
    // Apply writes that time.
    void durationOfADayOrMore()
    {
        ptp_settings_t s = fixture();
        s.duration = 90000;
        storeOnTester(s);
        reload();
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QCOMPARE(style("tDur"), fieldstyle::Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
        QCOMPARE(lastSent().duration, 3661u);
    }

    void emptyMasterAddressIsStoredAsZero()
    {
        typeInto(child<QLineEdit>("lIPMaster"), QString());
        QCOMPARE(style("lIPMaster"), fieldstyle::Blue);
        rig->sim.clearRequests();
        child<QPushButton>("bApply")->click();
        QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
        QCOMPARE(lastSent().client.master_ip, 0u);
        reload();
        QCOMPARE(child<QLineEdit>("lIPMaster")->text(), QStringLiteral("0.0.0.0"));
        // What the validator lets through while typing.
        typeInto(child<QLineEdit>("lIPMaster"), QStringLiteral("192.168.300"));
        QCOMPARE(child<QLineEdit>("lIPMaster")->text(), QStringLiteral("192.168.30"));
    }

    void intervalOutsideTheRangeIsClampedAndMarked_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("7") << 7 << 5;
        QTest::newRow("-6") << -6 << -5;
        QTest::newRow("not given") << int(PtpIntervalNotGiven) << 5;
    }
    void intervalOutsideTheRangeIsClampedAndMarked()
    {
        QFETCH(int, stored);
        QFETCH(int, shown);
        // Also while multicast takes the boxes out of use.
        for (const ptp_settings_t &base : {fixture(), multicastFixture()}) {
            ptp_settings_t s = base;
            s.client.announce_interval = int8_t(stored);
            storeOnTester(s);
            reload();
            QCOMPARE(child<QSpinBox>("sAnnInt")->value(), shown);
            QCOMPARE(style("sAnnInt"), fieldstyle::Blue);
            QVERIFY(child<QPushButton>("bApply")->isEnabled());
            rig->sim.clearRequests();
            form->bApplyClicked();
            QVERIFY(rig->waitForSettingsSent(PortA, TestPtp));
            QCOMPARE(int(lastSent().client.announce_interval), shown);
        }
    }

    // Without the tester's record Start has nothing to send: it sends
    // nothing and says so.
    void startWithoutARecordSendsNothingAndSaysSo()
    {
        QSignalSpy sent(form, &TestForm::sendSettings);
        QSignalSpy started(form, &TestForm::startTest);
        rig->disconnectDevice();
        QVERIFY(!rig->device->getPtpInfo()->getSettings(PortA));
        {
            MessageBoxCloser closer;
            child<QPushButton>("bStartXX")->click();
            QCOMPARE(closer.seen.size(), 1);
            QVERIFY(closer.seen.at(0).text.contains(QStringLiteral("not started")));
        }
        QCOMPARE(sent.count(), 0);
        QCOMPARE(started.count(), 0);

        // The pages drawn now have no record to come from.
        form->fillFormFromResults();
        for (int row = 0; row < PtpInfoRows; ++row)
            QCOMPARE(cell("tInformation", row), QStringLiteral("-"));
        QCOMPARE(child<QLineEdit>("lEstimate")->text(), QStringLiteral("-"));
        QVERIFY(rig->connectDevice());
    }

    void resultsPagesShowTheRecord()
    {
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        const QStringList info{"-3", "-", "10.0.0.6", "00-1B-19-FF-FE-00-00-01", "1", "24", "2",
                               "37 s", "6", "33", "0xA0", "128", "128"};
        for (int row = 0; row < PtpInfoRows; ++row)
            QCOMPARE(cell("tInformation", row), info.at(row));
        const QStringList rx{"10", "1", "2", "3", "4"};
        for (int row = 0; row < PtpRxRows; ++row)
            QCOMPARE(cell("tRxFrames", row), rx.at(row));
        QCOMPARE(cell("tTxFrames", PtpRowTxFrames), QStringLiteral("9"));
        QCOMPARE(cell("tTxFrames", PtpRowTxDelayReq), QStringLiteral("9"));
        QCOMPARE(child<QLineEdit>("lElapsed")->text(), QStringLiteral("00:01:15"));
        QCOMPARE(child<QLineEdit>("lEstimate")->text(), QStringLiteral("00:00:00"));
        const QStringList measure{"1.500 us", "-250 ns", "1000.000 ms", "2.000 s", "0"};
        for (int row = 0; row < PtpMeasureRows; ++row)
            QCOMPARE(cell("tMeasure", row), measure.at(row));
        // Save Report follows at the next status update.
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("saveReportButton")->isEnabled(), EventuallyMs);

        // No master known: the information page only is dashes.
        ptp_results_t r = resultsFixture();
        r.master.master_ip = 0;
        r.measure_valid = 0;
        storeResults(r);
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        for (int row = 0; row < PtpInfoRows; ++row)
            QCOMPARE(cell("tInformation", row), QStringLiteral("-"));
        QCOMPARE(cell("tRxFrames", PtpRowRxFrames), QStringLiteral("10"));
        for (int row = 0; row < PtpMeasureRows; ++row)
            QCOMPARE(cell("tMeasure", row), QStringLiteral("-"));

        // A settings duration of 0 runs until stopped: no estimate.
        ptp_settings_t s = fixture();
        s.duration = 0;
        storeOnTester(s);
        reload();
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QLineEdit>("lEstimate")->text(), QStringLiteral("-"));
    }

    void invalidResultsShowDashes()
    {
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 1; });
        for (const char *table : {"tInformation", "tRxFrames", "tTxFrames", "tMeasure"}) {
            const int rows = child<QTableWidget>(table)->rowCount();
            for (int row = 0; row < rows; ++row)
                QCOMPARE(cell(table, row), QStringLiteral("-"));
        }
        QCOMPARE(child<QLineEdit>("lElapsed")->text(), QStringLiteral("-"));
        QTRY_VERIFY_WITH_TIMEOUT(!child<QPushButton>("saveReportButton")->isEnabled(), EventuallyMs);
    }

    void portSwitchDisablesApply()
    {
        child<QSpinBox>("sDomain")->setValue(33);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        form->disableApply();
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(style("sDomain"), fieldstyle::Blue);
    }

    // Shown for Port B (a loaded report of that port), the form reads, shows,
    // applies and starts on Port B alone: an edit left on Port A does not
    // reach Port B, and back on Port A the fields are Port A's again.
    void onePortThroughout()
    {
        ptp_settings_t b = fixture();
        b.duration = 7322;
        b.client.domain = 31;
        rig->storeSettings(PortB, TestPtp, recordBytes(b));
        child<QSpinBox>("sDomain")->setValue(40);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("gPTP")->title(), QStringLiteral("PTP test (Port B)"));
        QTRY_COMPARE_WITH_TIMEOUT(child<QTimeEdit>("tDur")->time(), QTime(2, 2, 2), EventuallyMs);
        QCOMPARE(child<QSpinBox>("sDomain")->value(), 31);
        QCOMPARE(style("sDomain"), fieldstyle::Black);
        QCOMPARE(style("tDur"), fieldstyle::Black);

        child<QSpinBox>("sDomain")->setValue(33);
        rig->sim.clearRequests();
        auto *start = child<QPushButton>("bStartXX");
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
        start->click();
        b.client.domain = 33;
        rig->expectStart(PortB, TestPtp, TopologySamePort, recordBytes(b), true);
        QVERIFY(rig->sentSettings(PortA, TestPtp).isEmpty());
        rig->expectStop(child<QPushButton>("bStop"), PortB, TestPtp);

        rig->device->setCurrentProcess(PortA);
        QVERIFY(rig->drain());
        QTRY_COMPARE_WITH_TIMEOUT(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1), EventuallyMs);
        QCOMPARE(child<QSpinBox>("sDomain")->value(), 24);
        QCOMPARE(style("sDomain"), fieldstyle::Black);
        QVERIFY(rig->sentSettings(PortA, TestPtp).isEmpty());
    }

    // After a language switch the titles, the server names and the results on
    // show are in the new language at once, from the records already held.
    void languageSwitchRetextsEverything()
    {
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
        QVERIFY(languages.use(QStringLiteral("ru")));
        form->retranslate();
        const QString server = QCoreApplication::translate("PTPForm", "Server");
        const QString seconds = QCoreApplication::translate("QApplication", "s");
        const QString microseconds = QCoreApplication::translate("QApplication", "us");
        QVERIFY(server != QLatin1String("Server"));
        QVERIFY(seconds != QLatin1String("s"));
        QCOMPARE(child<QGroupBox>("gPTP")->title(),
                 QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("TestForm", "PTP test"),
                                               QCoreApplication::translate("TestForm", "Port A")));
        QCOMPARE(cell("tSrv", 2, 0), server);
        QCOMPARE(cell("tSrv", 2, 1), QStringLiteral("10.0.0.6"));
        QCOMPARE(cell("tInformation", PtpRowUtcOffset), QStringLiteral("37 ") + seconds);
        QCOMPARE(cell("tMeasure", PtpRowTms), QStringLiteral("1.500 ") + microseconds);
        QCOMPARE(child<QTabWidget>("tabWidget")->tabText(0), QCoreApplication::translate("PTPForm", "Information"));
        QVERIFY(child<QTabWidget>("tabWidget")->tabText(0) != QLatin1String("Information"));
        QVERIFY(rig->drain());
        QVERIFY(rig->requestsOf(0x13).isEmpty());

        languages.removeAll();
        form->retranslate();
        QCOMPARE(child<QGroupBox>("gPTP")->title(), QStringLiteral("PTP test (Port A)"));
        QCOMPARE(cell("tSrv", 2, 0), QStringLiteral("Server"));
        QCOMPARE(child<QRadioButton>("rUnicast")->text(), QStringLiteral("Unicast"));
    }

    // Every page in the three languages with the longest values the records
    // hold; with VYR_SCREENSHOT_DIR set, Russian pictures of each page.
    void textsFitWithLongestValues()
    {
        storeResults(longestResults());
        ptp_settings_t s = fixture();
        for (uint32_t &server : s.servers)
            server = ipv4(255, 255, 255, 255);
        storeOnTester(s);
        reload();
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(cell("tRxFrames", PtpRowRxAnnounce), QStringLiteral("4294967295"));
        QCOMPARE(cell("tMeasure", PtpRowTms), QStringLiteral("-2.147 s"));
        QStringList reports;
        auto *tabs = child<QTabWidget>("tabWidget");
        {
            TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
            reports = textFitInAllLanguages(form, languages, [this] { form->retranslate(); });
            QVERIFY(languages.use(QStringLiteral("ru")));
            form->retranslate();
            const char *const pictures[] = {"ptp-information-ru.png", "ptp-statistics-ru.png",
                                            "ptp-measuring-ru.png"};
            for (int page = 0; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                QVERIFY(textfit::savePicture(form, QLatin1String(pictures[page])));
            }
            tabs->setCurrentIndex(0);
        }
        form->retranslate();   // back to English for the other tests
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    }
};

QTEST_MAIN(TestPtpForm)
#include "tst_ptpform.moc"
