// The "command interface" archive section: its layout, and the session
// record copy written back out as "<record>.restore".
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "client/command_dlog.h"
#include "command_fixture.h"
#include "harness.h"
#include "state/bkup_section.h"

using namespace cmdtest;

namespace {

class CommandArchive : public RecordingTest {
 protected:
  void TearDown() override {
    Cmd_play_delay_time = 0;
    Cmd_macropath[0] = '\0';
    RecordingTest::TearDown();
  }
  // Restores the section from fp (then closed), capturing both streams.
  static int restore(FILE *fp, std::string *out, std::string *err) {
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    int r = command_bkup(fp, BKUP_RESTORE);
    *out = testing::internal::GetCapturedStdout();
    *err = testing::internal::GetCapturedStderr();
    fclose(fp);
    return r;
  }
  static unsigned be32(const std::string &b, size_t at) {
    return (unsigned char)b[at] << 24 | (unsigned char)b[at + 1] << 16 |
           (unsigned char)b[at + 2] << 8 | (unsigned char)b[at + 3];
  }
};

TEST_F(CommandArchive, SaveThenRestoreWritesTheRecordBack) {
  Recrdr_backup = 1;
  testing::internal::CaptureStderr();
  cmdrec("part: visible ON");
  cmdrec("command: delay 3");
  testing::internal::GetCapturedStderr();
  std::string user = start_user_record();
  snprintf(Cmd_macropath, sizeof Cmd_macropath, "%s", "/macros");
  Cmd_play_delay_time = 3;
  std::string record = Cmd_backupfilename;
  std::string record_bytes = qtest::read_file(record);

  std::string archive = dir.file("archive");
  FILE *fp = fopen(archive.c_str(), "w+b");
  ASSERT_NE(fp, nullptr);
  ASSERT_EQ(command_bkup(fp, BKUP_SAVE), 1);
  fflush(fp);
  std::string bytes = qtest::read_file(archive);
  ASSERT_EQ(bytes.size(), 4 + 765 + 4 + 4 + record_bytes.size());
  EXPECT_EQ(be32(bytes, 0), 0x40e00000u);  // 7.0f
  EXPECT_EQ(std::string(bytes.c_str() + 4), user);
  EXPECT_EQ(std::string(bytes.c_str() + 4 + 254), record);
  EXPECT_EQ(std::string(bytes.c_str() + 4 + 254 + 255), "/macros");
  EXPECT_EQ(be32(bytes, 769), 3u);
  EXPECT_EQ(be32(bytes, 773), record_bytes.size());

  Cmd_play_delay_time = 0;
  rewind(fp);
  std::string out, err;
  EXPECT_EQ(restore(fp, &out, &err), 1);
  EXPECT_EQ(Cmd_play_delay_time, 3);
  EXPECT_EQ(qtest::read_file(record + ".restore"), record_bytes);
  EXPECT_EQ(out, "Command Backup file restored to:\n" + record + ".restore\n");
  EXPECT_EQ(err, "\nThe backup command file in use when you saved\n"
                 "this full backup archive was: " + record + "\n"
                 "This file will be restored to:" + record + ".restore\n"
                 "A recording was being saved to " + user + ".\n");
  unlink((record + ".restore").c_str());
}

TEST_F(CommandArchive, WithoutSessionRecordOnlyTheDelayComesBack) {
  Cmd_play_delay_time = 5;
  std::string archive = dir.file("archive");
  FILE *fp = fopen(archive.c_str(), "w+b");
  ASSERT_NE(fp, nullptr);
  ASSERT_EQ(command_bkup(fp, BKUP_SAVE), 1);
  EXPECT_EQ(command_bkup(fp, BKUP_RESET), 1);  // other modes do nothing
  fflush(fp);
  EXPECT_EQ(qtest::read_file(archive).size(), 4u + 765 + 4 + 4);
  Cmd_play_delay_time = 0;
  rewind(fp);
  EXPECT_EQ(command_bkup(fp, BKUP_RESTORE), 1);
  EXPECT_EQ(Cmd_play_delay_time, 5);
  fclose(fp);
  // A truncated section fails.
  qtest::write_file(archive, qtest::read_file(archive).substr(0, 100));
  fp = fopen(archive.c_str(), "rb");
  ASSERT_NE(fp, nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(command_bkup(fp, BKUP_RESTORE), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("command_bkup:", 0), 0u);
  fclose(fp);
}

TEST_F(CommandArchive, UnwritableRestoreNameFallsBackToAPrivateFile) {
  // A section naming a session record in a directory that does not exist.
  std::string section(4 + 765 + 4 + 4, '\0');
  const unsigned char version[4] = {0x40, 0xe0, 0, 0};
  memcpy(&section[0], version, 4);
  std::string gone = dir.path() + "/gone/quivane_abc";
  memcpy(&section[4 + 254], gone.data(), gone.size());
  section[4 + 765 + 4 + 3] = 6;
  section += "lines\n";
  std::string archive = dir.file("archive");
  qtest::write_file(archive, section);
  FILE *fp = fopen(archive.c_str(), "rb");
  ASSERT_NE(fp, nullptr);
  std::string out, err;
  EXPECT_EQ(restore(fp, &out, &err), 1);
  std::string prefix = "/tmp/quivanecommands" + std::to_string(getpid()) + "_";
  EXPECT_NE(err.find("Could not open '" + gone + ".restore' to restore the archived backup "
                     "record file.\nRestoring to " + prefix),
            std::string::npos)
      << err;
  size_t at = out.find(prefix);
  ASSERT_NE(at, std::string::npos) << out;
  std::string fallback = out.substr(at, out.find('\n', at) - at);
  EXPECT_EQ(qtest::read_file(fallback), "lines\n");
  unlink(fallback.c_str());
}

}  // namespace
