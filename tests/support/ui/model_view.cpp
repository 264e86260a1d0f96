// The fixed model view of the end-to-end pictures (see model_view.h).
#include "model_view.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <X11/Intrinsic.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cmath>

#include "parts/elem_coord.h"
#include "parts/read.h"
#include "render/fringe.h"
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"

namespace qtest {

std::vector<unsigned char> graphics_window_pixels(int w, int h) {
  std::vector<unsigned char> rgb(3 * w * h, 0);
  Widget area = Gwxwidget[0];
  glFinish();
  XSync(XtDisplay(area), False);
  XImage *img = XGetImage(XtDisplay(area), XtWindow(area), 0, 0, w, h, AllPlanes, ZPixmap);
  if (!img) return rgb;
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      const unsigned long p = XGetPixel(img, x, h - 1 - y);
      unsigned char *q = &rgb[3 * (y * w + x)];
      q[0] = (unsigned char)((p & img->red_mask) >> 16);
      q[1] = (unsigned char)((p & img->green_mask) >> 8);
      q[2] = (unsigned char)(p & img->blue_mask);
    }
  XDestroyImage(img);
  return rgb;
}

void model_faces(int part, std::vector<ModelFace> *faces) {
  const Part_rec *p = parts[part];
  for (int e = 0; e < p->element_count; e++) {
    int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
    if (n < 3) continue;
    ModelFace f;
    f.pos.resize(3 * n);
    get_elem_coord(part, e, f.pos.data());
    std::vector<float> normals(3 * n);
    if (polygon_flat_normal(n, reinterpret_cast<const float(*)[3]>(f.pos.data()),
                            reinterpret_cast<float(*)[3]>(normals.data())) != 0)
      continue;
    std::copy(normals.begin(), normals.begin() + 3, f.normal);
    faces->push_back(f);
  }
}

ModelView set_model_view(const float lo[3], const float hi[3], float clear_r, float clear_g,
                         float clear_b) {
  ModelView v;
  XWindowAttributes wa;
  XGetWindowAttributes(Dpys[0], XtWindow(Gwxwidget[0]), &wa);
  v.w = wa.width;
  v.h = wa.height;
  glViewport(0, 0, v.w, v.h);
  float c[3], r = 0;
  for (int i = 0; i < 3; i++) {
    c[i] = (lo[i] + hi[i]) / 2;
    r = std::max(r, hi[i] - lo[i]);
  }
  double aspect = (double)v.w / v.h;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-r * aspect, r * aspect, -r, r, -10 * r, 10 * r);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const float white[4] = {1, 1, 1, 1}, black[4] = {0, 0, 0, 1};
  const float behind[4] = {0, 0, -1, 0}, front[4] = {0, 0, 1, 0};
  for (GLenum light : {GL_LIGHT1, GL_LIGHT2}) {
    glLightfv(light, GL_DIFFUSE, white);
    glLightfv(light, GL_SPECULAR, white);
    glLightfv(light, GL_AMBIENT, black);
    glEnable(light);
  }
  glLightfv(GL_LIGHT1, GL_POSITION, behind);
  glLightfv(GL_LIGHT2, GL_POSITION, front);
  glDisable(GL_LIGHT0);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
  glEnable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
  glRotatef(30, 1, 0, 0);
  glRotatef(-40, 0, 1, 0);
  glTranslatef(-c[0], -c[1], -c[2]);
  glGetDoublev(GL_MODELVIEW_MATRIX, v.model);
  glGetDoublev(GL_PROJECTION_MATRIX, v.proj);
  glGetIntegerv(GL_VIEWPORT, v.vp);
  glClearColor(clear_r, clear_g, clear_b, 0);
  return v;
}

std::vector<unsigned char> model_view_pixels(const ModelView &v) {
  std::vector<unsigned char> rgb(3 * v.w * v.h);
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, v.w, v.h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}

int pixel_brightness(const std::vector<unsigned char> &rgb, const ModelView &v, int x, int y) {
  const unsigned char *p = &rgb[3 * (y * v.w + x)];
  return p[0] + p[1] + p[2];
}

std::vector<FaceSample> front_face_samples(const std::vector<ModelFace> &faces,
                                           const ModelView &v, const std::vector<float> &depth) {
  std::vector<FaceSample> out;
  for (const ModelFace &f : faces) {
    int n = (int)f.pos.size() / 3;
    double area = 0, cx = 0, cy = 0, cz = 0, wz;
    std::vector<double> wx(n), wy(n);
    for (int k = 0; k < n; k++) {
      gluProject(f.pos[3 * k], f.pos[3 * k + 1], f.pos[3 * k + 2], v.model, v.proj, v.vp, &wx[k],
                 &wy[k], &wz);
      cx += f.pos[3 * k] / n;
      cy += f.pos[3 * k + 1] / n;
      cz += f.pos[3 * k + 2] / n;
    }
    for (int k = 0; k < n; k++) area += wx[k] * wy[(k + 1) % n] - wx[(k + 1) % n] * wy[k];
    if (area <= 1.0) continue;
    double px, py, pz;
    gluProject(cx, cy, cz, v.model, v.proj, v.vp, &px, &py, &pz);
    FaceSample s{(int)px, (int)py, false, 0.0f};
    if (s.x < 0 || s.x >= v.w || s.y < 0 || s.y >= v.h) continue;
    s.on_top = std::fabs(depth[s.y * v.w + s.x] - pz) < 1e-3;
    for (int i = 0; i < 3; i++) s.facing += (float)v.model[4 * i + 2] * f.normal[i];
    s.facing = std::fabs(s.facing);
    out.push_back(s);
  }
  return out;
}

void expect_square_faces_brighter(const std::vector<FaceSample> &samples,
                                  const std::vector<unsigned char> &rgb, const ModelView &v) {
  std::vector<std::pair<float, int>> visible;  // facing, brightness
  for (const FaceSample &s : samples)
    if (s.on_top) visible.push_back({s.facing, pixel_brightness(rgb, v, s.x, s.y)});
  ASSERT_GE(visible.size(), 2u);
  std::sort(visible.begin(), visible.end());
  ASSERT_GT(visible.back().first - visible.front().first, 0.2f) << "orientations differ";
  EXPECT_GT(visible.back().second, visible.front().second + 10)
      << "a face square to the view is brighter than an oblique one";
}

}  // namespace qtest
