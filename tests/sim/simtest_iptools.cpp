// The simulated tester's ping, trace route, DNS and IP scanner (8-11).
#include "simtests.h"

#include "iptoolsrecords.h"
#include "records.h"
#include "simremote.h"

#include <QHash>
#include <QtEndian>

#include <cstring>

namespace {

constexpr quint32 AddressA = 0xC0A80001u;      // 192.168.0.1, Port A's own
constexpr quint32 AddressB = 0xC0A80002u;      // 192.168.0.2, Port B's own

// The other port's address: what a tester fresh from the factory probes.
quint32 otherPort(quint32 port)
{
    return port == 0 ? AddressB : AddressA;
}

// An address kept in network order (first octet in the first byte).
quint32 networkOrder(quint32 address)
{
    return qbswap(address);
}

// Destinations no packet reaches: "this network" and multicast and above.
bool unreachable(quint32 address)
{
    const quint32 first = address >> 24;
    return first == 0 || first >= 224;
}

// A test stopped by the operator keeps the results it had: the last record
// the tester answered. Empty while there is none (or it is still running).
QByteArray frozen(const SimRun &run)
{
    if (!run.started || run.running)
        return QByteArray();
    return run.tester->results.value(SimRemoteResponder::key(run.port, run.test));
}

// ---- ping -----------------------------------------------------------------------

// One request a second; every tenth goes unanswered and times out after
// the wait time, the others are answered after 1-3 ms.
constexpr qint64 PingIntervalMs = 1000;
constexpr quint32 PingMaxRequests = 65535;

QByteArray probeDefaults(quint32 port)
{
    probe_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.destination = otherPort(port);
    s.frame_size = 64;
    s.wait_time = 1000;
    return simBytesOf(s);
}

struct PingRequest
{
    quint8 status;
    quint32 latency;
};

PingRequest pingRequest(const probe_settings_t &s, quint32 number, qint64 nowMs)
{
    const qint64 sentAt = qint64(number - 1) * PingIntervalMs;
    const bool answered = !unreachable(s.destination) && number % 10 != 0;
    const quint32 latency = 1 + number % 3;
    const qint64 doneAt = sentAt + (answered ? qint64(latency) : qint64(s.wait_time));
    if (nowMs < doneAt)
        return {PingRequested, 0};
    return answered ? PingRequest{PingReplied, latency} : PingRequest{PingTimedOut, 0};
}

SimResultsAnswer pingResults(const SimRun &run)
{
    const QByteArray kept = frozen(run);
    if (!kept.isEmpty())
        return {kept, false};
    const probe_settings_t s = simRecordOf<probe_settings_t>(run.settings);
    ping_results_t r;
    std::memset(&r, 0, sizeof r);
    r.min_latency = PingNoMinimum;
    if (!run.started)
        return {simBytesOf(r), false};

    const quint32 sent = quint32(qMin<qint64>(run.elapsedMs / PingIntervalMs + 1, PingMaxRequests));
    double total = 0;
    for (quint32 n = 1; n <= sent; ++n) {
        const PingRequest q = pingRequest(s, n, run.elapsedMs);
        if (q.status == PingRequested) {
            ++r.pending;
        } else if (q.status == PingReplied) {
            ++r.received;
            total += q.latency;
            r.min_latency = qMin(r.min_latency, q.latency);
            r.max_latency = qMax(r.max_latency, q.latency);
        }
        if (n + PingRequestEntries > sent) {
            ping_request_t &e = r.requests[n % PingRequestEntries];
            e.status = q.status;
            e.number = quint16(n);
            e.latency = q.latency;
        }
    }
    r.sent = sent;
    r.avg_latency = r.received ? float(total / r.received) : 0.0f;
    return {simBytesOf(r), false};
}

// ---- trace route ----------------------------------------------------------------

// A route of 3 to 15 hops (by the destination's last octet) through routers
// 10.0.n.1; one hop a second is found; the fourth router of a route longer
// than five does not answer.
constexpr qint64 TraceHopMs = 1000;

int routeLength(quint32 destination)
{
    return 3 + int(destination & 0xFF) % 13;
}

trace_hop_t foundHop(const probe_settings_t &s, int index, int hops)
{
    trace_hop_t h;
    std::memset(&h, 0, sizeof h);
    h.hop_number = quint8(index + 1);
    if (index == hops - 1) {
        h.status = TraceHopReached;
        h.address = networkOrder(s.destination);
        h.latency = quint32(2 * hops + 1);
    } else if (index == 3 && hops > 5) {
        h.status = TraceHopTimedOut;
    } else {
        h.status = TraceHopReplied;
        h.address = networkOrder(0x0A000001u | quint32(index + 1) << 8);
        h.latency = quint32(2 * index + 1);
    }
    return h;
}

SimResultsAnswer traceResults(const SimRun &run)
{
    const probe_settings_t s = simRecordOf<probe_settings_t>(run.settings);
    trace_results_t r;
    std::memset(&r, 0, sizeof r);
    if (!run.started)
        return {simBytesOf(r), false};

    const int hops = unreachable(s.destination) ? 0 : routeLength(s.destination);
    int found = int(qMin<qint64>(run.elapsedMs / TraceHopMs, hops));
    bool probing = run.running && found < hops;
    // Stopped: the hops found until then, whatever page is asked for.
    const QByteArray kept = frozen(run);
    if (!kept.isEmpty()) {
        found = qBound(0, int(simRecordOf<trace_results_t>(kept).hop_count), hops);
        probing = false;
    }
    r.hop_count = found;
    for (int k = 0; k < TraceHopsPerPage; ++k) {
        const qint64 index = qint64(run.param) + k;
        if (index < found) {
            r.hops[k] = foundHop(s, int(index), hops);
        } else if (probing && index == found) {
            r.hops[k].status = TraceHopProbing;
            r.hops[k].hop_number = quint8(index + 1);
        }
    }
    return {simBytesOf(r), hops == 0 || found == hops};
}

// ---- DNS ------------------------------------------------------------------------

// Half a second of look-up, then: "localhost" is 127.0.0.1, a name with a
// dot resolves to an address of 198.51.100.0/24 of its own, a name
// without one times out, an empty name is an error.
constexpr qint64 DnsLookupMs = 500;

QByteArray dnsDefaults(quint32 port)
{
    dns_settings_t s;
    std::memset(&s, 0, sizeof s);
    const QByteArray name = port == 0 ? QByteArrayLiteral("ntp.example.org") : QByteArrayLiteral("mail.example.org");
    std::memcpy(s.host_name, name.constData(), size_t(name.size()));
    return simBytesOf(s);
}

QByteArray hostName(const dns_settings_t &s)
{
    const char *text = reinterpret_cast<const char *>(s.host_name);
    return QByteArray(text, int(qstrnlen(text, DnsHostNameField)));
}

SimResultsAnswer dnsResults(const SimRun &run)
{
    const QByteArray kept = frozen(run);
    if (!kept.isEmpty())
        return {kept, false};
    dns_results_t r;
    std::memset(&r, 0, sizeof r);
    if (!run.started)
        return {simBytesOf(r), false};
    if (run.elapsedMs < DnsLookupMs) {
        r.status = DnsInProgress;
        return {simBytesOf(r), false};
    }
    const QByteArray name = hostName(simRecordOf<dns_settings_t>(run.settings));
    if (name.trimmed().isEmpty()) {
        r.status = DnsError;
    } else if (name == "localhost") {
        r.status = DnsPassed;
        r.address = networkOrder(0x7F000001u);
    } else if (!name.contains('.')) {
        r.status = DnsTimeout;
    } else {
        r.status = DnsPassed;
        r.address = networkOrder(0xC6336400u | (1 + qHash(name) % 254));
    }
    return {simBytesOf(r), true};
}

// ---- IP scanner -------------------------------------------------------------------

// The range is probed 32 addresses at a time, each round taking the wait
// time, iterations times over; hosts answer at a few fixed last octets.
constexpr int ScanParallel = 32;

QByteArray scanDefaults(quint32 port)
{
    ipscan_settings_t s;
    std::memset(&s, 0, sizeof s);
    const quint32 network = port == 0 ? 0xC0A80000u : 0xC0A80100u;
    s.first_address = network | 1;
    s.last_address = network | 254;
    s.wait_time = 1000;
    s.iterations = 3;
    return simBytesOf(s);
}

bool hostAnswers(quint32 address)
{
    switch (address & 0xFF) {
    case 1: case 2: case 5: case 10: case 20: case 33: case 50: case 77: case 100: case 150: case 200: case 254:
        return true;
    default:
        return false;
    }
}

SimResultsAnswer scanResults(const SimRun &run)
{
    const QByteArray kept = frozen(run);
    if (!kept.isEmpty())
        return {kept, false};
    const ipscan_settings_t s = simRecordOf<ipscan_settings_t>(run.settings);
    ipscan_results_t r;
    std::memset(&r, 0, sizeof r);
    if (!run.started)
        return {simBytesOf(r), false};

    const quint32 count = s.last_address >= s.first_address
                              ? qMin<quint32>(s.last_address - s.first_address + 1, IpScanAddresses)
                              : 0;
    const quint32 rounds = (count + ScanParallel - 1) / ScanParallel;
    const quint32 duration = qMax<quint32>(1, quint32(qMax<quint16>(1, s.iterations)) * s.wait_time * rounds / 1000);
    const qint64 seconds = qMin<qint64>(run.elapsedMs / 1000, duration);
    r.start_time = run.startClock;
    r.current_time = run.startClock + quint32(seconds);
    r.estimated_duration = duration;
    // The first round of each block of 32 finds its hosts.
    const quint32 scanned = quint32(qMin<qint64>(count, qint64(count) * run.elapsedMs / (qint64(duration) * 1000)));
    for (quint32 offset = 0; offset < scanned; ++offset) {
        if (hostAnswers(s.first_address + offset))
            r.answered[offset / 8] |= quint8(1u << (offset % 8));
    }
    return {simBytesOf(r), seconds >= duration};
}

} // namespace

void simRegisterIpTools(SimTestModels &models)
{
    models[TestPing].defaultSettings = probeDefaults;
    models[TestPing].results = pingResults;
    models[TestTraceRoute].defaultSettings = probeDefaults;
    models[TestTraceRoute].results = traceResults;
    models[TestDns].defaultSettings = dnsDefaults;
    models[TestDns].results = dnsResults;
    models[TestIpScanner].defaultSettings = scanDefaults;
    models[TestIpScanner].results = scanResults;
}
