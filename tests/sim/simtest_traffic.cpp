// The simulated tester's traffic and asymmetric traffic tests (2, 16).
#include "simtests.h"

#include "records.h"
#include "trafficrecords.h"

#include <cstring>

namespace {

template <class T>
QByteArray bytesOf(const T &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(T)));
}

template <class T>
T recordOf(const QByteArray &bytes)
{
    T record;
    std::memset(&record, 0, sizeof record);
    if (bytes.size() == int(sizeof(T)))
        std::memcpy(&record, bytes.constData(), sizeof(T));
    return record;
}

// What a tester fresh from the factory holds: frames of 1518 bytes at 100 %
// for one minute, towards 192.168.0.2 (Port A) or 192.168.0.1 (Port B).
QByteArray trafficDefaults(quint32 port)
{
    traffic_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.header.ipDest = port == 0 ? 0xC0A80002u : 0xC0A80001u;
    s.header.arp = 1;
    s.header.ttl = 64;
    s.header.udpSrc = 5000;
    s.header.udpDst = 5001;
    s.header.level3 = 1;
    s.header.level4 = 1;
    s.rateUnit = 0;
    s.rate = 100;
    s.packetLength = 1518;
    s.duration = 60;
    s.learningInterval = 100;
    s.waitInterval = 100;
    s.flrThreshold = 0.001f;
    return bytesOf(s);
}

// Line rate of 1 Gbit/s in frames of the set length, scaled by a percent
// rate (other units are taken as their share of the line).
SimResultsAnswer trafficResults(const SimRun &run)
{
    const traffic_settings_t s = recordOf<traffic_settings_t>(run.settings);
    traffic_results_t r;
    std::memset(&r, 0, sizeof r);
    if (!run.started) {
        r.status = StatusWait;
        return {bytesOf(r), false};
    }
    const quint32 duration = s.duration ? s.duration : 1;
    const qint64 seconds = qMin<qint64>(run.elapsedMs / 1000, duration);
    const bool done = run.elapsedMs / 1000 >= duration;
    const double share = simLineShare(s.rateUnit, s.rate);
    const quint32 length = qBound<quint32>(64, s.packetLength, 9600);
    const double framesPerSecond = share * 125000000.0 / (length + 20);
    r.startTime = run.startClock;
    r.currentTime = run.startClock + quint32(seconds);
    r.estimatedTime = duration;
    r.status = done || !run.running ? StatusOk : StatusRunning;
    r.txFrames = quint32(framesPerSecond * seconds);
    r.rxFrames = r.txFrames - r.txFrames / 100000;
    r.txBytes = quint64(r.txFrames) * length;
    r.rate = quint32(share * 125000000.0 * length / (length + 20));
    r.pdv = 850;
    r.lostFrames = r.txFrames - r.rxFrames;
    r.latency = 12500;
    return {bytesOf(r), done};
}

} // namespace

void simRegisterTraffic(SimTestModels &models)
{
    models[TestTraffic].defaultSettings = trafficDefaults;
    models[TestTraffic].results = trafficResults;
}
