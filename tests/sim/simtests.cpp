#include "simtests.h"

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
