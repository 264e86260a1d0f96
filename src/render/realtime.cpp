// Immediate drawing of realtime surfaces (see realtime.h).  Nothing is
// compiled: every move of the tool draws the received buffers directly,
// and a transparent surface is sorted once per call into the shared sort
// array of the transparent pass.
#include "render/realtime.h"

#include <GL/gl.h>

#include <cstdlib>

#include "client/matrix.h"
#include "derived/realtime_buffers.h"
#include "flow/vctarrow.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "query/probe.h"
#include "render/disobj.h"
#include "render/line.h"
#include "render/part_pass.h"
#include "render/solid.h"
#include "render/solid_shared.h"
#include "render/transparent.h"
#include "view/viewports.h"

namespace {

Realtime_calls Installed = {nullptr, nullptr};

bool part_ok(int i) {
  return i >= 0 && i < Num_p_loaded && parts[i] && parts[i]->attributes;
}

bool shown_in_current_viewport(const float *a) {
  return our_rint(a[SLOT_VISIBLE]) != 0 && ((our_rint(a[SLOT_VIEWPORT_VIS]) >> pass_viewport()) & 1);
}

// The instances drawn: 0 for the part itself when mirror_original is on,
// then each mirror slot that is on.
int instances(const float *a, int out[8]) {
  int k = 0;
  if (our_rint(a[SLOT_MIRROR_ORIGINAL]) != 0) out[k++] = 0;
  for (int slot = SLOT_MIRROR_Z; slot <= SLOT_MIRROR_XYZ; slot++)
    if (our_rint(a[slot]) != 0) out[k++] = slot;
  return k;
}

// Draws fn() for the part itself (untransformed) and for each mirror copy
// inside its own matrix; after a copy the current colour goes back to rgb.
template <class Draw>
void each_instance(const float *a, const Frame_rec *frame, const unsigned char rgb[3], Draw fn) {
  int inst[8];
  const int count = instances(a, inst);
  for (int k = 0; k < count; k++) {
    if (inst[k] == 0) {
      fn();
      continue;
    }
    glPushMatrix();
    multiply_instance(frame, inst[k]);
    fn();
    glColor3ubv(rgb);
    glPopMatrix();
  }
}

void part_colour_bytes(const float *a, unsigned char out[3]) {
  for (int c = 0; c < 3; c++) {
    float v = a[SLOT_RGB_R + c];
    v = v < 0 ? 0 : v > 1 ? 1 : v;
    out[c] = (unsigned char)our_rint(v * 255.0f);
  }
}

// Opaque drawing: solid or lines, the part itself and its mirror copies.
void draw_opaque(int p, int a, int b, int n, bool shaded) {
  const float *at = parts[p]->attributes;
  const Frame_rec *frame = part_frame(p);
  glPushMatrix();
  glMultMatrixf(frame->combined[pass_viewport()]);
  glPolygonMode(GL_FRONT_AND_BACK, shaded ? GL_FILL : GL_LINE);
  if (shaded)
    glEnable(GL_LIGHTING);
  else
    glDisable(GL_LIGHTING);
  part_material(at, 1.0f);
  unsigned char rgb[3];
  part_colour_bytes(at, rgb);
  glColor3ubv(rgb);
  if (our_rint(at[SLOT_SHADING]) == 0) glShadeModel(GL_FLAT);
  int style, fill;
  part_state(at, &style, &fill, true);
  each_instance(at, frame, rgb, [&] {
    if (shaded)
      build_solid_fast(p, a, b, Realtime_temp_coord[0], Realtime_temp_coord[1],
                       Realtime_temp_coord[2], Realtime_temp_scalar, Realtime_temp_vector,
                       Realtime_temp_con, Realtime_big_temp_scalar, Realtime_big_temp_vector, n);
    else
      build_line_fast(p, a, b, Realtime_temp_coord[0], Realtime_temp_coord[1],
                      Realtime_temp_coord[2], Realtime_temp_scalar, Realtime_temp_vector,
                      Realtime_temp_con, Realtime_big_temp_scalar, Realtime_big_temp_vector, n);
  });
  glPopMatrix();
  glShadeModel(GL_SMOOTH);
}

// Transparent drawing of the sorted elements.  False when the colouring
// variable has no value now and undefined values are invisible: the call
// ends.
bool draw_transparent(int p, int a, int b, int n) {
  const float *at = parts[p]->attributes;
  Fringe_setup f;
  if (!fringe_setup(p, f, false)) return false;
  if (f.on && ((f.var_type == 0 && Realtime_big_temp_scalar < a) ||
               (f.var_type == 1 && Realtime_big_temp_vector < a)))
    f.on = false;
  if (sort_realtime_transparent_elements(p, b, Realtime_temp_coord, Realtime_temp_vector,
                                         Realtime_temp_con, n) != 1)
    return true;  // nowhere to sort the elements: nothing to draw
  if (f.on) {
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
  }
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDepthMask(GL_FALSE);
  glPushMatrix();
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glEnable(GL_LIGHTING);
  const Frame_rec *frame = part_frame(p);
  const float alpha = at[SLOT_OPAQUENESS];
  int previous = -1;
  for (int k = 0; k < Many_transparent_polys; k++) {
    const Transparent_element_rec &t = Transparent_sort_array[k];
    if (previous == -1) {
      glMultMatrixf(frame->combined[pass_viewport()]);
      int style, fill;
      part_state(at, &style, &fill, true);
      part_material(at, alpha);
      glColor4f(at[SLOT_RGB_R], at[SLOT_RGB_G], at[SLOT_RGB_B], alpha);
      if (our_rint(at[SLOT_SHADING]) == 0) glShadeModel(GL_FLAT);
    }
    if (t.instance != previous) {
      if (previous != -1) {
        glEnd();
        glPopMatrix();
      }
      glPushMatrix();
      multiply_instance(frame, t.instance);
      glBegin(n == 3 ? GL_TRIANGLES : GL_QUADS);
      previous = t.instance;
    }
    display_one_shaded_realtime_polygon(
        t.element, p, Realtime_temp_coord[0], Realtime_temp_coord[1], Realtime_temp_coord[2],
        Realtime_temp_scalar, Realtime_temp_vector, Realtime_temp_con, Realtime_big_temp_scalar,
        Realtime_big_temp_vector, n, f.on, f.per_node, f.magnitude, f.undefined_display, f.key,
        f.w[0], f.w[1], f.w[2], f.palette_type, f.var_type);
  }
  if (previous != -1) {
    glEnd();
    glPopMatrix();
  }
  glPopMatrix();
  glShadeModel(GL_SMOOTH);
  glDisable(GL_BLEND);
  glDepthMask(GL_TRUE);
  return true;
}

// The arrows that follow the surface, when their part is shown in the
// current viewport (viewport 0 included).
void draw_arrows(int arrows, int a, int b, int n) {
  if (arrows < 1 || arrows >= MAX_PARTS) return;
  const int i = Part_cross[arrows];
  if (!part_ok(i)) return;
  const float *at = parts[i]->attributes;
  if (!shown_in_current_viewport(at)) return;
  glColor3f(at[SLOT_RGB_R], at[SLOT_RGB_G], at[SLOT_RGB_B]);
  const Clip_exemption clip = exempt_clip_planes(i);
  const Frame_rec *frame = part_frame(i);
  glPushMatrix();
  glMultMatrixf(frame->combined[pass_viewport()]);
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  glDisable(GL_LIGHTING);
  int style, fill;
  part_state(at, &style, &fill, true);
  unsigned char rgb[3];
  part_colour_bytes(at, rgb);
  auto arrows_fast = Installed.build_arrows_fast ? Installed.build_arrows_fast : build_arrows_fast;
  each_instance(at, frame, rgb, [&] {
    arrows_fast(i, a, b, Realtime_temp_coord, Realtime_temp_con, n, Realtime_temp_scalar,
                Realtime_temp_vector, Realtime_big_temp_scalar, Realtime_big_temp_vector);
  });
  glPopMatrix();
  restore_clip_planes(clip);
}

}  // namespace

void realtime_calls(const Realtime_calls *calls) {
  Installed = calls ? *calls : Realtime_calls{nullptr, nullptr};
}

int sort_realtime_transparent_elements(int p, int count, float *const coord[3],
                                       const float (*vectors)[3], const int *connectivity, int n) {
  Many_transparent_polys = 0;
  if (!part_ok(p) || count <= 0 || n <= 0 || !connectivity || !coord[0] || !coord[1] || !coord[2])
    return 1;
  const float *at = parts[p]->attributes;
  int inst[8];
  const int shown = instances(at, inst);
  const long long entries = (long long)count * shown;
  if (entries > 0x7fffffff / (long long)sizeof(Transparent_element_rec) ||
      transparent_sort_array_grow((int)entries) != 1)
    return -1;
  float proj[16], model[16], clip[16];
  glGetFloatv(GL_PROJECTION_MATRIX, proj);
  Resort_transparent = 1;
  const bool displaced = our_rint(at[SLOT_DISPLACE_BY]) > -1 && vectors;
  const float factor = at[SLOT_DISPLACE_FACTOR];
  const Frame_rec *frame = part_frame(p);
  glPushMatrix();
  glMultMatrixf(frame->combined[pass_viewport()]);
  for (int m = 0; m < shown; m++) {
    glPushMatrix();
    multiply_instance(frame, inst[m]);
    glGetFloatv(GL_MODELVIEW_MATRIX, model);
    mul4x4(model, proj, clip);
    for (int e = 0; e < count; e++) {
      float depth = 0;
      for (int k = 0; k < n; k++) {
        const int node = connectivity[n * e + k];
        float q[3] = {coord[0][node], coord[1][node], coord[2][node]};
        if (displaced)
          for (int c = 0; c < 3; c++) q[c] += factor * vectors[node][c];
        depth += clip[2] * q[0] + clip[6] * q[1] + clip[10] * q[2] + clip[14];
      }
      Transparent_sort_array[Many_transparent_polys++] = {(int16_t)p, (int16_t)inst[m], e,
                                                          depth / n};
    }
    glPopMatrix();
  }
  glPopMatrix();
  if (Many_transparent_polys > 1)
    qsort(Transparent_sort_array, (size_t)Many_transparent_polys, sizeof(Transparent_element_rec),
          transparent_sort_compare);
  return 1;
}

void display_phase_realtime(int p, int a, int b, int n, int query, int arrows) {
  if (!part_ok(p)) return;
  const float *at = parts[p]->attributes;
  const bool shaded = Solidt && at[SLOT_HIDDEN_SURFACE] != 0.0f &&
                      Viewports[pass_viewport()].attributes[VP_HIDDEN_SURFACE] != 0.0f && n > 2;
  glDisable(GL_POLYGON_STIPPLE);
  const Clip_exemption clip = exempt_clip_planes(p);
  if (a != 0 && shown_in_current_viewport(at)) {
    if (at[SLOT_OPAQUENESS] != 1.0f && shaded && b != 0) {
      if (!draw_transparent(p, a, b, n)) {
        // Undefined now and invisible: nothing more, but the user clip
        // planes are the later parts' again.
        restore_clip_planes(clip);
        return;
      }
    } else {
      draw_opaque(p, a, b, n, shaded);
    }
  }
  restore_clip_planes(clip);
  if (query >= 0) {
    auto refresh = Installed.update_realtime_query ? Installed.update_realtime_query
                                                   : update_realtime_query;
    refresh(query, n);
  }
  if (arrows >= 0 && a != 0) draw_arrows(arrows, a, b, n);
  glDisable(GL_POLYGON_STIPPLE);
  glDisable(GL_LINE_STIPPLE);
}
