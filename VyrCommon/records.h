#pragma once

// Records exchanged with the tester over the remote-control link, and the
// small code tables that name their values. Every record is packed and
// little-endian, exactly as it travels on the wire; offsets are given in the
// field comments. Bytes marked "reserved" are carried as received and read by
// no part of the system. All records stay trivially copyable so that they can
// be copied whole into and out of reply buffers and queued signals.

#include <QtGlobal>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// glibc's <errno.h> declares "typedef int error_t" whenever _GNU_SOURCE is
// set, which g++ always does, so a global struct of that name cannot exist.
// The start-error record is therefore the struct vyr_error_t, and error_t
// names it through this macro (<cerrno> is included first so that glibc's
// typedef is already behind its guard and never re-expanded). moc sees the
// expanded name ("vyr_error_t") in signal signatures: register the metatype
// under both spellings, e.g. Q_DECLARE_METATYPE(error_t) plus
// qRegisterMetaType<error_t>() and qRegisterMetaType<error_t>("error_t"),
// and connect such signals with function pointers (SIGNAL()/SLOT() texts
// are not macro-expanded and would name the unexpanded type).
#define error_t vyr_error_t

// Port index: 0 Port A, 1 Port B; 2 is Port RC where interface settings are
// concerned.
typedef unsigned int port_t;

constexpr port_t PortA = 0;
constexpr port_t PortB = 1;
constexpr port_t PortRC = 2;

// Key code of the key-press command; no part of the system sends one.
typedef uint32_t ukey_t;

// Test and settings-block identifier shared by the protocol, the status
// process words (bit n = test id n), the test records and the report files.
enum test_id_t : uint8_t {
    TestDeviceSettings = 0,     // settings block only (device_settings_t)
    TestStatistics = 1,
    TestTraffic = 2,
    TestRfc2544 = 3,
    TestY1564 = 4,
    TestMultistream = 5,
    TestJitter = 6,
    TestPtp = 7,
    TestPing = 8,
    TestTraceRoute = 9,
    TestDns = 10,
    TestIpScanner = 11,
    TestCable = 12,
    TestOptical = 13,
    TestOam = 14,
    TestMdi = 15,
    TestAsymTraffic = 16,
    TestSync = 17,
    TestRcl = 18,               // status bit only, shown "RCL"; no records
    TestBert = 19,
    TestInterfaceSettings = 20, // settings block only (eth_settings_t)
    TestLoopback = 21,
};

constexpr int TestIdCount = 22;

// Status process-word bits that are not tests of their own.
constexpr int ProcessBitPassThrough = 0;
constexpr int ProcessBitLoopback = 1;

// Sizes in bytes of one settings record and one results record per test id
// (0 = the test has none of that kind). Index = test id.
struct TestRecordSizes
{
    int settings;
    int results;
};

constexpr TestRecordSizes testRecordSizes[TestIdCount] = {
    {8, 0},       //  0 device settings
    {1, 336},     //  1 port statistics
    {48, 64},     //  2 traffic
    {112, 4480},  //  3 RFC 2544
    {336, 1592},  //  4 Y.1564
    {368, 168},   //  5 multistream
    {48, 104},    //  6 jitter
    {60, 80},     //  7 PTP
    {8, 64},      //  8 ping
    {8, 84},      //  9 trace route
    {32, 8},      // 10 DNS
    {12, 48},     // 11 IP scanner
    {0, 23},      // 12 cable diagnostics
    {0, 80},      // 13 optical module
    {4, 26},      // 14 link OAM
    {44, 32},     // 15 MDI
    {92, 80},     // 16 asymmetric traffic
    {320, 4904},  // 17 synchronisation
    {0, 0},       // 18 status bit only
    {24, 32},     // 19 BERT
    {76, 0},      // 20 interface settings
    {40, 0},      // 21 loopback
};

// 0 for ids outside the table.
constexpr int testSettingsSize(unsigned id)
{
    return id < unsigned(TestIdCount) ? testRecordSizes[id].settings : 0;
}

constexpr int testResultsSize(unsigned id)
{
    return id < unsigned(TestIdCount) ? testRecordSizes[id].results : 0;
}

// Largest settings record (multistream); bounds every settings request.
constexpr int MaxSettingsSize = 368;
// Largest results record (synchronisation).
constexpr int MaxResultsSize = 4904;

// Topology code sent with the start of a test (command 0x0A) or on its own.
enum topology_t : uint8_t {
    TopologyToOtherPort = 0,    // A->B, B->A
    TopologySamePort = 1,       // A->A, B->B
    TopologyLoopbackOff = 2,
    TopologyLoopbackLevel1 = 3, // levels 1 to 4 are codes 3 to 6
    TopologyLoopbackLevel2 = 4,
    TopologyLoopbackLevel3 = 5,
    TopologyLoopbackLevel4 = 6,
    TopologyPassThroughOff = 7,
    TopologyPassThroughOn = 8,
};

// File types of the file commands (0x07 list, 0x0E delete by type).
constexpr uint32_t FileTypeConfig = 1;
constexpr uint32_t FileTypeReport = 6;

// Per-test status code carried by results records.
enum test_status_t : uint8_t {
    StatusWait = 0,
    StatusOk = 1,
    StatusError = 2,
    StatusRunning = 3,
    StatusStop = 4,
    StatusNoSync = 5,
    StatusNoTx = 6,
    StatusNoRx = 7,
    StatusOff = 8,
    StatusRxTx = 9,
    StatusLossExceeded = 10,
    StatusRemoteDeviceError = 11,
    StatusIncompatibleFw = 12,
};

// error_t::type values: why the tester refused a start.
enum start_error_type_t : uint32_t {
    StartErrorNone = 0,
    StartErrorNotConnected = 1,
    StartErrorRouting = 2,            // value: stream mask
    StartErrorRate = 3,
    StartErrorNoActiveStreams = 4,
    StartErrorStream = 5,             // port, stream mask, packet length, VLAN flag
    StartErrorTestNotChosen = 6,
    StartErrorAlreadyRunning = 7,
    StartErrorTooManyAddresses = 8,   // value: greatest possible number
    StartErrorNoFrameLength = 9,
    StartErrorNoUserRate = 10,
    StartErrorNoSignalSources = 11,
    StartErrorNoPtpServer = 12,
};

// Stream masks name streams 1 to 10 in bits 0 to 9; higher bits are ignored.
constexpr uint16_t StreamMaskBits = 0x03FF;

#pragma pack(push, 1)

// Reply to the device information request (0x0F).
struct get_device_info_resp_t
{
    uint8_t cpuVersion[3];    //  0 three parts, shown "a.b.c"
    uint8_t fpgaVersion[3];   //  3 three parts, shown "a.b.c"
    uint16_t serialNumber;    //  6
    uint8_t deviceType;       //  8 model code 0-8
    char releaseName[13];     //  9 Latin-1, ends at the first NUL or at offset 21
};
static_assert(sizeof(get_device_info_resp_t) == 22, "get_device_info_resp_t");

// Link state of one port inside the status record.
struct port_link_t
{
    uint8_t up;               // +0 non-zero: link up
    uint8_t medium;           // +1 1 fibre ("X"), other copper ("T")
    uint8_t speed;            // +2 0 = 10, 1 = 100, 2 = 1000 Mbit/s
    uint8_t duplex;           // +3 1 full, 0 half
};
static_assert(sizeof(port_link_t) == 4, "port_link_t");

// Process words of one port: bit n set while test id n runs on the port.
struct port_process_t
{
    uint32_t tx;              // +0 this port is the transmitting side
    uint32_t rx;              // +4 this port is the receiving side
};
static_assert(sizeof(port_process_t) == 8, "port_process_t");

struct port_loopback_t
{
    uint8_t level;            // +0 0 none, 1 to 4
    uint8_t reserved;         // +1
};
static_assert(sizeof(port_loopback_t) == 2, "port_loopback_t");

// Addresses of one port as currently in use (obtained by DHCP when on).
// IPv4 values carry the first octet in the most significant byte.
struct port_addresses_t
{
    uint32_t ip;              // +0
    uint32_t mask;            // +4
    uint32_t gateway;         // +8
};
static_assert(sizeof(port_addresses_t) == 12, "port_addresses_t");

// Reply to the status request (0x00). Index p: 0 Port A, 1 Port B;
// addresses are indexed 0 Port A, 1 Port B, 2 Port RC.
struct get_device_status_resp_t
{
    uint8_t topology[2];          //   0 + p: 0 to other port, 1 same port, >= 2 none
    port_process_t process[2];    //   2 + 8p
    uint8_t alarm[2];             //  18 + p: 0 no alarm
    port_loopback_t loopback[2];  //  20 + 2p
    uint8_t reserved1[11];        //  24
    uint32_t txRate[2];           //  35 + 4p bytes per second
    uint32_t rxRate[2];           //  43 + 4p bytes per second
    port_link_t link[2];          //  51 + 4p
    port_addresses_t address[3];  //  59 + 12q
    uint8_t reserved2[4];         //  95
    uint32_t clock;               //  99 local wall-clock time, shown as UTC
    uint32_t syncSources;         // 103 bit n: sync source n usable
};
static_assert(sizeof(get_device_status_resp_t) == 107, "get_device_status_resp_t");
static_assert(offsetof(get_device_status_resp_t, alarm) == 18, "alarm");
static_assert(offsetof(get_device_status_resp_t, txRate) == 35, "txRate");
static_assert(offsetof(get_device_status_resp_t, link) == 51, "link");
static_assert(offsetof(get_device_status_resp_t, address) == 59, "address");
static_assert(offsetof(get_device_status_resp_t, clock) == 99, "clock");

// Settings block 0 of port 0.
struct device_settings_t
{
    uint8_t reserved1[6];     // 0 written back as read
    uint8_t checking;         // 6 checking mode 0-8 (3 is never sent)
    uint8_t reserved2;        // 7 written back as read
};
static_assert(sizeof(device_settings_t) == 8, "device_settings_t");

// Reply to a start request (0x09); the value fields depend on the type.
struct error_t
{
    uint32_t type;            //  0 start_error_type_t; 0 = started
    uint32_t value;           //  4 type 2: stream mask (low 16 bits); type 8: greatest
                              //    number of addresses; type 5: byte 4 is the port index
    uint16_t streamMask;      //  8 type 5: stream mask
    uint16_t packetLength;    // 10 type 5
    uint8_t vlanFlag;         // 12 type 5: non-zero when VLAN tags are active
    uint8_t reserved[3];      // 13

    // Port index of a type 5 error (byte 4 only).
    uint8_t portIndex() const { return uint8_t(value & 0xFFu); }
};
static_assert(sizeof(error_t) == 16, "error_t");

// Interface settings of one port index (settings block id 20; 0 Port A,
// 1 Port B, 2 Port RC). IPv4 values: first octet in bits 24-31 (192.168.1.10
// travels as 0A 01 A8 C0). MAC addresses in transmission order, first octet
// of the text form first. The reserved bytes are sent back as they came:
// an edited record is always the received one with its fields replaced.
struct eth_settings_t
{
    uint8_t dhcp;             //  0 1 DHCP, 0 static address (any non-zero reads as on)
    uint8_t linkModes;        //  1 bit 0 10H, 1 10F, 2 100H, 3 100F, 4 1000H, 5 1000F;
                              //    bits 6-7 written 0
    uint8_t mac[6];           //  2 the port's own address
    uint32_t ip;              //  8 static address, used while dhcp is 0
    uint32_t mask;            // 12 contiguous mask
    uint32_t gateway;         // 16
    uint8_t reserved1[2];     // 20
    uint8_t vlanCount;        // 22 0-3 tags in use, tag 1 outermost
    uint8_t reserved2;        // 23
    uint16_t tpid[3];         // 24, 26, 28 tag protocol identifiers (0x8100, 0x9100 ...)
    uint16_t tagControl[3];   // 30, 32, 34 PCP bits 13-15, bit 12 0, VLAN ID bits 0-11
    uint8_t mplsCount;        // 36 0-3 label stack entries in use, entry 1 outermost
    uint8_t reserved3[3];     // 37
    uint32_t mpls[3];         // 40, 44, 48 label 12-31, TC 9-11, S 8, TTL 0-7 (the
                              //    first byte of an entry on the wire is its TTL)
    uint8_t filterMacDest;    // 52 "MAC Dest."
    uint8_t filterIpDest;     // 53 "IP Dest."
    uint8_t filterMacSrcEqDest; // 54 "MAC Source = MAC Dest."
    uint8_t filterIpSrcEqDest;  // 55 "IP Source = IP Dest."
    uint8_t filterVlan1;      // 56 "VLAN ID 1"
    uint8_t filterVlan2;      // 57 "VLAN ID 2"
    uint8_t reserved4;        // 58
    uint8_t filterMac[6];     // 59 unaligned
    uint8_t reserved5[3];     // 65
    uint32_t filterIp;        // 68 IPv4
    uint16_t filterVlanId1;   // 72 0-9999 (not limited to 4095)
    uint16_t filterVlanId2;   // 74 0-9999
};
static_assert(sizeof(eth_settings_t) == 76, "eth_settings_t");
static_assert(offsetof(eth_settings_t, dhcp) == 0, "dhcp");
static_assert(offsetof(eth_settings_t, linkModes) == 1, "linkModes");
static_assert(offsetof(eth_settings_t, mac) == 2, "mac");
static_assert(offsetof(eth_settings_t, ip) == 8, "ip");
static_assert(offsetof(eth_settings_t, mask) == 12, "mask");
static_assert(offsetof(eth_settings_t, gateway) == 16, "gateway");
static_assert(offsetof(eth_settings_t, reserved1) == 20, "reserved1");
static_assert(offsetof(eth_settings_t, vlanCount) == 22, "vlanCount");
static_assert(offsetof(eth_settings_t, reserved2) == 23, "reserved2");
static_assert(offsetof(eth_settings_t, tpid) == 24, "tpid");
static_assert(offsetof(eth_settings_t, tagControl) == 30, "tagControl");
static_assert(offsetof(eth_settings_t, mplsCount) == 36, "mplsCount");
static_assert(offsetof(eth_settings_t, reserved3) == 37, "reserved3");
static_assert(offsetof(eth_settings_t, mpls) == 40, "mpls");
static_assert(offsetof(eth_settings_t, filterMacDest) == 52, "filterMacDest");
static_assert(offsetof(eth_settings_t, filterIpDest) == 53, "filterIpDest");
static_assert(offsetof(eth_settings_t, filterMacSrcEqDest) == 54, "filterMacSrcEqDest");
static_assert(offsetof(eth_settings_t, filterIpSrcEqDest) == 55, "filterIpSrcEqDest");
static_assert(offsetof(eth_settings_t, filterVlan1) == 56, "filterVlan1");
static_assert(offsetof(eth_settings_t, filterVlan2) == 57, "filterVlan2");
static_assert(offsetof(eth_settings_t, reserved4) == 58, "reserved4");
static_assert(offsetof(eth_settings_t, filterMac) == 59, "filterMac");
static_assert(offsetof(eth_settings_t, reserved5) == 65, "reserved5");
static_assert(offsetof(eth_settings_t, filterIp) == 68, "filterIp");
static_assert(offsetof(eth_settings_t, filterVlanId1) == 72, "filterVlanId1");
static_assert(offsetof(eth_settings_t, filterVlanId2) == 74, "filterVlanId2");

// Reply to the sync status request (0x1C).
struct get_sync_status_resp_t
{
    uint8_t status;           // 0
    uint8_t active;           // 1
    uint8_t correct;          // 2
};
static_assert(sizeof(get_sync_status_resp_t) == 3, "get_sync_status_resp_t");

// Reply to the load-report request (0x16).
struct load_report_resp_t
{
    uint32_t result;          // 0 0 = loaded
    uint32_t port;            // 4
    uint32_t test;            // 8 test id
};
static_assert(sizeof(load_report_resp_t) == 12, "load_report_resp_t");

#pragma pack(pop)

static_assert(std::is_trivially_copyable<get_device_info_resp_t>::value, "copyable");
static_assert(std::is_trivially_copyable<get_device_status_resp_t>::value, "copyable");
static_assert(std::is_trivially_copyable<error_t>::value, "copyable");
static_assert(std::is_trivially_copyable<eth_settings_t>::value, "copyable");
