#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the link OAM test (test id 14), packed
// little-endian as exchanged with the tester and stored in its reports.
#pragma pack(push, 1)
struct oam_settings_t
{
    int32_t mode;             //  0 0 Disabled, 1 Passive, 2 Active
};

struct oam_results_t
{
    uint8_t present;          //  0 non-zero: the fields below hold a result
    uint8_t reserved1[9];     //  1
    uint8_t flags;            // 10 the peer's OAM configuration (OamFlag* bits)
    uint8_t reserved2[5];     // 11
    uint8_t vendor[4];        // 16 vendor value
    uint8_t mac[6];           // 20 the peer's MAC address, first octet first
};
#pragma pack(pop)

// Bits of oam_results_t::flags (the OAM Configuration field of IEEE 802.3
// clause 57); bits 4-7 are not shown.
constexpr uint8_t OamFlagActive = 0x01;          // 1 Active, 0 Passive
constexpr uint8_t OamFlagUnidirectional = 0x02;
constexpr uint8_t OamFlagRemoteLoopback = 0x04;
constexpr uint8_t OamFlagLinkEvents = 0x08;

// Values of oam_settings_t::mode, the index of the form's mode list.
constexpr int32_t OamModeDisabled = 0;
constexpr int32_t OamModePassive = 1;
constexpr int32_t OamModeActive = 2;
constexpr int OamModeCount = 3;

static_assert(sizeof(oam_settings_t) == 4, "oam_settings_t");
static_assert(sizeof(oam_results_t) == 26, "oam_results_t");
static_assert(offsetof(oam_results_t, flags) == 10, "flags");
static_assert(offsetof(oam_results_t, vendor) == 16, "vendor");
static_assert(offsetof(oam_results_t, mac) == 20, "mac");
static_assert(std::is_trivially_copyable<oam_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<oam_results_t>::value, "copyable");
