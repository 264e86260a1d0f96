// The Transformation Editor's logic (see transf_editor.h).
#include "view/transf_editor.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "interact/support.h"
#include "view/frames.h"
#include "view/observer.h"
#include "view/transf_feedback.h"
#include "view/transf_typed.h"
#include "view/viewport_select.h"
#include "view/viewports.h"
#include "view/zclip.h"

int Transf_editor_mode = 0;
int Viewt_scale_multiplier = 0;
int Viewt_initscl_flag = 0;
int Did_transform = 0;
float View_x_rec = 0.0f, View_y_rec = 0.0f, View_z_rec = 0.0f;

Transf_editor_windep_ops Transf_editor_windep = {};

static const Transf_editor_mode_rec Editor_modes[] = {
    {0, 0, "Global Transform", "HT-View-Xform"},
    {1, 1, "Transform", "HT-View-Frames"},
    {2, 2, "Cursor", "HT-Tools-Cursor"},
    {3, 3, "Line", "HT-Tools-Line"},
    {4, 4, "Plane", "HT-Tools-Plane"},
    {5, 5, "Cylinder", nullptr},
    {6, 6, "Cylinder", "HT-Tools-Cylinder"},
    {7, 7, "Sphere", "HT-Tools-Sphere"},
    {8, 8, "Cone", "HT-Tools-Cone"},
    {9, 9, "Revolution", "HT-Tools-SoR"},
    {10, 10, "Definition", "HT-View-Frames"},
    {1000, 0, "Z-Clip", "HT-View-ZClip"},
    {2000, 0, "Look At/Look From", "HT-View-Look"},
};

const Transf_editor_mode_rec *transf_editor_mode_row(int mode) {
  for (const auto &r : Editor_modes)
    if (r.mode == mode) return &r;
  return nullptr;
}

int transf_editor_title(int mode, char *buf, int size) {
  const Transf_editor_mode_rec *row = transf_editor_mode_row(mode);
  if (!row) return 0;
  const char *format = mode >= 2 && mode <= 9               ? "Transformation Editor (%s Tool)"
                       : mode == 1 || mode == 10 ? "Transformation Editor (Frame %s)"
                                                 : "Transformation Editor (%s)";
  snprintf(buf, size, format, row->label);
  return 1;
}

static int editor_built() { return Transf_editor_windep.built && Transf_editor_windep.built(); }
static int editor_shown() { return Transf_editor_windep.shown && Transf_editor_windep.shown(); }

// 1 for the tool modes whose scale acts on a length or radius (line, plane
// and the quadrics) rather than as a factor.
static int tool_scale_mode(int mode) {
  return mode == 3 || mode == 4 || (mode >= 6 && mode <= 9);
}

// ---- the mode words -------------------------------------------------------------------

// The mode words of "view_transf: function", by What_trans code.
static const struct {
  int code;
  const char *word;
} Mode_words[] = {{0, "global"}, {1, "local"},    {2, "cursor"}, {3, "line"},
                  {4, "plane"},  {6, "cylinder"}, {7, "sphere"}, {8, "cone"},
                  {9, "revolution"}, {10, "frame"}};

static const char *mode_word(int mode) {
  for (const auto &m : Mode_words)
    if (m.code == mode) return m.word;
  return nullptr;
}

// Records "view_transf: <keyword>[ <value>]" while recording is on.
static void record_line(const char *keyword, const char *value) {
  if (Recrdr != 1) return;
  char line[128];
  if (value)
    snprintf(line, sizeof line, "%s %s %s", "view_transf:", keyword, value);
  else
    snprintf(line, sizeof line, "%s %s", "view_transf:", keyword);
  cmdrec(line);
}

int transf_record_whattrans(int mode) {
  const char *word = mode_word(mode);
  if (!word) return -1;
  char line[64];
  snprintf(line, sizeof line, "%s %s %s", "view_transf:", "function", word);
  cmdrec(line);
  return 1;
}

// ---- opening and refreshing -----------------------------------------------------------

void transf_dialog_manageinit() {
  if (Transf_editor_windep.manage) Transf_editor_windep.manage();
  transf_dialog_init();
}

void transf_dialog_managesetmodeinit(int mode) {
  if (Transf_editor_windep.manage) Transf_editor_windep.manage();
  transf_mode_manage_windep(mode, 1, 0);
}

void transf_manageinit_bytool() {
  int mode = 0;
  if (Curson)
    mode = 2;
  else if (Lineon)
    mode = 3;
  else if (Planon)
    mode = 4;
  else if (Curve_clip_tool >= 1 && Curve_clip_tool <= 4)
    mode = 5 + Curve_clip_tool;
  transf_dialog_manageinit();
  if (mode) transf_mode_manage_windep(mode, 1, 0);
}

void transf_dialog_init() {
  if (!editor_shown()) {
    transf_set_mode_dependencies(What_trans, 1);
    return;
  }
  transf_frame_refresh();
  transf_set_toggles(What_trans);
  transf_mode_manage_windep(What_trans, 0, 1);
  transf_reset_scale_settings();
  transf_reset_scale();
  if (Transf_editor_windep.axis_show) {
    if (Vewaxis[0] && Vewaxis[1] && Vewaxis[2]) {
      Transf_editor_windep.axis_show(3);
    } else {
      for (int i = 0; i < 3; i++)
        if (Vewaxis[i]) Transf_editor_windep.axis_show(i);
    }
  }
  if (Transf_editor_windep.link_show) Transf_editor_windep.link_show(are_viewports_are_locked());
  zclip_dialog_init();
  viewer_dialog_init();
}

void transf_editor_help() {
  const Transf_editor_mode_rec *row = transf_editor_mode_row(Transf_editor_mode);
  if (row && row->help && Transf_editor_windep.help) Transf_editor_windep.help(row->help);
}

// ---- mode -----------------------------------------------------------------------------

void transf_mode_manage_windep(int mode, int refresh_panel, int no_record) {
  if (!editor_built()) return;
  // The quadric mode stands for the current quadric tool's own mode, so
  // that the title, the section and the help follow that tool; without a
  // quadric tool it is refused before anything changes.
  if (mode == 5) {
    if (Curve_clip_tool < 1 || Curve_clip_tool > 4) {
      transf_tggl_modes(5, refresh_panel, no_record);
      return;
    }
    mode = 5 + Curve_clip_tool;
  }
  char title[96];
  const int titled = transf_editor_title(mode, title, sizeof title);
  if (Transf_editor_windep.mode_areas) Transf_editor_windep.mode_areas(mode, titled ? title : nullptr);
  transf_tggl_modes(mode, refresh_panel, no_record);
  if (mode >= 2 && mode <= 10) transf_feedback_refresh();
  Transf_editor_mode = mode;
  zclip_dialog_init();
  viewer_dialog_init();
}

int transf_tggl_modes(int mode, int refresh_panel, int no_record) {
  if (mode == 5) {
    if (Curve_clip_tool == 0) {
      disperr("No Quadric Tool chosen, mode cannot be Quadric.");
      return -1;
    }
    What_trans = 5 + Curve_clip_tool;
  } else {
    What_trans = (mode == 1000 || mode == 2000) ? 0 : mode;
  }
  transf_set_toggles(mode == 5 ? What_trans : mode);
  if (Recrdr == 1 && !no_record) transf_record_whattrans(What_trans);
  transf_set_mode_dependencies(What_trans, 0);
  if (refresh_panel && Transf_editor_windep.qedit_refresh) Transf_editor_windep.qedit_refresh();
  viewports_display_all();
  return 1;
}

void transf_set_toggles(int mode) {
  const Transf_editor_mode_rec *row = transf_editor_mode_row(mode);
  if (!row) fprintf(stderr, "Invalid Transformation Mode %d.\n", mode);
  if (Transf_editor_windep.set_toggles) Transf_editor_windep.set_toggles(row ? mode : -1);
}

// What a transformation mode allows.  Icon items: 0 rotate, 1 translate,
// 2 zoom, 3 band zoom, 4 scale.
struct Mode_allowance {
  int icons[5];
  int reset;
};

static Mode_allowance mode_allowance(int mode) {
  switch (mode) {
    case 1:
    case 4: return {{1, 1, 0, 0, 1}, 1};
    case 2: return {{0, 1, 0, 0, 0}, 1};
    case 3:
    case 6:
    case 7:
    case 8:
    case 9: return {{0, 1, 0, 0, 1}, 1};
    case 10: return {{1, 1, 0, 0, 0}, 0};
    default: return {{1, 1, 1, 1, 1}, 1};
  }
}

// The icon item of a Vewglb value, -1 for none.
static int action_icon(int vewglb) {
  switch (vewglb) {
    case 0: return 0;
    case 1: return 1;
    case 2: return 4;
    case 4: return 2;
    case 5: return 3;
    default: return -1;
  }
}

void transf_set_mode_dependencies(int mode, int quiet) {
  // The tool of a tool mode is switched on; the tools arrive with their
  // menu, so only their flags are set here and no tool line is recorded.
  if (mode == 2) Curson = 1;
  if (mode == 3) Lineon = 1;
  if (mode == 4) Planon = 1;
  if (mode >= 6 && mode <= 9 && Curve_clip_tool != mode - 5) Curve_clip_tool = mode - 5;
  const Mode_allowance allowed = mode_allowance(mode);
  const int icon = action_icon(Vewglb);
  if (mode != 0 && (icon < 0 || !allowed.icons[icon])) {
    if (quiet)
      Vewglb = 1;
    else if (Transf_editor_windep.activate_icon)
      Transf_editor_windep.activate_icon(1);
    else
      transf_action_reset_chng(1, 1);
  }
  if (Transf_editor_windep.icons) Transf_editor_windep.icons(allowed.icons, allowed.reset);
}

void transf_refreshby_quadricdependency(int on) {
  if (!on && What_trans >= 5 && What_trans <= 9) transf_mode_manage_windep(0, 1, 0);
}

// ---- action ----------------------------------------------------------------------------

// "view_transf: action" words by Vewglb value.
static const struct {
  int vewglb;
  const char *word;
} Action_words[] = {{0, "rotate"}, {1, "translate"}, {2, "scale"}, {4, "zoom"}, {5, "band_zoom"}};

const char *transf_action_word(int vewglb) {
  for (const auto &a : Action_words)
    if (a.vewglb == vewglb) return a.word;
  return nullptr;
}

int transf_action_reset_chng(int item, int record) {
  static const int item_vewglb[5] = {0, 1, 4, 5, 2};  // rotate translate zoom band_zoom scale
  if (item >= 0 && item <= 4) {
    const int off = 0;
    work_nonmodal(&off, "");
    Vewglb = item_vewglb[item];
    if (record) record_line("action", transf_action_word(Vewglb));
    if (item == 3) {
      const int on = 1;
      work_nonmodal(&on,
                    "*** Rubber Band Zoom  ***\n\nPlease move your cursor into the Main View "
                    "window(NOTE: The view of\nthe model will jump to an orthographic view).  Use "
                    "the left mouse  \nbutton to drag out a rubber band box around the area you "
                    "wish to   \nZoom to.  Once you have let go of the mouse the zoom will occur "
                    "and\nyou will be placed into the normal Zoom mode for further adjustment.");
    }
    if (item == 4) transf_dialog_manageinit();
    transf_reset_scale_settings();
    transf_reset_scale();
    return 1;
  }
  if (item == 6) {
    transf_redowhichviewport_manage();
    return 1;
  }
  if (item == 7) {
    transf_dialog_manageinit();
    return 1;
  }
  return item == 5 ? 1 : -1;
}

// ---- slider, steps, limit and axes ------------------------------------------------------

Transf_slider_scale transf_slider_scale(int action, float limit) {
  Transf_slider_scale s{10, 1, 0};
  if (action == 0) s = {1, 0, 0};
  if (action == 2) s = {100, 2, 0};
  if (limit < 1.0f && action != 2 && limit > 0.0f)
    while (limit * (float)s.multiplier < 10.0f) {
      s.decimals++;
      s.multiplier *= 10;
    }
  s.maximum = action == 2 ? 100 : (int)(limit * (float)s.multiplier);
  return s;
}

void transf_reset_scale_settings() {
  if (!editor_shown() || Vewglb < 0 || Vewglb > 6) return;
  if (Transf_editor_windep.fields)
    Transf_editor_windep.fields(Vewvalues[2 * Vewglb], Vewvalues[2 * Vewglb + 1]);
}

void transf_reset_scale() {
  if (!editor_shown() || Vewglb < 0 || Vewglb > 6) return;
  if (Vewglb == 5) {
    Viewt_scale_multiplier = 0;
    if (Transf_editor_windep.slider) Transf_editor_windep.slider(Vewglb, nullptr, nullptr);
    return;
  }
  const char *label = Vewglb == 0   ? "Current Transformation Mode:(Rotate)"
                      : Vewglb == 2 ? "Current Transformation Mode:(Scale)"
                      : Vewglb == 4 ? "Current Transformation Mode:(Zoom)"
                                    : "Current Transformation Mode:(Translate)";
  const Transf_slider_scale scale = transf_slider_scale(Vewglb, Vewvalues[2 * Vewglb + 1]);
  Viewt_scale_multiplier = scale.multiplier;
  if (Transf_editor_windep.slider) Transf_editor_windep.slider(Vewglb, &scale, label);
}

// Mode 10 refuses a change while a selected frame has a local transformation.
static int frame_definition_refused(const char *message) {
  if (What_trans != 10 || ui_transform_check_frame_definition() != 0) return 0;
  disperr(message);
  return 1;
}

// Records the transformation just applied, from View_x_rec .. View_z_rec.
static void record_applied() {
  if (Recrdr != 1) return;
  char line[160];
  switch (Vewglb) {
    case 0:
      snprintf(line, sizeof line, "%s %s %f %f %f", "view_transf:", "rotate", View_x_rec,
               View_y_rec, View_z_rec);
      break;
    case 1:
    case 2:
      snprintf(line, sizeof line, "%s %s %.4e %.4e %.4e", "view_transf:",
               Vewglb == 1 ? "translate" : "scale", View_x_rec, View_y_rec, View_z_rec);
      break;
    case 4: snprintf(line, sizeof line, "%s %s %.4e", "view_transf:", "zoom", View_x_rec); break;
    default: return;
  }
  cmdrec(line);
}

void transf_slider_movmnt(int position) {
  if (frame_definition_refused("Can not change frames definition after a transform.\nTo perform "
                               "operation, reset the frame's transformation.")) {
    Did_transform = 0;
    return;
  }
  if (Viewt_scale_multiplier <= 0) return;  // band zoom: the slider does nothing
  if (!Viewt_initscl_flag) {
    if (ui_trans_init() < 0) return;
    Viewt_initscl_flag = 1;
  }
  float v = position ? (float)position / (float)Viewt_scale_multiplier : 0.0f;
  if (Vewglb == 2) {
    const float limit = Vewvalues[5];
    v = tool_scale_mode(What_trans) ? limit * v : ui_scale_fix(limit, v);
  }
  ui_transform(Vewglb, What_trans, Vewaxis[0], Vewaxis[1], Vewaxis[2], v, &View_x_rec,
               &View_y_rec, &View_z_rec, 0);
  Did_transform = 1;
}

void transf_slider_chng() {
  if (Vewglb == 5) return;
  if (Did_transform) record_applied();
  Did_transform = 0;
  if (Viewt_initscl_flag) {
    ui_trans_end();
    Viewt_initscl_flag = 0;
  }
  frame_icons_refresh();
  if (Transf_editor_windep.slider_zero && editor_shown()) Transf_editor_windep.slider_zero();
}

int transf_incvalue_chng(int direction, float increment) {
  if (frame_definition_refused("Can not change frames definition after a transform.\nTo perform "
                               "operation, reset the frame's transformation"))
    return -1;
  if (Vewglb == 5 || Vewglb < 0 || Vewglb > 6) return 1;
  const int factor_scale = Vewglb == 2 && !tool_scale_mode(What_trans);
  float value;
  if (direction == 0) {
    Vewvalues[2 * Vewglb] = increment;
    if (Transf_editor_windep.fields && editor_shown())
      Transf_editor_windep.fields(increment, Vewvalues[2 * Vewglb + 1]);
    value = increment;
    direction = 1;
  } else {
    value = factor_scale ? increment : std::fabs(increment) * (float)direction;
  }
  if (factor_scale) value = ui_scale_fix(value, (float)direction);
  if (ui_trans_1_value(Vewglb, What_trans, Vewaxis[0], Vewaxis[1], Vewaxis[2], value, &View_x_rec,
                       &View_y_rec, &View_z_rec, 0) < 0)
    return -1;
  record_applied();
  return 1;
}

int transf_limvalue_chng(float limit) {
  if (limit <= 0.0f) {
    disperr("The transformation increment limit must be > 0.");
    return -1;
  }
  if (Vewglb < 0 || Vewglb > 6) return -1;
  Vewvalues[2 * Vewglb + 1] = limit;
  if (Recrdr == 1) {
    char line[80];
    snprintf(line, sizeof line, "%s %s %f", "view_transf:", "limit", limit);
    cmdrec(line);
  }
  if (Transf_editor_windep.fields && editor_shown())
    Transf_editor_windep.fields(Vewvalues[2 * Vewglb], limit);
  transf_reset_scale();
  return 1;
}

void transf_axis_chng(int item) {
  if (item < 0 || item > 3) return;
  for (int i = 0; i < 3; i++) Vewaxis[i] = (i == item || item == 3) ? 1 : 0;
  if (Recrdr != 1) return;
  const int mode = What_trans == 8 ? 5 + Curve_clip_tool : What_trans;
  static const char *const xyz[4] = {"x", "y", "z", "all"};
  const char *word = xyz[item];
  if (Vewglb == 2 && item < 2) {
    if (mode == 8) word = item == 0 ? "distance" : "angle";
    if (mode == 3 || mode == 6 || mode == 7 || mode == 9) word = item == 0 ? "distance" : "radius";
  }
  record_line("axis", word);
}

// ---- frames and viewports -----------------------------------------------------------------

void transf_frame_refresh() {
  if (!Transf_editor_windep.frame_list) return;
  const int count = Num_frames > 0 ? Num_frames : 0;
  char(*names)[FRAME_NAME_LEN] = (char(*)[FRAME_NAME_LEN])calloc(count ? count : 1, FRAME_NAME_LEN);
  const char **pointers = (const char **)calloc(count ? count : 1, sizeof(char *));
  int *positions = (int *)calloc(count ? count : 1, sizeof(int));
  if (!names || !pointers || !positions) {
    report_alloc_failure(__LINE__, __FILE__, "transf_frame_refresh");
    free(names);
    free(pointers);
    free(positions);
    return;
  }
  int nselected = 0;
  for (int k = 0; k < count; k++) {
    int number = -1;
    getframe(k, &number, names[k]);
    pointers[k] = names[k];
    const Frame_rec *rec = number >= 0 && number < MAX_FRAMES ? Ctm_part[number] : nullptr;
    if (rec && rec->selected)
      positions[nselected++] = given_frame_number_return_list_position(number) + 1;
  }
  Transf_editor_windep.frame_list(count, pointers, nselected, positions);
  free(names);
  free(pointers);
  free(positions);
}

void transf_framelist_select(int count, const int *positions) {
  int *numbers = (int *)calloc(count > 0 ? count : 1, sizeof(int));
  if (!numbers) {
    report_alloc_failure(__LINE__, __FILE__, "transf_framelist_select");
    return;
  }
  int n = 0;
  for (int k = 0; k < count; k++) {
    const int number = given_list_position_return_frame_number(positions[k] - 1);
    if (number >= 0) numbers[n++] = number;
  }
  current_selected_frames(&n, numbers, 1);
  free(numbers);
  frame_icons_refresh();
  transf_feedback_init();
  viewports_display_all();
}

void transf_viewportselect_chng() { viewp_icons_refresh(); }

// ---- the reset dialog ----------------------------------------------------------------------

void transf_redowhichviewport_manage() {
  if (Transf_editor_windep.reset_dialog_manage) Transf_editor_windep.reset_dialog_manage();
  transf_redowhichviewport_init();
}

void transf_redowhichviewport_init() {
  if (Transf_editor_windep.reset_dialog_init)
    Transf_editor_windep.reset_dialog_init(Reset_tools_constraint);
}

int transf_setmode_resettool(int tool, int all) {
  const int kept = What_trans;
  int mode = tool;
  if (tool == 5) {
    if (Curve_clip_tool < 1 || Curve_clip_tool > 4) {
      disperr("Must have a Quadric tool displayed to reset it.");
      return -1;
    }
    mode = 5 + Curve_clip_tool;
  } else if (tool < 2 || tool > 4) {
    return -1;
  }
  What_trans = mode;
  if (Recrdr == 1) transf_record_whattrans(mode);
  transf_reset_action(all, 0);
  if (kept != mode) {
    What_trans = kept;
    if (Recrdr == 1) transf_record_whattrans(kept);
  }
  transf_feedback_refresh();
  return 1;
}

// ---- operations shared with the "view_transf:" lines --------------------------------
#include "anim/animate.h"
#include "client/screen.h"
#include "interact/support.h"
#include "view/transf_typed.h"
#include "view/viewport_select.h"

// 1 while a keyframe animation is being created.
static int keyframes_being_made() {
  float attributes[ANIM_GLOBAL_WORDS];
  get_global_animation_attributes(attributes);
  return attributes[0] == 1.0f;
}

// Records "view_transf: <keyword>[ <value>]" for a user action while recording is on.
static void record_user_line(int from_command, const char *keyword, const char *value) {
  if (!from_command) record_line(keyword, value);
}

int transf_reset_action(int all, int from_command) {
  if (keyframes_being_made()) {
    disperr("Resetting transformations when keyframe animation is being\ncreated will cause "
            "problems in the animation.  Operation Ignored.");
    return -1;
  }
  record_user_line(from_command, all ? "reset_rot_trn_scl" : "reset_by_action", nullptr);
  reset_transforms(all);
  return 1;
}

int transf_reinitviewport(int from_command) {
  if (keyframes_being_made()) {
    disperr("Reinitializing viewports when keyframe animation is being\ncreated will cause "
            "problems in the animation.  Operation Ignored.");
    return -1;
  }
  record_user_line(from_command, "initialize_viewports", nullptr);
  initialize_viewports();
  return 1;
}

void transf_resettool_constraint(int constraint, int from_command) {
  Reset_tools_constraint = constraint;
  record_user_line(from_command, "reset_tool_constrain", constraint ? "by_viewport" : "by_global");
}

int transf_copy_state(int from_command) {
  if (set_copy_from_viewport() < 0) {
    disperr("Must have one and only one viewport selected to copy the transformation state from.");
    return -1;
  }
  record_user_line(from_command, "viewport_state_copy", nullptr);
  return 1;
}

void transf_paste_state(int from_command) {
  paste_viewport_transform();
  record_user_line(from_command, "viewport_state_paste", nullptr);
}

void transf_link_viewports(int on, int from_command) {
  set_unset_viewport_locks(on);
  record_user_line(from_command, "viewport_link", on ? On : Off);
}

// ---- the saved-view file ------------------------------------------------------------
#include <cstring>

#include "client/file_select_comm.h"
#include "client/textutil.h"
#include "view/saved_view.h"

#define SAVED_VIEW_PATH 255  // room for an expanded name, NUL included

// Expands a leading "~" of name into path; 1, or -1 with the message.
static int expand_view_name(const char *name, char *path, const char *empty_message) {
  int nchars = (int)strlen(name), capacity = SAVED_VIEW_PATH;
  int r = nchars > 0 ? expfnam(name, &nchars, path, &capacity) : -1;
  if (r == -2) {
    disperr("File and path name too long when expanding '~'.");
    return -1;
  }
  if (r < 0 && nchars > 0) {
    disperr("Could not expand file '~', try using full path name.");
    return -1;
  }
  if (r <= 0 || !path[0]) {
    disperr(empty_message);
    return -1;
  }
  return 1;
}

int transf_save_view(const char *name, int from_command) {
  char path[SAVED_VIEW_PATH] = "";
  if (expand_view_name(name ? name : "", path, "Incorrect file name to save transformation view.") <
      0)
    return -1;
  int mode = 1, interactive = from_command ? 0 : 1;
  if (!chkfil(path, &mode, &interactive)) return -1;
  if (savvew(path) < 0) {
    disperr("Save of view states failed.");
    return -1;
  }
  record_user_line(from_command, "save_view", name);
  return 1;
}

int transf_restore_view(const char *name, int from_command) {
  if (keyframes_being_made()) {
    disperr("Restoring a view state when keyframe animation is being\n created will cause "
            "problems in the animation.  Operation Ignored.");
    return -1;
  }
  char path[SAVED_VIEW_PATH] = "";
  if (expand_view_name(name ? name : "", path,
                       "Incorrect file name to restore transformation view.") < 0)
    return -1;
  // An unreadable file is reported to the command's sender as well.
  int mode = 0, interactive = 1;
  if (!chkfil(path, &mode, &interactive)) return -1;
  if (rstvew(path) < 0) {
    disperr("Restore of view states failed.");
    return -1;
  }
  record_user_line(from_command, "restore_view", name);
  return 1;
}
