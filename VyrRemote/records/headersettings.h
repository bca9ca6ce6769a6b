#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Frame-header record: which header levels the tester puts into its test
// frames and with which values. One is embedded per generated stream in the
// settings records of the traffic, RFC 2544, jitter, multistream, Y.1564,
// asymmetric traffic and MDI tests. Packed little-endian as on the wire;
// the reserved bytes are carried as the tester sent them.
#pragma pack(push, 1)
struct header_settings_t
{
    uint8_t autoIpDest;     //  0 1: destination is the other test port's own address
    uint8_t reserved1[3];   //  1
    uint32_t ipDest;        //  4 destination IPv4, first octet in the most significant byte
    uint8_t macDest[6];     //  8 destination MAC, first octet first
    uint8_t arp;            // 14 1: the tester resolves the destination MAC by ARP
    uint8_t qosMode;        // 15 0 no marking, 1 ToS (tos used), 2 DSCP (dscp used)
    uint8_t tos;            // 16 precedence bits 7-5, ToS bits 4-1 (one-hot), bit 0 kept
    uint8_t ttl;            // 17 IPv4 time to live
    uint8_t dscp;           // 18 code point in bits 7-2, bits 1-0 zero
    uint8_t reserved2;      // 19
    uint16_t udpSrc;        // 20
    uint16_t udpDst;        // 22
    uint8_t level3;         // 24 1: frames carry an IPv4 header
    uint8_t level4;         // 25 1: frames carry a UDP header
};
#pragma pack(pop)

static_assert(sizeof(header_settings_t) == 26, "header_settings_t");
static_assert(offsetof(header_settings_t, ipDest) == 4, "ipDest");
static_assert(offsetof(header_settings_t, macDest) == 8, "macDest");
static_assert(offsetof(header_settings_t, arp) == 14, "arp");
static_assert(offsetof(header_settings_t, dscp) == 18, "dscp");
static_assert(offsetof(header_settings_t, udpSrc) == 20, "udpSrc");
static_assert(offsetof(header_settings_t, level3) == 24, "level3");
static_assert(std::is_trivially_copyable<header_settings_t>::value, "copyable");

// ToS octet fields.
constexpr int TosBitsShift = 1;       // bits 4-1
constexpr uint8_t TosBitsMask = 0x0F;
constexpr int TosPrecedenceShift = 5; // bits 7-5
constexpr uint8_t TosPrecedenceMask = 0x07;
constexpr uint8_t TosKeptBit = 0x01;  // bit 0: as the tester sent it
// DS octet: the code point sits above two unused bits.
constexpr int DscpShift = 2;

// qosMode values.
constexpr uint8_t QosNone = 0;
constexpr uint8_t QosTos = 1;
constexpr uint8_t QosDscp = 2;
