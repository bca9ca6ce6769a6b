// Device in a worker thread against the simulated tester: the connect
// sequence, the poll, link loss and the one-request operations.

#include "devicerig.h"

#include <QDateTime>
#include <QMutex>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

// Collects the debug lines written while it lives, from any thread, and
// hands each on to the handler before it.
class DebugLines
{
public:
    DebugLines() { s_previous = qInstallMessageHandler(&DebugLines::handle); }
    ~DebugLines() { qInstallMessageHandler(s_previous); }
    DebugLines(const DebugLines &) = delete;
    DebugLines &operator=(const DebugLines &) = delete;

    QStringList lines() const
    {
        QMutexLocker lock(&s_mutex);
        return s_lines;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtDebugMsg) {
            QMutexLocker lock(&s_mutex);
            s_lines << text;
        }
        if (s_previous)
            s_previous(type, context, text);
    }

    static inline QMutex s_mutex;
    static inline QStringList s_lines;
    static inline QtMessageHandler s_previous = nullptr;
};

QList<QByteArray> since(const QList<QByteArray> &all, int from)
{
    return all.mid(from);
}

// The requests between consecutive status requests, each list starting with
// its status request; requests before the first status request are dropped.
QList<QStringList> pollSegments(const QStringList &described)
{
    QList<QStringList> segments;
    for (const QString &d : described) {
        if (d == QLatin1String("00"))
            segments.append(QStringList{d});
        else if (!segments.isEmpty())
            segments.last().append(d);
    }
    return segments;
}

bool everyRecordAbsent(Device *device)
{
    for (TestInfo *info : device->testInfos()) {
        for (port_t p : {PortA, PortB}) {
            if (info->getSettings(p) || info->getResults(p))
                return false;
        }
    }
    for (int p = 0; p < Device::InterfaceCount; ++p) {
        if (device->getInterfaceInfo(p)->getSettings())
            return false;
    }
    return true;
}

} // namespace

class TestDevice : public QObject
{
    Q_OBJECT

private slots:
    void connectSequence_data();
    void connectSequence();
    void lossDuringConnectStepsSetsNoClock();
    void connectToNobodyEmitsDisconnectedAndSaysWhy();
    void connectBySerialLink();
    void pollReadsResultsOfRunningTestsOnCurrentPort();
    void linkLoss_data();
    void linkLoss();
    void startTest_data();
    void startTest();
    void fileListing_data();
    void fileListing();
    void saveConfig_data();
    void saveConfig();
    void loadConfigDropsEveryRecord();
    void loadReport_data();
    void loadReport();
    void createPdfReport_data();
    void createPdfReport();
    void fpgaRead();
    void operationsOnLostLink();
    void deviceSettingsAndSmallCommands();
    void startTestErrorTextUsesPortSettings();
    void screenshot();
    void screenshotThatBreaksOff_data();
    void screenshotThatBreaksOff();
    void updatePackage_data();
    void updatePackage();
    void testInProcessOnlyForTestIds();
};

void TestDevice::connectSequence_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<bool>("clockSet");
    QTest::addColumn<int>("ports");
    QTest::newRow("type 0: no clock") << 0 << false << 2;
    QTest::newRow("type 1: no clock, one port") << 1 << false << 1;
    QTest::newRow("type 3: clock") << 3 << true << 1;
    QTest::newRow("type 5: clock") << 5 << true << 1;
    QTest::newRow("type 8: no clock") << 8 << false << 2;
}

void TestDevice::connectSequence()
{
    QFETCH(int, deviceType);
    QFETCH(bool, clockSet);
    QFETCH(int, ports);

    DeviceRig rig{quint8(deviceType)};
    QVERIFY(rig.connectDevice());

    const QList<QByteArray> requests = rig.sim.requests();
    const QStringList d = describeAll(requests);
    QStringList expected{"0F", "00", "11:p0:id0", "11:p0:id20", "11:p1:id20", "11:p2:id20"};
    if (clockSet)
        expected << "19";
    QCOMPARE(d.mid(0, expected.size()), expected);
    QCOMPARE(d.count("19"), clockSet ? 1 : 0);

    if (clockSet) {
        // Local wall-clock time as seconds, whatever the PC's zone.
        const QByteArray &clock = requests.at(expected.size() - 1);
        QCOMPARE(clock.size(), 5);
        const QDateTime now = QDateTime::currentDateTime();
        const qint64 local = now.toSecsSinceEpoch() + now.offsetFromUtc();
        QVERIFY(qAbs(qint64(u32At(clock, 1)) - local) < 600);
    }

    QCOMPARE(rig.log.count("connected"), 1);
    QCOMPARE(rig.log.count("disconnected"), 0);
    QCOMPARE(rig.log.count("deviceInfoUpdated"), 1);
    QVERIFY(rig.log.count("deviceStatusUpdated") >= 1);
    QCOMPARE(rig.log.count("deviceSettingsReceived"), 1);
    QCOMPARE(rig.device->getConnectionType(), RemoteControl::TcpIpConnection);
    QCOMPARE(int(rig.device->getDeviceInfo().deviceType), deviceType);
    QCOMPARE(rig.device->getDeviceInfo().serialNumber, quint16(4711));
    QCOMPARE(rig.device->getPortsCount(), ports);
    for (int p = 0; p < Device::InterfaceCount; ++p) {
        const auto settings = rig.device->getInterfaceInfo(p)->getSettings();
        QVERIFY(settings);
        const QByteArray expectedBlock =
            SimRemoteResponder::patternBlock(quint32(p), TestInterfaceSettings, 76, false);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&*settings), 76), expectedBlock);
    }
    QVERIFY(!rig.device->getInterfaceInfo(3));
    QVERIFY(!rig.device->getInterfaceInfo(-1));
}

void TestDevice::lossDuringConnectStepsSetsNoClock()
{
    // A type 3 tester gets its clock set at the end of the connect steps;
    // one that drops on the last interface read must not be asked, and the
    // loss is reported once.
    DeviceRig rig{quint8(3)};
    rig.sim.dropAfter(5);   // 0F, 00, settings, interfaces of A and B answered
    rig.inWorker([&] { rig.device->connectByTcpIp(rig.address()); });
    QVERIFY(QTest::qWaitFor([&] { return rig.log.count("disconnected") > 0; }, EventuallyMs));
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("connected"), 1);
    QCOMPARE(rig.log.count("disconnected"), 1);
    QCOMPARE(describeAll(rig.sim.requests()).count("19"), 0);
}

void TestDevice::connectToNobodyEmitsDisconnectedAndSaysWhy()
{
    DeviceRig rig;
    const QString nobody = QStringLiteral("127.0.0.1:%1").arg(rig.tcpPort);
    rig.sim.goAway();
    rig.inWorker([&] { rig.device->connectByTcpIp(nobody); });
    QVERIFY(QTest::qWaitFor([&] { return rig.log.count("disconnected") == 1; }, EventuallyMs));
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("connected"), 0);
    // Only the loss, and then why: no tester at the address.
    QCOMPARE(rig.log.entries.size(), 2);
    QCOMPARE(rig.log.entries.at(0).name, QString("disconnected"));
    QCOMPARE(rig.log.entries.at(1).name, QString("linkFailed"));
    QCOMPARE(int(rig.log.lastArgs("linkFailed").value(0).value<LinkFailure>().kind), int(LinkFailure::NotOpened));
    QCOMPARE(rig.device->getConnectionType(), RemoteControl::NoConnection);
}

void TestDevice::connectBySerialLink()
{
    DeviceRig rig(0);
    const QString pty = rig.sim.openPty();
    QVERIFY(!pty.isEmpty());
    rig.inWorker([&] { rig.device->connectBySerial(pty); });
    QVERIFY(QTest::qWaitFor([&] { return rig.log.count("connected") == 1; }, EventuallyMs));
    QVERIFY(rig.drain());
    QCOMPARE(rig.device->getConnectionType(), RemoteControl::SerialConnection);
    QCOMPARE(describeAll(rig.sim.requests()).mid(0, 3), (QStringList{"0F", "00", "11:p0:id0"}));
    rig.inWorker([&] { rig.device->disconnect(); });
    QVERIFY(QTest::qWaitFor([&] { return rig.log.count("disconnected") == 1; }, EventuallyMs));
    QCOMPARE(rig.device->getConnectionType(), RemoteControl::NoConnection);
    QVERIFY(!rig.device->getInterfaceInfo(PortA)->getSettings());
}

void TestDevice::pollReadsResultsOfRunningTestsOnCurrentPort()
{
    DeviceRig rig(0);
    // RFC 2544 runs on Port B all along; the current port is A.
    rig.tester([](SimRemoteResponder &r) { r.status.process[PortB].tx = 1u << TestRfc2544; });
    QVERIFY(rig.connectDevice());

    rig.inWorker([&] { rig.device->startTest(TestTraffic, TopologyToOtherPort); });
    QVERIFY(rig.waitForPolls(3));
    QVERIFY(rig.device->testInProcess(PortA, TestTraffic));
    QVERIFY(rig.device->getTrafficInfo()->getSettings(PortA));

    rig.inWorker([&] { rig.device->stopTest(TestTraffic); });
    QVERIFY(rig.waitForPolls(3));
    QVERIFY(rig.drain());

    // Requests never straddle the stop: the worker runs one slot at a time.
    const QStringList all = describeAll(rig.sim.requests());
    const int stopAt = all.indexOf("09:stop:p0:t2");
    QVERIFY(stopAt > 0);
    const QStringList beforeStop = all.mid(0, stopAt);
    const QStringList afterStop = all.mid(stopAt);

    // While it ran: its settings once (before the first results), then one
    // results read per poll, nothing for Port B.
    const int start = beforeStop.indexOf("09:start:p0:t2");
    QVERIFY(start > 0);
    QCOMPARE(beforeStop.count("11:p0:id2"), 1);
    QVERIFY(beforeStop.indexOf("11:p0:id2") < beforeStop.indexOf("13:p0:t2"));
    const QList<QStringList> running = pollSegments(beforeStop.mid(start));
    QVERIFY(running.size() >= 3);
    for (const QStringList &poll : running)
        QCOMPARE(poll.count("13:p0:t2"), 1);
    QVERIFY(!all.join(' ').contains("13:p1"));

    // After the stop: exactly one more results read, in the first poll.
    QCOMPARE(afterStop.first(), QStringLiteral("09:stop:p0:t2"));
    const QList<QStringList> stopped = pollSegments(afterStop);
    QVERIFY(stopped.size() >= 3);
    QCOMPARE(stopped.at(0).count("13:p0:t2"), 1);
    QCOMPARE(afterStop.count("13:p0:t2"), 1);
    // That last read was valid, and nothing takes the record out any more.
    QVERIFY(rig.device->getTrafficInfo()->getResults(PortA));

    // The device settings were read once for the whole connection.
    QCOMPARE(all.count("11:p0:id0"), 1);
    QCOMPARE(rig.log.count("deviceSettingsReceived"), 1);

    // Switching to Port B starts its polling at the next tick.
    rig.device->setCurrentProcess(PortB);
    rig.device->setCurrentProcess(PortB);
    const int switchAt = rig.sim.requests().size();
    QVERIFY(rig.waitForPolls(2));
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("currentprocessChanged"), 1);
    QCOMPARE(rig.log.lastArgs("currentprocessChanged"), QVariantList{PortB});
    const QStringList onB = describeAll(since(rig.sim.requests(), switchAt));
    QVERIFY(onB.count("13:p1:t3") >= 1);
    QCOMPARE(onB.count("13:p0:t2"), 0);
}

void TestDevice::linkLoss_data()
{
    QTest::addColumn<bool>("silent");
    QTest::newRow("tester silent") << true;
    QTest::newRow("tester gone") << false;
}

void TestDevice::linkLoss()
{
    QFETCH(bool, silent);
    DeviceRig rig(0);
    QVERIFY(rig.connectDevice());
    // Fill some records so that their loss shows.
    rig.inWorker([&] {
        rig.device->getTrafficInfo()->receiveResults(PortA);
        rig.device->getRfcInfo()->receiveSettings(PortB);
    });
    QVERIFY(rig.drain());
    QVERIFY(rig.device->getTrafficInfo()->getResults(PortA));
    QVERIFY(rig.device->getRfcInfo()->getSettings(PortB));
    QVERIFY(rig.device->getInterfaceInfo(PortRC)->getSettings());

    if (silent)
        rig.sim.setSilent(true);
    else
        rig.sim.goAway();

    // A silent tester costs three attempts of 2000 ms.
    QVERIFY(QTest::qWaitFor([&] { return rig.log.count("disconnected") > 0; }, EventuallyMs));
    const int requestsAtLoss = rig.sim.requests().size();
    // Ticks queued meanwhile, and later ones, make no request and report nothing.
    QTest::qWait(2500);
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("disconnected"), 1);
    QCOMPARE(rig.sim.requests().size(), requestsAtLoss);
    QCOMPARE(rig.device->getConnectionType(), RemoteControl::NoConnection);
    QVERIFY(everyRecordAbsent(rig.device));
    // The identity of the last tester stays.
    QCOMPARE(rig.device->getDeviceInfo().serialNumber, quint16(4711));
}

void TestDevice::startTest_data()
{
    QTest::addColumn<quint32>("errorType");
    QTest::addColumn<int>("errors");
    QTest::newRow("started") << quint32(0) << 0;
    QTest::newRow("already running") << quint32(StartErrorAlreadyRunning) << 1;
    QTest::newRow("routing") << quint32(StartErrorRouting) << 1;
}

void TestDevice::startTest()
{
    QFETCH(quint32, errorType);
    QFETCH(int, errors);
    DeviceRig rig(0);
    QVERIFY(rig.connectDevice());
    rig.tester([&](SimRemoteResponder &r) {
        r.startError = error_t{};
        r.startError.type = errorType;
        r.startError.value = 0x0205;
    });
    rig.device->setCurrentProcess(PortB);
    const int from = rig.sim.requests().size();
    rig.inWorker([&] { rig.device->startTest(TestJitter, TopologySamePort); });
    QVERIFY(rig.drain());

    const QStringList d = describeAll(since(rig.sim.requests(), from));
    QVERIFY(d.size() >= 3);
    QCOMPARE(d.mid(0, 3), (QStringList{"0A", "09:start:p1:t6", "00"}));
    const QByteArray topology = rig.sim.requests().at(from);
    QCOMPARE(u32At(topology, 1), quint32(PortB));
    QCOMPARE(quint8(topology.at(5)), quint8(TopologySamePort));
    QCOMPARE(rig.log.count("startTestError"), errors);
    if (errors) {
        QCOMPARE(rig.log.lastArgs("startTestError").value(0).toUInt(), errorType);
        QCOMPARE(rig.log.lastArgs("startTestError").value(1).toUInt(), 0x0205u);
    }
}

void TestDevice::fileListing_data()
{
    QTest::addColumn<QStringList>("configs");
    QTest::addColumn<QStringList>("reports");
    QTest::newRow("none: first reply is the last") << QStringList() << QStringList();
    QTest::newRow("configs only") << QStringList{"CFG_A", "CFG_B"} << QStringList();
    QTest::newRow("both kinds") << QStringList{"C1"} << QStringList{"R1", "R2", "R3"};
}

void TestDevice::fileListing()
{
    QFETCH(QStringList, configs);
    QFETCH(QStringList, reports);
    DeviceRig rig(0);
    rig.tester([&](SimRemoteResponder &r) {
        // Interleaved on purpose: the listing must keep to its type.
        for (int i = 0; i < qMax(configs.size(), reports.size()); ++i) {
            if (i < reports.size())
                r.files << SimRemoteResponder::File{reports.at(i), FileTypeReport, "x", 0, 2};
            if (i < configs.size())
                r.files << SimRemoteResponder::File{configs.at(i), FileTypeConfig, "y", 0, 0};
        }
    });
    QVERIFY(rig.connectDevice());
    rig.inWorker([&] {
        rig.device->receiveSettingsFilesNames();
        rig.device->receiveReportsFilesNames();
    });
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("settingsFilesNamesReceived"), 1);
    QCOMPARE(rig.log.count("reportsFilesNamesReceived"), 1);
    QCOMPARE(rig.log.lastArgs("settingsFilesNamesReceived").value(0).toStringList(), configs);
    QCOMPARE(rig.log.lastArgs("reportsFilesNamesReceived").value(0).toStringList(), reports);
    QCOMPARE(rig.device->getSettingsFilesNames(), configs);
    QCOMPARE(rig.device->getReportsFilesNames(), reports);
}

void TestDevice::saveConfig_data()
{
    QTest::addColumn<int>("error");
    QTest::newRow("stored") << 0;
    QTest::newRow("memory full") << 1;
    QTest::newRow("error 3") << 3;
}

void TestDevice::saveConfig()
{
    QFETCH(int, error);
    DeviceRig rig(0);
    QVERIFY(rig.connectDevice());
    rig.tester([&](SimRemoteResponder &r) { r.fileError = quint8(error); });
    rig.inWorker([&] {
        rig.device->saveConfigToFile(QStringLiteral("MYCONFIG"));
        rig.device->saveReportToFile(PortA, TestTraffic, QStringLiteral("MYREPORT"));
    });
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("configSaved"), error == 0 ? 1 : 0);
    QCOMPARE(rig.log.count("reportSaved"), error == 0 ? 1 : 0);
    QCOMPARE(rig.log.count("fileSaveError"), error == 0 ? 0 : 2);
    if (error)
        QCOMPARE(rig.log.lastArgs("fileSaveError"), QVariantList{error});
}

void TestDevice::loadConfigDropsEveryRecord()
{
    DeviceRig rig(0);
    QVERIFY(rig.connectDevice());
    rig.inWorker([&] {
        for (TestInfo *info : rig.device->testInfos())
            info->receiveResults(PortA);
    });
    QVERIFY(rig.drain());
    QVERIFY(rig.device->getBertInfo()->getResults(PortA));
    QVERIFY(rig.device->getLbInfo()->getSettings(PortA));
    rig.inWorker([&] { rig.device->loadConfigFromFile(QStringLiteral("CFG")); });
    QVERIFY(rig.drain());
    QVERIFY(everyRecordAbsent(rig.device));
    QCOMPARE(rig.log.count("disconnected"), 0);
    QVERIFY(describeAll(rig.sim.requests()).contains("0D"));
}

void TestDevice::loadReport_data()
{
    QTest::addColumn<QByteArray>("reply");   // load_report_resp_t as sent
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("test");
    auto r = [](quint32 result, quint32 port, quint32 test) {
        QByteArray b(12, '\0');
        qToLittleEndian(result, b.data());
        qToLittleEndian(port, b.data() + 4);
        qToLittleEndian(test, b.data() + 8);
        return b;
    };
    QTest::newRow("traffic on A") << r(0, 0, 2) << true << 0 << 2;
    QTest::newRow("multistream on B") << r(0, 1, 5) << true << 1 << 5;
    QTest::newRow("refused") << r(1, 0, 2) << false << 0 << 2;
    QTest::newRow("test 18 has no record") << r(0, 0, 18) << false << 0 << 18;
    QTest::newRow("test 20 has no record") << r(0, 0, 20) << false << 0 << 20;
    QTest::newRow("test 300 has no record") << r(0, 0, 300) << false << 0 << 300;
    QTest::newRow("port 2") << r(0, 2, 2) << false << 2 << 2;
    QTest::newRow("port 0x100") << r(0, 0x100, 2) << false << 0x100 << 2;
}

void TestDevice::loadReport()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, loaded);
    QFETCH(int, port);
    QFETCH(int, test);
    DeviceRig rig(0);
    QVERIFY(rig.connectDevice());
    rig.inWorker([&] {
        for (TestInfo *info : rig.device->testInfos()) {
            info->receiveResults(PortA);
            info->receiveResults(PortB);
        }
    });
    QVERIFY(rig.drain());
    rig.tester([&](SimRemoteResponder &r) { r.replyOverride[0x16] = reply; });
    rig.inWorker([&] { rig.device->loadReportFromFile(QStringLiteral("REPORT")); });
    QVERIFY(rig.drain());

    QCOMPARE(rig.log.count("reportLoaded"), loaded ? 1 : 0);
    int cleared = 0;
    for (TestInfo *info : rig.device->testInfos()) {
        if (!info->getSettings(PortA) && !info->getSettings(PortB) && !info->getResults(PortA)
            && !info->getResults(PortB))
            ++cleared;
    }
    // Cable and optical have no settings but results; every record is full
    // before the load, so only the loaded test's record is empty after it.
    QCOMPARE(cleared, loaded ? 1 : 0);
    if (loaded) {
        QCOMPARE(rig.log.lastArgs("reportLoaded"), (QVariantList{uint(port), test}));
        for (TestInfo *info : rig.device->testInfos()) {
            if (info->getTestId() == test)
                QVERIFY(!info->getSettings(PortA) && !info->getResults(PortB));
        }
    }
}

void TestDevice::createPdfReport_data()
{
    QTest::addColumn<QByteArray>("contents");   // empty: no such file
    QTest::addColumn<QByteArray>("readOverride");   // empty: none
    QTest::addColumn<bool>("result");
    QByteArray oam(1200, '\x01');
    oam[0] = char(TestOam);
    QTest::newRow("no such file") << QByteArray() << QByteArray() << false;
    QTest::newRow("test without report (OAM), 1200 bytes") << oam << QByteArray() << true;
    QTest::newRow("loopback report of one byte") << QByteArray(1, char(TestLoopback)) << QByteArray()
                                                 << true;
    // The tester answers the first chunk with only 10 of 512 bytes.
    QTest::newRow("truncated chunk") << oam << QByteArray(11, '\0') << false;
    // The tester flags the read as failed.
    QTest::newRow("read error byte") << oam << QByteArray(513, '\x02') << false;
}

void TestDevice::createPdfReport()
{
    QFETCH(QByteArray, contents);
    QFETCH(QByteArray, readOverride);
    QFETCH(bool, result);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));

    DeviceRig rig(0);
    rig.tester([&](SimRemoteResponder &r) {
        if (!contents.isEmpty())
            r.files << SimRemoteResponder::File{QStringLiteral("REP1"), FileTypeReport, contents, 0, 0};
        if (!readOverride.isEmpty())
            r.replyOverride[0x06] = readOverride;
    });
    QVERIFY(rig.connectDevice());
    rig.inWorker([&] { rig.device->createPdfReport(QStringLiteral("REP1"), pdf); });
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("pdfReportCreated"), 1);
    QCOMPARE(rig.log.lastArgs("pdfReportCreated"), QVariantList{result});
    QVERIFY(!QFile::exists(pdf));   // none of these has anything to draw
    QCOMPARE(rig.log.count("disconnected"), 0);
}

void TestDevice::fpgaRead()
{
    DeviceRig rig(0);
    rig.tester([](SimRemoteResponder &r) { r.fpga[0x1234] = 0xA5; });
    QVERIFY(rig.connectDevice());
    rig.inWorker([&] {
        rig.device->readFpgaValue(0x1234);
        rig.device->writeFpgaValue(0x10, 0x5A);
        rig.device->readFpgaValue(0x10);
    });
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("fpgaValueReaded"), 2);
    QCOMPARE(rig.log.lastArgs("fpgaValueReaded"), QVariantList{0x5A});
}

void TestDevice::operationsOnLostLink()
{
    DeviceRig rig(0);
    rig.tester([](SimRemoteResponder &r) {
        r.files << SimRemoteResponder::File{QStringLiteral("R1"), FileTypeReport, "x", 0, 2};
        r.files << SimRemoteResponder::File{QStringLiteral("R2"), FileTypeReport, "x", 0, 2};
    });
    QVERIFY(rig.connectDevice());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("lost.pdf"));
    // The second name of the listing is never answered: the link goes down.
    rig.inWorker([&] { rig.sim.dropAfter(1); });
    rig.inWorker([&] {
        rig.device->receiveReportsFilesNames();
        rig.device->readFpgaValue(0x1234);
        rig.device->saveConfigToFile(QStringLiteral("LOST"));
        rig.device->saveReportToFile(PortA, TestTraffic, QStringLiteral("LOST"));
        rig.device->loadReportFromFile(QStringLiteral("R1"));
        rig.device->getNewFileName(TestTraffic);
        rig.device->getSyncStatus();
        rig.device->createPdfReport(QStringLiteral("R1"), pdf);
    });
    QVERIFY(rig.drain());
    QVERIFY(rig.log.count("disconnected") >= 1);
    // A listing cut short still announces the names read before the loss.
    QCOMPARE(rig.log.count("reportsFilesNamesReceived"), 1);
    QCOMPARE(rig.log.lastArgs("reportsFilesNamesReceived").value(0).toStringList(),
             QStringList{"R1"});
    // No register value, no save verdict, no load, no name, no sync state.
    for (const char *silent : {"fpgaValueReaded", "configSaved", "reportSaved", "fileSaveError",
                               "reportLoaded", "newFileNameReceived", "syncStatusUpdated"})
        QVERIFY2(rig.log.count(silent) == 0, silent);
    // The PDF road always answers, here with failure.
    QCOMPARE(rig.log.lastArgs("pdfReportCreated"), QVariantList{false});
}

void TestDevice::deviceSettingsAndSmallCommands()
{
    DeviceRig rig(0);
    rig.tester([](SimRemoteResponder &r) {
        r.deviceSettings.reserved1[0] = 0x11;
        r.deviceSettings.reserved2 = 0x77;
        r.deviceSettings.checking = 2;
    });
    QVERIFY(rig.connectDevice());
    QCOMPARE(rig.device->getDeviceSettings().checking, quint8(2));

    DebugLines debug;
    rig.inWorker([&] {
        rig.device->sendCheckDeviceSettings(5);
        rig.device->sendSyncStatus(4);
        rig.device->getSyncStatus();
        rig.device->sendWDtime(90);
        rig.device->setClock(1234567890u);
        rig.device->getNewFileName(TestTraffic);
        rig.device->setThruMode(true);
        rig.device->resetStatistics();
    });
    QVERIFY(rig.drain());
    for (const char *line : {"Send device settings, checking is 5", "Send sync status, status is 4",
                             "Get sync status"})
        QVERIFY2(debug.lines().contains(QLatin1String(line)), line);
    QCOMPARE(rig.device->getDeviceSettings().checking, quint8(5));
    rig.tester([](SimRemoteResponder &r) {
        // The other bytes go back as they were read.
        QCOMPARE(r.deviceSettings.checking, quint8(5));
        QCOMPARE(r.deviceSettings.reserved1[0], quint8(0x11));
        QCOMPARE(r.deviceSettings.reserved2, quint8(0x77));
        QCOMPARE(r.syncStatusSet, QList<quint8>{4});
        QCOMPARE(r.watchdogTime, 90u);
        QCOMPARE(r.clock, 1234567890u);
        QCOMPARE(r.topology[PortA], quint32(TopologyPassThroughOn));
        QCOMPARE(r.statisticsResets, 1);
    });
    QCOMPARE(rig.log.lastArgs("syncStatusUpdated"), (QVariantList{3, 1, 2}));
    QCOMPARE(rig.log.lastArgs("newFileNameReceived"), QVariantList{QStringLiteral("REPORT 0001")});
}

void TestDevice::startTestErrorTextUsesPortSettings()
{
    DeviceRig rig(0);
    rig.tester([](SimRemoteResponder &r) {
        QByteArray &b = r.settingsBlock(PortB, TestInterfaceSettings);
        b[22] = 0;   // no VLAN tags
        b[36] = 2;   // two MPLS labels
    });
    error_t e{};
    e.type = StartErrorStream;
    e.value = PortB;
    e.packetLength = 64;
    // Before the interface settings are read only the error record speaks.
    QVERIFY(!rig.device->startTestErrorText(e).contains("MPLS"));
    QVERIFY(rig.connectDevice());
    QVERIFY(rig.device->startTestErrorText(e).contains("MPLS"));
    QVERIFY(!rig.device->startTestErrorText(e).contains("VLAN"));
    e.value = 7;   // no such port: no interface settings to consult
    QVERIFY(!rig.device->startTestErrorText(e).contains("MPLS"));
    QCOMPARE(Device::testStatusText(1), QStringLiteral("OK"));
}

void TestDevice::screenshot()
{
    DeviceRig rig(0);
    rig.tester([](SimRemoteResponder &r) { r.fillScreen(0x30); });
    QVERIFY(rig.connectDevice());
    rig.inWorker([&] { rig.device->receeiveScreenshot(); });
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("screenshotReceived"), 1);
    QImage shot = rig.device->getScreenshot();
    QCOMPARE(shot.size(), QSize(320, 240));
    QCOMPARE(shot.pixelColor(0, 0), QColor(0, 0, 255));
    QCOMPARE(shot.pixelColor(319, 239), QColor(0, 0, 255));

}

// A screen read that breaks off still reports, but leaves no picture: the
// one held before is not the screen asked for, and must not be shown or
// saved as if it were. The next whole read brings a picture again.
void TestDevice::screenshotThatBreaksOff_data()
{
    QTest::addColumn<bool>("stalls");       // the replies carry no pixel
    QTest::addColumn<int>("dropAfter");     // else -1: the link goes after this many screen replies
    QTest::addColumn<int>("disconnects");
    QTest::newRow("replies without pixels") << true << -1 << 0;
    QTest::newRow("link gone after the first reply") << false << 1 << 1;
    QTest::newRow("link gone at the first request") << false << 0 << 1;
}

void TestDevice::screenshotThatBreaksOff()
{
    QFETCH(bool, stalls);
    QFETCH(int, dropAfter);
    QFETCH(int, disconnects);
    DeviceRig rig(0);
    rig.tester([](SimRemoteResponder &r) { r.fillScreen(0x30); });
    QVERIFY(rig.connectDevice());
    rig.inWorker([&] { rig.device->receeiveScreenshot(); });
    QVERIFY(rig.drain());
    QCOMPARE(rig.device->getScreenshot().pixelColor(160, 120), QColor(0, 0, 255));

    rig.tester([&](SimRemoteResponder &r) {
        r.fillScreen(0x3F);
        r.screenStalls = stalls;
    });
    if (dropAfter >= 0) {
        // Set in the worker, right before the read: no poll comes between
        // to take the requests the drop counts.
        rig.inWorker([&] {
            rig.sim.dropAfter(dropAfter);
            rig.device->receeiveScreenshot();
        });
    } else {
        rig.inWorker([&] { rig.device->receeiveScreenshot(); });
    }
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("screenshotReceived"), 2);
    QVERIFY(rig.device->getScreenshot().isNull());
    QCOMPARE(rig.log.count("disconnected"), disconnects);

    if (disconnects > 0)
        QVERIFY(rig.connectDevice());
    rig.tester([](SimRemoteResponder &r) { r.screenStalls = false; });
    rig.inWorker([&] { rig.device->receeiveScreenshot(); });
    QVERIFY(rig.drain());
    const QImage shot = rig.device->getScreenshot();
    QCOMPARE(shot.size(), QSize(320, 240));
    QCOMPARE(shot.pixelColor(160, 120), QColor(255, 255, 255));
}

void TestDevice::updatePackage_data()
{
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("lastText");
    QByteArray good(17, '\0');
    qToLittleEndian(quint32(0xC0FFEE42), good.data());
    qToLittleEndian(quint32(300), good.data() + 5);
    good.append(QByteArray(300, '\x11'));
    QByteArray badMagic = good;
    badMagic[0] = 0;
    // Complete only once the tester has accepted the finish.
    QTest::newRow("written") << good << 21 << "Full update complete";
    QTest::newRow("not a package") << badMagic << 20 << QString();
}

void TestDevice::updatePackage()
{
    QFETCH(QByteArray, package);
    QFETCH(int, result);
    QFETCH(QString, lastText);
    DeviceRig rig(0);
    QVERIFY(rig.connectDevice());
    rig.inWorker([&] { rig.device->writeVYRUP(package); });
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("corrResult"), 1);
    QCOMPARE(rig.log.lastArgs("corrResult"), QVariantList{result});
    QCOMPARE(rig.log.lastArgs("vyrupInform").value(0).toString(), lastText);
    if (result == 21) {
        QStringList texts;
        for (const SignalLog::Entry &e : rig.log.entries) {
            if (e.name == QLatin1String("vyrupInform"))
                texts << e.args.value(0).toString();
        }
        QVERIFY(texts.contains("CPU updated 85 %"));
        QVERIFY(texts.contains("CPU updated 100 %"));
        QVERIFY(texts.contains("CPU update complete"));
        QVERIFY(texts.contains("Update finished"));
        QVERIFY(texts.indexOf("Update finished") < texts.indexOf("Full update complete"));
    }
}

void TestDevice::testInProcessOnlyForTestIds()
{
    DeviceRig rig(0);
    rig.tester([](SimRemoteResponder &r) {
        r.status.process[PortA].tx = 0xFFFFFFFFu;
        r.status.process[PortB].rx = 1u << TestTraffic;
    });
    QVERIFY(rig.connectDevice());
    for (int id = 0; id < 32; ++id) {
        const bool expected = id >= 2 && id <= 19;
        QCOMPARE(rig.device->testInProcess(PortA, uchar(id)), expected);
        QVERIFY(!rig.device->testInProcess(PortB, uchar(id)));
        QVERIFY(!rig.device->testInProcess(2, uchar(id)));
    }
    QVERIFY(rig.device->anyTestInProcess());
    // The poll of the connect has become the previous status of the next one.
    QVERIFY(rig.waitForPolls(1));
    QVERIFY(rig.drain());
    QVERIFY(rig.device->testInProcessPrev(PortA, TestBert));
    QVERIFY(!rig.device->testInProcessPrev(PortA, TestStatistics));
}

QTEST_GUILESS_MAIN(TestDevice)
#include "tst_device.moc"
