#include "addressfields.h"

#include <QStringList>

namespace AddressFields {

namespace {
const char kOctet[] = "(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])";
const char kMaskOctet[] = "(?:254|252|248|240|224|192|128|0)";
const int kOctets = 4;
const int kMaxOctetDigits = 3;
const uint kMaxOctet = 255;

// The value of a complete dotted address; false when it is not one.
bool parseComplete(const QString &text, quint32 *value)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() != kOctets)
        return false;
    quint32 v = 0;
    for (const QString &p : parts) {
        if (p.isEmpty() || p.size() > kMaxOctetDigits)
            return false;
        for (const QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        const uint octet = p.toUInt();
        if (octet > kMaxOctet)
            return false;
        v = (v << 8) | octet;
    }
    *value = v;
    return true;
}
} // namespace

QString addressExpression()
{
    const QString octet = QLatin1String(kOctet);
    return QStringLiteral("^") + octet + QStringLiteral("\\.") + octet + QStringLiteral("\\.") + octet
        + QStringLiteral("\\.") + octet + QStringLiteral("$");
}

QString maskExpression()
{
    const QString m = QLatin1String(kMaskOctet);
    return QStringLiteral("^255\\.255\\.255\\.(?:255|254|252|248|240|224|192|128|0)$")
        + QStringLiteral("|^255\\.255\\.") + m + QStringLiteral("\\.0$")
        + QStringLiteral("|^255\\.") + m + QStringLiteral("\\.0\\.0$")
        + QStringLiteral("|^") + m + QStringLiteral("\\.0\\.0\\.0$");
}

bool isCompleteAddress(const QString &text)
{
    quint32 v;
    return parseComplete(text, &v);
}

bool isCompleteMask(const QString &text)
{
    quint32 v;
    if (!parseComplete(text, &v))
        return false;
    // Contiguous ones from the top: the inverted value plus one is a power of two.
    const quint32 inv = ~v;
    return (inv & (inv + 1)) == 0;
}

QString shownText(const QString &text)
{
    quint32 v;
    if (!parseComplete(text, &v))
        return text;
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

} // namespace AddressFields
