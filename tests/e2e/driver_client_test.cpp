// The real client driven over loopback by the test driver: greeting,
// answers, closing the link, and command files played with nested "play:"
// lines, whose lines reach the session record.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "harness.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

using qtest::DrivenClient;

TEST(DriverClient, AnswersLinesAndClosesTheLinkWhileTheClientGoesOn) {
  DrivenClient c({});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  EXPECT_EQ(c.driver.greeting(), "Hello Command Driver");
  EXPECT_EQ(c.driver.send("command: delay 0"), "ok");
  EXPECT_EQ(c.driver.send("command: frobnicate"), "ERROR");
  EXPECT_NE(c.client->err().find("\nERROR: command: The command does not exist.\n"),
            std::string::npos)
      << c.client->err();
  EXPECT_TRUE(c.driver.send_only("Close Command Driver"));
  EXPECT_TRUE(c.driver.closed_by_peer(5000));
  std::this_thread::sleep_for(milliseconds(500));
  EXPECT_TRUE(c.client->running()) << c.client->err();
  EXPECT_EQ(c.client->stop(SIGTERM), 128 + SIGTERM);
}

// The file of -p plays a nested file; every executed line (not the "play:"
// lines themselves) is in the session record, in the order it ran.
TEST(DriverClient, NestedCommandFilesReachTheSessionRecord) {
  qtest::TempDir files("qcmdfiles");
  qtest::write_file(files.file("inner.cmd"),
                    "VERSION 7.1\ncommand: delay_refresh ON\ncommand: delay_refresh OFF\n");
  qtest::write_file(files.file("outer.cmd"), "VERSION 7.1\ncommand: delay 0\nplay: " +
                                                 files.file("inner.cmd") +
                                                 "\ncommand: part_selection_by name\n");
  DrivenClient c({"-p", files.file("outer.cmd")});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  EXPECT_EQ(c.driver.greeting(), "Hello Command Driver");
  std::string record = qtest::session_record_name(c.client->err());
  ASSERT_NE(record, "") << c.client->err();
  EXPECT_EQ(qtest::read_file(record),
            "VERSION 7.10\ncommand: delay 0\ncommand: delay_refresh ON\n"
            "command: delay_refresh OFF\ncommand: part_selection_by name\n");
  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(seconds(30)), 0) << c.client->err();
}

// Once the Command dialog exists (the -p file built it), every driven line
// is settled under X synchronisation before it is answered; switching it on
// and off prints nothing: the driven lines leave standard error as it was.
TEST(DriverClient, DrivenLinesPrintNothingOnceTheCommandDialogExists) {
  qtest::TempDir files("qcmdsync");
  qtest::write_file(files.file("start.cmd"), "VERSION 7.1\ncommand: delay 0\n");
  DrivenClient c({"-p", files.file("start.cmd")});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  EXPECT_EQ(c.driver.greeting(), "Hello Command Driver");
  std::this_thread::sleep_for(milliseconds(300));
  const std::string before = c.client->err();
  ASSERT_NE(qtest::session_record_name(before), "") << before;  // the -p line was played
  for (const char *line : {"command: delay 0", "command: part_selection_by name",
                           "command: delay_refresh ON", "command: delay_refresh OFF",
                           "command: part_selection_by number"})
    EXPECT_EQ(c.driver.send(line), "ok") << line;
  std::this_thread::sleep_for(milliseconds(300));
  const std::string after = c.client->err();
  EXPECT_EQ(after.substr(before.size()), "");
  EXPECT_EQ(after.find("SYNCHRONIZATION"), std::string::npos) << after;
  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(seconds(30)), 0) << c.client->err();
}

}  // namespace
