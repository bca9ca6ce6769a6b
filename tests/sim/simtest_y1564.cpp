// The simulated tester's Y.1564 test (4).
#include "simtests.h"

#include "records.h"
#include "y1564records.h"

#include <QList>
#include <QtGlobal>

#include <cstring>

namespace {

constexpr double LineBitsPerSecond = 1e9;
constexpr int FrameOverheadBytes = 20;   // preamble and inter-frame gap

// What a tester fresh from the factory holds: the configuration test with
// step load and the one-minute performance test on one active stream of
// 1518-byte frames, CIR 100 Mbps, EIR 20 Mbps; three more streams prepared
// but off. Destination 192.168.0.2 (Port A) or 192.168.0.1 (Port B).
QByteArray y1564Defaults(quint32 port)
{
    y1564_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.flags = Y1564FlagConfigTest | Y1564FlagStepLoad | Y1564FlagPerformanceTest;
    s.duration = 60;
    s.testStep = 5;
    s.direction = Y1564DirectionBoth;
    s.learningInterval = 100;
    s.waitInterval = 100;
    const uint16_t lengths[Y1564Streams] = {1518, 512, 128, 64};
    for (int i = 0; i < Y1564Streams; ++i) {
        y1564_stream_settings_t &t = s.streams[i];
        t.active = i == 0 ? 1 : 0;
        t.packetLength = lengths[i];
        t.header = simDefaultHeader(port, i);
        t.rateUnit = 3;   // Mbps
        t.cir = 100.0f;
        t.eir = 20.0f;
        t.m = 10.0f;
        t.flr = 0.001f;
        t.ftd = 10000000;   // 10 ms
        t.fdv = 2000000;    // 2 ms
        t.avail = 0.999f;
        for (int k = 0; k < Y1564VlanTags; ++k)
            t.tpid[k] = TpidCustomer;
    }
    return simBytesOf(s);
}

double bitsPerSecond(const y1564_stream_settings_t &t, float rate)
{
    double bps = 0;
    switch (t.rateUnit) {
    case 2: bps = double(rate) * 1e3; break;
    case 3: bps = double(rate) * 1e6; break;
    default: bps = double(rate) / 100.0 * LineBitsPerSecond; break;
    }
    return qBound(0.0, bps, LineBitsPerSecond);
}

// The load a configuration step offers, and what gets through: the steps
// raise the load to a quarter, half, three quarters and all of CIR, then
// CIR + EIR; the policing step offers a quarter more than CIR + EIR and the
// tester's far end lets only CIR + EIR pass.
double measuredRate(const y1564_stream_settings_t &t, int step)
{
    const double cir = bitsPerSecond(t, t.cir);
    const double cirEir = qMin(LineBitsPerSecond, cir + bitsPerSecond(t, t.eir));
    switch (step) {
    case 0: return cir * 0.25;
    case 1: return cir * 0.5;
    case 2: return cir * 0.75;
    case 3: return cir;
    default: return cirEir;
    }
}

// One stream's measurements over some seconds at a rate.
y1564_result_entry_t measure(const y1564_stream_settings_t &t, double rate, qint64 seconds, bool performance)
{
    y1564_result_entry_t e;
    std::memset(&e, 0, sizeof e);
    const double frameBits = (simFrameLength(t.packetLength) + FrameOverheadBytes) * 8.0;
    e.irAvg = quint32(rate);
    e.irMin = quint32(rate * 0.998);
    e.irMax = quint32(qMin(LineBitsPerSecond, rate * 1.001));
    e.ftdMin = 20000;
    e.ftdAvg = 25000;
    e.ftdMax = 40000;
    e.fdvMin = 100;
    e.fdvAvg = 500;
    e.fdvMax = 2000;
    e.frames = quint32(rate / frameBits * double(seconds));
    e.frameLoss = e.frames / 200000;
    if (performance) {
        e.available = quint32(seconds);
        e.unavailable = 0;
    }
    if (e.frames && double(e.frameLoss) / e.frames > double(t.flr))
        e.failures |= Y1564FailFl;
    if (quint32(e.ftdMax) > t.ftd)
        e.failures |= Y1564FailFtd;
    if (quint32(e.fdvMax) > t.fdv)
        e.failures |= Y1564FailFdv;
    if (performance && t.avail > 0 && seconds > 0 && double(e.available) / double(seconds) < double(t.avail))
        e.failures |= Y1564FailAvail;
    return e;
}

// The configuration steps run one after the other for the test step each,
// then the performance test for its duration.
SimResultsAnswer y1564Results(const SimRun &run)
{
    const y1564_settings_t s = simRecordOf<y1564_settings_t>(run.settings);
    y1564_results_t r;
    std::memset(&r, 0, sizeof r);
    if (!run.started)
        return {simBytesOf(r), false};

    QList<int> steps;
    if (s.flags & Y1564FlagConfigTest) {
        if (s.flags & Y1564FlagStepLoad)
            steps << 0 << 1 << 2;
        steps << 3 << 4;
        if (s.flags & Y1564FlagPolicy)
            steps << 5;
    }
    const bool performance = s.flags & Y1564FlagPerformanceTest;
    const quint32 stepSeconds = qMax<quint32>(1, s.testStep);
    const quint32 configSeconds = stepSeconds * quint32(steps.size());
    const quint32 planned = configSeconds + (performance ? qMax<quint32>(1, s.duration) : 0);
    const qint64 elapsed = qMin<qint64>(run.elapsedMs / 1000, planned);
    const bool done = run.elapsedMs / 1000 >= planned;

    r.startTime = run.startClock;
    r.currentTime = run.startClock + quint32(elapsed);
    r.plannedDuration = planned;

    // Configuration test: the steps finished so far and the one running.
    const int stepsReached = elapsed >= configSeconds ? steps.size() : int(elapsed / stepSeconds) + 1;
    r.currentStep = uint8_t(elapsed >= configSeconds ? Y1564ConfigSteps : steps.value(stepsReached - 1));
    for (int i = 0; i < stepsReached && i < steps.size(); ++i) {
        const int step = steps.at(i);
        const qint64 seconds = qMin<qint64>(stepSeconds, elapsed - qint64(i) * stepSeconds);
        for (int stream = 0; stream < Y1564Streams; ++stream) {
            const y1564_stream_settings_t &t = s.streams[stream];
            if (t.active)
                r.config[step][stream] = measure(t, measuredRate(t, step), seconds, false);
        }
    }

    // Performance test, after the configuration test.
    if (!performance) {
        r.performanceStatus = StatusOff;
    } else if (elapsed < configSeconds || (elapsed == configSeconds && !done && configSeconds > 0)) {
        r.performanceStatus = StatusWait;
    } else {
        const qint64 seconds = elapsed - configSeconds;
        r.performanceStatus = simRunStatus(run, done);
        for (int stream = 0; stream < Y1564Streams; ++stream) {
            const y1564_stream_settings_t &t = s.streams[stream];
            if (t.active)
                r.performance[stream] = measure(t, bitsPerSecond(t, t.cir), seconds, true);
        }
    }
    return {simBytesOf(r), done};
}

// Each active stream at its committed rate (frame bytes: the rates count
// the frames, not the wire), with the frames its configuration steps and
// performance test have counted.
QVector<SimStream> y1564Streams(const SimRun &run)
{
    const y1564_settings_t s = simRecordOf<y1564_settings_t>(run.settings);
    const y1564_results_t r = simRecordOf<y1564_results_t>(y1564Results(run).record);
    QVector<SimStream> streams;
    for (int stream = 0; stream < Y1564Streams; ++stream) {
        const y1564_stream_settings_t &t = s.streams[stream];
        if (!t.active)
            continue;
        SimStream out;
        out.length = simFrameLength(t.packetLength);
        out.bytesPerSecond = bitsPerSecond(t, t.cir) / 8;
        for (int step = 0; step < Y1564ConfigSteps; ++step) {
            out.sent += r.config[step][stream].frames;
            out.received += r.config[step][stream].frames - r.config[step][stream].frameLoss;
        }
        out.sent += r.performance[stream].frames;
        out.received += r.performance[stream].frames - r.performance[stream].frameLoss;
        streams << out;
    }
    return streams;
}

} // namespace

void simRegisterY1564(SimTestModels &models)
{
    models[TestY1564].traffic = y1564Streams;
    models[TestY1564].defaultSettings = y1564Defaults;
    models[TestY1564].results = y1564Results;
}
