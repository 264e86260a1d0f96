// Part_rout row of model parts (see model_rout.h).
#include "parts/model_rout.h"

PART_ROUT_STUB(model, "Model")
