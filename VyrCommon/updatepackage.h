#pragma once

#include <QByteArray>
#include <QtGlobal>

// Layout of an update package file (".vyrup"), all fields little-endian:
//
//   offset      size  field
//   0           4     magic 0xC0FFEE42 (bytes 42 EE FF C0)
//   4           1     device type the package is made for
//   5           4     c: CPU image size
//   9           4     f: FPGA image size
//   13          4     s: file-system image size
//   17          c     CPU image
//   17+c        f     FPGA image
//   17+c+f      s     file-system image
//   g=17+c+f+s        optional GPS section, present when at least 5 bytes
//                     follow and the first four are the magic again:
//   g           4     magic
//   g+4         1     GPS flag: 0 = write the GPS image, other = leave it
//   g+5         4     not read
//   g+9         ...   GPS image: the rest of the file
//
// One parser serves both the update-mode client and the remote-link write.
struct UpdatePackage
{
    static constexpr quint32 Magic = 0xC0FFEE42u;
    static constexpr int HeaderSize = 17;
    static constexpr int GpsHeaderSize = 9;

    enum class Error {
        None,
        TooShort,      // fewer than 17 bytes
        BadMagic,      // first four bytes are not the magic
        Truncated,     // a declared image runs past the end of the file
    };

    quint8 deviceType = 0;
    quint32 cpuSize = 0;
    quint32 fpgaSize = 0;
    quint32 fsSize = 0;
    QByteArray cpu;
    QByteArray fpga;
    QByteArray fs;
    bool hasGpsSection = false;
    quint8 gpsFlag = 0;
    QByteArray gps;

    // True when a GPS section is present and asks for the GPS image to be written.
    bool writeGps() const { return hasGpsSection && gpsFlag == 0; }

    // Parses the header and cuts the images out of data. With
    // requireFileSystem false only the CPU and FPGA images must lie inside
    // the file (the remote link sends just those two); otherwise all three
    // must. Sizes are computed in 64 bits, so no declared size can wrap.
    static Error parse(const QByteArray &data, UpdatePackage &out, bool requireFileSystem = true);
};
