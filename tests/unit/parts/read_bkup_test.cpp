// The "read_view" archive section: its length, a round trip through save
// and restore, the reset, the match records and refused counts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "data/data_read.h"
#include "data/pbuild.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "parts/read_bkup.h"
#include "view/viewer_services.h"

namespace {

class ReadView : public testing::Test {
 protected:
  void SetUp() override {
    read_bkup(nullptr, 4);
    fp_ = tmpfile();
    ASSERT_TRUE(fp_);
  }
  void TearDown() override {
    fclose(fp_);
    read_bkup(nullptr, 4);
  }
  long saved() {
    fflush(fp_);
    long size = ftell(fp_);
    rewind(fp_);
    return size;
  }
  static void set_matches(int n, const char *prefix) {
    free(Matcher_file);
    Matcher_file = static_cast<Matcher_file_rec *>(calloc((size_t)n, sizeof(Matcher_file_rec)));
    Matcher_file_count = n;
    for (int k = 0; k < n; k++) {
      Matcher_file[k].changed = k % 2;
      snprintf(Matcher_file[k].name, READ_BKUP_MATCH_NAME, "%s%d.match", prefix, k);
    }
  }
  FILE *fp_ = nullptr;
};

TEST_F(ReadView, EmptySectionRoundTrips) {
  Part_build_start[0] = 17;
  Part_max_ijk[1][3] = 9;
  Kperio[5] = 2;
  Pasper[2][0] = 45.0f;
  Constant_values[299] = 3.5f;
  topctmsav[13] = -2.0f;
  strcpy(Matcher_default_name, "default.match");
  View_centred = 1;
  Shared_border_removal = 0;
  ASSERT_EQ(read_bkup(fp_, 0), 1);
  EXPECT_EQ(saved(), READ_BKUP_EMPTY_BYTES);
  read_bkup(nullptr, 4);
  topctmsav[13] = 0.0f;
  Part_max_ijk[1][3] = 0;
  ASSERT_EQ(read_bkup(fp_, 2), 1);
  EXPECT_EQ(Part_build_start[0], 17);
  EXPECT_EQ(Part_max_ijk[1][3], 9);
  EXPECT_EQ(Kperio[5], 2);
  EXPECT_EQ(Pasper[2][0], 45.0f);
  EXPECT_EQ(Constant_values[299], 3.5f);
  EXPECT_EQ(topctmsav[13], -2.0f);
  EXPECT_STREQ(Matcher_default_name, "default.match");
  EXPECT_EQ(View_centred, 1);
  EXPECT_EQ(Shared_border_removal, 0);
  EXPECT_EQ(Matcher_file_count, 0);
}

// Per-case tables and three match records come back as they were; the
// tables and records held before the restore are freed (AddressSanitizer).
TEST_F(ReadView, CaseTablesAndMatchRecordsRestore) {
  Tot_num_quivane_parts[2] = 2;
  Pbuild[2] = static_cast<Pbuild_rec *>(calloc(2, sizeof(Pbuild_rec)));
  Pbuild[2][1].id = 8;
  strcpy(Pbuild[2][1].description, "wing");
  Pbuild[2][1].dims[14] = 3;
  Num_extpn_to_filepn[2] = 3;
  Extpn_to_filepn[2] = static_cast<int *>(calloc(3, sizeof(int)));
  Extpn_to_filepn[2][2] = 1;
  set_matches(3, "saved");
  ASSERT_EQ(read_bkup(fp_, 0), 1);
  EXPECT_EQ(saved(), READ_BKUP_EMPTY_BYTES + 3 * 4 + 2 * 152 + 3 * 260);
  set_matches(1, "held");
  Pbuild[2][1].id = 0;
  ASSERT_EQ(read_bkup(fp_, 2), 1);
  ASSERT_EQ(Matcher_file_count, 3);
  EXPECT_STREQ(Matcher_file[2].name, "saved2.match");
  EXPECT_EQ(Matcher_file[1].changed, 1);
  EXPECT_EQ(Pbuild[2][1].id, 8);
  EXPECT_STREQ(Pbuild[2][1].description, "wing");
  EXPECT_EQ(Pbuild[2][1].dims[14], 3);
  EXPECT_EQ(Extpn_to_filepn[2][2], 1);
  EXPECT_EQ(Num_extpn_to_filepn[2], 3);
}

TEST_F(ReadView, ResetKeepsTheSavedTransformationAndOtherCasesDimensions) {
  topctmsav[5] = 7.0f;
  for (int c = 0; c < MAX_CASES; c++) Part_max_ijk[2][c] = 20 + c;
  set_matches(2, "m");
  ASSERT_EQ(read_bkup(nullptr, 4), 1);
  EXPECT_EQ(topctmsav[5], 7.0f);
  EXPECT_EQ(Part_max_ijk[2][0], 1);
  for (int c = 1; c < MAX_CASES; c++) EXPECT_EQ(Part_max_ijk[2][c], 20 + c);
  EXPECT_EQ(Matcher_file, nullptr);
  EXPECT_EQ(Shared_border_removal, 1);
  EXPECT_EQ(Part_build_start[1], 1);
  EXPECT_EQ(read_bkup(nullptr, 1), 1);
  EXPECT_EQ(read_bkup(nullptr, 3), 1);
}

// A stored count below 0 or above 4999 is refused before anything changes.
TEST_F(ReadView, CountsOutsideTheTableAreRefused) {
  struct Row {
    int word, value;  // word of the int block
  } rows[] = {{116, 5000}, {116, -1}, {4 + 7 * 3 + 3, 5000}, {4 + 7 * 15 + 6, -3}};
  for (const Row &r : rows) {
    rewind(fp_);
    ASSERT_EQ(read_bkup(fp_, 0), 1);
    fseek(fp_, 4 + 4 * r.word, SEEK_SET);
    unsigned char be[4] = {(unsigned char)((unsigned)r.value >> 24),
                           (unsigned char)((unsigned)r.value >> 16),
                           (unsigned char)((unsigned)r.value >> 8), (unsigned char)r.value};
    fwrite(be, 1, 4, fp_);
    rewind(fp_);
    set_matches(1, "kept");
    EXPECT_EQ(read_bkup(fp_, 2), -1) << r.word;
    EXPECT_EQ(Matcher_file_count, 1) << r.word;
    rewind(fp_);
  }
}

}  // namespace
