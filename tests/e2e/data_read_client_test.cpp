// Reading by commands in the real client, driven over its command driver
// link, with a real stand-in server per case: a model read as the Case
// format and its parts built, a second case reading a multi-zone PLOT3D grid
// with its solution, and a case file named at start-up read at the first
// expose before the command file builds its parts.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "harness.h"

namespace {

using std::chrono::seconds;

class DataRead : public testing::Test {
 protected:
  void start(const std::vector<std::string> &extra) {
    c = std::make_unique<qtest::DrivenClient>(extra);
    ASSERT_TRUE(c->xvfb.ok());
    ASSERT_TRUE(c->driver.connect(c->port, 30000)) << c->client->err();
    ASSERT_EQ(c->driver.greeting(), "Hello Command Driver");
    ASSERT_TRUE(c->servers.wait_started(1)) << c->client->err();
  }
  void send_all(const std::vector<std::string> &lines) {
    for (const std::string &l : lines) EXPECT_EQ(c->driver.send(l, 30000), "ok") << l << c->client->err();
  }
  std::string log(int k) { return c->servers.log_of(c->servers.started()[k]); }
  void quit() {
    EXPECT_TRUE(c->driver.send_only("quit"));
    EXPECT_EQ(c->client->wait_exit(seconds(30)), 0) << c->client->err();
  }
  const std::string D = qtest::test_data();
  std::unique_ptr<qtest::DrivenClient> c;
};

TEST_F(DataRead, TwoCasesReadByCommandsBuildTheirParts) {
  start({"-c"});
  send_all({"data: format case", "data: path " + D, "data: geometry vtk/mixed.vtk", "data: read",
            "data_partbuild: begin", "data_partbuild: select_all", "data_partbuild: create",
            "data_partbuild: end"});
  EXPECT_TRUE(qtest::in_order(log(0), {"set file path", "use part numbers", "set data type 10",
                                "read casefile", "read geom", "read result"}))
      << log(0);

  EXPECT_EQ(c->driver.send("data: geometry x"), "ok");
  EXPECT_EQ(c->driver.send("data: read", 30000), "ERROR");
  EXPECT_NE(c->client->err().find("Geometry, Result, or Measured file exists for the current "
                                  "selected case."),
            std::string::npos)
      << c->client->err();
  EXPECT_EQ(c->driver.send("command: delay 0"), "ok");

  EXPECT_EQ(c->driver.send("case: add Case 2", 30000), "ok");
  ASSERT_TRUE(c->servers.wait_started(2));
  send_all({"data: format plot3d", "data: path " + D, "data: geometry plot3d/zones3_c.xyz",
            "data: result plot3d/zones3_c.q", "data: read", "data_partbuild: plot3dselect_zone_begin",
            "1", "2", "3", "data_partbuild: plot3dselect_zone_end", "data_partbuild: plot3dstep 1 1 1",
            "data_partbuild: plot3ddomain inside", "data_partbuild: create", "data_partbuild: end"});
  std::string second = log(1);
  EXPECT_TRUE(qtest::in_order(second, {"plot3d_test", "set file path", "set data type 1", "read geom",
                                "read result", "get free mach number"}))
      << second;
  EXPECT_EQ(second.find("read casefile"), std::string::npos);
  EXPECT_EQ(qtest::count_of(second, "create plot3d part"), 3) << second;
  quit();
}

TEST_F(DataRead, CaseFileAtStartIsReadBeforeTheCommandFileBuildsParts) {
  qtest::TempDir files("qdatacmd");
  qtest::write_file(files.file("build.cmd"),
                    "VERSION 7.1\ndata_partbuild: begin\ndata_partbuild: select_all\n"
                    "data_partbuild: create\ndata_partbuild: end\n");
  start({"-c", "-case", D + "/vtk/mixed.vtk", "-p", files.file("build.cmd")});
  EXPECT_EQ(c->driver.send("command: delay 0", 30000), "ok");
  std::string first = log(0);
  EXPECT_TRUE(qtest::in_order(first, {"read casefile", "read geom", "read result", "create"})) << first;
  quit();
}

}  // namespace
