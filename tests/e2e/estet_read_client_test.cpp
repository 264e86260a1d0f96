// A failed ESTET read in the real client against the real stand-in, which
// reads no ESTET file: the read answers the file-open failure, neither the
// Vector Builder nor the ESTET part loader is asked for anything, and the
// channel stays in step, so that a Case read of the generated VTK model in
// the same run succeeds.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "harness.h"

namespace {

using std::chrono::seconds;

TEST(EstetReadClient, FailedEstetReadThenACaseReadSucceeds) {
  qtest::DrivenClient c({"-c"});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  ASSERT_EQ(c.driver.greeting(), "Hello Command Driver");
  ASSERT_TRUE(c.servers.wait_started(1)) << c.client->err();
  const std::string d = qtest::test_data();
  for (const std::string &l : std::vector<std::string>{"data: format estet", "data: path " + d, "data: geometry vtk/mixed.vtk"})
    EXPECT_EQ(c.driver.send(l, 30000), "ok") << l;
  EXPECT_EQ(c.driver.send("data: read", 30000), "ERROR") << c.client->err();
  EXPECT_NE(c.client->err().find("Error opening files."), std::string::npos) << c.client->err();
  std::string log = c.servers.log_of(c.servers.started()[0]);
  EXPECT_TRUE(qtest::in_order(log, {"set data type 4", "read geom"})) << log;
  for (const char *never : {"orig avail scalars", "finish vector combine", "create estet part",
                            "stop estet parts"})
    EXPECT_EQ(log.find(never), std::string::npos) << never << "\n" << log;
  EXPECT_EQ(c.driver.send("command: delay 0"), "ok");
  // A failed read forgets its path: the Case read names it again.

  for (const std::string &l : std::vector<std::string>{"data: format case", "data: path " + d, "data: geometry vtk/mixed.vtk", "data: read",
                              "data_partbuild: begin", "data_partbuild: select_all",
                              "data_partbuild: create", "data_partbuild: end"})
    EXPECT_EQ(c.driver.send(l, 30000), "ok") << l << c.client->err();
  log = c.servers.log_of(c.servers.started()[0]);
  EXPECT_TRUE(qtest::in_order(log, {"set data type 4", "read geom", "set data type 10", "read casefile",
                                    "read geom", "read result"}))
      << log;
  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(seconds(30)), 0) << c.client->err();
}

}  // namespace
