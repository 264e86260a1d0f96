// Realtime surfaces drawn from the realtime buffers under a private X
// server: what is drawn where the part is hidden, the transparent sort of
// the part and its mirror copies, line surfaces never blended, the clip
// planes and the arrows' viewport mask, and the same pixels as the part's
// own flat-shaded object.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "derived/realtime_buffers.h"
#include "gl_window_suite.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/display_list.h"
#include "render/line.h"
#include "render/realtime.h"
#include "render/solid.h"
#include "render/transparent.h"
#include "palette/function.h"
#include "test_parts.h"
#include "view/viewports.h"

namespace {

const int Size = 64;

int Arrow_calls = 0, Query_calls = 0, Query_n = 0;

void count_arrows(int, int, int, float *const[3], const int *, int, const float *,
                  const float (*)[3], int, int) {
  Arrow_calls++;
}
void count_query(int, int n) {
  Query_calls++;
  Query_n = n;
}

class Realtime : public qtest::GlWindowSuite<Size, Size> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    scene_gl_state();
    glDisable(GL_LIGHT1);
    const float white[4] = {1, 1, 1, 1}, none[4] = {0, 0, 0, 0};
    open_gl_lighting_parameters(GL_CLEAR, none);
    open_gl_lighting_parameters(GL_LIGHT_MODEL_AMBIENT, white);
    Viewport_current = 0;
    keep_hidden_surface_ = Viewports[0].attributes[VP_HIDDEN_SURFACE];
    Viewports[0].attributes[VP_HIDDEN_SURFACE] = 1;
    Solidt = 1;
    Labnod = Labele = Labprt = 0;
    Arrow_calls = Query_calls = Query_n = 0;
    const Realtime_calls calls = {count_arrows, count_query};
    realtime_calls(&calls);
    reset_active_objects();
    qtest::clear_parts();
  }
  void TearDown() override {
    realtime_calls(nullptr);
    for (int i = 0; i < Num_p_loaded; i++)
      for (unsigned int l : {parts[i]->line_list, parts[i]->solid_list})
        if (l) glDeleteLists(l, 1);
    Viewports[0].attributes[VP_HIDDEN_SURFACE] = keep_hidden_surface_;
    Solidt = 0;
    Labnod = Labele = Labprt = 1;
    Plane_clipp_toggle = 0;
    glDisable(GL_CLIP_PLANE0);
    set_buffers({}, {});
    reset_active_objects();
    qtest::clear_parts();
  }
  float keep_hidden_surface_ = 0;
  std::vector<float> x_, y_, z_;
  std::vector<int> con_;

  // Points the realtime buffers at nodes xyz (numbered from 1) and the
  // elements' node numbers.
  void set_buffers(const std::vector<float> &xyz, const std::vector<std::vector<int>> &elements) {
    const size_t nodes = xyz.size() / 3 + 1;
    x_.assign(nodes, 0);
    y_.assign(nodes, 0);
    z_.assign(nodes, 0);
    for (size_t k = 1; k < nodes; k++) {
      x_[k] = xyz[3 * (k - 1)];
      y_[k] = xyz[3 * (k - 1) + 1];
      z_[k] = xyz[3 * (k - 1) + 2];
    }
    con_.clear();
    for (const auto &e : elements) con_.insert(con_.end(), e.begin(), e.end());
    const bool any = !xyz.empty();
    Realtime_temp_coord[0] = any ? x_.data() : nullptr;
    Realtime_temp_coord[1] = any ? y_.data() : nullptr;
    Realtime_temp_coord[2] = any ? z_.data() : nullptr;
    Realtime_temp_con = any ? con_.data() : nullptr;
    Realtime_big_temp_coord = any ? (int)nodes : 0;
    Realtime_big_temp_con = (int)con_.size();
  }
  // Part number 1: two quads side by side (left one nearer), in the buffers
  // too; colour red, flat.
  float *surface() {
    const std::vector<float> xyz = {-0.8f, -0.5f, 0.2f, 0,     -0.5f, 0.2f, 0,    0.5f,
                                    0.2f,  -0.8f, 0.5f, 0.2f,  0.1f,  -0.5f, 0,   0.7f,
                                    -0.5f, 0,     0.7f, 0.5f,  0,     0.1f,  0.5f, 0};
    const std::vector<std::vector<int>> quads = {{1, 2, 3, 4}, {5, 6, 7, 8}};
    float *a = qtest::add_mesh_part(1, PART_MODEL, xyz, quads);
    qtest::plain_draw_attributes(a);
    a[SLOT_HIDDEN_SURFACE] = 1;
    a[SLOT_RGB_R] = 1;
    a[SLOT_RGB_G] = a[SLOT_RGB_B] = 0;
    set_buffers(xyz, quads);
    return a;
  }
  // Part number 2, the arrows: shown in the viewports of mask.
  static float *arrow_part(int mask) {
    float *a = qtest::add_mesh_part(2, PART_MODEL, {0, 0, 0}, {});
    a[SLOT_VIEWPORT_VIS] = (float)mask;
    return a;
  }
  void draw(int n = 4, int query = -1, int arrows = -1) {
    display_phase_realtime(0, Realtime_big_temp_coord, (int)con_.size() / n, n, query, arrows);
  }
  static int lit_pixels(const std::vector<unsigned char> &px) {
    int lit = 0;
    for (size_t k = 0; k + 2 < px.size(); k += 3) lit += px[k] || px[k + 1] || px[k + 2];
    return lit;
  }
  std::vector<unsigned char> picture(int n = 4, int query = -1, int arrows = -1) {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw(n, query, arrows);
    return window_->pixels();
  }
};

TEST_F(Realtime, HiddenHereDrawsNothingButQueryAndArrowsFollow) {
  float *a = surface();
  a[SLOT_VIEWPORT_VIS] = 2;  // viewport 1 only
  arrow_part(0xffff);
  EXPECT_EQ(lit_pixels(picture(4, 5, 2)), 0);
  EXPECT_EQ(Query_calls, 1);
  EXPECT_EQ(Query_n, 4);
  EXPECT_EQ(Arrow_calls, 1);
}

TEST_F(Realtime, ArrowPartMaskIsTestedInEveryViewport) {
  surface();
  float *arrows = arrow_part(0xffff);
  struct Case {
    int mask, visible, calls;
  } cases[] = {{1, 1, 1}, {2, 1, 0}, {0xffff, 0, 0}};
  for (const Case &c : cases) {
    arrows[SLOT_VIEWPORT_VIS] = (float)c.mask;
    arrows[SLOT_VISIBLE] = (float)c.visible;
    Arrow_calls = 0;
    draw(4, -1, 2);
    EXPECT_EQ(Arrow_calls, c.calls) << c.mask << " " << c.visible;
  }
}

TEST_F(Realtime, TransparentSortOfThePartAndItsMirrorCopies) {
  float *a = surface();
  a[SLOT_OPAQUENESS] = 0.5f;
  struct Case {
    int original, mirror_x;
    std::set<std::pair<int, int>> entries;  // (instance, element)
  } cases[] = {
      {0, 0, {}},
      {1, 0, {{0, 0}, {0, 1}}},
      {1, 1, {{0, 0}, {0, 1}, {17, 0}, {17, 1}}},
  };
  for (const Case &c : cases) {
    a[SLOT_MIRROR_ORIGINAL] = (float)c.original;
    a[SLOT_MIRROR_X] = (float)c.mirror_x;
    const int lit = lit_pixels(picture());
    std::set<std::pair<int, int>> got;
    for (int k = 0; k < Many_transparent_polys; k++)
      got.insert({Transparent_sort_array[k].instance, Transparent_sort_array[k].element});
    EXPECT_EQ(Many_transparent_polys, (int)c.entries.size()) << c.original << c.mirror_x;
    EXPECT_EQ(got, c.entries) << c.original << c.mirror_x;
    EXPECT_EQ(lit > 0, !c.entries.empty()) << c.original << c.mirror_x;
    for (int k = 1; k < Many_transparent_polys; k++)
      EXPECT_GE(Transparent_sort_array[k - 1].depth, Transparent_sort_array[k].depth);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLboolean mask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_TRUE(mask);
  }
}

TEST_F(Realtime, LineSurfacesAreNeverBlended) {
  float *a = surface();
  a[SLOT_OPAQUENESS] = 0.5f;
  struct Case {
    const char *what;
    int solid, n;
  } cases[] = {{"shading off", 0, 4}, {"two-node elements", 1, 2}};
  for (const Case &c : cases) {
    Solidt = c.solid;
    Many_transparent_polys = -7;
    const int lit = lit_pixels(picture(c.n));
    EXPECT_EQ(Many_transparent_polys, -7) << c.what;
    EXPECT_GT(lit, 0) << c.what;
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << c.what;
  }
}

// A palette whose variable is undefined now and shown invisible.
int invisible_palette(int, int, int, char *, int *var_type, int *var_id, float *, float *, float *,
                      int *, int *, int *, int *undefined_display, int *levels, float *, float (*)[3],
                      float *, char *) {
  *var_type = 0;
  *var_id = 3;
  *undefined_display = 2;
  *levels = 2;
  return 0;
}
int undefined_now(int, int) { return 1; }

TEST_F(Realtime, ExemptClipPlaneIsOnAgainAfterTheCall) {
  float *a = surface();
  a[SLOT_CLIP] = 0;
  Plane_clipp_toggle = 1;
  for (float opaqueness : {1.0f, 0.5f}) {
    a[SLOT_OPAQUENESS] = opaqueness;
    glEnable(GL_CLIP_PLANE0);
    draw();
    EXPECT_TRUE(glIsEnabled(GL_CLIP_PLANE0)) << opaqueness;
  }
  // Transparent and coloured by a variable undefined now and invisible: the
  // call ends early, drawing nothing and refreshing nothing.
  Solid_builder_calls calls = {};
  calls.palette = invisible_palette;
  calls.check_variable_exists_at_current_time = undefined_now;
  solid_builder_calls(&calls);
  Fringt = 1;
  a[SLOT_COLORBY_PALETTE] = 1;
  glEnable(GL_CLIP_PLANE0);
  const int lit = lit_pixels(picture(4, 5));
  Fringt = 0;
  solid_builder_calls(nullptr);
  EXPECT_EQ(lit, 0);
  EXPECT_EQ(Query_calls, 0);
  EXPECT_TRUE(glIsEnabled(GL_CLIP_PLANE0));
}

TEST_F(Realtime, SamePixelsAsThePartsOwnFlatObject) {
  surface();
  display_object_open(0, 1);
  build_solid(0, 1);
  display_object_close(0, 1);
  parts[0]->solid_built = 1;
  actobj(1);
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  disobj(1, 0);
  const std::vector<unsigned char> object = window_->pixels();
  const std::vector<unsigned char> realtime = picture();
  ASSERT_GT(lit_pixels(object), 0);
  int differ = 0;
  for (size_t k = 0; k < object.size(); k++) differ += std::abs(object[k] - realtime[k]) > 2;
  EXPECT_EQ(differ, 0);
}

}  // namespace
