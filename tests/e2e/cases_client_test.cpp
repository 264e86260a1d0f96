// The case table of the real client, driven over its command driver link:
// each case has its own stand-in server, started locally over FIFOs by the
// client; "quit" ends the client and every server it started.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "forked.h"
#include "harness.h"

namespace {

using std::chrono::seconds;

bool ends_with(const std::string &text, const std::string &tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class Cases : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(c.xvfb.ok());
    ASSERT_TRUE(driver.connect(c.port, 30000)) << client->err();
    ASSERT_EQ(driver.greeting(), "Hello Command Driver");
    ASSERT_TRUE(servers.wait_started(1)) << client->err();
  }
  // The line's answer; a refused line must also have printed message.
  void expect_answer(const std::string &line, const std::string &answer,
                     const std::string &message = "") {
    SCOPED_TRACE(line);
    EXPECT_EQ(driver.send(line, 30000), answer) << client->err();
    if (!message.empty()) {
      EXPECT_NE(client->err().find(message), std::string::npos) << client->err();
    }
  }
  // The server ended after logging "Exit".
  void expect_exited(pid_t pid) {
    EXPECT_TRUE(qtest::wait_gone(pid, 10000)) << pid;
    EXPECT_TRUE(ends_with(servers.log_of(pid), "Exit\n")) << servers.log_of(pid);
  }

  qtest::DrivenClient c{{"-c"}};
  const qtest::CaseServers &servers = c.servers;
  std::unique_ptr<qtest::RunningProgram> &client = c.client;
  qtest::DriverClient &driver = c.driver;
};

TEST_F(Cases, AddViewportsDeleteReplaceAndQuitWithRealServers) {
  pid_t first = servers.started()[0];
  expect_answer("case: add Case 2", "ok");
  ASSERT_TRUE(servers.wait_started(2));
  pid_t second = servers.started()[1];
  EXPECT_FALSE(qtest::wait_gone(first, 300));  // the first case keeps its server
  expect_answer("case: add Case 2", "ERROR", "Case by this name already exists.");
  expect_answer("case: add 12345678901234567890", "ERROR",
                "Case name too long, at most 19 characters are allowed.");
  EXPECT_EQ(servers.started().size(), 2u);  // refused names start no server

  expect_answer("case: viewports 1 3", "ok");
  expect_answer("case: select Case 1", "ok");
  expect_answer("case: select Case 9", "ERROR", "case: specified case does not exist.");

  expect_answer("case: delete Case 2", "ok");
  expect_exited(second);
  expect_answer("case: select Case 2", "ERROR");

  expect_answer("case: replace 'Case 1' 'Wing'", "ok");
  expect_exited(first);
  ASSERT_TRUE(servers.wait_started(3));
  pid_t wing = servers.started()[2];
  expect_answer("case: select Wing", "ok");
  expect_answer("case: select Case 1", "ERROR");
  expect_answer("case: delete Wing", "ERROR",
                "The last case cannot be deleted.  Please use the Replace option instead.");

  expect_answer("case: add Case 3", "ok");
  ASSERT_TRUE(servers.wait_started(4));
  pid_t third = servers.started()[3];
  // Replacing by a name another case has is refused before anything changes.
  expect_answer("case: replace 'Case 3' 'Wing'", "ERROR", "Case by this name already exists.");
  EXPECT_FALSE(qtest::wait_gone(third, 200));

  EXPECT_TRUE(driver.send_only("quit"));
  EXPECT_EQ(client->wait_exit(seconds(30)), 0) << client->err();
  expect_exited(wing);
  expect_exited(third);
  EXPECT_EQ(servers.leftovers(), std::vector<std::string>{});
}

// A replace whose new server does not start keeps the case under its old
// name, without a server, so that the replace can be tried again.
TEST_F(Cases, FailedReplaceKeepsTheCaseForARetry) {
  pid_t first = servers.started()[0];
  servers.set_failing(true);
  expect_answer("case: replace 'Case 1' 'Wing'", "ERROR", "Could not start case.");
  EXPECT_NE(client->err().find("Case 'Case 1' is kept without a server; replace it again to retry."),
            std::string::npos);
  expect_exited(first);
  expect_answer("case: select Case 1", "ok");
  expect_answer("case: select Wing", "ERROR");

  servers.set_failing(false);
  expect_answer("case: replace 'Case 1' 'Wing'", "ok");
  ASSERT_TRUE(servers.wait_started(2));
  expect_answer("case: select Wing", "ok");
  EXPECT_TRUE(driver.send_only("quit"));
  EXPECT_EQ(client->wait_exit(seconds(30)), 0) << client->err();
  expect_exited(servers.started()[1]);
}

}  // namespace
