// The remote shell a server start uses: the -rsh choice, else the default,
// else (the default missing) the first ssh on PATH.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "client/testcmd.h"
#include "harness.h"

namespace {

TEST(RemoteShell, SshOnPathStandsInForAMissingDefault) {
  qtest::TempDir bin("qssh");
  std::string ssh = bin.file("ssh");
  qtest::write_file(ssh, "#!/bin/sh\nexit 0\n");
  ASSERT_EQ(chmod(ssh.c_str(), 0755), 0);
  char shell[RSH_TEXT];
  std::string path = "/nonexistent:" + bin.path();
  remote_shell_for_path(shell, path.c_str());
  if (access("/usr/bsd/rsh", X_OK) == 0)
    EXPECT_STREQ(shell, "/usr/bsd/rsh");
  else
    EXPECT_EQ(std::string(shell), ssh);
  // A remote shell chosen with -rsh is used as it is, even when missing.
  char chosen[RSH_TEXT] = "/nonexistent/rsh";
  change_rsh(chosen, 1);
  remote_shell_for_path(shell, path.c_str());
  EXPECT_STREQ(shell, "/nonexistent/rsh");
}

}  // namespace
