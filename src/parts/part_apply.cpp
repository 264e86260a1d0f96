// The part creation and change pipeline (see part_apply.h).  It owns the
// routine table Part_rout, the category and slot-count maps, both sides'
// pending descriptions and part lists, and the command-side values and
// flags.  part_apply always ends with every change flag it was handed
// cleared; part_create leaves the flags to its callers.
#include "parts/part_apply.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "derived/derived_rout.h"
#include "flow/flow_rout.h"
#include "parts/attribute.h"
#include "parts/modatr.h"
#include "parts/model_rout.h"
#include "parts/part_record.h"
#include "parts/read.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "view/viewports.h"

char Part_wrking_desc[PART_DESC_TEXT] = "";
char *Part_wrking_createdesc = nullptr;
int Part_wrking_cnt = 0;
int *Part_wrking_intnumber = nullptr;
int *Part_wrking_extnumber = nullptr;
int Part_default = 0;

float Part_mod_attr[PART_ATTR_SLOTS] = {};
int Part_modchng_flags[PART_ATTR_SLOTS] = {};
char Part_mod_desc[PART_DESC_TEXT] = "";
int Part_modchng_desc_flag = 0;
char *Part_mod_subsetdesc = nullptr;
int Cmd_part_wrking_cnt = 0;
int *Cmd_part_wrking_extnumber = nullptr;
int Cmd_part_wrking_defaulttype = 0;
int Cmd_partbatchmod_mode = 0;

int Part_create_error = 0;
char Quivane_errbuf[QUIVANE_ERRBUF] = "";
Part_apply_windep_hooks Part_apply_windep = {};

void part_dummyclear_changeindicators(float *, int *) {}

// The five routines of a feature family named by its prefix.
#define PART_ROUT_ROW(p)                                                                       \
  {p##_parts_init, p##_check_createvalues, p##_parts_create, p##_createattr_apply,             \
   p##_clear_changeindicators}

Part_rout_rec Part_rout[PART_ROUT_ROWS] = {
    PART_ROUT_ROW(model),
    PART_ROUT_ROW(clip),
    PART_ROUT_ROW(contour),
    // discrete particles: made like model parts, checked like isosurfaces
    {model_parts_init, iso_check_createvalues, model_parts_create, iso_createattr_apply,
     part_dummyclear_changeindicators},
    PART_ROUT_ROW(iso),  // frames: a row of the editor only
    PART_ROUT_ROW(iso),
    PART_ROUT_ROW(trace),
    PART_ROUT_ROW(profile),
    PART_ROUT_ROW(vctarrow),
    PART_ROUT_ROW(elevsrf),
    PART_ROUT_ROW(devsrf),
    PART_ROUT_ROW(iso),  // model extract
    PART_ROUT_ROW(iso),  // model cut
    PART_ROUT_ROW(iso),  // model boundary
    PART_ROUT_ROW(iso),  // isovolume
    PART_ROUT_ROW(subset),
    PART_ROUT_ROW(tensor),
};

const int Part_cat_map[PART_ROUT_ROWS] = {24, 2, 3, 4, 12, 5, 7, 6, 10, 11, 45, 9, 9, 9, 5, 55, 56};
const int Part_natt[PART_ROUT_ROWS] = {108, 108, 108, 108, 43, 108, 108, 108, 108,
                                       108, 108, -1,  -1,  -1,  -1, 108, 108};

void part_create_unavailable(const char *feature) {
  char msg[96];
  snprintf(msg, sizeof msg, "%s parts are not available in this build.", feature);
  disperr(msg);
  Part_create_error = 1;
}

void part_clear_chngflags(int *flags) {
  if (flags) memset(flags, 0, PART_ATTR_SLOTS * sizeof(int));
}

void part_mod_clear() {
  part_clear_chngflags(Part_modchng_flags);
  Part_mod_desc[0] = '\0';
  Part_modchng_desc_flag = 0;
  free(Part_mod_subsetdesc);
  Part_mod_subsetdesc = nullptr;
}

int cmd_part_selection_set(int count, const int *numbers) {
  if (count <= 0) {
    Cmd_part_wrking_cnt = 0;
    return 1;
  }
  int *list = static_cast<int *>(realloc(Cmd_part_wrking_extnumber, sizeof(int) * (size_t)count));
  if (!list) return -1;
  Cmd_part_wrking_extnumber = list;
  memcpy(list, numbers, sizeof(int) * (size_t)count);
  Cmd_part_wrking_cnt = count;
  return 1;
}

// ---- range checks ----------------------------------------------------------------

namespace {
struct Range_check {
  int slot;
  float lo, hi;
  const char *message;
};
}  // namespace

static const Range_check Ranges[] = {
    {12, 2.0f, 10.0f, "Illegal detail level, should be in range: [2, 10]."},
    {24, 1.0f, 20.0f, "Illegal line width, should be in range: [1, 20]."},
    {30, 0.0f, 1.0f, "Illegal Diff float, should be in range: [0.0, 1.0]."},
    {31, 1.0f, 100.0f, "Illegal Shin float, should be in range: [1.0, 100.0]."},
    {32, 0.0f, 1.0f, "Illegal H Int float, should be in range: [0.0, 1.0]."},
    {34, 0.0f, 180.0f, "Illegal feature angle, should be in range: [0, 180]."},
    {35, 0.0f, 1.0f, "Illegal shrink factor, should be in range: [0.0, 1.0]."},
    {41, 0.0f, 1.0f, "Illegal red component, should be in range: [0.0, 1.0]."},
    {42, 0.0f, 1.0f, "Illegal green component, should be in range: [0.0, 1.0]."},
    {43, 0.0f, 1.0f, "Illegal blue component, should be in range: [0.0, 1.0]."},
    {44, 0.0f, 1.0f, "Illegal transparency value, should be in range: [0.0, 1.0]."},
};

// Frame 0, the global frame, always exists.
static bool frame_exists(int f) {
  if (f == 0) return true;
  int number = 0;
  char name[64];
  for (int k = 0; k < Num_frames; k++)
    if (frame_get(k, &number, name) == 1 && number == f) return true;
  return false;
}

int part_check_values(int slot, int *flags, const float *values) {
  if (!flags || !values) return 1;
  auto wanted = [&](int s) { return (slot == 108 || slot == s) && flags[s]; };
  if (wanted(SLOT_FRAME) && !frame_exists((int)values[SLOT_FRAME])) {
    disperr("Bad frame number entered in Ref. Frame field.");
    flags[SLOT_FRAME] = 0;
    return 0;
  }
  for (const Range_check &r : Ranges) {
    if (!wanted(r.slot)) continue;
    float v = values[r.slot];
    if (v < r.lo || v > r.hi) {
      disperr(r.message);
      flags[r.slot] = 0;
      return 0;
    }
  }
  return 1;
}

// ---- part_apply ------------------------------------------------------------------

namespace {
// One call of part_apply: what its failure paths and its clean-up share.
struct Apply_call {
  int type;
  float *values;
  int *flags;
  int desc_flag;
  int from_command;
};
}  // namespace

static void clean_up(const Apply_call &c) {
  int immediate = Part_apply_windep.editor_immediate ? Part_apply_windep.editor_immediate() : 1;
  if (!immediate && !c.from_command) {
    part_clear_changeindicators(c.flags, c.desc_flag);
    if (c.type >= 0 && c.type < PART_ROUT_ROWS && Part_rout[c.type].clear_changes)
      Part_rout[c.type].clear_changes(c.values, c.flags);
  }
  part_clear_chngflags(c.flags);
}

// A refused change: the message (if any), the refresh, the clean-up.  On
// the command path the line fails.
static void refuse(const Apply_call &c, const char *message) {
  if (c.from_command) Command_proc_err = 1;
  unset_working_cursor();
  if (message) disperr(message);
  if (Part_apply_windep.editor_refresh) Part_apply_windep.editor_refresh();
  clean_up(c);
}

static bool line_part(int type) {
  return type == PART_CONTOUR || type == PART_TRACE || type == PART_PROFILE || type == PART_ARROW;
}

// Step 4: element representations that may not change.  The message, or null.
static const char *representation_guard(const std::vector<int> &list, int type) {
  for (int e : list) {
    if (e == -1 || e == -2) {
      if (line_part(type))
        return "Can not change element representation of\ntraces, contours, arrows or profiles "
               "defaults.";
      continue;
    }
    if (is_part_a_copy(e) > 0) return "Can not change element representation of a copy part.";
    if (line_part(get_part_type(e)))
      return "Can not change element representation of\ntraces, contours, arrows or profiles.";
  }
  return nullptr;
}

// The kind of the variable that owns a palette, or -1.
static int palette_variable_kind(int palette, int component) {
  if (!Modatr_calls.palette_variable) return -1;
  int id = Modatr_calls.palette_variable(palette, component);
  if (id < 0 || !Variables) return -1;
  for (int r = 0; r < Var_avail_cnt; r++)
    if (Variables[r].id == id) return Variables[r].type;
  return -1;
}

// Step 6: an elevated surface keeps its sidewalls or its surface.
static bool sidewalls_or_surface(const std::vector<int> &list, int type, const float *values,
                                 const int *flags) {
  for (int e : list) {
    float cur[PART_ATTR_SLOTS];
    char desc[PART_NAME_TEXT];
    char *creation = nullptr;
    if (part_attributes(e, type, cur, nullptr, desc, &creation, 0) < 0) continue;
    free(creation);
    if ((flags[100] && values[100] == 0.0f && cur[99] == 0.0f) ||
        (flags[99] && values[99] == 0.0f && cur[100] == 0.0f))
      return false;
  }
  return true;
}

static const char *const Ijk_slot_text[4] = {"Dimension 2 Min", "Dimension 2 Max",
                                             "Dimension 3 Min", "Dimension 3 Max"};

// Step 8.3: an ijk clip's step and ranges checked against its parent.
static void clip_ijk_repair(int entry, const float *cur, float *values, const int *flags) {
  if (!Modatr_calls.check_valid_ijk_value) return;
  float tool = flags[SLOT_CLIP_TOOL] ? values[SLOT_CLIP_TOOL] : cur[SLOT_CLIP_TOOL];
  if (our_rint(tool) != CLIP_TOOL_IJK) return;
  char msg[96];
  if (flags[48] && entry > 0 &&
      Modatr_calls.check_valid_ijk_value(entry, 48, &values[48]) > 0) {
    snprintf(msg, sizeof msg, "Step Value for part %d changed to valid value.", entry);
    caddtxt(msg);
  }
  if (!flags[94]) return;
  for (int s = 94; s <= 97; s++) {
    if (Modatr_calls.check_valid_ijk_value(entry, s, &values[s]) <= 0) continue;
    if (entry == -1)
      snprintf(msg, sizeof msg, "%s Value for part default changed to valid value.",
               Ijk_slot_text[s - 94]);
    else
      snprintf(msg, sizeof msg, "%s Value for part %d changed to valid value.",
               Ijk_slot_text[s - 94], entry);
    caddtxt(msg);
  }
}

// A clip of tool kind 2 or 4 takes slots 69..71 from the clip defaults, of
// kind 3 slots 69..75; with flags, only the slots not flagged.
static void clip_tool_defaults(float *a, const int *flags) {
  int tool = our_rint(a[SLOT_CLIP_TOOL]);
  int last = tool == CLIP_TOOL_SPHERE ? 75
             : (tool == CLIP_TOOL_CYLINDER || tool == CLIP_TOOL_CONE) ? 71 : 0;
  if (!last) return;
  float def[PART_ATTR_SLOTS];
  char desc[PART_NAME_TEXT];
  char *creation = nullptr;
  part_attributes(-1, PART_CLIP, def, nullptr, desc, &creation, 0);
  free(creation);
  for (int s = 69; s <= last; s++)
    if (!flags || !flags[s]) a[s] = def[s];
}

// Steps 8.1 to 8.10 for one entry.  1, or -1 after a refusal.
static int apply_entry(const Apply_call &c, int i, int entry, int defaults_flag,
                       const char *desc, int desc_flag, const char *creation) {
  float cur[PART_ATTR_SLOTS];
  char cur_desc[PART_NAME_TEXT] = "";
  char *cur_creation = nullptr;
  if (c.type == PART_CLIP && entry == -1 &&
      part_attributes(-1, PART_CLIP, cur, nullptr, cur_desc, &cur_creation, 0) < 0) {
    fprintf(stderr, "Problem getting default attributes\n");
    refuse(c, nullptr);
    return -1;
  }
  free(cur_creation);
  cur_creation = nullptr;
  if (part_attributes(entry, c.type, cur, nullptr, cur_desc, &cur_creation, 0) < 0) {
    refuse(c, "Error modifying attributes.");
    return -1;
  }
  if (c.type == PART_CLIP) clip_ijk_repair(entry, cur, c.values, c.flags);
  char name[PART_NAME_TEXT];
  snprintf(name, PART_NAME_USED, "%s", desc_flag && desc && desc[0] ? desc : cur_desc);
  cmd_setrec_partatt(entry, cur, c.values, cur_desc, name, PART_ATTR_SLOTS, Part_cat_map[c.type],
                     creation, c.flags, defaults_flag, (i || c.from_command) ? 1 : 0, 1);
  const char *handed = ((c.type == PART_MODEL || c.type == PART_SUBSET) && c.flags[46])
                           ? creation
                           : cur_creation;
  if (c.type == PART_CLIP && c.flags[SLOT_CLIP_TOOL]) clip_tool_defaults(cur, c.flags);
  int r;
  const char *failure = "Error modifying attributes.";
  if (entry > 0) {
    Quivane_errbuf[0] = '\0';
    r = modatr(entry, cur, name, handed);
    if (Quivane_errbuf[0]) failure = Quivane_errbuf;
  } else {
    r = part_attributes(entry, c.type, cur, c.flags, name, nullptr, 1);
  }
  free(cur_creation);
  if (r < 0) {
    refuse(c, failure);
    return -1;
  }
  return 1;
}

void part_apply(int source, int type, int defaults_flag, float *values, int *flags,
                const char *desc, int desc_flag, const char *creation, int count,
                const int *numbers, int, int from_command) {
  if (type < 0 || type >= PART_ROUT_ROWS || !values || !flags) return;
  Apply_call c{type, values, flags, desc_flag, from_command};
  set_working_cursor("**Working...**");
  if (!part_check_values(108, flags, values)) {
    refuse(c, nullptr);
    return;
  }
  if (count < 0 || (count > 0 && !numbers)) count = 0;
  std::vector<int> list((size_t)count + Num_p_loaded + 1);
  int n = 0;
  uncompress_part_list(count, &n, numbers, list.data());
  list.resize((size_t)n);

  if (flags[SLOT_ELT_REP]) {
    if (const char *msg = representation_guard(list, type)) {
      refuse(c, msg);
      return;
    }
  }
  if (source == PART_SRC_EDITOR && flags[SLOT_COLORBY_PALETTE] &&
      values[SLOT_COLORBY_PALETTE] != 0.0f && !list.empty() && type != PART_TRACE &&
      palette_variable_kind((int)values[SLOT_COLORBY_PALETTE],
                            (int)values[SLOT_COLORBY_SUBPALETTE]) == 3) {
    refuse(c, "Only Particle Trace parts can be colored by Time.");
    return;
  }
  if (type == PART_ELEVATED && (flags[99] || flags[100]) &&
      !sidewalls_or_surface(list, type, values, flags)) {
    refuse(c, "Must have either sidewalls or surface ON.\n");
    return;
  }

  int cat = defaults_flag ? Part_cat_map[type] : CMD_CAT_PART;
  if (source == PART_SRC_EDITOR)
    part_rec_selparts(cat, count, numbers, 2);
  else if (source == PART_SRC_QEDIT || source == PART_SRC_QINTR)
    part_rec_selparts(cat, count, numbers, 0);

  bool renamed = false;
  for (int i = 0; i < n; i++) {
    if (apply_entry(c, i, list[i], defaults_flag, desc, desc_flag, creation) < 0) return;
    renamed = renamed || Rebuild_part_list;
  }
  if (renamed) {
    Rebuild_part_list = 1;
    if (Part_apply_windep.mainprt_list_refresh) Part_apply_windep.mainprt_list_refresh();
    if (Part_apply_windep.editor_list_refresh) Part_apply_windep.editor_list_refresh();
  }
  clean_up(c);
  if (!from_command && Part_apply_windep.editor_up && Part_apply_windep.editor_up() &&
      Part_apply_windep.editor_reinit)
    Part_apply_windep.editor_reinit(Part_wrking_cnt, Part_wrking_intnumber,
                                    Part_wrking_extnumber);
  if (source != PART_SRC_QEDIT && !from_command && Part_apply_windep.partinterf_refresh)
    Part_apply_windep.partinterf_refresh(type, Rebuild_part_list, 1);
  viewports_display_all();
  unset_working_cursor();
}

// ---- part_create -------------------------------------------------------------------

void part_create(int type, int count, int *numbers, int mode, float *base, float *values,
                 char *desc, char *creation, int *flags, int defaults_flag, int from_command) {
  if (type < 0 || type >= PART_ROUT_ROWS) return;
  set_working_cursor("**Working...**");
  if (desc && !desc[0]) desc = nullptr;
  const Part_rout_rec &rout = Part_rout[type];
  if (!part_check_values(108, flags, values) ||
      (rout.check_values && !rout.check_values(108, flags, values))) {
    if (from_command) Command_proc_err = 1;
    unset_working_cursor();
    return;
  }
  if (type == PART_CLIP && base) clip_tool_defaults(base, nullptr);
  if (type != PART_SUBSET && !from_command && Recrdr == 1) {
    part_rec_selparts(CMD_CAT_PART, 0, nullptr, -1);
    part_rec_selparts(CMD_CAT_PART, count, numbers, 0);
  }
  Part_create_error = 0;
  if (rout.create)
    rout.create(defaults_flag, count, numbers, base, values, desc, creation, flags, from_command);
  if (Part_create_error == 1) {
    // Nothing was made: a command line that asked for it fails.
    if (from_command) Command_proc_err = 1;
    unset_working_cursor();
    return;
  }
  if (type != PART_TRACE && !from_command && Recrdr == 1) {
    char line[64];
    snprintf(line, sizeof line, "%s %s", Cmds_cat[Part_cat_map[type]].name, "create");
    cmdrec(line);
  }
  if (Part_apply_windep.mainprt_list_refresh) Part_apply_windep.mainprt_list_refresh();
  if (mode == 0 && Part_apply_windep.mainprt_scroll_last) Part_apply_windep.mainprt_scroll_last();
  if (type == Part_dlog_current) {
    if (Part_apply_windep.editor_list_refresh) Part_apply_windep.editor_list_refresh();
    if (Part_apply_windep.editor_select_last) Part_apply_windep.editor_select_last();
  }
  unset_working_cursor();
}

// ---- the editor's Create ------------------------------------------------------------

static int active_variables_of_type(int type) {
  int n = 0;
  for (int r = 0; Variables && r < Var_avail_cnt; r++)
    if (Variables[r].type == type && Variables[r].active) n++;
  return n;
}

// Step 8 of the Create action: the creation variable suits the type.  The
// refusal message, or null.
static const char *creation_variable_refusal(int type, float var) {
  static const char *const need = "Must specify a variable for this part operation.";
  if (var == -1.0f || !Variables) return need;
  const Variable_rec *v = nullptr;
  for (int r = 0; r < Var_avail_cnt && !v; r++)
    if (Variables[r].id == (int)var && Variables[r].active) v = &Variables[r];
  if (!v) return need;
  if (v->type == 3) return "Time variable can only be used to color particle traces.";
  if (type == PART_TENSOR && v->type != 4)
    return "Tensor parts can only be created from a TENSOR variable.";
  if (type == PART_CONTOUR && v->element_based)
    return "Contours can not be created from Element Centered variables.";
  if ((type == PART_TRACE || type == PART_ARROW) && v->type == 2)
    return "Particle Traces and Vector Arrows cannot be created from a Coordinate variable.";
  return nullptr;
}

void part_setupcreate_and_doit() {
  int type = Part_dlog_current;
  if (type < 0 || type >= PART_ROUT_ROWS) return;
  char desc[PART_DESC_TEXT];
  snprintf(desc, sizeof desc, "%s", Part_wrking_desc);

  int ecount = 0, *einternal = nullptr, *enumbers = nullptr;
  part_selected_parts_windep(2, &ecount, &einternal, &enumbers);
  int base_part = ecount > 0 && enumbers ? enumbers[0] : -1;
  int defaults_flag = base_part == -1 ? 1 : 0;
  free(einternal);
  free(enumbers);

  int count = 0, *internal = nullptr, *numbers = nullptr;
  if (type != PART_SUBSET) {
    part_selected_parts_windep(0, &count, &internal, &numbers);
    free(internal);
    if (count <= 0) {
      free(numbers);
      disperr("No parts selected to create with.");
      return;
    }
  }
  auto stop = [&](const char *msg) {
    disperr(msg);
    free(numbers);
  };
  if (((type == PART_TRACE || type == PART_ARROW) && active_variables_of_type(1) == 0) ||
      (type == PART_TENSOR && active_variables_of_type(4) == 0)) {
    stop("No vector variables activated.  Can't create part.");
    return;
  }
  float defaults[PART_ATTR_SLOTS], base[PART_ATTR_SLOTS];
  char scratch[PART_NAME_TEXT];
  char *creation = nullptr;
  part_attributes(-1, type, defaults, nullptr, scratch, &creation, 0);
  free(creation);
  creation = nullptr;
  if (part_attributes(base_part, type, base, nullptr, scratch, &creation, 0) < 0)
    memcpy(base, defaults, sizeof base);
  free(creation);

  float values[PART_ATTR_SLOTS];
  int flags[PART_ATTR_SLOTS];
  memcpy(values, Part_wrking_attr, sizeof values);
  memcpy(flags, Part_wrkingchng_flags, sizeof flags);
  for (int s = 0; s < PART_ATTR_SLOTS; s++)
    if (values[s] != defaults[s]) flags[s] = 1;

  if (type == PART_SUBSET) {
    // The subset's node and element lists come with the subset feature.
    stop("Could not add new node/element information for creation.");
    return;
  }
  if (type == PART_CONTOUR || type == PART_ISOSURFACE || type == PART_TRACE ||
      type == PART_PROFILE || type == PART_ARROW || type == PART_ELEVATED ||
      type == PART_TENSOR) {
    float var = flags[SLOT_CREATE_VARIABLE] ? values[SLOT_CREATE_VARIABLE]
                                            : base[SLOT_CREATE_VARIABLE];
    if (const char *msg = creation_variable_refusal(type, var)) {
      stop(msg);
      return;
    }
  }
  char *create_desc = Part_wrking_createdesc;
  Part_wrking_createdesc = nullptr;
  part_create(type, count, numbers, 2, base, values, desc, create_desc, flags, defaults_flag, 0);
  free(numbers);
  free(create_desc);
  if (Part_dlog_current == type && Part_apply_windep.editor_select_last)
    Part_apply_windep.editor_select_last();
}

// ---- small routines of the editor's controls ---------------------------------------------

void part_nodesizeby_dependency(int size_by, int which) {
  static int last[2] = {0, 0};  // per menu: quick-edit popup 0, editor 1
  int kind = 4, sensitive = 0;
  if (size_by == 0) {
    kind = 0;
  } else if (size_by == 1) {
    kind = 0;
    sensitive = 1;
  } else if (size_by >= 2 && size_by <= 5) {
    kind = 1;
    sensitive = 1;
  }
  int m = which ? 1 : 0;
  if (size_by != last[m]) last[m] = size_by;
  if (Part_apply_windep.nodevar_menu) Part_apply_windep.nodevar_menu(m, kind, sensitive);
}

void part_scale_default(int type, float *scale, float *offset) {
  if (!scale || !offset) return;
  if (Part_wrking_attr[SLOT_CREATE_VARIABLE] == -1.0f) {
    *scale = 1.0f;
    *offset = 0.0f;
  }
  // The profile, arrow and elevated-surface sizes come with those features;
  // until then the outputs are left as they are.
  (void)type;
}
