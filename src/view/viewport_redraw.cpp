// The viewport redraw passes (see viewport_redraw.h).  Owns the overlap
// list and the locations saved for viewport-editing mode.  The passes call
// each owner's drawer for the current viewport; the redraw itself changes
// only Viewport_current, Dpy_current, Box_mode_always and
// Quivane_display_list while it runs, and puts each back.
#include "view/viewport_redraw.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "anim/animate.h"
#include "client/cmd_play.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "derived/clip.h"
#include "derived/iso.h"
#include "flow/anim_trace.h"
#include "interact/movmnt.h"
#include "interact/stereo.h"
#include "interact/support.h"
#include "interact/tool_records.h"
#include "palette/annotate.h"
#include "palette/function.h"
#include "query/plotter.h"
#include "query/probe.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/hidden_line.h"
#include "render/redraw.h"
#include "render/stipple.h"
#include "view/frames.h"
#include "view/observer.h"
#include "view/view_matrix.h"
#include "view/viewer_state.h"
#include "view/viewport_background.h"
#include "view/viewport_gl2d.h"
#include "view/viewport_images.h"


int Viewport_overlap_list[MAX_VIEWPORTS];
float Saved_viewport_locations[MAX_VIEWPORTS][4];
void (*display_plotter_mode_windep)() = nullptr;

static bool visible(int v) { return Viewports[v].attributes[VP_VISIBLE] != 0.0f; }

// Width and height of display d's graphics window in pixels; full-screen
// stereo draws into a field of the screen's width and 491 rows.
static void window_pixels(int d, int *W, int *H) {
  if (Stereo_mode && !Stereo_in_window && screen_size(d, W, H)) {
    *H = 491;
    return;
  }
  int x0, x1, y0, y1;
  grasal(&x0, &x1, &y0, &y1, d, 0);
  *W = x1 - x0 + 1;
  *H = y1 - y0 + 1;
}

static void make_display_current(int d) {
  int code = 0;
  Dpy_current = d;
  gwin_gl_curwin(&code, 1, &d);
}

// ---- the redraw request --------------------------------------------------------------

void viewports_display_all() {
  if (Play_file_no_update) return;
  switch (Current_mode) {
    case 4:
      Last_current_mode = -1;
      if (display_plotter_mode_windep)
        display_plotter_mode_windep();
      else
        display_viewport_all(1, 1);
      break;
    case 3:
      Last_current_mode = -1;
      display_annotation_mode();
      break;
    case 5:
      Last_current_mode = -1;
      display_viewport_mode();
      break;
    default:
      display_viewport_all(1, 1);
  }
}

void viewports_display_nocopy() { display_viewport_all(0, 1); }

// With floating z-clip planes every visible viewport's planes follow the
// scene before it is drawn.
static void adjust_all_floating_planes() {
  if (!Floating_z_planes) return;
  int saved = Viewport_current;
  for (int i = 0; i < Num_active_viewports; i++) {
    Viewport_current = Viewport_display_order[i];
    if (visible(Viewport_current)) adjust_floating_z_planes();
  }
  Viewport_current = saved;
}

static void push_gl_state() {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glPushAttrib(GL_VIEWPORT_BIT);
}

static void pop_gl_state() {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();
}

// Passes 3 to 9 of a visible viewport, after its set-up and background.
static void draw_viewport_content(bool full) {
  if (Hlinet)
    disobj_hidden();
  else
    disobj(Flprun ? 0 : 1, 0);
  if (full) {
    if (Anitrt) draw_anim_trace();
    if (Do_realtime_iso) iso_realtime_redo_all();
    if (Move_realtime_traces) realtime_particle_traces();
    if (Do_realtime_clips != -1) clip_realtime_update_part();
  }
  if (Axiso1 || Axiso2 || Axiso3) axis_display();
  draw_tools();
  if (!Hlinet && !Flprun) disobj(3, 0);
  if (full) {
    display_iq_values();
    display_query_locations();
  }
  draw_viewport_outline();
}

// The outline of an invisible viewport in viewport-editing mode.
static void draw_hidden_outline() {
  fix_up_viewport(1);
  glClear(GL_DEPTH_BUFFER_BIT);
  draw_viewport_outline();
}

// Walks the stacking order from the bottom with each viewport current:
// hidden(v) for an invisible one, shown(v) for a visible one after its
// GL set-up.  A visible viewport other than the one drawn before asks for a
// new transparency sort.  Returns the last visible viewport drawn (the
// current one when none was).
template <typename Hidden, typename Shown>
static int walk_stacking(Hidden hidden, Shown shown) {
  int previous = Viewport_current;
  for (int i = 0; i < Num_active_viewports; i++) {
    int v = Viewport_display_order[i];
    Viewport_current = v;
    if (!visible(v)) {
      hidden(v);
      continue;
    }
    if (v != previous) Resort_transparent = 1;
    previous = v;
    fix_up_viewport(1);
    shown(v);
  }
  return previous;
}

// Every viewport of one display; the main viewport's background is drawn
// even while it is hidden.
static int draw_all_viewports(bool full) {
  auto hidden = [](int v) {
    if (v == 0) {
      fix_up_viewport(1);
      erase_screen();
    }
    if (Current_mode == 5) draw_hidden_outline();
  };
  auto shown = [full](int) {
    erase_screen();
    draw_viewport_content(full);
  };
  return walk_stacking(hidden, shown);
}

// Shows the frame drawn in the back buffer(s) and, with copy_to_back, leaves
// it there too: with one display it is read before the swap and painted back
// after it, which needs no read of the front buffer (not every GL can read a
// double-buffered window's front); with two displays copy_to_backbuffer
// draws once more after the last display.
static void show_frame(int copy_to_back, int swap) {
  const bool keep = copy_to_back && swap && Dpy_cnt == 1;
  if (keep) read_window_image(1);
  if (swap) swapbuffers();
  if (keep) write_6dinput_window_image();
}

// The passes draw into the main graphics window of the display being drawn,
// whichever GL window was current before.
static void main_window_current() {
  int code = 0, dpy = 0;
  gwin_gl_curwin(&code, 0, &dpy);
  if (code != 0 || dpy != Dpy_current) make_display_current(Dpy_current);
}

void display_viewport_all(int copy_to_back, int swap) {
  if (Play_file_no_update) return;
  main_window_current();
  adjust_all_floating_planes();
  if (Stereo_mode) {
    display_viewport_stereo_all(copy_to_back, swap);
    return;
  }
  const int saved_list = Quivane_display_list, saved_box = Box_mode_always;
  if (!Quivane_display_list && Flprun && !Flppix && !Loading_flipbook) Quivane_display_list = 1;

  for (int d = 0; d < Dpy_cnt; d++) {
    const bool full = Dpy_cnt == 1 || d > 0;
    if (!full) Box_mode_always = 1;
    if (Dpy_cnt > 1 && d != Dpy_current) {
      make_display_current(d);
      if (d > 0) copy_transforms_from_root_window(d);
    }
    if (gwin_gl_ready()) {
      if (Flprun && Flpaut && d == 0) increment_flipbook();
      if (Flppix && Flprun) {
        display_flipbook_pix();
      } else {
        if (Do_realtime_iso && d == 0) increment_realtime_isos();
        const int saved_current = Viewport_current;
        push_gl_state();
        int last = draw_all_viewports(full);
        pop_gl_state();
        if (Legenf) draw_legend_bars();
        if (Anitrt && d == Dpy_cnt - 1) update_atraces();
        if (Input_6d) draw_imersa_cross(Stereo_mode, 0);
        showtext();
        display_plots();
        Viewport_current = saved_current;
        if (last != saved_current) Resort_transparent = 1;
      }
      show_frame(copy_to_back, swap);
    }
    Box_mode_always = saved_box;
    fix_up_viewport(1);
  }
  if (Dpy_cnt > 1 && Dpy_current != 0) {
    make_display_current(0);
    fix_up_viewport(1);
  }
  // With two displays one more redraw and swap leaves the frame in both
  // buffers of each.
  if (copy_to_back && Dpy_cnt > 1) copy_to_backbuffer();
  Quivane_display_list = saved_list;
}

// ---- stereo ---------------------------------------------------------------------------

float stereo_eye_separation(float angle, float distance) {
  return (float)(distance * std::tan(angle * 0.017453292) / Stereo_offset);
}

void stereo_eye_setup(float angle, float distance, float front, float back, float aspect,
                      float s, Stereo_eye_rec *eye) {
  double t1 = std::tan(angle * 0.017453292);
  double t2 = std::tan((angle * 0.017453292) / (Anim_aspect_ratio * aspect));
  double shift = (front / distance) * s;
  eye->left = -t1 * front - shift;
  eye->right = t1 * front - shift;
  eye->bottom = -t2 * front;
  eye->top = t2 * front;
  eye->near_z = front;
  eye->far_z = back;
  eye->view_dx = -s;
}

// Selects an eye's buffer (1 left, 2 right).  Without a stereo visual both
// eyes draw into the back buffer.
static void select_eye_buffer(int buffer, bool *first_left) {
  if (!Stereo_in_window) {
    if (toggle_stereo_buffer_windep) toggle_stereo_buffer_windep(buffer);
    return;
  }
  GLboolean stereo = GL_FALSE;
  glGetBooleanv(GL_STEREO, &stereo);
  if (!stereo)
    glDrawBuffer(GL_BACK);
  else
    glDrawBuffer(buffer == 1 ? GL_BACK_LEFT : GL_BACK_RIGHT);
  if (buffer == 1 && *first_left) {
    *first_left = false;
    int x0, x1, y0, y1;
    grasal(&x0, &x1, &y0, &y1, 0, 0);
    Stereo_xres = x1 - x0 + 1;
    Stereo_yres = y1 - y0 + 1;
  }
}

// One eye of a visible viewport: background, off-axis projection, shifted
// view, then the passes with every extra.
static void draw_eye(int buffer, bool *first_left, const Stereo_eye_rec &eye, const float view[16],
                     const float combined[16]) {
  select_eye_buffer(buffer, first_left);
  erase_screen();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(eye.left, eye.right, eye.bottom, eye.top, eye.near_z, eye.far_z);
  glMatrixMode(GL_MODELVIEW);
  float shifted[16];
  memcpy(shifted, view, sizeof shifted);
  shifted[12] += eye.view_dx;
  glLoadMatrixf(shifted);
  glMultMatrixf(combined);
  glMultMatrixf(Viewports[Viewport_current].matrix_2d);
  draw_viewport_content(true);
}

static void overlays_for_eye(int buffer, bool *first_left, int eye) {
  select_eye_buffer(buffer, first_left);
  if (Legenf) draw_legend_bars();
  showtext();
  display_plots();
  if (Input_6d) draw_imersa_cross(Stereo_mode, eye);
}

void display_viewport_stereo_all(int copy_to_back, int swap) {
  if (Play_file_no_update) return;
  adjust_all_floating_planes();
  if (!gwin_gl_ready()) return;
  if (Flprun && Flpaut) increment_flipbook();
  if (Flppix && Flprun) return;
  if (Do_realtime_iso) increment_realtime_isos();
  push_gl_state();
  bool first_left = true;
  const float *main_rgb = &Viewports[0].attributes[VP_CONSTANT_RGB];
  glClearColor(main_rgb[0], main_rgb[1], main_rgb[2], 1.0f);
  select_eye_buffer(1, &first_left);
  glClear(GL_COLOR_BUFFER_BIT);
  select_eye_buffer(2, &first_left);
  glClear(GL_COLOR_BUFFER_BIT);
  float angle;
  perspective_angle(&angle, 0);

  const int saved_current = Viewport_current;
  auto hidden = [&first_left](int v) {
    if (v != 0) return;
    fix_up_viewport(1);
    select_eye_buffer(1, &first_left);
    erase_screen();
    select_eye_buffer(2, &first_left);
    erase_screen();
  };
  auto shown = [&first_left, angle](int v) {
    float front, back, combined[16], at[3], from[3], view[16], D;
    zclipp_locat(&front, &back, 0);
    current_ctm(combined, 0);
    view_param(at, from, view, &D, 0);
    const float *a = Viewports[v].attributes;
    float w = a[VP_WIDTH] * (float)Stereo_xres, h = a[VP_HEIGHT] * (float)Stereo_yres;
    float aspect = h > 0.0f ? w / h : 1.0f;
    float e = stereo_eye_separation(angle, D);
    Stereo_eye_rec left, right;
    stereo_eye_setup(angle, D, front, back, aspect, -e / 2.0f, &left);
    stereo_eye_setup(angle, D, front, back, aspect, e / 2.0f, &right);
    draw_eye(1, &first_left, left, view, combined);
    draw_eye(2, &first_left, right, view, combined);
  };
  int previous = walk_stacking(hidden, shown);
  pop_gl_state();
  if (Anitrt) update_atraces();
  overlays_for_eye(1, &first_left, 0);
  overlays_for_eye(2, &first_left, 1);
  Viewport_current = saved_current;
  if (previous != saved_current) Resort_transparent = 1;
  show_frame(copy_to_back, swap);
  fix_up_viewport(1);
}

// ---- back-buffer copy ------------------------------------------------------------------

void copy_to_backbuffer() {
  if (Play_file_no_update) return;
  if (Dpy_cnt > 1) {
    display_viewport_all(0, 1);
    return;
  }
  if (!gwin_gl_ready()) return;
  check_size_parray();
  const bool stereo = Stereo_mode != 0;
  const int buffers = stereo ? 2 : 1;
  int W, H;
  window_pixels(0, &W, &H);
  if (!Parray || 4L * W * H > Parray_size) {
    // No picture to copy through: a second frame drawn and shown leaves
    // the same picture in the back buffer.
    display_viewport_all(0, 1);
    return;
  }
  glReadBuffer(GL_FRONT);
  gl2d_window_begin(W, H);
  bool first_left = true;
  for (int b = 0; b < buffers; b++) {
    if (stereo) select_eye_buffer(b + 1, &first_left);
    glReadPixels(0, 0, W, H, GL_RGBA, GL_UNSIGNED_BYTE, Parray);
    glRasterPos2i(0, 0);
    glDrawPixels(W, H, GL_RGBA, GL_UNSIGNED_BYTE, Parray);
  }
  gl2d_window_end();
}

// ---- outlines and viewport-editing mode ----------------------------------------------------

// The numbered tab at the middle of the bottom edge (viewport-editing mode).
static void draw_tab(int v, int x0, int x1, int y0) {
  int m = (x0 + x1) / 2;
  glDisable(GL_POLYGON_STIPPLE);
  glColor3f(0, 0, 0);
  glRecti(m - 15, y0, m + 15, y0 + 20);
  glColor3f(1, 1, 1);
  gl2d_outline(m - 15, y0, m + 15, y0 + 20);
  char number[8];
  snprintf(number, sizeof number, "%d", v);
  glRasterPos2i(m - 10, y0 + 5);
  gwin_print_string(number);
}

void draw_viewport_outline() {
  const int v = Viewport_current;
  const float *a = Viewports[v].attributes;
  const bool editing = Current_mode == 5;
  if (a[VP_BORDER_VISIBLE] != 1.0f && !editing) return;
  if (gwin_gl_ready()) {
    glDisable(GL_LIGHTING);
    glDisable(GL_CLIP_PLANE0);
    glDisable(GL_CLIP_PLANE1);
    int W, H;
    window_pixels(Dpy_current, &W, &H);
    glPushAttrib(GL_VIEWPORT_BIT);
    glViewport(0, 0, W, H);
    gl2d_begin(-0.5, W + 0.5, -0.5, H + 0.5);
    glDisable(GL_DEPTH_TEST);
    int x0 = (int)(a[VP_ORIGIN_X] * W), y0 = (int)(a[VP_ORIGIN_Y] * H);
    int x1 = (int)(a[VP_WIDTH] * W + x0), y1 = (int)(a[VP_HEIGHT] * H + y0);
    if (editing) draw_tab(v, x0, x1, y0);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    float rgb[3];
    if (!editing)
      memcpy(rgb, &a[VP_BORDER_RGB], sizeof rgb);
    else if (Viewports[v].selected)
      get_picked_color(rgb);
    else
      get_contrast_color(rgb);
    glColor3fv(rgb);
    glLineWidth(2.0f);
    if (a[VP_VISIBLE] == 0.0f) {
      glLineStipple(1, line_style_pattern(1));
      glEnable(GL_LINE_STIPPLE);
    }
    gl2d_outline(x0, y0, x1, y1);
    glDisable(GL_LINE_STIPPLE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    gl2d_end();
    glPopAttrib();
    glEnable(GL_DEPTH_TEST);
  }
  if (Plane_clipp_toggle) glEnable(GL_CLIP_PLANE0);
  if (Plane2_clipp_toggle) glEnable(GL_CLIP_PLANE1);
}

void display_viewport_mode() {
  if (Last_current_mode == 5) {
    restore_viewport_mode_image();
    swapbuffers();
  } else {
    save_viewport_mode_image();
  }
  Last_current_mode = 5;
}

void save_viewport_mode_image() {
  if (Play_file_no_update) return;
  const int saved_initial = Initial_screen;
  Initial_screen = 0;
  if (Dpy_cnt <= 1) {
    // Read before it is shown, as show_frame does.
    display_viewport_all(0, 0);
    read_window_image(1);
    swapbuffers();
  } else {
    display_viewport_all(0, 1);
    for (int v = 0; v < MAX_VIEWPORTS; v++)
      memcpy(Saved_viewport_locations[v], &Viewports[v].attributes[VP_ORIGIN_X],
             sizeof Saved_viewport_locations[v]);
  }
  Initial_screen = saved_initial;
}

// ---- overlaps and the stencil mask -------------------------------------------------------------

// Whether the rectangles of a and b share any point, edges included: a
// viewport above that touches, crosses, lies inside or covers another counts.
static bool rectangles_meet(int a, int b) {
  const float *p = Viewports[a].attributes, *q = Viewports[b].attributes;
  float ax0 = p[VP_ORIGIN_X], ax1 = ax0 + p[VP_WIDTH], ay0 = p[VP_ORIGIN_Y], ay1 = ay0 + p[VP_HEIGHT];
  float bx0 = q[VP_ORIGIN_X], bx1 = bx0 + q[VP_WIDTH], by0 = q[VP_ORIGIN_Y], by1 = by0 + q[VP_HEIGHT];
  return ax0 <= bx1 && bx0 <= ax1 && ay0 <= by1 && by0 <= ay1;
}

static bool listed(int v) {
  for (int i = 0; i < Num_viewports_overlapping; i++)
    if (Viewport_overlap_list[i] == v) return true;
  return false;
}

void viewport_overlap(int viewport, int list[MAX_VIEWPORTS], int mode) {
  if (mode == 0) {
    if (list) memcpy(list, Viewport_overlap_list, sizeof Viewport_overlap_list);
    return;
  }
  if (mode != 1) return;
  Num_viewports_overlapping = 0;
  int at = -1;
  for (int i = 0; i < Num_active_viewports; i++)
    if (Viewport_display_order[i] == viewport) at = i;
  if (at < 0 || at == Num_active_viewports - 1) return;
  // Work list: the viewports above that meet v, then those that meet them.
  int a = viewport;
  for (int next = 0;; next++) {
    int a_at = 0;
    for (int i = 0; i < Num_active_viewports; i++)
      if (Viewport_display_order[i] == a) a_at = i;
    for (int i = a_at + 1; i < Num_active_viewports; i++) {
      int b = Viewport_display_order[i];
      if (Viewports[b].attributes[VP_VISIBLE] == 1.0f && b != viewport && !listed(b) &&
          rectangles_meet(a, b))
        Viewport_overlap_list[Num_viewports_overlapping++] = b;
    }
    if (next >= Num_viewports_overlapping) break;
    a = Viewport_overlap_list[next];
  }
}

// The viewport's rectangle in the unit square, filled, and outlined with
// width 2 when its border is on.
static void stencil_rect(int v) {
  const float *a = Viewports[v].attributes;
  float x0 = a[VP_ORIGIN_X], y0 = a[VP_ORIGIN_Y];
  float x1 = x0 + a[VP_WIDTH], y1 = y0 + a[VP_HEIGHT];
  glRectf(x0, y0, x1, y1);
  if (a[VP_BORDER_VISIBLE] == 1.0f) {
    glLineWidth(2.0f);
    gl2d_outline(x0, y0, x1, y1);
  }
}

static void stencil_one_display(int d) {
  const int v = Viewport_current;
  int W, H;
  window_pixels(d, &W, &H);
  glPushAttrib(GL_VIEWPORT_BIT);
  if (Stereo_mode && !Stereo_in_window)
    glViewport(0, 0, Stereo_xres, 491);
  else
    glViewport(0, 0, W, H);
  glDisable(GL_CLIP_PLANE0);
  glDisable(GL_CLIP_PLANE1);
  glEnable(GL_STENCIL_TEST);
  glStencilOp(GL_REPLACE, GL_REPLACE, GL_REPLACE);
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glClear(GL_STENCIL_BUFFER_BIT);
  glStencilFunc(GL_ALWAYS, 0, 1);
  int list[MAX_VIEWPORTS];
  viewport_overlap(v, list, 0);
  gl2d_begin(0, 1, 0, 1);
  if (visible(v)) stencil_rect(v);
  glStencilFunc(GL_ALWAYS, 1, 1);
  for (int i = 0; i < Num_viewports_overlapping; i++) {
    Viewport_current = list[i];
    if (visible(list[i])) stencil_rect(list[i]);
  }
  Viewport_current = v;
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glEnable(GL_DEPTH_TEST);
  gl2d_end();
  glPopAttrib();
  glDisable(GL_STENCIL_TEST);
  if (Plane_clipp_toggle) glEnable(GL_CLIP_PLANE0);
  if (Plane2_clipp_toggle) glEnable(GL_CLIP_PLANE1);
}

void viewport_create_stencil_buffer() {
  Stencil_current_viewport = Viewport_current;
  viewport_overlap(Viewport_current, nullptr, 1);
  for (int d = 0; d < Dpy_cnt; d++) {
    if (Dpy_cnt > 1) make_display_current(d);
    if (gwin_gl_ready()) stencil_one_display(d);
  }
  if (Dpy_cnt > 1) make_display_current(0);
}
