// The archive sections "transforms_view", "viewports_view" and
// "frames_view" over temporary files: their sizes and layout, a save and
// restore that reproduces every byte, the resets, and restores that refuse
// damaged or inconsistent sections.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "harness.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "state/bkup_section.h"
#include "test_parts.h"
#include "view/frame_logic.h"
#include "view/frames.h"
#include "view/stored_views.h"
#include "view/view_bkup.h"
#include "view/viewer_state.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

using Section = int (*)(FILE *, int);

using vptest::frame_defaults;

uint32_t word_at(const std::string &b, size_t at) {
  const unsigned char *p = (const unsigned char *)b.data() + at;
  return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}
float float_at(const std::string &b, size_t at) {
  uint32_t w = word_at(b, at);
  float f;
  memcpy(&f, &w, 4);
  return f;
}
void put_word_at(std::string *b, size_t at, uint32_t w) {
  for (int i = 0; i < 4; i++) (*b)[at + i] = (char)(w >> (24 - 8 * i));
}

class ViewBkup : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    stored_views_reset();
    qtest::clear_parts();
    frames_table_reset();
    ASSERT_EQ(new_frame(frame_defaults().data(), ""), 0);
    dir_ = std::make_unique<qtest::TempDir>("qviewbkup");
  }
  void TearDown() override {
    qtest::clear_parts();
    frames_table_reset();
    stored_views_reset();
    screen_install(nullptr);
  }

  // The bytes a section writes in a mode; *result its answer.
  std::string save(Section f, int mode, int *result = nullptr) {
    const std::string path = dir_->file("section");
    FILE *fp = fopen(path.c_str(), "wb");
    int r = f(fp, mode);
    fclose(fp);
    if (result) *result = r;
    return qtest::read_file(path);
  }
  // Reads bytes back through the section in a mode.
  int restore(Section f, int mode, const std::string &bytes) {
    const std::string path = dir_->file("section");
    qtest::write_file(path, bytes);
    FILE *fp = fopen(path.c_str(), "rb");
    int r = f(fp, mode);
    fclose(fp);
    return r;
  }

  // A state worth saving: turned and stored views in two viewports, one
  // with z-clip planes, a second viewport with a name and a border, frame 0
  // drawn, axis sizes.
  void busy_state() {
    ASSERT_EQ(make_new_viewport(), 1);
    snprintf(Viewports[1].name, sizeof Viewports[1].name, "%s", "Side");
    Viewports[1].attributes[VP_BORDER_VISIBLE] = 1.0f;
    for (int v : {0, 1}) {
      Viewport_current = v;
      float at[3], from[3], view[16], distance, combined[16];
      view_param(at, from, view, &distance, 0);
      rotvew(20.0f + 10 * v, 35.0f, 0.0f, at, combined, view);
      current_ctm(combined, 1);
      ASSERT_EQ(switch_views(4, 0), 1);  // +Y: builds every slot
      float front = 0.25f + v, back = 3.5f + v;
      if (v == 1) zclipp_locat(&front, &back, 1);
    }
    Viewport_current = 0;
    list_a_display(0, 1.0f);
    Axis_size = 3.0f;
    Axis_size_div20 = 0.15f;
  }

  std::unique_ptr<qtest::TempDir> dir_;
};

TEST_F(ViewBkup, SectionsHaveTheirSizesAndVersion) {
  Stored_views[0].slot[0].look_at[0] = 7.0f;
  Viewport_current = 15;  // z-clip distances never set: 1.0 and 2.0
  float zero = 0.0f;
  zclipp_locat(&zero, &zero, 1);
  Viewport_current = 0;
  const struct {
    const char *name;
    Section f;
    int mode;
    size_t bytes;
  } cases[] = {
      {"transforms archive", transforms_bkup, BKUP_SAVE, 60040},
      {"transforms scenario", transforms_bkup, BKUP_SCENARIO_SAVE, 59908},
      {"viewports archive", viewports_bkup, BKUP_SAVE, 6008},
      {"viewports scenario", viewports_bkup, BKUP_SCENARIO_SAVE, 6008},
      {"frames archive", frames_bkup, BKUP_SAVE, 40016},
      {"frames scenario", frames_bkup, BKUP_SCENARIO_SAVE, 40016},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    int result = 0;
    std::string b = save(c.f, c.mode, &result);
    EXPECT_EQ(result, 1);
    ASSERT_EQ(b.size(), c.bytes);
    EXPECT_EQ(word_at(b, 0), 0x41200000u);
    if (c.f == transforms_bkup) {
      // Stored look-at points follow the initial points (after the three
      // archive-only blocks in an archive); z-clip distances close the section.
      const size_t looks = c.mode == BKUP_SAVE ? 4616 : 4484;
      EXPECT_EQ(float_at(b, looks), 7.0f);
      const size_t zclip = c.bytes - 8;  // viewport 15
      EXPECT_EQ(float_at(b, zclip), 1.0f);
      EXPECT_EQ(float_at(b, zclip + 4), 2.0f);
    }
  }
  // Modes 1 and 3 do nothing.
  for (Section f : {transforms_bkup, viewports_bkup, frames_bkup})
    for (int mode : {1, 3}) {
      int result = 0;
      EXPECT_EQ(save(f, mode, &result).size(), 0u);
      EXPECT_EQ(result, 1);
    }
}

TEST_F(ViewBkup, SaveResetRestoreGivesTheSameBytes) {
  busy_state();
  const Section sections[] = {transforms_bkup, viewports_bkup, frames_bkup};
  std::vector<std::string> first;
  for (Section f : sections) first.push_back(save(f, BKUP_SAVE));
  for (Section f : sections) EXPECT_EQ(f(nullptr, BKUP_RESET), 1);
  Axis_size = 9.0f;
  EXPECT_EQ(Num_active_viewports, 1);
  EXPECT_EQ(Frame_drawn_count, 0);
  for (size_t k = 0; k < first.size(); k++) EXPECT_EQ(restore(sections[k], BKUP_RESTORE, first[k]), 1);
  for (size_t k = 0; k < first.size(); k++) EXPECT_TRUE(save(sections[k], BKUP_SAVE) == first[k]) << k;
  EXPECT_EQ(Num_active_viewports, 2);
  EXPECT_STREQ(Viewports[1].name, "Side");
  EXPECT_EQ(Axis_size, 3.0f);
}

TEST_F(ViewBkup, RestoredStoredViewsRecallWithTheirDistances) {
  busy_state();
  std::vector<float> distances;
  for (const Stored_view_rec &s : Stored_views[1].slot) distances.push_back(s.distance);
  const std::string b = save(transforms_bkup, BKUP_SAVE);
  stored_views_reset();  // as in a fresh run
  ASSERT_EQ(restore(transforms_bkup, BKUP_RESTORE, b), 1);
  for (int k = 0; k < STORED_VIEW_SLOTS; k++) {
    EXPECT_GT(distances[k], 0.0f) << k;
    EXPECT_NEAR(Stored_views[1].slot[k].distance, distances[k], 1e-5f) << "slot " << k;
  }
}

TEST_F(ViewBkup, ScenarioReadKeepsRebuildFlagAndLastRecalled) {
  busy_state();
  Stored_views_rebuild_all = 0;
  const std::string b = save(transforms_bkup, BKUP_SCENARIO_SAVE);
  Stored_views_rebuild_all = 1;
  Stored_views[0].last_recalled = 7;
  ASSERT_EQ(restore(transforms_bkup, BKUP_SCENARIO_RESTORE, b), 1);
  EXPECT_EQ(Stored_views_rebuild_all, 1);
  EXPECT_EQ(Stored_views[0].last_recalled, 7);
  Stored_views_rebuild_all = 0;
  EXPECT_EQ(transforms_bkup(nullptr, BKUP_RESET), 1);
  EXPECT_EQ(Stored_views_rebuild_all, 1);
}

TEST_F(ViewBkup, ViewportsResetLeavesTheMainViewportAlone) {
  ASSERT_EQ(make_new_viewport(), 1);
  ASSERT_EQ(make_new_viewport(), 1);
  Viewport_current = 2;
  ASSERT_EQ(viewports_bkup(nullptr, BKUP_RESET), 1);
  EXPECT_EQ(Num_active_viewports, 1);
  EXPECT_EQ(Viewport_display_order[0], 0);
  EXPECT_EQ(Viewport_current, 0);
  EXPECT_EQ(vptest::selected(), std::vector<int>{0});
  EXPECT_EQ(Viewports[0].in_use, 1);
  for (int v = 1; v < MAX_VIEWPORTS; v++) EXPECT_EQ(Viewports[v].in_use, 0) << v;
  EXPECT_EQ(Viewports[0].attributes[VP_BORDER_VISIBLE], 1.0f);
  EXPECT_EQ(Viewports[0].attributes[VP_BLEND_LEVELS], 3.0f);
  EXPECT_EQ(Viewports[0].attributes[VP_WIDTH], 1.0f);
}

TEST_F(ViewBkup, ViewportsRestoreRefusesCountsOutOfRange) {
  ASSERT_EQ(make_new_viewport(), 1);
  const std::string good = save(viewports_bkup, BKUP_SAVE);
  const size_t order = 5872;
  const struct {
    const char *name;
    size_t at;
    uint32_t value;
  } cases[] = {
      {"no viewport in use", 8, 0},
      {"seventeen in use", 8, 17},
      {"a stacking entry twice", order + 4, 0},
      {"a stacking entry beyond 15", order + 4, 16},
      {"main viewport not stacked", order, 3},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    std::string bad = good;
    put_word_at(&bad, c.at, c.value);
    ASSERT_EQ(make_new_viewport(), 1);
    EXPECT_EQ(restore(viewports_bkup, BKUP_RESTORE, bad), -1);
    EXPECT_EQ(Num_active_viewports, 1);
    EXPECT_EQ(Viewport_display_order[0], 0);
  }
}

TEST_F(ViewBkup, FramesResetMovesPartsAndKeepsFrameZeroOnly) {
  for (int n : {1, 2, 3, 4, 5, 6, 7}) ASSERT_EQ(new_frame(frame_defaults().data(), ""), n);
  for (int n : {1, 3, 4, 5, 6}) ASSERT_EQ(delete_local_ctm(n), -1);
  ASSERT_EQ(Num_frames, 3);  // frames 0, 2 and 7
  list_a_display(2, 1.0f);
  list_a_display(0, 1.0f);
  Part_rec *p = qtest::add_part({1, 0, PART_MODEL, "in frame 2", -1, {}, false});
  ASSERT_NE(p, nullptr);
  p->attributes[SLOT_FRAME] = 2.0f;
  float *a = Ctm_part[0]->attributes;
  a[FRAME_VISIBLE] = 1.0f, a[FRAME_ORIGIN] = 4.0f, a[FRAME_SYM_TYPE] = 1.0f;
  a[FRAME_SYM_MIRROR] = 1.0f, a[FRAME_SYM_DELTA] = 2.5f;
  Ctm_part[0]->rotation[3][1] = 0.5f;
  Axis_size = 6.0f;

  ASSERT_EQ(frames_bkup(nullptr, BKUP_RESET), 1);
  EXPECT_EQ(Num_frames, 1);
  EXPECT_EQ(Frame_order_list[0], 0);
  EXPECT_EQ(Frame_order_list[1], 0);
  EXPECT_EQ(Frame_drawn_count, 0);
  EXPECT_EQ(Ctm_part[2], nullptr);
  EXPECT_EQ(Ctm_part[7], nullptr);
  EXPECT_EQ(p->attributes[SLOT_FRAME], 0.0f);
  const std::vector<std::pair<int, float>> slots = {
      {FRAME_VISIBLE, 0},     {FRAME_TYPE, 0},         {FRAME_ORIGIN, 0},     {FRAME_ORIENT, 1},
      {FRAME_ORIENT + 4, 1},  {FRAME_ORIENT + 8, 1},   {FRAME_ORIENT + 1, 0}, {FRAME_LEN_X + 2, 1},
      {FRAME_LABELS_X, 3},    {FRAME_TICKS_X + 1, 0},  {FRAME_SYM_RINST, 1},  {FRAME_SYM_ANGLE, 30},
      {FRAME_SYM_TINST, 1},   {FRAME_SYM_TYPE, 3},     {FRAME_LINE_WIDTH, 1}, {FRAME_RGB + 2, 1},
      {FRAME_SYM_MIRROR, 1},  {FRAME_SYM_DELTA, 2.5f}};  // the last two are kept
  for (const auto &s : slots) EXPECT_EQ(a[s.first], s.second) << "slot " << s.first;
  EXPECT_EQ(Ctm_part[0]->rotation[3][1], 0.0f);
  EXPECT_EQ(Axis_size, 6.0f);
}

TEST_F(ViewBkup, FramesRestoreOfADamagedSectionChangesNothing) {
  list_a_display(0, 1.0f);
  const std::string good = save(frames_bkup, BKUP_SAVE);
  list_a_display(0, 0.0f);
  Axis_size = 5.0f;
  // Cut inside the block of ints: nothing changes.
  EXPECT_EQ(restore(frames_bkup, BKUP_RESTORE, good.substr(0, 1000)), -1);
  EXPECT_EQ(Frame_drawn_count, 0);
  EXPECT_EQ(Axis_size, 5.0f);
  // Lists that name frames the table does not have: refused and reset.
  ASSERT_EQ(new_frame(frame_defaults().data(), ""), 1);
  for (uint32_t count : {5001u, 0xffffffffu}) {
    std::string bad = good;
    put_word_at(&bad, 4, count);
    EXPECT_EQ(restore(frames_bkup, BKUP_RESTORE, bad), -1) << count;
  }
  std::string missing = good;
  put_word_at(&missing, 8, 9);  // drawn entry: frame 9
  EXPECT_EQ(restore(frames_bkup, BKUP_RESTORE, missing), -1);
  EXPECT_EQ(Num_frames, 1);
  EXPECT_EQ(Frame_drawn_count, 0);
  EXPECT_EQ(restore(frames_bkup, BKUP_RESTORE, good), 1);
  EXPECT_EQ(Frame_drawn_count, 1);
}

}  // namespace
