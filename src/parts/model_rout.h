// Part_rout row of model parts.  Model parts are made by the loaders; the
// detail editor's model creation section arrives with the model: command,
// until then its checks pass and its create routine makes nothing.
#pragma once

#include "parts/part_rout_stub.h"

PART_ROUT_DECLARE(model)
