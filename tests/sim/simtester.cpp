#include "simtester.h"

#include "crc8.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QMutex>
#include <QMutexLocker>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QWaitCondition>
#include <QtDebug>

#include <QElapsedTimer>

#include <cerrno>
#include <thread>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int LengthFieldSize = 2;
constexpr int CrcSize = 1;
constexpr int ReadChunk = 4096;
// How many masters comeBack() may hold at once while it looks for the
// previous slave path (the kernel hands out the lowest free number).
constexpr int PtyReuseAttempts = 32;

QByteArray makeFrame(QByteArray payload, bool dropLastByte, bool corruptCrc)
{
    if (dropLastByte && !payload.isEmpty())
        payload.chop(1);
    const int n = payload.size();
    QByteArray frame;
    frame.reserve(n + LengthFieldSize + CrcSize);
    frame.append(char(n & 0xFF));
    frame.append(char((n >> 8) & 0xFF));
    frame.append(payload);
    quint8 crc = crc8(frame.constData(), frame.size(), 0);
    if (corruptCrc)
        crc ^= 0xFF;
    frame.append(char(crc));
    return frame;
}

struct PtyHandles
{
    int master = -1;
    int slave = -1;   // our own slave descriptor, kept open while the master lives
    QString path;
};

PtyHandles openPtyPair()
{
    PtyHandles h;
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        return h;
    char name[128];
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0
            || ::ptsname_r(master, name, sizeof name) != 0) {
        ::close(master);
        return h;
    }
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        ::close(master);
        return h;
    }
    // Raw both ways: no echo of the client's bytes back to it, no line
    // discipline translating CR/LF or eating control bytes.
    termios t;
    if (::tcgetattr(slave, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(slave, TCSANOW, &t);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    h.master = master;
    h.slave = slave;
    h.path = QString::fromLocal8Bit(name);
    return h;
}

void closePty(PtyHandles &h)
{
    if (h.master >= 0)
        ::close(h.master);
    if (h.slave >= 0)
        ::close(h.slave);
    h.master = h.slave = -1;
}

QString hex(const QByteArray &b)
{
    return QString::fromLatin1(b.toHex(' '));
}

} // namespace

// Everything below `ctx` lives in and is touched only by the simulator's
// thread, except the members under logMutex, faultMutex and responderMutex.
class SimTesterPrivate
{
public:
    explicit SimTesterPrivate(SimResponder *r) : responder(r) {}

    // --- shared with the callers' threads ---
    std::unique_ptr<SimResponder> responder;
    QMutex responderMutex;

    mutable QMutex logMutex;
    mutable QWaitCondition logChanged;
    QList<QByteArray> requests;
    // Requests logged and requests done with since the simulator started;
    // `logged` when requests was last cleared (its first entry is request
    // clearedAt + 1).
    qint64 logged = 0;
    qint64 handled = 0;
    qint64 clearedAt = 0;
    int tcpClients = 0;   // connections accepted on the TCP listener
    QList<QByteArray> badFrames;

    QMutex faultMutex;
    bool silent = false;
    int corruptCount = 0;
    int wrongLengthCount = 0;
    int dropAfter = -1;   // -1: off
    int replyDelayMs = 0;
    int trickleMs = 0;
    bool verbose = false;
    int lineRate = 0;     // bytes per second each way; 0: unpaced

    // Written in the simulator's thread, read by callers: under logMutex.
    quint16 tcpPortValue = 0;
    QString ptyPathValue;

    // --- the simulator's thread ---
    QThread thread;
    QObject *ctx = nullptr;

    QTcpServer *server = nullptr;
    QTcpSocket *client = nullptr;
    quint16 listenPort = 0;   // kept across goAway() for comeBack()
    bool wantTcp = false;

    PtyHandles pty;
    QString lastPtyPath;      // kept across goAway() for comeBack()
    bool wantPty = false;
    QSocketNotifier *ptyReadNotifier = nullptr;
    QSocketNotifier *ptyWriteNotifier = nullptr;
    QByteArray ptyOut;

    // The two transports are independent links: each has its own receive
    // buffer, and a reply goes back on the link its request came from.
    enum Link { Tcp = 0, Pty = 1, LinkCount = 2 };
    QByteArray rx[LinkCount];
    QTimer *partialTimer[LinkCount] = {};

    struct Pending
    {
        QByteArray frame;
        int delayMs = 0;
        Link link = Tcp;
    };
    QList<Pending> sendQueue;
    QTimer *sendTimer = nullptr;

    // Line pacing (lineRate): when the receive and transmit sides of the
    // line are free again, in nanoseconds of lineClock.
    QElapsedTimer lineClock;
    qint64 rxFreeNs = 0;
    qint64 txFreeNs = 0;

    int currentLineRate();
    // When n more bytes, starting no earlier than now, have crossed a line
    // side that is busy until freeNs; advances freeNs.
    qint64 lineTime(qint64 &freeNs, int n, int rate);
    void sleepUntil(qint64 ns);

    void init();
    void shutdown();

    quint16 startListening(quint16 port);
    void stopListening();
    void acceptClient();
    void dropClient();

    QString startPty(bool reuseLastPath);
    void stopPty();
    void readPty();
    void flushPty();

    bool linkUp(Link link) const { return link == Tcp ? client != nullptr : pty.master >= 0; }
    void resetLinkState(Link link);
    void received(Link link, const QByteArray &bytes);
    void parseFrames(Link link);
    void handleFrame(Link link, const QByteArray &payload);
    void scheduleNext();
    void sendHead();
    void transmit(Link link, const QByteArray &frame);
    void publishEndpoints();

    // Runs f in the simulator's thread and waits for it. Called from that
    // thread itself (a responder that makes the tester go away), f runs at once.
    template <class F>
    auto run(F f) -> decltype(f())
    {
        using R = decltype(f());
        if (QThread::currentThread() == &thread)
            return f();
        if constexpr (std::is_void_v<R>) {
            QMetaObject::invokeMethod(ctx, f, Qt::BlockingQueuedConnection);
        } else {
            R result{};
            QMetaObject::invokeMethod(ctx, f, Qt::BlockingQueuedConnection, &result);
            return result;
        }
    }
};

int SimTesterPrivate::currentLineRate()
{
    QMutexLocker l(&faultMutex);
    return lineRate;
}

qint64 SimTesterPrivate::lineTime(qint64 &freeNs, int n, int rate)
{
    freeNs = qMax(freeNs, lineClock.nsecsElapsed()) + qint64(n) * 1000000000 / rate;
    return freeNs;
}

void SimTesterPrivate::sleepUntil(qint64 ns)
{
    // At 50000 bytes/s a byte takes 20 us: the sleep must end within a few
    // microseconds of the mark. The thread's timer slack (50 us by default)
    // is set to 1 ns in init(); what the scheduler still adds is spun off
    // without yielding, which on a busy machine could give the CPU away for
    // a whole time slice.
    constexpr qint64 SpinNs = 20000;
    const qint64 left = ns - lineClock.nsecsElapsed();
    if (left > SpinNs)
        std::this_thread::sleep_for(std::chrono::nanoseconds(left - SpinNs));
    while (lineClock.nsecsElapsed() < ns) {
    }
}

void SimTesterPrivate::init()
{
    lineClock.start();
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    sendTimer = new QTimer(ctx);
    sendTimer->setSingleShot(true);
    QObject::connect(sendTimer, &QTimer::timeout, ctx, [this] { sendHead(); });
    for (int i = 0; i < LinkCount; ++i) {
        partialTimer[i] = new QTimer(ctx);
        partialTimer[i]->setSingleShot(true);
        partialTimer[i]->setInterval(SimTester::PartialFrameTimeoutMs);
        QObject::connect(partialTimer[i], &QTimer::timeout, ctx, [this, i] {
            if (verbose)
                qDebug().noquote() << "sim: dropping partial frame" << hex(rx[i]);
            rx[i].clear();
        });
    }
}

void SimTesterPrivate::shutdown()
{
    stopListening();
    stopPty();
    delete sendTimer;
    sendTimer = nullptr;
    for (QTimer *&t : partialTimer) {
        delete t;
        t = nullptr;
    }
}

void SimTesterPrivate::publishEndpoints()
{
    QMutexLocker l(&logMutex);
    tcpPortValue = server ? server->serverPort() : 0;
    ptyPathValue = pty.master >= 0 ? pty.path : QString();
}

quint16 SimTesterPrivate::startListening(quint16 port)
{
    stopListening();
    server = new QTcpServer(ctx);
    if (!server->listen(QHostAddress::LocalHost, port)) {
        qDebug() << "sim: cannot listen on port" << port << server->errorString();
        delete server;
        server = nullptr;
        publishEndpoints();
        return 0;
    }
    listenPort = server->serverPort();
    wantTcp = true;
    QObject::connect(server, &QTcpServer::newConnection, ctx, [this] { acceptClient(); });
    publishEndpoints();
    return listenPort;
}

void SimTesterPrivate::stopListening()
{
    dropClient();
    if (server) {
        server->close();
        delete server;
        server = nullptr;
    }
    publishEndpoints();
}

void SimTesterPrivate::acceptClient()
{
    while (QTcpSocket *next = server->nextPendingConnection()) {
        // One client at a time: the newest replaces the one before. What
        // the old client sent before it closed reached the tester, even if
        // its data and the new connection are noticed in the other order.
        if (QTcpSocket *old = client) {
            // May deliver the old client's readyRead and disconnected at once.
            old->waitForReadyRead(0);
            if (client == old) {
                const QByteArray rest = old->readAll();
                if (!rest.isEmpty())
                    received(Tcp, rest);
            }
        }
        dropClient();
        {
            QMutexLocker l(&logMutex);
            ++tcpClients;
        }
        client = next;
        client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        QObject::connect(client, &QTcpSocket::readyRead, ctx, [this, next] {
            if (next == client)
                received(Tcp, client->readAll());
        });
        QObject::connect(client, &QTcpSocket::disconnected, ctx, [this, next] {
            if (next == client)
                dropClient();
        });
    }
}

void SimTesterPrivate::dropClient()
{
    if (client) {
        QTcpSocket *old = client;
        client = nullptr;
        old->disconnect(ctx);
        old->abort();
        old->deleteLater();
    }
    resetLinkState(Tcp);
}

QString SimTesterPrivate::startPty(bool reuseLastPath)
{
    stopPty();
    PtyHandles h = openPtyPair();
    if (reuseLastPath && h.master >= 0 && h.path != lastPtyPath) {
        // Hold the numbers handed out so far until the old one comes back
        // or it is plainly still in use.
        QList<PtyHandles> held;
        while (h.master >= 0 && h.path != lastPtyPath && held.size() < PtyReuseAttempts) {
            held << h;
            h = openPtyPair();
        }
        if (h.master < 0 || h.path != lastPtyPath) {
            closePty(h);
            h = held.takeFirst();
        }
        for (PtyHandles &other : held)
            closePty(other);
    }
    if (h.master < 0) {
        qDebug() << "sim: cannot open a pseudo-terminal:" << strerror(errno);
        publishEndpoints();
        return QString();
    }
    pty = h;
    lastPtyPath = h.path;
    wantPty = true;
    ptyReadNotifier = new QSocketNotifier(pty.master, QSocketNotifier::Read, ctx);
    QObject::connect(ptyReadNotifier, &QSocketNotifier::activated, ctx, [this] { readPty(); });
    ptyWriteNotifier = new QSocketNotifier(pty.master, QSocketNotifier::Write, ctx);
    ptyWriteNotifier->setEnabled(false);
    QObject::connect(ptyWriteNotifier, &QSocketNotifier::activated, ctx, [this] { flushPty(); });
    publishEndpoints();
    return pty.path;
}

void SimTesterPrivate::stopPty()
{
    delete ptyReadNotifier;
    ptyReadNotifier = nullptr;
    delete ptyWriteNotifier;
    ptyWriteNotifier = nullptr;
    ptyOut.clear();
    if (pty.master >= 0) {
        closePty(pty);
        resetLinkState(Pty);
    }
    publishEndpoints();
}

void SimTesterPrivate::readPty()
{
    char buf[ReadChunk];
    QByteArray got;
    for (;;) {
        const ssize_t n = ::read(pty.master, buf, sizeof buf);
        if (n > 0) {
            got.append(buf, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            // EIO: no slave is open any more. Cannot happen while we hold
            // our own slave descriptor, but never spin on it.
            if (ptyReadNotifier)
                ptyReadNotifier->setEnabled(false);
        }
        break;
    }
    if (!got.isEmpty())
        received(Pty, got);
}

void SimTesterPrivate::flushPty()
{
    while (!ptyOut.isEmpty() && pty.master >= 0) {
        const ssize_t n = ::write(pty.master, ptyOut.constData(), size_t(ptyOut.size()));
        if (n > 0) {
            ptyOut.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;   // EAGAIN: the slave's input queue is full; wait for room
    }
    if (ptyWriteNotifier)
        ptyWriteNotifier->setEnabled(!ptyOut.isEmpty());
}

void SimTesterPrivate::resetLinkState(Link link)
{
    rx[link].clear();
    if (partialTimer[link])
        partialTimer[link]->stop();
    for (int i = sendQueue.size() - 1; i >= 0; --i) {
        if (sendQueue.at(i).link == link)
            sendQueue.removeAt(i);
    }
    if (sendQueue.isEmpty() && sendTimer)
        sendTimer->stop();
}

void SimTesterPrivate::received(Link link, const QByteArray &bytes)
{
    if (const int rate = currentLineRate())
        sleepUntil(lineTime(rxFreeNs, bytes.size(), rate));
    rx[link].append(bytes);
    parseFrames(link);
    if (rx[link].isEmpty())
        partialTimer[link]->stop();
    else
        partialTimer[link]->start();
}

void SimTesterPrivate::parseFrames(Link link)
{
    QByteArray &buf = rx[link];
    while (buf.size() >= LengthFieldSize) {
        const int n = quint8(buf.at(0)) | (quint8(buf.at(1)) << 8);
        const int frameSize = LengthFieldSize + n + CrcSize;
        if (buf.size() < frameSize)
            return;
        const QByteArray frame = buf.left(frameSize);
        buf.remove(0, frameSize);
        const QByteArray payload = frame.mid(LengthFieldSize, n);
        const quint8 crc = crc8(frame.constData(), frameSize - CrcSize, 0);
        if (crc != quint8(frame.at(frameSize - 1))) {
            if (verbose)
                qDebug().noquote() << "sim: bad CRC" << hex(frame);
            QMutexLocker l(&logMutex);
            badFrames << payload;
            logChanged.wakeAll();
            continue;
        }
        handleFrame(link, payload);
        // Handling the frame may have dropped the link (and cleared buf).
        if (!linkUp(link))
            return;
    }
}

void SimTesterPrivate::handleFrame(Link link, const QByteArray &payload)
{
    if (verbose)
        qDebug().noquote() << "sim: ->" << hex(payload);
    {
        QMutexLocker l(&logMutex);
        requests << payload;
        ++logged;
        logChanged.wakeAll();
    }
    // However the request ends below, it counts as handled once its replies
    // (if any) are queued.
    struct Handled {
        SimTesterPrivate *d;
        ~Handled()
        {
            QMutexLocker l(&d->logMutex);
            ++d->handled;
            d->logChanged.wakeAll();
        }
    } handledOnReturn{this};

    bool drop = false;
    bool mute = false;
    int extraDelay = 0;
    int trickle = 0;
    {
        QMutexLocker l(&faultMutex);
        trickle = trickleMs;
        if (dropAfter == 0) {
            drop = true;
            dropAfter = -1;
        } else if (dropAfter > 0) {
            --dropAfter;
        }
        mute = silent;
        extraDelay = replyDelayMs;
    }
    if (drop) {
        if (verbose)
            qDebug() << "sim: dropping the link";
        if (link == Tcp)
            dropClient();
        else
            stopPty();
        return;
    }
    if (mute)
        return;

    QList<SimReply> replies;
    {
        QMutexLocker l(&responderMutex);
        replies = responder->handle(payload);
    }
    for (const SimReply &r : qAsConst(replies)) {
        bool chop = false;
        bool corrupt = false;
        {
            QMutexLocker l(&faultMutex);
            if (wrongLengthCount > 0) {
                chop = true;
                --wrongLengthCount;
            }
            if (corruptCount > 0) {
                corrupt = true;
                --corruptCount;
            }
        }
        if (verbose)
            qDebug().noquote() << "sim: <-" << hex(r.payload);
        const QByteArray frame = makeFrame(r.payload, chop, corrupt);
        const int delay = qMax(0, r.delayMs) + qMax(0, extraDelay);
        if (trickle > 0) {
            for (int i = 0; i < frame.size(); ++i)
                sendQueue << Pending{frame.mid(i, 1), i == 0 ? delay : trickle, link};
        } else {
            sendQueue << Pending{frame, delay, link};
        }
    }
    scheduleNext();
}

void SimTesterPrivate::scheduleNext()
{
    // Frames due now go out at once: a zero timer would cost every reply a
    // pass of the event loop, time a real tester does not take.
    while (!sendQueue.isEmpty() && !sendTimer->isActive() && sendQueue.first().delayMs <= 0) {
        const Pending p = sendQueue.takeFirst();
        transmit(p.link, p.frame);
    }
    if (!sendQueue.isEmpty() && !sendTimer->isActive())
        sendTimer->start(sendQueue.first().delayMs);
}

void SimTesterPrivate::sendHead()
{
    if (sendQueue.isEmpty())
        return;
    const Pending p = sendQueue.takeFirst();
    transmit(p.link, p.frame);
    scheduleNext();
}

void SimTesterPrivate::transmit(Link link, const QByteArray &frame)
{
    if (const int rate = currentLineRate())
        sleepUntil(lineTime(txFreeNs, frame.size(), rate));
    if (link == Tcp && client) {
        client->write(frame);
    } else if (link == Pty && pty.master >= 0) {
        ptyOut.append(frame);
        flushPty();
    }
}

SimTester::SimTester(SimResponder *responder)
    : d(new SimTesterPrivate(responder))
{
    d->thread.setObjectName(QStringLiteral("SimTester"));
    d->ctx = new QObject;
    d->ctx->moveToThread(&d->thread);
    d->thread.start();
    d->run([this] { d->init(); });
}

SimTester::~SimTester()
{
    d->run([this] { d->shutdown(); });
    d->thread.quit();
    d->thread.wait();
    // The thread has ended; what is left of ctx's children (client sockets
    // waiting for deleteLater) goes with it.
    delete d->ctx;
}

quint16 SimTester::listenTcp(quint16 port)
{
    return d->run([this, port] { return d->startListening(port); });
}

QString SimTester::openPty()
{
    return d->run([this] { return d->startPty(false); });
}

quint16 SimTester::tcpPort() const
{
    QMutexLocker l(&d->logMutex);
    return d->tcpPortValue;
}

QString SimTester::ptyPath() const
{
    QMutexLocker l(&d->logMutex);
    return d->ptyPathValue;
}

void SimTester::goAway()
{
    // What was up is remembered by wantTcp / wantPty for comeBack().
    d->run([this] {
        d->stopListening();
        d->stopPty();
    });
}

void SimTester::comeBack()
{
    d->run([this] {
        if (d->wantTcp && !d->server)
            d->startListening(d->listenPort);
        if (d->wantPty && d->pty.master < 0)
            d->startPty(true);
    });
}

void SimTester::setSilent(bool silent)
{
    QMutexLocker l(&d->faultMutex);
    d->silent = silent;
}

void SimTester::corruptCrc(int frames)
{
    QMutexLocker l(&d->faultMutex);
    d->corruptCount = qMax(0, frames);
}

void SimTester::wrongLength(int frames)
{
    QMutexLocker l(&d->faultMutex);
    d->wrongLengthCount = qMax(0, frames);
}

void SimTester::dropAfter(int requests)
{
    QMutexLocker l(&d->faultMutex);
    d->dropAfter = requests < 0 ? -1 : requests;
}

void SimTester::setReplyDelay(int ms)
{
    QMutexLocker l(&d->faultMutex);
    d->replyDelayMs = qMax(0, ms);
}

void SimTester::setTrickle(int msPerByte)
{
    QMutexLocker l(&d->faultMutex);
    d->trickleMs = qMax(0, msPerByte);
}

void SimTester::setLineRate(int bytesPerSecond)
{
    QMutexLocker l(&d->faultMutex);
    d->lineRate = qMax(0, bytesPerSecond);
}

void SimTester::setVerbose(bool verbose)
{
    d->run([this, verbose] { d->verbose = verbose; });
}

QList<QByteArray> SimTester::requests() const
{
    QMutexLocker l(&d->logMutex);
    return d->requests;
}

int SimTester::tcpClients() const
{
    QMutexLocker l(&d->logMutex);
    return d->tcpClients;
}

QList<QByteArray> SimTester::badFrames() const
{
    QMutexLocker l(&d->logMutex);
    return d->badFrames;
}

void SimTester::clearRequests()
{
    QMutexLocker l(&d->logMutex);
    d->requests.clear();
    d->badFrames.clear();
    d->clearedAt = d->logged;
}

bool SimTester::waitForRequests(int count, int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker l(&d->logMutex);
    while (d->requests.size() < count) {
        if (!d->logChanged.wait(&d->logMutex, deadline))
            return d->requests.size() >= count;
    }
    return true;
}

bool SimTester::waitForHandled(int count, int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker l(&d->logMutex);
    const auto done = [&] { return d->requests.size() >= count && d->handled >= d->clearedAt + count; };
    while (!done()) {
        if (!d->logChanged.wait(&d->logMutex, deadline))
            return done();
    }
    return true;
}

void SimTester::withResponder(const std::function<void(SimResponder &)> &f)
{
    QMutexLocker l(&d->responderMutex);
    f(*d->responder);
}
