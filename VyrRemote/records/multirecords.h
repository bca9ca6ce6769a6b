#pragma once

#include "headersettings.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the multistream test (test id 5), packed
// little-endian as exchanged with the tester and stored in its reports: a
// common part and ten streams, each with its own rate, length and header.
// Bytes the form does not edit keep the value the tester sent.

constexpr int MultiStreamCount = 10;

#pragma pack(push, 1)
struct stream_settings_t
{
    uint8_t active;            //  0 0 off, non-zero on (written as 0 or 1)
    uint8_t reserved1;         //  1
    uint16_t rate;             //  2 in the stream's unit
    uint8_t rateUnit;          //  4 rate unit code: 0 %, 1 bps, 2 kbps, 3 Mbps
    uint8_t reserved2;         //  5
    uint16_t packetLength;     //  6 bytes, 64-9600
    header_settings_t header;  //  8 frame header; its byte 0 is the auto-IP flag
    uint8_t reserved3[2];      // 34
};

struct multi_settings_t
{
    uint32_t duration;         //  0 seconds, all streams
    uint16_t learningTime;     //  4 ms, 10-9999
    uint16_t waitInterval;     //  6 ms, 0-9999
    stream_settings_t streams[MultiStreamCount];   // 8 + 36 i
};

struct stream_result_t
{
    float load;                //  0 percent
    uint32_t txFrames;         //  4
    uint32_t rxFrames;         //  8
    uint32_t latency;          // 12 ns
};

struct multi_results_t
{
    uint32_t elapsed;          //  0 seconds the run has taken
    uint8_t reserved[4];       //  4
    stream_result_t streams[MultiStreamCount];     // 8 + 16 i
};
#pragma pack(pop)

static_assert(sizeof(stream_settings_t) == 36, "stream_settings_t");
static_assert(offsetof(stream_settings_t, rate) == 2, "rate");
static_assert(offsetof(stream_settings_t, rateUnit) == 4, "rateUnit");
static_assert(offsetof(stream_settings_t, packetLength) == 6, "packetLength");
static_assert(offsetof(stream_settings_t, header) == 8, "header");

static_assert(sizeof(multi_settings_t) == 368, "multi_settings_t");
static_assert(offsetof(multi_settings_t, learningTime) == 4, "learningTime");
static_assert(offsetof(multi_settings_t, waitInterval) == 6, "waitInterval");
static_assert(offsetof(multi_settings_t, streams) == 8, "streams");

static_assert(sizeof(stream_result_t) == 16, "stream_result_t");
static_assert(offsetof(stream_result_t, txFrames) == 4, "txFrames");
static_assert(offsetof(stream_result_t, rxFrames) == 8, "rxFrames");
static_assert(offsetof(stream_result_t, latency) == 12, "latency");
static_assert(sizeof(float) == 4, "32-bit float");

static_assert(sizeof(multi_results_t) == 168, "multi_results_t");
static_assert(offsetof(multi_results_t, streams) == 8, "streams");

static_assert(std::is_trivially_copyable<multi_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<multi_results_t>::value, "copyable");
