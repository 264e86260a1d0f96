// Typed transformation values and resets (see transf_typed.h).
#include "view/transf_typed.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "client/alloc_gate.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "derived/clip.h"
#include "derived/iso.h"
#include "flow/trace.h"
#include "interact/support.h"
#include "interact/tool_feedback.h"
#include "interact/vector3.h"
#include "render/disobj.h"
#include "render/glyphs.h"
#include "render/redraw.h"
#include "render/transparent.h"
#include "view/observer.h"
#include "view/view_cmdproc.h"
#include "view/viewer_state.h"
#include "view/viewport_redraw.h"

// Frame attribute slots the definition changes: origin 2..4, axes 5..13.
enum { FRAME_ORIGIN = 2, FRAME_AXIS_X = 5 };

static Transform_start_state S;
static int Started = 0;  // 1 between a successful ui_trans_init and ui_trans_end

const Transform_start_state &transform_start_state() { return S; }

// ---- hooks of the realtime clips and traces and of the keyframe recorder -------
// Nothing of theirs can be active yet: the hooks do nothing.
static void realtime_traces_deactivate_part() {}
static void update_after_realtime_traces() {}
static void realtime_clips_deactivate_part() {}
static void update_after_realtime_clips() {}
static void realtime_clip_follow_tool(int) {}
static void flipbook_dynamic_clip_value() {}
static void animate_record_keystrokes(int, const float *) {}

// ---- small vector helpers ---------------------------------------------------------
static void copy3(float *to, const float *from) { memcpy(to, from, 3 * sizeof(float)); }
static void add3(float *to, const float *a, const float *b) {
  for (int i = 0; i < 3; i++) to[i] = a[i] + b[i];
}
static float dist3(const float *a, const float *b) {
  float d[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
  return std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
}
static void unit_between(const float *a, const float *b, float *u) {
  for (int i = 0; i < 3; i++) u[i] = b[i] - a[i];
  normlz(u);
}
// Turns p about centre by ax, then ay, then az degrees about the global axes.
static void turn_point(float *p, const float *centre, float ax, float ay, float az) {
  const double r = 0.017453292519943295;
  double v[3] = {p[0] - centre[0], p[1] - centre[1], p[2] - centre[2]};
  double c = std::cos(ax * r), s = std::sin(ax * r);
  double y = v[1] * c - v[2] * s, z = v[1] * s + v[2] * c;
  v[1] = y, v[2] = z;
  c = std::cos(ay * r), s = std::sin(ay * r);
  double x = v[0] * c + v[2] * s;
  z = -v[0] * s + v[2] * c;
  v[0] = x, v[2] = z;
  c = std::cos(az * r), s = std::sin(az * r);
  x = v[0] * c - v[1] * s;
  y = v[0] * s + v[1] * c;
  v[0] = x, v[1] = y;
  for (int i = 0; i < 3; i++) p[i] = (float)(v[i] + centre[i]);
}

static int is_2d(int v) { return Viewports[v].in_use && Viewports[v].two_d; }

static int selected_viewports(int list[MAX_VIEWPORTS]) {
  int n = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (Viewports[v].selected) list[n++] = v;
  return n;
}

// One redraw: the current viewport alone when one viewport is in use.
static void redraw_in_use() {
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
}

// A move (dx, dy, dz) given in the selected frame's coordinates, as a global move.
static void frame_delta(float d[3]) {
  int frame = 0;
  get_current_frame_selected(&frame);
  local_delta_to_global_delta(frame, &d[0], &d[1], &d[2]);
}

// ---- start ------------------------------------------------------------------------
static void free_frame_copies() {
  gate_free(S.frame_names);
  gate_free(S.frame_attrs);
  S.frame_names = nullptr;
  S.frame_attrs = nullptr;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    float (**arrays[4])[16] = {&S.local_scale[v], &S.local_rotation[v], &S.local_translation[v],
                               &S.local_combined[v]};
    for (auto *a : arrays) {
      gate_free(*a);
      *a = nullptr;
    }
  }
  S.frame_count = 0;
}

// The working copies of the listed frames; 1, or -1 when one cannot be had
// (everything given back).
static int alloc_frame_copies(int count) {
  S.frame_names = (char(*)[FRAME_NAME_LEN])gate_malloc(count * sizeof *S.frame_names);
  S.frame_attrs = (float(*)[FRAME_ATTR_WORDS])gate_malloc(count * sizeof *S.frame_attrs);
  int ok = S.frame_names && S.frame_attrs;
  for (int v = 0; v < MAX_VIEWPORTS && ok; v++) {
    float (**arrays[4])[16] = {&S.local_scale[v], &S.local_rotation[v], &S.local_translation[v],
                               &S.local_combined[v]};
    for (auto *a : arrays) {
      *a = (float(*)[16])gate_malloc(count * 16 * sizeof(float));
      if (!*a) ok = 0;
    }
  }
  if (ok) return 1;
  free_frame_copies();
  return -1;
}

static void save_tools() {
  perspective_angle(&S.perspective, 0);
  float size = 0.0f;
  cursor_position(&S.cursor[0], &S.cursor[1], &S.cursor[2], nullptr, &size, 0);
  S.cursor_distance = S.distance[Viewport_current];
  float length = 0.0f;
  line_position(S.line[0], S.line[1], &length, 0);
  unit_between(S.line[0], S.line[1], S.line_dir);
  plane_position(S.plane[0], S.plane[1], S.plane[2], S.plane[3], 0);
  cylinder_position(S.cyl_origin, S.cyl_end, nullptr, S.cyl_axis, &S.cyl_radius, nullptr, nullptr,
                    0, 0, 0);
  S.cyl_half_radius = S.cyl_radius * 0.5f;
  sphere_position(S.sph_origin, S.sph_end, nullptr, &S.sph_radius, nullptr, 0, 0, 0);
  S.sph_half_radius = S.sph_radius * 0.5f;
  cone_position(S.cone_apex, S.cone_end, nullptr, S.cone_axis, &S.cone_angle, &S.cone_value,
                nullptr, 0, 0, 0);
  S.cone_half_angle = S.cone_angle * 0.5f;
  revtool_position(S.rev_end1, S.rev_end2, nullptr, S.rev_axis, &S.rev_count, S.rev_radii,
                   S.rev_distances, nullptr, 0, 0, 0);
}

int ui_trans_init() {
  free_frame_copies();
  Started = 0;
  int count = 0;
  current_selected_frames(&count, S.frame_list, 0);
  if (count > 0 && alloc_frame_copies(count) < 0) {
    report_alloc_failure(__LINE__, __FILE__, "ui_trans_init");
    return -1;
  }
  S.frame_count = count;

  // No hidden lines, boxes when asked, unsorted transparency while values change.
  S.saved_hlinet = Hlinet;
  Hlinet = 0;
  if (Box_mode_toggle) Box_mode = 1;
  if (Resort_alpha_toggle == 0 && Do_realtime_iso == 0 && Do_realtime_clips == -1)
    Performance_alpha = 1;
  S.last_code = TRANSF_CODE_NONE;
  S.last_values[0] = S.last_values[1] = S.last_values[2] = 0.0f;
  S.clip_kind = -1;

  const int saved = Viewport_current;
  for (int k = 0; k < count; k++) frames(S.frame_list[k], 0, S.frame_names[k], S.frame_attrs[k]);
  for (int v = 0; v < MAX_VIEWPORTS && count > 0; v++) {
    Viewport_current = v;
    local_current_ctm_st(S.local_combined[v], count, S.frame_list, 0);
    local_ctm_transforms_st(S.local_scale[v], S.local_rotation[v], S.local_translation[v], count,
                            S.frame_list, 0);
  }
  int nselected = 0, last = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    Viewport_current = v;
    view_param(S.look_at[v], S.look_from[v], S.view[v], &S.distance[v], 0);
    current_ctm(S.combined[v], 0);
    ctm_transforms(S.scale[v], S.rotation[v], S.translation[v], 0);
    if (Viewports[v].selected) nselected++, last = v;
  }
  Viewport_current = saved;
  if (nselected == 1 && last != Viewport_current) {
    Viewport_current = last;
    fix_up_viewport(1);
  }
  save_tools();
  Started = 1;
  return 1;
}

// ---- one value ----------------------------------------------------------------------
// The model of every selected viewport (modes 0 and 1, zoom and spin), each
// from its start state.
static void transform_viewports(int action, int mode, int repeat, const float val[3],
                                float zoom) {
  const int saved = Viewport_current;
  const int n = S.frame_count;
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    if (!Viewports[v].selected) continue;
    Viewport_current = v;
    current_ctm(S.combined[v], 1);
    ctm_transforms(S.scale[v], S.rotation[v], S.translation[v], 1);
    view_param(S.look_at[v], S.look_from[v], S.view[v], &S.distance[v], 1);
    if (mode == 1 && n > 0) {
      local_ctm_transforms_st(S.local_scale[v], S.local_rotation[v], S.local_translation[v], n,
                              S.frame_list, 1);
      local_current_ctm_st(S.local_combined[v], n, S.frame_list, 1);
    }
    Resort_transparent = 1;
    float c[16];
    memcpy(c, S.combined[v], sizeof c);
    const bool planar = is_2d(v);
    const float x = val[0], y = val[1], z = val[2];
    if (mode == 1) {
      if (n == 0) continue;
      if (action == TRANSF_ROTATE) {
        local_rotvew(n, S.frame_list, planar ? 0.0f : x, planar ? 0.0f : y, z);
        S.last_code = TRANSF_CODE_LOCAL_TURN;
      } else if (action == TRANSF_TRANSLATE) {
        local_trnvew(n, S.frame_list, x, y, planar ? 0.0f : z);
        S.last_code = TRANSF_CODE_LOCAL_MOVE;
      } else if (action == TRANSF_SCALE) {
        local_sclvew(n, S.frame_list, x, y, z);
        S.last_code = TRANSF_CODE_LOCAL_SCALE;
      }
    } else if (action == TRANSF_ROTATE || action == TRANSF_SPIN) {
      const float rx = planar ? 0.0f : x, ry = planar ? 0.0f : y;
      const int times = action == TRANSF_SPIN ? repeat : 1;
      for (int i = 0; i < times; i++) rotvew(rx, ry, z, S.look_at[v], c, S.view[v]);
      Interactive_rot_x = rx, Interactive_rot_y = ry, Interactive_rot_z = z;
      S.last_code = TRANSF_CODE_GLOBAL_TURN;
    } else if (action == TRANSF_TRANSLATE) {
      trnvew(x, y, planar ? 0.0f : z, S.look_at[v], c, S.view[v]);
      S.last_code = TRANSF_CODE_GLOBAL_MOVE;
    } else if (action == TRANSF_SCALE) {
      sclvew(x, y, z, S.look_at[v], c, S.view[v]);
      S.last_code = TRANSF_CODE_GLOBAL_SCALE;
    } else if (action == TRANSF_ZOOM) {
      float from[3], view[16], distance = 0.0f;
      for (int i = 0; i < 3; i++)
        from[i] = S.look_at[v][i] + (S.look_from[v][i] - S.look_at[v][i]) * zoom;
      vewvew(S.look_at[v], from, &distance, S.combined[v], view);
      view_param(S.look_at[v], from, view, &distance, 1);
      S.last_code = TRANSF_CODE_ZOOM;
      copy3(S.last_values, from);
      continue;  // the combined matrix stays the start one
    }
    current_ctm(c, 1);
  }
  Viewport_current = saved;
}

// The line keeps its start midpoint and direction; its length is multiplied by factor.
static void scale_about_middle(const float *end1, const float *end2, float factor, float *out1,
                               float *out2) {
  float mid[3], dir[3];
  for (int i = 0; i < 3; i++) mid[i] = 0.5f * (end1[i] + end2[i]);
  unit_between(end1, end2, dir);
  const float half = 0.5f * dist3(end1, end2) * factor;
  for (int i = 0; i < 3; i++) {
    out1[i] = mid[i] - dir[i] * half;
    out2[i] = mid[i] + dir[i] * half;
  }
}

// The plane's own unit axes from its first three corners.
static void plane_axes(float c[3][3], float u[3], float v[3], float w[3]) {
  unit_between(c[0], c[1], u);
  unit_between(c[1], c[2], v);
  cross_p(u, v, w);
  normlz(w);
}

static void transform_plane(int action, int x_on, int y_on, float value, float val[3],
                            int from_command) {
  float c[3][3];
  for (int k = 0; k < 3; k++) copy3(c[k], S.plane[k]);
  int frame = 0;
  get_current_frame_selected(&frame);
  if (action == TRANSF_ROTATE) {
    float centre[3];
    for (int i = 0; i < 3; i++) centre[i] = 0.5f * (S.plane[0][i] + S.plane[2][i]);
    for (auto &p : c) turn_point(p, centre, val[0], val[1], val[2]);
    S.last_code = TRANSF_CODE_PLANE_TURN;
    S.clip_kind = 1;
  } else if (action == TRANSF_TRANSLATE) {
    float m[3] = {val[0], val[1], val[2]};
    if (from_command) {
      frame_delta(m);
    } else {
      float g[3][3], u[3], v[3], w[3];
      for (int k = 0; k < 3; k++) {
        copy3(g[k], S.plane[k]);
        local_to_global_coord(frame, g[k], nullptr);
      }
      plane_axes(g, u, v, w);
      for (int i = 0; i < 3; i++) m[i] = val[0] * u[i] + val[1] * v[i] + val[2] * w[i];
      global_delta_to_local_delta(frame, &m[0], &m[1], &m[2]);
    }
    if (is_2d(Viewport_current)) m[2] = 0.0f;
    for (auto &p : c) add3(p, p, m);
    if (!from_command) {
      global_delta_to_local_delta(frame, &m[0], &m[1], &m[2]);
      copy3(val, m);
    }
    S.last_code = TRANSF_CODE_PLANE_MOVE;
    S.clip_kind = 5;
  } else if (action == TRANSF_SCALE) {
    if (!from_command) {
      const float v = value < -2.0f ? -2.0f : value;
      val[0] = x_on ? v : 0.0f;
      val[1] = y_on ? v : 0.0f;
      val[2] = 1.0f;
      for (int i = 0; i < 2; i++)
        if (val[i] < 0.0f) val[i] *= 0.5f;
    }
    // Each side about the plane's centre: width by 1 + x/2, height by 1 + y/2.
    float u[3], v[3], w[3], centre[3];
    plane_axes(c, u, v, w);
    for (int i = 0; i < 3; i++) centre[i] = 0.5f * (c[0][i] + c[2][i]);
    const float fu = 1.0f + val[0] * 0.5f, fv = 1.0f + val[1] * 0.5f;
    for (auto &p : c) {
      float du = 0.0f, dv = 0.0f;
      for (int i = 0; i < 3; i++) du += (p[i] - centre[i]) * u[i], dv += (p[i] - centre[i]) * v[i];
      for (int i = 0; i < 3; i++) p[i] = centre[i] + u[i] * du * fu + v[i] * dv * fv;
    }
    S.last_code = TRANSF_CODE_PLANE_SCALE;
    S.clip_kind = 3;
  } else {
    return;
  }
  setpln(c[0], c[1], c[2]);
  copy3(S.clip_values, val);
  if (Do_realtime_clips == 1) realtime_clip_follow_tool(4);
}

// Tool modes 2 (translate), 3, 6, 7, 8, 9.  val holds the values to apply
// (and, on return, to record).
static void transform_tool(int action, int mode, int x_on, int y_on, float value, float val[3],
                           int from_command) {
  const bool planar = is_2d(Viewport_current);
  float delta[3] = {val[0], val[1], planar ? 0.0f : val[2]};
  if (action == TRANSF_TRANSLATE) frame_delta(delta);
  // Tool scale: a value v means the factor 1 + v/2.  Values from the editor
  // stop at -2 (except the line's); a command's are used as given, except
  // the sphere's.  A command carries both values; a 0 leaves its size alone.
  auto bound = [&](float v) { return (!from_command && v < -2.0f) ? -2.0f : v; };
  float vx = bound(from_command ? val[0] : value), vy = bound(from_command ? val[1] : value);
  if (from_command) x_on = y_on = 1;
  float e1[3], e2[3];
  switch (mode) {
    case 2: {
      if (action != TRANSF_TRANSLATE) return;
      float p[3], distance = S.cursor_distance;
      add3(p, S.cursor, delta);
      cursor_position(&p[0], &p[1], &p[2], &S.perspective, &distance, 1);
      return;
    }
    case 3: {
      if (action == TRANSF_TRANSLATE) {
        add3(e1, S.line[0], delta);
        add3(e2, S.line[1], delta);
      } else if (action == TRANSF_SCALE) {
        const float v = from_command ? val[0] : value;  // the line has no lower bound
        scale_about_middle(S.line[0], S.line[1], 1.0f + v * 0.5f, e1, e2);
      } else {
        return;
      }
      float length = dist3(e1, e2);
      line_position(e1, e2, &length, 1);
      S.clip_kind = 1;
      copy3(S.clip_values, val);
      if (Do_realtime_clips == 0) realtime_clip_follow_tool(3);
      return;
    }
    case 6: {
      float radius = S.cyl_radius;
      if (action == TRANSF_TRANSLATE) {
        add3(e1, S.cyl_origin, delta);
        add3(e2, S.cyl_end, delta);
      } else if (action == TRANSF_SCALE) {
        copy3(e1, S.cyl_origin), copy3(e2, S.cyl_end);
        if (x_on) scale_about_middle(S.cyl_origin, S.cyl_end, 1.0f + vx * 0.5f, e1, e2);
        if (y_on) radius = S.cyl_radius + S.cyl_half_radius * vy;
        if (!from_command && !x_on) val[0] = val[2] = 0.0f;
      } else {
        return;
      }
      float axis[3];
      copy3(axis, S.cyl_axis);
      cylinder_position(e1, e2, e1, axis, &radius, nullptr, nullptr, 0, 0, 1);
      if (Do_realtime_clips == 2) {
        S.last_code = TRANSF_CODE_CYLINDER_CLIP;
        S.last_values[0] = radius, S.last_values[1] = S.last_values[2] = 0.0f;
        realtime_clip_follow_tool(6);
      }
      return;
    }
    case 7: {
      float radius = S.sph_radius;
      if (action == TRANSF_TRANSLATE) {
        add3(e1, S.sph_origin, delta);
        add3(e2, S.sph_end, delta);
      } else if (action == TRANSF_SCALE) {
        float v = from_command ? val[1] : value;
        if (v < -2.0f) v = -2.0f;
        radius = S.sph_radius + S.sph_half_radius * v;
        copy3(e1, S.sph_origin), copy3(e2, S.sph_end);
        if (!from_command) val[0] = val[2] = 0.0f;
      } else {
        return;
      }
      sphere_position(e1, e2, e1, &radius, nullptr, 0, 0, 1);
      if (Do_realtime_clips == 3) realtime_clip_follow_tool(7);
      return;
    }
    case 8: {
      float angle = S.cone_angle, value_kept = S.cone_value;
      if (action == TRANSF_TRANSLATE) {
        add3(e1, S.cone_apex, delta);
        add3(e2, S.cone_end, delta);
      } else if (action == TRANSF_SCALE) {
        copy3(e1, S.cone_apex), copy3(e2, S.cone_end);
        if (x_on) {
          const float length = dist3(S.cone_apex, S.cone_end) * (1.0f + vx * 0.5f);
          float dir[3];
          unit_between(S.cone_apex, S.cone_end, dir);
          for (int i = 0; i < 3; i++) e2[i] = S.cone_apex[i] + dir[i] * length;
        }
        if (y_on) angle = S.cone_angle + S.cone_half_angle * vy;
        if (!from_command && !x_on) val[0] = val[2] = 0.0f;
      } else {
        return;
      }
      float axis[3];
      copy3(axis, S.cone_axis);
      cone_position(e1, e2, e1, axis, &angle, &value_kept, nullptr, 0, 0, 1);
      if (Do_realtime_clips == 4) {
        S.last_code = TRANSF_CODE_CONE_CLIP;
        S.last_values[0] = angle, S.last_values[1] = S.last_values[2] = 0.0f;
        realtime_clip_follow_tool(8);
      }
      return;
    }
    case 9: {
      float radii[REVTOOL_POINTS], distances[REVTOOL_POINTS];
      memcpy(radii, S.rev_radii, sizeof radii);
      memcpy(distances, S.rev_distances, sizeof distances);
      if (action == TRANSF_TRANSLATE) {
        add3(e1, S.rev_end1, delta);
        add3(e2, S.rev_end2, delta);
      } else if (action == TRANSF_SCALE) {
        copy3(e1, S.rev_end1), copy3(e2, S.rev_end2);
        if (x_on) {
          for (float &d : distances) d += d * 0.5f * vx;
          scale_about_middle(S.rev_end1, S.rev_end2, 1.0f + vx * 0.5f, e1, e2);
        }
        if (y_on)
          for (float &r : radii) r += r * 0.5f * vy;
      } else {
        return;
      }
      float axis[3];
      copy3(axis, S.rev_axis);
      int count = S.rev_count;
      revtool_position(e1, e2, e1, axis, &count, radii, distances, nullptr, 0, 0, 1);
      return;
    }
    default:
      return;
  }
}

// Mode 10: the definition of every listed frame but frame 0.
static void transform_frames(int action, const float val[3]) {
  if (action != TRANSF_ROTATE && action != TRANSF_TRANSLATE) return;
  const bool planar = is_2d(Viewport_current);
  for (int k = 0; k < S.frame_count; k++) {
    if (S.frame_list[k] == 0) continue;  // the global frame never moves
    float attrs[FRAME_ATTR_WORDS];
    char name[FRAME_NAME_LEN];
    memcpy(attrs, S.frame_attrs[k], sizeof attrs);
    memcpy(name, S.frame_names[k], sizeof name);
    float *origin = &attrs[FRAME_ORIGIN];
    if (action == TRANSF_ROTATE) {
      const float zero[3] = {0, 0, 0};
      for (int a = 0; a < 3; a++) turn_point(&attrs[FRAME_AXIS_X + 3 * a], zero, val[0], val[1], val[2]);
    } else {
      origin[0] += val[0];
      origin[1] += val[1];
      if (!planar) origin[2] += val[2];
    }
    frames(S.frame_list[k], 1, name, attrs);
  }
}

// The redraw after one value.
static void redraw_after_value(int mode) {
  const bool traces = (mode == 2 && Realtime_traces == 3) || (mode == 3 && Realtime_traces == 4) ||
                      (mode == 4 && Realtime_traces == 5);
  const bool clips = (mode == 4 && Do_realtime_clips == 1) || (mode == 6 && Do_realtime_clips == 2) ||
                     (mode == 7 && Do_realtime_clips == 3) || (mode == 8 && Do_realtime_clips == 4);
  if (traces) {
    realtime_traces_deactivate_part();
    viewports_display_nocopy();
    return;
  }
  if (clips) {
    realtime_clips_deactivate_part();
    viewports_display_nocopy();
    return;
  }
  int list[MAX_VIEWPORTS];
  const int n = selected_viewports(list);
  if (n == 1) {
    display_all();
  } else if (n > 1) {
    // Each selected viewport drawn without swapping, then every display swapped once.
    const int saved = Viewport_current;
    for (int k = 0; k < n; k++) {
      Viewport_current = list[k];
      fix_up_viewport(1);
      int overlaps[MAX_VIEWPORTS];
      viewport_overlap(list[k], overlaps, 1);
      Stencil_current_viewport = -1;
      noswap_display_all(4);
    }
    for (int d = Dpy_cnt - 1; d >= 0; d--) {
      int code = 0, dpy = d;
      gwin_gl_curwin(&code, 1, &dpy);
      swapbuffers();
    }
    Viewport_current = saved;
    fix_up_viewport(1);
  }
}

int ui_transform(int action, int mode, int x_on, int y_on, int z_on, float value, float *x_rec,
                 float *y_rec, float *z_rec, int from_command) {
  if (!Started) return -1;
  Interactive_rot_x = Interactive_rot_y = Interactive_rot_z = 0.0f;
  S.clip_kind = -1;

  float val[3] = {0.0f, 0.0f, 0.0f};
  if (action == TRANSF_SCALE) val[0] = val[1] = val[2] = 1.0f;
  if (action == TRANSF_ZOOM && !from_command) value += 1.0f;
  if (action == TRANSF_ZOOM && value == 0.0f) value = 1.0f;
  if (x_on) val[0] = value;
  if (y_on) val[1] = value;
  if (z_on) val[2] = value;
  if (from_command) val[0] = *x_rec, val[1] = *y_rec, val[2] = *z_rec;
  if (action == TRANSF_ZOOM) val[0] = value;
  copy3(S.last_values, val);

  int list[MAX_VIEWPORTS];
  if (selected_viewports(list) == 1) {
    Viewport_current = list[0];
    if (list[0] != Stencil_current_viewport) {
      Stencil_current_viewport = -1;
      int overlaps[MAX_VIEWPORTS];
      viewport_overlap(list[0], overlaps, 1);
      fix_up_viewport(1);
    }
  }
  S.interaction_mode = mode;

  const bool tool_mode = (mode == 2 && action == TRANSF_TRANSLATE) || mode == 3 || mode == 4 ||
                         (mode >= 6 && mode <= 9);
  if (mode == 10) {
    transform_frames(action, val);
  } else if (mode == 4) {
    transform_plane(action, x_on, y_on, value, val, from_command);
  } else if (tool_mode) {
    transform_tool(action, mode, x_on, y_on, value, val, from_command);
  } else {
    transform_viewports(action, mode == 1 ? 1 : 0, x_on, val, value);
  }
  if (S.last_code != TRANSF_CODE_ZOOM && S.last_code != TRANSF_CODE_CYLINDER_CLIP &&
      S.last_code != TRANSF_CODE_CONE_CLIP)
    copy3(S.last_values, val);
  *x_rec = val[0], *y_rec = val[1], *z_rec = val[2];
  redraw_after_value(mode);
  return 1;
}

// ---- end ------------------------------------------------------------------------------
void ui_trans_end() {
  Hlinet = S.saved_hlinet;
  Box_mode = 0;
  Performance_alpha = 0;
  const int mode = S.interaction_mode;
  if ((mode == 2 && Realtime_traces == 3) || (mode == 3 && Realtime_traces == 4) ||
      (mode == 4 && Realtime_traces == 5))
    update_after_realtime_traces();
  if ((mode == 4 && Do_realtime_clips == 1) || (mode == 6 && Do_realtime_clips == 2) ||
      (mode == 7 && Do_realtime_clips == 3) || (mode == 8 && Do_realtime_clips == 4))
    update_after_realtime_clips();
  if (S.clip_kind != -1 && (Do_realtime_clips == 0 || Do_realtime_clips == 1))
    flipbook_dynamic_clip_value();
  if (S.last_code != TRANSF_CODE_NONE) {
    if (S.last_code >= TRANSF_CODE_PLANE_MOVE) {
      animate_record_keystrokes(S.last_code, S.last_values);
    } else {
      const int saved = Viewport_current;
      for (int v = 0; v < MAX_VIEWPORTS; v++)
        if (Viewports[v].selected) {
          Viewport_current = v;
          animate_record_keystrokes(S.last_code, S.last_values);
        }
      Viewport_current = saved;
    }
  }
  if (Hlinet || Box_mode_toggle || Do_realtime_clips != -1) redraw_in_use();
  adjust_end();
  free_frame_copies();
  Started = 0;
}

int ui_trans_1_value(int action, int mode, int x_on, int y_on, int z_on, float value,
                     float *x_rec, float *y_rec, float *z_rec, int from_command) {
  if (ui_trans_init() < 0) return -1;
  ui_transform(action, mode, x_on, y_on, z_on, value, x_rec, y_rec, z_rec, from_command);
  ui_trans_end();
  return 1;
}

float ui_scale_fix(float limit, float fraction) {
  const float l = limit, f = fraction;
  if (l == 0.0f || f == 0.0f) return 1.0f;
  if (l > 0.0f) return f > 0.0f ? 1.0f + f * (l - 1.0f) : 1.0f - f * (1.0f / l - 1.0f);
  return f > 0.0f ? f * (l + 1.0f) - 1.0f : (-f) * (1.0f / l + 1.0f) - 1.0f;
}

int ui_transform_check_frame_definition() {
  static int list[MAX_FRAMES];
  int count = 0;
  current_selected_frames(&count, list, 0);
  return is_transform_for_frame_identity(count, list) ? 1 : 0;
}

// ---- one quadric end point ------------------------------------------------------------
void quadric_tool_cmd(int kind, int point, float x, float y, float z) {
  float e1[3], e2[3], centre[3], axis[3], size = 0.0f, value = 0.0f;
  float radii[REVTOOL_POINTS], distances[REVTOOL_POINTS];
  int count = 0;
  const float p[3] = {x, y, z};
  auto place = [&](int mode) {
    switch (kind) {
      case 2: return cylinder_position(e1, e2, centre, axis, &size, &value, nullptr, 0, 0, mode);
      case 3: return sphere_position(e1, e2, centre, &size, nullptr, 0, 0, mode);
      case 4: return cone_position(e1, e2, centre, axis, &size, &value, nullptr, 0, 0, mode);
      case 5:
        return revtool_position(e1, e2, centre, axis, &count, radii, distances, nullptr, 0, 0, mode);
      default: return -1;
    }
  };
  if (place(0) < 0 || (point != 1 && point != 2)) return;
  copy3(point == 1 ? e1 : e2, p);
  place(1);
  redraw_in_use();
}

// ---- reset ------------------------------------------------------------------------------
static void reset_tool(int mode) {
  float cursor[3], la[3], lb[3], pa[3], pb[3], pc[3], size = 0.0f, cone_angle = 0.0f;
  widget_location(&cursor[0], &cursor[1], &cursor[2], la, lb, pa, pb, pc, &size, &cone_angle, 0);
  if (Reset_tools_constraint == 1)
    caddtxt("The tool returns to its home placement: centring on the viewport is not available "
            "yet.");
  float axis[3];
  unit_between(la, lb, axis);
  switch (mode) {
    case 2: {
      float angle = 0.0f, at[3], from[3], view[16], distance = 0.0f;
      perspective_angle(&angle, 0);
      view_param(at, from, view, &distance, 0);
      cursor_position(&cursor[0], &cursor[1], &cursor[2], &angle, &distance, 1);
      if (Realtime_traces == 3) update_after_realtime_traces();
      break;
    }
    case 3: {
      float length = dist3(la, lb);
      line_position(la, lb, &length, 1);
      if (Realtime_traces == 4) update_after_realtime_traces();
      if (Do_realtime_clips == 0) update_after_realtime_clips();
      break;
    }
    case 4:
      setpln(pa, pb, pc);
      if (Realtime_traces == 5) update_after_realtime_traces();
      if (Do_realtime_clips == 1) update_after_realtime_clips();
      break;
    case 6:
      cylinder_position(la, lb, la, axis, &size, nullptr, nullptr, 0, 0, 1);
      if (Do_realtime_clips == 2) update_after_realtime_clips();
      break;
    case 7: {
      float radius = 0.5f * dist3(la, lb);
      sphere_position(la, lb, la, &radius, nullptr, 0, 0, 1);
      if (Do_realtime_clips == 3) update_after_realtime_clips();
      break;
    }
    case 8:
      cone_position(la, lb, la, axis, &cone_angle, &size, nullptr, 0, 0, 1);
      if (Do_realtime_clips == 4) update_after_realtime_clips();
      break;
    case 9: {
      // Its own points kept; the axis along the home line through the home cursor point.
      float e1[3], e2[3], centre[3], old_axis[3], radii[REVTOOL_POINTS], distances[REVTOOL_POINTS];
      int count = 0;
      revtool_position(e1, e2, centre, old_axis, &count, radii, distances, nullptr, 0, 0, 0);
      const float half = 0.5f * dist3(la, lb);
      for (int i = 0; i < 3; i++) {
        e1[i] = cursor[i] - axis[i] * half;
        e2[i] = cursor[i] + axis[i] * half;
      }
      revtool_position(e1, e2, e1, axis, &count, radii, distances, nullptr, 0, 0, 1);
      break;
    }
    default:
      break;
  }
}

void reset_transforms(int all) {
  const int mode = What_trans;
  int reset[3] = {1, 1, 1};
  if (!all) {
    reset[0] = Vewglb == TRANSF_ROTATE;
    reset[1] = Vewglb == TRANSF_TRANSLATE;
    reset[2] = Vewglb == TRANSF_SCALE;
  }
  if (mode == 0) {
    Resort_transparent = 1;
    if (!all && Vewglb == TRANSF_ZOOM) {
      float at[3], from[3], distance = 0.0f;
      obsint();
      obsrst(at, from, &distance);
    }
    const int saved = Viewport_current;
    for (int v = 0; v < MAX_VIEWPORTS; v++)
      if (Viewports[v].selected) {
        Viewport_current = v;
        init_transforms(reset);
      }
    Viewport_current = saved;
    fix_up_viewport(1);
    Stencil_current_viewport = -1;
  } else if (mode == 1) {
    static int list[MAX_FRAMES];
    int count = 0;
    current_selected_frames(&count, list, 0);
    local_reset_transforms(count, list, reset);
    fix_up_viewport(1);
    Stencil_current_viewport = -1;
  } else if (mode != 10) {
    reset_tool(mode);
  }
  viewports_display_all();
}
