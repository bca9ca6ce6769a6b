#include "interfaceformat.h"

#include "textfunctions.h"

#include <QRegExp>

#include <cstring>

namespace {

constexpr int MacBytes = 6;

// The fixed upper 36 bits of every default MAC: 02:3a:91:6d:4.
constexpr uint8_t DefaultMacBlock[5] = {0x02, 0x3a, 0x91, 0x6d, 0x40};
constexpr int DefaultMacValues = 4096;   // the 12 bits that follow the block

bool matches(const QString &pattern, const QString &text)
{
    return QRegExp(pattern, Qt::CaseSensitive).exactMatch(text);
}

bool flag(uint8_t byte) { return byte != 0; }
uint8_t byteOf(bool on) { return on ? 1 : 0; }

// The six filter flags, field by field.
const struct
{
    bool InterfaceFields::*field;
    uint8_t eth_settings_t::*byte;
} FilterFlags[] = {
    {&InterfaceFields::filterMacDest, &eth_settings_t::filterMacDest},
    {&InterfaceFields::filterIpDest, &eth_settings_t::filterIpDest},
    {&InterfaceFields::filterMacSrcEqDest, &eth_settings_t::filterMacSrcEqDest},
    {&InterfaceFields::filterIpSrcEqDest, &eth_settings_t::filterIpSrcEqDest},
    {&InterfaceFields::filterVlan1, &eth_settings_t::filterVlan1},
    {&InterfaceFields::filterVlan2, &eth_settings_t::filterVlan2},
};

} // namespace

LinkChoice linkChoiceOf(uint8_t linkModes)
{
    LinkChoice c;
    c.speed10 = linkModes & LinkModes10;
    c.speed100 = linkModes & LinkModes100;
    c.speed1000 = linkModes & LinkModes1000;
    c.half = linkModes & LinkModesHalf;
    c.full = linkModes & LinkModesFull;
    return c;
}

uint8_t linkModesOf(const LinkChoice &choice)
{
    const uint8_t speeds = uint8_t((choice.speed10 ? LinkModes10 : 0) | (choice.speed100 ? LinkModes100 : 0)
                                   | (choice.speed1000 ? LinkModes1000 : 0));
    const uint8_t duplex = uint8_t((choice.half ? LinkModesHalf : 0) | (choice.full ? LinkModesFull : 0));
    return uint8_t(speeds & duplex);
}

uint16_t defaultTpid(int vlanCount, int tag)
{
    if (tag < 0 || tag >= vlanCount || vlanCount > MaxVlanTags)
        return 0;
    if (vlanCount == 2 && tag == 0)
        return TpidQinQ;
    return TpidCustomerTag;
}

bool tpidReplaceable(uint16_t tpid)
{
    return tpid == 0 || tpid == TpidCustomerTag || tpid == TpidQinQ;
}

QString tpidText(uint16_t tpid)
{
    return QStringLiteral("%1").arg(tpid, 4, 16, QLatin1Char('0'));
}

uint16_t tpidFromText(const QString &text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    return ok && value <= 0xFFFF ? uint16_t(value) : 0;
}

QString mplsLabelText(uint32_t label)
{
    return QStringLiteral("%1").arg(label, 5, 16, QLatin1Char('0'));
}

uint32_t mplsLabelFromText(const QString &text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    return ok && value <= MaxMplsLabel ? uint32_t(value) : 0;
}

std::array<uint8_t, 6> defaultMac(unsigned deviceType, uint16_t serialNumber, int port)
{
    const int n = serialNumber;
    const int rc = port == PortRC ? 1 : 0;
    int v;
    switch (deviceType) {
    case 2:
    case 4:
    case 8:
        v = 3072 + port - 3 * n;
        break;
    case 3:
    case 5:
        v = 4096 - 2 * n + rc;
        break;
    case 1:
    case 6:
    case 7:
        v = 3072 + 2 * n - 2 + rc;
        break;
    default:
        v = 3 * n - 3 + port;
        break;
    }
    v = ((v % DefaultMacValues) + DefaultMacValues) % DefaultMacValues;

    std::array<uint8_t, 6> mac;
    std::memcpy(mac.data(), DefaultMacBlock, sizeof DefaultMacBlock);
    mac[4] = uint8_t(DefaultMacBlock[4] | (v >> 8));
    mac[5] = uint8_t(v & 0xFF);
    return mac;
}

InterfaceFields interfaceFieldsOf(const eth_settings_t &r)
{
    InterfaceFields f;
    f.mac = macToString(r.mac);
    f.link = linkChoiceOf(r.linkModes);
    f.dhcp = flag(r.dhcp);
    f.ip = ipToString(r.ip);
    f.mask = ipToString(r.mask);
    f.gateway = ipToString(r.gateway);

    f.vlanCount = r.vlanCount;
    for (int i = 0; i < MaxVlanTags; ++i) {
        f.tpid[i] = tpidText(r.tpid[i]);
        f.pcp[i] = tagPcp(r.tagControl[i]);
        f.vid[i] = tagVid(r.tagControl[i]);
    }
    f.mplsCount = r.mplsCount;
    for (int i = 0; i < MaxMplsEntries; ++i) {
        f.label[i] = mplsLabelText(mplsLabel(r.mpls[i]));
        f.trafficClass[i] = mplsTrafficClass(r.mpls[i]);
        f.ttl[i] = mplsTtl(r.mpls[i]);
    }

    for (const auto &filter : FilterFlags)
        f.*filter.field = flag(r.*filter.byte);
    f.filterMac = macToString(r.filterMac);
    f.filterIp = ipToString(r.filterIp);
    f.filterVlanId1 = r.filterVlanId1;
    f.filterVlanId2 = r.filterVlanId2;
    return f;
}

bool writeInterfaceFields(eth_settings_t &r, const InterfaceFields &f)
{
    const QString zeroMac = QStringLiteral("00:00:00:00:00:00");
    uint8_t mac[MacBytes] = {};
    stringToMac(mac, matches(macAddressPattern(), f.mac) ? f.mac : zeroMac);
    const bool macChanged = std::memcmp(mac, r.mac, MacBytes) != 0;
    std::memcpy(r.mac, mac, MacBytes);

    r.linkModes = linkModesOf(f.link);

    r.vlanCount = uint8_t(qBound(0, f.vlanCount, 0xFF));
    for (int i = 0; i < MaxVlanTags; ++i) {
        r.tpid[i] = tpidFromText(f.tpid[i]);
        // A tag whose PCP and VLAN ID are as stored keeps its whole word:
        // the editor does not show the DEI bit (bit 12), so only an edit of
        // the tag may rewrite it.
        const int pcp = qBound(0, f.pcp[i], MaxPcp);
        const int vid = qBound(0, f.vid[i], MaxVid);
        if (pcp != tagPcp(r.tagControl[i]) || vid != tagVid(r.tagControl[i]))
            r.tagControl[i] = tagControlOf(pcp, vid);
    }

    r.mplsCount = uint8_t(qBound(0, f.mplsCount, 0xFF));
    for (int i = 0; i < MaxMplsEntries; ++i) {
        r.mpls[i] = mplsEntryOf(mplsLabelFromText(f.label[i]), qBound(0, f.trafficClass[i], 7),
                                i + 1 == r.mplsCount, qBound(0, f.ttl[i], MaxMplsTtl));
    }

    r.dhcp = byteOf(f.dhcp);
    if (!f.dhcp) {
        if (matches(ipAddressPattern(), f.ip))
            r.ip = stringToIp(f.ip);
        if (matches(subnetMaskPattern(), f.mask))
            r.mask = stringToIp(f.mask);
        if (matches(ipAddressPattern(), f.gateway))
            r.gateway = stringToIp(f.gateway);
    }

    for (const auto &filter : FilterFlags)
        r.*filter.byte = byteOf(f.*filter.field);
    stringToMac(r.filterMac, matches(macAddressPattern(), f.filterMac) ? f.filterMac : zeroMac);
    if (matches(ipAddressPattern(), f.filterIp))
        r.filterIp = stringToIp(f.filterIp);
    r.filterVlanId1 = uint16_t(qBound(0, f.filterVlanId1, 0xFFFF));
    r.filterVlanId2 = uint16_t(qBound(0, f.filterVlanId2, 0xFFFF));
    return macChanged;
}
