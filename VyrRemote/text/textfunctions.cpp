#include "textfunctions.h"

#include "deviceidentity.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Unit words are translated in the context the translation files use for
// them. The callers pass texts marked with QT_TRANSLATE_NOOP, so that lupdate
// keeps them in the catalogues although they are looked up through a variable.
QString unitText(const char *unit)
{
    return QCoreApplication::translate("QApplication", unit);
}

const char *const NoValue = "-";

// A number and its unit word, a blank between them.
QString withUnit(const QString &number, const char *unit)
{
    return number + QLatin1Char(' ') + unitText(unit);
}

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QDateTime utc(uint32_t time)
{
    return QDateTime::fromSecsSinceEpoch(qint64(time), Qt::UTC);
}

QString byteHex(uint8_t b)
{
    return QStringLiteral("%1").arg(uint(b), 2, 16, QLatin1Char('0'));
}

// Index order of the DSCP selection box of the frame-header editor:
// AF11..AF43, CS1..CS7, default, EF.
constexpr uint8_t DscpTable[DscpTableSize] = {
    10, 12, 14, 18, 20, 22, 26, 28, 30, 34, 36, 38,
    8, 16, 24, 32, 40, 48, 56,
    0,
    46,
};

constexpr int MacBytes = 6;
constexpr int ClockIdBytes = 8;
constexpr int HexStringBytes = 4;
constexpr int Ipv4Parts = 4;

const char *const SyncSourceNames[] = {"RF", "PTP", "GPS", "NTP 1", "NTP 2"};
constexpr int SyncSourceCount = int(sizeof(SyncSourceNames) / sizeof(SyncSourceNames[0]));

} // namespace

QString secondsToString(uint32_t seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(twoDigits(seconds / 3600), twoDigits(seconds / 60 % 60), twoDigits(seconds % 60));
}

QString rateToString(uint32_t bytesPerSecond)
{
    return bitRateToString(8.0 * double(bytesPerSecond));
}

QString bitRateToString(double bits)
{
    if (!std::isfinite(bits))
        return QLatin1String(NoValue);
    constexpr double BitsPerMbit = 1e6;
    constexpr double BitsPerKbit = 1e3;
    constexpr int Decimals = 3;
    const double a = std::fabs(bits);
    if (a > BitsPerMbit)
        return withUnit(QString::number(bits / BitsPerMbit, 'f', Decimals), QT_TRANSLATE_NOOP("QApplication", "Mbps"));
    if (a > BitsPerKbit)
        return withUnit(QString::number(bits / BitsPerKbit, 'f', Decimals), QT_TRANSLATE_NOOP("QApplication", "kbps"));
    // Adding 0.0 turns the negative zero of a rounded -0.4 into "0".
    return withUnit(QString::number(std::round(bits) + 0.0, 'f', 0), QT_TRANSLATE_NOOP("QApplication", "bps"));
}

QString nanosecondsToString(float x)
{
    if (!std::isfinite(x))
        return QLatin1String(NoValue);
    constexpr int Decimals = 3;
    const double v = x;
    const double a = std::fabs(v);
    if (a > 1e9)
        return withUnit(QString::number(v / 1e9, 'f', Decimals), QT_TRANSLATE_NOOP("QApplication", "s"));
    if (a > 999999)
        return withUnit(QString::number(v / 1e6, 'f', Decimals), QT_TRANSLATE_NOOP("QApplication", "ms"));
    if (a > 999)
        return withUnit(QString::number(v / 1e3, 'f', Decimals), QT_TRANSLATE_NOOP("QApplication", "us"));
    if (a >= 0.5)
        return withUnit(QString::number(std::round(v), 'f', 0), QT_TRANSLATE_NOOP("QApplication", "ns"));
    return QStringLiteral("0");
}

QString durationToString(double d)
{
    // Clamp before the cast: a NaN or a value beyond 32 bits has no defined
    // conversion to an unsigned count.
    double a = std::fabs(d);
    if (std::isnan(a))
        a = 0;
    const double maxCount = double(std::numeric_limits<uint32_t>::max());
    const uint32_t s = a >= maxCount ? std::numeric_limits<uint32_t>::max() : uint32_t(a);

    const uint32_t r = s % 86400;
    const uint32_t days = s / 86400;
    return QStringLiteral("%1:%2:%3 %4.%5.%6")
        .arg(twoDigits(r / 3600), twoDigits(r % 3600 / 60), twoDigits(r % 60),
             twoDigits(days % 30), twoDigits(days % 365 / 30), twoDigits(days / 365 % 100));
}

void elapsedAndRemaining(uint32_t startTime, uint32_t currentTime, uint32_t duration,
                         uint32_t &elapsed, uint32_t &remaining)
{
    elapsed = currentTime >= startTime ? currentTime - startTime : 0;
    remaining = elapsed < duration ? duration - elapsed : 0;
}

void elapsedAndRemaining(const void *runTimeHeader, uint32_t &elapsed, uint32_t &remaining)
{
    const auto *p = static_cast<const uchar *>(runTimeHeader);
    elapsedAndRemaining(qFromLittleEndian<quint32>(p), qFromLittleEndian<quint32>(p + 4),
                        qFromLittleEndian<quint32>(p + 8), elapsed, remaining);
}

QString timeToString(uint32_t time)
{
    const QTime t = utc(time).time();
    return QStringLiteral("%1:%2:%3").arg(twoDigits(t.hour()), twoDigits(t.minute()), twoDigits(t.second()));
}

QString dateToString(uint32_t time)
{
    const QDate d = utc(time).date();
    return QStringLiteral("%1.%2.%3").arg(twoDigits(d.day()), twoDigits(d.month()), twoDigits(d.year() % 100));
}

QString dateTimeToString(uint32_t time)
{
    return timeToString(time) + QLatin1Char(' ') + dateToString(time);
}

QString macToString(const uint8_t *mac)
{
    QStringList parts;
    for (int i = 0; i < MacBytes; ++i)
        parts << byteHex(mac[i]);
    return parts.join(QLatin1Char(':'));
}

void stringToMac(uint8_t *mac, const QString &text)
{
    if (text.isEmpty())
        return;
    // The address edits accept both ':' and '-' between the groups.
    QString normalised = text;
    normalised.replace(QLatin1Char('-'), QLatin1Char(':'));
    const QStringList groups = normalised.split(QLatin1Char(':'), Qt::KeepEmptyParts);
    for (int i = 0; i < groups.size() && i < MacBytes; ++i) {
        bool ok = false;
        const uint v = groups.at(i).toUInt(&ok, 16);
        mac[i] = ok ? uint8_t(v & 0xFF) : 0;
    }
}

QString bytesToHexString(const uint8_t *bytes)
{
    QString s;
    for (int i = 0; i < HexStringBytes; ++i)
        s += byteHex(bytes[i]) + QLatin1Char(' ');
    return s;
}

QString ipToString(uint32_t address, bool leastSignificantFirst)
{
    const uint b3 = (address >> 24) & 0xFF;
    const uint b2 = (address >> 16) & 0xFF;
    const uint b1 = (address >> 8) & 0xFF;
    const uint b0 = address & 0xFF;
    if (leastSignificantFirst)
        return QStringLiteral("%1.%2.%3.%4").arg(b0).arg(b1).arg(b2).arg(b3);
    return QStringLiteral("%1.%2.%3.%4").arg(b3).arg(b2).arg(b1).arg(b0);
}

uint32_t stringToIp(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    uint32_t address = 0;
    for (int i = 0; i < parts.size() && i < Ipv4Parts; ++i) {
        bool ok = false;
        const uint v = parts.at(i).toUInt(&ok, 10);
        if (ok)
            address |= uint32_t(v & 0xFF) << (24 - 8 * i);
    }
    return address;
}

namespace {

const char *const MacAddressPattern = "^([0-9A-Fa-f]{2}[:-]){5}([0-9A-Fa-f]{2})$";
const char *const IpOctetPattern = "(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])";

} // namespace

QString macAddressPattern()
{
    return QLatin1String(MacAddressPattern);
}

QString ipAddressPattern()
{
    const QString octet = QLatin1String(IpOctetPattern);
    return QLatin1Char('^') + QStringList{octet, octet, octet, octet}.join(QLatin1String("\\.")) + QLatin1Char('$');
}

bool isMacText(const QString &text)
{
    // QRegularExpression matches from any thread at once (QRegExp does not).
    static const QRegularExpression re(QRegularExpression::anchoredPattern(macAddressPattern()));
    return re.match(text).hasMatch();
}

bool isIpText(const QString &text)
{
    static const QRegularExpression re(QRegularExpression::anchoredPattern(ipAddressPattern()));
    return re.match(text).hasMatch();
}

QString subnetMaskPattern()
{
    return QStringLiteral(
        "^255\\.255\\.255\\.(?:255|254|252|248|240|224|192|128|0)$"
        "|^255\\.255\\.(?:254|252|248|240|224|192|128|0)\\.0$"
        "|^255\\.(?:254|252|248|240|224|192|128|0)\\.0\\.0$"
        "|^(?:254|252|248|240|224|192|128|0)\\.0\\.0\\.0$");
}

QString clockIdToString(const uint8_t *clockId)
{
    QStringList parts;
    for (int i = 0; i < ClockIdBytes; ++i)
        parts << byteHex(clockId[i]).toUpper();
    return parts.join(QLatin1Char('-'));
}

int dscpToIndex(uint8_t dscp)
{
    for (int i = 0; i < DscpTableSize; ++i) {
        if (DscpTable[i] == dscp)
            return i;
    }
    return DscpDefaultIndex;
}

uint8_t indexToDscp(int index)
{
    if (index < 0 || index >= DscpTableSize)
        return DscpTable[DscpDefaultIndex];
    return DscpTable[index];
}

int tosToIndex(uint8_t tos)
{
    if (tos == 4)
        return 3;
    if (tos == 8)
        return 4;
    return tos;
}

uint8_t indexToTos(int index)
{
    if (index <= 0 || index > 8)
        return 0;
    return uint8_t(1u << (index - 1));
}

QString syncSourceName(uint8_t source)
{
    if (source >= 1 && source <= SyncSourceCount)
        return QString::fromLatin1(SyncSourceNames[source - 1]);
    return QCoreApplication::translate("QObject", "No source");
}

uint8_t syncSourceFromName(const QString &name)
{
    for (int i = 0; i < SyncSourceCount; ++i) {
        if (name == QLatin1String(SyncSourceNames[i]))
            return uint8_t(i + 1);
    }
    return 0;
}

QString fixedToString(uint32_t value)
{
    const auto integer = int16_t(uint16_t(value & 0xFFFF));
    const float v = float(double(integer) + double(value >> 16) / 65536.0);
    return QString::number(double(v), 'f', 4);
}

QString wholeCountToString(double count)
{
    if (!std::isfinite(count))
        return QString::number(count);
    // 'f' with no decimals writes every digit of any finite double; adding
    // 0.0 turns a negative zero from rounding (-0.4) into "0".
    return QString::number(std::round(count) + 0.0, 'f', 0);
}

int spinBoxValue(uint32_t value)
{
    return int(qMin<uint32_t>(value, uint32_t(std::numeric_limits<int>::max())));
}

float toDecibels(float value)
{
    if (value == 0.0f)
        return 0.0f;
    return float(10.0 * std::log10(double(value)));
}

QString padToThreeDecimals(QString &text)
{
    const int dot = text.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        text += QLatin1String(".000");
    } else {
        const int decimals = text.size() - dot - 1;
        for (int i = decimals; i < 3; ++i)
            text += QLatin1Char('0');
    }
    return text;
}

QString padToThreeDecimals(const QString &text)
{
    QString copy = text;
    return padToThreeDecimals(copy);
}

int modelPortCount(unsigned deviceType)
{
    return devicePortCount(deviceType);
}
