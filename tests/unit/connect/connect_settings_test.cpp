// Connection settings: the defaults file (reader, writer, -iwd), the Apply
// logic after the first connection, the "connect:" commands and the
// "connect interface" archive section.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "connect_fixture.h"

using contest::ConnectTest;

namespace {

struct Slot {
  std::string mach, exec, work, login;
};

Slot slot(int s) { return {Con_mach[s], Con_exec[s], Con_work[s], Con_loginid[s]}; }

bool operator==(const Slot &a, const Slot &b) {
  return a.mach == b.mach && a.exec == b.exec && a.work == b.work && a.login == b.login;
}
std::ostream &operator<<(std::ostream &o, const Slot &s) {
  return o << "{" << s.mach << "|" << s.exec << "|" << s.work << "|" << s.login << "}";
}

std::string block(const std::string &m, const std::string &e, const std::string &d,
                  const std::string &l) {
  return "server\nmachine " + m + "\nexecutable " + e + "\ndirectory " + d + "\nlogin_id " + l +
         "\n";
}

}  // namespace

// A value is the rest of its line (blanks inside kept, blanks at its ends
// dropped) up to its field's 254 characters; a longer value is refused with
// the file and line named: no value comes back cut without a word.
TEST_F(ConnectTest, DefaultsFileIsReadBlockByBlock) {
  std::string long_value(254, 'v'), too_long(255, 'w'), far_too_long(5000, 'x');
  std::string seventeen;
  for (int i = 1; i <= 17; i++)
    seventeen += block("m" + std::to_string(i), "e" + std::to_string(i), "d", "l");
  struct Case {
    const char *name;
    std::string text;
    Slot one, two;
    const char *message;  // on standard error, "" none
  } cases[] = {
      {"header only", "server\n", {}, {}, ""},
      {"two blocks, blank lines, a key without value, values with blanks",
       block("alpha", "/opt/srv", "/data/run", "") + "\n   \n" +
           "backend\nmachine   beta extra words  \t\nmachine gamma\nexecutable e2 -readerdbg\r\n"
           "directory\nlogin_id bob\n",
       {"alpha", "/opt/srv", "/data/run", ""},
       {"beta extra words", "e2 -readerdbg", "", "bob"},
       ""},
      {"a value of 254 characters is read whole",
       "server\nmachine " + long_value + "\nlogin_id x\n",
       {long_value, "", "", "x"},
       {},
       ""},
      {"longer values are refused, the file and line named",
       "server\nmachine m\nexecutable " + too_long + "\ndirectory " + far_too_long +
           "\nlogin_id " + too_long + "\n" + block("b", "y", "z", "w"),
       {"m", "", "", ""},
       {"b", "y", "z", "w"},
       "%F, line 3: the value of \"executable\" is longer than 254 characters; it is ignored.\n"
       "%F, line 4: the value of \"directory\" is longer than 254 characters; it is ignored.\n"
       "%F, line 5: the value of \"login_id\" is longer than 254 characters; it is ignored.\n"},
      {"a value holding a NUL byte is refused",
       std::string("server\nmachine m") + '\0' + "n\nlogin_id l\n",
       {"", "", "", "l"},
       {},
       "%F, line 2: the value of \"machine\" holds a NUL byte; it is ignored.\n"},
      {"a block without login_id swallows the next header",
       "server\nmachine a\nexecutable x\n" + block("b", "y", "z", "w"),
       {"a", "x", "", ""},
       {},
       "Incorrect quivane.connect.default file format.\n"},
      {"a bad header stops reading", "plotter\n" + block("b", "y", "z", "w"), {}, {},
       "Expected the name 'server' or 'plotter'.\nIncorrect quivane.connect.default file format.\n"},
      {"17 blocks: the first 16 stand, the rest is ignored", seventeen, {"m1", "e1", "d", "l"},
       {"m2", "e2", "d", "l"},
       "Too many server/cases in quivane.connect.default, ignoring rest of file.\n"},
  };
  for (const Case &c : cases) {
    contest::clear_slots();
    qtest::write_file(defaults_path(), c.text);
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_EQ(connect_get_default(), 1) << c.name;
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(slot(1), c.one) << c.name;
    EXPECT_EQ(slot(2), c.two) << c.name;
    std::string message = c.message;
    for (size_t at; (at = message.find("%F")) != std::string::npos;)
      message.replace(at, 2, defaults_path());
    EXPECT_EQ(err, message) << c.name;
    EXPECT_NE(out.find("Connection information read from:\n'" + defaults_path() + "'"),
              std::string::npos)
        << c.name << ": " << out;
  }
  EXPECT_EQ(slot(16), (Slot{"m16", "e16", "d", "l"}));  // left by the 17-block case
}

// The writer writes what the reader gives back, values with blanks
// included, and refuses (writing nothing) a value that would not read back.
TEST_F(ConnectTest, DefaultsFileReadsBackWhatItWrites) {
  const Slot written{"my host", "quivane7.server -readerdbg", "/data/my run dir",
                     std::string(254, 'l')};
  snprintf(Con_mach[0], CON_TEXT, "%s", written.mach.c_str());
  snprintf(Con_exec[0], CON_TEXT, "%s", written.exec.c_str());
  snprintf(Con_work[0], CON_TEXT, "%s", written.work.c_str());
  snprintf(Con_loginid[0], CON_TEXT, "%s", written.login.c_str());
  ASSERT_EQ(connect_write_default(), 1);
  std::string text = qtest::read_file(defaults_path());
  contest::clear_slots();
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_EQ(connect_get_default(), 1);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(slot(1), written);

  for (const char *bad : {" /lead", "/trail ", "/two\nlines", "/cr\r"}) {
    snprintf(Con_exec[0], CON_TEXT, "quivane7.server");
    snprintf(Con_work[0], CON_TEXT, "%s", bad);
    testing::internal::CaptureStderr();
    EXPECT_EQ(connect_write_default(), -1) << bad;
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(defaults_path() + " not written: its directory \"" + bad +
                       "\" would not read back"),
              std::string::npos)
        << err;
    EXPECT_EQ(qtest::read_file(defaults_path()), text) << bad;  // left as it was
  }
}

TEST_F(ConnectTest, NoDefaultsFileGivesMinusOne) {
  EXPECT_EQ(connect_get_default(), -1);
  User_home_directory[0] = '\0';
  EXPECT_EQ(connect_get_default(), -1);
}

TEST_F(ConnectTest, IgnoreWorkingDirOptionIsSeenBeforeTheFileIsRead) {
  qtest::write_file(defaults_path(), block("m", "e", "/data/run", "l"));
  const char *argv[] = {"quivane7", "-c", "host", "-iwd", nullptr};
  connect_prescan_args(4, const_cast<char **>(argv));
  EXPECT_EQ(Ignore_working_dir, 1);
  testing::internal::CaptureStdout();
  EXPECT_EQ(connect_get_default(), 1);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(slot(1), (Slot{"m", "e", "", "l"}));

  Ignore_working_dir = 0;
  const char *plain[] = {"quivane7", "-iwdx", nullptr};
  connect_prescan_args(2, const_cast<char **>(plain));
  EXPECT_EQ(Ignore_working_dir, 0);
}

// After the first connection, "Update Server Defaults" stores the typed
// values in slot 0 only, starts nothing, records the "default" lines and
// writes the values it applied into the defaults file, which reads back.
TEST_F(ConnectTest, UpdateServerDefaultsWritesTheAppliedSettings) {
  std::string rec = start_user_record();
  Connected_server_once = 1;
  Online[1] = 1;
  snprintf(Con_mach[1], CON_TEXT, "oldhost");
  snprintf(Con_exec[1], CON_TEXT, "old.server");
  Con_prog = 1;
  EXPECT_EQ(connect_apply_fields("newhost", "/opt/new.server", "/data/new", "ann", 0), 1);
  EXPECT_EQ(Con_prog, 0);
  EXPECT_EQ(slot(0), (Slot{"newhost", "/opt/new.server", "/data/new", "ann"}));
  EXPECT_EQ(slot(1), (Slot{"oldhost", "old.server", "", ""}));
  EXPECT_EQ(qtest::read_file(defaults_path()), block("newhost", "/opt/new.server", "/data/new", "ann"));
  EXPECT_EQ(qtest::read_file(rec),
            "VERSION 7.10\n"
            "connect: default\n"
            "connect: machine newhost\n"
            "connect: executable /opt/new.server\n"
            "connect: directory /data/new\n"
            "connect: login_id ann\n"
            "connect: type auto\n");

  // Empty fields: the default executable, and keys with nothing behind.
  EXPECT_EQ(connect_apply_fields("", "", "", "", 0), 1);
  EXPECT_EQ(qtest::read_file(defaults_path()),
            "server\nmachine \nexecutable quivane7.server\ndirectory \nlogin_id \n");

  contest::clear_slots();
  qtest::write_file(defaults_path(), block("newhost", "/opt/new.server", "/data/new", "ann"));
  testing::internal::CaptureStdout();
  EXPECT_EQ(connect_get_default(), 1);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(slot(1), (Slot{"newhost", "/opt/new.server", "/data/new", "ann"}));

  // A manual connection leaves the file alone.
  Connected_server_once = 1;
  EXPECT_EQ(connect_apply_fields("h", "x", "", "", 1), 1);
  EXPECT_EQ(Con_mode[0], 1);
  EXPECT_EQ(qtest::read_file(defaults_path()), block("newhost", "/opt/new.server", "/data/new", "ann"));
}

TEST_F(ConnectTest, DefaultsFileInTheCurrentDirectoryComesFirst) {
  qtest::TempDir cwd("concwd");
  char old[4096];
  ASSERT_NE(getcwd(old, sizeof old), nullptr);
  ASSERT_EQ(chdir(cwd.path().c_str()), 0);
  qtest::write_file(cwd.file(CON_DEFAULT_FILE), block("here", "e", "d", "l"));
  qtest::write_file(defaults_path(), block("home", "e", "d", "l"));
  testing::internal::CaptureStdout();
  int r = connect_get_default();
  testing::internal::GetCapturedStdout();
  Connected_server_once = 1;
  int w = connect_apply_fields("written", "e", "", "", 0);
  std::string here = qtest::read_file(cwd.file(CON_DEFAULT_FILE));
  ASSERT_EQ(chdir(old), 0);
  EXPECT_EQ(r, 1);
  EXPECT_EQ(Con_mach[1], std::string("here"));
  EXPECT_EQ(w, 1);
  EXPECT_EQ(here, block("written", "e", "", ""));
  EXPECT_EQ(qtest::read_file(defaults_path()), block("home", "e", "d", "l"));
}

TEST_F(ConnectTest, ConnectCommandsSetTheWorkingSlot) {
  struct Case {
    const char *line;
    int result;          // cmd_process: >= 0 category index, -1 failure
    const char *message; // on standard error, "" none
  } cases[] = {
      {"connect: machine host7", 1, ""},
      {"connect: executable /opt/q.server", 1, ""},
      {"connect: directory /data/run", 1, ""},
      {"connect: login_id carol", 1, ""},
      {"connect: type manual", 1, ""},
      {"connect: plotter", 1, ""},
      {"connect: directory ??Which directory?", 1, ""},   // no answer: empty
      {"connect: machine ??Which machine?", -1, "ERROR: No value entered.  Error processing commands.\n"},
      {"connect: type sideways", -1, "connect: type -> Incorrect parameter."},
      {"connect: frobnicate", -1, "ERROR: connect: Bad command for this category.\n"},
  };
  for (const Case &c : cases) {
    testing::internal::CaptureStderr();
    int r = cmd_process(c.line);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(r >= 0 ? 1 : -1, c.result) << c.line;
    if (*c.message)
      EXPECT_NE(err.find(c.message), std::string::npos) << c.line << ": " << err;
    else
      EXPECT_EQ(err, "") << c.line;
  }
  EXPECT_EQ(slot(1), (Slot{"host7", "/opt/q.server", "", "carol"}));
  EXPECT_EQ(Con_mode[1], 1);

  EXPECT_GE(cmd_process("connect: default"), 0);
  EXPECT_EQ(Con_prog, 0);
  EXPECT_GE(cmd_process("connect: type auto"), 0);
  EXPECT_GE(cmd_process("connect: machine zero"), 0);
  EXPECT_EQ(Con_mode[0], 0);
  EXPECT_EQ(Con_mach[0], std::string("zero"));
  EXPECT_GE(cmd_process("connect: backend"), 0);
  EXPECT_EQ(Con_prog, 1);

  Online[1] = 1;
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process("connect: connect"), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("ERROR: Connection already exists.\n"),
            std::string::npos);

  Case_num = 2;
  int cat = cmd_find_category("connect:");
  ASSERT_GE(cat, 0);
  Cmds_cat[cat].refresh_needed = 1;
  connect_ref(cat);
  EXPECT_EQ(Con_prog, 3);
  EXPECT_EQ(Cmds_cat[cat].refresh_needed, 0);
}

// The section is written field by field (17,868 bytes); a restore only
// reports the saved automatic connections and changes nothing.
TEST_F(ConnectTest, ArchiveSectionRoundTrip) {
  Case_cnt = 2;
  Case_info[0] = {1, "Case 1"};
  Case_info[1] = {1, "Wing"};
  Online[1] = Online[2] = Online[3] = 1;
  Con_mode[2] = 1;  // manual: not reported
  Con_mode[3] = 0;
  auto set = [](int s, const char *m, const char *e, const char *d, const char *l) {
    snprintf(Con_mach[s], CON_TEXT, "%s", m);
    snprintf(Con_exec[s], CON_TEXT, "%s", e);
    snprintf(Con_work[s], CON_TEXT, "%s", d);
    snprintf(Con_loginid[s], CON_TEXT, "%s", l);
  };
  set(1, "hostA", "/opt/a.server", "/runs/a", "alice");
  set(2, "hostB", "b.server", "", "");
  set(3, "hostC", "c.server", "/runs/c", "");

  std::string path = dir.file("connect.sec");
  FILE *fp = fopen(path.c_str(), "wb");
  ASSERT_NE(fp, nullptr);
  EXPECT_EQ(connect_bkup(fp, 0), 1);
  fclose(fp);
  std::string bytes = qtest::read_file(path);
  ASSERT_EQ(bytes.size(), (size_t)CON_BKUP_BYTES);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x40\xE0\x00\x00\x00\x00\x00\x02", 8));
  EXPECT_EQ(bytes.substr(8 + 24 + 4, 4), "Wing");                 // case record 1's name
  EXPECT_EQ(bytes.substr(8 + 384 + 4, 4), std::string("\0\0\0\1", 4));  // Online[1]
  EXPECT_EQ(bytes.substr(8 + 384 + 68 + 8, 4), std::string("\0\0\0\1", 4));  // Con_mode[2]
  size_t slot1 = 8 + 384 + 68 + 68 + 4 * CON_TEXT;
  EXPECT_EQ(bytes.substr(slot1, 6), std::string("hostA\0", 6));
  EXPECT_EQ(bytes.substr(slot1 + 3 * CON_TEXT, 6), std::string("alice\0", 6));

  // Reset, then restore: nothing of the running client changes.
  contest::clear_slots();
  Case_cnt = 1;
  fp = fopen(path.c_str(), "rb");
  ASSERT_NE(fp, nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(connect_bkup(fp, 2), 1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(ftell(fp), CON_BKUP_BYTES);
  fclose(fp);
  EXPECT_EQ(Case_cnt, 1);
  EXPECT_EQ(slot(1), Slot{});
  EXPECT_EQ(Online[1], 0);
  const std::string details =
      "Backup connection information indicates that the server\n"
      "connection was automatic with the following details:\n";
  EXPECT_EQ(err,
            "***\n***This backup restore info. is provided for informational purposes only.***\n***\n" +
                details +
                "Connection Machine: hostA\nConnection Executable: /opt/a.server\n"
                "Connection Working Directory: /runs/a\nConnection Login ID: alice\n\n" +
                details +
                "Connection Machine: hostC\nConnection Executable: c.server\n"
                "Connection Working Directory: /runs/c\nConnection Login ID: \n\n"
                "*********************************************************\n\n");

  // A short section fails; other modes do nothing.
  qtest::write_file(path, bytes.substr(0, CON_BKUP_BYTES - 1));
  fp = fopen(path.c_str(), "rb");
  testing::internal::CaptureStderr();
  EXPECT_EQ(connect_bkup(fp, 2), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("connect_bkup:", 0), 0u);
  EXPECT_EQ(connect_bkup(fp, 4), 1);
  fclose(fp);
}
