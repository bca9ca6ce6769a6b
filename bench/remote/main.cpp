// Times the remote-control client against the simulated tester on
// 127.0.0.1: the status request through RemoteControl next to the same
// exchange on a bare QTcpSocket, and the write of a 1 MiB update package.
// Prints its figures; it passes or fails nothing.

#include "remotecontrol.h"
#include "simremote.h"
#include "simtester.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>
#include <QtEndian>

#include <cstdio>

namespace {

constexpr int RoundTrips = 2000;
constexpr int StatusFrameSize = 2 + 107 + 1;
constexpr int PackageImageSize = 512 * 1024;

double remoteControlRoundTrip(const QString &target)
{
    RemoteControl rc;
    if (!rc.connectByTcpIp(target))
        return -1;
    get_device_status_resp_t status{};
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < RoundTrips; ++i) {
        if (!rc.getDeviceStatus(status))
            return -1;
    }
    return double(clock.nsecsElapsed()) / RoundTrips / 1000.0;
}

double bareSocketRoundTrip(quint16 port)
{
    QTcpSocket socket;
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(1000))
        return -1;
    const QByteArray request = QByteArray::fromHex("010000AB");
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < RoundTrips; ++i) {
        socket.write(request);
        if (!socket.waitForBytesWritten(1000))
            return -1;
        while (socket.bytesAvailable() < StatusFrameSize) {
            if (!socket.waitForReadyRead(2000))
                return -1;
        }
        socket.read(StatusFrameSize);
    }
    return double(clock.nsecsElapsed()) / RoundTrips / 1000.0;
}

QByteArray makePackage()
{
    QByteArray cpu(PackageImageSize, '\x5A');
    QByteArray fpga(PackageImageSize, '\xA5');
    QByteArray header(17, '\0');
    qToLittleEndian<quint32>(0xC0FFEE42u, header.data());
    qToLittleEndian<quint32>(quint32(cpu.size()), header.data() + 5);
    qToLittleEndian<quint32>(quint32(fpga.size()), header.data() + 9);
    return header + cpu + fpga;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SimTester sim(new SimRemoteResponder);
    const quint16 port = sim.listenTcp();
    if (port == 0) {
        std::fprintf(stderr, "cannot listen\n");
        return 1;
    }
    const QString target = QStringLiteral("127.0.0.1:%1").arg(port);

    const double viaClient = remoteControlRoundTrip(target);
    const double bare = bareSocketRoundTrip(port);
    std::printf("status round trip, %d requests:\n", RoundTrips);
    std::printf("  RemoteControl  %8.1f us\n", viaClient);
    std::printf("  bare socket    %8.1f us\n", bare);
    if (viaClient > 0 && bare > 0)
        std::printf("  ratio          %8.2f\n", viaClient / bare);

    RemoteControl rc;
    if (!rc.connectByTcpIp(target)) {
        std::fprintf(stderr, "cannot connect\n");
        return 1;
    }
    const QByteArray package = makePackage();
    QElapsedTimer clock;
    clock.start();
    const int result = rc.writeVYRUP(package);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    std::printf("update package of %d bytes: result %d in %.2f s, %.1f KiB/s\n", package.size(), result,
                seconds, package.size() / 1024.0 / seconds);
    return result == RemoteControl::UpdateComplete ? 0 : 1;
}
