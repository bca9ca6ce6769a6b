#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <QtGlobal>

class IVyrStream;

// Frames on the byte stream to the tester. One frame, all multi-byte values
// little-endian:
//
//   offset  size  content
//   0       2     N, payload length (unsigned 16-bit)
//   2       N     payload (byte 0 is the command code of a request)
//   2+N     1     CRC-8/MAXIM over the 2 + N bytes before it
//
// No start marker, sequence number or escaping: the reply to a request is
// simply the next frame that arrives, and the link never resynchronises by
// itself (a refused or broken frame leaves its remaining bytes in the stream;
// the caller's retry and disconnect rules end that state).
//
// The link owns its stream. It is used by one thread at a time, the thread
// that performs the requests; nothing here locks.
class PacketLink
{
public:
    static constexpr int LengthFieldSize = 2;
    static constexpr int CrcSize = 1;
    static constexpr int FrameOverhead = LengthFieldSize + CrcSize;
    // The whole frame (N + 3) must fit in 16 bits.
    static constexpr int MaxPayload = 0xFFFF - FrameOverhead;

    PacketLink() = default;
    ~PacketLink();   // closes and deletes the held stream

    PacketLink(const PacketLink &) = delete;
    PacketLink &operator=(const PacketLink &) = delete;

    // Deletes the stream held so far and takes ownership of `stream` (may be null).
    void setStream(IVyrStream *stream);
    IVyrStream *stream() const { return m_stream; }

    // Opens the held stream on `target`; false without a stream.
    bool open(const QString &target);
    // Closes the held stream when it is open; the stream object is kept.
    void close();
    bool isOpen() const;

    // Sends one frame with one stream write. False without an open stream,
    // for a negative length or a payload longer than MaxPayload, or when the
    // stream accepts fewer bytes than the frame holds.
    bool sendPackage(const void *payload, int length);

    // How one receive ended.
    enum class Receive {
        Frame,       // a whole frame with the right CRC
        Silence,     // not one byte arrived before the stream gave up
        Truncated,   // a frame began but its bytes stopped coming
        TooLong,     // the length field exceeds the capacity; the rest is unread
        BadCrc,      // a whole frame with a wrong CRC (its payload was copied)
        Closed,      // no stream, or it is closed (or found its line gone)
    };

    // Receives one frame into `buffer`. The length field is reported through
    // `length` (when given) as soon as it is read, also when the frame is then
    // refused. A frame longer than `capacity` is refused before its payload is
    // read. A frame with a wrong CRC returns false, but its payload has already
    // been copied into `buffer`.
    bool receivePackage(void *buffer, int capacity, quint16 *length);
    bool receivePackage(void *buffer, int capacity);
    // The same, telling how it ended, and giving up at `deadline` whatever
    // trickles in: the deadline covers the whole frame, not each read.
    Receive receiveFrame(void *buffer, int capacity, quint16 *length,
                         const QDeadlineTimer &deadline = QDeadlineTimer(QDeadlineTimer::Forever));

private:
    IVyrStream *m_stream = nullptr;
};
