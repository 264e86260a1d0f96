// The part table: unique names, free numbers, rounding, array growth, the
// refusals of record creation and what a failed allocation leaves behind.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "forked.h"
#include "parts_fixture.h"
#include "variables/variables.h"

using namespace qtest;

class PartTable : public PartsTest {};

static std::string suffixed(const std::string &base, int n) {
  char s[16];
  snprintf(s, sizeof s, " ->> %.4d", n);
  return base + s;
}

TEST_F(PartTable, NamesAreMadeUniqueWithinTheirCase) {
  int c = part_unique_suffix_counter();
  std::string long45(45, 'L');
  struct Row {
    int number, case_index;
    std::string name, want;
  } rows[] = {
      {1, 0, "Part", "Part"},
      {2, 0, "Part", suffixed("Part", c)},
      {3, 0, "Part", suffixed("Part", c + 1)},
      {4, 1, "Part", "Part"},                                 // another case keeps it
      {5, 0, suffixed("Part", c), suffixed("Part", c + 2)},   // old suffix replaced
      {6, 0, long45, long45},
      {7, 0, long45, suffixed(std::string(40, 'L'), c + 3)},  // cut to 40 first
  };
  for (const Row &r : rows) {
    Part_rec *p = add_part({r.number, r.case_index, 0, r.name.c_str(), -1, {}, false});
    ASSERT_NE(p, nullptr) << r.number;
    EXPECT_EQ(std::string(p->name), r.want) << r.number;
    EXPECT_LE(strlen(p->name), 49u);
  }
}

TEST_F(PartTable, FreeNumbersAreTheLowest) {
  model_part(1, "a");
  model_part(3, "b");
  int out[3] = {0, 0, 0}, found = 0;
  make_part_number(3, out, &found);
  EXPECT_EQ(found, 3);
  EXPECT_EQ(std::vector<int>(out, out + 3), (std::vector<int>{2, 4, 5}));
}

TEST_F(PartTable, RoundingTruncatesThenRoundsHalvesUp) {
  struct Row {
    float x;
    int want;
  } rows[] = {{0.49f, 0}, {0.5f, 1}, {3.99f, 4}, {-0.5f, 0}, {-1.5f, -1}, {4.0f, 4}, {2.5f, 3}, {-2.7f, -2}};
  for (const Row &r : rows) EXPECT_EQ(our_rint(r.x), r.want) << r.x;
}

TEST_F(PartTable, FirstRecordAndQueries) {
  fill_parts(sample_parts());
  EXPECT_EQ(Part_cross[7], 0);
  EXPECT_EQ(Part_cross[8], -1);
  EXPECT_EQ(Num_p_loaded, 6);
  EXPECT_EQ(Num_p_partlist, 4);
  EXPECT_EQ(partxid_check(-1), 1);
  EXPECT_EQ(partxid_check(5000), -1);
  EXPECT_EQ(partxid_check(-3), -1);
  int in[4] = {-1, 20, 12, 99}, out[8], n = 0;
  uncompress_part_list(4, &n, in, out);
  EXPECT_EQ(std::vector<int>(out, out + n), (std::vector<int>{-1, 21, 22, 12}));
  int number = 0;
  EXPECT_EQ(ui_part_get(0, Num_p_partlist, &number, nullptr, nullptr, nullptr, nullptr), -1);
  // A new record starts from its type's defaults and a colour by position.
  Part_rec *p = part_by_number(12);
  EXPECT_EQ(p->attributes[SLOT_CLIP_TOOL], (float)CLIP_TOOL_XYZ);
  EXPECT_EQ(p->attr_owner, 12);
  EXPECT_EQ(p->xmin, ATTR_UNSET);
  EXPECT_EQ(p->var_defined[0], 1);
}

TEST_F(PartTable, CreationRefusesNumbersOutOfRangeOrTaken) {
  char d[PART_NAME_TEXT] = "x";
  EXPECT_EQ(create_one_part(0, d, 0, 0), -1);
  EXPECT_EQ(create_one_part(5000, d, 0, 0), -1);
  EXPECT_EQ(create_one_part(8, d, 0, 0), 0);
  EXPECT_EQ(create_one_part(8, d, 0, 0), -1);  // a second record would orphan the first
  EXPECT_EQ(Num_p_loaded, 1);
  EXPECT_EQ(Num_p_partlist, 1);
  EXPECT_EQ(Num_parts_cases[0], 1);
  EXPECT_EQ(parts[1], nullptr);
}

TEST_F(PartTable, ArraysGrowKeepingTheirContentAndNeverShrink) {
  model_part(1, "a");
  int i = Part_cross[1];
  resize_part_array(i, PA_COORDS, 10, 0);
  for (int r = 0; r < 10; r++) parts[i]->coords[r][2] = (float)r;
  float **before = parts[i]->coords;
  resize_part_array(i, PA_COORDS, 5, 0);
  EXPECT_EQ(parts[i]->coords, before);
  EXPECT_EQ(parts[i]->cap[PA_COORDS], 10);
  resize_part_array(i, PA_COORDS, 20, 0);
  EXPECT_EQ(parts[i]->cap[PA_COORDS], 20);
  for (int r = 0; r < 10; r++) EXPECT_EQ(parts[i]->coords[r][2], (float)r);
  EXPECT_EQ(parts[i]->coords[19][0], 0.0f);
  resize_part_array(i, PA_SCALARS_CPLX, 4, 2);
  EXPECT_EQ(parts[i]->scalar_caps[2], 4);
  EXPECT_NE(parts[i]->scalars_imag[2], nullptr);
  resize_part_array(i, PA_SCALARS, 4, Var_array_size);  // no such variable: nothing
}

// In a child whose address space is capped: a growth that cannot be had
// keeps the old array and capacity, and a record that cannot be allocated
// leaves no trace in the table.
TEST_F(PartTable, FailedAllocationsLeaveTheTableTruthful) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "exhausts the address space on purpose; AddressSanitizer aborts there by design";
#endif
  model_part(1, "a");
  int i = Part_cross[1];
  resize_part_array(i, PA_COORDS, 4, 0);
  resize_part_array(i, PA_CONNECT, 4, 0);
  parts[i]->coords[3][1] = 7.0f;
  ForkedChild child([i] {
    long pages = 0;
    FILE *statm = fopen("/proc/self/statm", "r");
    if (!statm || fscanf(statm, "%ld", &pages) != 1) return 11;
    fclose(statm);
    rlim_t cap = (rlim_t)pages * 4096 + (256u << 20);  // what it uses now and 256 MB more
    struct rlimit lim = {cap, cap};
    if (setrlimit(RLIMIT_AS, &lim) != 0) return 10;
    resize_part_array(i, PA_COORDS, 200000000, 0);  // 2.4 GB
    if (parts[i]->cap[PA_COORDS] != 4 || parts[i]->coords[3][1] != 7.0f) return 1;
    resize_part_array(i, PA_CONNECT, 400000000, 0);
    if (parts[i]->cap[PA_CONNECT] != 4 || !parts[i]->connectivity) return 2;
    // Use up what is left (each block holds the previous one's address),
    // then ask for a record.
    void *held = nullptr;
    for (size_t chunk = 64u << 20; chunk >= sizeof(void *); chunk /= 2)
      while (void *m = malloc(chunk)) {
        *static_cast<void **>(m) = held;
        held = m;
      }
    char d[PART_NAME_TEXT] = "b";
    int made = create_one_part(2, d, 0, 0);
    int loaded = Num_p_loaded, cross = Part_cross[2];
    while (held) {
      void *prev = *static_cast<void **>(held);
      free(held);
      held = prev;
    }
    if (made != -1 || loaded != 1 || cross != -1) return 3;
    return 0;
  });
  EXPECT_EQ(child.wait(), 0) << child.err();
}

TEST_F(PartTable, DataPathKeepsAtMost254Characters) {
  std::string longer(300, 'd');
  which_path(2, &longer[0], 1);
  char back[PATH_TEXT + 10];
  memset(back, 'x', sizeof back);
  which_path(2, back, 0);
  EXPECT_EQ(strlen(back), 254u);
}
