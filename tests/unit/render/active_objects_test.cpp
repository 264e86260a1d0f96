// The active part list, the emitter slots and part bounds, on a small part
// table made the way the part subsystem makes it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "state/backup.h"
#include "view/view_matrix.h"
#include "view/viewports.h"
#include "test_parts.h"

using namespace qtest;

namespace {

class ActiveObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    clear_parts();
    disobj_bkup(nullptr, 4);
    for (int v = 0; v < MAX_VIEWPORTS; v++) saved_in_use[v] = Viewports[v].in_use;
  }
  int saved_in_use[MAX_VIEWPORTS];
  void TearDown() override {
    for (int v = 0; v < MAX_VIEWPORTS; v++) Viewports[v].in_use = saved_in_use[v];
    disobj_bkup(nullptr, 4);
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

TEST_F(ActiveObjects, CaseMasksKeepTheBitsOfViewportsNotInUse) {
  fill_parts({{1, 2, PART_MODEL, "a", -1, {}, false}, {2, 3, PART_MODEL, "b", -1, {}, false}});
  int mask = 0;
  parts_visible_by_case(2, &mask, 0);
  EXPECT_EQ(mask, 0xffff) << "a new case is shown everywhere";
  for (int v = 0; v < MAX_VIEWPORTS; v++) Viewports[v].in_use = (v == 0 || v == 2);
  int want = 0;  // hide in viewports 0 and 2 (and ask for 1 and 3 off too)
  parts_visible_by_case(2, &want, 1);
  parts_visible_by_case(2, &mask, 0);
  EXPECT_EQ(mask, 0xfffa) << "only the bits of viewports in use change";
  EXPECT_EQ(parts[0]->attributes[SLOT_VIEWPORT_VIS], (float)0xfffa) << "the case's part carries it";
  EXPECT_NE(parts[1]->attributes[SLOT_VIEWPORT_VIS], (float)0xfffa) << "another case's part does not";
  int other = 0;
  parts_visible_by_case(3, &other, 0);
  EXPECT_EQ(other, 0xffff);
  parts_visible_by_case(2, &want, 7);
  parts_visible_by_case(2, &mask, 0);
  EXPECT_EQ(mask, 0xfffa) << "other modes do nothing";
}

TEST_F(ActiveObjects, ArchiveRoundTripLeavesTheEmittersAlone) {
  fill_parts({{1, 0, PART_MODEL, "a", -1, {}, false},
              {2, 0, PART_MODEL, "b", -1, {}, false},
              {3, 0, PART_MODEL, "c", -1, {}, false}});
  actobj(3);
  actobj(1);
  int m = 0x0001;
  for (int v = 0; v < MAX_VIEWPORTS; v++) Viewports[v].in_use = 1;
  parts_visible_by_case(5, &m, 1);
  active_emitter(4, 12);
  FILE *fp = tmpfile();
  ASSERT_NE(fp, nullptr);
  ASSERT_EQ(disobj_bkup(fp, 0), 1);
  EXPECT_EQ(ftell(fp), 20080L);
  disobj_bkup(nullptr, 4);
  EXPECT_EQ(Num_active_objects, 0);
  EXPECT_EQ(Num_active_emitters, 0) << "reset empties the emitters";
  active_emitter(9, 33);
  rewind(fp);
  ASSERT_EQ(disobj_bkup(fp, 2), 1);
  EXPECT_EQ(list(), std::vector<int>({2, 0}));
  int got = 0;
  parts_visible_by_case(5, &got, 0);
  EXPECT_EQ(got, 0x0001);
  EXPECT_EQ(Emitter_lists[9], 33) << "restore leaves the emitter slots alone";
  EXPECT_EQ(Emitter_lists[4], 0);
  EXPECT_EQ(Num_active_emitters, 1);
  // Resetting every archive section resets this one too.
  file_backup_reinitializeall();
  EXPECT_EQ(Num_active_objects, 0);
  EXPECT_EQ(Num_active_emitters, 0);
  EXPECT_EQ(Case_viewport_visibility_set, 0);
  // The section is big-endian: the version word 10.0f leads.
  rewind(fp);
  unsigned char b[8];
  ASSERT_EQ(fread(b, 1, 8, fp), 8u);
  EXPECT_EQ(std::vector<unsigned char>(b, b + 8),
            std::vector<unsigned char>({0x41, 0x20, 0, 0, 0, 0, 0, 2}));
  fclose(fp);
}

static void put_be(FILE *fp, uint32_t v) {
  unsigned char b[4] = {(unsigned char)(v >> 24), (unsigned char)(v >> 16),
                        (unsigned char)(v >> 8), (unsigned char)v};
  fwrite(b, 1, 4, fp);
}

TEST_F(ActiveObjects, ArchiveRestoreDistrustsItsCountAndIndices) {
  fill_parts({{1, 0, PART_MODEL, "a", -1, {}, false}, {2, 0, PART_MODEL, "b", -1, {}, false}});
  struct Case {
    const char *what;
    uint32_t count;
    std::vector<uint32_t> entries;
    std::vector<int> want;
  } cases[] = {
      {"huge count", 0x7fffffff, {1, 0}, {1, 0}},
      {"index past the table and negative", 4, {1, 2, 0xffffffff, 0}, {1, 0}},
      {"duplicates", 3, {0, 0, 1}, {0, 1}},
      {"negative count", 0xfffffff0, {1}, {}},
  };
  for (const Case &c : cases) {
    FILE *fp = tmpfile();
    ASSERT_NE(fp, nullptr);
    put_be(fp, 0x41200000);
    put_be(fp, c.count);
    put_be(fp, 0);
    for (int k = 0; k < MAX_ACTIVE_OBJECTS; k++)
      put_be(fp, k < (int)c.entries.size() ? c.entries[k] : 0);
    for (int k = 0; k < 17; k++) put_be(fp, 1);
    rewind(fp);
    EXPECT_EQ(disobj_bkup(fp, 6), 1) << c.what;
    EXPECT_EQ(list(), c.want) << c.what;
    fclose(fp);
  }
  FILE *shortfile = tmpfile();
  put_be(shortfile, 0x41200000);
  put_be(shortfile, 1);
  rewind(shortfile);
  actobj(2);
  EXPECT_EQ(disobj_bkup(shortfile, 2), -1);
  EXPECT_EQ(list(), std::vector<int>({1})) << "a short section changes nothing";
  fclose(shortfile);
}

TEST_F(ActiveObjects, ExtentsInAViewportCountMirrorsAndSkipArrows) {
  int keep_vp = Viewport_current;
  Viewport_current = 0;
  float keep_ctm[16], keep_2d[16], id[16];
  current_ctm(keep_ctm, 0);
  memcpy(keep_2d, Viewports[0].matrix_2d, sizeof keep_2d);
  int4x4(id);
  current_ctm(id, 1);
  memcpy(Viewports[0].matrix_2d, id, sizeof id);
  struct Case {
    const char *what;
    int type;
    int slot;       // attribute set to 1, or -1
    int vis_mask;   // viewport attribute
    int result;
    float want[6];
  } cases[] = {
      {"plain", PART_MODEL, -1, 0xffff, 1, {1, 3, 2, 5, -1, 0}},
      {"mirror x includes the image", PART_MODEL, SLOT_MIRROR_X, 0xffff, 1, {-3, 3, 2, 5, -1, 0}},
      {"mirror yz", PART_MODEL, SLOT_MIRROR_YZ, 0xffff, 1, {1, 3, -5, 5, -1, 1}},
      {"vector arrows never count", PART_ARROW, -1, 0xffff, -1, {-1, 1, -1, 1, -1, 1}},
      {"hidden in viewport 0", PART_MODEL, -1, 0xfffe, -1, {-1, 1, -1, 1, -1, 1}},
  };
  for (const Case &c : cases) {
    fill_parts({{1, 0, c.type, "p", -1, {}, false}});
    set_mesh(0, {1, 2, -1, 3, 5, 0}, {});
    float *a = parts[0]->attributes;
    a[SLOT_DISPLACE_BY] = -1;
    a[SLOT_FRAME] = 0;
    for (int m = SLOT_MIRROR_Z; m <= SLOT_MIRROR_XYZ; m++) a[m] = 0;
    if (c.slot >= 0) a[c.slot] = 1;
    a[SLOT_VIEWPORT_VIS] = (float)c.vis_mask;
    float e[6];
    EXPECT_EQ(find_min_max_for_part_in_viewport(0, 0, 2, parts[0]->coords, nullptr, 0, e), c.result)
        << c.what;
    for (int k = 0; k < 6; k++) EXPECT_EQ(e[k], c.want[k]) << c.what << " value " << k;
    reset_active_objects();
    actobj(1);
    float all[6];
    find_min_max_viewport(0, all);
    for (int k = 0; k < 6; k++) EXPECT_EQ(all[k], c.want[k]) << c.what << " (active union) " << k;
  }
  current_ctm(keep_ctm, 1);
  memcpy(Viewports[0].matrix_2d, keep_2d, sizeof keep_2d);
  Viewport_current = keep_vp;
}

}  // namespace
