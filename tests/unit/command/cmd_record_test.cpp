// The recorder: the session record file, the user record file, selections,
// attribute changes and part attribute groups, context files, and that a
// recorded line is never executed.
#include <gtest/gtest.h>
#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "command_fixture.h"
#include "harness.h"

using namespace cmdtest;

namespace {

std::vector<std::string> files_in(const std::string &dir) {
  std::vector<std::string> names;
  if (DIR *d = opendir(dir.c_str())) {
    while (dirent *e = readdir(d))
      if (e->d_name[0] != '.') names.push_back(e->d_name);
    closedir(d);
  }
  return names;
}

class Recorder : public RecordingTest {};

TEST_F(Recorder, SessionRecordIsAFreshPrivateFileStartingWithTheVersion) {
  Recrdr_backup = 1;
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmdrec("part: visible ON"), 1);
  EXPECT_EQ(cmdrec("# a comment is kept"), 1);
  std::string err = testing::internal::GetCapturedStderr();
  ASSERT_NE(Cmd_backupfilename, nullptr);
  std::string name = Cmd_backupfilename;
  EXPECT_EQ(err, "\nBackup file for this run of Quivane is " + name + ".\n");
  EXPECT_EQ(name.rfind(dir.path() + "/quivane_", 0), 0u) << name;
  EXPECT_EQ(qtest::read_file(name), "VERSION 7.10\npart: visible ON\n# a comment is kept\n");
  struct stat st;
  ASSERT_EQ(stat(name.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 077, 0u);  // nobody else can read or plant it
}

TEST_F(Recorder, SessionRecordOffWritesNoFile) {
  Recrdr_backup = 0;
  Recrdr = 0;
  EXPECT_EQ(cmdrec("part: visible ON"), 0);
  EXPECT_TRUE(files_in(dir.path()).empty());
  EXPECT_EQ(Cmd_backupfilename, nullptr);
}

TEST_F(Recorder, UnwritableTemporaryDirectorySwitchesTheSessionRecordOff) {
  setenv("TMPDIR", (dir.path() + "/missing").c_str(), 1);
  Recrdr_backup = 1;
  testing::internal::CaptureStderr();
  cmdrec("part: visible ON");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "cmd_record_to_file: Could not open the backup record file.\n");
  EXPECT_EQ(Recrdr_backup, 0);
  EXPECT_EQ(Recrdr, 0);
}

TEST_F(Recorder, SelectionsAreRecordedTenIdsToALine) {
  std::string path = start_user_record();
  std::vector<int> ids;
  for (int i = 1; i <= 25; i++) ids.push_back(i);
  cmd_rec_selbynum(CMD_CAT_PART, 25, ids.data());
  cmd_rec_selbynum(CMD_CAT_PART, 0, ids.data());
  int none = -1;
  cmd_rec_selbynum(CMD_CAT_FRAME, 1, &none);
  EXPECT_EQ(qtest::read_file(path),
            "VERSION 7.10\n"
            "part: select_begin\n"
            " 1 2 3 4 5 6 7 8 9 10\n"
            " 11 12 13 14 15 16 17 18 19 20\n"
            " 21 22 23 24 25\n"
            "part: select_end\n"
            "part: select_default\n"
            "frame: select_default\n");
}

TEST_F(Recorder, RecordedLinesAreNeverExecuted) {
  CategoryOverride part(CMD_CAT_PART);
  std::string path = start_user_record();
  cmdrec("part: visible ON");
  EXPECT_TRUE(Calls.empty());
  EXPECT_EQ(qtest::read_file(path), "VERSION 7.10\npart: visible ON\n");
}

TEST_F(Recorder, ChangedAttributesAreRecordedByTheirRows) {
  CategoryOverride part(CMD_CAT_PART);
  std::string path = start_user_record();
  // visible, opaqueness, (3 rows), long, colour r g b, count, shade, alt, shown
  float saved[12] = {0, 0.5f, 0, 0, 0, 0.1f, 0.2f, 0.3f, 4, 0, 0, 0};
  float newv[12] = {1, 0.5f, 0, 0, 0, 0.1f, 0.7f, 0.3f, 6.9f, 2, 0, 1};
  cmd_setrec_at(saved, newv, 12, CMD_CAT_PART, nullptr, 0);
  EXPECT_EQ(qtest::read_file(path),
            "VERSION 7.10\n"
            "part: visible ON\n"
            "part: colour 1.0000e-01 7.0000e-01 3.0000e-01\n"
            "part: count 6\n"
            "part: shade smooth\n"
            "part: shown\n");
  for (int i = 0; i < 12; i++) EXPECT_EQ(saved[i], newv[i]) << i;
  // Nothing changed: nothing recorded. Change flags record whatever the values.
  cmd_setrec_at(saved, newv, 12, CMD_CAT_PART, nullptr, 0);
  int flags[12] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  newv[0] = 0.5f;
  saved[0] = 0.5f;
  cmd_setrec_at(saved, newv, 12, CMD_CAT_PART, flags, 1);
  EXPECT_EQ(qtest::read_file(path).substr(qtest::read_file(path).rfind("part:")), "part: visible OFF\n");
}

TEST_F(Recorder, StringValueWithoutOptionIsNotRecorded) {
  CategoryOverride part(CMD_CAT_PART);
  std::string path = start_user_record();
  float saved[10] = {0}, newv[10] = {0};
  newv[ROW_SHADE] = 7;
  testing::internal::CaptureStderr();
  cmd_setrec_at(saved, newv, 10, CMD_CAT_PART, nullptr, 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "cmd_setrec_at: Could not find string param for command, ignored.\n");
  EXPECT_EQ(qtest::read_file(path), "VERSION 7.10\n");
}

TEST_F(Recorder, PartAttributeGroup) {
  CategoryOverride frame(CMD_CAT_FRAME);
  std::string path = start_user_record();
  float saved[8] = {0}, newv[8] = {0};
  int flags[8] = {0};
  newv[ROW_COLOUR2] = 1.0f;
  flags[ROW_COLOUR2] = 1;
  newv[ROW_OPAQUENESS] = 0.25f;  // not flagged: not recorded, not saved
  cmd_setrec_partatt(0, saved, newv, "old", "new", 8, CMD_CAT_FRAME, nullptr, flags, 0, 0, 1);
  cmd_setrec_partatt(0, saved, newv, "new", Stars, 8, CMD_CAT_FRAME, nullptr, flags, 0, 0, 0);
  EXPECT_EQ(qtest::read_file(path),
            "VERSION 7.10\n"
            "frame: modify_begin\n"
            "frame: description new\n"
            "frame: colour 0.0000e+00 0.0000e+00 1.0000e+00\n"
            "frame: modify_end\n"
            "frame: begin\n"
            "frame: colour 0.0000e+00 0.0000e+00 1.0000e+00\n"
            "frame: end\n");
  EXPECT_EQ(saved[ROW_COLOUR2], 1.0f);
  EXPECT_EQ(saved[ROW_OPAQUENESS], 0.0f);
  // Suppressed: nothing recorded, the saved copy still follows.
  newv[ROW_COLOUR2] = 2.0f;
  cmd_setrec_partatt(0, saved, newv, "new", "", 8, CMD_CAT_FRAME, nullptr, flags, 0, 1, 0);
  EXPECT_EQ(saved[ROW_COLOUR2], 2.0f);
  EXPECT_EQ(qtest::count_of(qtest::read_file(path), "\n"), 8);
}

TEST_F(Recorder, ContextFileTakesEveryLineAndPlayingOneWritesNothing) {
  std::string user = start_user_record();
  std::string ctx = dir.file("scene.ctx");
  FILE *fp = fopen(ctx.c_str(), "w");
  ASSERT_NE(fp, nullptr);
  Context_file = fp;
  cmdrec("part: visible ON");
  Context_file = nullptr;
  fclose(fp);
  EXPECT_EQ(qtest::read_file(ctx), "part: visible ON\n");
  EXPECT_EQ(qtest::read_file(user), "VERSION 7.10\n");

  Context_restore = 1;
  EXPECT_EQ(cmd_record_to_file("part: visible OFF"), 1);
  Context_restore = 0;
  EXPECT_EQ(qtest::read_file(user), "VERSION 7.10\n");
}

TEST_F(Recorder, UserRecordFileOpensAndCloses) {
  std::string path = start_user_record();
  EXPECT_EQ(Recrdr_user, 1);
  EXPECT_EQ(std::string(Cmd_recordfilename), path);
  cmd_record_off();
  EXPECT_EQ(Recrdr_user, 0);
  EXPECT_EQ(Recrdr, 0);  // the session record is off in these tests
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_recordto((dir.path() + "/no/such/dir/x.rec").c_str()), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ERROR: Could not open the command file to record.\n");
  EXPECT_EQ(Recrdr_user, 0);
}

}  // namespace
