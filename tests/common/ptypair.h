#pragma once

// A raw pseudo-terminal for tests that play the far end of a serial line
// byte by byte (the simulated tester only speaks whole frames).

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

class PtyPair
{
public:
    PtyPair()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        char name[128];
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0
                || ::ptsname_r(master, name, sizeof name) != 0)
            return;
        // Our own slave descriptor keeps the master from seeing a hang-up
        // while the port under test is closed; raw so nothing is echoed.
        keep = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios t;
        if (keep >= 0 && ::tcgetattr(keep, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(keep, TCSANOW, &t);
        }
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        path = QString::fromLocal8Bit(name);
    }
    ~PtyPair()
    {
        if (keep >= 0)
            ::close(keep);
        if (master >= 0)
            ::close(master);
    }
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return master >= 0 && keep >= 0; }

    // The far end goes away as a pulled cable or a closed terminal does:
    // the port under test sees its line hung up.
    void hangUp()
    {
        if (keep >= 0)
            ::close(keep);
        if (master >= 0)
            ::close(master);
        keep = master = -1;
    }

    bool send(const QByteArray &bytes) const
    {
        return ::write(master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }

    // Reads from the master until `count` bytes came or `timeoutMs` passed.
    QByteArray receive(int count, int timeoutMs = 5000) const
    {
        QByteArray got;
        QDeadlineTimer deadline(timeoutMs);
        while (got.size() < count) {
            pollfd p{master, POLLIN, 0};
            const int left = int(deadline.remainingTime());
            if (left <= 0 || ::poll(&p, 1, left) <= 0)
                break;
            char buf[4096];
            const ssize_t n = ::read(master, buf, size_t(qMin<int>(int(sizeof buf), count - got.size())));
            if (n > 0)
                got.append(buf, int(n));
            else if (n < 0 && errno != EAGAIN && errno != EINTR)
                break;
        }
        return got;
    }

    // Whatever the master has now, without waiting.
    QByteArray drain(int waitMs = 50) const { return receive(1 << 20, waitMs); }

    int master = -1;
    int keep = -1;
    QString path;
};
