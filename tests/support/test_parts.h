// A small part table for the tests, filled in place the way the
// part subsystem keeps it: records packed in table order, Part_cross by
// number, group members after their group with parent_group set.
#pragma once

#include <cstdlib>
#include <cstring>
#include <vector>

#include "parts/read.h"

namespace qtest {

struct TestPart {
  int number;
  int case_index;
  int type;
  const char *name;
  int parent_group;              // -1 top-level
  std::vector<int> children;     // group members, or the parts it was made from
  bool group;
};

inline void clear_parts() {
  for (int i = 0; i < Num_p_loaded; i++) {
    free(parts[i]->children);
    delete parts[i];
    parts[i] = nullptr;
  }
  for (int &c : Part_cross) c = -1;
  Num_p_loaded = Num_p_partlist = 0;
}

inline void fill_parts(const std::vector<TestPart> &table) {
  clear_parts();
  for (const TestPart &t : table) {
    Part_rec *p = new Part_rec{};
    strncpy(p->name, t.name, sizeof p->name - 1);
    p->number = t.number;
    p->case_index = t.case_index;
    p->type = t.type;
    p->group = t.group ? 1 : 0;
    p->parent_group = t.parent_group;
    p->children_count = static_cast<int>(t.children.size());
    if (!t.children.empty()) {
      p->children = static_cast<int *>(malloc(sizeof(int) * t.children.size()));
      memcpy(p->children, t.children.data(), sizeof(int) * t.children.size());
    }
    Part_cross[t.number] = Num_p_loaded;
    parts[Num_p_loaded++] = p;
    if (t.parent_group == -1) Num_p_partlist++;
  }
}

// Model part 7 of case 1 and a clip of case 2 made from it, a group of two
// model parts, and a contour of case 2 made from a group member and part 7.
inline std::vector<TestPart> sample_parts() {
  return {
      {7, 0, 0, "engine", -1, {}, false},
      {12, 1, 1, "cut", -1, {7}, false},
      {20, 0, 0, "body", -1, {21, 22}, true},
      {21, 0, 0, "door", 20, {}, false},
      {22, 0, 0, "roof", 20, {}, false},
      {30, 1, 2, "lines", -1, {21, 7}, false},
  };
}

}  // namespace qtest
