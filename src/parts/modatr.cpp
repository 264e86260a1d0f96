// Applying attribute changes to one part (see modatr.h).  This module owns
// Modatr_calls, the one table through which it reaches builders, feature
// rebuilds and scene services, and the shared-border switch.  It changes a
// part only through part_attributes (storing) and the rebuild flags, label
// list ids and copies' element representation of the part table.
//
// Wire requests sent here on the case's channel, no reply read:
//   "delete feature" (14 bytes)            int part number
//   "remove_boundary_for_group" (25 bytes) int array of parts, int element
//                                          representation, float feature angle
#include "parts/modatr.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/ccp.h"
#include "client/conect.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "palette/annotate.h"
#include "palette/function.h"
#include "palette/palette_cmdproc.h"
#include "parts/attribute.h"
#include "parts/part_copy.h"
#include "parts/part_delete.h"
#include "parts/part_rebuild.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/glyphs.h"
#include "render/labels.h"
#include "render/part_services.h"
#include "render/line.h"
#include "render/solid.h"
#include "variables/variables.h"
#include "derived/contour.h"
#include "data/part_create.h"
#include "derived/profile.h"
#include "flow/tensor.h"
#include "flow/trace.h"
#include "flow/vctarrow.h"
#include "view/viewer_services.h"
#include "view/view_matrix.h"
#include "view/viewer_state.h"
#include "view/viewports.h"

static void delete_gl_list(unsigned int list) {
  if (list && glIsList(list)) glDeleteLists(list, 1);
}

static int palette_type(int palette, int component) {
  char name[256] = "";
  int type = -1;
  getpaltype(palette, component, name, &type);
  return type;
}

// The table index of part number n, or -1.
static int index_of(int n) { return n > 0 && n < MAX_PART_NUMBER ? Part_cross[n] : -1; }

// The extract rebuild is called by part number; it works by table index.
static void rebuild_extract(int n) {
  if (index_of(n) >= 0) modify_extract_merge_part(index_of(n));
}

// A structured model part fetched again with its new node ranges.
static void structured_ranges(int n) {
  if (index_of(n) >= 0) update_structured_parts(index_of(n));
}

static int run_periodicity(int frame, int, int n) {
  do_periodicity(frame, 1, &n);
  return 0;
}

// The feature rebuilds stay null until their subsystems arrive.
static Modatr_hooks real_calls() {
  Modatr_hooks h{};
  h.make_part = make_part;
  h.make_part_solid = make_part_solid;
  h.modify_part = modify_part;
  h.unload_part = unload_part;
  h.shrink = shrink;
  h.delete_display_lists_for_part = delete_display_lists_for_part;
  h.actobj = actobj;
  h.deaobj = deaobj;
  h.build_node_nums = build_node_nums;
  h.build_elem_nums = build_elem_nums;
  h.build_part_label = build_part_label;
  h.load_dynamic_strings = load_dynamic_strings;
  h.gl_curwin = gwin_gl_curwin;
  h.delete_gl_list = delete_gl_list;
  h.palette_type = palette_type;
  h.do_periodicity = run_periodicity;
  h.center = center;
  h.modify_contour = modify_contour;
  h.modify_profile = modify_profile;
  h.modify_tensor_glyph = modify_tensor_glyph;
  h.modify_particle_trace = modify_particle_trace;
  h.modify_vector_arrow = modify_vector_arrow;
  h.modify_extract_merge_part = rebuild_extract;
  h.update_structured_parts = structured_ranges;
  return h;
}
const Modatr_hooks Modatr_real_calls = real_calls();
Modatr_hooks Modatr_calls = Modatr_real_calls;

#define CALL(fn, ...)                                  \
  do {                                                 \
    if (Modatr_calls.fn) Modatr_calls.fn(__VA_ARGS__); \
  } while (0)

// ---- small helpers ---------------------------------------------------------------

static bool differs(const float *o, const float *n, int s) { return o[s] != n[s]; }

static bool any_differs(const float *o, const float *n, std::initializer_list<int> slots) {
  for (int s : slots)
    if (o[s] != n[s]) return true;
  return false;
}

static bool range_differs(const float *o, const float *n, int from, int to) {
  for (int s = from; s <= to; s++)
    if (o[s] != n[s]) return true;
  return false;
}

// A change larger than rel relative to the old value, or than abs0 from 0.
static bool moved(float o, float n, float rel, float abs0) {
  if (o == 0.0f) return std::fabs(n) > abs0;
  return std::fabs((n - o) / o) > rel;
}

// Deletions of display lists run with display 1 current when two displays
// are in use and display 0 is current; display 0 is current afterwards.
struct Display_switch {
  bool switched = false;
  Display_switch() {
    if (Dpy_cnt > 1 && Dpy_current == 0) {
      Dpy_current = 1;
      int code = 0, dpy = 1;
      CALL(gl_curwin, &code, 1, &dpy);
      switched = true;
    }
  }
  ~Display_switch() {
    if (!switched) return;
    Dpy_current = 0;
    int code = 0, dpy = 0;
    CALL(gl_curwin, &code, 1, &dpy);
  }
};

static void forget_list(unsigned int *list) {
  Display_switch sw;
  CALL(delete_gl_list, *list);
  *list = 0;
}

static bool any_part_holds_geometry() {
  for (int i = 0; i < Num_p_loaded; i++)
    if (parts[i] && parts[i]->attributes &&
        our_rint(parts[i]->attributes[SLOT_ELT_REP]) != ELT_REP_NOT_LOADED)
      return true;
  return false;
}

static int part_channel(const Part_rec *p) {
  int c = p->case_index;
  if (c < 0 || c >= MAX_CASES || !Online[c + 1]) return -1;
  return Isockt[c];
}

static void send_delete_feature(const Part_rec *p) {
  int ch = part_channel(p);
  if (ch < 0) return;
  static const char kw[] = "delete feature";
  ccsstr(ch, kw, (int)sizeof kw - 1);
  ccsint(ch, p->number);
}

static void send_remove_boundary(const Part_rec *p, const float *N) {
  std::vector<int> list((size_t)Num_p_loaded + 1);
  int count = 0;
  check_current_number_instances_for_part(p->number, &count, list.data());
  int ch = part_channel(p);
  if (count < 2 || ch < 0) return;
  list.resize((size_t)count);
  static const char kw[] = "remove_boundary_for_group";
  ccsstr(ch, kw, (int)sizeof kw - 1);
  ccsinn(ch, list.data(), (int)list.size());
  ccsint(ch, our_rint(N[SLOT_ELT_REP]));
  ccsflt(ch, std::rint(N[SLOT_FEATURE_ANGLE]));
}

// What the changed slots call for, gathered before anything is rebuilt.
namespace {
struct Due {
  bool lines = false, solid = false;       // display objects to rebuild
  bool reload = false, rep_changed = false;
  bool missing_var = false;                // the part lacks its colouring variable
  int periodic = 0;                        // periodic rebuild kind, 0 none
  bool clip = false, subset = false, iso = false, devsrf = false, contour = false;
  bool profile = false, tensor = false, trace = false, elevsrf = false, structured = false;
  bool arrow_recompute = false;
  bool dyn_text = false, node_labels = false, reloaded = false;
};
}  // namespace

// Step 5: a new colouring variable the part cannot be coloured by.
static void check_colouring(int i, int n, const float *O, float *N, Due *due) {
  if (N[SLOT_COLORBY_PALETTE] == O[SLOT_COLORBY_PALETTE] || N[SLOT_COLORBY_PALETTE] == 0.0f)
    return;
  int pal = (int)N[SLOT_COLORBY_PALETTE], comp = (int)N[SLOT_COLORBY_SUBPALETTE];
  int kind = Modatr_calls.palette_type ? Modatr_calls.palette_type(pal, comp) : -1;
  if (kind != 0 && kind != 1) return;
  int var = Modatr_calls.palette_variable ? Modatr_calls.palette_variable(pal, comp) : -2;
  if (var == -2) {
    N[SLOT_COLORBY_PALETTE] = 0.0f;
    return;
  }
  int r = check_variable_exists_for_part(i, var);
  char line[96];
  if (r == -1 || r == -2) {
    caddtxt(" ");
    caddtxt(" ");
    caddtxt("WARNING *********************");
    snprintf(line, sizeof line, "Can not color part %d by variable selected", n);
    caddtxt(line);
  }
  if (r == -1) {
    caddtxt("They belong to different cases!");
    disperr("Can not color part by variable selected - They belong to different cases!");
    N[SLOT_COLORBY_PALETTE] = 0.0f;
  } else if (r == -2) {
    caddtxt("Variable does not exist for this part!");
    caddtxt("Possible Cause: Part Builder Dialog is open, or variable");
    caddtxt("not yet defined at the current time value");
  } else if (r == -3) {
    due->missing_var = true;
  }
}

static int store(int n, int type, float *N, char *name, const char *creation) {
  char *c = const_cast<char *>(creation);
  return part_attributes(n, type, N, nullptr, name, &c, 1);
}

// Step 9: a change of reference frame.
static void frame_change(int n, const Part_rec *p, const float *O, float *N, char *name,
                         const char *creation, Due *due) {
  if (!differs(O, N, SLOT_FRAME)) return;
  int f0 = our_rint(O[SLOT_FRAME]), f1 = our_rint(N[SLOT_FRAME]);
  if ((p->type == PART_MODEL || p->type == PART_DISCRETE) && p->children_count > 0) {
    char msg[96];
    snprintf(msg, sizeof msg, "Can not assign a periodic instance (part %d) to a different frame",
             n);
    disperr(msg);
    N[SLOT_FRAME] = O[SLOT_FRAME];
    store(n, p->type, N, name, creation);
    return;
  }
  if (p->type == PART_CLIP) {
    CALL(clip_frame_change, f0, f1, O, N);
    store(n, p->type, N, name, creation);
  }
  bool was = Modatr_calls.frame_periodic && Modatr_calls.frame_periodic(f0);
  bool is = Modatr_calls.frame_periodic && Modatr_calls.frame_periodic(f1);
  if (was && !is)
    due->periodic = 1;
  else if (is)
    due->periodic = 2;
}

// Step 11: the display objects the general slots call for.
static void general_rebuilds(int i, const float *O, const float *N, Due *due) {
  Part_rec *p = parts[i];
  if ((Software_light && range_differs(O, N, 41, 44)) || range_differs(O, N, 30, 32))
    due->solid = true;
  if (range_differs(O, N, 7, 9)) due->lines = due->solid = true;
  if (N[SLOT_VIS_NODE] != 0 && range_differs(O, N, 10, 14)) due->lines = due->solid = true;
  if (range_differs(O, N, 22, 23)) {
    due->lines = due->solid = true;
    p->xmin = p->ymin = ATTR_UNSET;
  }
  if (differs(O, N, SLOT_SHADING) && p->solid_built) due->solid = true;
  if (range_differs(O, N, 39, 40)) {
    if (Fringt) due->lines = due->solid = true;
    CALL(check_modify_realtime_clip_part, p->number);
  }
  if (differs(O, N, SLOT_OPAQUENESS) && N[SLOT_COLORBY_PALETTE] != 0 && Fringt) due->solid = true;
  if (differs(O, N, SLOT_HIDDEN_SURFACE)) {
    if (N[SLOT_HIDDEN_SURFACE] != 0) {
      due->solid = true;
    } else if (p->solid_built) {
      {
        Display_switch sw;
        CALL(delete_display_lists_for_part, i, 1, 0);
      }
      p->solid_built = 0;
      p->solid_rebuild_pending = 0;
      due->solid = N[SLOT_COLORBY_PALETTE] != 0 && Fringt;
    } else {
      due->solid = true;
    }
  }
}

// Steps 12 to 14: feature angle, element representation, shared borders.
static void representation(int n, const Part_rec *p, const float *O, const float *N, Due *due) {
  if (differs(O, N, SLOT_FEATURE_ANGLE)) {
    send_delete_feature(p);
    if (our_rint(N[SLOT_ELT_REP]) == ELT_REP_FEATURE_ANGLE) due->reload = due->rep_changed = true;
  }
  bool rep = our_rint(O[SLOT_ELT_REP]) != our_rint(N[SLOT_ELT_REP]);
  std::vector<int> copies;
  for (int k = 0; k < Num_p_loaded; k++)
    if (parts[k] && parts[k]->copy_of == n) copies.push_back(parts[k]->number);
  if (rep) {
    due->reload = due->rep_changed = true;
    for (int c : copies) {
      Part_rec *q = part_by_number(c);
      if (q && q->attributes) q->attributes[SLOT_ELT_REP] = N[SLOT_ELT_REP];
    }
  }
  if (due->reload && our_rint(N[SLOT_ELT_REP]) == ELT_REP_NOT_LOADED) {
    due->reload = false;
    CALL(unload_part, n);
    for (int c : copies) CALL(unload_part, c);
  }
  if (Shared_border_removal && rep) send_remove_boundary(p, N);
}

// Steps 15 to 23: the parts the server computes.
static void feature_changes(const Part_rec *p, const float *O, float *N, char *name,
                            const char *old_creation, const char *creation, Due *due) {
  int n = p->number;
  switch (p->type) {
    case PART_TRACE: {
      if (N[SLOT_TRACE_TYPE] == 1.0f) N[96] = 0.0f;
      if (N[SLOT_TRACE_TYPE] == 0.0f &&
          (due->missing_var || (N[102] == 1.0f && N[SLOT_TRACE_START_TIME] != Current_time)))
        due->trace = true;
      CALL(set_ani_trace_part_toggle, n, (int)N[90]);
      if (differs(O, N, 97) || ((N[97] == 1.0f || N[97] == 2.0f) && differs(O, N, 98)) ||
          differs(O, N, 65))
        due->lines = due->solid = true;
      if (range_differs(O, N, 63, 64) || range_differs(O, N, 91, 96) ||
          range_differs(O, N, 45, 50) || differs(O, N, 103) || moved(O[99], N[99], 1e-6f, 1e-6f) ||
          moved(O[100], N[100], 1e-6f, 1e-6f))
        due->trace = true;
      break;
    }
    case PART_TENSOR:
      if (differs(O, N, 50)) due->tensor = true;
      if (differs(O, N, 51) || (N[51] != 0 && range_differs(O, N, 52, 57)) || differs(O, N, 58) ||
          (N[58] != 0 && range_differs(O, N, 59, 60)) || any_differs(O, N, {83, 78, 85}) ||
          range_differs(O, N, 61, 65))
        due->lines = true;
      break;
    case PART_ARROW:
      if (due->missing_var) due->arrow_recompute = true;
      if (any_differs(O, N, {47, 48, 49, 65, 87, 50, 78, 66, 86}))
        due->arrow_recompute = due->lines = true;
      if ((range_differs(O, N, 41, 43) && our_rint(N[83]) == 3) || differs(O, N, 79) ||
          (N[79] != 0 && range_differs(O, N, 80, 81)) ||
          any_differs(O, N, {82, 83, 84, 85, 88, 89, 90}))
        due->lines = true;
      break;
    case PART_SUBSET: {
      const char *a = old_creation ? old_creation : "", *b = creation ? creation : "";
      if (strcmp(a, b) != 0) due->subset = true;
      break;
    }
    case PART_ISOSURFACE:
      if (range_differs(O, N, 46, 50) || any_differs(O, N, {55, 58})) {
        due->iso = true;
        if (O[55] == 0.0f && N[55] == 1.0f) {
          N[56] = N[57] = O[52];
          store(n, p->type, N, name, creation);
          CALL(iso_realtime_change_to_solid, n);
        } else if (O[55] == 1.0f && N[55] == 0.0f) {
          N[52] = our_rint(O[58]) == 12 ? O[57] : O[56];
          store(n, p->type, N, name, creation);
        }
        CALL(initialize_iso_real_atts);
        CALL(flipbook_dynamic_surf_delete_part, Part_cross[n]);
      }
      for (int s : {52, 56, 57})
        if (moved(O[s], N[s], 1e-5f, 1e-5f)) due->iso = due->dyn_text = true;
      break;
    case PART_DEVELOPED:
      if (any_differs(O, N, {72, 63, 64, 65, 73, 66, 67, 68, 50, 69, 70, 71, 74, 75}))
        due->devsrf = true;
      break;
    case PART_ELEVATED:
      if (any_differs(O, N, {47, 48, 49, 50, 78, 51, 100, 99})) due->elevsrf = true;
      break;
    case PART_PROFILE:
      if (due->missing_var || any_differs(O, N, {78, 51, 47, 48, 49, 50}))
        due->profile = true;
      for (int s = 63; s <= 71; s++)
        if (moved(O[s], N[s], 0.001f, 1e-4f)) due->profile = true;
      break;
    case PART_MODEL:
      if (p->structured)
        for (int s = 63; s <= 71; s++)
          if (our_rint(O[s]) != our_rint(N[s])) due->structured = true;
      break;
    case PART_CONTOUR:
      if (due->missing_var || any_differs(O, N, {50, 90, 65, 89})) due->contour = true;
      if (range_differs(O, N, 91, 95)) due->lines = true;
      break;
    default:
      break;
  }
}

// Step 22: clips.
static void clip_changes(const Part_rec *p, const float *O, float *N, char *name,
                         const char *creation, Due *due) {
  int n = p->number;
  int tool = our_rint(N[SLOT_CLIP_TOOL]);
  if (any_differs(O, N, {55, 56, 62, 53})) due->clip = true;
  if (any_differs(O, N, {58, 46, 52}) || (tool == CLIP_TOOL_XYZ && any_differs(O, N, {47, 48})))
    due->clip = due->dyn_text = true;
  if (tool == CLIP_TOOL_IJK) {
    if (any_differs(O, N, {98, 99}) || range_differs(O, N, 94, 97)) due->clip = true;
    if (differs(O, N, SLOT_CLIP_MESH_PLANE)) {
      CALL(flipbook_dynamic_surf_delete_part, Part_cross[n]);
      const Part_rec *src = p->children_count > 0 && p->children ? part_by_number(p->children[0])
                                                                 : nullptr;
      int plane = our_rint(N[SLOT_CLIP_MESH_PLANE]);
      if (src && src->attributes && plane >= 0 && plane <= 2) {
        // the two node ranges of the source other than the plane's own
        static const int dims[3][2] = {{1, 2}, {0, 2}, {0, 1}};
        const float *s = src->attributes;
        for (int d = 0; d < 2; d++) {
          int from = 63 + 3 * dims[plane][d];
          N[94 + 2 * d] = s[from];
          N[95 + 2 * d] = s[from + 1];
        }
        N[SLOT_CLIP_PLANE_VALUE] = 1.0f;
        due->dyn_text = true;
      }
      store(n, p->type, N, name, creation);
      due->clip = true;
    }
    if (moved(O[SLOT_CLIP_PLANE_VALUE], N[SLOT_CLIP_PLANE_VALUE], 0.001f, 1e-4f))
      due->clip = due->dyn_text = true;
  }
  if (differs(O, N, 57)) due->clip = true;
  if (tool != CLIP_TOOL_XYZ_BOX) {
    if (moved(O[63], N[63], 0.001f, 1e-4f)) due->clip = due->dyn_text = true;
    for (int s = 64; s <= 89 && !due->clip; s++)
      if (moved(O[s], N[s], 0.001f, 1e-4f)) due->clip = due->dyn_text = true;
  } else if (range_differs(O, N, 102, 107)) {
    due->clip = due->dyn_text = true;
  } else {
    for (int s = 63; s <= 68; s++)
      if (N[102 + s - 63] == 0.0f && moved(O[s], N[s], 0.001f, 1e-4f)) {
        due->clip = due->dyn_text = true;
        break;
      }
  }
}

// Step 25: a part made active again.
static void activation(const Part_rec *p, const float *O, const float *N, Due *due) {
  if (!(O[SLOT_ACTIVE] == 0.0f && N[SLOT_ACTIVE] != 0.0f) ||
      our_rint(N[SLOT_ELT_REP]) == ELT_REP_NOT_LOADED)
    return;
  switch (p->type) {
    case PART_MODEL: case PART_EXTRACT: case PART_BOUNDARY: case PART_SUBSET:
      due->reload = true; break;
    case PART_ARROW: due->arrow_recompute = due->lines = true; break;
    case PART_CLIP: due->clip = true; break;
    case PART_CONTOUR: due->contour = true; break;
    case PART_ISOSURFACE: due->iso = true; break;
    case PART_DEVELOPED: due->devsrf = true; break;
    case PART_PROFILE: due->profile = true; break;
    case PART_ELEVATED: due->elevsrf = true; break;
    default: break;
  }
}

// Step 26: the first recomputation that is due.  1 when one ran, -1 on a
// failure that fails modatr, else 0.
static int recompute(int n, int frame, Due *due) {
  const Modatr_hooks &h = Modatr_calls;
  if (due->clip) {
    if (h.modify_clip_part) h.modify_clip_part(n);
    if (h.check_modify_realtime_clip_part) h.check_modify_realtime_clip_part(n);
  } else if (due->subset) {
    if (h.modify_subset_part && h.modify_subset_part(n) < 0) return -1;
  } else if (due->iso) {
    CALL(modify_iso_part, n);
  } else if (due->devsrf) {
    CALL(modify_developed_surface, n);
  } else if (due->contour) {
    CALL(modify_contour, Part_cross[n]);
  } else if (due->profile) {
    CALL(modify_profile, Part_cross[n]);
  } else if (due->tensor) {
    CALL(modify_tensor_glyph, Part_cross[n]);
  } else if (due->trace) {
    CALL(modify_particle_trace, Part_cross[n]);
  } else if (due->elevsrf) {
    CALL(modify_elevated_surface, n);
  } else if (due->structured) {
    CALL(update_structured_parts, n);
  } else if (due->periodic) {
    if (h.do_periodicity && h.do_periodicity(frame, due->periodic, n) != 0) return -1;
  } else if (due->reload) {
    CALL(modify_part, n, due->rep_changed ? 1 : 0, 0);
    due->reloaded = true;
  } else {
    return 0;
  }
  return 1;
}

// Step 27: the display objects, now or when the part is shown again.
static void rebuild_objects(int i, const float *O, const float *N, const Due &due) {
  Part_rec *p = parts[i];
  bool visible = N[SLOT_VISIBLE] != 0;
  if (due.lines) {
    if (!visible) {
      p->line_rebuild_pending = 1;
    } else {
      if (p->type == PART_ARROW)
        CALL(modify_vector_arrow, i, our_rint(O[82]), our_rint(N[82]), due.arrow_recompute);
      else if (p->type == PART_TENSOR)
        CALL(make_tensor_glyphs, p->number);
      else
        CALL(make_part, p->number);
      p->line_rebuild_pending = 0;
    }
  }
  if (due.solid) {
    if (!visible) {
      p->solid_rebuild_pending = 1;
    } else if (p->solid_built || (Solidt && N[SLOT_HIDDEN_SURFACE] != 0)) {
      CALL(make_part_solid, p->number);
      p->solid_built = 1;
    }
  }
}

// Steps 28 and 29: node, part and element labels.
static void labels(int i, const float *O, const float *N, const Due &due, bool shrunk) {
  Part_rec *p = parts[i];
  if (Labnod && (differs(O, N, SLOT_LABEL_NODE) || (shrunk && N[SLOT_LABEL_NODE] != 0))) {
    if (N[SLOT_LABEL_NODE] == 0)
      forget_list(&p->node_label_list);
    else if (!due.reloaded)
      CALL(build_node_nums, p->number);
  }
  if (Labprt && differs(O, N, SLOT_LABEL_PART)) {
    if (N[SLOT_LABEL_PART] != 0)
      CALL(build_part_label, p->number);
    else
      forget_list(&p->part_label_list);
  }
  if (Labele && differs(O, N, SLOT_LABEL_ELT)) {
    if (N[SLOT_LABEL_ELT] == 0)
      forget_list(&p->elem_label_list);
    else if (!due.reloaded)
      CALL(build_elem_nums, p->number);
  }
}

int modatr(int n, float *N, char *name, const char *creation) {
  {
    int code = 0, dpy = 0;
    if (Modatr_calls.gl_curwin) {
      Modatr_calls.gl_curwin(&code, 0, &dpy);
      if (code != 0) {
        code = 0;
        Modatr_calls.gl_curwin(&code, 1, &dpy);
      }
    }
  }
  Part_rec *p = part_by_number(n);
  if (!p || !N) return -1;
  const int type = p->type;
  const bool held_geometry = any_part_holds_geometry();

  Rebuild_part_list = 0;
  float O[PART_ATTR_SLOTS];
  char old_name[PART_NAME_TEXT] = "";
  char *old_creation = nullptr;
  if (part_attributes(n, type, O, nullptr, old_name, &old_creation, 0) < 0) return -1;
  char new_name[PART_NAME_TEXT] = "";
  snprintf(new_name, PART_NAME_USED, "%s", name ? name : old_name);

  Due due;
  if (differs(O, N, SLOT_OPAQUENESS)) Resort_transparent = 1;
  check_colouring(Part_cross[n], n, O, N, &due);
  if (type == PART_TRACE && N[SLOT_OPAQUENESS] != 1.0f) {
    caddtxt("WARNING *********************");
    caddtxt("Can not modify opaqness value for particle trace parts!");
    N[SLOT_OPAQUENESS] = 1.0f;
  }
  if (store(n, type, N, new_name, creation) < 0) {
    free(old_creation);
    return -1;
  }
  if (name) snprintf(name, PART_NAME_USED, "%s", new_name);
  // The mirror and shininess slots are compared each with itself.
  if (any_differs(O, N, {3, 16, 17, 30, 31, 33, 34, 35, 36})) Resort_transparent = 1;

  frame_change(n, p, O, N, new_name, creation, &due);
  p = part_by_number(n);
  int i = Part_cross[n];

  if (N[SLOT_VISIBLE] != 0) {
    CALL(actobj, n);
    due.lines = p->line_rebuild_pending != 0;
    due.solid = p->solid_rebuild_pending != 0;
    p->line_rebuild_pending = p->solid_rebuild_pending = 0;
  } else {
    CALL(deaobj, n);
  }
  general_rebuilds(i, O, N, &due);
  representation(n, p, O, N, &due);
  feature_changes(p, O, N, new_name, old_creation, creation, &due);
  if (type == PART_CLIP) clip_changes(p, O, N, new_name, creation, &due);

  bool shrunk = differs(O, N, SLOT_SHRINK);
  if (shrunk) {
    if (!due.reload) CALL(shrink, n);
    due.lines = due.solid = true;
  }
  activation(p, O, N, &due);

  int r = recompute(n, our_rint(N[SLOT_FRAME]), &due);
  free(old_creation);
  if (r < 0) return -1;
  p = part_by_number(n);
  if (!p) return -1;
  i = Part_cross[n];
  if (r == 0 && our_rint(N[SLOT_ELT_REP]) != ELT_REP_NOT_LOADED) rebuild_objects(i, O, N, due);
  labels(i, O, N, due, shrunk);
  if (due.dyn_text && Txtdyn) CALL(load_dynamic_strings);
  CALL(update_realtime_iso_att_change, n);
  if (!held_geometry && any_part_holds_geometry()) CALL(center);
  return 1;
}

// ---- change_created_parts ------------------------------------------------------------

static bool same_set(const int *a, int na, const int *b, int nb) {
  for (int x = 0; x < na; x++) {
    bool found = false;
    for (int y = 0; y < nb && !found; y++) found = a[x] == b[y];
    if (!found) return false;
  }
  for (int y = 0; y < nb; y++) {
    bool found = false;
    for (int x = 0; x < na && !found; x++) found = a[x] == b[y];
    if (!found) return false;
  }
  return true;
}

static void set_children(int i, int count, const int *sources) {
  resize_part_array(i, PA_CHILDREN, count, 0);
  if (count > 0 && part_array_capacity(i, PA_CHILDREN, 0) < count) return;
  if (count > 0) memcpy(parts[i]->children, sources, sizeof(int) * (size_t)count);
  parts[i]->children_count = count;
}

static void rebuild_created(int n) {
  Part_rec *p = part_by_number(n);
  if (!p) return;
  switch (p->type) {
    case PART_CLIP: CALL(modify_clip_part, n); break;
    case PART_CONTOUR: CALL(modify_contour, Part_cross[n]); break;
    case PART_ISOSURFACE: CALL(modify_iso_part, n); break;
    case PART_TRACE: CALL(modify_particle_trace, Part_cross[n]); break;
    case PART_PROFILE: CALL(modify_profile, Part_cross[n]); break;
    case PART_ARROW: {
      int t = p->attributes ? our_rint(p->attributes[82]) : 0;
      CALL(modify_vector_arrow, Part_cross[n], t, t, 1);
      break;
    }
    case PART_ELEVATED: CALL(modify_elevated_surface, n); break;
    case PART_DEVELOPED: CALL(modify_developed_surface, n); break;
    case PART_EXTRACT: CALL(modify_extract_merge_part, n); break;
    case PART_TENSOR: CALL(modify_tensor_glyph, Part_cross[n]); break;
    case PART_SUBSET:
      if (Modatr_calls.modify_subset_part) Modatr_calls.modify_subset_part(n);
      break;
    default: break;
  }
}

void change_created_parts(int n, int count, const int *sources) {
  if (count < 0 || (count > 0 && !sources)) return;
  std::vector<int> members(Num_p_loaded + 1);
  int m = 0;
  uncompress_part_list(1, &m, &n, members.data());
  for (int k = 0; k < m; k++) {
    Part_rec *p = part_by_number(members[k]);
    if (!p) continue;
    int t = p->type;
    bool derived = t == PART_CLIP || t == PART_CONTOUR || (t >= PART_ISOSURFACE && t <= PART_EXTRACT) ||
                   t == PART_TENSOR;
    if (t == PART_SUBSET ||
        (derived && !same_set(p->children, p->children_count, sources, count))) {
      set_children(Part_cross[p->number], count, sources);
      rebuild_created(p->number);
    }
  }
  if (Num_active_viewports <= 1)
    display_all();
  else
    viewports_display_all();
}

// ---- restore_gl_stuff ------------------------------------------------------------------

// Empties a GL list and records one builder into it again.
static void rerecord(unsigned int list, int i, void (*builder)(int, int)) {
  if (!list) return;
  glDeleteLists(list, 1);
  glNewList(list, GL_COMPILE);
  builder(i, 1);
  glEndList();
}

void restore_gl_stuff() {
  int keep_viewport = Viewport_current;
  Viewport_current = 0;
  float matrix[16], at[3], from[3], distance = 1.0f, znear = 0.1f, zfar = 100.0f, angle = 30.0f;
  float combined[16];
  view_param(at, from, matrix, &distance, 0);
  zclipp_locat(&znear, &zfar, 0);
  perspective_angle(&angle, 0);
  current_ctm(combined, 0);
  int code = 0, dpy = 0;
  CALL(gl_curwin, &code, 1, &dpy);
  GLint box[4] = {0, 0, 1, 1};
  glGetIntegerv(GL_VIEWPORT, box);  // the main graphics window's size

  glDepthFunc(GL_LEQUAL);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_DITHER);
  glClearStencil(1);
  glClearDepth(1.0);
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glEnable(GL_LIGHTING);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  double aspect = Anim_aspect_ratio * (double)box[2] / (double)(box[3] > 0 ? box[3] : 1);
  double rad = angle * 0.017453292;
  if (Person && viewport_perspective_on(0) == 1) {
    double top = znear * std::tan(rad);
    glFrustum(-top * aspect, top * aspect, -top, top, znear, zfar);
  } else {
    double e = distance * std::tan(rad);
    glOrtho(-e, e, -e / aspect, e / aspect, znear, zfar);
  }
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(matrix);
  glMultMatrixf(combined);
  set_scene_lights();

  for (int k = 0; k < Num_active_viewports; k++) {
    Viewport_current = Viewport_display_order[k];
    float c[16], v[16], va[3], vf[3], m[16], d = 1.0f;
    view_param(va, vf, m, &d, 0);
    current_ctm(c, 0);
    vewvew(va, vf, &d, c, v);
  }
  Viewport_current = keep_viewport;
  fix_up_viewport(1);

  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *p = parts[i];
    if (!p || p->group) continue;
    make_sphere_objects(i);
    const float *a = p->attributes;
    if (p->type == PART_ARROW) {
      int t = a ? our_rint(a[82]) : 0;
      CALL(modify_vector_arrow, i, t, t, 1);
    } else if (!Quivane_display_list) {
      rerecord(p->line_list, i, build_line);
    } else {
      CALL(make_part, p->number);
    }
    if (!Quivane_display_list && p->solid_built) rerecord(p->solid_list, i, build_solid);
    if (!a) continue;
    if (Labnod && a[SLOT_LABEL_NODE] != 0) CALL(build_node_nums, p->number);
    if (Labprt && a[SLOT_LABEL_PART] != 0) CALL(build_part_label, p->number);
    if (Labele && a[SLOT_LABEL_ELT] != 0) CALL(build_elem_nums, p->number);
  }
}
