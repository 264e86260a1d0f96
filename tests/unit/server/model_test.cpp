// The dataset model's own rules: unique part names within the length
// limit, one kind per variable name, element counts of structured blocks.
#include <gtest/gtest.h>

#include "model/model.h"

namespace {

TEST(ServerModel, PartNamesAreCutAndMadeUnique) {
  const std::string a60(60, 'a'), a49(49, 'a');
  struct Case {
    std::vector<std::string> taken;
    std::string wanted, got;
  } cases[] = {
      {{}, "Part", "Part"},
      {{"Part"}, "Part", "Part (2)"},
      {{"Part", "Part (2)"}, "Part", "Part (3)"},
      {{"Part (2)"}, "Part", "Part"},
      {{}, a60, a49},
      {{a49}, a60, std::string(45, 'a') + " (2)"},
  };
  for (const Case &c : cases) {
    Ds_case_rec k;
    for (const std::string &name : c.taken) {
      k.parts.emplace_back();
      k.parts.back().name = name;
    }
    std::string got = ds_unique_part_name(k, c.wanted);
    EXPECT_EQ(got, c.got);
    EXPECT_LE(got.size(), (size_t)DS_PART_NAME_MAX);
  }
}

TEST(ServerModel, AVariableNameHasOneKindAndPlace) {
  Ds_case_rec k;
  EXPECT_EQ(ds_add_var(&k, "p", DS_SCALAR, DS_AT_NODES), 0);
  EXPECT_EQ(ds_add_var(&k, "v", DS_VECTOR, DS_AT_NODES), 1);
  EXPECT_EQ(ds_add_var(&k, "p", DS_SCALAR, DS_AT_NODES), 0);
  EXPECT_EQ(ds_add_var(&k, "p", DS_VECTOR, DS_AT_NODES), -1);
  EXPECT_EQ(ds_add_var(&k, "p", DS_SCALAR, DS_AT_ELEMENTS), -1);
  EXPECT_EQ(k.vars.size(), 2u);
  Ds_var_rec &p = k.vars[0];
  for (int step : {3, 1, 3, 0}) ds_var_defined_at(&p, step);
  EXPECT_EQ(p.steps, (std::vector<int>{0, 1, 3}));
}

TEST(ServerModel, BlockCellsCountByTheDirectionsInUse) {
  struct Case {
    int ijk[3];
    Ds_elem_type type;
    int cells;
  } cases[] = {{{4, 3, 2}, DS_HEXA8, 6}, {{4, 1, 3}, DS_QUAD4, 6}, {{1, 5, 1}, DS_BAR2, 4}, {{1, 1, 1}, DS_POINT, 1}};
  for (const Case &c : cases) {
    Ds_part_rec p;
    p.structured = 1;
    std::copy(c.ijk, c.ijk + 3, p.ijk);
    int64_t counts[DS_ELEM_TYPES];
    ds_elem_counts(p, counts);
    EXPECT_EQ(ds_elem_count(p), c.cells);
    EXPECT_EQ(counts[c.type], c.cells) << Ds_elem_types[c.type].name;
  }
}

}  // namespace
