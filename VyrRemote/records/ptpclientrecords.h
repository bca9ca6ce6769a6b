#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// The two blocks of the tester's PTP client that the PTP test (id 7) and the
// synchronisation test (id 17) share: the client settings the operator edits
// and the master information the client reports. Packed little-endian, as
// exchanged with the tester and stored in its report files; both forms edit
// and show them with the same rules.
#pragma pack(push, 1)

// Bytes 0-11 of the PTP settings record, 12-23 of the synchronisation
// settings record.
struct ptp_client_settings_t
{
    uint8_t mode;                  //  0 0 unicast, 1 multicast (any other value reads as unicast)
    uint8_t domain;                //  1 PTP domain number, 0-255
    uint8_t server_index;          //  2 row of the server list: 0 "BMCA", 1-9 servers; 255 none
    uint8_t reserved;              //  3 sent back as received
    uint32_t master_ip;            //  4 unicast master, first octet most significant; 0 none
    uint8_t auto_domain;           //  8 domain auto detection: 1 on, 0 off
    uint8_t unicast_negotiation;   //  9 1 on, 0 off
    int8_t announce_interval;      // 10 log2 seconds (IEEE 1588), edited -5..5
    int8_t sync_interval;          // 11 log2 seconds, edited -5..5
};

// What the client learned of the master it follows, mirroring the IEEE 1588
// (version 2) data set of the master. Offset 12 of the PTP results record,
// 32 of the synchronisation results record. Written by the tester only.
struct ptp_master_info_t
{
    uint32_t master_ip;            //  0 first octet most significant; 0 while no master is known
    uint8_t clock_identity[8];     //  4 wire order
    uint16_t port_number;          // 12
    uint8_t domain;                // 14
    int8_t announce_interval;      // 15 log2 seconds; PtpIntervalNotGiven when not given
    int8_t sync_interval;          // 16 same encoding
    uint8_t clock_class;           // 17
    uint8_t clock_accuracy;        // 18
    uint8_t time_source;           // 19
    int16_t utc_offset;            // 20 seconds
    uint8_t priority1;             // 22
    uint8_t priority2;             // 23
};
#pragma pack(pop)

constexpr uint8_t PtpModeUnicast = 0;
constexpr uint8_t PtpModeMulticast = 1;
// server_index when no row of the server list is chosen.
constexpr uint8_t PtpNoServer = 255;
// The range the form offers for the two message intervals.
constexpr int PtpIntervalMinimum = -5;
constexpr int PtpIntervalMaximum = 5;
// An interval the master did not give (results only).
constexpr int8_t PtpIntervalNotGiven = 127;

static_assert(sizeof(ptp_client_settings_t) == 12, "ptp_client_settings_t");
static_assert(offsetof(ptp_client_settings_t, domain) == 1, "domain");
static_assert(offsetof(ptp_client_settings_t, server_index) == 2, "server_index");
static_assert(offsetof(ptp_client_settings_t, reserved) == 3, "reserved");
static_assert(offsetof(ptp_client_settings_t, master_ip) == 4, "master_ip");
static_assert(offsetof(ptp_client_settings_t, auto_domain) == 8, "auto_domain");
static_assert(offsetof(ptp_client_settings_t, unicast_negotiation) == 9, "unicast_negotiation");
static_assert(offsetof(ptp_client_settings_t, announce_interval) == 10, "announce_interval");
static_assert(offsetof(ptp_client_settings_t, sync_interval) == 11, "sync_interval");

static_assert(sizeof(ptp_master_info_t) == 24, "ptp_master_info_t");
static_assert(offsetof(ptp_master_info_t, clock_identity) == 4, "clock_identity");
static_assert(offsetof(ptp_master_info_t, port_number) == 12, "port_number");
static_assert(offsetof(ptp_master_info_t, domain) == 14, "domain");
static_assert(offsetof(ptp_master_info_t, announce_interval) == 15, "announce_interval");
static_assert(offsetof(ptp_master_info_t, sync_interval) == 16, "sync_interval");
static_assert(offsetof(ptp_master_info_t, clock_class) == 17, "clock_class");
static_assert(offsetof(ptp_master_info_t, clock_accuracy) == 18, "clock_accuracy");
static_assert(offsetof(ptp_master_info_t, time_source) == 19, "time_source");
static_assert(offsetof(ptp_master_info_t, utc_offset) == 20, "utc_offset");
static_assert(offsetof(ptp_master_info_t, priority1) == 22, "priority1");
static_assert(offsetof(ptp_master_info_t, priority2) == 23, "priority2");

static_assert(std::is_trivially_copyable<ptp_client_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<ptp_master_info_t>::value, "copyable");
