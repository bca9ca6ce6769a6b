#pragma once

#include <cstddef>
#include <cstdint>

// Results record of the optical test (test id 13): what the tester read from
// the SFP module of one port. Packed little-endian as the tester sends it and
// stores it in its optical reports (Port A, then Port B). The text fields end
// at their first NUL byte, or at the field's end when they hold none.
#pragma pack(push, 1)
struct sfp_info_t
{
    char vendorName[17];    //  0 empty (first byte 0): no module plugged in
    char partNumber[17];    // 17
    char revision[6];       // 34
    uint16_t wavelength;    // 40 nm
    char serialNumber[17];  // 42
    uint8_t year;           // 59 date code: last two digits, century 20 implied
    uint8_t month;          // 60 1-12
    uint8_t day;            // 61 1-31
    uint8_t reserved1[2];   // 62
    uint8_t ddmAvailable;   // 64 non-zero: the three monitoring values below hold
    uint8_t reserved2[3];   // 65
    float temperature;      // 68 degrees Celsius
    float txPower;          // 72 mW
    float rxPower;          // 76 mW
};
#pragma pack(pop)

static_assert(sizeof(sfp_info_t) == 80, "sfp_info_t");
static_assert(offsetof(sfp_info_t, partNumber) == 17, "partNumber");
static_assert(offsetof(sfp_info_t, revision) == 34, "revision");
static_assert(offsetof(sfp_info_t, wavelength) == 40, "wavelength");
static_assert(offsetof(sfp_info_t, serialNumber) == 42, "serialNumber");
static_assert(offsetof(sfp_info_t, year) == 59, "year");
static_assert(offsetof(sfp_info_t, month) == 60, "month");
static_assert(offsetof(sfp_info_t, day) == 61, "day");
static_assert(offsetof(sfp_info_t, ddmAvailable) == 64, "ddmAvailable");
static_assert(offsetof(sfp_info_t, temperature) == 68, "temperature");
static_assert(offsetof(sfp_info_t, txPower) == 72, "txPower");
static_assert(offsetof(sfp_info_t, rxPower) == 76, "rxPower");
static_assert(sizeof(float) == 4, "32-bit float");
