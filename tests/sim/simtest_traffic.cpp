// The simulated tester's traffic and asymmetric traffic tests (2, 16).
#include "simtests.h"

#include "asymrecords.h"
#include "records.h"
#include "trafficrecords.h"

#include <cstring>

namespace {

// What a tester fresh from the factory holds: frames of 1518 bytes at 100 %
// for one minute, towards 192.168.0.2 (Port A) or 192.168.0.1 (Port B).
QByteArray trafficDefaults(quint32 port)
{
    traffic_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.header = simDefaultHeader(port);
    s.rateUnit = 0;
    s.rate = 100;
    s.packetLength = 1518;
    s.duration = 60;
    s.learningInterval = 100;
    s.waitInterval = 100;
    s.flrThreshold = 0.001f;
    return simBytesOf(s);
}

// Line rate of 1 Gbit/s (125 000 000 bytes per second on the wire, each
// frame with 20 bytes of preamble and gap).
constexpr double LineBytesPerSecond = 125000000.0;
constexpr quint32 WireOverhead = 20;

// What a flow at the given rate, in frames of the given length, has sent
// and received after so many seconds: one frame in 100000 is lost.
struct FlowCount
{
    quint32 length;            // bytes per frame, within 64-9600
    quint32 txFrames;
    quint32 rxFrames;
    quint32 bytesPerSecond;
};

FlowCount flowCount(quint8 unit, quint16 rate, quint16 packetLength, qint64 seconds)
{
    const double share = simLineShare(unit, rate);
    FlowCount c;
    c.length = simFrameLength(packetLength);
    c.txFrames = quint32(share * LineBytesPerSecond / (c.length + WireOverhead) * seconds);
    c.rxFrames = c.txFrames - c.txFrames / 100000;
    c.bytesPerSecond = simFrameBytesPerSecond(share, c.length);
    return c;
}

// Results of a timed run: "Wait" before any start; afterwards the run's
// clock and status, and what fill() counts for the seconds run so far.
// The run ends when its set duration has passed.
template <class Settings, class Results, class Fill>
SimResultsAnswer timedRun(const SimRun &run, uint32_t Settings::*duration, Fill fill)
{
    const Settings s = simRecordOf<Settings>(run.settings);
    Results r;
    std::memset(&r, 0, sizeof r);
    if (!run.started) {
        r.status = StatusWait;
        return {simBytesOf(r), false};
    }
    const SimRunTime t = simRunTime(run, s.*duration);
    r.startTime = run.startClock;
    r.currentTime = run.startClock + quint32(t.seconds);
    r.status = simRunStatus(run, t.done);
    fill(s, t, r);
    return {simBytesOf(r), t.done};
}

// Scaled by a percent rate (other units are taken as their share of the line).
SimResultsAnswer trafficResults(const SimRun &run)
{
    return timedRun<traffic_settings_t, traffic_results_t>(
        run, &traffic_settings_t::duration,
        [](const traffic_settings_t &s, const SimRunTime &t, traffic_results_t &r) {
            const FlowCount c = flowCount(s.rateUnit, s.rate, s.packetLength, t.seconds);
            r.estimatedTime = t.duration;
            r.txFrames = c.txFrames;
            r.rxFrames = c.rxFrames;
            r.txBytes = quint64(c.txFrames) * c.length;
            r.rate = c.bytesPerSecond;
            r.pdv = 850;
            r.lostFrames = r.txFrames - r.rxFrames;
            r.latency = 12500;
        });
}

// Both directions of the asymmetric test from the factory: 800 Mbps of
// 1518-byte frames out, 100 Mbps of 512-byte frames in, for one minute.
QByteArray asymDefaults(quint32 port)
{
    auto flow = [port](quint32 destination, quint8 unit, quint16 rate, quint16 length) {
        flow_settings_t f;
        std::memset(&f, 0, sizeof f);
        f.header = simDefaultHeader(port);
        f.header.ipDest = destination;
        f.rateUnit = unit;
        f.rate = rate;
        f.packetLength = length;
        f.maxFlr = 0.001f;
        return f;
    };
    asym_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.direction = DirectionBoth;
    s.duration = 60;
    s.learningInterval = 1000;
    s.waitInterval = 1000;
    s.output = flow(simPortAddress(port == 0 ? 1 : 0), 3, 800, 1518);
    s.input = flow(simPortAddress(port), 3, 100, 512);
    return simBytesOf(s);
}

// A flow that runs counts its frames like the traffic test; one the
// direction leaves out counts nothing.
flow_stats_t flowStats(const flow_settings_t &f, bool runs, qint64 seconds)
{
    flow_stats_t st;
    std::memset(&st, 0, sizeof st);
    if (!runs)
        return st;
    const FlowCount c = flowCount(f.rateUnit, f.rate, f.packetLength, seconds);
    st.txFrames = c.txFrames;
    st.rxFrames = c.rxFrames;
    st.rate = c.bytesPerSecond;
    st.pdv = 900;
    return st;
}

SimResultsAnswer asymResults(const SimRun &run)
{
    return timedRun<asym_settings_t, asym_results_t>(
        run, &asym_settings_t::duration, [](const asym_settings_t &s, const SimRunTime &t, asym_results_t &r) {
            r.duration = t.duration;
            r.output = flowStats(s.output, s.direction != DirectionInput, t.seconds);
            r.input = flowStats(s.input, s.direction != DirectionOutput, t.seconds);
        });
}

// The frames of a flow as its results count them.
SimStream streamOf(const flow_settings_t &f, quint32 txFrames, quint32 rxFrames, bool fromFarEnd)
{
    const FlowCount c = flowCount(f.rateUnit, f.rate, f.packetLength, 0);
    return {c.length, double(c.bytesPerSecond), txFrames, rxFrames, fromFarEnd};
}

QVector<SimStream> trafficStreams(const SimRun &run)
{
    const traffic_settings_t s = simRecordOf<traffic_settings_t>(run.settings);
    const traffic_results_t r = simRecordOf<traffic_results_t>(trafficResults(run).record);
    const FlowCount c = flowCount(s.rateUnit, s.rate, s.packetLength, 0);
    return {{c.length, double(c.bytesPerSecond), r.txFrames, r.rxFrames, false}};
}

// The output flow leaves the port; the input flow comes from the far end.
QVector<SimStream> asymStreams(const SimRun &run)
{
    const asym_settings_t s = simRecordOf<asym_settings_t>(run.settings);
    const asym_results_t r = simRecordOf<asym_results_t>(asymResults(run).record);
    QVector<SimStream> streams;
    if (s.direction != DirectionInput)
        streams << streamOf(s.output, r.output.txFrames, r.output.rxFrames, false);
    if (s.direction != DirectionOutput)
        streams << streamOf(s.input, r.input.txFrames, r.input.rxFrames, true);
    return streams;
}

} // namespace

void simRegisterTraffic(SimTestModels &models)
{
    models[TestTraffic].traffic = trafficStreams;
    models[TestAsymTraffic].traffic = asymStreams;
    models[TestTraffic].defaultSettings = trafficDefaults;
    models[TestTraffic].results = trafficResults;
    models[TestAsymTraffic].defaultSettings = asymDefaults;
    models[TestAsymTraffic].results = asymResults;
}
