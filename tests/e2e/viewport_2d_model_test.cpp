// A 2-D viewport in the real client with the real stand-in server: the
// plate-and-cube model read at start, a second viewport placed top right
// and switched to 2-D by driven lines.  The 2-D viewport shows the plate
// face-on as a filled axis-aligned rectangle and nothing of the cube; the
// main viewport still shows both parts, apart from one another.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "model_client.h"

namespace {

class Viewport2dModel : public qtest::ModelClientTest {
 protected:
  std::string model_file() const override { return "/vtk/plate_cube.vtk"; }
};

bool same(const unsigned char *p, const unsigned char *q) {
  return std::abs(p[0] - q[0]) <= 8 && std::abs(p[1] - q[1]) <= 8 && std::abs(p[2] - q[2]) <= 8;
}

struct Box {
  int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
  long count = 0;
  void add(int x, int y) {
    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    count++;
  }
  long area() const { return x1 < x0 ? 0 : (long)(x1 - x0 + 1) * (y1 - y0 + 1); }
};

// The pixels of the region that differ from its background (the colour at
// its inner corner); columns with any such pixel are marked in cols.
Box drawn(const qtest::Pixels &px, int x0, int y0, int x1, int y1, std::vector<int> *cols) {
  const unsigned char *bg = px.at(x0, y0);
  Box b;
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++)
      if (!same(px.at(x, y), bg)) {
        b.add(x, y);
        if (cols) (*cols)[x] = 1;
      }
  return b;
}

TEST_F(Viewport2dModel, TwoDimensionalViewportShowsThePlateFaceOn) {
  for (const char *line : {"view: hidden_surface ON", "viewport: new", "viewport: select_begin", " 1", "viewport: select_end",
                           "viewport: origin_x 0.6", "viewport: origin_y 0.6", "viewport: width 0.38",
                           "viewport: height 0.38", "viewport: border_visible 0",
                           "viewport: view_dimension 2D"})
    ASSERT_EQ(send(line), "ok") << line << c_->client->err();
  qtest::Pixels px = shot("two_d");
  ASSERT_TRUE(px.ok());
  // Viewport 1 in pixels (rows counted from the top), a few pixels inside.
  const int vx0 = (int)(0.6 * px.w) + 4, vx1 = (int)(0.98 * px.w) - 4;
  const int vy0 = px.h - (int)(0.98 * px.h) + 4, vy1 = px.h - (int)(0.6 * px.h) - 4;
  Box plate = drawn(px, vx0, vy0, vx1, vy1, nullptr);
  ASSERT_GT(plate.count, 100) << "the plate is drawn in the 2-D viewport";
  EXPECT_GE(plate.count, plate.area() * 95 / 100) << "a filled rectangle";
  const double aspect = (double)(plate.x1 - plate.x0 + 1) / (plate.y1 - plate.y0 + 1);
  EXPECT_NEAR(aspect, 1.0, 0.08) << "the square plate seen face-on";

  // The main viewport below viewport 1: two parts with empty columns between.
  std::vector<int> cols(px.w);
  Box main = drawn(px, 2, vy1 + 8, px.w - 3, px.h - 3, &cols);
  ASSERT_GT(main.count, 100);
  int runs = 0;
  for (int x = main.x0; x <= main.x1; x++)
    if (cols[x] && (x == main.x0 || !cols[x - 1])) runs++;
  EXPECT_GE(runs, 2) << "plate and cube apart in the main viewport";
}

}  // namespace
