// Command entry points of the transformations ("viewport:" is in
// viewp_cmdproc.cpp, "frame:" in frame_cmdproc.cpp); "view_transf:" knows only the mode and drag action ("function",
// "action"), which set What_trans and Vewglb; its refresh brings the
// transformation buttons in line.
#include "view/view_cmdproc.h"

#include "view/viewports.h"

#include "client/command_dlog.h"
#include "client/screen.h"
#include "view/observer.h"
#include "view/viewports.h"

int (*transf_buttons_windep)() = nullptr;

static const Cmd_option_rec Vt_modes[] = {
    {"global", 0}, {"local", 1},      {"cursor", 2},     {"line", 3},  {"plane", 4}, {"cylinder", 6},
    {"sphere", 7}, {"cone", 8},       {"revolution", 9}, {"frame", 10}, {"", -99}};
static const Cmd_option_rec Vt_action[] = {
    {"rotate", 0}, {"translate", 1}, {"scale", 2}, {"zoom", 4}, {"band_zoom", 5}, {"", -99}};

const Cmd_keyword_rec Cmds_viewtransf[] = {
    {"function", 1, 's', 0, VIEWTRANSF_FUNCTION, Vt_modes},
    {"action", 1, 's', 0, VIEWTRANSF_ACTION, Vt_action},
    CMD_KEYWORD_END,
};

static int Vis_changed_pattern = 0;  // viewports named by the last viewport_vis change

int viewport_vis_part_changed_pattern(int *pattern, int mode) {
  if (!pattern) return 1;
  if (mode == 1)
    Vis_changed_pattern = *pattern;
  else if (mode == 0)
    *pattern = Vis_changed_pattern;
  return 1;
}

int viewp_inuse_mask() {
  int mask = 0;
  for (int v = 0; v < MAX_VIEWPORTS; v++)
    if (viewport_exists(v)) mask |= 1 << v;
  return mask | 1;
}

// "action" is refused where the mode forbids it: rotate in the tool modes
// 2, 3, 6..9; zoom and band zoom in every mode but global.
static int action_allowed(int action) {
  const int m = What_trans;
  if (action == 0 && (m == 2 || m == 3 || (m >= 6 && m <= 9))) return 0;
  if ((action == 4 || action == 5) && m != 0) return 0;
  return 1;
}

int transf_cmdproc(const char *, const char *, const char *keyword, const char *params,
                   int cat_index, int, int cmd_id, const int *, int) {
  if (cmd_id != VIEWTRANSF_FUNCTION && cmd_id != VIEWTRANSF_ACTION)
    return cmd_refuse_unbuilt(cat_index, keyword);
  int kw_row = cmd_id;  // ids equal rows
  int value = cmd_process_strparams(params ? params : "", cat_index, kw_row);
  if (cmd_id == VIEWTRANSF_FUNCTION) {
    if (value < 0) {
      disperr("view_transf: Incorrect mode.");
      return -1;
    }
    What_trans = value;
    return 1;
  }
  if (value < 0 || !action_allowed(value)) {
    disperr("view_transf: Incorrect action.");
    return -1;
  }
  Vewglb = value;
  return 1;
}

void transf_ref(int cat_index) {
  if (transf_buttons_windep) transf_buttons_windep();
  cmd_clear_refresh(cat_index);
}
