// "part:" blocks in the real client, driven over its command driver link,
// on the generated mixed-element model read by a real stand-in server as
// the Case format: what each block asks of the server, and a refused value
// failing its line.
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

using qtest::in_order;

class PartChangeClient : public testing::Test {
 protected:
  void SetUp() override {
    c = std::make_unique<qtest::DrivenClient>(std::vector<std::string>{"-c"});
    ASSERT_TRUE(c->xvfb.ok());
    ASSERT_TRUE(c->driver.connect(c->port, 30000)) << c->client->err();
    ASSERT_EQ(c->driver.greeting(), "Hello Command Driver");
    ASSERT_TRUE(c->servers.wait_started(1)) << c->client->err();
    send_all({"data: format case", "data: path " + qtest::test_data(),
              "data: geometry vtk/mixed.vtk", "data: read", "data_partbuild: begin",
              "data_partbuild: select_all", "data_partbuild: create", "data_partbuild: end"});
  }
  void TearDown() override {
    if (!c || !c->client) return;
    EXPECT_TRUE(c->driver.send_only("quit"));
    EXPECT_EQ(c->client->wait_exit(seconds(30)), 0) << c->client->err();
  }
  void send_all(const std::vector<std::string> &lines) {
    for (const std::string &l : lines)
      EXPECT_EQ(c->driver.send(l, 30000), "ok") << l << c->client->err();
  }
  // The block on part 1; the driver's answer to its last line.
  std::string block(const std::vector<std::string> &attrs) {
    send_all({"part: select_begin", "1", "part: select_end", "part: modify_begin"});
    for (const std::string &a : attrs) EXPECT_EQ(c->driver.send(a, 30000), "ok") << a;
    return c->driver.send("part: modify_end", 30000);
  }
  std::string log() { return c->servers.log_of(c->servers.started()[0]); }
  std::unique_ptr<qtest::DrivenClient> c;
};

TEST_F(PartChangeClient, FeatureAngleAndShrinkAskTheServer) {
  ASSERT_EQ(qtest::count_of(log(), "loadp_many"), 1) << log();
  EXPECT_EQ(block({"part: elt_representation feature_angle", "part: elt_feature_angle 30"}), "ok");
  EXPECT_TRUE(in_order(log(), {"delete feature 1", "minm 1", "loadp_many 1: parts 1 reps 2",
                               "angles 30.000000"}))
      << log();

  int loads = qtest::count_of(log(), "loadp_many");
  EXPECT_EQ(block({"part: elt_shrink_factor 0.5"}), "ok");
  EXPECT_NE(log().find("shrink 1 rep 2 -> "), std::string::npos) << log();
  EXPECT_EQ(qtest::count_of(log(), "loadp_many"), loads) << log();
}

TEST_F(PartChangeClient, RefusedLineWidthFailsTheLine) {
  EXPECT_EQ(block({"part: line_width 25"}), "ERROR");
  EXPECT_NE(c->client->err().find("Illegal line width, should be in range: [1, 20]."),
            std::string::npos)
      << c->client->err();
  EXPECT_EQ(block({"part: line_width 2"}), "ok");
}

}  // namespace
