// Part detailed editor logic (see part_deteditor.h).  Owns the editor's
// list map, the dialog side's pending values and change flags, the
// rebuild-needed marks of its variable menus and the hooks its widgets
// set.  The working part lists (Part_wrking_cnt and the two number arrays)
// and the pending description belong to the change pipeline (part_apply.h)
// and are replaced here on every reload of the selection.
#include "parts/part_deteditor.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/cmd_tables.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/part_apply.h"
#include "parts/part_record.h"
#include "parts/read.h"
#include "variables/variables.h"

int Deted_part_mapcnt = 0;
int *Deted_partlist_to_internal = nullptr;
int Part_dlog_current = 0;
int Part_listbytype = 0;

float Part_wrking_attr[PART_ATTR_SLOTS] = {};
int Part_wrkingchng_flags[PART_ATTR_SLOTS] = {};
int Part_wrkingchng_desc_flag = 0;

Part_detedit_windep_hooks Part_detedit_windep = {};

const char Part_dialog_letter[18] = {'M', '2', 'C', 'X', 'F', 'I', 'T', 'P', 'V',
                                     'E', 'D', 'M', 'M', 'M', 'I', 'S', 'G', ' '};

static int Var_menu_rebuild[4] = {1, 1, 1, 1};  // per variable menu: entries must be rebuilt
static float Vpvis_mask = 0.0f;  // viewport mask (slot 2) the editor's picker works on

static bool editor_up() { return Part_detedit_windep.up && Part_detedit_windep.up(); }

static void sensitive(int control, int on) {
  if (Part_detedit_windep.sensitive) Part_detedit_windep.sensitive(control, on);
}

static bool immediate() {
  return Part_apply_windep.editor_immediate ? Part_apply_windep.editor_immediate() != 0 : true;
}

static bool model_kind(int type) {
  return type == PART_MODEL || type == PART_DISCRETE || type == PART_EXTRACT ||
         type == PART_CUT || type == PART_BOUNDARY;
}

// ---- the list ---------------------------------------------------------------------

static void free_map() {
  free(Deted_partlist_to_internal);
  Deted_partlist_to_internal = nullptr;
  Deted_part_mapcnt = 0;
}

int part_list_rows(int by_case, int case_index, std::vector<std::string> *rows) {
  rows->clear();
  free_map();
  if (by_case && Num_p_partlist == 0) return 0;
  Deted_partlist_to_internal = static_cast<int *>(calloc((size_t)Num_p_partlist + 1, sizeof(int)));
  if (!Deted_partlist_to_internal) {
    disperr(by_case ? "Error allocating list by case." : "Couldn't allocate list to main map memory.");
    return -1;
  }
  for (int i = 0; i < Num_p_partlist; i++) {
    int number = 0, type = 0, c = 0, structured = 0;
    char name[PART_NAME_TEXT] = "";
    if (ui_part_get(0, i, &number, &type, name, &c, &structured) < 0) {
      fprintf(stderr, by_case ? "part_listbycase_updt(): Part internal # bad.\n"
                              : "part_list_updt(): Part internal # bad.\n");
      continue;
    }
    bool wanted = type == Part_dlog_current ||
                  (Part_dlog_current == PART_MODEL && model_kind(type) && type != PART_MODEL);
    if (!wanted || (by_case && c != case_index)) continue;
    char row[PART_NAME_TEXT + 32];
    char letter = type >= 0 && type < 18 ? Part_dialog_letter[type] : ' ';
    snprintf(row, sizeof row, "%d - (%c/C%d) %s", number, letter, c + 1, name);
    rows->push_back(row);
    Deted_partlist_to_internal[rows->size()] = i;
  }
  Deted_part_mapcnt = (int)rows->size();
  if (Deted_part_mapcnt == 0) free_map();
  return 1;
}

void part_list_refresh() {
  if (!Part_detedit_windep.list_fill || !editor_up()) return;
  std::vector<std::string> rows;
  part_list_rows(Part_listbytype, Case_num, &rows);
  std::vector<const char *> texts;
  for (const std::string &r : rows) texts.push_back(r.c_str());
  Part_detedit_windep.list_fill((int)texts.size(), texts.data());
}

// The part number of a list row, or 0.
static int row_part(int row, int *internal) {
  if (row < 1 || row > Deted_part_mapcnt || !Deted_partlist_to_internal) return 0;
  int number = 0;
  char name[PART_NAME_TEXT];
  if (ui_part_get(0, Deted_partlist_to_internal[row], &number, nullptr, name, nullptr, nullptr) != 1)
    return 0;
  if (internal) *internal = Deted_partlist_to_internal[row] + 1;
  return number;
}

void part_select_detedpartseid(int keep, int count, const int *numbers, int refresh) {
  if (!editor_up() || !Part_detedit_windep.list_select) return;
  std::vector<int> rows;
  for (int k = 0; k < count && numbers; k++)
    for (int r = 1; r <= Deted_part_mapcnt; r++)
      if (row_part(r, nullptr) == numbers[k]) rows.push_back(r);
  Part_detedit_windep.list_select(keep, (int)rows.size(), rows.data());
  if (refresh) part_detedit_ui_refresh();
}

// ---- the working selection ------------------------------------------------------------

static void drop_pending() {
  // A new selection starts clean: changes typed for the previous one are
  // neither kept nor applied to the parts now read.
  if (Part_detedit_windep.clear_marks)
    Part_detedit_windep.clear_marks(Part_wrkingchng_flags, Part_wrkingchng_desc_flag);
  if (Part_wrkingchng_flags[63] && Part_detedit_windep.model_clear_marks)
    Part_detedit_windep.model_clear_marks();
  part_clear_chngflags(Part_wrkingchng_flags);
  Part_wrkingchng_desc_flag = 0;
}

// Takes a working selection (count parts, or none for the defaults).
static void reload(int count, const int *internal, const int *numbers) {
  Part_default = 0;
  free(Part_wrking_intnumber);
  free(Part_wrking_extnumber);
  Part_wrking_intnumber = Part_wrking_extnumber = nullptr;
  Part_wrking_cnt = 0;
  drop_pending();
  size_t n = count > 0 ? (size_t)count : 1;
  Part_wrking_intnumber = static_cast<int *>(malloc(sizeof(int) * n));
  Part_wrking_extnumber = static_cast<int *>(malloc(sizeof(int) * n));
  if (!Part_wrking_intnumber || !Part_wrking_extnumber) {
    report_alloc_failure(__LINE__, __FILE__, "part_detedit_refresh");
    free(Part_wrking_intnumber);
    free(Part_wrking_extnumber);
    Part_wrking_intnumber = Part_wrking_extnumber = nullptr;
    return;
  }
  if (count > 0) {
    memcpy(Part_wrking_intnumber, internal, sizeof(int) * n);
    memcpy(Part_wrking_extnumber, numbers, sizeof(int) * n);
    Part_wrking_cnt = count;
  } else {
    Part_wrking_intnumber[0] = Part_wrking_extnumber[0] = -1;
    Part_wrking_cnt = 1;
    Part_default = 1;
  }
  part_detedit_reinit(Part_wrking_cnt, Part_wrking_intnumber, Part_wrking_extnumber);
  part_rec_selparts(CMD_CAT_PART, Part_wrking_cnt, Part_wrking_extnumber, -1);
  if (Part_detedit_windep.part_show) Part_detedit_windep.part_show();
  part_immedmode_change();
}

void part_detedit_refresh(int, int, const int *rows, int count) {
  if (!editor_up()) return;
  std::vector<int> internal, numbers;
  for (int k = 0; k < count && rows; k++) {
    int in = 0, number = row_part(rows[k], &in);
    if (number <= 0) continue;
    internal.push_back(in);
    numbers.push_back(number);
  }
  reload((int)numbers.size(), internal.data(), numbers.data());
}

// Reads the working change from a part (or the defaults, part -1).
static int read_working(int part) {
  char *creation = nullptr;
  char desc[PART_NAME_TEXT] = "";
  int r = part_attributes(part, Part_dlog_current, Part_wrking_attr, nullptr, desc, &creation, 0);
  if (r < 0) {
    free(creation);
    return -1;
  }
  snprintf(Part_wrking_desc, sizeof Part_wrking_desc, "%s", desc);
  free(Part_wrking_createdesc);
  Part_wrking_createdesc = creation;
  return 1;
}

static void read_part_or_defaults(int number) {
  if (read_working(number) < 0) {
    disperr("Problem getting attributes, using defaults.");
    Part_default = 1;
  }
}

void part_detedit_reinit(int count, const int *, const int *numbers) {
  if (!editor_up()) return;
  const int type = Part_dlog_current;
  sensitive(DETED_UPDT_PARENT, type != PART_SUBSET);
  sensitive(DETED_ACTIVE, 1);
  if (count < 2 && !Part_default && numbers) {
    read_part_or_defaults(numbers[0]);
    sensitive(DETED_CREATE, !model_kind(type));
    if (model_kind(type)) sensitive(DETED_UPDT_PARENT, 0);
    if (type == PART_TRACE) sensitive(DETED_ACTIVE, 0);
    bool copy = is_part_a_copy(numbers[0]) > 0;
    if (copy) {
      sensitive(DETED_ACTIVE, 0);
      sensitive(DETED_CREATE, 0);
      sensitive(DETED_UPDT_PARENT, 0);
    }
    sensitive(DETED_CREATE_FORM, !copy);
    if (Part_detedit_windep.show_parents) Part_detedit_windep.show_parents(1, numbers);
  }
  if (count < 2 && Part_default) {
    if (type == PART_CLIP) Part_wrking_attr[58] = -1.0f;
    free(Part_wrking_createdesc);
    Part_wrking_createdesc = nullptr;
    if (read_working(-1) < 0) {
      fprintf(stderr, "Problem getting default attributes.\n");
      return;
    }
    sensitive(DETED_UPDT_PARENT, 0);
    sensitive(DETED_CREATE, !model_kind(type));
    if (type == PART_TRACE) sensitive(DETED_ACTIVE, 0);
    sensitive(DETED_CREATE_FORM, 1);
    if (Part_detedit_windep.list_select) Part_detedit_windep.list_select(0, 0, nullptr);
  } else if (count >= 2 && numbers) {
    sensitive(DETED_UPDT_PARENT, 0);
    sensitive(DETED_CREATE, 0);
    bool any_copy = false;
    for (int k = 0; k < count; k++) any_copy = any_copy || is_part_a_copy(numbers[k]) > 0;
    if (any_copy) sensitive(DETED_ACTIVE, 0);
    sensitive(DETED_CREATE_FORM, !any_copy);
    read_part_or_defaults(numbers[0]);
  }
  if (type >= 0 && type < PART_ROUT_ROWS && Part_rout[type].init)
    Part_rout[type].init(Part_wrking_attr, Part_wrking_desc);
  if (Part_detedit_windep.part_show) Part_detedit_windep.part_show();
}

void part_detedit_sections_init(float *attr, char *desc) {
  if (Part_detedit_windep.sections_init) Part_detedit_windep.sections_init(attr, desc);
}

// ---- storing and applying changes ---------------------------------------------------------

void part_wrking_attributes(float *array, char *desc, int flag) {
  if (array) {
    if (flag == 0)
      memcpy(array, Part_wrking_attr, sizeof Part_wrking_attr);
    else
      memcpy(Part_wrking_attr, array, sizeof Part_wrking_attr);
  }
  if (desc) snprintf(desc, PART_DESC_TEXT, "%s", Part_wrking_desc);
}

void part_detedit_apply_working(int from_command, int with_creation) {
  // The pipeline works on copies: a refresh of the editor while it runs
  // (the lists follow renamed or hidden parts) reloads the working change
  // and must not pull the values and flags from under it.
  float values[PART_ATTR_SLOTS];
  int flags[PART_ATTR_SLOTS];
  memcpy(values, Part_wrking_attr, sizeof values);
  memcpy(flags, Part_wrkingchng_flags, sizeof flags);
  char desc[PART_DESC_TEXT];
  snprintf(desc, sizeof desc, "%s", Part_wrking_desc);
  std::string creation = with_creation && Part_wrking_createdesc ? Part_wrking_createdesc : "";
  int count = Part_wrking_extnumber ? Part_wrking_cnt : 0;
  std::vector<int> numbers(Part_wrking_extnumber, Part_wrking_extnumber + count);
  int desc_flag = Part_wrkingchng_desc_flag;
  part_clear_chngflags(Part_wrkingchng_flags);
  Part_wrkingchng_desc_flag = 0;
  part_apply(PART_SRC_EDITOR, Part_dlog_current, Part_default, values, flags, desc, desc_flag,
             with_creation && Part_wrking_createdesc ? creation.c_str() : nullptr,
             (int)numbers.size(), numbers.data(), 0, from_command);
}

static void apply_working(int from_command) { part_detedit_apply_working(from_command, 1); }

static void record_selection() {
  int cat = Part_default && Part_dlog_current >= 0 && Part_dlog_current < PART_ROUT_ROWS
                ? Part_cat_map[Part_dlog_current]
                : CMD_CAT_PART;
  part_rec_selparts(cat, Part_wrking_cnt, Part_wrking_extnumber, 2);
}

// The row of Variables at position pos (from 1) of a kind, or -1.
static int var_at(int kind, int pos) {
  std::vector<int> rows = part_var_rows(kind);
  return pos >= 1 && pos <= (int)rows.size() ? rows[(size_t)pos - 1] : -1;
}

int part_nodesizeby_first_variable(int mode, float *variable) {
  if (mode < 1 || mode > 5) return 1;
  int kind = mode == 1 ? PVAR_SCALARS : PVAR_VECTORS;
  if (part_var_rows(kind).empty()) {
    disperr(mode == 1
                ? "No scalar variables currently activated.\nPlease activate the one you wish to use."
                : "No vector variables currently activated.\nPlease activate the one you wish to use.");
    return -1;
  }
  int row = var_at(kind, 1);
  if (row < 0) {
    disperr(mode == 1 ? "Must have a Scalar variable activated to size by."
                      : "Must have a Vector variable activated to size by.");
    return -1;
  }
  *variable = (float)Variables[row].id;
  return 1;
}

// Slot 13: the node size-by mode needs an active variable of its kind.
static int size_by(float mode) {
  int m = (int)mode;
  float variable = 0.0f;
  if (part_nodesizeby_first_variable(m, &variable) < 0) return -1;
  if (m >= 1 && m <= 5) {
    Part_wrking_attr[SLOT_NODE_VARIABLE] = variable;
    Part_wrkingchng_flags[SLOT_NODE_VARIABLE] = 1;
  }
  Part_wrking_attr[SLOT_NODE_SIZE_BY] = mode;
  part_nodesizeby_dependency(m, 1);
  return 1;
}

// Slots 14, 22 and 39: a menu position (from 1) or 1003 for "None".
static int variable_choice(int slot, float value) {
  if (value >= 1000.0f) {
    if ((int)value == 1003)
      Part_wrking_attr[slot] = slot == SLOT_COLORBY_PALETTE ? 0.0f : -1.0f;
    return 1;
  }
  int kind = slot == SLOT_COLORBY_PALETTE ? PVAR_COLORBY
             : slot == SLOT_DISPLACE_BY   ? PVAR_VECTORS
             : (int)Part_wrking_attr[SLOT_NODE_SIZE_BY] == 1 ? PVAR_SCALARS
                                                               : PVAR_VECTORS;
  int row = var_at(kind, (int)value);
  if (row < 0) {
    disperr("Error matching variable, call support.");
    return -1;
  }
  Part_wrking_attr[slot] =
      (float)(slot == SLOT_COLORBY_PALETTE ? Variables[row].palette : Variables[row].id);
  return 1;
}

void part_genattr_apply(int slot, float *values) {
  if (slot < 0 || slot >= PART_ATTR_SLOTS || !values) return;
  float saved[PART_ATTR_SLOTS];
  part_wrking_attributes(saved, nullptr, 0);
  Part_wrkingchng_flags[slot] = 1;
  int r = 1;
  if (slot == SLOT_NODE_SIZE_BY) {
    r = size_by(values[0]);
  } else if (slot == SLOT_NODE_VARIABLE || slot == SLOT_DISPLACE_BY ||
             slot == SLOT_COLORBY_PALETTE) {
    r = variable_choice(slot, values[0]);
  } else if (slot >= SLOT_RGB_R && slot <= SLOT_RGB_B) {
    for (int k = 0; k < 3; k++) {
      Part_wrking_attr[SLOT_RGB_R + k] = values[k];
      Part_wrkingchng_flags[SLOT_RGB_R + k] = 1;
    }
  } else {
    Part_wrking_attr[slot] = values[0];
  }
  if (r < 0) {
    // Nothing was stored: the slot is not pending.
    part_wrking_attributes(saved, nullptr, 1);
    Part_wrkingchng_flags[slot] = 0;
    return;
  }
  if (!part_check_values(slot, Part_wrkingchng_flags, Part_wrking_attr)) {
    part_wrking_attributes(saved, nullptr, 1);
    return;
  }
  if (!immediate()) return;
  record_selection();
  apply_working(0);
}

void part_desc_chng(const char *text) {
  if (!text || !text[0]) {
    disperr("No description specified.");
    return;
  }
  snprintf(Part_wrking_desc, sizeof Part_wrking_desc, "%s", text);
  Part_wrkingchng_desc_flag = 1;
  if (!immediate()) return;
  record_selection();
  apply_working(0);
}

void part_viewport_mask(float *mask, int mode) {
  if (!mask) return;
  if (mode == 1)
    Vpvis_mask = *mask;
  else
    *mask = Vpvis_mask;
}

void part_viewportvis_chng() {
  float mask = Vpvis_mask;
  part_genattr_apply(SLOT_VIEWPORT_VIS, &mask);
}

void part_detedit_apply_from(int, int from_command) {
  record_selection();
  if (Part_dlog_current == PART_SUBSET && !from_command && Part_wrkingchng_flags[46]) {
    // The subset's node and element ranges come with the subset feature.
    disperr("Could not add new node/element information for update.");
    return;
  }
  apply_working(from_command);
}

void part_detedit_apply(void *, void *) { part_detedit_apply_from(0, 0); }

void part_clear_changeindicators(int *flags, int desc_flag) {
  if (editor_up() && Part_detedit_windep.clear_marks)
    Part_detedit_windep.clear_marks(flags, desc_flag);
}

void part_immedmode_change() {
  if (!editor_up()) return;
  sensitive(DETED_APPLY, !immediate() || Part_dlog_current == PART_SUBSET);
}

// ---- refreshing ---------------------------------------------------------------------------

void part_detedit_ui_refresh() {
  if (Part_detedit_windep.main_select) Part_detedit_windep.main_select();
  if (Part_detedit_windep.part_show) Part_detedit_windep.part_show();
  if (!editor_up()) return;
  int count = 0, *internal = nullptr, *numbers = nullptr;
  int r = Part_detedit_windep.selection
              ? Part_detedit_windep.selection(2, &count, &internal, &numbers)
              : 0;
  reload(r == 1 ? count : 0, internal, numbers);
  free(internal);
  free(numbers);
}

void part_refresh_after_create(int type, int refresh_lists) {
  if (refresh_lists) {
    if (Part_apply_windep.mainprt_list_refresh) Part_apply_windep.mainprt_list_refresh();
    if (type == Part_dlog_current) {
      part_list_refresh();
      if (Part_apply_windep.editor_select_last) Part_apply_windep.editor_select_last();
    }
  }
  int count = 0;
  std::vector<int> numbers(MAX_PART_NUMBER), positions(MAX_PART_NUMBER);
  newest_created_parts(&count, numbers.data(), positions.data(), 0);
  if (Part_detedit_windep.main_select) Part_detedit_windep.main_select();
  if (count > 0) part_rec_selparts(CMD_CAT_PART, count, numbers.data(), 0);
}

int part_var_updtneeded() {
  for (int &m : Var_menu_rebuild) m = 1;
  return 1;
}

int part_var_menu_rebuild(int menu) {
  if (menu < 0 || menu > 3) return 0;
  int r = Var_menu_rebuild[menu];
  Var_menu_rebuild[menu] = 0;
  return r;
}

int part_expand_groups_to_realids(const int *numbers, int count, int *out) {
  if (count <= 0 || !numbers || !out) return 0;
  int n = 0;
  for (int k = 0; k < count && n < MAX_PART_NUMBER; k++) {
    if (is_part_a_group(numbers[k]) == 1) {
      int members = 0;
      std::vector<int> list(MAX_PART_NUMBER);
      part_list_in_a_group(numbers[k], &members, list.data());
      for (int m = 0; m < members && n < MAX_PART_NUMBER; m++) out[n++] = list[(size_t)m];
    } else {
      out[n++] = numbers[k];
    }
  }
  return n;
}

// ---- variables of the menus -------------------------------------------------------------

std::vector<int> part_var_rows(int kind) {
  std::vector<int> rows;
  for (int r = 0; Variables && r < Var_avail_cnt; r++) {
    const Variable_rec &v = Variables[r];
    if (!v.active) continue;
    bool take = false;
    switch (kind) {
      case PVAR_SCALARS: take = v.type == 0; break;
      case PVAR_VECTORS: take = v.type == 1; break;
      case PVAR_COLORBY: take = v.type >= 0 && v.type <= 3; break;
      case PVAR_CREATE_SVC: take = v.type >= 0 && v.type <= 2; break;
      case PVAR_CREATE_SV: take = v.type == 0 || v.type == 1; break;
      case PVAR_TENSORS: take = v.type == 4; break;
      default: take = true; break;
    }
    if (take) rows.push_back(r);
  }
  return rows;
}

int part_createvar_kind(int type) {
  switch (type) {
    case PART_CONTOUR: case PART_ISOSURFACE: return PVAR_CREATE_SVC;
    case PART_TRACE: case PART_ARROW: return PVAR_VECTORS;
    case PART_PROFILE: case PART_ELEVATED: return PVAR_CREATE_SV;
    case PART_TENSOR: return PVAR_TENSORS;
    default: return PVAR_ALL;
  }
}

void part_createassign_viewports(int) {}
void mainpart_cut_parts(int) {}
