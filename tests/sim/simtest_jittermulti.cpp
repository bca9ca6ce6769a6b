// The simulated tester's jitter and multistream tests (5, 6).
#include "simtests.h"

void simRegisterJitterMulti(SimTestModels &models)
{
    Q_UNUSED(models);
}
