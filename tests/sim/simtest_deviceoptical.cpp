// The simulated tester's device settings (0) and the optical test (13).
#include "simtests.h"

void simRegisterDeviceOptical(SimTestModels &models)
{
    Q_UNUSED(models);
}
