// Viewport lines in the real client with the real stand-in server: the
// mixed-element model read at start and built by a command file, four equal
// viewports, one given a red background.  The screenshot shows the red
// quarter top right, bordered in white, with black backgrounds elsewhere; a
// refused colour changes nothing in the graphics area.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "harness.h"
#include "screenshot.h"

namespace {

bool is(const unsigned char *p, int r, int g, int b) {
  return std::abs(p[0] - r) <= 8 && std::abs(p[1] - g) <= 8 && std::abs(p[2] - b) <= 8;
}

struct Box {
  int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
  int w() const { return x1 - x0 + 1; }
  int h() const { return y1 - y0 + 1; }
};

// Counts of the pixels of a box that are black, and of those in a part's
// colour (neither black nor the white of the borders).
struct Census {
  long black = 0, model = 0, total = 0;
};

Census census(const qtest::Pixels &px, int x0, int y0, int x1, int y1) {
  Census c;
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++) {
      const unsigned char *p = px.at(x, y);
      c.total++;
      if (is(p, 0, 0, 0))
        c.black++;
      else if (!is(p, 255, 255, 255))
        c.model++;
    }
  return c;
}

TEST(ViewportLayoutScreen, FourEqualWithARedQuarterAndARefusedColour) {
  const std::string D = qtest::test_data();
  qtest::TempDir files("qvplayout");
  qtest::write_file(files.file("build.cmd"),
                    "VERSION 7.1\ndata_partbuild: begin\ndata_partbuild: select_all\n"
                    "data_partbuild: create\ndata_partbuild: end\n");
  qtest::DrivenClient c({"-c", "-case", D + "/vtk/mixed.vtk", "-p", files.file("build.cmd")});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  ASSERT_EQ(c.driver.greeting(), "Hello Command Driver");
  for (const char *line : {"command: delay 0", "viewport: viewport_layout four_equal",
                           "viewport: select_begin", " 1", "viewport: select_end",
                           "viewport: constant_rgb 1 0 0"})
    ASSERT_EQ(c.driver.send(line, 30000), "ok") << line << c.client->err();

  std::string shot = files.file("layout.png");
  ASSERT_TRUE(qtest::capture_root(c.xvfb.display(), shot));
  qtest::Pixels px = qtest::read_pixels(shot);
  ASSERT_TRUE(px.ok());

  // The red quarter: the rows and columns that are mostly red.  Parts are
  // drawn too, one of them red: its edges add to some rows, never half of one.
  std::vector<int> row_red(px.h), col_red(px.w);
  for (int y = 0; y < px.h; y++)
    for (int x = 0; x < px.w; x++)
      if (is(px.at(x, y), 255, 0, 0)) row_red[y]++, col_red[x]++;
  const int row_max = *std::max_element(row_red.begin(), row_red.end());
  const int col_max = *std::max_element(col_red.begin(), col_red.end());
  Box red;
  for (int y = 0; y < px.h; y++)
    if (row_red[y] > 0 && row_red[y] * 2 >= row_max) red.y0 = std::min(red.y0, y), red.y1 = y;
  for (int x = 0; x < px.w; x++)
    if (col_red[x] > 0 && col_red[x] * 2 >= col_max) red.x0 = std::min(red.x0, x), red.x1 = x;
  ASSERT_GT(red.w(), 100);
  ASSERT_GT(red.h(), 80);

  // White borders on the quarter lines, left of and below the red quarter.
  const int mid_y = (red.y0 + red.y1) / 2, mid_x = (red.x0 + red.x1) / 2;
  bool white_left = false, white_below = false;
  for (int d = 1; d <= 4; d++) {
    white_left |= is(px.at(red.x0 - d, mid_y), 255, 255, 255);
    white_below |= is(px.at(mid_x, red.y1 + d), 255, 255, 255);
  }
  EXPECT_TRUE(white_left);
  EXPECT_TRUE(white_below);

  // The other three quarters: black backgrounds.
  const int gap = 6, w = red.w(), h = red.h();
  struct {
    const char *name;
    int x0, y0;
  } quarters[] = {
      {"top left (viewport 0)", red.x0 - w - gap, red.y0},
      {"bottom left (viewport 2)", red.x0 - w - gap, red.y1 + gap},
      {"bottom right (viewport 3)", red.x0, red.y1 + gap},
  };
  for (const auto &q : quarters) {
    ASSERT_GE(q.x0, 0) << q.name;
    ASSERT_LT(q.y0 + h - 2 * gap, px.h) << q.name;
    Census cq = census(px, q.x0 + gap, q.y0 + gap, q.x0 + w - 2 * gap, q.y0 + h - 2 * gap);
    EXPECT_GT(cq.black, cq.total / 2) << q.name;
    EXPECT_GT(cq.model, 20) << q.name << ": the model shows";
  }

  // A colour out of range is refused and the graphics area stays as it was.
  EXPECT_EQ(c.driver.send("viewport: border_rgb 1 0.5 2", 30000), "ERROR");
  EXPECT_NE(c.client->err().find("Illegal border color component, RGB should be in range: [0, 1]."),
            std::string::npos)
      << c.client->err();
  std::string again = files.file("again.png");
  ASSERT_TRUE(qtest::capture_root(c.xvfb.display(), again));
  qtest::Pixels after = qtest::read_pixels(again);
  ASSERT_TRUE(after.ok());
  long changed = 0;
  for (int y = red.y0; y <= red.y1 + h; y++)
    for (int x = red.x0 - w; x <= red.x1; x++)
      changed += memcmp(px.at(x, y), after.at(x, y), 3) != 0;
  EXPECT_EQ(changed, 0);

  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(std::chrono::seconds(30)), 0) << c.client->err();
}

}  // namespace
