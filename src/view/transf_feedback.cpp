// The Transformation Editor's tool-position area (see transf_feedback.h).
#include "view/transf_feedback.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "interact/support.h"
#include "interact/tool_feedback.h"
#include "interact/tool_records.h"
#include "interact/tools.h"
#include "render/display.h"
#include "view/frame_logic.h"
#include "view/frames.h"
#include "view/observer.h"
#include "view/viewports.h"

const char *const Coord_type[3][3] = {{"X", "Y", "Z"}, {"R", "T", "Z"}, {"R", "P", "T"}};
const char *const Coord_label[3] = {"Cartesian Coordinates", "Cylindrical Coordinates",
                                    "Spherical Coordinates"};

Transf_feedback_windep_ops Transf_feedback_windep = {};

namespace {

// The quadric tool of Curve_clip_tool: kind code of the accessors, command
// word, parameter word and the label of its radius or angle field.
struct Quadric_words {
  int kind;
  const char *command, *parameter, *label;
};

const Quadric_words *quadric_words(int tool) {
  static const Quadric_words words[4] = {{2, "cylinder", "radius", "Radius"},
                                         {3, "sphere", "radius", "Radius"},
                                         {4, "cone", "angle", "Angle"},
                                         {5, "revolution", nullptr, nullptr}};
  return tool >= 1 && tool <= 4 ? &words[tool - 1] : nullptr;
}

const char *tool_word(int mode) {
  switch (mode) {
    case 2: return "Cursor";
    case 3: return "Line";
    case 4: return "Plane";
    case 6: return "Cylinder";
    case 7: return "Sphere";
    case 8: return "Cone";
    case 9: return "Revolution";
    case 10: return "Definition";
    default: return nullptr;
  }
}

// The feedback frame: the one selected frame, else frame 0.
int feedback_frame(int *type) {
  int count = 0;
  static int list[MAX_FRAMES];
  current_selected_frames(&count, list, 0);
  const int frame = count == 1 ? list[0] : 0;
  const int t = get_frame_type(frame);
  *type = t == 1 || t == 2 ? t : 0;
  return frame;
}

void set_text(int field, int index, const char *text) {
  if (Transf_feedback_windep.set) Transf_feedback_windep.set(field, index, text);
}

void set_value(int field, int index, float value, const char *format = "%.4e") {
  char text[48];
  snprintf(text, sizeof text, format, (double)value);
  set_text(field, index, text);
}

void set_values(int field, const float *values, int n) {
  for (int i = 0; i < n; i++) set_value(field, i, values[i]);
}

void set_labels(int field, int type) {
  for (int i = 0; i < 3; i++) set_text(field, i, Coord_type[type][i]);
}

// A field read as atof reads it (no number: 0); 0 too when the field is missing.
float get_value(int field, int index) {
  char text[128] = "";
  if (!Transf_feedback_windep.get || !Transf_feedback_windep.get(field, index, text, sizeof text))
    return 0.0f;
  return (float)atof(text);
}

bool editor_shown() { return Transf_feedback_windep.shown && Transf_feedback_windep.shown(); }
bool rev_shown() { return Transf_feedback_windep.rev_shown && Transf_feedback_windep.rev_shown(); }

void record(const char *line) {
  if (Recrdr == 1) cmdrec(line);
}

// The plane's change test: relative 0.001, or 1e-4 absolute against a zero.
bool plane_differs(float current, float typed) {
  if (current != 0.0f) return std::fabs(current - typed) / std::fabs(current) > 0.001f;
  return std::fabs(typed) > 1e-4f;
}

// The quadric's change test, in double precision.
bool quadric_differs(float current, float typed) {
  const double c = current, t = typed;
  return t < c - 5e-8 || t > c + 5e-8;
}

// The revolution tool in the feedback frame.
struct Revolution {
  int frame, n;
  float origin[3], axis[3], value, radii[REVTOOL_POINTS], distances[REVTOOL_POINTS];
};

Revolution read_revolution() {
  Revolution r{};
  int type;
  r.frame = feedback_frame(&type);
  getfdbk_curve_tool(r.frame, r.origin, r.axis, &r.value, r.radii, r.distances, &r.n, 5);
  if (r.n < 0) r.n = 0;
  if (r.n > REVTOOL_POINTS) r.n = REVTOOL_POINTS;
  return r;
}

}  // namespace

// ---- filling ----------------------------------------------------------------------------

void transf_feedback_refresh() {
  if (editor_shown()) transf_feedback_init();
}

void transf_feedback_init() {
  if (!editor_shown()) return;
  int type;
  const int frame = feedback_frame(&type);
  float cursor[3], line[6], plane[9], coefficients[4];
  getfdbk(frame, cursor, line, plane, coefficients);
  switch (What_trans) {
    case 2:
      set_labels(FDBK_CUR_LBL, type);
      set_values(FDBK_CUR_TEXT, cursor, 3);
      break;
    case 3: {
      set_labels(FDBK_LIN_LBL, type);
      set_values(FDBK_LIN_TEXT, line, 6);
      float length = 0.0f;
      length_of_line_tool(&length, 0);
      set_value(FDBK_LINLENGTH_TEXT, 0, length);
      break;
    }
    case 4:
      set_labels(FDBK_PLN_LBL, type);
      set_values(FDBK_PLN_TEXT, plane, 9);
      for (int i = 0; i < 3; i++) set_value(FDBK_PLNEQ_TEXT, i, coefficients[i], "%f");
      set_value(FDBK_PLNEQ_TEXT, 3, -coefficients[3], "%f");
      break;
    case 6:
    case 7:
    case 8:
    case 9: transf_fdbk_qstool_init(frame, type, Curve_clip_tool); break;
    case 10: frame_locattr_init(); break;
    default: return;
  }
  char heading[200];
  snprintf(heading, sizeof heading,
           "           **** %s ****\n           **** of %s Tool in Frame %d ****",
           Coord_label[type], tool_word(What_trans), frame);
  set_text(FDBK_LABEL, 0, heading);
}

void transf_fdbk_qstool_init(int frame, int, int quadric_tool) {
  const Quadric_words *q = quadric_words(quadric_tool);
  if (!q) return;
  float origin[3], axis[3], value = 0.0f, radii[REVTOOL_POINTS], distances[REVTOOL_POINTS];
  int n = 0;
  getfdbk_curve_tool(frame, origin, axis, &value, radii, distances, &n, q->kind);
  if (q->kind != 5) {
    set_values(FDBK_CYLCON_ORIG, origin, 3);
    set_values(FDBK_CYLCON_AXIS, axis, 3);
    set_value(FDBK_CYLCON_RADANG, 0, value);
    set_text(FDBK_CYLCON_RADANGLBL, 0, q->label);
    return;
  }
  set_values(FDBK_REV_ORIG, origin, 3);
  set_values(FDBK_REV_AXIS, axis, 3);
  quad_revorefresh_list(n < 0 ? 0 : n > REVTOOL_POINTS ? REVTOOL_POINTS : n, distances, radii);
}

// ---- applying ---------------------------------------------------------------------------

int transf_feedback_updt() {
  int type;
  const int frame = feedback_frame(&type);
  float cursor[3], line[6], plane[9], coefficients[4];
  getfdbk(frame, cursor, line, plane, coefficients);
  const Quadric_words *q = quadric_words(Curve_clip_tool);
  float origin[3] = {0, 0, 0}, axis[3] = {0, 0, 0}, value = 0.0f;
  float radii[REVTOOL_POINTS] = {0}, distances[REVTOOL_POINTS] = {0};
  int n = 0;
  if (q) getfdbk_curve_tool(frame, origin, axis, &value, radii, distances, &n, q->kind);

  bool cursor_changed = false, point_changed[3] = {false, false, false}, equation = false;
  bool origin_changed = false, axis_changed = false, value_changed = false;
  switch (What_trans) {
    case 2:
      for (int i = 0; i < 3; i++) {
        const float t = get_value(FDBK_CUR_TEXT, i);
        if (t != cursor[i]) cursor_changed = true;
        cursor[i] = t;
      }
      break;
    case 3:
      for (int i = 0; i < 6; i++) {
        const float t = get_value(FDBK_LIN_TEXT, i);
        if (t != line[i]) point_changed[i / 3] = true;
        line[i] = t;
      }
      break;
    case 4: {
      for (float &c : plane)
        if (std::fabs(c) <= Machine_Eps) c = 0.0f;
      for (float &c : coefficients)
        if (std::fabs(c) <= Machine_Eps) c = 0.0f;
      float typed_plane[9], typed_eq[4];
      for (int i = 0; i < 9; i++) {
        typed_plane[i] = get_value(FDBK_PLN_TEXT, i);
        if (plane_differs(plane[i], typed_plane[i])) point_changed[i / 3] = true;
      }
      for (int i = 0; i < 4; i++) {
        typed_eq[i] = get_value(FDBK_PLNEQ_TEXT, i) * (i == 3 ? -1.0f : 1.0f);
        if (plane_differs(coefficients[i], typed_eq[i])) equation = true;
      }
      if (equation) {
        for (int i = 0; i < 4; i++) coefficients[i] = typed_eq[i];
      } else {
        for (int k = 0; k < 3; k++)
          if (point_changed[k])
            for (int i = 0; i < 3; i++) plane[3 * k + i] = typed_plane[3 * k + i];
      }
      break;
    }
    case 6:
    case 7:
    case 8:
    case 9:
      if (!q) break;
      {
        const int group_origin = q->kind == 5 ? FDBK_REV_ORIG : FDBK_CYLCON_ORIG;
        const int group_axis = q->kind == 5 ? FDBK_REV_AXIS : FDBK_CYLCON_AXIS;
        for (int i = 0; i < 3; i++) {
          const float to = get_value(group_origin, i), ta = get_value(group_axis, i);
          if (quadric_differs(origin[i], to)) origin_changed = true;
          if (quadric_differs(axis[i], ta)) axis_changed = true;
          origin[i] = to;
          axis[i] = ta;
        }
        if (q->kind != 5) {
          const float tv = get_value(FDBK_CYLCON_RADANG, 0);
          if (quadric_differs(value, tv)) value_changed = true;
          value = tv;
        }
      }
      break;
    default: break;
  }

  char text[200];
  if (cursor_changed) {
    snprintf(text, sizeof text, "%s %s %f %f %f", "view_transf:", "cursor", cursor[0], cursor[1],
             cursor[2]);
    record(text);
  }
  if (What_trans == 3)
    for (int k = 0; k < 2; k++)
      if (point_changed[k]) {
        snprintf(text, sizeof text, "%s %s %d %f %f %f", "view_transf:", "line", k + 1,
                 line[3 * k], line[3 * k + 1], line[3 * k + 2]);
        record(text);
      }
  if (equation) {
    snprintf(text, sizeof text, "%s %s %f %f %f %f", "view_transf:", "plane_equation",
             coefficients[0], coefficients[1], coefficients[2], -coefficients[3]);
    record(text);
  } else if (What_trans == 4) {
    for (int k = 0; k < 3; k++)
      if (point_changed[k]) {
        snprintf(text, sizeof text, "%s %s %d %f %f %f", "view_transf:", "plane", k + 1,
                 plane[3 * k], plane[3 * k + 1], plane[3 * k + 2]);
        record(text);
      }
  }
  if (q && origin_changed) {
    snprintf(text, sizeof text, "%s %s_origin %f %f %f", "view_transf:", q->command, origin[0],
             origin[1], origin[2]);
    record(text);
  }
  if (q && axis_changed) {
    snprintf(text, sizeof text, "%s %s_axis %f %f %f", "view_transf:", q->command, axis[0],
             axis[1], axis[2]);
    record(text);
  }
  if (q && value_changed && q->parameter) {
    snprintf(text, sizeof text, "%s %s_%s %f", "view_transf:", q->command, q->parameter, value);
    record(text);
  }

  setfdbk(frame, cursor, line, plane, coefficients, equation ? 1 : 0);
  if (q)
    setfdbk_curve_tool(frame, origin, axis, value, radii, distances, n, nullptr, 0, q->kind);
  viewports_display_all();
  transf_feedback_init();
  return 1;
}

int transf_feedbacklinelength_updt() {
  float length = get_value(FDBK_LINLENGTH_TEXT, 0);
  if (length <= 0.0f) {
    disperr("Length must be >= 0.");
    return -1;
  }
  char text[96];
  snprintf(text, sizeof text, "%s %s %f", "view_transf:", "line_length", length);
  record(text);
  length_of_line_tool(&length, 1);
  viewports_display_all();
  transf_feedback_init();
  return 1;
}

// ---- the revolution point list ------------------------------------------------------------

void quad_revorefresh_list(int n, const float distances[], const float radii[]) {
  if (!rev_shown()) return;
  char dist_text[REVTOOL_POINTS][32], rad_text[REVTOOL_POINTS][32];
  const char *dist[REVTOOL_POINTS], *rad[REVTOOL_POINTS];
  if (n > REVTOOL_POINTS) n = REVTOOL_POINTS;
  for (int k = 0; k < n; k++) {
    snprintf(dist_text[k], sizeof dist_text[k], "%.4e", (double)distances[k]);
    snprintf(rad_text[k], sizeof rad_text[k], "%.4e", (double)radii[k]);
    dist[k] = dist_text[k];
    rad[k] = rad_text[k];
  }
  if (Transf_feedback_windep.rev_fill) Transf_feedback_windep.rev_fill(n, dist, rad);
  int selected = -1;
  revtool_selected_point(&selected, 0);
  int minimum = 1, maximum = n > 1 ? n : 1, slider = 1;
  int value = selected >= 0 ? selected + 1 : 1;
  if (value > n - 1) value = n - 1;
  if (value < 1) value = 1;
  if (Transf_feedback_windep.rev_scrollbar)
    Transf_feedback_windep.rev_scrollbar(&minimum, &maximum, &slider, &value, 1);
  quad_revoselectpos_byindex(selected, n);
}

void quad_revoselectpos_byindex(int index, int) {
  if (Transf_feedback_windep.rev_select) Transf_feedback_windep.rev_select(index + 1, 1);
  quad_revolist_position(index);
}

void quad_revolist_position(int index) {
  int p = index + 1, minimum = 1, maximum = 1, slider = 1, value = 1;
  if (Transf_feedback_windep.rev_scrollbar)
    Transf_feedback_windep.rev_scrollbar(&minimum, &maximum, &slider, &value, 0);
  if (p > maximum - slider) p = maximum - slider;
  if (p < minimum) p = minimum;
  if (Transf_feedback_windep.rev_scrollbar)
    Transf_feedback_windep.rev_scrollbar(&minimum, &maximum, &slider, &p, 1);
  if (Transf_feedback_windep.rev_top) Transf_feedback_windep.rev_top(p);
}

void quad_revoselect_item(int position, int from_distance_list) {
  if (Transf_feedback_windep.rev_select_one)
    Transf_feedback_windep.rev_select_one(position, from_distance_list ? 0 : 1);
  const Revolution r = read_revolution();
  if (position < 1 || position > r.n) return;
  set_value(FDBK_REV_RAD, 0, r.radii[position - 1]);
  set_value(FDBK_REV_DIST, 0, r.distances[position - 1]);
  int index = position - 1;
  revtool_selected_point(&index, 1);
  draw_revtool_area_gl();
}

// Item index + 1 of both lists shows distance and radius.
static void replace_item(int index, float distance, float radius) {
  char d[32], r[32];
  snprintf(d, sizeof d, "%.4e", (double)distance);
  snprintf(r, sizeof r, "%.4e", (double)radius);
  if (Transf_feedback_windep.rev_replace) Transf_feedback_windep.rev_replace(index + 1, d, r);
}

void quad_revorefselval_byindex(int index, int n, float distance, float radius) {
  replace_item(index, distance, radius);
  quad_revoselectpos_byindex(index, n);
}

int quad_revoraddist_chng() {
  Revolution r = read_revolution();
  int s = -1;
  revtool_selected_point(&s, 0);
  // No selected point: nothing to change (the list normally keeps one).
  if (s < 0 || s >= r.n) return -1;
  const float d = get_value(FDBK_REV_DIST, 0), rad = get_value(FDBK_REV_RAD, 0);
  const char *refusal = nullptr;
  if (rad < 0.0f)
    refusal = "Radius must be >= 0.0.";
  else if (s == 0 && r.n > 1 && r.distances[1] < d)
    refusal = "Distance for point must be <= next point.";
  else if (s == r.n - 1 && s > 0 && d < r.distances[s - 1])
    refusal = "Distance for point must be >= previous point.";
  else if (s > 0 && s < r.n - 1 && (d < r.distances[s - 1] || d > r.distances[s + 1]))
    refusal = "Distance for point must be >= previous point and <= the next point.";
  if (refusal) {
    disperr(refusal);
    return -1;
  }
  r.distances[s] = d;
  r.radii[s] = rad;
  set_value(FDBK_REV_DIST, 0, d);
  set_value(FDBK_REV_RAD, 0, rad);
  replace_item(s, d, rad);
  if (Transf_feedback_windep.rev_select) Transf_feedback_windep.rev_select(s + 1, 0);
  setfdbk_curve_tool(r.frame, r.origin, r.axis, r.value, r.radii, r.distances, r.n, nullptr, 0,
                     5);
  viewports_display_all();
  draw_revtool_area_gl();
  quad_revopoint_recordchng(s);
  return 1;
}

int quad_revo_deleteselpoint() {
  if (revtool_delete_selected_point() < 0) {
    disperr("Please make sure you select a point to delete.\nThe revolution tool also must have "
            "at least 2 points.");
    return -1;
  }
  int type;
  const int frame = feedback_frame(&type);
  transf_fdbk_qstool_init(frame, type, 4);
  if (Recrdr == 1) quad_revopoint_recordchng(-1);
  return 1;
}

void quad_revopoint_recordchng(int index) {
  const Revolution r = read_revolution();
  if (Recrdr != 1) return;
  char text[128];
  auto point_line = [&](int k) {
    snprintf(text, sizeof text, "%s %s %d %f %f", "view_transf:", "revolution_point", k + 1,
             r.distances[k], r.radii[k]);
    cmdrec(text);
  };
  if (index == -1) {
    snprintf(text, sizeof text, "%s %s %d", "view_transf:", "revolution_#_of_points", r.n);
    cmdrec(text);
    for (int k = 0; k < r.n; k++) point_line(k);
  } else if (index >= 0 && index < r.n) {
    point_line(index);
  }
}
