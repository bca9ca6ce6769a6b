// Times a whole update package written by Updater to the simulated tester
// over a pseudo-terminal, next to a bare stop-and-wait client on the same
// kind of terminal and the same simulated tester: one 256-byte block per
// request (the CPU block request, 264 bytes framed), one acknowledgement
// frame back, plain write() and blocking read() on the terminal. Both move
// the same image bytes; rounds interleave them (the order turns each round).
//
// Then the same, paced: the simulated tester reads and writes at the line
// rate of 500000 baud 8N1 (50 000 bytes/s each way), and each run is put
// against its line-time bound: every byte of every request and reply frame
// one after the other at that rate, which no stop-and-wait client can beat.
//
// Prints per round and min/median/max; passes or fails nothing.
//   bench_updater [ROUNDS]

#include "benchstats.h"
#include "crc8.h"
#include "simtester.h"
#include "simupdate.h"
#include "updater.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>

#include <cstdio>

#include <fcntl.h>
#include <time.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int DefaultRounds = 7;
constexpr int LineBytesPerSecond = 50000;   // 500000 baud, 10 bits a byte
constexpr int AckFrameSize = 4;             // length 1, 0x01, CRC

struct Sizes {
    int cpu, fpga, fs;
    int images() const { return cpu + fpga + fs; }
};
// Unpaced rounds are made of slices, each one package through Updater and
// the same bytes bare, taken in turn, so that a burst of load on the
// machine falls on both alike.
constexpr int Slices = 8;
constexpr Sizes Unpaced{64 * 1024, 64 * 1024, 128 * 1024};
constexpr Sizes Paced{32 * 1024, 32 * 1024, 64 * 1024};

QByteArray makePackage(const Sizes &sizes)
{
    QByteArray images(sizes.images(), Qt::Uninitialized);
    QRandomGenerator gen(7);
    for (int i = 0; i < images.size(); ++i)
        images[i] = char(gen.bounded(256));
    QByteArray p(17, '\0');
    qToLittleEndian<quint32>(0xC0FFEE42u, p.data());
    p[4] = 6;
    qToLittleEndian<quint32>(quint32(sizes.cpu), p.data() + 5);
    qToLittleEndian<quint32>(quint32(sizes.fpga), p.data() + 9);
    qToLittleEndian<quint32>(quint32(sizes.fs), p.data() + 13);
    return p + images;
}

struct Run {
    double seconds = -1;
    double cpuSeconds = 0;  // of the client's thread
    qint64 lineBytes = 0;   // request and reply frames, both ways
};

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void resetTester(SimTester &sim)
{
    sim.with<SimUpdateResponder>([](SimUpdateResponder &s) {
        s.mode = SimUpdateResponder::Mode::Update;
        s.clearRecord();
    });
    sim.clearRequests();
}

qint64 requestBytes(const SimTester &sim)
{
    qint64 bytes = 0;
    for (const QByteArray &r : sim.requests())
        bytes += r.size() + 3;
    return bytes;
}

Run viaUpdater(SimTester &sim, const QString &path, const QByteArray &package)
{
    resetTester(sim);
    Updater updater;
    bool connected = false;
    QObject::connect(&updater, &Updater::connected, [&] { connected = true; });
    updater.connect(path, QStringLiteral("tuvex"), QStringLiteral("tuvex"), false);
    if (!connected)
        return {};
    sim.clearRequests();
    QElapsedTimer clock;
    clock.start();
    const double cpu = threadCpuSeconds();
    const bool ok = updater.fullUpdate(package);
    Run run;
    run.seconds = clock.nsecsElapsed() / 1e9;
    run.cpuSeconds = threadCpuSeconds() - cpu;
    if (!ok)
        return {};
    // Every request is acknowledged, and the restart into update mode adds
    // the update firmware's own OK.
    const int requests = sim.requests().size();
    run.lineBytes = requestBytes(sim) + qint64(requests + 1) * AckFrameSize;
    return run;
}

Run bareStopAndWait(SimTester &sim, const QString &path, const QByteArray &images)
{
    resetTester(sim);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {};
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(fd, TCSANOW, &t);
    ::tcflush(fd, TCIOFLUSH);

    constexpr int Block = Updater::BlockSize;
    const int blocks = (images.size() + Block - 1) / Block;
    QByteArray frame(2 + Updater::RequestSize + 1, '\xFF');
    qToLittleEndian<quint16>(quint16(Updater::RequestSize), frame.data());
    frame[2] = char(Updater::CmdCpuBlock);
    char ack[AckFrameSize];
    QElapsedTimer clock;
    clock.start();
    const double cpu = threadCpuSeconds();
    for (int b = 0; b < blocks; ++b) {
        const int offset = b * Block;
        const int take = qMin(Block, images.size() - offset);
        qToLittleEndian<quint32>(quint32(offset), frame.data() + 3);
        memcpy(frame.data() + 7, images.constData() + offset, size_t(take));
        frame[frame.size() - 1] = char(crc8(frame.constData(), frame.size() - 1, 0));
        if (::write(fd, frame.constData(), size_t(frame.size())) != frame.size()) {
            ::close(fd);
            return {};
        }
        for (int got = 0; got < AckFrameSize;) {
            const ssize_t n = ::read(fd, ack + got, size_t(AckFrameSize - got));
            if (n <= 0) {
                ::close(fd);
                return {};
            }
            got += int(n);
        }
        if (ack[2] != char(Updater::ReplyOk)) {
            ::close(fd);
            return {};
        }
    }
    Run run;
    run.seconds = clock.nsecsElapsed() / 1e9;
    run.cpuSeconds = threadCpuSeconds() - cpu;
    run.lineBytes = qint64(blocks) * (frame.size() + AckFrameSize);
    ::close(fd);
    return run;
}

// The package through Updater and its images bare, in the order given;
// false (and a line on stderr) when either failed.
bool runBoth(SimTester &sim, const QString &path, const QByteArray &package, bool updaterFirst, Run &u, Run &b,
             const char *what, int round)
{
    const QByteArray images = package.mid(17);
    if (updaterFirst) {
        u = viaUpdater(sim, path, package);
        b = bareStopAndWait(sim, path, images);
    } else {
        b = bareStopAndWait(sim, path, images);
        u = viaUpdater(sim, path, package);
    }
    if (u.seconds < 0 || b.seconds < 0) {
        std::fprintf(stderr, "%s round %d failed (%s)\n", what, round, u.seconds < 0 ? "Updater" : "bare");
        return false;
    }
    return true;
}

double mibPerSecond(qint64 bytes, double seconds)
{
    return seconds > 0 ? bytes / (1024.0 * 1024.0) / seconds : 0;
}

double lineBound(const Run &run)
{
    return double(run.lineBytes) / LineBytesPerSecond;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = roundsFrom(argc, argv, DefaultRounds);
    auto *responder = new SimUpdateResponder(6);
    responder->restartDelayMs = 0;
    SimTester sim(responder);
    const QString path = sim.openPty();
    if (path.isEmpty()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }

    // --- as fast as the terminal goes --------------------------------------
    const QByteArray package = makePackage(Unpaced);
    const QByteArray images = package.mid(17);
    std::printf("package of %d bytes of images (CPU %d, FPGA %d, file system %d) over a pseudo-terminal;\n"
                "bare: the same bytes in 256-byte blocks, stop-and-wait; %d rounds of %d interleaved slices\n\n",
                Unpaced.images(), Unpaced.cpu, Unpaced.fpga, Unpaced.fs, rounds, Slices);
    std::printf("round  Updater MiB/s  bare MiB/s  Updater/bare  Updater CPU us/256 B  bare CPU us/256 B\n");
    RoundFigures updaterRate, bareRate, ratio, updaterCpuPerBlock, bareCpuPerBlock;
    for (int r = 0; r < rounds; ++r) {
        double updaterSeconds = 0;
        double bareSeconds = 0;
        double updaterCpu = 0;
        double bareCpu = 0;
        for (int slice = 0; slice < Slices; ++slice) {
            Run u, b;
            if (!runBoth(sim, path, package, (r + slice) % 2 == 0, u, b, "unpaced", r + 1))
                return 1;
            updaterSeconds += u.seconds;
            bareSeconds += b.seconds;
            updaterCpu += u.cpuSeconds;
            bareCpu += b.cpuSeconds;
        }
        const double ur = mibPerSecond(qint64(Slices) * Unpaced.images(), updaterSeconds);
        const double br = mibPerSecond(qint64(Slices) * images.size(), bareSeconds);
        updaterRate.add(ur);
        bareRate.add(br);
        ratio.add(100.0 * ur / br);
        // Client CPU per 256 image bytes: where a difference on the client's
        // side would show.
        const double blocks = double(Slices) * Unpaced.images() / Updater::BlockSize;
        updaterCpuPerBlock.add(updaterCpu / blocks * 1e6);
        bareCpuPerBlock.add(bareCpu / blocks * 1e6);
        std::printf("%5d  %13.2f  %10.2f  %11.1f %%  %16.1f  %13.1f\n", r + 1, ur, br, 100.0 * ur / br,
                    updaterCpu / blocks * 1e6, bareCpu / blocks * 1e6);
    }
    std::printf("\n");
    printSummary("Updater (MiB/s)", updaterRate, "%6.2f");
    printSummary("bare stop-and-wait (MiB/s)", bareRate, "%6.2f");
    printSummary("Updater / bare (%)", ratio, "%6.1f");
    printSummary("Updater client CPU (us/256 B)", updaterCpuPerBlock, "%6.1f");
    printSummary("bare client CPU (us/256 B)", bareCpuPerBlock, "%6.1f");

    // --- paced at the line rate --------------------------------------------
    const int pacedRounds = qMax(5, rounds / 2 + 1);
    const QByteArray pacedPackage = makePackage(Paced);
    std::printf("\npaced at %d bytes/s each way: package of %d bytes of images (CPU %d, FPGA %d,\n"
                "file system %d), %d rounds; bound: all frame bytes of the run back to back at that rate\n\n",
                LineBytesPerSecond, Paced.images(), Paced.cpu, Paced.fpga, Paced.fs, pacedRounds);
    std::printf("round  Updater s  bound s  bound/Updater  bare s  bound s  bound/bare\n");
    sim.setLineRate(LineBytesPerSecond);
    RoundFigures updaterOfBound, bareOfBound, updaterSeconds;
    for (int r = 0; r < pacedRounds; ++r) {
        Run u, b;
        if (!runBoth(sim, path, pacedPackage, r % 2 == 0, u, b, "paced", r + 1))
            return 1;
        const double uo = 100.0 * lineBound(u) / u.seconds;
        const double bo = 100.0 * lineBound(b) / b.seconds;
        updaterOfBound.add(uo);
        bareOfBound.add(bo);
        updaterSeconds.add(u.seconds);
        std::printf("%5d  %9.3f  %7.3f  %11.1f %%  %6.3f  %7.3f  %8.1f %%\n", r + 1, u.seconds, lineBound(u), uo,
                    b.seconds, lineBound(b), bo);
    }
    sim.setLineRate(0);
    std::printf("\n");
    printSummary("Updater, whole package (s)", updaterSeconds, "%6.3f");
    printSummary("Updater, bound / time (%)", updaterOfBound, "%6.1f");
    printSummary("bare, bound / time (%)", bareOfBound, "%6.1f");
    return 0;
}
