// Deleting parts in the real client, driven over its command driver link,
// on the generated mixed-element model read by a real stand-in server: an
// extract of parts 1 and 2 is rebuilt from part 2 when part 1 goes, and
// goes itself with part 2, its last parent.
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

class PartDeleteClient : public testing::Test {
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
  std::string send_selected(const std::string &numbers, const std::string &action) {
    send_all({"part: select_begin", numbers, "part: select_end"});
    return c->driver.send(action, 30000);
  }
  std::string log() { return c->servers.log_of(c->servers.started()[0]); }
  std::unique_ptr<qtest::DrivenClient> c;
};

TEST_F(PartDeleteClient, AnExtractFollowsItsParents) {
  ASSERT_EQ(send_selected("1 2", "part: extract"), "ok") << c->client->err();
  ASSERT_NE(log().find("extract part"), std::string::npos) << log();

  EXPECT_EQ(send_selected("1", "part: delete"), "ok") << c->client->err();
  EXPECT_TRUE(in_order(log(), {"extract part", "delete 1", "extract part"})) << log();
  EXPECT_EQ(log().find("delete 4"), std::string::npos) << log();

  EXPECT_EQ(send_selected("2", "part: delete"), "ok") << c->client->err();
  EXPECT_TRUE(in_order(log(), {"delete 1", "delete 2", "delete 4"})) << log();
}
}  // namespace
