#include "tcpstream.h"

#include <QHostAddress>
#include <QRegularExpression>

bool TCPStream::parseTarget(const QString &target, quint32 &address, quint16 &port)
{
    QString host = target;
    port = DefaultPort;
    const int colon = target.lastIndexOf(QLatin1Char(':'));
    if (colon > 0) {
        host = target.left(colon);
        // toInt gives 0 for text that is not a decimal number; the cast
        // keeps the low 16 bits.
        port = quint16(target.mid(colon + 1).toInt());
    }

    static const QRegularExpression ipv4(QStringLiteral(
        "\\b(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\."
        "(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\b"));
    const QRegularExpressionMatch m = ipv4.match(host);
    address = 0;
    if (!m.hasMatch())
        return false;
    for (int i = 1; i <= 4; ++i)
        address = (address << 8) | (m.captured(i).toUInt() & 0xFF);
    return true;
}

bool TCPStream::open(const QString &target)
{
    close();
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);

    quint32 address = 0;
    quint16 port = DefaultPort;
    parseTarget(target, address, port);

    m_socket.connectToHost(QHostAddress(address), port, QIODevice::ReadWrite);
    if (!m_socket.waitForConnected(ConnectTimeoutMs)) {
        // A connect still under way would make the next connectToHost fail;
        // a failed open leaves the stream fully closed.
        m_socket.abort();
        return false;
    }
    // The option only reaches the socket once it exists; set it again now.
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return true;
}

void TCPStream::close()
{
    if (isOpen()) {
        m_socket.disconnectFromHost();
        if (m_socket.state() != QAbstractSocket::UnconnectedState)
            m_socket.waitForDisconnected(DisconnectTimeoutMs);
    } else if (m_socket.state() != QAbstractSocket::UnconnectedState) {
        m_socket.abort();
    }
}

int TCPStream::write(const char *data, int len)
{
    if (!m_socket.isOpen() || len < 0)
        return 0;   // QIODevice would only warn and fail
    const qint64 accepted = m_socket.write(data, len);
    if (accepted < 0)
        return 0;
    // Hand the bytes to the system at once; waitForBytesWritten would first
    // poll for room, one system call more per request for nothing.
    m_socket.flush();
    if (m_socket.bytesToWrite() > 0 && !m_socket.waitForBytesWritten(WriteTimeoutMs))
        return 0;
    return int(accepted);
}

int TCPStream::read(char *buffer, int len)
{
    return readBefore(buffer, len, QDeadlineTimer(QDeadlineTimer::Forever));
}

int TCPStream::readBefore(char *buffer, int len, const QDeadlineTimer &deadline)
{
    if (len <= 0)
        return 0;
    while (m_socket.bytesAvailable() < len) {
        const qint64 remaining = deadline.remainingTime();   // -1: no deadline
        if (remaining == 0)
            break;
        const int wait = remaining < 0 ? ReadWaitMs : int(qMin<qint64>(ReadWaitMs, remaining));
        if (!m_socket.waitForReadyRead(wait))
            break;
    }
    if (!m_socket.isOpen())
        return -1;   // never connected or closed here; QIODevice would only warn
    return int(m_socket.read(buffer, len));
}

bool TCPStream::isOpen() const
{
    return m_socket.state() == QAbstractSocket::ConnectedState;
}
