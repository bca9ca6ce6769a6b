// What the simulated tester promises as a tester does: report files in the
// report layout, file names it proposes that are free and that the name
// field takes, saves that replace nothing and stop at a full store, status
// rates that follow the traffic running, results that stay put after Stop,
// and no traffic, nor cable results, without cause.
#include "simrequest.h"

#include "cablerecords.h"
#include "reportlayout.h"
#include "trafficrecords.h"

#include <QRegularExpression>
#include <QtTest>

#include <cstring>

namespace {

QByteArray nameField(const QString &name)
{
    QByteArray field = name.toLatin1().left(SimRemoteResponder::NameSize);
    return field + QByteArray(SimRemoteResponder::NameSize - field.size(), '\0');
}

quint8 saveReport(SimRemoteResponder &r, quint32 port, quint8 test, const QString &name)
{
    const QByteArray reply = answer(r, QByteArray(1, '\x15') + le32(port) + QByteArray(1, char(test)) + nameField(name));
    return reply.size() == 1 ? quint8(reply.at(0)) : 0xFF;
}

quint8 saveConfig(SimRemoteResponder &r, const QString &name)
{
    const QByteArray reply = answer(r, QByteArray(1, '\x0C') + nameField(name));
    return reply.size() == 1 ? quint8(reply.at(0)) : 0xFF;
}

QString proposedName(SimRemoteResponder &r, quint8 test)
{
    const QByteArray field = answer(r, QByteArray(1, '\x1A') + QByteArray(1, char(test)));
    return QString::fromUtf8(field.left(field.indexOf('\0') < 0 ? field.size() : field.indexOf('\0')));
}

// The reply's byte 0: 1 when it carries valid results.
quint8 resultsValidity(SimRemoteResponder &r, quint32 port, quint8 test)
{
    const QByteArray reply = answer(r, QByteArray(1, '\x13') + le32(port) + QByteArray(1, char(test)) + le32(0));
    return reply.isEmpty() ? 0xFF : quint8(reply.at(0));
}

get_device_status_resp_t status(SimRemoteResponder &r)
{
    return simRecordOf<get_device_status_resp_t>(answer(r, QByteArray(1, '\0')));
}

error_t start(SimRemoteResponder &r, quint32 port, quint8 test)
{
    return simRecordOf<error_t>(
        answer(r, QByteArray(1, '\x09') + QByteArray(1, '\1') + le32(port) + QByteArray(1, char(test))));
}

SimRemoteResponder::File file(const QString &name, quint32 type)
{
    return SimRemoteResponder::File{name, type, "old", 0, 0};
}

} // namespace

class TestSimTesterRules : public QObject
{
    Q_OBJECT

private slots:
    void reportFollowsTheLayout_data()
    {
        QTest::addColumn<int>("test");
        QTest::addColumn<quint32>("port");
        QTest::addColumn<quint32>("topology");
        for (const ReportLayout &layout : ReportLayouts)
            QTest::addRow("test %d from Port B", int(layout.test)) << int(layout.test) << 1u << 0u;
        QTest::newRow("traffic from Port A, looped") << int(TestTraffic) << 0u << quint32(TopologySamePort);
        QTest::newRow("cable from Port A") << int(TestCable) << 0u << 0u;
    }
    void reportFollowsTheLayout()
    {
        QFETCH(int, test);
        QFETCH(quint32, port);
        QFETCH(quint32, topology);
        // Pattern blocks: every byte tells where it came from.
        SimRemoteResponder r(8);
        r.status.link[1] = port_link_t{1, 1, 1, 0};
        r.status.address[0] = port_addresses_t{0x0A000001, 0xFFFFFF00, 0x0A0000FE};
        r.status.address[1] = port_addresses_t{0x0A000102, 0xFFFF0000, 0x0A0001FE};
        startTest(r, port, quint8(test), int(topology));
        stopTest(r, port, quint8(test));
        QCOMPARE(saveReport(r, port, quint8(test), QStringLiteral("R")), quint8(0));
        const QByteArray bytes = r.files.last().contents;
        const ReportFile report(bytes);
        const ReportLayout *layout = reportLayout(unsigned(test));
        QCOMPARE(bytes.size(), layout->end);
        QVERIFY(report.readable());

        const report_header_t h = report.header();
        QCOMPARE(int(h.test), test);
        QCOMPARE(quint32(h.port), port);
        QCOMPARE(h.loop != 0, topology == TopologySamePort);
        QCOMPARE(std::memcmp(h.link, r.status.link, sizeof h.link), 0);
        QCOMPARE(std::memcmp(h.dhcp, r.status.address, sizeof h.dhcp), 0);
        if (layout->interfaceBlock) {
            for (quint32 p : {0u, 1u}) {
                QCOMPARE(bytes.mid(ReportInterfaceBlockAt + int(p * sizeof(eth_settings_t)), sizeof(eth_settings_t)),
                         r.settingsBlock(p, TestInterfaceSettings));
            }
        }
        const int settings = testSettingsSize(unsigned(test));
        const int results = testResultsSize(unsigned(test));
        if (layout->settingsAt >= 0)
            QCOMPARE(bytes.mid(layout->settingsAt, settings), r.settingsBlock(port, quint8(test)));
        if (layout->resultsAt[1] >= 0) {
            QCOMPARE(bytes.mid(layout->resultsAt[0], results), r.resultsRecord(PortA, quint8(test)));
            QCOMPARE(bytes.mid(layout->resultsAt[1], results), r.resultsRecord(PortB, quint8(test)));
        } else {
            QCOMPARE(bytes.mid(layout->resultsAt[0], results), r.resultsRecord(port, quint8(test)));
        }
        // Loaded back, it names its port and test.
        const load_report_resp_t loaded =
            simRecordOf<load_report_resp_t>(answer(r, QByteArray(1, '\x16') + nameField(QStringLiteral("R"))));
        QCOMPARE(loaded.result, 0u);
        QCOMPARE(loaded.port, port);
        QCOMPARE(int(loaded.test), test);
    }

    void reportOfATestWithoutLayoutKeepsItsTest()
    {
        SimRemoteResponder r(8);
        QCOMPARE(saveReport(r, 0, TestOam, QStringLiteral("OAM")), quint8(0));
        const QByteArray bytes = r.files.last().contents;
        QCOMPARE(int(uint8_t(bytes.at(0))), int(TestOam));
        QCOMPARE(bytes.size(), int(sizeof(report_header_t)) + testSettingsSize(TestOam) + testResultsSize(TestOam));
    }

    void proposedNamesAreFreeAndTakenByTheNameField_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("test");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("report, empty store") << QStringList() << int(TestTraffic) << "REPORT 0001";
        QTest::newRow("configuration, empty store") << QStringList() << int(TestDeviceSettings) << "CONFIG 0001";
        QTest::newRow("two reports stored") << QStringList{"REPORT 0001", "REPORT 0002"} << int(TestBert)
                                            << "REPORT 0003";
        QTest::newRow("a gap is used first") << QStringList{"REPORT 0002"} << int(TestCable) << "REPORT 0001";
        QTest::newRow("configuration beside reports") << QStringList{"REPORT 0001", "CONFIG 0001"}
                                                      << int(TestDeviceSettings) << "CONFIG 0002";
    }
    void proposedNamesAreFreeAndTakenByTheNameField()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, test);
        QFETCH(QString, proposed);
        SimRemoteResponder r;
        for (const QString &name : stored)
            r.files << file(name, name.startsWith(QLatin1String("CONFIG")) ? FileTypeConfig : FileTypeReport);
        const QString name = proposedName(r, quint8(test));
        QCOMPARE(name, proposed);
        // The file name field's characters, at most 19 of them.
        QVERIFY(QRegularExpression(QStringLiteral("^[A-Za-z0-9*#\\., ]{1,19}$")).match(name).hasMatch());
        // Saved under it, the next proposal is another name.
        QCOMPARE(test == TestDeviceSettings ? saveConfig(r, name) : saveReport(r, 0, quint8(test), name), quint8(0));
        QVERIFY(proposedName(r, quint8(test)) != name);
    }

    void savesReplaceNothing_data()
    {
        QTest::addColumn<QStringList>("stored");   // each stored as a report
        QTest::addColumn<bool>("report");           // else a configuration
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint8>("fileError");
        QTest::addColumn<quint8>("error");
        QStringList full;
        for (int i = 0; i < SimRemoteResponder::MaxFiles; ++i)
            full << QStringLiteral("F%1").arg(i);
        QTest::newRow("report, new name") << QStringList{"A"} << true << "B" << quint8(0) << quint8(0);
        QTest::newRow("configuration, new name") << QStringList{"A"} << false << "B" << quint8(0) << quint8(0);
        QTest::newRow("report over a report") << QStringList{"A"} << true << "A" << quint8(0) << quint8(2);
        QTest::newRow("configuration over a report") << QStringList{"A"} << false << "A" << quint8(0) << quint8(2);
        QTest::newRow("one below full") << QStringList(full.mid(1)) << true << "NEW" << quint8(0) << quint8(0);
        QTest::newRow("report into a full store") << full << true << "NEW" << quint8(0) << quint8(1);
        QTest::newRow("configuration into a full store") << full << false << "NEW" << quint8(0) << quint8(1);
        QTest::newRow("existing name in a full store") << full << true << "F3" << quint8(0) << quint8(2);
        QTest::newRow("an error set by hand wins") << QStringList() << true << "B" << quint8(3) << quint8(3);
    }
    void savesReplaceNothing()
    {
        QFETCH(QStringList, stored);
        QFETCH(bool, report);
        QFETCH(QString, name);
        QFETCH(quint8, fileError);
        QFETCH(quint8, error);
        SimRemoteResponder r;
        for (const QString &n : stored)
            r.files << file(n, FileTypeReport);
        r.fileError = fileError;
        const QList<SimRemoteResponder::File> before = r.files;
        QCOMPARE(report ? saveReport(r, 0, TestTraffic, name) : saveConfig(r, name), error);
        if (error) {
            QCOMPARE(r.files.size(), before.size());
            for (int i = 0; i < before.size(); ++i) {
                QCOMPARE(r.files.at(i).name, before.at(i).name);
                QCOMPARE(r.files.at(i).contents, before.at(i).contents);
                QCOMPARE(r.files.at(i).type, before.at(i).type);
            }
        } else {
            QCOMPARE(r.files.size(), before.size() + 1);
            QCOMPARE(r.files.last().name, name);
            QCOMPARE(r.files.last().type, report ? FileTypeReport : FileTypeConfig);
        }
    }

    void statusRatesFollowTheTraffic_data()
    {
        QTest::addColumn<quint32>("port");
        QTest::addColumn<quint32>("topology");
        QTest::addColumn<quint32>("receiver");
        QTest::newRow("A to B") << 0u << quint32(TopologyToOtherPort) << 1u;
        QTest::newRow("B to A") << 1u << quint32(TopologyToOtherPort) << 0u;
        QTest::newRow("A looped") << 0u << quint32(TopologySamePort) << 0u;
    }
    void statusRatesFollowTheTraffic()
    {
        QFETCH(quint32, port);
        QFETCH(quint32, topology);
        QFETCH(quint32, receiver);
        SimRemoteResponder r(8);
        r.realistic = true;
        r.status.link[1] = r.status.link[0];
        traffic_settings_t s = readSettings<traffic_settings_t>(r, port, TestTraffic);
        s.rateUnit = 0;
        s.rate = 50;
        s.packetLength = 1000;
        writeSettings(r, port, TestTraffic, s);
        QCOMPARE(status(r).txRate[port], 0u);

        startTest(r, port, TestTraffic, int(topology));
        // Half of 125 000 000 bytes a second on the wire, 1000 of each
        // 1020 bytes in frames.
        const quint32 expected = 61274509;
        const get_device_status_resp_t running = status(r);
        for (quint32 p : {0u, 1u}) {
            QCOMPARE(running.txRate[p], p == port ? expected : 0u);
            QCOMPARE(running.rxRate[p], p == receiver ? expected : 0u);
        }
        stopTest(r, port, TestTraffic);
        const get_device_status_resp_t stopped = status(r);
        for (quint32 p : {0u, 1u}) {
            QCOMPARE(stopped.txRate[p], 0u);
            QCOMPARE(stopped.rxRate[p], 0u);
        }
    }

    void resultsStayAsTheyWereAtStop()
    {
        SimRemoteResponder r(8);
        r.realistic = true;
        startTest(r, 0, TestTraffic, TopologyToOtherPort);
        QTest::qWait(1100);
        stopTest(r, 0, TestTraffic);
        const traffic_results_t atStop = readResults<traffic_results_t>(r, 0, TestTraffic);
        QCOMPARE(int(atStop.status), int(StatusStop));
        QVERIFY(atStop.txFrames > 0);
        QTest::qWait(1100);
        const traffic_results_t later = readResults<traffic_results_t>(r, 0, TestTraffic);
        QCOMPARE(simBytesOf(later), simBytesOf(atStop));
        // A report saved now holds those results.
        QCOMPARE(saveReport(r, 0, TestTraffic, QStringLiteral("T")), quint8(0));
        QCOMPARE(simBytesOf(ReportFile(r.files.last().contents).results<traffic_results_t>()), simBytesOf(atStop));
        // A new start counts from zero again.
        startTest(r, 0, TestTraffic, TopologyToOtherPort);
        QCOMPARE(int(readResults<traffic_results_t>(r, 0, TestTraffic).status), int(StatusRunning));
    }

    void trafficNeedsLink_data()
    {
        QTest::addColumn<int>("test");
        QTest::addColumn<bool>("sendsTraffic");
        for (int t : {TestTraffic, TestRfc2544, TestY1564, TestMultistream, TestJitter, TestMdi, TestAsymTraffic,
                      TestBert})
            QTest::addRow("test %d", t) << t << true;
        for (int t : {TestCable, TestPing, TestStatistics})
            QTest::addRow("test %d", t) << t << false;
    }
    void trafficNeedsLink()
    {
        QFETCH(int, test);
        QFETCH(bool, sendsTraffic);
        SimRemoteResponder r(8);
        r.realistic = true;
        r.status.link[0].up = 1;
        r.status.link[1].up = 0;
        // Port B shows "NS".
        const error_t refused = start(r, PortB, quint8(test));
        QCOMPARE(refused.type, sendsTraffic ? quint32(StartErrorNotConnected) : 0u);
        QCOMPARE(bool(status(r).process[PortB].tx & (1u << test)), !sendsTraffic);
        // Port A has link.
        QCOMPARE(start(r, PortA, quint8(test)).type, 0u);
        QVERIFY(status(r).process[PortA].tx & (1u << test));
        // Without the model of a real tester every start goes.
        SimRemoteResponder plain(8);
        plain.status.link[1].up = 0;
        QCOMPARE(start(plain, PortB, quint8(test)).type, 0u);
    }

    void cableHasNoResultsUntilMeasured()
    {
        SimRemoteResponder r(8);
        r.realistic = true;
        QCOMPARE(resultsValidity(r, PortA, TestCable), quint8(0));
        startTest(r, PortA, TestCable);
        // Still measuring.
        QCOMPARE(resultsValidity(r, PortA, TestCable), quint8(0));
        // Other tests answer as before.
        QCOMPARE(resultsValidity(r, PortA, TestTraffic), quint8(1));
    }
};

QTEST_MAIN(TestSimTesterRules)
#include "tst_simtesterrules.moc"
