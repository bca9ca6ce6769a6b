// The simulated tester's RFC 2544 test (3).
#include "simtests.h"

#include "records.h"
#include "rfcrecords.h"
#include "simremote.h"

#include <QtGlobal>

#include <cstring>

namespace {

// One trial (one sub-test on one frame size) takes this long here; a real
// tester takes the trial times of the settings, many times over.
constexpr qint64 TrialMs = 400;
constexpr double LineMbps = 1000.0;
// Preamble, start delimiter and the minimum gap between frames.
constexpr int FrameOverhead = 20;

const uint16_t StandardSizes[RfcFrameRows] = {64, 128, 256, 512, 1024, 1280, 1518, 9600};

// What a tester fresh from the factory holds: the seven standard frame
// sizes (the jumbo row off), all four sub-tests, towards 192.168.0.2
// (Port A) or 192.168.0.1 (Port B).
QByteArray rfcDefaults(quint32 port)
{
    rfc_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.header = simDefaultHeader(port);
    s.study = 100;
    s.interval = 100;
    s.throughputOn = s.latencyOn = s.frameLossOn = s.backToBackOn = 1;
    s.throughputTime = 10;
    s.throughputMax = 100;
    s.throughputMin = 1;
    s.latencyTime = 10;
    s.latencyCount = 20;
    std::memset(s.userLoad, 100, sizeof s.userLoad);
    s.frameLossTime = 10;
    s.frameLossMax = 100;
    s.frameLossMin = 10;
    s.frameLossStep = 10;
    s.backToBackMin = 1;
    s.backToBackMax = 2;
    s.backToBackCount = 50;
    for (int i = 0; i < RfcFrameRows; ++i) {
        s.frame[i].enabled = i < RfcFrameRows - 1 ? 1 : 0;
        s.frame[i].size = StandardSizes[i];
    }
    return simBytesOf(s);
}

double framesPerSecond(int length, double loadPercent)
{
    return LineMbps * 1e6 / 8 / (length + FrameOverhead) * loadPercent / 100;
}

// Fills the values of sub-test `block` (0 throughput, 1 latency, 2 frame
// loss, 3 back-to-back) for frame-size row i.
void measure(rfc_results_t &r, const rfc_settings_t &s, int block, int i)
{
    const int length = s.frame[i].size;
    const double maxLoad = qBound(1, int(s.throughputMax), 100);
    switch (block) {
    case 0: {
        // Small frames do not quite reach the line rate.
        const double load = length < 128 ? maxLoad * 0.9987654 : maxLoad;
        r.throughput[i].load = float(load);
        r.throughput[i].throughputL1 = float(LineMbps * load / 100);
        r.throughput[i].throughputL2 = float(LineMbps * load / 100 * length / (length + FrameOverhead));
        break;
    }
    case 1:
        // Store and forward of the frame plus a fixed path delay.
        r.latency[i].latency = 2000.0 + length * 8.0;
        break;
    case 2: {
        const std::vector<int> loads = rfcFrameLossLoads(s.frameLossMax, s.frameLossMin, s.frameLossStep);
        rfc_frame_loss_row_t &row = r.frameLoss[i];
        for (int j = 0; j < RfcLossSteps; ++j) {
            const int load = j < int(loads.size()) ? qBound(0, loads[j], 255) : 0;
            row.load[j] = uint8_t(load);
            // Losses only above 95 % and more for small frames.
            row.loss[j] = load == 0 ? -1.0f : load > 95 ? float((load - 95) * 0.1 * 64 / length) : 0.0f;
        }
        break;
    }
    default: {
        const uint16_t time = qMax<uint16_t>(1, s.backToBackMax);
        r.backToBack[i].time = time;
        r.backToBack[i].quantity = float(framesPerSecond(length, 100) * time);
        break;
    }
    }
}

uint8_t &statusOf(rfc_results_t &r, int block, int i)
{
    switch (block) {
    case 0: return r.throughput[i].status;
    case 1: return r.latency[i].status;
    case 2: return r.frameLoss[i].status;
    default: return r.backToBack[i].status;
    }
}

// The sub-tests run one after the other, each over the frame sizes that are
// on; the results show what has been measured up to now.
SimResultsAnswer rfcResults(const SimRun &run)
{
    const rfc_settings_t s = simRecordOf<rfc_settings_t>(run.settings);

    if (run.started && !run.running) {
        // Stopped or finished: the last results stay, a trial that was
        // under way when the operator stopped shows "Stop".
        const auto it = run.tester->results.constFind(SimRemoteResponder::key(run.port, run.test));
        if (it != run.tester->results.constEnd() && it->size() == int(sizeof(rfc_results_t))) {
            rfc_results_t r = simRecordOf<rfc_results_t>(*it);
            for (int block = 0; block < 4; ++block) {
                for (int i = 0; i < RfcFrameRows; ++i) {
                    if (statusOf(r, block, i) == StatusRunning)
                        statusOf(r, block, i) = StatusStop;
                }
            }
            return {simBytesOf(r), false};
        }
    }

    rfc_results_t r;
    std::memset(&r, 0, sizeof r);
    const uint8_t on[4] = {s.throughputOn, s.latencyOn, s.frameLossOn, s.backToBackOn};
    const qint64 trialNow = run.started ? run.elapsedMs / TrialMs : -1;
    qint64 trial = 0;
    for (int block = 0; block < 4; ++block) {
        for (int i = 0; i < RfcFrameRows; ++i) {
            const bool rowOn = s.frame[i].enabled != 0;
            if (block == 0)
                r.frameLength[i].length = rowOn ? s.frame[i].size : 0;
            if (!on[block] || !rowOn) {
                statusOf(r, block, i) = StatusOff;
                continue;
            }
            if (trial < trialNow) {
                measure(r, s, block, i);
                statusOf(r, block, i) = StatusOk;
            } else if (trial == trialNow) {
                measure(r, s, block, i);
                statusOf(r, block, i) = StatusRunning;
            } else {
                statusOf(r, block, i) = StatusWait;
            }
            ++trial;
        }
    }
    const bool done = run.started && trialNow >= trial;
    return {simBytesOf(r), done};
}

// The throughput search starts at its highest load, in the first frame
// size that is on: the simulator sends at that rate throughout, and every
// frame arrives.
QVector<SimStream> rfcStreams(const SimRun &run)
{
    const rfc_settings_t s = simRecordOf<rfc_settings_t>(run.settings);
    quint32 length = 64;
    for (const rfc_frame_size_t &f : s.frame) {
        if (f.enabled) {
            length = f.size;
            break;
        }
    }
    const double share = simLineShare(0, s.throughputMax);
    const quint32 bytesPerSecond = simFrameBytesPerSecond(share, length);
    const quint32 bounded = simFrameLength(length);
    // The test takes one trial time per sub-test and frame size that are on.
    const uint8_t on[4] = {s.throughputOn, s.latencyOn, s.frameLossOn, s.backToBackOn};
    qint64 trials = 0;
    for (int block = 0; block < 4; ++block) {
        for (int i = 0; i < RfcFrameRows; ++i)
            trials += on[block] && s.frame[i].enabled ? 1 : 0;
    }
    const qint64 ranMs = run.started ? qMin(run.elapsedMs, trials * TrialMs) : 0;
    const quint64 frames = quint64(double(bytesPerSecond) / bounded * double(ranMs) / 1000.0);
    return {{bounded, double(bytesPerSecond), frames, frames, false}};
}

} // namespace

void simRegisterRfc(SimTestModels &models)
{
    models[TestRfc2544].traffic = rfcStreams;
    models[TestRfc2544].defaultSettings = rfcDefaults;
    models[TestRfc2544].results = rfcResults;
}
