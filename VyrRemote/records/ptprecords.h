#pragma once

#include "ptpclientrecords.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the PTP test (test id 7), packed
// little-endian as exchanged with the tester and stored in its report files
// (settings at offset 188, results at 248). The test runs on Port A only.
#pragma pack(push, 1)

constexpr int PtpServerCount = 10;

// The tester fills the whole record; the form writes back bytes 0-2, 4-11
// and 16-19 from its widgets and every other byte exactly as last read.
struct ptp_settings_t
{
    ptp_client_settings_t client;      //  0
    uint8_t reserved[4];               // 12 sent back as received
    uint32_t duration;                 // 16 seconds; 0 runs until stopped
    uint32_t servers[PtpServerCount];  // 20 servers known to the tester, first octet most
                                       //    significant; entry 0 is "BMCA"; 0 marks an empty entry
};

struct ptp_results_t
{
    uint32_t start_time;         //  0 seconds, tester clock
    uint32_t current_time;       //  4 seconds, same clock
    uint32_t test_duration;      //  8 planned length of the run, seconds
    ptp_master_info_t master;    // 12
    uint32_t rx_announce;        // 36
    uint32_t rx_sync;            // 40
    uint32_t rx_follow_up;       // 44
    uint32_t rx_delay_resp;      // 48
    uint32_t tx_delay_req;       // 52
    uint8_t measure_valid;       // 56 non-zero: the five delays below are valid
    uint8_t reserved[3];         // 57
    int32_t tms;                 // 60 master to slave, ns
    int32_t tsm;                 // 64 slave to master, ns
    int32_t t_average;           // 68 ns
    int32_t offset;              // 72 ns
    int32_t sync_pdv;            // 76 packet delay variation of Sync, ns
};
#pragma pack(pop)

static_assert(sizeof(ptp_settings_t) == 60, "ptp_settings_t");
static_assert(offsetof(ptp_settings_t, reserved) == 12, "reserved");
static_assert(offsetof(ptp_settings_t, duration) == 16, "duration");
static_assert(offsetof(ptp_settings_t, servers) == 20, "servers");

static_assert(sizeof(ptp_results_t) == 80, "ptp_results_t");
static_assert(offsetof(ptp_results_t, current_time) == 4, "current_time");
static_assert(offsetof(ptp_results_t, test_duration) == 8, "test_duration");
static_assert(offsetof(ptp_results_t, master) == 12, "master");
static_assert(offsetof(ptp_results_t, rx_announce) == 36, "rx_announce");
static_assert(offsetof(ptp_results_t, rx_sync) == 40, "rx_sync");
static_assert(offsetof(ptp_results_t, rx_follow_up) == 44, "rx_follow_up");
static_assert(offsetof(ptp_results_t, rx_delay_resp) == 48, "rx_delay_resp");
static_assert(offsetof(ptp_results_t, tx_delay_req) == 52, "tx_delay_req");
static_assert(offsetof(ptp_results_t, measure_valid) == 56, "measure_valid");
static_assert(offsetof(ptp_results_t, tms) == 60, "tms");
static_assert(offsetof(ptp_results_t, tsm) == 64, "tsm");
static_assert(offsetof(ptp_results_t, t_average) == 68, "t_average");
static_assert(offsetof(ptp_results_t, offset) == 72, "offset");
static_assert(offsetof(ptp_results_t, sync_pdv) == 76, "sync_pdv");

static_assert(std::is_trivially_copyable<ptp_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<ptp_results_t>::value, "copyable");
