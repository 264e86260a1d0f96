#include "command_fixture.h"

#include <cstdio>
#include <cstdlib>

namespace cmdtest {

std::vector<Call> Calls;
int Proc_result = 1;
int Refresh_count = 0;

static const Cmd_option_rec Shade_options[] = {
    {"flat", 0}, {"gouraud", 1}, {"smooth", 2}, {"off", 0}, {"", -99}};

const Cmd_keyword_rec Test_keywords[] = {
    {"visible", 1, 'n', 0, 5, nullptr},
    {"opaqueness", 1, 'f', 0, 6, nullptr},
    {"select_begin", 0, 'b', 0, -99, nullptr},
    {"select_end", 0, 'e', 0, -99, nullptr},
    {"abcdefghijklmnopqrstuvw", 0, 'z', 0, 7, nullptr},
    {"colour", 3, 'f', 0, 8, nullptr},
    {"1", 3, 'f', 0, 8, nullptr},
    {"2", 3, 'f', 0, 8, nullptr},
    {"count", 1, 'd', 0, 9, nullptr},
    {"shade", 1, 's', 0, 10, Shade_options},
    {"alt", 0, 'z', 1, 11, nullptr},
    {"shown", 1, 'o', 0, 12, nullptr},
    CMD_KEYWORD_END,
};

static int record_call(bool alternate, const char *line, const char *category, const char *keyword,
                       const char *params, int cat_index, int kw_row, int cmd_id, const int *ids,
                       int nids) {
  Call c;
  c.line = line;
  c.category = category;
  c.keyword = keyword;
  c.params = params;
  c.cat = cat_index;
  c.row = kw_row;
  c.id = cmd_id;
  c.alternate = alternate;
  if (ids) c.ids.assign(ids, ids + nids);
  Calls.push_back(c);
  return Proc_result;
}

int test_proc(const char *line, const char *category, const char *keyword, const char *params,
              int cat_index, int kw_row, int cmd_id, const int *ids, int nids) {
  return record_call(false, line, category, keyword, params, cat_index, kw_row, cmd_id, ids, nids);
}

int test_alt_proc(const char *line, const char *category, const char *keyword, const char *params,
                  int cat_index, int kw_row, int cmd_id, const int *ids, int nids) {
  return record_call(true, line, category, keyword, params, cat_index, kw_row, cmd_id, ids, nids);
}

void test_refresh(int cat_index) {
  Refresh_count++;
  Cmds_cat[cat_index].refresh_needed = 0;
}

CategoryOverride::CategoryOverride(int cat, const char *name) : cat_(cat), saved_(Cmds_cat[cat]) {
  Cmds_cat[cat].proc = test_proc;
  Cmds_cat[cat].alt_proc = test_alt_proc;
  Cmds_cat[cat].refresh = test_refresh;
  Cmds_cat[cat].keywords = Test_keywords;
  if (name) Cmds_cat[cat].name = name;
  Calls.clear();
  Proc_result = 1;
  Refresh_count = 0;
}

CategoryOverride::~CategoryOverride() { Cmds_cat[cat_] = saved_; }

void reset_recording() {
  if (Cmd_backupfile) fclose(Cmd_backupfile);
  Cmd_backupfile = nullptr;
  free(Cmd_backupfilename);
  Cmd_backupfilename = nullptr;
  cmd_record_off();
  Cmd_recordfilename[0] = '\0';
  Context_file = nullptr;
  Context_restore = 0;
}

void RecordingTest::SetUp() {
  const char *t = getenv("TMPDIR");
  had_tmpdir_ = t != nullptr;
  if (t) old_tmpdir_ = t;
  setenv("TMPDIR", dir.path().c_str(), 1);
  reset_recording();
  Recrdr = 1;
  Recrdr_backup = 0;
}

void RecordingTest::TearDown() {
  reset_recording();
  Recrdr = 1;
  Recrdr_backup = 1;
  if (had_tmpdir_)
    setenv("TMPDIR", old_tmpdir_.c_str(), 1);
  else
    unsetenv("TMPDIR");
}

std::string RecordingTest::start_user_record() {
  std::string path = dir.file("user.rec");
  EXPECT_EQ(cmd_recordto(path.c_str()), 1);
  return path;
}

}  // namespace cmdtest
