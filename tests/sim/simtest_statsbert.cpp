// The simulated tester's port statistics (1) and BERT (19). Pass-through
// (0x0A codes 7 and 8) sets bit 0 of the port's process word in simremote.
#include "simtests.h"

#include "bertrecords.h"
#include "records.h"
#include "simremote.h"
#include "statsrecords.h"

#include <QMap>

#include <cstring>

namespace {

// ---- port statistics ----------------------------------------------------------

constexpr double LineBytesPerSecond = 125000000.0;   // 1 Gbit/s
constexpr double PreambleAndGap = 20;                // layer 1 bytes around each frame
constexpr double EthernetOverhead = 18;              // header and FCS: layer 2 less layer 3

// The frame-size bin of a length: <64, 64, 65-127, 128-255, 256-511,
// 512-1023, 1024-1518, >1518.
int sizeBin(quint32 length)
{
    if (length < 64)
        return 0;
    if (length == 64)
        return 1;
    if (length <= 127)
        return 2;
    if (length <= 255)
        return 3;
    if (length <= 511)
        return 4;
    if (length <= 1023)
        return 5;
    return length <= 1518 ? 6 : 7;
}

// One direction of a port: the test frames counted (all unicast, no
// errors) and the rates of the tests running now.
void fill(stats_counters_t &c, const QMap<quint32, quint64> &frames, double bytesPerSecond, double framesPerSecond)
{
    for (auto it = frames.cbegin(); it != frames.cend(); ++it) {
        c.frames += it.value();
        c.unicast += it.value();
        c.bytes += it.value() * it.key();
        c.sizes[sizeBin(it.key())] += it.value();
    }
    c.rateL2.bytesPerSecond = quint32(bytesPerSecond);
    c.rateL1.bytesPerSecond = quint32(bytesPerSecond + framesPerSecond * PreambleAndGap);
    c.rateL3.bytesPerSecond = quint32(qMax(0.0, bytesPerSecond - framesPerSecond * EthernetOverhead));
}

QByteArray statsDefaults(quint32)
{
    stats_settings_t s;
    s.autoReset = 0;
    return simBytesOf(s);
}

// What the tests have sent and received through the port since its
// counters were last reset, and what runs through it now.
SimResultsAnswer statsResults(const SimRun &run)
{
    const SimRemoteResponder::PortTraffic t = run.tester->portTraffic(run.port);
    stats_results_t r;
    std::memset(&r, 0, sizeof r);
    fill(r.rx, t.rxFrames, t.rxBytesPerSecond, t.rxFramesPerSecond);
    fill(r.tx, t.txFrames, t.txBytesPerSecond, t.txFramesPerSecond);
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
    const double size = simFrameLength(s.frameSize);
    const double payloadShare = (size - s.patternOffset) / (size + PreambleAndGap);
    r.bits = quint64(share * 8 * LineBytesPerSecond * payloadShare * seconds);
    r.errorBits = quint64(double(r.bits) * BitErrorRatio);
    r.lss = seconds / SecondsPerLss;
    r.los = 0;
    r.elapsed = seconds;
    return {simBytesOf(r), t.done};
}

// The pattern's frames at the set rate; every frame arrives (the errors are
// bit errors inside them).
QVector<SimStream> bertStreams(const SimRun &run)
{
    const bert_settings_t s = simRecordOf<bert_settings_t>(run.settings);
    const double share = simLineShare(s.rateUnit, s.rate);
    const quint32 length = simFrameLength(s.frameSize);
    const qint64 seconds = run.started ? simOpenRunTime(run, s.duration).seconds : 0;
    const quint64 frames = quint64(share * LineBytesPerSecond / (length + PreambleAndGap) * double(seconds));
    return {{length, double(simFrameBytesPerSecond(share, length)), frames, frames, false}};
}

} // namespace

void simRegisterStatsBert(SimTestModels &models)
{
    models[TestBert].traffic = bertStreams;
    models[TestStatistics].defaultSettings = statsDefaults;
    models[TestStatistics].results = statsResults;
    models[TestBert].defaultSettings = bertDefaults;
    models[TestBert].results = bertResults;
}
