// Command entry points of the transformations ("viewport:" is in
// viewp_cmdproc.cpp, "frame:" in frame_cmdproc.cpp).  "view_transf:" carries
// out its lines through the same operations the Transformation Editor uses,
// always as from a command (nothing recorded).
#include "view/view_cmdproc.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/cmd_play.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "interact/tool_feedback.h"
#include "interact/tool_records.h"
#include "interact/vector3.h"
#include "render/disobj.h"
#include "render/view_toggles.h"
#include "view/observer.h"
#include "view/stored_views.h"
#include "view/transf_editor.h"
#include "view/transf_typed.h"
#include "view/viewports.h"
#include "view/zclip.h"

int (*transf_buttons_windep)() = nullptr;

static const Cmd_option_rec Vt_modes[] = {
    {"global", 0}, {"local", 1},      {"cursor", 2},     {"line", 3},  {"plane", 4}, {"cylinder", 6},
    {"sphere", 7}, {"cone", 8},       {"revolution", 9}, {"frame", 10}, {"", -99}};
static const Cmd_option_rec Vt_action[] = {
    {"rotate", 0}, {"translate", 1}, {"scale", 2}, {"zoom", 4}, {"band_zoom", 5}, {"", -99}};
static const Cmd_option_rec Vt_axis[] = {{"x", 0},        {"y", 1},      {"z", 2},     {"all", 3},
                                         {"distance", 0}, {"radius", 1}, {"angle", 1}, {"", -99}};
// Stored-view slots: 0..2 F5..F7, 3..8 the axis views, 9 F8.
static const Cmd_option_rec Vt_fkeyplus[] = {
    {"F5", 0}, {"F6", 1}, {"F7", 2}, {"F8", 9}, {"+X", 3}, {"+Y", 4}, {"+Z", 5}, {"-X", 6},
    {"-Y", 7}, {"-Z", 8}, {"1", 0},  {"2", 1},  {"3", 2},  {"4", 9},  {"5", 9},  {"", -99}};
static const Cmd_option_rec Vt_resettconst[] = {{"by_global", 0}, {"by_viewport", 1}, {"", -99}};

const Cmd_keyword_rec Cmds_viewtransf[] = {
    {"function", 1, 's', 0, VIEWTRANSF_FUNCTION, Vt_modes},
    {"action", 1, 's', 0, VIEWTRANSF_ACTION, Vt_action},
    {"rotate", 3, 'f', 0, VIEWTRANSF_ROTATE, nullptr},
    {"translate", 3, 'f', 0, VIEWTRANSF_TRANSLATE, nullptr},
    {"scale", 3, 'f', 0, VIEWTRANSF_SCALE, nullptr},
    {"zoom", 1, 'f', 0, VIEWTRANSF_ZOOM, nullptr},
    {"reset_by_action", 0, 'z', 0, VIEWTRANSF_RESET_BY_ACTION, nullptr},
    {"reset_rot_trn_scl", 0, 'z', 0, VIEWTRANSF_RESET_ALL, nullptr},
    {"viewports", 1, 'd', 0, VIEWTRANSF_VIEWPORTS, nullptr},
    {"distance", 1, 'f', 0, VIEWTRANSF_DISTANCE, nullptr},
    {"look_at", 3, 'f', 0, VIEWTRANSF_LOOK_AT, nullptr},
    {"look_from", 3, 'f', 0, VIEWTRANSF_LOOK_FROM, nullptr},
    {"reset_viewer", 0, 'z', 0, VIEWTRANSF_RESET_VIEWER, nullptr},
    {"zclip_front", 1, 'f', 0, VIEWTRANSF_ZCLIP_FRONT, nullptr},
    {"zclip_back", 1, 'f', 0, VIEWTRANSF_ZCLIP_BACK, nullptr},
    {"sensitivity", 1, 'f', 0, VIEWTRANSF_SENSITIVITY, nullptr},
    {"save_view", 1, 's', 0, VIEWTRANSF_SAVE_VIEW, nullptr},
    {"restore_view", 1, 's', 0, VIEWTRANSF_RESTORE_VIEW, nullptr},
    {"axis", 1, 's', 0, VIEWTRANSF_AXIS, Vt_axis},
    {"limit", 1, 'f', 0, VIEWTRANSF_LIMIT, nullptr},
    {"cursor", 3, 'f', 0, VIEWTRANSF_CURSOR, nullptr},
    {"line", 4, 'f', 0, VIEWTRANSF_LINE, nullptr},
    {"plane", 4, 'f', 0, VIEWTRANSF_PLANE, nullptr},
    {"plane_equation", 4, 'f', 0, VIEWTRANSF_PLANE_EQUATION, nullptr},
    {"clipping", 1, 'n', 0, VIEWTRANSF_CLIPPING, nullptr},
    {"cone", 4, 'f', 0, VIEWTRANSF_CONE, nullptr},
    {"cone_origin", 3, 'f', 0, VIEWTRANSF_CONE + 1, nullptr},
    {"cone_axis", 3, 'f', 0, VIEWTRANSF_CONE + 2, nullptr},
    {"cone_angle", 1, 'f', 0, VIEWTRANSF_CONE + 3, nullptr},
    {"cylinder", 4, 'f', 0, VIEWTRANSF_CYLINDER, nullptr},
    {"cylinder_origin", 3, 'f', 0, VIEWTRANSF_CYLINDER + 1, nullptr},
    {"cylinder_axis", 3, 'f', 0, VIEWTRANSF_CYLINDER + 2, nullptr},
    {"cylinder_radius", 1, 'f', 0, VIEWTRANSF_CYLINDER + 3, nullptr},
    {"sphere", 4, 'f', 0, VIEWTRANSF_SPHERE, nullptr},
    {"sphere_origin", 3, 'f', 0, VIEWTRANSF_SPHERE + 1, nullptr},
    {"sphere_axis", 3, 'f', 0, VIEWTRANSF_SPHERE + 2, nullptr},
    {"sphere_radius", 1, 'f', 0, VIEWTRANSF_SPHERE + 3, nullptr},
    {"revolution", 4, 'f', 0, VIEWTRANSF_REVOLUTION, nullptr},
    {"revolution_origin", 3, 'f', 0, VIEWTRANSF_REVOLUTION + 1, nullptr},
    {"revolution_axis", 3, 'f', 0, VIEWTRANSF_REVOLUTION + 2, nullptr},
    {"revolution_#_of_points", 1, 'd', 0, VIEWTRANSF_REVOLUTION_COUNT, nullptr},
    {"revolution_point", 3, 'f', 0, VIEWTRANSF_REVOLUTION_POINT, nullptr},
    {"initialize_viewports", 0, 'z', 0, VIEWTRANSF_INITIALIZE_VIEWPORTS, nullptr},
    {"view_recall", 1, 's', 0, VIEWTRANSF_VIEW_RECALL, Vt_fkeyplus},
    {"view_store", 1, 's', 0, VIEWTRANSF_VIEW_STORE, Vt_fkeyplus},
    {"reset_tool_constrain", 1, 's', 0, VIEWTRANSF_RESET_TOOL_CONSTRAIN, Vt_resettconst},
    {"spin", 4, 'f', 0, VIEWTRANSF_SPIN, nullptr},
    {"viewport_state_copy", 0, 'z', 0, VIEWTRANSF_STATE_COPY, nullptr},
    {"viewport_state_paste", 0, 'z', 0, VIEWTRANSF_STATE_PASTE, nullptr},
    {"viewport_link", 1, 'n', 0, VIEWTRANSF_LINK, nullptr},
    {"zclip_float", 1, 'n', 0, VIEWTRANSF_ZCLIP_FLOAT, nullptr},
    {"line_length", 1, 'f', 0, VIEWTRANSF_LINE_LENGTH, nullptr},
    {"zclip_min", 1, 'f', 0, VIEWTRANSF_ZCLIP_MIN, nullptr},
    {"mode", 1, 's', 0, VIEWTRANSF_FUNCTION, Vt_modes},
    CMD_KEYWORD_END,
};

static int Vis_changed_pattern = 0;  // viewports named by the last viewport_vis change

int viewport_vis_part_changed_pattern(int *pattern, int mode) {
  if (!pattern) return 1;
  if (mode == 1)
    Vis_changed_pattern = *pattern;
  else if (mode == 0)
    *pattern = Vis_changed_pattern;
  return 1;
}

int viewp_inuse_mask() {
  int mask = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (viewport_exists(v)) mask |= 1 << v;
  return mask | 1;
}

// ---- "view_transf:" ------------------------------------------------------------------
// Fails the line: the message in the error box, -1.
static int transf_refuse(const char *text) {
  disperr(text);
  return -1;
}

// "action" is refused where the mode forbids it: rotate in the tool modes
// 2, 3, 6..9; zoom and band zoom in every mode but global.
static int action_allowed(int action) {
  const int m = What_trans;
  if (action == 0 && (m == 2 || m == 3 || (m >= 6 && m <= 9))) return 0;
  if ((action == 4 || action == 5) && m != 0) return 0;
  return 1;
}

// The value text of a line, with a "??" prompt answered; the answer is
// released with the holder.
struct Transf_value_text {
  const char *text;
  char *answer = nullptr;
  int ok;
  explicit Transf_value_text(const char *params) : text(params ? params : "") {
    ok = cmd_param_asked(&text, &answer, Cmd_no_value_entered);
  }
  ~Transf_value_text() { free(answer); }
  Transf_value_text(const Transf_value_text &) = delete;
  Transf_value_text &operator=(const Transf_value_text &) = delete;
};

// rotate, translate, scale, zoom: the current action is the keyword's for
// the one value and comes back afterwards.
static int transf_by_values(int cmd_id, const char *params) {
  static const int action_of[4] = {0, 1, 2, 4};
  Transf_value_text value(params);
  if (value.ok < 0) return -1;
  float v[3] = {0.0f, 0.0f, 0.0f};
  const int given = sscanf(value.text, "%f %f %f", &v[0], &v[1], &v[2]);
  if (given < 1) return transf_refuse("view_transf: Incorrect transform parameter.");
  // A scale factor left out keeps its axis (a factor 0 would flatten the model).
  if (cmd_id == VIEWTRANSF_SCALE)
    for (int i = given; i < 3; i++) v[i] = 1.0f;
  if (What_trans == 10 && ui_transform_check_frame_definition() == 0)
    return transf_refuse("Can not change frames definition after a transform!\n To perform "
                         "operation, reset the frame's transformation");
  const int saved = Vewglb;
  Vewglb = action_of[cmd_id - VIEWTRANSF_ROTATE];
  int r = ui_trans_1_value(Vewglb, What_trans, Vewaxis[0], Vewaxis[1], Vewaxis[2], v[0], &v[0],
                           &v[1], &v[2], 1);
  Vewglb = saved;
  return r < 0 ? -1 : 1;
}

static int transf_spin(const char *params) {
  Transf_value_text value(params);
  if (value.ok < 0) return -1;
  int n = 0;
  float v[3];
  if (sscanf(value.text, "%d %f %f %f", &n, &v[0], &v[1], &v[2]) < 4)
    return transf_refuse("view_transf: Incorrect transform parameter.");
  return ui_trans_1_value(TRANSF_SPIN, 0, n, 1, 1, 0.0f, &v[0], &v[1], &v[2], 1) < 0 ? -1 : 1;
}

// The line tool's length about its midpoint, along its direction.
static void set_line_length(float length) {
  float e1[3], e2[3], old = 0.0f, dir[3], mid[3];
  line_position(e1, e2, &old, 0);
  for (int i = 0; i < 3; i++) dir[i] = e2[i] - e1[i], mid[i] = 0.5f * (e1[i] + e2[i]);
  normlz(dir);
  for (int i = 0; i < 3; i++) {
    e1[i] = mid[i] - 0.5f * length * dir[i];
    e2[i] = mid[i] + 0.5f * length * dir[i];
  }
  line_position(e1, e2, &length, 1);
}

// The quadric kind code of a tool keyword id (25..41).
static int quadric_kind(int cmd_id) {
  if (cmd_id < VIEWTRANSF_CYLINDER) return 4;  // cone
  if (cmd_id < VIEWTRANSF_SPHERE) return 2;    // cylinder
  if (cmd_id < VIEWTRANSF_REVOLUTION) return 3;  // sphere
  return 5;                                    // revolution tool
}

// The tool keywords (ids 20..41 and 51) and the ids 8 and 12.
static int transf_tool_line(int cmd_id, int cat_index, int kw_row, const char *params) {
  float v[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  if (cmd_process_params(cat_index, kw_row, params ? params : "", v) < 0)
    return transf_refuse("view_transf: Parameters of the command were incorrect.");
  int frame = 0;
  get_current_frame_selected(&frame);
  if (cmd_id == VIEWTRANSF_VIEWPORTS) return transf_refuse("view_transf: command not implemented.");

  if (cmd_id >= VIEWTRANSF_CURSOR && cmd_id <= VIEWTRANSF_PLANE_EQUATION) {
    float cursor[3] = {0}, line[6] = {0}, plane[9] = {0}, coefficients[4] = {0};
    getfdbk(frame, cursor, line, plane, coefficients);
    const int n = (int)v[0];
    int use_equation = 0;
    if (cmd_id == VIEWTRANSF_CURSOR) {
      memcpy(cursor, v, 3 * sizeof(float));
    } else if (cmd_id == VIEWTRANSF_LINE) {
      if (n != 1 && n != 2) return transf_refuse("view_transf: Bad line point.");
      memcpy(&line[3 * (n - 1)], &v[1], 3 * sizeof(float));
    } else if (cmd_id == VIEWTRANSF_PLANE) {
      if (n < 1 || n > 3) return transf_refuse("view_transf: Bad plane point.");
      memcpy(&plane[3 * (n - 1)], &v[1], 3 * sizeof(float));
    } else {
      coefficients[0] = v[0], coefficients[1] = v[1], coefficients[2] = v[2];
      coefficients[3] = -v[3];
      use_equation = 1;
    }
    setfdbk(frame, cursor, line, plane, coefficients, use_equation);
    viewports_display_all();
    return 1;
  }
  if (cmd_id == VIEWTRANSF_LINE_LENGTH) {
    set_line_length(v[0]);
    viewports_display_all();
    return 1;
  }
  // The quadric tools: end points in global coordinates, the rest in the frame's.
  const int kind = quadric_kind(cmd_id);
  const int base = kind == 4 ? VIEWTRANSF_CONE
                 : kind == 2 ? VIEWTRANSF_CYLINDER
                 : kind == 3 ? VIEWTRANSF_SPHERE
                             : VIEWTRANSF_REVOLUTION;
  if (cmd_id == base) {
    if (v[0] < 1.0f || v[0] > 2.0f) return transf_refuse("view_transf: Invalid end point for tool.");
    quadric_tool_cmd(kind, (int)v[0], v[1], v[2], v[3]);
    return 1;
  }
  float origin[3] = {0}, axis[3] = {0}, size = 0.0f, radii[REVTOOL_POINTS] = {0},
        distances[REVTOOL_POINTS] = {0};
  int count = 0;
  getfdbk_curve_tool(frame, origin, axis, &size, radii, distances, &count, kind);
  if (cmd_id == VIEWTRANSF_REVOLUTION_COUNT) {
    if (v[0] < 1.0f) return transf_refuse("view_transf: Revolution tool number of points must be > 0.");
    if (v[0] > REVTOOL_POINTS)
      return transf_refuse("view_transf: Revolution tool holds at most 10 points.");
    count = (int)v[0];
  } else if (cmd_id == VIEWTRANSF_REVOLUTION_POINT) {
    if (v[0] < 1.0f)
      return transf_refuse("view_transf: Revolution tool point numbering must be >= 1.");
    if (v[0] >= REVTOOL_POINTS + 1)
      return transf_refuse("view_transf: Revolution tool holds at most 10 points.");
    const int i = (int)v[0] - 1;
    distances[i] = v[1];
    radii[i] = v[2];
  } else if (cmd_id == base + 1) {
    memcpy(origin, v, 3 * sizeof(float));
  } else if (cmd_id == base + 2) {
    memcpy(axis, v, 3 * sizeof(float));
  } else {
    size = v[0];  // cone angle, cylinder or sphere radius
  }
  setfdbk_curve_tool(frame, origin, axis, size, radii, distances, count, nullptr, 0, kind);
  viewports_display_all();
  return 1;
}

// A z-clip setter's answer as the line's: it marks its refusals in Command_proc_err.
static int zclip_result(int r) { return (r < 0 || Command_proc_err == 1) ? -1 : 1; }

int transf_cmdproc(const char *, const char *, const char *, const char *params, int cat_index,
                   int kw_row, int cmd_id, const int *, int) {
  if (kw_row == CMD_NOT_FOUND) return transf_refuse("view_transf: The command does not exist.");
  const char *text = params ? params : "";
  float v[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  switch (cmd_id) {
    case VIEWTRANSF_FUNCTION: {
      const int mode = cmd_process_strparams(text, cat_index, kw_row);
      if (mode < 0) return transf_refuse("view_transf: Incorrect mode.");
      What_trans = mode;
      return 1;
    }
    case VIEWTRANSF_ACTION: {
      const int action = cmd_process_strparams(text, cat_index, kw_row);
      if (action < 0 || !action_allowed(action))
        return transf_refuse("view_transf: Incorrect action.");
      Vewglb = action;
      return 1;
    }
    case VIEWTRANSF_ROTATE:
    case VIEWTRANSF_TRANSLATE:
    case VIEWTRANSF_SCALE:
    case VIEWTRANSF_ZOOM:
      return transf_by_values(cmd_id, text);
    case VIEWTRANSF_SPIN:
      return transf_spin(text);
    case VIEWTRANSF_RESET_BY_ACTION:
    case VIEWTRANSF_RESET_ALL:
      return transf_reset_action(cmd_id == VIEWTRANSF_RESET_ALL, 1) < 0 ? -1 : 1;
    case VIEWTRANSF_INITIALIZE_VIEWPORTS:
      return transf_reinitviewport(1) < 0 ? -1 : 1;
    case VIEWTRANSF_DISTANCE:
    case VIEWTRANSF_LOOK_AT:
    case VIEWTRANSF_LOOK_FROM:
    case VIEWTRANSF_SENSITIVITY: {
      if (cmd_process_params(cat_index, kw_row, text, v) < 0)
        return transf_refuse("view_transf: Incorrect viewer parameters.");
      const int what = cmd_id == VIEWTRANSF_DISTANCE  ? 3
                       : cmd_id == VIEWTRANSF_LOOK_AT ? 1
                       : cmd_id == VIEWTRANSF_LOOK_FROM ? 0
                                                        : 2;
      // A value that would leave no line of sight is refused (the line fails).
      return viewer_attr_updt(what, v, 1) < 0 ? -1 : 1;
    }
    case VIEWTRANSF_ZCLIP_FRONT:
    case VIEWTRANSF_ZCLIP_BACK:
      if (cmd_process_params(cat_index, kw_row, text, v) < 0)
        return transf_refuse("view_transf: Incorrect Z-clip parameter.");
      // Command files older than 7.0 knew no floating planes.
      if (Current_cmdfile_version < 7.0f) Floating_z_planes = 0;
      Command_proc_err = 0;
      return zclip_result(zclip_attr_updt(cmd_id == VIEWTRANSF_ZCLIP_BACK, v, 1));
    case VIEWTRANSF_ZCLIP_FLOAT:
      if (cmd_process_params(cat_index, kw_row, text, v) < 0)
        return transf_refuse("view_transf: Incorrect Z-clip float parameter.");
      Command_proc_err = 0;
      return zclip_result(zclip_tgglattr_updt(2, v, 1));
    case VIEWTRANSF_ZCLIP_MIN:
      if (cmd_process_params(cat_index, kw_row, text, v) < 0)
        return transf_refuse("view_transf: Incorrect Z-clip min parameter.");
      Command_proc_err = 0;
      return zclip_result(zclip_minattr_updt(v[0], 1));
    case VIEWTRANSF_SAVE_VIEW:
      return transf_save_view(text, 1) < 0 ? -1 : 1;
    case VIEWTRANSF_RESTORE_VIEW:
      return transf_restore_view(text, 1) < 0 ? -1 : 1;
    case VIEWTRANSF_AXIS: {
      const int axis = cmd_process_strparams(text, cat_index, kw_row);
      if (axis < 0) return transf_refuse("view_transf: Incorrect axis.");
      for (int i = 0; i < 3; i++) Vewaxis[i] = (i == axis || axis == 3) ? 1 : 0;
      return 1;
    }
    case VIEWTRANSF_LIMIT:
      if (cmd_process_params(cat_index, kw_row, text, v) < 0)
        return transf_refuse("view_transf: Incorrect limit parameter.");
      if (v[0] <= 0.0f) return transf_refuse("The transformation increment limit must be > 0.");
      Vewvalues[2 * Vewglb + 1] = v[0];
      return 1;
    case VIEWTRANSF_CLIPPING:
      if (cmd_process_params(cat_index, kw_row, text, v) < 0)
        return transf_refuse("view_transf: Parameters of the command were incorrect.");
      Cmds_cat[CMD_CAT_VIEW].refresh_needed = 1;  // the main window's view toggles follow
      if ((Plane_clipp_toggle != 0) != (v[0] != 0.0f)) tggl_auxclip();
      return 1;
    case VIEWTRANSF_VIEW_RECALL:
    case VIEWTRANSF_VIEW_STORE: {
      const int slot = cmd_process_strparams(text, cat_index, kw_row);
      if (slot < 0) return transf_refuse("view_transf: Parameters of the command were incorrect.");
      if (cmd_id == VIEWTRANSF_VIEW_RECALL) return switch_views_process_command(0, slot, 0);
      if (slot >= 3 && slot <= 8)
        return transf_refuse(
            "view_transf: Parameters for view_store can onlybe F5, F6, F7, or F8.");
      return switch_views_process_command(1, slot, 0);
    }
    case VIEWTRANSF_RESET_TOOL_CONSTRAIN: {
      const int c = cmd_process_strparams(text, cat_index, kw_row);
      if (c < 0) return transf_refuse("view_transf: Incorrect tool reset constraint.");
      transf_resettool_constraint(c, 1);
      return 1;
    }
    case VIEWTRANSF_STATE_COPY:
      return transf_copy_state(1) < 0 ? -1 : 1;
    case VIEWTRANSF_STATE_PASTE:
      transf_paste_state(1);
      return 1;
    case VIEWTRANSF_LINK:
      if (cmd_process_params(cat_index, kw_row, text, v) < 0)
        return transf_refuse("view_transf: Incorrect transformation link parameter.");
      transf_link_viewports(v[0] != 0.0f, 1);
      return 1;
    default:
      return transf_tool_line(cmd_id, cat_index, kw_row, text);
  }
}

void transf_ref(int cat_index) {
  transf_dialog_init();
  if (transf_buttons_windep) transf_buttons_windep();
  cmd_clear_refresh(cat_index);
}
