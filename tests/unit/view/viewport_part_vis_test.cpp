// New viewports that show chosen parts only, and a part leaving the 3-D
// viewports, over a small part table without a display.
#include <gtest/gtest.h>

#include <vector>

#include "client/command_dlog.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "test_parts.h"
#include "client/cases.h"
#include "render/disobj.h"
#include "view/view_cmdproc.h"
#include "view/viewport_select.h"
#include "view/viewport_part_vis.h"
#include "view/viewports.h"
#include "viewport_test_screen.h"

namespace {

class NewPartViewport : public testing::Test {
 protected:
  void SetUp() override {
    vptest::fresh_viewports();
    qtest::clear_parts();
    int all = 0xFFFF, change[PART_ATTR_SLOTS] = {0};
    float a[PART_ATTR_SLOTS];
    part_attributes(-2, 0, a, nullptr, nullptr, nullptr, 0);
    a[SLOT_VIEWPORT_VIS] = (float)all;
    change[SLOT_VIEWPORT_VIS] = 1;
    part_attributes(-2, 0, a, change, nullptr, nullptr, 1);
    // Parts 1 and 2 flat at z = 0, part 3 a cube, part 4 not placed.
    add(1, {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0});
    add(2, {2, 0, 0, 3, 0, 0, 3, 1, 0, 2, 1, 0});
    add(3, {0, 0, 1, 1, 0, 1, 1, 1, 1, 0, 1, 1, 0, 0, 2, 1, 0, 2, 1, 1, 2.5f, 0, 1, 2});
    add(4, {0, 0, 5, 1, 0, 5, 1, 1, 6, 0, 1, 5});
  }
  void TearDown() override {
    screen_install(nullptr);
    qtest::clear_parts();
  }
  void add(int n, const std::vector<float> &xyz) {
    Part_rec *p = qtest::add_part({n, 0, PART_MODEL, ("p" + std::to_string(n)).c_str(), -1, {}, false});
    qtest::set_mesh(Part_cross[n], xyz, {});
    p->attributes[SLOT_VISIBLE] = 1;
    p->attributes[SLOT_ELT_REP] = ELT_REP_FULL;
  }
  // The parts (of 1..5) whose mask has bit v.
  static std::vector<int> shown_in(int v) {
    std::vector<int> out;
    for (int n = 1; n <= 5; n++) {
      Part_rec *p = part_by_number(n);
      if (p && ((our_rint(p->attributes[SLOT_VIEWPORT_VIS]) >> v) & 1)) out.push_back(n);
    }
    return out;
  }
};

TEST_F(NewPartViewport, OneForAllMakesOneThreeDimensionalViewportOfExactlyThoseParts) {
  const int list[] = {1, 2, 3};
  ASSERT_EQ(new_part_in_new_viewport(list, 3, 1, 0), 1);
  EXPECT_EQ(vptest::stacking(), (std::vector<int>{0, 1}));
  EXPECT_EQ(Viewports[1].two_d, 0);
  EXPECT_EQ(shown_in(1), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(shown_in(0), (std::vector<int>{1, 2, 3, 4}));
  add(5, {0, 0, 0, 1, 0, 0, 1, 1, 0});
  EXPECT_EQ(shown_in(1), (std::vector<int>{1, 2, 3})) << "a part made later stays out";
  EXPECT_EQ(shown_in(0), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(NewPartViewport, OnePerPartGivesEachItsOwnAndAPlanarOneIsTwoDimensional) {
  const int list[] = {1, 3, 2};
  ASSERT_EQ(new_part_in_new_viewport(list, 3, 0, 0), 1);
  EXPECT_EQ(vptest::stacking(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(shown_in(1), (std::vector<int>{1})) << "part 2 lies in the same plane, yet stays out";
  EXPECT_EQ(shown_in(2), (std::vector<int>{3}));
  EXPECT_EQ(shown_in(3), (std::vector<int>{2}));
  EXPECT_EQ(Viewports[1].two_d, 1);
  EXPECT_EQ(Viewports[2].two_d, 0);
  EXPECT_EQ(Viewports[3].two_d, 1);
}

TEST_F(NewPartViewport, PartCommandReportsWhenNoSlotIsFree) {
  while (make_new_viewport() == 1) {
  }
  for (const char *line : {"part: select_begin", " 1", "part: select_end"}) ASSERT_GE(vptest::run(line), 0);
  std::string err;
  EXPECT_EQ(vptest::run("part: create_assign_viewport", &err), -1);
  EXPECT_NE(err.find("Could not create the new viewport."), std::string::npos) << err;
  EXPECT_EQ(vptest::run("part: create_assign_viewports", &err), -1);
  EXPECT_NE(err.find("Could not create the new viewports."), std::string::npos) << err;
}

TEST_F(NewPartViewport, LeavingTheThreeDimensionalViewportsKeepsTheTwoDimensionalOne) {
  for (int k = 0; k < 5; k++) ASSERT_EQ(make_new_viewport(), 1);
  float a[VIEWPORT_ATTRS];
  char name[VIEWPORT_NAME_TEXT];
  viewport_attributes(2, a, name, 0, 0);
  a[VP_VIEW_DIMENSION] = 0;
  viewport_attributes(2, a, name, 0, 1);
  Part_rec *p = part_by_number(1);
  const int in_0_2_5 = (1 << 0) | (1 << 2) | (1 << 5), unused = 0xFFFF & ~0x3F;
  p->attributes[SLOT_VIEWPORT_VIS] = (float)(in_0_2_5 | unused);
  EXPECT_EQ(remove_part_from_all_3d_viewports(1), in_0_2_5 | unused);
  EXPECT_EQ(our_rint(p->attributes[SLOT_VIEWPORT_VIS]), (1 << 2) | unused);
  EXPECT_EQ(remove_part_from_all_3d_viewports(99), 0);
}

TEST(WorkingMask, SettingItClearsTheChangedMask) {
  int changed = 5, mask = 0x0F0F, out = 0;
  viewport_vis_part_changed_pattern(&changed, 1);
  wrking_part_vewport_vis_atribt(&mask, 1);
  wrking_part_vewport_vis_atribt(&out, 0);
  viewport_vis_part_changed_pattern(&changed, 0);
  EXPECT_EQ(out, 0x0F0F);
  EXPECT_EQ(changed, 0);
  mask = 0xFFFF;
  wrking_part_vewport_vis_atribt(&mask, 1);
}

// ---- the pickers, with a pointer given as fractions of the picker ---------------------

namespace picker {
float fx, fy;
int released = 0;
int size(int code, int *w, int *h) {
  *w = 100, *h = 80;
  return code == 4 || code == 10 || code == 14;
}
int pointer(int, float *x, float *y, int *control) {
  *x = fx, *y = fy, *control = 0;
  return 1;
}
void wait_release() { released++; }
}  // namespace picker

class PartViewportPicker : public NewPartViewport {
 protected:
  void SetUp() override {
    NewPartViewport::SetUp();
    // Viewport 1 over the left half, 2 on top of it in the middle, 3 hidden.
    for (int k = 0; k < 3; k++) ASSERT_EQ(make_new_viewport(), 1);
    place(1, 0.0f, 0.0f, 0.5f, 1.0f);
    place(2, 0.3f, 0.3f, 0.4f, 0.4f);
    place(3, 0.8f, 0.8f, 0.2f, 0.2f);
    Viewports[3].attributes[VP_VISIBLE] = 0.0f;
    Viewport_chooser_windep = {picker::size, picker::pointer, picker::wait_release};
    int all = 0xFFFF;
    wrking_part_vewport_vis_atribt(&all, 1);
    picker::released = 0;
  }
  void TearDown() override {
    Viewport_chooser_windep = {};
    NewPartViewport::TearDown();
  }
  static void place(int v, float x, float y, float w, float h) {
    float *a = Viewports[v].attributes;
    a[VP_ORIGIN_X] = x, a[VP_ORIGIN_Y] = y, a[VP_WIDTH] = w, a[VP_HEIGHT] = h;
  }
  static int press(int code, float x, float y) {
    picker::fx = x, picker::fy = y;
    manage_part_viewport_vis_gl(code);
    int mask = 0;
    wrking_part_vewport_vis_atribt(&mask, 0);
    return mask;
  }
};

TEST_F(PartViewportPicker, APressTogglesTheTopMostVisibleViewportInTheWorkingMask) {
  struct {
    const char *where;
    float fx, fy;
    int toggled;  // bit toggled, 0 for none
  } cases[] = {
      {"overlap of 1 and 2: the one on top", 0.4f, 0.5f, 1 << 2},
      {"viewport 1 alone", 0.1f, 0.5f, 1 << 1},
      {"the hidden viewport 3 lies over the main one", 0.9f, 0.9f, 1 << 0},
  };
  for (const auto &c : cases) {
    int all = 0xFFFF;
    wrking_part_vewport_vis_atribt(&all, 1);
    EXPECT_EQ(press(4, c.fx, c.fy), 0xFFFF ^ c.toggled) << c.where;
    int changed = -1;
    viewport_vis_part_changed_pattern(&changed, 0);
    EXPECT_EQ(changed, c.toggled) << c.where;
  }
  int all = 0xFFFF;
  wrking_part_vewport_vis_atribt(&all, 1);
  EXPECT_EQ(press(10, 0.4f, 0.5f), 0xFFFF ^ (1 << 2));
  EXPECT_EQ(press(10, 0.4f, 0.5f), 0xFFFF) << "a second press toggles it back";
  EXPECT_EQ(picker::released, 5) << "each press waits for the release";
}

TEST_F(PartViewportPicker, OutsideEveryViewportNothingChanges) {
  Viewports[0].attributes[VP_VISIBLE] = 0.0f;
  EXPECT_EQ(press(4, 0.9f, 0.1f), 0xFFFF);
  int changed = -1;
  viewport_vis_part_changed_pattern(&changed, 0);
  EXPECT_EQ(changed, 0);
}

TEST_F(PartViewportPicker, CaseDialogPickerSetsTheCaseMaskOnItsParts) {
  int all = 0xFFFF;
  parts_visible_by_case(Case_num, &all, 1);
  press(14, 0.1f, 0.5f);
  int mask = 0;
  parts_visible_by_case(Case_num, &mask, 0);
  EXPECT_EQ(mask, 0xFFFF & ~(1 << 1));
  EXPECT_EQ(shown_in(1), std::vector<int>{}) << "the case's parts leave viewport 1";
  EXPECT_EQ(press(14, 0.1f, 0.5f), 0xFFFF) << "the working mask is not touched";
  parts_visible_by_case(Case_num, &all, 1);
}

TEST_F(PartViewportPicker, NoPickerWindowNoChange) {
  Viewport_chooser_windep = {};
  EXPECT_EQ(press(4, 0.1f, 0.5f), 0xFFFF);
}

}  // namespace
