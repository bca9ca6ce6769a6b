#include "ptypair.h"
#include "serialport.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <thread>

namespace {

// Collects Qt warnings (QSerialPort and QSocketNotifier report misuse across
// threads only as warnings).
QStringList g_warnings;
QtMessageHandler g_previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        g_warnings << msg;
    if (g_previousHandler)
        g_previousHandler(type, context, msg);
}

} // namespace

class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void opensFullPath();
    void isBinaryTransparent();
    void readCollectsBytesArrivingLater();
    void readDeadlineHonoured_data();
    void readDeadlineHonoured();
    void openPurgesOldInput();
    void exclusiveOpen();
    void reopenClosesFirst();
    void failedOpenLeavesPortClosed();
    void closedPortRefusesIo();
    void timedOutWriteDropsTheRest();
    void hungUpLineClosesPort_data();
    void hungUpLineClosesPort();
    void readBeforeEndsAtEarlierDeadline();
    void openedInAnotherThread();
    void baudRate();
    void naturalOrder_data();
    void naturalOrder();
    void availablePortsSkipsPortsInUse();
};

void TestSerialPort::opensFullPath()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPort port;
    QVERIFY(!port.isOpen());
    QVERIFY(port.open(pty.path));
    QVERIFY(port.isOpen());

    QCOMPARE(port.write("hello", 5), 5);
    QCOMPARE(pty.receive(5), QByteArray("hello"));
    QVERIFY(pty.send("world"));
    char buffer[5];
    QCOMPARE(port.read(buffer, 5), 5);
    QCOMPARE(QByteArray(buffer, 5), QByteArray("world"));

    port.close();
    QVERIFY(!port.isOpen());
}

void TestSerialPort::isBinaryTransparent()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPort port;
    QVERIFY(port.open(pty.path));

    // Every byte value, twice, both ways: NUL, XON/XOFF, CR/LF, ^C and DEL
    // must neither be eaten nor translated nor echoed.
    QByteArray all;
    for (int i = 0; i < 512; ++i)
        all.append(char(i & 0xFF));
    QCOMPARE(port.write(all.constData(), all.size()), all.size());
    QCOMPARE(pty.receive(all.size()), all);

    QVERIFY(pty.send(all));
    QByteArray back(all.size(), '\0');
    QCOMPARE(port.read(back.data(), back.size()), all.size());
    QCOMPARE(back, all);
    QVERIFY(pty.drain().isEmpty());   // nothing echoed
}

void TestSerialPort::readCollectsBytesArrivingLater()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPort port;
    QVERIFY(port.open(pty.path));

    // The rest arrives well inside the 100 + 6 * 100 ms deadline.
    QVERIFY(pty.send("ab"));
    std::thread later([&pty] {
        QThread::msleep(150);
        pty.send("cd");
        QThread::msleep(150);
        pty.send("ef");
    });
    char buffer[6];
    const int n = port.read(buffer, 6);
    later.join();
    QCOMPARE(n, 6);
    QCOMPARE(QByteArray(buffer, 6), QByteArray("abcdef"));
}

void TestSerialPort::readDeadlineHonoured_data()
{
    QTest::addColumn<QByteArray>("arriving");
    QTest::addColumn<int>("requested");

    QTest::newRow("silent line, 1 byte") << QByteArray() << 1;
    QTest::newRow("silent line, 2 bytes") << QByteArray() << 2;
    QTest::newRow("1 of 3 bytes") << QByteArray("x") << 3;
}

void TestSerialPort::readDeadlineHonoured()
{
    QFETCH(QByteArray, arriving);
    QFETCH(int, requested);

    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPort port;
    QVERIFY(port.open(pty.path));
    if (!arriving.isEmpty())
        QVERIFY(pty.send(arriving));

    QByteArray buffer(requested, '\0');
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(port.read(buffer.data(), requested), arriving.size());
    const qint64 deadline = SerialPort::ReadTimeoutBaseMs + qint64(SerialPort::ReadTimeoutPerByteMs) * requested;
    // A short read waits its whole deadline; the check allows for the clock's
    // millisecond rounding only.
    QVERIFY2(clock.elapsed() >= deadline - 10, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(buffer.left(arriving.size()), arriving);
    QVERIFY(port.isOpen());
}

void TestSerialPort::openPurgesOldInput()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    QVERIFY(pty.send("stale"));   // kept by the slave while nobody has it open
    QThread::msleep(20);

    SerialPort port;
    QVERIFY(port.open(pty.path));
    QVERIFY(pty.send("F"));
    char c = 0;
    QCOMPARE(port.read(&c, 1), 1);
    QCOMPARE(c, 'F');
}

void TestSerialPort::exclusiveOpen()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPort first;
    SerialPort second;
    QVERIFY(first.open(pty.path));
    QVERIFY(!second.open(pty.path));
    QVERIFY(!second.isOpen());

    first.close();
    QVERIFY(second.open(pty.path));
    QVERIFY(!first.open(pty.path));
}

void TestSerialPort::reopenClosesFirst()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPort port;
    QVERIFY(port.open(pty.path));
    // Opening an open port closes it first; otherwise the exclusive lock it
    // holds itself would make the second open fail.
    QVERIFY(port.open(pty.path));
    QVERIFY(port.isOpen());
    QCOMPARE(port.write("r", 1), 1);
    QCOMPARE(pty.receive(1), QByteArray("r"));

    // A reopen on a path that fails leaves it closed, and the old port free.
    QVERIFY(!port.open(QStringLiteral("/dev/nonexistent-tty-for-test")));
    QVERIFY(!port.isOpen());
    SerialPort other;
    QVERIFY(other.open(pty.path));
}

void TestSerialPort::failedOpenLeavesPortClosed()
{
    SerialPort port;
    QVERIFY(!port.open(QStringLiteral("ttyNoSuchPortHere")));
    QVERIFY(!port.isOpen());
    QVERIFY(!port.open(QString()));
    QVERIFY(!port.isOpen());
}

void TestSerialPort::closedPortRefusesIo()
{
    SerialPort port;
    char buffer[4];
    QCOMPARE(port.write("abcd", 4), 0);
    QCOMPARE(port.read(buffer, 4), 0);
    port.close();   // closing a closed port is harmless
    QVERIFY(!port.isOpen());
}

void TestSerialPort::timedOutWriteDropsTheRest()
{
    // The far end reads nothing, so the terminal's buffer fills and the
    // write runs into its limit with most of the block still queued.
    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPort port;
    QVERIFY(port.open(pty.path));
    const QByteArray block(32 * 1024, 'A');
    const int written = port.write(block.constData(), block.size());
    QVERIFY2(written > 0 && written < block.size(), qPrintable(QString::number(written)));

    // Whatever went out before the limit arrives; the rest was dropped, so
    // the next frame is the next thing on the line.
    const QByteArray before = pty.drain(200);
    QVERIFY(before.size() <= written);
    QCOMPARE(before.count('A'), before.size());
    QCOMPARE(port.write("next", 4), 4);
    QCOMPARE(pty.receive(4), QByteArray("next"));
    QVERIFY(pty.drain().isEmpty());
}

void TestSerialPort::hungUpLineClosesPort_data()
{
    QTest::addColumn<bool>("writeFirst");
    QTest::newRow("found by a read") << false;
    QTest::newRow("found by a write") << true;
}

void TestSerialPort::hungUpLineClosesPort()
{
    QFETCH(bool, writeFirst);
    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPort port;
    QVERIFY(port.open(pty.path));
    pty.hangUp();

    // A read of 50 bytes would wait 5100 ms on a silent line; a line that is
    // gone ends it at once and closes the port, so no caller waits on it.
    QElapsedTimer clock;
    clock.start();
    char buffer[50];
    if (writeFirst)
        QVERIFY(port.write("abc", 3) < 3);
    else
        QVERIFY(port.read(buffer, sizeof buffer) <= 0);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!port.isOpen());
    QCOMPARE(port.read(buffer, sizeof buffer), 0);
    QCOMPARE(port.write("abc", 3), 0);
}

void TestSerialPort::readBeforeEndsAtEarlierDeadline()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPort port;
    QVERIFY(port.open(pty.path));
    QVERIFY(pty.send("ab"));

    // Ten bytes would be given 1100 ms; the caller's deadline ends it sooner
    // with what came.
    char buffer[10];
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(port.readBefore(buffer, sizeof buffer, QDeadlineTimer(300)), 2);
    QVERIFY2(clock.elapsed() >= 290 && clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(QByteArray(buffer, 2), QByteArray("ab"));

    // An expired deadline still hands over what is already there.
    QVERIFY(pty.send("cd"));
    QThread::msleep(50);
    QCOMPARE(port.readBefore(buffer, 2, QDeadlineTimer(0)), 2);
    QVERIFY(port.isOpen());
}

void TestSerialPort::openedInAnotherThread()
{
    // The update programs build their client in the GUI thread and use it
    // in a worker: everything QSerialPort needs must live in the worker.
    PtyPair pty;
    QVERIFY(pty.isValid());
    SerialPort port;   // constructed here

    g_warnings.clear();
    g_previousHandler = qInstallMessageHandler(collectWarnings);
    bool opened = false;
    int written = 0;
    int read = 0;
    QByteArray received;
    QThread *worker = QThread::create([&] {
        opened = port.open(pty.path);
        written = port.write("ping", 4);
        char buffer[4];
        // The answer comes once the test thread has seen the request; allow
        // a few deadlines for a loaded machine.
        for (int attempt = 0; attempt < 20 && read < 4; ++attempt) {
            const int n = port.read(buffer + read, 4 - read);
            if (n > 0)
                read += n;
        }
        received = QByteArray(buffer, read);
        port.close();
    });
    worker->start();
    const QByteArray request = pty.receive(4, 10000);
    QVERIFY(pty.send("pong"));
    QVERIFY(worker->wait(20000));
    delete worker;
    qInstallMessageHandler(g_previousHandler);

    QVERIFY(opened);
    QCOMPARE(written, 4);
    QCOMPARE(request, QByteArray("ping"));
    QCOMPARE(read, 4);
    QCOMPARE(received, QByteArray("pong"));
    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
}

void TestSerialPort::baudRate()
{
    SerialPort port;
    QCOMPARE(port.baudRate(), 500000);
    port.setBaudRate(115200);
    QCOMPARE(port.baudRate(), 115200);

    PtyPair pty;
    QVERIFY(pty.isValid());
    QVERIFY(port.open(pty.path));
    QCOMPARE(port.write("b", 1), 1);
    QCOMPARE(pty.receive(1), QByteArray("b"));
}

void TestSerialPort::naturalOrder_data()
{
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("sorted");

    QTest::newRow("numbers by value")
        << QStringList{"ttyS10", "ttyS2", "ttyS1", "ttyS0"}
        << QStringList{"ttyS0", "ttyS1", "ttyS2", "ttyS10"};
    QTest::newRow("families then numbers")
        << QStringList{"ttyUSB1", "ttyS3", "ttyACM0", "ttyUSB0", "ttyS20"}
        << QStringList{"ttyACM0", "ttyS3", "ttyS20", "ttyUSB0", "ttyUSB1"};
    QTest::newRow("prefix first") << QStringList{"ttyS1a", "ttyS1"} << QStringList{"ttyS1", "ttyS1a"};
    QTest::newRow("long numbers")
        << QStringList{"ttyX100000000000000000001", "ttyX99"}
        << QStringList{"ttyX99", "ttyX100000000000000000001"};
}

void TestSerialPort::naturalOrder()
{
    QFETCH(QStringList, input);
    QFETCH(QStringList, sorted);
    std::sort(input.begin(), input.end(), SerialPort::naturalLess);
    QCOMPARE(input, sorted);
    for (const QString &s : sorted)
        QVERIFY(!SerialPort::naturalLess(s, s));
}

void TestSerialPort::availablePortsSkipsPortsInUse()
{
    // Whatever this machine has, every listed port opens now; one we hold is
    // no longer listed.
    const QStringList ports = SerialPort::availablePorts();
    QStringList sorted = ports;
    std::sort(sorted.begin(), sorted.end(), SerialPort::naturalLess);
    QCOMPARE(ports, sorted);
    if (ports.isEmpty())
        QSKIP("no serial port on this machine");

    SerialPort held;
    if (!held.open(ports.first()))
        QSKIP("the first listed port cannot be opened read-write here");
    QVERIFY(!SerialPort::availablePorts().contains(ports.first()));
    held.close();
    QVERIFY(SerialPort::availablePorts().contains(ports.first()));
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
