#pragma once

#include "ivyrstream.h"

#include <QStringList>

class QSerialPort;

// IVyrStream over a serial port: 8 data bits, no parity, one stop bit, no
// flow control, opened for exclusive use.
//
// Thread ownership: the QSerialPort is created inside open(), in the thread
// that opens the port, because the update programs construct their client in
// the GUI thread and then move it to the worker that performs the requests.
// Every call after that must come from the opening thread.
class SerialPort : public IVyrStream
{
public:
    static constexpr int DefaultBaudRate = 500000;
    // A read of n bytes gives up 100 + 100 * n ms after it started.
    static constexpr int ReadTimeoutBaseMs = 100;
    static constexpr int ReadTimeoutPerByteMs = 100;
    // A write waits this long, plus the line time of the bytes at twice the
    // bit time, for the bytes to leave the driver.
    static constexpr int WriteTimeoutBaseMs = 1000;

    SerialPort();
    ~SerialPort() override;

    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // Replaces the rate used by the next open(); the programs keep 500000.
    void setBaudRate(int baudRate);
    int baudRate() const { return m_baudRate; }

    // `target` is a system port name ("ttyUSB0", opened under /dev) or a
    // full device path ("/dev/pts/5"), which opens as given. Closes an open
    // port first; purges both directions after opening.
    bool open(const QString &target) override;
    void close() override;
    // Returns the count that left within the limit (WriteTimeoutBaseMs plus
    // twice the line time). What is still queued then is dropped, so no part
    // of a failed frame goes out later in front of the next one.
    int write(const char *data, int len) override;
    // Waits until len bytes are there or 100 + 100 * len ms have passed on a
    // monotonic clock; returns the count read (0 on a silent line).
    int read(char *buffer, int len) override;
    // The same, ending at `deadline` if that comes first.
    int readBefore(char *buffer, int len, const QDeadlineTimer &deadline) override;
    // False after close() and after the line was found hung up or gone
    // (the port is then closed here; open() may be tried again).
    bool isOpen() const override { return m_open; }
    // Does nothing: bytes already received stay for the next read.
    void clearInput() override {}
    // Drops every byte received so far, in Qt's buffer and in the driver's,
    // without waiting. For clients that must not take a late reply for the
    // answer to their next request.
    void discardInput();

    // The serial ports that can be opened now, by system name ("ttyS0",
    // "ttyUSB0"), in natural order (ttyS2 before ttyS10). A port held open by
    // another program, or by this one, is not listed.
    static QStringList availablePorts();
    // Natural order of port names: digit runs compare by their value.
    static bool naturalLess(const QString &a, const QString &b);

private:
    // The last wait or transfer failed because the line is gone, not
    // because it was silent.
    bool lineLost() const;
    void dropLine();
    // Forgets the error of an earlier call, so that lineLost() sees this one's.
    void clearError();

    QSerialPort *m_port = nullptr;
    int m_baudRate = DefaultBaudRate;
    bool m_open = false;
};
