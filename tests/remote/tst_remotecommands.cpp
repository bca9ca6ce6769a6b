// Every command of RemoteControl against the simulated tester over TCP: the
// exact request payload it puts on the wire and how it decodes the reply.

#include "remoterig.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <functional>

typedef std::function<bool(RemoteControl &)> Call;
Q_DECLARE_METATYPE(Call)

namespace {

QByteArray name21(const QByteArray &latin)
{
    QByteArray f = latin.left(21);
    return f + QByteArray(21 - f.size(), '\0');
}

QByteArray pattern(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 13 + seed) & 0xFF);
    return b;
}

} // namespace

class TestRemoteCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void requestBytes_data();
    void requestBytes();
    void framesOnTheWire();
    void deviceInfoAndStatus();
    void startAndStopFollowProcessWords();
    void refusedStartReturnsErrorRecord();
    void settingsOfEveryTestId_data();
    void settingsOfEveryTestId();
    void shortSettingsReplyFillsOnlyTheFront();
    void resultsValidAndInvalid();
    void filesListedSavedLoadedDeleted();
    void fileListReplies_data();
    void fileListReplies();
    void reportSavedAndLoaded();
    void smallCommandsDecode();
    void refusedClockIsFalseWithoutDisconnect();
    void resetsWaitForNoReply();
    void resetIntoUpdateModeClosesLink();
    void replyOneByteShort_data();
    void replyOneByteShort();
    void waitsOnStatus();

private:
    RemoteRig *rig = nullptr;
};

void TestRemoteCommands::init()
{
    rig = new RemoteRig;
    QVERIFY(rig->connectTcp());
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::TcpIpConnection);
}

void TestRemoteCommands::cleanup()
{
    delete rig;
    rig = nullptr;
}

void TestRemoteCommands::requestBytes_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QByteArray>("payload");

    unsigned char b = 0;
    ushort len = 0;
    QString s;
    bool notLast = false;
    uint u = 0;
    get_device_status_resp_t st{};
    get_device_info_resp_t di{};
    error_t err{};
    load_report_resp_t lr{};
    get_sync_status_resp_t ss{};
    Q_UNUSED(b)
    Q_UNUSED(len)
    Q_UNUSED(notLast)
    Q_UNUSED(u)

    QTest::newRow("status") << Call([=](RemoteControl &rc) mutable { return rc.getDeviceStatus(st); })
                            << hexBytes("00");
    QTest::newRow("fpga read") << Call([=](RemoteControl &rc) mutable { return rc.getFpgaValue(0x12345678, b); })
                               << hexBytes("01 78563412");
    QTest::newRow("fpga write") << Call([](RemoteControl &rc) { return rc.setFpgaValue(0x10, 0xAB); })
                                << hexBytes("02 10000000 AB");
    QTest::newRow("open file")
        << Call([=](RemoteControl &rc) mutable { return rc.openFileToRead("CFG1", len, b); })
        << hexBytes("05") + name21("CFG1");
    QTest::newRow("read file") << Call([=](RemoteControl &rc) mutable {
        QByteArray data;
        return rc.readFile(data, 300, b);
    }) << hexBytes("06 2C01");
    QTest::newRow("list first")
        << Call([=](RemoteControl &rc) mutable { return rc.getFile(true, s, 6, notLast); })
        << hexBytes("07 01 06000000");
    QTest::newRow("list next")
        << Call([=](RemoteControl &rc) mutable { return rc.getFile(false, s, 1, notLast); })
        << hexBytes("07 00 01000000");
    QTest::newRow("delete") << Call([=](RemoteControl &rc) mutable { return rc.deleteFile("x", b); })
                            << hexBytes("08") + name21("x");
    QTest::newRow("start B") << Call([=](RemoteControl &rc) mutable { return rc.setTest(true, PortB, 5, err); })
                             << hexBytes("09 01 01000000 05");
    QTest::newRow("stop A") << Call([=](RemoteControl &rc) mutable { return rc.setTest(false, PortA, 2, err); })
                            << hexBytes("09 00 00000000 02");
    QTest::newRow("topology") << Call([](RemoteControl &rc) { return rc.setTopology(PortB, TopologyPassThroughOn); })
                              << hexBytes("0A 01000000 08");
    QTest::newRow("reset statistics") << Call([](RemoteControl &rc) { return rc.resetStatistics(); })
                                      << hexBytes("0B");
    QTest::newRow("save config") << Call([=](RemoteControl &rc) mutable { return rc.saveConfig("A", b); })
                                 << hexBytes("0C") + name21("A");
    QTest::newRow("load config") << Call([=](RemoteControl &rc) mutable { return rc.loadConfig("B", b); })
                                 << hexBytes("0D") + name21("B");
    QTest::newRow("delete by type") << Call([](RemoteControl &rc) { return rc.deleteFilesByType(FileTypeReport); })
                                    << hexBytes("0E 06000000");
    QTest::newRow("device info") << Call([=](RemoteControl &rc) mutable { return rc.getDeviceInfo(di); })
                                 << hexBytes("0F");
    QTest::newRow("key") << Call([=](RemoteControl &rc) mutable { return rc.keyPress(0x01020304, b); })
                         << hexBytes("10 04030201");
    QTest::newRow("get settings") << Call([](RemoteControl &rc) {
        eth_settings_t eth;
        return rc.getSettings(PortRC, TestInterfaceSettings, &eth, sizeof eth);
    }) << hexBytes("11 02000000 14");
    QTest::newRow("set settings") << Call([](RemoteControl &rc) {
        const QByteArray block = pattern(48, 1);
        return rc.setSettings(PortB, TestTraffic, block.constData(), block.size());
    }) << hexBytes("12 01000000 02") + pattern(48, 1);
    QTest::newRow("results") << Call([=](RemoteControl &rc) mutable {
        QByteArray r(4480, '\0');
        return rc.getResults(PortB, TestRfc2544, 7, r.data(), r.size(), b);
    }) << hexBytes("13 01000000 03 07000000");
    QTest::newRow("default settings") << Call([](RemoteControl &rc) { return rc.loadDefaultSettings(PortA, 5); })
                                      << hexBytes("14 00000000 05");
    QTest::newRow("save report")
        << Call([=](RemoteControl &rc) mutable { return rc.saveReport(PortB, TestTraffic, "R", b); })
        << hexBytes("15 01000000 02") + name21("R");
    QTest::newRow("load report") << Call([=](RemoteControl &rc) mutable { return rc.loadReport("R", lr); })
                                 << hexBytes("16") + name21("R");
    QTest::newRow("menu id") << Call([=](RemoteControl &rc) mutable { return rc.getMenuId(u); })
                             << hexBytes("18");
    QTest::newRow("clock") << Call([](RemoteControl &rc) { return rc.setClock(0x65000001u); })
                           << hexBytes("19 01000065");
    QTest::newRow("new file name") << Call([=](RemoteControl &rc) mutable { return rc.getNewFileName(3, s); })
                                   << hexBytes("1A 03");
    QTest::newRow("set sync") << Call([](RemoteControl &rc) { return rc.setSyncStatus(2); })
                              << hexBytes("1B 02");
    QTest::newRow("get sync") << Call([=](RemoteControl &rc) mutable { return rc.getSyncStatus(ss); })
                              << hexBytes("1C");
    QTest::newRow("watchdog") << Call([](RemoteControl &rc) { return rc.setWDtime(300); })
                              << hexBytes("1F 2C010000");
    QTest::newRow("device settings") << Call([](RemoteControl &rc) {
        device_settings_t ds;
        return rc.getDeviceSettings(ds);
    }) << hexBytes("11 00000000 00");

    // File name fields: 21 bytes, cut without a NUL, Latin-1, stopped at a NUL.
    QTest::newRow("name of 25 chars")
        << Call([=](RemoteControl &rc) mutable { return rc.deleteFile("ABCDEFGHIJKLMNOPQRSTUVWXY", b); })
        << hexBytes("08") + QByteArray("ABCDEFGHIJKLMNOPQRSTU");
    QTest::newRow("name of 21 chars")
        << Call([=](RemoteControl &rc) mutable { return rc.deleteFile("ABCDEFGHIJKLMNOPQRSTU", b); })
        << hexBytes("08") + QByteArray("ABCDEFGHIJKLMNOPQRSTU");
    QTest::newRow("latin-1 name")
        << Call([=](RemoteControl &rc) mutable { return rc.deleteFile(QString::fromUtf8("caf\u00e9"), b); })
        << hexBytes("08") + name21("caf\xe9");
    QTest::newRow("name with a NUL") << Call([=](RemoteControl &rc) mutable {
        return rc.deleteFile(QString("AB") + QChar(0) + QString("CD"), b);
    }) << hexBytes("08") + name21("AB");
}

void TestRemoteCommands::requestBytes()
{
    QFETCH(Call, call);
    QFETCH(QByteArray, payload);

    QVERIFY(call(rig->rc));
    QCOMPARE(rig->lastRequest().toHex(' '), payload.toHex(' '));
    QCOMPARE(rig->requests().size(), 1);
}

// The frame around a payload: u16 length, payload, CRC-8/MAXIM.
void TestRemoteCommands::framesOnTheWire()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    RemoteControl rc;
    QVERIFY(rc.connectTo(QStringLiteral("127.0.0.1:%1").arg(server.serverPort())));
    QCOMPARE(rc.getConnectionType(), RemoteControl::TcpIpConnection);
    QVERIFY(server.waitForNewConnection(5000));
    QTcpSocket *peer = server.nextPendingConnection();
    QVERIFY(peer);

    const char info = 0x0F;
    const char status = 0x00;
    QVERIFY(rc.sendReceiveBytes(&info, 1, nullptr, 0));
    QVERIFY(rc.sendReceiveBytes(&status, 1, nullptr, 0));
    QVERIFY(rc.sendReceiveBytes(nullptr, 0, nullptr, 0));
    QVERIFY(rc.reset(false));

    QByteArray wire;
    const QByteArray expected = hexBytes("01000FEA 0100 00AB 000000") + hexBytes("0200 8000");
    QTRY_VERIFY_WITH_TIMEOUT((wire += peer->readAll()).size() >= expected.size() + 1, 5000);
    QCOMPARE(wire.left(expected.size()).toHex(' '), expected.toHex(' '));
    QCOMPARE(wire.size(), expected.size() + 1);
    QCOMPARE(rc.getConnectionType(), RemoteControl::TcpIpConnection);
}

void TestRemoteCommands::deviceInfoAndStatus()
{
    rig->with([](SimRemoteResponder &r) {
        r.info.serialNumber = 0xBEEF;
        r.info.deviceType = 7;
        memcpy(r.info.releaseName, "ABCDEFGHIJKLM", 13);
        r.status.txRate[1] = 123456789u;
        r.status.link[1].speed = 1;
        r.status.address[2].gateway = 0x0A000001u;
        r.status.clock = 0xFEDCBA98u;
    });
    get_device_info_resp_t info;
    memset(&info, 0x55, sizeof info);
    QVERIFY(rig->rc.getDeviceInfo(info));
    QCOMPARE(int(info.serialNumber), 0xBEEF);
    QCOMPARE(int(info.deviceType), 7);
    QCOMPARE(QByteArray(info.releaseName, 13), QByteArray("ABCDEFGHIJKLM"));
    QCOMPARE(int(info.cpuVersion[2]), 13);
    QCOMPARE(int(info.fpgaVersion[2]), 200);

    get_device_status_resp_t st;
    QVERIFY(rig->rc.getDeviceStatus(st));
    QCOMPARE(quint32(st.txRate[1]), 123456789u);
    QCOMPARE(int(st.link[1].speed), 1);
    QCOMPARE(quint32(st.address[2].gateway), 0x0A000001u);
    QCOMPARE(quint32(st.clock), 0xFEDCBA98u);
}

void TestRemoteCommands::startAndStopFollowProcessWords()
{
    RemoteControl &rc = rig->rc;
    error_t err;
    memset(&err, 0x77, sizeof err);
    QVERIFY(rc.setTopology(PortA, TopologyToOtherPort));
    QVERIFY(rc.setTest(true, PortA, TestTraffic, err));
    QCOMPARE(quint32(err.type), 0u);
    QVERIFY(rc.setTopology(PortB, TopologySamePort));
    QVERIFY(rc.setTest(true, PortB, TestBert, err));

    get_device_status_resp_t st;
    QVERIFY(rc.getDeviceStatus(st));
    QCOMPARE(quint32(st.process[0].tx), 1u << TestTraffic);
    QCOMPARE(quint32(st.process[1].rx), (1u << TestTraffic) | (1u << TestBert));
    QCOMPARE(quint32(st.process[1].tx), 1u << TestBert);

    QVERIFY(rc.setTest(false, PortA, TestTraffic, err));
    QVERIFY(rc.waitForTestFinished(PortA, TestTraffic));
    QVERIFY(rc.getDeviceStatus(st));
    QCOMPARE(quint32(st.process[0].tx), 0u);
    QCOMPARE(quint32(st.process[1].tx), 1u << TestBert);
}

void TestRemoteCommands::refusedStartReturnsErrorRecord()
{
    rig->with([](SimRemoteResponder &r) {
        r.startError.type = StartErrorStream;
        r.startError.value = 1;
        r.startError.streamMask = 0x0205;
        r.startError.packetLength = 64;
        r.startError.vlanFlag = 1;
    });
    error_t err{};
    QVERIFY(rig->rc.setTest(true, PortA, TestMultistream, err));
    QCOMPARE(quint32(err.type), quint32(StartErrorStream));
    QCOMPARE(int(err.portIndex()), 1);
    QCOMPARE(int(err.streamMask), 0x0205);
    QCOMPARE(int(err.packetLength), 64);
    QCOMPARE(int(err.vlanFlag), 1);

    get_device_status_resp_t st;
    QVERIFY(rig->rc.getDeviceStatus(st));
    QCOMPARE(quint32(st.process[0].tx), 0u);
}

void TestRemoteCommands::settingsOfEveryTestId_data()
{
    QTest::addColumn<int>("id");
    for (int id = 0; id < TestIdCount; ++id) {
        if (testSettingsSize(unsigned(id)) > 0)
            QTest::newRow(qPrintable(QString::number(id))) << id;
    }
}

// Reading gives the tester's block byte for byte; writing replaces it.
void TestRemoteCommands::settingsOfEveryTestId()
{
    QFETCH(int, id);
    const int size = testSettingsSize(unsigned(id));
    const port_t port = id == TestDeviceSettings ? PortA : PortB;

    QByteArray expected;
    rig->with([&](SimRemoteResponder &r) {
        expected = id == TestDeviceSettings ? QByteArray(reinterpret_cast<const char *>(&r.deviceSettings), 8)
                                            : r.settingsBlock(port, quint8(id));
    });
    QByteArray got(size, '\xEE');
    QVERIFY(rig->rc.getSettings(port, quint8(id), got.data(), got.size()));
    QCOMPARE(got, expected);

    const QByteArray written = pattern(size, id);
    QVERIFY(rig->rc.setSettings(port, quint8(id), written.constData(), written.size()));
    QByteArray stored;
    rig->with([&](SimRemoteResponder &r) {
        stored = id == TestDeviceSettings ? QByteArray(reinterpret_cast<const char *>(&r.deviceSettings), 8)
                                          : r.settingsBlock(port, quint8(id));
    });
    QCOMPARE(stored, written);
}

void TestRemoteCommands::shortSettingsReplyFillsOnlyTheFront()
{
    rig->with([](SimRemoteResponder &r) { r.settings[SimRemoteResponder::key(PortA, TestTraffic)] = "0123456789"; });
    QByteArray buffer(48, '\xEE');
    QVERIFY(rig->rc.getSettings(PortA, TestTraffic, buffer.data(), buffer.size()));
    QCOMPARE(buffer.left(10), QByteArray("0123456789"));
    QCOMPARE(buffer.mid(10), QByteArray(38, '\xEE'));
}

void TestRemoteCommands::resultsValidAndInvalid()
{
    QByteArray expected;
    rig->with([&](SimRemoteResponder &r) { expected = r.resultsRecord(PortB, TestJitter); });
    QCOMPARE(expected.size(), 104);

    QByteArray buffer(104, '\xEE');
    unsigned char error = 0xAA;
    QVERIFY(rig->rc.getResults(PortB, TestJitter, 0, buffer.data(), buffer.size(), error));
    QCOMPARE(int(error), 1);
    QCOMPARE(buffer, expected);

    rig->with([](SimRemoteResponder &r) { r.resultsValid = 2; });
    QByteArray untouched(104, '\xEE');
    QVERIFY(rig->rc.getResults(PortB, TestJitter, 0, untouched.data(), untouched.size(), error));
    QCOMPARE(int(error), 2);
    QCOMPARE(untouched, QByteArray(104, '\xEE'));
}

void TestRemoteCommands::filesListedSavedLoadedDeleted()
{
    RemoteControl &rc = rig->rc;
    unsigned char error = 0xAA;
    QVERIFY(rc.saveConfig("first", error));
    QCOMPARE(int(error), 0);
    QVERIFY(rc.saveConfig("second", error));
    QVERIFY(rc.saveReport(PortA, TestTraffic, "report", error));

    auto list = [&](int type) {
        QStringList names;
        QString name;
        bool notLast = false;
        bool first = true;
        while (rc.getFile(first, name, type, notLast) && notLast) {
            names << name;
            first = false;
        }
        return names;
    };
    QCOMPARE(list(FileTypeConfig), QStringList({"first", "second"}));
    QCOMPARE(list(FileTypeReport), QStringList({"report"}));

    QVERIFY(rc.loadConfig("second", error));
    QCOMPARE(int(error), 0);
    rig->with([](SimRemoteResponder &r) { QCOMPARE(r.loadedConfig, QStringLiteral("second")); });

    QVERIFY(rc.deleteFile("first", error));
    QCOMPARE(list(FileTypeConfig), QStringList({"second"}));
    QVERIFY(rc.deleteFilesByType(FileTypeConfig));
    QCOMPARE(list(FileTypeConfig), QStringList());
    QCOMPARE(list(FileTypeReport), QStringList({"report"}));

    rig->with([](SimRemoteResponder &r) { r.fileError = 3; });
    QVERIFY(rc.saveConfig("third", error));
    QCOMPARE(int(error), 3);

    // A name field of 21 bytes with no NUL in the reply ends at the field.
    rig->with([](SimRemoteResponder &r) {
        r.fileError = 0;
        r.replyOverride[0x07] = QByteArray(1, '\1') + QByteArray("ABCDEFGHIJKLMNOPQRSTU");
        r.newFileName = QString::fromUtf8("Zw\u00f6lf");
    });
    QString name;
    bool notLast = false;
    QVERIFY(rc.getFile(true, name, FileTypeConfig, notLast));
    QVERIFY(notLast);
    QCOMPARE(name, QStringLiteral("ABCDEFGHIJKLMNOPQRSTU"));

    QVERIFY(rc.getNewFileName(TestTraffic, name));
    QCOMPARE(name, QString::fromUtf8("Zw\u00f6lf"));
}

// What one reply of the file list (0x07) gives: a name to list, the end of
// the list, or a failed read that names nothing. None of them closes the link.
void TestRemoteCommands::fileListReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("more");
    QTest::addColumn<QString>("name");

    QTest::newRow("a name, more follow") << QByteArray("\x01" "CFG1", 5) + QByteArray(17, '\0') << true << true
                                         << "CFG1";
    QTest::newRow("a name cut short") << QByteArray("\x01" "AB", 3) << true << true << "AB";
    QTest::newRow("the last reply") << QByteArray(22, '\0') << true << false << "";
    QTest::newRow("the last reply, one byte") << QByteArray(1, '\0') << true << false << "";
    QTest::newRow("more follow, one byte, no name") << QByteArray(1, '\1') << false << false << "";
    QTest::newRow("more follow, empty name field") << QByteArray(1, '\1') + QByteArray(21, '\0') << false << false
                                                   << "";
    QTest::newRow("more follow, name starts with NUL") << QByteArray("\x01\0X", 3) << false << false << "";
    QTest::newRow("empty reply") << QByteArray() << false << false << "";
}

void TestRemoteCommands::fileListReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, result);
    QFETCH(bool, more);
    QFETCH(QString, name);

    rig->with([&](SimRemoteResponder &r) { r.replyOverride[0x07] = reply; });
    QSignalSpy lost(&rig->rc, &RemoteControl::disconnected);
    QString got = QStringLiteral("untouched");
    bool notLast = !more;
    QCOMPARE(rig->rc.getFile(true, got, FileTypeConfig, notLast), result);
    if (result) {
        QCOMPARE(notLast, more);
        if (more)
            QCOMPARE(got, name);
    }
    QCOMPARE(rig->requestsWith(0x07).size(), 1);
    QCOMPARE(lost.count(), 0);
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::TcpIpConnection);
}

void TestRemoteCommands::reportSavedAndLoaded()
{
    unsigned char error = 0;
    QVERIFY(rig->rc.saveReport(PortB, TestSync, "sync", error));
    load_report_resp_t resp;
    memset(&resp, 0x55, sizeof resp);
    QVERIFY(rig->rc.loadReport("sync", resp));
    QCOMPARE(quint32(resp.result), 0u);
    QCOMPARE(quint32(resp.port), 1u);
    QCOMPARE(quint32(resp.test), quint32(TestSync));

    QVERIFY(rig->rc.loadReport("missing", resp));
    QVERIFY(resp.result != 0);
}

void TestRemoteCommands::smallCommandsDecode()
{
    RemoteControl &rc = rig->rc;
    QVERIFY(rc.setFpgaValue(0x40, 0x9C));
    unsigned char value = 0;
    QVERIFY(rc.getFpgaValue(0x40, value));
    QCOMPARE(int(value), 0x9C);

    get_sync_status_resp_t sync{};
    QVERIFY(rc.getSyncStatus(sync));
    QCOMPARE(int(sync.status), 3);
    QCOMPARE(int(sync.active), 1);
    QCOMPARE(int(sync.correct), 2);

    uint id = 0;
    QVERIFY(rc.getMenuId(id));
    QCOMPARE(id, 7u);

    QVERIFY(rc.setClock(1700000123u));
    QVERIFY(rc.setWDtime(45));
    QVERIFY(rc.setSyncStatus(4));
    rig->with([](SimRemoteResponder &r) {
        QCOMPARE(r.clock, 1700000123u);
        QCOMPARE(r.watchdogTime, 45u);
        QCOMPARE(r.syncStatusSet, QList<quint8>({4}));
    });

    device_settings_t ds{};
    rig->with([](SimRemoteResponder &r) { r.deviceSettings.checking = 6; });
    QVERIFY(rc.getDeviceSettings(ds));
    QCOMPARE(int(ds.checking), 6);
}

void TestRemoteCommands::refusedClockIsFalseWithoutDisconnect()
{
    QSignalSpy lost(&rig->rc, &RemoteControl::disconnected);
    rig->with([](SimRemoteResponder &r) { r.clockReply = 0; });
    QVERIFY(!rig->rc.setClock(1));
    QCOMPARE(lost.count(), 0);
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::TcpIpConnection);
    get_device_status_resp_t st;
    QVERIFY(rig->rc.getDeviceStatus(st));
}

void TestRemoteCommands::resetsWaitForNoReply()
{
    QSignalSpy lost(&rig->rc, &RemoteControl::disconnected);
    QVERIFY(rig->rc.reset(false));
    QVERIFY(rig->rc.resetNew(false));
    QCOMPARE(lost.count(), 0);
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::TcpIpConnection);

    QVERIFY(rig->rc.resetNew(true));
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::NoConnection);
    // Nothing is sent on a closed link, and nothing more is reported.
    QVERIFY(!rig->rc.reset(true));
    QCOMPARE(lost.count(), 1);

    QVERIFY(rig->sim.waitForRequests(3, 5000));
    QCOMPARE(rig->requests(), QList<QByteArray>({hexBytes("80 00"), hexBytes("20 00"), hexBytes("20 00")}));
}

void TestRemoteCommands::resetIntoUpdateModeClosesLink()
{
    QSignalSpy lost(&rig->rc, &RemoteControl::disconnected);
    QVERIFY(rig->rc.reset(true));
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::NoConnection);
    QVERIFY(rig->sim.waitForRequests(1, 5000));
    QCOMPARE(rig->requests(), QList<QByteArray>({hexBytes("80 01")}));
}

// The length rule of every command with a reply: the three whole records
// (status, device information, sync status) must arrive at their exact size,
// so a reply one byte short is skipped and the request sent again after the
// attempt's 2000 ms; every other reply is taken as it comes.
void TestRemoteCommands::replyOneByteShort_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<bool>("result");

    unsigned char b = 0;
    ushort len = 0;
    QString s;
    bool notLast = false;
    uint u = 0;
    get_device_status_resp_t st{};
    get_device_info_resp_t di{};
    error_t err{};
    load_report_resp_t lr{};
    get_sync_status_resp_t ss{};
    Q_UNUSED(b)
    Q_UNUSED(len)
    Q_UNUSED(notLast)
    Q_UNUSED(u)

    QTest::newRow("status") << Call([=](RemoteControl &rc) mutable { return rc.getDeviceStatus(st); }) << true
                            << true;
    QTest::newRow("device info") << Call([=](RemoteControl &rc) mutable { return rc.getDeviceInfo(di); }) << true
                                 << true;
    QTest::newRow("sync status") << Call([=](RemoteControl &rc) mutable { return rc.getSyncStatus(ss); }) << true
                                 << true;

    QTest::newRow("fpga read") << Call([=](RemoteControl &rc) mutable { return rc.getFpgaValue(1, b); }) << false
                               << true;
    // Without its error byte the reply opens nothing: false, but the link stays.
    QTest::newRow("open file")
        << Call([=](RemoteControl &rc) mutable { return rc.openFileToRead("CFG1", len, b); }) << false << false;
    QTest::newRow("read file") << Call([=](RemoteControl &rc) mutable {
        QByteArray data;
        return rc.readFile(data, 16, b);
    }) << false << true;
    QTest::newRow("list") << Call([=](RemoteControl &rc) mutable { return rc.getFile(true, s, 1, notLast); })
                          << false << true;
    QTest::newRow("start") << Call([=](RemoteControl &rc) mutable { return rc.setTest(true, PortA, 2, err); })
                           << false << true;
    QTest::newRow("settings") << Call([](RemoteControl &rc) {
        QByteArray block(48, '\0');
        return rc.getSettings(PortA, TestTraffic, block.data(), block.size());
    }) << false << true;
    QTest::newRow("results") << Call([=](RemoteControl &rc) mutable {
        QByteArray r(64, '\0');
        return rc.getResults(PortA, TestTraffic, 0, r.data(), r.size(), b);
    }) << false << true;
    QTest::newRow("load report") << Call([=](RemoteControl &rc) mutable { return rc.loadReport("R", lr); })
                                 << false << true;
    QTest::newRow("menu id") << Call([=](RemoteControl &rc) mutable { return rc.getMenuId(u); }) << false << true;
    QTest::newRow("new file name") << Call([=](RemoteControl &rc) mutable { return rc.getNewFileName(2, s); })
                                   << false << true;
    // An empty acknowledgement is no acceptance: false, but the link stays.
    QTest::newRow("clock") << Call([](RemoteControl &rc) { return rc.setClock(5); }) << false << false;
}

void TestRemoteCommands::replyOneByteShort()
{
    QFETCH(Call, call);
    QFETCH(bool, exact);
    QFETCH(bool, result);

    QSignalSpy lost(&rig->rc, &RemoteControl::disconnected);
    rig->sim.wrongLength(1);
    QCOMPARE(call(rig->rc), result);
    QCOMPARE(rig->requests().size(), exact ? 2 : 1);
    QCOMPARE(lost.count(), 0);
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::TcpIpConnection);
}

void TestRemoteCommands::waitsOnStatus()
{
    // Port A is up at 1000 Mbit/s in the simulated tester, Port B is down.
    QVERIFY(rig->rc.waitForLink(PortA, 3000));
    QVERIFY(rig->rc.waitForSpeed(PortA, 2, 3000));
    rig->sim.clearRequests();
    QVERIFY(!rig->rc.waitForSpeed(PortA, 1, 1200));
    QVERIFY(rig->requestsWith(0x00).size() >= 2);
    QVERIFY(!rig->rc.waitForLink(PortB, 0));
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::TcpIpConnection);
}

QTEST_GUILESS_MAIN(TestRemoteCommands)
#include "tst_remotecommands.moc"
