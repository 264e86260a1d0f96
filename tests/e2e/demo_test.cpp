// make demo without a display: the demo script under its own Xvfb ends by
// itself with status 0 and leaves a picture of the graphics area in which
// the model is drawn shaded (several tones of lit faces inside the model's
// box) on the background colour (everywhere outside that box).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>

#include "harness.h"
#include "screenshot.h"

namespace {

std::string dir_of(const std::string &path) { return path.substr(0, path.rfind('/')); }

unsigned long colour(const unsigned char *p) {
  return (unsigned long)p[0] << 16 | (unsigned long)p[1] << 8 | p[2];
}

}  // namespace

TEST(Demo, WithoutDisplayEndsAndLeavesAShadedModel) {
  const std::string build = dir_of(qtest::client_bin());
  const std::string shot = build + "/demo/demo-shaded.ppm";
  unlink(shot.c_str());
  qtest::RunOptions o;
  o.unset_env = {"DISPLAY"};
  o.timeout = std::chrono::seconds(60);
  qtest::RunResult r =
      qtest::run_program({"/bin/bash", qtest::test_data() + "/../support/demo.sh", build}, o);
  ASSERT_FALSE(r.timed_out) << r.out << r.err;
  ASSERT_EQ(r.status, 0) << r.out << r.err;

  qtest::Pixels px = qtest::read_pixels(shot);
  ASSERT_TRUE(px.ok()) << shot;
  const unsigned long background = colour(px.at(0, 0));
  EXPECT_EQ(background, 0ul) << "the viewport's black background";
  int x0 = px.w, y0 = px.h, x1 = -1, y1 = -1;
  for (int y = 0; y < px.h; y++)
    for (int x = 0; x < px.w; x++)
      if (colour(px.at(x, y)) != background)
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
  ASSERT_GE(x1, 0) << "nothing but the background";
  // The model fills a good part of the area without touching its edges.
  EXPECT_GT(x1 - x0, px.w / 4);
  EXPECT_GT(y1 - y0, px.h / 4);
  EXPECT_TRUE(x0 > 0 && y0 > 0 && x1 < px.w - 1 && y1 < px.h - 1);

  // Shaded faces: tones that each cover a patch of the box, not just edges.
  std::map<unsigned long, long> tones;
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++) tones[colour(px.at(x, y))]++;
  int patches = 0;
  long filled = 0, box = (long)(x1 - x0 + 1) * (y1 - y0 + 1);
  for (const auto &t : tones) {
    if (t.first == background) continue;
    filled += t.second;
    if (t.second >= 200) patches++;
  }
  EXPECT_GE(patches, 3) << tones.size() << " colours in the model's box";
  // Filled faces, not outlines: a wire frame covers a few percent of its box.
  EXPECT_GT(filled * 5, box) << filled << " of " << box << " pixels drawn";
}
