// Part rebuilds (see part_rebuild.h).  Owns no table: each walk keeps its own
// changed-flags, one per table index, cleared at the start of the call.  The
// dependants of a changed part are found through their children lists (the
// parts they were made from); a later pass sees the changes of the earlier
// ones, so an arrow built on a contour is rebuilt after the contour.
#include "parts/part_rebuild.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "client/ccp.h"
#include "client/conect.h"
#include "client/interf_settings.h"
#include "data/data_dlog.h"
#include "derived/contour.h"
#include "derived/profile.h"
#include "flow/emitters.h"
#include "flow/tensor.h"
#include "flow/trace.h"
#include "flow/vctarrow.h"
#include "palette/function.h"
#include "parts/attribute.h"
#include "parts/part_copy.h"
#include "parts/part_delete.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/display_list.h"
#include "render/glyphs.h"
#include "render/labels.h"
#include "render/line.h"
#include "render/solid.h"
#include "variables/variables.h"
#include "view/viewer_services.h"
#include "view/viewports.h"

static constexpr int SLOT_ARROW_TYPE = 82;  // vector arrow: arrow type

// ---- the neighbours ------------------------------------------------------------------

static void fetch_extents(int n) {
  Part_rec *p = part_by_number(n);
  if (!p) return;
  if (ccsstr(Isockt[p->case_index], "minm", 4) == 0)
    part_minmax(n, &p->node_count, &p->xmin, &p->xmax, &p->ymin, &p->ymax, &p->zmin, &p->zmax);
}

static void redraw() {
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
}

static const Part_rebuild_calls Real_calls = {
    make_part,       make_part_solid,     fetch_extents,       load_part,
    shrink,          get_results,         reload_active_variables, redo_copy_part,
    emitter_change_part, modify_contour,  modify_profile,      modify_vector_arrow,
    modify_tensor_glyph, modify_particle_trace, redraw};
static Part_rebuild_calls Calls = Real_calls;

void part_rebuild_calls(const Part_rebuild_calls *calls) {
  Calls = Real_calls;
  if (!calls) return;
  // Each entry the caller gave replaces the real one.
  auto take = [](auto &mine, auto given) {
    if (given) mine = given;
  };
  take(Calls.make_part, calls->make_part);
  take(Calls.make_part_solid, calls->make_part_solid);
  take(Calls.fetch_extents, calls->fetch_extents);
  take(Calls.load_part, calls->load_part);
  take(Calls.shrink, calls->shrink);
  take(Calls.get_results, calls->get_results);
  take(Calls.reload_active_variables, calls->reload_active_variables);
  take(Calls.redo_copy_part, calls->redo_copy_part);
  take(Calls.emitter_change_part, calls->emitter_change_part);
  take(Calls.modify_contour, calls->modify_contour);
  take(Calls.modify_profile, calls->modify_profile);
  take(Calls.modify_vector_arrow, calls->modify_vector_arrow);
  take(Calls.modify_tensor_glyph, calls->modify_tensor_glyph);
  take(Calls.modify_particle_trace, calls->modify_particle_trace);
  take(Calls.redraw, calls->redraw);
}

// ---- small queries -------------------------------------------------------------------

// Index of part number n when it has a record and is not a group, else -1.
static int drawable_index(int n) {
  if (n <= 0 || n >= MAX_PART_NUMBER) return -1;
  int i = Part_cross[n];
  if (i < 0 || i >= Num_p_loaded || !parts[i] || parts[i]->group) return -1;
  return i;
}

static int slot(const Part_rec *p, int s) { return our_rint(p->attributes[s]); }

static bool model_or_discrete(const Part_rec *p) {
  return p->type == PART_MODEL || p->type == PART_DISCRETE;
}

static bool not_loaded(const Part_rec *p) { return slot(p, SLOT_ELT_REP) == ELT_REP_NOT_LOADED; }

// Whether the part's geometry is fetched again: model parts when their
// case's geometry changes, discrete particles when the measured geometry
// does, every other type always, anything when forced.
static bool needs_geometry(const Part_rec *p, int force) {
  if (force) return true;
  int c = p->case_index;
  if (c < 0 || c >= MAX_CASES) return true;
  if (p->type == PART_MODEL) return Geom_change[c] != 0;
  if (p->type == PART_DISCRETE) return Mgeom_change[c] == 1;
  return true;
}

using Changed = std::vector<unsigned char>;  // one flag per table index

static bool changed_number(const Changed &changed, int number) {
  if (number <= 0 || number >= MAX_PART_NUMBER) return false;
  int i = Part_cross[number];
  return i >= 0 && i < Num_p_loaded && changed[i];
}

static bool has_changed_child(const Part_rec *p, const Changed &changed) {
  for (int k = 0; p->children && k < p->children_count; k++)
    if (changed_number(changed, p->children[k])) return true;
  return false;
}

// ---- display objects -----------------------------------------------------------------

// Records object `kind` (0 line, 1 solid) of the part at index i: the old
// object is deleted first and the new one recorded under the same GL id; a
// line id that no longer names a live list is replaced by a new one.
static void record_object(int i, int kind) {
  Part_rec *p = parts[i];
  unsigned int &id = kind ? p->solid_list : p->line_list;
  if (Quivane_display_list || (id && glIsList(id)))
    delete_display_lists_for_part(i, kind, 0);
  else if (kind == 0)
    id = 0;
  display_object_open(i, kind);
  if (kind) {
    build_solid(i, 1);
  } else {
    build_line(i, 1);
    if (p->type == PART_CONTOUR) contour_label(i);
  }
  display_object_close(i, kind);
}

void make_part(int n) {
  int i = drawable_index(n);
  if (i < 0) return;
  const int switched = display_lists_context_enter();
  if (!View_centred && parts[i]->type != PART_MODEL) center();
  Part_rec *p = parts[i];
  p->line_rebuild_pending = 0;
  p->xmin = p->ymin = -99.0f;
  make_sphere_objects(i);
  if (p->bbox_list > 0) p->bbox_list = -p->bbox_list;
  record_object(i, 0);
  if (slot(p, SLOT_VISIBLE) == 1) actobj(n);
  if (Labnod && slot(p, SLOT_LABEL_NODE) != 0 && !Batch_mode) build_node_nums(n);
  if (Labele && slot(p, SLOT_LABEL_ELT) != 0) build_elem_nums(n);
  check_part_against_2d_viewports(n, p->node_count, p->coords, 0, 1, 0);
  display_lists_context_leave(switched);
}

void make_part_solid(int n) {
  int i = drawable_index(n);
  if (i < 0) return;
  const int switched = display_lists_context_enter();
  Part_rec *p = parts[i];
  p->solid_rebuild_pending = 0;
  make_sphere_objects(i);
  if (p->bbox_list > 0) p->bbox_list = -p->bbox_list;
  record_object(i, 1);
  display_lists_context_leave(switched);
}

void make_solid_part_if_needed(int n) {
  int i = drawable_index(n);
  if (i < 0 || !Solidt || slot(parts[i], SLOT_HIDDEN_SURFACE) == 0) return;
  make_part_solid(n);
  parts[i]->solid_built = 1;
}

// ---- the dependants ------------------------------------------------------------------

enum Dependant_kind { DEP_CONTOUR, DEP_PROFILE, DEP_ARROW, DEP_TENSOR, DEP_TRACE };

struct Walk_rules {
  bool emitters;      // contours and profiles tell the emitters
  bool skip_copies;   // copies are left out of the passes
};

// Rebuilds the part at index i as a dependant of `kind`.
static void rebuild_dependant(int i, Dependant_kind kind, const Walk_rules &rules) {
  switch (kind) {
    case DEP_CONTOUR:
      Calls.modify_contour(i);
      if (rules.emitters) Calls.emitter_change_part(i);
      break;
    case DEP_PROFILE:
      Calls.modify_profile(i);
      if (rules.emitters) Calls.emitter_change_part(i);
      break;
    case DEP_ARROW: {
      int type = slot(parts[i], SLOT_ARROW_TYPE);
      Calls.modify_vector_arrow(i, type, type, 1);
      break;
    }
    case DEP_TENSOR: Calls.modify_tensor_glyph(i); break;
    case DEP_TRACE:
      Calls.modify_particle_trace(i);
      Calls.emitter_change_part(i);
      break;
  }
}

// A particle trace is recomputed unless it is a pathline or its only source
// is a discrete-particles part.
static bool trace_follows(const Part_rec *p) {
  if (slot(p, SLOT_TRACE_TYPE) == 1) return false;
  if (p->children_count > 1) return true;
  const Part_rec *only = p->children_count == 1 ? part_by_number(p->children[0]) : nullptr;
  return !only || only->type != PART_DISCRETE;
}

// One pass in index order over the active parts of the kind's type that
// have a changed child.
static void dependant_pass(Changed &changed, Dependant_kind kind, const Walk_rules &rules) {
  static const int Type_of[] = {PART_CONTOUR, PART_PROFILE, PART_ARROW, PART_TENSOR, PART_TRACE};
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (!p || p->group || p->type != Type_of[kind] || slot(p, SLOT_ACTIVE) == 0) continue;
    if (rules.skip_copies && p->copy_of) continue;
    if (!has_changed_child(p, changed)) continue;
    if (kind == DEP_TRACE && !trace_follows(p)) continue;
    rebuild_dependant(i, kind, rules);
    changed[i] = 1;
  }
}

// The copies of changed parts that are derived parts (not of type 0 or 3).
static void refresh_derived_copies(const Changed &changed) {
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (p && p->copy_of && !p->group && !model_or_discrete(p) && changed_number(changed, p->copy_of))
      Calls.redo_copy_part(p->number);
  }
}

// Every copy of part number n that `accept` admits: refreshed and marked.
template <typename Accept>
static void refresh_copies_of(int n, Changed &changed, Accept accept) {
  for (int j = 0; j < Num_p_loaded; j++) {
    const Part_rec *c = parts[j];
    if (c && c->copy_of == n && accept(c)) {
      Calls.redo_copy_part(c->number);
      changed[j] = 1;
    }
  }
}

// ---- one part ------------------------------------------------------------------------

static void rebuild_labels(int n) {
  if (!Batch_mode) build_node_nums(n);
  build_elem_nums(n);
}

void modify_part(int n, int force, int update_traces) {
  if (n <= 0 || n >= MAX_PART_NUMBER) return;
  int i = Part_cross[n];
  if (i < 0 || i >= Num_p_loaded || !parts[i]) return;
  Part_rec *p = parts[i];
  if (p->group) {
    // A group lives only in the client: nothing of it can be fetched.
    printf("arrived modify_part with a group part - ERROR!\n");
    fflush(stdout);
    return;
  }
  if (slot(p, SLOT_ACTIVE) == 0) return;
  Changed changed(MAX_PARTS, 0);

  if (needs_geometry(p, force)) {
    p->element_count = 0;
    p->node_count = 0;
    Calls.fetch_extents(n);
    Calls.load_part(n);
    Calls.shrink(n);
    rebuild_labels(n);
  }
  Calls.get_results(n);
  Calls.make_part(n);
  i = Part_cross[n];
  if (i < 0 || !parts[i]) return;
  p = parts[i];
  changed[i] = 1;
  Calls.emitter_change_part(i);
  if (p->solid_built || (Solidt && slot(p, SLOT_HIDDEN_SURFACE) != 0)) {
    Calls.make_part_solid(n);
    p->solid_built = 1;
  }
  refresh_copies_of(n, changed, [](const Part_rec *) { return true; });

  const Walk_rules rules = {true, true};
  dependant_pass(changed, DEP_CONTOUR, rules);
  dependant_pass(changed, DEP_PROFILE, rules);
  dependant_pass(changed, DEP_ARROW, rules);
  dependant_pass(changed, DEP_TENSOR, rules);
  if (update_traces) dependant_pass(changed, DEP_TRACE, rules);
  refresh_derived_copies(changed);
}

// ---- all model parts -----------------------------------------------------------------

// Active, not a group, loaded, a model or discrete-particles part and not a copy.
static bool selected(const Part_rec *p) {
  return p && !p->group && slot(p, SLOT_ACTIVE) != 0 && !not_loaded(p) && model_or_discrete(p) &&
         !p->copy_of;
}

// "remove_boundary_for_group" on case c's server for a base part whose
// instance set has more than one part:
//   string "remove_boundary_for_group" (25 bytes, no NUL); int array of the
//   instance set (count, then the numbers); int element representation
//   (slot 33); float feature angle (slot 34) rounded to a whole number.
//   No reply.
static void remove_shared_borders(int c, const Part_rec *p, std::vector<int> &set) {
  int count = 0;
  set.resize((size_t)Num_p_loaded + 1);
  if (check_current_number_instances_for_part(p->number, &count, set.data()) < 0 || count <= 1)
    return;
  int ch = Isockt[c];
  if (ccsstr(ch, "remove_boundary_for_group", 25) != 0 || ccsinn(ch, set.data(), count) != 0 ||
      ccsint(ch, slot(p, SLOT_ELT_REP)) != 0)
    return;
  ccsflt(ch, (float)our_rint(p->attributes[SLOT_FEATURE_ANGLE]));
}

// Steps 6 and 7 of a table-wide rebuild: the drawn model parts, their
// copies, then the derived parts made from them.
static void rebuild_dependants_of_models(Changed &changed, const Walk_rules &rules) {
  dependant_pass(changed, DEP_CONTOUR, rules);
  dependant_pass(changed, DEP_PROFILE, rules);
  dependant_pass(changed, DEP_TENSOR, rules);
  dependant_pass(changed, DEP_ARROW, rules);
  refresh_derived_copies(changed);
}

static bool loaded_model(const Part_rec *p) {
  return p && !p->group && slot(p, SLOT_ACTIVE) != 0 && !not_loaded(p) && model_or_discrete(p);
}

void modify_all_parts(int force) {
  if (Num_p_loaded <= 0) return;
  Changed changed(MAX_PARTS, 0);
  std::vector<int> batch, set;
  for (int c = 0; c < MAX_CASES; c++) {
    if (!Case_info[c].active) continue;
    for (int i = 0; i < Num_p_loaded; i++) {
      Part_rec *p = parts[i];
      if (!selected(p) || p->case_index != c || !needs_geometry(p, force)) continue;
      batch.push_back(p->number);
      p->element_count = 0;
      p->node_count = 0;
      if (Shared_border_removal) remove_shared_borders(c, p, set);
    }
  }
  if (!batch.empty()) {
    many_parts_minmax((int)batch.size(), batch.data());
    load_many_parts(batch.data(), (int)batch.size());
  }
  for (int c = 0; c < MAX_CASES; c++) {
    if (!Case_info[c].active) continue;
    for (int i = 0; i < Num_p_loaded; i++) {
      Part_rec *p = parts[i];
      if (!selected(p) || p->case_index != c || !needs_geometry(p, force)) continue;
      p->attributes[SLOT_CREATE_TIME] = Current_time;
      Calls.shrink(p->number);
      rebuild_labels(p->number);
    }
  }
  Calls.reload_active_variables();
  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *p = parts[i];
    if (!loaded_model(p)) continue;
    if (!p->copy_of) {
      Calls.make_part(p->number);
      changed[i] = 1;
      Calls.emitter_change_part(i);
      if (p->solid_built) Calls.make_part_solid(p->number);
    }
    refresh_copies_of(p->number, changed,
                      [](const Part_rec *c) { return model_or_discrete(c) && !c->group; });
  }
  rebuild_dependants_of_models(changed, {true, false});
}

void modify_parts_results() {
  if (Num_p_loaded <= 0) return;
  Changed changed(MAX_PARTS, 0);
  Calls.reload_active_variables();
  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *p = parts[i];
    if (!p || p->group) continue;
    if (model_or_discrete(p)) changed[i] = 1;
    if (!loaded_model(p)) continue;
    const bool by_values = slot(p, SLOT_NODE_SIZE_BY) != 0 || slot(p, SLOT_DISPLACE_BY) != -1 ||
                           slot(p, SLOT_COLORBY_PALETTE) != 0;
    if (!by_values) continue;
    if (!p->copy_of) {
      Calls.make_part(p->number);
      if (p->solid_built) Calls.make_part_solid(p->number);
    }
    refresh_copies_of(p->number, changed, model_or_discrete);
  }
  rebuild_dependants_of_models(changed, {false, true});
}

// ---- phase angle ---------------------------------------------------------------------

// The real values of w at phase theta from the complex values of z:
// count values of `width` floats each.  False when the part lacks any of
// the arrays or they are shorter than count.
static bool phase_values(float *w, int w_cap, const float *re, const float *im, int z_cap,
                         int count, int width, float theta) {
  if (!w || !re || !im || w_cap < count || z_cap < count) return false;
  const double c = cos((double)theta), s = sin((double)theta);
  for (int j = 0; j < count * width; j++) w[j] = (float)(c * re[j]) - (float)(s * im[j]);
  return true;
}

void change_response_angle(int shown_var, int complex_var, float angle) {
  if (!Fringt || shown_var < 0 || shown_var >= Var_array_size || complex_var < 0 ||
      complex_var >= Var_array_size)
    return;
  const int row = variable_id_to_list(shown_var);
  if (row < 0) return;
  const Variable_rec &w = Variables[row];
  if (w.type != 0 && w.type != 1) return;
  const float theta = angle * 0.017453292f;
  const int w_kind = w.type == 0 ? PA_SCALARS : PA_VECTORS;
  int rebuilt = 0;
  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *p = parts[i];
    if (!p || p->group || not_loaded(p) || slot(p, SLOT_VISIBLE) != 1) continue;
    const float palette = p->attributes[SLOT_COLORBY_PALETTE];
    if (palette == 0.0f || (int)palette != w.palette) continue;
    const int count = w.order == 1 ? p->element_count : p->node_count + 1;
    const int w_cap = part_array_capacity(i, w_kind, shown_var);
    const int z_cap = part_array_capacity(i, w_kind, complex_var);
    bool written;
    if (w.type == 0)
      written = p->scalars && p->scalars_imag &&
                phase_values(p->scalars[shown_var], w_cap, p->scalars[complex_var],
                             p->scalars_imag[complex_var], z_cap, count, 1, theta);
    else
      written = p->vectors && p->vectors_imag &&
                phase_values(p->vectors[shown_var] ? p->vectors[shown_var][0] : nullptr, w_cap,
                             p->vectors[complex_var] ? p->vectors[complex_var][0] : nullptr,
                             p->vectors_imag[complex_var] ? p->vectors_imag[complex_var][0]
                                                          : nullptr,
                             z_cap, count, 3, theta);
    if (!written) continue;
    if (!Solidt || slot(p, SLOT_HIDDEN_SURFACE) == 0) {
      Calls.make_part(p->number);
    } else {
      Calls.make_part_solid(p->number);
      p->solid_built = 1;
    }
    rebuilt = 1;
  }
  if (rebuilt) Calls.redraw();
}
