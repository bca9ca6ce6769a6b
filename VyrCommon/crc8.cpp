#include "crc8.h"

#include <array>

namespace {

constexpr quint8 ReflectedPolynomial = 0x8C;

constexpr std::array<quint8, 256> makeTable()
{
    std::array<quint8, 256> table{};
    for (int i = 0; i < 256; ++i) {
        quint8 crc = quint8(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint8((crc >> 1) ^ ReflectedPolynomial) : quint8(crc >> 1);
        table[size_t(i)] = crc;
    }
    return table;
}

constexpr std::array<quint8, 256> Table = makeTable();
static_assert(Table[1] == 0x5E && Table[255] == 0x35, "CRC-8/MAXIM table");

} // namespace

quint8 crc8(const void *data, int len, quint8 start)
{
    const auto *p = static_cast<const quint8 *>(data);
    quint8 crc = start;
    for (int i = 0; i < len; ++i)
        crc = Table[crc ^ p[i]];
    return crc;
}
