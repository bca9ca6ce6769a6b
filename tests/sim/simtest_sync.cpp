// The simulated tester's synchronisation test (17).
#include "simtests.h"

#include "records.h"
#include "syncrecords.h"

#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

constexpr quint32 BmcaServer = 0xC0A80032u;     // 192.168.0.50
constexpr quint32 SecondServer = 0xC0A80033u;   // 192.168.0.51
constexpr quint32 Ntp1Server = 0xC0A8000Au;     // 192.168.0.10
constexpr quint32 Ntp2Server = 0x0A000001u;     // 10.0.0.1
constexpr quint16 NtpPort = 123;
// The GPS fix the receiver reports: a rooftop antenna at 59.93428 N,
// 30.33510 E, the time of the simulated tester's clock at power-up.
constexpr quint32 GpsTime = 1700000000u;

gps_info_t gpsFix()
{
    gps_info_t g;
    std::memset(&g, 0, sizeof g);
    g.gps_sync = 1;
    g.pps_sync = 1;
    g.gps_time = GpsTime;
    g.latitude = 59.93428f;
    g.longitude = 30.33510f;
    g.hemisphere = 0;
    g.pdop = 1.8f;
    g.hdop = 0.9f;
    g.vdop = 1.5f;
    const gps_satellite_t seen[] = {
        {2, 67, 112, 44, 1}, {5, 23, 301, 31, 1}, {7, 48, 45, 40, 1}, {9, 12, 210, 24, 0},
        {13, 80, 160, 46, 1}, {15, 35, 275, 36, 1}, {20, 55, 90, 42, 1}, {24, 8, 330, 19, 0},
        {29, 41, 20, 38, 1}, {30, 17, 190, 27, 1},
    };
    int used = 0;
    for (const gps_satellite_t &s : seen) {
        g.satellites[g.satellite_count++] = s;
        used += s.used ? 1 : 0;
    }
    g.satellites_used = quint32(used);
    return g;
}

// What a tester fresh from the factory holds: GPS against PTP for ten
// minutes, the PTP client in multicast with domain detection, two NTP
// servers polled every 16 s, and the receiver's current fix.
QByteArray syncDefaults(quint32)
{
    sync_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.reference = SyncSourceGps;
    s.measured = SyncSourcePtp;
    s.duration = 600;
    s.ptp.mode = PtpModeMulticast;
    s.ptp.server_index = 0;
    s.ptp.auto_domain = 1;
    s.ptp.announce_interval = 1;
    s.ptp.sync_interval = 0;
    s.convert_to_utc = 1;
    s.servers[0] = BmcaServer;
    s.servers[1] = BmcaServer;
    s.servers[2] = SecondServer;
    s.ntp1_ip = Ntp1Server;
    s.ntp1_port = NtpPort;
    s.ntp1_interval = 16;
    s.ntp2_ip = Ntp2Server;
    s.ntp2_port = NtpPort;
    s.ntp2_interval = 16;
    s.gps = gpsFix();
    return simBytesOf(s);
}

bool uses(const sync_settings_t &s, uint8_t source)
{
    return s.reference == source || s.measured == source;
}

ptp_master_info_t ptpMaster()
{
    ptp_master_info_t m;
    std::memset(&m, 0, sizeof m);
    m.master_ip = BmcaServer;
    const uint8_t id[8] = {0x00, 0x1B, 0x19, 0xFF, 0xFE, 0x00, 0x00, 0x01};
    std::memcpy(m.clock_identity, id, sizeof id);
    m.port_number = 1;
    m.domain = 0;
    m.announce_interval = 1;
    m.sync_interval = 0;
    m.clock_class = 6;
    m.clock_accuracy = 0x21;
    m.time_source = 0x20;   // GPS
    m.utc_offset = 37;
    m.priority1 = 128;
    m.priority2 = 128;
    return m;
}

// NTP 1 is a stratum-1 server on GPS, NTP 2 a stratum-2 server behind NTP 1.
ntp_server_info_t ntpServer(int server)
{
    ntp_server_info_t n;
    std::memset(&n, 0, sizeof n);
    n.version = 4;
    n.poll = 4;
    n.precision = -20;
    if (server == 1) {
        n.server_ip = Ntp1Server;
        n.stratum = 1;
        n.root_delay = 0u << 16;                       // 0.0000 s
        n.root_dispersion = (32768u << 16) | 0u;       // 0.5000 s
        std::memcpy(n.reference_id, "GPS", 3);
    } else {
        n.server_ip = Ntp2Server;
        n.stratum = 2;
        n.root_delay = (6554u << 16) | 0u;             // 0.1000 s
        n.root_dispersion = (16384u << 16) | 1u;       // 1.2500 s
        qToLittleEndian<quint32>(Ntp1Server, n.reference_id);
    }
    return n;
}

// Nanoseconds of phase between the two sources in second t of a run: a
// slow wander of a few hundred nanoseconds around +120 ns.
qint32 phaseAt(qint64 t)
{
    static const qint32 wander[] = {0, 35, 60, 40, -10, -55, -80, -45, 5, 30};
    return 120 + wander[t % 10];
}

// Before any start: nothing measured. Afterwards the run's seconds (up to
// its duration), the phase statistics over them, the two clocks and what
// the PTP and NTP sources in use report. The run ends when its duration
// has passed; a duration of 0 runs until stopped.
SimResultsAnswer syncResults(const SimRun &run)
{
    const sync_settings_t s = simRecordOf<sync_settings_t>(run.settings);
    sync_results_t r;
    std::memset(&r, 0, sizeof r);
    if (!run.started)
        return {simBytesOf(r), false};

    const SimRunTime t = simOpenRunTime(run, s.duration);
    const qint64 seconds = t.seconds;
    const bool done = t.done;
    r.elapsed_time = quint32(seconds);
    r.phase_min = std::numeric_limits<qint32>::max();
    r.phase_max = std::numeric_limits<qint32>::min();
    qint64 sum = 0;
    for (qint64 t = 1; t <= seconds; ++t) {
        const qint32 p = phaseAt(t);
        r.phase_min = qMin(r.phase_min, p);
        r.phase_max = qMax(r.phase_max, p);
        sum += p;
    }
    if (seconds > 0) {
        r.phase_instant = phaseAt(seconds);
        r.phase_average = qint32(sum / seconds);
    }
    const quint32 now = run.startClock + quint32(seconds);
    if (s.reference != SyncSourceNone)
        r.reference_time = now;
    if (s.measured != SyncSourceNone)
        r.measured_time = now;
    if (uses(s, SyncSourcePtp))
        r.master = ptpMaster();
    if (uses(s, SyncSourceNtp1))
        r.ntp1 = ntpServer(1);
    if (uses(s, SyncSourceNtp2))
        r.ntp2 = ntpServer(2);
    return {simBytesOf(r), done};
}

} // namespace

void simRegisterSync(SimTestModels &models)
{
    models[TestSync].defaultSettings = syncDefaults;
    models[TestSync].results = syncResults;
}
