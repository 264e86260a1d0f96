// Part selection and attribute recording (see part_record.h).  It owns the
// recorded-source memory; every line goes out through cmdrec.
#include "parts/part_record.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "client/cases.h"
#include "client/command_dlog.h"
#include "parts/attribute.h"
#include "parts/part_apply.h"
#include "parts/read.h"
#include "view/view_cmdproc.h"

int Recorded_selection_source = -1;

static void rec(const std::string &line) { cmdrec(line.c_str()); }

static void rec_by_number(int count, const int *numbers) {
  rec("part: select_begin");
  std::string line;
  for (int k = 0; k < count; k++) {
    line += " " + std::to_string(numbers[k]);
    if ((k + 1) % 10 == 0 || k == count - 1) {
      rec(line);
      line.clear();
    }
  }
  rec("part: select_end");
}

static void rec_by_name(int count, const int *numbers) {
  rec("part: select_partname_begin");
  std::string line;
  for (int k = 0; k < count; k++) {
    char name[PART_NAME_TEXT] = "";
    if (part_descrip(numbers[k], name, 0) < 0) continue;
    std::string quoted = "\"" + std::string(name) + "\"";
    std::string piece = line.empty() ? quoted : " " + quoted;
    if (!line.empty() && line.size() + piece.size() > PART_REC_LINE_MAX) {
      rec(line);
      line.clear();
      piece = quoted;
    }
    line += piece;
    if (line.size() > PART_REC_LINE_FLUSH) {
      rec(line);
      line.clear();
    }
  }
  if (!line.empty()) rec(line);
  rec("part: select_partname_end");
}

void part_rec_selparts(int cat_index, int count, const int *numbers, int source) {
  if (source == -1) {
    Recorded_selection_source = -1;
    return;
  }
  if (source == Recorded_selection_source) return;
  Recorded_selection_source = source;
  if (count <= 0 || !numbers || numbers[0] == -1) {
    if (cat_index < 0 || cat_index >= CMD_NCATEGORIES) cat_index = CMD_CAT_PART;
    rec(std::string(Cmds_cat[cat_index].name) + " select_default");
  } else if (numbers[0] == -2) {
    rec("part: select_all_default");
  } else if (Part_listbytype == 1 && count == parts_in_list_for_current_case()) {
    rec("part: select_all_case " + std::to_string(Case_num + 1));
  } else if (Part_listbytype != 1 && count == Num_p_partlist) {
    rec("part: select_all");
  } else if (Cmd_record_parts_by_number) {
    rec_by_number(count, numbers);
  } else {
    rec_by_name(count, numbers);
  }
}

void part_record_currentselection() {
  int count = 0, *internal = nullptr, *numbers = nullptr;
  part_selected_parts_windep(0, &count, &internal, &numbers);
  if (count > 0 && numbers && Recrdr == 1) part_rec_selparts(CMD_CAT_PART, count, numbers, 0);
  free(internal);
  free(numbers);
}

// ---- attributes ---------------------------------------------------------------------------

static void mark(int *marks, int from, int to) {
  for (int s = from; s <= to && s < PART_ATTR_SLOTS; s++) marks[s] = 1;
}

static void mark_clip(int *marks, const float *v) {
  mark(marks, 52, 52);
  mark(marks, 58, 58);
  switch (our_rint(v[SLOT_CLIP_TOOL])) {
    case 0: mark(marks, 62, 68); break;
    case 1: mark(marks, 46, 46); mark(marks, 55, 57); mark(marks, 63, 71); break;
    case 2: case 3: case 4: mark(marks, 63, 68); mark(marks, 72, 72); break;
    case 5: {
      mark(marks, 53, 53);
      mark(marks, 63, 68);
      int n = our_rint(v[SLOT_REV_COUNT]);
      if (n > 0) mark(marks, 69, 68 + n);
      break;
    }
    case 6: mark(marks, 63, 68); mark(marks, 92, 92); break;
    case 7: mark(marks, 63, 72); break;
    case 8: mark(marks, 47, 48); mark(marks, 94, 99); break;
    case 9: {
      mark(marks, 47, 48);
      mark(marks, 78, 78);
      int plane = our_rint(v[SLOT_CLIP_MESH_PLANE]);
      if (plane >= 0 && plane <= 2) mark(marks, 72 + 2 * plane, 73 + 2 * plane);
      break;
    }
    default: break;
  }
}

static void mark_creation(int type, int *marks, const float *v) {
  switch (type) {
    case PART_CLIP: mark_clip(marks, v); break;
    case PART_CONTOUR: mark(marks, 50, 50); mark(marks, 65, 65); mark(marks, 90, 94); break;
    case PART_ISOSURFACE: mark(marks, 47, 50); mark(marks, 52, 55); break;
    case PART_TRACE:
      mark(marks, 45, 45); mark(marks, 47, 50); mark(marks, 63, 65); mark(marks, 89, 100);
      mark(marks, 103, 103);
      break;
    case PART_PROFILE: mark(marks, 47, 51); mark(marks, 63, 74); mark(marks, 78, 78); break;
    case PART_ARROW: mark(marks, 47, 50); mark(marks, 65, 65); mark(marks, 78, 90); break;
    case PART_ELEVATED: mark(marks, 47, 51); mark(marks, 78, 78); mark(marks, 99, 100); break;
    case PART_DEVELOPED:
      mark(marks, 63, 72);
      if (v[72] != 0.0f) mark(marks, 74, 75);
      break;
    case PART_ISOVOLUME:
      mark(marks, 47, 50); mark(marks, 52, 53); mark(marks, 55, 58);
      break;
    case PART_SUBSET: mark(marks, 46, 46); break;
    case PART_TENSOR: mark(marks, 50, 65); mark(marks, 78, 78); mark(marks, 83, 83);
      mark(marks, 85, 85);
      break;
    default: break;
  }
}

void part_rec_partattrs(int type, int part, float *values, const char *desc,
                        const char *creation, int begin_form, int kind) {
  if (type < 0 || type >= PART_ROUT_ROWS || !values) return;
  int marks[PART_ATTR_SLOTS] = {};
  if (kind == 0 || kind == 2) {
    mark(marks, 0, 44);
    if (type == PART_CONTOUR || type == PART_DISCRETE || type == PART_TRACE ||
        type == PART_PROFILE || type == PART_ARROW)
      marks[SLOT_ELT_REP] = 0;
    int in_use = viewp_inuse_mask();
    viewport_vis_part_changed_pattern(&in_use, 1);
  }
  if (kind == 0 || kind == 1) mark_creation(type, marks, values);
  float old[PART_ATTR_SLOTS];
  for (float &o : old) o = -1.0f;
  cmd_setrec_partatt(part, old, values, "", desc, Part_natt[type], Part_cat_map[type], creation,
                     marks, part == -1 ? 1 : 0, 0, begin_form);
}
