// Parts made from other parts: client-side copies and groups, and the
// extract, merge and iblank parts the case servers build.
#include "parts/part_copy.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/ccp.h"
#include "client/conect.h"
#include "client/matrix.h"
#include "client/screen.h"
#include "data/pbuild.h"
#include "parts/attribute.h"
#include "parts/part_delete.h"
#include "parts/part_rebuild.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/labels.h"
#include "render/redraw.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "view/viewports.h"

namespace {

const int COPY_NAME_CUT = 42;    // source name kept before " - COPY"
const int COPY_NUMBER_ROOM = 36; // " of part %d" is added to names shorter than this
const int DERIVED_NAME_MAX = 47; // extract names stop growing here

float slot(const Part_rec *p, int s) { return p->attributes ? p->attributes[s] : 0.0f; }

void redraw_views() {
  if (Num_active_viewports <= 1)
    display_all();
  else
    viewports_display_all();
}

// Makes the current case c while it lives; restores the previous one.
struct Case_switch {
  int saved;
  explicit Case_switch(int c) : saved(Case_num) { Case_num = c; }
  ~Case_switch() { Case_num = saved; }
};

// The copy of a source's name: cut, " - COPY", and the source's number
// when there is room.
void copy_name(const Part_rec *src, char *out) {
  snprintf(out, PART_NAME_USED, "%.*s - COPY", COPY_NAME_CUT, src->name);
  if ((int)strlen(out) < COPY_NUMBER_ROOM) {
    size_t len = strlen(out);
    snprintf(out + len, PART_NAME_USED - len, " of part %d", src->number);
  }
}

// Points the copy at its source's geometry and values (shared, never freed
// through the copy) and takes the source's ranges and extents.
void share_source_data(Part_rec *c, const Part_rec *r) {
  c->element_count = r->element_count;
  c->elem_offsets = r->elem_offsets;
  c->connectivity = r->connectivity;
  c->node_count = r->node_count;
  c->coords = r->coords;
  c->tensors = r->tensors;
  for (int v = 0; v < Var_array_size; v++) {
    if (c->scalars && r->scalars) c->scalars[v] = r->scalars[v];
    if (c->scalars_imag && r->scalars_imag) c->scalars_imag[v] = r->scalars_imag[v];
    if (c->vectors && r->vectors) c->vectors[v] = r->vectors[v];
    if (c->vectors_imag && r->vectors_imag) c->vectors_imag[v] = r->vectors_imag[v];
    float *const mine[] = {c->sclmin,  c->sclmax,  c->vecxmax, c->vecxmin, c->vecymin,
                           c->vecymax, c->veczmin, c->veczmax, c->vecmag1, c->vecmag2};
    const float *const theirs[] = {r->sclmin,  r->sclmax,  r->vecxmax, r->vecxmin, r->vecymin,
                                   r->vecymax, r->veczmin, r->veczmax, r->vecmag1, r->vecmag2};
    for (int k = 0; k < 10; k++)
      if (mine[k] && theirs[k]) mine[k][v] = theirs[k][v];
  }
  c->xmin = r->xmin;
  c->xmax = r->xmax;
  c->ymin = r->ymin;
  c->ymax = r->ymax;
  c->zmin = r->zmin;
  c->zmax = r->zmax;
}

// The line object, and the solid object in shaded mode (or a pending mark
// when the part would not show it).
void build_objects(int number) {
  Part_rec *p = part_by_number(number);
  if (!p) return;
  make_part(number);
  if (!Solidt) return;
  if (slot(p, SLOT_VISIBLE) == 0 || slot(p, SLOT_HIDDEN_SURFACE) == 0) {
    p->solid_rebuild_pending = 1;
  } else {
    make_part_solid(number);
    p->solid_built = 1;
  }
}

// A new frame holding a copy of frame src's attributes and transformation
// state; -1 when none can be made.
int duplicate_frame(int src) {
  float attrs[FRAME_SLOTS] = {0};
  if (frame_attributes(src, attrs, nullptr, 0) < 0) return -1;
  int made = new_frame(attrs, "");
  if (made < 0 || made >= MAX_FRAMES) return -1;
  Frame_rec *to = Ctm_part[made];
  const Frame_rec *from = src >= 0 && src < MAX_FRAMES ? Ctm_part[src] : nullptr;
  if (to && from) {
    for (int v = 0; v < FRAME_VIEWPORTS; v++) {
      cop4x4(from->rotation[v], to->rotation[v]);
      cop4x4(from->translation[v], to->translation[v]);
      cop4x4(from->scale[v], to->scale[v]);
      cop4x4(from->combined[v], to->combined[v]);
    }
    cop4x4(from->to_global, to->to_global);
    cop4x4(from->to_frame, to->to_frame);
    memcpy(to->attributes + FRAME_POINTS, from->attributes + FRAME_POINTS,
           sizeof(float) * (FRAME_SLOTS - FRAME_POINTS));
  }
  return made;
}

// Makes one copy of record r asked for as number asked.  Its number, or -1.
int copy_one(Part_rec *r, int asked) {
  int number = 0, found = 0;
  make_part_number(1, &number, &found);
  if (found < 1) return -1;
  char name[PART_NAME_TEXT];
  copy_name(r, name);
  {
    Case_switch in_case(r->case_index);
    if (create_one_part(number, name, r->type, 0) != 0) return -1;
  }
  Part_rec *c = part_by_number(number);
  c->solid_built = r->solid_built;
  c->structured = r->structured;
  share_source_data(c, r);
  c->trace_count = r->trace_count;
  c->trace_a = r->trace_a;
  c->trace_b = r->trace_b;
  c->trace_c = r->trace_c;
  c->trace_d = r->trace_d;
  c->point_times = r->point_times;
  c->point_vectors = r->point_vectors;
  if (r->children_count > 0) {
    resize_part_array(Part_cross[number], PA_CHILDREN, r->children_count, 0);
    if (c->children) {
      memcpy(c->children, r->children, sizeof(int) * (size_t)r->children_count);
      c->children_count = r->children_count;
    }
  }
  c->copy_of = asked;
  return number;
}

}  // namespace

int copy_part(int n, const int *list) {
  int result = 1;
  int frame = -1, frame_tried = 0;
  for (int k = 0; k < n; k++) {
    Part_rec *r = part_by_number(list[k]);
    if (r && r->copy_of > 0) r = part_by_number(r->copy_of);
    if (!r || (int)slot(r, SLOT_ELT_REP) == ELT_REP_NOT_LOADED) {
      result = -1;
      continue;
    }
    int number = copy_one(r, list[k]);
    if (number < 0) {
      result = -1;
      continue;
    }
    Part_rec *c = part_by_number(number);
    if (!frame_tried) {
      frame_tried = 1;
      frame = duplicate_frame((int)slot(r, SLOT_FRAME));
    }
    for (int s = 1; s < PART_ATTR_SLOTS; s++) c->attributes[s] = r->attributes[s];
    if (frame >= 0) c->attributes[SLOT_FRAME] = (float)frame;
    build_objects(number);
    if (Labnod && slot(c, SLOT_LABEL_NODE) != 0) build_node_nums(number);
    if (Labele && slot(c, SLOT_LABEL_ELT) != 0) build_elem_nums(number);
    if (slot(c, SLOT_VISIBLE) != 0) actobj(number);
  }
  return result;
}

void redo_copy_part(int n) {
  Part_rec *c = part_by_number(n);
  Part_rec *r = c && c->copy_of > 0 ? part_by_number(c->copy_of) : nullptr;
  // A copy of a copy shows the first source's data.
  while (r && r->copy_of > 0 && part_by_number(r->copy_of)) r = part_by_number(r->copy_of);
  if (!c || !r) return;
  share_source_data(c, r);
  if (our_rint(slot(c, SLOT_ACTIVE)) != 1) return;
  make_part(n);
  if (c->solid_built) {
    make_part_solid(n);
  } else if (Solidt && slot(c, SLOT_HIDDEN_SURFACE) != 0) {
    make_part_solid(n);
    c->solid_built = 1;
  }
  build_node_nums(n);
  build_elem_nums(n);
}

// ---- groups -------------------------------------------------------------------

namespace {

void group_name(const char *given, char *out) {
  char cut[COPY_NAME_CUT + 1];
  snprintf(cut, sizeof cut, "%s", given ? given : "");
  char *s = cut;
  while (*s && isspace((unsigned char)*s)) s++;
  size_t len = strlen(s);
  while (len > 0 && isspace((unsigned char)s[len - 1])) s[--len] = '\0';
  if (strncasecmp(s, "GROUP:", 6) == 0)
    snprintf(out, PART_NAME_USED, "%s", s);
  else
    snprintf(out, PART_NAME_USED, "GROUP: %s", s);
}

// The passes of grouping: each a list of parts of one case and one type,
// in list order.  Groups are left out (groups do not nest).
std::vector<std::vector<int>> group_passes(int n, const int *list) {
  std::vector<std::vector<int>> passes;
  std::vector<char> taken((size_t)(n > 0 ? n : 0), 0);
  for (int k = 0; k < n; k++) {
    const Part_rec *p = part_by_number(list[k]);
    if (!p || p->group) taken[k] = 1;
  }
  for (int c = 0; c < MAX_CASES; c++) {
    if (!Case_info[c].active) continue;
    for (;;) {
      std::vector<int> pass;
      int type = -1;
      for (int k = 0; k < n; k++) {
        const Part_rec *p = taken[k] ? nullptr : part_by_number(list[k]);
        if (!p || p->case_index != c || (type >= 0 && p->type != type)) continue;
        type = p->type;
        taken[k] = 1;
        pass.push_back(list[k]);
      }
      if (pass.empty()) break;
      passes.push_back(pass);
    }
  }
  return passes;
}

}  // namespace

int groups_to_make(int n, const int *list) {
  int count = 0;
  for (const auto &pass : group_passes(n, list)) count += pass.size() >= 2;
  return count;
}

int groups_listed(int n, const int *list) {
  int count = 0;
  for (int k = 0; k < n; k++) count += is_part_a_group(list[k]) == 1;
  return count;
}

int group_parts(int n, const int *list, const char *name) {
  char gname[PART_NAME_TEXT];
  group_name(name, gname);
  int last = -1;
  for (const auto &pass : group_passes(n, list)) {
    if (pass.size() < 2) continue;
    int number = 0, found = 0;
    make_part_number(1, &number, &found);
    if (found < 1) {
      printf("Can't get a new part number... sorry!\n");
      return -1;
    }
    const Part_rec *first = part_by_number(pass[0]);
    char desc[PART_NAME_TEXT];
    snprintf(desc, sizeof desc, "%s", gname);
    {
      Case_switch in_case(first->case_index);
      if (create_one_part(number, desc, first->type, 0) != 0) continue;
      fix_up_case_vis_part(number);
    }
    int gi = Part_cross[number];
    resize_part_array(gi, PA_CHILDREN, (int)pass.size(), 0);
    Part_rec *g = parts[gi];
    if (!g->children) continue;
    g->group = 1;
    g->children_count = (int)pass.size();
    for (size_t k = 0; k < pass.size(); k++) {
      g->children[k] = pass[k];
      Part_rec *m = part_by_number(pass[k]);
      if (m->parent_group == -1) Num_p_partlist--;
      m->parent_group = number;
    }
    last = number;
  }
  if (last > 0) {
    int one = 1;
    newest_created_parts(&one, &last, nullptr, 1);
  }
  return 1;
}

void ungroup_parts(int n, const int *list) {
  for (int k = 0; k < n; k++) {
    Part_rec *g = part_by_number(list[k]);
    if (!g || !g->group) continue;
    for (int m = 0; m < g->children_count; m++) {
      Part_rec *member = part_by_number(g->children[m]);
      if (!member) continue;
      if (member->parent_group != -1) Num_p_partlist++;
      member->parent_group = -1;
    }
    delete_part_stuff(Part_cross[list[k]]);
  }
}

// ---- extract, merge and iblank parts ----------------------------------------------

namespace {

const int COMMON_SLOTS[] = {SLOT_FRAME, SLOT_COLORBY_PALETTE, SLOT_ELT_REP};

// The common value of a slot over the listed parts, -1 when they differ.
int common_value(const std::vector<int> &list, int s) {
  const Part_rec *first = list.empty() ? nullptr : part_by_number(list[0]);
  if (!first) return -1;
  int value = (int)slot(first, s);
  for (int number : list) {
    const Part_rec *p = part_by_number(number);
    if (p && (int)slot(p, s) != value) return -1;
  }
  return value;
}

void derived_name(const char *head, const std::vector<int> &sources, char *out) {
  snprintf(out, PART_NAME_USED, "%s %d", head, sources.empty() ? 0 : sources[0]);
  for (size_t k = 1; k < sources.size(); k++) {
    char more[16];
    snprintf(more, sizeof more, ",%d", sources[k]);
    if (strlen(out) + strlen(more) <= (size_t)DERIVED_NAME_MAX) strcat(out, more);
  }
}

// The record of a part the server built: created with its extents, given
// the common slots, loaded and drawn, and entered into its frame's
// periodicity.
void finish_server_part(int number, const char *name, int type, int case_index,
                        const std::vector<int> &children, const int common[3]) {
  Case_switch in_case(case_index);
  char desc[PART_NAME_TEXT];
  snprintf(desc, sizeof desc, "%s", name);
  if (create_one_part(number, desc, type, 1) != 0) return;
  fix_up_case_vis_part(number);
  int i = Part_cross[number];
  resize_part_array(i, PA_CHILDREN, (int)children.size(), 0);
  Part_rec *p = parts[i];
  if (p->children) {
    memcpy(p->children, children.data(), sizeof(int) * children.size());
    p->children_count = (int)children.size();
  }
  for (int k = 0; k < 3; k++)
    if (common[k] != -1) p->attributes[COMMON_SLOTS[k]] = (float)common[k];
  if (our_rint(p->attributes[SLOT_ELT_REP]) == ELT_REP_NOT_LOADED) return;
  p->attributes[SLOT_VISIBLE] = 1.0f;
  load_part(number);
  get_results(number);
  build_objects(number);
  periodicity_for_new_part(number);
}

}  // namespace

int extract_part(int n, const int *list, const int *reps, int merge) {
  std::vector<int> flat(MAX_PARTS + 1, 0), flat_reps;
  int count = 0;
  uncompress_part_list(n, &count, list, flat.data());
  flat.resize((size_t)count);
  // A listed group stands for its members: they take the group's entry.
  for (int k = 0; k < n; k++) {
    const Part_rec *p = part_by_number(list[k]);
    int members = p && p->group ? p->children_count : (p ? 1 : 0);
    for (int m = 0; m < members; m++) flat_reps.push_back(merge ? ELT_REP_FULL : reps[k]);
  }
  flat_reps.resize(flat.size(), merge ? ELT_REP_FULL : 0);
  int common[3];
  for (int k = 0; k < 3; k++) common[k] = common_value(flat, COMMON_SLOTS[k]);
  for (int c = 0; c < MAX_CASES; c++) {
    if (!Case_info[c].active) continue;
    std::vector<int> marked, marked_reps;
    for (size_t k = 0; k < flat.size(); k++) {
      const Part_rec *p = part_by_number(flat[k]);
      if (!p || p->case_index != c) continue;
      if (!merge && our_rint(slot(p, SLOT_ELT_REP)) == ELT_REP_BOUNDING_BOX) continue;
      marked.push_back(flat[k]);
      marked_reps.push_back(flat_reps[k]);
    }
    if (marked.empty()) continue;
    int number = 0, found = 0;
    make_part_number(1, &number, &found);
    if (found < 1) continue;
    int ch = Isockt[c], status = 0;
    if (ccsstr(ch, "extract part", 12) != 0 || ccsint(ch, (int)marked.size()) != 0 ||
        ccsinn(ch, marked.data(), (int)marked.size()) != 0 || ccsint(ch, number) != 0 ||
        ccsinn(ch, marked_reps.data(), (int)marked_reps.size()) != 0 ||
        ccrint(ch, 1, &status) != 0 || status != 1)
      return -1;
    char name[PART_NAME_TEXT];
    derived_name(merge ? "Merge of part(s)" : "Extract of part(s)", marked, name);
    finish_server_part(number, name, PART_EXTRACT, c, marked, common);
  }
  redraw_views();
  return 1;
}

int modify_extract_merge_part(int i) {
  if (i < 0 || i >= Num_p_loaded || !parts[i]) return -1;
  Part_rec *p = parts[i];
  if (our_rint(slot(p, SLOT_ACTIVE)) == 0) return 1;
  Case_switch in_case(p->case_index);
  std::vector<int> sources;
  for (int k = 0; k < p->children_count; k++) {
    int s = p->children[k];
    int of = is_part_a_copy(s);
    sources.push_back(of > 0 ? of : s);
  }
  int ch = Isockt[p->case_index], reply = 0;
  const int number = p->number;
  if (ccsstr(ch, "extract part", 12) != 0 || ccsint(ch, (int)sources.size()) != 0 ||
      ccsinn(ch, sources.data(), (int)sources.size()) != 0 || ccsint(ch, number) != 0 ||
      ccrint(ch, 1, &reply) != 0)
    return 1;
  // The part is fetched again from what the server now holds.
  modify_part(number, 1, 0);
  return 1;
}

int bnd_iblank_part(int n, const int *list, int kind, char *name, int *new_count,
                    int *new_parts) {
  *new_count = 0;
  std::vector<int> listed(list, list + (n > 0 ? n : 0));
  int common[3];
  for (int k = 0; k < 3; k++) common[k] = common_value(listed, COMMON_SLOTS[k]);
  int name_count = 0;
  char **names = nullptr;
  int fetched = 0;
  int result = 1;
  for (int c = 0; c < MAX_CASES && result == 1; c++) {
    if (!Case_info[c].active) continue;
    std::vector<int> marked;
    for (int number : listed) {
      const Part_rec *p = part_by_number(number);
      if (p && p->case_index == c && p->type == PART_MODEL && p->structured)
        marked.push_back(number);
    }
    if (marked.empty()) continue;
    // The kind indexes the server's iblank names: one it does not have is refused.
    if (!fetched) {
      Case_switch in_case(c);
      fetched = 1;
      if (get_bnd_list(&name_count, &names) < 0) name_count = 0;
    }
    if (kind < 0 || kind >= name_count) {
      char text[96];
      snprintf(text, sizeof text, "Iblank kind %d is not one of the %d the server offers.", kind,
               name_count);
      disperr(text);
      result = -1;
      break;
    }
    int number = 0, found = 0;
    make_part_number(1, &number, &found);
    if (found < 1) {
      printf("Can't get new part!\n");
      continue;
    }
    int ch = Isockt[c], status = 0;
    if (ccsstr(ch, "bnd part", 8) != 0 || ccsint(ch, (int)marked.size()) != 0 ||
        ccsinn(ch, marked.data(), (int)marked.size()) != 0 || ccsint(ch, kind) != 0 ||
        ccsint(ch, number) != 0 || ccrint(ch, 1, &status) != 0 || status != 1) {
      result = -1;
      break;
    }
    if (!name[0]) snprintf(name, PART_NAME_USED, "%s", names[kind]);
    finish_server_part(number, name, PART_BOUNDARY, c, marked, common);
    new_parts[(*new_count)++] = number;
    redraw_views();
  }
  if (names) free_bnd_list(names);
  return result;
}
