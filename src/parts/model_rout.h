// Model parts: their Part_rout row (the editor's model creation section,
// where the I, J, K node ranges of structured parts are edited) and the
// "model:" command category that sets those ranges from the command
// language.  Range slots 63..71 hold I from, to, step, then J, then K;
// slots 72..74 the part's largest I, J, K index.  Model parts are read,
// never created.
#pragma once

#include "client/cmd_tables.h"
#include "parts/part_rout_stub.h"

PART_ROUT_DECLARE(model)

#define MODEL_RANGE_FIRST 63  // I from; the nine range slots follow
#define MODEL_RANGE_MAX 72    // largest I index; J and K follow

extern const Cmd_keyword_rec Cmds_model[];

// 1 when the model part with these slots is structured (slot 64 or 67 non-zero).
int model_is_structured(const float *attr);
// The ranges of attr of the axes in the mask (bit 0 I, 1 J, 2 K): from >= 1,
// to >= from, then steps >= 1 and, where the maxima (slots 72..74) are
// known, to <= maximum.  1, or 0 after the error box.
int model_check_ranges(const float *attr, int axes);

// The command side's pending ranges over each part of the command
// selection (or the model defaults): 1 when every structured one accepts
// them, else 0 after the error box.  Nothing pending passes.
int model_command_ranges_acceptable();

// The "model:" processor (both processor slots of its category row).
int model_cmdproc(CMD_PROC_PARAMS);
