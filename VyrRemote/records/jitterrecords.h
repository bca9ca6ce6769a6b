#pragma once

#include "headersettings.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the jitter test (test id 6), packed
// little-endian as exchanged with the tester and stored in its reports.
// Bytes the form does not edit keep the value the tester sent.

// The distribution has eight equal bins from 0 up to the threshold and a
// ninth for the threshold and above.
constexpr int JitterBins = 9;

#pragma pack(push, 1)
struct jitter_settings_t
{
    uint16_t packetLength;     //  0 bytes, 64-9600
    uint8_t reserved1[2];      //  2
    uint32_t rate;             //  4 in the record's unit
    uint8_t rateUnit;          //  8 rate unit code: 0 %, 1 bps, 2 kbps, 3 Mbps
    uint8_t reserved2[3];      //  9
    uint32_t duration;         // 12 seconds
    uint16_t threshold;        // 16 ms, 1-1000: lower edge of the last bin
    uint8_t reserved3[2];      // 18
    header_settings_t header;  // 20 frame header; its byte 0 is the auto-IP flag
    uint8_t reserved4[2];      // 46
};

struct jitter_results_t
{
    uint32_t passedTime;       //  0 seconds since the start
    uint8_t reserved1[4];      //  4
    uint64_t rxAll;            //  8 frames received
    uint8_t reserved2[8];      // 16
    uint64_t rxInOrder;        // 24 frames received in order
    uint64_t bins[JitterBins]; // 32 frame count per distribution bin
};
#pragma pack(pop)

static_assert(sizeof(jitter_settings_t) == 48, "jitter_settings_t");
static_assert(offsetof(jitter_settings_t, rate) == 4, "rate");
static_assert(offsetof(jitter_settings_t, rateUnit) == 8, "rateUnit");
static_assert(offsetof(jitter_settings_t, duration) == 12, "duration");
static_assert(offsetof(jitter_settings_t, threshold) == 16, "threshold");
static_assert(offsetof(jitter_settings_t, header) == 20, "header");

static_assert(sizeof(jitter_results_t) == 104, "jitter_results_t");
static_assert(offsetof(jitter_results_t, rxAll) == 8, "rxAll");
static_assert(offsetof(jitter_results_t, rxInOrder) == 24, "rxInOrder");
static_assert(offsetof(jitter_results_t, bins) == 32, "bins");

static_assert(std::is_trivially_copyable<jitter_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<jitter_results_t>::value, "copyable");
