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

    // Splits a target "a.b.c.d[:port]". The port is the text after the last
    // ":" (unless that ":" is the first character), as a decimal number
    // truncated to 16 bits, 0 when it is not a number; without it 55555. The
    // address is the first dotted IPv4 pattern found anywhere in the host
    // text, first octet in the most significant byte; 0.0.0.0 when there is
    // none. Host names are never resolved. Returns whether an address matched.
    static bool parseTarget(const QString &target, quint32 &address, quint16 &port);

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
