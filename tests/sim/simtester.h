#pragma once

// The simulated tester: test equipment that speaks the tester's side of the
// framed protocol (u16 little-endian payload length, payload, CRC-8/MAXIM
// over length and payload) over a TCP listener on 127.0.0.1 or over a
// pseudo-terminal. What it answers is decided by a SimResponder (remote-
// control mode in simremote.h, update mode in simupdate.h); this core does
// the transport, the framing, the fault injection and the request log.
//
// The core runs its own thread with an event loop. The responder is called
// in that thread with the responder lock held; tests reach the responder's
// state only through withResponder(), which takes the same lock.

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

struct SimReply
{
    QByteArray payload;   // framed with length and CRC before it is sent
    int delayMs = 0;      // pause before this frame goes out
};

class SimResponder
{
public:
    virtual ~SimResponder() = default;
    // One request frame with a good CRC; returns the frames to send back in
    // order (an empty list answers nothing).
    virtual QList<SimReply> handle(const QByteArray &request) = 0;
};

class SimTesterPrivate;

class SimTester
{
public:
    // Takes ownership of the responder.
    explicit SimTester(SimResponder *responder);
    ~SimTester();

    SimTester(const SimTester &) = delete;
    SimTester &operator=(const SimTester &) = delete;

    // Listens on 127.0.0.1 (port 0 picks a free one); returns the port, 0 on failure.
    // One client at a time; a new client replaces the old one.
    quint16 listenTcp(quint16 port = 0);
    // Opens a pseudo-terminal and returns the path of its slave side
    // ("/dev/pts/N"), empty on failure. The simulator keeps a raw-mode slave
    // descriptor of its own, so the master sees no hang-up while no client
    // has the slave open.
    QString openPty();
    // The current TCP port (0 while not listening) and slave path (empty
    // while no pseudo-terminal is open); both may change after comeBack().
    quint16 tcpPort() const;
    QString ptyPath() const;

    // The tester goes away: closes the TCP listener and the current client
    // (the pseudo-terminal's master is closed too). comeBack() listens again
    // on the same TCP port / reopens the same pseudo-terminal path when possible.
    // Both may also be called from a responder's handle() (a tester that
    // restarts); replies queued for a link that went away are dropped.
    void goAway();
    void comeBack();

    // Fault injection. Each applies from the next request frame on.
    void setSilent(bool silent);          // receive and log requests, answer nothing
    void corruptCrc(int frames = 1);      // the next N reply frames carry a wrong CRC
    void wrongLength(int frames = 1);     // the next N replies lose their last payload byte (CRC still right)
    void dropAfter(int requests);         // after N more requests, close the link without answering
                                          // (the next N are answered; request N+1 is logged, not
                                          // answered, and the link is closed: the TCP client is
                                          // disconnected while the listener stays, a pseudo-
                                          // terminal goes away as with goAway())
    void setReplyDelay(int ms);           // extra pause before every reply (0: none)
    void setTrickle(int msPerByte);       // replies go out one byte at a time, this long
                                          // between bytes (0: whole frames)
    // Paces the link like a serial line carrying bytesPerSecond each way
    // (500000 baud 8N1: 50000): a request is handled only once its last
    // byte would have arrived, and a reply reaches the client only after
    // its bytes' line time. The simulator's thread sleeps for these times,
    // so this is for one client doing stop-and-wait (the benches). 0: off.
    void setLineRate(int bytesPerSecond);

    // A partial request frame that gets no further byte for 1000 ms is dropped,
    // so a client that sent garbage is not stuck behind it.
    static constexpr int PartialFrameTimeoutMs = 1000;

    // Prints every request and reply frame as hex on the debug output.
    void setVerbose(bool verbose);

    // Every request payload received with a good CRC, in order.
    QList<QByteArray> requests() const;
    // Connections accepted on the TCP listener since the simulator started.
    int tcpClients() const;
    // Request frames whose CRC was wrong (their payloads), in order.
    QList<QByteArray> badFrames() const;
    void clearRequests();
    // Waits (processing no events of the caller's thread) until at least
    // count requests were logged or timeoutMs passed. A request is logged
    // before the responder handles it: what the responder does with it may
    // not have happened yet.
    bool waitForRequests(int count, int timeoutMs) const;
    // Waits as waitForRequests, and further until the responder has handled
    // the first count requests logged since the last clearRequests() (or
    // the simulator dropped them: silent, link dropped). After it, the
    // responder's state (withResponder) holds what those requests did.
    bool waitForHandled(int count, int timeoutMs) const;

    // Runs f with the responder lock held.
    void withResponder(const std::function<void(SimResponder &)> &f);
    template <class T>
    void with(const std::function<void(T &)> &f)
    {
        withResponder([&](SimResponder &r) { f(static_cast<T &>(r)); });
    }

private:
    std::unique_ptr<SimTesterPrivate> d;
};
