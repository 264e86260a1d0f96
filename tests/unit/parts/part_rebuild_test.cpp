// The rebuilds after a change: the order in which a changed part, its
// copies and the parts made from it are rebuilt (watched through counting
// neighbours), when geometry is fetched again, the batched refetch of all
// model parts against two scripted servers, the phase-angle recomputation,
// and the display objects themselves (recorded lists, the context switch of
// two displays).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "data/data_dlog.h"
#include "palette/function.h"
#include "parts/elem_coord.h"
#include "parts/part_delete.h"
#include "parts/part_rebuild.h"
#include "parts/periodic.h"
#include "parts_fixture.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/display_list.h"
#include "variables/variables.h"
#include "view/viewer_services.h"
#include "view/viewports.h"
#include "anim/animate.h"

using namespace qtest;

namespace {

std::vector<std::string> Log;

void note(const std::string &what, int n) { Log.push_back(what + " " + std::to_string(n)); }
int number_at(int i) { return parts[i]->number; }

const Part_rebuild_calls Counting = {
    [](int n) { note("line", n); },
    [](int n) { note("solid", n); },
    [](int n) { note("extents", n); },
    [](int n) {
      note("load", n);
      return 1;
    },
    [](int n) { note("shrink", n); },
    [](int n) { note("results", n); },
    [] { Log.push_back("reload"); },
    [](int n) { note("copy", n); },
    [](int i) { note("emitter", number_at(i)); },
    [](int i) { note("contour", number_at(i)); },
    [](int i) { note("profile", number_at(i)); },
    [](int i, int old_type, int new_type, int recompute) {
      Log.push_back("arrow " + std::to_string(number_at(i)) + " " + std::to_string(old_type) +
                    " " + std::to_string(new_type) + " " + std::to_string(recompute));
    },
    [](int i) { note("tensor", number_at(i)); },
    [](int i) { note("trace", number_at(i)); },
    [] { Log.push_back("redraw"); },
};

std::vector<std::string> only(const std::string &prefix) {
  std::vector<std::string> out;
  for (const std::string &s : Log)
    if (s.rfind(prefix, 0) == 0) out.push_back(s);
  return out;
}

}  // namespace

class PartRebuild : public PartsTest {
 protected:
  void SetUp() override {
    PartsTest::SetUp();
    saved_ = {Labnod, Labele, Solidt, Quivane_display_list, View_centred, Dpy_cnt, Dpy_current,
              Fringt, Shared_border_removal};
    Labnod = Labele = Solidt = 0;
    Quivane_display_list = 1;  // recorded objects: no GL context needed
    Fringt = 1;
    Shared_border_removal = 1;
    for (int c = 0; c < MAX_CASES; c++) Geom_change[c] = Mgeom_change[c] = 0;
    reset_active_objects();
    Log.clear();
    part_rebuild_calls(&Counting);
  }
  void TearDown() override {
    part_rebuild_calls(nullptr);
    screen_install(nullptr);
    reset_active_objects();
    Labnod = saved_[0], Labele = saved_[1], Solidt = saved_[2], Quivane_display_list = saved_[3];
    View_centred = saved_[4], Dpy_cnt = saved_[5], Dpy_current = saved_[6], Fringt = saved_[7];
    Shared_border_removal = saved_[8];
    for (int c = 0; c < MAX_CASES; c++) Geom_change[c] = Mgeom_change[c] = 0;
    Variables = nullptr;
    Var_avail_cnt = 0;
    PartsTest::TearDown();
  }
  static Part_rec *part(const TestPart &t) {
    Part_rec *p = add_part(t);
    p->attributes[SLOT_ACTIVE] = 1;
    return p;
  }
  static Part_rec *copy(int number, int type, int of) {
    Part_rec *p = part({number, 0, type, ("copy" + std::to_string(number)).c_str(), -1, {}, false});
    p->copy_of = of;
    return p;
  }
  std::vector<int> saved_;
};

// A changes: its copy first, then the contour of A, the arrow built on that
// contour (after it, though it comes earlier in the table) and the arrow of
// A; the copy of the contour last.  Parts made from other parts stay.
TEST_F(PartRebuild, ModifyPartRebuildsCopiesThenDependantsPassByPass) {
  part({1, 0, PART_MODEL, "A", -1, {}, false})->solid_built = 1;
  part({3, 0, PART_ARROW, "arrow on contour", -1, {2}, false})->attributes[82] = 2;
  part({4, 0, PART_ARROW, "arrow on A", -1, {1}, false})->attributes[82] = 1;
  copy(6, PART_CONTOUR, 2);
  part({2, 0, PART_CONTOUR, "contour of A", -1, {1}, false});
  copy(5, PART_MODEL, 1);
  part({7, 0, PART_MODEL, "B", -1, {}, false});
  part({8, 0, PART_CONTOUR, "contour of B", -1, {7}, false});
  part({9, 0, PART_PROFILE, "profile of B", -1, {7}, false});

  modify_part(1, 0, 1);
  const std::vector<std::string> expected = {
      "results 1", "line 1",    "emitter 1",       "solid 1",         "copy 5",
      "contour 2", "emitter 2", "arrow 3 2 2 1",   "arrow 4 1 1 1",   "copy 6"};
  EXPECT_EQ(Log, expected);
}

// Geometry is fetched again for a model part only when its case's geometry
// changes, for discrete particles only when the measured geometry changes
// (mode 1), for any other type always, and for anything when forced.
TEST_F(PartRebuild, GeometryIsRefetchedOnlyWhenItCanHaveChanged) {
  struct Row {
    const char *what;
    int type, geom, mgeom, force;
    bool refetch;
  };
  const Row rows[] = {
      {"model, geometry fixed", PART_MODEL, 0, 0, 0, false},
      {"model, geometry changes", PART_MODEL, 1, 0, 0, true},
      {"model, forced", PART_MODEL, 0, 0, 1, true},
      {"particles, measured fixed", PART_DISCRETE, 1, 0, 0, false},
      {"particles, measured changes", PART_DISCRETE, 0, 1, 0, true},
      {"particles, measured mode 2", PART_DISCRETE, 0, 2, 0, false},
      {"clip", PART_CLIP, 0, 0, 0, true},
  };
  for (const Row &r : rows) {
    clear_parts();
    Log.clear();
    part({1, 0, r.type, "p", -1, {}, false})->node_count = 5;
    Geom_change[0] = r.geom;
    Mgeom_change[0] = r.mgeom;
    modify_part(1, r.force, 0);
    std::vector<std::string> expected;
    if (r.refetch) expected = {"extents 1", "load 1", "shrink 1"};
    for (const char *s : {"results 1", "line 1", "emitter 1"}) expected.push_back(s);
    EXPECT_EQ(Log, expected) << r.what;
    EXPECT_EQ(part_by_number(1)->node_count, r.refetch ? 0 : 5) << r.what;
  }
}

// Traces follow a changed source only when asked to, never as pathlines,
// and not when their only source is a discrete-particles part.
TEST_F(PartRebuild, ParticleTracesFollowTheirSourcesByTheRules) {
  part({1, 0, PART_DISCRETE, "particles", -1, {}, false});
  part({4, 0, PART_MODEL, "wall", -1, {}, false});
  part({2, 0, PART_TRACE, "from particles", -1, {1}, false});
  part({3, 0, PART_TRACE, "from both", -1, {1, 4}, false});
  part({5, 0, PART_TRACE, "pathline", -1, {4}, false})->attributes[SLOT_TRACE_TYPE] = 1;
  part({6, 0, PART_TRACE, "from wall", -1, {4}, false});
  struct Row {
    int changed, update;
    std::vector<std::string> traces;
  };
  const Row rows[] = {
      {1, 1, {"trace 3"}},
      {4, 1, {"trace 3", "trace 6"}},
      {4, 0, {}},
  };
  for (const Row &r : rows) {
    Log.clear();
    modify_part(r.changed, 0, r.update);
    EXPECT_EQ(only("trace"), r.traces) << r.changed << " " << r.update;
  }
}

// A group has nothing to fetch: the error is printed and nothing is sent
// or rebuilt.  An inactive part and an unknown number are left alone.
TEST_F(PartRebuild, AGroupIsRefusedAfterItsMessageAndInactivePartsAreLeft) {
  fill_parts(sample_parts());
  part_by_number(21)->attributes[SLOT_ACTIVE] = 0;
  testing::internal::CaptureStdout();
  modify_part(20, 1, 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "arrived modify_part with a group part - ERROR!\n");
  modify_part(21, 1, 1);
  modify_part(99, 1, 1);
  EXPECT_TRUE(Log.empty());
}

// New results: only parts drawn from values are rebuilt, but every model
// part counts as changed for the parts made from it; no emitter is told.
TEST_F(PartRebuild, NewResultsRebuildPartsDrawnFromValues) {
  Part_rec *coloured = part({1, 0, PART_MODEL, "coloured", -1, {}, false});
  coloured->attributes[SLOT_COLORBY_PALETTE] = 3;
  coloured->solid_built = 1;
  float *plain = part({2, 0, PART_MODEL, "plain", -1, {}, false})->attributes;
  plain[SLOT_NODE_SIZE_BY] = 0;
  plain[SLOT_DISPLACE_BY] = -1;
  plain[SLOT_COLORBY_PALETTE] = 0;
  copy(3, PART_MODEL, 1);
  part({4, 0, PART_CONTOUR, "contour of plain", -1, {2}, false});
  part({5, 0, PART_TENSOR, "glyphs", -1, {1}, false});
  part({6, 0, PART_ARROW, "arrows", -1, {1}, false})->attributes[82] = 0;
  part({7, 0, PART_MODEL, "unloaded", -1, {}, false})->attributes[SLOT_ELT_REP] = 4;
  part_by_number(7)->attributes[SLOT_NODE_SIZE_BY] = 1;
  modify_parts_results();
  const std::vector<std::string> expected = {"reload",    "line 1",   "solid 1", "copy 3",
                                             "contour 4", "tensor 5", "arrow 6 0 0 1"};
  EXPECT_EQ(Log, expected);
}

// After a time change the model parts of two cases are fetched with one
// "minm_many" and one "loadp_many" per server; the base part of a periodic
// instance first has its shared borders removed on its server, unless that
// removal is off.
TEST_F(PartRebuild, AllPartsAreFetchedInOneExchangePerServer) {
  CaseLink &s0 = connect_case(0);
  CaseLink &s1 = connect_case(1);
  Geom_change[0] = Geom_change[1] = 1;
  const float saved_time = Current_time;
  Current_time = 2.5f;
  Part_rec *base = part({1, 0, PART_MODEL, "base", -1, {}, false});
  base->attributes[SLOT_ELT_REP] = 2;
  base->attributes[SLOT_FEATURE_ANGLE] = 29.6f;
  part({2, 1, PART_MODEL, "other case", -1, {}, false});
  part({3, 0, PART_MODEL, "instance", -1, {1}, false});
  part({4, 0, PART_CLIP, "clip", -1, {1}, false});
  for (int removal : {1, 0}) {
    Shared_border_removal = removal;
    Log.clear();
    ClientCall call(this, [] { modify_all_parts(0); });
    const Bytes borders = removal ? str("remove_boundary_for_group") + ints({1, 3}) + i32(2) +
                                        f32(30.0f)
                                  : Bytes();
    const Bytes minm = str("minm_many") + i32(3) + ints({1, 3, 2});
    EXPECT_EQ(s0.peer.recv(borders.size() + minm.size()), borders + minm);
    EXPECT_EQ(s1.peer.recv(minm.size()), minm);
    const Bytes none = ints({1, 1, 1}) + ints({0, 0, 0});
    Bytes ext;
    for (int k = 0; k < 6; k++) ext = ext + floats({0, 0, 0});
    s0.peer.send(none + ext);
    s1.peer.send(none + ext);
    std::vector<float> factors, angles;
    for (int n : {1, 3, 2}) {
      factors.push_back(part_by_number(n)->attributes[SLOT_DISPLACE_FACTOR]);
      angles.push_back(part_by_number(n)->attributes[SLOT_FEATURE_ANGLE]);
    }
    const Bytes loadp = str("loadp_many") + i32(3) + ints({1, 3, 2}) + ints({2, 0, 0}) +
                        ints({-1, -1, -1}) + floats(factors) + floats(angles);
    const Bytes zeros = ints({0, 0, 0});
    const Bytes refused = ints({1, 1, 1}) + zeros + zeros + zeros + zeros + zeros;
    for (CaseLink *s : {&s0, &s1}) {
      EXPECT_EQ(s->peer.recv(loadp.size()), loadp);
      s->peer.send(refused);
    }
    ASSERT_TRUE(call.finished_within(5000));
    EXPECT_TRUE(s0.peer.quiet(100));
    EXPECT_TRUE(s1.peer.quiet(100));
    EXPECT_EQ(part_by_number(1)->attributes[SLOT_CREATE_TIME], 2.5f);
    EXPECT_EQ(part_by_number(2)->attributes[SLOT_CREATE_TIME], 2.5f);
    const std::vector<std::string> expected = {
        "shrink 1", "shrink 3", "shrink 2", "reload", "line 1", "emitter 1", "line 2",
        "emitter 2", "line 3", "emitter 3"};
    EXPECT_EQ(Log, expected) << "clips are not among the rebuilt dependants";
  }
  Current_time = saved_time;
}

TEST_F(PartRebuild, ChangedModelPartsRebuildTheirDerivedPartsInTheTimeOrder) {
  part({1, 0, PART_MODEL, "A", -1, {}, false});
  part({2, 0, PART_ARROW, "arrows", -1, {1}, false})->attributes[82] = 0;
  part({3, 0, PART_TENSOR, "glyphs", -1, {1}, false});
  part({4, 0, PART_TRACE, "trace", -1, {1}, false});
  part({5, 0, PART_CONTOUR, "lines", -1, {1}, false});
  copy(6, PART_CONTOUR, 5);
  modify_all_parts(0);  // no case connected: nothing fetched
  const std::vector<std::string> expected = {"reload",   "line 1",        "emitter 1",
                                             "contour 5", "emitter 5",    "tensor 3",
                                             "arrow 2 0 0 1", "copy 6"};
  EXPECT_EQ(Log, expected) << "tensors before arrows, and no trace";
}

// The shown variable at phase angle a: cos a x real - sin a x imaginary of
// the complex variable, for parts coloured by its palette; a part that
// holds only the real half is skipped, not read.
TEST_F(PartRebuild, PhaseAngleRecomputesTheShownValues) {
  Variable_rec vars[2] = {};
  vars[0].id = 0;  // shown
  vars[0].palette = 1;
  vars[1].id = 1;  // complex
  vars[1].type = 5;
  Variables = vars;
  Var_avail_cnt = 2;
  struct Row {
    int type;
    float angle;
    int solid;
    std::vector<std::string> log;
  };
  const Row rows[] = {
      {0, 0.0f, 0, {"line 1", "redraw"}},
      {0, 90.0f, 0, {"line 1", "redraw"}},
      {1, 90.0f, 1, {"solid 1", "redraw"}},
  };
  const float re[6] = {1, 2, 3, 4, 5, 6}, im[6] = {7, 8, 9, 10, 11, 12};
  for (const Row &r : rows) {
    clear_parts();
    Log.clear();
    vars[0].type = r.type;
    Solidt = r.solid;
    const int width = r.type == 0 ? 1 : 3;
    const int shown_kind = r.type == 0 ? PA_SCALARS : PA_VECTORS;
    const int cplx_kind = r.type == 0 ? PA_SCALARS_CPLX : PA_VECTORS_CPLX;
    for (int n : {1, 2}) {
      Part_rec *p = part({n, 0, PART_MODEL, n == 1 ? "whole" : "real only", -1, {}, false});
      p->node_count = 1;  // two values: node count + 1
      p->attributes[SLOT_VISIBLE] = 1;
      p->attributes[SLOT_HIDDEN_SURFACE] = 1;
      p->attributes[SLOT_COLORBY_PALETTE] = 1.7f;  // truncated: palette 1
      int i = Part_cross[n];
      resize_part_array(i, shown_kind, 2, 0);
      resize_part_array(i, n == 1 ? cplx_kind : shown_kind, 2, 1);
      float *w = r.type == 0 ? p->scalars[0] : p->vectors[0][0];
      float *z = r.type == 0 ? p->scalars[1] : p->vectors[1][0];
      for (int k = 0; k < 2 * width; k++) w[k] = -99.0f, z[k] = re[k];
      if (n == 1) {
        float *zi = r.type == 0 ? p->scalars_imag[1] : p->vectors_imag[1][0];
        for (int k = 0; k < 2 * width; k++) zi[k] = im[k];
      }
    }
    change_response_angle(0, 1, r.angle);
    const Part_rec *p = part_by_number(1);
    const float *w = r.type == 0 ? p->scalars[0] : p->vectors[0][0];
    for (int k = 0; k < 2 * width; k++)
      EXPECT_NEAR(w[k], r.angle == 0.0f ? re[k] : -im[k], 1e-5f) << r.angle << " value " << k;
    const Part_rec *q = part_by_number(2);
    EXPECT_EQ(r.type == 0 ? q->scalars[0][0] : q->vectors[0][0][0], -99.0f);
    EXPECT_EQ(Log, r.log);
    EXPECT_EQ(p->solid_built, r.solid);
  }
  // Fringes off: nothing is recomputed or redrawn.
  Log.clear();
  Fringt = 0;
  change_response_angle(0, 1, 45.0f);
  EXPECT_TRUE(Log.empty());
}

// ---- the display objects themselves -----------------------------------------------------

class PartObjects : public PartRebuild {
 protected:
  void SetUp() override {
    PartRebuild::SetUp();
    part_rebuild_calls(nullptr);
  }
  static Part_rec *triangle(int number, int type) {
    Part_rec *p = part({number, 0, type, "tri", -1, {}, false});
    set_mesh(Part_cross[number], {0, 0, 0, 1, 0, 0, 0, 1, 0}, {{1, 2, 3}});
    plain_solid_attributes(p->attributes);
    p->attributes[SLOT_VISIBLE] = 1;
    return p;
  }
};

TEST_F(PartObjects, TheLineObjectIsRecordedAndThePartMadeActive) {
  View_centred = 0;
  Part_rec *p = triangle(1, PART_MODEL);
  p->line_rebuild_pending = 1;
  p->bbox_list = 5;
  p->xmin = p->ymin = 1.0f;
  make_part(1);
  EXPECT_NE(p->line_object, nullptr);
  EXPECT_NE(p->line_object->first, nullptr);
  EXPECT_EQ(p->line_rebuild_pending, 0);
  EXPECT_EQ(p->xmin, -99.0f);
  EXPECT_EQ(p->ymin, -99.0f);
  EXPECT_EQ(p->bbox_list, -5);
  EXPECT_EQ(active_object_position(0), 0);
  EXPECT_EQ(p->solid_object, nullptr);
  EXPECT_EQ(View_centred, 0) << "a model part does not centre the view";
  triangle(2, PART_CLIP);
  make_part(2);
  EXPECT_EQ(View_centred, 1) << "the first derived part does";
  fill_parts(sample_parts());
  make_part(20);  // a group: nothing
  make_part(99);
  EXPECT_EQ(part_by_number(20)->line_object, nullptr);
}

// make_part_solid leaves the solid-built flag to its callers;
// make_solid_part_if_needed builds and marks only with shaded display and
// the part's hidden-surface slot on.
TEST_F(PartObjects, TheSolidObjectIsBuiltWhenNeeded) {
  Part_rec *p = triangle(1, PART_MODEL);
  p->solid_rebuild_pending = 1;
  make_part_solid(1);
  ASSERT_NE(p->solid_object, nullptr);
  EXPECT_NE(p->solid_object->first, nullptr);
  EXPECT_EQ(p->solid_rebuild_pending, 0);
  EXPECT_EQ(p->solid_built, 0);

  Part_rec *q = triangle(2, PART_MODEL);
  q->attributes[SLOT_HIDDEN_SURFACE] = 1;
  make_solid_part_if_needed(2);
  EXPECT_EQ(q->solid_object, nullptr) << "shaded display off";
  EXPECT_EQ(q->solid_built, 0);
  Solidt = 1;
  q->attributes[SLOT_HIDDEN_SURFACE] = 0;
  make_solid_part_if_needed(2);
  EXPECT_EQ(q->solid_built, 0);
  q->attributes[SLOT_HIDDEN_SURFACE] = 1;
  make_solid_part_if_needed(2);
  EXPECT_NE(q->solid_object, nullptr);
  EXPECT_EQ(q->solid_built, 1);
}

// Deleting a recorded object returns its blocks to the pool and keeps the
// object's head; the other object of the part stays.
TEST_F(PartObjects, DeletingARecordedObjectGivesItsBlocksBack) {
  Part_rec *p = triangle(1, PART_MODEL);
  make_part(1);
  make_part_solid(1);
  Display_list_block_rec *line = p->line_object->first;
  ASSERT_NE(line, nullptr);
  delete_display_lists_for_part(0, 0, 1);
  ASSERT_NE(p->line_object, nullptr);
  EXPECT_EQ(p->line_object->first, nullptr);
  EXPECT_EQ(free_display_list, line);
  EXPECT_NE(p->solid_object->first, nullptr);
  delete_display_lists_for_part(0, 1, 0);
  EXPECT_EQ(p->solid_object->first, nullptr);
  delete_display_lists_for_part(5, 0, 0);  // no such index: nothing
}

// With two displays the objects are recorded in display 1's context, and
// display 0's is current again afterwards; otherwise no context changes.
namespace {
std::vector<std::string> Switches;
int note_switch(int *code, int set, int *dpy) {
  if (set) Switches.push_back(std::to_string(*code) + " on display " + std::to_string(*dpy));
  return 1;
}
}  // namespace

TEST_F(PartObjects, TwoDisplaysRecordInDisplayOnesContext) {
  Screen_ops screen{};
  screen.gl_window = note_switch;
  screen_install(&screen);
  triangle(1, PART_MODEL);
  struct Row {
    int displays, current;
    std::vector<std::string> switches;
  };
  const Row rows[] = {
      {2, 0, {"0 on display 1", "0 on display 0"}},
      {2, 1, {}},
      {1, 0, {}},
  };
  for (const Row &r : rows) {
    for (void (*make)(int) : {make_part, make_part_solid}) {
      Switches.clear();
      Dpy_cnt = r.displays;
      Dpy_current = r.current;
      make(1);
      EXPECT_EQ(Switches, r.switches) << r.displays << " " << r.current;
      EXPECT_EQ(Dpy_current, r.current);
    }
  }
}

// Corners as drawn while a flipbook page is built: displaced by the page's
// load factor; a node number outside the part is never read.
TEST_F(PartObjects, ElementCornersTakeTheFlipbookLoadFactor) {
  Part_rec *p = triangle(1, PART_MODEL);
  p->attributes[SLOT_DISPLACE_BY] = 0;
  p->attributes[SLOT_DISPLACE_FACTOR] = 2;
  resize_part_array(0, PA_VECTORS, 4, 0);
  for (int n = 1; n <= 3; n++) p->vectors[0][n][2] = 1.0f;
  const float saved_undefined = Undefined;
  Undefined = -1234.5f;
  const int saved_flipbook = Loading_flipbook;
  const float saved_factor = Loading_load_factor;
  Loading_flipbook = 1;
  Loading_load_factor = 0.25f;
  float out[9];
  get_elem_coord(0, 0, out);
  EXPECT_EQ(out[2], 0.5f);
  Loading_load_factor = -1.0f;
  get_elem_coord(0, 0, out);
  EXPECT_EQ(out[2], 2.0f);
  p->connectivity[1] = 9;
  get_elem_coord(0, 0, out);
  EXPECT_EQ(std::vector<float>(out + 3, out + 6), std::vector<float>({0, 0, 0}));
  Loading_flipbook = saved_flipbook;
  Loading_load_factor = saved_factor;
  Undefined = saved_undefined;
}
