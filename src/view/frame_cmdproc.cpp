// The "frame:" command category (see frame_cmdproc.h).  Attribute lines
// collect their values in the pending change of the frame logic
// (Frame_mod_attr, Frame_modchng_flags); the change is applied to the
// working frames at once, or all together at "modify_end".  Selection,
// creation, assignment, deletion and description act at once.
#include "view/frame_cmdproc.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/cmd_play.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/part_apply.h"
#include "view/frame_logic.h"

static const Cmd_option_rec frametype[] = {
    {"rectangular", 0}, {"cylindrical", 1}, {"spherical", 2}, {"", -99}};
static const Cmd_option_rec framecstype[] = {
    {"mirror", 0}, {"rotational", 1}, {"translational", 2}, {"none", 3}, {"", -99}};

// keyword, values, type, processor slot, id (= slot of the attribute rows), options.
// The rows "1" and "2" stand for the second and third value of the
// three-value keyword above them and carry its id.
const Cmd_keyword_rec Cmds_frame[] = {
    {"visible", 1, 'n', 0, 0, nullptr},
    {"type", 1, 's', 0, 1, frametype},
    {"origin", 3, 'f', 0, 2, nullptr},
    {"1", 3, 'f', 0, 2, nullptr},
    {"2", 3, 'f', 0, 2, nullptr},
    {"orientation_x", 3, 'f', 0, 5, nullptr},
    {"1", 3, 'f', 0, 5, nullptr},
    {"2", 3, 'f', 0, 5, nullptr},
    {"orientation_y", 3, 'f', 0, 8, nullptr},
    {"1", 3, 'f', 0, 8, nullptr},
    {"2", 3, 'f', 0, 8, nullptr},
    {"orientation_z", 3, 'f', 0, 11, nullptr},
    {"1", 3, 'f', 0, 11, nullptr},
    {"2", 3, 'f', 0, 11, nullptr},
    {"len_x", 1, 'f', 0, 14, nullptr},
    {"len_y", 1, 'f', 0, 15, nullptr},
    {"len_z", 1, 'f', 0, 16, nullptr},
    {"#_of_labels_x", 1, 'd', 0, 17, nullptr},
    {"#_of_labels_y", 1, 'd', 0, 18, nullptr},
    {"#_of_labels_z", 1, 'd', 0, 19, nullptr},
    {"line_width", 1, 'd', 0, 20, nullptr},
    {"rgb", 3, 'f', 0, 21, nullptr},
    {"1", 3, 'f', 0, 21, nullptr},
    {"2", 3, 'f', 0, 21, nullptr},
    {"x_labels", 1, 'n', 0, 24, nullptr},
    {"y_labels", 1, 'n', 0, 25, nullptr},
    {"z_labels", 1, 'n', 0, 26, nullptr},
    {"symmetry_type", 1, 's', 0, 27, framecstype},
    {"symmetry_angle", 1, 'f', 0, 28, nullptr},
    {"symmetry_rinstances", 1, 'd', 0, 29, nullptr},
    {"symmetry_1_1_-1", 1, 'n', 0, 30, nullptr},
    {"symmetry_1_-1_1", 1, 'n', 0, 31, nullptr},
    {"symmetry_-1_1_1", 1, 'n', 0, 32, nullptr},
    {"symmetry_-1_-1_1", 1, 'n', 0, 33, nullptr},
    {"symmetry_1_-1_-1", 1, 'n', 0, 34, nullptr},
    {"symmetry_-1_1_-1", 1, 'n', 0, 35, nullptr},
    {"symmetry_-1_-1_-1", 1, 'n', 0, 36, nullptr},
    {"symmetry_use_file", 1, 'n', 0, 37, nullptr},
    {"symmetry_file", 0, 'u', 0, FRAME_ROW_SYMMETRY_FILE, nullptr},
    {"symmetry_tinstances", 1, 'd', 0, 39, nullptr},
    {"symmetry_delta", 3, 'f', 0, 40, nullptr},
    {"1", 3, 'f', 0, 40, nullptr},
    {"2", 3, 'f', 0, 40, nullptr},
    {"description", 1, 's', 0, FRAME_ROW_DESCRIPTION, nullptr},
    {"create", 0, 'z', 0, FRAME_ROW_CREATE, nullptr},
    {"assign", 1, 'd', 0, FRAME_ROW_ASSIGN, nullptr},
    {"copy", 0, 'z', 0, FRAME_ROW_COPY, nullptr},
    {"delete", 0, 'z', 0, FRAME_ROW_DELETE, nullptr},
    {"modify_begin", 0, 'z', 0, FRAME_ROW_MODIFY_BEGIN, nullptr},
    {"modify_end", 0, 'z', 0, FRAME_ROW_MODIFY_END, nullptr},
    {"select_begin", 0, 'b', 0, FRAME_ROW_SELECT_BEGIN, nullptr},
    {"select_end", 0, 'e', 0, FRAME_ROW_SELECT_END, nullptr},
    {"select_default", 0, 'z', 0, FRAME_ROW_SELECT_DEFAULT, nullptr},
    {"begin", 0, 'z', 0, FRAME_ROW_BEGIN, nullptr},
    {"end", 0, 'z', 0, FRAME_ROW_END, nullptr},
    {"select_all", 0, 'z', 0, FRAME_ROW_SELECT_ALL, nullptr},
    {"symmetry_instances", 1, 'd', 0, FRAME_ROW_SYMMETRY_INSTANCES, nullptr},
    {"", 0, 'z', 0, CMD_NO_COMMAND, nullptr},
};

static const char *const Bad_param = "frame:  Bad command parameter";
static const char *const Bad_description = "frame: Bad description.";
static const char *const Old_symmetry =
    "Computational symmetry was changed in version 6.2.1. See the README.release file in the "
    "QUIVANE7_HOME directory for a description of this. Command files from earlier versions will "
    "not be compatible due to the new method of creating a part for each symmetry instance. You "
    "can continue by hand from this point and create a new command file.";

static int fail(const char *message) {
  disperr(message);
  Command_proc_err = 1;
  return -1;
}

// A command file of version 6.2 or older is playing: its symmetry lines
// follow the old instancing and cannot be replayed.
static int old_symmetry_file() {
  return Cmd_play_level > 0 && Current_cmdfile_version < 6.2f + 0.001f;
}

static void set_pending(int slot, const float *values, int n) {
  for (int k = 0; k < n && slot + k < FRAME_MOD_SLOTS; k++) {
    Frame_mod_attr[slot + k] = values[k];
    Frame_modchng_flags[slot + k] = 1;
  }
}

// "symmetry_file" and "description" take the rest of the line, asked for
// when it starts with "??".  1 with the text copied, else -1 after a message.
static int text_value(const char *params, char *out, size_t size, const char *bad, bool empty_ok) {
  char *answer = nullptr;
  if (cmd_param_asked(&params, &answer, Cmd_no_value_entered) < 0) {
    Command_proc_err = 1;
    return -1;
  }
  const size_t n = strlen(params);
  int result = 1;
  if (n >= size || (!empty_ok && n == 0))
    result = fail(bad);
  else
    memcpy(out, params, n + 1);
  free(answer);
  return result;
}

// Renames every working frame (the defaults keep no name).
static void apply_description() {
  const int count = Frame_wrking_framecnt > 0 ? Frame_wrking_framecnt : 1;
  for (int k = 0; k < count; k++) {
    const int frame = Frame_wrking_framecnt > 0 ? Frame_wrking_frameids[k] : -1;
    float attrs[FRAME_ATTR_WORDS];
    char name[FRAME_NAME_LEN];
    if (frame_attributes(frame, attrs, name, 0) < 0) continue;
    snprintf(name, sizeof name, "%s", Frame_modchng_desc);
    frame_attributes(frame, attrs, name, 1);
  }
}

static void set_working_list(int count, const int *ids) {
  if (count > MAX_FRAMES) count = MAX_FRAMES;
  Frame_wrking_framecnt = count > 0 ? count : 0;
  if (Frame_wrking_framecnt) memcpy(Frame_wrking_frameids, ids, sizeof(int) * (size_t)count);
  int n = Frame_wrking_framecnt;
  current_selected_frames(&n, Frame_wrking_frameids, 1);
}

int frame_cmdproc(const char *, const char *, const char *, const char *params, int cat_index,
                  int kw_row, int, const int *ids, int nids) {
  if (kw_row < 0 || kw_row >= FRAME_CMD_ROWS) return fail("Illegal frame command.");
  if (!params) params = "";
  const Cmd_keyword_rec &row = Cmds_frame[kw_row];
  float values[3] = {0, 0, 0};
  bool attribute = false;
  switch (kw_row) {
    case 1:
    case 27: {
      const int v = cmd_process_strparams(params, cat_index, kw_row);
      if (v < 0) return fail("frame: Bad command parameter");
      if (kw_row == 27 && old_symmetry_file()) {
        Frame_mod_attr[27] = 0;
        Frame_modchng_flags[27] = 0;
        return fail(Old_symmetry);
      }
      values[0] = (float)v;
      set_pending(kw_row, values, 1);
      attribute = true;
      break;
    }
    case FRAME_ROW_SYMMETRY_FILE:
      if (text_value(params, Frame_modchng_matchfile, sizeof Frame_modchng_matchfile, Bad_param,
                     true) < 0)
        return -1;
      values[0] = 1.0f;
      set_pending(kw_row, values, 1);
      attribute = true;
      break;
    case FRAME_ROW_DESCRIPTION:
      if (text_value(params, Frame_modchng_desc, sizeof Frame_modchng_desc, Bad_description,
                     false) < 0)
        return -1;
      apply_description();
      return 1;
    case FRAME_ROW_CREATE:
      return frame_new(1) < 0 ? -1 : 1;
    case FRAME_ROW_ASSIGN: {
      if (cmd_process_params(cat_index, kw_row, params, values) < 0 ||
          !does_frame_exist((int)values[0]))
        return fail("frame assign: Bad parameter");
      if (assign_frame(Cmd_part_wrking_cnt, Cmd_part_wrking_extnumber, (int)values[0]) < 0)
        return fail(
            "Cannot assign a periodic instance part to a new frame. One or more of the parts you "
            "selected are periodic.");
      return 1;
    }
    case FRAME_ROW_DELETE:
      return frame_delete(1, Frame_wrking_framecnt, Frame_wrking_frameids) < 0 ? -1 : 1;
    case FRAME_ROW_MODIFY_BEGIN:
      for (int &f : Frame_modchng_flags) f = 0;
      Frame_modchng_desc[0] = '\0';
      Frame_modchng_matchfile[0] = '\0';
      Frame_modify_pending = 1;
      return 1;
    case FRAME_ROW_MODIFY_END:
      Frame_modify_pending = 0;
      break;
    case FRAME_ROW_SELECT_BEGIN:
      return 1;
    case FRAME_ROW_SELECT_END:
      set_working_list(nids, ids);
      return 1;
    case FRAME_ROW_SELECT_DEFAULT:
      set_working_list(0, nullptr);
      return 1;
    case FRAME_ROW_SELECT_ALL: {
      frame_selectall(1);
      int n = 0;
      current_selected_frames(&n, Frame_wrking_frameids, 0);
      Frame_wrking_framecnt = n;
      return 1;
    }
    case FRAME_ROW_SYMMETRY_INSTANCES:
      if (cmd_process_params(cat_index, kw_row, params, values) < 0)
        return fail("frame:  Bad instance parameter");
      set_pending(29, values, 1);
      attribute = true;
      break;
    default:  // attribute rows (three values from the row's slot on), "copy", "begin", "end"
      if (row.type == 'z' || cmd_process_params(cat_index, kw_row, params, values) < 0)
        return fail(Bad_param);
      set_pending(kw_row, values, row.nvalues);
      attribute = true;
  }

  int result = 1;
  if ((attribute && !Frame_modify_pending) || kw_row == FRAME_ROW_MODIFY_END) {
    result = frame_attr_updt(FRAME_ALL_SLOTS, Frame_mod_attr, Frame_modchng_matchfile,
                             Frame_modchng_flags, 3, 1);
    for (int &f : Frame_modchng_flags) f = 0;
  }
  return result < 0 ? -1 : 1;
}

int frame_cmdrec(int, int, const char *category, int slot, float *, float *, const char *, int *) {
  if (slot != FRAME_ROW_SYMMETRY_FILE) {
    disperr("Error recording frame attributes. Contact support.");
    return 0;
  }
  char line[FRAME_MATCHFILE_LEN + 40];
  snprintf(line, sizeof line, "%s %s %s", category ? category : Cmds_cat[CMD_CAT_FRAME].name,
           "symmetry_file", Frame_csymperiodic_file);
  cmdrec(line);
  return 0;
}

void frame_ref(int cat_index) {
  frame_icons_refresh();
  cmd_clear_refresh(cat_index);
}

// The frame rows of the brackets are "select_begin" and "select_end", the
// words the shared selection recorder writes around the numbers.
void frame_rec_selitems(int cat_index, int begin_row, int end_row, int count, const int *list) {
  if (begin_row != FRAME_ROW_SELECT_BEGIN || end_row != FRAME_ROW_SELECT_END) return;
  cmd_rec_selbynum(cat_index, count, list);
}
