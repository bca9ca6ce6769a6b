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
    void refusedTargetOpensNoSocket_data();
    void refusedTargetOpensNoSocket();

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
    using Fault = TCPStream::TargetFault;
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("fault");
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("port");

    const int ok = int(Fault::None);
    const int empty = int(Fault::Empty);
    const int notAddress = int(Fault::NotAnAddress);
    const int noPort = int(Fault::NoPort);
    const int badPort = int(Fault::BadPort);

    // Good.
    QTest::newRow("address only") << "192.168.1.10" << ok << 0xC0A8010Au << 55555;
    QTest::newRow("address and port") << "192.168.1.10:4000" << ok << 0xC0A8010Au << 4000;
    QTest::newRow("all ones") << "255.255.255.255" << ok << 0xFFFFFFFFu << 55555;
    // Edges.
    QTest::newRow("leading zeros") << "01.002.3.4" << ok << 0x01020304u << 55555;
    QTest::newRow("leading zeros stay decimal") << "010.000.001.099" << ok << 0x0A000163u << 55555;
    QTest::newRow("blanks around") << "  10.0.0.7  " << ok << 0x0A000007u << 55555;
    QTest::newRow("blanks around, with port") << "\t10.0.0.7:81 " << ok << 0x0A000007u << 81;
    QTest::newRow("port 1") << "10.0.0.1:1" << ok << 0x0A000001u << 1;
    QTest::newRow("port 65535") << "10.0.0.1:65535" << ok << 0x0A000001u << 65535;
    QTest::newRow("port with leading zeros") << "10.0.0.1:00080" << ok << 0x0A000001u << 80;
    QTest::newRow("empty port") << "10.0.0.1:" << noPort << 0u << 0;
    QTest::newRow("port 0") << "10.0.0.1:0" << badPort << 0u << 0;
    QTest::newRow("port 65536") << "10.0.0.1:65536" << badPort << 0u << 0;
    QTest::newRow("port of six digits") << "127.0.0.1:121091" << badPort << 0u << 0;
    QTest::newRow("port of six digits, leading zero") << "10.0.0.1:000080" << badPort << 0u << 0;
    QTest::newRow("four digits in a number") << "0001.2.3.4" << notAddress << 0u << 0;
    QTest::newRow("blank inside the address") << "10.0. 0.7" << notAddress << 0u << 0;
    QTest::newRow("blank before the colon") << "10.0.0.7 :81" << notAddress << 0u << 0;
    QTest::newRow("blank after the colon") << "10.0.0.7: 81" << badPort << 0u << 0;
    QTest::newRow("line break before the colon") << "10.0.0.7\n:81" << notAddress << 0u << 0;
    // Bad.
    QTest::newRow("empty") << "" << empty << 0u << 0;
    QTest::newRow("blanks only") << "   " << empty << 0u << 0;
    QTest::newRow("letters") << "abc" << notAddress << 0u << 0;
    QTest::newRow("letter O for a zero") << "192.168.1.2O" << notAddress << 0u << 0;
    QTest::newRow("octet above 255") << "192.168.0.300" << notAddress << 0u << 0;
    QTest::newRow("last octet 256") << "192.168.1.256" << notAddress << 0u << 0;
    QTest::newRow("three numbers") << "10.1.2" << notAddress << 0u << 0;
    QTest::newRow("five numbers") << "1.2.3.4.5" << notAddress << 0u << 0;
    QTest::newRow("trailing dot") << "10.0.0." << notAddress << 0u << 0;
    QTest::newRow("inside other text") << "tester at 10.0.0.7 now:81" << notAddress << 0u << 0;
    QTest::newRow("host name never resolved") << "localhost:80" << notAddress << 0u << 0;
    QTest::newRow("leading colon") << ":4000" << notAddress << 0u << 0;
    QTest::newRow("digits of another script") << QString::fromUtf8("\u0661.\u0662.\u0663.\u0664") << notAddress
                                              << 0u << 0;
    QTest::newRow("port not a number") << "10.0.0.1:abc" << badPort << 0u << 0;
    QTest::newRow("negative port") << "10.0.0.1:-1" << badPort << 0u << 0;
    QTest::newRow("port with a sign") << "10.0.0.1:+80" << badPort << 0u << 0;
    QTest::newRow("two colons") << "10.0.0.1:80:81" << badPort << 0u << 0;
}

void TestTcpStream::parseTarget()
{
    QFETCH(QString, target);
    QFETCH(int, fault);
    QFETCH(quint32, address);
    QFETCH(int, port);

    quint32 a = 0xDEADBEEF;
    quint16 p = 1;
    QCOMPARE(int(TCPStream::parseTarget(target, a, p)), fault);
    QCOMPARE(a, address);
    QCOMPARE(int(p), port);
}

// A target that is no address opens no socket at all: taken as 0.0.0.0 it
// would reach a server listening on this PC, and a port past 65535 would
// wrap round to the server's.
void TestTcpStream::refusedTargetOpensNoSocket_data()
{
    QTest::addColumn<QString>("target");   // %1: the server's port, %2: it plus 65536
    QTest::newRow("letters") << "abc:%1";
    QTest::newRow("letter O for a zero") << "127.0.0.1O:%1";
    QTest::newRow("octet above 255") << "127.0.0.300:%1";
    QTest::newRow("port that wraps round") << "127.0.0.1:%2";
}

void TestTcpStream::refusedTargetOpensNoSocket()
{
    QFETCH(QString, target);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::Any));
    const QString text = QString(target)
                             .replace(QLatin1String("%1"), QString::number(server.serverPort()))
                             .replace(QLatin1String("%2"), QString::number(int(server.serverPort()) + 65536));

    TCPStream stream;
    QVERIFY2(!stream.open(text), qPrintable(text));
    QVERIFY(!stream.isOpen());
    QVERIFY(!server.waitForNewConnection(0));
    // The same stream still opens a good target.
    QVERIFY(stream.open(QStringLiteral("127.0.0.1:%1").arg(server.serverPort())));
    QVERIFY(stream.isOpen());
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
