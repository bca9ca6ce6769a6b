#include "crc8.h"
#include "ivyrstream.h"
#include "packetlink.h"
#include "ptypair.h"
#include "../streams/memorystream.h"
#include "serialport.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <thread>

namespace {

// In-memory stream: reads come from `input`, writes go to `output`. Every
// read is recorded with the count asked, so a test can see what the link
// consumed and in which sizes.
class FakeStream : public IVyrStream
{
public:
    explicit FakeStream(bool *destroyed = nullptr) : destroyedFlag(destroyed) {}
    ~FakeStream() override
    {
        if (destroyedFlag)
            *destroyedFlag = true;
    }

    bool open(const QString &target) override
    {
        openedWith = target;
        opened = openResult;
        return opened;
    }
    void close() override
    {
        ++closeCalls;
        opened = false;
    }
    int write(const char *data, int len) override
    {
        ++writeCalls;
        const int n = acceptLimit < 0 ? len : qMin(len, acceptLimit);
        output.append(data, n);
        return n;
    }
    int read(char *buffer, int len) override
    {
        readSizes << len;
        const int n = qMin(len, input.size());
        memcpy(buffer, input.constData(), size_t(n));
        input.remove(0, n);
        return n;
    }
    bool isOpen() const override { return opened; }
    void clearInput() override { ++clearCalls; }

    QByteArray input;
    QByteArray output;
    QList<int> readSizes;
    QString openedWith;
    bool openResult = true;
    bool opened = true;
    int acceptLimit = -1;
    int writeCalls = 0;
    int closeCalls = 0;
    int clearCalls = 0;
    bool *destroyedFlag = nullptr;
};


} // namespace

class TestPacketLink : public QObject
{
    Q_OBJECT

private slots:
    void sendsExactBytes_data();
    void sendsExactBytes();
    void sendRefusals_data();
    void sendRefusals();
    void sendsLargestPayload();
    void receivesFrames_data();
    void receivesFrames();
    void capacityEdge();
    void oversizeLeavesPayloadUnread();
    void badCrcCopiesPayload();
    void shortReadsFail_data();
    void shortReadsFail();
    void receiveTellsHowItEnded_data();
    void receiveTellsHowItEnded();
    void largeCapacityIsNotTruncated();
    void withoutStream();
    void ownsItsStream();
    void openAndClose();

    void pty_exactBytesOnTheWire();
    void pty_receivesFrame();
    void pty_silenceEndsAfterDeadline();
    void pty_shortPayloadFails();
    void pty_deadlineCoversWholeFrame();
    void pty_hungUpLineIsClosed();
};

void TestPacketLink::sendsExactBytes_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("empty") << QByteArray() << QByteArray::fromHex("000000");
    QTest::newRow("device info") << QByteArray::fromHex("0f") << QByteArray::fromHex("01000fea");
    QTest::newRow("status") << QByteArray::fromHex("00") << QByteArray::fromHex("010000ab");
    QByteArray big(300, '\x5a');
    QTest::newRow("length above 255 is little-endian") << big << MemoryPeer::frame(big);
}

void TestPacketLink::sendsExactBytes()
{
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, wire);

    PacketLink link;
    auto *s = new FakeStream;
    link.setStream(s);
    QVERIFY(link.sendPackage(payload.constData(), payload.size()));
    QCOMPARE(s->output, wire);
    QCOMPARE(s->writeCalls, 1);
}

void TestPacketLink::sendRefusals_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("acceptLimit");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("writes");

    QTest::newRow("stream closed") << false << -1 << 4 << 0;
    QTest::newRow("short write") << true << 6 << 4 << 1;
    QTest::newRow("nothing written") << true << 0 << 4 << 1;
    QTest::newRow("negative length") << true << -1 << -1 << 0;
    QTest::newRow("one byte over the frame limit") << true << -1 << PacketLink::MaxPayload + 1 << 0;
}

void TestPacketLink::sendRefusals()
{
    QFETCH(bool, open);
    QFETCH(int, acceptLimit);
    QFETCH(int, length);
    QFETCH(int, writes);

    PacketLink link;
    auto *s = new FakeStream;
    s->opened = open;
    s->acceptLimit = acceptLimit;
    link.setStream(s);
    const QByteArray payload(qMax(0, length), '\x11');
    QVERIFY(!link.sendPackage(payload.constData(), length));
    QCOMPARE(s->writeCalls, writes);
}

void TestPacketLink::sendsLargestPayload()
{
    QCOMPARE(PacketLink::MaxPayload, 65532);
    PacketLink link;
    auto *s = new FakeStream;
    link.setStream(s);
    QByteArray payload(PacketLink::MaxPayload, Qt::Uninitialized);
    for (int i = 0; i < payload.size(); ++i)
        payload[i] = char(i * 7);
    QVERIFY(link.sendPackage(payload.constData(), payload.size()));
    QCOMPARE(s->output.size(), 0xFFFF);
    QCOMPARE(s->output, MemoryPeer::frame(payload));
}

void TestPacketLink::receivesFrames_data()
{
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("empty, CRC 0") << QByteArray();
    QTest::newRow("one byte") << QByteArray::fromHex("01");
    QTest::newRow("binary with zeros") << QByteArray::fromHex("000100ff00");
    QTest::newRow("600 bytes") << QByteArray(600, '\xa5');
}

void TestPacketLink::receivesFrames()
{
    QFETCH(QByteArray, payload);

    PacketLink link;
    auto *s = new FakeStream;
    s->input = MemoryPeer::frame(payload) + QByteArray::fromHex("ee");   // next frame's first byte stays
    link.setStream(s);
    QByteArray buffer(1024, '\x77');
    quint16 length = 0xFFFF;
    QVERIFY(link.receivePackage(buffer.data(), buffer.size(), &length));
    QCOMPARE(int(length), payload.size());
    QCOMPARE(buffer.left(length), payload);
    QCOMPARE(s->input, QByteArray::fromHex("ee"));
    QCOMPARE(s->clearCalls, 1);
    // Three reads sized to the length field, the payload and the CRC.
    const QList<int> expected = payload.isEmpty() ? QList<int>{2, 1} : QList<int>{2, payload.size(), 1};
    QCOMPARE(s->readSizes, expected);
}

void TestPacketLink::capacityEdge()
{
    const QByteArray payload(16, '\x42');
    PacketLink link;
    auto *s = new FakeStream;
    link.setStream(s);
    QByteArray buffer(32, '\0');

    s->input = MemoryPeer::frame(payload);
    QVERIFY(link.receivePackage(buffer.data(), 16));
    QCOMPARE(buffer.left(16), payload);

    s->input = MemoryPeer::frame(payload);
    quint16 length = 0;
    QVERIFY(!link.receivePackage(buffer.data(), 15, &length));
    QCOMPARE(int(length), 16);
}

void TestPacketLink::oversizeLeavesPayloadUnread()
{
    const QByteArray payload = QByteArray::fromHex("0102030405060708");
    PacketLink link;
    auto *s = new FakeStream;
    s->input = MemoryPeer::frame(payload);
    link.setStream(s);
    QByteArray buffer(4, '\x33');
    quint16 length = 0;
    QVERIFY(!link.receivePackage(buffer.data(), buffer.size(), &length));
    QCOMPARE(int(length), payload.size());
    QCOMPARE(buffer, QByteArray(4, '\x33'));          // nothing written into the buffer
    QCOMPARE(s->input, MemoryPeer::frame(payload).mid(2));      // payload and CRC still in the stream
    QCOMPARE(s->readSizes, QList<int>{2});
}

void TestPacketLink::badCrcCopiesPayload()
{
    const QByteArray payload = QByteArray::fromHex("0a0b0c");
    QByteArray frame = MemoryPeer::frame(payload);
    frame[frame.size() - 1] = char(frame.at(frame.size() - 1) ^ 0x01);

    PacketLink link;
    auto *s = new FakeStream;
    s->input = frame;
    link.setStream(s);
    QByteArray buffer(8, '\0');
    quint16 length = 0;
    QVERIFY(!link.receivePackage(buffer.data(), buffer.size(), &length));
    QCOMPARE(int(length), 3);
    QCOMPARE(buffer.left(3), payload);
    QVERIFY(s->input.isEmpty());
}

void TestPacketLink::shortReadsFail_data()
{
    QTest::addColumn<QByteArray>("input");

    const QByteArray full = MemoryPeer::frame(QByteArray::fromHex("112233"));
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("half a length field") << full.left(1);
    QTest::newRow("payload cut") << full.left(4);
    QTest::newRow("CRC missing") << full.left(full.size() - 1);
}

void TestPacketLink::shortReadsFail()
{
    QFETCH(QByteArray, input);

    PacketLink link;
    auto *s = new FakeStream;
    s->input = input;
    link.setStream(s);
    QByteArray buffer(16, '\0');
    QVERIFY(!link.receivePackage(buffer.data(), buffer.size()));
}

void TestPacketLink::receiveTellsHowItEnded_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("expected");

    using R = PacketLink::Receive;
    const QByteArray full = MemoryPeer::frame(QByteArray::fromHex("112233"));
    QByteArray badCrc = full;
    badCrc[badCrc.size() - 1] = char(badCrc.at(badCrc.size() - 1) ^ 0x80);
    QTest::newRow("frame") << full << true << int(R::Frame);
    QTest::newRow("nothing") << QByteArray() << true << int(R::Silence);
    QTest::newRow("half a length field") << full.left(1) << true << int(R::Truncated);
    QTest::newRow("payload cut") << full.left(4) << true << int(R::Truncated);
    QTest::newRow("CRC missing") << full.left(full.size() - 1) << true << int(R::Truncated);
    QTest::newRow("longer than the buffer") << MemoryPeer::frame(QByteArray(17, 'x')) << true << int(R::TooLong);
    QTest::newRow("wrong CRC") << badCrc << true << int(R::BadCrc);
    QTest::newRow("stream closed") << full << false << int(R::Closed);
}

void TestPacketLink::receiveTellsHowItEnded()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, open);
    QFETCH(int, expected);

    PacketLink link;
    auto *s = new FakeStream;
    s->input = input;
    s->opened = open;
    link.setStream(s);
    QByteArray buffer(16, '\0');
    quint16 length = 0;
    QCOMPARE(int(link.receiveFrame(buffer.data(), buffer.size(), &length)), expected);
}

void TestPacketLink::largeCapacityIsNotTruncated()
{
    // A buffer of 65536 bytes or more can hold any frame; cutting its size
    // to 16 bits would make it refuse everything.
    const QByteArray payload(300, '\x01');
    PacketLink link;
    auto *s = new FakeStream;
    s->input = MemoryPeer::frame(payload);
    link.setStream(s);
    QByteArray buffer(0x10000, '\0');
    QVERIFY(link.receivePackage(buffer.data(), buffer.size()));
    QCOMPARE(buffer.left(300), payload);
}

void TestPacketLink::withoutStream()
{
    PacketLink link;
    char b[4] = {};
    QVERIFY(!link.isOpen());
    QVERIFY(!link.open(QStringLiteral("ttyS0")));
    QVERIFY(!link.sendPackage(b, 1));
    QVERIFY(!link.receivePackage(b, sizeof b));
    link.close();

    auto *s = new FakeStream;
    s->opened = false;
    s->input = MemoryPeer::frame(QByteArray("x"));
    link.setStream(s);
    QVERIFY(!link.receivePackage(b, sizeof b));
    QCOMPARE(s->readSizes.size(), 0);
}

void TestPacketLink::ownsItsStream()
{
    bool firstGone = false;
    bool secondGone = false;
    {
        PacketLink link;
        auto *first = new FakeStream(&firstGone);
        link.setStream(first);
        link.setStream(first);   // handing back the held stream keeps it
        QVERIFY(!firstGone);
        QVERIFY(link.isOpen());

        link.setStream(new FakeStream(&secondGone));
        QVERIFY(firstGone);
        QVERIFY(!secondGone);
    }
    QVERIFY(secondGone);

    bool gone = false;
    PacketLink link;
    link.setStream(new FakeStream(&gone));
    link.setStream(nullptr);
    QVERIFY(gone);
    QVERIFY(!link.isOpen());
}

void TestPacketLink::openAndClose()
{
    PacketLink link;
    auto *s = new FakeStream;
    s->opened = false;
    link.setStream(s);
    QVERIFY(link.open(QStringLiteral("10.0.0.1:4000")));
    QCOMPARE(s->openedWith, QStringLiteral("10.0.0.1:4000"));
    QVERIFY(link.isOpen());
    link.close();
    QVERIFY(!link.isOpen());
    QCOMPARE(s->closeCalls, 1);
    link.close();                // a closed stream is not closed again
    QCOMPARE(s->closeCalls, 1);
    QCOMPARE(link.stream(), static_cast<IVyrStream *>(s));

    s->openResult = false;
    QVERIFY(!link.open(QStringLiteral("ttyS0")));
    QVERIFY(!link.isOpen());
}

void TestPacketLink::pty_exactBytesOnTheWire()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    PacketLink link;
    link.setStream(new SerialPort);
    QVERIFY(link.open(pty.path));

    const char info = 0x0F;
    const char status = 0x00;
    QVERIFY(link.sendPackage(&info, 1));
    QVERIFY(link.sendPackage(&status, 1));
    QVERIFY(link.sendPackage(nullptr, 0));
    QCOMPARE(pty.receive(11).toHex(), QByteArray("01000fea010000ab000000"));
}

void TestPacketLink::pty_receivesFrame()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    PacketLink link;
    link.setStream(new SerialPort);
    QVERIFY(link.open(pty.path));

    // Bytes a terminal would treat specially must come through unchanged.
    const QByteArray payload = QByteArray::fromHex("000a0d11130304ff7f");
    QVERIFY(pty.send(MemoryPeer::frame(payload)));
    QByteArray buffer(64, '\0');
    quint16 length = 0;
    QVERIFY(link.receivePackage(buffer.data(), buffer.size(), &length));
    QCOMPARE(buffer.left(length), payload);
}

void TestPacketLink::pty_silenceEndsAfterDeadline()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    PacketLink link;
    link.setStream(new SerialPort);
    QVERIFY(link.open(pty.path));

    QByteArray buffer(16, '\0');
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!link.receivePackage(buffer.data(), buffer.size()));
    // The length read waits its full deadline (100 + 2 * 100 ms) first.
    QVERIFY2(clock.elapsed() >= 290, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(link.isOpen());
}

void TestPacketLink::pty_shortPayloadFails()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    PacketLink link;
    link.setStream(new SerialPort);
    QVERIFY(link.open(pty.path));

    // Length 5, only two payload bytes ever come.
    QVERIFY(pty.send(QByteArray::fromHex("05000102")));
    QByteArray buffer(16, '\0');
    QVERIFY(!link.receivePackage(buffer.data(), buffer.size()));

    // The line is usable afterwards for a whole frame.
    QVERIFY(pty.send(MemoryPeer::frame("ok")));
    quint16 length = 0;
    QVERIFY(link.receivePackage(buffer.data(), buffer.size(), &length));
    QCOMPARE(buffer.left(length), QByteArray("ok"));
}

void TestPacketLink::pty_deadlineCoversWholeFrame()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    PacketLink link;
    link.setStream(new SerialPort);
    QVERIFY(link.open(pty.path));

    // Every byte comes well inside the serial read's own per-byte limit, so
    // only a deadline over the whole frame can end this receive early.
    const QByteArray frame = MemoryPeer::frame(QByteArray(8, 'p'));
    std::thread trickle([&pty, frame] {
        for (char c : frame) {
            pty.send(QByteArray(1, c));
            QThread::msleep(120);
        }
    });
    QByteArray buffer(16, '\0');
    QElapsedTimer clock;
    clock.start();
    const PacketLink::Receive got =
        link.receiveFrame(buffer.data(), buffer.size(), nullptr, QDeadlineTimer(500, Qt::PreciseTimer));
    const qint64 elapsed = clock.elapsed();
    trickle.join();
    QCOMPARE(int(got), int(PacketLink::Receive::Truncated));
    QVERIFY2(elapsed >= 490 && elapsed < 1200, qPrintable(QString::number(elapsed)));   // the frame takes 1300 ms
}

void TestPacketLink::pty_hungUpLineIsClosed()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    PacketLink link;
    link.setStream(new SerialPort);
    QVERIFY(link.open(pty.path));
    pty.hangUp();

    QByteArray buffer(16, '\0');
    QCOMPARE(int(link.receiveFrame(buffer.data(), buffer.size(), nullptr)), int(PacketLink::Receive::Closed));
    QVERIFY(!link.isOpen());
    QVERIFY(!link.sendPackage("x", 1));
}

QTEST_GUILESS_MAIN(TestPacketLink)
#include "tst_packetlink.moc"
