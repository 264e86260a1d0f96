// A driver asks this process to play a command file that interrupts itself;
// the driver's line arrives through the link's input source in the Xt event
// loop, and while the file is paused the user's Step, Skip and Continue
// (timers of the same application context) run inside playback's own event
// wait. The driver gets its answer only once the file has ended.
#include <gtest/gtest.h>
#include <strings.h>
#include <sys/wait.h>
#include <unistd.h>

#include <Xm/Form.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "client/ccp.h"
#include "client/command_dlog.h"
#include "client/extdriver.h"
#include "driver_client.h"
#include "harness.h"
#include "ui/mainwin_state.h"
#include "xt_shell.h"

namespace {

std::vector<int> Counts;  // values of the "part: count N" lines that ran

int count_proc(const char *, const char *, const char *keyword, const char *params, int, int, int,
               const int *, int) {
  if (strcasecmp(keyword, "count") == 0) Counts.push_back(atoi(params));
  return 1;
}

void no_refresh(int cat_index) { Cmds_cat[cat_index].refresh_needed = 0; }

TEST(DriverPlayback, PausedFileStepsSkipsAndContinuesUnderTheEventLoop) {
  qtest::XtShell &s = qtest::xt_shell();
  ASSERT_TRUE(s.ok);
  Widget saved_dialog = Command_dialog;
  Command_dialog = XmCreateFormDialog(s.shell, const_cast<char *>("CmdDialog"), nullptr, 0);
  Cmd_category_rec saved_part = Cmds_cat[CMD_CAT_PART];
  Cmds_cat[CMD_CAT_PART].proc = count_proc;
  Cmds_cat[CMD_CAT_PART].refresh = no_refresh;
  int saved_recrdr = Recrdr;
  Recrdr = 0;
  Cmd_play_delay_time = 0;
  Counts.clear();

  qtest::TempDir dir("drvpause");
  std::string file = dir.file("paused.cmd");
  qtest::write_file(file,
                    "VERSION 7.1\npart: count 1\ninterrupt:\npart: count 2\npart: count 3\n"
                    "part: count 4\npart: count 5\n");

  Cmd_driver_port = qtest::free_tcp_port();
  int p[2];
  ASSERT_EQ(pipe(p), 0);
  fflush(nullptr);
  pid_t pid = fork();
  if (pid == 0) {
    close(p[0]);
    qtest::DriverClient driver;
    std::string log = "<no link>";
    if (driver.connect(Cmd_driver_port)) {
      driver.greeting();
      log = driver.send("play: " + file, 20000);
      driver.send_only("Close Command Driver");
      driver.closed_by_peer(5000);
    }
    ssize_t ignored = write(p[1], log.data(), log.size());
    (void)ignored;
    _exit(0);
  }
  close(p[1]);

  testing::internal::CaptureStdout();
  ASSERT_EQ(connect_to_extcmddriver(), 1);
  testing::internal::GetCapturedStdout();
  EXPECT_NE(Cmd_driver_inputid, 0u);

  // What had run at each press, and whether playback was paused then.
  std::vector<std::vector<int>> seen;
  std::vector<int> paused;
  auto look = [&] {
    seen.push_back(Counts);
    paused.push_back(Cmd_play_level == 1 && Cmd_play_continue_flag == 0);
  };
  qtest::xt_after(400, [&] {
    look();
    Cmd_play_step_flag = 1;  // Step
    qtest::xt_after(300, [&] {
      look();
      Cmd_play_skip_flag = Cmd_play_step_flag = 1;  // Skip
      qtest::xt_after(300, [&] {
        look();
        cmd_playcontinue();  // Continue
      });
    });
  });
  testing::internal::CaptureStderr();
  bool closed = qtest::xt_wait_for([] { return Cmd_driver_sock == CMD_DRIVER_NO_LINK; }, 20000);
  testing::internal::GetCapturedStderr();
  EXPECT_TRUE(closed);

  std::string log;
  char buf[64];
  ssize_t n;
  while ((n = read(p[0], buf, sizeof buf)) > 0) log.append(buf, (size_t)n);
  close(p[0]);
  waitpid(pid, nullptr, 0);

  EXPECT_EQ(log, "ok");
  EXPECT_EQ(seen, (std::vector<std::vector<int>>{{1}, {1, 2}, {1, 2}}));
  EXPECT_EQ(paused, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(Counts, (std::vector<int>{1, 2, 4, 5}));
  EXPECT_EQ(Cmd_play_level, 0);
  EXPECT_EQ(Cmd_driver_inputid, 0u);

  XtDestroyWidget(Command_dialog);
  Command_dialog = saved_dialog;
  Cmds_cat[CMD_CAT_PART] = saved_part;
  Recrdr = saved_recrdr;
}

}  // namespace
