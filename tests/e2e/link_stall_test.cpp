// No endless waits on a link, with the real client driven over
// its driver link: a stand-in server that stops half-way through its
// version (or its "ccp_set_cwd" reply) fails the start within the stall
// limit, its case goes offline with the message and the server is stopped
// and reaped, and the next case works; a driver that announces an absurd
// line length is refused at once and the next driver is served on the same
// port.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "forked.h"
#include "harness.h"

namespace {

using std::chrono::seconds;

void stalled_server_goes_offline(const std::string &stall_at) {
  qtest::DrivenClient c({"-c", "-timeout", "5"});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  ASSERT_EQ(c.driver.greeting(), "Hello Command Driver");
  ASSERT_TRUE(c.servers.wait_started(1)) << c.client->err();
  qtest::TempDir work("qstallwd");
  if (stall_at == "ccp_set_cwd") {
    // Cases added from now on start in a working directory of their own.
    ASSERT_EQ(c.driver.send("connect: default"), "ok");
    ASSERT_EQ(c.driver.send("connect: directory " + work.path()), "ok");
  }

  c.servers.set_extra_args("-stall " + stall_at);
  // Answered within 15 s: the stall limit is the connection time-out, 5 s.
  EXPECT_EQ(c.driver.send("case: add Stalled", 15000), "ERROR") << c.client->err();
  EXPECT_NE(c.client->err().find(
                "Server for case 'Stalled' stopped answering; the case is now offline."),
            std::string::npos)
      << c.client->err();
  ASSERT_EQ(c.servers.started().size(), 2u);
  pid_t stalled = c.servers.started()[1];
  EXPECT_TRUE(qtest::wait_gone(stalled, 5000)) << "the stalled server is stopped and reaped";
  EXPECT_NE(c.servers.log_of(stalled).find("stalled\n"), std::string::npos)
      << c.servers.log_of(stalled);
  EXPECT_EQ(c.driver.send("case: select Stalled"), "ERROR");

  c.servers.set_extra_args("");
  EXPECT_EQ(c.driver.send("case: add Good", 30000), "ok") << c.client->err();
  ASSERT_TRUE(c.servers.wait_started(3)) << c.client->err();
  EXPECT_EQ(c.driver.send("case: select Good"), "ok");
  if (stall_at == "ccp_set_cwd") {
    EXPECT_NE(c.servers.log_of(c.servers.started()[2]).find("ccp_set_cwd " + work.path()),
              std::string::npos);
  }
  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(seconds(30)), 0) << c.client->err();
}

TEST(LinkStall, ServerStalledInItsVersionGoesOffline) { stalled_server_goes_offline("version"); }

TEST(LinkStall, ServerStalledInItsSetCwdReplyGoesOffline) {
  stalled_server_goes_offline("ccp_set_cwd");
}

TEST(LinkStall, AbsurdLineLengthIsRefusedAndTheNextDriverIsServed) {
  qtest::DrivenClient c({});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  ASSERT_EQ(c.driver.greeting(), "Hello Command Driver");
  EXPECT_EQ(c.driver.send("command: delay 0"), "ok");
  // Answered and closed within a second.
  ASSERT_TRUE(c.driver.send_raw(std::string("\x7f\xff\xff\xff", 4)));
  EXPECT_EQ(c.driver.recv(1000), std::string("ERROR", 6));
  EXPECT_TRUE(c.driver.closed_by_peer(1000));
  c.driver.close();

  qtest::DriverClient next;
  ASSERT_TRUE(next.connect(c.port, 10000)) << c.client->err();
  EXPECT_EQ(next.greeting(), "Hello Command Driver");
  EXPECT_EQ(next.send("command: delay 0"), "ok");
  EXPECT_EQ(next.send("command: frobnicate"), "ERROR");
  EXPECT_TRUE(next.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(seconds(30)), 0) << c.client->err();
}

}  // namespace
