// A server start that fails says why: "-c nosuchhost.invalid" with no
// remote shell on this machine (the default /usr/bsd/rsh is missing and no
// ssh is on PATH).  The client runs in this process with the real main
// window; its first expose makes the start, as the program does.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <Xm/Label.h>
#include <Xm/Text.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "client/testcmd.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/message_window.h"
#include "ui/textc_windep.h"
#include "xm_lists.h"

namespace {

std::string message_window_text() {
  char *t = Main_textport ? XmTextGetString(Main_textport) : nullptr;
  std::string text = t ? t : "";
  XtFree(t);
  return text;
}

TEST(StartFailure, TheCauseReachesTheMessageWindowAtErrorSeverity) {
  if (access("/usr/bsd/rsh", X_OK) == 0) GTEST_SKIP() << "this machine has /usr/bsd/rsh";
  // PATH holds only the X server the harness starts: no ssh to fall back on.
  qtest::TempDir bin("qnossh");
  std::string xvfb;
  for (const char *dir : {"/usr/bin", "/usr/local/bin", "/bin"})
    if (access((std::string(dir) + "/Xvfb").c_str(), X_OK) == 0) {
      xvfb = std::string(dir) + "/Xvfb";
      break;
    }
  ASSERT_FALSE(xvfb.empty());
  ASSERT_EQ(symlink(xvfb.c_str(), bin.file("Xvfb").c_str()), 0);
  setenv("PATH", bin.path().c_str(), 1);
  char shell[RSH_TEXT];
  remote_shell_in_use(shell);
  ASSERT_STREQ(shell, "/usr/bsd/rsh");

  ASSERT_TRUE(qtest::inproc_main_window(1024, 768, {"-c", "nosuchhost.invalid"}));
  // The first expose starts the server; the error box tells the end of it.
  ASSERT_TRUE(qtest::inproc_wait_for(
      [] { return Err_dialog && XtIsManaged(Err_dialog); }, 20000));

  std::string lines = message_window_text();
  EXPECT_NE(lines.find("ERROR: sh: "), std::string::npos) << lines;
  EXPECT_NE(lines.find("/usr/bsd/rsh"), std::string::npos) << lines;
  EXPECT_NE(lines.find("ERROR: The started server ended before it connected."),
            std::string::npos)
      << lines;
  EXPECT_EQ(Main_info_curlevel, 3);
  Pixel info = 0;
  XtVaGetValues(Main_info_button, XmNbackground, &info, nullptr);
  EXPECT_EQ(info, Red.pixel);
  EXPECT_TRUE(Main_message_dialog && XtIsManaged(Main_message_dialog));

  // The box: its own text first, then the causes.
  std::string box = qtest::xm_label_text(Disperr_errlabel);
  EXPECT_EQ(box.rfind("ERROR: Error starting up the Quivane server.\n", 0), 0u) << box;
  EXPECT_NE(box.find("/usr/bsd/rsh"), std::string::npos) << box;
  EXPECT_NE(box.find("The started server ended before it connected."), std::string::npos) << box;
}

}  // namespace
