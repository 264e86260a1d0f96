// A viewport switched to 2-D with the plate-and-cube model held by the real
// stand-in server: the plate stays in the viewport, the cube leaves it, and
// the viewport loses its perspective.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "client/command_dlog.h"
#include "harness.h"
#include "model_case.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

int mask_of(const char *name) {
  for (int i = 0; i < Num_p_loaded; i++)
    if (parts[i] && !strcmp(parts[i]->name, name)) return our_rint(parts[i]->attributes[SLOT_VIEWPORT_VIS]);
  return -1;
}

TEST(PlanarStandin, TwoDimensionalViewportKeepsThePlateOnly) {
  Recrdr = 0;
  qtest::ModelCase model(qtest::test_data() + "/vtk/plate_cube.vtk");
  ASSERT_TRUE(model.ok());
  ASSERT_EQ(Num_p_loaded, 2);
  vptest::fresh_viewports();
  for (const char *line : {"viewport: new", "viewport: select_begin", " 1", "viewport: select_end",
                           "viewport: perspective 1", "viewport: view_dimension 2D"})
    ASSERT_GE(cmd_process(line), 0) << line;
  EXPECT_EQ(Viewports[1].two_d, 1);
  EXPECT_EQ(Viewports[1].attributes[VP_PERSPECTIVE], 0.0f);
  EXPECT_EQ((mask_of("Plate") >> 1) & 1, 1);
  EXPECT_EQ((mask_of("Cube") >> 1) & 1, 0);
  EXPECT_EQ(mask_of("Cube") & 1, 1) << "the main viewport still shows the cube";
  const float *e = Viewports[1].plane;
  EXPECT_EQ(e[0], 0.0f);
  EXPECT_EQ(e[1], 0.0f);
  EXPECT_EQ(std::fabs(e[2]), 1.0f);
  EXPECT_EQ(e[3], 0.0f);
  screen_install(nullptr);
}

}  // namespace
