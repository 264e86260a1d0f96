// Local process start and the creating side of a pipe channel: command-line
// splitting, fork/exec, FIFOs made in a private directory and removed on
// close, and bounded waits for a started program that misbehaves.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "client/ccp.h"
#include "client/npipe.h"
#include "harness.h"
#include "peer.h"

static bool exists(const std::string &path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

static std::string parent_of(const std::string &path) { return path.substr(0, path.rfind('/')); }

TEST(NpSplit, RunsOfBlanksSeparateWords) {
  struct {
    const char *line;
    std::vector<std::string> words;
  } cases[] = {
      {"srv -pipe a b", {"srv", "-pipe", "a", "b"}},
      {"srv  -pipe a b", {"srv", "-pipe", "a", "b"}},
      {"srv -x  -y", {"srv", "-x", "-y"}},
      {"my-srv -pipe a b", {"my-srv", "-pipe", "a", "b"}},
      {" srv\t a ", {"srv", "a"}},
      {"srv", {"srv"}},
      {"   ", {}},
  };
  for (const auto &c : cases) {
    std::vector<std::string> words;
    EXPECT_EQ(npsplit(c.line, &words), (int)c.words.size()) << c.line;
    EXPECT_EQ(words, c.words) << c.line;
  }
  std::string many = "p";
  for (int i = 0; i < NP_MAX_ARGS; i++) many += " x";
  std::vector<std::string> words;
  testing::internal::CaptureStderr();
  EXPECT_EQ(npsplit(many.c_str(), &words), -1);
  testing::internal::GetCapturedStderr();
}

TEST(NpFork, RunsTheProgramWithItsArguments) {
  qtest::TempDir dir;
  std::string script = dir.file("my-args.sh");
  qtest::write_file(script, "#!/bin/sh\nprintf '[%s]' \"$@\" > \"$1.out\"\n");
  chmod(script.c_str(), 0755);
  std::string line = script + "  " + dir.file("x") + " -pipe  a b ";
  int pid = npfork(line.c_str(), 0, 0, 0);
  ASSERT_GT(pid, 0);
  int status = -1;
  waitpid(pid, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(qtest::read_file(dir.file("x.out")), "[" + dir.file("x") + "][-pipe][a][b]");

  pid = npfork("/nonexistent/quivane-srv -pipe a b", 0, 0, 0);
  ASSERT_GT(pid, 0);
  waitpid(pid, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 255);
}

TEST(NpOpen, BadModeIsRefused) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(npopen("/tmp/none", 3, 1, 0, -1), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "np_open: Bad mode.\n");
}

// Starts a fake server script on a fresh pipe pair and opens the creating
// side; returns ccstrt's result, the channel in *ch and the names in p1/p2.
static int start_fake(const qtest::TempDir &dir, const std::string &body, int *pid, int *ch,
                      std::string *p1, std::string *p2) {
  char n1[1024], n2[1024];
  if (npmknames(n1, n2, sizeof n1) != 0) return -2;
  *p1 = n1;
  *p2 = n2;
  std::string script = dir.file("fake.sh");
  qtest::write_file(script, "#!/bin/sh\n" + body);
  chmod(script.c_str(), 0755);
  *pid = npfork((script + " " + n1 + " " + n2).c_str(), 0, 0, 0);
  return ccstrt(0, nullptr, *pid, ch, 1, n1, n2);
}

TEST(PipeCreatingSide, ServerThatDiesBeforeOpeningIsNoticed) {
  qtest::TempDir dir;
  int pid, ch = -1;
  std::string p1, p2;
  auto t0 = std::chrono::steady_clock::now();
  testing::internal::CaptureStderr();
  int rc = start_fake(dir, "exit 3\n", &pid, &ch, &p1, &p2);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(rc, -1);
  EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
  EXPECT_EQ(err, "npopen: The process at the other end of " + p2 +
                     " has ended.\n(pccstrt) Error opening send pipe.\n");
  EXPECT_FALSE(exists(p1));
  EXPECT_FALSE(exists(p2));
  EXPECT_FALSE(exists(parent_of(p1)));
}

TEST(PipeCreatingSide, GreetingProblemsCloseTheChannelAndRemoveTheFifos) {
  struct {
    const char *name;
    const char *body;  // $1 is the FIFO the fake writes, $2 the one it reads
    const char *message;
  } cases[] = {
      {"wrong first byte", "exec 3<\"$2\" 4>\"$1\"\nprintf '\\000\\000\\000\\002xy' >&4\nexec sleep 10\n",
       "pccacpt: Greeting refused: it does not begin with \"q\"."},
      {"greeting too long", "exec 3<\"$2\" 4>\"$1\"\nprintf '\\000\\000\\000\\015qqqqqqqqqqqqq' >&4\nexec sleep 10\n",
       "do not fit"},
      {"never greets", "exec 3<\"$2\" 4>\"$1\"\nexec sleep 10\n", "pccacpt: No greeting within 6 seconds."},
      {"dies before greeting", "exec 3<\"$2\" 4>\"$1\"\nsleep 2\nkill -9 $$\n", "ccp: Connection broken."},
      {"ends without opening its end", "exec 3<\"$2\"\nsleep 2\n",
       "pccacpt: The server ended before it greeted."},
  };
  // The fakes that end wait 2 s first, so that the opening of their FIFOs
  // has happened even on a loaded machine.
  for (const auto &c : cases) {
    qtest::TempDir dir;
    int pid, ch = -1;
    std::string p1, p2;
    ASSERT_EQ(start_fake(dir, c.body, &pid, &ch, &p1, &p2), 0) << c.name;
    EXPECT_TRUE(exists(p1));
    EXPECT_EQ(Sockt_tbl[ch].pipe_num, pid);
    // The time-out leaves the fakes ample time to act even on a loaded machine.
    auto t = qtest::ccp_accept_within(ch, 6);
    EXPECT_EQ(t.rc, -1) << c.name;
    EXPECT_EQ(t.out, -1) << c.name;
    EXPECT_LT(t.seconds, 30) << c.name;  // the wait ended: no hang past the time-out
    EXPECT_NE(t.err.find(c.message), std::string::npos) << c.name << ": " << t.err;
    EXPECT_EQ(ccpgfd(ch), -1) << c.name;
    EXPECT_FALSE(exists(p1)) << c.name;
    EXPECT_FALSE(exists(p2)) << c.name;
    EXPECT_FALSE(exists(parent_of(p1))) << c.name;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
}

TEST(PipeOpeningSide, LeavesFifosItDidNotMake) {
  qtest::TempDir dir;
  std::string p1 = dir.file("Quiv_npipe1"), p2 = dir.file("Quiv_npipe2");
  mkfifo(p1.c_str(), 0700);
  mkfifo(p2.c_str(), 0700);
  int ch = -1;
  ccsettimeout(1);
  testing::internal::CaptureStderr();
  int rc = ccstrt(1, nullptr, 0, &ch, 1, p1.c_str(), p2.c_str());  // nobody at the other end
  std::string err = testing::internal::GetCapturedStderr();
  ccsettimeout(60);
  EXPECT_EQ(rc, -1);
  EXPECT_NE(err.find("(pccstrt) Error opening the communication pipes."), std::string::npos);
  EXPECT_TRUE(exists(p1));
  EXPECT_TRUE(exists(p2));
}
