#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the IP network tools: ping (test id 8),
// trace route (9), DNS (10) and IP scanner (11). Packed little-endian as
// exchanged with the tester and stored unchanged in its report files.
//
// IPv4 addresses: a uint32 with the first octet in the most significant byte
// (192.168.0.1 is stored as the bytes 01 00 A8 C0), except where a field says
// it holds the octets in network order (first octet in the first byte).
#pragma pack(push, 1)

// ---- ping (8) and trace route (9) settings: one layout ------------------------

struct probe_settings_t
{
    uint32_t destination;      //  0 IPv4, first octet most significant
    uint16_t frame_size;       //  4 bytes; the forms edit 64-1518
    uint16_t wait_time;        //  6 ms; the forms edit 100-9999
};

using ping_settings_t = probe_settings_t;
using trace_settings_t = probe_settings_t;

// ---- ping (8) ------------------------------------------------------------------

// One of the last six requests.
struct ping_request_t
{
    uint8_t status;            //  0 PingStatus
    uint16_t number;           //  1 request number 1-65535; 0: empty entry
    uint32_t latency;          //  3 ms, meaningful with PingReplied only
};

enum PingStatus : uint8_t {
    PingRequested = 1,         // reply still awaited
    PingReplied = 2,
    PingTimedOut = 3,
    PingInterrupted = 4,
    PingNoConnection = 5,
};

constexpr int PingRequestEntries = 6;
constexpr uint32_t PingNoMinimum = 0xFFFFFFFFu;   // min_latency before any reply

struct ping_results_t
{
    uint32_t sent;             //  0 requests sent, those awaiting a reply included
    uint32_t received;         //  4 replies
    float avg_latency;         //  8 ms
    uint32_t min_latency;      // 12 ms; PingNoMinimum while there is none
    uint32_t max_latency;      // 16 ms
    uint8_t pending;           // 20 requests whose reply is awaited
    ping_request_t requests[PingRequestEntries];   // 21, entry k at 21 + 7k
    uint8_t reserved;          // 63 not read
};

// ---- trace route (9) -------------------------------------------------------------

struct trace_hop_t
{
    uint8_t status;            //  0 TraceHopStatus
    uint32_t address;          //  1 IPv4 in network order: byte 1 is the first octet
    uint32_t latency;          //  5 ms
    uint8_t hop_number;        //  9 as the tester counts it
};

enum TraceHopStatus : uint8_t {
    TraceHopEmpty = 0,
    TraceHopProbing = 1,
    TraceHopReplied = 2,
    TraceHopTimedOut = 3,
    TraceHopReached = 5,       // shown like TraceHopReplied
    TraceHopNoConnection = 6,
};

// One page of hops: the results parameter of the request is the index of
// the page's first hop.
constexpr int TraceHopsPerPage = 8;
constexpr int TracePages = 32;

struct trace_results_t
{
    int32_t hop_count;         //  0 hop entries in use (the report lists at most that many)
    trace_hop_t hops[TraceHopsPerPage];   // 4, entry k at 4 + 10k
};

// ---- DNS (10) --------------------------------------------------------------------

constexpr int DnsHostNameField = 32;
constexpr int DnsHostNameMaxBytes = DnsHostNameField - 1;   // a NUL follows the text

struct dns_settings_t
{
    uint8_t host_name[DnsHostNameField];   // 0 text, NUL-terminated when shorter than the field
};

enum DnsStatus : uint8_t {
    DnsNone = 0,
    DnsPassed = 1,
    DnsInProgress = 2,
    DnsError = 3,
    DnsTimeout = 4,
    DnsUnknownError = 5,
    DnsNotConnected = 6,
};

struct dns_results_t
{
    uint8_t status;            //  0 DnsStatus
    uint8_t reserved[3];       //  1 not read
    uint32_t address;          //  4 IPv4 in network order (byte 4 is the first octet); DnsPassed only
};

// ---- IP scanner (11) ---------------------------------------------------------------

struct ipscan_settings_t
{
    uint32_t first_address;    //  0 IPv4, first octet most significant
    uint32_t last_address;     //  4 IPv4, first octet most significant
    uint16_t wait_time;        //  8 ms; the form edits 10-9999
    uint16_t iterations;       // 10 the form edits 1-9
};

constexpr uint8_t IpScanNoConnection = 5;
// Addresses the bitmap covers from first_address on.
constexpr int IpScanAddresses = 256;

struct ipscan_results_t
{
    uint8_t status;            //  0 IpScanNoConnection or no meaning
    uint8_t reserved[3];       //  1 not read
    uint32_t start_time;       //  4 seconds, tester clock
    uint32_t current_time;     //  8 seconds, same clock
    uint32_t estimated_duration;   // 12 seconds
    uint8_t answered[IpScanAddresses / 8];   // 16 bit i of byte j: first_address + 8j + i answered
};

#pragma pack(pop)

static_assert(sizeof(probe_settings_t) == 8, "probe_settings_t");
static_assert(offsetof(probe_settings_t, frame_size) == 4, "frame_size");
static_assert(offsetof(probe_settings_t, wait_time) == 6, "wait_time");
static_assert(sizeof(ping_request_t) == 7, "ping_request_t");
static_assert(offsetof(ping_request_t, number) == 1, "number");
static_assert(offsetof(ping_request_t, latency) == 3, "latency");
static_assert(sizeof(ping_results_t) == 64, "ping_results_t");
static_assert(offsetof(ping_results_t, received) == 4, "received");
static_assert(offsetof(ping_results_t, avg_latency) == 8, "avg_latency");
static_assert(offsetof(ping_results_t, min_latency) == 12, "min_latency");
static_assert(offsetof(ping_results_t, max_latency) == 16, "max_latency");
static_assert(offsetof(ping_results_t, pending) == 20, "pending");
static_assert(offsetof(ping_results_t, requests) == 21, "requests");
static_assert(sizeof(float) == 4, "32-bit float");

static_assert(sizeof(trace_hop_t) == 10, "trace_hop_t");
static_assert(offsetof(trace_hop_t, address) == 1, "address");
static_assert(offsetof(trace_hop_t, latency) == 5, "latency");
static_assert(offsetof(trace_hop_t, hop_number) == 9, "hop_number");
static_assert(sizeof(trace_results_t) == 84, "trace_results_t");
static_assert(offsetof(trace_results_t, hops) == 4, "hops");

static_assert(sizeof(dns_settings_t) == 32, "dns_settings_t");
static_assert(sizeof(dns_results_t) == 8, "dns_results_t");
static_assert(offsetof(dns_results_t, address) == 4, "address");

static_assert(sizeof(ipscan_settings_t) == 12, "ipscan_settings_t");
static_assert(offsetof(ipscan_settings_t, last_address) == 4, "last_address");
static_assert(offsetof(ipscan_settings_t, wait_time) == 8, "wait_time");
static_assert(offsetof(ipscan_settings_t, iterations) == 10, "iterations");
static_assert(sizeof(ipscan_results_t) == 48, "ipscan_results_t");
static_assert(offsetof(ipscan_results_t, start_time) == 4, "start_time");
static_assert(offsetof(ipscan_results_t, current_time) == 8, "current_time");
static_assert(offsetof(ipscan_results_t, estimated_duration) == 12, "estimated_duration");
static_assert(offsetof(ipscan_results_t, answered) == 16, "answered");

static_assert(std::is_trivially_copyable<ping_results_t>::value, "copyable");
static_assert(std::is_trivially_copyable<trace_results_t>::value, "copyable");
static_assert(std::is_trivially_copyable<dns_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<ipscan_results_t>::value, "copyable");
