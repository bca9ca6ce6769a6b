#pragma once

#include "headersettings.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the asymmetric traffic test (test id 16),
// packed little-endian as exchanged with the tester and stored in its
// reports. The test runs two flows with separate settings and statistics:
// flow 1 ("Output") and flow 2 ("Input"). Bytes no form edits keep the
// value the tester sent.
#pragma pack(push, 1)

// One direction's settings.
struct flow_settings_t
{
    header_settings_t header;  //  0 frame header (26 bytes)
    uint8_t reserved1[2];      // 26
    uint8_t rateUnit;          // 28 rate unit code: 0 %, 1 bps, 2 kbps, 3 Mbps
    uint8_t reserved2;         // 29
    uint16_t rate;             // 30 in the flow's unit
    uint16_t packetLength;     // 32 bytes, 64-9600
    uint8_t reserved3[2];      // 34
    float maxFlr;              // 36 highest frame loss ratio, 0-1
};

// One direction's statistics.
struct flow_stats_t
{
    uint32_t txFrames;         //  0
    uint32_t rxFrames;         //  4
    uint32_t rate;             //  8 bytes per second
    uint32_t pdv;              // 12 packet delay variation, ns
    uint32_t runts;            // 16
    uint32_t jabber;           // 20
    uint32_t crcErrors;        // 24
    uint32_t pause;            // 28
};

struct asym_settings_t
{
    uint8_t statsBlank;        //  0 non-zero: both statistics tables show "-"; written 0
    uint8_t direction;         //  1 asym_direction_t
    uint8_t reserved1[2];      //  2
    uint32_t duration;         //  4 seconds
    uint16_t learningInterval; //  8 ms, 1000-9999
    uint16_t waitInterval;     // 10 ms, 1000-9999
    flow_settings_t output;    // 12 flow 1
    flow_settings_t input;     // 52 flow 2
};

struct asym_results_t
{
    uint32_t startTime;        //  0 seconds, tester clock
    uint32_t currentTime;      //  4 seconds, same clock
    uint32_t duration;         //  8 planned duration, seconds
    uint8_t status;            // 12 test_status_t, for both flows
    uint8_t reserved[3];       // 13
    flow_stats_t output;       // 16 flow 1
    flow_stats_t input;        // 48 flow 2
};
#pragma pack(pop)

// Direction byte of asym_settings_t: which flows run. The value is the
// index of the form's direction list.
enum asym_direction_t : uint8_t {
    DirectionOutput = 0,
    DirectionInput = 1,
    DirectionBoth = 2,
};
constexpr int DirectionCount = 3;

static_assert(sizeof(flow_settings_t) == 40, "flow_settings_t");
static_assert(offsetof(flow_settings_t, rateUnit) == 28, "rateUnit");
static_assert(offsetof(flow_settings_t, rate) == 30, "rate");
static_assert(offsetof(flow_settings_t, packetLength) == 32, "packetLength");
static_assert(offsetof(flow_settings_t, maxFlr) == 36, "maxFlr");
static_assert(sizeof(float) == 4, "32-bit float");

static_assert(sizeof(flow_stats_t) == 32, "flow_stats_t");
static_assert(offsetof(flow_stats_t, rate) == 8, "rate");
static_assert(offsetof(flow_stats_t, pdv) == 12, "pdv");
static_assert(offsetof(flow_stats_t, runts) == 16, "runts");
static_assert(offsetof(flow_stats_t, pause) == 28, "pause");

static_assert(sizeof(asym_settings_t) == 92, "asym_settings_t");
static_assert(offsetof(asym_settings_t, direction) == 1, "direction");
static_assert(offsetof(asym_settings_t, duration) == 4, "duration");
static_assert(offsetof(asym_settings_t, learningInterval) == 8, "learningInterval");
static_assert(offsetof(asym_settings_t, waitInterval) == 10, "waitInterval");
static_assert(offsetof(asym_settings_t, output) == 12, "output flow");
static_assert(offsetof(asym_settings_t, input) == 52, "input flow");
static_assert(offsetof(asym_settings_t, output) + offsetof(flow_settings_t, packetLength) == 44,
              "output packet length");
static_assert(offsetof(asym_settings_t, input) + offsetof(flow_settings_t, packetLength) == 84,
              "input packet length");
static_assert(offsetof(asym_settings_t, output) + offsetof(header_settings_t, ipDest) == 16,
              "output IPv4 destination");

static_assert(sizeof(asym_results_t) == 80, "asym_results_t");
static_assert(offsetof(asym_results_t, currentTime) == 4, "currentTime");
static_assert(offsetof(asym_results_t, duration) == 8, "duration");
static_assert(offsetof(asym_results_t, status) == 12, "status");
static_assert(offsetof(asym_results_t, output) == 16, "output stats");
static_assert(offsetof(asym_results_t, input) == 48, "input stats");

static_assert(std::is_trivially_copyable<asym_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<asym_results_t>::value, "copyable");
