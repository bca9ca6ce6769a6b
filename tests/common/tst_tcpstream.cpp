#include "tcpstream.h"
#include "../streams/closedport.h"

#include <QTcpServer>
#include <QtTest>

#include <memory>

class TestTcpStream : public QObject
{
    Q_OBJECT

private slots:
    void parseTarget_data();
    void parseTarget();

    void connectsAndExchangesBytes();
    void readReturnsWhatArrived();
    void readAfterPeerClosed();
    void writeOnClosedStreamReturnsZero();
    void failedOpenLeavesStreamClosed();
    void reopenReplacesConnection();

private:
    // Accepts one connection on the server (the test thread has no event
    // loop running, so the blocking wait is used).
    static std::unique_ptr<QTcpSocket> accept(QTcpServer &server)
    {
        if (!server.hasPendingConnections() && !server.waitForNewConnection(5000))
            return nullptr;
        return std::unique_ptr<QTcpSocket>(server.nextPendingConnection());
    }
};

void TestTcpStream::parseTarget_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("matched");

    QTest::newRow("address only") << "192.168.1.10" << 0xC0A8010Au << 55555 << true;
    QTest::newRow("address and port") << "192.168.1.10:4000" << 0xC0A8010Au << 4000 << true;
    QTest::newRow("leading colon is host text") << ":4000" << 0u << 55555 << false;
    QTest::newRow("port not a number") << "10.0.0.1:abc" << 0x0A000001u << 0 << true;
    QTest::newRow("empty port") << "10.0.0.1:" << 0x0A000001u << 0 << true;
    QTest::newRow("port cut to 16 bits") << "10.0.0.1:70000" << 0x0A000001u << 4464 << true;
    QTest::newRow("port 65536 wraps to 0") << "10.0.0.1:65536" << 0x0A000001u << 0 << true;
    QTest::newRow("negative port wraps") << "10.0.0.1:-1" << 0x0A000001u << 65535 << true;
    QTest::newRow("octet above 255") << "300.1.1.1" << 0u << 55555 << false;
    QTest::newRow("last octet 256") << "192.168.1.256" << 0u << 55555 << false;
    QTest::newRow("between blanks") << "  10.0.0.7  " << 0x0A000007u << 55555 << true;
    QTest::newRow("inside other text") << "tester at 10.0.0.7 now:81" << 0x0A000007u << 81 << true;
    QTest::newRow("five groups") << "1.2.3.4.5" << 0x01020304u << 55555 << true;
    QTest::newRow("leading zeros") << "01.002.3.4" << 0x01020304u << 55555 << true;
    QTest::newRow("host name never resolved") << "localhost:80" << 0u << 80 << false;
    QTest::newRow("last colon splits") << "a:b:1.2.3.4:99" << 0x01020304u << 99 << true;
    QTest::newRow("empty") << "" << 0u << 55555 << false;
    QTest::newRow("all ones") << "255.255.255.255" << 0xFFFFFFFFu << 55555 << true;
}

void TestTcpStream::parseTarget()
{
    QFETCH(QString, target);
    QFETCH(quint32, address);
    QFETCH(int, port);
    QFETCH(bool, matched);

    quint32 a = 0xDEADBEEF;
    quint16 p = 1;
    QCOMPARE(TCPStream::parseTarget(target, a, p), matched);
    QCOMPARE(a, address);
    QCOMPARE(int(p), port);
}

void TestTcpStream::connectsAndExchangesBytes()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));

    TCPStream stream;
    QVERIFY(!stream.isOpen());
    QVERIFY(stream.open(QStringLiteral("127.0.0.1:%1").arg(server.serverPort())));
    QVERIFY(stream.isOpen());
    auto peer = accept(server);
    QVERIFY(peer);

    const QByteArray out("\x00\x01\xff\x7f\x0d\x0a", 6);
    QCOMPARE(stream.write(out.constData(), out.size()), out.size());
    QByteArray got;
    while (got.size() < out.size() && peer->waitForReadyRead(5000))
        got += peer->readAll();
    QCOMPARE(got, out);

    const QByteArray in = QByteArray::fromHex("05000102030405");
    peer->write(in);
    QVERIFY(peer->waitForBytesWritten(5000));
    char buffer[16] = {};
    // Two reads sized like the packet link's: the length field, then the rest.
    QCOMPARE(stream.read(buffer, 2), 2);
    QCOMPARE(stream.read(buffer + 2, 5), 5);
    QCOMPARE(QByteArray(buffer, 7), in);

    stream.close();
    QVERIFY(!stream.isOpen());
}

void TestTcpStream::readReturnsWhatArrived()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    TCPStream stream;
    QVERIFY(stream.open(QStringLiteral("127.0.0.1:%1").arg(server.serverPort())));
    auto peer = accept(server);
    QVERIFY(peer);

    peer->write("abc");
    QVERIFY(peer->waitForBytesWritten(5000));
    char buffer[8] = {};
    // Three of eight bytes come; the read gives up after a quiet wait.
    QCOMPARE(stream.read(buffer, 8), 3);
    QCOMPARE(QByteArray(buffer, 3), QByteArray("abc"));
    QVERIFY(stream.isOpen());
}

void TestTcpStream::readAfterPeerClosed()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    TCPStream stream;
    QVERIFY(stream.open(QStringLiteral("127.0.0.1:%1").arg(server.serverPort())));
    auto peer = accept(server);
    QVERIFY(peer);

    peer->write("xy");
    QVERIFY(peer->waitForBytesWritten(5000));
    peer->disconnectFromHost();
    peer.reset();

    char buffer[4] = {};
    // Bytes sent before the close are still delivered; then nothing more.
    QCOMPARE(stream.read(buffer, 4), 2);
    QCOMPARE(QByteArray(buffer, 2), QByteArray("xy"));
    QVERIFY(!stream.isOpen());
    QVERIFY(stream.read(buffer, 4) <= 0);
}

void TestTcpStream::writeOnClosedStreamReturnsZero()
{
    TCPStream never;
    QCOMPARE(never.write("abc", 3), 0);

    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    TCPStream stream;
    QVERIFY(stream.open(QStringLiteral("127.0.0.1:%1").arg(server.serverPort())));
    auto peer = accept(server);
    QVERIFY(peer);
    stream.close();
    QCOMPARE(stream.write("abc", 3), 0);
    char buffer[4];
    QVERIFY(stream.read(buffer, 4) <= 0);
}

void TestTcpStream::failedOpenLeavesStreamClosed()
{
    const quint16 freePort = closedTcpPort();
    QVERIFY(freePort != 0);
    TCPStream stream;
    QVERIFY(!stream.open(QStringLiteral("127.0.0.1:%1").arg(freePort)));
    QVERIFY(!stream.isOpen());

    // The failed attempt must not block the next one.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QVERIFY(stream.open(QStringLiteral("127.0.0.1:%1").arg(server.serverPort())));
    QVERIFY(stream.isOpen());
}

void TestTcpStream::reopenReplacesConnection()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QString target = QStringLiteral("127.0.0.1:%1").arg(server.serverPort());
    TCPStream stream;
    QVERIFY(stream.open(target));
    auto first = accept(server);
    QVERIFY(first);
    QVERIFY(stream.open(target));
    auto second = accept(server);
    QVERIFY(second);

    // The first connection was closed by the reopen.
    QVERIFY(first->state() == QAbstractSocket::UnconnectedState || first->waitForDisconnected(5000));
    QCOMPARE(stream.write("z", 1), 1);
    QVERIFY(second->waitForReadyRead(5000));
    QCOMPARE(second->readAll(), QByteArray("z"));
}

QTEST_GUILESS_MAIN(TestTcpStream)
#include "tst_tcpstream.moc"
