#pragma once

#include "sfprecords.h"

#include <QString>

#include <cstdint>

// What the SFP module panel and the optical test report show of one
// sfp_info_t, computed from the record alone so that the texts can be checked
// without a window and the report writer can use them in the worker thread.
// GUI-independent.

// The unit words, translated by the caller in its own translation context
// (the panel's or the report writer's).
struct SfpUnits
{
    QString nm;
    QString mW;
    QString dBm;
};

struct SfpInfoView
{
    // A module is plugged in (the vendor name is not empty); without one
    // every text below is empty.
    bool present = false;
    // The module supplies monitoring values; without them the five
    // monitoring texts are empty.
    bool ddm = false;

    QString vendor;
    QString serialNumber;
    QString revision;
    QString date;          // "05.04.2023"
    QString partNumber;
    QString wavelength;    // "1310 nm"

    QString temperature;   // "36.5 °C"
    QString rxPower;       // "0.5012 mW"
    QString rxPowerDBm;    // "-3.00 dBm"
    QString txPower;
    QString txPowerDBm;
};

SfpInfoView sfpInfoView(const sfp_info_t &info, const SfpUnits &units);

// A text field: up to its first NUL byte and never past its size, as UTF-8.
QString sfpFieldText(const char *field, int size);
template <int N>
QString sfpFieldText(const char (&field)[N])
{
    return sfpFieldText(field, N);
}

// "%1.%2.20%3" of day, month and year, each at least two digits
// (23, 4, 5 gives "05.04.2023"; a day of 123 stays "123").
QString sfpDateText(uint8_t day, uint8_t month, uint8_t year);

// "1310 nm".
QString sfpWavelengthText(uint16_t nanometres, const QString &unit);

// One decimal and "°C"; "-" for a value that is no number.
QString sfpTemperatureText(float celsius);

// Four decimals and the unit ("0.5012 mW"). A power of 0 or less reads as
// 0 mW does ("0.0000 mW"); "-" for a value that is no finite number.
QString sfpPowerText(float milliwatts, const QString &unit);

// The power in dBm (10 * log10 of the mW) with two decimals ("-3.00 dBm").
// A power of 0 or less has no logarithm: it reads as 0 mW does in the
// optical report ("0.00 dBm"), never "nan" or "-inf"; "-" for a value that
// is no finite number.
QString sfpPowerDbmText(float milliwatts, const QString &unit);
