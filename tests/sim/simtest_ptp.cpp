// The simulated tester's PTP test (7): a PTP client on Port A that follows
// the master its settings choose and counts the message exchange.
#include "simtests.h"

#include "ptprecords.h"
#include "records.h"

#include <cstring>

namespace {

// Two PTP grandmasters on the tester's network; the best master clock
// algorithm picks the first.
constexpr quint32 FirstMaster = 0xC0A8000Au;    // 192.168.0.10
constexpr quint32 SecondMaster = 0xC0A8000Bu;   // 192.168.0.11

// What a tester fresh from the factory holds: multicast in domain 0 with the
// BMCA entry chosen, the IEEE 1588 default intervals (announce every 2 s,
// sync every second), one minute; the servers it has heard of.
QByteArray ptpDefaults(quint32)
{
    ptp_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.client.mode = PtpModeMulticast;
    s.client.server_index = 0;
    s.client.master_ip = FirstMaster;
    s.client.announce_interval = 1;
    s.client.sync_interval = 0;
    s.duration = 60;
    s.servers[0] = FirstMaster;
    s.servers[1] = FirstMaster;
    s.servers[2] = SecondMaster;
    return simBytesOf(s);
}

// Messages in so many seconds at a log2 interval (2^n seconds apart).
quint32 messages(qint64 seconds, int interval)
{
    interval = qBound(-7, interval, 7);
    return interval >= 0 ? quint32(seconds >> interval) : quint32(seconds << -interval);
}

// The master the settings lead to: the unicast address, or in multicast the
// chosen entry of the list (the BMCA entry when the choice names none).
quint32 chosenMaster(const ptp_settings_t &s)
{
    if (s.client.mode != PtpModeMulticast)
        return s.client.master_ip;
    const quint8 i = s.client.server_index;
    return i < PtpServerCount && s.servers[i] ? s.servers[i] : s.servers[0];
}

SimResultsAnswer ptpResults(const SimRun &run)
{
    const ptp_settings_t s = simRecordOf<ptp_settings_t>(run.settings);
    ptp_results_t r;
    std::memset(&r, 0, sizeof r);
    for (auto &interval : {&r.master.announce_interval, &r.master.sync_interval})
        *interval = PtpIntervalNotGiven;
    if (!run.started)
        return {simBytesOf(r), false};

    // A duration of 0 runs until stopped.
    const SimRunTime t = simOpenRunTime(run, s.duration);
    const qint64 seconds = t.seconds;
    const bool done = t.done;
    r.start_time = run.startClock;
    r.current_time = run.startClock + quint32(seconds);
    r.test_duration = s.duration;

    const quint32 master = chosenMaster(s);
    if (master == 0)
        return {simBytesOf(r), done};   // nobody to follow: nothing counted

    const bool negotiated = s.client.mode != PtpModeMulticast && s.client.unicast_negotiation;
    ptp_master_info_t &m = r.master;
    m.master_ip = master;
    const quint8 identity[8] = {0x00, 0x1B, 0x19, 0xFF, 0xFE, 0x00, 0x00, quint8(master == SecondMaster ? 2 : 1)};
    std::memcpy(m.clock_identity, identity, sizeof identity);
    m.port_number = 1;
    m.domain = s.client.domain;
    m.announce_interval = negotiated ? s.client.announce_interval : 1;
    m.sync_interval = negotiated ? s.client.sync_interval : 0;
    m.clock_class = 6;          // locked to a primary reference
    m.clock_accuracy = 0x21;    // within 100 ns
    m.time_source = 0x20;       // GPS
    m.utc_offset = 37;
    m.priority1 = 128;
    m.priority2 = 128;

    r.rx_announce = messages(seconds, m.announce_interval);
    r.rx_sync = messages(seconds, m.sync_interval);
    r.rx_follow_up = r.rx_sync;
    r.tx_delay_req = quint32(seconds);
    r.rx_delay_resp = r.tx_delay_req;
    // Two exchanges before the first delay is known.
    if (seconds >= 2) {
        r.measure_valid = 1;
        r.tms = 1500 + qint32(seconds % 7) * 10;
        r.tsm = 1450 + qint32(seconds % 5) * 10;
        r.t_average = (r.tms + r.tsm) / 2;
        r.offset = (r.tms - r.tsm) / 2;
        r.sync_pdv = 35 + qint32(seconds % 11);
    }
    return {simBytesOf(r), done};
}

} // namespace

void simRegisterPtp(SimTestModels &models)
{
    models[TestPtp].defaultSettings = ptpDefaults;
    models[TestPtp].results = ptpResults;
}
