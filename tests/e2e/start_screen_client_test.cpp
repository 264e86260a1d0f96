// The real client's start screen: a test installation directory whose
// start picture is two pixels, red then blue, shows red over the left half
// of the main graphics window and blue over the right half; with
// -no_start_screen neither colour appears; a command file that reads the
// model through the real stand-in server ends it for good.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include "case_servers.h"
#include "model_client.h"
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
    // Width 2, height 1; pixels alpha, blue, green, red: red, then blue.
    picture({(char)255, 0, 0, (char)255, (char)255, (char)255, 0, 0});
  }
  void picture(const std::string &pixels) {
    const std::string size{0, 0, 0, 2, 0, 0, 0, 1};
    qtest::write_file(install.file("Quivane.start.screen"), size + pixels);
  }
  // The graphics area once two captures agree and, when a colour is
  // awaited, show it: under a loaded machine the window can stay blank for
  // a while after "<Ready>", and two blank captures agree as well.
  qtest::Pixels settled(bool await_red) {
    const std::string shot = home.file("graphics.ppm");
    std::string previous;
    for (int tries = 0; tries < 120; tries++) {
      int w = 0, h = 0;
      std::set<unsigned long> colours;
      EXPECT_TRUE(qtest::graphics_window_ppm(xvfb.display(), shot, &colours, &w, &h));
      const std::string now = qtest::read_file(shot);
      if (!now.empty() && now == previous && (!await_red || colours.count(0xff0000ul)))
        break;
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
    const qtest::Pixels p = settled(picture);
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

// The picture here is magenta then cyan, two-channel colours no unlit part
// of the model has: after the read none of them remains and each of the
// three parts' pure hues shows.
TEST_F(StartScreenClient, ReadingTheModelEndsIt) {
  picture({(char)255, (char)255, 0, (char)255, (char)255, (char)255, (char)255, 0});
  const std::string data = qtest::test_data();
  qtest::write_file(home.file("read.cmd"),
                    "VERSION 7.1\ndata: format case\ndata: path " + data +
                        "\ndata: geometry vtk/mixed_unit.vtk\ndata: read\n"
                        "data_partbuild: begin\ndata_partbuild: select_all\n"
                        "data_partbuild: create\ndata_partbuild: end\n");
  qtest::DrivenClient c({"-c", "-p", home.file("read.cmd")}, install.path());
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  ASSERT_EQ(c.driver.greeting(), "Hello Command Driver");
  ASSERT_EQ(c.driver.send("command: delay 0", 60000), "ok") << c.client->err();

  auto two_channels = [](unsigned long p) {
    int n = 0;
    for (int k = 0; k < 3; k++) n += ((p >> (8 * k)) & 0xff) != 0;
    return n > 1;
  };
  std::set<unsigned long> colours;
  const qtest::Pixels p = qtest::settled_graphics(
      c, home.file("read.ppm"), &colours, [&](const std::set<unsigned long> &cs) {
        return std::none_of(cs.begin(), cs.end(), two_channels);
      });
  ASSERT_TRUE(p.ok());
  ASSERT_GT(p.w, 200);
  std::set<int> hues;
  for (unsigned long p : colours) {
    EXPECT_FALSE(two_channels(p)) << std::hex << p << ": the start picture remains";
    for (int k = 0; k < 3; k++)
      if ((p >> (8 * k)) & 0xff) hues.insert(k);
  }
  EXPECT_EQ(hues.size(), 3u) << "each of the three parts shows";
  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(std::chrono::seconds(30)), 0) << c.client->err();
}

}  // namespace
