#pragma once

#include "headersettings.h"   // the QoS modes and ToS/DS octet fields it shares

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings record of the loopback function (test id 21): which header
// fields of the looped frames the tester replaces, and with what. Packed
// little-endian, one per port; the function has no results record. Flags
// are written as 1 or 0 and read as set when non-zero. Reserved bytes and
// bit 0 of the ToS octet keep the value the tester sent.
#pragma pack(push, 1)
struct lb_settings_t
{
    uint8_t reserved0;          //  0
    uint8_t replaceIpSrc;       //  1
    uint8_t replaceIpDst;       //  2
    uint8_t reserved3;          //  3
    uint32_t ipSrc;             //  4 IPv4, first octet in the most significant byte
    uint32_t ipDst;             //  8 same encoding
    uint8_t qosMode;            // 12 0 none, 1 ToS and precedence, 2 DSCP (QosNone/QosTos/QosDscp)
    uint8_t tos;                // 13 precedence bits 7-5, ToS bits 4-1, bit 0 kept
    uint8_t dscp;               // 14 code point in bits 7-2
    uint8_t replaceVlan;        // 15
    uint8_t replacePriority;    // 16
    uint8_t reserved17[3];      // 17
    uint32_t vlanId;            // 20 0-4095
    uint8_t vlanPriority;       // 24 0-7
    uint8_t replaceMacSrc;      // 25
    uint8_t replaceMacDst;      // 26
    uint8_t macSrc[6];          // 27 first octet first
    uint8_t macDst[6];          // 33
    uint8_t reserved39;         // 39
};
#pragma pack(pop)

static_assert(sizeof(lb_settings_t) == 40, "lb_settings_t");
static_assert(offsetof(lb_settings_t, ipSrc) == 4, "ipSrc");
static_assert(offsetof(lb_settings_t, ipDst) == 8, "ipDst");
static_assert(offsetof(lb_settings_t, qosMode) == 12, "qosMode");
static_assert(offsetof(lb_settings_t, tos) == 13, "tos");
static_assert(offsetof(lb_settings_t, dscp) == 14, "dscp");
static_assert(offsetof(lb_settings_t, replaceVlan) == 15, "replaceVlan");
static_assert(offsetof(lb_settings_t, replacePriority) == 16, "replacePriority");
static_assert(offsetof(lb_settings_t, vlanId) == 20, "vlanId");
static_assert(offsetof(lb_settings_t, vlanPriority) == 24, "vlanPriority");
static_assert(offsetof(lb_settings_t, replaceMacSrc) == 25, "replaceMacSrc");
static_assert(offsetof(lb_settings_t, macSrc) == 27, "macSrc");
static_assert(offsetof(lb_settings_t, macDst) == 33, "macDst");
static_assert(std::is_trivially_copyable<lb_settings_t>::value, "copyable");
