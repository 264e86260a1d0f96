// The real client drawing a model read by the real stand-in server: a
// command file given with -p reads the mixed-element model that lies inside
// the default view volume and builds its parts, and the redraw shows them
// in the main graphics window, unlit, as stored.
#include <gtest/gtest.h>

#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "model_client.h"
#include "harness.h"
#include "screenshot.h"

namespace {

TEST(RedrawModel, ACommandFileReadsTheModelAndTheRedrawShowsIt) {
  qtest::TempDir files("qredraw");
  const std::string data = qtest::test_data();
  qtest::write_file(files.file("read.cmd"),
                    "VERSION 7.1\ndata: format case\ndata: path " + data +
                        "\ndata: geometry vtk/mixed_unit.vtk\ndata: read\n"
                        "data_partbuild: begin\ndata_partbuild: select_all\n"
                        "data_partbuild: create\ndata_partbuild: end\n");
  qtest::DrivenClient c({"-c", "-p", files.file("read.cmd")});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  ASSERT_EQ(c.driver.greeting(), "Hello Command Driver");
  // The command file has been played once the driver's line is answered.
  ASSERT_EQ(c.driver.send("command: delay 0", 60000), "ok") << c.client->err();
  EXPECT_NE(c.servers.log_of(c.servers.started()[0]).find("read geom"), std::string::npos);

  const std::string shot = files.file("graphics.ppm");
  // The window once two captures a moment apart agree and hold only part
  // hues: a window of the read may cover the area until the next line.
  auto only_part_hues = [](const std::set<unsigned long> &cs) {
    for (unsigned long p : cs) {
      int channels = 0;
      for (int k = 0; k < 3; k++)
        if ((p >> (8 * k)) & 0xff) channels++;
      if (channels > 1) return false;
    }
    return true;
  };
  std::set<unsigned long> colours;
  const qtest::Pixels pic = qtest::settled_graphics(c, shot, &colours, only_part_hues);
  const int w = pic.w, h = pic.h;
  ASSERT_GT(w, 200);
  // The black background and the three parts' pure red, green and blue,
  // unlit: smoothed edges blend a part colour with the background, so every
  // other pixel has the hue of one part and no light adds another channel.
  std::set<int> hues;
  for (unsigned long p : colours) {
    int channels = 0, hue = -1;
    for (int k = 0; k < 3; k++)
      if ((p >> (8 * k)) & 0xff) channels++, hue = k;
    EXPECT_LE(channels, 1) << std::hex << p << ": not a part colour over the background";
    if (channels == 1) hues.insert(hue);
  }
  EXPECT_EQ(hues.size(), 3u) << "each of the three parts shows";
  long diff = qtest::compare_with_baseline(shot, "redraw_model.png", 5);
  EXPECT_GE(diff, 0) << "compare " << shot << " with " << qtest::baseline_path("redraw_model.png");
  EXPECT_LT(diff, w * h / 500);
  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(std::chrono::seconds(30)), 0) << c.client->err();
}

}  // namespace
