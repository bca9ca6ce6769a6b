#pragma once

#include "records.h"

#include <QString>

#include <array>
#include <cstdint>

// The encodings of the interface settings record (eth_settings_t, settings
// block 20) and the values the port interface editor shows for it, as pure
// functions: the editor, the report writer and the simulated tester read the
// record through them, and the write-back that turns the editor's fields
// into a record is one function here. No widgets; any thread.

// ---- link modes (byte 1) ------------------------------------------------------

// A speed counts as on when either of its two mode bits is set; a duplex
// mode when any of its three bits is.
constexpr uint8_t LinkModes10 = 0x03;
constexpr uint8_t LinkModes100 = 0x0C;
constexpr uint8_t LinkModes1000 = 0x30;
constexpr uint8_t LinkModesHalf = 0x15;
constexpr uint8_t LinkModesFull = 0x2A;

struct LinkChoice
{
    bool speed10 = false;
    bool speed100 = false;
    bool speed1000 = false;
    bool half = false;
    bool full = false;
};

LinkChoice linkChoiceOf(uint8_t linkModes);
// Every mode whose speed and duplex are both chosen; bits 6-7 are 0.
uint8_t linkModesOf(const LinkChoice &choice);

// ---- VLAN tags ------------------------------------------------------------------

constexpr int MaxVlanTags = 3;
constexpr int MaxVid = 4095;
constexpr int MaxPcp = 7;

// PCP in bits 13-15 (read unsigned: bit 15 set is PCP 7), VLAN ID in 0-11.
constexpr int tagPcp(uint16_t tagControl) { return tagControl >> 13; }
constexpr int tagVid(uint16_t tagControl) { return tagControl & 0x0FFF; }
// Bit 12 (DEI, which no editor shows) is 0; values beyond their fields keep
// their low bits.
constexpr uint16_t tagControlOf(int pcp, int vid)
{
    return uint16_t((unsigned(pcp) & 7u) << 13 | (unsigned(vid) & 0x0FFFu));
}

constexpr uint16_t TpidCustomerTag = 0x8100;
constexpr uint16_t TpidQinQ = 0x9100;

// The TPID a tag takes when the operator sets the number of tags in use:
// one tag 8100; two tags 9100 outside, 8100 inside; three tags 8100 each.
// 0 for a tag beyond the count (it keeps what it has).
uint16_t defaultTpid(int vlanCount, int tag);
// A TPID that the defaults may replace: nothing set yet (0) or one of the
// defaults themselves. Any other value is the operator's own choice.
bool tpidReplaceable(uint16_t tpid);

// ---- MPLS label stack entries ------------------------------------------------------

constexpr int MaxMplsEntries = 3;
constexpr uint32_t MaxMplsLabel = 0xFFFFF;
constexpr int MaxMplsTtl = 255;

constexpr uint32_t mplsLabel(uint32_t entry) { return entry >> 12; }
constexpr int mplsTrafficClass(uint32_t entry) { return int((entry >> 9) & 7u); }
constexpr bool mplsBottomOfStack(uint32_t entry) { return (entry >> 8) & 1u; }
constexpr int mplsTtl(uint32_t entry) { return int(entry & 0xFFu); }
constexpr uint32_t mplsEntryOf(uint32_t label, int trafficClass, bool bottom, int ttl)
{
    return (label & MaxMplsLabel) << 12 | (unsigned(trafficClass) & 7u) << 9 | (bottom ? 1u : 0u) << 8
           | (unsigned(ttl) & 0xFFu);
}

// ---- texts of the editor's fields ------------------------------------------------------

// Four lower-case hexadecimal digits ("8100").
QString tpidText(uint16_t tpid);
// A TPID edit's text as a hexadecimal number; 0 when it is none.
uint16_t tpidFromText(const QString &text);
// Five lower-case hexadecimal digits ("00010").
QString mplsLabelText(uint32_t label);
// A label edit's text as a hexadecimal number of at most 20 bits; 0 when
// it is none.
uint32_t mplsLabelFromText(const QString &text);

// ---- the port's default MAC address -----------------------------------------------------

// 02:3a:91:6d:4 followed by a 12-bit value made of the tester's device type,
// its serial number and the port index (0 Port A, 1 Port B, 2 Port RC).
std::array<uint8_t, 6> defaultMac(unsigned deviceType, uint16_t serialNumber, int port);

// ---- the editor's fields ----------------------------------------------------------------

// What the port interface editor shows and edits, one member per field, as
// texts where the field is a text edit. interfaceFieldsOf() gives the fields
// of a record; writeInterfaceFields() writes fields back into a record.
struct InterfaceFields
{
    QString mac;
    LinkChoice link;
    bool dhcp = false;
    // The static address; a form shows the DHCP-obtained one instead while
    // dhcp is on.
    QString ip;
    QString mask;
    QString gateway;

    int vlanCount = 0;
    QString tpid[MaxVlanTags];
    int pcp[MaxVlanTags] = {};
    int vid[MaxVlanTags] = {};

    int mplsCount = 0;
    QString label[MaxMplsEntries];
    int trafficClass[MaxMplsEntries] = {};
    int ttl[MaxMplsEntries] = {};

    bool filterMacDest = false;
    bool filterIpDest = false;
    bool filterMacSrcEqDest = false;
    bool filterIpSrcEqDest = false;
    bool filterVlan1 = false;
    bool filterVlan2 = false;
    QString filterMac;
    QString filterIp;
    int filterVlanId1 = 0;
    int filterVlanId2 = 0;
};

InterfaceFields interfaceFieldsOf(const eth_settings_t &record);

// Writes the fields into record, which holds what the tester sent:
//  - the MAC when it matches the MAC pattern (':' or '-'), else
//    00:00:00:00:00:00; the same for the filter MAC;
//  - link modes from the speeds and duplex modes;
//  - the counts, all three TPIDs, tag controls and MPLS entries (also those
//    beyond the counts), with the bottom-of-stack bit in the entry the MPLS
//    count names and in no other; a tag whose PCP and VLAN ID equal the
//    stored ones keeps its stored word (DEI bit included), an edited tag is
//    written with bit 12 clear;
//  - the DHCP flag as 0 or 1 and, only while it is off, each address that
//    matches its pattern (an address that does not match keeps the stored
//    one; with DHCP on bytes 8-19 stay as they are);
//  - the filter flags as 0 or 1, the filter IP when it matches, the filter
//    VLAN IDs.
// Reserved bytes are never touched. The counts and the filter VLAN IDs are
// written as given (a form passes a stored value beyond the range of its
// field through unchanged while the operator leaves the field alone); tag
// and MPLS fields are cut to their bit fields. Returns whether the MAC
// written differs from the one the record held.
bool writeInterfaceFields(eth_settings_t &record, const InterfaceFields &fields);
