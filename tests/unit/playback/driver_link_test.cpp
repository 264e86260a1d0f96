// The external command driver link over loopback TCP with the real channel
// module, in both directions. Driven: this process waits for a driver that
// runs in a forked process (tests/support/driver_client) and reports what it
// received through a pipe. Driving: this process connects to a scripted
// peer that plays the driven client byte by byte.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <thread>

#include "client/ccp.h"
#include "client/command_dlog.h"
#include "client/extdriver.h"
#include "driver_client.h"
#include "harness.h"
#include "peer.h"

using qtest::Bytes;
using qtest::be32;
using qtest::operator+;

namespace {

// A driver in a forked process: connects, runs script (which appends what it
// saw to its log) and writes the log into a pipe.
struct ForkedDriver {
  pid_t pid = -1;
  int fd = -1;
  // The log of the script; waits for the driver to end.
  std::string finish() {
    std::string log;
    char buf[512];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) log.append(buf, (size_t)n);
    close(fd);
    int status = 0;
    waitpid(pid, &status, 0);
    return log;
  }
};

ForkedDriver start_driver(int port,
                          const std::function<void(qtest::DriverClient &, std::string &)> &script) {
  int p[2];
  ForkedDriver d;
  if (pipe(p) != 0) return d;
  fflush(nullptr);
  d.pid = fork();
  if (d.pid == 0) {
    close(p[0]);
    std::string log;
    qtest::DriverClient client;
    if (client.connect(port))
      script(client, log);
    else
      log = "<no link>";
    ssize_t ignored = write(p[1], log.data(), log.size());
    (void)ignored;
    _exit(0);
  }
  close(p[1]);
  d.fd = p[0];
  return d;
}

class DriverLink : public ::testing::Test {
 protected:
  void SetUp() override {
    Cmd_driver_port = qtest::free_tcp_port();
    saved_timeout_ = ccgettimeout();
    ccsettimeout(10);
    saved_recrdr_ = Recrdr;
    Recrdr = 0;  // no session record file from the lines run here
    Cmd_play_delay_time = 0;
  }
  void TearDown() override {
    connect_extcmddriver_stop_listening();
    ccsetstall(0);
    if (Cmd_driver_sock != CMD_DRIVER_NO_LINK) ccend(Cmd_driver_sock);
    Cmd_driver_sock = CMD_DRIVER_NO_LINK;
    Cmd_drive_extapp = -1;
    Cmd_driver_port = 1104;
    Cmd_play_delay_time = 0;
    Cmd_record_parts_by_number = 1;
    Recrdr = saved_recrdr_;
    ccsettimeout(saved_timeout_);
  }
  int saved_timeout_ = 60;
  int saved_recrdr_ = 1;
};

TEST_F(DriverLink, DrivenClientGreetsAnswersAndClosesOnRequest) {
  ForkedDriver driver = start_driver(Cmd_driver_port, [](qtest::DriverClient &c, std::string &log) {
    std::string greeting = c.recv();
    log += "greeting[" + std::to_string(greeting.size()) + "]=" + qtest::strip_nul(greeting);
    log += greeting.back() == '\0' ? "\\0" : "";
    log += "|" + c.send("command: delay 3");
    log += "|" + c.send("command: frobnicate");
    log += "|" + c.send("command: abcdefghijklmnopqrstuvwxyz");
    c.send_only("Close Command Driver");
    log += c.closed_by_peer(5000) ? "|closed" : "|open";
  });
  testing::internal::CaptureStdout();
  ASSERT_EQ(connect_to_extcmddriver(), 1);
  EXPECT_EQ(Cmd_drive_extapp, 0);
  EXPECT_NE(Cmd_driver_sock, CMD_DRIVER_NO_LINK);
  testing::internal::CaptureStderr();
  EXPECT_EQ(connect_loopgetmesgfrom_extsrc(), 0);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Command driver connection accepted.\nThe driver can now issue commands.\n");
  EXPECT_EQ(driver.finish(), "greeting[21]=Hello Command Driver\\0|ok|ERROR|ERROR|closed");
  EXPECT_EQ(Cmd_play_delay_time, 3);  // the line really ran here
  EXPECT_EQ(Cmd_driver_sock, CMD_DRIVER_NO_LINK);
  EXPECT_EQ(Cmd_drive_extapp, -1);
}

TEST_F(DriverLink, EmptyLineIsNotAnsweredAndKeepsTheLink) {
  ForkedDriver driver = start_driver(Cmd_driver_port, [](qtest::DriverClient &c, std::string &log) {
    c.greeting();
    c.send_only("");
    log += c.quiet(300) ? "no answer" : "answered";
    log += "|" + c.send("command: delay 0");
    c.send_only("Close Command Driver");
    c.closed_by_peer(5000);
  });
  testing::internal::CaptureStdout();
  ASSERT_EQ(connect_to_extcmddriver(), 1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(connect_getmesgfrom_extsrc(), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Empty command received from driver.\n");
  EXPECT_NE(Cmd_driver_sock, CMD_DRIVER_NO_LINK);
  EXPECT_EQ(connect_loopgetmesgfrom_extsrc(), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(driver.finish(), "no answer|ok");
}

TEST_F(DriverLink, LostDriverEndsTheLink) {
  ForkedDriver driver = start_driver(Cmd_driver_port, [](qtest::DriverClient &c, std::string &log) {
    c.greeting();
    log += c.send("command: delay 1");
    pause();  // killed by the test
  });
  testing::internal::CaptureStdout();
  ASSERT_EQ(connect_to_extcmddriver(), 1);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(connect_getmesgfrom_extsrc(), 1);
  kill(driver.pid, SIGKILL);
  testing::internal::CaptureStderr();
  EXPECT_EQ(connect_getmesgfrom_extsrc(), -1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Lost connection with driver.\n"), std::string::npos) << err;
  EXPECT_EQ(Cmd_driver_sock, CMD_DRIVER_NO_LINK);
  EXPECT_EQ(Cmd_drive_extapp, -1);
  // Nothing is read from a link that is gone.
  EXPECT_EQ(connect_getmesgfrom_extsrc(), -1);
  driver.finish();
}

TEST_F(DriverLink, PlayLineInCapitalsPlaysTheFile) {
  qtest::TempDir dir("drvplay");
  qtest::write_file(dir.file("good.cmd"), "VERSION 7.1\ncommand: part_selection_by name\n");
  qtest::write_file(dir.file("old.cmd"), "VERSION 5.9\ncommand: delay 5\n");
  std::string good = dir.file("good.cmd"), old = dir.file("old.cmd");
  ForkedDriver driver =
      start_driver(Cmd_driver_port, [&](qtest::DriverClient &c, std::string &log) {
        c.greeting();
        log += c.send("PLAY:    " + good);
        log += "|" + c.send("play: " + old);
        c.send_only("Close Command Driver");
        c.closed_by_peer(5000);
      });
  testing::internal::CaptureStdout();
  ASSERT_EQ(connect_to_extcmddriver(), 1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(connect_loopgetmesgfrom_extsrc(), 0);
  testing::internal::GetCapturedStderr();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(driver.finish(), "ok|ERROR");
  EXPECT_EQ(Cmd_record_parts_by_number, 0);
  EXPECT_EQ(Cmd_play_delay_time, 0);  // the refused file ran nothing
}

// ---- a driver that breaks the protocol ---------------------------------------

std::string be32_text(uint32_t v) {
  Bytes b = be32(v);
  return std::string(b.begin(), b.end());
}

// A length beyond the line limit (or negative) is answered "ERROR" and the
// link closed at once, without reading what it announced; the client then
// listens on the same port and the next driver's lines are answered.
TEST_F(DriverLink, LengthBeyondTheLineLimitIsRefusedAndANewDriverConnects) {
  struct Case {
    const char *name;
    uint32_t length;
  } cases[] = {{"0x7fffffff", 0x7fffffffu}, {"negative", 0xfffffffbu}, {"329 bytes", 329}};
  for (const Case &c : cases) {
    Cmd_driver_port = qtest::free_tcp_port();
    uint32_t length = c.length;
    ForkedDriver driver =
        start_driver(Cmd_driver_port, [length](qtest::DriverClient &d, std::string &log) {
          d.greeting();
          d.send_raw(be32_text(length));  // answered and closed within a second
          log += d.recv(1000) == std::string("ERROR", 6) ? "ERROR" : "no answer";
          log += d.closed_by_peer(1000) ? "|closed" : "|open";
          qtest::DriverClient next;
          if (!next.connect(Cmd_driver_port, 5000)) return;
          log += "|" + next.greeting();
          log += "|" + next.send("command: delay 2");
          next.send_only("Close Command Driver");
          next.closed_by_peer(5000);
        });
    testing::internal::CaptureStdout();
    ASSERT_EQ(connect_to_extcmddriver(), 1) << c.name;
    testing::internal::CaptureStderr();
    EXPECT_EQ(connect_loopgetmesgfrom_extsrc(), -1) << c.name;
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("(at most 328); the link is closed.\n"), std::string::npos) << err;
    EXPECT_EQ(Cmd_driver_sock, CMD_DRIVER_NO_LINK);
    EXPECT_EQ(connect_extcmddriver_listening(), 1) << c.name;
    // No event loop here: the next driver is taken from the listener by hand.
    ASSERT_EQ(connect_to_extcmddriver(), 1) << c.name;
    EXPECT_EQ(connect_loopgetmesgfrom_extsrc(), 0) << c.name;
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(driver.finish(), "ERROR|closed|Hello Command Driver|ok") << c.name;
    connect_extcmddriver_stop_listening();
  }
}

// A line that stops half-way ends the link within the stall limit; a line
// hiding another behind a NUL byte is refused and the link stays.
TEST_F(DriverLink, StalledLineEndsTheLinkAndNulLineIsRefused) {
  ccsetstall_ms(300);
  ForkedDriver driver = start_driver(Cmd_driver_port, [](qtest::DriverClient &d, std::string &log) {
    d.greeting();
    log += d.send(std::string("command: delay 2\0command: delay 7", 34));
    log += "|" + d.send("command: delay 3");
    d.send_raw(be32_text(20) + "command:");  // and nothing more
    log += d.closed_by_peer(2000) ? "|closed" : "|open";  // the stall limit is 0.3 s
  });
  testing::internal::CaptureStdout();
  ASSERT_EQ(connect_to_extcmddriver(), 1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(connect_loopgetmesgfrom_extsrc(), -1);
  std::string err = testing::internal::GetCapturedStderr();
  testing::internal::GetCapturedStdout();
  EXPECT_NE(err.find("Command from driver holding a NUL byte refused.\n"), std::string::npos)
      << err;
  EXPECT_NE(err.find("stalled: nothing came for 0.3 seconds"), std::string::npos) << err;
  EXPECT_NE(err.find("Lost connection with driver.\n"), std::string::npos) << err;
  EXPECT_EQ(driver.finish(), "ERROR|ok|closed");
  EXPECT_EQ(Cmd_play_delay_time, 3);  // the hidden line never ran
  EXPECT_EQ(connect_extcmddriver_listening(), 1);
}

// The driven side in a child process, for the lines that end the session.
TEST_F(DriverLink, ExitIsAnsweredBeforeTheClientEndsButQuitIsNot) {
  struct Case {
    const char *line;
    const char *answer;
  } cases[] = {{"Exit", "ok"}, {"quit and go home", "<fail>"}};
  for (const Case &c : cases) {
    Cmd_driver_port = qtest::free_tcp_port();
    fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
      if (connect_to_extcmddriver() == 1) connect_loopgetmesgfrom_extsrc();
      _exit(3);
    }
    qtest::DriverClient driver;
    ASSERT_TRUE(driver.connect(Cmd_driver_port)) << c.line;
    EXPECT_EQ(driver.greeting(), "Hello Command Driver");
    EXPECT_EQ(driver.send(c.line, 5000), c.answer) << c.line;
    int status = -1;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.line << " " << status;
  }
}

// ---- driving another client --------------------------------------------------

// Plays a driven client: handshake, greeting, then for each answer one line
// read (its bytes kept) and the answer sent.
struct DrivenPeer {
  int lfd = -1;
  int port = 0;
  std::string greeting = "Hello Command Driver";
  std::vector<std::string> answers;
  std::vector<std::string> received;  // the strings read, bytes as sent
  std::thread thread;

  void start() {
    lfd = qtest::listen_loopback(&port);
    thread = std::thread([this] {
      int fd = qtest::accept_within(lfd, 5000);
      if (fd < 0) return;
      qtest::Peer peer(fd, fd);
      peer.send(qtest::handshake_bytes());
      peer.recv(10);
      peer.send(be32((uint32_t)greeting.size() + 1));
      peer.send(Bytes(greeting.begin(), greeting.end()) + Bytes{0});
      for (const std::string &a : answers) {
        received.push_back(peer.recv_str());
        peer.send_str(a + std::string(1, '\0'));
      }
      received.push_back(peer.recv_str(500));  // whatever comes after, or "<fail>"
    });
  }
  void join() {
    if (thread.joinable()) thread.join();
    if (lfd >= 0) close(lfd);
  }
};

TEST_F(DriverLink, DrivingForwardsRecordedAndExecutedLinesAndExpectsOk) {
  DrivenPeer peer;
  peer.answers = {"ok", "ok", "ERROR"};
  peer.start();
  Cmd_driver_port = peer.port;
  testing::internal::CaptureStdout();
  ASSERT_EQ(connect_extcmddriver_tohost("127.0.0.1"), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Connect to client to drive with commands completed.\n");
  EXPECT_EQ(Cmd_drive_extapp, 1);
  EXPECT_EQ(cmdrec("part: visible ON"), 0);  // forwarded, not kept here (recording off)
  EXPECT_GE(cmd_process("command: delay 2"), 0);
  EXPECT_EQ(Cmd_play_delay_time, 2);  // executed here as well
  EXPECT_EQ(connect_sendmesgto_client("command: frobnicate"), -1);
  int ch = Cmd_driver_sock;
  EXPECT_EQ(connect_disconnect_fromclient(ch), 1);
  EXPECT_EQ(Cmd_driver_sock, CMD_DRIVER_NO_LINK);
  EXPECT_EQ(Cmd_drive_extapp, -1);
  peer.join();
  ASSERT_EQ(peer.received.size(), 4u);
  EXPECT_EQ(peer.received[0], std::string("part: visible ON\0", 17));
  EXPECT_EQ(peer.received[1], std::string("command: delay 2\0", 17));
  EXPECT_EQ(peer.received[2], std::string("command: frobnicate\0", 20));
  EXPECT_EQ(peer.received[3], std::string("Close Command Driver\0", 21));
  // Ending a drive that does not exist sends and closes nothing.
  EXPECT_EQ(connect_disconnect_fromclient(ch), 0);
}

TEST_F(DriverLink, ClientWithoutTheGreetingIsRefused) {
  DrivenPeer peer;
  peer.greeting = "Hello Somebody Else";
  peer.start();
  Cmd_driver_port = peer.port;
  testing::internal::CaptureStderr();
  EXPECT_EQ(connect_extcmddriver_tohost("127.0.0.1"), -1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("ERROR: Could not get complete connection. Handshake failed."),
            std::string::npos)
      << err;
  EXPECT_EQ(Cmd_driver_sock, CMD_DRIVER_NO_LINK);
  EXPECT_EQ(Cmd_drive_extapp, -1);
  peer.join();
}

TEST_F(DriverLink, LostDrivenClientEndsTheLink) {
  DrivenPeer peer;  // greets, then closes without answering anything
  peer.start();
  Cmd_driver_port = peer.port;
  testing::internal::CaptureStdout();
  ASSERT_EQ(connect_extcmddriver_tohost("127.0.0.1"), 1);
  testing::internal::GetCapturedStdout();
  peer.join();
  testing::internal::CaptureStderr();
  EXPECT_EQ(connect_sendmesgto_client("command: delay 0"), -1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Lost connection with the driven client.\n"), std::string::npos) << err;
  EXPECT_EQ(Cmd_driver_sock, CMD_DRIVER_NO_LINK);
  EXPECT_EQ(Cmd_drive_extapp, -1);
}

}  // namespace
