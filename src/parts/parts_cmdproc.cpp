// The "part:" category: its keyword table, its processor (selections by
// numbers, names, defaults and lists; the attribute keywords, which only
// collect pending values; the modify_end that applies them; the list
// actions), its special recorder for the per-viewport visibility and its
// refresh.  It owns the name list of a select_partname block.  The "model:"
// category lives with the model parts (model_rout.h).
#include "parts/parts_cmdproc.h"

#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "client/cmd_play.h"
#include "client/command_dlog.h"
#include "client/context_map.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/part_apply.h"
#include "parts/part_list_ops.h"
#include "parts/read.h"
#include "variables/variables.h"
#include "view/view_cmdproc.h"
#include "view/viewport_part_vis.h"
#include "view/viewports.h"

#define PART_NAME_LIST_MAX 5000  // part numbers one name selection may hold

int Cmd_select_allmatchingparts = 1;
int Cmd_partname_mode = 0;
int (*part_palette_by_name)(const char *name) = nullptr;
void (*part_select_mainlist_all_windep)() = nullptr;

static std::vector<int> Cmd_partname_list;  // parts named so far in a name block

// ---- the keyword table -----------------------------------------------------------

static const Cmd_option_rec Partnodetype[] = {{"dot", 0}, {"cross", 1}, {"sphere", 2}, {"", -99}};
static const Cmd_option_rec Partnodesizeby[] = {
    {"constant", 0},     {"scalar", 1},       {"vector_mag", 2}, {"vector_xcomp", 3},
    {"vector_ycomp", 4}, {"vector_zcomp", 5}, {"", -99}};
static const Cmd_option_rec Partlinestyle[] = {
    {"solid", 0}, {"dotted", 1}, {"dot-dash", 2}, {"", -99}};
static const Cmd_option_rec Partshadtype[] = {{"flat", 0}, {"gouraud", 1}, {"smooth", 2}, {"", -99}};
static const Cmd_option_rec Parteltrep[] = {
    {"3D_border_2D_full", 0}, {"border", 1},       {"feature_angle", 2}, {"full", 3},
    {"not_loaded", 4},        {"bounding_box", 5}, {"", -99}};
static const Cmd_option_rec Bounding_type[] = {
    {"off", 0}, {"box", 1}, {"points", 2}, {"element", 0}, {"", -99}};

const Cmd_keyword_rec Cmds_part[] = {
    {"ref_frame", 1, 'd', 0, 0, nullptr},
    {"visible", 1, 'n', 0, 1, nullptr},
    {"viewport_vis", 1, 'u', 1, 2, nullptr},
    {"mirror_original", 1, 'n', 1, 3, nullptr},
    {"viewport_vis", 1, 'm', 1, 4, nullptr},
    {"clip", 1, 'n', 0, 5, nullptr},
    {"active", 1, 'n', 0, 14, nullptr},
    {"visibility_node", 1, 'n', 0, 6, nullptr},
    {"visibility_line", 1, 'n', 0, 7, nullptr},
    {"visibility_elt", 1, 'n', 0, 8, nullptr},
    {"node_type", 1, 's', 0, 9, Partnodetype},
    {"node_scale", 1, 'f', 0, 10, nullptr},
    {"node_detail", 1, 'd', 0, 11, nullptr},
    {"node_size_by", 1, 's', 0, 12, Partnodesizeby},
    {"node_variable", 1, 'v', 0, 13, nullptr},
    {"mirror_z", 1, 'n', 0, 15, nullptr},
    {"mirror_y", 1, 'n', 0, 16, nullptr},
    {"mirror_x", 1, 'n', 0, 17, nullptr},
    {"mirror_xy", 1, 'n', 0, 18, nullptr},
    {"mirror_yz", 1, 'n', 0, 19, nullptr},
    {"mirror_xz", 1, 'n', 0, 20, nullptr},
    {"mirror_xyz", 1, 'n', 0, 21, nullptr},
    {"displace_by", 1, 'v', 0, 22, nullptr},
    {"displace_factor", 1, 'f', 0, 23, nullptr},
    {"line_width", 1, 'd', 0, 24, nullptr},
    {"line_style", 1, 's', 0, 25, Partlinestyle},
    {"hidden_line", 1, 'n', 0, 26, nullptr},
    {"hidden_surface", 1, 'n', 0, 27, nullptr},
    {"shading", 1, 's', 0, 28, Partshadtype},
    {"fill_pattern", 1, 'd', 0, 29, nullptr},
    {"light_diff", 1, 'f', 0, 30, nullptr},
    {"light_shin", 1, 'f', 0, 31, nullptr},
    {"light_h_int", 1, 'f', 0, 32, nullptr},
    {"elt_representation", 1, 's', 0, 33, Parteltrep},
    {"elt_feature_angle", 1, 'f', 0, 34, nullptr},
    {"elt_shrink_factor", 1, 'f', 0, 35, nullptr},
    {"entity_label_node", 1, 'n', 0, 36, nullptr},
    {"entity_label_elt", 1, 'n', 0, 37, nullptr},
    {"bounding_rep", 1, 's', 0, 38, Bounding_type},
    {"colorby_palette", 1, 'p', 0, 39, nullptr},
    {"colorby_subpalette", 1, 'p', 0, 40, nullptr},
    {"colorby_rgb", 3, 'f', 0, 41, nullptr},
    {"1", 3, 'f', 0, 41, nullptr},
    {"2", 3, 'f', 0, 41, nullptr},
    {"opaqueness", 1, 'f', 0, 44, nullptr},
    {"description", 1, 's', 0, 45, nullptr},
    {"select_begin", 0, 'b', 0, 46, nullptr},
    {"select_end", 0, 'e', 0, 47, nullptr},
    {"copy", 0, 'z', 0, 48, nullptr},
    {"extract", 0, 'z', 0, 49, nullptr},
    {"delete", 0, 'z', 0, 50, nullptr},
    {"updtparts", 1, 'd', 0, 51, nullptr},
    {"cut_split", 0, 'z', 0, 52, nullptr},
    {"cut_remove", 0, 'z', 0, 53, nullptr},
    {"modify_begin", 0, 'z', 0, 54, nullptr},
    {"modify_end", 0, 'z', 0, 55, nullptr},
    {"select_default", 0, 'z', 0, 56, nullptr},
    {"begin", 0, 'z', 0, 57, nullptr},
    {"end", 0, 'z', 0, 58, nullptr},
    {"merge", 0, 'z', 0, 59, nullptr},
    {"select_all_default", 0, 'z', 0, 60, nullptr},
    {"get_mainpartlist_select", 0, 'z', 0, 61, nullptr},
    {"select_partname_begin", 0, 'z', 0, 62, nullptr},
    {"select_partname_end", 0, 'z', 0, 63, nullptr},
    {"select_mainpartlist_all", 0, 'z', 0, 64, nullptr},
    {"group", 1, 's', 0, 65, nullptr},
    {"ungroup", 0, 'z', 0, 66, nullptr},
    {"create_assign_viewport", 0, 'z', 0, 67, nullptr},
    {"create_assign_viewports", 0, 'z', 0, 68, nullptr},
    {"select_all", 0, 'z', 0, 69, nullptr},
    {"select_all_case", 0, 'z', 0, 70, nullptr},
    {"symmetry_1_1_-1", 1, 'n', 0, 15, nullptr},
    {"symmetry_1_-1_1", 1, 'n', 0, 16, nullptr},
    {"symmetry_-1_1_1", 1, 'n', 0, 17, nullptr},
    {"symmetry_-1_-1_1", 1, 'n', 0, 18, nullptr},
    {"symmetry_1_-1_-1", 1, 'n', 0, 19, nullptr},
    {"symmetry_-1_1_-1", 1, 'n', 0, 20, nullptr},
    {"symmetry_-1_-1_-1", 1, 'n', 0, 21, nullptr},
    {"line_hidden_line", 1, 'n', 0, 26, nullptr},
    {"surface_hidden_surface", 1, 'n', 0, 27, nullptr},
    {"surface_type", 1, 's', 0, 28, Partshadtype},
    {"surface_fill_pattern", 1, 'd', 0, 29, nullptr},
    {"transparency", 1, 'f', 0, 44, nullptr},
    {"entity_label_part", 1, 'n', 0, 71, nullptr},
    CMD_KEYWORD_END};

// ---- helpers ---------------------------------------------------------------------------

// Fails the line with a message.
static int fail(const char *message) {
  if (message) disperr(message);
  Command_proc_err = 1;
  return -1;
}

// The attribute slot of an attribute keyword's id.
static int slot_of_id(int id) {
  if (id == 14) return SLOT_ACTIVE;
  if (id >= 6 && id <= 13) return id + 1;
  if (id == 71) return SLOT_LABEL_PART;
  return id;
}

static void pend(int slot, float value) {
  Part_mod_attr[slot] = value;
  Part_modchng_flags[slot] = 1;
}

namespace {
struct Bad_value {
  int id;
  const char *message;
};
}  // namespace

// The message of a bad value, by keyword id.
static const Bad_value Bad_values[] = {
    {0, "part active: Bad parameter"},          {1, "part visible: Bad parameter"},
    {3, "symmetry: Bad parameter"},
    {5, "part clip: Bad parameter"},            {14, "part active: Bad parameter"},
    {6, "visibility node: Bad parameter"},      {7, "visibility line: Bad parameter"},
    {8, "visibility element: Bad parameter"},   {9, "node type: Bad parameter"},
    {10, "node scale: Bad parameter"},          {11, "node detail level: Bad parameter"},
    {12, "node size by: Bad parameter"},        {13, "node var: Bad parameter"},
    {22, "displacement: The variable doesn't exist."},
    {23, "displace by: Bad parameter"},         {24, "line width: Bad parameter"},
    {25, "line style: Bad parameter"},          {26, "line hidden line: Bad parameter"},
    {27, "surface shading: Bad parameter"},     {28, "surface type: Bad parameter"},
    {29, "surface fill: Bad parameter"},        {30, "light diffuse: Bad parameter"},
    {31, "light shininess: Bad parameter"},     {32, "light h int: Bad parameter"},
    {33, "elt representation: Bad parameter"},  {34, "feature angle: Bad parameter"},
    {35, "element shrink: Bad parameter"},      {36, "entity node label: Bad parameter"},
    {37, "entity element label: Bad parameter"}, {71, "entity part label: Bad parameter"},
    {38, "node type: Bad parameter"},           {39, "colorby palette: Bad parameter"},
    {41, "RGB color: Bad parameter"},           {44, "surface transparency: Bad parameter"},
    {51, "update parts: Bad parameter"},
};

static int bad_value(int id) {
  for (const Bad_value &b : Bad_values)
    if (b.id == id) return fail(b.message);
  for (int s = 15; s <= 21; s++)
    if (id == s) return fail("symmetry: Bad parameter");
  return fail("Bad data passed to part_cmdproc()");
}

// The id of the variable named name, -1 for "none", or -2 when unknown.
static int variable_id(const char *name, bool context_map) {
  if (strcasecmp(name, "none") == 0) return -1;
  int row = varindx_by_name(name);
  if (row >= 0 && Variables) return Variables[row].id;
  if (context_map && Context_old_varcnt > 0) {
    int unique = cmd_varindx_from_contexttable(name);
    for (int r = 0; unique >= 0 && Variables && r < Var_avail_cnt; r++)
      if (Variables[r].unique_id == unique) return Variables[r].id;
  }
  return -2;
}

// "on"/"off" and up to 16 viewport numbers (1-based).
static int viewport_visibility(const char *params) {
  char word[16] = "";
  int used = 0;
  if (sscanf(params, "%15s%n", word, &used) != 1) return bad_value(2);
  bool on = strncasecmp(word, "off", 3) != 0;
  int mask = 0, pattern = 0;
  const char *p = params + used;
  for (int k = 0; k < MAX_VIEWPORTS; k++) {
    int v = 0, n = 0;
    if (sscanf(p, "%d%n", &v, &n) != 1) break;
    p += n;
    if (v < 1 || v > MAX_VIEWPORTS) return bad_value(2);
    pattern |= 1 << (v - 1);
    if (on) mask |= 1 << (v - 1);
  }
  viewport_vis_part_changed_pattern(&pattern, 1);
  pend(SLOT_VIEWPORT_VIS, (float)mask);
  return 1;
}

static int colour_by_palette(const char *params) {
  char name[VAR_NAME_LEN] = "", comp[8] = "";
  int n = sscanf(params, "%79s %7s", name, comp);
  if (n < 1 || !name[0]) return fail("colorby palette: illegal name specified.");
  if (strcasecmp(name, "none") == 0) {
    pend(SLOT_COLORBY_PALETTE, 0.0f);
    pend(SLOT_COLORBY_SUBPALETTE, 0.0f);
    return 1;
  }
  int palette = part_palette_by_name ? part_palette_by_name(name) : -1;
  if (palette <= 0) return bad_value(39);
  int component = 0;
  if (n == 2) component = comp[0] == 'x' ? 1 : comp[0] == 'y' ? 2 : comp[0] == 'z' ? 3 : 0;
  pend(SLOT_COLORBY_PALETTE, (float)palette);
  pend(SLOT_COLORBY_SUBPALETTE, (float)component);
  return 1;
}

// An attribute keyword: the pending value.
static int attribute_keyword(const char *params, int cat_index, int kw_row, int id) {
  const Cmd_keyword_rec &row = Cmds_part[kw_row];
  char *answer = nullptr;
  if (cmd_param_asked(&params, &answer, Cmd_no_value_entered) < 0) {
    Command_proc_err = 1;
    return -1;
  }
  int r = 1;
  if (id == 2) {
    r = viewport_visibility(params);
  } else if (id == 13 || id == 22) {
    int var = variable_id(params, id == 22);
    r = var == -2 ? bad_value(id) : (pend(slot_of_id(id), (float)var), 1);
  } else if (id == 39) {
    r = colour_by_palette(params);
  } else if (id == 45) {
    // The description field holds 49 characters; a longer one is cut.
    snprintf(Part_mod_desc, sizeof Part_mod_desc, "%s", params);
    Part_modchng_desc_flag = 1;
  } else if (row.type == 's') {
    int v = cmd_process_strparams(params, cat_index, kw_row);
    r = v < 0 ? bad_value(id) : (pend(slot_of_id(id), (float)v), 1);
  } else {
    float values[3] = {0, 0, 0};
    if (cmd_process_params(cat_index, kw_row, params, values) < 0) {
      r = bad_value(id);
    } else if (id == 41) {
      for (int k = 0; k < 3; k++) pend(SLOT_RGB_R + k, values[k]);
    } else {
      pend(slot_of_id(id), values[0]);
    }
  }
  free(answer);
  return r;
}

// ---- selections --------------------------------------------------------------------------

static int select_numbers(const int *ids, int nids) {
  for (int k = 0; k < nids; k++)
    if (partxid_check(ids[k]) < 0) return fail("part: Invalid part id specified.");
  if (cmd_part_selection_set(nids, ids) < 0)
    return fail("Error allocating list of command processing parts.");
  return 1;
}

static int select_one(int entry) {
  Cmd_part_wrking_defaulttype = 0;
  if (cmd_part_selection_set(1, &entry) < 0)
    return fail("Error allocating list of command processing parts.");
  return 1;
}

static int select_listed(bool current_case_only) {
  std::vector<int> list;
  for (int n = 0; n < Num_p_partlist; n++) {
    int number = 0, type = 0, c = 0, structured = 0;
    char name[PART_NAME_TEXT];
    if (ui_part_get(0, n, &number, &type, name, &c, &structured) < 0) {
      fprintf(stderr, "part_list_updt(): Part internal # bad.\n");
      continue;
    }
    if (!current_case_only || c == Case_num) list.push_back(number);
  }
  Cmd_part_wrking_defaulttype = 0;
  if (cmd_part_selection_set((int)list.size(), list.data()) < 0)
    return fail("Error allocating list of command processing parts.");
  return 1;
}

static int select_main_list() {
  int count = 0, *internal = nullptr, *numbers = nullptr;
  part_selected_parts_windep(0, &count, &internal, &numbers);
  free(internal);
  int r = 1;
  if (count > 0 && numbers) {
    if (cmd_part_selection_set(count, numbers) < 0)
      r = fail("Error allocating command part list memory.");
  } else {
    r = select_one(-1) < 0 ? fail("Error allocating command part list memory.") : 1;
  }
  free(numbers);
  return r;
}

static bool listed(int number) {
  for (int n : Cmd_partname_list)
    if (n == number) return true;
  return false;
}

static int add_named(int number) {
  if (listed(number)) return 1;
  if ((int)Cmd_partname_list.size() >= PART_NAME_LIST_MAX) {
    Cmd_partname_mode = 0;
    return fail("part: more than 5000 parts named in one part selection.");
  }
  Cmd_partname_list.push_back(number);
  return 1;
}

// A name that finds no part: the restored context file's map, else skipped
// or refused.
static int unmatched_name(const char *name) {
  static const char *const missing = "part: selection - Part doesn't exist.";
  if (Context_old_partcnt > 0) {
    int count = 0;
    const int *mapped = nullptr;
    if (cmd_parteid_fromcontexttable(name, &count, &mapped) < 0) {
      Cmd_partname_mode = 0;
      return fail(missing);
    }
    for (int k = 0; k < count; k++)
      if (add_named(mapped[k]) < 0) return -1;
    return 1;
  }
  if (Cmd_select_allmatchingparts) return 1;
  Cmd_partname_mode = 0;
  return fail(missing);
}

static int name_found(const char *name) {
  if (Cmd_select_allmatchingparts) {
    std::vector<int> found((size_t)Num_p_loaded + 1);
    int n = return_allpartnum_given_description(name, found.data());
    if (n < 0) return unmatched_name(name);
    for (int k = 0; k < n; k++)
      if (add_named(found[k]) < 0) return -1;
    return 1;
  }
  int number = return_partnumforcase_given_description(name);
  return number < 0 ? unmatched_name(name) : add_named(number);
}

// Text after "??" shown in a message box: each backslash and the character
// after it become a blank and a line break.
static void show_question_line(const char *text) {
  std::string shown;
  for (const char *q = text; *q; q++) {
    if (q[0] == '\\' && q[1]) {
      shown += " \n";
      q++;
    } else {
      shown += *q;
    }
  }
  screen_usermesg(shown.c_str(), 0, 5);
  cmd_playinterrupt();
}

// One line of quoted names inside a select_partname block.
static int name_line(const char *line) {
  while (*line == ' ' || *line == '\t') line++;
  if (line[0] == '?' && line[1] == '?') {
    show_question_line(line + 2);
    return 1;
  }
  const char *p = line;
  while (*p) {
    while (*p && *p != '"') p++;
    if (!*p) break;
    const char *end = strchr(p + 1, '"');
    if (!end) {
      Cmd_partname_mode = 0;
      return fail("part: missing \" in part selection name.");
    }
    std::string name(p + 1, end);
    if (name_found(name.c_str()) < 0) return -1;
    p = end + 1;
  }
  return 1;
}

// ---- actions ---------------------------------------------------------------------------

static int modify_end() {
  Cmd_partbatchmod_mode = 0;
  if (Cmd_part_wrking_cnt <= 0 || !Cmd_part_wrking_extnumber)
    return fail("No parts selected to modify attributes.");
  int first = Cmd_part_wrking_extnumber[0];
  int deflt = first == -1 ? 1 : 0;
  int type = deflt ? Cmd_part_wrking_defaulttype : 0;
  // Node ranges gathered by "model:" lines inside the block are checked
  // before anything reaches a server.
  if (type == PART_MODEL && !model_command_ranges_acceptable()) {
    part_clear_chngflags(Part_modchng_flags);
    return fail(nullptr);
  }
  part_apply(PART_SRC_COMMAND, type, deflt, Part_mod_attr, Part_modchng_flags, Part_mod_desc,
             Part_modchng_desc_flag, Part_mod_subsetdesc, Cmd_part_wrking_cnt,
             Cmd_part_wrking_extnumber, 0, 1);
  Part_modchng_desc_flag = 0;
  return Command_proc_err ? -1 : 1;
}

static const char *const Cut_split_refusal =
    "Part cut now creates two parts and leaves the original part as the parent.  This allows "
    "changing time steps with a cut part.  However, this causes old command files to break "
    "because the part number does not match.  You will have to recreate the rest of this "
    "command file from hand and resave it.";
static const char *const Cut_remove_refusal =
    "Part cut now creates a new part and leaves the original part as the parent.  This allows "
    "changing time steps with a cut part.  However, this causes old command files to break "
    "because the part number does not match.  You will have to recreate the rest of this "
    "command file from hand and resave it.";

// Cutting parts needs an engine this build does not have.
static int unavailable(const char *keyword) {
  char msg[96];
  snprintf(msg, sizeof msg, "part: %s is not available in this build.", keyword);
  return fail(msg);
}

static int group_result(int r) {
  if (r == PART_GROUP_DONE) return 1;
  part_group_report(r);
  return fail(nullptr);
}

static int list_action(const char *keyword, const char *params, int id) {
  const int count = Cmd_part_wrking_extnumber ? Cmd_part_wrking_cnt : 0;
  const int *numbers = Cmd_part_wrking_extnumber;
  if (id == 52 || id == 53) {
    if (Current_cmdfile_version < 6.1f)
      return fail(id == 52 ? Cut_split_refusal : Cut_remove_refusal);
    return unavailable(keyword);
  }
  if (id == 51) {
    int n = atoi(params);
    if (partxid_check(n) < 0 || n <= 0) return fail("update parts: Invalid part id specified.");
    return part_updt_parent(n, count, numbers, 1) < 0 ? (Command_proc_err = 1, -1) : 1;
  }
  if (id == 65 && !params[0]) return fail("Part group name doesn't exist.");
  if (id == 67 || id == 68) {  // new viewports for the selected parts
    if (count <= 0 || numbers[0] < 0) return fail("No parts selected.");
    if (from_gui_new_part_in_new_viewport(numbers, count, id == 67) < 0)
      return fail(id == 67 ? "Could not create the new viewport." : "Could not create the new viewports.");
    return 1;
  }
  if (count <= 0 || numbers[0] < 0) return fail("No parts selected.");
  switch (id) {
    case 48: return part_copy(count, numbers) < 0 ? (Command_proc_err = 1, -1) : 1;
    case 49: case 59: return part_general_extract_merge(0, 1, id == 59);
    case 50: return part_delete(count, numbers) < 0 ? (Command_proc_err = 1, -1) : 1;
    case 65: return group_result(part_group(count, numbers, params));
    case 66: {
      int r = part_ungroup(count, numbers);
      if (r == PART_GROUP_DONE) return 1;
      char msg[80];
      snprintf(msg, sizeof msg, "Part %d is not a group.", r);
      return fail(msg);
    }
    default: return unavailable(keyword);
  }
}

int part_cmdproc(const char *line, const char *, const char *keyword, const char *params,
                 int cat_index, int kw_row, int id, const int *ids, int nids) {
  if (!params) params = "";
  if (Cmd_partname_mode == 1 && id != 63) return name_line(line ? line : keyword);
  Command_proc_err = 0;
  int r = 1;
  switch (id) {
    case 46: case 58:
      break;
    case 47:
      r = select_numbers(ids, nids);
      break;
    case 56:
      r = select_one(-1);
      break;
    case 60:
      r = select_one(-2);
      break;
    case 61:
      r = select_main_list();
      break;
    case 69: case 70:
      r = select_listed(id == 70);
      break;
    case 64:
      if (part_select_mainlist_all_windep) part_select_mainlist_all_windep();
      break;
    case 62:
      Cmd_partname_mode = 1;
      Cmd_partname_list.clear();
      break;
    case 63:
      Cmd_partname_mode = 0;
      Cmd_part_wrking_defaulttype = 0;
      if (cmd_part_selection_set((int)Cmd_partname_list.size(), Cmd_partname_list.data()) < 0)
        r = fail("Error allocating list of command processing parts.");
      break;
    case 54: case 57:
      Cmd_partbatchmod_mode = 1;
      part_mod_clear();
      break;
    case 55:
      r = modify_end();
      break;
    case 48: case 49: case 50: case 51: case 52: case 53: case 59: case 65: case 66: case 67:
    case 68:
      r = list_action(keyword, params, id);
      break;
    default:
      if (kw_row < 0 || id == 4 || id == 40 || id > 71 || id < 0)
        r = fail("Bad data passed to part_cmdproc()");
      else
        r = attribute_keyword(params, cat_index, kw_row, id);
      break;
  }
  if (Command_proc_err) r = -1;
  return r;
}

// ---- recording and refresh ----------------------------------------------------------------

int part_cmdrec(int, int, const char *category, int slot, float *, float *newv, const char *,
                int *) {
  if (slot != SLOT_VIEWPORT_VIS || !newv) return 0;
  int pattern = 0;
  viewport_vis_part_changed_pattern(&pattern, 0);
  int mask = (int)newv[SLOT_VIEWPORT_VIS];
  std::string on, off;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    if (!(pattern & (1 << v)) || !viewport_exists(v)) continue;
    std::string &list = (mask & (1 << v)) ? on : off;
    list += " " + std::to_string(v + 1);
  }
  char line[256];
  const char *cat = category ? category : "part:";
  if (!on.empty()) {
    snprintf(line, sizeof line, "%s %s on %s", cat, "viewport_vis", on.c_str());
    cmdrec(line);
  }
  if (!off.empty()) {
    snprintf(line, sizeof line, "%s %s off %s", cat, "viewport_vis", off.c_str());
    cmdrec(line);
  }
  return 0;
}

// The part dialogs serve every part-making category, so one refresh clears them all.
void part_ref(int) {
  part_refresh();
  static const int part_making[] = {2, 3, 4, 5, 6, 7, 9, 10, 11, 24, 45, 55, 56};
  for (int cat : part_making) cmd_clear_refresh(cat);
}

void part_refresh() {
  if (Part_apply_windep.editor_refresh) Part_apply_windep.editor_refresh();
}
