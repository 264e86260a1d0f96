// modatr and change_created_parts with counting fakes in place of the
// builders, feature rebuilds and scene services: which slot change leads to
// which follow-up work, and what is stored.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "client/interf_settings.h"
#include "parts/modatr.h"
#include "parts_fixture.h"
#include "render/disobj.h"
#include "render/display.h"
#include "variables/variables.h"

using namespace qtest;

namespace {

std::map<std::string, int> Calls;
std::vector<int> Unloaded;
int Palette_var = -2;

Modatr_hooks counting_hooks() {
  Modatr_hooks h{};
  h.make_part = [](int) { Calls["make_part"]++; };
  h.make_part_solid = [](int) { Calls["make_part_solid"]++; };
  h.modify_part = [](int, int force, int) { Calls[force ? "reload_rep" : "reload"]++; };
  h.unload_part = [](int n) {
    Calls["unload_part"]++;
    Unloaded.push_back(n);
  };
  h.shrink = [](int) { Calls["shrink"]++; };
  h.center = [] { Calls["center"]++; };
  h.palette_type = [](int, int) { return 0; };
  h.palette_variable = [](int, int) { return Palette_var; };
  h.modify_clip_part = [](int) { Calls["modify_clip_part"]++; };
  h.modify_iso_part = [](int) { Calls["modify_iso_part"]++; };
  h.modify_particle_trace = [](int) { Calls["modify_particle_trace"]++; };
  h.modify_contour = [](int) { Calls["modify_contour"]++; };
  h.modify_subset_part = [](int) {
    Calls["modify_subset_part"]++;
    return 1;
  };
  return h;
}

class Modatr : public PartsTest {
 protected:
  void SetUp() override {
    PartsTest::SetUp();
    Calls.clear();
    Unloaded.clear();
    Palette_var = -2;
    Modatr_calls = counting_hooks();
    Resort_transparent = 0;
  }
  void TearDown() override {
    Modatr_calls = Modatr_real_calls;
    PartsTest::TearDown();
  }
  Part_rec *make(int number, int type, std::vector<int> children = {}) {
    Part_rec *p = add_part({number, 0, type, "p", -1, children, false});
    plain_solid_attributes(p->attributes);
    p->attributes[SLOT_ELT_REP] = ELT_REP_FULL;
    p->attributes[SLOT_VISIBLE] = 1;
    return p;
  }
  // Applies the part's own attributes with the given slots changed.
  int change(int number, const std::vector<std::pair<int, float>> &slots) {
    float a[PART_ATTR_SLOTS];
    memcpy(a, part_by_number(number)->attributes, sizeof a);
    for (auto &s : slots) a[s.first] = s.second;
    char name[PART_NAME_TEXT] = "p";
    return modatr(number, a, name, nullptr);
  }
  const float *attr(int number) { return part_by_number(number)->attributes; }
};

struct Effect_case {
  const char *what;
  int type;
  std::function<void(Part_rec *)> before;
  std::vector<std::pair<int, float>> slots;
  std::map<std::string, int> calls;  // exactly these, nothing else
};

TEST_F(Modatr, EachSlotChangeCallsForItsOwnWork) {
  const Effect_case cases[] = {
      {"line width alone", PART_MODEL, nullptr, {{SLOT_LINE_WIDTH, 5}}, {}},
      {"element visibility", PART_MODEL, nullptr, {{SLOT_VIS_ELT, 0}},
       {{"make_part", 1}}},  // the solid object is not built and shading is off
      {"representation", PART_MODEL, nullptr, {{SLOT_ELT_REP, ELT_REP_BORDER}}, {{"reload_rep", 1}}},
      {"feature angle shown", PART_MODEL, [](Part_rec *p) { p->attributes[SLOT_ELT_REP] = 2; },
       {{SLOT_FEATURE_ANGLE, 30}}, {{"reload_rep", 1}}},
      {"feature angle not shown", PART_MODEL, nullptr, {{SLOT_FEATURE_ANGLE, 30}}, {}},
      {"shrink", PART_MODEL, nullptr, {{SLOT_SHRINK, 0.5f}}, {{"shrink", 1}, {"make_part", 1}}},
      {"trace start 0 -> 1e-7", PART_TRACE, [](Part_rec *p) { p->attributes[99] = 0; },
       {{99, 1e-7f}}, {}},
      {"trace start 0 -> 1e-5", PART_TRACE, [](Part_rec *p) { p->attributes[99] = 0; },
       {{99, 1e-5f}}, {{"modify_particle_trace", 1}}},
      {"contour variable", PART_CONTOUR, nullptr, {{50, 3}}, {{"modify_contour", 1}}},
  };
  for (const Effect_case &c : cases) {
    SCOPED_TRACE(c.what);
    clear_parts();
    Calls.clear();
    Part_rec *p = make(5, c.type);
    if (c.type == PART_TRACE) p->attributes[SLOT_TRACE_TYPE] = 1;  // a pathline
    if (c.before) c.before(p);
    EXPECT_EQ(change(5, c.slots), 1);
    EXPECT_EQ(Calls, c.calls);
    for (auto &s : c.slots) EXPECT_EQ(attr(5)[s.first], s.second);
  }
}

TEST_F(Modatr, HiddenPartKeepsItsRebuildsUntilShown) {
  Part_rec *p = make(5, PART_MODEL);
  p->attributes[SLOT_VISIBLE] = 0;
  p->solid_built = 1;
  ASSERT_EQ(change(5, {{SLOT_VIS_NODE, 1}}), 1);
  EXPECT_TRUE(Calls.empty());
  EXPECT_EQ(p->line_rebuild_pending, 1);
  EXPECT_EQ(p->solid_rebuild_pending, 1);

  ASSERT_EQ(change(5, {{SLOT_VISIBLE, 1}}), 1);
  EXPECT_EQ(Calls, (std::map<std::string, int>{{"make_part", 1}, {"make_part_solid", 1}}));
  EXPECT_EQ(p->line_rebuild_pending, 0);
  EXPECT_EQ(p->solid_rebuild_pending, 0);
}

TEST_F(Modatr, NotLoadedUnloadsThePartAndItsCopiesWithoutReload) {
  make(5, PART_MODEL);
  Part_rec *copy = make(6, PART_MODEL);
  copy->copy_of = 5;
  ASSERT_EQ(change(5, {{SLOT_ELT_REP, ELT_REP_NOT_LOADED}}), 1);
  EXPECT_EQ(Unloaded, (std::vector<int>{5, 6}));
  EXPECT_EQ(Calls.count("reload_rep") + Calls.count("reload"), 0u);
  EXPECT_EQ(attr(6)[SLOT_ELT_REP], ELT_REP_NOT_LOADED);
}

TEST_F(Modatr, FirstPartGivenGeometryRecentresTheView) {
  make(5, PART_MODEL)->attributes[SLOT_ELT_REP] = ELT_REP_NOT_LOADED;
  make(6, PART_MODEL)->attributes[SLOT_ELT_REP] = ELT_REP_NOT_LOADED;
  ASSERT_EQ(change(5, {{SLOT_ELT_REP, ELT_REP_FULL}}), 1);
  EXPECT_EQ(Calls["center"], 1);
  EXPECT_EQ(Calls["reload_rep"], 1);
  Calls.clear();
  ASSERT_EQ(change(6, {{SLOT_ELT_REP, ELT_REP_FULL}}), 1);  // geometry was already shown
  EXPECT_EQ(Calls.count("center"), 0u);
}

TEST_F(Modatr, SurfaceToVolumeTakesTheOldIsoValueAndBack) {
  Part_rec *p = make(5, PART_ISOSURFACE);
  p->attributes[52] = 2.5f;
  p->attributes[55] = 0;
  ASSERT_EQ(change(5, {{55, 1}}), 1);
  EXPECT_EQ(attr(5)[56], 2.5f);
  EXPECT_EQ(attr(5)[57], 2.5f);
  EXPECT_EQ(Calls["modify_iso_part"], 1);

  p->attributes[56] = 1.0f;
  p->attributes[57] = 4.0f;
  p->attributes[58] = 12;  // constrained "high": the maximum becomes the value
  ASSERT_EQ(change(5, {{55, 0}}), 1);
  EXPECT_EQ(attr(5)[52], 4.0f);
}

TEST_F(Modatr, IjkClipPlaneChangeTakesTheSourceRanges) {
  Part_rec *src = make(3, PART_MODEL);
  float *s = src->attributes;
  s[63] = 1, s[64] = 4;  // I
  s[66] = 2, s[67] = 5;  // J
  s[69] = 3, s[70] = 6;  // K
  Part_rec *clip = make(5, PART_CLIP, {3});
  clip->attributes[SLOT_CLIP_TOOL] = CLIP_TOOL_IJK;
  clip->attributes[SLOT_CLIP_MESH_PLANE] = 0;
  clip->attributes[SLOT_CLIP_PLANE_VALUE] = 3;
  ASSERT_EQ(change(5, {{SLOT_CLIP_MESH_PLANE, 2}}), 1);
  const float *a = attr(5);
  EXPECT_EQ(std::vector<float>(a + 94, a + 98), (std::vector<float>{1, 4, 2, 5}));
  EXPECT_EQ(a[SLOT_CLIP_PLANE_VALUE], 1.0f);
  EXPECT_EQ(Calls["modify_clip_part"], 1);
}

TEST_F(Modatr, ColouringByAnotherCasesVariableStoresConstantColour) {
  Variable_rec var{};
  snprintf(var.name, sizeof var.name, "%s", "pressure");
  var.type = 0;
  var.id = 4;
  for (int &c : var.server_id) c = -1;
  var.server_id[1] = 0;  // the variable lives on case 2 only
  var.active = 1;
  Variable_rec *keep = Variables;
  int keep_cnt = Var_avail_cnt;
  Variables = &var;
  Var_avail_cnt = 1;
  Palette_var = 4;
  make(5, PART_MODEL);
  testing::internal::CaptureStderr();
  int r = change(5, {{SLOT_COLORBY_PALETTE, 7}});
  std::string err = testing::internal::GetCapturedStderr();
  Variables = keep;
  Var_avail_cnt = keep_cnt;
  EXPECT_EQ(r, 1);
  EXPECT_NE(err.find("Can not color part by variable selected - They belong to different cases!"),
            std::string::npos);
  EXPECT_EQ(attr(5)[SLOT_COLORBY_PALETTE], 0.0f);
}

// Mirror y and shininess are each compared with their own old value.
TEST_F(Modatr, TransparencyResortFollowsMirrorAndShininessThemselves) {
  struct {
    const char *what;
    std::vector<std::pair<int, float>> slots;
    int resort;
  } cases[] = {
      {"shininess equal to the old mirror y", {{SLOT_LIGHT_SHIN, 1}}, 1},
      {"nothing but the line width", {{SLOT_LINE_WIDTH, 3}}, 0},
      {"mirror y", {{SLOT_MIRROR_Y, 1}}, 1},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.what);
    clear_parts();
    Part_rec *p = make(5, PART_MODEL);
    p->attributes[SLOT_MIRROR_Y] = 0;
    p->attributes[SLOT_LIGHT_SHIN] = 20;
    if (c.slots[0].first == SLOT_LIGHT_SHIN) p->attributes[SLOT_MIRROR_Y] = 1;
    Resort_transparent = 0;
    ASSERT_EQ(change(5, c.slots), 1);
    EXPECT_EQ(Resort_transparent, c.resort);
  }
}

TEST_F(Modatr, CreatedPartsRebuildOnlyForANewSetOfSources) {
  make(1, PART_MODEL);
  make(2, PART_MODEL);
  make(3, PART_MODEL);
  make(5, PART_CLIP, {1, 2});
  make(6, PART_SUBSET, {1, 2});
  const int reordered[] = {2, 1};
  change_created_parts(5, 2, reordered);
  EXPECT_EQ(Calls.count("modify_clip_part"), 0u);
  change_created_parts(6, 2, reordered);
  EXPECT_EQ(Calls["modify_subset_part"], 1);

  const int other[] = {1, 3};
  change_created_parts(5, 2, other);
  EXPECT_EQ(Calls["modify_clip_part"], 1);
  Part_rec *clip = part_by_number(5);
  EXPECT_EQ(std::vector<int>(clip->children, clip->children + clip->children_count), (std::vector<int>{1, 3}));
}

// With two displays, the shaded object is deleted in display 1's context and
// display 0's is current again afterwards.
TEST_F(Modatr, HiddenSurfaceOffDeletesTheSolidInTheSecondDisplay) {
  static std::vector<std::string> order;
  order.clear();
  Modatr_calls.gl_curwin = [](int *code, int set, int *dpy) {
    if (set) order.push_back("window " + std::to_string(*dpy));
    else *code = 0;
  };
  Modatr_calls.delete_display_lists_for_part = [](int, int which, int) {
    order.push_back("delete " + std::to_string(which) + " on " + std::to_string(Dpy_current));
  };
  int keep_cnt = Dpy_cnt, keep_current = Dpy_current;
  Dpy_cnt = 2;
  Dpy_current = 0;
  Part_rec *p = make(5, PART_MODEL);
  p->attributes[SLOT_HIDDEN_SURFACE] = 1;
  p->solid_built = 1;
  int r = change(5, {{SLOT_HIDDEN_SURFACE, 0}});
  Dpy_cnt = keep_cnt;
  int current_after = Dpy_current;
  Dpy_current = keep_current;
  EXPECT_EQ(r, 1);
  EXPECT_EQ(order, (std::vector<std::string>{"window 1", "delete 1 on 1", "window 0"}));
  EXPECT_EQ(current_after, 0);
  EXPECT_EQ(p->solid_built, 0);
  EXPECT_EQ(Calls.count("make_part_solid"), 0u);
}

TEST_F(Modatr, UnknownPartChangesNothing) {
  float a[PART_ATTR_SLOTS] = {};
  char name[PART_NAME_TEXT] = "x";
  EXPECT_EQ(modatr(42, a, name, nullptr), -1);
  EXPECT_TRUE(Calls.empty());
}

}  // namespace
