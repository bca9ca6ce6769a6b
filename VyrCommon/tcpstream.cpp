#include "tcpstream.h"

#include <QHostAddress>
#include <QRegularExpression>

TCPStream::TargetFault TCPStream::parseTarget(const QString &target, quint32 &address, quint16 &port)
{
    address = 0;
    port = 0;
    const QString text = target.trimmed();
    if (text.isEmpty())
        return TargetFault::Empty;

    const int colon = text.indexOf(QLatin1Char(':'));
    const QString host = colon < 0 ? text : text.left(colon);
    // [0-9], not \d: other scripts' digits are no address.
    static const QRegularExpression ipv4(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})")));
    const QRegularExpressionMatch m = ipv4.match(host);
    if (!m.hasMatch())
        return TargetFault::NotAnAddress;
    quint32 value = 0;
    for (int i = 1; i <= 4; ++i) {
        const uint octet = m.captured(i).toUInt();
        if (octet > 255)
            return TargetFault::NotAnAddress;
        value = (value << 8) | octet;
    }

    quint16 portValue = DefaultPort;
    if (colon >= 0) {
        const QString portText = text.mid(colon + 1);
        if (portText.isEmpty())
            return TargetFault::NoPort;
        static const QRegularExpression digits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,5}")));
        const uint number = digits.match(portText).hasMatch() ? portText.toUInt() : 0;
        if (number < 1 || number > 65535)
            return TargetFault::BadPort;
        portValue = quint16(number);
    }
    address = value;
    port = portValue;
    return TargetFault::None;
}

bool TCPStream::open(const QString &target)
{
    close();
    quint32 address = 0;
    quint16 port = 0;
    // An address that does not read as one reaches nothing: taken as
    // 0.0.0.0 it would reach whatever listens on this PC.
    if (parseTarget(target, address, port) != TargetFault::None)
        return false;
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);

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
