// The simulated tester's synchronisation test (17).
#include "simtests.h"

void simRegisterSync(SimTestModels &models)
{
    Q_UNUSED(models);
}
