// Frame panel logic (see frame_logic.h).  Owns the working frame list, the
// pending attribute change shared with the "frame:" commands and the name of
// the match file being applied.  Frames themselves are owned by the frame
// table (frames.h); this module reads and writes them only through
// frame_attributes, new_frame, assign_frame and delete_local_ctm.  Changes
// from the interface record their command lines; changes from commands
// record nothing, redraw nothing and report failure through
// Command_proc_err.
#include "view/frame_logic.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/screen.h"
#include "data/data_dlog.h"
#include "interact/movmnt.h"
#include "parts/attribute.h"
#include "parts/part_apply.h"
#include "parts/part_record.h"
#include "parts/parts_cmdproc.h"
#include "parts/periodic.h"
#include "view/frame_cmdproc.h"
#include "view/observer.h"
#include "view/transf_editor.h"
#include "view/viewports.h"

int Frame_wrking_framecnt = 0;
int Frame_wrking_frameids[MAX_FRAMES];
float Frame_mod_attr[FRAME_MOD_SLOTS];
int Frame_modchng_flags[FRAME_MOD_SLOTS];
char Frame_modchng_matchfile[FRAME_MATCHFILE_LEN];
char Frame_modchng_desc[FRAME_DESC_LEN];
int Frame_modify_pending = 0;
char Frame_csymperiodic_file[FRAME_MATCHFILE_LEN];

int (*Frame_check_match_file)(const char *, int *, int *, float *, float *, float *,
                              float *) = check_match_file;
int (*Frame_periodic_available)() = periodic_instances_available;
Frame_windep_hooks Frame_windep = {};

// The frame table's refresher (frame_icons_refresh) reaches the working
// list through this seam; the Motif panel is reached through Frame_windep.
static const bool Refresher_installed = (frame_icons_refresh_windep = frame_wrking_refresh, true);

static const char *const Working = "**Working**";

static int frame0_in_working_list() {
  for (int k = 0; k < Frame_wrking_framecnt; k++)
    if (Frame_wrking_frameids[k] == 0) return 1;
  return 0;
}

// The frame the panel and dialogs show: the first working frame, else the defaults.
static int shown_frame() { return Frame_wrking_framecnt > 0 ? Frame_wrking_frameids[0] : -1; }

static void record2(const char *keyword) {
  std::string line = std::string(Cmds_cat[CMD_CAT_FRAME].name) + " " + keyword;
  cmdrec(line.c_str());
}

// The frame-0 refusals: a flagged location or orientation slot.
static int frame0_refusal(const int *flags) {
  for (int s = FRAME_ORIGIN; s < FRAME_ORIENT + 9; s++) {
    if (!flags[s]) continue;
    disperr(s < FRAME_ORIENT ? "Can't change Frame 0 location." : "Can't change Frame 0 orientation.");
    return 1;
  }
  return 0;
}

// Fills newv/flags from a change by slot (see frame_attr_updt).
static void take_change(int slot, const float *values, const int *given, float *newv, int *flags) {
  auto take = [&](int first, int n, int from) {
    for (int k = 0; k < n; k++) {
      newv[first + k] = values[from + k];
      flags[first + k] = 1;
    }
  };
  switch (slot) {
    case FRAME_ORIGIN: take(FRAME_ORIGIN, 3, 0); break;
    case FRAME_ORIENT: take(FRAME_ORIENT, 9, 0); break;
    case 14: case FRAME_LABELS_X: case FRAME_RGB: take(slot, 3, 0); break;
    case FRAME_SYM_ANGLE: case FRAME_SYM_RINST: take(FRAME_SYM_ANGLE, 2, 0); break;
    case FRAME_SYM_TINST: take(FRAME_SYM_TINST, 4, 0); break;
    case FRAME_ALL_SLOTS:
      for (int s = 0; s < FRAME_MOD_SLOTS; s++) {
        newv[s] = values[s];
        flags[s] = given && given[s] ? 1 : 0;
      }
      break;
    default:
      if (slot >= 0 && slot < FRAME_MOD_SLOTS) take(slot, 1, 0);
  }
}

// Whether applying the change to the target's attributes makes or changes
// periodic instances: a symmetry slot changes while the resulting type is
// not "none", or a match file is asked for.
static int needs_instances(const float *attrs, const float *newv, const int *flags, int file_step) {
  if (file_step) return 1;
  float type = flags[FRAME_SYM_TYPE] ? newv[FRAME_SYM_TYPE] : attrs[FRAME_SYM_TYPE];
  if ((int)type == 3) return 0;
  for (int s = FRAME_SYM_TYPE; s < FRAME_MOD_SLOTS; s++)
    if (flags[s]) return 1;
  return 0;
}

// One failure of the per-frame steps (its message shown): cursor back, line failed.
static int target_failure(int from_command) {
  unset_working_cursor();
  if (from_command) Command_proc_err = 1;
  return -1;
}

// The file step of one target: the match file name (attrs already hold the
// new values); 1, or -1 after its message.
static int match_file_name(int target, const int *flags, const float *newv, const char *text) {
  char name[FRAME_MATCHFILE_LEN] = "";
  if (periodic_match_file(target, name, (int)newv[FRAME_SYM_TYPE], 0) < 0) {
    disperr("Error allocating attribute memory.");
    return -1;
  }
  if (flags[FRAME_SYM_FILE]) {
    if (!text || !text[0]) {
      disperr("No symmetry file entered.");
      return -1;
    }
    snprintf(name, sizeof name, "%s", text);
  } else if (!name[0]) {
    disperr("No symmetry file entered.");
    return -1;
  }
  snprintf(Frame_csymperiodic_file, sizeof Frame_csymperiodic_file, "%s", name);
  return 1;
}

// Checks the match file on the servers and takes its angle or translation.
static int apply_match_file(int target, float *attrs) {
  int mismatch = 0, type = (int)attrs[FRAME_SYM_TYPE];
  float a = 0, b = 0, c = 0, d = 0;
  int r = Frame_check_match_file(Frame_csymperiodic_file, &mismatch, &type, &a, &b, &c, &d);
  const char *message = r == 2   ? "Couldn't open periodic match file."
                        : r == 3 ? "Couldn't read periodic match file."
                        : r == 5 ? "Periodic match file header is incorrect."
                        : mismatch ? "Periodic match file is not of the selected symmetry type."
                                   : nullptr;
  if (message) {
    disperr(message);
    return -1;
  }
  if (type == 1) {
    attrs[FRAME_SYM_ANGLE] = d;
  } else {
    attrs[FRAME_SYM_DELTA] = a;
    attrs[FRAME_SYM_DELTA + 1] = b;
    attrs[FRAME_SYM_DELTA + 2] = c;
  }
  if (periodic_match_file(target, Frame_csymperiodic_file, (int)attrs[FRAME_SYM_TYPE], 1) < 0) {
    disperr("Error occurred allocating memory.");
    return -1;
  }
  return 1;
}

static void refresh_dialog(int refresh) {
  if (refresh == 0) frame_axisattr_init();
  if (refresh == 1) frame_locattr_init();
  if (refresh == 2) frame_csymattr_init(0, 0);
  viewports_display_all();
}

// Slots taken by slot: 2 origin (values 0..2), 5 orientation (0..8), 14
// lengths, 17 label counts, 21 colour (three each), 28 or 29 angle and
// rotational instances, 39 translational instances and translation (four),
// FRAME_ALL_SLOTS the flagged slots of a full vector, any other slot one value.
int frame_attr_updt(int slot, const float *values, const char *text, const int *flags, int refresh,
                    int from_command) {
  float newv[FRAME_MOD_SLOTS] = {};
  int fl[FRAME_MOD_SLOTS] = {};
  take_change(slot, values, flags, newv, fl);
  auto refused = [&]() {
    if (from_command) Command_proc_err = 1;
    return -1;
  };
  if (frame0_in_working_list() && frame0_refusal(fl)) return refused();
  if (!frame_checkvalues(newv, fl)) {
    if (!from_command) refresh_dialog(refresh);
    return refused();
  }

  int targets[MAX_FRAMES];
  int ntargets = Frame_wrking_framecnt;
  if (ntargets > 0)
    memcpy(targets, Frame_wrking_frameids, sizeof(int) * (size_t)ntargets);
  else
    targets[ntargets++] = -1;
  const int file_step =
      fl[FRAME_SYM_FILE] || (fl[FRAME_SYM_USE_FILE] && (int)newv[FRAME_SYM_USE_FILE] == 1);

  float attrs[FRAME_ATTR_WORDS];
  char name[FRAME_NAME_LEN];
  if (!Frame_periodic_available()) {
    for (int k = 0; k < ntargets; k++) {
      if (frame_attributes(targets[k], attrs, name, 0) < 0) continue;
      if (needs_instances(attrs, newv, fl, file_step)) {
        disperr("Periodic symmetry is not available in this build.");
        return refused();
      }
    }
  }

  set_working_cursor(Working);
  for (int k = 0; k < ntargets; k++) {
    const int t = targets[k];
    if (frame_attributes(t, attrs, name, 0) < 0) continue;
    if (file_step && match_file_name(t, fl, newv, text) < 0) return target_failure(from_command);
    if (k == 0 && !from_command) {
      cmd_setrec_at(attrs, newv, FRAME_MOD_SLOTS, CMD_CAT_FRAME, fl, 1);
    } else {
      for (int s = 0; s < FRAME_MOD_SLOTS; s++)
        if (fl[s]) attrs[s] = newv[s];
    }
    if (file_step && apply_match_file(t, attrs) < 0) return target_failure(from_command);
    frame_attributes(t, attrs, name, 1);
  }
  unset_working_cursor();
  if (!from_command) refresh_dialog(refresh);
  return 1;
}

static int in_closed(float v, float low, float high) { return v >= low && v <= high; }

int frame_checkvalues(const float *a, const int *f) {
  static const char *const Length_msg[3] = {"Illegal x axis length, must be greater than 0.",
                                            "Illegal y axis length, must be greater than 0.",
                                            "Illegal z axis length, must be greater than 0."};
  static const char *const Labels_msg[3] = {
      "Illegal # of x labels, should be in range: [0, 25].",
      "Illegal # of y labels, should be in range: [0, 25].",
      "Illegal # of z labels, should be in range: [0, 25]."};
  static const char *const Angle_msg =
      "Illegal symmetry angle, should be in range: [1, 360] or [-1, -360].";
  const char *message = nullptr;
  for (int k = 0; k < 3 && !message; k++)
    if (f[14 + k] && !in_closed(a[14 + k], 0.00001f, FLT_MAX)) message = Length_msg[k];
  for (int k = 0; k < 3 && !message; k++)
    if (f[FRAME_LABELS_X + k] && !in_closed(a[FRAME_LABELS_X + k], 0, 25)) message = Labels_msg[k];
  const float angle = a[FRAME_SYM_ANGLE];
  if (message) {
  } else if (f[FRAME_SYM_RINST] && a[FRAME_SYM_RINST] < 1) {
    message = "Illegal symmetry instance, the instance should be >= 1.";
  } else if (f[FRAME_SYM_ANGLE] && (angle == 0 || angle <= -360.5f || angle >= 360.5f)) {
    message = Angle_msg;
  } else if ((f[FRAME_SYM_ANGLE] || f[FRAME_SYM_RINST]) &&
             std::fabs(angle * a[FRAME_SYM_RINST]) > 361) {
    message =
        "Illegal rotational symmetry combination, the\n(angle * instances) should be in range: "
        "[1, 360] or [-1, -360].";
  } else if (f[FRAME_SYM_TINST] && a[FRAME_SYM_TINST] < 1) {
    message = "Symmetry instance must be >= 1.";
  }
  if (!message) return 1;
  disperr(message);
  return 0;
}

void frame_clearcsym_changeindicators(const int *flags, int all) {
  if (Frame_windep.csym_clear_changes) Frame_windep.csym_clear_changes(flags, all);
}

static void shown_attributes(float *attrs);

static void drop_pending_csym(char *text) {
  for (int &f : Frame_modchng_flags) f = 0;
  if (text) text[0] = '\0';
}

void frame_csymattr_pending(int slot, const float *values, const char *text, int mode) {
  if (mode == 0) {
    frame_clearcsym_changeindicators(Frame_modchng_flags, 0);
    drop_pending_csym(Frame_modchng_matchfile);
    return;
  }
  if (mode == 2) {
    if (Recrdr == 1) record2("modify_begin");
    frame_attr_updt(FRAME_ALL_SLOTS, Frame_mod_attr, Frame_modchng_matchfile, Frame_modchng_flags, 2,
                    0);
    if (Recrdr == 1) record2("modify_end");
    frame_csymattr_pending(-1, nullptr, nullptr, 0);
    frame_csymattr_init(0, 0);
    return;
  }
  switch (slot) {
    case FRAME_SYM_TYPE:
      frame_csymattr_pending(-1, nullptr, nullptr, 0);
      Frame_mod_attr[FRAME_SYM_TYPE] = values[0];
      Frame_mod_attr[FRAME_SYM_USE_FILE] = 0;
      Frame_modchng_flags[FRAME_SYM_TYPE] = Frame_modchng_flags[FRAME_SYM_USE_FILE] = 1;
      frame_csymattr_init(1, (int)values[0]);
      break;
    case FRAME_SYM_USE_FILE:
      Frame_mod_attr[slot] = values[0];
      Frame_modchng_flags[slot] = 1;
      if (Frame_windep.csym_values_sensitive) Frame_windep.csym_values_sensitive(values[0] == 0);
      break;
    case FRAME_SYM_FILE:
      Frame_modchng_flags[slot] = 1;
      snprintf(Frame_modchng_matchfile, sizeof Frame_modchng_matchfile, "%s", text ? text : "");
      break;
    case FRAME_SYM_DELTA:
      for (int k = 0; k < 3; k++) {
        Frame_mod_attr[slot + k] = values[k];
        Frame_modchng_flags[slot + k] = 1;
      }
      break;
    case -1:
      break;
    default:
      if (slot < 0 || slot >= FRAME_MOD_SLOTS) return;
      Frame_mod_attr[slot] = values[0];
      Frame_modchng_flags[slot] = 1;
  }
  // Slots without a pending change are judged by the frame's own values, not
  // by what an earlier, dropped change left in Frame_mod_attr.
  float judged[FRAME_ATTR_WORDS];
  shown_attributes(judged);
  for (int s = 0; s < FRAME_MOD_SLOTS; s++)
    if (Frame_modchng_flags[s]) judged[s] = Frame_mod_attr[s];
  if (!frame_checkvalues(judged, Frame_modchng_flags)) {
    frame_csymattr_pending(-1, nullptr, nullptr, 0);
    frame_csymattr_init(0, 0);
  }
}

// ---- panel actions ----------------------------------------------------------------

// The parts selected in the main part list (the caller frees *numbers).
static int main_list_parts(int **numbers) {
  int count = 0, *internal = nullptr;
  *numbers = nullptr;
  if (part_selected_parts_windep) part_selected_parts_windep(0, &count, &internal, numbers);
  free(internal);
  if (count <= 0) {
    free(*numbers);
    *numbers = nullptr;
    count = 0;
  }
  return count;
}

static void transf_frames_refresh() {
  if (Frame_windep.transf_frames) Frame_windep.transf_frames();
}

int frame_new(int from_command) {
  float attrs[FRAME_ATTR_WORDS];
  char name[FRAME_NAME_LEN] = "";
  frame_attributes(-1, attrs, name, 0);
  name[0] = '\0';
  const int frame = new_frame(attrs, name);
  if (frame < 0) {
    disperr("Error creating frame.");
    if (from_command) Command_proc_err = 1;
    return -1;
  }
  if (from_command) {
    if (Cmd_part_wrking_cnt > 0 && Cmd_part_wrking_extnumber && Cmd_part_wrking_extnumber[0] != -1 &&
        Cmd_part_wrking_extnumber[0] != -2)
      local_ctm_init(Cmd_part_wrking_cnt, Cmd_part_wrking_extnumber, frame);
  } else {
    int *parts = nullptr;
    const int count = main_list_parts(&parts);
    if (count > 0) local_ctm_init(count, parts, frame);
    if (Recrdr == 1) {
      part_rec_selparts(CMD_CAT_PART, count, parts, 0);
      record2("create");
    }
    free(parts);
    frame_icons_refresh();
    viewports_display_all();
  }
  transf_frames_refresh();
  return frame;
}

int frame_selectall(int from_command) {
  set_working_cursor(Working);
  select_all_frames();
  transf_frames_refresh();
  if (!from_command) {
    record2("select_all");
    frame_icons_refresh();
  }
  unset_working_cursor();
  return 1;
}

// 1 when a part is assigned to frame.
static int frame_in_use(int frame) {
  int count = 0, *list = nullptr;
  given_frames_return_parts(1, &frame, &count, &list);
  free(list);
  return count > 0;
}

int frame_delete(int from_command, int count, const int *list) {
  if (count < 1) {
    disperr("No frame selected to delete.");
    return -1;
  }
  if (!from_command &&
      warn(count == 1 ? "Do you really want to delete the selected frame?"
                      : "Do you really want to delete the selected frames?") != 1)
    return -1;
  // Every listed frame is checked before any is deleted, so that a refusal
  // leaves the table, the lists and the picture as they were.
  for (int k = 0; k < count; k++) {
    char message[80];
    if (list[k] == 0) {
      disperr("Frame 0 cannot be deleted.");
    } else if (frame_in_use(list[k])) {
      snprintf(message, sizeof message, "Frame %d being used by a part, cannot be deleted.", list[k]);
      disperr(message);
    } else {
      continue;
    }
    if (from_command) Command_proc_err = 1;
    return -1;
  }
  set_working_cursor(Working);
  int result = 1;
  for (int k = count - 1; k >= 0; k--) {
    if (delete_local_ctm(list[k]) < 0) continue;  // deleted, or no such frame
    char message[80];
    snprintf(message, sizeof message, "Frame %d being used by a part, cannot be deleted.", list[k]);
    disperr(message);
    if (from_command) Command_proc_err = 1;
    result = -1;
    break;
  }
  viewports_display_all();
  transf_frames_refresh();
  if (!from_command && result == 1 && Recrdr == 1) record2("delete");
  if (!from_command) frame_icons_refresh();
  unset_working_cursor();
  return result;
}

// The message-window lines of an assignment: one part in one sentence;
// several as "Parts a, b, ..., and z have been assigned to frame n.", twelve
// numbers a line.
static void report_assignment(int count, const int *parts, int frame) {
  char line[400];
  if (count == 1) {
    snprintf(line, sizeof line, "Part %d has been assigned to frame %d.", parts[0], frame);
    caddtxt(line);
    return;
  }
  std::string text = "Parts " + std::to_string(parts[0]);
  int numbers = 1;
  for (int k = 1; k < count - 1; k++) {
    const std::string n = std::to_string(parts[k]);
    if (numbers == 0) {
      text = n;
      numbers = 1;
    } else if (numbers < 11) {
      text += ", " + n;
      numbers++;
    } else {
      text += ", " + n + ",";
      caddtxt(text.c_str());
      text.clear();
      numbers = 0;
    }
  }
  snprintf(line, sizeof line, "%sand %d have been assigned to frame %d.", numbers ? ", " : "",
           parts[count - 1], frame);
  text += line;
  caddtxt(text.c_str());
}

int frame_assignparts() {
  if (Frame_wrking_framecnt < 1) {
    disperr("No frame selected to assign selected part(s) to.");
    return -1;
  }
  if (Frame_wrking_framecnt > 1) {
    disperr("Can only assign one frame at a time.");
    return -1;
  }
  const int frame = Frame_wrking_frameids[0];
  int *parts = nullptr;
  const int count = main_list_parts(&parts);
  if (count == 0) {
    disperr("No parts selected to assign.");
    return -1;
  }
  set_working_cursor(Working);
  if (assign_frame(count, parts, frame) < 0) {
    disperr(
        "Cannot assign a periodic instance part to a new frame. One or more of the parts you "
        "selected are periodic.");
    free(parts);
    unset_working_cursor();
    return -1;
  }
  report_assignment(count, parts, frame);
  if (Recrdr == 1) {
    part_rec_selparts(CMD_CAT_PART, count, parts, 0);
    char line[64];
    snprintf(line, sizeof line, "%s %s %d", Cmds_cat[CMD_CAT_FRAME].name, "assign", frame);
    cmdrec(line);
  }
  free(parts);
  for (int c = 0; c < Case_cnt && c < MAX_CASES; c++) {
    if (Data_format[c] != 3) continue;
    part_refresh();
    break;
  }
  unset_working_cursor();
  return 1;
}

void frame_transf_chng(int mode) {
  Frame_current_transmode = mode;
  What_trans = mode;
  if (Recrdr == 1) transf_record_whattrans(mode);
  transf_dialog_init();
}

void frame_rgb_manageselect() {
  float attrs[FRAME_ATTR_WORDS];
  frame_attributes(shown_frame(), attrs, nullptr, 0);
  if (Frame_windep.color_dialog)
    Frame_windep.color_dialog(attrs[FRAME_RGB], attrs[FRAME_RGB + 1], attrs[FRAME_RGB + 2]);
}

void frame_rgbvalue_apply() {
  float rgb[3];
  if (!Frame_windep.chooser_color || Frame_windep.chooser_color(&rgb[0], &rgb[1], &rgb[2]) != 1)
    return;
  frame_attr_updt(FRAME_RGB, rgb, nullptr, nullptr, 3, 0);
}

void frame_rgbselect_apply() { frame_rgbvalue_apply(); }

// ---- refreshing and filling -------------------------------------------------

void frame_wrking_refresh() {
  int count = 0;
  static int list[MAX_FRAMES];
  current_selected_frames(&count, list, 0);
  if (count < 0) count = 0;
  bool changed = count != Frame_wrking_framecnt;
  for (int k = 0; k < count && !changed; k++) changed = list[k] != Frame_wrking_frameids[k];
  Frame_wrking_framecnt = count;
  memcpy(Frame_wrking_frameids, list, sizeof(int) * (size_t)count);
  if (changed) frame_rec_selitems(CMD_CAT_FRAME, FRAME_ROW_SELECT_BEGIN, FRAME_ROW_SELECT_END, count,
                                  Frame_wrking_frameids);
  // The panel's choices follow in every mode; the dialogs in frame mode.
  if (Current_mode == 2)
    frame_refresh_all();
  else
    frame_genericattr_init();
}

void frame_refresh_all() {
  frame_genericattr_init();
  frame_axisattr_init();
  frame_locattr_init();
  frame_csymattr_init(0, 0);
}

static void shown_attributes(float *attrs) {
  if (frame_attributes(shown_frame(), attrs, nullptr, 0) < 0) frame_attributes(-1, attrs, nullptr, 0);
}

void frame_genericattr_init() {
  if (!Frame_windep.panel) return;
  float a[FRAME_ATTR_WORDS];
  shown_attributes(a);
  Frame_panel_fields f;
  f.visible = a[FRAME_VISIBLE] != 0;
  const int width = (int)a[FRAME_LINE_WIDTH];
  f.linew_row = width >= 1 && width <= 3 ? width - 1 : 3;
  const int type = (int)a[FRAME_TYPE];
  f.type_row = type == 0 || type == 1 ? type : 2;
  f.transmode = Frame_current_transmode == 1 ? 1 : 10;
  f.triad_visible = Axiso1 != 0;
  Frame_windep.panel(&f);
}

static void format_e(char *out, float v) { snprintf(out, 20, "%.4e", v); }
static void format_d(char *out, float v) { snprintf(out, 20, "%4d", (int)v); }

void frame_axisattr_init() {
  if (!Frame_windep.axis) return;
  float a[FRAME_ATTR_WORDS];
  shown_attributes(a);
  Frame_axis_fields f;
  for (int k = 0; k < 3; k++) {
    format_e(f.length[k], a[14 + k]);
    f.ticks[k] = a[FRAME_TICKS_X + k] != 0;
    format_d(f.labels[k], a[FRAME_LABELS_X + k]);
  }
  Frame_windep.axis(&f);
}

void frame_locattr_init() {
  if (!Frame_windep.location) return;
  float a[FRAME_ATTR_WORDS];
  shown_attributes(a);
  Frame_location_fields f;
  for (int k = 0; k < 3; k++) format_e(f.origin[k], a[FRAME_ORIGIN + k]);
  for (int k = 0; k < 9; k++) format_e(f.orient[k], a[FRAME_ORIENT + k]);
  Frame_windep.location(&f);
}

void frame_csymattr_init(int use_given_type, int type) {
  if (!Frame_windep.csym) return;
  float a[FRAME_ATTR_WORDS];
  shown_attributes(a);
  char name[FRAME_MATCHFILE_LEN] = "";
  if (periodic_match_file(shown_frame(), name, (int)a[FRAME_SYM_TYPE], 0) < 0) {
    disperr("Error allocating memory.");
    return;
  }
  if (use_given_type) a[FRAME_SYM_TYPE] = (float)type;
  frame_csymtype_manageinit(a, name);
}

void frame_csymtype_manageinit(const float *a, const char *file) {
  if (!Frame_windep.csym) return;
  Frame_csym_fields f = {};
  const int type = (int)a[FRAME_SYM_TYPE];
  f.type = type >= 0 && type <= 2 ? type : 3;
  for (int k = 0; k < 7; k++) f.mirror[k] = a[FRAME_SYM_MIRROR + k] != 0;
  format_e(f.angle, a[FRAME_SYM_ANGLE]);
  format_d(f.rinstances, a[FRAME_SYM_RINST]);
  for (int k = 0; k < 3; k++) format_e(f.delta[k], a[FRAME_SYM_DELTA + k]);
  format_d(f.tinstances, a[FRAME_SYM_TINST]);
  f.use_file = a[FRAME_SYM_USE_FILE] != 0;
  snprintf(f.file, sizeof f.file, "%s", file ? file : "");
  f.values_sensitive = !f.use_file;
  Frame_windep.csym(&f);
}
