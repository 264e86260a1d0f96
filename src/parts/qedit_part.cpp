// Quick-edit part panel and Displace panel logic (see qedit_part.h).
#include "parts/qedit_part.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/interf_settings.h"
#include "client/screen.h"
#include "data/data_dlog.h"
#include "derived/intr_part_apply.h"
#include "parts/attribute.h"
#include "parts/part_apply.h"
#include "parts/read.h"
#include "render/redraw.h"
#include "variables/var_table.h"
#include "view/viewport_part_vis.h"
#include "view/viewport_redraw.h"
#include "view/viewports.h"

int Default_partedit_notify = 1;
int Qedit_gvsp_notify = 1;
int Qeditpart_need_partlistreinit = 1;
int Qeditpartintr_part_cnt = 0;
int *Qeditpartintr_part_list = nullptr;
Qedit_part_windep_hooks Qedit_part_windep = {};

int qedit_selection_or_all_defaults(std::vector<int> *list) {
  list->clear();
  int count = 0, *internal = nullptr, *numbers = nullptr;
  int r = part_selected_parts_windep ? part_selected_parts_windep(0, &count, &internal, &numbers)
                                     : 0;
  if (r == 1 && numbers) list->assign(numbers, numbers + count);
  free(internal);
  free(numbers);
  if (!list->empty()) return 1;
  list->push_back(-2);
  return 0;
}

// The node size-by of a selection entry (the model defaults for -1, -2).
static int node_size_by(int entry) {
  float a[PART_ATTR_SLOTS];
  if (part_attributes(entry < 0 ? -1 : entry, 0, a, nullptr, nullptr, nullptr, 0) != 1) return 0;
  return our_rint(a[SLOT_NODE_SIZE_BY]);
}

// Slot 14: a menu position (from 1) of the scalar or vector list, or 1003
// for none; the variable id into *id.  1, or -1 after the error box.
static int node_variable_choice(const std::vector<int> &list, float value, float *id) {
  int scalar = 0;
  for (int e : list) scalar += node_size_by(e) == 1;
  if (scalar && scalar != (int)list.size()) {
    disperr("Can't change variable for parts with different node Size By types.");
    return -1;
  }
  if ((int)value == 1003) {
    *id = -1.0f;
    return 1;
  }
  std::vector<int> rows = part_var_rows(node_size_by(list.back()) == 1 ? PVAR_SCALARS
                                                                       : PVAR_VECTORS);
  int pos = (int)value;
  if (value >= 1000.0f || pos < 1 || pos > (int)rows.size()) {
    disperr("Error matching variable, call support.");
    return -1;
  }
  *id = (float)Variables[rows[(size_t)pos - 1]].id;
  return 1;
}

int qeditgenpart_attr_apply(int slot, float value, float extra, int) {
  if (slot < 0 || slot >= PART_ATTR_SLOTS) return -1;
  std::vector<int> list;
  const int defaults_flag = qedit_selection_or_all_defaults(&list) == 1 ? 0 : 1;
  float saved[PART_ATTR_SLOTS];
  memcpy(saved, Part_mod_attr, sizeof saved);
  auto refuse = [&]() {
    memcpy(Part_mod_attr, saved, sizeof saved);
    part_clear_chngflags(Part_modchng_flags);
    return -1;
  };
  if (slot != SLOT_NODE_VARIABLE) {
    Part_mod_attr[slot] = value;
    Part_modchng_flags[slot] = 1;
  }
  if (slot == SLOT_ELT_REP && our_rint(value) == ELT_REP_FEATURE_ANGLE) {
    Part_mod_attr[SLOT_FEATURE_ANGLE] = extra;
    Part_modchng_flags[SLOT_FEATURE_ANGLE] = 1;
  }
  if (slot == SLOT_NODE_SIZE_BY) {
    float variable = 0.0f;
    if (part_nodesizeby_first_variable(our_rint(value), &variable) < 0) return refuse();
    if (our_rint(value) >= 1 && our_rint(value) <= 5) {
      Part_mod_attr[SLOT_NODE_VARIABLE] = variable;
      Part_modchng_flags[SLOT_NODE_VARIABLE] = 1;
    }
    part_nodesizeby_dependency(our_rint(value), 0);
  }
  if (slot == SLOT_NODE_VARIABLE) {
    float id = -1.0f;
    if (node_variable_choice(list, value, &id) < 0) return refuse();
    Part_mod_attr[SLOT_NODE_VARIABLE] = id;
    Part_modchng_flags[SLOT_NODE_VARIABLE] = 1;
  }
  if (defaults_flag && Default_partedit_notify && !Batch_mode && Qedit_part_windep.default_note)
    Qedit_part_windep.default_note();
  part_apply(PART_SRC_QEDIT, PART_MODEL, defaults_flag, Part_mod_attr, Part_modchng_flags,
             Part_mod_desc, 0, nullptr, (int)list.size(), list.data(), 0, 0);
  if (Qedit_part_windep.noderep_init) Qedit_part_windep.noderep_init(list[0], 1);
  part_clear_chngflags(Part_modchng_flags);
  return 1;
}

int qedit_part_flip(int slot, int state, int global) {
  if (qeditgenpart_attr_apply(slot, (float)state, 0.0f, 0) < 0) return -1;
  if (state == 1 && global == 0 && Qedit_gvsp_notify && Qedit_part_windep.gvsp_note)
    Qedit_part_windep.gvsp_note();
  return 1;
}

float part_featureangle_prompt() {
  std::vector<int> list;
  float angle = 10.0f, common = 0.0f;
  if (qedit_selection_or_all_defaults(&list) == 1 &&
      get_common_attribute((int)list.size(), list.data(), SLOT_FEATURE_ANGLE, &common) == 1)
    angle = common;
  char buf[12];
  snprintf(buf, sizeof buf, "%5.1f", angle);
  if (screen_prompt("Feature Angle:", "Angle", buf, 11, 0) < 0 || !buf[0]) return -1.0f;
  return (float)atof(buf);
}

// ---- transparency ---------------------------------------------------------------------

static void forget_slider_parts() {
  free(Qeditpartintr_part_list);
  Qeditpartintr_part_list = nullptr;
  Qeditpartintr_part_cnt = 0;
}

int qedit_parttranspslider_movmnt(int value) {
  if (Qeditpart_need_partlistreinit) {
    Qeditpart_need_partlistreinit = 0;
    forget_slider_parts();
    std::vector<int> list;
    if (qedit_selection_or_all_defaults(&list) != 1) {
      disperr("Must have a part selected. Can't change part defaults with the slider.");
      return -1;
    }
    Qeditpartintr_part_list = static_cast<int *>(malloc(sizeof(int) * list.size()));
    if (!Qeditpartintr_part_list) {
      report_alloc_failure(__LINE__, "qedit_part", "qedit_parttranspslider_movmnt");
      return -1;
    }
    memcpy(Qeditpartintr_part_list, list.data(), sizeof(int) * list.size());
    Qeditpartintr_part_cnt = (int)list.size();
  }
  // A drag that began with nothing selected moves nothing until released.
  if (Qeditpartintr_part_cnt <= 0) return -1;
  const int slot = SLOT_OPAQUENESS;
  const float opaqueness = (float)value / 100.0f;
  set_common_attribute(Qeditpartintr_part_cnt, Qeditpartintr_part_list, 1, &slot, &opaqueness);
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_nocopy();
  return 1;
}

void qedit_parttranspslider_release(const char *text) {
  // Only a drag that moved parts applies its value.
  if (Qeditpartintr_part_cnt > 0) qedit_parttransp_text_apply(text);
  forget_slider_parts();
  Qeditpart_need_partlistreinit = 1;
}

int qedit_parttransp_text_apply(const char *text) {
  if (!text || !text[0]) return -1;
  Part_mod_attr[SLOT_OPAQUENESS] = (float)atof(text);
  Part_modchng_flags[SLOT_OPAQUENESS] = 1;
  return intrgenpart_attr_apply(PART_MODEL);
}

void qedit_partviewportvis_chng() {
  int mask = 0;
  wrking_part_vewport_vis_atribt(&mask, 0);
  Part_mod_attr[SLOT_VIEWPORT_VIS] = (float)mask;
  Part_modchng_flags[SLOT_VIEWPORT_VIS] = 1;
  intrgenpart_attr_apply(PART_MODEL);
}

// ---- Displace panel -----------------------------------------------------------------------

int intrdisplace_by_chng(int value, int selected, int var_row) {
  std::vector<int> list;
  const int defaults_flag = qedit_selection_or_all_defaults(&list) == 1 ? 0 : 1;
  float id = -1.0f;
  if (value == 1) {
    if (selected != 1 || !Variables || var_row < 0 || var_row >= Var_avail_cnt) {
      disperr("Please select 1 variable to create with.");
      return -1;
    }
    Variable_rec &v = Variables[var_row];
    if (v.type != 1 || v.element_based) {
      disperr("Displacement can only be done with a node-based VECTOR variable.");
      return -1;
    }
    snprintf(Data_variable_name, sizeof Data_variable_name, "%s", v.name);
    if (!v.active) var_active(1, 0);
    id = (float)v.id;
  }
  Part_mod_attr[SLOT_DISPLACE_BY] = id;
  Part_modchng_flags[SLOT_DISPLACE_BY] = 1;
  part_apply(PART_SRC_QINTR, PART_MODEL, defaults_flag, Part_mod_attr, Part_modchng_flags,
             Part_mod_desc, 0, nullptr, (int)list.size(), list.data(), 0, 0);
  return 1;
}

int intrdisplace_factor_chng(const char *text) {
  Part_mod_attr[SLOT_DISPLACE_FACTOR] = text ? (float)atof(text) : 0.0f;
  Part_modchng_flags[SLOT_DISPLACE_FACTOR] = 1;
  return intrgenpart_attr_apply(PART_MODEL);
}
