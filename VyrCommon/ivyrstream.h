#pragma once

#include <QDeadlineTimer>
#include <QString>

// A blocking byte stream to the tester: a serial port or a TCP connection.
// Every call is made from the one thread that performs the tester requests;
// nothing here is thread-safe. Deleting through an IVyrStream* destroys the
// concrete stream (the packet link owns its stream through this pointer).
class IVyrStream
{
public:
    virtual ~IVyrStream() = default;

    // Opens the stream on a target text (a port name such as "ttyUSB0" or a
    // device path, or "a.b.c.d[:port]"). Closes an open stream first; a failed
    // open leaves the stream closed.
    virtual bool open(const QString &target) = 0;
    virtual void close() = 0;
    // Returns the count of bytes accepted; fewer than len means failure.
    virtual int write(const char *data, int len) = 0;
    // Blocks until len bytes are there or the stream's deadline passes;
    // returns what arrived (possibly fewer, 0, or negative on an error).
    virtual int read(char *buffer, int len) = 0;
    // False once closed, and also once the stream has found its line gone
    // (a serial line that hung up, a TCP peer that closed): callers end
    // their waits on it at once.
    virtual bool isOpen() const = 0;
    // Drops bytes already received but not read (where the stream does so).
    virtual void clearInput() = 0;
    // read(), but never waiting past `deadline` either: a reply that
    // trickles in cannot hold the caller longer than the deadline it set for
    // the whole reply. Streams whose reads never wait (in memory) need not
    // override it. (Last, so the slots above keep their order.)
    virtual int readBefore(char *buffer, int len, const QDeadlineTimer &deadline)
    {
        Q_UNUSED(deadline)
        return read(buffer, len);
    }
};
