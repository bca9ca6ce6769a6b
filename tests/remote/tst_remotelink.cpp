// The request/reply discipline of RemoteControl: retries, skipped frames,
// the disconnect after three failed attempts, and the serial path over a
// pseudo-terminal.

#include "../streams/memorystream.h"
#include "remoterig.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>


class TestRemoteLink : public QObject
{
    Q_OBJECT

private slots:
    void threeUnansweredAttemptsDisconnectOnce();
    void wrongLengthSkippedUnderExactSize();
    void badCrcReplyIsRetriedAndNeverCopied();
    void brokenRepliesLeaveBufferUntouched();
    void linkDroppedByTester();
    void connectToChoosesStream();
    void failedConnectKeepsType();
    void commandsOverPseudoTerminal();
    void tricklingReplyEndsEachAttemptAt2000Ms_data();
    void tricklingReplyEndsEachAttemptAt2000Ms();
    void slowReplyWithinTheAttemptIsTaken();
    void hungUpSerialLineFailsWithinOneTry();
    void drivenThroughMemoryStream();
};

void TestRemoteLink::threeUnansweredAttemptsDisconnectOnce()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    rig.sim.setSilent(true);

    get_device_status_resp_t st;
    memset(&st, 0x5A, sizeof st);
    QVERIFY(!rig.rc.getDeviceStatus(st));
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::NoConnection);
    QCOMPARE(rig.requests(), QList<QByteArray>({hexBytes("00"), hexBytes("00"), hexBytes("00")}));
    QCOMPARE(int(reinterpret_cast<const uchar *>(&st)[50]), 0x5A);

    // On the closed link the next command fails at once and reports again.
    QVERIFY(!rig.rc.resetStatistics());
    QCOMPARE(lost.count(), 2);
    QCOMPARE(rig.requests().size(), 3);
}

void TestRemoteLink::wrongLengthSkippedUnderExactSize()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    rig.with([](SimRemoteResponder &r) { r.status.clock = 0x01020304u; });
    rig.sim.wrongLength(1);   // 106 bytes instead of 107

    get_device_status_resp_t st{};
    QVERIFY(rig.rc.getDeviceStatus(st));
    QCOMPARE(quint32(st.clock), 0x01020304u);
    QCOMPARE(rig.requests().size(), 2);   // the short frame was skipped, the request sent again
    QCOMPARE(lost.count(), 0);

    // Without exactSize a shorter reply is accepted as it is.
    rig.sim.clearRequests();
    rig.sim.wrongLength(1);
    QByteArray buffer(48, '\xEE');
    QByteArray expected;
    rig.with([&](SimRemoteResponder &r) { expected = r.settingsBlock(PortA, TestTraffic); });
    QVERIFY(rig.rc.getSettings(PortA, TestTraffic, buffer.data(), buffer.size()));
    QCOMPARE(rig.requests().size(), 1);
    QCOMPARE(buffer.left(47), expected.left(47));
    QCOMPARE(buffer.at(47), '\xEE');
}

void TestRemoteLink::badCrcReplyIsRetriedAndNeverCopied()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    QByteArray expected;
    rig.with([&](SimRemoteResponder &r) { expected = r.settingsBlock(PortB, TestBert); });
    rig.sim.corruptCrc(1);

    QByteArray buffer(24, '\xEE');
    QVERIFY(rig.rc.getSettings(PortB, TestBert, buffer.data(), buffer.size()));
    QCOMPARE(buffer, expected);
    QCOMPARE(rig.requests().size(), 2);
    QCOMPARE(lost.count(), 0);
}

// Three replies with a wrong CRC: the request fails, the link closes, and
// not one byte of the broken frames reaches the caller.
void TestRemoteLink::brokenRepliesLeaveBufferUntouched()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    rig.sim.corruptCrc(3);

    QByteArray buffer(76, '\xEE');
    QVERIFY(!rig.rc.getSettings(PortRC, TestInterfaceSettings, buffer.data(), buffer.size()));
    QCOMPARE(buffer, QByteArray(76, '\xEE'));
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig.requests().size(), 3);
}

void TestRemoteLink::linkDroppedByTester()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    rig.sim.dropAfter(1);

    get_device_info_resp_t info{};
    QVERIFY(rig.rc.getDeviceInfo(info));
    QVERIFY(!rig.rc.getDeviceInfo(info));
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::NoConnection);
}

void TestRemoteLink::connectToChoosesStream()
{
    RemoteRig rig;
    const quint16 port = rig.sim.listenTcp();
    QVERIFY(port != 0);
    QVERIFY(rig.rc.connectTo(QStringLiteral("127.0.0.1:%1").arg(port)));
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::TcpIpConnection);

    const QString pty = rig.sim.openPty();
    QVERIFY(!pty.isEmpty());
    QVERIFY(rig.rc.connectTo(pty));
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::SerialConnection);
    get_device_info_resp_t info{};
    QVERIFY(rig.rc.getDeviceInfo(info));
}

void TestRemoteLink::failedConnectKeepsType()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    // Three numbers are not an address: taken as a serial port name, which
    // does not exist.
    QVERIFY(!rig.rc.connectTo(QStringLiteral("10.1.2")));
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::TcpIpConnection);
    QVERIFY(!rig.rc.connectBySerial(QStringLiteral("/nonexistent/ttyVYR")));
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::TcpIpConnection);
    // The link now holds the closed new stream.
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    QVERIFY(!rig.rc.resetStatistics());
    QCOMPARE(lost.count(), 1);
}

void TestRemoteLink::commandsOverPseudoTerminal()
{
    RemoteRig rig(5);
    QVERIFY(rig.connectPty());
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::SerialConnection);

    get_device_info_resp_t info{};
    QVERIFY(rig.rc.getDeviceInfo(info));
    QCOMPARE(int(info.deviceType), 5);

    QByteArray block(368, '\0');
    for (int i = 0; i < block.size(); ++i)
        block[i] = char(i * 3);
    QVERIFY(rig.rc.setSettings(PortA, TestMultistream, block.constData(), block.size()));
    QByteArray back(368, '\0');
    QVERIFY(rig.rc.getSettings(PortA, TestMultistream, back.data(), back.size()));
    QCOMPARE(back, block);

    QByteArray results(4904, '\0');
    unsigned char error = 0;
    QVERIFY(rig.rc.getResults(PortA, TestSync, 0, results.data(), results.size(), error));
    QCOMPARE(int(error), 1);
    rig.with([&](SimRemoteResponder &r) { QCOMPARE(results, r.resultsRecord(PortA, TestSync)); });

    get_device_status_resp_t st{};
    rig.sim.wrongLength(1);
    QVERIFY(rig.rc.getDeviceStatus(st));
    QCOMPARE(rig.requestsWith(0x00).size(), 2);
}

void TestRemoteLink::tricklingReplyEndsEachAttemptAt2000Ms_data()
{
    QTest::addColumn<bool>("serial");
    QTest::newRow("TCP") << false;
    QTest::newRow("serial") << true;
}

// A byte every 500 ms keeps every single read of both streams alive (TCP
// waits 2000 ms per wait for more, serial 100 ms per byte asked for), so
// only a limit over the whole reply ends an attempt: three attempts of
// 2000 ms, then the disconnect, rather than nearly a minute per attempt.
void TestRemoteLink::tricklingReplyEndsEachAttemptAt2000Ms()
{
    QFETCH(bool, serial);
    RemoteRig rig;
    QVERIFY(serial ? rig.connectPty() : rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    rig.sim.setTrickle(500);

    get_device_status_resp_t st{};
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!rig.rc.getDeviceStatus(st));
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 3 * (RemoteControl::ReplyTimeoutMs - 1) && elapsed < 3 * RemoteControl::ReplyTimeoutMs + 1500,
             qPrintable(QString::number(elapsed)));
    QCOMPARE(rig.requestsWith(0x00).size(), 3);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::NoConnection);
}

void TestRemoteLink::slowReplyWithinTheAttemptIsTaken()
{
    RemoteRig rig;
    QVERIFY(rig.connectTcp());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    rig.with([](SimRemoteResponder &r) { r.status.clock = 0x0A0B0C0Du; });
    rig.sim.setTrickle(4);   // 110 bytes in about half a second

    get_device_status_resp_t st{};
    QVERIFY(rig.rc.getDeviceStatus(st));
    QCOMPARE(quint32(st.clock), 0x0A0B0C0Du);
    QCOMPARE(rig.requestsWith(0x00).size(), 1);
    QCOMPARE(lost.count(), 0);
}

void TestRemoteLink::hungUpSerialLineFailsWithinOneTry()
{
    RemoteRig rig;
    QVERIFY(rig.connectPty());
    QSignalSpy lost(&rig.rc, &RemoteControl::disconnected);
    rig.sim.dropAfter(0);   // the next request hangs the line up

    get_device_status_resp_t st{};
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!rig.rc.getDeviceStatus(st));
    // No attempt waits out its 2000 ms on a line that is gone.
    QVERIFY2(clock.elapsed() < RemoteControl::ReplyTimeoutMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(rig.requestsWith(0x00).size(), 1);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(rig.rc.getConnectionType(), RemoteControl::NoConnection);
}

void TestRemoteLink::drivenThroughMemoryStream()
{
    get_device_info_resp_t info{};
    info.deviceType = 4;
    const QByteArray infoBytes(reinterpret_cast<const char *>(&info), int(sizeof info));
    auto peer = std::make_shared<MemoryPeer>();
    peer->answer = [&](const QByteArray &written) {
        return written == hexBytes("01000fea") ? MemoryPeer::frame(infoBytes) : QByteArray();
    };
    QList<RemoteControl::ConnectionType> made;
    RemoteControl rc;
    rc.setStreamFactory([&](RemoteControl::ConnectionType type) {
        made << type;
        return new MemoryStream(peer);
    });
    QSignalSpy lost(&rc, &RemoteControl::disconnected);

    QVERIFY(rc.connectTo(QStringLiteral("COM3")));
    QCOMPARE(rc.getConnectionType(), RemoteControl::SerialConnection);
    get_device_info_resp_t got{};
    QVERIFY(rc.getDeviceInfo(got));
    QCOMPARE(int(got.deviceType), 4);
    QCOMPARE(peer->output, hexBytes("01000fea"));

    // The far end has nothing more to say and is gone: the request fails at
    // once instead of waiting out three attempts.
    peer->answer = nullptr;
    peer->hangUpWhenDrained = true;
    peer->output.clear();
    QElapsedTimer clock;
    clock.start();
    get_device_status_resp_t st{};
    QVERIFY(!rc.getDeviceStatus(st));
    QVERIFY2(clock.elapsed() < RemoteControl::ReplyTimeoutMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(peer->output, hexBytes("010000ab"));
    QCOMPARE(lost.count(), 1);

    // A reconnect makes a new stream of the same kind on the same far end.
    QVERIFY(rc.reconnect(0));
    QCOMPARE(made, (QList<RemoteControl::ConnectionType>{RemoteControl::SerialConnection,
                                                         RemoteControl::SerialConnection}));
    QCOMPARE(peer->opens, 2);
}

QTEST_GUILESS_MAIN(TestRemoteLink)
#include "tst_remotelink.moc"
