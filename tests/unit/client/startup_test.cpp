// Start-up helpers: the installation directory, the first-expose tasks and
// the fatal-signal handling.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "client/ccp.h"
#include "client/conect.h"
#include "client/extdriver.h"
#include "client/globals.h"
#include "client/startup.h"
#include "data/data_dlog.h"
#include "harness.h"
#include "state/backup.h"

namespace {

// Sets HOME for the life of the object.
class HomeAt {
 public:
  explicit HomeAt(const std::string &dir) {
    const char *old = getenv("HOME");
    had_ = old != nullptr;
    if (had_) old_ = old;
    setenv("HOME", dir.c_str(), 1);
  }
  ~HomeAt() {
    if (had_)
      setenv("HOME", old_.c_str(), 1);
    else
      unsetenv("HOME");
  }

 private:
  bool had_ = false;
  std::string old_;
};

TEST(InstallationDirectory, FromTheEnvironmentValue) {
  qtest::TempDir home("qhome");
  HomeAt at(home.path());
  struct Case {
    const char *value;
    std::string directory;
    std::string message;
  } cases[] = {
      {nullptr, "/usr/local/bin/quivane70", "getenv(QUIVANE7_HOME) returned NULL\r\n"},
      {" /opt/q", "/usr/local/bin/quivane70", "getenv(QUIVANE7_HOME) returned NULL\r\n"},
      {"", "", "getenv(QUIVANE7_HOME) returned []\r\n"},
      {"/opt/q", "/opt/q", "getenv(QUIVANE7_HOME) returned [/opt/q]\r\n"},
      {"~/inst", home.path() + "/inst", "getenv(QUIVANE7_HOME) returned [~/inst]\r\n"},
      {"~no_such_user_q7/x", "", "getenv(QUIVANE7_HOME) returned [~no_such_user_q7/x]\r\n"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.value ? c.value : "(unset)");
    snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "stale");
    testing::internal::CaptureStderr();
    main_set_installation_directory(c.value);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
    EXPECT_EQ(std::string(Quivane_home_directory), c.directory);
  }
}

TEST(InstallationDirectory, TooLongExpansionLeavesItEmpty) {
  std::string value = "/" + std::string(253, 'd');  // 254 characters: one too many
  testing::internal::CaptureStderr();
  main_set_installation_directory(value.c_str());
  testing::internal::GetCapturedStderr();
  EXPECT_STREQ(Quivane_home_directory, "");
  value.pop_back();
  testing::internal::CaptureStderr();
  main_set_installation_directory(value.c_str());
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::string(Quivane_home_directory), value);
}

class CommandLineTasks : public testing::Test {
 protected:
  void SetUp() override {
    globals_init(1);
    Cmd_line_play = Cmd_line_filespecified = 0;
    Online[1] = 0;
    qtest::write_file(play_.file("start.cmd"), "VERSION 7.1\n");
  }
  void TearDown() override { globals_init(1); }
  // Runs the tasks and returns what they printed on standard error.
  std::string run() {
    testing::internal::CaptureStderr();
    main_execute_commandlinetasks();
    return testing::internal::GetCapturedStderr();
  }
  void play(const std::string &name) {
    Cmd_line_play = 1;
    snprintf(Cmd_line_playfile, sizeof Cmd_line_playfile, "%s", play_.file(name).c_str());
  }
  qtest::TempDir play_{"qplay"};
};

TEST_F(CommandLineTasks, ArchiveRestoreReplacesTheConnectionAndItsFailureCancelsPlayback) {
  Connect_server = 1;
  Restore_archiveauto = 1;
  snprintf(Bkup_autorestore_name, sizeof Bkup_autorestore_name, "full.arch");
  play("start.cmd");
  std::string err = run();
  EXPECT_EQ(Connect_server, 1) << "no automatic connection while an archive is restored";
  EXPECT_EQ(Online[1], 0);
  EXPECT_EQ(Restore_archiveauto, 0);
  EXPECT_NE(err.find("ERROR: Must be connected to the server to do backups."), std::string::npos);
  EXPECT_EQ(Cmd_line_play, 0);
  EXPECT_EQ(err.find("start.cmd"), std::string::npos) << err;
}

TEST_F(CommandLineTasks, FailedConnectionCancelsPlayback) {
  Connect_server = 1;
  play("start.cmd");
  std::string err = run();
  EXPECT_EQ(Connect_server, 0);
  EXPECT_EQ(Online[1], 0);
  EXPECT_EQ(Connected_server_once, 0);
  EXPECT_EQ(err.find("start.cmd"), std::string::npos) << err;
}

TEST_F(CommandLineTasks, FailedCaseLoadCancelsPlaybackAndClearsTheChangedFlags) {
  Cmd_line_filespecified = 1;
  int geom = 1, result = 1, measured = 1;
  datachange_flags(&geom, &result, &measured, 1);
  play("start.cmd");
  std::string err = run();
  EXPECT_EQ(Cmd_line_filespecified, 0);
  EXPECT_EQ(Cmd_line_play, 0);
  EXPECT_EQ(err.find("start.cmd"), std::string::npos) << err;
  datachange_flags(&geom, &result, &measured, 0);
  EXPECT_EQ(geom + result + measured, 0);
}

TEST_F(CommandLineTasks, UnreadablePlayFileIsReported) {
  play("missing.cmd");
  std::string err = run();
  EXPECT_EQ(Cmd_line_play, 0);
  EXPECT_EQ(err, "ERROR: File '" + play_.file("missing.cmd") + "' cannot be read.\n");
}

TEST_F(CommandLineTasks, FailedDriverConnectionEndsTheRun) {
  Cmd_external_driver = 1;
  // No driver comes: a time-out of 0 makes the wait for it give up at once.
  EXPECT_EXIT(
      {
        ccsettimeout(0);
        main_execute_commandlinetasks();
      },
      testing::ExitedWithCode(0),
              "Could not start the external driver's connection\\. Exiting\\.\\.\\.");
  Cmd_external_driver = 0;
}

TEST(FatalSignals, BrokenPipeIsIgnoredAndAFatalSignalExitsWithStatus1) {
  EXPECT_EXIT(
      {
        setup_signal_processing();
        int fds[2];
        if (pipe(fds) != 0) _exit(5);
        close(fds[0]);
        // Without the handler change SIGPIPE would kill the process here.
        if (write(fds[1], "x", 1) != -1 || errno != EPIPE) _exit(6);
        raise(SIGINT);
        _exit(7);
      },
      testing::ExitedWithCode(1),
      "\\*{65}\n\\*\\*\\*Exiting because signal 2 was received\\.  +\\*\\*\\*\n"
      "\\*\\*\\*Please make sure the server is not still running\\.  If it   \\*\\*\\*\n"
      "\\*\\*\\*is, then you should enter the command 'kill -9 <pid>'\\.     \\*\\*\\*\n"
      "\\*{65}\n");
}

TEST(FatalSignals, FaultSignalsTakeTheSamePath) {
  for (int signo : {SIGSEGV, SIGFPE, SIGABRT, SIGQUIT}) {
    EXPECT_EXIT(
        {
          setup_signal_processing();
          raise(signo);
          _exit(7);
        },
        testing::ExitedWithCode(1),
        "Exiting because signal " + std::to_string(signo) + " was received");
  }
}

}  // namespace
