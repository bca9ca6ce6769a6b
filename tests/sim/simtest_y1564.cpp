// The simulated tester's Y.1564 test (4).
#include "simtests.h"

void simRegisterY1564(SimTestModels &models)
{
    Q_UNUSED(models);
}
