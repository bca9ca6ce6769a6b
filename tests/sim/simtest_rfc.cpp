// The simulated tester's RFC 2544 test (3).
#include "simtests.h"

void simRegisterRfc(SimTestModels &models)
{
    Q_UNUSED(models);
}
