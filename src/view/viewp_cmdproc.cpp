// The "viewport:" command category (see viewp_cmdproc.h).  Owns the
// keyword table, its three option lists and the working list.  The working
// list mirrors the viewport selection: selection lines and "select_all" set
// both, and every other change of the selection is re-read by
// viewp_icons_refresh, which records it when it changed.  Lines of this
// category record nothing; the panel's operations record their own lines.
#include "view/viewp_cmdproc.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "view/view_cmdproc.h"
#include "view/viewport_background.h"
#include "view/viewport_select.h"

int Viewp_wrking_viewpcnt = 0;
int Viewp_wrking_viewpids[MAX_VIEWPORTS];
int Default_viewpedit_notify = 1;
Viewp_windep_hooks Viewp_windep;

static const Cmd_option_rec viewp_dimens[] = {{"3D", 1}, {"2D", 0}, {"", -99}};
static const Cmd_option_rec viewp_bgtype[] = {
    {"transparent", 0}, {"blended", 3}, {"constant", 2}, {"inherit", 1}, {"", -99}};
static const Cmd_option_rec viewp_layout[] = {
    {"one", 0},          {"two_vertical", 1},       {"two_horizontal", 2},
    {"four_equal", 3},   {"four_withthreeleft", 4}, {"four_withthreebottom", 5},
    {"", -99}};

// A colour keyword and the two placeholder rows that give its other two
// slots a row; all three carry the keyword's id.
#define VIEWP_RGB_ROWS(kw, id) \
  {kw, 3, 'f', 0, id, nullptr}, {"1", 3, 'f', 0, id, nullptr}, {"2", 3, 'f', 0, id, nullptr}
#define VIEWP_POSITION_ROW {"blend_position", 1, 'f', 0, VP_BLEND_POSITION, nullptr}

const Cmd_keyword_rec Cmds_viewp[] = {
    {"view_dimension", 1, 's', 0, VP_VIEW_DIMENSION, viewp_dimens},
    {"auto_centering", 1, 'n', 0, VP_AUTO_CENTERING, nullptr},
    {"border_visible", 1, 'n', 0, VP_BORDER_VISIBLE, nullptr},
    VIEWP_RGB_ROWS("border_rgb", VP_BORDER_RGB),
    {"not_used", 1, 'z', 0, VIEWP_NOT_USED, nullptr},
    {"background_type", 1, 's', 0, VP_BACKGROUND_TYPE, viewp_bgtype},
    {"blend_levels", 1, 'd', 0, VP_BLEND_LEVELS, nullptr},
    VIEWP_RGB_ROWS("constant_rgb", VP_CONSTANT_RGB),
    VIEWP_RGB_ROWS("blend_rgb", VP_BLEND_RGB),
    VIEWP_RGB_ROWS("blend_rgb", VP_BLEND_RGB),
    VIEWP_RGB_ROWS("blend_rgb", VP_BLEND_RGB),
    VIEWP_RGB_ROWS("blend_rgb", VP_BLEND_RGB),
    VIEWP_RGB_ROWS("blend_rgb", VP_BLEND_RGB),
    VIEWP_POSITION_ROW,
    VIEWP_POSITION_ROW,
    VIEWP_POSITION_ROW,
    VIEWP_POSITION_ROW,
    VIEWP_POSITION_ROW,
    {"visible", 1, 'n', 0, VP_VISIBLE, nullptr},
    {"origin_x", 1, 'f', 0, VP_ORIGIN_X, nullptr},
    {"origin_y", 1, 'f', 0, VP_ORIGIN_Y, nullptr},
    {"width", 1, 'f', 0, VP_WIDTH, nullptr},
    {"height", 1, 'f', 0, VP_HEIGHT, nullptr},
    {"hidden_surface", 1, 'n', 0, VP_HIDDEN_SURFACE, nullptr},
    {"hidden_line", 1, 'n', 0, VP_HIDDEN_LINE, nullptr},
    {"perspective", 1, 'n', 0, VP_PERSPECTIVE, nullptr},
    {"blend_editlevel", 1, 'd', 0, VIEWP_BLEND_EDITLEVEL, nullptr},
    {"select_begin", 0, 'b', 0, VIEWP_SELECT_BEGIN, nullptr},
    {"select_end", 0, 'e', 0, VIEWP_SELECT_END, nullptr},
    {"select_default", 0, 'z', 0, VIEWP_SELECT_DEFAULT, nullptr},
    {"new", 0, 'z', 0, VIEWP_NEW, nullptr},
    {"raise", 0, 'z', 0, VIEWP_RAISE, nullptr},
    {"lower", 0, 'z', 0, VIEWP_LOWER, nullptr},
    {"delete", 0, 'z', 0, VIEWP_DELETE, nullptr},
    {"new_or_mod", 0, 'z', 0, VIEWP_NEW_OR_MOD, nullptr},
    {"stacking_order", 1, 'd', 0, VIEWP_STACKING_ORDER, nullptr},
    {"select_all", 0, 'z', 0, VIEWP_SELECT_ALL, nullptr},
    {"viewport_layout", 1, 's', 0, VIEWP_VIEWPORT_LAYOUT, viewp_layout},
    CMD_KEYWORD_END,
};

int viewp_category() {
  static int row = cmd_find_category("viewport:");
  return row;
}

static void rec_line(const char *keyword, const char *value = nullptr) {
  std::string line = std::string(Cmds_cat[viewp_category()].name) + " " + keyword;
  if (value) line += std::string(" ") + value;
  cmdrec(line.c_str());
}

static void refresh_all() {
  if (Viewp_windep.refresh_all) Viewp_windep.refresh_all();
}

static void refresh_dialog(int code) {
  if (Viewp_windep.refresh) Viewp_windep.refresh(code);
}

// ---- value check -----------------------------------------------------------------------

static bool in_unit(const float *v, int n) {
  for (int i = 0; i < n; i++)
    if (!(v[i] >= 0.0f && v[i] <= 1.0f)) return false;
  return true;
}

int viewp_checkvalues(const float values[VIEWPORT_ATTRS], const int flags[VIEWPORT_ATTRS]) {
  const char *fault = nullptr;
  if (flags[VP_BORDER_RGB] && !in_unit(&values[VP_BORDER_RGB], 3))
    fault = "Illegal border color component, RGB should be in range: [0, 1].";
  else if (flags[VP_CONSTANT_RGB] && !in_unit(&values[VP_CONSTANT_RGB], 3))
    fault = "Illegal constant color component, RGB should be in range: [0, 1].";
  for (int s = VP_BLEND_RGB; !fault && s < VP_BLEND_POSITION; s += 3)
    if (flags[s] && !in_unit(&values[s], 3))
      fault = "Illegal blend color component, RGB should be in range: [0, 1].";
  // A zero width or height would make a viewport without pixels.
  const float w = values[VP_WIDTH], h = values[VP_HEIGHT];
  if (fault) {
  } else if (flags[VP_ORIGIN_X] && !in_unit(&values[VP_ORIGIN_X], 1)) {
    fault = "Illegal x origin, should be in range: [0, 1].";
  } else if (flags[VP_ORIGIN_Y] && !in_unit(&values[VP_ORIGIN_Y], 1)) {
    fault = "Illegal y origin, should be in range: [0, 1].";
  } else if (flags[VP_WIDTH] && !(w > 0.0f && w <= 1.0f)) {
    fault = "Illegal width, should be in range: (0, 1].";
  } else if (flags[VP_HEIGHT] && !(h > 0.0f && h <= 1.0f)) {
    fault = "Illegal height, should be in range: (0, 1].";
  } else if (flags[VP_BLEND_LEVELS] &&
             !(values[VP_BLEND_LEVELS] >= 2.0f && values[VP_BLEND_LEVELS] <= 5.0f)) {
    fault = "Number of blended levels should be in range: [2, 5].";
  }
  if (!fault) return 1;
  disperr(fault);
  return 0;
}

// ---- applying values ----------------------------------------------------------------------

// The targets of attribute changes: the working list, or the defaults (-1).
static int targets(int list[MAX_VIEWPORTS]) {
  if (Viewp_wrking_viewpcnt == 0) {
    list[0] = -1;
    return 1;
  }
  memcpy(list, Viewp_wrking_viewpids, sizeof(int) * Viewp_wrking_viewpcnt);
  return Viewp_wrking_viewpcnt;
}

// Copies the flagged values into every target, recording them for the
// first when record is set.
static void apply_flagged(const float values[VIEWPORT_ATTRS], int flags[VIEWPORT_ATTRS],
                          bool record) {
  int list[MAX_VIEWPORTS];
  int n = targets(list);
  for (int i = 0; i < n; i++) {
    float a[VIEWPORT_ATTRS], newv[VIEWPORT_ATTRS];
    char name[VIEWPORT_NAME_TEXT];
    viewport_attributes(list[i], a, name, 0, 0);
    if (record && i == 0) {
      memcpy(newv, values, sizeof newv);
      cmd_setrec_at(a, newv, VIEWPORT_ATTRS, viewp_category(), flags, 1);
    } else {
      for (int s = 0; s < VIEWPORT_ATTRS; s++)
        if (flags[s]) a[s] = values[s];
    }
    viewport_attributes(list[i], a, name, 0, 1);
  }
}

void viewp_attr_updt(int level, int slot, const float values[], int refresh) {
  float v[VIEWPORT_ATTRS] = {};
  int flags[VIEWPORT_ATTRS] = {};
  int first = slot, count = 1;
  if (slot == VP_BORDER_RGB || slot == VP_CONSTANT_RGB) {
    count = 3;
  } else if (slot == VP_BLEND_RGB) {
    first = VP_BLEND_RGB + 3 * (level - 1);
    count = 3;
  } else if (slot == VP_BLEND_POSITION) {
    first = VP_BLEND_POSITION - 1 + level;
  } else if (slot >= VP_ORIGIN_X && slot <= VP_HEIGHT && Viewp_wrking_viewpcnt < 2) {
    count = 2;
  }
  if (first < 0 || first + count > VIEWPORT_ATTRS) return;
  for (int k = 0; k < count; k++) {
    v[first + k] = values[k];
    flags[first + k] = 1;
  }
  if (viewp_checkvalues(v, flags)) {
    apply_flagged(v, flags, true);
    if (Viewp_wrking_viewpcnt == 0 && Default_viewpedit_notify == 1 && Viewp_windep.defaults_notice)
      Viewp_windep.defaults_notice();
  }
  if (refresh == 0) {
    refresh_dialog(0);
    draw_background_editor();
  } else if (refresh >= 1 && refresh <= 4) {
    refresh_dialog(refresh);
    viewports_display_all();
  }
}

// ---- the operations --------------------------------------------------------------------

void viewp_new(int from_command) {
  if (make_new_viewport() == -1) {
    disperr("Sorry, the maximum number of viewports has been reached.");
    Command_proc_err = 1;
    return;
  }
  if (from_command) return;
  if (Recrdr == 1) rec_line("new");
  viewp_icons_refresh();
}

void viewp_delete(int from_command) {
  const int count = Viewp_wrking_viewpcnt;
  if (count == 0) {
    disperr("Please select a viewport to delete first.");
    return;
  }
  if (!from_command && !warn(count == 1 ? "Do you really want to delete this viewport?"
                                        : "Do you really want to delete these viewports?"))
    return;
  const int first = Viewp_wrking_viewpids[0];
  remove_viewport();
  if (from_command) return;
  if (Recrdr == 1) rec_line("delete");
  if (first == 0) {
    if (count == 1) {
      disperr("The main viewport cannot be deleted.");
    } else {
      caddtxt("");
      caddtxt("WARNING: The main viewport cannot be deleted - request ignored!.");
    }
  }
  viewp_icons_refresh();
}

void viewp_pushpop(int raise, int from_command) {
  if (raise)
    pop_viewport();
  else
    push_viewport();
  if (!from_command && Recrdr == 1) rec_line(raise ? "raise" : "lower");
}

// The selection becomes the working list.
static void reread_selection() {
  current_selected_viewports(&Viewp_wrking_viewpcnt, Viewp_wrking_viewpids, 0);
}

void viewp_selectall(int from_command) {
  select_all_viewports();
  if (from_command) {
    reread_selection();
    return;
  }
  if (Recrdr == 1) rec_line("select_all");
  viewp_icons_refresh();
}

void viewp_layout_chng(int layout, int from_command) {
  standard_viewport_layout(layout);
  if (from_command) return;
  for (const Cmd_option_rec *o = viewp_layout; o->keyword[0]; o++)
    if (o->value == layout) rec_line("viewport_layout", o->keyword);
  viewp_icons_refresh();
}

void viewp_bgcolorblevel_chng(int level, int clamp, int quiet) {
  int max = 10;
  for (int i = 0; i < Viewp_wrking_viewpcnt; i++) {
    int n = (int)Viewports[Viewp_wrking_viewpids[i]].attributes[VP_BLEND_LEVELS];
    if (i == 0 || n < max) max = n;
  }
  if (level < 1 || level > max) {
    if (!clamp) {
      disperr("Edit level must be > 1 and < the max number of levels for all viewports selected.");
      Command_proc_err = 1;
      return;
    }
    level = level < 1 ? 1 : max;
  }
  background_level(&level, 1);
  if (quiet) return;
  if (Viewp_windep.edit_level_field) Viewp_windep.edit_level_field(level);
  if (Recrdr == 1) rec_line("blend_editlevel", std::to_string(level).c_str());
  refresh_dialog(0);
}

// ---- selection and recording ------------------------------------------------------------

void viewp_icons_refresh() {
  int old_count = Viewp_wrking_viewpcnt, old_ids[MAX_VIEWPORTS];
  memcpy(old_ids, Viewp_wrking_viewpids, sizeof old_ids);
  reread_selection();
  bool changed = old_count != Viewp_wrking_viewpcnt;
  for (int i = 0; !changed && i < old_count; i++) changed = old_ids[i] != Viewp_wrking_viewpids[i];
  if (changed)
    viewp_rec_selitems(viewp_category(), VIEWP_SELECT_BEGIN, VIEWP_SELECT_END,
                       Viewp_wrking_viewpcnt, Viewp_wrking_viewpids);
  refresh_all();
}

// The rows' keywords are "select_begin" and "select_end", as the command
// language's own selection recorder writes them.
void viewp_rec_selitems(int cat_index, int, int, int count, const int ids[]) {
  if (count == 0) ids = nullptr;
  cmd_rec_selbynum(cat_index, count, ids);
}

void viewp_rec_allattrs(const float attrs[VIEWPORT_ATTRS]) {
  float old[VIEWPORT_ATTRS], newv[VIEWPORT_ATTRS];
  int flags[VIEWPORT_ATTRS] = {};
  for (int s = 0; s < VIEWPORT_ATTRS; s++) {
    old[s] = -1.0f;
    bool plain = (s <= VP_BORDER_RGB + 2) || (s >= VP_BACKGROUND_TYPE && s <= VP_CONSTANT_RGB + 2) ||
                 (s >= VP_VISIBLE && s <= VP_PERSPECTIVE);
    flags[s] = plain ? 1 : 0;
  }
  memcpy(newv, attrs, sizeof newv);
  cmd_setrec_at(old, newv, VIEWPORT_ATTRS, viewp_category(), flags, 1);
  const int levels = (int)attrs[VP_BLEND_LEVELS];
  for (int L = 1; L <= levels && L <= 5; L++) {
    rec_line("blend_editlevel", std::to_string(L).c_str());
    for (int s = 0; s < VIEWPORT_ATTRS; s++) {
      old[s] = -1.0f;
      int rgb = VP_BLEND_RGB + 3 * (L - 1);
      flags[s] = (s >= rgb && s < rgb + 3) || s == VP_BLEND_POSITION - 1 + L;
    }
    memcpy(newv, attrs, sizeof newv);
    cmd_setrec_at(old, newv, VIEWPORT_ATTRS, viewp_category(), flags, 1);
  }
}

// ---- the processor -----------------------------------------------------------------------

// Refuses a selection that is longer than the table, repeats a viewport or
// names one that is not in use; otherwise it becomes the working list and
// the selection.
static int select_list(const int *ids, int nids) {
  bool seen[MAX_VIEWPORTS] = {};
  bool bad = nids > MAX_VIEWPORTS || (nids > 0 && !ids);
  for (int i = 0; !bad && i < nids; i++) {
    bad = !viewport_exists(ids[i]) || seen[ids[i]];
    if (!bad) seen[ids[i]] = true;
  }
  if (bad) {
    disperr("viewport: Bad viewport selection - viewports must be in use and listed once.");
    return -1;
  }
  Viewp_wrking_viewpcnt = nids;
  if (nids) memcpy(Viewp_wrking_viewpids, ids, sizeof(int) * nids);
  current_selected_viewports(&Viewp_wrking_viewpcnt, Viewp_wrking_viewpids, 1);
  return 1;
}

// Runs an operation that reports failure through Command_proc_err.
template <typename Op>
static int run_checked(Op op) {
  Command_proc_err = 0;
  op();
  return Command_proc_err ? -1 : 1;
}

int viewp_cmdproc(const char *, const char *, const char *, const char *params, int cat_index,
                  int kw_row, int id, const int *ids, int nids) {
  if (kw_row == CMD_NOT_FOUND) {
    disperr("Illegal viewport command.");
    return -1;
  }
  if (!params) params = "";
  float values[VIEWPORT_ATTRS] = {}, v[4] = {};
  int flags[VIEWPORT_ATTRS] = {};
  int first = -1, count = 0;  // slots the line sets
  // A placeholder row ("1", "2") never starts a keyword: its slot is not
  // the start of a colour.
  const bool placeholder = kw_row != id;
  switch (placeholder ? VIEWP_NOT_USED : id) {
    case VP_VIEW_DIMENSION:
    case VP_BACKGROUND_TYPE: {
      int value = cmd_process_strparams(params, cat_index, kw_row);
      if (value == -1) {
        disperr(id == VP_BACKGROUND_TYPE ? "viewport: background type - Bad command parameter"
                                         : "viewport: dimension - Bad command parameter");
        return -1;
      }
      v[0] = (float)value;
      first = id;
      count = 1;
      break;
    }
    case VP_AUTO_CENTERING:
    case VP_BORDER_VISIBLE:
    case VP_BLEND_LEVELS:
    case VP_VISIBLE:
    case VP_ORIGIN_X:
    case VP_ORIGIN_Y:
    case VP_WIDTH:
    case VP_HEIGHT:
    case VP_HIDDEN_SURFACE:
    case VP_HIDDEN_LINE:
    case VP_PERSPECTIVE:
    case VP_BLEND_POSITION:
      if (cmd_process_params(cat_index, kw_row, params, v) == -1) {
        disperr("viewport:  Bad command parameter");
        return -1;
      }
      first = id;
      count = 1;
      if (id == VP_BLEND_POSITION) {
        int L = 1;
        background_level(&L, 0);
        first = VP_BLEND_POSITION - 1 + L;
      }
      break;
    case VP_BORDER_RGB:
    case VP_CONSTANT_RGB:
    case VP_BLEND_RGB:
      if (cmd_process_params(cat_index, kw_row, params, v) == -1) {
        disperr("viewport: color - Bad command parameter");
        return -1;
      }
      first = id;
      count = 3;
      if (id == VP_BLEND_RGB) {
        int L = 1;
        background_level(&L, 0);
        first = VP_BLEND_RGB + 3 * (L - 1);
      }
      break;
    case VIEWP_BLEND_EDITLEVEL:
      if (cmd_process_params(cat_index, kw_row, params, v) == -1) {
        disperr("viewport: edit level - Bad command parameter");
        return -1;
      }
      return run_checked([&] { viewp_bgcolorblevel_chng((int)v[0], 0, 1); });
    case VIEWP_SELECT_DEFAULT:
      Viewp_wrking_viewpcnt = 0;
      current_selected_viewports(&Viewp_wrking_viewpcnt, Viewp_wrking_viewpids, 1);
      return 1;
    case VIEWP_SELECT_END:
      return select_list(ids, nids);
    case VIEWP_NEW:
    case VIEWP_NEW_OR_MOD: {
      while (*params == ' ') params++;
      if (*params && viewport_exists(atoi(params))) return 1;
      return run_checked([] { viewp_new(1); });
    }
    case VIEWP_RAISE:
    case VIEWP_LOWER:
      viewp_pushpop(id == VIEWP_RAISE, 1);
      return 1;
    case VIEWP_DELETE:
      return run_checked([] { viewp_delete(1); });
    case VIEWP_STACKING_ORDER: {
      if (cmd_process_params(cat_index, kw_row, params, v) == -1) {
        disperr("viewport:  Bad stacking order command parameter");
        return -1;
      }
      int position = (int)v[0];
      if (Viewp_wrking_viewpcnt == 0 ||
          viewport_stacking_order(Viewp_wrking_viewpids[0], &position, 1) == -1) {
        disperr("viewport: Error setting stacking order.");
        return -1;
      }
      return 1;
    }
    case VIEWP_SELECT_ALL:
      return run_checked([] { viewp_selectall(1); });
    case VIEWP_VIEWPORT_LAYOUT: {
      int layout = cmd_process_strparams(params, cat_index, kw_row);
      if (layout == -1) {
        disperr("viewport: layout type - Bad command parameter");
        return -1;
      }
      viewp_layout_chng(layout, 1);
      return 1;
    }
    default:
      disperr("viewport: Bad command.");
      return placeholder ? -1 : 1;
  }
  for (int k = 0; k < count; k++) {
    values[first + k] = v[k];
    flags[first + k] = 1;
  }
  if (!viewp_checkvalues(values, flags)) return -1;
  apply_flagged(values, flags, false);
  return 1;
}

void viewp_ref(int cat_index) {
  cmd_clear_refresh(cat_index);
  refresh_all();
  viewports_display_all();
}
