// Frames in the real client with the small model read by the real stand-in
// server, driven over the command driver link: a frame in use by parts is
// not deleted until the parts are back in frame 0, and frame 0 keeps its
// location when it is among the working frames.
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

TEST(FrameCommandsClient, FramesInUseStayAndFrameZeroDoesNotMove) {
  qtest::DrivenClient c({"-c"});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  ASSERT_EQ(c.driver.greeting(), "Hello Command Driver");
  ASSERT_TRUE(c.servers.wait_started(1)) << c.client->err();
  auto expect = [&](const std::string &line, const std::string &answer,
                    const std::string &message = "") {
    SCOPED_TRACE(line);
    EXPECT_EQ(c.driver.send(line, 30000), answer) << c.client->err();
    if (!message.empty()) {
      EXPECT_NE(c.client->err().find(message), std::string::npos) << c.client->err();
    }
  };
  const std::string D = qtest::test_data();
  const std::vector<std::string> read = {
      "data: format case",     "data: path " + D,           "data: geometry vtk/mixed.vtk",
      "data: read",            "data_partbuild: begin",     "data_partbuild: select_all",
      "data_partbuild: create", "data_partbuild: end"};
  for (const std::string &line : read) expect(line, "ok");

  expect("part: select_all", "ok");
  expect("frame: create", "ok");
  expect("frame: assign 1", "ok");
  expect("frame: select_begin", "ok");
  expect(" 1", "ok");
  expect("frame: select_end", "ok");
  expect("frame: delete", "ERROR", "Frame 1 being used by a part, cannot be deleted.");
  expect("frame: assign 0", "ok");
  expect("frame: delete", "ok");

  expect("frame: create", "ok");
  expect("frame: origin 1 2 3", "ok");
  expect("frame: orientation_z 0 0 3", "ok");
  expect("frame: select_begin", "ok");
  expect(" 0 1", "ok");
  expect("frame: select_end", "ok");
  expect("frame: origin 4 5 6", "ERROR", "Can't change Frame 0 location.");

  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(seconds(30)), 0) << c.client->err();
}

}  // namespace
