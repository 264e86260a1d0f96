// The active part list, the emitter slots and part bounds, on a small part
// table made the way the part subsystem makes it.
#include <gtest/gtest.h>

#include <vector>

#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"
#include "test_parts.h"

using namespace qtest;

namespace {

class ActiveObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    clear_parts();
    reset_active_objects();
  }
  void TearDown() override {
    reset_active_objects();
    clear_parts();
  }
  std::vector<int> list() const {
    return std::vector<int>(Active_objects, Active_objects + Num_active_objects);
  }
};

TEST_F(ActiveObjects, ActivationRules) {
  fill_parts({{1, 0, PART_MODEL, "a", -1, {}, false},
              {2, 0, PART_MODEL, "grp", -1, {}, true},
              {3, 0, PART_MODEL, "unloaded", -1, {}, false}});
  parts[2]->attributes[SLOT_ELT_REP] = ELT_REP_NOT_LOADED;
  actobj(1);
  actobj(1);
  actobj(2);
  actobj(3);
  actobj(77);   // names no part
  actobj(-5);
  EXPECT_EQ(list(), std::vector<int>({0})) << "once, and no group, unloaded or missing part";
  deaobj(77);
  deaobj(3);
  EXPECT_EQ(list(), std::vector<int>({0}));
  deaobj(1);
  EXPECT_TRUE(list().empty());
}

TEST_F(ActiveObjects, DeletionRenumbersTheList) {
  std::vector<TestPart> table;
  const char *names[] = {"p0", "p1", "p2", "p3", "p4"};
  for (int k = 0; k < 5; k++) table.push_back({k + 1, 0, PART_MODEL, names[k], -1, {}, false});
  fill_parts(table);
  actobj(5);
  actobj(2);
  actobj(4);
  ASSERT_EQ(list(), std::vector<int>({4, 1, 3}));
  EXPECT_EQ(active_object_position(3), 2);
  // Deleting index 3: deactivate it, then every index above follows the table.
  deaobj(4);
  compress_active(4);
  EXPECT_EQ(list(), std::vector<int>({3, 1}));
  EXPECT_EQ(active_object_position(4), -1);
}

TEST_F(ActiveObjects, EmitterSlots) {
  active_emitter(7, 31);
  active_emitter(7, 45);
  EXPECT_EQ(Emitter_lists[7], 31) << "an occupied slot keeps its list";
  EXPECT_EQ(Num_active_emitters, 1);
  active_emitter(MAX_EMITTERS, 3);
  active_emitter(-1, 3);
  EXPECT_EQ(Num_active_emitters, 1);
  dea_emitter(8);
  EXPECT_EQ(Num_active_emitters, 1) << "emptying an empty slot counts nothing";
  dea_emitter(7);
  EXPECT_EQ(Emitter_lists[7], 0);
  EXPECT_EQ(Num_active_emitters, 0);
  active_emitter(3, 9);
  actobj(1);
  reset_active_objects();
  EXPECT_EQ(Num_active_emitters, 0);
  EXPECT_EQ(Emitter_lists[3], 0);
}

TEST_F(ActiveObjects, BoundsOfANodeSetAndItsKinds) {
  struct Case {
    const char *what;
    int type;
    std::vector<float> xyz;
    float want[6];  // xmin xmax ymin ymax zmin zmax
  } cases[] = {
      {"one node", PART_MODEL, {1, 2, 3}, {1, 1, 2, 2, 3, 3}},
      {"three nodes", PART_MODEL, {1, 5, -3, -2, 0, 4, 0, 9, 1}, {-2, 1, 0, 9, -3, 4}},
      {"trace leaves its last node out", PART_TRACE, {0, 0, 0, 1, 1, 1, 50, 50, 50},
       {0, 1, 0, 1, 0, 1}},
  };
  for (const Case &c : cases) {
    fill_parts({{1, 0, c.type, "p", -1, {}, false}});
    set_mesh(0, c.xyz, {});
    parts[0]->attributes[SLOT_DISPLACE_BY] = -1;
    parts[0]->xmin = parts[0]->ymin = ATTR_UNSET;
    find_bounding_volume(0);
    Part_rec *p = parts[0];
    float got[6] = {p->xmin, p->xmax, p->ymin, p->ymax, p->zmin, p->zmax};
    for (int k = 0; k < 6; k++) EXPECT_EQ(got[k], c.want[k]) << c.what << " value " << k;
  }
}

TEST_F(ActiveObjects, BoundsFollowTheDisplacementAndKeepAnEmptyPart) {
  fill_parts({{1, 0, PART_MODEL, "p", -1, {}, false}});
  set_mesh(0, {0, 0, 0, 1, 0, 0}, {});
  Part_rec *p = parts[0];
  resize_part_array(0, PA_VECTORS, 3, 2);
  p->vectors[2][1][1] = 4;
  p->vectors[2][2][2] = -2;
  p->attributes[SLOT_DISPLACE_BY] = 2;
  p->attributes[SLOT_DISPLACE_FACTOR] = 0.5f;
  find_bounding_volume(0);
  EXPECT_EQ(p->ymax, 2.0f);
  EXPECT_EQ(p->zmin, -1.0f);
  p->node_count = 0;
  p->xmin = p->ymin = ATTR_UNSET;
  find_bounding_volume(0);
  EXPECT_EQ(p->xmin, ATTR_UNSET) << "no nodes leaves the mark";
}

}  // namespace
