#include "simtests.h"

#include "records.h"

const SimTestModel &simTestModel(quint8 test)
{
    static const SimTestModel empty;
    static SimTestModels models;
    static const bool registered = [] {
        simRegisterTraffic(models);
        simRegisterJitterMulti(models);
        simRegisterRfc(models);
        simRegisterY1564(models);
        simRegisterStatsBert(models);
        simRegisterDiagnostics(models);
        simRegisterInterfaces(models);
        simRegisterDeviceOptical(models);
        simRegisterPtp(models);
        simRegisterSync(models);
        simRegisterIpTools(models);
        return true;
    }();
    Q_UNUSED(registered);
    return test < 32 ? models[test] : empty;
}

double simLineShare(quint8 rateUnit, double rate)
{
    switch (rateUnit) {
    case 0: return qBound(0.0, rate / 100.0, 1.0);
    case 1: return qBound(0.0, rate / 1e9, 1.0);
    case 2: return qBound(0.0, rate / 1e6, 1.0);
    case 3: return qBound(0.0, rate / 1e3, 1.0);
    default: return 1.0;
    }
}

SimRunTime simRunTime(const SimRun &run, quint32 duration)
{
    const quint32 counted = duration ? duration : 1;
    const qint64 ran = run.elapsedMs / 1000;
    return {counted, qMin<qint64>(ran, counted), ran >= counted};
}

SimRunTime simOpenRunTime(const SimRun &run, quint32 duration)
{
    const qint64 ran = run.elapsedMs / 1000;
    const bool done = duration != 0 && ran >= qint64(duration);
    return {duration, done ? qint64(duration) : ran, done};
}

quint32 simFrameBytesPerSecond(double share, quint32 frameLength)
{
    constexpr double LineBytesPerSecond = 125000000.0;   // 1 Gbit/s
    constexpr double PreambleAndGap = 20;
    const double length = simFrameLength(frameLength);
    return quint32(qBound(0.0, share, 1.0) * LineBytesPerSecond * length / (length + PreambleAndGap));
}

quint8 simRunStatus(const SimRun &run, bool done)
{
    if (done)
        return StatusOk;
    if (run.stopped)
        return StatusStop;
    return run.running ? StatusRunning : StatusOk;
}
