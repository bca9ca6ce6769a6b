// The simulated tester's interface settings of the ports (20).
#include "simtests.h"

void simRegisterInterfaces(SimTestModels &models)
{
    Q_UNUSED(models);
}
