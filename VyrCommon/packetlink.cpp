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
    if (!isOpen())
        return false;

    m_stream->clearInput();

    char lengthField[LengthFieldSize];
    if (m_stream->read(lengthField, LengthFieldSize) < LengthFieldSize)
        return false;

    const quint16 n = quint16(quint8(lengthField[0]) | (quint8(lengthField[1]) << 8));
    if (length)
        *length = n;

    // The length field cannot exceed 65535, so a larger buffer is simply
    // large enough; it is clamped rather than cut to 16 bits.
    const int usable = qBound(0, capacity, 0xFFFF);
    if (n > usable || (n > 0 && !buffer))
        return false;   // the payload and CRC stay unread in the stream

    char *payload = static_cast<char *>(buffer);
    if (n > 0 && m_stream->read(payload, n) < n)
        return false;

    char received = 0;
    if (m_stream->read(&received, CrcSize) < CrcSize)
        return false;

    quint8 crc = crc8(lengthField, LengthFieldSize, 0);
    crc = crc8(payload, n, crc);
    return crc == quint8(received);
}

bool PacketLink::receivePackage(void *buffer, int capacity)
{
    return receivePackage(buffer, capacity, nullptr);
}
