// The real client's start screen: a test installation directory whose
// start picture is two pixels, red then blue, shows red over the left half
// of the main graphics window and blue over the right half; with
// -no_start_screen neither colour appears.  (That a read ends it, with the
// shipped picture, is RedrawModel's: only the parts' hues on black remain.)
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "client_proc.h"
#include "harness.h"
#include "screenshot.h"

namespace {

using namespace std::chrono_literals;

class StartScreenClient : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(xvfb.ok());
    // The source installation, with our own picture beside it.
    for (const char *entry : {"icons", "doc", "bin", "site_preferences"}) {
      const std::string from = qtest::source_home() + "/" + entry;
      if (access(from.c_str(), F_OK) == 0) {
        ASSERT_EQ(symlink(from.c_str(), install.file(entry).c_str()), 0);
      }
    }
    const char picture[] = {0, 0, 0, 2, 0, 0, 0, 1, (char)255, 0, 0, (char)255,
                            (char)255, (char)255, 0, 0};
    qtest::write_file(install.file("Quivane.start.screen"), std::string(picture, sizeof picture));
  }
  // The graphics area once two captures agree.
  qtest::Pixels settled() {
    const std::string shot = home.file("graphics.ppm");
    std::string previous;
    for (int tries = 0; tries < 40; tries++) {
      int w = 0, h = 0;
      EXPECT_TRUE(qtest::graphics_window_ppm(xvfb.display(), shot, nullptr, &w, &h));
      const std::string now = qtest::read_file(shot);
      if (!now.empty() && now == previous) break;
      previous = now;
      std::this_thread::sleep_for(250ms);
    }
    return qtest::read_pixels(shot);
  }
  static int count(const qtest::Pixels &p, int x0, int x1, unsigned char r, unsigned char b) {
    int n = 0;
    for (int y = 0; y < p.h; y++)
      for (int x = x0; x < x1; x++) {
        const unsigned char *c = p.at(x, y);
        n += c[0] == r && c[1] == 0 && c[2] == b;
      }
    return n;
  }
  qtest::Xvfb xvfb;
  qtest::TempDir home{"qhome"};
  qtest::TempDir install{"qinstall"};
};

TEST_F(StartScreenClient, PictureHalvesAndTheOptionThatLeavesItOut) {
  for (bool picture : {true, false}) {
    std::vector<std::string> args;
    if (!picture) args.push_back("-no_start_screen");
    std::unique_ptr<qtest::RunningProgram> client(
        qtest::start_client(args, xvfb.display(), home.path(), install.path()));
    ASSERT_TRUE(client->wait_for_err("\n<Ready>\n", 30s)) << client->err();
    const qtest::Pixels p = settled();
    ASSERT_TRUE(p.ok());
    ASSERT_GT(p.w, 200);
    const int half = p.w / 2, area = half * p.h;
    if (picture) {
      // The zoomed columns may round by one at the middle.
      EXPECT_GE(count(p, 0, half - 1, 255, 0), area - 2 * p.h);
      EXPECT_GE(count(p, half + 1, p.w, 0, 255), area - 2 * p.h);
      EXPECT_EQ(count(p, 0, half - 1, 0, 255), 0);
    } else {
      EXPECT_EQ(count(p, 0, p.w, 255, 0), 0);
      EXPECT_EQ(count(p, 0, p.w, 0, 255), 0);
    }
    EXPECT_EQ(client->stop(SIGINT), 1) << client->err();
  }
}

}  // namespace
