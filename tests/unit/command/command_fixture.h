// Shared pieces of the command language tests: a test category installed in
// place of a row of Cmds_cat (restored afterwards) whose processors record
// every call, and a clean recording state writing into a private directory.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "harness.h"

namespace cmdtest {

struct Call {
  std::string line, category, keyword, params;
  int cat = 0, row = 0, id = 0;
  bool alternate = false;
  std::vector<int> ids;
};

extern std::vector<Call> Calls;
extern int Proc_result;
extern int Refresh_count;

extern const Cmd_keyword_rec Test_keywords[];
enum {
  ROW_VISIBLE = 0,     // n
  ROW_OPAQUENESS,      // f
  ROW_SELECT_BEGIN,    // b
  ROW_SELECT_END,      // e
  ROW_LONG23,          // z, a keyword of 23 characters
  ROW_COLOUR,          // f x3, then "1" and "2"
  ROW_COLOUR1,
  ROW_COLOUR2,
  ROW_COUNT,           // d
  ROW_SHADE,           // s with options
  ROW_ALT,             // z in slot 1
  ROW_SHOWN,           // o
};

int test_proc(CMD_PROC_PARAMS);
int test_alt_proc(CMD_PROC_PARAMS);
void test_refresh(int cat_index);

// Puts the test processors and keyword table into Cmds_cat[cat] for the
// lifetime of the object.
class CategoryOverride {
 public:
  explicit CategoryOverride(int cat, const char *name = nullptr);
  ~CategoryOverride();

 private:
  int cat_;
  Cmd_category_rec saved_;
};

// Recording into files of a private directory; restores the globals after.
class RecordingTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Opens a user record file and returns its path.
  std::string start_user_record();
  qtest::TempDir dir{"cmdrec"};
  std::string old_tmpdir_;
  bool had_tmpdir_ = false;
};

// Closes and forgets the session and user record files.
void reset_recording();

}  // namespace cmdtest
