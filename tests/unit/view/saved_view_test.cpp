// The saved-view file without a display: its layout, the frames a read
// creates, the older forms, a file cut short, files whose frame list or 2-D
// flags would corrupt the tables, and the "view_transf:" lines that save
// and restore it.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "harness.h"
#include "record_capture.h"
#include "test_parts.h"
#include "view/frames.h"
#include "view/saved_view.h"
#include "view/transf_editor.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

using vptest::frame_defaults;

int word_at(const std::string &b, size_t at) {
  const unsigned char *p = (const unsigned char *)b.data() + at;
  return (int)((uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3]);
}
void put_word(std::string *b, int v) {
  for (int i = 0; i < 4; i++) b->push_back((char)((uint32_t)v >> (24 - 8 * i)));
}
void put_float(std::string *b, float f) {
  int v;
  memcpy(&v, &f, 4);
  put_word(b, v);
}

// A viewport block of the old form (296 bytes): identity matrices but a
// translation by tx, the viewer from intvew's start looking along -z.
std::string old_block(float tx) {
  std::string b;
  const float id[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  for (int m = 0; m < 3; m++)
    for (int k = 0; k < 16; k++) put_float(&b, m == 2 && k == 12 ? tx : id[k]);
  for (float f : {30.0f, 1.0f, 9.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 5.0f, 5.0f}) put_float(&b, f);
  for (int k = 0; k < 16; k++) put_float(&b, k == 14 ? -5.0f : id[k]);
  return b;
}

float translation_x(int v) {
  const int saved = Viewport_current;
  Viewport_current = v;
  float s[16], r[16], t[16];
  ctm_transforms(s, r, t, 0);
  Viewport_current = saved;
  return t[12];
}
void set_translation_x(int v, float x) {
  const int saved = Viewport_current;
  Viewport_current = v;
  float s[16], r[16], t[16];
  ctm_transforms(s, r, t, 0);
  t[12] = x;
  ctm_transforms(s, r, t, 1);
  Viewport_current = saved;
}

class SavedView : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    qtest::clear_parts();
    frames_table_reset();
    ASSERT_EQ(new_frame(frame_defaults().data(), ""), 0);
    dir_ = std::make_unique<qtest::TempDir>("qsavedview");
    path_ = dir_->file("v.sav");
  }
  void TearDown() override {
    frames_table_reset();
    screen_install(nullptr);
  }
  std::string bytes() { return qtest::read_file(path_); }
  int read_back(const std::string &b) {
    qtest::write_file(path_, b);
    vptest::Redraws = 0;
    testing::internal::CaptureStderr();
    int r = rstvew(path_.c_str());
    err_ = testing::internal::GetCapturedStderr();
    return r;
  }

  std::unique_ptr<qtest::TempDir> dir_;
  std::string path_, err_;
};

TEST_F(SavedView, FileHoldsTheListedFramesAndSixteenBlocks) {
  ASSERT_EQ(new_frame(frame_defaults().data(), "one"), 1);
  ASSERT_EQ(new_frame(frame_defaults().data(), "two"), 2);
  ASSERT_EQ(delete_local_ctm(1), -1);
  ASSERT_EQ(savvew(path_.c_str()), 1);
  std::string b = bytes();
  ASSERT_EQ(b.size(), 13900u);
  EXPECT_EQ(word_at(b, 0), 65);
  EXPECT_EQ(word_at(b, 4), 1);
  EXPECT_EQ(word_at(b, 8), 2);
  EXPECT_EQ(word_at(b, 12), 0);
  EXPECT_EQ(word_at(b, 16), 2);
  EXPECT_EQ(b.substr(20, 14), std::string("Coord. frame 0"));
  EXPECT_EQ(b.substr(20 + 4540, 4), std::string("two\0", 4));
  EXPECT_EQ(word_at(b, 20 + 4540 + 4536), 1) << "frame 2's selected flag closes its record";

  // A 2-D viewport's block carries its plane and matrix.
  Viewports[3].two_d = 1;
  ASSERT_EQ(savvew(path_.c_str()), 1);
  EXPECT_EQ(bytes().size(), 13900u + 80u);
}

TEST_F(SavedView, WritesThatFailAreReported) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(savvew("/dev/full"), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("savvew:"), std::string::npos);
  EXPECT_EQ(savvew(dir_->file("no/such/dir").c_str()), -1);
  EXPECT_EQ(rstvew(dir_->file("none.sav").c_str()), -1);
}

TEST_F(SavedView, ReadingCreatesMissingFramesAndRestoresTheViews) {
  ASSERT_EQ(new_frame(frame_defaults().data(), "two"), 1);
  ASSERT_EQ(new_frame(frame_defaults().data(), "two"), 2);
  ASSERT_EQ(delete_local_ctm(1), -1);
  Ctm_part[2]->attributes[0] = 1.0f;  // shown
  Ctm_part[0]->attributes[2] = 4.0f;
  set_translation_x(5, 2.5f);
  ASSERT_EQ(savvew(path_.c_str()), 1);
  const std::string b = bytes();

  ASSERT_EQ(delete_local_ctm(2), -1);
  Ctm_part[0]->attributes[2] = 0.0f;
  set_translation_x(5, 0.0f);
  Num_active_viewports = 2;  // several viewports: the full redraw
  ASSERT_EQ(read_back(b), 1) << err_;
  Num_active_viewports = 1;
  ASSERT_NE(Ctm_part[2], nullptr);
  EXPECT_EQ(Num_frames, 2);
  EXPECT_EQ(Frame_order_list[1], 2);
  EXPECT_STREQ(Ctm_part[2]->name, "two");
  EXPECT_EQ(Frame_drawn_count, 1);
  EXPECT_EQ(Frame_drawn_list[0], 2);
  EXPECT_EQ(Ctm_part[0]->attributes[2], 4.0f);
  EXPECT_EQ(translation_x(5), 2.5f);
  EXPECT_EQ(vptest::Redraws, 1);
}

TEST_F(SavedView, OlderFormsHaveShorterBlocks) {
  Viewports[2].two_d = 1;
  Viewports[2].plane[0] = 0.5f;
  for (int version : {0, 55}) {
    SCOPED_TRACE(version);
    std::string b;
    if (version == 55) put_word(&b, 55);
    put_word(&b, 0);  // no frames
    for (int v = 0; v < MAX_VIEWPORTS; v++) b += old_block(v == 1 ? 3.0f + version : 0.0f);
    ASSERT_EQ(read_back(b), 1) << err_;
    EXPECT_EQ(translation_x(1), 3.0f + version);
    EXPECT_EQ(Viewports[2].two_d, 1) << "the 2-D data stay as they are";
    EXPECT_EQ(Viewports[2].plane[0], 0.5f);
  }
}

TEST_F(SavedView, FileCutInTheThirdBlockRestoresTwoViewports) {
  for (int v = 0; v < 3; v++) set_translation_x(v, 1.0f + v);
  ASSERT_EQ(savvew(path_.c_str()), 1);
  const std::string b = bytes();
  for (int v = 0; v < 3; v++) set_translation_x(v, 0.0f);
  const size_t blocks = 20 + 4540;
  ASSERT_EQ(read_back(b.substr(0, blocks + 2 * 300 + 100)), -1);
  EXPECT_NE(err_.find("rstvew:"), std::string::npos);
  EXPECT_EQ(translation_x(0), 1.0f);
  EXPECT_EQ(translation_x(1), 2.0f);
  EXPECT_EQ(translation_x(2), 0.0f);
  EXPECT_EQ(vptest::Redraws, 0);
}

TEST_F(SavedView, FrameListsThatWouldCorruptTheTableAreRefused) {
  const struct {
    const char *name;
    std::vector<int> list;  // n, then the numbers
  } cases[] = {
      {"negative count", {-1}},
      {"count beyond the table", {5001}},
      {"negative number", {1, -3}},
      {"number 5000", {1, 5000}},
      {"number twice", {2, 4, 4}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    std::string b;
    put_word(&b, 65);
    put_word(&b, 1);
    for (int w : c.list) put_word(&b, w);
    b += std::string(2 * FRAME_REC_BYTES + 16 * 300, '\0');
    set_translation_x(0, 7.0f);
    EXPECT_EQ(read_back(b), -1);
    EXPECT_EQ(Num_frames, 1);
    EXPECT_EQ(Ctm_part[4], nullptr);
    EXPECT_EQ(translation_x(0), 7.0f) << "nothing applied";
    EXPECT_EQ(vptest::Redraws, 0);
  }
}

TEST_F(SavedView, TwoDimensionalFlagsKeepTheMainViewportThreeDimensional) {
  Viewports[0].two_d = 1;  // as a file from a damaged run would say
  Viewports[4].two_d = 1;
  Viewports[4].plane[2] = 1.0f;
  Viewports[4].matrix_2d[0] = 0.5f;
  ASSERT_EQ(savvew(path_.c_str()), 1);
  const std::string b = bytes();
  Viewports[0].two_d = 0;
  Viewports[4].two_d = 0;
  Viewports[4].attributes[VP_VIEW_DIMENSION] = 1.0f;
  int4x4(Viewports[4].matrix_2d);
  Viewports[6].two_d = 1;  // not 2-D in the file
  Viewports[6].matrix_2d[5] = 3.0f;
  ASSERT_EQ(read_back(b), 1) << err_;
  EXPECT_EQ(Viewports[0].two_d, 0);
  EXPECT_EQ(Viewports[0].attributes[VP_VIEW_DIMENSION], 1.0f);
  EXPECT_EQ(Viewports[4].two_d, 1);
  EXPECT_EQ(Viewports[4].attributes[VP_VIEW_DIMENSION], 0.0f);
  EXPECT_EQ(Viewports[4].plane[2], 1.0f);
  EXPECT_EQ(Viewports[4].matrix_2d[0], 0.5f);
  EXPECT_EQ(Viewports[6].two_d, 0);
  EXPECT_EQ(Viewports[6].matrix_2d[5], 1.0f);
}

TEST_F(SavedView, CommandLinesSaveAndRestoreWithoutRecordingThemselves) {
  set_translation_x(0, 1.5f);
  std::string err;
  const std::string save = "view_transf: save_view " + path_;
  const std::string restore = "view_transf: restore_view " + path_;
  std::string lines = qtest::recorded_lines([&] {
    EXPECT_GE(vptest::run(save, &err), 0) << err;
    set_translation_x(0, 0.0f);
    EXPECT_GE(vptest::run(restore, &err), 0) << err;
  });
  EXPECT_EQ(translation_x(0), 1.5f);
  EXPECT_EQ(lines.find("save_view"), std::string::npos) << lines;
  EXPECT_EQ(lines.find("restore_view"), std::string::npos) << lines;
  // The editor's restore records its line.
  lines = qtest::recorded_lines([&] { EXPECT_EQ(transf_restore_view(path_.c_str(), 0), 1); });
  EXPECT_EQ(lines, "view_transf: restore_view " + path_ + "\n");

  const std::string none = dir_->file("none.sav");
  EXPECT_EQ(vptest::run("view_transf: restore_view " + none, &err), -1);
  EXPECT_NE(err.find("File '" + none + "' cannot be read."), std::string::npos) << err;
}

}  // namespace
