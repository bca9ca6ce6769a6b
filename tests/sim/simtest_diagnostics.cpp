// The simulated tester's cable (12), link OAM (14), MDI (15) and loopback (21).
#include "simtests.h"

#include "cablerecords.h"
#include "lbrecords.h"
#include "mdirecords.h"
#include "oamrecords.h"
#include "records.h"

#include <cstring>

namespace {

// ---- cable diagnostics ------------------------------------------------------

// A measurement takes a few seconds.
constexpr qint64 CableMeasureMs = 3000;

// A 100 m patch cable whose pair 7-8 is shorted 51 m out and whose pairs
// 5-6 and 7-8 are crossed (Port B's pair 5-6 is also reversed).
cable_results_t measuredCable(quint32 port)
{
    cable_results_t r;
    std::memset(&r, 0, sizeof r);
    r.detailsValid = 1;
    r.abStraight = 1;
    r.cdStraight = 0;
    const quint8 latency[CablePairCount] = {62, 63, 61, 62};   // x 8 ns
    for (int i = 0; i < CablePairCount; ++i) {
        r.detail[i].latency = latency[i];
        r.pair[i].status = CablePairGood;
    }
    r.detail[2].polarity = port == 1 ? 1 : 0;
    r.pair[3].status = CablePairShort;
    r.pair[3].distance = 100;
    return r;
}

// No valid results until a measurement is done: a tester that has not
// measured a cable has nothing to show for it, and while it measures again
// the reader keeps what it had.
SimResultsAnswer cableResults(const SimRun &run)
{
    if (!run.started || (run.running && run.elapsedMs < CableMeasureMs))
        return {QByteArray(int(sizeof(cable_results_t)), '\0'), false, false};
    return {simBytesOf(measuredCable(run.port)), true};
}

// ---- link OAM -----------------------------------------------------------------

QByteArray oamDefaults(quint32 port)
{
    oam_settings_t s;
    s.mode = port == 0 ? OamModeActive : OamModePassive;
    return simBytesOf(s);
}

// The link partner answers discovery while the test runs (and its last
// answer stays after a stop); with OAM disabled nobody is discovered.
SimResultsAnswer oamResults(const SimRun &run)
{
    const oam_settings_t s = simRecordOf<oam_settings_t>(run.settings);
    oam_results_t r;
    std::memset(&r, 0, sizeof r);
    if (run.started && s.mode != OamModeDisabled) {
        r.present = 1;
        r.flags = OamFlagActive | OamFlagRemoteLoopback | OamFlagLinkEvents;
        const quint8 vendor[4] = {0x00, 0x1b, 0x2c, 0x3d};
        std::memcpy(r.vendor, vendor, sizeof vendor);
        const quint8 mac[6] = {0x00, 0x1b, 0x2c, 0x3d, 0x4e, quint8(0x50 + run.port)};
        std::memcpy(r.mac, mac, sizeof mac);
    }
    return {simBytesOf(r), false};
}

// ---- MDI ----------------------------------------------------------------------

// A 20 Mbit/s transport stream in frames of seven 188-byte packets, for
// one minute, towards the other port.
QByteArray mdiDefaults(quint32 port)
{
    mdi_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.unit = 3;
    s.rate = 20;
    s.packetLength = 1316;
    s.learningInterval = 1000;
    s.duration = 60;
    s.mlrThreshold = 0.00001f;
    s.header = simDefaultHeader(port);
    return simBytesOf(s);
}

// The stream's rate in kbps or Mbps; other units send nothing.
double mdiBytesPerSecond(const mdi_settings_t &s)
{
    const double bitsPerSecond = s.rate * (s.unit == 3 ? 1e6 : s.unit == 2 ? 1e3 : 0.0);
    return qMin(bitsPerSecond, 1e9) / 8;
}

SimResultsAnswer mdiResults(const SimRun &run)
{
    const mdi_settings_t s = simRecordOf<mdi_settings_t>(run.settings);
    mdi_results_t r;
    std::memset(&r, 0, sizeof r);
    if (!run.started) {
        r.status = StatusWait;
        return {simBytesOf(r), false};
    }
    const SimRunTime t = simRunTime(run, s.duration);
    const double bytesPerSecond = mdiBytesPerSecond(s);
    const quint32 length = simFrameLength(s.packetLength);
    r.status = simRunStatus(run, t.done);
    r.startTime = run.startClock;
    r.currentTime = run.startClock + quint32(t.seconds);
    r.estimate = t.duration;
    r.delayFactor = 0.0025f + 0.0001f * float(t.seconds % 5);
    r.expectedFrames = quint32(bytesPerSecond / length * t.seconds);
    r.lostFrames = r.expectedFrames / 200000;
    r.rxRate = quint32(bytesPerSecond * (r.expectedFrames ? 1.0 - double(r.lostFrames) / r.expectedFrames : 1.0));
    return {simBytesOf(r), t.done};
}

// The transport stream as the results count it.
QVector<SimStream> mdiStreams(const SimRun &run)
{
    const mdi_settings_t s = simRecordOf<mdi_settings_t>(run.settings);
    const mdi_results_t r = simRecordOf<mdi_results_t>(mdiResults(run).record);
    return {{simFrameLength(s.packetLength), mdiBytesPerSecond(s), r.expectedFrames,
             quint64(r.expectedFrames) - r.lostFrames, false}};
}

// ---- loopback -----------------------------------------------------------------

// Nothing replaced; addresses ready for the operator to switch on.
QByteArray loopbackDefaults(quint32 port)
{
    lb_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.ipSrc = simPortAddress(port);
    s.ipDst = simPortAddress(port == 0 ? 1 : 0);
    s.vlanId = 1;
    const quint8 macSrc[6] = {0x02, 0x00, 0x00, 0x00, 0x00, quint8(1 + port)};
    const quint8 macDst[6] = {0x02, 0x00, 0x00, 0x00, 0x00, quint8(2 - port)};
    std::memcpy(s.macSrc, macSrc, sizeof macSrc);
    std::memcpy(s.macDst, macDst, sizeof macDst);
    return simBytesOf(s);
}

} // namespace

void simRegisterDiagnostics(SimTestModels &models)
{
    models[TestCable].results = cableResults;
    models[TestOam].defaultSettings = oamDefaults;
    models[TestOam].results = oamResults;
    models[TestMdi].defaultSettings = mdiDefaults;
    models[TestMdi].results = mdiResults;
    models[TestMdi].traffic = mdiStreams;
    models[TestLoopback].defaultSettings = loopbackDefaults;
}
