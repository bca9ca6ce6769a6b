#include "sfpformat.h"

#include "textfunctions.h"

#include <QByteArray>

#include <cmath>
#include <cstring>

namespace {

const char *const NoValue = "-";
constexpr int TemperatureDecimals = 1;
constexpr int MilliwattDecimals = 4;
constexpr int DbmDecimals = 2;

QString withUnit(double value, int decimals, const QString &unit)
{
    return QStringLiteral("%1 %2").arg(value, 0, 'f', decimals).arg(unit);
}

// The power a text is made of: 0 for 0 and below (also -0, which would
// otherwise print a sign).
float shownPower(float milliwatts)
{
    return milliwatts > 0.0f ? milliwatts : 0.0f;
}

} // namespace

QString sfpFieldText(const char *field, int size)
{
    if (!field || size <= 0)
        return QString();
    const void *nul = std::memchr(field, 0, size_t(size));
    const int length = nul ? int(static_cast<const char *>(nul) - field) : size;
    return QString::fromUtf8(field, length);
}

QString sfpDateText(uint8_t day, uint8_t month, uint8_t year)
{
    return QStringLiteral("%1.%2.20%3")
        .arg(unsigned(day), 2, 10, QLatin1Char('0'))
        .arg(unsigned(month), 2, 10, QLatin1Char('0'))
        .arg(unsigned(year), 2, 10, QLatin1Char('0'));
}

QString sfpWavelengthText(uint16_t nanometres, const QString &unit)
{
    return QStringLiteral("%1 %2").arg(unsigned(nanometres)).arg(unit);
}

QString sfpTemperatureText(float celsius)
{
    if (!std::isfinite(celsius))
        return QLatin1String(NoValue);
    return withUnit(double(celsius), TemperatureDecimals, QStringLiteral("\u00B0C"));
}

QString sfpPowerText(float milliwatts, const QString &unit)
{
    if (!std::isfinite(milliwatts))
        return QLatin1String(NoValue);
    return withUnit(double(shownPower(milliwatts)), MilliwattDecimals, unit);
}

QString sfpPowerDbmText(float milliwatts, const QString &unit)
{
    if (!std::isfinite(milliwatts))
        return QLatin1String(NoValue);
    // toDecibels gives 0 for exactly 0, as the report prints it.
    return withUnit(double(toDecibels(shownPower(milliwatts))), DbmDecimals, unit);
}

SfpInfoView sfpInfoView(const sfp_info_t &info, const SfpUnits &units)
{
    SfpInfoView v;
    if (info.vendorName[0] == '\0')
        return v;
    v.present = true;
    v.vendor = sfpFieldText(info.vendorName);
    v.serialNumber = sfpFieldText(info.serialNumber);
    v.revision = sfpFieldText(info.revision);
    v.date = sfpDateText(info.day, info.month, info.year);
    v.partNumber = sfpFieldText(info.partNumber);
    v.wavelength = sfpWavelengthText(info.wavelength, units.nm);

    v.ddm = info.ddmAvailable != 0;
    if (!v.ddm)
        return v;
    v.temperature = sfpTemperatureText(info.temperature);
    v.rxPower = sfpPowerText(info.rxPower, units.mW);
    v.rxPowerDBm = sfpPowerDbmText(info.rxPower, units.dBm);
    v.txPower = sfpPowerText(info.txPower, units.mW);
    v.txPowerDBm = sfpPowerDbmText(info.txPower, units.dBm);
    return v;
}
