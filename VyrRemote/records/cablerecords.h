#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Results record of the cable diagnostics test (test id 12), as the tester
// sends it and stores it in its reports (for Port A and for Port B). The
// test has no settings record. Every field is one byte.
constexpr int CablePairCount = 4;   // pairs 1-2, 3-4, 5-6, 7-8

#pragma pack(push, 1)
struct cable_pair_detail_t
{
    uint8_t polarity;         // +0 non-zero: reversed
    uint8_t latency;          // +1 steps of 8 ns
};

struct cable_pair_status_t
{
    uint8_t status;           // +0 cable_pair_status_code_t
    uint8_t reserved;         // +1 not read
    uint8_t distance;         // +2 raw distance to the fault
};

struct cable_results_t
{
    uint8_t detailsValid;                        //  0 0: bytes 1-10 hold no measurement
    uint8_t abStraight;                          //  1 non-zero: pair 0 is channel A, pair 1 B
    uint8_t cdStraight;                          //  2 non-zero: pair 2 is channel C, pair 3 D
    cable_pair_detail_t detail[CablePairCount];  //  3 + 2i
    cable_pair_status_t pair[CablePairCount];    // 11 + 3i
};
#pragma pack(pop)

enum cable_pair_status_code_t : uint8_t {
    CablePairGood = 0,
    CablePairShort = 1,
    CablePairOpen = 2,
    CablePairFault = 3,
    CablePairImmi = 4,
};
constexpr int CablePairStatusCount = 5;

static_assert(sizeof(cable_pair_detail_t) == 2, "cable_pair_detail_t");
static_assert(sizeof(cable_pair_status_t) == 3, "cable_pair_status_t");
static_assert(sizeof(cable_results_t) == 23, "cable_results_t");
static_assert(offsetof(cable_results_t, detail) == 3, "detail");
static_assert(offsetof(cable_results_t, pair) == 11, "pair");
static_assert(std::is_trivially_copyable<cable_results_t>::value, "copyable");
