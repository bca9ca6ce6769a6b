// The simulated tester's jitter and multistream tests (5, 6).
#include "simtests.h"

#include "jitterrecords.h"
#include "multirecords.h"
#include "records.h"

#include <QtGlobal>

#include <cstring>

namespace {

constexpr double LineBytesPerSecond = 125000000.0;   // 1 Gbit/s
constexpr quint32 FrameOverhead = 20;                // preamble and gap

// The share of the line a rate takes in its unit; an unknown unit sends
// nothing.
double lineShare(quint8 unit, quint32 rate)
{
    return unit <= 3 ? simLineShare(unit, rate) : 0.0;
}

double framesPerSecond(quint8 unit, quint32 rate, quint32 packetLength)
{
    const quint32 length = simFrameLength(packetLength);
    return lineShare(unit, rate) * LineBytesPerSecond / (length + FrameOverhead);
}

// ---- jitter ------------------------------------------------------------------

// Frames of 512 bytes at 10 % for one minute, bins up to 10 ms.
QByteArray jitterDefaults(quint32 port)
{
    jitter_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.packetLength = 512;
    s.rate = 10;
    s.rateUnit = 0;
    s.duration = 60;
    s.threshold = 10;
    s.header = simDefaultHeader(port);
    return simBytesOf(s);
}

// Most frames arrive with little jitter; the share falls off bin by bin,
// and the open last bin holds a few stragglers. Per 10000 frames.
constexpr quint64 JitterSpread[JitterBins] = {6200, 2400, 800, 350, 150, 60, 25, 10, 5};
constexpr quint64 JitterSpreadTotal = 10000;
constexpr quint64 OutOfOrderPer = 20000;

SimResultsAnswer jitterResults(const SimRun &run)
{
    const jitter_settings_t s = simRecordOf<jitter_settings_t>(run.settings);
    jitter_results_t r;
    std::memset(&r, 0, sizeof r);
    if (!run.started)
        return {simBytesOf(r), false};
    const SimRunTime t = simRunTime(run, s.duration);
    r.passedTime = quint32(t.seconds);
    r.rxAll = quint64(framesPerSecond(s.rateUnit, s.rate, s.packetLength) * t.seconds);
    r.rxInOrder = r.rxAll - r.rxAll / OutOfOrderPer;
    quint64 binned = 0;
    for (int i = 0; i + 1 < JitterBins; ++i) {
        r.bins[i] = r.rxAll * JitterSpread[i] / JitterSpreadTotal;
        binned += r.bins[i];
    }
    r.bins[JitterBins - 1] = r.rxAll - binned;
    return {simBytesOf(r), t.done};
}

// ---- multistream ---------------------------------------------------------------

// One minute; streams 1 to 3 on at 10 %, 5 % and 2 Mbps with 64, 512 and
// 1518 byte frames; the others off at 1 % with growing frame sizes.
QByteArray multiDefaults(quint32 port)
{
    multi_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.duration = 60;
    s.learningTime = 1000;
    s.waitInterval = 1000;
    constexpr quint16 Lengths[MultiStreamCount] = {64, 512, 1518, 128, 256, 1024, 1280, 2000, 4000, 9600};
    for (int i = 0; i < MultiStreamCount; ++i) {
        stream_settings_t &st = s.streams[i];
        st.active = i < 3 ? 1 : 0;
        st.rateUnit = 0;
        st.rate = 1;
        st.packetLength = Lengths[i];
        st.header = simDefaultHeader(port, i);
    }
    s.streams[0].rate = 10;
    s.streams[1].rate = 5;
    s.streams[2].rateUnit = 3;
    s.streams[2].rate = 2;
    return simBytesOf(s);
}

constexpr quint32 LossPer = 50000;
constexpr quint32 BaseLatencyNs = 12000;
constexpr quint32 LatencyStepNs = 350;

SimResultsAnswer multiResults(const SimRun &run)
{
    const multi_settings_t s = simRecordOf<multi_settings_t>(run.settings);
    multi_results_t r;
    std::memset(&r, 0, sizeof r);
    if (!run.started)
        return {simBytesOf(r), false};
    const SimRunTime t = simRunTime(run, s.duration);
    r.elapsed = quint32(t.seconds);
    for (int i = 0; i < MultiStreamCount; ++i) {
        const stream_settings_t &st = s.streams[i];
        if (!st.active)
            continue;
        stream_result_t &out = r.streams[i];
        out.load = float(lineShare(st.rateUnit, st.rate) * 100.0);
        out.txFrames = quint32(framesPerSecond(st.rateUnit, st.rate, st.packetLength) * t.seconds);
        out.rxFrames = out.txFrames - out.txFrames / LossPer;
        out.latency = BaseLatencyNs + LatencyStepNs * quint32(i);
    }
    return {simBytesOf(r), t.done};
}

// Every frame sent is counted where it arrives.
QVector<SimStream> jitterStreams(const SimRun &run)
{
    const jitter_settings_t s = simRecordOf<jitter_settings_t>(run.settings);
    const jitter_results_t r = simRecordOf<jitter_results_t>(jitterResults(run).record);
    const quint32 length = simFrameLength(s.packetLength);
    const quint64 frames = quint64(r.rxAll);
    return {{length, double(simFrameBytesPerSecond(lineShare(s.rateUnit, s.rate), length)), frames, frames, false}};
}

// The active streams, each as its results count it.
QVector<SimStream> multiStreams(const SimRun &run)
{
    const multi_settings_t s = simRecordOf<multi_settings_t>(run.settings);
    const multi_results_t r = simRecordOf<multi_results_t>(multiResults(run).record);
    QVector<SimStream> streams;
    for (int i = 0; i < MultiStreamCount; ++i) {
        const stream_settings_t &st = s.streams[i];
        if (!st.active)
            continue;
        const quint32 length = simFrameLength(st.packetLength);
        streams << SimStream{length, double(simFrameBytesPerSecond(lineShare(st.rateUnit, st.rate), length)),
                             r.streams[i].txFrames, r.streams[i].rxFrames, false};
    }
    return streams;
}

} // namespace

void simRegisterJitterMulti(SimTestModels &models)
{
    models[TestJitter].traffic = jitterStreams;
    models[TestMultistream].traffic = multiStreams;
    models[TestJitter].defaultSettings = jitterDefaults;
    models[TestJitter].results = jitterResults;
    models[TestMultistream].defaultSettings = multiDefaults;
    models[TestMultistream].results = multiResults;
}
