// The PLOT3D loader in the real client from one command file, with the real
// stand-in: the generated three-zone iblanked grid and its solution read,
// one part per zone over its whole range, then an iblank part of two of
// them. What the server was asked is checked against the grid file's header.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "harness.h"
#include "plot3d_grid.h"

TEST(Plot3dLoaderClient, CommandFileBuildsZonePartsAndAnIblankPart) {
  const std::string D = qtest::test_data();
  std::vector<qtest::P3d_zone> zones = qtest::p3d_read_cbin(D + "/plot3d/zones3_c.xyz");
  ASSERT_EQ(zones.size(), 3u);
  qtest::TempDir files("qplot3dcmd");
  std::string text = "VERSION 7.1\n";
  for (const std::string &line : qtest::p3d_build_commands(D)) text += line + "\n";
  qtest::write_file(files.file("build.cmd"), text);
  qtest::DrivenClient c({"-c", "-p", files.file("build.cmd")});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  ASSERT_EQ(c.driver.greeting(), "Hello Command Driver");
  ASSERT_TRUE(c.servers.wait_started(1)) << c.client->err();
  EXPECT_EQ(c.driver.send("command: delay 0", 30000), "ok");
  std::string log = c.servers.log_of(c.servers.started()[0]);
  std::vector<std::string> order = {"read geom", "read result", "use part numbers"};
  // One map before the three zones' parts, none between them.
  size_t from = log.find("read result"), to = log.find("minm_many 3");
  ASSERT_TRUE(from != std::string::npos && to != std::string::npos) << log;
  EXPECT_EQ(qtest::count_of(log.substr(from, to - from), "use part numbers"), 1) << log;
  for (int z = 0; z < 3; z++) {
    const int *n = zones[z].n;
    char want[128];
    snprintf(want, sizeof want, "create plot3d part %d range 1 %d 1 1 %d 1 1 %d 1 zone %d domain 1 -> 0",
             z + 1, n[0], n[1], n[2], z + 1);
    order.push_back(want);
  }
  for (const char *s : {"minm_many 3", "loadp_many 3", "get bnd list", "bnd part 4: parts 1 2 kind 2",
                        "stop plot3d parts"})
    order.push_back(s);
  EXPECT_TRUE(qtest::in_order(log, order)) << log;
  EXPECT_EQ(qtest::count_of(log, "create plot3d part"), 3) << log;
  EXPECT_EQ(qtest::count_of(log, "loadp_many 3"), 1) << log;
  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(std::chrono::seconds(30)), 0) << c.client->err();
}
