#pragma once

#include "headersettings.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the traffic test (test id 2), packed
// little-endian as exchanged with the tester and stored in its reports.
// Bytes the form does not edit keep the value the tester sent.
#pragma pack(push, 1)
struct traffic_settings_t
{
    header_settings_t header;  //  0 frame header (26 bytes)
    uint8_t reserved1[2];      // 26
    uint8_t rateUnit;          // 28 rate unit code: 0 %, 1 bps, 2 kbps, 3 Mbps
    uint8_t reserved2;         // 29
    uint16_t rate;             // 30 in the record's unit
    uint16_t packetLength;     // 32 bytes, 64-9600
    uint8_t reserved3[2];      // 34
    uint32_t duration;         // 36 seconds
    uint16_t learningInterval; // 40 ms, 10-9999
    uint16_t waitInterval;     // 42 ms, 0-9999
    float flrThreshold;        // 44 frame loss ratio threshold, 0.00001-0.99999
};

struct traffic_results_t
{
    uint32_t startTime;        //  0 seconds, tester clock
    uint32_t currentTime;      //  4 seconds, same clock
    uint32_t estimatedTime;    //  8 estimated total run time, seconds
    uint8_t status;            // 12 test_status_t
    uint8_t reserved[3];       // 13
    uint32_t txFrames;         // 16
    uint32_t rxFrames;         // 20
    uint64_t txBytes;          // 24
    uint32_t rate;             // 32 bytes per second
    uint32_t pdv;              // 36 packet delay variation, ns
    uint32_t lostFrames;       // 40
    uint32_t runts;            // 44
    uint32_t jabber;           // 48
    uint32_t crcErrors;        // 52
    uint32_t pause;            // 56
    uint32_t latency;          // 60 ns
};
#pragma pack(pop)

static_assert(sizeof(traffic_settings_t) == 48, "traffic_settings_t");
static_assert(offsetof(traffic_settings_t, rateUnit) == 28, "rateUnit");
static_assert(offsetof(traffic_settings_t, rate) == 30, "rate");
static_assert(offsetof(traffic_settings_t, packetLength) == 32, "packetLength");
static_assert(offsetof(traffic_settings_t, duration) == 36, "duration");
static_assert(offsetof(traffic_settings_t, learningInterval) == 40, "learningInterval");
static_assert(offsetof(traffic_settings_t, waitInterval) == 42, "waitInterval");
static_assert(offsetof(traffic_settings_t, flrThreshold) == 44, "flrThreshold");
static_assert(sizeof(float) == 4, "32-bit float");

static_assert(sizeof(traffic_results_t) == 64, "traffic_results_t");
static_assert(offsetof(traffic_results_t, status) == 12, "status");
static_assert(offsetof(traffic_results_t, txFrames) == 16, "txFrames");
static_assert(offsetof(traffic_results_t, txBytes) == 24, "txBytes");
static_assert(offsetof(traffic_results_t, rate) == 32, "rate");
static_assert(offsetof(traffic_results_t, lostFrames) == 40, "lostFrames");
static_assert(offsetof(traffic_results_t, pause) == 56, "pause");
static_assert(offsetof(traffic_results_t, latency) == 60, "latency");

static_assert(std::is_trivially_copyable<traffic_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<traffic_results_t>::value, "copyable");
