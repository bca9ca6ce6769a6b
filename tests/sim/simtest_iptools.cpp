// The simulated tester's ping, trace route, DNS and IP scanner (8-11).
#include "simtests.h"

void simRegisterIpTools(SimTestModels &models)
{
    Q_UNUSED(models);
}
