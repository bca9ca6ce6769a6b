#pragma once

#include <QtGlobal>

// CRC-8/MAXIM (Dallas 1-Wire): polynomial 0x31 bit-reflected (0x8C), initial
// value 0, reflected input and output, no final XOR. Check value over the
// ASCII text "123456789" is 0xA1.
//
// `start` continues a CRC computed over earlier bytes, so
// crc8(b, nb, crc8(a, na)) equals the CRC of a followed by b.
quint8 crc8(const void *data, int len, quint8 start = 0);
