// Writes a 4 MiB update package to the simulated tester (answering at once)
// over a pseudo-terminal and prints the payload throughput next to the raw
// throughput of the same pseudo-terminal, measured in the same run: frames of
// the same size sent back to back with no acknowledgement awaited.

#include "packetlink.h"
#include "serialport.h"
#include "simtester.h"
#include "simupdate.h"
#include "updater.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtEndian>

#include <cstdio>

namespace {

constexpr int PackageBytes = 4 * 1024 * 1024;
constexpr int CpuBytes = 1024 * 1024;
constexpr int FpgaBytes = 1024 * 1024;
constexpr int FsBytes = PackageBytes - CpuBytes - FpgaBytes;
constexpr int RawFrames = 8192;              // 261-byte payloads, about 2 MiB
constexpr quint8 IgnoredCommand = 0x7F;      // the simulator answers nothing to it
constexpr int WaitMs = 600000;

void appendLe32(QByteArray &b, quint32 v)
{
    uchar raw[4];
    qToLittleEndian(v, raw);
    b.append(reinterpret_cast<const char *>(raw), 4);
}

QByteArray makePackage()
{
    QByteArray image(PackageBytes, Qt::Uninitialized);
    QRandomGenerator gen(7);
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(gen.bounded(256));
    QByteArray p;
    appendLe32(p, 0xC0FFEE42u);
    p.append(char(6));
    appendLe32(p, CpuBytes);
    appendLe32(p, FpgaBytes);
    appendLe32(p, FsBytes);
    p += image;
    return p;
}

double mibPerSecond(qint64 bytes, qint64 ns)
{
    return ns > 0 ? double(bytes) / (1024.0 * 1024.0) / (double(ns) / 1e9) : 0.0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    auto *responder = new SimUpdateResponder(6);
    responder->restartDelayMs = 0;
    SimTester sim(responder);
    const QString path = sim.openPty();
    if (path.isEmpty()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }

    // Raw: frames of the block request's size, back to back.
    qint64 rawNs = 0;
    {
        PacketLink link;
        link.setStream(new SerialPort);
        if (!link.open(path)) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
            return 1;
        }
        QByteArray payload(Updater::RequestSize, '\x5A');
        payload[0] = char(IgnoredCommand);
        sim.clearRequests();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < RawFrames; ++i) {
            if (!link.sendPackage(payload.constData(), payload.size())) {
                std::fprintf(stderr, "raw write failed\n");
                return 1;
            }
        }
        if (!sim.waitForRequests(RawFrames, WaitMs)) {
            std::fprintf(stderr, "raw frames not all received\n");
            return 1;
        }
        rawNs = t.nsecsElapsed();
        link.close();
    }
    const qint64 rawBytes = qint64(RawFrames) * (Updater::RequestSize + PacketLink::FrameOverhead);

    Updater updater;
    bool connected = false;
    QObject::connect(&updater, &Updater::connected, [&] { connected = true; });
    updater.connect(path, QStringLiteral("tuvex"), QStringLiteral("tuvex"), false);
    if (!connected) {
        std::fprintf(stderr, "connect failed\n");
        return 1;
    }
    const QByteArray package = makePackage();
    QElapsedTimer t;
    t.start();
    const bool ok = updater.fullUpdate(package);
    const qint64 updateNs = t.nsecsElapsed();
    if (!ok) {
        std::fprintf(stderr, "full update failed\n");
        return 1;
    }

    std::printf("package:  %d bytes of images in %.3f s: %.2f MiB/s payload\n", PackageBytes, updateNs / 1e9,
                mibPerSecond(PackageBytes, updateNs));
    std::printf("raw pty:  %lld bytes of frames in %.3f s: %.2f MiB/s\n", static_cast<long long>(rawBytes),
                rawNs / 1e9, mibPerSecond(rawBytes, rawNs));
    std::printf("payload / raw: %.1f %%\n", 100.0 * mibPerSecond(PackageBytes, updateNs) / mibPerSecond(rawBytes, rawNs));
    return 0;
}
