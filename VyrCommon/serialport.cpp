#include "serialport.h"

#include <QDebug>
#include <QDeadlineTimer>
#include <QFile>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Upper bound of one write's wait, whatever the length.
constexpr int WriteTimeoutCapMs = 30000;

int writeTimeoutMs(int len, int baudRate)
{
    // Ten bits per byte on the line; allow twice that time on top of the base.
    const qint64 lineMs = baudRate > 0 ? qint64(len) * 10 * 1000 * 2 / baudRate : 0;
    return int(qMin<qint64>(WriteTimeoutCapMs, SerialPort::WriteTimeoutBaseMs + lineMs));
}

// Whether nobody holds the port and its device opens now.
bool canOpenNow(const QSerialPortInfo &info)
{
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
    // The lock file QSerialPort takes on open: held by another program, or
    // by an open SerialPort of this one.
    if (info.isBusy())
        return false;
QT_WARNING_POP
    // Opened without touching the line settings: a listed tty without its
    // hardware fails here (EIO), one held exclusively fails with EBUSY.
    const QByteArray path = QFile::encodeName(info.systemLocation());
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

SerialPort::SerialPort() = default;

SerialPort::~SerialPort()
{
    // Normally the opening thread has closed the port. When the owner is
    // destroyed elsewhere after that thread ended, QSerialPort may warn about
    // its notifiers, but the descriptor is still closed.
    close();
}

void SerialPort::setBaudRate(int baudRate)
{
    m_baudRate = baudRate;
}

bool SerialPort::open(const QString &target)
{
    close();

    // Created here, not in the constructor: the object must belong to the
    // thread that performs the I/O. A bare name is looked up under /dev by
    // QSerialPort; a path starting with "/" is used as given.
    m_port = new QSerialPort;
    m_port->setPortName(target);
    m_port->setBaudRate(m_baudRate);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);

    // QSerialPort opens O_RDWR | O_NOCTTY, takes the port's lock file and
    // sets TIOCEXCL, so a second opener (another program or another
    // SerialPort here) fails. A pseudo-terminal (the simulated tester) takes
    // every one of these settings, the 500000 baud rate included: its driver
    // only stores the termios values, there is no UART to refuse them.
    if (!m_port->open(QIODevice::ReadWrite)) {
        delete m_port;
        m_port = nullptr;
        return false;
    }

    m_port->clear(QSerialPort::AllDirections);
    m_open = true;
    return true;
}

void SerialPort::close()
{
    if (m_port) {
        m_port->close();
        delete m_port;
        m_port = nullptr;
    }
    m_open = false;
}

int SerialPort::write(const char *data, int len)
{
    if (!m_port || !m_open || len <= 0)
        return 0;
    clearError();
    const qint64 queued = m_port->write(data, len);
    if (queued <= 0) {
        if (lineLost())
            dropLine();
        return 0;
    }

    // QSerialPort queues the bytes; hand what the driver takes now to it at
    // once (waiting first would cost a poll per frame for nothing), then
    // wait for the rest, never without a deadline.
    m_port->flush();
    QDeadlineTimer deadline(writeTimeoutMs(len, m_baudRate));
    while (m_port->bytesToWrite() > 0) {
        const qint64 remaining = deadline.remainingTime();
        if (remaining <= 0)
            break;
        if (!m_port->waitForBytesWritten(int(remaining))) {
            if (lineLost()) {
                const int written = int(queued - m_port->bytesToWrite());
                dropLine();
                return written;
            }
            break;
        }
    }
    const qint64 unsent = m_port->bytesToWrite();
    if (unsent > 0) {
        // The frame failed. Its queued rest must not go out later in front
        // of the next frame (the tester would take the two for one), so it
        // is dropped here and in the driver.
        m_port->clear(QSerialPort::Output);
    }
    return int(queued - unsent);
}

int SerialPort::read(char *buffer, int len)
{
    return readBefore(buffer, len, QDeadlineTimer(QDeadlineTimer::Forever));
}

int SerialPort::readBefore(char *buffer, int len, const QDeadlineTimer &limit)
{
    if (!m_port || !m_open || len <= 0)
        return 0;

    const QDeadlineTimer own(qint64(ReadTimeoutBaseMs) + qint64(ReadTimeoutPerByteMs) * len);
    const QDeadlineTimer deadline = std::min(own, limit);
    clearError();
    int got = 0;
    for (;;) {
        const qint64 n = m_port->read(buffer + got, len - got);
        if (n < 0) {
            if (lineLost())
                dropLine();
            return got > 0 ? got : -1;
        }
        got += int(n);
        if (got >= len)
            break;
        const qint64 remaining = deadline.remainingTime();
        if (remaining <= 0) {
            // Out of time, but what the driver already holds has arrived.
            if (m_port->waitForReadyRead(0)) {
                const qint64 more = m_port->read(buffer + got, len - got);
                if (more > 0)
                    got += int(more);
            } else if (lineLost()) {
                dropLine();
            }
            break;
        }
        // False on time-out and on a line error (a hung-up terminal, an
        // adapter pulled out): either way the read ends with what it has.
        if (!m_port->waitForReadyRead(int(qMin<qint64>(remaining, INT_MAX)))) {
            // Bytes that arrived with the error are still delivered.
            const qint64 tail = m_port->read(buffer + got, len - got);
            if (tail > 0)
                got += int(tail);
            if (lineLost())
                dropLine();
            break;
        }
    }
    return got;
}

void SerialPort::clearError()
{
    // QSerialPort's own clearError() re-translates its error text and emits
    // a signal on every call; on the hot path there is nothing to clear.
    if (m_port->error() != QSerialPort::NoError)
        m_port->clearError();
}

bool SerialPort::lineLost() const
{
    // A line that hung up wakes every wait at once and then reads nothing
    // (QSerialPort calls that a read error); an unplugged adapter is a
    // resource error. A plain time-out is neither.
    switch (m_port->error()) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        return true;
    default:
        return false;
    }
}

void SerialPort::dropLine()
{
    qDebug() << "serial line lost:" << m_port->errorString();
    close();
}

bool SerialPort::naturalLess(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            int ie = i;
            int je = j;
            while (ie < a.size() && a.at(ie).isDigit())
                ++ie;
            while (je < b.size() && b.at(je).isDigit())
                ++je;
            // Compare the digit runs by value: strip leading zeros, then the
            // longer run is the larger number, else compare digit by digit.
            int is = i;
            int js = j;
            while (is < ie - 1 && a.at(is) == QLatin1Char('0'))
                ++is;
            while (js < je - 1 && b.at(js) == QLatin1Char('0'))
                ++js;
            if (ie - is != je - js)
                return ie - is < je - js;
            const int c = QStringRef(&a, is, ie - is).compare(QStringRef(&b, js, je - js));
            if (c != 0)
                return c < 0;
            i = ie;
            j = je;
            continue;
        }
        if (a.at(i) != b.at(j))
            return a.at(i) < b.at(j);
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b;   // equal by value ("ttyS01" and "ttyS1"): any stable tie-break
}

QStringList SerialPort::availablePorts()
{
    QStringList names;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        if (canOpenNow(info))
            names << info.portName();
    }
    std::sort(names.begin(), names.end(), naturalLess);
    names.removeDuplicates();
    return names;
}

void SerialPort::discardInput()
{
    if (!m_port || !m_open)
        return;
    m_port->readAll();
    m_port->clear(QSerialPort::Input);
}
