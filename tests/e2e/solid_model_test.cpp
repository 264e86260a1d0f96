// Every part of a model read by the real stand-in server, shaded by the
// solid object builder through the part rebuild on both roads (GL lists,
// and recorded objects with -no_display_list), drawn in the real main
// graphics window: the two pictures agree, every front face is lit, faces
// square to the view are brighter, the recorded objects hold what the
// builder counted and their level-of-detail marks cut the picture short.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "client/screen.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "model_case.h"
#include "model_view.h"
#include "model_window_test.h"
#include "parts/attribute.h"
#include "parts/elem_coord.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "recorded_stream.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "render/fringe.h"
#include "test_part_list.h"
#include "ui/graphics_windows.h"

namespace {

const float Part_rgb[3] = {204 / 255.0f, 153 / 255.0f, 102 / 255.0f};
const float Background[3] = {0, 0, 0.25f};

using Face = qtest::ModelFace;

std::vector<Face> faces_of_all_parts() {
  std::vector<Face> faces;
  for (int part = 0; part < Num_p_loaded; part++) qtest::model_faces(part, &faces);
  return faces;
}

class SolidModel : public qtest::ModelWindowTest {
 protected:
  void SetUp() override {
    qtest::ModelWindowTest::SetUp();
    if (HasFatalFailure()) return;
    Solidt = 1;
    for (int i = 0; i < Num_p_loaded; i++) qtest::plain_solid_attributes(parts[i]->attributes);
  }
  void TearDown() override {
    Solidt = 0;
    Skip_geometry = 100;
    glDisable(GL_COLOR_MATERIAL);
    for (int i = 0; i < Num_p_loaded; i++)
      if (parts[i]->solid_list) glDeleteLists(parts[i]->solid_list, 1);
    qtest::ModelWindowTest::TearDown();
  }
  // Every part's solid object drawn, from its GL list or its recorded object.
  static void draw_all(bool recorded) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glColor3fv(Part_rgb);
    for (int i = 0; i < Num_p_loaded; i++) {
      if (recorded)
        draw_internal_display_list_object(i, 0);
      else
        glCallList(parts[i]->solid_list);
    }
    glDisable(GL_COLOR_MATERIAL);
  }
  static bool lit(const std::vector<unsigned char> &rgb, const qtest::ModelView &v, int x, int y) {
    const unsigned char *p = &rgb[3 * (y * v.w + x)];
    const int bg[3] = {0, 0, (int)(Background[2] * 255 + 0.5f)};
    bool background = std::abs(p[0] - bg[0]) <= 1 && std::abs(p[1] - bg[1]) <= 1 &&
                      std::abs(p[2] - bg[2]) <= 1;
    return !background && p[0] + p[1] + p[2] > 0;
  }
};

TEST_F(SolidModel, BothRoadsShadeEveryPartAlike) {
  ASSERT_GT(Num_p_loaded, 0);
  float lo[3] = {1e30f, 1e30f, 1e30f}, hi[3] = {-1e30f, -1e30f, -1e30f};
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    for (int n = 1; n <= p->node_count; n++)
      for (int c = 0; c < 3; c++) {
        lo[c] = std::min(lo[c], p->coords[n][c]);
        hi[c] = std::max(hi[c], p->coords[n][c]);
      }
  }
  std::vector<Face> faces = faces_of_all_parts();
  ASSERT_GT(faces.size(), 10u);

  Quivane_display_list = 0;
  for (int i = 0; i < Num_p_loaded; i++) {
    make_part_solid(parts[i]->number);
    parts[i]->solid_built = 1;  // as make_part_solid's callers do: the replay draws the solid
  }
  Quivane_display_list = 1;
  for (int i = 0; i < Num_p_loaded; i++) make_part_solid(parts[i]->number);
  Quivane_display_list = 0;
  for (int i = 0; i < Num_p_loaded; i++) {
    ASSERT_TRUE(glIsList(parts[i]->solid_list)) << i;
    ASSERT_NE(parts[i]->solid_object, nullptr) << i;
    EXPECT_EQ(parts[i]->solid_built, 1);
  }

  qtest::ModelView v = qtest::set_model_view(lo, hi, Background[0], Background[1], Background[2]);
  draw_all(false);
  auto compiled = qtest::model_view_pixels(v);
  draw_all(true);
  auto replayed = qtest::model_view_pixels(v);
  std::vector<float> depth(v.w * v.h);
  glReadPixels(0, 0, v.w, v.h, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());

  int worst = 0;
  for (size_t k = 0; k < compiled.size(); k++)
    worst = std::max(worst, std::abs(compiled[k] - replayed[k]));
  EXPECT_LE(worst, 1) << "the pictures differ by more than one colour level";

  auto samples = qtest::front_face_samples(faces, v, depth);
  EXPECT_GT(samples.size(), 3u);
  for (const qtest::FaceSample &s : samples)
    EXPECT_TRUE(lit(replayed, v, s.x, s.y)) << "front face centroid at " << s.x << "," << s.y;
  qtest::expect_square_faces_brighter(samples, replayed, v);

  // The recorded objects: as many vertices as counted, marks rising by 10.
  int most_marks = 0;
  for (int i = 0; i < Num_p_loaded; i++) {
    int vertices = 0, level = 0;
    for (const qtest::Record &r : qtest::decode(parts[i]->solid_object)) {
      if (r.op == DL_VERTEX) vertices++;
      if (r.op == DL_LOD_MARK) {
        EXPECT_EQ((int)r.words[0], level + 10) << "part " << i;
        level = (int)r.words[0];
      }
    }
    EXPECT_EQ(vertices, parts[i]->solid_object_size) << "part " << i;
    EXPECT_LE(level, 100) << "at most ten marks";
    most_marks = std::max(most_marks, level / 10);
  }
  ASSERT_GE(most_marks, 3) << "a part large enough to cut";

  // Cut at mark 30: only faces drawn before it remain.
  Skip_geometry = 30;
  draw_all(true);
  auto cut = qtest::model_view_pixels(v);
  Skip_geometry = 100;
  long lit_full = 0, lit_cut = 0, stray = 0;
  for (int y = 0; y < v.h; y++)
    for (int x = 0; x < v.w; x++) {
      bool full = lit(replayed, v, x, y), part = lit(cut, v, x, y);
      lit_full += full;
      lit_cut += part;
      stray += part && !full;
    }
  EXPECT_GT(lit_cut, 0);
  EXPECT_LT(lit_cut, lit_full) << "fewer lit pixels";
  EXPECT_EQ(stray, 0) << "every pixel lit in the cut picture is lit in the full one";
}

}  // namespace
