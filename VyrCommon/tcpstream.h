#pragma once

#include "ivyrstream.h"

#include <QTcpSocket>

// IVyrStream over TCP to the tester's management port. Created, opened, used
// and destroyed in one thread (the socket belongs to it); the waits are the
// blocking calls of QTcpSocket and need no event loop.
class TCPStream : public IVyrStream
{
public:
    static constexpr quint16 DefaultPort = 55555;
    static constexpr int ConnectTimeoutMs = 1000;
    static constexpr int WriteTimeoutMs = 1000;
    static constexpr int ReadWaitMs = 2000;   // per wait for more bytes
    static constexpr int DisconnectTimeoutMs = 1000;

    TCPStream() = default;
    ~TCPStream() override = default;   // destroys the socket without a separate disconnect

    TCPStream(const TCPStream &) = delete;
    TCPStream &operator=(const TCPStream &) = delete;

    // What is wrong with a target text, if anything.
    enum class TargetFault {
        None,          // a dotted IPv4 address, with a port 1-65535 if a colon follows
        Empty,         // nothing but blanks
        NotAnAddress,  // the text before the colon is not four numbers 0-255 joined by dots
        NoPort,        // a colon with nothing after it
        BadPort,       // after the colon, no number from 1 to 65535
    };

    // The one reading of a target text "a.b.c.d[:port]": four decimal
    // numbers 0-255 of one to three digits each (leading zeros allowed,
    // still decimal) joined by dots, optionally a colon and a port of one to
    // five digits from 1 to 65535; blanks around the whole text are ignored,
    // any other character refuses it. Without a port, 55555. The address
    // has its first number in the most significant byte. Host names are
    // never resolved. On a fault address and port are 0.
    static TargetFault parseTarget(const QString &target, quint32 &address, quint16 &port);

    // Refuses a target that parseTarget faults, before any socket is opened.
    bool open(const QString &target) override;
    void close() override;
    // Returns the count the socket accepted when all of it was written within
    // 1000 ms, else 0.
    int write(const char *data, int len) override;
    // Waits up to 2000 ms at a time for more bytes until len are there or a
    // wait passes without any; returns what it then reads (negative on a
    // socket error).
    int read(char *buffer, int len) override;
    // The same, never waiting past `deadline`.
    int readBefore(char *buffer, int len, const QDeadlineTimer &deadline) override;
    bool isOpen() const override;
    // Discards nothing.
    void clearInput() override {}

private:
    QTcpSocket m_socket;
};
