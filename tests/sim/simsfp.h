#pragma once

// SFP modules as the simulated tester reports them in the optical test's
// results, shared with the tests as fixtures.

#include "sfprecords.h"

#include <QtGlobal>

#include <cstring>

// Writes a text into a record's text field, NUL-padded (a text of the
// field's size or longer fills it without a NUL).
template <size_t N>
void setSfpText(char (&field)[N], const char *text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text, qMin(N, std::strlen(text)));
}

// A 1310 nm module with monitoring, made 5 April 2023: 36.5 °C, TX 0.5012 mW
// (-3.00 dBm), RX as given (0.3981 mW is -4.00 dBm).
inline sfp_info_t sfpModuleWithDdm(const char *vendor = "KORVEL OPTICS", float rxPower = 0.3981f)
{
    sfp_info_t m;
    std::memset(&m, 0, sizeof m);
    setSfpText(m.vendorName, vendor);
    setSfpText(m.partNumber, "KOP-1310-LX20");
    setSfpText(m.revision, "A");
    m.wavelength = 1310;
    setSfpText(m.serialNumber, "PVD4Q2N");
    m.year = 23;
    m.month = 4;
    m.day = 5;
    m.ddmAvailable = 1;
    m.temperature = 36.5f;
    m.txPower = 0.5012f;
    m.rxPower = rxPower;
    return m;
}

// A 1550 nm module without monitoring, made 15 July 2021.
inline sfp_info_t sfpModuleWithoutDdm()
{
    sfp_info_t m;
    std::memset(&m, 0, sizeof m);
    setSfpText(m.vendorName, "OEM");
    setSfpText(m.partNumber, "SFP-GE-LX-SM1550");
    setSfpText(m.revision, "1.0");
    m.wavelength = 1550;
    setSfpText(m.serialNumber, "G2107150012");
    m.year = 21;
    m.month = 7;
    m.day = 15;
    return m;
}

// No module plugged in: an empty vendor name, whatever the rest holds.
inline sfp_info_t sfpNoModule()
{
    sfp_info_t m;
    std::memset(&m, 0x5A, sizeof m);
    m.vendorName[0] = '\0';
    return m;
}
