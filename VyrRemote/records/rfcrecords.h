#pragma once

#include "headersettings.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

// Settings and results records of the RFC 2544 test (test id 3), packed
// little-endian as exchanged with the tester and stored in its reports.
// The gaps are part of the records: they are sent back as the tester sent
// them. Row i of every block belongs to frame-size row i of the settings.

constexpr int RfcFrameRows = 8;
// Load steps of one frame-loss row: the results hold at most this many.
constexpr int RfcLossSteps = 100;

#pragma pack(push, 1)
struct rfc_frame_size_t
{
    uint8_t enabled;           // +0 0 off, else the row takes part
    uint8_t reserved;          // +1
    uint16_t size;             // +2 bytes, 64-9600
};

struct rfc_settings_t
{
    header_settings_t header;  //   0 frame header (26 bytes); byte 0 "Auto IP destination"
    uint8_t reserved1[2];      //  26
    uint16_t study;            //  28 learning phase before each trial, ms, 10-9999
    uint16_t interval;         //  30 wait between trials, ms, 0-9999
    uint8_t throughputOn;      //  32 sub-test flags: 0 off, else on
    uint8_t latencyOn;         //  33
    uint8_t frameLossOn;       //  34
    uint8_t backToBackOn;      //  35
    uint32_t throughputTime;   //  36 one throughput trial, seconds
    uint8_t throughputMax;     //  40 % of line rate, 1-100
    uint8_t throughputMin;     //  41
    uint8_t reserved2[2];      //  42
    uint32_t latencyTime;      //  44 one latency trial, seconds
    uint32_t latencyCount;     //  48 iterations, 1-999
    uint8_t userLoad[RfcFrameRows]; // 52 latency load of frame-size row k, %, 1-100
    uint8_t userLoading;       //  60 latency runs at userLoad instead of the throughput loads
    uint8_t reserved3[3];      //  61
    uint32_t frameLossTime;    //  64 one frame-loss sample, seconds
    uint8_t frameLossMax;      //  68 starting load, %
    uint8_t frameLossMin;      //  69 ending load, %
    uint8_t frameLossStep;     //  70 load step, %
    uint8_t reserved4;         //  71
    uint16_t backToBackMin;    //  72 seconds, 1-999
    uint16_t backToBackMax;    //  74 seconds, 1-999
    uint16_t backToBackCount;  //  76 iterations, 1-999
    rfc_frame_size_t frame[RfcFrameRows]; // 78 + 4i
    uint8_t reserved5[2];      // 110
};

struct rfc_frame_length_t
{
    uint8_t reserved[2];       // +0 not read
    uint16_t length;           // +2 bytes; 0: the row was not tested
};

struct rfc_throughput_row_t
{
    uint8_t status;            //  +0 test_status_t
    uint8_t reserved[3];       //  +1
    float load;                //  +4 % of line rate
    float throughputL1;        //  +8 Mbps
    float throughputL2;        // +12 Mbps
};

struct rfc_latency_row_t
{
    uint8_t reserved1[8];      //  +0 not read
    double latency;            //  +8 ns
    uint8_t status;            // +16 test_status_t
    uint8_t reserved2[7];      // +17
};

struct rfc_back_to_back_row_t
{
    uint8_t status;            //  +0 test_status_t
    uint8_t reserved1[3];      //  +1
    float quantity;            //  +4 frames
    uint16_t time;             //  +8 seconds
    uint8_t reserved2[2];      // +10
};

struct rfc_frame_loss_row_t
{
    uint8_t status;                 //   +0 test_status_t
    uint8_t reserved[3];            //   +1
    float loss[RfcLossSteps];       //   +4 % at load step j; negative: no value
    uint8_t load[RfcLossSteps];     // +404 % of load step j; the first 0 ends the steps
};

struct rfc_results_t
{
    rfc_frame_length_t frameLength[RfcFrameRows];      //    0 + 4i
    rfc_throughput_row_t throughput[RfcFrameRows];     //   32 + 16i
    rfc_latency_row_t latency[RfcFrameRows];           //  160 + 24i
    rfc_back_to_back_row_t backToBack[RfcFrameRows];   //  352 + 12i
    rfc_frame_loss_row_t frameLoss[RfcFrameRows];      //  448 + 504i
};
#pragma pack(pop)

static_assert(sizeof(float) == 4 && sizeof(double) == 8, "IEEE 754 widths");

static_assert(sizeof(rfc_frame_size_t) == 4, "rfc_frame_size_t");
static_assert(sizeof(rfc_settings_t) == 112, "rfc_settings_t");
static_assert(offsetof(rfc_settings_t, study) == 28, "study");
static_assert(offsetof(rfc_settings_t, interval) == 30, "interval");
static_assert(offsetof(rfc_settings_t, throughputOn) == 32, "throughputOn");
static_assert(offsetof(rfc_settings_t, backToBackOn) == 35, "backToBackOn");
static_assert(offsetof(rfc_settings_t, throughputTime) == 36, "throughputTime");
static_assert(offsetof(rfc_settings_t, throughputMax) == 40, "throughputMax");
static_assert(offsetof(rfc_settings_t, throughputMin) == 41, "throughputMin");
static_assert(offsetof(rfc_settings_t, latencyTime) == 44, "latencyTime");
static_assert(offsetof(rfc_settings_t, latencyCount) == 48, "latencyCount");
static_assert(offsetof(rfc_settings_t, userLoad) == 52, "userLoad");
static_assert(offsetof(rfc_settings_t, userLoading) == 60, "userLoading");
static_assert(offsetof(rfc_settings_t, frameLossTime) == 64, "frameLossTime");
static_assert(offsetof(rfc_settings_t, frameLossMax) == 68, "frameLossMax");
static_assert(offsetof(rfc_settings_t, frameLossMin) == 69, "frameLossMin");
static_assert(offsetof(rfc_settings_t, frameLossStep) == 70, "frameLossStep");
static_assert(offsetof(rfc_settings_t, backToBackMin) == 72, "backToBackMin");
static_assert(offsetof(rfc_settings_t, backToBackMax) == 74, "backToBackMax");
static_assert(offsetof(rfc_settings_t, backToBackCount) == 76, "backToBackCount");
static_assert(offsetof(rfc_settings_t, frame) == 78, "frame");
static_assert(offsetof(rfc_settings_t, frame) + offsetof(rfc_frame_size_t, size) == 80, "frame size");
static_assert(offsetof(rfc_settings_t, reserved5) == 110, "reserved5");

static_assert(sizeof(rfc_throughput_row_t) == 16, "rfc_throughput_row_t");
static_assert(sizeof(rfc_latency_row_t) == 24, "rfc_latency_row_t");
static_assert(offsetof(rfc_latency_row_t, latency) == 8, "latency");
static_assert(offsetof(rfc_latency_row_t, status) == 16, "latency status");
static_assert(sizeof(rfc_back_to_back_row_t) == 12, "rfc_back_to_back_row_t");
static_assert(offsetof(rfc_back_to_back_row_t, time) == 8, "back-to-back time");
static_assert(sizeof(rfc_frame_loss_row_t) == 504, "rfc_frame_loss_row_t");
static_assert(offsetof(rfc_frame_loss_row_t, load) == 404, "frame-loss loads");
static_assert(sizeof(rfc_results_t) == 4480, "rfc_results_t");
static_assert(offsetof(rfc_results_t, throughput) == 32, "throughput");
static_assert(offsetof(rfc_results_t, latency) == 160, "latency block");
static_assert(offsetof(rfc_results_t, backToBack) == 352, "backToBack");
static_assert(offsetof(rfc_results_t, frameLoss) == 448, "frameLoss");

static_assert(std::is_trivially_copyable<rfc_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<rfc_results_t>::value, "copyable");

// A row of a results block holds values unless its status is "Wait" (0) or
// "Off" (8).
constexpr bool rfcRowHasValues(uint8_t status)
{
    return status != 0 && status != 8;
}

// The frame-loss loads in the order the tester runs them: from the maximum
// down by the step while above the minimum, then the minimum itself
// ("100, 10, 1" gives 100, 90, ..., 10, 1; max = min gives the load twice;
// max below min gives max, then min). A step of 0 would never reach the
// minimum: the list then ends after the first load (max, then min). At most
// 257 entries for byte-sized loads; only the first RfcLossSteps have values
// in the results. Header-only: the simulated tester runs the same steps.
inline std::vector<int> rfcFrameLossLoads(uint8_t maxLoad, uint8_t minLoad, uint8_t step)
{
    std::vector<int> loads;
    int l = maxLoad;
    do {
        loads.push_back(l);
        if (step == 0)
            break;
        l -= step;
    } while (minLoad < l);
    loads.push_back(minLoad);
    return loads;
}
