#include "packetlink.h"

#include "crc8.h"
#include "ivyrstream.h"

#include <QByteArray>

PacketLink::~PacketLink()
{
    close();
    delete m_stream;
}

void PacketLink::setStream(IVyrStream *stream)
{
    if (stream == m_stream)
        return;   // handing the held stream back must not delete it
    delete m_stream;
    m_stream = stream;
}

bool PacketLink::open(const QString &target)
{
    return m_stream && m_stream->open(target);
}

void PacketLink::close()
{
    if (m_stream && m_stream->isOpen())
        m_stream->close();
}

bool PacketLink::isOpen() const
{
    return m_stream && m_stream->isOpen();
}

bool PacketLink::sendPackage(const void *payload, int length)
{
    if (!isOpen())
        return false;
    if (length < 0 || length > MaxPayload || (length > 0 && !payload))
        return false;

    const int frameSize = length + FrameOverhead;
    QByteArray frame(frameSize, Qt::Uninitialized);
    char *p = frame.data();
    p[0] = char(length & 0xFF);
    p[1] = char((length >> 8) & 0xFF);
    if (length > 0)
        memcpy(p + LengthFieldSize, payload, size_t(length));
    p[frameSize - 1] = char(crc8(p, frameSize - CrcSize, 0));

    return m_stream->write(p, frameSize) >= frameSize;
}

bool PacketLink::receivePackage(void *buffer, int capacity, quint16 *length)
{
    return receiveFrame(buffer, capacity, length) == Receive::Frame;
}

bool PacketLink::receivePackage(void *buffer, int capacity)
{
    return receiveFrame(buffer, capacity, nullptr) == Receive::Frame;
}

PacketLink::Receive PacketLink::receiveFrame(void *buffer, int capacity, quint16 *length,
                                             const QDeadlineTimer &deadline)
{
    if (!isOpen())
        return Receive::Closed;

    m_stream->clearInput();
    // A read that comes back short on a stream that is now closed found the
    // line gone; that is no silence worth waiting on.
    auto shortRead = [this](Receive otherwise) { return m_stream->isOpen() ? otherwise : Receive::Closed; };

    char lengthField[LengthFieldSize];
    const int got = m_stream->readBefore(lengthField, LengthFieldSize, deadline);
    if (got < LengthFieldSize)
        return shortRead(got > 0 ? Receive::Truncated : Receive::Silence);

    const quint16 n = quint16(quint8(lengthField[0]) | (quint8(lengthField[1]) << 8));
    if (length)
        *length = n;

    // The length field cannot exceed 65535, so a larger buffer is simply
    // large enough; it is clamped rather than cut to 16 bits.
    const int usable = qBound(0, capacity, 0xFFFF);
    if (n > usable || (n > 0 && !buffer))
        return Receive::TooLong;   // the payload and CRC stay unread in the stream

    char *payload = static_cast<char *>(buffer);
    if (n > 0) {
        const int read = m_stream->readBefore(payload, n, deadline);
        if (read < n)
            return shortRead(Receive::Truncated);
    }

    char received = 0;
    const int crcRead = m_stream->readBefore(&received, CrcSize, deadline);
    if (crcRead < CrcSize)
        return shortRead(Receive::Truncated);

    quint8 crc = crc8(lengthField, LengthFieldSize, 0);
    crc = crc8(payload, n, crc);
    return crc == quint8(received) ? Receive::Frame : Receive::BadCrc;
}
