// The simulated tester's device settings (0) and the optical test (13).
//
// The device settings block, the clock, the synchronisation start and the
// watch-dog time are plain state of SimRemoteResponder. The optical test
// reads the SFP modules: Port A holds a 1310 nm module with monitoring,
// whose received power wanders a little with the tester's clock; Port B
// holds a module without monitoring.
#include "simsfp.h"
#include "simtests.h"

#include "records.h"

namespace {

QByteArray bytesOf(const sfp_info_t &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

SimResultsAnswer opticalResults(const SimRun &run)
{
    // -4.00 dBm give or take 0.05 dB, one step a second.
    static const float rxPower[] = {0.3981f, 0.4027f, 0.3936f, 0.4001f};
    SimResultsAnswer answer;
    answer.record = bytesOf(run.port == 0 ? sfpModuleWithDdm("KORVEL OPTICS", rxPower[run.clock % 4])
                                          : sfpModuleWithoutDdm());
    return answer;
}

} // namespace

void simRegisterDeviceOptical(SimTestModels &models)
{
    models[TestOptical].results = opticalResults;
}
