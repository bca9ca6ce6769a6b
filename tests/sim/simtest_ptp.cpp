// The simulated tester's PTP test (7).
#include "simtests.h"

void simRegisterPtp(SimTestModels &models)
{
    Q_UNUSED(models);
}
