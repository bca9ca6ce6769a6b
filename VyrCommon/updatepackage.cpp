#include "updatepackage.h"

#include <QtEndian>

namespace {

quint32 readLe32(const QByteArray &data, qint64 offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(data.constData()) + offset);
}

} // namespace

UpdatePackage::Error UpdatePackage::parse(const QByteArray &data, UpdatePackage &out, bool requireFileSystem)
{
    out = UpdatePackage();
    const qint64 size = data.size();
    if (size < HeaderSize)
        return Error::TooShort;
    if (readLe32(data, 0) != Magic)
        return Error::BadMagic;

    out.deviceType = static_cast<quint8>(data.at(4));
    out.cpuSize = readLe32(data, 5);
    out.fpgaSize = readLe32(data, 9);
    out.fsSize = readLe32(data, 13);

    const qint64 cpuAt = HeaderSize;
    const qint64 fpgaAt = cpuAt + qint64(out.cpuSize);
    const qint64 fsAt = fpgaAt + qint64(out.fpgaSize);
    const qint64 end = fsAt + qint64(out.fsSize);

    if (fsAt > size || (requireFileSystem && end > size))
        return Error::Truncated;

    out.cpu = data.mid(int(cpuAt), int(out.cpuSize));
    out.fpga = data.mid(int(fpgaAt), int(out.fpgaSize));
    if (end <= size)
        out.fs = data.mid(int(fsAt), int(out.fsSize));

    if (end + 5 <= size && readLe32(data, end) == Magic) {
        out.hasGpsSection = true;
        out.gpsFlag = static_cast<quint8>(data.at(int(end + 4)));
        if (end + GpsHeaderSize < size)
            out.gps = data.mid(int(end + GpsHeaderSize));
    }
    return Error::None;
}
