// The server start command lines. The remote line is run for real through
// /bin/sh with the stand-in remote shell, so the test sees the words the
// remote shell and the server receive, whatever the texts hold.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "connect_fixture.h"

using contest::ConnectTest;

TEST_F(ConnectTest, RemoteLineQuotesEveryWord) {
  qtest::TempDir t("conline");
  std::string odd = t.file("it's a dir $(x)");
  ASSERT_EQ(mkdir(odd.c_str(), 0700), 0);
  std::string bin = t.file("bin dir");
  ASSERT_EQ(mkdir(bin.c_str(), 0700), 0);
  std::string exec = bin + "/args";
  qtest::write_file(exec, "#!/bin/sh\npwd\nprintf '<%s>\\n' \"$@\"\n");
  chmod(exec.c_str(), 0700);
  std::string rsh = qtest::source_home() + "/bin/qrsh-local";
  std::string log = t.file("rsh.log");

  struct Case {
    const char *name;
    int port, token, dbg;
    const char *login;
    std::string words;  // what the server program receives
  } cases[] = {
      {"default port: no ports word", CON_DEFAULT_PORT, -1, 0, "", "<-c>\n<my'host>\n"},
      {"other port, security, reader debugging", 2000, 42, 1, "o'neil",
       "<-c>\n<my'host>\n<-ports>\n<2000>\n<-security>\n<42>\n<-readerdbg>\n"},
  };
  for (const Case &c : cases) {
    Server_port = c.port;
    Security_token = c.token;
    Reader_dbg = c.dbg;
    snprintf(Con_mach[1], CON_TEXT, "far 'machine'");
    snprintf(Con_exec[1], CON_TEXT, "%s", exec.c_str());
    snprintf(Con_work[1], CON_TEXT, "%s", odd.c_str());
    snprintf(Con_loginid[1], CON_TEXT, "%s", c.login);
    char line[4096];
    ASSERT_GT(connect_remote_command(1, rsh.c_str(), "my'host", line, sizeof line), 0) << c.name;
    EXPECT_EQ(std::string(line).find("-ports") != std::string::npos, c.port != CON_DEFAULT_PORT)
        << c.name;
    unlink(log.c_str());
    qtest::RunOptions o;
    o.env["QRSH_LOG"] = log;
    auto r = qtest::run_program({"/bin/sh", "-c", line}, o);
    EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
    EXPECT_EQ(r.out, odd + "\n" + c.words) << c.name << "\n" << line;
    std::string rsh_words = qtest::read_file(log);
    std::string expect_head =
        std::string("far 'machine'\n") + (*c.login ? std::string("-l\n") + c.login + "\n" : "");
    EXPECT_EQ(rsh_words.rfind(expect_head, 0), 0u) << c.name << ": " << rsh_words;
  }
  EXPECT_EQ(connect_remote_command(1, rsh.c_str(), "h", nullptr, 0), -1);
}

TEST_F(ConnectTest, LocalLineCarriesTheOptionWords) {
  struct Case {
    int token, dbg;
    const char *exec;
    const char *line;
  } cases[] = {
      {-1, 0, "srv", "srv -pipe /t/a /t/b"},
      {42, 0, "srv", "srv -security 42 -pipe /t/a /t/b"},
      {42, 1, "", "quivane7.server -security 42 -readerdbg -pipe /t/a /t/b"},
      {-1, 1, "srv -log /t/l", "srv -log /t/l -readerdbg -pipe /t/a /t/b"},
  };
  for (const auto &c : cases) {
    Security_token = c.token;
    Reader_dbg = c.dbg;
    snprintf(Con_exec[2], CON_TEXT, "%s", c.exec);
    char line[512];
    ASSERT_GT(connect_local_command(2, "/t/a", "/t/b", line, sizeof line), 0);
    EXPECT_STREQ(line, c.line);
  }
  char tiny[8];
  EXPECT_EQ(connect_local_command(2, "/t/a", "/t/b", tiny, sizeof tiny), -1);
}
