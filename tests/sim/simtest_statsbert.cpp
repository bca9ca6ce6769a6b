// The simulated tester's port statistics (1) and BERT (19). Pass-through
// (0x0A codes 7 and 8) sets bit 0 of the port's process word in simremote.
#include "simtests.h"

#include "bertrecords.h"
#include "records.h"
#include "simremote.h"
#include "statsrecords.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <cstring>

namespace {

// ---- port statistics ----------------------------------------------------------

constexpr double LineBytesPerSecond = 125000000.0;   // 1 Gbit/s
constexpr double TestShare = 0.9;                    // a running test fills 90 % of the line
constexpr double TestFrame = 1518;
constexpr double PreambleAndGap = 20;                // layer 1 bytes around each frame
constexpr double EthernetOverhead = 18;              // header and FCS: layer 2 less layer 3
constexpr double CrcErrorsPerFrame = 2e-7;

// Traffic of one direction, in frames per second, by kind and size bin.
struct Flow
{
    double broadcast = 0;   // 64-byte frames
    double multicast = 0;   // 110-byte frames
    double unicast = 0;     // 590-byte frames
    double test = 0;        // frames of a running test
    double bytesPerSecond() const
    {
        return broadcast * 64 + multicast * 110 + unicast * 590 + test * TestFrame;
    }
    double framesPerSecond() const { return broadcast + multicast + unicast + test; }
};

// What the port sees now: a little management traffic while the link is up,
// and a test's frames while one runs on the port in that direction.
Flow flow(const get_device_status_resp_t &status, quint32 port, bool transmit)
{
    Flow f;
    if (port > 1 || !status.link[port].up)
        return f;
    f.broadcast = 4;
    f.multicast = 2;
    f.unicast = 30;
    const quint32 words = transmit ? status.process[port].tx : status.process[port].rx;
    const bool passThrough = status.process[port].tx & (1u << ProcessBitPassThrough);
    if ((words & ~(1u << ProcessBitPassThrough)) != 0 || passThrough)
        f.test = TestShare * LineBytesPerSecond / (TestFrame + PreambleAndGap);
    return f;
}

// Counters of one direction as the tester accumulates them.
struct Accumulated
{
    double broadcast = 0, multicast = 0, unicast = 0, test = 0, crc = 0;
};

struct PortCounters
{
    int resets = -1;            // the tester's reset count these counters follow
    qint64 lastMs = 0;
    Accumulated rx, tx;
    QByteArray last;            // the record last answered
};

// Counters per tester and port. The tester's own state holds only the reset
// count and the last record; the accumulation lives here, under its own lock
// (testers run in threads of their own). A tester whose last record is not
// the one answered here (a new tester at a freed address, a record stored by
// a test) starts from zero.
QMutex countersLock;
QHash<QPair<const void *, quint32>, PortCounters> counters;

qint64 nowMs()
{
    static QElapsedTimer clock;
    static const bool started = (clock.start(), true);
    Q_UNUSED(started);
    return clock.elapsed();
}

void accumulate(Accumulated &a, const Flow &f, double seconds, bool receiving)
{
    a.broadcast += f.broadcast * seconds;
    a.multicast += f.multicast * seconds;
    a.unicast += f.unicast * seconds;
    a.test += f.test * seconds;
    if (receiving)
        a.crc += f.framesPerSecond() * seconds * CrcErrorsPerFrame;
}

void fill(stats_counters_t &c, const Accumulated &a, const Flow &now)
{
    const auto n = [](double v) { return quint64(v); };
    c.broadcast = n(a.broadcast);
    c.multicast = n(a.multicast);
    c.unicast = n(a.unicast + a.test);
    c.frames = c.broadcast + c.multicast + c.unicast;
    c.bytes = n(a.broadcast * 64 + a.multicast * 110 + a.unicast * 590 + a.test * TestFrame);
    c.crcErrors = n(a.crc);
    c.sizes[1] = c.broadcast;              // 64
    c.sizes[2] = c.multicast;              // 65-127
    c.sizes[5] = n(a.unicast);             // 512-1023
    c.sizes[6] = n(a.test);                // 1024-1518
    const double l2 = now.bytesPerSecond();
    c.rateL2.bytesPerSecond = quint32(l2);
    c.rateL1.bytesPerSecond = quint32(l2 + now.framesPerSecond() * PreambleAndGap);
    c.rateL3.bytesPerSecond = quint32(qMax(0.0, l2 - now.framesPerSecond() * EthernetOverhead));
}

QByteArray statsDefaults(quint32)
{
    stats_settings_t s;
    s.autoReset = 0;
    return simBytesOf(s);
}

SimResultsAnswer statsResults(const SimRun &run)
{
    const SimRemoteResponder &tester = *run.tester;
    const Flow rxNow = flow(tester.status, run.port, false);
    const Flow txNow = flow(tester.status, run.port, true);
    stats_results_t r;
    std::memset(&r, 0, sizeof r);
    {
        QMutexLocker lock(&countersLock);
        PortCounters &c = counters[qMakePair(static_cast<const void *>(&tester), run.port)];
        const qint64 now = nowMs();
        const QByteArray answered = tester.results.value(SimRemoteResponder::key(run.port, TestStatistics));
        if (c.resets != tester.statisticsResets || c.last.isEmpty() || answered != c.last) {
            c = PortCounters();
            c.resets = tester.statisticsResets;
            c.lastMs = now;
        }
        const double seconds = double(now - c.lastMs) / 1000.0;
        c.lastMs = now;
        accumulate(c.rx, rxNow, seconds, true);
        accumulate(c.tx, txNow, seconds, false);
        fill(r.rx, c.rx, rxNow);
        fill(r.tx, c.tx, txNow);
        c.last = simBytesOf(r);
    }
    return {simBytesOf(r), false};
}

// ---- BERT -----------------------------------------------------------------------

constexpr double BitErrorRatio = 1e-11;
constexpr quint32 SecondsPerLss = 600;

// A tester fresh from the factory: 2e23-1 in 1518-byte frames at 100 % for
// one minute, user word AAAAAAAA, one second to synchronise.
QByteArray bertDefaults(quint32)
{
    bert_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.pattern = BertPattern2e23;
    s.frameSize = 1518;
    s.rate = 100;
    s.rateUnit = 0;
    s.duration = 60;
    s.userPattern = 0xAAAAAAAAu;
    s.syncWait = 1000;
    s.patternOffset = 0;
    return simBytesOf(s);
}

// Line rate of 1 Gbit/s scaled by the rate; a duration of 0 runs until
// stopped.
SimResultsAnswer bertResults(const SimRun &run)
{
    const bert_settings_t s = simRecordOf<bert_settings_t>(run.settings);
    bert_results_t r;
    std::memset(&r, 0, sizeof r);
    if (!run.started)
        return {simBytesOf(r), false};
    const double share = simLineShare(s.rateUnit, s.rate);
    const SimRunTime t = simOpenRunTime(run, s.duration);
    const quint32 seconds = quint32(t.seconds);
    const double size = qBound(64, int(s.frameSize), 9600);
    const double payloadShare = (size - s.patternOffset) / (size + PreambleAndGap);
    r.bits = quint64(share * 8 * LineBytesPerSecond * payloadShare * seconds);
    r.errorBits = quint64(double(r.bits) * BitErrorRatio);
    r.lss = seconds / SecondsPerLss;
    r.los = 0;
    r.elapsed = seconds;
    return {simBytesOf(r), t.done};
}

quint32 bertRate(const QByteArray &settings)
{
    const bert_settings_t s = simRecordOf<bert_settings_t>(settings);
    return simFrameBytesPerSecond(simLineShare(s.rateUnit, s.rate), s.frameSize);
}

} // namespace

void simRegisterStatsBert(SimTestModels &models)
{
    models[TestBert].sendRate = bertRate;
    models[TestStatistics].defaultSettings = statsDefaults;
    models[TestStatistics].results = statsResults;
    models[TestBert].defaultSettings = bertDefaults;
    models[TestBert].results = bertResults;
}
