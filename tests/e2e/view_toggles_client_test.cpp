// "view:" lines in the real client with the real stand-in server, driven
// through the command driver: the mixed model read at start and drawn in
// wireframe, then shaded, then in hidden line with a red overlay, each step
// judged on a capture of the graphics area; a refused hidden-line line
// leaves the picture alone.  And the native-binary setting reaching the
// server before any read.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "harness.h"
#include "model_client.h"
#include "screenshot.h"

namespace {

bool background(const unsigned char *p) { return p[0] + p[1] + p[2] <= 24; }
bool red(const unsigned char *p) { return p[0] > 150 && p[1] < 80 && p[2] < 80; }

long count_if(const qtest::Pixels &px, bool (*pred)(const unsigned char *)) {
  long n = 0;
  for (int y = 0; y < px.h; y++)
    for (int x = 0; x < px.w; x++) n += pred(px.at(x, y)) ? 1 : 0;
  return n;
}

// A model pixel of the shaded picture within two pixels of (x, y): an edge
// on the silhouette is rasterised up to a pixel beside the filled faces.
bool near_model(const qtest::Pixels &shaded, int x, int y) {
  for (int dy = -2; dy <= 2; dy++)
    for (int dx = -2; dx <= 2; dx++) {
      int u = x + dx, v = y + dy;
      if (u >= 0 && v >= 0 && u < shaded.w && v < shaded.h && !background(shaded.at(u, v)))
        return true;
    }
  return false;
}

class ViewToggles : public qtest::ModelClientTest {};

TEST_F(ViewToggles, ShadedThenHiddenLineWithARedOverlay) {
  qtest::Pixels wire = shot("wireframe");
  ASSERT_TRUE(wire.ok());
  const long wire_pixels = wire.w * wire.h - count_if(wire, background);
  ASSERT_GT(wire_pixels, 500) << "the model shows";

  ASSERT_EQ(send("view: hidden_surface ON"), "ok");
  qtest::Pixels shaded = shot("shaded");
  ASSERT_EQ(shaded.w, wire.w);
  std::set<int> levels;
  long lit = 0;
  for (int y = 0; y < shaded.h; y++)
    for (int x = 0; x < shaded.w; x++) {
      const unsigned char *p = shaded.at(x, y);
      if (background(p)) continue;
      lit++;
      levels.insert((p[0] + p[1] + p[2]) / 16);
    }
  EXPECT_GT(lit, wire_pixels) << "faces fill the model";
  EXPECT_GE(levels.size(), 2u) << "lit faces in more than one brightness";

  ASSERT_EQ(send("view: hidden_line ON 1 0 0"), "ok");
  qtest::Pixels hidden = shot("hidden");
  ASSERT_EQ(hidden.w, shaded.w);
  long edges = 0, outside = 0;
  for (int y = 0; y < hidden.h; y++)
    for (int x = 0; x < hidden.w; x++) {
      if (!red(hidden.at(x, y))) continue;
      edges++;
      outside += near_model(shaded, x, y) ? 0 : 1;
    }
  EXPECT_GT(edges, 100) << "red edges are drawn";
  EXPECT_LE(outside, edges / 100) << "every red edge lies on the shaded model";
  EXPECT_LT(edges, wire_pixels) << "rear edges are hidden";

  EXPECT_EQ(send("view: hidden_line ON 1 0"), "ERROR");
  shot("refused");
  EXPECT_EQ(qtest::read_file(files_->file("refused.ppm")), qtest::read_file(files_->file("hidden.ppm")))
      << "a refused line changes nothing";
  EXPECT_NE(c_->client->err().find("view: Incorrect parameter."), std::string::npos);
}

TEST(ViewTogglesServer, NativeBinaryOffBeforeAReadAsksTheServerToSwap) {
  qtest::DrivenClient c({"-c"});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  ASSERT_EQ(c.driver.greeting(), "Hello Command Driver");
  ASSERT_TRUE(c.servers.wait_started(1));
  EXPECT_EQ(c.driver.send("data: native_binary OFF", 30000), "ok") << c.client->err();
  pid_t server = c.servers.started().at(0);
  bool logged = false;  // the server logs the request once it has read it
  for (int tries = 0; tries < 50 && !logged; tries++) {
    logged = c.servers.log_of(server).find("swapbytes 1") != std::string::npos;
    if (!logged) usleep(100000);
  }
  EXPECT_TRUE(logged) << c.servers.log_of(server);
  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(std::chrono::seconds(30)), 0) << c.client->err();
}

}  // namespace
