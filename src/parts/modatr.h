// Applying new attribute values to one part: modatr stores them and does
// exactly the follow-up work the changed slots call for (server requests,
// reloads, feature recomputations, display-object rebuilds, labels);
// change_created_parts gives derived parts new source parts; and
// restore_gl_stuff rebuilds the OpenGL state and every display object after
// an archive was restored.
//
// Every builder, feature rebuild and scene service these functions reach
// goes through Modatr_calls, so that tests can count them.  An entry is the
// real function where its subsystem exists, else null (nothing is done).
#pragma once

struct Modatr_hooks {
  // part_rebuild / part_delete
  void (*make_part)(int n);
  void (*make_part_solid)(int n);
  void (*modify_part)(int n, int force, int update_traces);
  void (*unload_part)(int n);
  void (*shrink)(int n);
  void (*delete_display_lists_for_part)(int i, int which, int clear);
  // drawing and labels (part numbers)
  void (*actobj)(int n);
  void (*deaobj)(int n);
  void (*build_node_nums)(int n);
  void (*build_elem_nums)(int n);
  void (*build_part_label)(int n);
  void (*load_dynamic_strings)();
  void (*center)();
  void (*gl_curwin)(int *code, int set, int *dpy);
  void (*delete_gl_list)(unsigned int list);
  // palettes and variables
  int (*palette_type)(int palette, int component);      // 0 scalar, 1 vector, else other
  int (*palette_variable)(int palette, int component);  // variable id, -2 none
  // frames
  int (*frame_periodic)(int frame);  // 1 when the frame carries effective periodic symmetry
  int (*do_periodicity)(int frame, int kind, int n);  // 0 on success
  // feature rebuilds (part numbers unless noted; the arrow rebuild takes the table index)
  void (*modify_clip_part)(int n);
  void (*check_modify_realtime_clip_part)(int n);
  void (*clip_frame_change)(int f0, int f1, const float *old_attr, float *new_attr);
  int (*check_valid_ijk_value)(int n, int slot, float *value);  // 1 when *value was corrected
  int (*modify_subset_part)(int n);  // -1 on failure
  void (*modify_iso_part)(int n);
  void (*iso_realtime_change_to_solid)(int n);
  void (*initialize_iso_real_atts)();
  void (*update_realtime_iso_att_change)(int n);
  void (*flipbook_dynamic_surf_delete_part)(int i);
  void (*modify_developed_surface)(int n);
  void (*modify_elevated_surface)(int n);
  void (*modify_contour)(int i);         // table index
  void (*modify_profile)(int i);         // table index
  void (*modify_tensor_glyph)(int i);    // table index
  void (*make_tensor_glyphs)(int n);
  void (*modify_particle_trace)(int i);  // table index
  void (*set_ani_trace_part_toggle)(int n, int on);
  void (*modify_vector_arrow)(int i, int old_type, int new_type, int recompute);
  void (*modify_extract_merge_part)(int n);
  void (*update_structured_parts)(int n);
};
extern Modatr_hooks Modatr_calls;
// The entries as the program sets them (tests restore them).
extern const Modatr_hooks Modatr_real_calls;

// Applies the 108 new values attr (corrected in place) of part number n,
// named name (50 bytes), with creation description creation (or null).
// 1, or -1 when the part has no record, storing fails, or a subset or
// periodic rebuild fails.
int modatr(int n, float *attr, char *name, const char *creation);

// Gives part n (every member of a group) the count source parts and
// rebuilds it when they differ as a set (a subset always).
void change_created_parts(int n, int count, const int *sources);

// Rebuilds the OpenGL state of the main window and every display object.
void restore_gl_stuff();
