// The update package parser on any file, and every package it accepts
// written through the update client to a tester in memory that acknowledges
// everything: the images the tester receives are the package's images.

#include "../streams/memorystream.h"
#include "fuzztarget.h"
#include "updatepackage.h"
#include "updater.h"

#include <QtEndian>

#include <memory>

namespace {

// Packages larger than this are parsed but not written, to keep each input
// quick.
constexpr qint64 MaxWrittenImages = 64 * 1024;

// The update firmware of a tester of `deviceType` that takes every request.
// Images are reassembled from the blocks as they arrive.
struct AckingTester
{
    quint8 deviceType = 0;
    QByteArray cpu, fpga, fs, gps;

    static void place(QByteArray &image, const QByteArray &request)
    {
        const quint32 offset = qFromLittleEndian<quint32>(request.constData() + 1);
        const QByteArray block = request.mid(5);
        if (image.size() < int(offset))
            image.append(QByteArray(int(offset) - image.size(), '\0'));
        image.replace(int(offset), block.size(), block);
    }

    QByteArray answer(const QByteArray &written)
    {
        // Every write is one whole frame: length, payload, CRC.
        const QByteArray request = written.mid(PacketLink::LengthFieldSize,
                                               written.size() - PacketLink::FrameOverhead);
        const QByteArray ok = MemoryPeer::frame(QByteArray(1, char(Updater::ReplyOk)));
        switch (request.isEmpty() ? 0 : quint8(request.at(0))) {
        case Updater::CmdLogon:
            return ok;
        case Updater::CmdIdentify: {
            QByteArray id(Updater::IdentifyReplySize, '\0');
            id[0] = char(deviceType);
            return MemoryPeer::frame(id);
        }
        case Updater::CmdReset:
            // Into update mode: the acknowledgement, then the restarted
            // firmware's own OK.
            return request.size() > 1 && request.at(1) == char(Updater::ResetToUpdate) ? ok + ok : ok;
        case Updater::CmdCpuBlock: place(cpu, request); return ok;
        case Updater::CmdFpgaBlock: place(fpga, request); return ok;
        case Updater::CmdGpsBlock: place(gps, request); return ok;
        case Updater::CmdFsSlice: fs.append(request.mid(1)); return ok;
        case Updater::CmdFpgaErase: return ok;
        default: return QByteArray();
        }
    }
};

} // namespace

VYR_FUZZ_TARGET(updatepackage)
{
    vyrfuzz::quietDebugOutput();
    const QByteArray file = vyrfuzz::bytes(data, size);

    UpdatePackage remote;
    const UpdatePackage::Error remoteParsed = UpdatePackage::parse(file, remote, false);
    UpdatePackage package;
    const UpdatePackage::Error parsed = UpdatePackage::parse(file, package, true);

    if (parsed == UpdatePackage::Error::None) {
        VYR_FUZZ_CHECK(remoteParsed == UpdatePackage::Error::None);
        VYR_FUZZ_CHECK(quint32(package.cpu.size()) == package.cpuSize);
        VYR_FUZZ_CHECK(quint32(package.fpga.size()) == package.fpgaSize);
        VYR_FUZZ_CHECK(quint32(package.fs.size()) == package.fsSize);
        VYR_FUZZ_CHECK(qint64(UpdatePackage::HeaderSize) + package.cpu.size() + package.fpga.size()
                       + package.fs.size() + package.gps.size() <= file.size());
        VYR_FUZZ_CHECK(package.hasGpsSection || package.gps.isEmpty());
    }
    if (remoteParsed == UpdatePackage::Error::None) {
        VYR_FUZZ_CHECK(quint32(remote.cpu.size()) == remote.cpuSize);
        VYR_FUZZ_CHECK(quint32(remote.fpga.size()) == remote.fpgaSize);
    }
    if (parsed != UpdatePackage::Error::None && file.size() >= UpdatePackage::HeaderSize
            && parsed != UpdatePackage::Error::BadMagic)
        VYR_FUZZ_CHECK(parsed == UpdatePackage::Error::Truncated);

    const qint64 images = package.cpu.size() + package.fpga.size() + package.fs.size() + package.gps.size();
    if (images > MaxWrittenImages)
        return 0;

    AckingTester tester;
    tester.deviceType = file.size() > 4 ? quint8(file.at(4)) : 0;
    auto peer = std::make_shared<MemoryPeer>();
    peer->answer = [&tester](const QByteArray &written) { return tester.answer(written); };
    Updater updater(new MemoryStream(peer));
    updater.connect(QStringLiteral("fuzz"), QStringLiteral("tuvex"), QStringLiteral("tuvex"), false);
    VYR_FUZZ_CHECK(updater.isConnected());

    QList<int> states;
    QObject::connect(&updater, &Updater::stateChanged, [&states](UpdaterState s) { states << int(s); });
    const bool written = updater.fullUpdate(file);
    VYR_FUZZ_CHECK(written == (parsed == UpdatePackage::Error::None));
    if (!written) {
        VYR_FUZZ_CHECK(states == QList<int>{int(UpdaterState::WrongFileFormat)});
        return 0;
    }
    VYR_FUZZ_CHECK(states.last() == int(UpdaterState::FullUpdateFinished));
    VYR_FUZZ_CHECK(tester.cpu.left(package.cpu.size()) == package.cpu);
    VYR_FUZZ_CHECK(tester.fpga.left(package.fpga.size()) == package.fpga);
    VYR_FUZZ_CHECK(tester.fs.left(package.fs.size()) == package.fs);
    if (package.writeGps())
        VYR_FUZZ_CHECK(tester.gps.left(package.gps.size()) == package.gps);
    else
        VYR_FUZZ_CHECK(tester.gps.isEmpty());
    return 0;
}
