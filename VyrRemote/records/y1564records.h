#pragma once

#include "headersettings.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the ITU-T Y.1564 service activation test
// (test id 4), packed little-endian as exchanged with the tester and stored
// in its report files. Bytes the form does not edit keep the value the
// tester sent.

constexpr int Y1564Streams = 4;          // streams of one test
constexpr int Y1564VlanTags = 3;         // VLAN tags of one stream
constexpr int Y1564ConfigSteps = 6;      // "CIR 1" .. "CIR 4", "CIR +EIR", "Policy"

// Test flags (settings byte 0); bits 4 to 7 are carried as the tester sent them.
constexpr uint8_t Y1564FlagStepLoad = 0x01;
constexpr uint8_t Y1564FlagPolicy = 0x02;
constexpr uint8_t Y1564FlagConfigTest = 0x04;
constexpr uint8_t Y1564FlagPerformanceTest = 0x08;
constexpr uint8_t Y1564FlagsEdited = 0x0F;

// Direction codes (settings byte 9).
constexpr uint8_t Y1564DirectionOutput = 1;
constexpr uint8_t Y1564DirectionInput = 2;
constexpr uint8_t Y1564DirectionBoth = 3;

// Failure bits of a result entry: set when that criterion failed.
constexpr uint8_t Y1564FailIr = 0x01;
constexpr uint8_t Y1564FailFtd = 0x02;
constexpr uint8_t Y1564FailFdv = 0x04;
constexpr uint8_t Y1564FailFl = 0x08;
constexpr uint8_t Y1564FailAvail = 0x10;       // performance entries only
constexpr uint8_t Y1564FailConfigBits = 0x0F;  // what a configuration step can fail

// The tag protocol identifier of a customer VLAN tag (IEEE 802.1Q).
constexpr uint16_t TpidCustomer = 0x8100;

#pragma pack(push, 1)
struct y1564_stream_settings_t
{
    uint8_t active;                     //  0 0 off, non-zero on
    uint8_t reserved1;                  //  1
    uint16_t packetLength;              //  2 bytes, 64-9600
    header_settings_t header;           //  4 frame header (26 bytes)
    uint8_t reserved2[2];               // 30
    uint8_t vlanOn;                     // 32 VLAN tagging on (0 or 1)
    uint8_t reserved3;                  // 33
    uint8_t vlanCount;                  // 34 tags in use, 0-3
    uint8_t reserved4;                  // 35
    uint16_t tpid[Y1564VlanTags];       // 36 + 2k
    uint16_t tagControl[Y1564VlanTags]; // 42 + 2k PCP << 13 | VID
    float cir;                          // 48 in the stream's rate unit
    float eir;                          // 52 in the stream's rate unit
    uint8_t rateUnit;                   // 56 rate_unit_t: 0 %, 2 kbps, 3 Mbps
    uint8_t reserved5[3];               // 57
    float m;                            // 60 in the stream's rate unit
    float flr;                          // 64 frame loss ratio criterion
    uint32_t ftd;                       // 68 frame transfer delay criterion, ns
    float avail;                        // 72 availability criterion, a fraction (0.9999)
    uint32_t fdv;                       // 76 frame delay variation criterion, ns
};

struct y1564_settings_t
{
    uint8_t flags;                      //  0 Y1564Flag*
    uint8_t reserved1[3];               //  1
    uint32_t duration;                  //  4 performance test, seconds
    uint8_t testStep;                   //  8 seconds per configuration step, 1-60
    uint8_t direction;                  //  9 Y1564Direction*
    uint16_t learningInterval;          // 10 ms, 10-9999
    uint16_t waitInterval;              // 12 ms, 0-9999
    uint8_t reserved2[2];               // 14
    y1564_stream_settings_t streams[Y1564Streams];   // 16 + 80i
};

struct y1564_result_entry_t
{
    uint8_t failures;                   //  0 Y1564Fail*
    uint8_t reserved[3];                //  1
    uint32_t irMin;                     //  4 information rate, bits per second
    uint32_t irMax;                     //  8
    uint32_t irAvg;                     // 12
    int32_t ftdMin;                     // 16 frame transfer delay, ns
    int32_t ftdMax;                     // 20
    int32_t ftdAvg;                     // 24
    int32_t fdvMin;                     // 28 frame delay variation, ns
    int32_t fdvMax;                     // 32
    int32_t fdvAvg;                     // 36
    uint32_t frameLoss;                 // 40 frames lost (negative with status RxTx)
    uint32_t frames;                    // 44 frames counted for the loss ratio
    uint32_t available;                 // 48 performance entries only
    uint32_t unavailable;               // 52 performance entries only
};

struct y1564_results_t
{
    uint32_t startTime;                 //  0 tester clock at the start
    uint32_t currentTime;               //  4 tester clock now
    uint32_t plannedDuration;           //  8 seconds the whole run takes
    uint8_t currentStep;                // 12 configuration step reached, 0-5
    uint8_t reserved1;                  // 13
    uint8_t performanceStatus;          // 14 test_status_t
    uint8_t stepStatus[Y1564ConfigSteps];   // 15 + c, test_status_t; 0: none of its own
    uint8_t reserved2[3];               // 21
    y1564_result_entry_t config[Y1564ConfigSteps][Y1564Streams];   // 24 + 224c + 56s
    y1564_result_entry_t performance[Y1564Streams];                // 1368 + 56s
};
#pragma pack(pop)

static_assert(sizeof(float) == 4, "32-bit float");

static_assert(sizeof(y1564_stream_settings_t) == 80, "y1564_stream_settings_t");
static_assert(offsetof(y1564_stream_settings_t, packetLength) == 2, "packetLength");
static_assert(offsetof(y1564_stream_settings_t, header) == 4, "header");
static_assert(offsetof(y1564_stream_settings_t, vlanOn) == 32, "vlanOn");
static_assert(offsetof(y1564_stream_settings_t, vlanCount) == 34, "vlanCount");
static_assert(offsetof(y1564_stream_settings_t, tpid) == 36, "tpid");
static_assert(offsetof(y1564_stream_settings_t, tagControl) == 42, "tagControl");
static_assert(offsetof(y1564_stream_settings_t, cir) == 48, "cir");
static_assert(offsetof(y1564_stream_settings_t, eir) == 52, "eir");
static_assert(offsetof(y1564_stream_settings_t, rateUnit) == 56, "rateUnit");
static_assert(offsetof(y1564_stream_settings_t, m) == 60, "m");
static_assert(offsetof(y1564_stream_settings_t, flr) == 64, "flr");
static_assert(offsetof(y1564_stream_settings_t, ftd) == 68, "ftd");
static_assert(offsetof(y1564_stream_settings_t, avail) == 72, "avail");
static_assert(offsetof(y1564_stream_settings_t, fdv) == 76, "fdv");

static_assert(sizeof(y1564_settings_t) == 336, "y1564_settings_t");
static_assert(offsetof(y1564_settings_t, duration) == 4, "duration");
static_assert(offsetof(y1564_settings_t, testStep) == 8, "testStep");
static_assert(offsetof(y1564_settings_t, direction) == 9, "direction");
static_assert(offsetof(y1564_settings_t, learningInterval) == 10, "learningInterval");
static_assert(offsetof(y1564_settings_t, waitInterval) == 12, "waitInterval");
static_assert(offsetof(y1564_settings_t, streams) == 16, "streams");

static_assert(sizeof(y1564_result_entry_t) == 56, "y1564_result_entry_t");
static_assert(offsetof(y1564_result_entry_t, irMin) == 4, "irMin");
static_assert(offsetof(y1564_result_entry_t, irAvg) == 12, "irAvg");
static_assert(offsetof(y1564_result_entry_t, ftdMin) == 16, "ftdMin");
static_assert(offsetof(y1564_result_entry_t, fdvMin) == 28, "fdvMin");
static_assert(offsetof(y1564_result_entry_t, frameLoss) == 40, "frameLoss");
static_assert(offsetof(y1564_result_entry_t, frames) == 44, "frames");
static_assert(offsetof(y1564_result_entry_t, available) == 48, "available");
static_assert(offsetof(y1564_result_entry_t, unavailable) == 52, "unavailable");

static_assert(sizeof(y1564_results_t) == 1592, "y1564_results_t");
static_assert(offsetof(y1564_results_t, currentStep) == 12, "currentStep");
static_assert(offsetof(y1564_results_t, performanceStatus) == 14, "performanceStatus");
static_assert(offsetof(y1564_results_t, stepStatus) == 15, "stepStatus");
static_assert(offsetof(y1564_results_t, config) == 24, "config");
static_assert(offsetof(y1564_results_t, performance) == 1368, "performance");

static_assert(std::is_trivially_copyable<y1564_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<y1564_results_t>::value, "copyable");
