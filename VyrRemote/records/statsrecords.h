#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the port statistics (test id 1), packed
// little-endian as exchanged with the tester and stored, one results record
// per port (Port A first), in its statistics reports.
#pragma pack(push, 1)
struct stats_settings_t
{
    uint8_t autoReset;         //  0 automatic reset of the counters; non-zero: on
};

// A rate slot: bytes per second in the first four bytes; the tester leaves
// the other four undefined.
struct stats_rate_t
{
    uint32_t bytesPerSecond;   //  0
    uint8_t unused[4];         //  4 never read
};

// Frame-size bins, in record order.
constexpr int StatsFrameSizeBins = 8;

// The counters of one direction of one port (received or transmitted).
struct stats_counters_t
{
    uint64_t bytes;                         //   0
    uint64_t frames;                        //   8
    uint64_t broadcast;                     //  16
    uint64_t multicast;                     //  24
    uint64_t unicast;                       //  32
    uint64_t crcErrors;                     //  40 received traffic only
    uint64_t unused1;                       //  48 never read
    uint64_t jabber;                        //  56 received traffic only
    uint64_t sizes[StatsFrameSizeBins];     //  64 <64, 64, 65-127, 128-255, 256-511, 512-1023, 1024-1518, >1518
    uint64_t pause;                         // 128
    uint64_t unused2;                       // 136 never read
    stats_rate_t rateL1;                    // 144
    stats_rate_t rateL2;                    // 152
    stats_rate_t rateL3;                    // 160
};

struct stats_results_t
{
    stats_counters_t rx;       //   0 received traffic
    stats_counters_t tx;       // 168 transmitted traffic
};
#pragma pack(pop)

static_assert(sizeof(stats_settings_t) == 1, "stats_settings_t");
static_assert(sizeof(stats_rate_t) == 8, "stats_rate_t");
static_assert(sizeof(stats_counters_t) == 168, "stats_counters_t");
static_assert(offsetof(stats_counters_t, frames) == 8, "frames");
static_assert(offsetof(stats_counters_t, broadcast) == 16, "broadcast");
static_assert(offsetof(stats_counters_t, multicast) == 24, "multicast");
static_assert(offsetof(stats_counters_t, unicast) == 32, "unicast");
static_assert(offsetof(stats_counters_t, crcErrors) == 40, "crcErrors");
static_assert(offsetof(stats_counters_t, jabber) == 56, "jabber");
static_assert(offsetof(stats_counters_t, sizes) == 64, "sizes");
static_assert(offsetof(stats_counters_t, pause) == 128, "pause");
static_assert(offsetof(stats_counters_t, rateL1) == 144, "rateL1");
static_assert(offsetof(stats_counters_t, rateL2) == 152, "rateL2");
static_assert(offsetof(stats_counters_t, rateL3) == 160, "rateL3");
static_assert(sizeof(stats_results_t) == 336, "stats_results_t");
static_assert(offsetof(stats_results_t, tx) == 168, "tx");

static_assert(std::is_trivially_copyable<stats_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<stats_results_t>::value, "copyable");
