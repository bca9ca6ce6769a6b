#include "packetlink.h"
#include "serialport.h"
#include "simtester.h"
#include "tcpstream.h"

#include <QSemaphore>
#include <QtTest>

namespace {

// Answers every request with its own payload. A request starting with "M"
// gets three frames "1", "2", "3" with pauses between them instead.
class EchoResponder : public SimResponder
{
public:
    QList<SimReply> handle(const QByteArray &request) override
    {
        ++handled;
        if (request.startsWith('M'))
            return {SimReply{"1", 0}, SimReply{"2", 120}, SimReply{"3", 60}};
        return {SimReply{request, 0}};
    }
    int handled = 0;
};

// Makes the tester go away from inside handle(), as a restarting tester does.
class LeavingResponder : public SimResponder
{
public:
    QList<SimReply> handle(const QByteArray &request) override
    {
        if (request == "bye" && sim)
            sim->goAway();
        return {SimReply{request, 0}};
    }
    SimTester *sim = nullptr;
};

// Holds each request in handle() until the test lets it go, then marks it
// done: a responder slower than the request log.
class GatedResponder : public SimResponder
{
public:
    QList<SimReply> handle(const QByteArray &request) override
    {
        gate.acquire();
        done << request;
        return {SimReply{request, 0}};
    }
    QSemaphore gate;
    QList<QByteArray> done;
};

// The program's side: a packet link over the transport the row names.
struct Client
{
    PacketLink link;
    QByteArray payload;
    quint16 length = 0;

    bool connectTo(const QString &transport, const SimTester &sim)
    {
        if (transport == QLatin1String("tcp")) {
            link.setStream(new TCPStream);
            return link.open(QStringLiteral("127.0.0.1:%1").arg(sim.tcpPort()));
        }
        link.setStream(new SerialPort);
        return link.open(sim.ptyPath());
    }
    bool send(const QByteArray &p) { return link.sendPackage(p.constData(), p.size()); }
    bool receive()
    {
        QByteArray buffer(0x10000, '\0');
        length = 0;
        const bool ok = link.receivePackage(buffer.data(), buffer.size(), &length);
        payload = buffer.left(length);
        return ok;
    }
    // Raw bytes past the framing, to send broken frames.
    int sendRaw(const QByteArray &bytes)
    {
        return link.stream()->write(bytes.constData(), bytes.size());
    }
};

QByteArray frameWithCrc(const QByteArray &payload, quint8 crc)
{
    QByteArray f;
    f.append(char(payload.size() & 0xFF));
    f.append(char((payload.size() >> 8) & 0xFF));
    f.append(payload);
    f.append(char(crc));
    return f;
}

} // namespace

class TestSimTester : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void echoesAndLogs_data() { transports(); }
    void echoesAndLogs();
    void silent_data() { transports(); }
    void silent();
    void corruptCrc_data() { transports(); }
    void corruptCrc();
    void wrongLength_data() { transports(); }
    void wrongLength();
    void dropAfter_data() { transports(); }
    void dropAfter();
    void goAwayAndComeBack_data() { transports(); }
    void goAwayAndComeBack();
    void badRequestFramesLogged_data() { transports(); }
    void badRequestFramesLogged();
    void severalFramesInOrder_data() { transports(); }
    void severalFramesInOrder();
    void replyDelay_data() { transports(); }
    void replyDelay();
    void pacedAndTrickledRepliesKeepTheirBytes_data() { transports(); }
    void pacedAndTrickledRepliesKeepTheirBytes();
    void partialFrameDropped();
    void largeFrames_data() { transports(); }
    void largeFrames();
    void newTcpClientReplacesOld();
    void waitForRequestsTimesOut();
    void waitForHandledWaitsForTheResponder();
    void responderMakesTesterGoAway();

private:
    void transports()
    {
        QTest::addColumn<QString>("transport");
        QTest::newRow("tcp") << QStringLiteral("tcp");
        QTest::newRow("pty") << QStringLiteral("pty");
    }
    SimTester *sim = nullptr;
};

void TestSimTester::init()
{
    sim = new SimTester(new EchoResponder);
    QVERIFY(sim->listenTcp() != 0);
    QVERIFY(!sim->openPty().isEmpty());
}

void TestSimTester::cleanup()
{
    delete sim;
    sim = nullptr;
}

void TestSimTester::echoesAndLogs()
{
    QFETCH(QString, transport);
    Client c;
    QVERIFY(c.connectTo(transport, *sim));

    const QList<QByteArray> sent = {QByteArray::fromHex("0f"), QByteArray(), QByteArray::fromHex("13000200")};
    for (const QByteArray &p : sent) {
        QVERIFY(c.send(p));
        QVERIFY(c.receive());
        QCOMPARE(c.payload, p);
    }
    QCOMPARE(sim->requests(), sent);
    QVERIFY(sim->badFrames().isEmpty());
    int handled = 0;
    sim->with<EchoResponder>([&](EchoResponder &r) { handled = r.handled; });
    QCOMPARE(handled, 3);

    sim->clearRequests();
    QVERIFY(sim->requests().isEmpty());
}

void TestSimTester::silent()
{
    QFETCH(QString, transport);
    Client c;
    QVERIFY(c.connectTo(transport, *sim));

    sim->setSilent(true);
    QVERIFY(c.send("quiet"));
    QVERIFY(sim->waitForRequests(1, 5000));
    QVERIFY(!c.receive());
    QCOMPARE(sim->requests(), QList<QByteArray>{"quiet"});

    sim->setSilent(false);
    QVERIFY(c.send("loud"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("loud"));
}

void TestSimTester::corruptCrc()
{
    QFETCH(QString, transport);
    Client c;
    QVERIFY(c.connectTo(transport, *sim));

    sim->corruptCrc(2);
    for (const char *p : {"one", "two"}) {
        QVERIFY(c.send(p));
        QVERIFY(!c.receive());
        QCOMPARE(c.payload, QByteArray(p));   // the payload itself is intact
    }
    QVERIFY(c.send("three"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("three"));
}

void TestSimTester::wrongLength()
{
    QFETCH(QString, transport);
    Client c;
    QVERIFY(c.connectTo(transport, *sim));

    sim->wrongLength(1);
    QVERIFY(c.send("abcd"));
    QVERIFY(c.receive());   // a consistent frame, just one byte short
    QCOMPARE(c.payload, QByteArray("abc"));
    QCOMPARE(int(c.length), 3);

    QVERIFY(c.send("abcd"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("abcd"));
}

void TestSimTester::dropAfter()
{
    QFETCH(QString, transport);
    Client c;
    QVERIFY(c.connectTo(transport, *sim));

    sim->dropAfter(1);
    QVERIFY(c.send("kept"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("kept"));

    QVERIFY(c.send("lost"));
    QVERIFY(sim->waitForRequests(2, 5000));
    QVERIFY(!c.receive());
    QCOMPARE(sim->requests().last(), QByteArray("lost"));

    // The link is gone; a new connection is served again (a pseudo-terminal
    // comes back like after goAway()).
    c.link.close();
    if (transport == QLatin1String("pty")) {
        QVERIFY(sim->ptyPath().isEmpty());
        sim->comeBack();
    }
    QVERIFY(c.connectTo(transport, *sim));
    QVERIFY(c.send("again"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("again"));
}

void TestSimTester::goAwayAndComeBack()
{
    QFETCH(QString, transport);
    const quint16 port = sim->tcpPort();
    Client c;
    QVERIFY(c.connectTo(transport, *sim));
    QVERIFY(c.send("before"));
    QVERIFY(c.receive());

    sim->goAway();
    QCOMPARE(sim->tcpPort(), quint16(0));
    QVERIFY(sim->ptyPath().isEmpty());
    c.send("gone");
    QVERIFY(!c.receive());
    c.link.close();
    if (transport == QLatin1String("tcp")) {
        c.link.setStream(new TCPStream);
        QVERIFY(!c.link.open(QStringLiteral("127.0.0.1:%1").arg(port)));
    }

    sim->comeBack();
    QCOMPARE(sim->tcpPort(), port);
    QVERIFY(!sim->ptyPath().isEmpty());
    QVERIFY(c.connectTo(transport, *sim));
    QVERIFY(c.send("after"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("after"));
    QVERIFY(!sim->requests().contains("gone"));
}

void TestSimTester::badRequestFramesLogged()
{
    QFETCH(QString, transport);
    Client c;
    QVERIFY(c.connectTo(transport, *sim));

    const QByteArray bad = frameWithCrc("broken", 0x00);
    QCOMPARE(c.sendRaw(bad), bad.size());
    QVERIFY(!c.receive());   // not answered
    QCOMPARE(sim->badFrames(), QList<QByteArray>{"broken"});
    QVERIFY(sim->requests().isEmpty());

    // The stream stays in step: the next good frame is answered.
    QVERIFY(c.send("fine"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("fine"));
    QCOMPARE(sim->requests(), QList<QByteArray>{"fine"});
}

void TestSimTester::severalFramesInOrder()
{
    QFETCH(QString, transport);
    Client c;
    QVERIFY(c.connectTo(transport, *sim));

    QVERIFY(c.send("M"));
    for (const char *expected : {"1", "2", "3"}) {
        QVERIFY(c.receive());
        QCOMPARE(c.payload, QByteArray(expected));
    }
}

void TestSimTester::replyDelay()
{
    QFETCH(QString, transport);
    Client c;
    QVERIFY(c.connectTo(transport, *sim));

    // Well inside both streams' read deadlines (a serial read of the two
    // length bytes waits 300 ms, a TCP read 2000 ms at a time).
    sim->setReplyDelay(transport == QLatin1String("tcp") ? 400 : 150);
    QVERIFY(c.send("slow"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("slow"));

    // A delay far past the serial deadline looks like silence there.
    if (transport == QLatin1String("pty")) {
        sim->setReplyDelay(1500);
        QVERIFY(c.send("late"));
        QVERIFY(!c.receive());
    }
}

// The two ways of slowing a link change when bytes come, never which.
void TestSimTester::pacedAndTrickledRepliesKeepTheirBytes()
{
    QFETCH(QString, transport);
    Client c;
    QVERIFY(c.connectTo(transport, *sim));

    sim->setTrickle(5);
    QVERIFY(c.send("trickled"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("trickled"));
    sim->setTrickle(0);

    sim->setLineRate(50000);
    const QByteArray block(300, '\x5A');
    QVERIFY(c.send(block));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, block);
    QVERIFY(c.send("M"));
    for (const char *expected : {"1", "2", "3"}) {
        QVERIFY(c.receive());
        QCOMPARE(c.payload, QByteArray(expected));
    }
    sim->setLineRate(0);
    QCOMPARE(sim->requests(), (QList<QByteArray>{"trickled", block, "M"}));
}

void TestSimTester::partialFrameDropped()
{
    Client c;
    QVERIFY(c.connectTo(QStringLiteral("tcp"), *sim));

    // A length field announcing more bytes than ever come.
    QCOMPARE(c.sendRaw(QByteArray::fromHex("0500aa")), 3);
    QTest::qWait(SimTester::PartialFrameTimeoutMs + 500);
    QVERIFY(c.send("next"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("next"));
    QCOMPARE(sim->requests(), QList<QByteArray>{"next"});
}

void TestSimTester::largeFrames()
{
    QFETCH(QString, transport);
    Client c;
    QVERIFY(c.connectTo(transport, *sim));

    // Far more than a pseudo-terminal buffers at once, both ways.
    QByteArray big(PacketLink::MaxPayload, Qt::Uninitialized);
    for (int i = 0; i < big.size(); ++i)
        big[i] = char((i * 131) >> 3);
    QVERIFY(c.send(big));
    QVERIFY(c.receive());
    QCOMPARE(c.payload.size(), big.size());
    QVERIFY(c.payload == big);
}

void TestSimTester::newTcpClientReplacesOld()
{
    Client first;
    Client second;
    QVERIFY(first.connectTo(QStringLiteral("tcp"), *sim));
    QVERIFY(first.send("a"));
    QVERIFY(first.receive());

    QVERIFY(second.connectTo(QStringLiteral("tcp"), *sim));
    QVERIFY(second.send("b"));
    QVERIFY(second.receive());
    QCOMPARE(second.payload, QByteArray("b"));

    first.send("c");
    QVERIFY(!first.receive());
    QVERIFY(!sim->requests().contains("c"));
}

void TestSimTester::waitForRequestsTimesOut()
{
    QVERIFY(!sim->waitForRequests(1, 100));
    QVERIFY(sim->waitForRequests(0, 0));
}

// A request is logged before the responder has handled it: waitForRequests
// can return while the responder's state is still the old one;
// waitForHandled returns only once the responder is done with it, also for
// requests logged after a clearRequests and for a silent simulator.
void TestSimTester::waitForHandledWaitsForTheResponder()
{
    auto *responder = new GatedResponder;
    SimTester gated(responder);
    QVERIFY(gated.listenTcp() != 0);
    Client c;
    QVERIFY(c.connectTo(QStringLiteral("tcp"), gated));

    QVERIFY(c.send("first"));
    QVERIFY(gated.waitForRequests(1, 5000));
    QVERIFY(!gated.waitForHandled(1, 100));   // held in handle()
    responder->gate.release();
    QVERIFY(gated.waitForHandled(1, 5000));
    QList<QByteArray> done;
    gated.with<GatedResponder>([&](GatedResponder &r) { done = r.done; });
    QCOMPARE(done, QList<QByteArray>{"first"});
    QVERIFY(c.receive());

    // Counted again from a clear: the request before it is not this one.
    gated.clearRequests();
    QVERIFY(c.send("second"));
    QVERIFY(gated.waitForRequests(1, 5000));
    QVERIFY(!gated.waitForHandled(1, 100));
    responder->gate.release();
    QVERIFY(gated.waitForHandled(1, 5000));
    gated.with<GatedResponder>([&](GatedResponder &r) { done = r.done; });
    QCOMPARE(done, (QList<QByteArray>{"first", "second"}));
    QVERIFY(c.receive());

    // A silent simulator is done with a request once it is logged.
    gated.setSilent(true);
    QVERIFY(c.send("quiet"));
    QVERIFY(gated.waitForHandled(2, 5000));
    QVERIFY(!gated.waitForHandled(3, 100));
}

void TestSimTester::responderMakesTesterGoAway()
{
    auto *responder = new LeavingResponder;
    SimTester leaving(responder);
    responder->sim = &leaving;
    QVERIFY(leaving.listenTcp() != 0);
    const quint16 port = leaving.tcpPort();

    Client c;
    QVERIFY(c.connectTo(QStringLiteral("tcp"), leaving));
    QVERIFY(c.send("bye"));
    QVERIFY(!c.receive());   // gone before the reply could leave
    QTRY_COMPARE(leaving.tcpPort(), quint16(0));

    leaving.comeBack();
    QCOMPARE(leaving.tcpPort(), port);
    QVERIFY(c.connectTo(QStringLiteral("tcp"), leaving));
    QVERIFY(c.send("hi"));
    QVERIFY(c.receive());
    QCOMPARE(c.payload, QByteArray("hi"));
}

QTEST_GUILESS_MAIN(TestSimTester)
#include "tst_simtester.moc"
