// A small part table for the tests, made the way the part subsystem makes
// it: every record by create_one_part (in its case, of its type), then the
// group and parent links set; group members after their group, not rows of
// the lists.  clear_parts frees every record and resets the counts.
#pragma once

#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/cases.h"
#include "parts/attribute.h"
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
  for (int i = 0; i < MAX_PARTS && parts[i]; i++) {
    part_rec_free(parts[i]);
    parts[i] = nullptr;
  }
  for (int &c : Part_cross) c = -1;
  for (int &c : Num_parts_cases) c = 0;
  Num_p_loaded = Num_p_partlist = 0;
}

// Adds one record with create_one_part in its case; the record, or null.
inline Part_rec *add_part(const TestPart &t) {
  int keep = Case_num;
  Case_num = t.case_index;
  char desc[PART_NAME_TEXT] = {0};
  strncpy(desc, t.name, PART_NAME_USED - 1);
  int made = create_one_part(t.number, desc, t.type, 0);
  Case_num = keep;
  if (made != 0) return nullptr;
  Part_rec *p = part_by_number(t.number);
  p->group = t.group ? 1 : 0;
  p->parent_group = t.parent_group;
  if (t.parent_group != -1) Num_p_partlist--;
  if (!t.children.empty()) {
    resize_part_array(Part_cross[t.number], PA_CHILDREN, (int)t.children.size(), 0);
    memcpy(p->children, t.children.data(), sizeof(int) * t.children.size());
    p->children_count = (int)t.children.size();
  }
  return p;
}

// Gives the record at index i nodes 1..n at the points xyz (3 floats each)
// and the elements whose 1-based node lists are `elements`.
inline void set_mesh(int i, const std::vector<float> &xyz,
                     const std::vector<std::vector<int>> &elements) {
  Part_rec *p = parts[i];
  int n = (int)xyz.size() / 3, total = 0;
  for (const auto &e : elements) total += (int)e.size();
  resize_part_array(i, PA_COORDS, n + 1, 0);
  resize_part_array(i, PA_OFFSETS, (int)elements.size() + 1, 0);
  resize_part_array(i, PA_CONNECT, total, 0);
  for (int k = 1; k <= n; k++)
    for (int c = 0; c < 3; c++) p->coords[k][c] = xyz[3 * (k - 1) + c];
  p->node_count = n;
  p->element_count = (int)elements.size();
  int at = 0;
  for (size_t e = 0; e < elements.size(); e++) {
    p->elem_offsets[e] = at;
    for (int node : elements[e]) p->connectivity[at++] = node;
  }
  p->elem_offsets[elements.size()] = at;
}

// Attributes of a plainly shaded part: faces and lines shown, no nodes,
// flat, opaque, not coloured by a variable, not displaced, not shrunk.
inline void plain_solid_attributes(float *a) {
  a[SLOT_VIS_NODE] = 0;
  a[SLOT_VIS_LINE] = 1;
  a[SLOT_VIS_ELT] = 1;
  a[SLOT_SHADING] = 0;
  a[SLOT_COLORBY_PALETTE] = 0;
  a[SLOT_COLORBY_SUBPALETTE] = 0;
  a[SLOT_OPAQUENESS] = 1;
  a[SLOT_DISPLACE_BY] = -1;
  a[SLOT_SHRINK] = 0;
  a[SLOT_NODE_SIZE_BY] = 0;
}

// Adds part number n of the type in case 0 with the mesh (see set_mesh),
// plainly shaded, shown as itself in every viewport, no mirror copies; its
// attributes.
inline float *add_mesh_part(int n, int type, const std::vector<float> &xyz,
                            const std::vector<std::vector<int>> &elements) {
  add_part({n, 0, type, "p", -1, {}, false});
  const int i = Part_cross[n];
  set_mesh(i, xyz, elements);
  float *a = parts[i]->attributes;
  plain_solid_attributes(a);
  a[SLOT_VISIBLE] = 1;
  a[SLOT_VIEWPORT_VIS] = 0xffff;
  a[SLOT_MIRROR_ORIGINAL] = 1;
  for (int m = SLOT_MIRROR_Z; m <= SLOT_MIRROR_XYZ; m++) a[m] = 0;
  return a;
}

// Plain drawing state of a part: thin unstippled lines, full ambient and no
// highlight, no box, clipped by the user clip planes, global frame.
inline void plain_draw_attributes(float *a) {
  a[SLOT_LINE_WIDTH] = 1;
  a[SLOT_LINE_STYLE] = 0;
  a[SLOT_FILL_PATTERN] = 0;
  a[SLOT_LIGHT_DIFF] = 1;
  a[SLOT_LIGHT_HINT] = 0;
  a[SLOT_LIGHT_SHIN] = 0;
  a[SLOT_BOUNDING_REP] = 0;
  a[SLOT_CLIP] = 1;
  a[SLOT_FRAME] = 0;
}

inline void fill_parts(const std::vector<TestPart> &table) {
  clear_parts();
  for (const TestPart &t : table) add_part(t);
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
