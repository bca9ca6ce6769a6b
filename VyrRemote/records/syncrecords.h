#pragma once

#include "ptpclientrecords.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Settings and results records of the synchronisation test (test id 17),
// packed little-endian as exchanged with the tester and stored in its report
// files (settings directly after the report header, results after them).
// The test compares a measured time source with a reference source.
#pragma pack(push, 1)

// Time sources (sync_source_t): source n is usable while bit n of the status
// record's syncSources word is set. 0 names no source.
constexpr uint8_t SyncSourceNone = 0;
constexpr uint8_t SyncSourceRf = 1;
constexpr uint8_t SyncSourcePtp = 2;
constexpr uint8_t SyncSourceGps = 3;
constexpr uint8_t SyncSourceNtp1 = 4;
constexpr uint8_t SyncSourceNtp2 = 5;
constexpr uint8_t SyncSourceFirst = SyncSourceRf;
constexpr uint8_t SyncSourceLast = SyncSourceNtp2;

constexpr int SyncServerCount = 10;
// Entries the satellite list of the GPS block has room for, whatever count
// the tester claims.
constexpr int GpsSatelliteCapacity = 32;

struct gps_satellite_t
{
    uint8_t prn;        // 0 PRN number
    uint8_t angle;      // 1 elevation
    uint16_t azimuth;   // 2
    uint8_t snr;        // 4 signal-to-noise ratio
    uint8_t used;       // 5 non-zero: used for the fix
};

// The GPS receiver state of the tester; filled by the tester, only shown.
// The three DOP floats are unaligned: read them through a copy of the record.
struct gps_info_t
{
    uint8_t gps_sync;                                   //   0 non-zero: GPS synchronisation
    uint8_t pps_sync;                                   //   1 non-zero: PPS synchronisation
    uint8_t reserved1[2];                               //   2
    uint32_t gps_time;                                  //   4 receiver's time_t, shown as UTC
    float latitude;                                     //   8 degrees
    float longitude;                                    //  12 degrees
    uint8_t hemisphere;                                 //  16 bit 0: S and W, else N and E
    float pdop;                                         //  17
    float hdop;                                         //  21
    float vdop;                                         //  25
    uint8_t reserved2[3];                               //  29
    uint32_t satellites_used;                           //  32
    gps_satellite_t satellites[GpsSatelliteCapacity];   //  36
    uint32_t satellite_count;                           // 228 valid entries at the start of satellites
};

// The tester fills the whole record; the form writes back bytes 0-1, 4-8,
// 12-14, 16-24 and 72-87 from its widgets and every other byte (the server
// list and the GPS block included) exactly as last read.
struct sync_settings_t
{
    uint8_t reference;                  //   0 sync_source_t
    uint8_t measured;                   //   1 sync_source_t
    uint8_t reserved1[2];               //   2 sent back as received
    uint32_t duration;                  //   4 seconds
    uint8_t relative_time_interval;     //   8 1 on, 0 off
    uint8_t reserved2[3];               //   9
    ptp_client_settings_t ptp;          //  12
    uint8_t convert_to_utc;             //  24 1 on, 0 off
    uint8_t reserved3[7];               //  25
    uint32_t servers[SyncServerCount];  //  32 PTP servers known to the tester; entry 0 "BMCA"; 0 empty
    uint32_t ntp1_ip;                   //  72 first octet most significant
    uint16_t ntp1_port;                 //  76 UDP, 1-65535
    uint16_t ntp1_interval;             //  78 seconds, 0-60
    uint32_t ntp2_ip;                   //  80
    uint16_t ntp2_port;                 //  84 UDP, 1-65535
    uint16_t ntp2_interval;             //  86 seconds, 1-60
    gps_info_t gps;                     //  88
};

// What the tester learned from one NTP server.
struct ntp_server_info_t
{
    uint32_t server_ip;          //  0 0: no information from this server
    uint8_t version;             //  4
    uint8_t stratum;             //  5
    uint8_t poll;                //  6 poll interval exponent, unsigned
    int8_t precision;            //  7 log2 seconds
    uint32_t root_delay;         //  8 seconds: signed integer in the low 16 bits, fraction /65536 above
    uint32_t root_dispersion;    // 12 same encoding
    uint8_t reference_id[4];     // 16 text for stratum 0 and 1, else an IPv4 value
};

// Written by the tester only. Bytes 8-11 and 96-4903 are not interpreted.
struct sync_results_t
{
    uint32_t elapsed_time;       //  0 seconds
    int32_t phase_instant;       //  4 ns
    uint8_t reserved1[4];        //  8
    int32_t phase_average;       // 12 ns
    int32_t phase_min;           // 16 ns; INT32_MAX before the first sample
    int32_t phase_max;           // 20 ns; INT32_MIN before the first sample
    uint32_t reference_time;     // 24 time_t of the reference source; 0 none
    uint32_t measured_time;      // 28 time_t of the measured source; 0 none
    ptp_master_info_t master;    // 32
    ntp_server_info_t ntp1;      // 56
    ntp_server_info_t ntp2;      // 76
    uint8_t reserved2[4808];     // 96
};
#pragma pack(pop)

static_assert(sizeof(gps_satellite_t) == 6, "gps_satellite_t");
static_assert(offsetof(gps_satellite_t, azimuth) == 2, "azimuth");
static_assert(offsetof(gps_satellite_t, snr) == 4, "snr");
static_assert(offsetof(gps_satellite_t, used) == 5, "used");

static_assert(sizeof(gps_info_t) == 232, "gps_info_t");
static_assert(offsetof(gps_info_t, gps_time) == 4, "gps_time");
static_assert(offsetof(gps_info_t, latitude) == 8, "latitude");
static_assert(offsetof(gps_info_t, longitude) == 12, "longitude");
static_assert(offsetof(gps_info_t, hemisphere) == 16, "hemisphere");
static_assert(offsetof(gps_info_t, pdop) == 17, "pdop");
static_assert(offsetof(gps_info_t, hdop) == 21, "hdop");
static_assert(offsetof(gps_info_t, vdop) == 25, "vdop");
static_assert(offsetof(gps_info_t, satellites_used) == 32, "satellites_used");
static_assert(offsetof(gps_info_t, satellites) == 36, "satellites");
static_assert(offsetof(gps_info_t, satellite_count) == 228, "satellite_count");

static_assert(sizeof(sync_settings_t) == 320, "sync_settings_t");
static_assert(offsetof(sync_settings_t, measured) == 1, "measured");
static_assert(offsetof(sync_settings_t, duration) == 4, "duration");
static_assert(offsetof(sync_settings_t, relative_time_interval) == 8, "relative_time_interval");
static_assert(offsetof(sync_settings_t, ptp) == 12, "ptp");
static_assert(offsetof(sync_settings_t, convert_to_utc) == 24, "convert_to_utc");
static_assert(offsetof(sync_settings_t, servers) == 32, "servers");
static_assert(offsetof(sync_settings_t, ntp1_ip) == 72, "ntp1_ip");
static_assert(offsetof(sync_settings_t, ntp1_port) == 76, "ntp1_port");
static_assert(offsetof(sync_settings_t, ntp1_interval) == 78, "ntp1_interval");
static_assert(offsetof(sync_settings_t, ntp2_ip) == 80, "ntp2_ip");
static_assert(offsetof(sync_settings_t, ntp2_port) == 84, "ntp2_port");
static_assert(offsetof(sync_settings_t, ntp2_interval) == 86, "ntp2_interval");
static_assert(offsetof(sync_settings_t, gps) == 88, "gps");

static_assert(sizeof(ntp_server_info_t) == 20, "ntp_server_info_t");
static_assert(offsetof(ntp_server_info_t, version) == 4, "version");
static_assert(offsetof(ntp_server_info_t, stratum) == 5, "stratum");
static_assert(offsetof(ntp_server_info_t, poll) == 6, "poll");
static_assert(offsetof(ntp_server_info_t, precision) == 7, "precision");
static_assert(offsetof(ntp_server_info_t, root_delay) == 8, "root_delay");
static_assert(offsetof(ntp_server_info_t, root_dispersion) == 12, "root_dispersion");
static_assert(offsetof(ntp_server_info_t, reference_id) == 16, "reference_id");

static_assert(sizeof(sync_results_t) == 4904, "sync_results_t");
static_assert(offsetof(sync_results_t, phase_instant) == 4, "phase_instant");
static_assert(offsetof(sync_results_t, phase_average) == 12, "phase_average");
static_assert(offsetof(sync_results_t, phase_min) == 16, "phase_min");
static_assert(offsetof(sync_results_t, phase_max) == 20, "phase_max");
static_assert(offsetof(sync_results_t, reference_time) == 24, "reference_time");
static_assert(offsetof(sync_results_t, measured_time) == 28, "measured_time");
static_assert(offsetof(sync_results_t, master) == 32, "master");
static_assert(offsetof(sync_results_t, ntp1) == 56, "ntp1");
static_assert(offsetof(sync_results_t, ntp2) == 76, "ntp2");
static_assert(offsetof(sync_results_t, reserved2) == 96, "reserved2");

static_assert(std::is_trivially_copyable<sync_settings_t>::value, "copyable");
static_assert(std::is_trivially_copyable<sync_results_t>::value, "copyable");
