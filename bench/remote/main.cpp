// Times the status request (4 bytes out, 110 bytes back) against the
// simulated tester on 127.0.0.1 along three paths, interleaved and repeated:
//  - RemoteControl::getDeviceStatus (client, packet link, TCPStream);
//  - the same Qt socket path without the client: TCPStream writing the
//    request frame and reading length, payload and CRC as the link does;
//  - a bare POSIX socket: send(), then blocking recv() until 110 bytes.
// Each round runs every path in ten slices taken in turn (the order turns
// from slice to slice and round to round), then writes a 512 KiB update
// package through RemoteControl. Prints per round
// and min/median/max; passes or fails nothing.
//
//   bench_remote [ROUNDS] [--only rc|qt|posix]   (--only: one path, for
//                                                 strace -c or perf)

#include "benchstats.h"
#include "remotecontrol.h"
#include "simremote.h"
#include "simtester.h"
#include "tcpstream.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtEndian>

#include <cstdio>
#include <cstring>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int DefaultRounds = 7;
// Per path and round, in slices taken in turn, so that a burst of load on
// the machine falls on all three alike.
constexpr int Slices = 10;
constexpr int TripsPerSlice = 400;
constexpr int RoundTrips = Slices * TripsPerSlice;
constexpr int StatusPayload = 107;
constexpr int StatusFrameSize = 2 + StatusPayload + 1;
const char StatusRequest[] = {0x01, 0x00, 0x00, char(0xAB)};   // frame of payload 00
constexpr int PackageImageSize = 256 * 1024;

// One way of making the status round trip. The simulated tester takes one
// client at a time, so a path connects before each of its slices of a round.
class Path
{
public:
    virtual ~Path() = default;
    virtual bool open(quint16 port) = 0;
    virtual bool trip() = 0;
    virtual void close() = 0;
};

class ViaRemoteControl : public Path
{
public:
    bool open(quint16 port) override { return m_rc.connectByTcpIp(QStringLiteral("127.0.0.1:%1").arg(port)); }
    bool trip() override { return m_rc.getDeviceStatus(m_status); }
    void close() override { m_rc.disconnect(); }

private:
    RemoteControl m_rc;
    get_device_status_resp_t m_status{};
};

class ViaQtSocketPath : public Path
{
public:
    bool open(quint16 port) override { return m_stream.open(QStringLiteral("127.0.0.1:%1").arg(port)); }
    bool trip() override
    {
        return m_stream.write(StatusRequest, sizeof StatusRequest) == int(sizeof StatusRequest)
               && m_stream.read(m_length, 2) == 2 && m_stream.read(m_payload, StatusPayload) == StatusPayload
               && m_stream.read(&m_crc, 1) == 1;
    }
    void close() override { m_stream.close(); }

private:
    TCPStream m_stream;
    char m_length[2];
    char m_payload[StatusPayload];
    char m_crc = 0;
};

class ViaPosixSocket : public Path
{
public:
    ~ViaPosixSocket() override { close(); }
    bool open(quint16 port) override
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_fd < 0)
            return false;
        const int one = 1;
        ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return ::connect(m_fd, reinterpret_cast<sockaddr *>(&to), sizeof to) == 0;
    }
    bool trip() override
    {
        if (::send(m_fd, StatusRequest, sizeof StatusRequest, 0) != ssize_t(sizeof StatusRequest))
            return false;
        for (int got = 0; got < StatusFrameSize;) {
            const ssize_t n = ::recv(m_fd, m_reply + got, size_t(StatusFrameSize - got), 0);
            if (n <= 0)
                return false;
            got += int(n);
        }
        return true;
    }
    void close() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
    char m_reply[StatusFrameSize];
};

// Nanoseconds of `trips` round trips on a fresh connection, or -1.
qint64 slice(Path &path, quint16 port, int trips)
{
    if (!path.open(port))
        return -1;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < trips; ++i) {
        if (!path.trip())
            return -1;
    }
    const qint64 ns = clock.nsecsElapsed();
    path.close();
    return ns;
}

QByteArray makePackage()
{
    QByteArray header(17, '\0');
    qToLittleEndian<quint32>(0xC0FFEE42u, header.data());
    qToLittleEndian<quint32>(quint32(PackageImageSize), header.data() + 5);
    qToLittleEndian<quint32>(quint32(PackageImageSize), header.data() + 9);
    return header + QByteArray(PackageImageSize, '\x5A') + QByteArray(PackageImageSize, '\xA5');
}

// KiB/s of package bytes, or -1.
double packageWrite(quint16 port, const QByteArray &package)
{
    RemoteControl rc;
    if (!rc.connectByTcpIp(QStringLiteral("127.0.0.1:%1").arg(port)))
        return -1;
    QElapsedTimer clock;
    clock.start();
    if (rc.writeVYRUP(package) != RemoteControl::UpdateComplete)
        return -1;
    return package.size() / 1024.0 / (double(clock.nsecsElapsed()) / 1e9);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = roundsFrom(argc, argv, DefaultRounds);
    QString only;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--only") == 0)
            only = QString::fromLatin1(argv[i + 1]);
    }

    SimTester sim(new SimRemoteResponder);
    const quint16 port = sim.listenTcp();
    if (port == 0) {
        std::fprintf(stderr, "cannot listen\n");
        return 1;
    }

    const QStringList names{"rc", "qt", "posix"};
    ViaRemoteControl rcPath;
    ViaQtSocketPath qtPath;
    ViaPosixSocket posixPath;
    Path *const paths[3] = {&rcPath, &qtPath, &posixPath};
    if (!only.isEmpty()) {
        const int i = names.indexOf(only);
        if (i < 0) {
            std::fprintf(stderr, "--only takes rc, qt or posix\n");
            return 2;
        }
        for (int r = 0; r < rounds; ++r)
            std::printf("%s: %.1f us\n", qPrintable(only), slice(*paths[i], port, RoundTrips) / 1000.0 / RoundTrips);
        return 0;
    }

    std::printf("status round trip: request 4 bytes, reply 110 bytes, TCP on 127.0.0.1;\n"
                "%d round trips per path per round in %d interleaved slices, %d rounds (us per round trip)\n\n",
                RoundTrips, Slices, rounds);
    std::printf("round  RemoteControl  Qt path  POSIX  RC/POSIX  RC/Qt  package KiB/s\n");
    RoundFigures rc, qt, posix, rcPosix, rcQt, pkg;
    const QByteArray package = makePackage();
    for (int r = 0; r < rounds; ++r) {
        qint64 ns[3] = {};
        for (int s = 0; s < Slices; ++s) {
            for (int k = 0; k < 3; ++k) {
                const int i = (r + s + k) % 3;   // each path leads in turn
                const qint64 t = slice(*paths[i], port, TripsPerSlice);
                if (t < 0) {
                    std::fprintf(stderr, "path %s failed\n", qPrintable(names.at(i)));
                    return 1;
                }
                ns[i] += t;
            }
        }
        double us[3];
        for (int i = 0; i < 3; ++i)
            us[i] = ns[i] / 1000.0 / RoundTrips;
        const double kib = packageWrite(port, package);
        if (kib < 0) {
            std::fprintf(stderr, "package write failed\n");
            return 1;
        }
        rc.add(us[0]);
        qt.add(us[1]);
        posix.add(us[2]);
        rcPosix.add(us[0] / us[2]);
        rcQt.add(us[0] / us[1]);
        pkg.add(kib);
        std::printf("%5d  %13.1f  %7.1f  %5.1f  %8.2f  %5.2f  %13.0f\n", r + 1, us[0], us[1], us[2], us[0] / us[2],
                    us[0] / us[1], kib);
    }
    std::printf("\n");
    printSummary("RemoteControl (us)", rc, "%7.1f");
    printSummary("Qt socket path (us)", qt, "%7.1f");
    printSummary("bare POSIX socket (us)", posix, "%7.1f");
    printSummary("ratio RC / POSIX", rcPosix, "%7.2f");
    printSummary("ratio RC / Qt path", rcQt, "%7.2f");
    printSummary("package write (KiB/s)", pkg, "%7.0f");
    return 0;
}
