// The simulated tester's cable (12), link OAM (14), MDI (15) and loopback (21).
#include "simtests.h"

void simRegisterDiagnostics(SimTestModels &models)
{
    Q_UNUSED(models);
}
