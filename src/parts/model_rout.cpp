// Model parts' Part_rout row and the "model:" category (see model_rout.h).
// It owns the keyword table Cmds_model; the pending values it fills are
// the pipeline's (Part_wrking_* for the editor, Part_mod_* for commands).
#include "parts/model_rout.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/part_apply.h"
#include "parts/read.h"

// ---- checks ----------------------------------------------------------------------

int model_is_structured(const float *attr) {
  return attr && ((int)attr[MODEL_RANGE_FIRST + 1] != 0 || (int)attr[MODEL_RANGE_FIRST + 4] != 0);
}

int model_check_ranges(const float *attr, int axes) {
  int r[9], max[3];
  for (int k = 0; k < 9; k++) r[k] = (int)attr[MODEL_RANGE_FIRST + k];  // fractions cut off
  for (int a = 0; a < 3; a++) max[a] = (int)attr[MODEL_RANGE_MAX + a];
  for (int a = 0; a < 3; a++) {
    if (!(axes & 1 << a)) continue;
    int from = r[a * 3], to = r[a * 3 + 1];
    if (from < 1 || to < 1 || to < from) {
      disperr("Min/Max values must be >= 1 and Min must be <= Max");
      return 0;
    }
  }
  for (int a = 0; a < 3; a++)
    if ((axes & 1 << a) && r[a * 3 + 2] < 1) {
      disperr("Step values must be >= 1.");
      return 0;
    }
  // A To beyond the block would ask the server for nodes it does not have.
  for (int a = 0; a < 3; a++)
    if ((axes & 1 << a) && max[a] > 0 && r[a * 3 + 1] > max[a]) {
      char text[160];
      snprintf(text, sizeof text,
               "Maximum value must be <= maximum data values of (MaxX = %d, MaxY = %d, MaxZ = %d).",
               max[0], max[1], max[2]);
      disperr(text);
      return 0;
    }
  return 1;
}

int model_check_createvalues(int slot, int *flags, float *values) {
  if (!flags || !values) return 1;
  if (slot != 108 && slot != MODEL_RANGE_FIRST) return 1;
  if (!flags[MODEL_RANGE_FIRST]) return 1;
  return model_check_ranges(values, 7);
}

// ---- the editor's creation section --------------------------------------------------

void model_parts_init(float *attr, char *desc) {
  if (Part_default && desc) desc[0] = '\0';
  if (Part_detedit_windep.model_sect_init)
    Part_detedit_windep.model_sect_init(attr, model_is_structured(attr));
  part_detedit_sections_init(attr, desc);
}

void model_parts_create(int, int, int *, float *, float *, char *, char *, int *, int) {
  disperr("Model parts cannot be created, they must be read.");
  Part_create_error = 1;
}

void model_createattr_apply(int slot, float *values) {
  if (slot < 0 || slot >= PART_ATTR_SLOTS || !values) return;
  float saved[PART_ATTR_SLOTS];
  part_wrking_attributes(saved, nullptr, 0);
  Part_wrkingchng_flags[slot] = 1;
  if (slot == MODEL_RANGE_FIRST)
    for (int k = 0; k < 9; k++) {
      Part_wrking_attr[MODEL_RANGE_FIRST + k] = values[k];
      Part_wrkingchng_flags[MODEL_RANGE_FIRST + k] = 1;
    }
  if (!model_check_createvalues(slot, Part_wrkingchng_flags, Part_wrking_attr)) {
    part_wrking_attributes(saved, nullptr, 1);
    for (int k = 0; k < 9; k++) Part_wrkingchng_flags[MODEL_RANGE_FIRST + k] = 0;
    return;
  }
  int immediate = Part_apply_windep.editor_immediate ? Part_apply_windep.editor_immediate() : 1;
  if (!immediate) return;
  part_detedit_apply_working(0, 0);
}

void model_clear_changeindicators(float *, int *flags) {
  if (flags && flags[MODEL_RANGE_FIRST] == 1 && Part_detedit_windep.model_clear_marks)
    Part_detedit_windep.model_clear_marks();
}

// ---- the "model:" command --------------------------------------------------------------

#define RANGE_ROW(keyword, id) {keyword, 3, 'd', 0, id, nullptr}
const Cmd_keyword_rec Cmds_model[] = {
    // Rows 0..17 hold no command, so that each real row's number is its id.
    CMD_KEYWORD_NONE, CMD_KEYWORD_NONE, CMD_KEYWORD_NONE, CMD_KEYWORD_NONE, CMD_KEYWORD_NONE,
    CMD_KEYWORD_NONE, CMD_KEYWORD_NONE, CMD_KEYWORD_NONE, CMD_KEYWORD_NONE, CMD_KEYWORD_NONE,
    CMD_KEYWORD_NONE, CMD_KEYWORD_NONE, CMD_KEYWORD_NONE, CMD_KEYWORD_NONE, CMD_KEYWORD_NONE,
    CMD_KEYWORD_NONE, CMD_KEYWORD_NONE, CMD_KEYWORD_NONE,
    RANGE_ROW("noderangestep_i", 18), RANGE_ROW("1", 19), RANGE_ROW("2", 20),
    RANGE_ROW("noderangestep_j", 21), RANGE_ROW("1", 22), RANGE_ROW("2", 23),
    RANGE_ROW("noderangestep_k", 24), RANGE_ROW("1", 25), RANGE_ROW("2", 26),
    {"select_default", 0, 'z', 0, 27, nullptr},
    CMD_KEYWORD_END};
#undef RANGE_ROW

static int fail(const char *message) {
  if (message) disperr(message);
  Command_proc_err = 1;
  return -1;
}

// The pending ranges over each selected part's own (or the defaults'):
// every structured part must accept them before anything is sent.
int model_command_ranges_acceptable() {
  int axes = 0;  // the axes whose ranges the command changes
  for (int k = 0; k < 9; k++)
    if (Part_modchng_flags[MODEL_RANGE_FIRST + k]) axes |= 1 << (k / 3);
  if (!axes) return 1;
  std::vector<int> list((size_t)Cmd_part_wrking_cnt + Num_p_loaded + 1);
  int n = 0;
  uncompress_part_list(Cmd_part_wrking_cnt, &n, Cmd_part_wrking_extnumber, list.data());
  for (int k = 0; k < n; k++) {
    float attr[PART_ATTR_SLOTS];
    char desc[PART_NAME_TEXT];
    char *creation = nullptr;
    int entry = list[(size_t)k];
    int type = entry < 0 ? PART_MODEL : get_part_type(entry);
    if (part_attributes(entry, type, attr, nullptr, desc, &creation, 0) < 0) continue;
    free(creation);
    bool structured = entry < 0 || model_is_structured(attr);
    for (int s = 0; s < 9; s++)
      if (Part_modchng_flags[MODEL_RANGE_FIRST + s])
        attr[MODEL_RANGE_FIRST + s] = Part_mod_attr[MODEL_RANGE_FIRST + s];
    if (structured && !model_check_ranges(attr, axes)) return 0;
  }
  return 1;
}

int model_cmdproc(const char *, const char *, const char *, const char *params, int cat_index,
                  int kw_row, int id, const int *, int) {
  if (kw_row == CMD_NO_COMMAND) return fail("Illegal command.");
  Command_proc_err = 0;
  if (id == 18 || id == 21 || id == 24) {
    float values[3] = {0, 0, 0};
    if (cmd_process_params(cat_index, kw_row, params ? params : "", values) < 0)
      return fail(nullptr);
    int first = MODEL_RANGE_FIRST + (id - 18);
    for (int k = 0; k < 3; k++) {
      Part_mod_attr[first + k] = values[k];
      Part_modchng_flags[first + k] = 1;
    }
  } else if (id == 27) {
    int deflt = -1;
    if (cmd_part_selection_set(1, &deflt) < 0) {
      report_alloc_failure(__LINE__, "model_dlog", "model_cmdproc");
      return fail("Error allocating space for command selected parts.");
    }
    Cmd_part_wrking_defaulttype = PART_MODEL;
  } else {
    return fail("Bad data passed to model_cmdproc()");
  }
  if (Cmd_partbatchmod_mode) return 1;
  if (Cmd_part_wrking_cnt <= 0 || !Cmd_part_wrking_extnumber)
    return fail("No parts selected by commands to act on.");
  if (!model_command_ranges_acceptable()) {
    // Nothing is sent: the refused ranges stay out of the next change too.
    part_clear_chngflags(Part_modchng_flags);
    return fail(nullptr);
  }
  Command_proc_err = 0;
  int deflt = Cmd_part_wrking_extnumber[0] == -1 ? 1 : 0;
  part_apply(PART_SRC_COMMAND, PART_MODEL, deflt, Part_mod_attr, Part_modchng_flags,
             Part_mod_desc, 0, nullptr, Cmd_part_wrking_cnt, Cmd_part_wrking_extnumber, 0, 1);
  return Command_proc_err ? -1 : 1;
}
