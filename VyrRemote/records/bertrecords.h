#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the bit error rate test (test id 19),
// packed little-endian as exchanged with the tester and stored in its
// reports. Bytes the form does not edit keep the value the tester sent.

// Pattern codes: 0 the user's 32-bit word, 1-7 the generated sequences.
enum bert_pattern_t : uint8_t {
    BertPatternUser = 0,
    BertPatternCrtp = 1,
    BertPattern2e11 = 2,
    BertPattern2e15 = 3,
    BertPattern2e20 = 4,
    BertPattern2e23 = 5,
    BertPattern2e29 = 6,
    BertPattern2e31 = 7,
};
constexpr int BertPatternCount = 8;

#pragma pack(push, 1)
struct bert_settings_t
{
    uint8_t pattern;           //  0 bert_pattern_t
    uint8_t reserved1;         //  1
    uint16_t frameSize;        //  2 bytes, 64-9600
    uint16_t rate;             //  4 in the unit of rateUnit
    uint8_t rateUnit;          //  6 rate unit code: 0 %, 1 bps, 2 kbps, 3 Mbps
    uint8_t reserved2;         //  7
    uint32_t duration;         //  8 seconds
    uint32_t userPattern;      // 12 the word sent with pattern 0
    uint32_t syncWait;         // 16 wait for synchronisation, ms, 1-10000
    uint8_t patternOffset;     // 20 bytes into the frame, at most frame size - 16 and 254
    uint8_t reserved3[3];      // 21
};

struct bert_results_t
{
    uint64_t bits;             //  0 received bits
    uint64_t errorBits;        //  8 errored bits among them
    uint32_t lss;              // 16 loss of sequence synchronisation count
    uint32_t los;              // 20 loss of signal count
    uint32_t elapsed;          // 24 seconds since the start
    uint8_t reserved[4];       // 28
};
#pragma pack(pop)

static_assert(sizeof(bert_settings_t) == 24, "bert_settings_t");
static_assert(offsetof(bert_settings_t, frameSize) == 2, "frameSize");
static_assert(offsetof(bert_settings_t, rate) == 4, "rate");
static_assert(offsetof(bert_settings_t, rateUnit) == 6, "rateUnit");
static_assert(offsetof(bert_settings_t, duration) == 8, "duration");
static_assert(offsetof(bert_settings_t, userPattern) == 12, "userPattern");
static_assert(offsetof(bert_settings_t, syncWait) == 16, "syncWait");
static_assert(offsetof(bert_settings_t, patternOffset) == 20, "patternOffset");

static_assert(sizeof(bert_results_t) == 32, "bert_results_t");
static_assert(offsetof(bert_results_t, errorBits) == 8, "errorBits");
static_assert(offsetof(bert_results_t, lss) == 16, "lss");
static_assert(offsetof(bert_results_t, los) == 20, "los");
static_assert(offsetof(bert_results_t, elapsed) == 24, "elapsed");

static_assert(std::is_trivially_copyable<bert_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<bert_results_t>::value, "copyable");
