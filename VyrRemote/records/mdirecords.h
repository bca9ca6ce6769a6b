#pragma once

#include "headersettings.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the MDI (media delivery index) test, test
// id 15, packed little-endian as exchanged with the tester and stored in its
// reports. Bytes the form does not edit keep the value the tester sent.
#pragma pack(push, 1)
struct mdi_settings_t
{
    uint8_t unit;               //  0 rate unit code: 2 kbps, 3 Mbps
    uint8_t reserved1;          //  1
    uint16_t rate;              //  2 load at layer 4, in the unit's terms
    uint16_t packetLength;      //  4 bytes, 64-9600
    uint16_t learningInterval;  //  6 ms, 0-10000
    uint32_t duration;          //  8 seconds
    float mlrThreshold;         // 12 media loss rate threshold, 0.00001-0.99999
    header_settings_t header;   // 16 frame header (26 bytes); byte 16 is "Auto IP destination"
    uint8_t reserved2[2];       // 42
};

struct mdi_results_t
{
    uint8_t status;             //  0 test_status_t
    uint8_t reserved[3];        //  1
    uint32_t startTime;         //  4 seconds, tester clock
    uint32_t currentTime;       //  8 seconds, same clock
    uint32_t estimate;          // 12 estimated total run time, seconds
    float delayFactor;          // 16 seconds
    uint32_t lostFrames;        // 20
    uint32_t expectedFrames;    // 24 received and lost together
    uint32_t rxRate;            // 28 bytes per second
};
#pragma pack(pop)

static_assert(sizeof(mdi_settings_t) == 44, "mdi_settings_t");
static_assert(offsetof(mdi_settings_t, rate) == 2, "rate");
static_assert(offsetof(mdi_settings_t, packetLength) == 4, "packetLength");
static_assert(offsetof(mdi_settings_t, learningInterval) == 6, "learningInterval");
static_assert(offsetof(mdi_settings_t, duration) == 8, "duration");
static_assert(offsetof(mdi_settings_t, mlrThreshold) == 12, "mlrThreshold");
static_assert(offsetof(mdi_settings_t, header) == 16, "header");
static_assert(sizeof(float) == 4, "32-bit float");

static_assert(sizeof(mdi_results_t) == 32, "mdi_results_t");
static_assert(offsetof(mdi_results_t, startTime) == 4, "startTime");
static_assert(offsetof(mdi_results_t, estimate) == 12, "estimate");
static_assert(offsetof(mdi_results_t, delayFactor) == 16, "delayFactor");
static_assert(offsetof(mdi_results_t, lostFrames) == 20, "lostFrames");
static_assert(offsetof(mdi_results_t, expectedFrames) == 24, "expectedFrames");
static_assert(offsetof(mdi_results_t, rxRate) == 28, "rxRate");

static_assert(std::is_trivially_copyable<mdi_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<mdi_results_t>::value, "copyable");
