#include "lbformat.h"

#include "headersettings.h"
#include "textfunctions.h"

namespace {

constexpr int TosItemCount = 5;

} // namespace

int lbTosIndex(uint8_t tosOctet)
{
    const uint8_t bits = (tosOctet >> TosBitsShift) & TosBitsMask;
    for (int i = 0; i < TosItemCount; ++i) {
        if (indexToTos(i) == bits)
            return i;
    }
    return -1;
}

int lbPrecedence(uint8_t tosOctet)
{
    return (tosOctet >> TosPrecedenceShift) & TosPrecedenceMask;
}

int lbDscpIndex(uint8_t dsOctet)
{
    const uint8_t code = uint8_t(dsOctet >> DscpShift);
    const int index = dscpToIndex(code);
    // dscpToIndex answers "default" for any unknown code: only code 0 is.
    return indexToDscp(index) == code ? index : -1;
}

uint8_t lbTosOctet(uint8_t stored, int tosIndex, int precedence)
{
    uint8_t tos = stored;
    // An unchanged choice leaves the stored bits alone, whatever else they hold.
    if (tosIndex != lbTosIndex(stored) && tosIndex >= 0 && tosIndex < TosItemCount)
        tos = uint8_t((tos & ~(TosBitsMask << TosBitsShift)) | (indexToTos(tosIndex) << TosBitsShift));
    if (precedence != lbPrecedence(stored) && precedence >= 0 && precedence <= TosPrecedenceMask)
        tos = uint8_t((tos & ~(TosPrecedenceMask << TosPrecedenceShift)) | (precedence << TosPrecedenceShift));
    return tos;
}

uint8_t lbDsOctet(uint8_t stored, int dscpIndex)
{
    // An unchanged choice leaves the stored octet alone (bits 1-0 included).
    if (dscpIndex == lbDscpIndex(stored) || dscpIndex < 0 || dscpIndex >= DscpTableSize)
        return stored;
    return uint8_t(indexToDscp(dscpIndex) << DscpShift);
}

uint8_t lbFlag(uint8_t stored, bool checked)
{
    if (checked == (stored != 0))
        return stored;
    return checked ? 1 : 0;
}

uint8_t lbQosMode(uint8_t stored, bool tosChecked, bool dscpChecked)
{
    if (tosChecked == (stored == QosTos) && dscpChecked == (stored == QosDscp))
        return stored;
    return tosChecked ? QosTos : dscpChecked ? QosDscp : QosNone;
}

QString completeMacOr(const QString &text, const char *fallback)
{
    return isMacText(text) ? text : QString::fromLatin1(fallback);
}

QString completeIpOr(const QString &text, const char *fallback)
{
    return isIpText(text) ? text : QString::fromLatin1(fallback);
}
