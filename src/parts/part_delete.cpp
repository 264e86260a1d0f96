// Part removal (see part_delete.h): display objects, records freed with
// the table kept dense, the "delete" request and the cascade through the
// parts made from a deleted one.  A part's line and solid objects are
// either GL lists (ids in line_list and solid_list) or, with
// Quivane_display_list set, recorded objects whose blocks go back to the
// recorder's pool.  A copy never frees what it shares with its source.
#include "parts/part_delete.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/ccp.h"
#include "client/conect.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/modatr.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/display.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "variables/variables.h"

void delete_display_lists_for_part(int i, int which, int clear) {
  if (i < 0 || i >= Num_p_loaded || !parts[i] || (which != 0 && which != 1)) return;
  Part_rec *p = parts[i];
  if (Quivane_display_list) {
    Display_object_rec *object = which ? p->solid_object : p->line_object;
    if (object) {
      purge_display_list_memory(object->first);
      object->first = nullptr;
    }
    return;
  }
  unsigned int &id = which ? p->solid_list : p->line_list;
  // The solid list is deleted only once the solid object has been built.
  const bool may_delete = which == 0 || p->solid_built;
  if (id && may_delete && glIsList(id)) glDeleteLists(id, 1);
  if (clear) id = 0;
}

// ---- removing parts ------------------------------------------------------------
//
//   "delete" (6 bytes)  int part number; no reply.  Goes to the part's case
//                       server; a number the server does not hold is ignored.

Part_delete_hooks Part_delete_calls = {gwin_gl_curwin, change_created_parts, nullptr, nullptr,
                                       nullptr};

static bool valid_list(unsigned int id) { return id && glIsList(id); }

static void delete_list(unsigned int id) {
  if (valid_list(id)) glDeleteLists(id, 1);
}

// GL lists are deleted with display 1 current when two displays are in use;
// display 0 is current afterwards.
static void make_display_current(int dpy) {
  int code = 0, which = dpy;
  Dpy_current = dpy;
  if (Part_delete_calls.gl_curwin) Part_delete_calls.gl_curwin(&code, 1, &which);
}

void delete_part_stuff(int i) {
  if (i < 0 || i >= Num_p_loaded || !parts[i]) return;
  Part_rec *r = parts[i];
  const int number = r->number, parent = r->parent_group, case_index = r->case_index;
  if (!r->group) {
    const bool switched = Dpy_cnt > 1 && Dpy_current == 0;
    if (switched) make_display_current(1);
    delete_display_lists_for_part(i, 0, 0);
    delete_display_lists_for_part(i, 1, 0);
    delete_list(r->node_label_list);
    delete_list(r->elem_label_list);
    if (r->bbox_list > 0) delete_list((unsigned int)r->bbox_list);
    if (valid_list(r->sphere_line_list)) {
      glDeleteLists(r->sphere_line_list, 1);
      delete_list(r->sphere_solid_list);
    }
    if (Dpy_cnt > 1 && Dpy_current != 0) make_display_current(0);
  }
  if (!r->group) part_free_shared_arrays(r);  // a copy gives back only what it owns
  if (Part_delete_calls.update_iso_realtime) Part_delete_calls.update_iso_realtime(number);
  part_rec_free_own(r);
  for (int j = i; j < Num_p_loaded - 1; j++) {
    compress_active(j + 1);
    parts[j] = parts[j + 1];
    Part_cross[parts[j]->number] = j;
  }
  if (number > 0 && number < MAX_PART_NUMBER) Part_cross[number] = -1;
  Num_p_loaded--;
  if (parent == -1) Num_p_partlist--;
  if (case_index >= 0 && case_index < MAX_CASES && Num_parts_cases[case_index] > 0)
    Num_parts_cases[case_index]--;
  parts[Num_p_loaded] = nullptr;
}

static std::vector<int> members_of(int n) {
  std::vector<int> out((size_t)Num_p_loaded + 1);
  int count = 0;
  uncompress_part_list(1, &count, &n, out.data());
  out.resize((size_t)count);
  return out;
}

static bool has_copy(int n) {
  for (int k = 0; k < Num_p_loaded; k++)
    if (parts[k] && parts[k]->copy_of == n) return true;
  return false;
}

// -1 when n or a member has no record, -2 when a copy of either exists, else 1.
static int deletable(int n, const std::vector<int> &members) {
  if (!part_by_number(n)) return -1;
  if (has_copy(n)) return -2;
  for (int m : members) {
    if (!part_by_number(m)) return -1;
    if (has_copy(m)) return -2;
  }
  return 1;
}

static void send_delete(const Part_rec *p) {
  int c = p->case_index;
  if (c < 0 || c >= MAX_CASES || !Online[c + 1]) return;
  static const char kw[] = "delete";
  int ch = Isockt[c];
  if (ccsstr(ch, kw, (int)sizeof kw - 1) == 0) ccsint(ch, p->number);
}

int delete_part(int n) {
  Part_rec *p = part_by_number(n);
  if (!p) return -1;
  std::vector<int> members = p->group ? members_of(n) : std::vector<int>{n};
  int ok = deletable(n, members);
  if (ok < 0) return ok;
  for (int m : members) {
    Part_rec *r = part_by_number(m);
    if (!r) continue;  // gone with an earlier member's cascade
    int i = Part_cross[m];
    if (Modatr_calls.flipbook_dynamic_surf_delete_part)
      Modatr_calls.flipbook_dynamic_surf_delete_part(i);
    if (!r->group) send_delete(r);
    local_delete_part(m);
  }
  for (int k = 0; k < Num_p_loaded; k++)
    if (parts[k]->group && parts[k]->children_count == 0) {
      delete_part_stuff(k);
      break;
    }
  return 1;
}

static bool lists(const Part_rec *r, int p) {
  for (int k = 0; k < r->children_count; k++)
    if (r->children[k] == p) return true;
  return false;
}

static std::vector<int> without(const Part_rec *r, int p) {
  std::vector<int> rest;
  for (int k = 0; k < r->children_count; k++)
    if (r->children[k] != p) rest.push_back(r->children[k]);
  return rest;
}

// A derived part that lost its only parent goes too, unless a copy of it
// exists: then it stays, with no parent, and the user is told why.
static void drop_orphan(Part_rec *r) {
  int n = r->number;
  if (deletable(n, r->group ? members_of(n) : std::vector<int>{n}) == -2) {
    r->children_count = 0;
    char msg[160];
    snprintf(msg, sizeof msg,
             "Part %d has copies and was kept although the parts it was made from are gone.", n);
    caddtxt(msg);
    return;
  }
  delete_part(n);
}

// One pass over the records that list p as a parent; true when it deleted a
// part (the table moved: the caller starts again).
static bool parent_pass(int p) {
  for (int k = 0; k < Num_p_loaded; k++) {
    Part_rec *r = parts[k];
    if (!lists(r, p)) continue;
    std::vector<int> rest = without(r, p);
    if (rest.empty()) {
      if (r->group) {
        r->children_count = 0;
        continue;
      }
      drop_orphan(r);
      return true;
    }
    if (r->group) {
      memcpy(r->children, rest.data(), sizeof(int) * rest.size());
      r->children_count = (int)rest.size();
    }
    int number = r->number;  // the change may replace or free r
    if (!r->group && Part_delete_calls.change_created_parts)
      Part_delete_calls.change_created_parts(number, (int)rest.size(), rest.data());
    // change_created_parts may not take the new list (a subset keeps its
    // description): p is dropped here so that the pass moves on.
    if (part_by_number(number) == r && lists(r, p)) {
      memcpy(r->children, rest.data(), sizeof(int) * rest.size());
      r->children_count = (int)rest.size();
    }
  }
  return false;
}

// One pass over the clips that use p; true when it deleted one.
static bool clip_pass(int p) {
  for (int k = 0; k < Num_p_loaded; k++) {
    Part_rec *r = parts[k];
    if (r->type != PART_CLIP || r->group || !r->attributes) continue;
    const float *a = r->attributes;
    if (our_rint(a[SLOT_CLIP_TOOL]) == CLIP_TOOL_1D_PART && our_rint(a[SLOT_CLIP_1D_PART]) == p) {
      int number = r->number;  // r may be freed by drop_orphan
      drop_orphan(r);
      if (part_by_number(number) == r) {
        r->attributes[SLOT_CLIP_1D_PART] = -1;  // kept: it no longer names p
        continue;
      }
      return true;
    }
    if (!lists(r, p)) continue;
    std::vector<int> rest = without(r, p);
    if (rest.empty()) {
      drop_orphan(r);
      return true;
    }
    if (Part_delete_calls.change_created_parts)
      Part_delete_calls.change_created_parts(r->number, (int)rest.size(), rest.data());
  }
  return false;
}

int local_delete_part(int n) {
  Part_rec *p = part_by_number(n);
  if (p) {
    int emitter_group = -1;
    if (p->type == PART_TRACE && p->emitter_group_count > 0 && p->emitter_group_ids)
      emitter_group = p->emitter_group_ids[0];
    deaobj(n);
    delete_part_stuff(Part_cross[n]);
    while (parent_pass(n)) {
    }
    while (clip_pass(n)) {
    }
    if (emitter_group != -1 && Part_delete_calls.delete_emitter)
      Part_delete_calls.delete_emitter(emitter_group);
  }
  return Part_delete_calls.check_part_strings ? Part_delete_calls.check_part_strings() : 0;
}

static void append_once(int number, int *count, int *out) {
  for (int j = 0; j < *count; j++)
    if (out[j] == number) return;
  out[(*count)++] = number;
}

int check_delete_part_for_periodicity(int n, const int *list, int *count, int *out) {
  if (count) *count = 0;
  if (!list || !count || !out || n <= 0) return 1;
  std::vector<int> expanded((size_t)Num_p_loaded + (size_t)n + 1);
  int m = 0;
  uncompress_part_list(n, &m, list, expanded.data());
  std::vector<int> instances((size_t)Num_p_loaded + 1);
  for (int k = 0; k < m; k++) {
    Part_rec *q = part_by_number(expanded[k]);
    if (!q) continue;
    if (q->copy_of || (q->type != PART_MODEL && q->type != PART_DISCRETE)) {
      append_once(q->number, count, out);
    } else if (q->children_count == 0) {
      int found = 0;
      check_current_number_instances_for_part(q->number, &found, instances.data());
      append_once(q->number, count, out);
      for (int j = 0; j < found; j++) append_once(instances[j], count, out);
    }
  }
  for (int k = 0; k < m; k++) {
    if (expanded[k] < 0) continue;
    bool listed = false;
    for (int j = 0; j < *count && !listed; j++) listed = out[j] == expanded[k];
    if (!listed) return -1;
  }
  return 1;
}
