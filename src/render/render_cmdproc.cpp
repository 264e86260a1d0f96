// The "view:" command category (see render_cmdproc.h).  Owns Cmds_view and
// its option lists.
#include "render/render_cmdproc.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "interact/stereo.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/glyphs.h"
#include "render/view_toggles.h"
#include "view/viewports.h"

const Cmd_option_rec view_pmodes[] = {{"part", 0},    {"plane", 1},   {"line", 2},
                                      {"cursor", 3},  {"look_at", 4}, {"plane_2pt", 5},
                                      {"", -99}};
const Cmd_option_rec view_dmodes[] = {{"off", 0},         {"dynamic", 1},    {"static", 2},
                                      {"dynamic_box", 1}, {"static_box", 2}, {"all_objects", 0},
                                      {"", -99}};

enum View_cmd_id {
  VIEW_DRAWING = 0,  // "fast_display" and the four drawing-mode keywords
  VIEW_HIDDEN_SURFACE = 1,
  VIEW_HIDDEN_LINE = 2,
  VIEW_PERSPECTIVE = 3,
  VIEW_CLIPPING = 4,
  VIEW_STATIC_LIGHTING = 15,
  VIEW_FULL_COLOR = CMD_NO_COMMAND,
  VIEW_PICK_MODE = 10000,
  VIEW_FULL_SCREEN = 10001,
  VIEW_STEREO = 10002,
};

const Cmd_keyword_rec Cmds_view[] = {
    {"fast_display", 1, 'n', 0, VIEW_DRAWING, nullptr},
    {"hidden_surface", 1, 'n', 1, VIEW_HIDDEN_SURFACE, nullptr},
    {"hidden_line", 1, 'n', 1, VIEW_HIDDEN_LINE, nullptr},
    {"perspective", 1, 'n', 1, VIEW_PERSPECTIVE, nullptr},
    {"clipping", 1, 'n', 0, VIEW_CLIPPING, nullptr},
    {"static_lighting", 1, 'n', 1, VIEW_STATIC_LIGHTING, nullptr},
    {"full_color", 1, 'n', 1, VIEW_FULL_COLOR, nullptr},
    {"pick_mode", 1, 's', 1, VIEW_PICK_MODE, view_pmodes},
    {"full_screen", 1, 'n', 1, VIEW_FULL_SCREEN, nullptr},
    {"stereo", 1, 'n', 1, VIEW_STEREO, nullptr},
    {"detail_mode", 1, 's', 1, VIEW_DRAWING, view_dmodes},
    {"bounding_mode", 1, 's', 1, VIEW_DRAWING, view_dmodes},
    {"bounding_box", 1, 's', 1, VIEW_DRAWING, view_dmodes},
    {"display_mode", 1, 's', 1, VIEW_DRAWING, view_dmodes},
    CMD_KEYWORD_END,
};

#define HLINE_WORD_MAX 63  // characters of the on/off word of "hidden_line"

// An on/off value: "ON" 1, "OFF" 0 (either case); "??" asks for it.  -1
// after an empty answer (reported) or any other text.
static int on_off_value(const char *params) {
  char *answer = nullptr;
  if (cmd_param_asked(&params, &answer, Cmd_no_value_entered) < 0) return -1;
  int value = strcasecmp(params, On) == 0 ? 1 : strcasecmp(params, Off) == 0 ? 0 : -1;
  free(answer);
  return value;
}

static int refuse(const char *message) {
  disperr(message);
  return -1;
}

// A switch keyword forced through its whole transition: the switch is put
// in the opposite state first, so the engine always rebuilds and redraws.
static void force_switch(int *setting, void (*engine)(int), int on) {
  *setting = on ? 0 : 1;
  engine(on);
  *setting = on;
}

// "hidden_line <word> [r g b]": one item switches in the part colours,
// four store the overlay colour; the word is bounded.
static int hidden_line_cmd(const char *params) {
  char *answer = nullptr;
  if (cmd_param_asked(&params, &answer, Cmd_no_value_entered) < 0) return -1;
  char word[HLINE_WORD_MAX + 1] = "";
  float r = 1.0f, g = 1.0f, b = 1.0f;
  size_t lead = strspn(params, " \t");
  int items = strcspn(params + lead, " \t") > HLINE_WORD_MAX
                  ? 0
                  : sscanf(params, "%63s %f %f %f", word, &r, &g, &b);
  free(answer);
  if (items != 1 && items != 4) return refuse("view: Incorrect parameter.");
  int specify = items == 4 ? 1 : 0;
  hidden_line_colors(&r, &g, &b, &specify, 1);
  force_switch(&Hlinet, toggle_hidden_line, strcasecmp(word, On) == 0 ? 1 : 0);
  return 1;
}

// Mode 0 off with the dynamic preference, 1 on and dynamic, 2 on and static.
static void drawing_mode(int mode) {
  int is_static = mode == 2 ? 1 : 0, on = mode != 0 ? 1 : 0;
  static_box_toggle_preference(&is_static, 1);
  box_toggle(&on, 1);
}

static int view_line(const char *keyword, const char *params, int cat_index, int kw_row,
                     int cmd_id) {
  int value = 0;
  switch (cmd_id) {
    case VIEW_FULL_COLOR:
      return refuse("The command does not exist.");
    case VIEW_DRAWING:
      if (strncasecmp(keyword, "fast_display", 12) == 0) {
        if ((value = on_off_value(params)) < 0) return refuse("view: Bad fast_display value.");
        box_toggle(&value, 1);
      } else {
        if ((value = cmd_process_strparams(params, cat_index, kw_row)) < 0)
          return refuse("view: Incorrect drawing mode.");
        drawing_mode(value);
      }
      return 1;
    case VIEW_HIDDEN_SURFACE:
    case VIEW_PERSPECTIVE:
    case VIEW_STATIC_LIGHTING: {
      char *answer = nullptr;
      if (cmd_param_asked(&params, &answer, Cmd_no_value_entered) < 0) return -1;
      int on = strcasecmp(params, On) == 0 ? 1 : 0;
      free(answer);
      if (cmd_id == VIEW_HIDDEN_SURFACE) force_switch(&Solidt, solid, on);
      else if (cmd_id == VIEW_PERSPECTIVE) force_switch(&Person, pers_toggle, on);
      else force_switch(&Software_light, light_soft_toggle, on);
      return 1;
    }
    case VIEW_HIDDEN_LINE:
      return hidden_line_cmd(params);
    case VIEW_CLIPPING:
      if ((value = on_off_value(params)) < 0)
        return refuse("view: Parameters of the command were incorrect.");
      user_clip_toggle(value);
      return 1;
    case VIEW_PICK_MODE:
      if ((value = cmd_process_strparams(params, cat_index, kw_row)) < 0)
        return refuse("view: Incorrect picking mode.");
      view_partpick_chng(value, 1);
      Cmds_cat[CMD_CAT_PART].refresh_needed = 1;
      return 1;
    case VIEW_FULL_SCREEN:
    case VIEW_STEREO:
      if ((value = on_off_value(params)) < 0)
        return refuse("view: Parameters of the command were incorrect.");
      if (cmd_id == VIEW_STEREO) process_stereo_cmd(value);
      else process_full_screen_cmd(value);
      return 1;
    default:
      return 1;
  }
}

int view_cmdproc(const char *, const char *, const char *keyword, const char *params,
                 int cat_index, int kw_row, int cmd_id, const int *, int) {
  set_working_cursor("**Working**");
  int result = view_line(keyword, params ? params : "", cat_index, kw_row, cmd_id);
  unset_working_cursor();
  if (result < 0) Command_proc_err = 1;
  return result;
}

void view_ref(int cat_index) {
  view_menu_init();
  if (Main_viewtggls_windep) Main_viewtggls_windep();
  cmd_clear_refresh(cat_index);
}
