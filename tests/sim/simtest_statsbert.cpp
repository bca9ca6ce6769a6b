// The simulated tester's port statistics (1) and BERT (19).
#include "simtests.h"

void simRegisterStatsBert(SimTestModels &models)
{
    Q_UNUSED(models);
}
